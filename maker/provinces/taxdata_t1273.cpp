#include "taxdata_t1273.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withPeriodAndIncome({
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"ParticipantPin", FieldKind::Text}
    }, kFarmingLines));
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
