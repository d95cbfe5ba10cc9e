#include "taxdata_sch10.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Opted", FieldKind::Flag},
        {"SelfEmployedEarnings", FieldKind::Amount, 10200},
        {"Province", FieldKind::Int},
        {"Premiums", FieldKind::Amount, 31217}
    };
    return table;
}

} // namespace

TaxData_Sch10::TaxData_Sch10() : CTaxData_Form(formFields(), KindForm, 10)
{
}

void TaxData_Sch10::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    if (!flag(F_Opted))
        setAmount(F_Premiums, 0.0);
}
