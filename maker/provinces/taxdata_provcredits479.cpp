#include "taxdata_provcredits479.h"

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
        {"Total", FieldKind::Amount, 47900}
    };
    return table;
}

} // namespace

TaxData_ProvCredits479::TaxData_ProvCredits479(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

// Holds no 2024 arithmetic yet: totals the credits entered.
void TaxData_ProvCredits479::Calculate01()
{
    setAmount(F_Total, amount(F_SpouseCredit) + amount(F_FitnessAmount) + amount(F_ChildrenArts) + amount(F_OtherCredits));
}
