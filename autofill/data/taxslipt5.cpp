#include "taxslipt5.h"
#include <tinyxml.h>
#include "taxdata_slip_t5.h"

int TaxSlipT5::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T5 *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T5::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"10", "11", "12", "13", "14", "15", "16", "17", "18", "24", "25", "26", "34"});
    s->calculateData();
    return 0;
}

int TaxSlipT5::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box && nameEndsWith(name, "PayerName"))
            payerName = text;
    });
    return 0;
}

int TaxSlipT5::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer:");
    out += QStringLiteral("</h4>");
    return 0;
}
