#pragma once
#include "taxdata_slipbase.h"

// NR4: statement of amounts paid or credited to non-residents of Canada.
class TaxData_Slip_NR4 : public TaxData_SlipBase
{
public:
    enum Field {
        F_ExchangeRate = TaxData_SlipBase::F_CommonCount, F_Box16, F_Box17, F_Box26, F_Box27,
        F_Count
    };

    TaxData_Slip_NR4();
};
