#include "taxdata_t691new.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"TaxableIncome", FieldKind::Amount, 26000},
        {"CapitalGains", FieldKind::Amount},
        {"DividendGross", FieldKind::Amount},
        {"Donations", FieldKind::Amount},
        {"T1170Gains", FieldKind::Amount},
        {"T1212Value", FieldKind::Amount},
        {"T1206Amount", FieldKind::Amount},
        {"AdjustedIncome", FieldKind::Amount},
        {"Exemption", FieldKind::Amount, 0, 173205},
        {"MinimumAmount", FieldKind::Amount},
        {"BasicTax", FieldKind::Amount},
        {"CreditsApplied", FieldKind::Amount},
        {"MinimumTax", FieldKind::Amount},
        {"Carryover", FieldKind::Amount, 40427},
        {"Line95", FieldKind::Amount},
        {"ForeignCredit", FieldKind::Amount},
        {"Result", FieldKind::Amount},
        {"ForeignIncome", FieldKind::Amount},
        {"ForeignTaxPaid", FieldKind::Amount},
        {"CapitalGainsAnswer", FieldKind::Amount},
        {"OtherGains", FieldKind::Amount},
        {"T1170Line24", FieldKind::Amount},
        {"Deductions", FieldKind::Amount},
        {"ITCAmounts", FieldKind::Amount},
        {"DividendCredit", FieldKind::Amount},
        {"OtherDividends", FieldKind::Amount},
        {"Credits33800", FieldKind::Amount},
        {"PoliticalCredit", FieldKind::Amount},
        {"RegularBeforeCarryover", FieldKind::Amount},
        {"CarryoverApplied", FieldKind::Amount},
        {"GainsDeductions", FieldKind::Amount},
        {"HalvedDeductions", FieldKind::Amount},
        {"Line67820", FieldKind::Amount},
        {"Line6783", FieldKind::Amount},
        {"Line6784", FieldKind::Amount},
        {"Line6786", FieldKind::Amount},
        {"Line67922", FieldKind::Amount},
        {"SecurityOptions", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T691New::TaxData_T691New() : CTaxData_Form(formFields(), KindForm, 31)
{
}

void TaxData_T691New::Calculate01()
{
    CalculateToLine65andMinitaxCarryOverAndLine102();
    CalculateToLine95();
    CalculateToEnd();
}

// Adjusted taxable income: taxable income with the whole of the capital gains and the
// dividends as received (without their gross-up), the gains that a capital gains deduction
// covers and the gains on gifts of listed securities at 30 % only, the security options
// benefit whole, and half of certain deductions added back; less the basic exemption at
// 20.5 %. The carryover of earlier years applies only up to the regular tax over the
// minimum amount.
void TaxData_T691New::CalculateToLine65andMinitaxCarryOverAndLine102()
{
    namespace F = tax2024::forms;
    const double other = qMax(0.0, amount(F_OtherDividends));
    const double grossUp = F::dividendGrossUp(amount(F_DividendGross) - other, other);
    // T1170Gains (the gifts' gains as Schedule 3 holds them) is not counted: the gifts' gains
    // that taxable income leaves out come from the T1170 (T1170Line24)
    const double adjusted = tax2024::cents(amount(F_TaxableIncome) + amount(F_CapitalGains)
                                           + F::donatedSecuritiesGains(amount(F_T1170Line24)) - grossUp
                                           - F::exemptGainsAdjustment(amount(F_GainsDeductions))
                                           + F::disallowedDeductions(amount(F_HalvedDeductions))
                                           + F::securityOptionsAddBack(amount(F_SecurityOptions)));
    setAmount(F_AdjustedIncome, adjusted);
    setAmount(F_MinimumAmount, tax2024::cents(qMax(0.0, adjusted - amount(F_Exemption)) * F::kAmtRate));
    CalculateCredits();
    const double minimum =
        qMax(0.0, tax2024::cents(amount(F_MinimumAmount) - amount(F_CreditsApplied) - amount(F_ForeignCredit)));
    const double room = qMax(0.0, tax2024::cents(amount(F_RegularBeforeCarryover) - minimum));
    setAmount(F_CarryoverApplied, qMin(qMax(0.0, amount(F_Carryover)), room));
}

void TaxData_T691New::CalculateCredits()
{
    setAmount(F_CreditsApplied, tax2024::forms::minimumTaxCredits(amount(F_Credits33800), amount(F_Donations),
                                                                  amount(F_PoliticalCredit)));
}

void TaxData_T691New::CalculateToLine95()
{
    CalculateCredits();
    setAmount(F_Line95, qMax(0.0, tax2024::cents(amount(F_MinimumAmount) - amount(F_CreditsApplied)
                                                 - amount(F_ForeignCredit))));
}

void TaxData_T691New::CalculateToEnd()
{
    setAmount(F_MinimumTax, qMax(0.0, tax2024::cents(amount(F_Line95) - amount(F_BasicTax))));
    setAmount(F_Result, amount(F_MinimumTax));
}
