#pragma once
#include "taxdata_slipbase.h"

// T4FHSA: first home savings account statement.
class TaxData_Slip_T4FHSA : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box18 = TaxData_SlipBase::F_CommonCount, F_Box20, F_Box22, F_Box24, F_Box26, F_Box28,
        F_Box30, F_Box32, F_Box34, F_Box36, F_Box38, F_Switch1, F_Count
    };

    TaxData_Slip_T4FHSA();
};
