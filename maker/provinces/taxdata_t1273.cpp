#include "taxdata_t1273.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"ParticipantPin", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 9659},
        {"Expenses", FieldKind::Amount, 9898},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9899},
        {"NetIncome", FieldKind::Amount, 9946}
    };
    return table;
}

} // namespace

TaxData_T1273::TaxData_T1273(int province, int formType)
    : TaxData_StatementForm(formFields(), formType, incomeExpenseRows())
{
    setMainTaxProvince(province);
}

void TaxData_T1273::Calculate01()
{
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
