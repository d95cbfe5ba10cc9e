#include "taxdata_provtax428.h"
#include "taxrates2024.h"

#include <algorithm>

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"TaxableIncome", FieldKind::Amount, 26000},
        {"TaxOnIncome", FieldKind::Amount},
        {"BasicPersonal", FieldKind::Amount, 58040},
        {"Age", FieldKind::Amount, 58080},
        {"Spouse", FieldKind::Amount, 58120},
        {"EligibleDependant", FieldKind::Amount, 58160},
        {"Caregiver", FieldKind::Amount, 58185},
        {"CPP", FieldKind::Amount, 58240},
        {"CPPSelf", FieldKind::Amount, 58280},
        {"EI", FieldKind::Amount, 58300},
        {"EISelf", FieldKind::Amount, 58305},
        {"Pension", FieldKind::Amount, 58360},
        {"Disability", FieldKind::Amount, 58440},
        {"DisabilityTransferred", FieldKind::Amount, 58480},
        {"Tuition", FieldKind::Amount, 58560},
        {"SpouseTransfer", FieldKind::Amount, 58640},
        {"Medical", FieldKind::Amount, 58689},
        {"MedicalOther", FieldKind::Amount, 58729},
        {"TotalAmounts", FieldKind::Amount, 58800},
        {"NonRefundableCredits", FieldKind::Amount, 58840},
        {"Donations", FieldKind::Amount, 58969},
        {"DividendCredit", FieldKind::Amount, 61520},
        {"ForeignCredit", FieldKind::Amount, 61800},
        {"ProvincialTax", FieldKind::Amount, 42800},
        {"NetIncome", FieldKind::Amount, 23600},
        {"Age65", FieldKind::Flag},
        {"HasSpouse", FieldKind::Flag},
        {"SpouseNetIncome", FieldKind::Amount},
        {"SpouseAge65", FieldKind::Flag},
        {"ClaimsSpouse", FieldKind::Flag},
        {"ClaimsEligibleDependant", FieldKind::Flag},
        {"DependantNetIncome", FieldKind::Amount},
        {"Dependants", FieldKind::Int},
        {"FamilyClaimant", FieldKind::Flag, 0, 1},
        {"DisabilityClaims", FieldKind::Int},
        {"EligiblePension", FieldKind::Amount},
        {"EmploymentIncome", FieldKind::Amount},
        {"EligibleDividends", FieldKind::Amount},
        {"OtherDividends", FieldKind::Amount},
        {"DonationsAllowed", FieldKind::Amount},
        {"EmploymentAmount", FieldKind::Amount, 58310},
        {"ChildAmount", FieldKind::Amount, 58210},
        {"TotalCredits", FieldKind::Amount, 61500},
        {"TaxAfterCredits", FieldKind::Amount},
        {"Surtax", FieldKind::Amount},
        {"LowIncomeReduction", FieldKind::Amount},
        {"LowIncomeCredit", FieldKind::Amount},
        {"HealthPremium", FieldKind::Amount},
        {"StudentLoanInterest", FieldKind::Amount, 58520},
        {"ResidenceShare", FieldKind::Amount, 0, 1.0},
        {"FederalMinimumTax", FieldKind::Amount},
        {"FederalMinimumTaxCarryover", FieldKind::Amount},
        {"MinimumTaxCarryover", FieldKind::Amount},
        {"AdditionalMinimumTax", FieldKind::Amount},
        {"CaregiverBC", FieldKind::Amount, 58175},
        {"CaregiverAmount", FieldKind::Amount, 58400},
        {"InfirmDependants", FieldKind::Amount, 58200},
        {"YukonCaregiverSpouse", FieldKind::Amount, 58170},
        {"YukonInfirmDependants", FieldKind::Amount, 58180},
        {"YukonInfirmChildren", FieldKind::Amount, 58189},
        {"VolunteerFirefighters", FieldKind::Amount, 58315},
        {"SearchAndRescue", FieldKind::Amount, 58316},
        {"FirstResponders", FieldKind::Amount, 58317},
        {"YoungChildren", FieldKind::Amount, 58230},
        {"YoungChildrenCount", FieldKind::Int},
        {"ChildCare", FieldKind::Amount, 58320},
        {"Fitness", FieldKind::Amount, 58325},
        {"ChildrenArts", FieldKind::Amount, 58326},
        {"Adoption", FieldKind::Amount, 58330},
        {"HomeBuyers", FieldKind::Amount, 58357},
        {"SeniorSupplement", FieldKind::Amount, 58220},
        {"ChildrenCount", FieldKind::Int, 58209},
        {"Wellness", FieldKind::Amount, 58365},
        {"TeacherSupplies", FieldKind::Amount, 58500},
        {"TuitionFromChild", FieldKind::Amount, 58600},
        {"SplitIncomeTax", FieldKind::Amount, 61510},
        {"SpouseLowIncomeReduction", FieldKind::Amount},
        {"LowIncomeUnused", FieldKind::Amount},
        {"FoodDonationCreditBC", FieldKind::Amount, 58980},
        {"FoodDonationCredit", FieldKind::Amount, 62150},
        {"PoliticalCredit", FieldKind::Amount, 61550},
        {"VolunteerCredit", FieldKind::Amount},
        {"FitnessFees", FieldKind::Amount},
        {"ArtsFees", FieldKind::Amount},
        {"WellnessFees", FieldKind::Amount},
        {"TeacherSupplyExpenses", FieldKind::Amount},
        {"FarmerFoodGifts", FieldKind::Amount},
        {"PoliticalContributions", FieldKind::Amount},
        {"FirstResponderVolunteer", FieldKind::Flag},
        {"DependantsLivedWithYou", FieldKind::Flag},
        {"SpouseUnusedReduction", FieldKind::Amount},
        {"SplitIncome", FieldKind::Amount},
        {"FederalSpouseAmount", FieldKind::Amount},
        {"SpouseDisabled", FieldKind::Flag},
        {"FirefighterClaimed", FieldKind::Flag},
        {"ImpairedDependants", FieldKind::Int},
        {"AdoptionClaimed", FieldKind::Amount}
    };
    return table;
}

