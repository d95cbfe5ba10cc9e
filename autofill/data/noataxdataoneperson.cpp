#include "noataxdataoneperson.h"
#include "mytixmlhandle.h"
#include "privatefile.h"
#include "qwebclient.h"
#include "rawxmllayout.h"
#include "settingsseam.h"
#include "tddstorage.h"
#include "textandtime.h"
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <strings.h>
#include <tinyxml.h>

namespace {

const char kNoaTransformPath[] = "/expnoaserv/ExpNOAServ";

QString utf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), int(s.size()));
}

QMutex g_urlLock;
QString g_url;
std::atomic<NoaWaitCursorHook> g_cursorHook{nullptr};

void logText(FILE *log, const std::string &text)
{
    if (!log)
        return;
    std::fputs(text.c_str(), log);
    std::fflush(log);
}

// ---- masking ----

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordChar(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The separator of the S.I.N.'s groups at i: a dash, a dot or a run of blanks
// (a line end too); empty when none stands there.
std::string separatorAt(const std::string &text, size_t i)
{
    if (i >= text.size())
        return std::string();
    if (text[i] == '-' || text[i] == '.')
        return text.substr(i, 1);
    size_t end = i;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    return text.substr(i, end - i);
}

bool sameSeparator(const std::string &a, const std::string &b)
{
    return a == b || (!a.empty() && !b.empty() && isBlank(a[0]) && isBlank(b[0]));
}

// The S.I.N.'s digits as written in text starting at pos: the nine digits
// together or in groups of three split by the same separator twice. Answers
// the length matched, 0 when none.
size_t sinAt(const std::string &text, size_t pos, const std::string &digits)
{
    size_t i = pos;
    std::string separator;
    for (size_t d = 0; d < digits.size(); ++d) {
        if (d == 3) {
            separator = separatorAt(text, i);
            i += separator.size();
        } else if (d == 6 && !separator.empty()) {
            const std::string second = separatorAt(text, i);
            if (!sameSeparator(separator, second))
                return 0;
            i += second.size();
        }
        if (i >= text.size() || text[i] != digits[d])
            return 0;
        ++i;
    }
    return i - pos;
}

// True when text[from, to) stands as a value of its own: no letter or digit
// touches it, and it is not the whole part or the fraction of a decimal
// number ("046454286.00", "1.046454286").
bool standsAlone(const std::string &text, size_t from, size_t to)
{
    if (from > 0 && isWordChar(text[from - 1]))
        return false;
    if (from > 1 && (text[from - 1] == '.' || text[from - 1] == ',') && isDigit(text[from - 2]))
        return false;
    if (to < text.size() && isWordChar(text[to]))
        return false;
    return !(to + 1 < text.size() && (text[to] == '.' || text[to] == ',') && isDigit(text[to + 1]));
}

// Replaces each place where the S.I.N. stands as a value of its own; a number
// or code that merely holds its nine digits (an amount, an account number) is
// left as it is. True when something was replaced.
bool maskSinRuns(std::string &text, const std::string &digits, const std::string &masked)
{
    bool changed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t length = sinAt(text, i, digits);
        if (length == 0 || !standsAlone(text, i, i + length))
            continue;
        text.replace(i, length, masked);
        i += masked.size() - 1;
        changed = true;
    }
    return changed;
}

// An element that holds a S.I.N. by its name: the notice's masked account
// number (which holds the taxpayer's) or a social insurance number.
enum class SinElement { None, AccountNumber, Sin };

SinElement sinElementOf(const std::string &name)
{
    const std::string local = RawXmlLayout::localName(name);
    if (local == "MaskedAccountNumber")
        return SinElement::AccountNumber;
    static const std::string sinName = "SocialInsuranceNumber";
    const bool endsInSin = local.size() >= sinName.size()
                           && local.compare(local.size() - sinName.size(), sinName.size(), sinName) == 0;
    return endsInSin || strcasecmp(local.c_str(), "SIN") == 0 ? SinElement::Sin : SinElement::None;
}

// The value of an element of text only, without the blanks around it:
// [from, to). False for an empty element, one with elements, comments or
// sections inside (their text is masked where the S.I.N. stands).
bool valueRange(const std::string &xml, const RawXmlLayout::Element &e, size_t &from, size_t &to)
{
    if (e.selfClosing || e.hasChildElements)
        return false;
    from = e.contentStart;
    to = e.contentEnd;
    const size_t markup = xml.find('<', from);
    if (markup != std::string::npos && markup < to)
        return false;
    while (from < to && isBlank(xml[from]))
        ++from;
    while (to > from && isBlank(xml[to - 1]))
        --to;
    return from < to;
}

// What replaces a S.I.N. element's value: the account number always becomes
// the masked S.I.N.; a social insurance number (a spouse's too) its own masked
// form, unless it is masked already. Empty: the value stays.
std::string maskedValue(SinElement kind, const std::string &raw, const std::string &masked)
{
    if (kind == SinElement::AccountNumber)
        return masked;
    const std::string value = RawXmlLayout::resolveReferences(raw);
    return sinDigits(value).size() > 4 ? NOATaxDataOnePerson::makeMaskedSin(value) : std::string();
}

