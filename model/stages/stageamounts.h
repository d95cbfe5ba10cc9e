#pragma once
#include "ctaxdata_form.h"

// Amount tests shared by the calculation stages (a cent is the smallest amount kept).
inline bool nonZero(double v) { return isAmountEntered(v); }
inline bool positive(double v) { return v >= 0.009; }
