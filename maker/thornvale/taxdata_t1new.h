#pragma once
#include "ctaxdata_form.h"
#include "struct_tax_stairs_jurisdiction.h"
#include <QList>

// The T1 return itself. Lines are keyed by their 2024 line numbers; the few
// facts the return model queries by a short code answer to that code
// (3 multiple-year filing, 10 e-mail address, 367 caregiver amount for children).
class TaxData_T1New : public CTaxData_Form
{
public:
    enum Field {
        // identification
        F_FirstName, F_LastName, F_Initial, F_SIN, F_DateOfBirth, F_MaritalStatus, F_Language,
        F_CareOf, F_AptNo, F_Street, F_POBox, F_RuralRoute, F_City, F_MailProvince, F_Postcode,
        F_Email, F_Phone, F_ProvinceOfResidence, F_ProvinceName, F_ProvinceOfBusiness,
        F_MaritalChangeDate, F_Sch5Date, F_DeceasedDate, F_EntryDate, F_DepartureDate,
        F_BankruptDate, F_PostBankrupt, F_RevokeFiscalPeriod, F_SelfEmployedJune15,
        F_FactualResident, F_RuralSupplement, F_OrganDonor, F_ElectionsCanada, F_ForeignPropertyOver100K,
        F_SpouseSIN, F_SpouseFirstName, F_SpouseLastName, F_SpouseDateOfBirth, F_SpouseNetIncome,
        F_SpouseUCCB, F_SpouseSelfEmployed, F_LeaveSpouseOut,
        // filing
        F_ReFile, F_MultipleYearFiling, F_FilingStatus, F_FilingTime, F_ConfirmationNumber,
        F_AutoFill, F_AutoFillDate,
        F_PreparerName, F_PreparerAddress, F_PreparerCityLine, F_PreparerPhone, F_EFileNumber,
        // total income
        F_10100, F_10105, F_10120, F_10130, F_10400, F_11300, F_11400, F_11410, F_11500,
        F_11600, F_11700, F_11900, F_11905, F_12000, F_12010, F_12100, F_12200, F_12500,
        F_12600, F_12700, F_12799, F_12900, F_12905, F_12906, F_13000, F_13010,
        F_13500, F_13700, F_13900, F_14100, F_14300, F_14400, F_14500, F_14600, F_14700, F_15000,
        // net income
        F_20600, F_20700, F_20800, F_20805, F_20810, F_21000, F_21200, F_21300, F_21400,
        F_21500, F_21700, F_21900, F_22000, F_22100, F_22200, F_22215, F_22300, F_22400,
        F_22900, F_23100, F_23200, F_23300, F_23400, F_23500, F_23600,
        // taxable income
        F_24400, F_24900, F_25000, F_25100, F_25200, F_25300, F_25400, F_25500, F_25600, F_25700, F_26000,
        // federal non-refundable credits
        F_30000, F_30100, F_30300, F_30400, F_30425, F_30450, F_30500, F_30800, F_31000,
        F_31200, F_31217, F_31220, F_31240, F_31260, F_31270, F_31285, F_31300, F_31350,
        F_31400, F_31600, F_31800, F_31900, F_32300, F_32400, F_32600, F_33099, F_33199,
        F_33200, F_33500, F_33800, F_34900, F_35000,
        // federal tax
        F_40400, F_40424, F_40425, F_40427, F_40500, F_40600, F_40900, F_41000, F_41200,
        F_41400, F_41600, F_41700, F_41500, F_41800, F_42900, F_42000, F_42100, F_42120, F_42200,
        F_42800, F_43500,
        // refund or balance owing
        F_43700, F_43800, F_44000, F_44800, F_45000, F_45200, F_45300, F_45350, F_45355,
        F_45400, F_45600, F_45700, F_46900, F_47555, F_47556, F_47557, F_47600, F_47900,
        F_48200, F_48400, F_48500, F_NetBalance,
        // carried from last year
        F_LYFedTuition, F_LYProvTuition, F_LYRRSPLimit, F_LYUnusedRRSP, F_HBPRepayment, F_LLPRepayment,
        F_RRSPContribFirst60, F_RRSPContribRest, F_LYT1212Balance, F_LYNetCapitalLosses,
        // worked values of the stages
        F_DaysInYear, F_DaysBeforeBankruptcy, F_ResidenceDays, F_ResidenceDays2, F_ProratedDays,
        F_SelfEmploymentTotal, F_SelfEmploymentRemainder, F_SplitIncomeFlag, F_T90Flag,
        F_DeceasedFlag, F_Under18Flag, F_SpouseInfoFlag, F_AllCreditsUsed, F_Bill51K,
        // CPP form (1 Schedule 8, 2 RC381), disability credit, foreign tax credit totals,
        // pension split results, default answer of the dividend question
        F_CppFormSelector, F_Disabled, F_ForeignTaxAdjusted, F_FtcNonBusIncome, F_FtcNonBusTax,
        F_FtcBusIncome, F_FtcBusTax, F_FtcCreditTotal, F_SplitPensionTax, F_SplitPensionAmount,
        F_SplitPensionAdjust, F_DividendAnswer,
        // unused moving expenses carried from last year's T1-M
        F_LYMovingExpenses,
        // PPIP premiums on employment; dependant counts; income-source counters (rental,
        // business, professional, farming, commission, fishing); restricted farm loss answer;
        // status overwrite switch and discounter note; security option benefits; CPP months;
        // CPP retirement or disability pension received; no CPP/QPP on self-employment
        F_31205, F_InfirmDependants18, F_ChildrenUnder18, F_InfirmDependants,
        F_RentalSources, F_BusinessSources, F_ProfessionalSources, F_FarmingSources,
        F_CommissionSources, F_FishingSources, F_RestrictedFarmLoss, F_OverwriteStatus,
        F_DiscounterNote, F_SecurityOptions, F_CppMonths, F_CppPensionReceived, F_NoSelfEmployedCpp,
        F_NoCppBenefits,
        // gifts of capital property (T1170); mortgage foreclosures and conditional sales (Schedule 3)
        F_T1170Amount, F_MortgageForeclosure,
        // the T4 slips show Quebec employment income, QPP or QPIP amounts
        F_QuebecPlans,
        // capital gains inclusion rate (percent); pension plan contributions of the slips (RC269 aside)
        F_InclusionRate, F_RppFromSlips,
        // spousal RRSP/RRIF attribution (T2205); direct deposit (from T1DD); online mail consent (0/1);
        // electronic return; preparer data typed on this return (0: from the settings); the
        // spouse's amounts of the CWB adjusted net income and taxable income
        F_SpousalTransfer, F_DDBranch, F_DDInstitution, F_DDAccount, F_OnlineMail, F_ElectronicReturn,
        F_OwnPreparerData, F_SpouseRDSPIncome, F_SpouseUCCBRepayment, F_SpouseOtherDeductions,
        F_SpouseTaxableIncome,
        // stages 4 and 5: deferred security option benefits of the T1212, basic federal tax copies for the
        // minimum tax and the Quebec abatement, minimum tax over regular tax, AIP tax of the T1172, Yukon
        // First Nations tax and abatement, mailing address outside Canada
        F_T1212Deferred, F_BasicFedTaxCopy, F_AbatementBase, F_MinimumTaxExcess, F_T1172Tax, F_43200, F_44100,
        F_ForeignMailing,
        // support payments received (taxable amount)
        F_12800,
        // internal, set only on a scratch copy by the couple optimiser and the planner (never saved):
        // shared interest and taxable capital gain allocated to this person (added to lines 12100
        // and 12700), a planned income item (in total income) and deduction item (before net income)
        F_SharedInterest, F_SharedCapitalGain, F_PlanIncome, F_PlanDeduction,
        // ---- filing records
        // gross rental, business, professional, commission, farming and fishing income
        F_12599, F_13499, F_13699, F_13899, F_14099, F_14299,
        // election of the first CPP record pair (50329, 50330) when no CPP form is held;
        // tax shelter count and the T691, T5004 and T936 supporting amounts typed on the T1
        // when the form itself is not held; farming loss reported; no fee charged for the return
        F_CppElectionFirstPair, F_TaxShelterCount, F_67650, F_67820, F_67830, F_67840, F_67860,
        F_67910Part1, F_67910Part2, F_68080, F_68100, F_68110, F_68150, F_FarmingLossReported,
        F_NoFeeCharged, F_55320,
        // the special-record marker of the records built last (transient: building the
        // records never changes the return)
        F_SpecialRecordMarker,
        // ---- identity and residence of the filing document
        // choices are 0 yes, 1 no unless noted
        F_PriorFiler, F_NetfileAccessCode, F_YukonFirstNation, F_YukonSettlementNumber,
        F_FirstNationIdentification, F_SettlementLand, F_Tlicho, F_Deline, F_DelineFirstNation,
        F_LabradorInuit, F_CurrentProvince, F_DateOfMove, F_HomeAddressSame, F_ForeignCountry,
        F_ForeignState, F_Citizenship, F_SurnameChange, F_TaxBeneficiaryElection, F_52080,
        F_PostBankruptNetIncome, F_PostBankruptAdjNetIncome, F_ManitobaBankruptAmount,
        // ---- values of the checks
        F_MultiJurisdiction440, F_HBP12900, F_LLP12900, F_LYHBPMinimum, F_LYLLPMinimum,
        F_TaxExemptIndicator, F_TaxExemptIncome, F_FishingT4Indicator, F_T2121Count,
        F_ContributionIndicator,
        // PPIP premiums payable on employment and on self-employment income (Schedule 10)
        F_31210, F_31215,
        // capital gains deduction for a qualifying business transfer (T2048)
        F_25395,
        // number of children claimed at line 30500
        F_Children30500,
        // ---- the checks between spouses and the confirmations before filing
        // adoption expenses of field 31300 by child (children 1 to 6); question 4 on page 1
        // answered Yes (name, address, phone or direct deposit changed); UCCB designated to a
        // dependant; limited partnership loss carried forward (supporting field 5354); farming
        // income before the restricted-farm-loss limit (negative: a loss)
        F_31300Child1, F_31300Child2, F_31300Child3, F_31300Child4, F_31300Child5, F_31300Child6,
        F_InfoChanged, F_UCCBDesignated, F_5354, F_FarmingLoss,
        // carrying charges and interest expenses typed by the preparer (line 22100 adds them
        // to those of the T5013 slips)
        F_CarryingCharges,
        // eligible educator school supplies (line 46800; the credit at 46900)
        F_46800,
        // RRSP annuity payments that are eligible pension income (line 31400) at 65 or older
        F_AnnuityPensionIncome,
        // union and professional dues paid by receipt (line 21200 adds those of the T4 slips)
        F_DuesPaid,
        // net capital losses of other years the preparer claims (line 25300 holds what the year
        // allows), and whether a line 25300 typed before this field existed was taken into it
        F_NetCapitalLossClaim, F_NetCapitalLossClaimTaken,
        F_Count
    };
    // Columns of the per-dependant medical table (12 rows).
    enum MedicalColumn { M_Expenses, M_Reimbursed, M_Other1, M_Other2, M_Allowable, M_ColumnCount };
    static constexpr int kMedicalRows = 12;

