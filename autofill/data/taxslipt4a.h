#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T4A slip (slip type 2).
class TaxSlipT4A : public TaxSlip
{
public:
    TaxSlipT4A() : TaxSlip(2) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName;
};
