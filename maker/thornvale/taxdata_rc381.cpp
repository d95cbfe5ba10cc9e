#include "taxdata_rc381.h"
#include "pensionplanlines.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"Months", FieldKind::Int},
        {"SecondMonths", FieldKind::Int},
        {"SelfEmployment", FieldKind::Amount},
        {"SelfEmploymentQPP", FieldKind::Amount},
        {"CPT20Line16", FieldKind::Amount},
        {"CPT20Line17", FieldKind::Amount},
        {"Age", FieldKind::Int},
        {"Deceased", FieldKind::Flag},
        {"CPT30Needed", FieldKind::Flag},
        {"Allow372", FieldKind::Flag},
        {"Allow374", FieldKind::Flag},
        {"Switch", FieldKind::Flag},
        {"BaseContribution", FieldKind::Amount, 22215},
        {"EnhancedContribution", FieldKind::Amount},
        {"SelfContribution", FieldKind::Amount, 42100},
        {"Line310", FieldKind::Amount, 31000},
        {"Line222", FieldKind::Amount, 22200},
        {"Line22215", FieldKind::Amount},
        {"Line421", FieldKind::Amount},
        {"T4Amounts", FieldKind::Flag},
        {"T4CppEarnings", FieldKind::Amount},
        {"T4CppContributions", FieldKind::Amount},
        {"T4QppEarnings", FieldKind::Amount},
        {"T4QppContributions", FieldKind::Amount},
        {"T4CppSlips", FieldKind::Int},
        {"T4QuebecOnlySlips", FieldKind::Int},
        {"T4Exempt", FieldKind::Flag},
        {"Overpayment", FieldKind::Amount}
    };
    return table;
}

// Months that count: the months given, or the whole year when none were given
// to a person of contributing age.
int contributionMonths(const TaxData_RC381 &f)
{
    const int months = f.intValue(TaxData_RC381::F_Months);
    if (months >= 1 && months <= 12)
        return months;
    const int age = f.intValue(TaxData_RC381::F_Age);
    return (months == 0 && (age == 0 || (age >= 18 && age < 70))) ? 12 : 0;
}

} // namespace

TaxData_RC381::TaxData_RC381() : CTaxData_Form(formFields(), KindForm, 148)
{
}

// The employee's QPP and CPP contributions against what the 2024 rates require
// on the pensionable earnings of both plans, and the contributions on
// self-employment: a resident of Quebec pays to the Quebec plan.
void TaxData_RC381::Calculate01()
{
    const bool quebec = getMainTaxProvince() == 11 || intValue(F_Province) == 11;
    const PensionPlanLines l = pensionPlanLines(quebec, amount(F_T4QppEarnings) + amount(F_T4CppEarnings),
                                                amount(F_T4QppContributions) + amount(F_T4CppContributions),
                                                amount(F_SelfEmploymentQPP) + amount(F_SelfEmployment),
                                                contributionMonths(*this));
    setAmount(F_BaseContribution, l.line30800);
    setAmount(F_Line22215, l.line22215);
    setAmount(F_Line310, l.line31000);
    setAmount(F_Line222, l.line22200);
    setAmount(F_Line421, l.line42100);
    setAmount(F_SelfContribution, l.line42100);
    setAmount(F_EnhancedContribution, tax2024::cents(l.line22215 + l.line22200 - l.line31000));
    setAmount(F_Overpayment, l.line44800);
}

void TaxData_RC381::mockCPPQPPMonthIfNeeded()
{
    if (intValue(F_Months) <= 0 || intValue(F_Months) > 12)
        setIntValue(F_Months, 12);
    if (intValue(F_Age) >= 70 && !flag(F_CPT30Needed))
        setIntValue(F_Months, 0);
}

void TaxData_RC381::getCPPRelatedAmounts(double &line22200, double &line22215, double &line31000, double &line42100, double &line30800, double &line44800) const
{
    line22200 = amount(F_Line222);
    line22215 = amount(F_Line22215);
    line31000 = amount(F_Line310);
    line42100 = amount(F_Line421);
    line30800 = amount(F_BaseContribution);
    line44800 = amount(F_Overpayment);
}
