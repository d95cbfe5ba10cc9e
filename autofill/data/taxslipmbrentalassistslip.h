#pragma once
#include "taxslip.h"
#include <string>

// Downloaded Manitoba shelter assistance slip (slip type 21).
class TaxSlipMBRentalAssistSlip : public TaxSlip
{
public:
    TaxSlipMBRentalAssistSlip() : TaxSlip(21) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string payerName, shelterBenefitAmount;
};
