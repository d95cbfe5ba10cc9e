#include "taxdata_rc269.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Contributions", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 20700}
    };
    return table;
}

} // namespace

TaxData_RC269::TaxData_RC269() : CTaxData_Form(formFields(), KindForm, 138)
{
}

void TaxData_RC269::Calculate01()
{
    setAmount(F_Deduction, amount(F_Contributions));
}
