#pragma once

// Canada carbon rebate (climate action incentive payment) of one household for the
// payment year that began in April 2024, made on the stack for one estimate.
class TaxData_Benefit_CAI
{
public:
    int province = 0;                // the main tax province (1 to 13)
    bool withSpouse = false;         // a spouse or common-law partner counts in the household
    bool eligibleDependant = false;  // a single parent's first child counts as a spouse would
    int children = 0;                // further children under 19
    bool rural = false;              // lives outside a census metropolitan area
    int age = 0;                     // at the end of the tax year

    // The yearly payment; 0 outside the provinces that pay it or for a person under 19
    // who has neither a spouse nor a child.
    double Calculate01() const;

    // The yearly amount for one adult in the province (0 where none is paid).
    static double baseAmount(int province);
};
