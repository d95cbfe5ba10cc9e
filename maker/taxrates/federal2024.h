#pragma once
// Federal 2024 figures (T1, Schedule 1, Schedule 5, Schedule 9, worksheet 5000-D1).
#include "money2024.h"

namespace tax2024 {
namespace fed {

// Tax brackets (Schedule 1, 2024).
constexpr int kBracketCount = 5;
extern const Bracket kBrackets[kBracketCount];
constexpr double kLowestRate = 0.15;
constexpr double kTopBracketStart = 246752.0;

// Basic personal amount: full up to 173,205 of net income, the extra 1,549
// reduced on a straight line to nil at 246,752.
constexpr double kBpaMax = 15705.0;
constexpr double kBpaMin = 14156.0;
constexpr double kBpaPhaseOutStart = 173205.0;
constexpr double kBpaPhaseOutEnd = 246752.0;

constexpr double kAgeAmount = 8790.0;
constexpr double kAgeThreshold = 44325.0;
constexpr double kAgeReductionRate = 0.15;

constexpr double kCanadaEmploymentAmount = 1433.0;
constexpr double kPensionAmountMax = 2000.0;

// Home buyers' amount (line 31270), for one person or a couple together; adoption
// expenses (line 31300), per child.
constexpr double kHomeBuyersAmount = 10000.0;
constexpr double kAdoptionExpensesMax = 19066.0;
// Volunteer firefighters' and search and rescue volunteers' amounts (lines 31220 and
// 31240; doubled to 6,000 from 2024), and the digital news subscription expenses (line
// 31350), each at most.
constexpr double kVolunteerAmount = 6000.0;
constexpr double kDigitalNewsMax = 500.0;
// Eligible educator school supply tax credit (line 46900): 25 % of at most 1,000 of supplies.
constexpr double kEducatorSuppliesMax = 1000.0;
constexpr double kEducatorSuppliesRate = 0.25;

constexpr double kDisabilityAmount = 9872.0;
constexpr double kDisabilitySupplement = 5758.0;
constexpr double kDisabilitySupplementThreshold = 3373.0;

// Canada caregiver: infirm dependant 18 or older (line 30450), and the amount
// for an infirm child under 18 or added for an infirm spouse or eligible dependant.
constexpr double kCaregiverAmount = 8375.0;
constexpr double kCaregiverThreshold = 19666.0;
constexpr double kCaregiverInfirmAddOn = 2616.0;

constexpr double kMedicalRate = 0.03;
constexpr double kMedicalThresholdMax = 2759.0;

constexpr double kDonationFirstTier = 200.0;
constexpr double kDonationLowRate = 0.15;
constexpr double kDonationMiddleRate = 0.29;
constexpr double kDonationTopRate = 0.33;

constexpr double kEligibleGrossUp = 0.38;
constexpr double kEligibleDividendCreditRate = 0.150198;
constexpr double kOtherGrossUp = 0.15;
constexpr double kOtherDividendCreditRate = 0.090301;

constexpr double kQuebecAbatementRate = 0.165;

constexpr double kOasRecoveryThreshold = 90997.0;
constexpr double kOasRecoveryRate = 0.15;

} // namespace fed

// Line 40400 base: federal tax on taxable income.
double federalTaxOnIncome(double taxableIncome);

// Line 30000 for a given net income (line 23600).
double federalBasicPersonalAmount(double netIncome);

// Line 30100: age amount for a claimant 65 or older.
double federalAgeAmount(double netIncome);

// Lines 30300 / 30400: the claimant's basic personal amount (plus 2,616 when the
// dependant is infirm) less the dependant's net income, not below nil.
double federalSpouseOrEligibleDependantAmount(double claimantNetIncome, double dependantNetIncome,
                                              bool dependantInfirm = false);

// Schedule 5: the Canada caregiver top-up for an infirm spouse or eligible
// dependant 18 or older: 8,375 less the dependant's net income over 19,666,
// less the amount already claimed on line 30300 or 30400.
double canadaCaregiverTopUp(double dependantNetIncome, double spouseOrDependantAmountClaimed);

// Line 30450: Canada caregiver amount for an infirm dependant 18 or older.
double canadaCaregiverInfirmDependantAmount(double dependantNetIncome);

// Line 31260: lesser of 1,433 and employment income.
double canadaEmploymentAmount(double employmentIncome);

// Line 31400: lesser of 2,000 and eligible pension income.
double federalPensionAmount(double eligiblePensionIncome);

// Line 31600: 9,872, plus the supplement for a person under 18 reduced by
// child care and attendant care expenses over 3,373.
double federalDisabilityAmount(bool under18 = false, double careExpensesClaimed = 0.0);

// Line 33200 threshold: lesser of 3 % of net income and 2,759.
double medicalExpenseThreshold(double netIncome);

// Schedule 9: credit on eligible gifts already limited to 75 % of net income.
struct DonationCredit
{
    double firstTier = 0.0;  // 15 % on the first 200
    double topTier = 0.0;    // 33 % on the part covered by taxable income over 246,752
    double middleTier = 0.0; // 29 % on the rest
    double total = 0.0;
};
DonationCredit federalDonationCredit(double donations, double taxableIncome);

// Dividends: taxable (grossed-up) amounts and the federal dividend tax credit.
double grossUpEligibleDividends(double actualAmount);
double grossUpOtherDividends(double actualAmount);
double federalEligibleDividendCredit(double grossedUpEligible);
double federalOtherDividendCredit(double grossedUpOther);

// Line 44000: refundable Quebec abatement, 16.5 % of basic federal tax.
double quebecAbatement(double basicFederalTax);

// Line 42200 / 23500: OAS recovery, 15 % of net income over 90,997, at most the
// OAS received.
double oasRecovery(double netIncomeBeforeAdjustments, double oasReceived);

} // namespace tax2024
