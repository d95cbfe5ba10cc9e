// The 2024 figures of the twelve provinces and territories, one row each.
// Figures come from the 2024 provincial forms (xx428) and the CRA's 2024
// payroll tables; where a figure is not in our reference data, the comment
// names the form line it comes from.
#include "provincerates2024.h"

#include "federal2024.h"

namespace tax2024 {

namespace {
constexpr IncomeTestedAmount kNone{0.0, 0.0, 0.0};
constexpr LowIncomeReduction kNoReduction{LowIncomeRule::None, 0, 0, 0, 0, 0, 0, 0};
constexpr double kAgeRate = 0.15;
// The provincial maximum of the medical-expense threshold is not found for NL in
// 2024: its row uses the federal maximum. It matters only when 3 % of net income
// exceeds it (net income above about 92,000).
constexpr double kMedicalNotConfirmed = fed::kMedicalThresholdMax;
// Medical-expense maximums of 2024: AB428 2,828 (2023's 2,714 indexed by 4.2 %),
// NB428 line 43 2,724, SK428 2,610 (indexed from 2017's 2,268); NT and NU follow the
// federal 2,759.
constexpr double kAbMedicalMax = 2828.0;
constexpr double kNbMedicalMax = 2724.0;
constexpr double kSkMedicalMax = 2610.0;
constexpr double kTerritoryMedicalMax = fed::kMedicalThresholdMax;
// NT428 2024 disability amount: 2023's 13,456 indexed by the territory's 4.7 %.
constexpr double kNtDisabilityAmount = 14088.0;

// ---- 2024 figures added with their form lines --------------------------------
// NU428 2024 line 58080: the 2023 maximum 11,442 indexed by Nunavut's 4.7 %
// (the factor of its basic personal amount, 17,925 -> 18,767): 11,980, reduced
// by 15 % of net income over 44,325.
constexpr IncomeTestedAmount kNuAge{11980.0, 44325.0, kAgeRate};
// PE428 2024 Part D, low-income tax reduction: per dependent child and per
// person aged 65 or older (the form has no part for a disability).
constexpr double kPeChildReduction = 300.0;
constexpr double kPeAgeReduction = 250.0;
// -------------------------------------------------------------------------------

const ProvinceRates kProvinces[] = {
    {Province::AB, "AB", 5,
     {{0.0, 0.10}, {148269.0, 0.12}, {177922.0, 0.13}, {237230.0, 0.14}, {355845.0, 0.15}},
     0.10, BpaRule::Flat, 21885.0, kNone,
     // age threshold 45,399: AB428 2024 line 58080 worksheet (TD1AB 2024)
     {6099.0, 45399.0, kAgeRate}, kNone, 0.0,
     21885.0, 21885.0,
     1685.0, 0.0, 0.0,
     0.0812, 0.0218,
     {0.60, 0.21, 0.0, 0.0},
     0, {},
     kNoReduction, false, false,
     16882.0, kAbMedicalMax},

    {Province::BC, "BC", 7,
     {{0.0, 0.0506}, {47937.0, 0.077}, {95875.0, 0.105}, {110076.0, 0.1229}, {133664.0, 0.147},
      {181232.0, 0.168}, {252752.0, 0.205}},
     0.0506, BpaRule::Flat, 12580.0, kNone,
     {5641.0, 41993.0, kAgeRate}, kNone, 0.0,
     10772.0, 11850.0,
     1000.0, 0.0, 0.0,
     0.12, 0.0196,
     {0.0506, 0.168, 0.205, 252752.0},
     0, {},
     {LowIncomeRule::Individual, 547.0, 0, 0, 0, 0, 0.0356, 24338.0}, false, false,
     9435.0, 2616.0},

    {Province::MB, "MB", 3,
     {{0.0, 0.108}, {47000.0, 0.1275}, {100000.0, 0.174}},
     0.108, BpaRule::Flat, 15780.0, kNone,
     // age 3,728 over 27,749 and pension 1,000: MB428 2024 lines 58080 / 58360 (frozen amounts)
     {3728.0, 27749.0, kAgeRate}, kNone, 0.0,
     9134.0, 9134.0,
     1000.0, 0.0, 0.0,
     0.08, 0.007835,
     // donations: MB428 2024 line 58969 (10.8 % / 17.4 %)
     {0.108, 0.174, 0.0, 0.0},
     0, {},
     // family tax benefit (MB428-A 2024): 2,065 for the filer and for each of a spouse or
     // eligible dependant claimed, the filer 65 or older and a spouse claimed 65 or older;
     // 2,752 per dependent child and per disability amount; less 9 % of the filer's net income
     {LowIncomeRule::ManitobaFamily, 2065.0, 2065.0, 2752.0, 2065.0, 2752.0, 0.09, 0.0}, false, false,
     // disability 6,180 and medical threshold 1,728: frozen amounts of MB428
     6180.0, 1728.0},

    {Province::NB, "NB", 4,
     {{0.0, 0.094}, {49958.0, 0.14}, {99916.0, 0.16}, {185064.0, 0.195}},
     0.094, BpaRule::Flat, 13044.0, kNone,
     {5878.0, 43763.0, kAgeRate}, kNone, 0.0,
     10223.0, 11246.0,
     1000.0, 0.0, 0.0,
     0.14, 0.0275,
     // donations: NB428 2024 line 58969 (9.4 % / 17.95 %)
     {0.094, 0.1795, 0.0, 0.0},
     0, {},
     // low-income tax reduction: the spouse may claim the part left unused (line 61560)
     {LowIncomeRule::Family, 781.0, 781.0, 0, 0, 0, 0.03, 21343.0, 0.0, true}, false, false,
     9747.0, kNbMedicalMax},

    {Province::NL, "NL", 8,
     {{0.0, 0.087}, {43198.0, 0.145}, {86395.0, 0.158}, {154244.0, 0.178}, {215943.0, 0.198},
      {275870.0, 0.208}, {551739.0, 0.213}, {1103478.0, 0.218}},
     0.087, BpaRule::Flat, 10818.0, kNone,
     {6905.0, 37842.0, kAgeRate}, kNone, 0.0,
     8840.0, 9725.0,
     // pension 1,000 (not indexed): NL428 2024 line 58360
     1000.0, 0.0, 0.0,
     0.063, 0.032,
     // donations: NL428 2024 line 58969 (8.7 % / 21.8 %)
     {0.087, 0.218, 0.0, 0.0},
     0, {},
     // low-income tax reduction, NL428 2024: 974 for the claimant and 544 for a spouse or
     // eligible dependant, less 16 % of net income over 23,390 (single) or of adjusted
     // family net income over 39,551 (family); nil from 29,478 and 49,039; the spouse may
     // claim the part left unused
     {LowIncomeRule::Family, 974.0, 544.0, 0, 0, 0, 0.16, 23390.0, 39551.0, true}, false, false,
     7299.0, kMedicalNotConfirmed},

    {Province::NT, "NT", 4,
     {{0.0, 0.059}, {50597.0, 0.086}, {101198.0, 0.122}, {164525.0, 0.1405}},
     0.059, BpaRule::Flat, 17373.0, kNone,
     // age 8,497 over 44,325: NT428 2024 line 58080 (2023's 8,116 indexed by 4.7 %)
     {8497.0, 44325.0, kAgeRate}, kNone, 0.0,
     17373.0, 17373.0,
     // pension 1,000: NT428 2024 line 58360
     1000.0, 0.0, 0.0,
     0.115, 0.06,
     // donations: NT428 2024 line 58969 (5.9 % / 14.05 %)
     {0.059, 0.1405, 0.0, 0.0},
     0, {},
     kNoReduction, false, false,
     kNtDisabilityAmount, kTerritoryMedicalMax},

    {Province::NS, "NS", 5,
     {{0.0, 0.0879}, {29590.0, 0.1495}, {59180.0, 0.1667}, {93000.0, 0.175}, {150000.0, 0.21}},
     0.0879, BpaRule::Supplemented, 8481.0, {3000.0, 25000.0, 0.06},
     {4141.0, 30828.0, kAgeRate}, {1465.0, 25000.0, 0.0293}, 0.0,
     8481.0, 9329.0,
     // pension 1,173: NS428 2024 line 58360
     1173.0, 0.0, 0.0,
     0.0885, 0.0299,
     // donations: NS428 2024 line 58969 (8.79 % / 21 %)
     {0.0879, 0.21, 0.0, 0.0},
     0, {},
     {LowIncomeRule::Family, 300.0, 300.0, 165.0, 0, 0, 0.05, 15000.0}, false, false,
     // medical threshold 1,637: NS428 (not indexed)
     7341.0, 1637.0},

    {Province::NU, "NU", 4,
     {{0.0, 0.04}, {53268.0, 0.07}, {106537.0, 0.09}, {173205.0, 0.115}},
     0.04, BpaRule::Flat, 18767.0, kNone,
     // age amount: NU428 2024 line 58080 (see the block below)
     kNuAge, kNone, 0.0,
     18767.0, 18767.0,
     // pension 2,000: NU428 2024 line 58360
     2000.0, 0.0, 0.0,
     0.0551, 0.0261,
     // donations: NU428 2024 line 58969 (4 % / 11.5 %)
     {0.04, 0.115, 0.0, 0.0},
     0, {},
     kNoReduction, false, false,
     // disability amount: no 2024 figure found, nil
     0.0, kTerritoryMedicalMax},

    {Province::ON, "ON", 5,
     {{0.0, 0.0505}, {51446.0, 0.0915}, {102894.0, 0.1116}, {150000.0, 0.1216}, {220000.0, 0.1316}},
     0.0505, BpaRule::Flat, 12399.0, kNone,
     {6054.0, 45068.0, kAgeRate}, kNone, 0.0,
     10528.0, 11581.0,
     1714.0, 0.0, 0.0,
     0.10, 0.029863,
     {0.0505, 0.1116, 0.0, 0.0},
     2, {{5554.0, 0.20}, {7108.0, 0.36}},
     // tax reduction: 286 basic plus 529 per dependant
     {LowIncomeRule::Ontario, 286.0, 0, 529.0, 0, 0, 0, 0}, true, true,
     10017.0, 2806.0},

    {Province::PE, "PE", 5,
     {{0.0, 0.0965}, {32656.0, 0.1363}, {64313.0, 0.1665}, {105000.0, 0.18}, {140000.0, 0.1875}},
     0.0965, BpaRule::Flat, 13500.0, kNone,
     {5595.0, 33740.0, kAgeRate}, kNone, 0.0,
     11466.0, 12613.0,
     // pension 1,000: PE428 2024 line 58360
     1000.0, 0.0, 0.0,
     0.105, 0.013,
     // donations: PE428 2024 line 58969 (9.65 % / 16.7 %)
     {0.0965, 0.167, 0.0, 0.0},
     0, {},
     // low-income tax reduction, PE428 2024 Part D: 350 for the claimant and 350 for
     // a spouse or eligible dependant, 300 per dependent child, 250 for the claimant
     // and for a spouse aged 65 or older; the spouse may claim the part left unused (63360)
     {LowIncomeRule::Family, 350.0, 350.0, kPeChildReduction, kPeAgeReduction, 0.0, 0.05, 21500.0, 0.0, true},
     false, false,
     // medical threshold 1,678: PE428 (not indexed)
     6890.0, 1678.0},

    {Province::SK, "SK", 3,
     {{0.0, 0.105}, {52057.0, 0.125}, {148734.0, 0.145}},
     0.105, BpaRule::Flat, 18491.0, kNone,
     // age 5,633 over 41,933 and senior supplement 1,488: SK428 2024 lines 58080 / 58220
     // (2023's 5,380 / 40,051 / 1,421 indexed by 4.7 %)
     {5633.0, 41933.0, kAgeRate}, kNone, 1488.0,
     18491.0, 20340.0,
     1000.0, 0.0, 7015.0,
     0.11, 0.02519,
     // donations: SK428 2024 line 58969 (10.5 % / 14.5 %)
     {0.105, 0.145, 0.0, 0.0},
     0, {},
     kNoReduction, false, false,
     // disability 10,894: 2023's 10,405 indexed by 4.7 %
     10894.0, kSkMedicalMax},

    {Province::YT, "YT", 5,
     {{0.0, 0.064}, {55867.0, 0.09}, {111733.0, 0.109}, {173205.0, 0.128}, {500000.0, 0.15}},
     0.064, BpaRule::FollowsFederal, 15705.0, kNone,
     // age 8,790 over 44,325 and pension 2,000: YT428 2024 lines 58080 / 58360 (as federal)
     {8790.0, 44325.0, kAgeRate}, kNone, 0.0,
     15705.0, 15705.0,
     2000.0, 1433.0, 0.0,
     0.1202, 0.0067,
     // donations: YT428 2024 line 58969 (6.4 % / 12.8 %)
     {0.064, 0.128, 0.0, 0.0},
     0, {},
     kNoReduction, false, false,
     // disability and medical threshold as federal
     fed::kDisabilityAmount, fed::kMedicalThresholdMax},
};
// Additional tax for minimum tax purposes, 2024: the share of the federal excess.
// AB 35 %, BC 33.7 %, NB 57 %, NL 58 %, NS 57.5 %, NT 45 %, PE 57.5 %, SK 50 % (two
// sources each); MB 50 % and NU 45 % (one source); YT 42.67 % (6.4 / 15, derived);
// ON 33.67 % (the 2023 Worksheet ON428: its 2024 figure is not confirmed).
struct MinimumTaxFactor
{
    Province province;
    double factor;
};
constexpr MinimumTaxFactor kMinimumTaxFactors[] = {
    {Province::AB, 0.35},  {Province::BC, 0.337}, {Province::MB, 0.50},   {Province::NB, 0.57},
    {Province::NL, 0.58},  {Province::NT, 0.45},  {Province::NS, 0.575},  {Province::NU, 0.45},
    {Province::ON, 0.3367}, {Province::PE, 0.575}, {Province::SK, 0.50},  {Province::YT, 0.4267},
};
} // namespace

double provincialMinimumTaxFactor(Province province)
{
    for (const MinimumTaxFactor &m : kMinimumTaxFactors)
        if (m.province == province)
            return m.factor;
    return 0.0;
}

const ProvinceRates *provinceRates(Province province)
{
    for (const ProvinceRates &p : kProvinces) {
        if (p.province == province)
            return &p;
    }
    return nullptr;
}

const ProvinceRates *provinceRates(int provinceNumber)
{
    return provinceRates(static_cast<Province>(provinceNumber));
}

} // namespace tax2024