struct Edit
{
    size_t at;
    size_t length;
    std::string text;
};

// The replacements that mask the S.I.N., last in the text first.
std::vector<Edit> maskingEdits(const std::string &xml, const RawXmlLayout &layout, const std::string &digits,
                               const std::string &masked)
{
    std::vector<Edit> edits;
    std::vector<bool> replaced(layout.elements.size(), false);
    for (size_t n = 0; n < layout.elements.size(); ++n) {
        const SinElement kind = sinElementOf(layout.elements[n].name);
        size_t from = 0, to = 0;
        if (kind == SinElement::None || !valueRange(xml, layout.elements[n], from, to))
            continue;
        const std::string value = maskedValue(kind, xml.substr(from, to - from), masked);
        if (value.empty())
            continue;
        edits.push_back({from, to - from, value});
        replaced[n] = true;
    }
    for (const RawXmlLayout::Piece &p : layout.pieces) {
        if (p.kind == RawXmlLayout::PieceKind::Text && p.element >= 0 && replaced[size_t(p.element)])
            continue;
        std::string value = xml.substr(p.at, p.length);
        if (maskSinRuns(value, digits, masked))
            edits.push_back({p.at, p.length, value});
    }
    std::sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.at > b.at; });
    return edits;
}

// True when the S.I.N. still stands on its own somewhere in text.
bool holdsSin(const std::string &text, const std::string &digits)
{
    std::string copy = text;
    return maskSinRuns(copy, digits, std::string("x"));
}

// True when the XML does not read, or its values (references resolved) still
// hold the S.I.N. somewhere.
bool xmlHoldsSin(const std::string &xml, const std::string &digits)
{
    TiXmlDocument doc;
    return !parseXmlText(doc, xml) || holdsSin(printDocumentToString(doc), digits);
}

// ---- the wait cursor on the application's thread ----

void showWaitCursor(bool busy)
{
    const NoaWaitCursorHook hook = g_cursorHook.load();
    QCoreApplication *app = QCoreApplication::instance();
    if (!hook || !app)
        return;
    if (QThread::currentThread() == app->thread())
        hook(busy);
    else
        QMetaObject::invokeMethod(app, [hook, busy] { hook(busy); }, Qt::QueuedConnection);
}

struct WaitCursor
{
    WaitCursor() { showWaitCursor(true); }
    ~WaitCursor() { showWaitCursor(false); }
};

// ---- the row ----

bool deleteNoaRow(QSqlDatabase &db, int id, int taxYear)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("delete from tb_taxnoa where uid=:uid and taxyear=%1").arg(taxYear));
    q.bindValue(QStringLiteral(":uid"), id);
    return q.exec();
}

bool insertNoaRow(QSqlDatabase &db, int id, const std::string &time, const std::string &xml,
                  const std::string &pathOrMessage, int taxYear)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into tb_taxnoa (uid, create_time, data1, htmlfile, taxyear) "
                             "values (:uid, :time, :data, :path, :year)"));
    q.bindValue(QStringLiteral(":uid"), id);
    q.bindValue(QStringLiteral(":time"), utf8(time));
    q.bindValue(QStringLiteral(":data"), utf8(xml));
    q.bindValue(QStringLiteral(":path"), utf8(pathOrMessage));
    q.bindValue(QStringLiteral(":year"), taxYear);
    if (q.exec())
        return true;
    qWarning().noquote() << "Notice of assessment row not stored:" << q.lastError().text();
    return false;
}

} // namespace

NOATaxDataOnePerson::NOATaxDataOnePerson(const QString &noticeFolder, int taxYear)
    : noticeFolder(noticeFolder), dataTaxYear(taxYear)
{
}

NOATaxDataOnePerson::~NOATaxDataOnePerson() = default;

int NOATaxDataOnePerson::parseNotice(const TiXmlElement *item)
{
    const TiXmlElement *identifier = item ? MyTiXmlHandle::findChild(item, "IndividualTaxpayerIdentifier", "ns") : nullptr;
    if (!identifier)
        return -1;
    taxpayerId = identifier->GetText() ? identifier->GetText() : "";
    for (const TiXmlElement *e = MyTiXmlHandle::findChild(item, "AssessmentSummaryText", "ns"); e;
         e = e->NextSiblingElement()) {
        const char *lang = e->Attribute("xml:lang");
        if (lang && strcasecmp(lang, "en") == 0)
            summaryText = e->GetText() ? e->GetText() : "";
    }
    hasNotice = MyTiXmlHandle::findChild(item, "T1Notice", "ns") != nullptr;
    return 0;
}

std::string NOATaxDataOnePerson::makeMaskedSin(const std::string &sin)
{
    const std::string digits = sinDigits(sin);
    if (digits.size() <= 5)
        return std::string(digits.size(), 'x');
    return std::string("xxxxx") + digits.substr(5);
}

