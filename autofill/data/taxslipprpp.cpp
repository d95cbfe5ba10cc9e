#include "taxslipprpp.h"
#include <tinyxml.h>
#include "taxdata_slip_prpp.h"
#include "utils.h"

int TaxSlipPRPP::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_PRPP *>(form);
    if (!s)
        return 0;
    using S = TaxData_Slip_PRPP;
    s->setText(S::F_AccountNumber, QString::fromUtf8(contractNumber.c_str()));
    s->setText(S::F_Version, QString::fromUtf8(slipVersionDescription.c_str()).trimmed());
    s->setAmount(S::F_Box10, myStringToDouble(employeeCurrentYear));
    s->setAmount(S::F_Box11, myStringToDouble(employeePriorYear));
    s->setAmount(S::F_Box12, myStringToDouble(employerContribution));
    s->setAmount(S::F_Box13, myStringToDouble(employeeCurrentYearExempt));
    s->setAmount(S::F_Box14, myStringToDouble(employeePriorYearExempt));
    return 0;
}

int TaxSlipPRPP::parseSpecialFields(const TiXmlElement *slip)
{
    const std::pair<const char *, std::string *> names[] = {
        {"EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount", &employeeCurrentYear},
        {"EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount", &employeeCurrentYearExempt},
        {"EmployeePriorYearPooledRegisteredPensionPlanContributionAmount", &employeePriorYear},
        {"EmployeePriorYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount", &employeePriorYearExempt},
        {"EmployerPooledRegisteredPensionPlanContributionAmount", &employerContribution},
        {"PooledRegisteredPensionPlanContractNumber", &contractNumber},
        {"SlipVersionDescription", &slipVersionDescription},
    };
    forEachTextChild(slip, [&names](const std::string &name, const char *, const std::string &text) {
        for (const auto &n : names)
            if (nameEndsWith(name, n.first)) {
                *n.second = text;
                return;
            }
    });
    return 0;
}

int TaxSlipPRPP::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, contractNumber, "Contract Number");
    headerItem(out, employeeCurrentYear, "Employee Contributed Current year");
    headerItem(out, employeeCurrentYearExempt, "Employee contributed amount from exempt income current year");
    headerItem(out, employeePriorYear, "Employee Contributed Prior year");
    headerItem(out, employeePriorYearExempt, "Employee contributed amount from exempt income prior year");
    headerItem(out, employerContribution, "PRPP employer contributions");
    out += QStringLiteral("</h4>");
    return 0;
}
