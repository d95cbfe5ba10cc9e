#include "taxslipt4ap.h"
#include "taxdata_slip_t4ap.h"
#include "utils.h"

int TaxSlipT4AP::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4AP *>(form);
    if (!s)
        return 0;
    const std::string *boxes[] = {&box14, &box15, &box16, &box17, &box18, &box19, &box20, &box21, &box22, &box23};
    for (int i = 0; i < 10; ++i)
        s->setValueByCode(14 + i, myStringToDouble(*boxes[i]));
    return 0;
}
