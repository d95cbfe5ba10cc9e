#include "taxdata_sch7.h"
#include "mydatastream.h"
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
        {"ContributionsOfYear", FieldKind::Amount, 24500},
        {"PRPPRestOfYear", FieldKind::Amount},
        {"PRPPFirst60Days", FieldKind::Amount},
        {"PRPPEmployer", FieldKind::Amount},
        {"Layout", FieldKind::Int, 0, TaxData_Sch7::kLayoutPRPP}
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

// A schedule stored before the PRPP fields holds in the spouse's current contributions
// and the transfers what the calculation put there from the PRPP slips, never a typed
// amount: those two start empty, and the slips fill the PRPP fields again.
int TaxData_Sch7::serialise(int version, const CString &marker, MyDataStream &ar)
{
    if (ar.IsStoring())
        return CTaxData_Form::serialise(version, marker, ar);
    setIntValue(F_Layout, 0); // stays 0 when the file lacks the field
    const int result = CTaxData_Form::serialise(version, marker, ar);
    if (intValue(F_Layout) == 0) {
        setAmount(F_SpousalCurrent, 0.0);
        setAmount(F_Transfers, 0.0);
        setIntValue(F_Layout, kLayoutPRPP);
    }
    return result;
}

// Lines 2 and 3: the contributions to the person's own plans (RRSP, SPP, PRPP) and to
// the spouse's; with the unused contributions, less those designated as HBP or LLP
// repayments, deducted up to the 2024 deduction limit less the employer's PRPP
// contributions (line 20810), transfers on top of it. What is not deducted is carried forward.
void TaxData_Sch7::Calculate01()
{
    using tax2024::cents;
    const double restOfYear = amount(F_ContribRestOfYear) + amount(F_SpousalCurrent) + amount(F_PRPPRestOfYear);
    const double first60Days = amount(F_ContribFirst60Days) + amount(F_SpousalPrior) + amount(F_PRPPFirst60Days);
    setAmount(F_ContributionsOfYear, cents(restOfYear + first60Days));
    const double total = cents(amount(F_UnusedContributions) + amount(F_ContributionsOfYear));
    setAmount(F_TotalContributions, total);
    double available = qMax(0.0, cents(total - amount(F_HBPRepayment) - amount(F_LLPRepayment)));
    if (!flag(F_PlanCleared))
        available = qMax(0.0, cents(amount(F_PlannedContributions)));
    const double room = qMax(0.0, amount(F_DeductionLimit) - qMax(0.0, amount(F_PRPPEmployer)));
    const double limit = room + qMax(0.0, amount(F_Transfers));
    setAmount(F_Deduction, cents(qMin(available, limit)));
    setAmount(F_CarryForward, cents(available - amount(F_Deduction)));
}

void TaxData_Sch7::setPlan(double maximum, double planned, bool cleared)
{
    setAmount(F_DeductionLimit, maximum);
    setAmount(F_PlannedContributions, planned);
    setFlag(F_PlanCleared, cleared);
}
