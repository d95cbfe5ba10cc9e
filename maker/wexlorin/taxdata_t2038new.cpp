#include "taxdata_t2038new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenditures", FieldKind::Amount},
        {"CarriedForward", FieldKind::Amount},
        {"LineC", FieldKind::Amount},
        {"NetFederalTax", FieldKind::Amount},
        {"AMTAmount", FieldKind::Amount},
        {"T691Amount", FieldKind::Amount},
        {"LineD", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 41200},
        {"Refund", FieldKind::Amount, 45400}
    };
    return table;
}

} // namespace

TaxData_T2038New::TaxData_T2038New() : CTaxData_Form(formFields(), KindForm, 20)
{
}

void TaxData_T2038New::carryForward(bool)
{
    setAmount(F_CarriedForward, qMax(0.0, amount(F_LineC) - amount(F_Credit) - amount(F_Refund)));
    openWithClosingAmounts({{F_CarriedForward, F_CarriedForward}});
}

void TaxData_T2038New::Calculate01()
{
    CalculateToLineC();
    CalculateToLineD();
    CalculateToEnd(false);
}

// Holds no 2024 rate table yet: the credit base is the expenditures given at 15%.
void TaxData_T2038New::CalculateToLineC()
{
    setAmount(F_LineC, amount(F_Expenditures) * 0.15 + amount(F_CarriedForward));
}

void TaxData_T2038New::CalculateToLineD()
{
    setAmount(F_LineD, qMin(amount(F_LineC), qMax(0.0, amount(F_NetFederalTax))));
}

void TaxData_T2038New::CalculateToEnd(bool minimumTax)
{
    const double limit = minimumTax ? qMax(0.0, amount(F_NetFederalTax) - amount(F_T691Amount)) : amount(F_LineD);
    setAmount(F_Credit, qMin(amount(F_LineD), limit));
    setAmount(F_Refund, 0.0);
}
