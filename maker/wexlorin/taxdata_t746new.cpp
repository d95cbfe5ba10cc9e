#include "taxdata_t746new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Refund", FieldKind::Amount},
        {"UnusedContributions", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 23200}
    };
    return table;
}

} // namespace

TaxData_T746New::TaxData_T746New() : CTaxData_Form(formFields(), KindForm, 105)
{
}

void TaxData_T746New::Calculate01()
{
    setAmount(F_Deduction, qMin(qMax(0.0, amount(F_Refund)), qMax(0.0, amount(F_UnusedContributions))));
}
