#include "taxdata_cppcontributionform.h"
#include "formtypes.h"
#include "pensionplanlines.h"
#include "taxrates2024.h"

const FieldTable &TaxData_CppContributionForm::commonFields()
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
        {"BaseContribution", FieldKind::Amount, 30800},
        {"EnhancedContribution", FieldKind::Amount},
        {"SelfContribution", FieldKind::Amount, 42100},
        {"Line310", FieldKind::Amount, 31000},
        {"Line222", FieldKind::Amount, 22200},
        {"Line22215", FieldKind::Amount},
        {"Line421", FieldKind::Amount}
    };
    return table;
}

std::vector<FieldSpec> TaxData_CppContributionForm::withSlipAndElectionRows(std::initializer_list<FieldSpec> before,
                                                                           std::initializer_list<FieldSpec> after)
{
    std::vector<FieldSpec> specs(before);
    const FieldSpec shared[] = {
        {"T4Amounts", FieldKind::Flag},
        {"T4CppEarnings", FieldKind::Amount},
        {"T4CppContributions", FieldKind::Amount},
        {"T4QppEarnings", FieldKind::Amount},
        {"T4QppContributions", FieldKind::Amount},
        {"T4CppSlips", FieldKind::Int},
        {"T4QuebecOnlySlips", FieldKind::Int},
        {"T4Exempt", FieldKind::Flag},
        {"Overpayment", FieldKind::Amount},
        {"ElectionPart", FieldKind::Flag},
        {"ElectionAnswer", FieldKind::Int, 0, -1},
    };
    specs.insert(specs.end(), std::begin(shared), std::end(shared));
    specs.insert(specs.end(), after.begin(), after.end());
    return specs;
}

TaxData_CppContributionForm::Keys TaxData_CppContributionForm::keysOf(const FieldTable &t)
{
    auto at = [&t](const char *key) {
        const int i = t.indexOf(QLatin1String(key));
        Q_ASSERT_X(i >= 0, "TaxData_CppContributionForm", key);
        return i;
    };
    return Keys{at("Province"), at("Months"), at("Age"), at("CPT30Needed"), at("SelfEmployment"),
                at("SelfEmploymentQPP"), at("T4CppEarnings"), at("T4CppContributions"), at("T4QppEarnings"),
                at("T4QppContributions"), at("T4Cpp2Contributions"), at("T4Qpp2Contributions"),
                at("BaseContribution"), at("EnhancedContribution"),
                at("SelfContribution"), at("Line310"), at("Line222"), at("Line22215"), at("Line421"),
                at("Overpayment")};
}

TaxData_CppContributionForm::TaxData_CppContributionForm(const FieldTable &fields, int formType, bool bothPlans)
    : CTaxData_Form(fields, KindForm, formType), m_keys(keysOf(fields)), m_bothPlans(bothPlans)
{
}

// Months that count: the months given, or the whole year when none were given
// to a person of contributing age.
int TaxData_CppContributionForm::contributionMonths() const
{
    const int months = intValue(m_keys.months);
    if (months >= 1 && months <= 12)
        return months;
    const int age = intValue(m_keys.age);
    return (months == 0 && (age == 0 || (age >= 18 && age < 70))) ? 12 : 0;
}

// The employee's contributions against what the 2024 rates require on the
// pensionable earnings, and the contributions on self-employment; with both
// plans, the earnings of both count and a resident of Quebec pays to the QPP.
void TaxData_CppContributionForm::Calculate01()
{
    const Keys &k = m_keys;
    double earnings = amount(k.cppEarnings);
    DeductedContributions deducted{amount(k.cppContributions), amount(k.cpp2Contributions)};
    double selfEmployment = amount(k.selfEmployment);
    bool quebec = false;
    if (m_bothPlans) {
        quebec = getMainTaxProvince() == Province::Quebec || intValue(k.province) == Province::Quebec;
        earnings += amount(k.qppEarnings);
        deducted.firstTier += amount(k.qppContributions);
        deducted.secondAdditional += amount(k.qpp2Contributions);
        selfEmployment += amount(k.selfEmploymentQpp);
    }
    const PensionPlanLines l = pensionPlanLines(quebec, earnings, deducted, selfEmployment, contributionMonths());
    setAmount(k.base, l.line30800);
    setAmount(k.line22215, l.line22215);
    setAmount(k.line310, l.line31000);
    setAmount(k.line222, l.line22200);
    setAmount(k.line421, l.line42100);
    setAmount(k.selfContribution, l.line42100);
    setAmount(k.enhanced, tax2024::cents(l.line22215 + l.line22200 - l.line31000));
    setAmount(k.overpayment, l.line44800);
}

void TaxData_CppContributionForm::setT4Contributions(const T4Contributions &c)
{
    setAmount(m_keys.cppEarnings, c.cppEarnings);
    setAmount(m_keys.cppContributions, c.cpp);
    setAmount(m_keys.cpp2Contributions, c.cpp2);
    setAmount(m_keys.qppEarnings, c.qppEarnings);
    setAmount(m_keys.qppContributions, c.qpp);
    setAmount(m_keys.qpp2Contributions, c.qpp2);
}

void TaxData_CppContributionForm::mockCPPQPPMonthIfNeeded()
{
    if (intValue(m_keys.months) <= 0 || intValue(m_keys.months) > 12)
        setIntValue(m_keys.months, 12);
    // past 70 nothing is paid; in the year of the 70th birthday the months up to it count;
    // under 18 all year nothing is owed, and what was deducted is refunded
    const int age = intValue(m_keys.age);
    if ((age > 70 && !flag(m_keys.cpt30Needed)) || (age > 0 && age < 18))
        setIntValue(m_keys.months, 0);
}

void TaxData_CppContributionForm::getCPPRelatedAmounts(double &line22200, double &line22215, double &line31000,
                                                       double &line42100, double &line30800,
                                                       double &line44800) const
{
    line22200 = amount(m_keys.line222);
    line22215 = amount(m_keys.line22215);
    line31000 = amount(m_keys.line310);
    line42100 = amount(m_keys.line421);
    line30800 = amount(m_keys.base);
    line44800 = amount(m_keys.overpayment);
}
