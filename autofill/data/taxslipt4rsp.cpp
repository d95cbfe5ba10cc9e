#include "taxslipt4rsp.h"
#include <tinyxml.h>
#include "taxdata_slip_t4rsp.h"

int TaxSlipT4RSP::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4RSP *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4RSP::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"16", "18", "20", "22"});
    // box 24: paid out of a spousal plan
    s->setFlag(TaxData_Slip_T4RSP::F_SpousalPlan, boxAmount("24") > 0.9);
    copyBoxes(*s, {"25", "26", "27", "28", "30", "34", "37"});
    s->calculateData();
    return 0;
}

int TaxSlipT4RSP::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box && nameEndsWith(name, "PayerName"))
            payerName = text;
    });
    return 0;
}

int TaxSlipT4RSP::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer:");
    out += QStringLiteral("</h4>");
    return 0;
}
