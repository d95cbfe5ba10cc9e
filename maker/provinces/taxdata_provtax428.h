#pragma once
#include "ctaxdata_form.h"
#include "provincial2024.h"

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
        // further credit lines: caregivers and infirm dependants (58175, 58400, 58200; Yukon's
        // copies of the federal 30425, 30450 and 30500), volunteers, children, adoption, home
        // buyers, Saskatchewan's senior supplement and child count, the amounts typed below,
        // tuition transferred from a child (typed)
        F_CaregiverBC, F_CaregiverAmount, F_InfirmDependants, F_YukonCaregiverSpouse, F_YukonInfirmDependants,
        F_YukonInfirmChildren, F_VolunteerFirefighters, F_SearchAndRescue, F_FirstResponders, F_YoungChildren,
        F_YoungChildrenCount, F_ChildCare, F_Fitness, F_ChildrenArts, F_Adoption, F_HomeBuyers,
        F_SeniorSupplement, F_ChildrenCount, F_Wellness, F_TeacherSupplies, F_TuitionFromChild,
        // Part C: tax on split income, the part of the spouse's low-income reduction claimed
        // and the part of this person's left unused (NB, NL, PE), farmers' food donations
        // (BC 58980, NS and ON 62150), political contributions (NB), the volunteer
        // firefighters' credit (NU)
        F_SplitIncomeTax, F_SpouseLowIncomeReduction, F_LowIncomeUnused, F_FoodDonationCreditBC,
        F_FoodDonationCredit, F_PoliticalCredit, F_VolunteerCredit,
        // amounts and answers the preparer types; the spouse's unused low-income reduction
        // (a couple's comes from the spouse's form)
        F_FitnessFees, F_ArtsFees, F_WellnessFees, F_TeacherSupplyExpenses, F_FarmerFoodGifts,
        F_PoliticalContributions, F_FirstResponderVolunteer, F_DependantsLivedWithYou,
        F_SpouseUnusedReduction,
        // facts: split income (T1206), the federal 30300 or 30400 amount, a disabled spouse,
        // a firefighter's federal claim (line 31220)
        F_SplitIncome, F_FederalSpouseAmount, F_SpouseDisabled, F_FirefighterClaimed,
        // fact: Ontario's dependants with an impairment (60970), beside the children of F_Dependants
        F_ImpairedDependants,
        // typed: line 58330 as the preparer works it, where the province's maximum per child
        // is not known to the program (NL) and allows more than the amount the line is held to
        F_AdoptionClaimed,
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
    // Only the tax on taxable income and the lines the form works before tuition.
    void calculateCreditAmounts();

private:
    void setWorkedAmounts(const tax2024::ProvincialResult &r);
    tax2024::ProvincialInput provincialInput() const;
    double otherCredits(double tax);
};
