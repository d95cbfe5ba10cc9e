#include "taxdata_t2039.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 47557}
    };
    return table;
}

} // namespace

TaxData_T2039::TaxData_T2039() : CTaxData_Form(formFields(), KindForm, 199)
{
}

void TaxData_T2039::Calculate01()
{
    setAmount(F_Credit, qMax(0.0, amount(F_Expenses)) * 0.25);
}
