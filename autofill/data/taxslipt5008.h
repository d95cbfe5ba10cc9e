#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T5008 slip; read by the Auto-fill copy for one Schedule 3 disposition, never copied as a slip (slip type 19).
class TaxSlipT5008 : public TaxSlip
{
public:
    TaxSlipT5008() : TaxSlip(19) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string box11, box13, box15, box16, box17, box18, box19, box20, box21, box22, box23;
};
