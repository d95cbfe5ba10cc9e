#include "taxslipt4ap.h"
#include <tinyxml.h>
#include <cstdlib>
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

int TaxSlipT4AP::parseSpecialFields(const TiXmlElement *slip)
{
    std::string *const fields[] = {&box13, &box14, &box15, &box16, &box17, &box18,
                                   &box19, &box20, &box21, &box22, &box23};
    forEachTextChild(slip, [&fields](const std::string &, const char *box, const std::string &text) {
        if (!box)
            return;
        const int n = std::atoi(box);
        if (n >= 13 && n <= 23 && std::to_string(n) == box)
            *fields[n - 13] = text;
    });
    return 0;
}

int TaxSlipT4AP::htmlHeader(CString &out, int)
{
    out += QStringLiteral("<h4>");
    headerItem(out, box13, "Box 13 - Effective Date");
    headerItem(out, box14, "Box 14 - Retirement Benefit Amount");
    headerItem(out, box15, "Box 15 - Survivor Benefit Amount");
    headerItem(out, box16, "Box 16 - Disability Benefit Amount");
    headerItem(out, box17, "Box 17 - Child Benefit Amount");
    headerItem(out, box18, "Box 18 - Death Benefit Amount");
    headerItem(out, box19, "Box 19 - Post-retirement Benefit Amount");
    headerItem(out, box20, "Box 20 - Taxable Benefit Amount");
    headerItem(out, box21, "Box 21 - Number of Disability Month");
    headerItem(out, box22, "Box 22 - Income Tax Deducted");
    headerItem(out, box23, "Box 23 - Number of Retirement Month");
    out += QStringLiteral("</h4>");
    return 0;
}
