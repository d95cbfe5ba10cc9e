#include "taxslipt1204.h"
#include <tinyxml.h>
#include <cstring>
#include "taxdata_slip_t1204.h"
#include "utils.h"

int TaxSlipT1204::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T1204 *>(form);
    if (!s)
        return 0;
    s->setAmount(TaxData_Slip_T1204::F_Box82, myStringToDouble(box82));
    s->setAmount(TaxData_Slip_T1204::F_Box84, myStringToDouble(box84));
    return 0;
}

int TaxSlipT1204::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box) {
            if (nameEndsWith(name, "PayerName"))
                payerName = text;
        } else if (std::strcmp(box, "82") == 0) {
            box82 = text;
        } else if (std::strcmp(box, "84") == 0) {
            box84 = text;
        }
    });
    return 0;
}

int TaxSlipT1204::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer Name");
    headerItem(out, box82, "Contract Service Payment");
    headerItem(out, box84, "Service and Goods Payment");
    out += QStringLiteral("</h4>");
    return 0;
}
