#include "taxslipmbrentalassistslip.h"
#include <tinyxml.h>
#include "taxdata_slip_mbshelterassist.h"
#include "utils.h"

int TaxSlipMBRentalAssistSlip::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_MBShelterAssist *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_MBShelterAssist::F_Payer, QString::fromUtf8(payerName.c_str()));
    s->setAmount(TaxData_Slip_MBShelterAssist::F_Box10, myStringToDouble(shelterBenefitAmount));
    return 0;
}

int TaxSlipMBRentalAssistSlip::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *, const std::string &text) {
        if (nameEndsWith(name, "PayerName"))
            payerName = text;
        else if (nameEndsWith(name, "ManitobaShelterBenefitAmount"))
            shelterBenefitAmount = text;
    });
    return 0;
}

int TaxSlipMBRentalAssistSlip::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, payerName, "Payer Name");
    headerItem(out, shelterBenefitAmount, "Allowance Amount");
    out += QStringLiteral("</h4>");
    return 0;
}
