#pragma once
#include "taxdata_slipbase.h"

// RC210: advanced Canada workers benefit statement.
class TaxData_Slip_RC210 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box10 = TaxData_SlipBase::F_CommonCount, F_Box11, F_Count
    };

    TaxData_Slip_RC210();
};
