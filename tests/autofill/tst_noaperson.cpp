// One person's notice of assessment: reading the item, masking the S.I.N. in
// its XML, the page made by the transformation stand-in and the stored row.
#include "bqtest.h"
#include "fakehttpsserver.h"
#include "mytixmlhandle.h"
#include "noataxdataoneperson.h"
#include "noatransformfake.h"
#include "qwebclient.h"
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QVariant>
#include <tinyxml.h>

using namespace bqfakes;

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The fixture reply's items, each printed as the text the client hands over.
QList<std::string> fixtureItems()
{
    TiXmlDocument doc;
    doc.Parse(readFile(QStringLiteral(BQ_AUTOFILL_DIR "/fixtures/noa-items.xml")).toUtf8().constData(), nullptr,
              TIXML_ENCODING_UTF8);
    QList<std::string> items;
    const MyTiXmlHandle data = MyTiXmlHandle(doc.RootElement(), "ns")
                                   .FirstChildElement("soapenv:Body")
                                   .FirstChildElement("GetNOAResponse")
                                   .FirstChildElement("NoticeOfAssessment")
                                   .FirstChildElement("NoticeOfAssessmentData");
    for (const TiXmlElement *e = data.ToElement() ? data.ToElement()->FirstChildElement() : nullptr; e;
         e = e->NextSiblingElement())
        items << printElementToString(e);
    return items;
}

int parseItem(NOATaxDataOnePerson &p, const std::string &xml)
{
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    return p.parseNotice(doc.RootElement());
}

// What the cursor hook saw: true for "set", false for "restored", and whether
// each call came on the application's thread.
QList<bool> g_cursorCalls;
bool g_cursorOffThread = false;

void recordCursor(bool busy)
{
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        g_cursorOffThread = true;
    g_cursorCalls << busy;
}

} // namespace

