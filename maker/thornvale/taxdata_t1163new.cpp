#include "taxdata_t1163new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"ParticipantPin", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 9659},
        {"Expenses", FieldKind::Amount, 9898},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9899},
        {"NetIncome", FieldKind::Amount, 9946},
        {"MainFarmProvince", FieldKind::Int},
        {"Postcode", FieldKind::Text}
    };
    return table;
}

} // namespace

TaxData_T1163New::TaxData_T1163New() : TaxData_StatementForm(formFields(), 15, incomeExpenseRows())
{
}

void TaxData_T1163New::Calculate01()
{
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
