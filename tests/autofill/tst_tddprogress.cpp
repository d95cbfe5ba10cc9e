// Whole Auto-fill and Express NOA runs from the progress dialog against the
// stand-ins: staging, the browser step, the listener, get-data, the imports,
// the logs; every failure closes the dialog with its message; a cancel ends
// the run at once and waits for the workers.
#include "bqtest.h"
#include "dlgtddprogresswait.h"
#include "tddhttpserver.h"
#include "tddtestenv.h"
#include "qwebclient.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QRegularExpression>
#include <QSqlQuery>

using bqfakes::TddServicesFake;
using Answer = TddServicesFake::Answer;

class TstTddProgress : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    tddtest::Settings m_settings;
    bqfakes::FakeHttpsServer m_server;
    std::unique_ptr<TddServicesFake> m_fake;
    std::unique_ptr<tddtest::BrowserStand> m_browser;
    quint16 m_port = 0;

    struct Outcome
    {
        QStringList history;
        int saved = 0;
        int skipped = 0;
        std::map<std::string, CString> messages;
        bool closed = false;
        bool cancelled = false;   // closed before the run ended
    };

    Outcome run(int mode, std::vector<std::string> sins, int timeoutMs = 20000)
    {
        Outcome o;
        DlgTDDProgressWait dialog(mode, &sins);
        dialog.show();
        o.closed = QTest::qWaitFor([&] { return !dialog.isVisible(); }, timeoutMs);
        o.history = dialog.statusHistory();
        o.saved = dialog.savedCount();
        o.skipped = dialog.skippedCount();
        o.messages = dialog.noaMessages();
        o.cancelled = dialog.cancelled();
        return o;
    }

    QSqlDatabase database()
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("check"), false);
        if (!db.isValid()) {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(m_dir.filePath(QStringLiteral("mydata2024e.db")));
        }
        db.open();
        return db;
    }

    // Each stored row's data1 with its taxpayer's S.I.N.
    QList<QPair<QString, QString>> storedRows(const char *table)
    {
        QList<QPair<QString, QString>> rows;
        QSqlQuery q(database());
        q.exec(QStringLiteral("select p.sin, d.data1 from %1 d join tb_taxpayers p on p.id = d.uid order by p.sin")
                   .arg(QLatin1String(table)));
        while (q.next())
            rows << qMakePair(q.value(0).toString(), q.value(1).toString());
        return rows;
    }

    static QString identifierIn(const QString &xml)
    {
        const QRegularExpression re(QStringLiteral("IndividualTaxpayerIdentifier>([0-9A-Fa-f]{64})<"));
        const auto all = re.globalMatch(xml);
        QString id;
        int count = 0;
        for (auto it = all; it.hasNext(); ++count)
            id = it.next().captured(1);
        return count == 1 ? id.toLower() : QString();
    }

