#include "provincial2024.h"

#include "federal2024.h"
#include "provincialcredits2024.h"

#include <algorithm>

namespace tax2024 {

namespace {
constexpr double kLiftMax = 875.0;
constexpr double kLiftRate = 0.0505;
constexpr double kLiftReductionRate = 0.05;
constexpr double kLiftThresholdSingle = 32500.0;
constexpr double kLiftThresholdFamily = 65000.0;

// The Ontario Health Premium on taxable income: each step rises at its rate
// from `from` until it reaches `cap`.
struct PremiumStep
{
    double from;
    double rate;
    double base;
    double cap;
};
const PremiumStep kHealthPremium[] = {
    {20000.0, 0.06, 0.0, 300.0},   {36000.0, 0.06, 300.0, 450.0}, {48000.0, 0.25, 450.0, 600.0},
    {72000.0, 0.25, 600.0, 750.0}, {200000.0, 0.25, 750.0, 900.0},
};

double incomeTested(const IncomeTestedAmount &a, double income)
{
    if (a.amount <= 0.0)
        return 0.0;
    const double reduction = cents(std::max(0.0, income - a.threshold) * a.rate);
    return std::max(0.0, cents(a.amount - reduction));
}

double bpaFor(const ProvinceRates &p, double netIncome, double taxableIncome)
{
    switch (p.bpaRule) {
    case BpaRule::FollowsFederal:
        return federalBasicPersonalAmount(netIncome);
    case BpaRule::Supplemented:
        return cents(p.bpa + incomeTested(p.supplement, taxableIncome));
    case BpaRule::Flat:
        break;
    }
    return p.bpa;
}

double ageFor(const ProvinceRates &p, double netIncome, double taxableIncome)
{
    return cents(incomeTested(p.age, netIncome) + incomeTested(p.ageSupplement, taxableIncome));
}

// The lesser of spouseMax and spouseBase less the dependant's income; Nova Scotia
// (Worksheet NS428) adds the supplement less the dependant's whole income.
double spouseFor(const ProvinceRates &p, double claimantNet, double claimantTaxable, double dependantNet)
{
    const double income = std::max(0.0, dependantNet);
    if (p.bpaRule == BpaRule::FollowsFederal) {
        const double bpa = federalBasicPersonalAmount(claimantNet);
        return clampAmount(cents(bpa - income), 0.0, bpa);
    }
    const double base = clampAmount(cents(p.spouseBase - income), 0.0, p.spouseMax);
    if (p.bpaRule != BpaRule::Supplemented)
        return base;
    const double supplement = incomeTested(p.supplement, claimantTaxable);
    return cents(base + std::max(0.0, cents(supplement - income)));
}

double donationFor(const ProvinceRates &p, double donations, double taxableIncome)
{
    if (donations <= 0.0)
        return 0.0;
    const double first = std::min(donations, fed::kDonationFirstTier);
    const double rest = donations - first;
    double topPart = 0.0;
    if (p.donations.top > 0.0)
        topPart = std::min(rest, std::max(0.0, taxableIncome - p.donations.topThreshold));
    return cents(cents(first * p.donations.low) + cents(topPart * p.donations.top) +
                 cents((rest - topPart) * p.donations.high));
}

double dividendFor(const ProvinceRates &p, double eligible, double other)
{
    return cents(cents(std::max(0.0, eligible) * p.dividendEligibleRate) +
                 cents(std::max(0.0, other) * p.dividendOtherRate));
}

double surtaxFor(const ProvinceRates &p, double taxAfterCredits)
{
    double surtax = 0.0;
    for (int i = 0; i < p.surtaxCount; ++i)
        surtax += cents(std::max(0.0, taxAfterCredits - p.surtax[i].threshold) * p.surtax[i].rate);
    return cents(surtax);
}

// MB428-A: each spouse works his or her own benefit: the basic amount; as much again for a
// spouse (58120) or eligible dependant (58160) claimed, for being 65 or older, and for a
// spouse claimed on 58120 who is 65 or older; the disability part for such a spouse who is
// disabled, for each disability amount claimed (58440, 58480) and for each dependent child;
// less 9 % of the filer's own net income; credited at the lowest rate.
double manitobaFamilyTaxBenefit(const ProvinceRates &p, const ProvincialInput &in, double spouseAmount)
{
    const LowIncomeReduction &r = p.lowIncome;
    const bool claimed = spouseAmount >= 0.01; // an amount on 58120 or 58160
    const bool spouseClaimed = claimed && in.claimsSpouseAmount;
    const int basics = 1 + (claimed ? 1 : 0) + (in.age65OrOlder ? 1 : 0) +
                       (spouseClaimed && in.spouseAge65OrOlder ? 1 : 0);
    const int disabilityParts = std::max(0, in.disabilityClaims) + (spouseClaimed && in.spouseDisabled ? 1 : 0);
    const double amount = r.self * basics + r.disability * disabilityParts + r.perDependant * std::max(0, in.dependants);
    const double base = std::max(0.0, cents(amount - cents(std::max(0.0, in.netIncome) * r.rate)));
    return cents(base * p.lowestRate);
}

// The reduction available before it is limited to the tax.
double lowIncomeFor(const ProvinceRates &p, const ProvincialInput &in, double taxAfterSurtax, double spouseAmount)
{
    const LowIncomeReduction &r = p.lowIncome;
    const bool withSpouse = in.hasSpouse || in.claimsSpouseOrEligibleDependant;
    const double familyIncome = in.netIncome + (in.hasSpouse ? in.spouseNetIncome : 0.0);
    const int children = std::max(0, in.dependants);
    switch (r.rule) {
    case LowIncomeRule::None:
        return 0.0;
    case LowIncomeRule::Ontario:
        return ontarioTaxReduction(taxAfterSurtax, children);
    case LowIncomeRule::Individual: {
        const double reduction = cents(std::max(0.0, in.netIncome - r.threshold) * r.rate);
        return std::max(0.0, cents(r.self - reduction));
    }
    case LowIncomeRule::Family: {
        if (in.hasSpouse && !in.familyReductionClaimant)
            return 0.0;
        const int seniors = (in.age65OrOlder ? 1 : 0) + (in.hasSpouse && in.spouseAge65OrOlder ? 1 : 0);
        const double amount = r.self + (withSpouse ? r.spouse : 0.0) + r.perDependant * children + r.senior * seniors;
        const double threshold = withSpouse && r.familyThreshold > 0.0 ? r.familyThreshold : r.threshold;
        const double reduction = cents(std::max(0.0, familyIncome - threshold) * r.rate);
        return std::max(0.0, cents(amount - reduction));
    }
    case LowIncomeRule::ManitobaFamily:
        return manitobaFamilyTaxBenefit(p, in, spouseAmount);
    }
    return 0.0;
}
// The province's share of the federal minimum tax carryover comes off the tax after the
// dividend credit; its share of the federal minimum tax excess is added (in Ontario with
// the surtax that the additional tax brings on the tax after credits).
double minimumTaxLines(const ProvinceRates &p, const ProvincialInput &in, double tax, ProvincialResult &r)
{
    const double factor = provincialMinimumTaxFactor(p.province);
    r.minimumTaxCarryover = std::min(tax, cents(std::max(0.0, in.federalMinimumTaxCarryover) * factor));
    r.additionalMinimumTax = cents(std::max(0.0, in.federalMinimumTaxExcess) * factor);
    if (r.additionalMinimumTax > 0.0 && p.surtaxCount > 0)
        r.additionalMinimumTax = cents(r.additionalMinimumTax + surtaxFor(p, r.taxAfterCredits + r.additionalMinimumTax) -
                                       r.surtax);
    return cents(tax - r.minimumTaxCarryover + r.additionalMinimumTax);
}

// Part B: the credit amounts at the lowest rate, the donation and dividend credits.
void creditLines(const ProvinceRates &p, const ProvincialInput &in, ProvincialResult &r)
{
    const double share = std::min(1.0, std::max(0.0, in.residenceShare));
    r.basicPersonalAmount = cents(bpaFor(p, in.netIncome, in.taxableIncome) * share);
    if (in.age65OrOlder) {
        r.ageAmount = cents(ageFor(p, in.netIncome, in.taxableIncome) * share);
        r.seniorSupplement = cents(p.seniorSupplement * share);
    }
    if (in.claimsSpouseOrEligibleDependant) // Yukon copies the federal line, prorated already
        r.spouseAmount = p.bpaRule == BpaRule::FollowsFederal
                             ? std::max(0.0, in.federalSpouseAmount)
                             : cents(spouseFor(p, in.netIncome, in.taxableIncome, in.dependantNetIncome) * share);
    r.pensionAmount = clampAmount(cents(in.eligiblePensionIncome), 0.0, p.pensionMax);
    r.employmentAmount = clampAmount(cents(in.employmentIncome), 0.0, p.employmentAmount);
    r.childAmount = cents(p.childAmount * std::max(0, in.dependants));
    r.creditAmounts = cents(r.basicPersonalAmount + r.ageAmount + r.seniorSupplement + r.spouseAmount +
                            r.pensionAmount + r.employmentAmount + r.childAmount + in.cppEiAmounts +
                            in.otherCreditAmounts);
    r.creditsAtLowestRate = cents(r.creditAmounts * p.lowestRate);
    r.donationCredit = donationFor(p, in.donations, in.taxableIncome);
    r.nonRefundableCredits = cents(r.creditsAtLowestRate + r.donationCredit);
    r.dividendCredit = dividendFor(p, in.eligibleDividendsGrossedUp, in.otherDividendsGrossedUp);
}

// The tax on income and on split income less the non-refundable credits, which cannot
// take the tax below the tax on split income.
double taxAfterCredits(const ProvincialInput &in, ProvincialResult &r)
{
    r.splitIncomeTax = in.splitIncome > 0.0 ? provincialTaxOnSplitIncome(in.province, in.splitIncome) : 0.0;
    const double after = std::max(0.0, cents(r.taxOnIncome + r.splitIncomeTax - r.nonRefundableCredits));
    return std::max(after, r.splitIncomeTax);
}

// The low-income reductions: the province's own, then (NB, NL, PE) the part the spouse
// could not use; Ontario's LIFT credit.
double lowIncomeLines(const ProvinceRates &p, const ProvincialInput &in, double tax, ProvincialResult &r)
{
    // a person who pays the Ontario additional tax for minimum tax purposes gets no Ontario tax reduction
    const bool noReduction = p.lowIncome.rule == LowIncomeRule::Ontario && r.additionalMinimumTax > 0.0;
    const double available = noReduction ? 0.0 : lowIncomeFor(p, in, tax, r.spouseAmount);
    r.lowIncomeReduction = std::min(tax, available);
    tax = cents(tax - r.lowIncomeReduction);
    if (p.lowIncome.spouseTransfer) {
        r.lowIncomeUnused = cents(available - r.lowIncomeReduction);
        if (in.hasSpouse && !in.familyReductionClaimant)
            r.spouseLowIncomeReduction = std::min(tax, std::max(0.0, cents(in.spouseUnusedReduction)));
        tax = cents(tax - r.spouseLowIncomeReduction);
    }
    if (p.lowIncomeIndividuals) {
        r.lowIncomeCredit = std::min(tax, ontarioLowIncomeIndividualsCredit(in.employmentIncome, in.netIncome,
                                                                            in.hasSpouse, in.spouseNetIncome));
        tax = cents(tax - r.lowIncomeCredit);
    }
    return tax;
}
} // namespace

ProvincialResult provincialCreditAmounts(const ProvincialInput &in)
{
    ProvincialResult r;
    if (const ProvinceRates *p = provinceRates(in.province)) {
        r.taxOnIncome = taxOnBrackets(p->brackets, p->bracketCount, in.taxableIncome);
        creditLines(*p, in, r);
    }
    return r;
}

ProvincialResult provincialTax(const ProvincialInput &in)
{
    ProvincialResult r;
    const ProvinceRates *rates = provinceRates(in.province);
    if (!rates)
        return r;
    const ProvinceRates &p = *rates;

    r.taxOnIncome = taxOnBrackets(p.brackets, p.bracketCount, in.taxableIncome);
    creditLines(p, in, r);

    // the form's order: the surtax on the tax after the non-refundable credits,
    // then the dividend credit, then the low-income reduction (ON428 Part C)
    r.taxAfterCredits = taxAfterCredits(in, r);
    r.surtax = surtaxFor(p, r.taxAfterCredits);
    double tax = std::max(0.0, cents(r.taxAfterCredits + r.surtax - r.dividendCredit));
    tax = minimumTaxLines(p, in, tax, r);
    tax = lowIncomeLines(p, in, tax, r);
    if (p.healthPremium)
        r.healthPremium = ontarioHealthPremium(in.taxableIncome);
    r.netTax = cents(tax + r.healthPremium);
    return r;
}

double provincialTaxOnIncome(Province province, double taxableIncome)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? taxOnBrackets(p->brackets, p->bracketCount, taxableIncome) : 0.0;
}

