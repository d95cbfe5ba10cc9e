#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T5007 slip (slip type 11).
class TaxSlipT5007 : public TaxSlip
{
public:
    TaxSlipT5007() : TaxSlip(11) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName, box10, box11;
};
