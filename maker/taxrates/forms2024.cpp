#include "forms2024.h"
#include "federal2024.h"

#include <algorithm>

namespace tax2024 {
namespace forms {

double medicalExpenseSupplement(const MedicalSupplementInput &in)
{
    if (!in.eligible)
        return 0.0;
    // lines 1 to 5: earned income
    const double employment = std::max(0.0, cents(in.employmentIncome - in.employmentDeductions));
    const double earned = cents(employment + std::max(0.0, in.selfEmploymentIncome));
    if (earned < kMedicalSupplementMinEarnings)
        return 0.0;
    // lines 6 to 10: a quarter of the medical and disability supports amounts, at most the maximum
    const double base = cents(std::max(0.0, in.disabilitySupports) + std::max(0.0, in.allowableMedical));
    const double supplement = std::min(kMedicalSupplementMax, cents(base * kMedicalSupplementRate));
    // lines 11 to 17: reduced by 5 % of adjusted family net income over the base amount
    const double over = std::max(0.0, cents(in.familyNetIncome - kMedicalSupplementThreshold));
    const double reduction = cents(over * kMedicalSupplementReductionRate);
    return std::max(0.0, cents(supplement - reduction));
}

double maximumSplitPension(double eligiblePension, int months)
{
    const double half = cents(std::max(0.0, eligiblePension) * kPensionSplitShare);
    return cents(half * std::max(0, std::min(12, months)) / 12.0);
}

double splitPensionTaxDeducted(double taxDeducted, double splitAmount, double eligiblePension)
{
    if (eligiblePension <= 0.0 || splitAmount <= 0.0 || taxDeducted <= 0.0)
        return 0.0;
    return std::min(taxDeducted, cents(taxDeducted * std::min(splitAmount, eligiblePension) / eligiblePension));
}

PpipResult ppipPremiums(double insurableEmployment, double otherEmployment, double selfEmployment)
{
    PpipResult r;
    const double quebec = std::min(kPpipMaxInsurable, std::max(0.0, insurableEmployment));
    const double other = std::min(std::max(0.0, otherEmployment), cents(kPpipMaxInsurable - quebec));
    r.employmentPayable = cents(other * kPpipEmployeeRate);
    if (selfEmployment < kPpipSelfEmployedMinimum)
        return r;
    r.selfEmployedInsurable = std::min(selfEmployment, cents(kPpipMaxInsurable - quebec - other));
    r.selfEmployedPremiums = cents(r.selfEmployedInsurable * kPpipSelfEmployedRate);
    r.credit = cents(r.selfEmployedInsurable * kPpipEmployeeRate);
    r.deduction = cents(r.selfEmployedPremiums - r.credit);
    return r;
}

double dividendGrossUp(double taxableEligible, double taxableOther)
{
    const double eligible = std::max(0.0, taxableEligible);
    const double other = std::max(0.0, taxableOther);
    return cents(cents(eligible * fed::kEligibleGrossUp / (1.0 + fed::kEligibleGrossUp))
                 + cents(other * fed::kOtherGrossUp / (1.0 + fed::kOtherGrossUp)));
}

double exemptGainsAdjustment(double gainsDeductions)
{
    const double deductions = std::max(0.0, gainsDeductions);
    const double gains = cents(deductions / kRegularGainsInclusion);
    return cents(gains - deductions - cents(gains * kAmtExemptGainsInclusion));
}

double disallowedDeductions(double halvedDeductions)
{
    return cents(std::max(0.0, halvedDeductions) * kAmtDisallowedShare);
}

double donatedSecuritiesGains(double zeroInclusionGains)
{
    return cents(std::max(0.0, zeroInclusionGains) * kAmtDonatedGainsInclusion);
}

double securityOptionsAddBack(double deductions24900)
{
    return cents(std::max(0.0, deductions24900));
}

double minimumTaxCredits(double credits33800, double donations34900, double political41000)
{
    return cents(cents(std::max(0.0, credits33800) * kAmtCreditShare)
                 + cents(std::max(0.0, donations34900) * kAmtDonationShare) + std::max(0.0, political41000));
}

double clergyResidenceDeduction(const ClergyResidenceInput &in)
{
    const double remuneration = std::max(0.0, in.remuneration);
    const double provided = std::max(0.0, in.providedResidence);
    const int months = std::max(0, std::min(12, in.months));
    const double monthly = std::min(kClergyYearlyAmount, kClergyMonthlyAmount * months);
    const double share = cents(remuneration * kClergyRemunerationShare);
    const double limit = std::max(monthly, share);
    const double other = std::min(std::max(0.0, in.housingCost), limit);
    return std::min(remuneration, cents(provided + other));
}

double overseasEmploymentCredit(double overseasIncome, double netIncome, double basicFederalTax)
{
    if (netIncome <= 0.0 || basicFederalTax <= 0.0)
        return 0.0;
    const double qualifying =
        cents(kOverseasSpecifiedPercentage * std::min(kOverseasIncomeMax, std::max(0.0, overseasIncome)));
    return std::min(basicFederalTax, cents(basicFederalTax * std::min(qualifying, netIncome) / netIncome));
}

BusinessTransferResult businessTransferDeduction(const BusinessTransferInput &in)
{
    BusinessTransferResult r;
    const double rate = std::max(0.0, std::min(1.0, in.inclusionRate));
    r.taxableQualifyingGain = cents(std::max(0.0, in.qualifyingGain) * rate);
    const double share = in.exemptionShare >= 0.01 ? std::min(in.exemptionShare, kBusinessTransferExemption)
                                                   : kBusinessTransferExemption;
    r.exemptionLimit = cents(share * rate);
    const double available = std::max(0.0, in.netTaxableGains);
    r.deduction = std::min({r.taxableQualifyingGain, r.exemptionLimit, cents(available)});
    return r;
}

bool retroactivePaymentQualifies(double principalTotal)
{
    return cents(principalTotal) >= kRetroactivePaymentMinimum;
}

double fuelChargeFarmCredit(double eligibleExpenses, int province)
{
    // the program's numbers of BC, NT, NU, QC and YT: no fuel charge proceeds returned there
    constexpr int kOutside[] = {2, 6, 8, 11, 13};
    for (int p : kOutside)
        if (province == p)
            return 0.0;
    if (eligibleExpenses < kFuelChargeFarmMinimumExpenses)
        return 0.0;
    return cents(eligibleExpenses * kFuelChargeFarmRate);
}

} // namespace forms
} // namespace tax2024
