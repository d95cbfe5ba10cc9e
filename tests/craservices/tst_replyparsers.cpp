// Every reply of the CRA filing fake through its parser.
#include "bqtest.h"
#include "crafilingfake.h"
#include "filinglog.h"
#include "mytixmlhandle.h"
#include "replyparsers.h"
#include "tddwebservice.h"
#include <sys/mman.h>
#include <unistd.h>
#include <tinyxml.h>

namespace {

QByteArray reply(const QString &file)
{
    QFile f(bqfakes::CraFilingFake::defaultTemplateFolder() + QLatin1Char('/') + file);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fake reply %s", qPrintable(file));
    return f.readAll();
}

const QString kAccountLink = QStringLiteral(
    "<br/><a href='https://www.canada.ca/en/revenue-agency/services/e-services/digital-services-individuals/"
    "account-individuals.html'>My Account</a><br/>");
const QString kAccepted = QStringLiteral("Your return has been accepted for processing.") + kAccountLink;
const QString kRejected = QStringLiteral(
    "The return was rejected: the date of birth does not match our records.<br/>"
    "Correct the return and file again; you can't file it on paper before that.<br/>"
    "<br/><a href='https://www.canada.ca/en/revenue-agency/services/e-services/represent-a-client/"
    "efile-electronic-filers/error-codes.html'>Error codes</a><br/>");
const QString kSystemError = QStringLiteral("The service is not available; try again later.<br/>");
const QString kProcessingError = QStringLiteral(
    "The return could not be processed.<br/><br/>Error code: (12345)<br/>"
    "<br/>Error Message:<br/>Line 30000 does not agree with the date of birth.");

// Bytes that end right before a page the process may not read: a parser that
// reads past the end of its input crashes instead of reading stray memory.
class GuardedBytes
{
public:
    explicit GuardedBytes(const QByteArray &bytes)
    {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        m_size = 2 * page;
        void *map = mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (map == MAP_FAILED)
            qFatal("no memory for a guard page");
        m_map = static_cast<char *>(map);
        mprotect(m_map + page, page, PROT_NONE);
        m_data = m_map + page - bytes.size();
        memcpy(m_data, bytes.constData(), size_t(bytes.size()));
        m_length = bytes.size();
    }
    ~GuardedBytes() { munmap(m_map, m_size); }
    // Not a copy: the reply as it sits before the guard, without a terminating zero.
    QByteArray reply() const { return QByteArray::fromRawData(m_data, m_length); }

private:
    char *m_map = nullptr;
    size_t m_size = 0;
    char *m_data = nullptr;
    int m_length = 0;
};

} // namespace

class TestReplyParsers : public QObject
{
    Q_OBJECT
private slots:
    void filingReplies_data();
    void filingReplies();
    void formReplies_data();
    void formReplies();
    void linksAreEscapedAndOnlyWebTargetsFollowed();
    void efileLogGetsTheMessage();
    void codeFamily184();
    void formReplyCut_data();
    void formReplyCut();
    void replyEndingInsideACharacter_data();
    void replyEndingInsideACharacter();
};

