#include "taxdata_t2042new.h"
#include "formtypes.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withStatementIdentity(withPeriodAndIncome({
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text}
    }, kFarmingLines), {
        {"Address", FieldKind::Text},
        {"Postcode", FieldKind::Text}
    }));
    return table;
}

} // namespace

TaxData_T2042New::TaxData_T2042New() : TaxData_StatementForm(formFields(), FormType::T2042, incomeExpenseRows())
{
}

void TaxData_T2042New::Calculate01()
{
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
