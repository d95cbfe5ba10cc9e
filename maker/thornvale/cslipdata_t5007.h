#pragma once
#include "taxdata_slipbase.h"

// T5007: statement of benefits.
class CSlipData_T5007 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Code = TaxData_SlipBase::F_CommonCount, F_Box10, F_Box11, F_Box12, F_Switch1, F_Count
    };

    CSlipData_T5007();
};