void TestReplyParsers::filingReplies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("parser");   // efile, t1135, netfile, terms
    QTest::addColumn<int>("rc");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("cvIndicator");
    QTest::addColumn<QString>("message");

    const QString none;
    QTest::newRow("efile accepted") << "efile-accepted.xml" << "efile" << 0 << true << "0" << "TX240000123" << none
                                    << none << kAccepted;
    QTest::newRow("efile accepted cv 2139") << "efile-accepted-cv2139.xml" << "efile" << 0 << true << "0"
                                            << "TX240000123" << none << "2139" << kAccepted;
    QTest::newRow("efile accepted cv 0024") << "efile-accepted-cv0024.xml" << "efile" << 0 << true << "0"
                                            << "TX240000123" << none << "0024" << kAccepted;
    QTest::newRow("efile without declaration") << "efile-no-declaration.xml" << "efile" << 0 << true << "0"
                                               << "TX240000123" << none << none << kAccepted;
    QTest::newRow("efile rejected") << "efile-rejected.xml" << "efile" << 0 << false << "2001" << none << none << none
                                    << kRejected;
    QTest::newRow("efile 184 processing error") << "efile-processing-error.xml" << "efile" << 0 << false << "1845"
                                                << none << "12345" << none << kProcessingError;
    QTest::newRow("efile system error") << "efile-system-error.xml" << "efile" << 0 << false << "2000" << none << none
                                        << none << kSystemError;
    QTest::newRow("efile system error before processing error")
        << "efile-system-processing-error.xml" << "efile" << 0 << false << "2000" << none << none << none
        << kSystemError;
    QTest::newRow("efile fault") << "common-fault.xml" << "efile" << 190 << false << "-100" << none << none << none
                                 << "The request could not be processed.";
    QTest::newRow("efile fault without string") << "common-fault-no-string.xml" << "efile" << 190 << false << "-100"
                                                << none << none << none << "XML fault error, no details.";
    QTest::newRow("efile end-of-line notice") << "common-eol-132.xml" << "efile" << int(EfileServiceUnavailable)
                                              << false << "132" << none << none << none
                                              << "132 means EFile system is not operational at this time.";
    QTest::newRow("efile malformed") << "common-malformed.xml" << "efile" << 113 << false << "-1" << none
                                     << "CRA system returns invalid response." << none << none;
    QTest::newRow("efile empty") << "common-empty.xml" << "efile" << 113 << false << "-1" << none
                                 << "CRA system returns invalid response." << none << none;
    QTest::newRow("efile french links")
        << "efile-rejected-links.xml" << "efile" << 0 << false << "2001" << none << none << none
        << QString::fromUtf8("Déclaration rejetée : l'année &lt;b&gt;2024&lt;/b&gt; &amp; la date<br/><br/>"
                             "<a href='https://www.canada.ca/fr/agence-revenu/codes.html?a=1&amp;b=&#39;2&#39;'>"
                             "Codes d’erreur – Révision</a><br/><br/>Cliquez ici (javascript:alert(1))<br/>");
    QTest::newRow("t1135 accepted") << "t1135-accepted.xml" << "t1135" << 0 << true << "0" << "FR240000456" << none
                                    << none << "Your T1135 has been received.";
    QTest::newRow("t1135 rejected") << "t1135-rejected.xml" << "t1135" << 0 << false << "2101" << none << none << none
                                    << "The T1135 was rejected: the reporting period is not valid.<br/>";
    QTest::newRow("t1135 reply to the efile parser") << "t1135-rejected.xml" << "efile" << 0 << false << "2101" << none
                                                     << none << none
                                                     << "The T1135 was rejected: the reporting period is not valid.";

    QTest::newRow("netfile accepted") << "netfile-accepted.xml" << "netfile" << 0 << true << "-100" << "NF7C2Q9" << "0"
                                      << none << "Your return has been received.\r\nKeep your confirmation number.\r\n";
    QTest::newRow("netfile rejected") << "netfile-rejected.xml" << "netfile" << 0 << false << "-100" << none << "2001"
                                      << none << kRejected;
    QTest::newRow("netfile fault") << "common-fault.xml" << "netfile" << 0 << false << "-100" << none << none << none
                                   << "The request could not be processed.";
    QTest::newRow("netfile efile reply") << "efile-accepted.xml" << "netfile" << 0 << false << "-100" << none << none
                                         << none << "Error: no T1 return response and Fault";
    QTest::newRow("netfile malformed") << "common-malformed.xml" << "netfile" << 1 << false << "-100" << none
                                       << "response error" << none << none;
    QTest::newRow("netfile empty") << "common-empty.xml" << "netfile" << 1 << false << "-100" << none
                                   << "response error" << none << none;

    QTest::newRow("terms") << "netfile-terms.xml" << "terms" << 0 << true << "-100" << "NETFILE terms and conditions"
                           << "https://www.canada.ca/en/revenue-agency/services/e-services/e-services-individuals/"
                              "netfile-overview/netfile-terms-conditions.html"
                           << none
                           << "By filing you agree that the information you give is complete and correct.\r\n"
                              "The CRA protects your information under the Privacy Act.\r\n";
    QTest::newRow("terms empty") << "common-empty.xml" << "terms" << -1 << false << "-100" << none
                                 << "CRA system returns invalid response." << none << none;
    QTest::newRow("terms fault") << "common-fault.xml" << "terms" << -1 << false << "-100" << none
                                 << "CRA system returns invalid response." << none << none;
}

