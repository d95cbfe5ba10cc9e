#pragma once
#include "taxslip.h"

// Downloaded RC210 slip (slip type 18).
class TaxSlipRC210 : public TaxSlip
{
public:
    TaxSlipRC210() : TaxSlip(18) {}

    int copyToSlip(CTaxData_Form *form) override;
};
