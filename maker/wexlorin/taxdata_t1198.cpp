#include "taxdata_t1198.h"
#include "forms2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Name", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Payment", FieldKind::Amount},
        {"Notional", FieldKind::Amount},
        {"Year2014", FieldKind::Amount},
        {"Year2015", FieldKind::Amount},
        {"Year2016", FieldKind::Amount},
        {"Year2017", FieldKind::Amount},
        {"Year2018", FieldKind::Amount},
        {"Year2019", FieldKind::Amount},
        {"Year2020", FieldKind::Amount},
        {"Year2021", FieldKind::Amount},
        {"Year2022", FieldKind::Amount},
        {"Year2023", FieldKind::Amount},
        {"PrincipalTotal", FieldKind::Amount},
        {"Qualifies", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_T1198::TaxData_T1198() : CTaxData_Form(formFields(), KindForm, 213)
{
}

void TaxData_T1198::Calculate01()
{
    double years = 0.0;
    for (int f = F_Year2014; f <= F_Year2023; ++f)
        years += qMax(0.0, amount(f));
    const double total = years >= 0.01 ? tax2024::cents(years) : qMax(0.0, amount(F_Payment));
    setAmount(F_PrincipalTotal, total);
    setFlag(F_Qualifies, tax2024::forms::retroactivePaymentQualifies(total));
    // the notional tax of the earlier years is the CRA's to work
    setAmount(F_Notional, 0.0);
}
