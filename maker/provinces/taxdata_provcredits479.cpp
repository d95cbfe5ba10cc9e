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
        {"CostOfLiving", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_ProvCredits479::TaxData_ProvCredits479(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

void TaxData_ProvCredits479::Calculate01()
{
    using namespace tax2024;
    const double costOfLiving =
        territorialCostOfLivingCredit(static_cast<Province>(getMainTaxProvince()), amount(F_AdjustedNetIncome));
    setAmount(F_CostOfLiving, costOfLiving);
    setAmount(F_Total, cents(costOfLiving + amount(F_SpouseCredit) + amount(F_FitnessAmount) + amount(F_ChildrenArts) +
                             amount(F_OtherCredits)));
}