bool NOATaxDataOnePerson::maskSinInXml(std::string &xml, const std::string &digits, const std::string &masked)
{
    if (digits.size() != 9)
        return false;
    TiXmlDocument doc;
    RawXmlLayout layout;
    if (!parseXmlText(doc, xml) || !layout.scan(xml))
        return false;
    std::string result = xml;
    for (const Edit &edit : maskingEdits(xml, layout, digits, masked))
        result.replace(edit.at, edit.length, edit.text);
    if (xmlHoldsSin(result, digits))
        return false;
    xml.swap(result);
    return true;
}

QString NOATaxDataOnePerson::pagePath(int taxpayerDbId) const
{
    return QDir(noticeFolder).filePath(QStringLiteral("noa2024_%1_%2.html").arg(utf8(maskedSin)).arg(taxpayerDbId));
}

int NOATaxDataOnePerson::saveToDatabase(QSqlDatabase db, FILE *log, const char *sin, std::string &itemXml)
{
    try {
        const std::string time = getXMLDateTimeString(false).toStdStringUTF8();
        const std::string sinText = sin ? sin : "";
        maskedSin = makeMaskedSin(sinText);
        if (sinDigits(sinText).size() == 9)
            maskSinRuns(summaryText, sinDigits(sinText), maskedSin);   // the stored message too
        if (!maskSinInXml(itemXml, sinDigits(sinText), maskedSin)) {
            logText(log, "S.I.N. not masked in the notice XML, nothing saved\n");
            return 0;
        }
        CString name;
        int id = findTaxpayerBySin(db, sinText, name);
        if (id == 0)
            id = insertTaxpayer(db, sinText);
        if (id <= 0) {
            logText(log, "no taxpayer for the S.I.N., nothing saved\n");
            return 0;
        }
        const QString masked = utf8(maskedSin);
        if (hasNotice) {
            const QString path = pagePath(id);
            const int made = requestNoaHtml(path, itemXml, time);
            const std::string stored =
                made == 0 ? path.toUtf8().toStdString()
                          : QStringLiteral("For tax payer (S.I.N. %1), the notice page could not be made.")
                                .arg(masked).toUtf8().toStdString();
            const int saved = saveNoaRow(db, id, time, itemXml, stored, dataTaxYear);
            if (made != 0)
                logText(log, "notice page not made\n");
            logText(log, QStringLiteral("xslt=%1 save into db=%2\n").arg(made).arg(saved).toStdString());
            return saved;
        }
        const QString message = summaryText.empty()
            ? QStringLiteral("For tax payer (S.I.N. %1), no message presents.").arg(masked)
            : QStringLiteral("For tax payer (S.I.N. %1), %2.").arg(masked, utf8(summaryText));
        const int saved = saveNoaRow(db, id, time, itemXml, message.toUtf8().toStdString(), dataTaxYear);
        logText(log, QStringLiteral("save into db=%1\n").arg(saved).toStdString());
        return saved;
    } catch (...) {
        logText(log, "failed to save into db\n");
        return -1;
    }
}

int requestNoaHtml(const QString &path, const std::string &xml, const std::string &time)
{
    const QString url = noaTransformUrl();
    if (url.isEmpty()) {
        qWarning("Notice page not made: no transformation service is configured");
        return 4;
    }
    WaitCursor cursor;
    QWebClient client(url, true);
    client.addQueryItem(QStringLiteral("noaxml"), utf8(xml));
    client.addQueryItem(QStringLiteral("testtime"), utf8(time));
    client.addQueryItem(QStringLiteral("taxyear"), QStringLiteral("2024"));
    client.addQueryItem(QStringLiteral("xsltType"), QStringLiteral("t1noa_2023"));
    QString reply;
    if (!client.post(reply)) {
        qWarning().noquote() << "Notice page not made: the transformation failed:" << client.errorText();
        return 1;
    }
    if (reply.trimmed().isEmpty()) {
        qWarning("Notice page not made: the transformation answered nothing");
        return 2;
    }
    QString error;
    if (!writeFileWhole(path, reply.toUtf8(), &error)) {
        qWarning().noquote() << "Notice page not written:" << error;
        return 3;
    }
    return 0;
}

int saveNoaRow(QSqlDatabase db, int id, const std::string &time, const std::string &xml,
               const std::string &pathOrMessage, int taxYear)
{
    if (id <= 0)
        return 0;   // no real taxpayer: a row no list shows
    try {
        if (!db.transaction())
            return 0;
        if (deleteNoaRow(db, id, taxYear) && insertNoaRow(db, id, time, xml, pathOrMessage, taxYear) && db.commit())
            return 1;
        db.rollback();   // the earlier notice stays
        return 0;
    } catch (...) {
        db.rollback();
        return 0;
    }
}

QString noaTransformUrl()
{
    {
        QMutexLocker lock(&g_urlLock);
        if (!g_url.isEmpty())
            return g_url;
    }
    QString root = settingsSource()->configValue(QStringLiteral("NOATRANSFORMSERVER")).trimmed();
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root.isEmpty() ? QString() : root + QLatin1String(kNoaTransformPath);
}

void setNoaTransformUrl(const QString &url)
{
    QMutexLocker lock(&g_urlLock);
    g_url = url;
}

void setNoaWaitCursorHook(NoaWaitCursorHook hook)
{
    g_cursorHook = hook;
}
