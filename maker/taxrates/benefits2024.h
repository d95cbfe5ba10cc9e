#pragma once
// Canada workers benefit (Schedule 6, 2024), the RRSP dollar limits and the provincial and
// territorial benefits the CRA pays from July 2025 to June 2026 on the 2024 return.

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
// from working income (of the family) and adjusted family net income, with the
// figures of the provinces without a regime of their own.
double cwbBasicAmount(double workingIncome, double adjustedFamilyNetIncome, bool family);

// Disability supplement of a person eligible for the disability tax credit.
double cwbDisabilitySupplement(double workingIncome, double adjustedFamilyNetIncome, bool family,
                               bool spouseAlsoEligible = false);

// Alberta, Quebec and Nunavut set their own parameters of the benefit. Outside Quebec a
// single parent and a couple with or without dependants are one "family"; Quebec tells the
// four apart.
enum class CwbFamilyType { Single, SingleParent, Couple, CoupleWithDependants };

// One part of the benefit (the basic amount or the disability supplement): the phase-in rate
// of working income over the start, at most the maximum, less the phase-out rate of adjusted
// family net income over the threshold.
struct CwbRule
{
    double phaseInStart;
    double phaseInRate;
    double maximum;
    double threshold;
    double phaseOutRate;
    // both spouses eligible for the supplement: each reduces it at half the rate (where known)
    bool halvedForTwo;
};
const CwbRule &cwbBasicRule(int province, CwbFamilyType type);
const CwbRule &cwbDisabilityRule(int province, CwbFamilyType type);
double cwbAmount(const CwbRule &rule, double workingIncome, double adjustedFamilyNetIncome,
                 bool spouseAlsoEligible = false);

// A couple's lower-earning spouse: working income up to 15,955 (14,000 of 2021 indexed to
// 2024, a derived figure) is left out of the adjusted family net income, in every province.
constexpr double kCwbSecondaryEarnerExemption = 15955.0;
double cwbSecondaryEarnerExemption(double workingIncome, double spouseWorkingIncome);

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

