#pragma once
#include "taxslip.h"
#include <string>

// Downloaded PRPP slip (slip type 22).
class TaxSlipPRPP : public TaxSlip
{
public:
    TaxSlipPRPP() : TaxSlip(22) {}

    int parseSpecialFields(const TiXmlElement *slip) override;
    int htmlHeader(CString &out, int index) override;
    int copyToSlip(CTaxData_Form *form) override;

    std::string contractNumber;
    std::string employeeCurrentYear;
    std::string employeeCurrentYearExempt;
    std::string employerContribution;
    std::string employeePriorYear;
    std::string employeePriorYearExempt;
    std::string slipVersionDescription;
};
