#pragma once
#include "taxslip.h"
#include <string>

// Downloaded T5013 slip (slip type 13).
class TaxSlipT5013 : public TaxSlip
{
public:
    TaxSlipT5013() : TaxSlip(13) {}

    // Keeps the payer only: the issuer name stays empty.
    int setNamedField(const std::string &name, const std::string &value) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName;
};
