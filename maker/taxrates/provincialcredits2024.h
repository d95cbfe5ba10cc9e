#pragma once
// The 2024 figures of the 428 lines beyond the basic amounts: volunteers, adoption,
// caregivers and infirm dependants, children's amounts, the amounts a preparer types,
// and the Part C credits worked from them. A province without a line (or whose 2024
// figure is not known) answers nil.
#include "provincerates2024.h"

namespace tax2024 {

// Lines 58315 / 58316 (Saskatchewan also 58317): the amount of a volunteer who claims
// the federal amount of line 31220 or 31240 (BC, NL and SK 3,000; NB 5,000).
double provincialVolunteerAmount(Province province);
// Saskatchewan's 58317 (volunteer emergency medical first responders) has no federal line.
bool hasFirstResponderAmount(Province province);

// Line 58330: one child's adoption expenses up to the province's maximum per child
// (AB 18,975; BC and YT 19,066; MB 10,000; ON 15,127; NL 11,878, see below).
double provincialAdoptionAmount(Province province, double childExpenses);
// The maximum per child of line 58330 (0: no such line).
double provincialAdoptionMaximum(Province province);
// False where the 2024 maximum per child was not published (NL): the amount the program
// holds the line to is then one known to be within it, and the preparer may raise it.
bool provincialAdoptionMaximumKnown(Province province);

// An amount for a dependant, reduced by the dependant's net income over a threshold.
struct DependantAmount
{
    double amount;
    double threshold;
};
double dependantAmount(const DependantAmount &rule, double dependantNetIncome);

// The caregiver and infirm-dependant lines of a province for a dependant 18 or older:
// the caregiver line (written under the province's code: BC 58175, ON 58185, AB and NB
// 58400) for a dependant who lived with the claimant, the infirm-dependant line (58200)
// for one who did not; the caregiver line also covers an infirm spouse (BC) or eligible
// dependant (BC, ON, AB), less the amount claimed for that person on 58120 or 58160.
struct CaregiverLines
{
    Province province;
    int caregiverCode;
    DependantAmount caregiver;
    DependantAmount infirm; // amount 0: no line 58200 (the caregiver line takes every dependant)
    bool coversSpouse;
    bool coversEligibleDependant;
};
// Null where the province has none of these lines or their 2024 figures are not known.
const CaregiverLines *provincialCaregiverLines(Province province);

// Line 58230, the amount for young children: NS and PE 100 for each month of 2024 a
// child under 6 lived with the claimant on its first day; NU 1,200 for each child
// under 6 at the end of the year. The spouse with the lower net income claims it.
enum class YoungChildrenRule { None, PerMonth, PerChild };
YoungChildrenRule provincialYoungChildrenRule(Province province);
constexpr double kYoungChildMonthAmount = 100.0;
constexpr double kYoungChildAmount = 1200.0;
constexpr int kYoungChildAge = 6;
// The months of 2024 on whose first day a child born on the date was born and under 6.
int youngChildMonths(int birthYear, int birthMonth, int birthDay);

// Amounts a preparer types, up to a limit for each person they are for: MB428 58325
// fitness (500 a person under 25 at the start of the year, 500 more for a child under 18
// eligible for the disability amount); 58326 children's arts (MB 500 a child under 16 at
// the start of the year, or under 18 with a disability, and 500 more with one; YT 500 a
// child, same ages); PE428 58365 children's wellness (1,000 a child under 18); PE428
// 58500 teacher school supplies (500).
struct PerPersonLimit
{
    double perPerson;
    int underAge;          // at the start of the year
    int disabledUnderAge;  // a person eligible for the disability amount
    double disabledExtra;  // more for such a person
};
enum class TypedAmount { Fitness, Arts, Wellness, TeacherSupplies };
// Null where the province has no such line.
const PerPersonLimit *provincialTypedAmountLimit(Province province, TypedAmount line);

// The provinces whose tuition and education amounts ended before 2024 (AB, ON, SK): their
// Schedule 11 holds only the amounts carried from earlier years.
bool tuitionAmountEnded(Province province);
// Line 58600, tuition transferred from a child or grandchild (typed as designated): the
// provinces on the T1 that give a tuition amount for 2024.
bool hasTuitionFromChild(Province province);

// Part C credits. Farmers' donations of food (BC 58980, NS and ON 62150): 25 % of the
// qualifying gifts.
double farmersFoodDonationCredit(Province province, double qualifyingGifts);
// NB428 61550: 75 % of the first 200 of contributions, 50 % of the next 350 and 33 1/3 %
// of the next 525; at most 500.
double provincialPoliticalContributionCredit(Province province, double contributions);
// NU428 volunteer firefighters' tax credit of a firefighter who claims line 31220 (703:
// the 2025 figure 722 less the 2.7 % indexation).
double territorialVolunteerFirefighterCredit(Province province);
// NS 62400, the refundable volunteer firefighters and ground search and rescue credit of
// a volunteer who claims line 31220 or 31240 (500).
double refundableVolunteerCredit(Province province);

// Line 61510: tax on split income (T1206) at the province's top rate.
double provincialTaxOnSplitIncome(Province province, double splitIncome);

// ON428 58729: the allowable medical expenses of one other dependant are at most 15,127
// (0: no limit in the province).
double provincialOtherDependantMedicalMax(Province province);

} // namespace tax2024
