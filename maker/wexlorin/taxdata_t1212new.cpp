#include "taxdata_t1212new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"BalanceLastYear", FieldKind::Amount},
        {"Deferred", FieldKind::Amount},
        {"Included", FieldKind::Amount},
        {"F67910", FieldKind::Amount, 67910}
    };
    return table;
}

} // namespace

TaxData_T1212New::TaxData_T1212New() : CTaxData_Form(formFields(), KindForm, 18)
{
}

void TaxData_T1212New::carryForward(bool)
{
    openWithClosingAmounts({{F_BalanceLastYear, F_F67910}});
}

void TaxData_T1212New::Calculate01()
{
    setAmount(F_F67910, qMax(0.0, amount(F_BalanceLastYear) + amount(F_Deferred) - amount(F_Included)));
}
