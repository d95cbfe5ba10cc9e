#include "money2024.h"

#include "utils.h"

#include <algorithm>

namespace tax2024 {

double taxOnBrackets(const Bracket *brackets, int count, double income)
{
    if (count <= 0 || income <= brackets[0].lower)
        return 0.0;
    // the tax on the lower brackets, exact; the forms print it rounded
    double below = 0.0;
    int i = 0;
    for (; i + 1 < count && income > brackets[i + 1].lower; ++i)
        below += (brackets[i + 1].lower - brackets[i].lower) * brackets[i].rate;
    return cents(cents(below) + cents((income - brackets[i].lower) * brackets[i].rate));
}

double clampAmount(double v, double lo, double hi)
{
    return std::max(lo, std::min(v, hi));
}

} // namespace tax2024
