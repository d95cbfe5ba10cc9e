#pragma once

// The tax brackets of one jurisdiction: thresholds and marginal rates.
struct STRUCT_TAX_STAIRS_JURISDICTION
{
    static constexpr int kMaxSteps = 6;
    int steps;                      // number of rates in use
    double threshold[kMaxSteps];    // lower bound of each bracket; threshold[0] is 0
    double rate[kMaxSteps];

    // Tax on an income by the brackets.
    double taxOn(double income) const;
    // The credit base that brings the tax on taxable income to nil once the
    // credits already claimed (usedCredits, in base amounts) are taken off.
    double CalcAlgoForSpouseF260S2(double taxableIncome, double usedCredits) const;
};
