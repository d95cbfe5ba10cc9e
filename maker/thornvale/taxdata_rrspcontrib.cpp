#include "taxdata_rrspcontrib.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"UnusedContributions", FieldKind::Amount},
        {"DeductionLimit", FieldKind::Amount},
        {"HBPRepayment", FieldKind::Amount, 24630},
        {"LLPRepayment", FieldKind::Amount, 24620},
        {"ContribFirst60Days", FieldKind::Amount, 24500},
        {"ContribRestOfYear", FieldKind::Amount, 24610},
        {"SpousalContrib", FieldKind::Amount, 24600},
    };
    return table;
}

} // namespace

TaxData_RRSPContrib::TaxData_RRSPContrib() : CTaxData_Form(formFields(), KindOther, 5)
{
}

bool TaxData_RRSPContrib::hasContributions() const
{
    return isAmountEntered(amount(F_ContribFirst60Days)) || isAmountEntered(amount(F_ContribRestOfYear))
        || isAmountEntered(amount(F_SpousalContrib));
}
