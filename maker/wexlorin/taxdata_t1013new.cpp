#include "taxdata_t1013new.h"
#include "filingformat.h"
#include "utils.h"
#include "xmlwriters.h"
#include <QRegularExpression>

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Date", FieldKind::Date},
        {"Text", FieldKind::Text},
        {"RepId", FieldKind::Text},
        {"BusinessNumber", FieldKind::Text},
        {"Level", FieldKind::Int},
        {"Expiry", FieldKind::Date},
        {"SignDate", FieldKind::Date},
        {"FilingStatus", FieldKind::Int},
        {"FilingTime", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"Error", FieldKind::Text},
        {"SoftwareCode", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"RepFirstName", FieldKind::Text},
        {"RepLastName", FieldKind::Text},
        {"GroupId", FieldKind::Text},
        {"GroupName", FieldKind::Text},
        {"BusinessName", FieldKind::Text},
        {"MailAddress", FieldKind::Text},
        {"Phone", FieldKind::Text},
        {"EFileNumber", FieldKind::Text}
    };
    return table;
}

} // namespace

TaxData_T1013New::TaxData_T1013New() : CTaxData_Form(formFields(), KindForm, 117)
{
    // the preparer's choice; a new authorization starts at level 1
    setIntValue(F_Level, 1);
}

namespace {

using F = TaxData_T1013New;

constexpr int kLevelRead = 1;
constexpr int kLevelReadAndChange = 2;
constexpr int kMonthsToReceive = 6;
constexpr int kFiledAccepted = 1;   // the filing status after the CRA's confirmation

QString compact(const QString &text)
{
    QString out = text.trimmed().toUpper();
    out.remove(QLatin1Char(' '));
    out.remove(QLatin1Char('-'));
    return out;
}

bool matches(const QString &text, const char *pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern))).match(text).hasMatch();
}

// A RepID is 7 letters and digits, a GroupID "G" and 6 more, a business number
// 9 digits, "RC" and a 4-digit account.
bool isRepId(const QString &id) { return matches(id, "[A-Z0-9]{7}"); }
bool isGroupId(const QString &id) { return matches(id, "G[A-Z0-9]{6}"); }
bool isBusinessNumber(const QString &id) { return matches(id, "[0-9]{9}RC[0-9]{4}"); }

void add(QList<CString> &messages, const char *text)
{
    messages.append(CString(QString::fromUtf8(text)));
}

void checkTaxpayer(const F &f, QList<CString> &messages)
{
    if (!CheckSIN(GetPureDigitStr(f.text(F::F_SIN))))
        add(messages, "T1013: the taxpayer's social insurance number is not valid.");
    if (f.text(F::F_LastName).trimmed().isEmpty())
        add(messages, "T1013: enter the taxpayer's last name.");
}

void checkRepresentative(const F &f, QList<CString> &messages)
{
    const QString rep = compact(f.text(F::F_RepId));
    const QString group = compact(f.text(F::F_GroupId));
    const QString business = compact(f.text(F::F_BusinessNumber));
    if (rep.isEmpty() && group.isEmpty() && business.isEmpty())
        add(messages, "T1013: enter the representative's RepID, GroupID or business number.");
    if (!rep.isEmpty() && !isRepId(rep))
        add(messages, "T1013: a RepID has 7 letters and digits.");
    if (!group.isEmpty() && !isGroupId(group))
        add(messages, "T1013: a GroupID is the letter G followed by 6 letters and digits.");
    if (!business.isEmpty() && !isBusinessNumber(business))
        add(messages, "T1013: a business number has 9 digits, RC and a 4-digit account number (123456789RC0001).");
}

void checkDates(const F &f, QList<CString> &messages)
{
    const QDate today = GetCurTime().date();
    const QDate signedOn = f.date(F::F_SignDate);
    if (!signedOn.isValid()) {
        add(messages, "T1013: enter the date the taxpayer signed the form.");
    } else if (signedOn > today) {
        add(messages, "T1013: the date of signature cannot be in the future.");
    } else if (signedOn.addMonths(kMonthsToReceive) < today) {
        add(messages, "T1013: the CRA must receive the form within 6 months of the date it was signed.");
    }
    const QDate expiry = f.date(F::F_Expiry);
    if (expiry.isValid() && (expiry < today || (signedOn.isValid() && expiry <= signedOn)))
        add(messages, "T1013: the expiry date must be later than today and than the date of signature.");
}

CString twoDigits(int n) { return CString(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))); }

// A date in the form's split form (year, month, day).
void writeFormDate(QString &xml, const QString &tag, const QDate &date)
{
    writeXMLOpenTagString(xml, tag);
    writeXMLString(xml, QStringLiteral("tris:FormDateYear"), QString::number(date.year()), 0);
    writeXMLString(xml, QStringLiteral("tris:FormDateMonth"), twoDigits(date.month()), 0);
    writeXMLString(xml, QStringLiteral("tris:FormDateDay"), twoDigits(date.day()), 0);
    writeXMLCloseTagString(xml, tag);
}

