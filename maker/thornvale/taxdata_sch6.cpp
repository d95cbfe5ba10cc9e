#include "taxdata_sch6.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SpouseFlag", FieldKind::Flag},
        {"EligibleDependant", FieldKind::Flag},
        {"Excluded", FieldKind::Flag},
        {"Student", FieldKind::Flag},
        {"WorkingIncome", FieldKind::Amount},
        {"AdjustedNetIncome", FieldKind::Amount},
        {"SpouseWorkingIncome", FieldKind::Amount},
        {"SpouseNetIncome", FieldKind::Amount},
        {"IncomePairA", FieldKind::Amount},
        {"IncomePairB", FieldKind::Amount},
        {"ACWBReceived", FieldKind::Amount},
        {"ACWBOther", FieldKind::Amount},
        {"Benefit", FieldKind::Amount, 45300},
        {"DisabilitySupplement", FieldKind::Amount},
        {"Disabled", FieldKind::Flag},
        {"ClaimBenefit", FieldKind::Flag, 0, 1}
    };
    return table;
}

} // namespace

TaxData_Sch6::TaxData_Sch6() : CTaxData_Form(formFields(), KindForm, 119)
{
}

// 2024 single rates: 27% of working income over 3000, up to 1590, reduced by
// 15% of adjusted net income over 26149; family 1590 -> 2739 over 29833.
void TaxData_Sch6::Calculate01()
{
    const bool family = flag(F_SpouseFlag) || flag(F_EligibleDependant);
    const double working = amount(F_WorkingIncome) + (family ? amount(F_SpouseWorkingIncome) : 0.0);
    const double maxBenefit = family ? 2739.0 : 1590.0;
    const double threshold = family ? 29833.0 : 26149.0;
    double benefit = qMin(maxBenefit, qMax(0.0, working - 3000.0) * 0.27);
    const double net = amount(F_AdjustedNetIncome) + (family ? amount(F_SpouseNetIncome) : 0.0);
    benefit -= qMax(0.0, net - threshold) * 0.15;
    setAmount(F_Benefit, flag(F_Excluded) || flag(F_Student) ? 0.0 : qMax(0.0, benefit));
}

void TaxData_Sch6::setACWBAmounts(double received, double other)
{
    setAmount(F_ACWBReceived, received);
    setAmount(F_ACWBOther, other);
}

bool TaxData_Sch6::isFirstPartInNetfile() const
{
    return !flag(F_Excluded) && isAmountEntered(amount(F_WorkingIncome));
}