double provincialBasicPersonalAmount(Province province, double netIncome, double taxableIncome)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? bpaFor(*p, netIncome, taxableIncome) : 0.0;
}

double provincialAgeAmount(Province province, double netIncome, double taxableIncome)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? ageFor(*p, netIncome, taxableIncome) : 0.0;
}

double provincialSpouseAmount(Province province, double claimantNetIncome, double claimantTaxableIncome,
                              double dependantNetIncome)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? spouseFor(*p, claimantNetIncome, claimantTaxableIncome, dependantNetIncome) : 0.0;
}

double provincialPensionAmount(Province province, double eligiblePensionIncome)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? clampAmount(cents(eligiblePensionIncome), 0.0, p->pensionMax) : 0.0;
}

double provincialDonationCredit(Province province, double donations, double taxableIncome)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? donationFor(*p, donations, taxableIncome) : 0.0;
}

double provincialDividendCredit(Province province, double eligibleGrossedUp, double otherGrossedUp)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? dividendFor(*p, eligibleGrossedUp, otherGrossedUp) : 0.0;
}

double provincialSurtax(Province province, double taxAfterCredits)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? surtaxFor(*p, taxAfterCredits) : 0.0;
}

double provincialDisabilityAmount(Province province)
{
    const ProvinceRates *p = provinceRates(province);
    return p ? p->disabilityAmount : 0.0;
}

