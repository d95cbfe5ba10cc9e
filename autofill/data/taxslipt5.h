#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T5 slip (slip type 8).
class TaxSlipT5 : public TaxSlip
{
public:
    TaxSlipT5() : TaxSlip(8) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName;
};
