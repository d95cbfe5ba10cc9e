#include "taxdata_rc267new.h"

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

TaxData_RC267New::TaxData_RC267New() : CTaxData_Form(formFields(), KindForm, 136)
{
}

void TaxData_RC267New::Calculate01()
{
    setAmount(F_Deduction, qMin(amount(F_Contributions), amount(F_RRSPRoom)));
}
