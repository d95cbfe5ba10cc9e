#include "taxslipt4a.h"
#include <tinyxml.h>
#include "taxdata_slip_t4a.h"

int TaxSlipT4A::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4A *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4A::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"16", "18", "20", "22", "24", "28", "30", "32", "34", "37", "40", "42", "46", "48", "104",
                   "105", "106", "107", "109", "118", "119", "124", "125", "127", "128", "131", "135", "196",
                   "197", "198", "199", "200", "201", "202", "203", "204", "210", "211"});
    return 0;
}

int TaxSlipT4A::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box && nameEndsWith(name, "PayerName"))
            payerName = text;
    });
    return 0;
}

int TaxSlipT4A::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer");
    out += QStringLiteral("</h4>");
    return 0;
}
