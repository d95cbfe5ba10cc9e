#include "pensionplanlines.h"
#include "taxrates2024.h"
#include <algorithm>

using namespace tax2024;

namespace {

// Each tier of what was deducted counts up to what that tier requires; the rest is
// overpaid. What counts of the first tier is split in the ratio of the base and first
// additional rates (CPP: 4.95 / 5.95, 83.1933 % base); the second additional part is
// deducted whole. A tier the employer did not deduct takes nothing from the other.
void employmentLines(PensionPlan plan, const PensionContributions &required, const DeductedContributions &deducted,
                     PensionPlanLines &l)
{
    const double firstPaid = std::max(0.0, cents(deducted.firstTier));
    const double secondPaid = std::max(0.0, cents(deducted.secondAdditional));
    const double firstRequired = cents(required.base + required.firstAdditional);
    const double firstCounted = std::min(firstPaid, firstRequired);
    const double secondCounted = std::min(secondPaid, required.secondAdditional);
    const FirstTierParts counted = splitFirstTier(plan, firstCounted);
    l.line30800 = counted.base;
    l.line22215 = cents(counted.firstAdditional + secondCounted);
    l.line44800 = cents(firstPaid - firstCounted + secondPaid - secondCounted);
}

} // namespace

PensionPlanLines pensionPlanLines(bool quebecPlan, double pensionableEarnings, const DeductedContributions &deducted,
                                  double selfEmploymentEarnings, int months)
{
    PensionPlanLines l;
    const PensionPlan plan = quebecPlan ? PensionPlan::Qpp : PensionPlan::Cpp;
    const double earnings = std::max(0.0, pensionableEarnings);
    const PensionContributions required =
        months > 0 ? employeePensionContributions(plan, earnings, months) : PensionContributions();
    employmentLines(plan, required, deducted, l);

    if (months > 0 && selfEmploymentEarnings > 0.0) {
        // a part of the year (turning 18 or 70, death): the earnings of its months
        const double ownEarnings = months < 12 ? cents(selfEmploymentEarnings * months / 12.0) : selfEmploymentEarnings;
        const PensionContributions own = selfEmployedPensionContributions(plan, ownEarnings, earnings, months);
        l.line31000 = own.creditPart;
        l.line22200 = own.deductionPart;
        l.line42100 = own.total;
    }
    return l;
}
