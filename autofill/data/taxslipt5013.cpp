#include "taxslipt5013.h"
#include <tinyxml.h>
#include "taxdata_slip_t5013.h"

int TaxSlipT5013::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T5013 *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T5013::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"5"});
    return 0;
}

int TaxSlipT5013::setNamedField(const std::string &name, const std::string &value)
{
    if (nameEndsWith(name, "PayerName"))
        payerName = value;
    return 0;
}

int TaxSlipT5013::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer");
    out += QStringLiteral("</h4>");
    return 0;
}
