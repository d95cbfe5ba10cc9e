#include "taxslipt5007.h"
#include <tinyxml.h>
#include <cstring>
#include "cslipdata_t5007.h"
#include "utils.h"

int TaxSlipT5007::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<CSlipData_T5007 *>(form);
    if (!s)
        return 0;
    s->setText(CSlipData_T5007::F_Payer, QString::fromUtf8(payerName.c_str()));
    s->setAmount(CSlipData_T5007::F_Box10, myStringToDouble(box10));
    s->setAmount(CSlipData_T5007::F_Box11, myStringToDouble(box11));
    return 0;
}

int TaxSlipT5007::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box) {
            if (nameEndsWith(name, "PayerName"))
                payerName = text;
        } else if (std::strcmp(box, "10") == 0) {
            box10 = text;
        } else if (std::strcmp(box, "11") == 0) {
            box11 = text;
        }
    });
    return 0;
}

int TaxSlipT5007::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer");
    headerItem(out, box10, "Box 10 - Worker Compensation Benefit Amount");
    headerItem(out, box11, "Box 11 - Social Assistance Payments of Provincial or Territorial Supplements");
    out += QStringLiteral("</h4>");
    return 0;
}
