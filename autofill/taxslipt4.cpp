#include "taxslipt4.h"
#include "taxdata_slip_t4.h"
#include "utils.h"

int TaxSlipT4::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4 *>(form);
    if (!s)
        return 0;
    using S = TaxData_Slip_T4;
    s->setText(S::F_Payer, QString::fromUtf8(employerName.c_str()));
    s->setIntValue(S::F_Province, provinceFromCode(province));
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
