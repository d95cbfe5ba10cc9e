#include "provincial2024.h"

#include "federal2024.h"

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
    return cents(incomeTested(p.age, netIncome) + incomeTested(p.ageSupplement, taxableIncome) + p.seniorSupplement);
}

double spouseFor(const ProvinceRates &p, double claimantNet, double claimantTaxable, double dependantNet)
{
    double max = p.spouseMax;
    double base = p.spouseBase;
    if (p.bpaRule == BpaRule::FollowsFederal) {
        max = base = federalBasicPersonalAmount(claimantNet);
    } else if (p.bpaRule == BpaRule::Supplemented) {
        const double supplement = incomeTested(p.supplement, claimantTaxable);
        max += supplement;
        base += supplement;
    }
    return clampAmount(cents(base - std::max(0.0, dependantNet)), 0.0, max);
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

// The reduction available before it is limited to the tax.
double lowIncomeFor(const ProvinceRates &p, const ProvincialInput &in, double taxAfterSurtax)
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
        // the disability part is for the claimant (a spouse's eligibility is not known here)
        const double amount = r.self + (withSpouse ? r.spouse : 0.0) + r.perDependant * children + r.senior * seniors +
                              (in.disabled ? r.disability : 0.0);
        const double threshold = withSpouse && r.familyThreshold > 0.0 ? r.familyThreshold : r.threshold;
        const double reduction = cents(std::max(0.0, familyIncome - threshold) * r.rate);
        return std::max(0.0, cents(amount - reduction));
    }
    case LowIncomeRule::ManitobaFamily: {
        if (in.hasSpouse && !in.familyReductionClaimant)
            return 0.0;
        const int seniors = (in.age65OrOlder ? 1 : 0) + (in.hasSpouse && in.spouseAge65OrOlder ? 1 : 0);
        const double amount = r.self + (withSpouse ? r.spouse : 0.0) + r.senior * seniors +
                              r.disability * std::max(0, in.disabilityClaims) + r.perDependant * children;
        const double base = std::max(0.0, cents(amount - cents(familyIncome * r.rate)));
        return cents(base * p.lowestRate);
    }
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
} // namespace

ProvincialResult provincialTax(const ProvincialInput &in)
{
    ProvincialResult r;
    const ProvinceRates *rates = provinceRates(in.province);
    if (!rates)
        return r;
    const ProvinceRates &p = *rates;

    r.taxOnIncome = taxOnBrackets(p.brackets, p.bracketCount, in.taxableIncome);

    const double share = std::min(1.0, std::max(0.0, in.residenceShare));
    r.basicPersonalAmount = cents(bpaFor(p, in.netIncome, in.taxableIncome) * share);
    if (in.age65OrOlder)
        r.ageAmount = cents(ageFor(p, in.netIncome, in.taxableIncome) * share);
    if (in.claimsSpouseOrEligibleDependant)
        r.spouseAmount = cents(spouseFor(p, in.netIncome, in.taxableIncome, in.dependantNetIncome) * share);
    r.pensionAmount = clampAmount(cents(in.eligiblePensionIncome), 0.0, p.pensionMax);
    r.employmentAmount = clampAmount(cents(in.employmentIncome), 0.0, p.employmentAmount);
    r.childAmount = cents(p.childAmount * std::max(0, in.dependants));
    r.creditAmounts = cents(r.basicPersonalAmount + r.ageAmount + r.spouseAmount + r.pensionAmount +
                            r.employmentAmount + r.childAmount + in.cppEiAmounts + in.otherCreditAmounts);
    r.creditsAtLowestRate = cents(r.creditAmounts * p.lowestRate);
    r.donationCredit = donationFor(p, in.donations, in.taxableIncome);
    r.nonRefundableCredits = cents(r.creditsAtLowestRate + r.donationCredit);
    r.dividendCredit = dividendFor(p, in.eligibleDividendsGrossedUp, in.otherDividendsGrossedUp);

    // the form's order: the surtax on the tax after the non-refundable credits,
    // then the dividend credit, then the low-income reduction (ON428 Part C)
    r.taxAfterCredits = std::max(0.0, cents(r.taxOnIncome - r.nonRefundableCredits));
    r.surtax = surtaxFor(p, r.taxAfterCredits);
    double tax = std::max(0.0, cents(r.taxAfterCredits + r.surtax - r.dividendCredit));
    tax = minimumTaxLines(p, in, tax, r);

    // a person who pays the Ontario additional tax for minimum tax purposes gets no Ontario tax reduction
    const bool noReduction = p.lowIncome.rule == LowIncomeRule::Ontario && r.additionalMinimumTax > 0.0;
    r.lowIncomeReduction = noReduction ? 0.0 : std::min(tax, lowIncomeFor(p, in, tax));
    tax = cents(tax - r.lowIncomeReduction);
    if (p.lowIncomeIndividuals) {
        r.lowIncomeCredit = std::min(tax, ontarioLowIncomeIndividualsCredit(in.employmentIncome, in.netIncome,
                                                                            in.hasSpouse, in.spouseNetIncome));
        tax = cents(tax - r.lowIncomeCredit);
    }
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
    struct Supplement { Province province; double amount; double threshold; }; // threshold 0: not known
    static constexpr Supplement kSupplement[] = {
        {Province::BC, 5505.0, 3196.0}, {Province::NB, 5686.0, 3330.0}, {Province::NL, 3435.0, 0.0},
        {Province::NS, 3449.0, 0.0},    {Province::ON, 5843.0, 3422.0}, {Province::PE, 4019.0, 0.0}};
    for (const Supplement &s : kSupplement) {
        if (s.province != province)
            continue;
        const double over = s.threshold > 0.0 ? std::max(0.0, careExpensesClaimed - s.threshold) : 0.0;
        return std::max(0.0, cents(s.amount - over));
    }
    return 0.0;
}

double provincialCaregiverAmount(Province province, double dependantNetIncome)
{
    struct Caregiver { Province province; double amount; double threshold; };
    static constexpr Caregiver kCaregiver[] = {
        {Province::BC, 5505.0, 18629.0}, {Province::NB, 5686.0, 19417.0}, {Province::ON, 5844.0, 19994.0}};
    for (const Caregiver &c : kCaregiver)
        if (c.province == province)
            return std::max(0.0, cents(c.amount - std::max(0.0, dependantNetIncome - c.threshold)));
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
