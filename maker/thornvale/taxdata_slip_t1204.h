#pragma once
#include "taxdata_slipbase.h"

// T1204: government service contract payments.
class TaxData_Slip_T1204 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box82 = TaxData_SlipBase::F_CommonCount, F_Box84, F_Count
    };

    TaxData_Slip_T1204();
};
