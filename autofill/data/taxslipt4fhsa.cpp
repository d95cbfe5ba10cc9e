#include "taxslipt4fhsa.h"
#include <tinyxml.h>
#include "taxdata_slip_t4fhsa.h"

int TaxSlipT4FHSA::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4FHSA *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4FHSA::F_Payer, QString::fromUtf8(issuerPayerName.c_str()));
    copyBoxes(*s, {"18", "20", "22", "24", "26", "28", "30", "32", "34", "36", "38"});
    return 0;
}

int TaxSlipT4FHSA::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *, const std::string &text) {
        if (nameEndsWith(name, "IssuerPayerName"))
            issuerPayerName = text;
    });
    return 0;
}

int TaxSlipT4FHSA::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, issuerPayerName, "Name");
    out += QStringLiteral("</h4>");
    return 0;
}
