#include "ctaxdata_t2205.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Year", FieldKind::Text},
        {"FullName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"SpouseName", FieldKind::Text},
        {"Withdrawal", FieldKind::Amount},
        {"SpousalContribs", FieldKind::Amount},
        {"Income", FieldKind::Amount},
        {"TaxDeducted", FieldKind::Amount}
    };
    return table;
}

} // namespace

CTaxData_T2205::CTaxData_T2205() : CTaxData_Form(formFields(), KindForm, 124)
{
}

void CTaxData_T2205::Calculate01()
{
    setAmount(F_Income, qMin(qMax(0.0, amount(F_Withdrawal)), qMax(0.0, amount(F_SpousalContribs))));
}
