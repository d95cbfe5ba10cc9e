#include "taxdata_sch7.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"UnusedContributions", FieldKind::Amount},
        {"DeductionLimit", FieldKind::Amount},
        {"ContribFirst60Days", FieldKind::Amount, 24500},
        {"ContribRestOfYear", FieldKind::Amount, 24610},
        {"SpousalPrior", FieldKind::Amount},
        {"SpousalCurrent", FieldKind::Amount},
        {"TotalContributions", FieldKind::Amount, 24700},
        {"Transfers", FieldKind::Amount, 24640},
        {"HBPRepayment", FieldKind::Amount, 24630},
        {"LLPRepayment", FieldKind::Amount, 24620},
        {"Deduction", FieldKind::Amount, 20800},
        {"CarryForward", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_Sch7::TaxData_Sch7() : CTaxData_Form(formFields(), KindForm, 7)
{
}

void TaxData_Sch7::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    const double total = amount(F_UnusedContributions) + amount(F_ContribFirst60Days) + amount(F_ContribRestOfYear);
    setAmount(F_TotalContributions, total);
    const double available = qMax(0.0, total - amount(F_HBPRepayment) - amount(F_LLPRepayment));
    setAmount(F_Deduction, qMin(available, amount(F_DeductionLimit) + amount(F_Transfers)));
    setAmount(F_CarryForward, available - amount(F_Deduction));
}
