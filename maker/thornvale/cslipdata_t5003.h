#pragma once
#include "taxdata_slipbase.h"

// T5003: statement of tax shelter information.
class CSlipData_T5003 : public TaxData_SlipBase
{
public:
    enum Field {
        F_ShelterId = TaxData_SlipBase::F_CommonCount, F_Box121, F_Count
    };

    CSlipData_T5003();
};
