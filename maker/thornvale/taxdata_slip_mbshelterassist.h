#pragma once
#include "taxdata_slipbase.h"

// Manitoba Rent Assist statement.
class TaxData_Slip_MBShelterAssist : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box10 = TaxData_SlipBase::F_CommonCount, F_Count
    };

    TaxData_Slip_MBShelterAssist();
};
