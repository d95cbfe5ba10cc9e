#include "taxdata_sch15.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Age", FieldKind::Int},
        {"Contributions", FieldKind::Amount},
        {"Transfers", FieldKind::Amount},
        {"ParticipationRoom", FieldKind::Amount, 0, 8000},
        {"CarryForward", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 20805},
        {"FirstFhsa68930", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_Sch15::TaxData_Sch15() : CTaxData_Form(formFields(), KindForm, 205)
{
}

void TaxData_Sch15::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    // 2024 annual limit 8000, lifetime 40000, with up to 8000 carried forward.
    const double room = amount(F_ParticipationRoom) + amount(F_CarryForward);
    setAmount(F_Deduction, qMax(0.0, qMin(amount(F_Contributions), room)));
}
