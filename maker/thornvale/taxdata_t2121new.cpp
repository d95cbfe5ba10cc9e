#include "taxdata_t2121new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withStatementIdentity({
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 8299},
        {"Expenses", FieldKind::Amount, 9368},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9369},
        {"NetIncome", FieldKind::Amount, 9946}
    }, {
        {"Line5345", FieldKind::Amount}
    }));
    return table;
}

} // namespace

TaxData_T2121New::TaxData_T2121New() : TaxData_StatementForm(formFields(), 51, incomeExpenseRows())
{
}

void TaxData_T2121New::Calculate01()
{
    // the expenses are the rows
    setAmount(F_Expenses, rows(0).sum(C_Amount));
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