double provincialDisabilitySupplement(Province province, double careExpensesClaimed)
{
    struct Supplement { Province province; double amount; double threshold; };
    // the NL (2,920) and NS (2,346) thresholds from one source each; YT follows the federal figures
    static constexpr Supplement kSupplement[] = {
        {Province::BC, 5505.0, 3196.0}, {Province::NB, 5686.0, 3330.0}, {Province::NL, 3435.0, 2920.0},
        {Province::NS, 3449.0, 2346.0}, {Province::ON, 5843.0, 3422.0}, {Province::PE, 4019.0, 2354.0},
        {Province::YT, fed::kDisabilitySupplement, fed::kDisabilitySupplementThreshold}};
    for (const Supplement &s : kSupplement) {
        if (s.province != province)
            continue;
        return std::max(0.0, cents(s.amount - std::max(0.0, careExpensesClaimed - s.threshold)));
    }
    return 0.0;
}

double provincialMedicalThreshold(Province province, double netIncome)
{
    const ProvinceRates *p = provinceRates(province);
    if (!p)
        return 0.0;
    return std::min(p->medicalThresholdMax, cents(std::max(0.0, netIncome) * fed::kMedicalRate));
}

double ontarioSurtax(double ontarioTaxAfterCredits)
{
    return provincialSurtax(Province::ON, ontarioTaxAfterCredits);
}

