#include "taxslip.h"
#include "ctaxdata_form.h"
#include "formtables.h"
#include "utils.h"
#include <cstdlib>

TaxSlip::~TaxSlip() = default;

const char *TaxSlip::slipTypeName() const
{
    if (slipType < 0 || slipType >= kSlipTableSize || !Global_Slips_Info[slipType].name)
        return "";
    return Global_Slips_Info[slipType].name;
}

int TaxSlip::setNamedField(const std::string &name, const std::string &value)
{
    static const std::string suffix = "IssuerName";
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        issuerName = value;
    return 0;
}

int TaxSlip::parseSpecialFields(const TiXmlElement *)
{
    return 0;
}

int TaxSlip::htmlHeader(CString &, int)
{
    return 0;
}

double TaxSlip::boxAmount(const std::string &box) const
{
    auto it = boxAmounts.find(box);
    if (it == boxAmounts.end())
        return 0.0;
    return myStringToDouble(it->second.toStdStringUTF8());
}

std::string TaxSlip::boxText(const std::string &box) const
{
    return boxString(box).toStdStringUTF8();
}

CString TaxSlip::boxString(const std::string &box) const
{
    auto it = boxAmounts.find(box);
    if (it == boxAmounts.end())
        return CString();
    return CString(it->second.trimmed());
}

void TaxSlip::copyBoxes(CTaxData_Form &target, std::initializer_list<const char *> boxes) const
{
    for (const char *box : boxes)
        target.setValueByCode(slipBoxCode(box), boxAmount(box));
}

int slipBoxCode(const std::string &box)
{
    if (!box.empty() && box.back() == 'A')
        return std::atoi(box.c_str()) * 100 + 1;
    return std::atoi(box.c_str());
}

int provinceFromCode(const std::string &code)
{
    const QString c = QString::fromUtf8(code.c_str()).trimmed();
    if (c.isEmpty())
        return 0;
    for (int p = 1; p < kProvinceCount; ++p)
        if (provinceCode(p).compare(c, Qt::CaseInsensitive) == 0)
            return p;
    return 0;
}
