#include "taxdata_t691new.h"

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
        {"DividendCredit", FieldKind::Amount}
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

// 2024 rules: 100% of capital gains, exemption 173205, rate 20.5%. The credits
// side holds no arithmetic yet: it takes the credits its caller gives.
void TaxData_T691New::CalculateToLine65andMinitaxCarryOverAndLine102()
{
    const double adjusted = amount(F_TaxableIncome) + amount(F_CapitalGains) + amount(F_T1170Gains) - amount(F_DividendGross);
    setAmount(F_AdjustedIncome, adjusted);
    setAmount(F_MinimumAmount, qMax(0.0, adjusted - amount(F_Exemption)) * 0.205);
}

void TaxData_T691New::CalculateToLine95()
{
    setAmount(F_Line95, qMax(0.0, amount(F_MinimumAmount) - amount(F_CreditsApplied) - amount(F_ForeignCredit)));
}

void TaxData_T691New::CalculateToEnd()
{
    setAmount(F_MinimumTax, qMax(0.0, amount(F_Line95) - amount(F_BasicTax)));
    setAmount(F_Result, amount(F_MinimumTax));
}
