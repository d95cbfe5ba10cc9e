#include "taxslipt4.h"
#include <tinyxml.h>
#include <cstring>
#include "formtables.h"
#include "taxdata_slip_t4.h"
#include "utils.h"

int TaxSlipT4::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4 *>(form);
    if (!s)
        return 0;
    using S = TaxData_Slip_T4;
    s->setText(S::F_Payer, QString::fromUtf8(employerName.c_str()));
    s->setIntValue(S::F_Province, provinceFromCode(QString::fromStdString(province)));
    copyBoxes(*s, {"14", "16", "16A", "17", "17A", "18", "20", "22"});
    // earnings boxes only when given, with their flags
    if (boxAmount("24") >= 0.009) {
        s->setAmount(S::F_Box24, boxAmount("24"));
        s->setFlag(S::F_Box24Given, true);
    }
    if (boxAmount("26") >= 0.009) {
        s->setAmount(S::F_Box26, boxAmount("26"));
        s->setFlag(S::F_Box26Given, true);
    }
    s->setFlag(S::F_Switch1, myStringToDouble(cppQppExemptCode) > 0.9);
    s->setFlag(S::F_EiExempt, myStringToDouble(eiExemptCode) > 0.9);
    copyBoxes(*s, {"30", "42", "44", "46", "52", "55", "66", "67", "71", "87", "90", "91", "92"});
    return 0;
}

int TaxSlipT4::parseSpecialFields(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (!box) {
            if (nameEndsWith(name, "EmployerName"))
                employerName = text;
        } else if (std::strcmp(box, "10") == 0) {
            province = text;
        } else if (std::strcmp(box, "28") == 0) {
            if (nameEndsWith(name, "CPPQPPExemptCode"))
                cppQppExemptCode = text;
            else if (nameEndsWith(name, "EmploymentInsurancePremiumExemptCode"))
                eiExemptCode = text;
            else if (nameEndsWith(name, "ProvincialParentalInsurancePlanExemptCode"))
                ppipExemptCode = text;
        }
    });
    return 0;
}

int TaxSlipT4::htmlHeader(CString &out, int)
{
    headerItem(out, employerName, "Employer");
    headerItem(out, province, "Box 10 - Province");
    headerItem(out, cppQppExemptCode, "Box 28 - CPP/QPP exempt", "0");
    headerItem(out, eiExemptCode, "Box 28 - EI exempt", "0");
    headerItem(out, ppipExemptCode, "Box 28 - PPIP exempt", "0");
    return 0;
}
