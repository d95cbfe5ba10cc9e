#pragma once
#include "taxdata_slipbase.h"

// T4A(OAS): statement of old age security.
class CSlipData_T4AOAS : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box18 = TaxData_SlipBase::F_CommonCount, F_Box19, F_Box20, F_Box21, F_Box22, F_Box23,
        F_Count
    };

    CSlipData_T4AOAS();
};
