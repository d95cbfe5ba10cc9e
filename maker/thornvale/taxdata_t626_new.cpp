#include "taxdata_t626_new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"OverseasIncome", FieldKind::Amount},
        {"NetIncome", FieldKind::Amount, 23600},
        {"BasicTax", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 42600}
    };
    return table;
}

} // namespace

TaxData_T626_New::TaxData_T626_New() : CTaxData_Form(formFields(), KindForm, 30)
{
}

void TaxData_T626_New::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    setAmount(F_Credit, 0.0);
}
