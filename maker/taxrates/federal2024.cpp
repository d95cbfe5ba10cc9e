#include "federal2024.h"

#include <algorithm>

namespace tax2024 {
namespace fed {
const Bracket kBrackets[kBracketCount] = {
    {0.0, 0.15}, {55867.0, 0.205}, {111733.0, 0.26}, {173205.0, 0.29}, {246752.0, 0.33},
};
} // namespace fed

double federalTaxOnIncome(double taxableIncome)
{
    return taxOnBrackets(fed::kBrackets, fed::kBracketCount, taxableIncome);
}

double federalBasicPersonalAmount(double netIncome)
{
    if (netIncome <= fed::kBpaPhaseOutStart)
        return fed::kBpaMax;
    if (netIncome >= fed::kBpaPhaseOutEnd)
        return fed::kBpaMin;
    const double extra = fed::kBpaMax - fed::kBpaMin;
    const double share = (netIncome - fed::kBpaPhaseOutStart) / (fed::kBpaPhaseOutEnd - fed::kBpaPhaseOutStart);
    return cents(fed::kBpaMax - extra * share);
}

double federalAgeAmount(double netIncome)
{
    const double reduction = cents(std::max(0.0, netIncome - fed::kAgeThreshold) * fed::kAgeReductionRate);
    return std::max(0.0, cents(fed::kAgeAmount - reduction));
}

double federalSpouseOrEligibleDependantAmount(double claimantNetIncome, double dependantNetIncome,
                                              bool dependantInfirm)
{
    double base = federalBasicPersonalAmount(claimantNetIncome);
    if (dependantInfirm)
        base += fed::kCaregiverInfirmAddOn;
    return std::max(0.0, cents(base - std::max(0.0, dependantNetIncome)));
}

double canadaCaregiverInfirmDependantAmount(double dependantNetIncome)
{
    const double over = std::max(0.0, dependantNetIncome - fed::kCaregiverThreshold);
    return std::max(0.0, cents(fed::kCaregiverAmount - over));
}

double canadaCaregiverTopUp(double dependantNetIncome, double spouseOrDependantAmountClaimed)
{
    return std::max(0.0, cents(canadaCaregiverInfirmDependantAmount(dependantNetIncome) - spouseOrDependantAmountClaimed));
}

double canadaEmploymentAmount(double employmentIncome)
{
    return clampAmount(cents(employmentIncome), 0.0, fed::kCanadaEmploymentAmount);
}

double federalPensionAmount(double eligiblePensionIncome)
{
    return clampAmount(cents(eligiblePensionIncome), 0.0, fed::kPensionAmountMax);
}

double federalDisabilityAmount(bool under18, double careExpensesClaimed)
{
    if (!under18)
        return fed::kDisabilityAmount;
    const double over = std::max(0.0, careExpensesClaimed - fed::kDisabilitySupplementThreshold);
    return cents(fed::kDisabilityAmount + std::max(0.0, fed::kDisabilitySupplement - over));
}

double medicalExpenseThreshold(double netIncome)
{
    return std::min(fed::kMedicalThresholdMax, cents(std::max(0.0, netIncome) * fed::kMedicalRate));
}

DonationCredit federalDonationCredit(double donations, double taxableIncome)
{
    DonationCredit c;
    if (donations <= 0.0)
        return c;
    const double first = std::min(donations, fed::kDonationFirstTier);
    const double rest = donations - first;
    const double topPart = std::min(rest, std::max(0.0, taxableIncome - fed::kTopBracketStart));
    c.firstTier = cents(first * fed::kDonationLowRate);
    c.topTier = cents(topPart * fed::kDonationTopRate);
    c.middleTier = cents((rest - topPart) * fed::kDonationMiddleRate);
    c.total = cents(c.firstTier + c.topTier + c.middleTier);
    return c;
}

double grossUpEligibleDividends(double actualAmount)
{
    return cents(actualAmount * (1.0 + fed::kEligibleGrossUp));
}

double grossUpOtherDividends(double actualAmount)
{
    return cents(actualAmount * (1.0 + fed::kOtherGrossUp));
}

double federalEligibleDividendCredit(double grossedUpEligible)
{
    return cents(std::max(0.0, grossedUpEligible) * fed::kEligibleDividendCreditRate);
}

double federalOtherDividendCredit(double grossedUpOther)
{
    return cents(std::max(0.0, grossedUpOther) * fed::kOtherDividendCreditRate);
}

double quebecAbatement(double basicFederalTax)
{
    return cents(std::max(0.0, basicFederalTax) * fed::kQuebecAbatementRate);
}

double oasRecovery(double netIncomeBeforeAdjustments, double oasReceived)
{
    const double due = cents(std::max(0.0, netIncomeBeforeAdjustments - fed::kOasRecoveryThreshold) * fed::kOasRecoveryRate);
    return std::min(due, std::max(0.0, oasReceived));
}

} // namespace tax2024
