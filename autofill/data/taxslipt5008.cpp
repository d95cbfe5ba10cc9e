#include "taxslipt5008.h"
#include <tinyxml.h>
#include <cstdlib>

int TaxSlipT5008::copyToSlip(CTaxData_Form *)
{
    return 0;
}

int TaxSlipT5008::parseSpecialFields(const TiXmlElement *slip)
{
    std::string *const fields[] = {&box11, nullptr, &box13, nullptr, &box15, &box16, &box17,
                                   &box18, &box19, &box20, &box21, &box22, &box23};
    forEachTextChild(slip, [this, &fields](const std::string &name, const char *box, const std::string &text) {
        if (!box) {
            setNamedField(name, text);
            return;
        }
        const int n = std::atoi(box);
        if (n >= 11 && n <= 23 && std::to_string(n) == box && fields[n - 11])
            *fields[n - 11] = text;
    });
    return 0;
}

int TaxSlipT5008::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, issuerName, "Issuer Name");
    headerItem(out, box11, "Box 11 - Recipient Type");
    headerItem(out, box13, "Box 13 - Currency Code");
    headerItem(out, box15, "Box 15 - Type code of securities");
    headerItem(out, box16, "Box 16 - Quantity of securities");
    headerItem(out, box17, "Box 17 - Identification of securities");
    headerItem(out, box18, "Box 18 - CUSIP/ISIN number");
    headerItem(out, box19, "Box 19 - Security Face Value Amount");
    headerItem(out, box20, "Box 20 - Security Book Value Amount");
    headerItem(out, box21, "Box 21 - Security Settlement Amount");
    headerItem(out, box22, "Box 22 - Type code of securities received on settlement");
    headerItem(out, box23, "Box 23 - Quantify of securities received on settlement");
    out += QStringLiteral("</h4>");
    return 0;
}
