#include "struct_tax_stairs_jurisdiction.h"
#include <QtGlobal>

double STRUCT_TAX_STAIRS_JURISDICTION::taxOn(double income) const
{
    double tax = 0.0;
    for (int i = 0; i < steps && income > threshold[i]; ++i) {
        const double top = i + 1 < steps ? qMin(income, threshold[i + 1]) : income;
        tax += (top - threshold[i]) * rate[i];
    }
    return tax;
}

double STRUCT_TAX_STAIRS_JURISDICTION::CalcAlgoForSpouseF260S2(double taxableIncome, double usedCredits) const
{
    if (steps <= 0 || rate[0] <= 0.0)
        return 0.0;
    return qMax(0.0, taxOn(qMax(0.0, taxableIncome)) / rate[0] - usedCredits);
}
