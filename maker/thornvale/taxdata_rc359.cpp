#include "taxdata_rc359.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ExcessAmount", FieldKind::Amount},
        {"Tax", FieldKind::Amount, 41800}
    };
    return table;
}

} // namespace

TaxData_RC359::TaxData_RC359() : CTaxData_Form(formFields(), KindForm, 145)
{
}

void TaxData_RC359::Calculate01()
{
    setAmount(F_Tax, qMax(0.0, amount(F_ExcessAmount)) * 0.33);
}
