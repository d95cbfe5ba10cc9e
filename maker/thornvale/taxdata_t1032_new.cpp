#include "taxdata_t1032_new.h"
#include "taxrates2024.h"

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
        {"Switch", FieldKind::Flag},
        {"Months", FieldKind::Int, 0, 12},
        {"SplitFromPensionPlan", FieldKind::Flag},
        {"Line68026", FieldKind::Amount},
        {"Line68040", FieldKind::Amount},
        {"Line68050", FieldKind::Amount}
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

// Step 3: at most half of the eligible pension income, for the months together.
void TaxData_T1032_New::CalculateMaxSplitInc()
{
    setAmount(F_MaxSplit, tax2024::forms::maximumSplitPension(amount(F_EligiblePension), intValue(F_Months)));
}

void TaxData_T1032_New::CalculatePensionInc()
{
    CalculateMaxSplitInc();
    if (amount(F_SplitAmount) > amount(F_MaxSplit))
        setAmount(F_SplitAmount, amount(F_MaxSplit));
    setAmount(F_SplitAmount, qMax(0.0, amount(F_SplitAmount)));
    setAmount(F_PensionAmount, qMax(0.0, tax2024::cents(amount(F_EligiblePension) - amount(F_SplitAmount))));
}

// Step 4: the tax deducted on the eligible pension income moves with the split, in proportion.
void TaxData_T1032_New::CalculateIncomeTax()
{
    setAmount(F_F5344, tax2024::forms::splitPensionTaxDeducted(amount(F_TaxDeductedTransferred),
                                                               amount(F_SplitAmount), amount(F_EligiblePension)));
}

void TaxData_T1032_New::CalculateIncomeTaxAfterAdjustment()
{
    setAmount(F_IncomeTax, amount(F_F5344) + (flag(F_Switch) ? amount(F_IncomeAdjustmentA) : amount(F_IncomeAdjustmentB)));
}
