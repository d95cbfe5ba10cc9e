#include "taxdata_sch11.h"

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
        {"Transferred", FieldKind::Amount, 32400},
        {"CarryForwardNext", FieldKind::Amount, 59140},
        {"TaxBase", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_Sch11::TaxData_Sch11() : CTaxData_Form(formFields(), KindForm, 11)
{
}

// Holds no 2024 arithmetic yet beyond the order of use: the carried amount
// first, then this year's fees, limited by the credits still needed.
void TaxData_Sch11::Calculate01()
{
    const double available = amount(F_CarriedForward) + amount(F_EligibleTuition);
    setAmount(F_Available, available);
    const double needed = qMax(0.0, amount(F_TaxBase) - amount(F_CreditsBefore));
    const double claimed = qMin(available, needed);
    setAmount(F_ClaimedAmount, claimed);
    setAmount(F_CarryForwardNext, available - claimed - amount(F_Transferred));
    const double ctc = qMin(amount(F_TrainingCreditLimit), amount(F_EligibleTuition) * 0.5);
    setAmount(F_TrainingCredit, flag(F_ClaimAllowed) ? ctc : 0.0);
}
