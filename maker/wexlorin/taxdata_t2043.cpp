#include "taxdata_t2043.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"FarmingExpenses", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 47556}
    };
    return table;
}

} // namespace

TaxData_T2043::TaxData_T2043() : CTaxData_Form(formFields(), KindForm, 193)
{
}

void TaxData_T2043::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    // 2024 payment rate 1.43 per 1000 of eligible farming expenses.
    setAmount(F_Credit, qMax(0.0, amount(F_FarmingExpenses)) * 1.43 / 1000.0);
}
