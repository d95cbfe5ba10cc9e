#include "taxdata_t2042new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withStatementIdentity({
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 9659},
        {"Expenses", FieldKind::Amount, 9898},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9899},
        {"NetIncome", FieldKind::Amount, 9946}
    }, {
        {"Address", FieldKind::Text},
        {"Postcode", FieldKind::Text}
    }));
    return table;
}

} // namespace

TaxData_T2042New::TaxData_T2042New() : TaxData_StatementForm(formFields(), 21, incomeExpenseRows())
{
}

void TaxData_T2042New::Calculate01()
{
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