void writeRepresentative(const F &f, QString &xml)
{
    const QString rep = compact(f.text(F::F_RepId));
    const QString group = compact(f.text(F::F_GroupId));
    writeXMLOpenTagString(xml, QStringLiteral("tris:RepresentativeSection"));
    if (!rep.isEmpty()) {
        writeXMLString(xml, QStringLiteral("tris:RepresentativeID"), rep, 0);
        const QString first = f.text(F::F_RepFirstName).trimmed();
        const QString last = f.text(F::F_RepLastName).trimmed();
        if (!last.isEmpty()) {
            writeXMLOpenTagString(xml, QStringLiteral("tris:RepresentativeName"));
            if (!first.isEmpty())
                writeXMLString(xml, QStringLiteral("tris:GivenName"), first, 30);
            writeXMLString(xml, QStringLiteral("tris:Surname"), last, 60);
            writeXMLCloseTagString(xml, QStringLiteral("tris:RepresentativeName"));
        }
    } else if (!group.isEmpty()) {
        writeXMLString(xml, QStringLiteral("tris:GroupID"), group, 0);
        const QString name = f.text(F::F_GroupName).trimmed();
        if (!name.isEmpty())
            writeXMLString(xml, QStringLiteral("tris:GroupName"), name, 60);
    } else {
        writeXMLString(xml, QStringLiteral("tris:BusinessNumber"), compact(f.text(F::F_BusinessNumber)), 0);
        const QString name = f.text(F::F_BusinessName).trimmed();
        if (!name.isEmpty())
            writeXMLString(xml, QStringLiteral("tris:BusinessName"), name, 60);
    }
    writeXMLCloseTagString(xml, QStringLiteral("tris:RepresentativeSection"));
    xml += QLatin1String("\r\n");
}

void writeAuthorization(const F &f, QString &xml)
{
    writeXMLOpenTagString(xml, QStringLiteral("tris:AuthorizationSection"));
    const int level = f.intValue(F::F_Level) == kLevelReadAndChange ? kLevelReadAndChange : kLevelRead;
    writeXMLString(xml, QStringLiteral("tris:AuthorizationLevelCode"), QString::number(level), 0);
    if (f.date(F::F_Expiry).isValid())
        writeFormDate(xml, QStringLiteral("tris:AuthorizationExpiryDate"), f.date(F::F_Expiry));
    writeXMLCloseTagString(xml, QStringLiteral("tris:AuthorizationSection"));
    xml += QLatin1String("\r\n");
    writeXMLOpenTagString(xml, QStringLiteral("tris:SignatureSection"));
    writeFormDate(xml, QStringLiteral("tris:TaxpayerSignatureDate"), f.date(F::F_SignDate));
    writeXMLCloseTagString(xml, QStringLiteral("tris:SignatureSection"));
    xml += QLatin1String("\r\n");
}

} // namespace

QString TaxData_T1013New::representativeId() const
{
    const QString rep = compact(text(F_RepId));
    if (!rep.isEmpty())
        return rep;
    const QString group = compact(text(F_GroupId));
    return group.isEmpty() ? compact(text(F_BusinessNumber)) : group;
}

int TaxData_T1013New::validate(int, QList<CString> &messages)
{
    // once the CRA has accepted it, its dates no longer stop anything
    if (intValue(F_FilingStatus) == kFiledAccepted)
        return 0;
    const int before = messages.size();
    checkTaxpayer(*this, messages);
    checkRepresentative(*this, messages);
    if (intValue(F_Level) != kLevelRead && intValue(F_Level) != kLevelReadAndChange)
        add(messages, "T1013: choose authorization level 1 or 2.");
    checkDates(*this, messages);
    return messages.size() - before;
}

int TaxData_T1013New::getT1013XMLContent(CString &document, TemplateVars &vars)
{
    QList<CString> faults;
    if (validate(1, faults) > 0)
        return -1;
    const QString sin = GetPureDigitStr(text(F_SIN)).left(9);
    const QString efiler = text(F_EFileNumber).trimmed();
    if (!efiler.isEmpty())
        vars.insert("efilerid", CString(efiler));
    vars.insert("udn", CString(sin + GetDateStr(date(F_SignDate), 1)));
    vars.insert("sin", CString(sin));
    vars.insert("firstname", CString(text(F_FirstName).trimmed().left(30)));
    vars.insert("lastname", CString(text(F_LastName).trimmed().left(60)));
    QString xml;
    int result = fillTemplateVar(xml, vars, "t1013part1");
    if (result == TemplateFilled)
        result = fillTemplateVar(xml, vars, "t1013part2");
    if (result != TemplateFilled)
        return result;
    writeRepresentative(*this, xml);
    writeAuthorization(*this, xml);
    result = fillTemplateVar(xml, vars, "t1013partend");
    if (result == TemplateFilled)
        document += xml;
    return result;
}
