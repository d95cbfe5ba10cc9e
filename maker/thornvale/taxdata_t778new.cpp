#include "taxdata_t778new.h"
#include "utils.h"
#include "dependantinfostruct.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"EarnedIncome", FieldKind::Amount},
        {"NetIncome", FieldKind::Amount, 23600},
        {"ChildrenUnder7", FieldKind::Int},
        {"ChildrenOther", FieldKind::Int},
        {"Deduction", FieldKind::Amount, 21400},
        {"PartnerMark", FieldKind::Flag},
        {"PartnerNetIncome", FieldKind::Amount},
        {"ChildrenDisabled", FieldKind::Int},
        {"Exempt", FieldKind::Flag},
        {"HigherIncomeSelected", FieldKind::Flag},
        {"SelectionAmount", FieldKind::Amount}
    };
    return table;
}

// 2024 limits per child (T778).
constexpr double kUnder7Limit = 8000.0;
constexpr double kOtherLimit = 5000.0;
constexpr double kDisabledLimit = 11000.0;
constexpr int kMaxAge = 150;

} // namespace

TaxData_T778New::TaxData_T778New() : CTaxData_Form(formFields(), KindForm, 13)
{
}

// The 2024 deduction: the expenses, at most 8,000 per child under 7, 5,000 per
// child from 7 to 16 and 11,000 per child eligible for the disability amount,
// and at most two thirds of earned income. Of a couple, the spouse with the
// lower net income claims: the higher-income spouse deducts nothing here.
void TaxData_T778New::Calculate01()
{
    const double limit = qMax(0, intValue(F_ChildrenUnder7)) * kUnder7Limit
        + qMax(0, intValue(F_ChildrenOther)) * kOtherLimit + qMax(0, intValue(F_ChildrenDisabled)) * kDisabledLimit;
    const double twoThirds = roundToCent(qMax(0.0, amount(F_EarnedIncome)) * 2.0 / 3.0);
    const bool higherIncomeSpouse =
        isAmountEntered(amount(F_PartnerNetIncome)) && amount(F_NetIncome) > amount(F_PartnerNetIncome);
    const double deduction = higherIncomeSpouse ? 0.0 : qMin(amount(F_Expenses), qMin(limit, twoThirds));
    setAmount(F_Deduction, roundToCent(qMax(0.0, deduction)));
}

void TaxData_T778New::setDependants(DependantInfoStruct *dependants)
{
    CTaxData_Form::setDependants(dependants);
    if (!dependants)
        return;
    // an infirm child counts once, at the limit for children eligible for the disability amount
    setIntValue(F_ChildrenUnder7, dependants->GetDepChildrenNumberBetweenAges_Infirm(0, 6, false));
    setIntValue(F_ChildrenOther, dependants->GetDepChildrenNumberBetweenAges_Infirm(7, 16, false));
    setIntValue(F_ChildrenDisabled, dependants->GetDepChildrenNumberBetweenAges_Infirm(0, kMaxAge, true));
}

void TaxData_T778New::collectWarnings(QList<CString> &warnings) const
{
    const int children = qMax(0, intValue(F_ChildrenUnder7)) + qMax(0, intValue(F_ChildrenOther))
        + qMax(0, intValue(F_ChildrenDisabled));
    if (isAmountEntered(amount(F_Expenses)) && children == 0)
        warnings.append(CString("Child care expenses are entered in form T778, but no eligible child is listed in the "
                                "dependants, so no deduction is allowed. Please confirm the children's dates of "
                                "birth."));
}
