#include "taxdata_t1mnew.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"OldAddress", FieldKind::Text},
        {"NewAddress", FieldKind::Text},
        {"MoveDate", FieldKind::Date},
        {"DistanceOld", FieldKind::Amount},
        {"DistanceNew", FieldKind::Amount},
        {"Expenses", FieldKind::Amount},
        {"IncomeAtNewLocation", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 21900},
        {"CarryForward", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1MNew::TaxData_T1MNew() : CTaxData_Form(formFields(), KindForm, 102)
{
}

void TaxData_T1MNew::carryForward(bool)
{
    CTaxData_Form::carryForward(false);
}

void TaxData_T1MNew::Calculate01()
{
    // Eligible only when the new home is at least 40 km closer to the new work place.
    const bool eligible = amount(F_DistanceOld) - amount(F_DistanceNew) >= 40.0;
    const double claim = eligible ? qMin(amount(F_Expenses), amount(F_IncomeAtNewLocation)) : 0.0;
    setAmount(F_Deduction, qMax(0.0, claim));
    setAmount(F_CarryForward, eligible ? amount(F_Expenses) - amount(F_Deduction) : 0.0);
}
