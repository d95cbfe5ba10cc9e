#include "taxdata_sch7.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"UnusedContributions", FieldKind::Amount},
        {"DeductionLimit", FieldKind::Amount},
        {"ContribFirst60Days", FieldKind::Amount},
        {"ContribRestOfYear", FieldKind::Amount},
        {"SpousalPrior", FieldKind::Amount},
        {"SpousalCurrent", FieldKind::Amount},
        {"TotalContributions", FieldKind::Amount},
        {"Transfers", FieldKind::Amount, 24640},
        {"HBPRepayment", FieldKind::Amount, 24600},
        {"LLPRepayment", FieldKind::Amount, 24620},
        {"Deduction", FieldKind::Amount, 20800},
        {"CarryForward", FieldKind::Amount},
        {"PlannedContributions", FieldKind::Amount, 0, 0.0, true},
        {"PlanCleared", FieldKind::Flag, 0, 1.0, true},
        {"ContributionsOfYear", FieldKind::Amount, 24500}
    };
    return table;
}

} // namespace

TaxData_Sch7::TaxData_Sch7() : CTaxData_Form(formFields(), KindForm, 7)
{
}

void TaxData_Sch7::carryForward(bool)
{
    openWithClosingAmounts({{F_UnusedContributions, F_CarryForward}});
}

void TaxData_Sch7::Calculate01()
{
    // Unused contributions and this year's, less those designated as HBP or LLP
    // repayments; deducted up to the 2024 deduction limit, transfers on top of it.
    // What is not deducted is carried forward.
    const double total = tax2024::cents(amount(F_UnusedContributions) + amount(F_ContribFirst60Days)
                                        + amount(F_ContribRestOfYear));
    setAmount(F_TotalContributions, total);
    setAmount(F_ContributionsOfYear, tax2024::cents(amount(F_ContribRestOfYear) + amount(F_ContribFirst60Days)));
    double available = qMax(0.0, tax2024::cents(total - amount(F_HBPRepayment) - amount(F_LLPRepayment)));
    if (!flag(F_PlanCleared))
        available = qMax(0.0, tax2024::cents(amount(F_PlannedContributions)));
    const double limit = qMax(0.0, amount(F_DeductionLimit)) + qMax(0.0, amount(F_Transfers));
    setAmount(F_Deduction, tax2024::cents(qMin(available, limit)));
    setAmount(F_CarryForward, tax2024::cents(available - amount(F_Deduction)));
}

void TaxData_Sch7::setPlan(double maximum, double planned, bool cleared)
{
    setAmount(F_DeductionLimit, maximum);
    setAmount(F_PlannedContributions, planned);
    setFlag(F_PlanCleared, cleared);
}
