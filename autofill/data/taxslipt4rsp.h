#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T4RSP slip (slip type 4).
class TaxSlipT4RSP : public TaxSlip
{
public:
    TaxSlipT4RSP() : TaxSlip(4) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName;
};
