#pragma once
// Money helpers shared by the 2024 calculators.
#include "utils.h"

namespace tax2024 {

// Rounds half away from zero to the cent, as the forms round their lines.
inline double cents(double v)
{
    return roundToCent(v);
}

// One bracket of a rate schedule: the rate applies to income above `lower`.
struct Bracket
{
    double lower;
    double rate;
};

// Tax on income over a schedule of `count` brackets ordered by `lower`
// (the first starting at 0), as the forms work it: the tax on the lower
// brackets (a printed constant, rounded to the cent) plus the rate of the
// income's bracket on the part above its start, rounded to the cent.
double taxOnBrackets(const Bracket *brackets, int count, double income);

// v limited to [lo, hi].
double clampAmount(double v, double lo, double hi);

} // namespace tax2024
