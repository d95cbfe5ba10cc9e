#pragma once
// 2024 figures and worksheets of the federal forms and lines that carry their own
// arithmetic: the refundable medical expense supplement (line 45200), the
// pension split (T1032), the clergy residence deduction (T1223) and the
// overseas employment tax credit (T626) and the capital gains deduction for a
// qualifying business transfer (T2048).
#include "money2024.h"

namespace tax2024 {
namespace forms {

// Federal worksheet for line 45200 (2024).
constexpr double kMedicalSupplementMinEarnings = 4275.0; // line 5: earned income needed
constexpr double kMedicalSupplementRate = 0.25;          // line 9
constexpr double kMedicalSupplementMax = 1464.0;         // line 10
constexpr double kMedicalSupplementThreshold = 32419.0;  // line 14: base amount
constexpr double kMedicalSupplementReductionRate = 0.05; // line 16

struct MedicalSupplementInput
{
    bool eligible = false;            // resident all year and 18 or older at the end of the year
    double employmentIncome = 0.0;    // lines 10100 + 10400
    double employmentDeductions = 0.0; // lines 20700 + 21200 + 22900 + 23100
    double selfEmploymentIncome = 0.0; // lines 13500 to 14300
    double disabilitySupports = 0.0;  // line 21500
    double allowableMedical = 0.0;    // line 33200
    double familyNetIncome = 0.0;     // adjusted family net income
};

// Line 45200 as the worksheet works it, each line to the cent; 0 when the
// earned income is below the minimum or the person is not eligible.
double medicalExpenseSupplement(const MedicalSupplementInput &in);

// T1032 (2024), Step 3: at most half of the eligible pension income, for the
// months of the year the spouses were together.
constexpr double kPensionSplitShare = 0.5;

// The maximum split-pension amount: eligible pension x 50 % x months / 12, each line to the cent.
double maximumSplitPension(double eligiblePension, int months);
// Step 4: the tax deducted that goes with the split, in proportion to it.
double splitPensionTaxDeducted(double taxDeducted, double splitAmount, double eligiblePension);

// Schedule 10 (2024, residents of Quebec): Quebec parental insurance plan premiums.
constexpr double kPpipMaxInsurable = 94000.0;      // maximum insurable earnings
constexpr double kPpipEmployeeRate = 0.00494;      // Part A, and line 31215
constexpr double kPpipSelfEmployedRate = 0.00878;  // Part B
constexpr double kPpipSelfEmployedMinimum = 2000.0; // Part B applies from this self-employment income

struct PpipResult
{
    double employmentPayable = 0.0;   // line 31210: premiums on employment income without PPIP
    double selfEmployedInsurable = 0.0;
    double selfEmployedPremiums = 0.0;
    double credit = 0.0;              // line 31215: the employee share
    double deduction = 0.0;           // line 22300: the rest
};

// Part A on the employment income from which no premiums were deducted (employers outside
// Quebec), within the maximum the insurable earnings of Quebec employment leave; Part B on
// the net self-employment income, within the maximum the employment leaves.
PpipResult ppipPremiums(double insurableEmployment, double otherEmployment, double selfEmployment);

// T691 (2024): alternative minimum tax.
constexpr double kAmtRate = 0.205;            // federal minimum tax rate
constexpr double kAmtExemption = 173205.0;    // basic exemption
constexpr double kAmtCreditShare = 0.5;       // of the non-refundable credits (line 33800)
constexpr double kAmtDonationShare = 0.8;     // of the donations credit (line 34900)

// The dividend gross-up taken out of adjusted taxable income: 38 % of the eligible and
// 15 % of the other dividends actually received, from their taxable amounts.
double dividendGrossUp(double taxableEligible, double taxableOther);
// Capital gains that a capital gains deduction covers (lines 25395 and 25400) count at
// 30 % in adjusted taxable income, not in full.
constexpr double kAmtExemptGainsInclusion = 0.30;
constexpr double kRegularGainsInclusion = 0.5;
// What comes off adjusted taxable income for those gains: the whole gains less the deduction
// already taken, less the 30 % that stays (0.4 x the deduction at the one-half inclusion rate).
double exemptGainsAdjustment(double gainsDeductions);
// Half of these deductions does not reduce adjusted taxable income: interest and carrying
// charges (line 22100), employment expenses other than those of earning commissions (line
// 22900), limited-partnership losses (25100) and non-capital losses (25200) of other years.
constexpr double kAmtDisallowedShare = 0.5;
double disallowedDeductions(double halvedDeductions);
// Capital gains on gifts of publicly listed securities, which taxable income leaves out
// (zero inclusion), count at 30 % in adjusted taxable income.
constexpr double kAmtDonatedGainsInclusion = 0.30;
double donatedSecuritiesGains(double zeroInclusionGains);
// The security options deductions (line 24900: 110(1)(d) and (d.1)) come back whole: the
// benefit counts at 100 % in adjusted taxable income.
double securityOptionsAddBack(double deductions24900);

// The minimum tax credits: half of line 33800, 80 % of line 34900, and the political
// contribution credit.
double minimumTaxCredits(double credits33800, double donations34900, double political41000);

// T1223 (2024), Part C: clergy residence deduction for a rented or owned residence.
constexpr double kClergyMonthlyAmount = 1000.0;  // per qualifying month
constexpr double kClergyYearlyAmount = 10000.0;  // at most
constexpr double kClergyRemunerationShare = 1.0 / 3.0;

struct ClergyResidenceInput
{
    double remuneration = 0.0;      // from the office or employment
    double providedResidence = 0.0; // value of a residence the employer provides, included in income
    double housingCost = 0.0;       // rent and utilities, or fair rental value and utilities of one's own
    int months = 12;                // qualifying months of the year
};

// Line 23100: the provided residence, plus the lesser of the housing cost and the greater
// of 1,000 a month (at most 10,000) and a third of the remuneration; at most the remuneration.
double clergyResidenceDeduction(const ClergyResidenceInput &in);

// T626: overseas employment tax credit. The specified percentage fell to nil for 2016
// and later years, so a 2024 return works the form to a nil credit.
constexpr double kOverseasIncomeMax = 100000.0;
constexpr double kOverseasSpecifiedPercentage = 0.0;

// Basic federal tax times the specified percentage of the overseas employment
// income (at most 100,000) over net income; at most the basic federal tax.
double overseasEmploymentCredit(double overseasIncome, double netIncome, double basicFederalTax);

// T2048 (new for 2024), line 25395: capital gains deduction for a qualifying business
// transfer (shares of a business sold to an employee ownership trust or a worker
// cooperative). The vendors of one business share a single exemption of 10,000,000 of
// capital gains by agreement.
constexpr double kBusinessTransferExemption = 10000000.0;

struct BusinessTransferInput
{
    double qualifyingGain = 0.0;  // capital gains of the year from qualifying business transfers
    double exemptionShare = 0.0;  // the part of the exemption assigned to this vendor; nil: the whole
    double inclusionRate = 0.5;   // of capital gains, as a fraction
    double netTaxableGains = 0.0; // line 12700 less the net capital losses of other years (line 25300)
};

struct BusinessTransferResult
{
    double taxableQualifyingGain = 0.0; // the qualifying gains at the inclusion rate
    double exemptionLimit = 0.0;        // the vendor's share of the exemption at the inclusion rate
    double deduction = 0.0;             // line 25395: the least of the two and the net taxable gains
};

BusinessTransferResult businessTransferDeduction(const BusinessTransferInput &in);

// T1198: a retroactive lump-sum payment qualifies for the special tax calculation when
// the principal relating to earlier years totals 3,000 or more (interest aside).
constexpr double kRetroactivePaymentMinimum = 3000.0;
bool retroactivePaymentQualifies(double principalTotal);

// T2043 (2024): return of fuel charge proceeds to farmers, 2.29 per 1,000 of eligible
// farming expenses in AB, SK, MB, ON, NB, NS, PE and NL; nothing unless the eligible
// farming expenses are 25,000 or more.
constexpr double kFuelChargeFarmRate = 2.29 / 1000.0;
constexpr double kFuelChargeFarmMinimumExpenses = 25000.0;
// province: the program's number (0 not known, taken as one of the eight).
double fuelChargeFarmCredit(double eligibleExpenses, int province);

// T2222 (2024): northern residents deductions. In the northern zone (A) the basic and the
// additional residency amounts are 11.00 a day each (not indexed); in the intermediate
// zone (B) every amount of the form, the travel deduction too, counts for half.
constexpr double kNorthernDailyAmount = 11.0;
constexpr double kIntermediateZoneShare = 0.5;
// The residency deduction is at most 20 % of net income (line 23600).
constexpr double kNorthernNetIncomeShare = 0.2;
// Travel: the standard amount a traveller may spread over the year's trips instead of an
// employer's travel benefit, and the trips a traveller may claim that are not for medical care.
constexpr double kNorthernStandardTravelAmount = 1200.0;
constexpr int kNorthernNonMedicalTrips = 2;

} // namespace forms
} // namespace tax2024
