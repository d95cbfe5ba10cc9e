#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T1204 slip; boxes 82 and 84 also go to a business-income form (slip type 23).
class TaxSlipT1204 : public TaxSlip
{
public:
    TaxSlipT1204() : TaxSlip(23) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName, box82, box84;
};
