// The imports of a get-data reply into the per-person records.
#include "tddwebservice.h"
#include "cryptocoding.h"
#include "mytixmlhandle.h"
#include "noataxdataoneperson.h"
#include "rawxmllayout.h"
#include "tddconfig.h"
#include "tddlogfile.h"
#include "tddprogresssink.h"
#include "tddstorage.h"
#include "tddtaxdataoneperson.h"

#include <QDir>
#include <algorithm>
#include <cstdarg>
#include <cctype>
#include <QSqlDatabase>
#include <atomic>
#include <map>
#include <memory>
#include <vector>

namespace {
std::atomic<int> gConnectionSerial{0};

void logLine(FILE *log, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

void logLine(FILE *log, const char *format, ...)
{
    if (!log)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(log, format, args);
    va_end(args);
    std::fflush(log);
}

// One database connection of its own per import, removed when the import ends.
class ImportConnection
{
public:
    explicit ImportConnection(const char *stem)
        : m_name(QStringLiteral("%1_%2").arg(QLatin1String(stem)).arg(++gConnectionSerial))
    {
    }
    ~ImportConnection()
    {
        if (!m_opened)
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    // The open connection, opened on first use; invalid when it cannot open.
    QSqlDatabase database()
    {
        if (!m_opened) {
            m_opened = true;
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            db.setDatabaseName(currentTddConfig().databasePath);
            db.open();
        }
        return QSqlDatabase::database(m_name, false);
    }

private:
    QString m_name;
    bool m_opened = false;
};

// The items: the first element of that name and every element after it.
std::vector<TiXmlElement *> itemsFrom(TiXmlElement *first)
{
    std::vector<TiXmlElement *> items;
    for (TiXmlElement *e = first; e; e = e->NextSiblingElement())
        items.push_back(e);
    return items;
}

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The element's index among its parent's child elements.
int childIndex(const TiXmlElement *element)
{
    int index = 0;
    for (const TiXmlElement *e = element->Parent()->FirstChildElement(); e && e != element;
         e = e->NextSiblingElement())
        ++index;
    return index;
}

TiXmlElement *childAt(TiXmlNode *parent, int index)
{
    TiXmlElement *e = parent->FirstChildElement();
    for (int i = 0; e && i < index; ++i)
        e = e->NextSiblingElement();
    return e;
}

// The whole reply with only the one item kept among the items: a copy of the
// document, the other items removed, printed.
std::string printedItemDocument(const TiXmlDocument &doc, const TiXmlElement *firstItem, size_t itemCount,
                                size_t keep)
{
    // the container's path of child indices from the root element
    std::vector<int> path;
    for (const TiXmlNode *n = firstItem->Parent(); n && n != doc.RootElement(); n = n->Parent())
        path.push_back(n->ToElement() ? childIndex(n->ToElement()) : 0);
    TiXmlDocument copy(doc);
    TiXmlNode *container = copy.RootElement();
    for (auto it = path.rbegin(); container && it != path.rend(); ++it)
        container = childAt(container, *it);
    if (!container)
        return std::string();
    std::vector<TiXmlElement *> drop;
    TiXmlElement *e = childAt(container, childIndex(firstItem));
    for (size_t i = 0; e && i < itemCount; ++i, e = e->NextSiblingElement())
        if (i != keep)
            drop.push_back(e);
    for (TiXmlElement *d : drop)
        container->RemoveChild(d);
    return printDocumentToString(copy);
}

// The element's place in document order among all the elements; -1 when it is not there.
int documentIndex(const TiXmlNode *node, const TiXmlElement *target, int &counted)
{
    for (const TiXmlElement *e = node->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (e == target)
            return counted;
        ++counted;
        const int found = documentIndex(e, target, counted);
        if (found >= 0)
            return found;
    }
    return -1;
}

// The items' places in the reply's text: the first item's element and the
// elements after it beside it, as many as the parsed items and of the same
// names. Empty when they do not match.
std::vector<const RawXmlLayout::Element *> itemPlaces(const RawXmlLayout &layout, int first,
                                                      const std::vector<TiXmlElement *> &items)
{
    std::vector<const RawXmlLayout::Element *> places;
    if (first < 0 || size_t(first) >= layout.elements.size())
        return places;
    const int parent = layout.elements[size_t(first)].parent;
    for (size_t n = size_t(first); n < layout.elements.size() && places.size() < items.size(); ++n) {
        const RawXmlLayout::Element &e = layout.elements[n];
        if (e.parent != parent)
            continue;
        if (e.name != items[places.size()]->ValueStr())
            return {};
        places.push_back(&e);
    }
    if (places.size() != items.size())
        places.clear();
    return places;
}

// The whole reply with only the one item kept among the items, every byte of
// the reply as it came but those of the other items; the printed copy when the
// items cannot be found in the reply's text.
std::string noaItemDocument(const std::string &reply, const TiXmlDocument &doc,
                            const std::vector<TiXmlElement *> &items, size_t keep)
{
    RawXmlLayout layout;
    int counted = 0;
    const int first = documentIndex(&doc, items.front(), counted);
    const std::vector<const RawXmlLayout::Element *> places =
        layout.scan(reply) ? itemPlaces(layout, first, items) : std::vector<const RawXmlLayout::Element *>();
    if (places.empty())
        return printedItemDocument(doc, items.front(), items.size(), keep);
    const RawXmlLayout::Element &kept = *places[keep];
    return reply.substr(0, places.front()->start) + reply.substr(kept.start, kept.end - kept.start)
           + reply.substr(places.back()->end);
}
} // namespace

void TddWebService::storeDigestMap(std::vector<std::pair<std::string, std::string>> &map) const
{
    std::vector<std::string> sins;
    {
        std::lock_guard<std::mutex> lock(m_sinkMutex);
        if (m_sink)
            sins = m_sink->requestSins();
    }
    for (const std::string &sin : sins) {
        const std::string digits = sinDigits(sin);
        const QByteArray hashed = QByteArray::fromStdString(digits.size() == 9 ? digits : sin);
        map.emplace_back(SHA256(hashed, true).toStdString(), sin);
    }
}

int TddWebService::parseTaxDataResponse(FILE *log, const std::string &reply)
{
    m_lastSkipped = 0;
    logLine(log, "enter parse data\n");
    logLine(log, "db alive\n");
    reportProgress(80, 0);
    if (!waitFor(1000))
        return 0;
    TiXmlDocument doc;
    if (!parseXmlText(doc, reply))
        return -2;
    reportProgress(81, 0);
    const MyTiXmlHandle delivery = MyTiXmlHandle(doc.RootElement(), "ns")
                                       .FirstChildElement("soapenv:Body")
                                       .FirstChildElement("GetTDDEFileResponse")
                                       .FirstChildElement("EFileTaxDataDelivery");
    if (!delivery.exists())
        return -5;
    std::vector<std::pair<std::string, std::string>> digests;
    storeDigestMap(digests);
    const std::vector<TiXmlElement *> items = itemsFrom(
        delivery.FirstChildElement("EFileTaxData").FirstChildElement("EFileIndividualIncomeTaxDataItem").ToElement());

    ImportConnection connection("TDD_DB_Connection");
    int stored = 0;
    int number = 0;
    for (TiXmlElement *item : items) {
        ++number;
        reportProgress(85, 0);
        TDDTaxDataOnePerson record(m_taxYearNumber);
        const int parsed = record.parse(item);
        logLine(log, "parse %d (%d)\n", number, parsed);
        const std::string id = lowerCase(record.taxpayerId);
        const auto match = std::find_if(digests.begin(), digests.end(),
                                        [&id, parsed](const auto &d) { return parsed >= 0 && d.first == id; });
        if (match == digests.end()) {
            ++m_lastSkipped;
            logLine(log, "skipping %d\n", number);
            continue;
        }
        reportProgress(90, 0);
        const std::string itemXml = printElementToString(item);
        const int saved = record.saveToDatabase(connection.database(), log, match->second.c_str(), itemXml.c_str());
        const std::string masked = maskSinForLog(match->second);
        if (saved == 0) {
            ++stored;
            logLine(log, "save %d (%s)\n", number, masked.c_str());
        } else {
            ++m_lastSkipped;
            logLine(log, "not saved %d (%s)\n", number, masked.c_str());
        }
    }
    logLine(log, "items %d, saved %d, skipped %d\n", number, stored, m_lastSkipped);
    return stored;
}

int TddWebService::parseNoaResponse(FILE *log, const std::string &reply)
{
    m_lastSkipped = 0;
    logLine(log, "enter parse data\n");
    logLine(log, "db alive\n");
    reportProgress(80, 0);
    if (!waitFor(1000))
        return 0;
    TiXmlDocument doc;
    if (!parseXmlText(doc, reply))
        return -2;
    reportProgress(81, 0);
    const MyTiXmlHandle notice = MyTiXmlHandle(doc.RootElement())
                                     .FirstChildElement("soapenv:Body")
                                     .FirstChildElement("GetNOAResponse")
                                     .FirstChildElement("NoticeOfAssessment");
    if (!notice.exists())
        return -5;
    std::vector<std::pair<std::string, std::string>> digests;
    storeDigestMap(digests);
    const std::vector<TiXmlElement *> items = itemsFrom(
        notice.FirstChildElement("NoticeOfAssessmentData").FirstChildElement("NoticeOfAssessmentItem").ToElement());
    const QString noticeFolder = currentTddConfig().noaFolder;
    QDir().mkpath(noticeFolder);

    ImportConnection connection("NOA_DB_Connection");
    int stored = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const int number = int(i) + 1;
        reportProgress(85, 0);
        NOATaxDataOnePerson record(noticeFolder, m_taxYearNumber);
        if (record.parseNotice(items[i]) < 0) {
            ++m_lastSkipped;
            logLine(log, "item %d has no identifier, skipped\n", number);
            continue;
        }
        const std::string id = lowerCase(record.taxpayerId);
        const auto match = std::find_if(digests.begin(), digests.end(),
                                        [&id](const auto &d) { return d.first == id; });
        if (match == digests.end()) {
            ++m_lastSkipped;
            logLine(log, "skipping %d\n", number);
            continue;
        }
        reportProgress(90, 0);
        const std::string &sin = match->second;
        if (!record.hasNotice) {
            const QString summary = QString::fromUtf8(record.summaryText.c_str());
            const QString text = summary.isEmpty()
                                     ? QStringLiteral("For tax payer (S.I.N. %1), no message presents.")
                                           .arg(QString::fromStdString(sin))
                                     : QStringLiteral("For tax payer (S.I.N. %1), %2.")
                                           .arg(QString::fromStdString(sin), summary);
            std::lock_guard<std::mutex> lock(m_sinkMutex);
            if (m_sink)
                m_sink->addNoaMessage(sin, CString(text));
        }
        std::string itemDocument = noaItemDocument(reply, doc, items, i);
        const int saved = record.saveToDatabase(connection.database(), log, sin.c_str(), itemDocument);
        const std::string masked = maskSinForLog(sin);
        if (saved == 1) {
            ++stored;
            logLine(log, "save %d (%s)\n", number, masked.c_str());
        } else {
            ++m_lastSkipped;
            logLine(log, "not saved %d (%s)\n", number, masked.c_str());
        }
    }
    logLine(log, "items %d, saved %d, skipped %d\n", int(items.size()), stored, m_lastSkipped);
    return stored;
}