using F = TaxData_ProvTax428;
// Credit lines that other forms, the dependants or the typed amounts fill, in the order of the form.
constexpr int kEnteredBeforeTuition[] = {
    F::F_CaregiverBC, F::F_Caregiver, F::F_InfirmDependants, F::F_YukonCaregiverSpouse, F::F_YukonInfirmDependants,
    F::F_YukonInfirmChildren, F::F_YoungChildren, F::F_VolunteerFirefighters, F::F_SearchAndRescue,
    F::F_FirstResponders, F::F_ChildCare, F::F_Fitness, F::F_ChildrenArts, F::F_Adoption, F::F_HomeBuyers,
    F::F_Wellness, F::F_CaregiverAmount, F::F_Disability, F::F_DisabilityTransferred, F::F_TeacherSupplies,
    F::F_StudentLoanInterest};
constexpr int kEnteredFromTuition[] = {F::F_Tuition, F::F_SpouseTransfer, F::F_Medical, F::F_MedicalOther};
// The lines the form works itself before tuition.
constexpr int kWorkedBeforeTuition[] = {F::F_BasicPersonal, F::F_Age, F::F_SeniorSupplement, F::F_Spouse,
                                        F::F_EligibleDependant, F::F_CPP, F::F_CPPSelf, F::F_EI, F::F_EISelf,
                                        F::F_EmploymentAmount, F::F_ChildAmount, F::F_Pension};

template <size_t N> double sumOf(const CTaxData_Form &form, const int (&fields)[N])
{
    double total = 0.0;
    for (int f : fields)
        total += form.amount(f);
    return total;
}

} // namespace

