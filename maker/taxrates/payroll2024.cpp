#include "payroll2024.h"

#include "money2024.h"

#include <algorithm>

namespace tax2024 {

namespace {
double baseRate(PensionPlan plan)
{
    return plan == PensionPlan::Qpp ? payroll::kQppBaseRate : payroll::kCppBaseRate;
}

// Earnings in the first tier (above the exemption, up to the YMPE) and in the
// second tier (YMPE to YAMPE).
struct Tiers
{
    double first = 0.0;
    double second = 0.0;
};

Tiers tiers(double earnings, const PensionLimits &l)
{
    Tiers t;
    t.first = std::max(0.0, std::min(earnings, l.ympe) - l.exemption);
    t.second = clampAmount(earnings, l.ympe, l.yampe) - l.ympe;
    return t;
}

// A self-employed person pays both shares (employee and employer), each rounded on its own.
PensionContributions selfEmployedFromTiers(PensionPlan plan, const Tiers &t)
{
    PensionContributions c;
    c.base = cents(t.first * baseRate(plan)) * 2;
    c.firstAdditional = cents(t.first * payroll::kFirstAdditionalRate) * 2;
    c.secondAdditional = cents(t.second * payroll::kSecondAdditionalRate) * 2;
    c.total = cents(c.base + c.firstAdditional + c.secondAdditional);
    return c;
}

double firstTierRate(PensionPlan plan)
{
    return baseRate(plan) + payroll::kFirstAdditionalRate;
}

// An employee's contribution on the first tier is one product, as the payroll deducts
// it, split into its base and first additional parts in the ratio of their rates; so
// the parts add up to the contribution and a slip deducted exactly shows no overpayment.
PensionContributions employeeFromTiers(PensionPlan plan, const Tiers &t)
{
    PensionContributions c;
    const double firstTier = cents(t.first * firstTierRate(plan));
    const FirstTierParts parts = splitFirstTier(plan, firstTier);
    c.base = parts.base;
    c.firstAdditional = parts.firstAdditional;
    c.secondAdditional = cents(t.second * payroll::kSecondAdditionalRate);
    c.total = cents(firstTier + c.secondAdditional);
    return c;
}
} // namespace

FirstTierParts splitFirstTier(PensionPlan plan, double firstTierAmount)
{
    FirstTierParts parts;
    parts.firstAdditional = cents(firstTierAmount * payroll::kFirstAdditionalRate / firstTierRate(plan));
    parts.base = cents(firstTierAmount - parts.firstAdditional);
    return parts;
}

PensionLimits pensionLimits(int months)
{
    PensionLimits l;
    months = std::max(0, std::min(months, 12));
    if (months == 12)
        return l;
    l.ympe = cents(payroll::kYmpe * months / 12.0);
    l.yampe = cents(payroll::kYampe * months / 12.0);
    l.exemption = cents(payroll::kBasicExemption * months / 12.0);
    return l;
}

PensionContributions employeePensionContributions(PensionPlan plan, double pensionableEarnings, int months)
{
    PensionContributions c = employeeFromTiers(plan, tiers(pensionableEarnings, pensionLimits(months)));
    c.creditPart = c.base;
    c.deductionPart = cents(c.firstAdditional + c.secondAdditional);
    return c;
}

PensionContributions cppEmployee(double pensionableEarnings, int months)
{
    return employeePensionContributions(PensionPlan::Cpp, pensionableEarnings, months);
}

PensionContributions qppEmployee(double pensionableEarnings, int months)
{
    return employeePensionContributions(PensionPlan::Qpp, pensionableEarnings, months);
}

PensionContributions selfEmployedPensionContributions(PensionPlan plan, double selfEmploymentEarnings,
                                                      double employmentEarnings, int months)
{
    const PensionLimits l = pensionLimits(months);
    const double employment = std::max(0.0, employmentEarnings);
    const Tiers all = tiers(employment + std::max(0.0, selfEmploymentEarnings), l);
    const Tiers onEmployment = tiers(employment, l);
    Tiers own;
    own.first = all.first - onEmployment.first;
    own.second = all.second - onEmployment.second;
    PensionContributions c = selfEmployedFromTiers(plan, own);
    c.creditPart = cents(c.base / 2.0);
    c.deductionPart = cents(c.total - c.creditPart);
    return c;
}

PensionContributions cppSelfEmployed(double selfEmploymentEarnings, double employmentEarnings, int months)
{
    return selfEmployedPensionContributions(PensionPlan::Cpp, selfEmploymentEarnings, employmentEarnings, months);
}

double eiPremium(double insurableEarnings, bool quebec)
{
    const double insurable = clampAmount(insurableEarnings, 0.0, payroll::kEiMaxInsurable);
    return cents(insurable * (quebec ? payroll::kEiRateQuebec : payroll::kEiRate));
}

} // namespace tax2024

// ==== EI benefits repayment (lines 23500 and 42200) ==========================
namespace tax2024 {
double eiBenefitsRepayment(double repaymentBase, double netIncomeBeforeAdjustments)
{
    const double excess = std::max(0.0, netIncomeBeforeAdjustments - payroll::kEiRepaymentThreshold);
    return cents(payroll::kEiRepaymentRate * std::min(std::max(0.0, repaymentBase), excess));
}
} // namespace tax2024
