#include "taxdata_t2121new.h"
#include "formtypes.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withStatementIdentity(withPeriodAndIncome({
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text}
    }, kFishingLines), {
        {"Line5345", FieldKind::Amount}
    }));
    return table;
}

} // namespace

TaxData_T2121New::TaxData_T2121New() : TaxData_StatementForm(formFields(), FormType::T2121, incomeExpenseRows())
{
}

void TaxData_T2121New::Calculate01()
{
    // the expenses are the rows
    setAmount(F_Expenses, rows(0).sum(C_Amount));
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