TaxData_ProvTax428::TaxData_ProvTax428(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

double TaxData_ProvTax428::amountsBeforeTuition() const
{
    return tax2024::cents(sumOf(*this, kWorkedBeforeTuition) + sumOf(*this, kEnteredBeforeTuition));
}

tax2024::ProvincialInput TaxData_ProvTax428::provincialInput() const
{
    using namespace tax2024;
    ProvincialInput in;
    in.province = static_cast<Province>(getMainTaxProvince());
    in.taxableIncome = amount(F_TaxableIncome);
    in.netIncome = amount(F_NetIncome);
    in.hasSpouse = flag(F_HasSpouse);
    in.spouseNetIncome = amount(F_SpouseNetIncome);
    in.age65OrOlder = flag(F_Age65);
    in.spouseAge65OrOlder = flag(F_SpouseAge65);
    in.disabilityClaims = intValue(F_DisabilityClaims);
    in.claimsSpouseOrEligibleDependant = flag(F_ClaimsSpouse) || flag(F_ClaimsEligibleDependant);
    in.claimsSpouseAmount = flag(F_ClaimsSpouse);
    in.spouseDisabled = flag(F_SpouseDisabled);
    in.dependantNetIncome = amount(F_DependantNetIncome);
    in.federalSpouseAmount = amount(F_FederalSpouseAmount);
    in.dependants = intValue(F_Dependants) + intValue(F_ImpairedDependants);
    in.familyReductionClaimant = flag(F_FamilyClaimant);
    in.eligiblePensionIncome = amount(F_EligiblePension);
    in.employmentIncome = amount(F_EmploymentIncome);
    in.cppEiAmounts = cents(amount(F_CPP) + amount(F_CPPSelf) + amount(F_EI) + amount(F_EISelf));
    double other = sumOf(*this, kEnteredBeforeTuition) + sumOf(*this, kEnteredFromTuition);
    if (hasTuitionFromChild(in.province))
        other += amount(F_TuitionFromChild);
    in.otherCreditAmounts = cents(other);
    in.donations = amount(F_DonationsAllowed);
    in.eligibleDividendsGrossedUp = amount(F_EligibleDividends);
    in.otherDividendsGrossedUp = amount(F_OtherDividends);
    in.residenceShare = amount(F_ResidenceShare) > 0.0 ? amount(F_ResidenceShare) : 1.0;
    in.federalMinimumTaxExcess = amount(F_FederalMinimumTax);
    in.federalMinimumTaxCarryover = amount(F_FederalMinimumTaxCarryover);
    in.splitIncome = amount(F_SplitIncome);
    in.spouseUnusedReduction = amount(F_SpouseUnusedReduction);
    return in;
}

void TaxData_ProvTax428::calculateCreditAmounts()
{
    setWorkedAmounts(tax2024::provincialCreditAmounts(provincialInput()));
}

void TaxData_ProvTax428::setWorkedAmounts(const tax2024::ProvincialResult &r)
{
    setAmount(F_TaxOnIncome, r.taxOnIncome);
    setAmount(F_BasicPersonal, r.basicPersonalAmount);
    setAmount(F_Age, r.ageAmount);
    setAmount(F_SeniorSupplement, r.seniorSupplement);
    setAmount(F_Spouse, flag(F_ClaimsSpouse) ? r.spouseAmount : 0.0);
    setAmount(F_EligibleDependant, flag(F_ClaimsSpouse) ? 0.0 : r.spouseAmount);
    setAmount(F_Pension, r.pensionAmount);
    setAmount(F_EmploymentAmount, r.employmentAmount);
    setAmount(F_ChildAmount, r.childAmount);
}

void TaxData_ProvTax428::Calculate01()
{
    using namespace tax2024;
    const ProvincialResult r = provincialTax(provincialInput());
    setWorkedAmounts(r);
    setAmount(F_TotalAmounts, r.creditAmounts);
    setAmount(F_NonRefundableCredits, r.creditsAtLowestRate);
    setAmount(F_Donations, r.donationCredit);
    setAmount(F_TotalCredits, r.nonRefundableCredits);
    setAmount(F_SplitIncomeTax, r.splitIncomeTax);
    setAmount(F_DividendCredit, r.dividendCredit);
    setAmount(F_TaxAfterCredits, r.taxAfterCredits);
    setAmount(F_Surtax, r.surtax);
    setAmount(F_MinimumTaxCarryover, r.minimumTaxCarryover);
    setAmount(F_AdditionalMinimumTax, r.additionalMinimumTax);
    setAmount(F_LowIncomeReduction, r.lowIncomeReduction);
    setAmount(F_LowIncomeUnused, r.lowIncomeUnused);
    setAmount(F_SpouseLowIncomeReduction, r.spouseLowIncomeReduction);
    setAmount(F_LowIncomeCredit, r.lowIncomeCredit);
    setAmount(F_HealthPremium, r.healthPremium);
    // the foreign tax credit, then the other credits, come off the tax before the health premium
    double tax = cents(r.netTax - r.healthPremium);
    tax = cents(tax - std::min(std::max(0.0, amount(F_ForeignCredit)), tax));
    tax = otherCredits(tax);
    setAmount(F_ProvincialTax, cents(tax + r.healthPremium));
}

// Part C credits after the foreign tax credit, each up to the tax left.
double TaxData_ProvTax428::otherCredits(double tax)
{
    using namespace tax2024;
    const double gifts = amount(F_FarmerFoodGifts), contributions = amount(F_PoliticalContributions);
    const bool firefighter = flag(F_FirefighterClaimed);
    for (int f : {F_FoodDonationCreditBC, F_FoodDonationCredit, F_PoliticalCredit, F_VolunteerCredit})
        setAmount(f, 0.0);
    if (!isAmountEntered(gifts) && !isAmountEntered(contributions) && !firefighter)
        return tax;
    const auto province = static_cast<Province>(getMainTaxProvince());
    auto claim = [&tax](double credit) {
        const double used = std::min(tax, std::max(0.0, credit));
        tax = cents(tax - used);
        return used;
    };
    const double food = farmersFoodDonationCredit(province, gifts);
    setAmount(province == Province::BC ? F_FoodDonationCreditBC : F_FoodDonationCredit, claim(food));
    setAmount(F_PoliticalCredit, claim(provincialPoliticalContributionCredit(province, contributions)));
    setAmount(F_VolunteerCredit, claim(firefighter ? territorialVolunteerFirefighterCredit(province) : 0.0));
    return tax;
}
