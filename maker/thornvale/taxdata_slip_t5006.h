#pragma once
#include "taxdata_slipbase.h"

// T5006: statement of registered labour-sponsored venture capital corporation class A shares.
class TaxData_Slip_T5006 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box10 = TaxData_SlipBase::F_CommonCount, F_Box11, F_Box12, F_Box13, F_Box14, F_Count
    };

    TaxData_Slip_T5006();
};
