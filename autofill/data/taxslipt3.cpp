#include "taxslipt3.h"
#include <tinyxml.h>
#include "taxdata_slip_t3.h"

int TaxSlipT3::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T3 *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T3::F_Payer, QString::fromUtf8(trustName.c_str()));
    copyBoxes(*s, {"21", "23", "25", "26", "30", "32", "34", "39", "49", "50", "51", "52", "53", "54", "55",
                   "56", "57", "58", "59"});
    s->calculateData();
    return 0;
}

int TaxSlipT3::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box && nameEndsWith(name, "TrustName"))
            trustName = text;
    });
    return 0;
}

int TaxSlipT3::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, trustName, "Trust Name");
    out += QStringLiteral("</h4>");
    return 0;
}
