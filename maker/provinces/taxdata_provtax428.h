#pragma once
#include "ctaxdata_form.h"

// Provincial or territorial tax (form 428) of any province.
// Rates and amounts come from the province's own 2024 tables; the class holds
// the lines and the facts of the person that the lines are worked from.
class TaxData_ProvTax428 final : public CTaxData_Form
{
public:
    enum Field {
        F_TaxableIncome, F_TaxOnIncome, F_BasicPersonal, F_Age, F_Spouse, F_EligibleDependant,
        F_Caregiver, F_CPP, F_CPPSelf, F_EI, F_EISelf, F_Pension, F_Disability,
        F_DisabilityTransferred, F_Tuition, F_SpouseTransfer, F_Medical, F_MedicalOther,
        F_TotalAmounts, F_NonRefundableCredits, F_Donations, F_DividendCredit, F_ForeignCredit,
        F_ProvincialTax,
        // the person's facts, filled from the T1 before the form calculates
        F_NetIncome, F_Age65, F_HasSpouse, F_SpouseNetIncome, F_SpouseAge65, F_ClaimsSpouse,
        F_ClaimsEligibleDependant, F_DependantNetIncome, F_Dependants, F_FamilyClaimant,
        F_DisabilityClaims, F_EligiblePension, F_EmploymentIncome, F_EligibleDividends,
        F_OtherDividends, F_DonationsAllowed,
        // further lines of the form
        F_EmploymentAmount, F_ChildAmount, F_TotalCredits, F_TaxAfterCredits, F_Surtax,
        F_LowIncomeReduction, F_LowIncomeCredit, F_HealthPremium,
        // interest paid on student loans (line 58520, from the T1's line 31900)
        F_StudentLoanInterest,
        // the part of the year a newcomer or emigrant was resident (1 for everyone else)
        F_ResidenceShare,
        // minimum tax: the federal excess of the T691 and line 40427 (facts), the province's
        // share of the carryover applied and its additional tax for minimum tax purposes
        F_FederalMinimumTax, F_FederalMinimumTaxCarryover, F_MinimumTaxCarryover, F_AdditionalMinimumTax,
        F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvTax428(int province, int formType);

    // Works every line from the facts and the amounts of the credit lines that
    // come from other forms (CPP/EI, disability, tuition, transfers, medical,
    // caregiver); the provincial foreign tax credit is taken as entered.
    void Calculate01() override;

    // Credit amounts before tuition (lines 58040 to 58520), for the tuition schedule.
    double amountsBeforeTuition() const;
};
