// The 2024 figures of the further 428 lines, one table each. Where a figure is derived
// (the 2023 figure indexed) the comment says so.
#include "provincialcredits2024.h"

#include "federal2024.h"

#include <algorithm>

namespace tax2024 {

namespace {

template <class Row> const Row *rowOf(const Row *begin, const Row *end, Province province)
{
    for (const Row *r = begin; r != end; ++r)
        if (r->province == province)
            return r;
    return nullptr;
}

struct ProvinceAmount
{
    Province province;
    double amount;
};

double amountOf(const ProvinceAmount *begin, const ProvinceAmount *end, Province province)
{
    const ProvinceAmount *r = rowOf(begin, end, province);
    return r ? r->amount : 0.0;
}

// 58315 / 58316: BC428 3,000 (not indexed, 200 hours); NB428 5,000 (new for 2024, when the
// federal amount is deducted); NL428 3,000 (not indexed); SK428 3,000 (one claim of the three).
constexpr ProvinceAmount kVolunteer[] = {
    {Province::BC, 3000.0}, {Province::NB, 5000.0}, {Province::NL, 3000.0}, {Province::SK, 3000.0}};

// 58330 per child: AB 18,975 (2023's 18,210 indexed by 4.2 %); BC and YT the federal 19,066;
// MB 10,000; ON 15,127. NL's 2024 maximum was not published: 11,878 (2016) is the last one
// known, and it has only risen since, so any claim up to it is within the 2024 maximum.
constexpr ProvinceAmount kAdoptionMax[] = {{Province::AB, 18975.0},
                                           {Province::BC, fed::kAdoptionExpensesMax},
                                           {Province::MB, 10000.0},
                                           {Province::NL, 11878.0},
                                           {Province::ON, 15127.0},
                                           {Province::YT, fed::kAdoptionExpensesMax}};

// BC428 58175: 5,505 over 18,629 (nil at 24,134). ON428 58185: 5,844 over 19,994 (nil at
// 25,838). AB428 58400: 12,669 over 20,143 and 58200: 12,669 over 8,369 (2023's bases
// 31,489 and 20,190 indexed by 4.2 %: 32,812 and 21,038, less the maximum). NB428 58400:
// 5,686 over 19,417 and 58200: 5,686 over 8,067.
constexpr CaregiverLines kCaregivers[] = {
    {Province::AB, 58400, {12669.0, 20143.0}, {12669.0, 8369.0}, false, true},
    {Province::BC, 58175, {5505.0, 18629.0}, {0.0, 0.0}, true, true},
    {Province::NB, 58400, {5686.0, 19417.0}, {5686.0, 8067.0}, false, false},
    {Province::ON, 58185, {5844.0, 19994.0}, {0.0, 0.0}, false, true},
};

struct TypedLimits
{
    Province province;
    TypedAmount line;
    PerPersonLimit limit;
};
constexpr TypedLimits kTypedLimits[] = {
    {Province::MB, TypedAmount::Fitness, {500.0, 25, 18, 500.0}},
    {Province::MB, TypedAmount::Arts, {500.0, 16, 18, 500.0}},
    {Province::YT, TypedAmount::Arts, {500.0, 16, 18, 0.0}},
    {Province::PE, TypedAmount::Wellness, {1000.0, 18, 18, 0.0}},
    {Province::PE, TypedAmount::TeacherSupplies, {500.0, 0, 0, 0.0}},
};

constexpr double kFoodDonationRate = 0.25;
constexpr Province kFoodDonationProvinces[] = {Province::BC, Province::NS, Province::ON};

struct ContributionTier
{
    double size;
    double rate;
};
constexpr ContributionTier kNbPoliticalTiers[] = {{200.0, 0.75}, {350.0, 0.50}, {525.0, 1.0 / 3.0}};
constexpr double kNbPoliticalMax = 500.0;

constexpr double kNuVolunteerFirefighterCredit = 703.0;
constexpr double kNsVolunteerCredit = 500.0;
constexpr double kOnOtherDependantMedicalMax = 15127.0;

} // namespace

double provincialVolunteerAmount(Province province)
{
    return amountOf(std::begin(kVolunteer), std::end(kVolunteer), province);
}

bool hasFirstResponderAmount(Province province)
{
    return province == Province::SK;
}

double provincialAdoptionAmount(Province province, double childExpenses)
{
    return clampAmount(cents(childExpenses), 0.0, provincialAdoptionMaximum(province));
}

double provincialAdoptionMaximum(Province province)
{
    return amountOf(std::begin(kAdoptionMax), std::end(kAdoptionMax), province);
}

bool provincialAdoptionMaximumKnown(Province province)
{
    return province != Province::NL;
}

double dependantAmount(const DependantAmount &rule, double dependantNetIncome)
{
    if (rule.amount <= 0.0)
        return 0.0;
    return std::max(0.0, cents(rule.amount - std::max(0.0, dependantNetIncome - rule.threshold)));
}

const CaregiverLines *provincialCaregiverLines(Province province)
{
    return rowOf(std::begin(kCaregivers), std::end(kCaregivers), province);
}

YoungChildrenRule provincialYoungChildrenRule(Province province)
{
    switch (province) {
    case Province::NS:
    case Province::PE:
        return YoungChildrenRule::PerMonth;
    case Province::NU:
        return YoungChildrenRule::PerChild;
    default:
        return YoungChildrenRule::None;
    }
}

int youngChildMonths(int birthYear, int birthMonth, int birthDay)
{
    constexpr int kYear = 2024;
    int months = 0;
    for (int month = 1; month <= 12; ++month) {
        // born on or before the first of the month
        const bool born = birthYear < kYear || (birthYear == kYear && birthMonth == month && birthDay == 1) ||
                          (birthYear == kYear && birthMonth < month);
        // the sixth birthday falls after the first of the month
        const int sixth = birthYear + kYoungChildAge;
        const bool under6 = sixth > kYear || (sixth == kYear && (birthMonth > month || (birthMonth == month && birthDay > 1)));
        months += born && under6 ? 1 : 0;
    }
    return months;
}

const PerPersonLimit *provincialTypedAmountLimit(Province province, TypedAmount line)
{
    for (const TypedLimits &t : kTypedLimits)
        if (t.province == province && t.line == line)
            return &t.limit;
    return nullptr;
}

bool tuitionAmountEnded(Province province)
{
    return province == Province::AB || province == Province::ON || province == Province::SK;
}

bool hasTuitionFromChild(Province province)
{
    return province != Province::QC && !tuitionAmountEnded(province);
}

double farmersFoodDonationCredit(Province province, double qualifyingGifts)
{
    const bool hasCredit = std::find(std::begin(kFoodDonationProvinces), std::end(kFoodDonationProvinces), province) !=
                           std::end(kFoodDonationProvinces);
    return hasCredit ? cents(std::max(0.0, qualifyingGifts) * kFoodDonationRate) : 0.0;
}

double provincialPoliticalContributionCredit(Province province, double contributions)
{
    if (province != Province::NB)
        return 0.0;
    double left = std::max(0.0, contributions);
    double credit = 0.0;
    for (const ContributionTier &t : kNbPoliticalTiers) {
        const double part = std::min(left, t.size);
        credit += part * t.rate;
        left -= part;
    }
    return std::min(kNbPoliticalMax, cents(credit));
}

double territorialVolunteerFirefighterCredit(Province province)
{
    return province == Province::NU ? kNuVolunteerFirefighterCredit : 0.0;
}

double refundableVolunteerCredit(Province province)
{
    return province == Province::NS ? kNsVolunteerCredit : 0.0;
}

double provincialTaxOnSplitIncome(Province province, double splitIncome)
{
    const ProvinceRates *p = provinceRates(province);
    if (!p || p->bracketCount < 1 || splitIncome <= 0.0)
        return 0.0;
    return cents(splitIncome * p->brackets[p->bracketCount - 1].rate);
}

double provincialOtherDependantMedicalMax(Province province)
{
    return province == Province::ON ? kOnOtherDependantMedicalMax : 0.0;
}

} // namespace tax2024
