#include "ctaxdata_gst370.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"EligibleExpenses", FieldKind::Amount},
        {"GSTRate", FieldKind::Amount, 0, 5},
        {"Rebate", FieldKind::Amount, 45700},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Year", FieldKind::Text}
    };
    return table;
}

} // namespace

CTaxData_GST370::CTaxData_GST370() : CTaxData_Form(formFields(), KindForm, 28)
{
}

void CTaxData_GST370::Calculate01()
{
    const double r = amount(F_GSTRate);
    setAmount(F_Rebate, amount(F_EligibleExpenses) * r / (100.0 + r));
}
