#include "pensionplanlines.h"
#include "taxrates2024.h"
#include <algorithm>

using namespace tax2024;

PensionPlanLines pensionPlanLines(bool quebecPlan, double pensionableEarnings, double employeeContributions,
                                  double selfEmploymentEarnings, int months)
{
    PensionPlanLines l;
    const PensionPlan plan = quebecPlan ? PensionPlan::Qpp : PensionPlan::Cpp;
    const double earnings = std::max(0.0, pensionableEarnings);
    const double paid = std::max(0.0, cents(employeeContributions));
    const PensionContributions required =
        months > 0 ? employeePensionContributions(plan, earnings, months) : PensionContributions();

    // What was deducted counts up to what was required; the rest is overpaid. A
    // shortfall is split between base and enhanced in the proportion required.
    if (paid >= required.total) {
        l.line30800 = required.creditPart;
        l.line22215 = required.deductionPart;
        l.line44800 = cents(paid - required.total);
    } else if (required.total > 0.0) {
        l.line30800 = cents(paid * required.creditPart / required.total);
        l.line22215 = cents(paid - l.line30800);
    }

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
