#include "benefits2024.h"

#include "money2024.h"

#include <algorithm>

namespace tax2024 {

double cwbBasicAmount(double workingIncome, double adjustedFamilyNetIncome, bool family)
{
    const double max = family ? cwb::kBasicMaxFamily : cwb::kBasicMaxSingle;
    const double threshold = family ? cwb::kThresholdFamily : cwb::kThresholdSingle;
    const double earned = std::min(max, cents(std::max(0.0, workingIncome - cwb::kWorkingIncomeFloor) * cwb::kPhaseInRate));
    const double reduction = cents(std::max(0.0, adjustedFamilyNetIncome - threshold) * cwb::kPhaseOutRate);
    return std::max(0.0, cents(earned - reduction));
}

double cwbDisabilitySupplement(double workingIncome, double adjustedFamilyNetIncome, bool family,
                               bool spouseAlsoEligible)
{
    const double earned = std::min(cwb::kDisabilityMax,
                                   cents(std::max(0.0, workingIncome - cwb::kDisabilityWorkingIncomeFloor) * cwb::kPhaseInRate));
    const double threshold = family ? cwb::kDisabilityThresholdFamily : cwb::kDisabilityThresholdSingle;
    const double rate = family && spouseAlsoEligible ? cwb::kPhaseOutRate / 2.0 : cwb::kPhaseOutRate;
    const double reduction = cents(std::max(0.0, adjustedFamilyNetIncome - threshold) * rate);
    return std::max(0.0, cents(earned - reduction));
}

double rrspEarnedIncomeLimit2024(double earnedIncome2023)
{
    return clampAmount(cents(earnedIncome2023 * rrsp::kEarnedIncomeRate), 0.0, rrsp::kDollarLimit2024);
}

double rrspEarnedIncomeLimit2025(double earnedIncome2024)
{
    return clampAmount(cents(earnedIncome2024 * rrsp::kEarnedIncomeRate), 0.0, rrsp::kDollarLimit2025);
}

} // namespace tax2024
