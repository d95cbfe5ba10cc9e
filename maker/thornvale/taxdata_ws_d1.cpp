#include "taxdata_ws_d1.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"EligibleActual", FieldKind::Amount},
        {"NonEligibleActual", FieldKind::Amount},
        {"NonEligibleTaxable", FieldKind::Amount},
        {"EligibleTaxable", FieldKind::Amount},
        {"F12000", FieldKind::Amount, 12000},
        {"F12010", FieldKind::Amount, 12010},
        {"NetIncomeBefore", FieldKind::Amount},
        {"OASBenefits", FieldKind::Amount},
        {"EIBenefits", FieldKind::Amount},
        {"F23500", FieldKind::Amount, 23500},
        {"F24901", FieldKind::Amount, 24901},
        {"SecurityOptions", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_WS_D1::TaxData_WS_D1() : CTaxData_Form(formFields(), KindForm, 210)
{
}

// The taxable amounts of the dividends received, with the 2024 gross-ups.
void TaxData_WS_D1::Calculate01()
{
    setAmount(F_EligibleTaxable, tax2024::grossUpEligibleDividends(amount(F_EligibleActual)));
    setAmount(F_NonEligibleTaxable, tax2024::grossUpOtherDividends(amount(F_NonEligibleActual)));
    setAmount(F_F12010, amount(F_NonEligibleTaxable));
    setAmount(F_F12000, amount(F_EligibleTaxable) + amount(F_NonEligibleTaxable));
}

void TaxData_WS_D1::resetDivDetailsAmounts()
{
    for (int f : {F_EligibleActual, F_NonEligibleActual, F_NonEligibleTaxable, F_EligibleTaxable, F_F12000, F_F12010})
        setAmount(f, 0.0);
}

// The OAS recovery on the net income before adjustments.
void TaxData_WS_D1::CalculateF23500()
{
    setAmount(F_F23500, tax2024::oasRecovery(amount(F_NetIncomeBefore), amount(F_OASBenefits)));
}

void TaxData_WS_D1::CalculateF24901()
{
    setAmount(F_F24901, tax2024::cents(qMax(0.0, amount(F_SecurityOptions)) * 0.5));
}
