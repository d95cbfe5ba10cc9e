#include "taxdata_rc268new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Contributions", FieldKind::Amount},
        {"RRSPRoom", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 20700}
    };
    return table;
}

} // namespace

TaxData_RC268New::TaxData_RC268New() : CTaxData_Form(formFields(), KindForm, 137)
{
}

void TaxData_RC268New::Calculate01()
{
    setAmount(F_Deduction, qMin(amount(F_Contributions), amount(F_RRSPRoom)));
}
