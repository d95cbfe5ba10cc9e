#include "tddtaxdataoneperson.h"
#include "taxslip.h"
#include "taxslipmbrentalassistslip.h"
#include "taxslipprpp.h"
#include "taxsliprc210.h"
#include "taxsliprc62.h"
#include "taxsliprrspreceipt.h"
#include "taxslipt1204.h"
#include "taxslipt2202.h"
#include "taxslipt3.h"
#include "taxslipt4.h"
#include "taxslipt4a.h"
#include "taxslipt4aoas.h"
#include "taxslipt4ap.h"
#include "taxslipt4e.h"
#include "taxslipt4fhsa.h"
#include "taxslipt4rif.h"
#include "taxslipt4rsp.h"
#include "taxslipt5.h"
#include "taxslipt5007.h"
#include "taxslipt5008.h"
#include "taxslipt5013.h"
#include "textandtime.h"
#include "utils.h"
#include <QDebug>
#include <strings.h>
#include <tinyxml.h>

namespace {

template <class Kind>
TaxSlip *make()
{
    return new Kind;
}

// Element local names and the kinds they make, in the order of comparison.
struct SlipKindRow
{
    const char *element;
    TaxSlip *(*create)();
};
const SlipKindRow kSlipKinds[] = {
    {"T4Slip", make<TaxSlipT4>},
    {"T4ASlip", make<TaxSlipT4A>},
    {"T4ESlip", make<TaxSlipT4E>},
    {"RC62Slip", make<TaxSlipRC62>},
    {"T5Slip", make<TaxSlipT5>},
    {"T3Slip", make<TaxSlipT3>},
    {"T4AOASSlip", make<TaxSlipT4AOAS>},
    {"T4RSPSlip", make<TaxSlipT4RSP>},
    {"T4APSlip", make<TaxSlipT4AP>},
    {"T2202Slip", make<TaxSlipT2202>},
    {"T5007Slip", make<TaxSlipT5007>},
    {"T5008Slip", make<TaxSlipT5008>},
    {"T5013Slip", make<TaxSlipT5013>},
    {"T4RIFSlip", make<TaxSlipT4RIF>},
    {"RC210Slip", make<TaxSlipRC210>},
    {"RRSPContributionReceiptSlip", make<TaxSlipRRSPReceipt>},
    {"ManitobaRentAssistSlip", make<TaxSlipMBRentalAssistSlip>},
    {"PRPPSlip", make<TaxSlipPRPP>},
    {"T1204Slip", make<TaxSlipT1204>},
    {"T4FHSASlip", make<TaxSlipT4FHSA>},
};

double repaymentForYear(const TDDTaxDataOnePerson::RepaymentPlan &plan, const char *year)
{
    for (const auto &r : plan.requiredRepayments)
        if (r.year == year)
            return myStringToDouble(r.amount);
    return 0.0;
}

double tuitionForYear(const std::vector<TDDTaxDataOnePerson::TuitionCarryForward> &list, const char *year)
{
    for (const auto &t : list)
        if (t.taxYear == year)
            return myStringToDouble(t.carryForwardAvailableAmount);
    return 0.0;
}

} // namespace

TDDTaxDataOnePerson::~TDDTaxDataOnePerson()
{
    for (TaxSlip *s : slips)
        delete s;
}

bool TDDTaxDataOnePerson::addSlip(TaxSlip *slip)
{
    if (slipCount() >= kMaxSlips) {
        delete slip;
        ++slipsNotKept;
        return false;
    }
    slips.push_back(slip);
    return true;
}

TaxSlip *TDDTaxDataOnePerson::createSlipForElement(const std::string &elementName)
{
    const size_t colon = elementName.find(':');
    const std::string local = colon == std::string::npos ? elementName : elementName.substr(colon + 1);
    for (const SlipKindRow &row : kSlipKinds)
        if (strcasecmp(local.c_str(), row.element) == 0)
            return row.create();
    return nullptr;
}

int TDDTaxDataOnePerson::parseSlips(const TiXmlElement *slipsElement)
{
    if (!slipsElement)
        return slipCount();
    if (const char *remark = slipsElement->Attribute("remark"))
        slipRemark = remark;
    const int cutBefore = slipsNotKept;
    for (const TiXmlElement *c = slipsElement->FirstChildElement(); c; c = c->NextSiblingElement()) {
        TaxSlip *s = createSlipForElement(c->ValueStr());
        if (!s)
            continue;
        if (slipCount() >= kMaxSlips) {
            delete s;
            ++slipsNotKept;   // counted, not read
            continue;
        }
        s->parseCommon(c);
        s->parseSpecialFields(c);
        addSlip(s);
    }
    if (slipsNotKept > cutBefore)
        qWarning("Auto-fill data: %d slips beyond the first %d were not kept", slipsNotKept - cutBefore, kMaxSlips);
    return slipCount();
}

double TDDTaxDataOnePerson::hbpRepaymentForYear(const char *year) const
{
    return repaymentForYear(summary.hbp, year);
}

double TDDTaxDataOnePerson::llpRepaymentForYear(const char *year) const
{
    return repaymentForYear(summary.llp, year);
}

double TDDTaxDataOnePerson::federalTuitionCarryForwardForYear(const char *year) const
{
    return tuitionForYear(carryOver.federalTuition, year);
}

double TDDTaxDataOnePerson::provincialTuitionCarryForwardForYear(const char *year) const
{
    return tuitionForYear(carryOver.provincialTuition, year);
}

void TDDTaxDataOnePerson::htmlSlips(CString &out) const
{
    if (!slips.empty()) {
        out += QStringLiteral("<h3>Tax Slips, number of slips = %1</h3><br>\n").arg(slipCount());
        int index = 0;
        for (TaxSlip *s : slips) {
            ++index;
            s->htmlTitle(out, index);
            s->htmlHeader(out, index);
            s->htmlBoxList(out);
            toHtmlNewLine(out);
        }
    }
    if (slipsNotKept > 0)
        out += QStringLiteral("<b>Tax slips: %1 entries not kept</b><br>\n").arg(slipsNotKept);
    if (!slipRemark.empty())
        out += QStringLiteral("<h3>Tax Slips, remarked as %1</h3><br>\n")
                   .arg(QString::fromUtf8(slipRemark.c_str()).toHtmlEscaped());
}