    TaxData_T1New();

    // The 2024 federal brackets.
    static const STRUCT_TAX_STAIRS_JURISDICTION m_taxStairs;

    void Calculate01() override;
    void carryForward(bool keepData) override;
    // The records of the lines, then the foreign property answer of line 26600.
    int ConvertToNetfile(int mode, NetfileGenObjParamStru &context) override;

    // Identity as stored.
    QString firstName() const { return text(F_FirstName); }
    void setFirstName(const QString &v) { setText(F_FirstName, v); }
    QString lastName() const { return text(F_LastName); }
    void setLastName(const QString &v) { setText(F_LastName, v); }
    QString sin() const { return text(F_SIN); }
    void setSin(const QString &v) { setText(F_SIN, v); }
    QDate dateOfBirth() const { return date(F_DateOfBirth); }
    void setDateOfBirth(const QDate &d) { setDate(F_DateOfBirth, d); }
    // 0 married, 1 common-law, 2 widowed, 3 divorced, 4 separated, 5 single.
    int maritalStatus() const { return intValue(F_MaritalStatus); }
    void setMaritalStatus(int v) { setIntValue(F_MaritalStatus, v); }
    QString spouseSin() const { return text(F_SpouseSIN); }
    void setSpouseSin(const QString &v) { setText(F_SpouseSIN, v); }
    QString spouseFirstName() const { return text(F_SpouseFirstName); }
    void setSpouseFirstName(const QString &v) { setText(F_SpouseFirstName, v); }
    QString spouseLastName() const { return text(F_SpouseLastName); }
    void setSpouseLastName(const QString &v) { setText(F_SpouseLastName, v); }
    QDate spouseDateOfBirth() const { return date(F_SpouseDateOfBirth); }
    void setSpouseDateOfBirth(const QDate &d) { setDate(F_SpouseDateOfBirth, d); }
    int provinceOfResidence() const { return intValue(F_ProvinceOfResidence); }
    void setProvinceOfResidence(int p) { setIntValue(F_ProvinceOfResidence, p); }
    QString provinceName() const { return text(F_ProvinceName); }
    void setProvinceName(const QString &v) { setText(F_ProvinceName, v); }
    QString emailAddress() const { return text(F_Email); }
    void setEmailAddress(const QString &v) { setText(F_Email, v); }