class TstNoaPerson : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QSqlDatabase m_db;
    FakeHttpsServer m_server;
    std::unique_ptr<NoaTransformFake> m_fake;

    QString folder() const { return m_dir.filePath(QStringLiteral("noa1")); }

    int count(const QString &sql)
    {
        QSqlQuery q(m_db);
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }

    QString text(const QString &sql)
    {
        QSqlQuery q(m_db);
        return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
    }

    int idOf(const char *sin)
    {
        return count(QStringLiteral("select id from tb_taxpayers where sin='%1'").arg(QLatin1String(sin)));
    }

    // Parses and saves one item with the S.I.N.; xml is left as stored.
    int save(NOATaxDataOnePerson &p, std::string &xml, const char *sin)
    {
        if (parseItem(p, xml) != 0)
            return -100;
        return p.saveToDatabase(m_db, nullptr, sin, xml);
    }

    int save(std::string &xml, const char *sin, int year = 2024)
    {
        NOATaxDataOnePerson p(folder(), year);
        return save(p, xml, sin);
    }

    QStringList sentXml() const
    {
        QStringList sent;
        for (const FakeRequest &r : m_server.requests())
            sent << r.bodyValue(QStringLiteral("noaxml"));
        return sent;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(folder()));
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("noa"));
        m_db.setDatabaseName(m_dir.filePath(QStringLiteral("noa.db")));
        QVERIFY(m_db.open());
        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral("create table tb_taxpayers (id integer primary key autoincrement, "
                                      "name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))")));
        QVERIFY(q.exec(QStringLiteral("create table tb_taxnoa (id integer primary key autoincrement, uid integer, "
                                      "create_time datetime, data1 text, htmlfile varchar(256), taxyear integer)")));
        QVERIFY(q.exec(QStringLiteral("create trigger refuse before insert on tb_taxnoa when new.taxyear = 1999 "
                                      "begin select raise(abort, 'refused'); end")));
        m_fake = std::make_unique<NoaTransformFake>(m_server);
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        QWebClient::setDefaultCaFile(m_server.caFile());
        setNoaTransformUrl(m_server.url(QLatin1String(NoaTransformFake::Path)));
        setNoaWaitCursorHook(recordCursor);
    }

    void init()
    {
        m_fake->setReply(NoaTransformFake::Reply::Page);
        m_server.clearRequests();
    }

    void parseNotice()
    {
        const QList<std::string> items = fixtureItems();
        QCOMPARE(items.size(), 4);
        NOATaxDataOnePerson first(folder(), 2024);
        QCOMPARE(parseItem(first, items[0]), 0);
        QCOMPARE(first.taxpayerId, std::string("id-046"));
        QCOMPARE(first.summaryText, std::string("Your return was assessed as filed"));   // "EN", not the French
        QVERIFY(first.hasNotice);
        NOATaxDataOnePerson last(folder(), 2024);
        QCOMPARE(parseItem(last, items[3]), 0);
        QVERIFY(!last.hasNotice);
        QCOMPARE(last.summaryText, std::string("Your return is under review"));
        NOATaxDataOnePerson none(folder(), 2024);
        QCOMPARE(parseItem(none, "<NoticeOfAssessmentItem><T1Notice/></NoticeOfAssessmentItem>"), -1);
    }

    void maskedSin_data()
    {
        QTest::addColumn<QString>("sin");
        QTest::addColumn<QString>("masked");
        QTest::newRow("nine digits") << "046454286" << "xxxxx4286";
        QTest::newRow("blanks") << "046 454 286" << "xxxxx4286";
        QTest::newRow("dashes") << "046-454-286" << "xxxxx4286";
    }
    void maskedSin()
    {
        QFETCH(QString, sin);
        QFETCH(QString, masked);
        QCOMPARE(QString::fromStdString(NOATaxDataOnePerson::makeMaskedSin(sin.toStdString())), masked);
    }

    // The S.I.N. is masked wherever it stands on its own; a longer number that
    // holds its nine digits is not the S.I.N. and stays.
    void maskInXml_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("masked");
        QTest::addColumn<QString>("present");   // a text the result holds
        QTest::addColumn<QString>("absent");    // a text the result no longer holds
        const QString digits = QStringLiteral("046454286");
        QTest::newRow("no prefix") << "<a><MaskedAccountNumber>046454286</MaskedAccountNumber></a>" << true
                                   << "xxxxx4286" << digits;
        QTest::newRow("ns2") << "<a><ns2:MaskedAccountNumber>046454286</ns2:MaskedAccountNumber></a>" << true
                             << "xxxxx4286" << digits;
        QTest::newRow("tddnoa") << "<a><tddnoa:MaskedAccountNumber>046454286</tddnoa:MaskedAccountNumber></a>"
                                << true << "xxxxx4286" << digits;
        QTest::newRow("self-closing") << "<a><ns2:MaskedAccountNumber/><b>046454286</b></a>" << true << "xxxxx4286"
                                      << digits;
        QTest::newRow("at position 0") << "<MaskedAccountNumber>046454286</MaskedAccountNumber>" << true
                                       << "xxxxx4286" << digits;
        QTest::newRow("absent, S.I.N. elsewhere") << "<a><Other> 046454286 </Other><c s=\"046454286\"/></a>" << true
                                                  << "s=\"xxxxx4286\"" << digits;
        QTest::newRow("inside a longer text") << "<a><Note>SIN 046454286 on file</Note></a>" << true
                                              << "SIN xxxxx4286 on file" << digits;
        QTest::newRow("grouped by blanks and dashes")
            << "<a><Note>SIN 046 454 286.</Note><b n=\"046-454-286\"/></a>" << true << "SIN xxxxx4286." << "454";
        QTest::newRow("inside a longer number") << "<a><Ref>10464542869</Ref><Id>046454286</Id></a>" << true
                                                << "<Ref>10464542869</Ref>" << "<Id>046454286";
        QTest::newRow("in a comment") << "<a><!-- 046454286 --></a>" << true << "xxxxx4286" << digits;
        QTest::newRow("grouped by dots") << "<a><Note>SIN 046.454.286</Note></a>" << true << "SIN xxxxx4286"
                                         << "454";
        // values that merely hold the digits stay as they are
        QTest::newRow("amount with cents") << "<a><Amount>046454286.00</Amount><Id>046454286</Id></a>" << true
                                           << "<Amount>046454286.00</Amount>" << "<Id>046454286";
        QTest::newRow("account number") << "<a><Account>RC046454286X</Account><Id>046454286</Id></a>" << true
                                        << "<Account>RC046454286X</Account>" << "<Id>046454286";
        QTest::newRow("fraction") << "<a><Rate>0.046454286</Rate><Id>046454286</Id></a>" << true
                                  << "<Rate>0.046454286</Rate>" << "<Id>046454286";
        QTest::newRow("social insurance number elements")
            << "<a><ns2:SocialInsuranceNumber>046 454 286</ns2:SocialInsuranceNumber>"
               "<SpouseSocialInsuranceNumber>130692544</SpouseSocialInsuranceNumber></a>"
            << true << "<SpouseSocialInsuranceNumber>xxxxx2544</SpouseSocialInsuranceNumber>" << "454";
        QTest::newRow("not XML") << "<a><b>046454286</a>" << false << "<b>046454286</a>" << "xxxxx";
    }
    void maskInXml()
    {
        QFETCH(QString, xml);
        QFETCH(bool, masked);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        std::string text = xml.toStdString();
        QCOMPARE(NOATaxDataOnePerson::maskSinInXml(text, "046454286", "xxxxx4286"), masked);
        const QString result = QString::fromStdString(text);
        if (!masked)
            QCOMPARE(result, xml);
        QVERIFY2(result.contains(present), qPrintable(result));
        QVERIFY2(!result.contains(absent), qPrintable(result));
    }

    // Only the S.I.N.'s characters change: every other byte of the notice is
    // stored and sent as it came (blanks under xml:space="preserve", the
    // indentation and line ends, empty elements, references, quotes).
    void maskingKeepsEveryOtherByte()
    {
        const std::string item =
            "<ns2:NoticeOfAssessmentItem xmlns:ns2='urn:example:noa'>\r\n"
            "\t<ns2:IndividualTaxpayerIdentifier>id-046</ns2:IndividualTaxpayerIdentifier>\r\n"
            "    <ns2:T1Notice>\n"
            "      <ns2:MaskedAccountNumber>\n        046454286\n      </ns2:MaskedAccountNumber>\n"
            "      <ns2:Line xml:space=\"preserve\">Balance  owing:\n  $1,234.00</ns2:Line>\n"
            "      <ns2:Holder   sin = '046 454 286' >Anne &amp; Luc &#x20AC;&#233; &lt;T&gt;</ns2:Holder>\n"
            "      <ns2:Empty></ns2:Empty><ns2:Closed/><ns2:Spaced />\n"
            "      <!-- SIN 046-454-286 on file -->\n"
            "      <ns2:Note><![CDATA[SIN 046454286 <kept>]]></ns2:Note>\n"
            "      <ns2:SpouseSocialInsuranceNumber>130&#54;92544</ns2:SpouseSocialInsuranceNumber>\n"
            "    </ns2:T1Notice>\n"
            "</ns2:NoticeOfAssessmentItem>\n";
        // by hand: the account number's value, the attribute, the comment and the
        // section hold xxxxx4286 in place of the S.I.N.; the spouse's number
        // (130 6 92544 once its reference is read) its own xxxxx2544
        const std::string expected =
            "<ns2:NoticeOfAssessmentItem xmlns:ns2='urn:example:noa'>\r\n"
            "\t<ns2:IndividualTaxpayerIdentifier>id-046</ns2:IndividualTaxpayerIdentifier>\r\n"
            "    <ns2:T1Notice>\n"
            "      <ns2:MaskedAccountNumber>\n        xxxxx4286\n      </ns2:MaskedAccountNumber>\n"
            "      <ns2:Line xml:space=\"preserve\">Balance  owing:\n  $1,234.00</ns2:Line>\n"
            "      <ns2:Holder   sin = 'xxxxx4286' >Anne &amp; Luc &#x20AC;&#233; &lt;T&gt;</ns2:Holder>\n"
            "      <ns2:Empty></ns2:Empty><ns2:Closed/><ns2:Spaced />\n"
            "      <!-- SIN xxxxx4286 on file -->\n"
            "      <ns2:Note><![CDATA[SIN xxxxx4286 <kept>]]></ns2:Note>\n"
            "      <ns2:SpouseSocialInsuranceNumber>xxxxx2544</ns2:SpouseSocialInsuranceNumber>\n"
            "    </ns2:T1Notice>\n"
            "</ns2:NoticeOfAssessmentItem>\n";
        std::string masked = item;
        QVERIFY(NOATaxDataOnePerson::maskSinInXml(masked, "046454286", "xxxxx4286"));
        QCOMPARE(QByteArray::fromStdString(masked), QByteArray::fromStdString(expected));

        // what is stored and what the transformation service gets
        const std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + item;
        std::string xml = document;
        QCOMPARE(save(xml, "046454286"), 1);
        const QString stored = text(QStringLiteral("select data1 from tb_taxnoa where uid=%1").arg(idOf("046454286")));
        QCOMPARE(stored.toUtf8(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + QByteArray::fromStdString(expected));
        QCOMPARE(sentXml(), QStringList(stored));
    }

    // Every fixture item: the stored XML and the service see only the masked S.I.N.
    void fixtureItemsAreStoredMasked()
    {
        const QList<std::string> items = fixtureItems();
        const char *sins[] = {"046 454 286", "130692544", "193-456-787", "527000145"};
        for (int i = 0; i < items.size(); ++i) {
            std::string xml = items[i];
            NOATaxDataOnePerson p(folder(), 2024);
            QCOMPARE(save(p, xml, sins[i]), 1);
            const QString digits = QString::fromLatin1(sins[i]).remove(QRegExp(QStringLiteral("\\D")));
            const int id = idOf(digits.toLatin1().constData());
            QVERIFY(id > 0);
            const QString stored = text(QStringLiteral("select data1 from tb_taxnoa where uid=%1").arg(id));
            QVERIFY(!stored.contains(digits));
            QCOMPARE(stored.contains(QStringLiteral("xxxxx") + digits.right(4)), p.hasNotice);
            QCOMPARE(stored, QString::fromStdString(xml));
            const QString htmlfile = text(QStringLiteral("select htmlfile from tb_taxnoa where uid=%1").arg(id));
            if (p.hasNotice) {
                QCOMPARE(htmlfile, QDir(folder()).filePath(
                                       QStringLiteral("noa2024_xxxxx%1_%2.html").arg(digits.right(4)).arg(id)));
                QVERIFY(readFile(htmlfile).contains(QStringLiteral("Social insurance number: xxxxx") + digits.right(4)));
            } else {
                QCOMPARE(htmlfile, QStringLiteral("For tax payer (S.I.N. xxxxx0145), Your return is under review."));
            }
        }
        QCOMPARE(m_server.requestCount(), 3);   // no request for the item without a notice
        for (const QString &sent : sentXml())
            QVERIFY(!sent.contains(QRegExp(QStringLiteral("046454286|130692544|193456787"))));
        QVERIFY(sentXml().at(0).contains(QStringLiteral("Anne &amp; Luc &lt;Tremblay&gt;")));
    }

    void sameLastFourDigitsGetTwoPages()
    {
        std::string a = "<Item><IndividualTaxpayerIdentifier>a</IndividualTaxpayerIdentifier><T1Notice>"
                        "<MaskedAccountNumber>211114444</MaskedAccountNumber></T1Notice></Item>";
        std::string b = "<Item><IndividualTaxpayerIdentifier>b</IndividualTaxpayerIdentifier><T1Notice>"
                        "<MaskedAccountNumber>322224444</MaskedAccountNumber></T1Notice></Item>";
        QCOMPARE(save(a, "211114444"), 1);
        QCOMPARE(save(b, "322224444"), 1);
        const QString pageA = text(QStringLiteral("select htmlfile from tb_taxnoa where uid=%1").arg(idOf("211114444")));
        const QString pageB = text(QStringLiteral("select htmlfile from tb_taxnoa where uid=%1").arg(idOf("322224444")));
        QVERIFY(pageA != pageB);
        QVERIFY(QFile::exists(pageA) && QFile::exists(pageB));
        QCOMPARE(QFileInfo(pageA).path(), QDir(folder()).absolutePath());
    }

    void failedTransformationWritesNoPage_data()
    {
        QTest::addColumn<int>("reply");
        QTest::newRow("HTTP 500") << int(NoaTransformFake::Reply::ServerError);
        QTest::newRow("empty reply") << int(NoaTransformFake::Reply::Empty);
    }
    void failedTransformationWritesNoPage()
    {
        QFETCH(int, reply);
        m_fake->setReply(NoaTransformFake::Reply(reply));
        const QStringList before = QDir(folder()).entryList(QDir::Files);
        std::string xml = "<Item><IndividualTaxpayerIdentifier>c</IndividualTaxpayerIdentifier><T1Notice>"
                          "<MaskedAccountNumber>433335555</MaskedAccountNumber></T1Notice></Item>";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Notice page not made")));
        QCOMPARE(save(xml, "433335555"), 1);
        QCOMPARE(m_server.requestCount(), 1);
        QCOMPARE(QDir(folder()).entryList(QDir::Files), before);
        QCOMPARE(text(QStringLiteral("select htmlfile from tb_taxnoa where uid=%1").arg(idOf("433335555"))),
                 QStringLiteral("For tax payer (S.I.N. xxxxx5555), the notice page could not be made."));
    }

    void otherYearsStayAndAFailedInsertKeepsTheRow()
    {
        std::string xml = "<Item><IndividualTaxpayerIdentifier>d</IndividualTaxpayerIdentifier></Item>";
        QCOMPARE(save(xml, "544446666", 2023), 1);
        QCOMPARE(save(xml, "544446666", 2024), 1);
        QCOMPARE(save(xml, "544446666", 2024), 1);
        const int id = idOf("544446666");
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxnoa where uid=%1 and taxyear=2023").arg(id)), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxnoa where uid=%1 and taxyear=2024").arg(id)), 1);

        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral("update tb_taxnoa set data1='earlier' where uid=%1").arg(id)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        QCOMPARE(save(xml, "544446666", 1999), 0);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxnoa where uid=%1").arg(id)), 2);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxnoa where data1<>'earlier' and uid=%1").arg(id)), 0);
    }

    // A notice that holds the S.I.N. inside longer values is stored, masked.
    void sinInsideLongerValuesIsStored()
    {
        std::string xml = "<Item><IndividualTaxpayerIdentifier>g</IndividualTaxpayerIdentifier>"
                          "<ns2:MaskedAccountNumber>655557777</ns2:MaskedAccountNumber>"
                          "<AssessmentSummaryText xml:lang=\"en\">Refund for 655 557 777 sent</AssessmentSummaryText>"
                          "<Reference>96555577771</Reference></Item>";
        QCOMPARE(save(xml, "655557777"), 1);
        const QString stored = text(QStringLiteral("select data1 from tb_taxnoa where uid=%1").arg(idOf("655557777")));
        QVERIFY(!stored.contains(QStringLiteral(">655557777<")));
        QVERIFY(stored.contains(QStringLiteral("Refund for xxxxx7777 sent")));
        QVERIFY(stored.contains(QStringLiteral("<Reference>96555577771</Reference>")));
        QVERIFY(!stored.contains(QStringLiteral("655 557 777")));
        QCOMPARE(text(QStringLiteral("select htmlfile from tb_taxnoa where uid=%1").arg(idOf("655557777"))),
                 QStringLiteral("For tax payer (S.I.N. xxxxx7777), Refund for xxxxx7777 sent."));
    }

    void unmaskableOrNoTaxpayerStoresNothing()
    {
        const int rows = count(QStringLiteral("select count(*) from tb_taxnoa"));
        NOATaxDataOnePerson unreadable(folder(), 2024);
        std::string item = "<Item><IndividualTaxpayerIdentifier>e</IndividualTaxpayerIdentifier></Item>";
        QCOMPARE(parseItem(unreadable, item), 0);
        std::string broken = "<Item><IndividualTaxpayerIdentifier>e</IndividualTaxpayerIdentifier>"
                             "<Note>SIN 655557777 on file</Item>";
        QCOMPARE(unreadable.saveToDatabase(m_db, nullptr, "655557777", broken), 0);
        std::string shortSin = "<Item><IndividualTaxpayerIdentifier>f</IndividualTaxpayerIdentifier></Item>";
        QCOMPARE(save(shortSin, "12345"), 0);
        QCOMPARE(count(QStringLiteral("select count(*) from tb_taxnoa")), rows);
        QCOMPARE(m_server.requestCount(), 0);
    }

    // The request runs on a worker; the cursor is set and restored on the application's thread.
    void waitCursorOnTheApplicationThread()
    {
        g_cursorCalls.clear();
        g_cursorOffThread = false;
        int result = -1;
        const QString page = m_dir.filePath(QStringLiteral("noa1/worker.html"));
        QThread *worker = QThread::create([&result, page] {
            result = requestNoaHtml(page, "<a><MaskedAccountNumber>xxxxx1234</MaskedAccountNumber></a>",
                                    "2025-03-01T10:00:00-05:00");
        });
        worker->start();
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 20000);
        QTRY_COMPARE(g_cursorCalls.size(), 2);
        delete worker;
        QCOMPARE(result, 0);
        QCOMPARE(g_cursorCalls, (QList<bool>{true, false}));
        QVERIFY(!g_cursorOffThread);
        QVERIFY(readFile(page).contains(QStringLiteral("xxxxx1234")));
        QCOMPARE(QFile::permissions(page) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
    }

    void cleanupTestCase()
    {
        setNoaWaitCursorHook(nullptr);
        setNoaTransformUrl(QString());
        QWebClient::setDefaultCaFile(QString());
    }
};

BQ_TEST_MAIN_CORE(TstNoaPerson)
#include "tst_noaperson.moc"
