#pragma once
#include "taxdata_slipbase.h"

// RC62: universal child care benefit statement.
class TaxData_Slip_RC62 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box10 = TaxData_SlipBase::F_CommonCount, F_Box12, F_Count
    };

    TaxData_Slip_RC62();
};
