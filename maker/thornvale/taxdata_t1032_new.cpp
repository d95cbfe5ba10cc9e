#include "taxdata_t1032_new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Role", FieldKind::Int},
        {"LastName", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Age", FieldKind::Int},
        {"SpouseFirstName", FieldKind::Text},
        {"SpouseLastName", FieldKind::Text},
        {"SpouseSIN", FieldKind::Text},
        {"SpouseAge", FieldKind::Int},
        {"Address", FieldKind::Text},
        {"Email", FieldKind::Text},
        {"EligiblePension", FieldKind::Amount, 11500},
        {"SplitAmount", FieldKind::Amount, 21000},
        {"Elected", FieldKind::Flag},
        {"MaxSplit", FieldKind::Amount},
        {"PensionAmount", FieldKind::Amount},
        {"OtherPension", FieldKind::Amount},
        {"TaxDeductedTransferred", FieldKind::Amount},
        {"IncomeTax", FieldKind::Amount},
        {"IncomeAdjustmentA", FieldKind::Amount},
        {"IncomeAdjustmentB", FieldKind::Amount},
        {"F5344", FieldKind::Amount, 5344},
        {"Switch", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_T1032_New::TaxData_T1032_New() : CTaxData_Form(formFields(), KindForm, 118)
{
}

void TaxData_T1032_New::Calculate01()
{
    CalculatePensionInc();
    CalculateIncomeTax();
}

// At most half of the eligible pension income may be split.
void TaxData_T1032_New::CalculateMaxSplitInc()
{
    setAmount(F_MaxSplit, qMax(0.0, amount(F_EligiblePension)) * 0.5);
}

void TaxData_T1032_New::CalculatePensionInc()
{
    CalculateMaxSplitInc();
    if (amount(F_SplitAmount) > amount(F_MaxSplit))
        setAmount(F_SplitAmount, amount(F_MaxSplit));
    setAmount(F_PensionAmount, amount(F_EligiblePension) - amount(F_SplitAmount));
}

// Holds no 2024 arithmetic yet: moves the tax deducted with the split share.
void TaxData_T1032_New::CalculateIncomeTax()
{
    const double share = amount(F_EligiblePension) > 0 ? amount(F_SplitAmount) / amount(F_EligiblePension) : 0.0;
    setAmount(F_F5344, amount(F_TaxDeductedTransferred) * share);
}

void TaxData_T1032_New::CalculateIncomeTaxAfterAdjustment()
{
    setAmount(F_IncomeTax, amount(F_F5344) + (flag(F_Switch) ? amount(F_IncomeAdjustmentA) : amount(F_IncomeAdjustmentB)));
}
