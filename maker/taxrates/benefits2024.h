#pragma once
// Canada workers benefit (Schedule 6, 2024) and the RRSP dollar limits.

namespace tax2024 {

namespace cwb {
constexpr double kPhaseInRate = 0.27;
constexpr double kWorkingIncomeFloor = 3000.0;
constexpr double kBasicMaxSingle = 1590.0;
constexpr double kBasicMaxFamily = 2739.0;
constexpr double kPhaseOutRate = 0.15;
constexpr double kThresholdSingle = 26149.0;
constexpr double kThresholdFamily = 29833.0;

// Schedule 6 (2024), disability supplement: 27 % of working income over 1,150,
// at most 821, reduced by 15 % (7.5 % when both spouses receive it) of adjusted
// family net income over 36,748 (single) or 48,091 (family): these give the CRA's
// published nil points 42,221 and 53,565.
constexpr double kDisabilityWorkingIncomeFloor = 1150.0;
constexpr double kDisabilityMax = 821.0;
constexpr double kDisabilityThresholdSingle = 36748.0;
constexpr double kDisabilityThresholdFamily = 48091.0;
} // namespace cwb

// Basic CWB of a single person or of a family (spouse or eligible dependant),
// from working income (of the family) and adjusted family net income. The
// special regimes of Quebec, Alberta and Nunavut are not covered.
double cwbBasicAmount(double workingIncome, double adjustedFamilyNetIncome, bool family);

// Disability supplement of a person eligible for the disability tax credit.
double cwbDisabilitySupplement(double workingIncome, double adjustedFamilyNetIncome, bool family,
                               bool spouseAlsoEligible = false);

namespace rrsp {
constexpr double kEarnedIncomeRate = 0.18;
// The dollar limit of the 2024 deduction limit (on 2023 earned income).
constexpr double kDollarLimit2024 = 31560.0;
// The dollar limit of the 2025 deduction limit that a 2024 return reports
// (on 2024 earned income).
constexpr double kDollarLimit2025 = 32490.0;
} // namespace rrsp

// 18 % of 2023 earned income, at most 31,560 (before pension adjustments and
// unused room).
double rrspEarnedIncomeLimit2024(double earnedIncome2023);
// 18 % of 2024 earned income, at most 32,490: the new room for 2025.
double rrspEarnedIncomeLimit2025(double earnedIncome2024);

} // namespace tax2024
