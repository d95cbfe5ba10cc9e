#include "taxdata_t657new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"TaxableGains", FieldKind::Amount},
        {"PriorDeductions", FieldKind::Amount},
        {"CNIL", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 25400}
    };
    return table;
}

} // namespace

TaxData_T657New::TaxData_T657New() : CTaxData_Form(formFields(), KindForm, 40)
{
}

void TaxData_T657New::carryForward(bool)
{
    setAmount(F_PriorDeductions, amount(F_PriorDeductions) + amount(F_Deduction));
    openWithClosingAmounts({{F_PriorDeductions, F_PriorDeductions}});
}

void TaxData_T657New::Calculate01()
{
    // 2024 lifetime limit 1250000 (625000 of taxable gains).
    const double room = qMax(0.0, 625000.0 - amount(F_PriorDeductions));
    setAmount(F_Deduction, qMin(room, qMax(0.0, amount(F_TaxableGains) - amount(F_CNIL))));
}