    // Filing.
    bool isReFile() const { return flag(F_ReFile); }
    void setReFile(bool on) { setFlag(F_ReFile, on); }
    bool isMultipleYearFiling() const { return flag(F_MultipleYearFiling); }
    void setMultipleYearFiling(bool on) { setFlag(F_MultipleYearFiling, on); }
    // 0 not filed, 1 filed, 2 amended return in preparation, 3 amended return filed.
    int filingStatus() const { return intValue(F_FilingStatus); }
    void setFilingStatus(int s) { setIntValue(F_FilingStatus, s); }
    // Filed and accepted by the CRA, as an original or as a ReFile.
    bool acceptedByCra() const { return filingStatus() == 1 || filingStatus() == 3; }
    QString filingTime() const { return text(F_FilingTime); }
    void setFilingTime(const QString &v) { setText(F_FilingTime, v); }
    QString confirmationNumber() const { return text(F_ConfirmationNumber); }
    void setConfirmationNumber(const QString &v) { setText(F_ConfirmationNumber, v); }

    // Main amounts.
    double totalIncome() const { return amount(F_15000); }
    double netIncome() const { return amount(F_23600); }
    double taxableIncome() const { return amount(F_26000); }
    double refund() const { return amount(F_48400); }
    double balanceDue() const { return amount(F_48500); }
    // Positive owing, negative refund.
    double netBalance() const { return amount(F_NetBalance); }
    double instalmentsPaid() const { return amount(F_47600); }
    void setInstalmentsPaid(double v) { setAmount(F_47600, v); }
    double caregiverChildAmount() const { return amount(F_30500); }
    double spouseAmountClaim() const { return amount(F_30300); }
    double lastYearMovingExpenses() const { return amount(F_LYMovingExpenses); }
    void setLastYearMovingExpenses(double v) { setAmount(F_LYMovingExpenses, v); }
    // Which CPP form the return takes: Schedule 8 (form 150), RC381 (form 148) or neither.
    enum CppForm { NoCppForm = 0, Schedule8Form = 1, Rc381Form = 2 };
    int cppFormSelector() const { return intValue(F_CppFormSelector); }
    void setCppFormSelector(int v) { setIntValue(F_CppFormSelector, v); }
    bool isDisabled() const { return flag(F_Disabled); }
    QDate sch5Date() const { return date(F_Sch5Date); }
    void setSch5Date(const QDate &d) { setDate(F_Sch5Date, d); }
    void setSpouseAmountClaim(double v) { setAmount(F_30300, v); }

