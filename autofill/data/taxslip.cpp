#include "taxslip.h"
#include "ctaxdata_form.h"
#include "formtables.h"
#include "mytixmlhandle.h"
#include "taxsliplabels.h"
#include "textandtime.h"
#include "utils.h"
#include <cstdlib>
#include <cstring>
#include <tinyxml.h>

TaxSlip::TaxSlip(int slipType) : slipType(slipType)
{
    for (const SlipBoxLabel &l : slipBoxLabels(slipType))
        boxLabels.emplace(l.box, CString(QString::fromUtf8(l.label)));
}

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

int TaxSlip::parseCommon(const TiXmlElement *slip)
{
    forEachTextChild(slip, [this](const std::string &name, const char *box, const std::string &text) {
        if (nameEndsWith(name, "TaxYear"))
            taxYear = text;
        if (box)
            boxAmounts[box] = CString(QString::fromUtf8(text.c_str()));
        else
            setNamedField(name, text);
    });
    version.clear();
    if (slip)
        if (const TiXmlElement *v = MyTiXmlHandle::findChild(slip, "SlipVersionDescription", "ns"))
            if (const char *t = v->GetText())
                version = t;
    return 0;
}

int TaxSlip::htmlTitle(CString &out, int index) const
{
    out += QStringLiteral("<b><font color='red'>%1 - %2</font></b><br>")
               .arg(index)
               .arg(QString::fromLatin1(slipTypeName()).toHtmlEscaped());
    headerItem(out, taxYear, "Tax Year");
    headerItem(out, version, "Version");
    return 0;
}

int TaxSlip::htmlBoxList(CString &out) const
{
    int visited = 0;
    for (const auto &entry : boxAmounts) {
        ++visited;
        auto label = boxLabels.find(entry.first);
        if (label != boxLabels.end())
            htmlBoxLine(out, entry.first, label->second.toStdStringUTF8(), std::string());
    }
    return visited;
}

bool TaxSlip::htmlBoxLine(CString &out, const std::string &box, const std::string &label,
                          const std::string &skip) const
{
    const QString text = QString::fromUtf8(boxText(box).c_str());
    if (text.isEmpty() || text.compare(QString::fromUtf8(skip.c_str()), Qt::CaseInsensitive) == 0)
        return false;
    out += QString::fromUtf8(label.c_str()) + QStringLiteral(": ") + text.toHtmlEscaped() + QStringLiteral("<br>\n");
    return true;
}

void TaxSlip::forEachTextChild(const TiXmlElement *slip, const ChildVisitor &visit)
{
    if (!slip)
        return;
    for (const TiXmlElement *c = slip->FirstChildElement(); c; c = c->NextSiblingElement()) {
        const char *text = c->GetText();
        if (!text)
            continue;
        visit(c->ValueStr(), c->Attribute("boxNumber"), std::string(text));
    }
}

bool TaxSlip::nameEndsWith(const std::string &name, const char *suffix)
{
    return stringEndwith(name, std::string(suffix), false);
}

void TaxSlip::headerItem(CString &out, const std::string &value, const char *label, const char *skip)
{
    toHtmlOneLineItem(out, QString::fromUtf8(value.c_str()), QString::fromUtf8(label), QString::fromUtf8(skip));
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