void TestReplyParsers::filingReplies()
{
    QFETCH(QString, file);
    QFETCH(QString, parser);
    QFETCH(int, rc);
    const QByteArray text = reply(file);
    FilingResult r(parser == QLatin1String("t1135") ? 101 : parser == QLatin1String("terms") ? 0 : 1);
    int got = 0;
    if (parser == QLatin1String("efile"))
        got = parseEfileResponse(nullptr, text, 1, r);
    else if (parser == QLatin1String("t1135"))
        got = parseEfileResponse(nullptr, text, 101, r);
    else if (parser == QLatin1String("netfile"))
        got = parseNetfileResponse(nullptr, 1, text, r) ? 1 : 0;
    else
        got = parseNetfileTermsResponse(text, r);
    QCOMPARE(got, rc);
    QTEST(r.confirmed, "confirmed");
    QTEST(QString(r.resultCode), "resultCode");
    QTEST(QString(r.confirmation), "confirmation");
    QTEST(QString(r.detail), "detail");
    QTEST(QString(r.cvIndicator), "cvIndicator");
    QTEST(QString(r.message), "message");
}

void TestReplyParsers::formReplies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("t1013");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("confirmationNumber");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("responseText");
    QTest::addColumn<bool>("rejected");

    QTest::newRow("t1013 one form") << "t1013-count-1.xml" << true << 1 << "RC24T10130001" << QStringList{"0"}
                                    << "response codes: 0 " << false;
    QTest::newRow("t1013 codes 0 and 1") << "t1013-count-2.xml" << true << 2 << "RC24T10130002"
                                         << QStringList{"0", "1"} << "response codes: 0 1 " << false;
    QTest::newRow("t1013 rejected batch") << "t1013-count-0.xml" << true << 0 << "" << QStringList{"T1013-301"}
                                          << "response codes: T1013-301 " << false;
    QTest::newRow("t1013 without declaration") << "t1013-no-declaration.xml" << true << 1 << "RC24T10130001"
                                               << QStringList{"0"} << "response codes: 0 " << false;
    QTest::newRow("t1013 envelope end not found") << "t1013-envelope-end-spaced.xml" << true << 1 << "RC24T10130003"
                                                  << QStringList{"0"} << "response codes: 0 " << false;
    QTest::newRow("t1013 fault") << "common-fault.xml" << true << 0 << "" << QStringList()
                                 << "response codes:  Fault code: soapenv:Server details:The request could not be "
                                    "processed."
                                 << false;
    QTest::newRow("pad confirmed") << "pad-confirmed.xml" << false << 0 << "PAD2400789" << QStringList{"0"}
                                   << "The pre-authorized debit agreement was accepted.\n" << false;
    QTest::newRow("pad confirmed then rejected")
        << "pad-confirmed-rejected.xml" << false << 0 << "PAD2400789" << QStringList{"PAD-102", "PAD-105"}
        << "The bank account number is not valid.\nThe payment date is after the due date.\n" << true;
    QTest::newRow("pad rejected") << "pad-rejected.xml" << false << 0 << "" << QStringList{"PAD-102", "PAD-105"}
                                  << "The bank account number is not valid.\nThe payment date is after the due date.\n"
                                  << true;
    QTest::newRow("pad system error") << "pad-system-error.xml" << false << 0 << "" << QStringList{"PAD-900"}
                                      << "The service is not available; try again later.\n" << true;
    QTest::newRow("pad rejection and system error")
        << "pad-rejected-system-error.xml" << false << 0 << "" << QStringList{"PAD-900"}
        << "The service is not available; try again later.\n" << true;
    QTest::newRow("pad fault") << "common-fault.xml" << false << 0 << "" << QStringList()
                               << "The request could not be processed." << false;
}

void TestReplyParsers::formReplies()
{
    QFETCH(QString, file);
    QFETCH(bool, t1013);
    const QByteArray xml = cutFormReply(reply(file));
    TiXmlDocument doc;
    doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
    QVERIFY2(!doc.Error(), doc.ErrorDesc());
    FormFilingReply r;
    QCOMPARE(t1013 ? parseTrisResponse(doc.FirstChildElement(), r) : parsePadResponse(doc.FirstChildElement(), r), 0);
    QTEST(r.receivedFormsCount, "count");
    QTEST(QString(r.confirmationNumber), "confirmationNumber");
    QTEST(r.responseCodes, "codes");
    QTEST(QString(r.responseText), "responseText");
    QTEST(r.rejected, "rejected");
}

