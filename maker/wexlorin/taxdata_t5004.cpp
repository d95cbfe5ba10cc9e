#include "taxdata_t5004.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ShelterId", FieldKind::Text},
        {"Loss", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 23200},
        {"SIN", FieldKind::Text},
        {"FullName", FieldKind::Text},
        {"Line6765", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T5004::TaxData_T5004() : CTaxData_Form(formFields(), KindForm, 55)
{
}

void TaxData_T5004::Calculate01()
{
    setAmount(F_Deduction, qMax(0.0, amount(F_Loss)));
}
