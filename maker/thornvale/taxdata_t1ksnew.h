#pragma once
#include "ctaxdata_form.h"

// T1 summary: the return's main amounts as last calculated.
class TaxData_T1KSNew : public CTaxData_Form
{
public:
    enum Field {
        F_Province, F_FirstName, F_LastName, F_FullName, F_Address, F_SIN, F_DateOfBirth,
        F_MaritalStatus, F_SpouseSIN, F_SpouseFirstName, F_SpouseLastName, F_SpouseDateOfBirth,
        F_EFileNumber, F_Confirmation, F_TaxYear, F_TotalIncome, F_NetIncome, F_TaxableIncome,
        F_NonRefundable, F_NetFederalTax, F_ProvincialTax, F_TotalPayable, F_TotalCredits,
        F_Refund, F_BalanceOwing, F_CAIFlag, F_CAIEstimate, F_GSTCreditEstimate, F_CCBEstimate,
        // the four 2025 instalment amounts
        F_Instalment1, F_Instalment2, F_Instalment3, F_Instalment4,
        // results and estimates: the GST/HST credit flag (withholds a single person's estimate;
        // of a couple, turns round which spouse applies), the flag that withholds the child
        // benefit estimate, the file password typed on this page, refund-or-nil (1 nothing
        // owing), average tax rate (%), next year's RRSP limit, loss carried back or forward,
        // moving expenses left for next year
        F_GSTCreditFlag, F_CCBFlag, F_Password, F_RefundOrNil, F_AverageTaxRate, F_RRSPLimitNext,
        F_LossCarried, F_MovingCarryForward,
        // the year's schedules as last calculated (F_Sch2SpouseAgeAmount to F_T1DDAccount)
        F_Sch2SpouseAgeAmount, F_Sch2Pension, F_Sch2Disability, F_Sch2Tuition, F_Sch2SpouseNetIncome,
        F_Sch2Result,
        F_Sch3SmallBusiness, F_Sch3FarmFish, F_Sch3MutualFunds, F_Sch3RealEstate, F_Sch3Bonds,
        F_Sch3OtherMortgage, F_Sch3PersonalUse, F_Sch3ListedPersonal, F_Sch3T3T5Gains, F_Sch3T5013Gains,
        F_Sch3T2017Reserves, F_Sch3T1170Gains, F_Sch3Total, F_Sch3GainsReduction, F_Sch3TaxableGain,
        F_Sch3MortgageForeclosure, F_Sch3CapitalLoss, F_Sch3GiftGains, F_Sch3Proceeds, F_Sch3Cost,
        F_Sch3Outlays, F_Sch3GainOrLoss,
        F_Sch7Unused, F_Sch7Limit, F_Sch7First60, F_Sch7RestOfYear, F_Sch7Total, F_Sch7HBP, F_Sch7LLP,
        F_Sch7Deduction, F_Sch7CarryForward,
        F_Sch11Available, F_Sch11Claimed, F_Sch11CarryForward,
        F_T1AFullName, F_T1AAddress, F_T1ASIN, F_T1AFirstName, F_T1ALastName, F_T1ANonCapitalLoss,
        F_T1ANetCapitalLoss, F_T1ACarryBack2021, F_T1ACarryBack2022, F_T1ACarryBack2023,
        F_T1ACarryForward, F_T1AIncome, F_T1ALoss, F_T1ADate,
        F_T1DDTransit, F_T1DDAccount,
        // pension split and the non-capital and capital loss lines of the T1 as last
        // calculated (11600, 21000, 25200, 25300), compared by the Re-File change rule
        F_Line11600, F_Line21000, F_Line25200, F_Line25300,
        // the province's benefit estimate from the return (its plug-in fills it; nil where
        // the province has none)
        F_ProvincialBenefitEstimate,
        F_Count
    };

    TaxData_T1KSNew();
    // Copies every field of another summary (the Re-File and prior-year copies).
    TaxData_T1KSNew &operator=(const TaxData_T1KSNew &other)
    {
        copyAll(other);
        return *this;
    }

    void Calculate01() override;
    // Clears everything taken from the T1.
    void resetT1Part();

    // The password field is given the person's password once after the summary is made
    // or read, before the page's text is taken as the password (memory only, not copied).
    bool isPasswordSeeded() const { return m_passwordSeeded; }
    void setPasswordSeeded(bool on) { m_passwordSeeded = on; }

private:
    bool m_passwordSeeded = false;
};
