#include "ctaxdata_rc71.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"DiscounterName", FieldKind::Text},
        {"DiscounterCode", FieldKind::Text},
        {"DiscounterAddress", FieldKind::Text},
        {"DiscounterPhone", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"FullName", FieldKind::Text},
        {"Text", FieldKind::Text, 10005},
        {"ExpectedRefund", FieldKind::Amount},
        {"Paid", FieldKind::Amount},
        {"ESigned", FieldKind::Flag},
        {"ESignTime", FieldKind::Text},
        {"ClientPhone", FieldKind::Text}
    };
    return table;
}

} // namespace

CTaxData_RC71::CTaxData_RC71() : CTaxData_Form(formFields(), KindForm, 53)
{
}

void CTaxData_RC71::Calculate01()
{
    // The discounter pays at least 85% of the first 300 and 95% of the rest.
    const double refund = qMax(0.0, amount(F_ExpectedRefund));
    const double minimum = qMin(refund, 300.0) * 0.85 + qMax(0.0, refund - 300.0) * 0.95;
    if (amount(F_Paid) < minimum)
        setAmount(F_Paid, minimum);
}
