#include "taxdata_benefit_cai.h"

namespace {
// Rural households get this much more, except in Prince Edward Island, whose base
// amounts include it already.
constexpr double kRuralSupplement = 0.20;
} // namespace

double TaxData_Benefit_CAI::baseAmount(int province)
{
    // Yearly amounts for April 2024 to January 2025 (four quarterly payments).
    switch (province) {
    case 1: return 900.0;   // Alberta
    case 3: return 600.0;   // Manitoba
    case 4: return 380.0;   // New Brunswick
    case 5: return 596.0;   // Newfoundland and Labrador
    case 7: return 412.0;   // Nova Scotia
    case 9: return 560.0;   // Ontario
    case 10: return 440.0;  // Prince Edward Island
    case 12: return 752.0;  // Saskatchewan
    default: return 0.0;
    }
}

double TaxData_Benefit_CAI::Calculate01() const
{
    const double base = baseAmount(province);
    const int kids = children > 0 ? children : 0;
    if (base <= 0.0 || (age < 19 && !withSpouse && !eligibleDependant && kids == 0))
        return 0.0;
    // the spouse (or a single parent's first child) half the base, each further child a quarter
    double amount = base;
    if (withSpouse || eligibleDependant)
        amount += base / 2;
    amount += kids * base / 4;
    if (rural && province != 10)
        amount *= 1.0 + kRuralSupplement;
    return amount;
}
