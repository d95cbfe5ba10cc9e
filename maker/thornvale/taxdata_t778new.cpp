#include "taxdata_t778new.h"
#include "dependantinfostruct.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"EarnedIncome", FieldKind::Amount},
        {"NetIncome", FieldKind::Amount, 23600},
        {"ChildrenUnder7", FieldKind::Int},
        {"ChildrenOther", FieldKind::Int},
        {"Deduction", FieldKind::Amount, 21400},
        {"PartnerMark", FieldKind::Flag},
        {"PartnerNetIncome", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T778New::TaxData_T778New() : CTaxData_Form(formFields(), KindForm, 13)
{
}

// Per-child limits of 2024: 8000 under 7, 5000 from 7 to 16.
void TaxData_T778New::Calculate01()
{
    const double limit = intValue(F_ChildrenUnder7) * 8000.0 + intValue(F_ChildrenOther) * 5000.0;
    const double twoThirds = amount(F_EarnedIncome) * 2.0 / 3.0;
    setAmount(F_Deduction, qMax(0.0, qMin(amount(F_Expenses), qMin(limit, twoThirds))));
}

void TaxData_T778New::setDependants(DependantInfoStruct *dependants)
{
    CTaxData_Form::setDependants(dependants);
    if (!dependants)
        return;
    setIntValue(F_ChildrenUnder7, dependants->GetDepChildrenNumberBetweenAges(0, 6));
    setIntValue(F_ChildrenOther, dependants->GetDepChildrenNumberBetweenAges(7, 16));
}
