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
        {"EmploymentAmount", FieldKind::Amount},
        {"ChildAmount", FieldKind::Amount},
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
        {"AdditionalMinimumTax", FieldKind::Amount}
    };
    return table;
}

// Credit lines that other forms fill, in the order of the form.
constexpr int kEnteredBeforeTuition[] = {
    TaxData_ProvTax428::F_Caregiver, TaxData_ProvTax428::F_Disability, TaxData_ProvTax428::F_DisabilityTransferred,
    TaxData_ProvTax428::F_StudentLoanInterest};
constexpr int kEnteredFromTuition[] = {
    TaxData_ProvTax428::F_Tuition, TaxData_ProvTax428::F_SpouseTransfer, TaxData_ProvTax428::F_Medical,
    TaxData_ProvTax428::F_MedicalOther};

} // namespace

TaxData_ProvTax428::TaxData_ProvTax428(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

double TaxData_ProvTax428::amountsBeforeTuition() const
{
    double total = 0.0;
    for (int f : {F_BasicPersonal, F_Age, F_Spouse, F_EligibleDependant, F_Caregiver, F_CPP, F_CPPSelf, F_EI,
                  F_EISelf, F_EmploymentAmount, F_ChildAmount, F_Pension, F_Disability, F_DisabilityTransferred,
                  F_StudentLoanInterest})
        total += amount(f);
    return tax2024::cents(total);
}

void TaxData_ProvTax428::Calculate01()
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
    in.disabled = amount(F_Disability) >= 0.01;
    in.claimsSpouseOrEligibleDependant = flag(F_ClaimsSpouse) || flag(F_ClaimsEligibleDependant);
    in.dependantNetIncome = amount(F_DependantNetIncome);
    in.dependants = intValue(F_Dependants);
    in.familyReductionClaimant = flag(F_FamilyClaimant);
    in.eligiblePensionIncome = amount(F_EligiblePension);
    in.employmentIncome = amount(F_EmploymentIncome);
    in.cppEiAmounts = cents(amount(F_CPP) + amount(F_CPPSelf) + amount(F_EI) + amount(F_EISelf));
    double other = 0.0;
    for (int f : kEnteredBeforeTuition)
        other += amount(f);
    for (int f : kEnteredFromTuition)
        other += amount(f);
    in.otherCreditAmounts = cents(other);
    in.donations = amount(F_DonationsAllowed);
    in.eligibleDividendsGrossedUp = amount(F_EligibleDividends);
    in.otherDividendsGrossedUp = amount(F_OtherDividends);
    in.residenceShare = amount(F_ResidenceShare) > 0.0 ? amount(F_ResidenceShare) : 1.0;
    in.federalMinimumTaxExcess = amount(F_FederalMinimumTax);
    in.federalMinimumTaxCarryover = amount(F_FederalMinimumTaxCarryover);

    const ProvincialResult r = provincialTax(in);
    setAmount(F_TaxOnIncome, r.taxOnIncome);
    setAmount(F_BasicPersonal, r.basicPersonalAmount);
    setAmount(F_Age, r.ageAmount);
    setAmount(F_Spouse, flag(F_ClaimsSpouse) ? r.spouseAmount : 0.0);
    setAmount(F_EligibleDependant, flag(F_ClaimsSpouse) ? 0.0 : r.spouseAmount);
    setAmount(F_Pension, r.pensionAmount);
    setAmount(F_EmploymentAmount, r.employmentAmount);
    setAmount(F_ChildAmount, r.childAmount);
    setAmount(F_TotalAmounts, r.creditAmounts);
    setAmount(F_NonRefundableCredits, r.creditsAtLowestRate);
    setAmount(F_Donations, r.donationCredit);
    setAmount(F_TotalCredits, r.nonRefundableCredits);
    setAmount(F_DividendCredit, r.dividendCredit);
    setAmount(F_TaxAfterCredits, r.taxAfterCredits);
    setAmount(F_Surtax, r.surtax);
    setAmount(F_MinimumTaxCarryover, r.minimumTaxCarryover);
    setAmount(F_AdditionalMinimumTax, r.additionalMinimumTax);
    setAmount(F_LowIncomeReduction, r.lowIncomeReduction);
    setAmount(F_LowIncomeCredit, r.lowIncomeCredit);
    setAmount(F_HealthPremium, r.healthPremium);
    // the foreign tax credit comes off the tax before the health premium
    const double beforePremium = cents(r.netTax - r.healthPremium);
    const double foreign = std::min(std::max(0.0, amount(F_ForeignCredit)), beforePremium);
    setAmount(F_ProvincialTax, cents(beforePremium - foreign + r.healthPremium));
}
