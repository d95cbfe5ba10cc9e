#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T4RIF slip (slip type 7).
class TaxSlipT4RIF : public TaxSlip
{
public:
    TaxSlipT4RIF() : TaxSlip(7) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName;
};
