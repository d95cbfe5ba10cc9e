#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T4A(P) slip (slip type 3).
class TaxSlipT4AP : public TaxSlip
{
public:
    TaxSlipT4AP() : TaxSlip(3) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string box13, box14, box15, box16, box17, box18, box19, box20, box21, box22, box23;
};
