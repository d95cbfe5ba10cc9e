#include "taxdata_sch12_2016.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"Amount", FieldKind::Amount, 31285}
    };
    return table;
}

} // namespace

TaxData_Sch12_2016::TaxData_Sch12_2016() : CTaxData_Form(formFields(), KindForm, 157)
{
}

void TaxData_Sch12_2016::Calculate01()
{
    setAmount(F_Amount, qMin(qMax(0.0, amount(F_Expenses)), 20000.0));
}
