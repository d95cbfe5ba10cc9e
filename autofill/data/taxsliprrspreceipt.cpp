#include "taxsliprrspreceipt.h"
#include <tinyxml.h>

int TaxSlipRRSPReceipt::copyToSlip(CTaxData_Form *)
{
    return 0;
}

int TaxSlipRRSPReceipt::parseSpecialFields(const TiXmlElement *slip)
{
    const std::pair<const char *, std::string *> names[] = {
        {"IssuerName", &receiptIssuerName},
        {"RRSPNumber", &rrspNumber},
        {"RRSPContractNumber", &contractNumber},
        {"RRSPSpouseContributionIndicator", &spouseContributionIndicator},
        {"PriorYearRRSPContributionAmount", &priorYearContribution},
        {"CurrentYearRRSPContributionAmount", &currentYearContribution},
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

int TaxSlipRRSPReceipt::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, receiptIssuerName, "Issuer Name");
    headerItem(out, rrspNumber, "RRSP Number");
    headerItem(out, contractNumber, "RRSP Contract Number");
    headerItem(out, spouseContributionIndicator, "Spouse RRSP Contribution Indicator", "0");
    headerItem(out, priorYearContribution, "Prior Year RRSP Contribution Amount");
    headerItem(out, currentYearContribution, "Current Year RRSP Contribution Amount");
    out += QStringLiteral("</h4>");
    return 0;
}
