#pragma once
#include "taxdata_slipbase.h"

// T4PS: statement of employee profit-sharing plan allocations and payments.
class TaxData_Slip_T4PS : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box24 = TaxData_SlipBase::F_CommonCount, F_Box25, F_Box26, F_Box30, F_Box31, F_Box32,
        F_Box34, F_Box35, F_Box36, F_Box37, F_Box38, F_Box39, F_Box41, F_Switch1, F_Count
    };

    TaxData_Slip_T4PS();
};
