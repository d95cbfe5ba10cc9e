#include "taxdata_t936new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"InvestmentExpenses", FieldKind::Amount},
        {"InvestmentIncome", FieldKind::Amount},
        {"PriorCNIL", FieldKind::Amount},
        {"CNIL", FieldKind::Amount},
        {"Line68080", FieldKind::Amount},
        {"Line68100", FieldKind::Amount},
        {"Line68110", FieldKind::Amount},
        {"Line68140", FieldKind::Amount},
        {"Line68150", FieldKind::Amount},
        {"AccumulatedCapitalLoss", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T936New::TaxData_T936New() : CTaxData_Form(formFields(), KindForm, 32)
{
}

void TaxData_T936New::carryForward(bool)
{
    openWithClosingAmounts({{F_PriorCNIL, F_CNIL}});
}

void TaxData_T936New::Calculate01()
{
    setAmount(F_CNIL, amount(F_PriorCNIL) + qMax(0.0, amount(F_InvestmentExpenses) - amount(F_InvestmentIncome)));
}
