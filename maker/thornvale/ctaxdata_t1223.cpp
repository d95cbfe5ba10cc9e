#include "ctaxdata_t1223.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"Year", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"Remuneration", FieldKind::Amount},
        {"RentPaid", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 23100}
    };
    return table;
}

} // namespace

CTaxData_T1223::CTaxData_T1223() : CTaxData_Form(formFields(), KindForm, 103)
{
}

void CTaxData_T1223::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    setAmount(F_Deduction, qMax(0.0, qMin(amount(F_RentPaid), amount(F_Remuneration))));
}
