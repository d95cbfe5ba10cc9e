#include "taxdata_sch11.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"CreditsBefore", FieldKind::Amount},
        {"IncomeBase", FieldKind::Amount},
        {"ClaimAllowed", FieldKind::Flag, 0, 1},
        {"CarriedForward", FieldKind::Amount},
        {"EligibleTuition", FieldKind::Amount, 32000},
        {"FullTimeMonths", FieldKind::Int},
        {"PartTimeMonths", FieldKind::Int},
        {"TrainingCreditLimit", FieldKind::Amount},
        {"TrainingCredit", FieldKind::Amount, 45350},
        {"Available", FieldKind::Amount},
        {"ClaimedAmount", FieldKind::Amount, 32300},
        {"Transferred", FieldKind::Amount},
        {"CarryForwardNext", FieldKind::Amount, 59140},
        {"TaxBase", FieldKind::Amount},
        {"Entered", FieldKind::Flag},
        {"TransferClaimed", FieldKind::Amount, 32700}
    };
    return table;
}

// Most of this year's fees that may be transferred to a parent or spouse.
constexpr double kTransferLimit = 5000.0;

} // namespace

TaxData_Sch11::TaxData_Sch11() : CTaxData_Form(formFields(), KindForm, 11)
{
}

void TaxData_Sch11::carryForward(bool)
{
    openWithClosingAmounts({{F_CarriedForward, F_CarryForwardNext}});
}

// The amount carried from earlier years first, then this year's fees, claimed
// only as far as the income base (taxable income, or the tax expressed at the
// lowest rate) exceeds the credits claimed before tuition. Of this year's fees
// not claimed, at most 5,000 less this year's claim may be transferred; the rest
// is carried forward. The Canada training credit is half the fees, within the limit,
// and the fees it is claimed on are left out of the tuition amount.
void TaxData_Sch11::Calculate01()
{
    // the Canada training credit first: the fees it is claimed on earn no tuition amount
    const double ctc = qMin(amount(F_TrainingCreditLimit), amount(F_EligibleTuition) * 0.5);
    setAmount(F_TrainingCredit, flag(F_ClaimAllowed) ? tax2024::cents(qMax(0.0, ctc)) : 0.0);
    const double fees = qMax(0.0, tax2024::cents(amount(F_EligibleTuition) - amount(F_TrainingCredit)));
    const double available = tax2024::cents(amount(F_CarriedForward) + fees);
    setAmount(F_Available, available);
    const double base = amount(F_IncomeBase);
    const double needed = qMax(0.0, base - amount(F_CreditsBefore));
    const double claimed = tax2024::cents(qMin(available, needed));
    setAmount(F_ClaimedAmount, claimed);
    const double claimedThisYear = qMax(0.0, claimed - amount(F_CarriedForward));
    const double unusedThisYear = qMax(0.0, fees - claimedThisYear);
    const double transferable = qMin(unusedThisYear, qMax(0.0, kTransferLimit - claimedThisYear));
    // the amount designated stays as typed; what this year allows of it is transferred
    setAmount(F_TransferClaimed, tax2024::cents(qBound(0.0, amount(F_Transferred), transferable)));
    setAmount(F_CarryForwardNext, tax2024::cents(available - claimed - amount(F_TransferClaimed)));
}
