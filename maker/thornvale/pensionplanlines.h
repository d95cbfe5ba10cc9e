#pragma once
// The T1 lines of the Canada or Quebec Pension Plan for one person (Schedule 8,
// form RC381): the employee's contributions split between the credit and the
// deduction, the contributions on self-employment and the overpayment.

struct PensionPlanLines
{
    double line30800 = 0.0; // base contributions on employment
    double line22215 = 0.0; // enhanced contributions on employment
    double line31000 = 0.0; // half of the base contributions on self-employment
    double line22200 = 0.0; // the rest of the contributions on self-employment
    double line42100 = 0.0; // contributions payable on self-employment
    double line44800 = 0.0; // overpayment
};

// What the employer deducted: the base and first additional contributions (T4 box 16
// or 17) apart from the second additional ones (box 16A or 17A).
struct DeductedContributions
{
    double firstTier = 0.0;
    double secondAdditional = 0.0;
};

// quebecPlan: the Quebec plan's base rate applies. months: the months of the year
// that count (12 for a full year; 0 when no contribution is required).
PensionPlanLines pensionPlanLines(bool quebecPlan, double pensionableEarnings, const DeductedContributions &deducted,
                                  double selfEmploymentEarnings, int months);
