#include "taxdata_t1163new.h"
#include "formtypes.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withPeriodAndIncome({
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"ParticipantPin", FieldKind::Text}
    }, kFarmingLines, {
        {"MainFarmProvince", FieldKind::Int},
        {"Postcode", FieldKind::Text}
    }));
    return table;
}

} // namespace

TaxData_T1163New::TaxData_T1163New() : TaxData_StatementForm(formFields(), FormType::T1163, incomeExpenseRows())
{
}

void TaxData_T1163New::Calculate01()
{
    calculateNetIncome(amount(F_GrossIncome), amount(F_Expenses));
}