private slots:
    void initTestCase()
    {
        m_fake = std::make_unique<TddServicesFake>(m_server);
        QVERIFY(m_server.start());
        QWebClient::setDefaultCaFile(m_server.caFile());
        m_port = tddtest::freePort();
        m_fake->setListenerPort(m_port);
        tddtest::pointAt(m_settings, QStringLiteral("127.0.0.1:%1").arg(m_server.port()), m_dir.path(), m_port);
        setSettingsSource(&m_settings);
        QVERIFY(tddtest::createTables(m_dir.filePath(QStringLiteral("mydata2024e.db"))));
        m_browser = std::make_unique<tddtest::BrowserStand>(m_server.caFile());
    }

    void init()
    {
        TddWebService::setWaitPercent(10);
        TddWebService::setTokenGraceMs(2000);
        m_fake->setOptions({});
        QSqlQuery q(database());
        q.exec(QStringLiteral("delete from tb_taxdata"));
        q.exec(QStringLiteral("delete from tb_taxnoa"));
    }

    void cleanupTestCase()
    {
        QTRY_VERIFY(m_browser->allDone());
        m_browser.reset();
        QSqlDatabase::database(QStringLiteral("check"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        setSettingsSource(nullptr);
    }

    void autoFillEndToEnd_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<bool>("selfClosing");
        QTest::newRow("ns2 items") << QByteArray("ns2") << false;
        QTest::newRow("another prefix, a self-closing item") << QByteArray("ns12") << true;
    }

    void autoFillEndToEnd()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(bool, selfClosing);
        TddServicesFake::Options options;
        options.notReadyCount = 1;
        options.itemPrefix = prefix;
        options.selfClosingItem = selfClosing;
        m_fake->setOptions(options);
        const int refusalsBefore = m_fake->refusals();
        const int noncesBefore = m_fake->nonces().size();
        const Outcome o = run(1, {"046 454 286", "130692544"});
        QVERIFY(o.closed);
        QVERIFY2(o.history.contains(QStringLiteral("2 record(s) saved into tax data locally (1002).")),
                 qPrintable(o.history.join(QLatin1Char('|'))));
        QCOMPARE(o.saved, 2);
        QVERIFY(!o.cancelled);
        QCOMPARE(o.skipped, selfClosing ? 2 : 1);
        QCOMPARE(m_fake->stagedSins(), (QStringList{"046454286", "130692544"}));
        QCOMPARE(m_fake->refusals(), refusalsBefore);
        QCOMPARE(m_fake->signInRefusals(), 0);
        // staging and two get-data posts, each with a nonce of its own
        const QList<QByteArray> nonces = m_fake->nonces().mid(noncesBefore);
        QCOMPARE(nonces.size(), 3);
        QCOMPARE(QSet<QByteArray>(nonces.begin(), nonces.end()).size(), 3);
        const tddtest::BrowserStand::Visit visit = m_browser->visits().last();
        QCOMPARE(visit.signInStatus, 302);
        QVERIFY(visit.listenerAnswer.startsWith("HTTP/1.0 200 OK\nContent-Type: text/html\n"));
        const auto rows = storedRows("tb_taxdata");
        QCOMPARE(rows.size(), 2);
        for (const auto &row : rows)
            QCOMPARE(identifierIn(row.second), QString::fromLatin1(TddServicesFake::identifierOf(row.first)));
    }

    void replayedAndForgedRequestsAreRefused()
    {
        QByteArray staged;
        for (const bqfakes::FakeRequest &r : m_server.requests())
            if (r.body.contains("<StageTDDEFile"))
                staged = r.body;
        QVERIFY(!staged.isEmpty());
        const int before = m_fake->refusals();
        QString reply;
        QWebClient replay(m_server.url(QString::fromLatin1(TddServicesFake::DataPath)));
        QVERIFY(!replay.postSoapXML(staged, nullptr, reply));
        QVERIFY(reply.contains(QLatin1String("nonce replayed")) || replay.responseBody().contains("nonce replayed"));
        QByteArray forged;
        QCOMPARE(buildStageRequest(CString("2024"), 1, forged), 0);
        const int at = forged.indexOf("#PasswordDigest\">") + 17;
        forged[at] = forged[at] == 'A' ? 'B' : 'A';
        forged += "</StageTDDEFile></S:Body></S:Envelope>";
        QWebClient post(m_server.url(QString::fromLatin1(TddServicesFake::DataPath)));
        QVERIFY(!post.postSoapXML(forged, nullptr, reply));
        QVERIFY(post.responseBody().contains("wrong digest"));
        QCOMPARE(m_fake->refusals(), before + 2);
    }

    void logsHoldNoSecrets()
    {
        m_fake->setOptions({Answer::Data, 1});
        QVERIFY(run(1, {"046 454 286", "130692544"}).closed);
        QStringList secrets{"046454286", "130692544", "046 454 286", QString::fromLatin1(m_fake->browserToken()),
                            QString::fromLatin1(TddServicesFake::identifierOf("046454286")),
                            QStringLiteral("InstalmentAmount"), QStringLiteral("spID="), QStringLiteral("key=")};
        for (const QByteArray &n : m_fake->nonces())
            secrets << QString::fromLatin1(n);
        for (const bqfakes::FakeRequest &r : m_server.requests()) {
            const QRegularExpression password(QStringLiteral("#PasswordDigest\">([^<]+)<"));
            const QString digest = password.match(QString::fromUtf8(r.body)).captured(1);
            if (!digest.isEmpty())
                secrets << digest;
        }
        for (const char *name : {"tddlog.txt", "tddlog2.txt"}) {
            QFile log(m_dir.filePath(QLatin1String(name)));
            QVERIFY2(log.open(QIODevice::ReadOnly), name);
            QCOMPARE(log.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                          | QFileDevice::WriteOther | QFileDevice::ExeOwner),
                     QFileDevice::Permissions());
            const QString text = QString::fromUtf8(log.readAll());
            QVERIFY(!text.isEmpty());
            for (const QString &secret : secrets)
                QVERIFY2(!text.contains(secret, Qt::CaseInsensitive), qPrintable(QStringLiteral("%1 in %2").arg(secret, QLatin1String(name))));
        }
    }

    void noticeEndToEndWithABadItem()
    {
        TddServicesFake::Options options;
        options.badNoaItem = 1;
        m_fake->setOptions(options);
        const Outcome o = run(2, {"046454286", "130692544", "193456787"});
        QVERIFY(o.closed);
        QVERIFY2(o.history.contains(QStringLiteral("2 record(s) saved into tax data locally (1002).")),
                 qPrintable(o.history.join(QLatin1Char('|'))));
        QCOMPARE(o.saved, 2);
        QCOMPARE(o.skipped, 2);
        const auto rows = storedRows("tb_taxnoa");
        QCOMPARE(rows.size(), 2);
        for (const auto &row : rows) {
            QCOMPARE(row.second.count(QStringLiteral("<NoticeOfAssessmentItem")), 1);
            QCOMPARE(identifierIn(row.second), QString::fromLatin1(TddServicesFake::identifierOf(row.first)));
        }
        QCOMPARE(int(o.messages.size()), 2);
    }

    void storedReplyIsImportedAndTheDialogWaits()
    {
        const QByteArray id = TddServicesFake::identifierOf(QStringLiteral("046454286"));
        QFile reply(m_dir.filePath(QStringLiteral("stored-reply.xml")));
        QVERIFY(reply.open(QIODevice::WriteOnly));
        reply.write("<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>"
                    "<ns2:GetTDDEFileResponse xmlns:ns2=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\">"
                    "<ns2:ReturnCode>20</ns2:ReturnCode><ns2:EFileTaxDataDelivery><ns2:EFileTaxData>"
                    "<ns2:EFileIndividualIncomeTaxDataItem><ns2:IndividualTaxpayerIdentifier>" + id
                    + "</ns2:IndividualTaxpayerIdentifier></ns2:EFileIndividualIncomeTaxDataItem>"
                      "</ns2:EFileTaxData></ns2:EFileTaxDataDelivery></ns2:GetTDDEFileResponse>"
                      "</soapenv:Body></soapenv:Envelope>");
        reply.close();
        m_settings.values.insert(QStringLiteral("TDDDataFile"), reply.fileName());
        const int stagesBefore = m_fake->stagedSins().size();
        std::vector<std::string> sins{"046 454 286"};
        DlgTDDProgressWait dialog(1, &sins);
        dialog.show();
        m_settings.values.remove(QStringLiteral("TDDDataFile"));
        QCOMPARE(dialog.savedCount(), 1);
        QTest::qWait(TddWebService::scaledMs(3000));
        QVERIFY(dialog.isVisible());
        QVERIFY(!TddHttpServer::instance()->isRunning());
        QCOMPARE(dialog.findChildren<QThread *>().size(), 0);
        QCOMPARE(m_fake->stagedSins().size(), stagesBefore);
        QCOMPARE(storedRows("tb_taxdata").size(), 1);
        dialog.reject();
        QVERIFY(!dialog.cancelled());   // closed after its import
    }

    // A notice reply of two items: each person's row holds the reply as it came,
    // the other item left out and the S.I.N.'s characters masked, every other
    // byte (declaration, indentation, line ends, blanks kept, empty elements,
    // references) unchanged.
    void noticeKeepsTheRepliesBytes()
    {
        const QByteArray first = TddServicesFake::identifierOf(QStringLiteral("046454286"));
        const QByteArray second = TddServicesFake::identifierOf(QStringLiteral("130692544"));
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">\r\n"
                                "  <soapenv:Body>\r\n    <GetNOAResponse>\r\n      <NoticeOfAssessment>\r\n"
                                "        <NoticeOfAssessmentData>\r\n          ";
        const QByteArray itemA = "<NoticeOfAssessmentItem>\r\n"
                                 "            <IndividualTaxpayerIdentifier>" + first + "</IndividualTaxpayerIdentifier>\r\n"
                                 "            <AssessmentSummaryText xml:lang='en' xml:space=\"preserve\">Balance  owing:\r\n"
                                 "  $1,234.00 &amp; interest</AssessmentSummaryText>\r\n"
                                 "            <Holder sin=\"046454286\"></Holder><Empty/>\r\n"
                                 "          </NoticeOfAssessmentItem>";
        const QByteArray itemB = "<NoticeOfAssessmentItem>\r\n"
                                 "            <IndividualTaxpayerIdentifier>" + second + "</IndividualTaxpayerIdentifier>\r\n"
                                 "            <AssessmentSummaryText xml:lang=\"en\">Assessed &#8212; as filed</AssessmentSummaryText>\r\n"
                                 "          </NoticeOfAssessmentItem>";
        const QByteArray tail = "\r\n        </NoticeOfAssessmentData>\r\n      </NoticeOfAssessment>\r\n"
                                "    </GetNOAResponse>\r\n  </soapenv:Body>\r\n</soapenv:Envelope>\r\n";
        QFile reply(m_dir.filePath(QStringLiteral("stored-notice.xml")));
        QVERIFY(reply.open(QIODevice::WriteOnly));
        reply.write(head + itemA + "\r\n          " + itemB + tail);
        reply.close();
        m_settings.values.insert(QStringLiteral("TDDDataFile"), reply.fileName());
        std::vector<std::string> sins{"046454286", "130692544"};
        {
            DlgTDDProgressWait dialog(2, &sins);
            dialog.show();
            m_settings.values.remove(QStringLiteral("TDDDataFile"));
            QCOMPARE(dialog.savedCount(), 2);
            dialog.reject();
        }
        // by hand: the whole reply with the other item and the blanks before it
        // left out; the first item's attribute holds xxxxx4286 for the S.I.N.
        QByteArray maskedA = itemA;
        maskedA.replace("sin=\"046454286\"", "sin=\"xxxxx4286\"");
        const auto rows = storedRows("tb_taxnoa");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).first, QStringLiteral("046454286"));
        QCOMPARE(rows.at(0).second.toUtf8(), head + maskedA + tail);
        QCOMPARE(rows.at(1).second.toUtf8(), head + itemB + tail);
    }

    // Another local process sends the listener its own token before the user
    // has signed in: the web service refuses it, and the genuine return that
    // follows is still taken and imported.
    void forgedTokenThenTheGenuineOne()
    {
        TddWebService::setTokenGraceMs(60000);
        const int refusalsBefore = m_fake->getDataRequests();
        QList<QByteArray> forgedAnswers;
        QThread *forger = nullptr;
        const quint16 port = m_port;
        TddWebService::setBrowserOpener([&](const QUrl &url) {
            forger = QThread::create([&forgedAnswers, port] {
                forgedAnswers << tddtest::blockingExchange(port, {"GET /taxdata?t=forged-by-another-process HTTP/1.1\r\n\r\n"});
            });
            // the genuine return comes once the listener has taken the forged token
            QObject::connect(forger, &QThread::finished, qApp, [url] { QDesktopServices::openUrl(url); });
            forger->start();
            return true;
        });
        const Outcome o = run(1, {"046454286"});
        TddWebService::setBrowserOpener(nullptr);
        QVERIFY(forger && forger->wait(5000));
        delete forger;
        QVERIFY(o.closed);
        QVERIFY2(o.history.contains(QStringLiteral("1 record(s) saved into tax data locally (1001).")),
                 qPrintable(o.history.join(QLatin1Char('|'))));
        QCOMPARE(forgedAnswers.size(), 1);
        QVERIFY(forgedAnswers.first().startsWith("HTTP/1.0 200 OK"));
        QCOMPARE(m_fake->getDataRequests() - refusalsBefore, 2);   // the forged token, then the genuine
        QCOMPARE(storedRows("tb_taxdata").size(), 1);
    }

    // A service whose certificate is not trusted: the run fails, and the
    // reason that the main dialog shows names the certificate.
    void untrustedServiceGivesItsReason()
    {
        QWebClient::setDefaultCaFile(QString());
        const Outcome o = run(1, {"046454286"});
        QWebClient::setDefaultCaFile(m_server.caFile());
        QVERIFY(o.closed);
        QVERIFY2(o.history.contains(QStringLiteral("some error occured, code = -20")),
                 qPrintable(o.history.join(QLatin1Char('|'))));
        const QString why = TddHttpServer::instance()->client().lastFailure();
        QVERIFY2(why.contains(QLatin1String("certificate"), Qt::CaseInsensitive), qPrintable(why));
    }

    void failuresCloseTheDialogWithTheirMessage_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("notReady");
        QTest::addColumn<bool>("stageFault");
        QTest::addColumn<bool>("browserRefuses");
        QTest::addColumn<bool>("portTaken");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("why");   // what the main dialog is told; empty: not checked
        QTest::newRow("code 10") << int(Answer::NotAuthorised) << 0 << false << false << false
                                 << "some error occured, code = 10" << QString();
        QTest::newRow("another code") << int(Answer::OtherCode) << 0 << false << false << false
                                      << "some error occured, code = 30" << QString();
        QTest::newRow("three not ready") << int(Answer::Data) << 3 << false << false << false
                                         << "some error occured, code = -30" << QString();
        QTest::newRow("failed post") << int(Answer::Unavailable) << 0 << false << false << false
                                     << "some error occured, code = -21" << "HTTP 503 Service Unavailable";
        QTest::newRow("fault") << int(Answer::Fault) << 0 << false << false << false
                               << "some error occured, code = -13"
                               << "HTTP 500 Internal Server Error; the service answered with a fault: service unavailable";
        QTest::newRow("malformed") << int(Answer::Malformed) << 0 << false << false << false
                                   << "some error occured, code = -12"
                                   << "HTTP 200 OK; the reply is not well-formed XML";
        // a reply that is not the service's answer ends the run at once, with what it was
        QTest::newRow("web page") << int(Answer::WebPage) << 0 << false << false << false
                                  << "some error occured, code = -12"
                                  << "HTTP 500 Internal Server Error; the reply is a web page (\"Service Unavailable\"), "
                                     "not the service's XML";
        QTest::newRow("staging fault") << int(Answer::Data) << 0 << true << false << false
                                       << "initial web service handshake failed, code = 100"
                                       << "HTTP 500 Internal Server Error; the service answered with a fault: staging refused";
        QTest::newRow("browser refused") << int(Answer::Data) << 0 << false << true << false
                                         << "some error occured, code = 99" << QString();
        QTest::newRow("port taken") << int(Answer::Data) << 0 << false << false << true
                                    << "some error occured, code = -31"
                                    << "where the browser comes back from the CRA sign-in, cannot be opened";
    }

    void failuresCloseTheDialogWithTheirMessage()
    {
        QFETCH(int, answer);
        QFETCH(int, notReady);
        QFETCH(bool, stageFault);
        QFETCH(bool, browserRefuses);
        QFETCH(bool, portTaken);
        QFETCH(QString, message);
        QFETCH(QString, why);
        TddServicesFake::Options options;
        options.answer = Answer(answer);
        options.notReadyCount = notReady;
        options.stageFault = stageFault;
        m_fake->setOptions(options);
        if (browserRefuses)
            TddWebService::setBrowserOpener([](const QUrl &) { return false; });
        QTcpServer squatter;
        if (portTaken)
            QVERIFY(squatter.listen(QHostAddress::LocalHost, m_port));
        const Outcome o = run(1, {"046454286"});
        TddWebService::setBrowserOpener(nullptr);
        QVERIFY(o.closed);
        QVERIFY2(o.history.contains(message), qPrintable(o.history.join(QLatin1Char('|'))));
        QCOMPARE(o.history.last(), QStringLiteral("Error happened in auto-fill, please try again later."));
        QCOMPARE(o.saved, 0);
        QVERIFY(!o.cancelled);   // the run ended: its failure is told
        const QString failure = TddHttpServer::instance()->client().lastFailure();
        QVERIFY2(failure.contains(why), qPrintable(failure));
    }

    void cancelEndsTheRunAtOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel during the wait") << int(Answer::Data) << 0;
        QTest::newRow("Escape during the wait") << int(Answer::Data) << 1;
        QTest::newRow("close during the wait") << int(Answer::Data) << 2;
        QTest::newRow("Cancel during a silent post") << int(Answer::Silent) << 0;
    }

    // The run's waits and its post are made far longer than the test may run:
    // only a cancel that cuts them lets the workers end.
    void cancelEndsTheRunAtOnce()
    {
        QFETCH(int, answer);
        QFETCH(int, way);
        TddWebService::setWaitPercent(100);
        const int defaultTimeout = QWebClient::defaultTimeout();
        QWebClient::setDefaultTimeout(24 * 3600 * 1000);
        const auto restoreTimeout = qScopeGuard([defaultTimeout] { QWebClient::setDefaultTimeout(defaultTimeout); });
        TddServicesFake::Options options;
        options.answer = Answer(answer);
        options.notReadyCount = answer == int(Answer::Silent) ? 0 : 3;
        m_fake->setOptions(options);
        const int gets = m_fake->getDataRequests();
        std::vector<std::string> sins{"046454286"};
        auto dialog = std::make_unique<DlgTDDProgressWait>(1, &sins);   // polls its steps once a second
        TddWebService::setWaitPercent(TddWebService::MaxWaitPercent);     // a not-ready wait: 400 s
        dialog->show();
        QVERIFY(QTest::qWaitFor([&] { return m_fake->getDataRequests() > gets; }, 60000));
        QTest::qWait(300);
        const QList<QThread *> workers = dialog->findChildren<QThread *>();
        QCOMPARE(workers.size(), 2);
        if (way == 0)
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        else if (way == 1)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->cancelled());   // nothing is to be said of the CRA's records
        for (QThread *w : workers)
            QVERIFY(w->isFinished());
        dialog.reset();
        QVERIFY(!TddHttpServer::instance()->isRunning());
    }
};

BQ_TEST_MAIN_IMPL(TstTddProgress, QApplication)
#include "tst_tddprogress.moc"
