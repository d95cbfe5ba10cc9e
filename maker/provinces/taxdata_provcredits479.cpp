#include "taxdata_provcredits479.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"RentPaid", FieldKind::Amount, 6110},
        {"PropertyTax", FieldKind::Amount, 6112},
        {"Age", FieldKind::Int},
        {"SpouseCredit", FieldKind::Amount},
        {"FitnessAmount", FieldKind::Amount},
        {"ChildrenArts", FieldKind::Amount},
        {"OtherCredits", FieldKind::Amount},
        {"Total", FieldKind::Amount, 47900},
        {"AdjustedNetIncome", FieldKind::Amount},
        {"CostOfLiving", FieldKind::Amount},
        {"TransitCosts", FieldKind::Amount, 63100},
        {"TransitCredit", FieldKind::Amount},
        {"CareExpenses", FieldKind::Amount},
        {"CareCredit", FieldKind::Amount, 63095},
        {"FamilyNetIncome", FieldKind::Amount},
        {"VolunteerCredit", FieldKind::Amount, 62400}
    };
    return table;
}

// A fitness or arts amount typed on the 479 is a credit there only where the province's 428
// has no such line (Manitoba's fitness and arts, Yukon's arts are on the 428).
double typedAmount(const CTaxData_Form &form, tax2024::Province province, tax2024::TypedAmount line, int field)
{
    return tax2024::provincialTypedAmountLimit(province, line) ? 0.0 : form.amount(field);
}

} // namespace

TaxData_ProvCredits479::TaxData_ProvCredits479(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

void TaxData_ProvCredits479::Calculate01()
{
    using namespace tax2024;
    const auto province = static_cast<Province>(getMainTaxProvince());
    const double costOfLiving = territorialCostOfLivingCredit(province, amount(F_AdjustedNetIncome));
    setAmount(F_CostOfLiving, costOfLiving);
    const bool ontario = province == Province::ON;
    const int age = intValue(F_Age);
    setAmount(F_TransitCredit, ontario ? ontarioSeniorsTransitCredit(amount(F_TransitCosts), age) : 0.0);
    setAmount(F_CareCredit,
              ontario ? ontarioSeniorsCareAtHomeCredit(amount(F_CareExpenses), amount(F_FamilyNetIncome), age) : 0.0);
    const double typedAmounts = typedAmount(*this, province, TypedAmount::Fitness, F_FitnessAmount) +
                                typedAmount(*this, province, TypedAmount::Arts, F_ChildrenArts);
    setAmount(F_Total, cents(costOfLiving + amount(F_TransitCredit) + amount(F_CareCredit) + amount(F_SpouseCredit) +
                             typedAmounts + amount(F_OtherCredits) + amount(F_VolunteerCredit)));
}
