#pragma once
// Provincial and territorial tax of 2024 computed from the table of rates.
#include "provincerates2024.h"

namespace tax2024 {

// What one person's provincial form needs. Amounts are annual dollars.
struct ProvincialInput
{
    Province province = Province::ON;
    double taxableIncome = 0.0;   // line 26000
    double netIncome = 0.0;       // line 23600
    bool hasSpouse = false;
    double spouseNetIncome = 0.0; // makes up the family net income with netIncome
    bool age65OrOlder = false;
    bool spouseAge65OrOlder = false;
    int disabilityClaims = 0;     // disability amounts claimed (lines 58440 and 58480)
    bool claimsSpouseOrEligibleDependant = false;
    bool claimsSpouseAmount = false; // line 58120 (not an eligible dependant)
    bool spouseDisabled = false;     // the spouse's disability amount is transferred (Manitoba)
    double dependantNetIncome = 0.0; // of the spouse or eligible dependant claimed
    double federalSpouseAmount = 0.0; // the federal line 30300 or 30400 claimed (Yukon copies it)
    int dependants = 0;           // dependent children (Ontario: and dependants with an impairment)
    bool familyReductionClaimant = true; // false: the spouse claims the family's low-income reduction
    double eligiblePensionIncome = 0.0;
    double employmentIncome = 0.0;
    double cppEiAmounts = 0.0;       // base CPP/QPP contributions and EI premiums (lines 30800 to 31350)
    double otherCreditAmounts = 0.0; // further provincial amounts at the lowest rate (disability, tuition, medical, ...)
    double donations = 0.0;          // eligible gifts allowed this year
    double eligibleDividendsGrossedUp = 0.0;
    double otherDividendsGrossedUp = 0.0;
    double residenceShare = 1.0;     // a newcomer or emigrant: the personal amounts for the days resident
    double federalMinimumTaxExcess = 0.0; // the T691's minimum tax over the regular federal tax
    double federalMinimumTaxCarryover = 0.0; // line 40427
    double splitIncome = 0.0;        // T1206: split income, taxed at the top rate (line 61510)
    double spouseUnusedReduction = 0.0; // NB, NL, PE: the spouse's low-income reduction left unused
};

// The lines of the provincial form.
struct ProvincialResult
{
    double taxOnIncome = 0.0;
    double basicPersonalAmount = 0.0;
    double ageAmount = 0.0;
    double seniorSupplement = 0.0; // Saskatchewan's line 58220
    double spouseAmount = 0.0;
    double pensionAmount = 0.0;
    double employmentAmount = 0.0;
    double childAmount = 0.0;
    double creditAmounts = 0.0;     // all amounts credited at the lowest rate
    double creditsAtLowestRate = 0.0;
    double donationCredit = 0.0;
    double nonRefundableCredits = 0.0; // credits at the lowest rate plus the donation credit
    double dividendCredit = 0.0;
    double splitIncomeTax = 0.0;    // line 61510
    double taxAfterCredits = 0.0;   // after the non-refundable credits: the surtax is worked on it
    double surtax = 0.0;            // taken before the dividend credit
    double minimumTaxCarryover = 0.0;  // the province's share of line 40427, the part that could be used
    double additionalMinimumTax = 0.0; // additional tax for minimum tax purposes (Ontario: with its surtax)
    double lowIncomeReduction = 0.0; // the part that could be used
    double lowIncomeUnused = 0.0;    // the part that could not (a spouse may claim it: NB, NL, PE)
    double spouseLowIncomeReduction = 0.0; // the spouse's unused part claimed
    double lowIncomeCredit = 0.0;    // Ontario LIFT credit, the part that could be used
    double healthPremium = 0.0;
    double netTax = 0.0;             // provincial tax of the form
};

// The whole provincial form; all zero for Quebec (no provincial tax on the T1).
ProvincialResult provincialTax(const ProvincialInput &in);
// Only the tax on taxable income and the credit lines of Part B (the amounts a schedule
// that claims up to the tax needs, such as the tuition schedule).
ProvincialResult provincialCreditAmounts(const ProvincialInput &in);

// The pieces, for a calculator that needs one line.
double provincialTaxOnIncome(Province province, double taxableIncome);
double provincialBasicPersonalAmount(Province province, double netIncome, double taxableIncome);
double provincialAgeAmount(Province province, double netIncome, double taxableIncome);
double provincialSpouseAmount(Province province, double claimantNetIncome, double claimantTaxableIncome,
                              double dependantNetIncome);
double provincialPensionAmount(Province province, double eligiblePensionIncome);
double provincialDonationCredit(Province province, double donations, double taxableIncome);
double provincialDividendCredit(Province province, double eligibleGrossedUp, double otherGrossedUp);
double provincialSurtax(Province province, double taxAfterCredits);
// Line 58440 for a person eligible for the disability amount (no supplement for minors).
double provincialDisabilityAmount(Province province);
// The province's supplement to the disability amount for a person under 18, reduced by
// the care expenses claimed over the province's threshold (2024: BC 5,505 over 3,196;
// NB 5,686 over 3,330; NL 3,435 over 2,920; NS 3,449 over 2,346; ON 5,843 over 3,422;
// PE 4,019 over 2,354; YT the federal 5,758 over 3,373); nil where no 2024 figure is known.
double provincialDisabilitySupplement(Province province, double careExpensesClaimed);
// Medical expenses count over this: the lesser of 3 % of net income and the province's maximum.
double provincialMedicalThreshold(Province province, double netIncome);

// Ontario's own lines.
double ontarioSurtax(double ontarioTaxAfterCredits);
double ontarioHealthPremium(double taxableIncome);
// The reduction that can be used against Ontario tax after surtax.
double ontarioTaxReduction(double ontarioTaxAfterSurtax, int dependants);
// The LIFT credit before it is limited to the Ontario tax.
double ontarioLowIncomeIndividualsCredit(double employmentIncome, double netIncome, bool hasSpouse,
                                         double spouseNetIncome);

// BC tax reduction before it is limited to the BC tax.
double bcTaxReduction(double netIncome);

} // namespace tax2024

