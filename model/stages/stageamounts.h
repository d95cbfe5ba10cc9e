#pragma once
#include "ctaxdata_form.h"

// Amount tests shared by the calculation stages (a cent is the smallest amount kept).
inline bool nonZero(double v) { return isAmountEntered(v); }
inline bool positive(double v) { return v >= 0.009; }
// The total of a form's amounts.
inline double sumOf(const CTaxData_Form &form, std::initializer_list<int> fields)
{
    double total = 0.0;
    for (int f : fields)
        total += form.amount(f);
    return total;
}