// The provincial and territorial benefits paid from July 2025 to June 2026 on the 2024 return.
// Family net income is the adjusted family net income of the 2024 returns (the person's
// own when single). Ages are those at the end of 2024.
namespace provbenefits {

// Ontario Trillium Benefit: the sales tax credit, the energy and property tax credit and the
// northern Ontario energy credit, paid as one.
namespace on {
// Sales tax credit: 371 for the person, the spouse and each child under 19, less 4 % of
// the family net income over 28,506 (single without children) or 35,632 (a family).
constexpr double kSalesTaxCredit = 371.0;
constexpr double kSalesTaxThresholdSingle = 28506.0;
constexpr double kSalesTaxThresholdFamily = 35632.0;
constexpr double kSalesTaxReductionRate = 0.04;
// Energy and property tax credit, from the occupancy cost: 20 % of the rent paid and the
// property tax paid for 2024, and 25 for a designated student residence. The energy part is
// at most 285 (20 % of a long-term care home's charge and home energy on a reserve count);
// the property part is at most the occupancy cost and at most its base plus 10 % of the
// occupancy cost within a cap: 71 + 927 (606 + 570 for a senior, 64 or older).
constexpr double kOccupancyRentShare = 0.2;
constexpr double kStudentResidenceAmount = 25.0;
constexpr double kLongTermCareShare = 0.2;
constexpr double kEnergyMax = 285.0;
constexpr double kPropertyRate = 0.1;
constexpr double kPropertyBase = 71.0;
constexpr double kPropertyCap = 927.0;
constexpr double kPropertyBaseSenior = 606.0;
constexpr double kPropertyCapSenior = 570.0;
constexpr int kSeniorAge = 64;
// Less 2 % of the family net income over the threshold of the family: single 26,766; a family
// (a single parent too) or a single senior 35,632; a senior couple or a senior single parent 42,759.
constexpr double kEnergyPropertyThresholdSingle = 26766.0;
constexpr double kEnergyPropertyThresholdFamily = 35632.0;
constexpr double kEnergyPropertyThresholdSeniorFamily = 42759.0;
constexpr double kEnergyPropertyReductionRate = 0.02;
// Northern Ontario energy credit: 185 single, 285 for a family, less 1 % of the family net
// income over 49,884 (single) or 64,137 (family).
constexpr double kNorthernSingle = 185.0;
constexpr double kNorthernFamily = 285.0;
constexpr double kNorthernThresholdSingle = 49884.0;
constexpr double kNorthernThresholdFamily = 64137.0;
constexpr double kNorthernReductionRate = 0.01;
// A yearly benefit of 2 or less is not paid; one above 2 and below 10 is paid as 10.
constexpr double kTrilliumNotPaid = 2.0;
constexpr double kTrilliumMinimumPayment = 10.0;
// Senior homeowners' property tax grant (64 or older, one a couple): 500, at most the 2024
// property tax, less 3.33 % of the family net income over 35,000 (45,000 for a couple).
constexpr double kSeniorGrantMax = 500.0;
constexpr double kSeniorGrantThresholdSingle = 35000.0;
constexpr double kSeniorGrantThresholdCouple = 45000.0;
constexpr double kSeniorGrantReductionRate = 0.0333;
// Ontario child benefit: 1,727 a child under 18, less 8 % of the family net income over 26,364.
constexpr double kChildBenefit = 1727.0;
constexpr double kChildBenefitThreshold = 26364.0;
constexpr double kChildBenefitReductionRate = 0.08;
} // namespace on

// British Columbia family benefit: 1,750 for the first child under 18, 1,100 for the second,
// 900 for each other, and 500 more for a single parent; less 4 % of the family net income
// over 29,526, but not below 775 / 750 / 725 a child until 94,483; above it that floor is
// reduced by 4 % of the family net income over 94,483.
namespace bc {
constexpr double kFirstChild = 1750.0;
constexpr double kSecondChild = 1100.0;
constexpr double kOtherChild = 900.0;
constexpr double kSingleParent = 500.0;
constexpr double kFloorFirstChild = 775.0;
constexpr double kFloorSecondChild = 750.0;
constexpr double kFloorOtherChild = 725.0;
constexpr double kThreshold = 29526.0;
constexpr double kFloorThreshold = 94483.0;
constexpr double kReductionRate = 0.04;
} // namespace bc

// Alberta child and family benefit, at most four children under 18. The base part (1,499 for
// the first child, 750 for each of the next three) falls in a straight line from a family net
// income of 27,565 to nil at 46,191. The working part (767, 699, 418, 138) comes in at 15 % of
// the family's employment income over 2,760 and is reduced above 46,191 at a rate not known.
namespace ab {
constexpr int kChildren = 4;
constexpr double kBase[kChildren] = {1499.0, 750.0, 750.0, 750.0};
constexpr double kBaseThreshold = 27565.0;
constexpr double kBaseNil = 46191.0;
constexpr double kWorking[kChildren] = {767.0, 699.0, 418.0, 138.0};
constexpr double kWorkingPhaseInRate = 0.15;
constexpr double kWorkingIncomeFloor = 2760.0;
constexpr double kWorkingThreshold = 46191.0;
} // namespace ab

// Saskatchewan low-income tax credit: 429 for the person, 429 for a spouse or an eligible
// dependant, 169 a child under 19 (two at most), at most 1,196; less 2.88 % of the family net
// income over 38,590.
namespace sk {
constexpr double kAdult = 429.0;
constexpr double kChild = 169.0;
constexpr int kChildren = 2;
constexpr double kFamilyMax = 1196.0;
constexpr double kThreshold = 38590.0;
constexpr double kReductionRate = 0.0288;
} // namespace sk

// New Brunswick.
namespace nb {
// HST credit: 300 for the person, 300 for a spouse or an eligible child of a single parent,
// 100 for each other child under 19; less 2 % of the family net income over 35,000.
constexpr double kHstAdult = 300.0;
constexpr double kHstChild = 100.0;
constexpr double kHstThreshold = 35000.0;
constexpr double kHstReductionRate = 0.02;
// Child tax benefit: 250 a child under 18, less 2.5 % (one child) or 5 % of the family net
// income over 20,000.
constexpr double kChildBenefit = 250.0;
constexpr double kChildThreshold = 20000.0;
constexpr double kChildRateOne = 0.025;
constexpr double kChildRateMore = 0.05;
// Working income supplement of a family with children under 18: 4 % of the family's earned
// income over 3,750, at most 250, less 5 % of the family net income over 20,921.
constexpr double kWorkingMax = 250.0;
constexpr double kWorkingRate = 0.04;
constexpr double kWorkingIncomeFloor = 3750.0;
constexpr double kWorkingThreshold = 20921.0;
constexpr double kWorkingReductionRate = 0.05;
// School supplement: 100 a child of school age when the family net income is 20,000 or less.
// The ages of the children it was paid for in 2022 (born 2006 to 2018: 3 to 15 at the end of
// the return's year), moved on a year each year.
constexpr double kSchoolSupplement = 100.0;
constexpr double kSchoolIncomeLimit = 20000.0;
constexpr int kSchoolFirstAge = 3;
constexpr int kSchoolLastAge = 15;
} // namespace nb

// Newfoundland and Labrador.
namespace nl {
// Child benefit: a month 155.66 for the first child under 18, 165 for the second, 177.25 for
// the third and 190.41 for each other, in full up to a family net income of 17,397 (its
// reduction above is not known).
constexpr double kChildMonthly[4] = {155.66, 165.0, 177.25, 190.41};
constexpr double kChildThreshold = 17397.0;
// Income supplement: 254, and 5.32 % of the family net income over 15,000 up to 266 more;
// 69 for a spouse, 231 a child under 19 and 231 a person with the disability amount; less
// 9 % of the family net income over 40,000.
constexpr double kSupplementBasic = 254.0;
constexpr double kSupplementPhaseInRate = 0.0532;
constexpr double kSupplementPhaseInFloor = 15000.0;
constexpr double kSupplementPhaseInMax = 266.0;
constexpr double kSupplementSpouse = 69.0;
constexpr double kSupplementChild = 231.0;
constexpr double kSupplementDisability = 231.0;
constexpr double kSupplementThreshold = 40000.0;
constexpr double kSupplementReductionRate = 0.09;
// Disability benefit of a person 18 to 64 with the disability amount: 4,800, less 36.92 % of
// the family net income over 29,402 (18.46 % when both spouses have the disability amount).
constexpr double kDisabilityBenefit = 4800.0;
constexpr double kDisabilityThreshold = 29402.0;
constexpr double kDisabilityRate = 0.3692;
constexpr double kDisabilityRateBoth = 0.1846;
constexpr int kDisabilityMinAge = 18;
constexpr int kDisabilityMaxAge = 64;
} // namespace nl

// Nova Scotia.
namespace ns {
// Child benefit: 1,525 a child under 18 below a family net income of 26,000; from 26,000 to
// 33,999.99 1,525 for the first child and 762.50 for each other; nil from 34,000.
constexpr double kChildBenefit = 1525.0;
constexpr double kChildBenefitOthers = 762.5;
constexpr double kChildThreshold = 26000.0;
constexpr double kChildNil = 34000.0;
// Affordable living tax credit: 255 for the person or the couple, 60 a child under 19; less
// 5 % of the family net income over 30,000.
constexpr double kLivingCredit = 255.0;
constexpr double kLivingChild = 60.0;
constexpr double kLivingThreshold = 30000.0;
constexpr double kLivingReductionRate = 0.05;
} // namespace ns

// Prince Edward Island.
namespace pe {
// Child benefit: 30 a month a child under 18 below a family net income of 45,000; 20 a month
// from 45,000 to 80,000; nil above.
constexpr double kChildMonthly = 30.0;
constexpr double kChildMonthlyReduced = 20.0;
constexpr double kChildThreshold = 45000.0;
constexpr double kChildNil = 80000.0;
// Sales tax credit: 110 for the person, 55 for a spouse or an eligible dependant, and 0.5 %
// of the family net income over 30,000 up to 55; less 2 % of the family net income over 50,000.
constexpr double kSalesTaxAdult = 110.0;
constexpr double kSalesTaxSpouse = 55.0;
constexpr double kSupplementRate = 0.005;
constexpr double kSupplementFloor = 30000.0;
constexpr double kSupplementMax = 55.0;
constexpr double kSalesTaxThreshold = 50000.0;
constexpr double kSalesTaxReductionRate = 0.02;
} // namespace pe

// Northwest Territories child benefit: by the number of children under 6 and the number from
// 6 to 17, in full up to a family net income of 30,000, then reduced in a straight line to
// nil at 80,000.
namespace nt {
constexpr int kTableChildren = 4;
constexpr double kUnder6[kTableChildren] = {815.0, 1467.0, 1997.0, 2445.0};
constexpr double kUnder6Each = 367.0;     // each child beyond the fourth
constexpr double k6To17[kTableChildren] = {652.0, 1174.0, 1597.0, 1956.0};
constexpr double k6To17Each = 293.0;
constexpr double kThreshold = 30000.0;
constexpr double kNil = 80000.0;
} // namespace nt

} // namespace provbenefits

} // namespace tax2024
