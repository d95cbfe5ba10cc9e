#include "taxdata_t929new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"EarnedIncome", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 21500}
    };
    return table;
}

} // namespace

TaxData_T929New::TaxData_T929New() : CTaxData_Form(formFields(), KindForm, 14)
{
}

void TaxData_T929New::Calculate01()
{
    setAmount(F_Deduction, qMax(0.0, qMin(amount(F_Expenses), amount(F_EarnedIncome))));
}
