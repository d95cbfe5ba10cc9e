#include "taxdata_provsch11.h"
#include "cprovincialtaxmanager.h"
#include "provincetaxmanager_checks.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"CarriedForward", FieldKind::Amount, CProvincialTaxManager::kUnusedTuitionCode},
        {"Tuition", FieldKind::Amount},
        {"CreditsNeeded", FieldKind::Amount},
        {"Available", FieldKind::Amount},
        {"Claimed", FieldKind::Amount, 58560},
        {"Transferred", FieldKind::Amount},
        {"CarryForwardNext", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_ProvSch11::TaxData_ProvSch11(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

bool TaxData_ProvSch11::mayCarryForward(int, int) const
{
    return !endedTuitionCredit(getMainTaxProvince()) || isAmountEntered(amount(F_CarryForwardNext));
}

void TaxData_ProvSch11::carryForward(bool)
{
    openWithClosingAmounts({{F_CarriedForward, F_CarryForwardNext}});
}

// The carried amount is used first, then this year's fees, up to the credits still needed.
void TaxData_ProvSch11::Calculate01()
{
    const double available = amount(F_CarriedForward) + amount(F_Tuition);
    setAmount(F_Available, available);
    const double claimed = qMin(available, qMax(0.0, amount(F_CreditsNeeded)));
    setAmount(F_Claimed, claimed);
    setAmount(F_CarryForwardNext, qMax(0.0, available - claimed - transferClaimed()));
}

double TaxData_ProvSch11::transferClaimed() const
{
    const double left = qMax(0.0, amount(F_Available) - amount(F_Claimed));
    return qMin(qMax(0.0, amount(F_Transferred)), left);
}
