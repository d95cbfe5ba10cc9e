#include "taxdata_tl2_new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SIN", FieldKind::Text},
        {"EmployerName", FieldKind::Text},
        {"Trips", FieldKind::Int},
        {"Meals", FieldKind::Amount},
        {"Lodging", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 22900}
    };
    return table;
}

} // namespace

TaxData_TL2_New::TaxData_TL2_New() : CTaxData_Form(formFields(), KindForm, 92)
{
}

void TaxData_TL2_New::Calculate01()
{
    setAmount(F_Deduction, amount(F_Meals) + amount(F_Lodging));
}