    // Per-dependant medical table: kMedicalRows rows of M_ColumnCount amounts.
    double medicalAmount(int dependant, int column) const;
    void setMedicalAmount(int dependant, int column, double v);

    // Person queries.
    int GetAge() const;                   // age at the end of 2024; 0 without a date of birth
    bool IsAgeNotUnder65() const;
    bool IsAgeUnder18() const;
    bool HasSpouse() const;               // married or common-law
    bool CanClaimSpouse() const;
    bool canClaimSch2() const;
    bool canClaimT1032() const;
    bool canNotOverwriteSpouseAgeAmount() const;
    bool IsSpouseAgeNotUnder65() const;
    bool IsSpouseAgeNotUnder18() const;
    bool HasMaritalChange() const;
    // Widowed, with the box of a marital status changed in the tax year ticked.
    bool IsWidowedInTaxYear() const;
    bool IsDeceased() const;
    bool KnowDeceasedDate() const;
    bool IsDeceasedForEfileReporting() const;
    bool IsImmigrant() const;
    bool IsEmmigrant() const;
    bool shouldProrateAsImmigrant() const;
    bool IsBankrupt() const;
    bool IsPostBankrupt() const;
    int GetBankruptDaysInTaxYear() const;
    bool HasSelfEmploymentIncome() const;
    // Net or gross self-employment income of any kind entered.
    bool HasSelfEmploymentIncome2() const;
    // The spouse's age at the end of 2024; 0 without a date of birth.
    int GetSpouseAge() const;
    // Net income for the credits: the post-bankruptcy net income on a post-bankruptcy
    // return, else line 23600.
    double getNetIncForCredit() const;
    // Months of the year the return covers, counted as GetBankruptDaysInTaxYear counts days
    // (a month begun counts); 12 without a bankruptcy in the year.
    int GetBankruptMonthsInTaxYear() const;
    int specialRecordMarker() const { return intValue(F_SpecialRecordMarker); }
    void setSpecialRecordMarker(int v) { setIntValue(F_SpecialRecordMarker, v); }
    bool IsNonRefTaxCreditAllUsed() const;
    bool isEligibleForCAI() const;
    bool isProvEligibleForCAI() const;
    bool isDonorInfoNeeded() const;
    bool isClaimAllowed(int province, int code) const;
    bool isCPT30AnswerNeeded(int province) const;
    bool isField372Allowed(int province) const;
    bool isField374Allowed(int province) const;
    double getSpouseNetIncForSpouseCredit(bool forSpouseAmount) const;
    double getBill51AmountK() const;
    void getSelfEmploymentIncomeForCPP(double &cppEarnings, double &qppEarnings) const;
    void GetIncomeThresholds(QList<double> &amounts) const;
    CString ConstructFullName() const;
    // kind 0: one line; 10: street part for filing; 11: street and unit for business forms.
    void GetFullAddressWithoutPostcode(int kind, CString &out) const;
    // Copies the mailing address of other into this T1; false when nothing changed.
    bool SyncWithSpouseMailingAddr(const TaxData_T1New &other);
    void clearSpouseInfo();

