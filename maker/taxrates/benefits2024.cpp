#include "benefits2024.h"

#include "money2024.h"
#include "provincerates2024.h"

#include <algorithm>

namespace tax2024 {

namespace {

using Rules = CwbRule[4]; // by CwbFamilyType

// Every province without a regime of its own.
constexpr CwbRule kBasicSingle{cwb::kWorkingIncomeFloor, cwb::kPhaseInRate, cwb::kBasicMaxSingle,
                               cwb::kThresholdSingle, cwb::kPhaseOutRate, false};
constexpr CwbRule kBasicFamily{cwb::kWorkingIncomeFloor, cwb::kPhaseInRate, cwb::kBasicMaxFamily,
                               cwb::kThresholdFamily, cwb::kPhaseOutRate, false};
constexpr CwbRule kDisabilitySingle{cwb::kDisabilityWorkingIncomeFloor, cwb::kPhaseInRate, cwb::kDisabilityMax,
                                    cwb::kDisabilityThresholdSingle, cwb::kPhaseOutRate, true};
constexpr CwbRule kDisabilityFamily{cwb::kDisabilityWorkingIncomeFloor, cwb::kPhaseInRate, cwb::kDisabilityMax,
                                    cwb::kDisabilityThresholdFamily, cwb::kPhaseOutRate, true};
constexpr Rules kBasic{kBasicSingle, kBasicFamily, kBasicFamily, kBasicFamily};
constexpr Rules kDisability{kDisabilitySingle, kDisabilityFamily, kDisabilityFamily, kDisabilityFamily};

// Alberta: 21 % over 2,760; 1,704 / 2,551 (2021's 1,495 / 2,238 indexed to 2024), less 15 % over
// 25,472 / 31,911 (the CRA's nil points 36,832 / 48,918). The supplement: 821, phased in from 910
// (2019's figure) at the federal 27 % (Alberta's rate was not found), less 15 % from the basic
// nil points (derived from the CRA's nil points 42,306 / 54,392).
constexpr CwbRule kAlbertaSingle{2760.0, 0.21, 1704.0, 25472.0, 0.15, false};
constexpr CwbRule kAlbertaFamily{2760.0, 0.21, 2551.0, 31911.0, 0.15, false};
constexpr CwbRule kAlbertaDisabilitySingle{910.0, cwb::kPhaseInRate, 821.0, 36832.0, 0.15, true};
constexpr CwbRule kAlbertaDisabilityFamily{910.0, cwb::kPhaseInRate, 821.0, 48918.0, 0.15, true};
constexpr Rules kAlberta{kAlbertaSingle, kAlbertaFamily, kAlbertaFamily, kAlbertaFamily};
constexpr Rules kAlbertaDisability{kAlbertaDisabilitySingle, kAlbertaDisabilityFamily, kAlbertaDisabilityFamily,
                                   kAlbertaDisabilityFamily};

// Nunavut: 14 % over 6,000; 1,578 / 2,371, less 4 % over 26,127 (single) or 8 % over 35,957.
// The supplement: 26 % over 4,800, at most 912, less 12 % from the basic nil point (65,577 /
// 65,594.50).
constexpr CwbRule kNunavutSingle{6000.0, 0.14, 1578.0, 26127.0, 0.04, false};
constexpr CwbRule kNunavutFamily{6000.0, 0.14, 2371.0, 35957.0, 0.08, false};
constexpr CwbRule kNunavutDisabilitySingle{4800.0, 0.26, 912.0, 65577.0, 0.12, false};
constexpr CwbRule kNunavutDisabilityFamily{4800.0, 0.26, 912.0, 65594.5, 0.12, false};
constexpr Rules kNunavut{kNunavutSingle, kNunavutFamily, kNunavutFamily, kNunavutFamily};
constexpr Rules kNunavutDisability{kNunavutDisabilitySingle, kNunavutDisabilityFamily, kNunavutDisabilityFamily,
                                   kNunavutDisabilityFamily};

// Quebec: working income over 2,400 (3,600 of a couple's); 37.3 % (single, couple without
// dependants), 20 % (single parent), 23.9 % (couple with dependants); the maxima of 2023's form
// indexed by 4.7 %, the thresholds from the CRA's nil points; less 20 %. The supplement: 40 %
// (20 % of a couple) over 1,200, at most 827.72, less 20 % from the basic nil point.
constexpr Rules kQuebec{CwbRule{2400.0, 0.373, 3687.40, 13919.72, 0.20, false},
                        CwbRule{2400.0, 0.20, 1977.15, 14030.08, 0.20, false},
                        CwbRule{3600.0, 0.373, 5755.64, 21371.84, 0.20, false},
                        CwbRule{3600.0, 0.239, 3687.93, 21530.07, 0.20, false}};
constexpr Rules kQuebecDisability{CwbRule{1200.0, 0.40, 827.72, 32356.72, 0.20, false},
                                  CwbRule{1200.0, 0.40, 827.72, 23915.83, 0.20, false},
                                  CwbRule{1200.0, 0.20, 827.72, 50150.04, 0.20, false},
                                  CwbRule{1200.0, 0.20, 827.72, 39969.72, 0.20, false}};

const Rules &rulesOf(int province, bool disability)
{
    switch (static_cast<Province>(province)) {
    case Province::AB: return disability ? kAlbertaDisability : kAlberta;
    case Province::NU: return disability ? kNunavutDisability : kNunavut;
    case Province::QC: return disability ? kQuebecDisability : kQuebec;
    default: return disability ? kDisability : kBasic;
    }
}

CwbFamilyType familyType(bool family)
{
    return family ? CwbFamilyType::Couple : CwbFamilyType::Single;
}

} // namespace

const CwbRule &cwbBasicRule(int province, CwbFamilyType type)
{
    return rulesOf(province, false)[static_cast<int>(type)];
}

const CwbRule &cwbDisabilityRule(int province, CwbFamilyType type)
{
    return rulesOf(province, true)[static_cast<int>(type)];
}

double cwbAmount(const CwbRule &rule, double workingIncome, double adjustedFamilyNetIncome, bool spouseAlsoEligible)
{
    const double earned =
        std::min(rule.maximum, cents(std::max(0.0, workingIncome - rule.phaseInStart) * rule.phaseInRate));
    const double rate = spouseAlsoEligible && rule.halvedForTwo ? rule.phaseOutRate / 2.0 : rule.phaseOutRate;
    const double reduction = cents(std::max(0.0, adjustedFamilyNetIncome - rule.threshold) * rate);
    return std::max(0.0, cents(earned - reduction));
}

double cwbSecondaryEarnerExemption(double workingIncome, double spouseWorkingIncome)
{
    const double lower = std::max(0.0, std::min(workingIncome, spouseWorkingIncome));
    return std::min(lower, kCwbSecondaryEarnerExemption);
}

double cwbBasicAmount(double workingIncome, double adjustedFamilyNetIncome, bool family)
{
    return cwbAmount(cwbBasicRule(0, familyType(family)), workingIncome, adjustedFamilyNetIncome);
}

double cwbDisabilitySupplement(double workingIncome, double adjustedFamilyNetIncome, bool family,
                               bool spouseAlsoEligible)
{
    return cwbAmount(cwbDisabilityRule(0, familyType(family)), workingIncome, adjustedFamilyNetIncome,
                     family && spouseAlsoEligible);
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
