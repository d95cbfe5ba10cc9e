#pragma once
#include "taxdata_slipbase.h"

// T4A-RCA: statement of distributions from a retirement compensation arrangement.
class TaxData_Slip_T4ARCA : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box14 = TaxData_SlipBase::F_CommonCount, F_Box15, F_Box16, F_Box17, F_Box18, F_Box20,
        F_Box22, F_Count
    };

    TaxData_Slip_T4ARCA();
};
