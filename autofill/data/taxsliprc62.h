#pragma once
#include "taxslip.h"

// Downloaded RC62 slip (slip type 17).
class TaxSlipRC62 : public TaxSlip
{
public:
    TaxSlipRC62() : TaxSlip(17) {}

    int copyToSlip(CTaxData_Form *form) override;
};
