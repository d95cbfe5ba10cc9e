#pragma once
#include "taxdata_slipbase.h"

// T5013: statement of partnership income.
class TaxData_Slip_T5013 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box5 = TaxData_SlipBase::F_CommonCount, F_AmountA, F_AmountB, F_AmountC, F_AmountD,
        F_AmountE, F_AmountF, F_AmountG, F_AmountH, F_AmountI, F_AmountJ, F_AmountK, F_AmountL,
        F_AmountM, F_AmountN, F_AmountO, F_AmountP, F_AmountQ, F_AmountR, F_AmountS, F_AmountT,
        F_AmountU, F_AmountV, F_AmountW, F_AmountX, F_AmountY, F_Switch1,
        // partnership's filer identification number (box 001) and tax shelter identification number (box 003)
        F_PartnershipId, F_TaxShelterId,
        F_Count
    };

    TaxData_Slip_T5013();
};
