#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T3 slip (slip type 9).
class TaxSlipT3 : public TaxSlip
{
public:
    TaxSlipT3() : TaxSlip(9) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string trustName;
};