double ontarioHealthPremium(double taxableIncome)
{
    double premium = 0.0;
    for (const PremiumStep &s : kHealthPremium) {
        if (taxableIncome <= s.from)
            break;
        premium = std::min(s.cap, s.base + (taxableIncome - s.from) * s.rate);
    }
    return cents(premium);
}

double ontarioTaxReduction(double ontarioTaxAfterSurtax, int dependants)
{
    const LowIncomeReduction &r = provinceRates(Province::ON)->lowIncome;
    const double claim = cents(2.0 * (r.self + r.perDependant * std::max(0, dependants)));
    const double tax = std::max(0.0, ontarioTaxAfterSurtax);
    return clampAmount(cents(claim - tax), 0.0, tax);
}

double ontarioLowIncomeIndividualsCredit(double employmentIncome, double netIncome, bool hasSpouse,
                                         double spouseNetIncome)
{
    const double earned = std::min(kLiftMax, cents(std::max(0.0, employmentIncome) * kLiftRate));
    double reduction = cents(std::max(0.0, netIncome - kLiftThresholdSingle) * kLiftReductionRate);
    if (hasSpouse) {
        const double family = netIncome + spouseNetIncome;
        reduction = std::max(reduction, cents(std::max(0.0, family - kLiftThresholdFamily) * kLiftReductionRate));
    }
    return std::max(0.0, cents(earned - reduction));
}

