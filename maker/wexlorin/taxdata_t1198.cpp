#include "taxdata_t1198.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Name", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Payment", FieldKind::Amount},
        {"Notional", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1198::TaxData_T1198() : CTaxData_Form(formFields(), KindForm, 213)
{
}

void TaxData_T1198::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    setAmount(F_Notional, 0.0);
}
