#include "taxdata_sch12_multighomereno.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 45355}
    };
    return table;
}

} // namespace

TaxData_Sch12_MultigHomeReno::TaxData_Sch12_MultigHomeReno() : CTaxData_Form(formFields(), KindForm, 133)
{
}

void TaxData_Sch12_MultigHomeReno::Calculate01()
{
    // 15% of at most 50000 of eligible expenses.
    setAmount(F_Credit, qMin(qMax(0.0, amount(F_Expenses)), 50000.0) * 0.15);
}
