#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T4FHSA slip (slip type 26).
class TaxSlipT4FHSA : public TaxSlip
{
public:
    TaxSlipT4FHSA() : TaxSlip(26) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string issuerPayerName;
};