// ==== Territorial cost-of-living tax credits (line 47900) ===================
namespace tax2024 {

namespace costofliving {
// NT479 (2024), cost of living tax credit, on adjusted net income:
// 2.6 % up to 12,000; 312 + 1.25 % of the part over 12,000 up to 48,000;
// 762 + 1 % of the part over 48,000; at most 942.
constexpr double kNtFirstBand = 12000.0;
constexpr double kNtFirstRate = 0.026;
constexpr double kNtSecondBand = 48000.0;
constexpr double kNtSecondBase = 312.0;
constexpr double kNtSecondRate = 0.0125;
constexpr double kNtThirdBase = 762.0;
constexpr double kNtThirdRate = 0.01;
constexpr double kNtMax = 942.0;
// NT479 (2024), supplement for a resident 18 or older: 350, and 350 more with a spouse
// at the end of the year, less the basic credits of both; one spouse claims it.
constexpr double kNtSupplement = 350.0;
constexpr int kNtSupplementAge = 18;
// NU479 (2024), cost of living tax credit: 2 % of adjusted net income, at most 1,500;
// a single parent's supplement (line 63940): 2 % of adjusted net income over 60,000,
// at most 255.12.
constexpr double kNuRate = 0.02;
constexpr double kNuMax = 1500.0;
constexpr double kNuSingleParentThreshold = 60000.0;
constexpr double kNuSingleParentMax = 255.12;
} // namespace costofliving

// The NT479 supplement of the family's claimant from the basic credits of the claimant
// and of the spouse (nil without one).
double northwestTerritoriesSupplement(bool hasSpouse, double ownBasicCredit, double spouseBasicCredit);
// The NU479 single parent supplement on the parent's adjusted net income.
double nunavutSingleParentSupplement(double adjustedNetIncome);

// Adjusted net income of the 479 forms: line 23600 less the UCCB (line 11700)
// and RDSP income (line 12500), plus the UCCB repaid (line 21300). An RDSP
// repayment sits inside line 23200 with other deductions and is not added.
double costOfLivingAdjustedNetIncome(double line23600, double line11700, double line12500, double line21300);
// The credit of the territory for one resident on his or her own adjusted net
// income; nil for any other province.
double territorialCostOfLivingCredit(Province province, double adjustedNetIncome);

namespace manitoba479 {
// MB479 (2024), Manitoba personal tax credit: 195 basic, 195 more for each of the claimant
// and the spouse 65 or older or entitled to the disability amount, 195 for the spouse,
// less 1 % of the family net income; one spouse claims for the family.
constexpr double kPersonalAmount = 195.0;
constexpr double kReductionRate = 0.01;
} // namespace manitoba479

// The Manitoba personal tax credit of the family's claimant: `amounts` is the number of
// 195 parts (basic, spouse, age and disability parts).
double manitobaPersonalTaxCredit(int amounts, double familyNetIncome);

namespace bc479 {
// BC479 (2024), basic sales tax credit: 75 for the claimant and 75 for a spouse, less 2 %
// of the adjusted family net income over 15,000 (18,000 with a spouse or an eligible
// dependant); one spouse claims for both.
constexpr double kSalesTaxCredit = 75.0;
constexpr double kSingleThreshold = 15000.0;
constexpr double kFamilyThreshold = 18000.0;
constexpr double kReductionRate = 0.02;
} // namespace bc479

double bcSalesTaxCredit(bool hasSpouse, bool family, double adjustedFamilyNetIncome);

namespace ontario479 {
// ON479 (2024), Ontario seniors' public transit tax credit (line 63100): 15 % of
// the eligible transit costs, at most 3,000 of them, for a person 65 or older.
constexpr double kTransitRate = 0.15;
constexpr double kTransitMaxCosts = 3000.0;
constexpr int kTransitAge = 65;
// ON479 (2024), Ontario seniors care at home tax credit (line 63095): 25 % of the
// eligible medical expenses, at most 1,500, less 5 % of the family net income over
// 35,000, for a person 70 or older.
constexpr double kCareRate = 0.25;
constexpr double kCareMax = 1500.0;
constexpr double kCareThreshold = 35000.0;
constexpr double kCareReductionRate = 0.05;
constexpr int kCareAge = 70;
} // namespace ontario479

// The Ontario seniors' public transit tax credit of a person of the given age at the
// end of the year; nil under 65.
double ontarioSeniorsTransitCredit(double eligibleCosts, int age);
// The Ontario seniors care at home tax credit of a person of the given age at the
// end of the year, on the family net income (the person's and the spouse's lines
// 23600); nil under 70.
double ontarioSeniorsCareAtHomeCredit(double medicalExpenses, double familyNetIncome, int age);

} // namespace tax2024
