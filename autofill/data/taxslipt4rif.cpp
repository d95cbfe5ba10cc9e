#include "taxslipt4rif.h"
#include <tinyxml.h>
#include "taxdata_slip_t4rif.h"

int TaxSlipT4RIF::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4RIF *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4RIF::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"16", "18", "20", "22", "24", "28", "37"});
    s->calculateData();
    return 0;
}

int TaxSlipT4RIF::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box && nameEndsWith(name, "PayerName"))
            payerName = text;
    });
    return 0;
}

int TaxSlipT4RIF::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer");
    out += QStringLiteral("</h4>");
    return 0;
}