double bcTaxReduction(double netIncome)
{
    const LowIncomeReduction &r = provinceRates(Province::BC)->lowIncome;
    const double reduction = cents(std::max(0.0, netIncome - r.threshold) * r.rate);
    return std::max(0.0, cents(r.self - reduction));
}

} // namespace tax2024

// ==== Territorial cost-of-living tax credits (line 47900) ===================
namespace tax2024 {

double costOfLivingAdjustedNetIncome(double line23600, double line11700, double line12500, double line21300)
{
    return std::max(0.0, cents(line23600 - line11700 - line12500 + line21300));
}

double territorialCostOfLivingCredit(Province province, double adjustedNetIncome)
{
    namespace col = costofliving;
    const double income = std::max(0.0, adjustedNetIncome);
    switch (province) {
    case Province::NT: {
        double credit = 0.0;
        if (income <= col::kNtFirstBand)
            credit = cents(income * col::kNtFirstRate);
        else if (income <= col::kNtSecondBand)
            credit = cents(col::kNtSecondBase + cents((income - col::kNtFirstBand) * col::kNtSecondRate));
        else
            credit = cents(col::kNtThirdBase + cents((income - col::kNtSecondBand) * col::kNtThirdRate));
        return std::min(col::kNtMax, credit);
    }
    case Province::NU:
        return std::min(col::kNuMax, cents(income * col::kNuRate));
    default:
        return 0.0;
    }
}

double northwestTerritoriesSupplement(bool hasSpouse, double ownBasicCredit, double spouseBasicCredit)
{
    namespace col = costofliving;
    const double minimum = col::kNtSupplement * (hasSpouse ? 2 : 1);
    return std::max(0.0, cents(minimum - ownBasicCredit - (hasSpouse ? spouseBasicCredit : 0.0)));
}

double nunavutSingleParentSupplement(double adjustedNetIncome)
{
    namespace col = costofliving;
    const double over = std::max(0.0, adjustedNetIncome - col::kNuSingleParentThreshold);
    return std::min(col::kNuSingleParentMax, cents(over * col::kNuRate));
}

} // namespace tax2024

// ==== Ontario credits of the ON479 (line 47900) =============================
namespace tax2024 {

double manitobaPersonalTaxCredit(int amounts, double familyNetIncome)
{
    namespace mb = manitoba479;
    const double credit = std::max(0, amounts) * mb::kPersonalAmount;
    return std::max(0.0, cents(credit - cents(std::max(0.0, familyNetIncome) * mb::kReductionRate)));
}

double bcSalesTaxCredit(bool hasSpouse, bool family, double adjustedFamilyNetIncome)
{
    namespace bc = bc479;
    const double credit = bc::kSalesTaxCredit * (hasSpouse ? 2 : 1);
    const double over = std::max(0.0, adjustedFamilyNetIncome - (family ? bc::kFamilyThreshold : bc::kSingleThreshold));
    return std::max(0.0, cents(credit - cents(over * bc::kReductionRate)));
}

double ontarioSeniorsTransitCredit(double eligibleCosts, int age)
{
    namespace on = ontario479;
    if (age < on::kTransitAge)
        return 0.0;
    return cents(clampAmount(eligibleCosts, 0.0, on::kTransitMaxCosts) * on::kTransitRate);
}

double ontarioSeniorsCareAtHomeCredit(double medicalExpenses, double familyNetIncome, int age)
{
    namespace on = ontario479;
    if (age < on::kCareAge)
        return 0.0;
    const double credit = std::min(on::kCareMax, cents(std::max(0.0, medicalExpenses) * on::kCareRate));
    const double reduction = cents(std::max(0.0, familyNetIncome - on::kCareThreshold) * on::kCareReductionRate);
    return std::max(0.0, cents(credit - reduction));
}

} // namespace tax2024
