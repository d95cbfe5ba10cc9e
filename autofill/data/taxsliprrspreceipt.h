#pragma once
#include "taxslip.h"
#include <string>

// Downloaded RRSP contribution receipt; its sums go to Schedule 7, never copied as a slip (slip type 20).
class TaxSlipRRSPReceipt : public TaxSlip
{
public:
    TaxSlipRRSPReceipt() : TaxSlip(20) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string receiptIssuerName;
    std::string rrspNumber;
    std::string contractNumber;
    std::string spouseContributionIndicator;
    std::string priorYearContribution;
    std::string currentYearContribution;
};
