#include "taxdata_t1044.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Organization", FieldKind::Text},
        {"Revenue", FieldKind::Amount},
        {"Expenses", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1044::TaxData_T1044() : CTaxData_Form(formFields(), KindForm, 186)
{
}

void TaxData_T1044::Calculate01()
{
}
