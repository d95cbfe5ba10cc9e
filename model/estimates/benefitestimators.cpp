#include "benefitestimators.h"

#include <algorithm>

namespace {

// Benefit year July 2025 to June 2026, worked on the 2024 return's adjusted family net income.
namespace ccb {
constexpr double maxUnder6 = 7997.0;
constexpr double max6To17 = 6748.0;
constexpr double maxDisability = 3411.0;
constexpr double threshold1 = 37487.0;
constexpr double threshold2 = 81222.0;

// Indexed by the number of children, 1 to "4 or more". The base reduction is the
// first rate over the whole first band (43,735), to the dollar.
constexpr double firstRate[4] = {0.07, 0.135, 0.19, 0.23};
constexpr double baseReduction[4] = {3061.0, 5904.0, 8310.0, 10059.0};
constexpr double secondRate[4] = {0.032, 0.057, 0.08, 0.095};

constexpr double disabilityRateOne = 0.032;
constexpr double disabilityRateMore = 0.057;
} // namespace ccb

// July 2025 to June 2026 (2024 base year).
namespace gst {
constexpr double perAdult = 349.0;
constexpr double couple = 698.0;
constexpr double perChild = 184.0;
constexpr double maxSupplement = 184.0;
constexpr double supplementBase = 11337.0;
constexpr double supplementRate = 0.02;
constexpr double reductionThreshold = 45521.0;
constexpr double reductionRate = 0.05;
} // namespace gst

} // namespace

double estimateChildBenefit(int /*province*/, int childrenUnder6, int children6To17,
                            int childrenWithDisability, double familyNetIncome)
{
    const int n = childrenUnder6 + children6To17;
    if (n <= 0)
        return 0.0;
    const int column = std::min(n, 4) - 1;

    const double excess = std::max(familyNetIncome - ccb::threshold2, 0.0);
    double reduction = 0.0;
    if (familyNetIncome > ccb::threshold1) {
        if (familyNetIncome <= ccb::threshold2)
            reduction = (familyNetIncome - ccb::threshold1) * ccb::firstRate[column];
        else
            reduction = ccb::baseReduction[column] + excess * ccb::secondRate[column];
    }

    const double benefit = std::max(
        ccb::maxUnder6 * childrenUnder6 + ccb::max6To17 * children6To17 - reduction, 0.0);
    if (childrenWithDisability <= 0)
        return benefit;

    const double rate =
        childrenWithDisability == 1 ? ccb::disabilityRateOne : ccb::disabilityRateMore;
    const double supplement =
        std::max(ccb::maxDisability * childrenWithDisability - excess * rate, 0.0);
    return benefit + supplement;
}

double estimateGstHstCredit(double netIncome, bool hasSpouse, double spouseNetIncome,
                            bool hasEligibleDependant, int childCount)
{
    const int children = std::max(childCount, 0);
    double base = 0.0;
    double supplement = 0.0;
    if (hasSpouse) {
        base = gst::couple + gst::perChild * children;
    } else {
        base = hasEligibleDependant ? gst::couple + gst::perChild * children : gst::perAdult;
        // A single parent gets the whole supplement; others have it phased in.
        if (children > 0 || hasEligibleDependant)
            supplement = gst::maxSupplement;
        else
            supplement = std::clamp((netIncome - gst::supplementBase) * gst::supplementRate,
                                    0.0, gst::maxSupplement);
    }

    const double familyIncome = netIncome + spouseNetIncome;
    const double reduction = familyIncome < gst::reductionThreshold
                                 ? 0.0
                                 : (familyIncome - gst::reductionThreshold) * gst::reductionRate;
    return std::max(base + supplement - reduction, 0.0);
}