void TestReplyParsers::linksAreEscapedAndOnlyWebTargetsFollowed()
{
    TiXmlDocument doc;
    doc.Parse("<r><l><t1rsp:HyperlinkText>a&lt;b</t1rsp:HyperlinkText><t1rsp:HyperlinkTarget>http://x.ca/?q='1'"
              "</t1rsp:HyperlinkTarget></l><l><t1rsp:HyperlinkText>f</t1rsp:HyperlinkText>"
              "<t1rsp:HyperlinkTarget>file:///etc/passwd</t1rsp:HyperlinkTarget></l></r>",
              nullptr, TIXML_ENCODING_UTF8);
    CString html("x");
    appendHyperlinksHtml(html, doc.RootElement()->FirstChildElement());
    QCOMPARE(QString(html), QStringLiteral("x<br/><a href='http://x.ca/?q=&#39;1&#39;'>a&lt;b</a><br/>"
                                           "<br/>f (file:///etc/passwd)<br/>"));
    CString none("kept");
    appendHyperlinksHtml(none, nullptr);
    appendMessageTextsHtml(none, nullptr);
    QCOMPARE(QString(none), QStringLiteral("kept"));
}

void TestReplyParsers::efileLogGetsTheMessage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("efileresult.txt"));
    {
        FilingLog log;
        QVERIFY(log.open(path, false));
        FilingResult r(1);
        QCOMPARE(parseEfileResponse(&log, reply(QStringLiteral("common-fault.xml")), 1, r), 190);
        FilingResult bad(1);
        QCOMPARE(parseEfileResponse(&log, "not xml", 1, bad), 113);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("The request could not be processed.\n"));
}

void TestReplyParsers::codeFamily184()
{
    FilingResult r(1);
    QVERIFY(!r.isCode184());
    QCOMPARE(QString(r.resultCode), QStringLiteral("-100"));
    QVERIFY(!r.time.isEmpty());
    r.resultCode = "1840";
    QVERIFY(r.isCode184());
    r.resultCode = "18";
    QVERIFY(!r.isCode184());
}

void TestReplyParsers::formReplyCut_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("cut");
    QTest::newRow("declaration and end") << QByteArray("HTTP junk <?xml v?><soapenv:Envelope/></soapenv:Envelope> tail")
                                         << QByteArray("<?xml v?><soapenv:Envelope/></soapenv:Envelope>");
    QTest::newRow("no declaration") << QByteArray("  <a>x</a></soapenv:Envelope>zz")
                                    << QByteArray("<a>x</a></soapenv:Envelope>");
    QTest::newRow("no end") << QByteArray("<?xml v?><a/>\n") << QByteArray("<?xml v?><a/>\n");
    QTest::newRow("no markup") << QByteArray("Service Unavailable") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestReplyParsers::formReplyCut()
{
    QFETCH(QByteArray, raw);
    QTEST(cutFormReply(raw), "cut");
}

// A reply that ends inside a UTF-8 sequence (its lead byte last, with or
// without the zero after it) is read without a byte past its end, by every
// parser of the filing and Auto-fill replies.
void TestReplyParsers::replyEndingInsideACharacter_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text, three-byte lead") << QByteArray("<a>\xEA");
    QTest::newRow("text, four-byte lead, zero") << QByteArray("<a>\xF0", 5);
    QTest::newRow("name, lead") << QByteArray("<soapenv:Envelope><\xE2");
    QTest::newRow("attribute, lead, zero") << QByteArray("<a b='\xEF", 8);
    QTest::newRow("after the declaration") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\xEF");
    QTest::newRow("byte-order mark cut") << QByteArray("\xEF");
}

void TestReplyParsers::replyEndingInsideACharacter()
{
    QFETCH(QByteArray, bytes);
    const GuardedBytes guarded(bytes);
    const QByteArray raw = guarded.reply();
    FilingResult efile(1);
    QCOMPARE(parseEfileResponse(nullptr, raw, 1, efile), 113);
    FilingResult t1135(101);
    QCOMPARE(parseEfileResponse(nullptr, raw, 101, t1135), 113);
    FilingResult netfile(1);
    QVERIFY(parseNetfileResponse(nullptr, 1, raw, netfile));
    FilingResult terms(0);
    QCOMPARE(parseNetfileTermsResponse(raw, terms), -1);
    TddServiceReply autoFill;
    QVERIFY(parseSoapResponse(raw, "GetTDDEFileResponse", "TokenIdentifier", autoFill) != 0);
    TiXmlDocument doc;
    parseXmlText(doc, raw.constData(), size_t(raw.size()));   // a declaration alone may pass
}

BQ_TEST_MAIN_CORE(TestReplyParsers)
#include "tst_replyparsers.moc"
