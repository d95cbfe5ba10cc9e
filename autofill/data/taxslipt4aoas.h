#pragma once
#include "taxslip.h"

// Downloaded T4A(OAS) slip (slip type 6).
class TaxSlipT4AOAS : public TaxSlip
{
public:
    TaxSlipT4AOAS() : TaxSlip(6) {}

    int copyToSlip(CTaxData_Form *form) override;
};
