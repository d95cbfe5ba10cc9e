#pragma once
// CPP, QPP and EI for 2024 (Schedule 8, form RC381 for Quebec residents,
// EI premium rates and maximums).

namespace tax2024 {

enum class PensionPlan { Cpp, Qpp };

namespace payroll {
constexpr double kYmpe = 68500.0;            // maximum pensionable earnings
constexpr double kYampe = 73200.0;           // additional maximum (CPP2 / QPP2 ceiling)
constexpr double kBasicExemption = 3500.0;

constexpr double kCppBaseRate = 0.0495;
constexpr double kQppBaseRate = 0.054;
constexpr double kFirstAdditionalRate = 0.01;  // same for CPP and QPP
constexpr double kSecondAdditionalRate = 0.04; // CPP2 / QPP2, same for both

constexpr double kCppEmployeeMax = 3867.50;    // 5.95 % of 65,000
constexpr double kCppBaseCreditMax = 3217.50;  // line 30800 ceiling
constexpr double kQppEmployeeMax = 4160.0;     // 6.40 % of 65,000
constexpr double kSecondAdditionalMax = 188.0; // 4 % of 4,700

constexpr double kEiMaxInsurable = 63200.0;
// Insurable earnings of at most this give a refund of every EI premium deducted (T2204).
constexpr double kEiRefundAllEarnings = 2000.0;
constexpr double kEiRate = 0.0166;
constexpr double kEiRateQuebec = 0.0132;
constexpr double kEiMaxPremium = 1049.12;
constexpr double kEiMaxPremiumQuebec = 834.24;
} // namespace payroll

// The pensionable limits of a year with `months` months of contributions
// (1 to 12; a year of death, of turning 18 or 70, or of a disability pension).
struct PensionLimits
{
    double ympe = payroll::kYmpe;
    double yampe = payroll::kYampe;
    double exemption = payroll::kBasicExemption;
};
PensionLimits pensionLimits(int months = 12);

// Contributions of one person. For an employee the credit part is line 30800
// (base) and the deduction part line 22215 (first and second additional).
// For self-employment the base and first additional are paid at twice the
// employee rate; the credit part is line 31000 (half the base) and the
// deduction part line 22200 (the other half of the base and all the
// additional contributions).
struct PensionContributions
{
    double base = 0.0;
    double firstAdditional = 0.0;
    double secondAdditional = 0.0;
    double total = 0.0;
    double creditPart = 0.0;
    double deductionPart = 0.0;
};

// A contribution on the first tier (earnings above the exemption, up to the
// YMPE) split into its base and first additional parts in the ratio of their
// rates (CPP: 4.95 / 5.95 base); the parts add up to the amount.
struct FirstTierParts
{
    double base = 0.0;
    double firstAdditional = 0.0;
};
FirstTierParts splitFirstTier(PensionPlan plan, double firstTierAmount);

// Required employee contributions on pensionable employment earnings.
PensionContributions employeePensionContributions(PensionPlan plan, double pensionableEarnings, int months = 12);
PensionContributions cppEmployee(double pensionableEarnings, int months = 12);
PensionContributions qppEmployee(double pensionableEarnings, int months = 12);

// Contributions on self-employment earnings; the employment earnings of the
// same year use up the exemption and the ceilings first.
PensionContributions selfEmployedPensionContributions(PensionPlan plan, double selfEmploymentEarnings,
                                                      double employmentEarnings = 0.0, int months = 12);
PensionContributions cppSelfEmployed(double selfEmploymentEarnings, double employmentEarnings = 0.0, int months = 12);

// Employee EI premium on insurable earnings (Quebec residents pay the reduced rate).
double eiPremium(double insurableEarnings, bool quebec = false);

} // namespace tax2024

// ==== EI benefits repayment (lines 23500 and 42200) ==========================
namespace tax2024 {
namespace payroll {
// T4E 2024, chart on the back of the slip: 30 % of the lesser of the benefits
// subject to repayment (box 15 of the slips whose box 7 rate is not 0 %) and
// net income before adjustments (line 23400) over 79,000 (1.25 x 63,200).
constexpr double kEiRepaymentThreshold = 79000.0;
constexpr double kEiRepaymentRate = 0.30;
} // namespace payroll

// The repayment of one person's EI benefits from the slips' repayment base.
double eiBenefitsRepayment(double repaymentBase, double netIncomeBeforeAdjustments);
} // namespace tax2024