    // Calculation steps, called in the order of the calculation stages: total,
    // net and taxable income, the credits of Schedule 1, federal tax on the 2024
    // brackets, the Quebec abatement, total payable and the refund or balance.
    void CalculateTotalIncome(bool final);
    void CalculateLine213ByWorkSheet();
    void CalculateNetIncomeBeforeF21700();
    void CalculateNetIncomeBeforeCCT();
    void CalculateNetIncomeBeforeF23500();
    void CalculateNetIncomeAfterCCT(bool final);
    void CalculateTaxableIncome(bool final);
    void CalculateNetCapitalLosses();
    double CalculateAgeAmount(bool eligible, double netIncome, int days, int daysInYear,
                              double maxAmount, double threshold, double rate) const;
    void CalculateLine314ByWorkSheet();
    void limitTypedAmounts();
    // The part of the year a newcomer or emigrant was resident (1 for everyone else).
    double residenceShare() const;
    void CalculateField338AndField410_414();
    void CalculateField350();
    void CalculateFedTax1stStep();
    void CalculateField404();
    void CalculateField406();
    void CalculateField417(bool minimumTax);
    void CalculateField429AndNonResiSurTax();
    void CalculateFedTax();
    void CalculateBeforeLine437(bool final);
    void CalculateBalance(bool final);

    // EI benefits subject to repayment: box 15 of the T4E slips whose box 7 rate
    // is not 0 %. The stages set it before line 23500 is worked.
    void setEiRepaymentBase(double amount) { m_eiRepaymentBase = amount; }
    double eiRepaymentBase() const { return m_eiRepaymentBase; }

private:
    double m_eiRepaymentBase = 0.0;
};
