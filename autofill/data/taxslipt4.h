#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T4 slip (slip type 1).
class TaxSlipT4 : public TaxSlip
{
public:
    TaxSlipT4() : TaxSlip(1) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string employerName, province, cppQppExemptCode, eiExemptCode, ppipExemptCode;
};
