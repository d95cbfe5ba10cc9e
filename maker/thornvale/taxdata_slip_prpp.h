#pragma once
#include "taxdata_slipbase.h"

// PRPP: pooled registered pension plan contribution receipt. The account number
// holds the contract number; Version (the slip's version text) came later.
class TaxData_Slip_PRPP : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box10 = TaxData_SlipBase::F_CommonCount, F_Box11, F_Box12, F_Box13, F_Box14, F_Version, F_Count
    };

    TaxData_Slip_PRPP();
};
