#include "taxdata_sch8.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"PensionableEarnings", FieldKind::Amount, 50339},
        {"Contributions", FieldKind::Amount, 50340},
        {"SelfEmployedEarnings", FieldKind::Amount, 50373},
        {"Months", FieldKind::Int, 0, 12},
        {"Result", FieldKind::Amount, 22200}
    };
    return table;
}

} // namespace

TaxData_Sch8::TaxData_Sch8() : CTaxData_Form(formFields(), KindForm, 8)
{
}

void TaxData_Sch8::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    setAmount(F_Result, 0.0);
}
