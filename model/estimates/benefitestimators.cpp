#include "benefitestimators.h"

#include <algorithm>

namespace {

// Benefit year July 2024 to June 2025.
namespace ccb {
constexpr double maxUnder6 = 7787.0;
constexpr double max6To17 = 6570.0;
constexpr double maxDisability = 3322.0;
constexpr double threshold1 = 36502.0;
constexpr double threshold2 = 79087.0;

// Indexed by the number of children, 1 to "4 or more".
constexpr double firstRate[4] = {0.07, 0.135, 0.19, 0.23};
constexpr double baseReduction[4] = {2981.0, 5749.0, 8091.0, 9795.0};
constexpr double secondRate[4] = {0.032, 0.057, 0.08, 0.095};

constexpr double disabilityRateOne = 0.032;
constexpr double disabilityRateMore = 0.057;
} // namespace ccb

namespace gst {
constexpr double perAdult = 340.0;
constexpr double couple = 680.0;
constexpr double perChild = 179.0;
constexpr double maxSupplement = 179.0;
constexpr double supplementBase = 11039.0;
constexpr double supplementRate = 0.02;
constexpr double reductionThreshold = 44324.0;
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
