#pragma once
#include "taxslip.h"

// Downloaded T4E slip (slip type 5).
class TaxSlipT4E : public TaxSlip
{
public:
    TaxSlipT4E() : TaxSlip(5) {}

    int copyToSlip(CTaxData_Form *form) override;
};
