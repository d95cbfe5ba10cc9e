#include "ctaxdata_t1229.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 22400}
    };
    return table;
}

} // namespace

CTaxData_T1229::CTaxData_T1229() : CTaxData_Form(formFields(), KindForm, 107)
{
}

void CTaxData_T1229::Calculate01()
{
    setAmount(F_Deduction, amount(F_Expenses));
}
