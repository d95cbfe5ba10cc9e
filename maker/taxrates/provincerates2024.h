#pragma once
// The 2024 figures of the provinces and territories that levy their tax on the
// T1 (forms AB428 ... YT428). Quebec has no table: its tax is on its own return.
#include "money2024.h"

namespace tax2024 {

// Numbered as the program numbers provinces (1 Alberta ... 13 Yukon).
enum class Province : int {
    AB = 1, BC = 2, MB = 3, NB = 4, NL = 5, NT = 6, NS = 7, NU = 8, ON = 9, PE = 10, QC = 11, SK = 12, YT = 13
};

// How the basic personal amount is set.
enum class BpaRule {
    Flat,           // one amount for everyone
    FollowsFederal, // the federal amount and its reduction on net income (Yukon)
    Supplemented,   // a base amount plus a supplement reduced on taxable income (Nova Scotia)
};

// An amount reduced by `rate` of income over `threshold`.
struct IncomeTestedAmount
{
    double amount;
    double threshold;
    double rate;
};

// Which low-income reduction the province applies after its credits.
enum class LowIncomeRule {
    None,
    Ontario,         // 2 x (basic + per dependant) less Ontario tax after surtax
    Individual,      // an amount reduced on the claimant's own net income (BC)
    Family,          // amounts for the claimant, spouse or eligible dependant and children, reduced on family net income
    ManitobaFamily,  // MB428-A family tax benefit, credited at the lowest rate
};

struct LowIncomeReduction
{
    LowIncomeRule rule;
    double self;         // the claimant's amount (Ontario: the basic reduction)
    double spouse;       // for a spouse or eligible dependant
    double perDependant; // per dependent child (Ontario: per dependant)
    double senior;       // per person 65 or older (Prince Edward Island)
    double disability;   // per disability amount claimed (Manitoba)
    double rate;
    double threshold;
    double familyThreshold = 0.0; // Family rule: of a claimant with a spouse or eligible dependant (0: threshold)
    bool spouseTransfer = false;  // the spouse who does not claim it may claim the part left unused
};

struct SurtaxTier
{
    double threshold; // of provincial tax after credits
    double rate;
};

struct DonationRates
{
    double low;          // on the first 200
    double high;         // on the rest
    double top;          // on the part covered by taxable income over topThreshold (0: none)
    double topThreshold;
};

struct ProvinceRates
{
    Province province;
    const char *code;
    int bracketCount;
    Bracket brackets[8];
    double lowestRate; // the rate of the non-refundable credits

    BpaRule bpaRule;
    double bpa;                    // the flat amount, or the base before a supplement
    IncomeTestedAmount supplement; // Supplemented rule: added to the basic, spouse and eligible dependant amounts

    IncomeTestedAmount age;           // on net income
    IncomeTestedAmount ageSupplement; // on taxable income (Nova Scotia)
    double seniorSupplement;          // flat, for 65 or older (Saskatchewan's line 58220)

    // Spouse and eligible dependant: lesser of spouseMax and spouseBase less the
    // dependant's net income (FollowsFederal: both equal the reduced basic amount).
    double spouseMax;
    double spouseBase;

    double pensionMax;
    double employmentAmount; // provincial Canada employment amount (Yukon)
    double childAmount;      // per dependent child born in 2006 or later (Saskatchewan's line 58210)

    double dividendEligibleRate; // of the grossed-up amount
    double dividendOtherRate;
    DonationRates donations;

    int surtaxCount;
    SurtaxTier surtax[2]; // tiers add to each other

    LowIncomeReduction lowIncome;
    bool healthPremium; // Ontario Health Premium
    bool lowIncomeIndividuals; // Ontario LIFT credit (ON428-A)

    double disabilityAmount;    // line 58440; nil where no 2024 figure is confirmed
    double medicalThresholdMax; // medical expenses count over the lesser of 3 % of net income and this
};

// The province's additional tax for minimum tax purposes is this share of the federal
// minimum tax over the regular tax (T691); the same share of the federal carryover
// (line 40427) comes off the provincial tax. Nil for Quebec or an unknown number.
double provincialMinimumTaxFactor(Province province);

// The table of the twelve; nullptr for Quebec or an unknown number.
const ProvinceRates *provinceRates(Province province);
const ProvinceRates *provinceRates(int provinceNumber);

} // namespace tax2024
