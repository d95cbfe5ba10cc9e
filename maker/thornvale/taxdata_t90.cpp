#include "taxdata_t90.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"EmploymentIncome", FieldKind::Amount},
        {"OtherIncome", FieldKind::Amount},
        {"WorkingIncome", FieldKind::Amount},
        {"NetIncomeAdd", FieldKind::Amount},
        {"Switch", FieldKind::Flag},
        {"Line10026", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T90::TaxData_T90() : CTaxData_Form(formFields(), KindForm, 171)
{
}

void TaxData_T90::Calculate01()
{
    setAmount(F_WorkingIncome, amount(F_EmploymentIncome));
    setAmount(F_NetIncomeAdd, amount(F_EmploymentIncome) + amount(F_OtherIncome));
}
