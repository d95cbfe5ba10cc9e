// The return window's requests to the e-signature service, against the fake.
#include "basetaxpage.h"
#include "bqtest.h"
#include "creturnfile.h"
#include "ctaxdata_rc71.h"
#include "datanewreturnbasic.h"
#include "filingdocservices.h"
#include "form_return.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "modalwindows.h"
#include "mydatastream.h"
#include "qwebclient.h"
#include "realboxes.h"
#include "settingsseam.h"
#include "tabwndapp.h"
#include "taxdata_t183new.h"
#include "vantrelfake.h"
#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QTextDocument>

using namespace bqfakes;

namespace {
class Settings : public SettingsSource
{
public:
    QMap<QString, QString> user, config;
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
    bool setUserInt(const QString &name, int value) override
    {
        user[name] = QString::number(value);
        return true;
    }
};

const char kOperationFailed[] = "Operation failed, check vantrel points and make sure vpn/firewall doesn't block.";
const char kNoCredentials[] = "Enter Vantrel points email/password in preference, they are used for Van-trel purpose.";

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QList<QPair<QByteArray, QByteArray>> partsOf(const FakeRequest &r)
{
    QList<QPair<QByteArray, QByteArray>> list;
    for (const MultipartPart &p : r.parts())
        list.append({p.name, p.fileName.isEmpty() ? p.data : "file:" + p.fileName});
    return list;
}
} // namespace

class TestESignature : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    Settings m_settings;
    QTemporaryDir m_dir;
    std::unique_ptr<FakeHttpsServer> m_server;
    std::unique_ptr<VantrelFake> m_fake;
    QString m_pdf;

    // A return of Ann Smith with a T183, a T1013 and an RC71.
    static CReturnFile *newReturn()
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Ann");
        data.fld_LastName = CString("Smith");
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = 5;
        data.fld_dob = QDate(1980, 1, 1);
        auto *r = new CReturnFile(0);
        r->applyNewReturnData(data);
        for (int type : {96, 117, 53})
            if (!r->hasForm(type))
                r->addForm(type, 0, true, 0, false);
        return r;
    }
    static TaxData_T183New *t183(Form_Return &w)
    {
        return dynamic_cast<TaxData_T183New *>(w.returnFile()->getForm(96, 0, false));
    }
    QStringList texts() const { return m_messages.texts(); }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        setSettingsSource(&m_settings);
        const TestCertificates &certs = TestCertificates::shared();
        QVERIFY2(certs.isValid(), qPrintable(certs.errorString));
        QWebClient::setDefaultCaFile(certs.caFile);
        m_pdf = m_dir.filePath(QStringLiteral("Smith T183.pdf"));
        QVERIFY(writeFile(m_pdf, "%PDF-1.4\n1 0 obj<<>>endobj\n%%EOF\n"));
    }
    void cleanupTestCase()
    {
        setSettingsSource(nullptr);
        setMessageHandler(nullptr);
    }
    void init()
    {
        m_server.reset(new FakeHttpsServer);
        m_fake.reset(new VantrelFake(*m_server));
        QVERIFY(m_server->start());
        m_settings.config[QStringLiteral("VantrelServer")] = m_server->baseUrl();
        m_settings.user[QStringLiteral("VantrelEmail")] = QStringLiteral("preparer@example.com");
        m_settings.user[QStringLiteral("VantrelPswd")] = QStringLiteral("s3cret");
        m_messages.clear();
    }
    void cleanup()
    {
        m_fake.reset();
        m_server.reset();
    }

    void eSignatureOfT183()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.sendForESignature(96, true, QStringLiteral("ann@example.com"), QStringLiteral("046454286"),
                            QStringLiteral("Ann"), m_pdf);
        QCOMPARE(m_server->requestCount(), 1);
        const FakeRequest r = m_server->requests().first();
        QCOMPARE(r.path, QByteArray("/api/signature-requests"));
        QCOMPARE(r.header("authorization"), "Basic " + QByteArray("preparer@example.com:s3cret").toBase64());
        const QList<MultipartPart> parts = r.parts();
        QVERIFY(!parts.isEmpty());
        QCOMPARE(parts.first().name, QByteArray("document_file"));
        QCOMPARE(parts.first().fileName, QByteArray("Smith T183.pdf"));
        QCOMPARE(parts.first().data, contents(m_pdf));
        const QList<QPair<QByteArray, QByteArray>> expected{
            {"document_file", "file:Smith T183.pdf"},
            {"email", "ann@example.com"},
            {"password", "4286"},
            {"licdata", "0*****286"},
            {"expires_in_days", "30"},
            {"date_pos", "[{\"page\": 0}]"},
            {"sw", "T1KV2024"},
            {"func", "VANTREL"},
            {"form", "T183"},
            {"sender_note", "This is for Ann (tax year 2024), default password is last 4 digits of SIN"},
            {"login_type", "fernquaver"}};
        QCOMPARE(partsOf(r), expected);
        QCOMPARE(m_messages.shown().first().title,
                 QStringLiteral("Send Document for E-Signature through https://www.vantrel.ca"));
        QCOMPARE(texts().last(), QStringLiteral("The signature request was sent."));
        QCOMPARE(t183(w)->text(TaxData_T183New::F_Text), QStringLiteral("123"));
        // the page shows the id for what it is, and the preparer cannot change it
        const FieldSpec &shown = t183(w)->fieldTable().describedSpecs(CTaxData_Form::KindForm, 96)[size_t(
            t183(w)->fieldTable().indexOf(QStringLiteral("Text")))];
        QCOMPARE(QString::fromUtf8(shown.caption), QStringLiteral("E-signature request id"));
        QVERIFY(shown.calculated);
    }

    // The service's message is its own words: markup in it is shown, not
    // rendered; the open T183 page shows the new request id at once.
    void eSignatureReplyAsTextAndOnThePage()
    {
        m_fake->setSignatureReply(FakeResponse::text(R"({"sr_id":124,"message":"<h1>Sent</h1> to <b>ann</b>"})"));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.goToForm(96);
        QCoreApplication::processEvents();
        QLineEdit *requestId = nullptr;
        for (BaseTaxPage *page : w.openPages())
            if (!requestId)
                requestId = qobject_cast<QLineEdit *>(page->editorFor(QStringLiteral("Text")));
        QVERIFY(requestId);
        QVERIFY(requestId->text().isEmpty());
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        bqtest::onModal([&shown, &format](QWidget *question) {
            bqtest::onModal([&shown, &format](QWidget *answer) {
                if (auto *box = qobject_cast<QMessageBox *>(answer)) {
                    shown = box->text();
                    format = box->textFormat();
                }
                answer->close();
            });
            if (auto *box = qobject_cast<QMessageBox *>(question))
                box->button(QMessageBox::Yes)->click();
        });
        {
            const bqtest::RealBoxes realBoxes(m_messages);
            w.sendForESignature(96, false, QStringLiteral("ann@example.com"), QStringLiteral("046454286"),
                                QStringLiteral("Ann"), m_pdf);
        }
        QCOMPARE(shown, QStringLiteral("<h1>Sent</h1> to <b>ann</b>"));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(requestId->text(), QStringLiteral("124"));
    }

    void eSignatureStoresOnlyForT183AndRC71_data()
    {
        QTest::addColumn<int>("formType");
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("datePos");
        QTest::newRow("T1013") << 117 << "T1013" << true;
        QTest::newRow("RC71") << 53 << "RC71" << false;
        QTest::newRow("T185") << 181 << "T185" << false;
    }
    void eSignatureStoresOnlyForT183AndRC71()
    {
        QFETCH(int, formType);
        QFETCH(QString, form);
        QFETCH(bool, datePos);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.sendForESignature(formType, datePos, QStringLiteral("ann@example.com"), QStringLiteral("046454286"),
                            QStringLiteral("Ann"), m_pdf);
        QCOMPARE(m_server->requestCount(), 1);
        const FakeRequest r = m_server->requests().first();
        QCOMPARE(r.bodyValue(QStringLiteral("form")), form);
        bool hasDatePos = false;
        r.bodyValue(QStringLiteral("date_pos"), &hasDatePos);
        QCOMPARE(hasDatePos, datePos);
        auto *rc71 = dynamic_cast<CTaxData_RC71 *>(w.returnFile()->getForm(53, 0, false));
        QCOMPARE(rc71->text(CTaxData_RC71::F_Text), formType == 53 ? QStringLiteral("123") : QString());
        QVERIFY(t183(w)->text(TaxData_T183New::F_Text).isEmpty());
    }

    void eDeliveryForm_data()
    {
        QTest::addColumn<int>("formType");
        QTest::addColumn<QString>("form");
        QTest::newRow("T1135") << 101 << "T1135";
        QTest::newRow("T1134") << 177 << "T1134";
        QTest::newRow("T1") << 1 << "T1GEN";
    }
    void eDeliveryForm()
    {
        QFETCH(int, formType);
        QFETCH(QString, form);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.sendForEDelivery(formType, QStringLiteral("ann@example.com"), QStringLiteral("046454286"),
                           QStringLiteral("Ann"), m_pdf);
        QCOMPARE(m_server->requestCount(), 1);
        const FakeRequest r = m_server->requests().first();
        QCOMPARE(r.bodyValue(QStringLiteral("form")), form);
        QCOMPARE(r.bodyValue(QStringLiteral("func")), QStringLiteral("DOCDELI"));
        QCOMPARE(r.bodyValue(QStringLiteral("licdata")), QStringLiteral("0*****286"));
        QCOMPARE(m_messages.shown().first().title,
                 QStringLiteral("Send Document for E-Delivery through https://www.vantrel.ca"));
        QCOMPARE(texts().last(), QStringLiteral("The download link was sent."));
    }

    // Without credentials, refused at the confirmation, or with a service
    // whose certificate nobody trusts.
    void requestNotMade()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        m_settings.user.remove(QStringLiteral("VantrelPswd"));
        w.sendForESignature(96, false, QStringLiteral("a@b.ca"), QStringLiteral("046454286"), QStringLiteral("Ann"),
                            m_pdf);
        w.sendForEDelivery(1, QStringLiteral("a@b.ca"), QStringLiteral("046454286"), QStringLiteral("Ann"), m_pdf);
        QCOMPARE(texts(), QStringList({kNoCredentials, kNoCredentials}));
        QCOMPARE(m_server->requestCount(), 0);

        m_settings.user[QStringLiteral("VantrelPswd")] = QStringLiteral("s3cret");
        m_messages.clear();
        m_messages.scriptAnswer(MsgButton::No);
        w.sendForEDelivery(1, QStringLiteral("a@b.ca"), QStringLiteral("046454286"), QStringLiteral("Ann"), m_pdf);
        QCOMPARE(m_server->requestCount(), 0);
        QCOMPARE(m_messages.shown().size(), 1);
    }

    void untrustedCertificate()
    {
        QTemporaryDir certDir;
        const TestCertificates other = TestCertificates::generate(certDir.path());
        QVERIFY(other.isValid());
        FakeHttpsServer server;
        server.setCertificates(other);
        VantrelFake fake(server);
        QVERIFY(server.start());
        m_settings.config[QStringLiteral("VantrelServer")] = server.baseUrl();
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.sendForESignature(96, false, QStringLiteral("a@b.ca"), QStringLiteral("046454286"), QStringLiteral("Ann"),
                            m_pdf);
        QCOMPARE(texts().last(), QString::fromLatin1(kOperationFailed));
        QVERIFY(t183(w)->text(TaxData_T183New::F_Text).isEmpty());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Replies that are not what the service should send: the raw reply is
    // shown as plain text, cut to 500 characters, and nothing is stored.
    void badSignatureReply_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no sr_id") << QByteArray("{\"message\":\"sent\"}") << 200
                                  << "Invalid result returned.\n{\"message\":\"sent\"}";
        QTest::newRow("not JSON") << QByteArray("OK") << 200 << "Invalid result returned.\nOK";
        const QByteArray markup = "<h1>Gateway</h1><img src=x>" + QByteArray(600, 'x');
        QTest::newRow("markup") << markup << 200
                                << "Invalid result returned.\n" + QString::fromLatin1(markup.left(500));
        QTest::newRow("500") << QByteArray("{\"message\":\"down\"}") << 500 << kOperationFailed;
    }
    void badSignatureReply()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, shown);
        m_fake->setSignatureReply(FakeResponse::text(body, status));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.sendForESignature(96, false, QStringLiteral("a@b.ca"), QStringLiteral("046454286"), QStringLiteral("Ann"),
                            m_pdf);
        QCOMPARE(texts().last(), shown);
        QVERIFY(!Qt::mightBeRichText(texts().last()));
        QVERIFY(t183(w)->text(TaxData_T183New::F_Text).isEmpty());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void statusQuery_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("stored");
        QTest::newRow("Completed with a time")
            << "Completed" << "2025-03-14T15:09:26Z" << "Status: Completed Signed time: 2025-03-14T15:09:26Z" << true;
        QTest::newRow("completed, milliseconds")
            << "completed" << "2025-03-14T15:09:26.500Z" << "Status: completed Signed time: 2025-03-14T15:09:26.500Z"
            << true;
        QTest::newRow("pending") << "pending" << QString() << "Status: pending Signature time is not available."
                                 << false;
        QTest::newRow("completed, no time")
            << "completed" << QString() << "Status: completed No signed time is returned." << false;
        QTest::newRow("unreadable time")
            << "completed" << "yesterday"
            << "Status: completed Signed time: yesterday\nThe signed time could not be read; nothing was stored."
            << false;
        QTest::newRow("time not in UTC")
            << "completed" << "2025-03-14T15:09:26"
            << "Status: completed Signed time: 2025-03-14T15:09:26\nThe signed time could not be read; nothing was "
               "stored."
            << false;
    }
    void statusQuery()
    {
        QFETCH(QString, status);
        QFETCH(QString, at);
        QFETCH(QString, shown);
        QFETCH(bool, stored);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        m_fake->setStatus(123, status, at);
        w.returnFile()->setText(10002, QStringLiteral("123"));
        w.querySignatureStatus(96);
        QCOMPARE(texts().last(), shown);
        const TaxData_T183New *t = t183(w);
        QCOMPARE(t->flag(TaxData_T183New::F_ESigned), stored);
        if (stored) {
            const QDateTime local = QDateTime::fromString(at, Qt::ISODateWithMs).toLocalTime();
            QCOMPARE(t->date(TaxData_T183New::F_SignDate), local.date());
            QCOMPARE(t->text(TaxData_T183New::F_SignTime), local.time().toString(QStringLiteral("HH:mm:ss")));
            if (qgetenv("TZ") == "America/Toronto" && at.startsWith(QLatin1String("2025-03-14T15:09:26")))
                QCOMPARE(t->text(TaxData_T183New::F_SignTime), QStringLiteral("11:09:26"));   // EDT
            // the return file keeps them
            QByteArray bytes;
            {
                MyDataStream out(&bytes, true);
                QCOMPARE(w.returnFile()->serialize(1, out), 0);
            }
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            MyDataStream in(&buffer, false);
            CReturnFile read;
            QCOMPARE(read.serialize(1, in), 0);
            auto *back = dynamic_cast<TaxData_T183New *>(read.getForm(96, 0, false));
            QVERIFY(back);
            QCOMPARE(back->date(TaxData_T183New::F_SignDate), local.date());
            QCOMPARE(back->text(TaxData_T183New::F_SignTime), t->text(TaxData_T183New::F_SignTime));
            QVERIFY(back->flag(TaxData_T183New::F_ESigned));
        } else {
            QVERIFY(!t->date(TaxData_T183New::F_SignDate).isValid());
        }
        const QList<FakeRequest> requests = m_server->requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(1).path, QByteArray("/api/signature-requests/123"));
        QCOMPARE(requests.at(1).header("authorization"), QByteArray("Bearer ") + VantrelFake::Token);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // An id that is missing or not decimal digits is never sent.
    void statusQueryWithoutId_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("none") << QString();
        QTest::newRow("blanks") << "   ";
        QTest::newRow("path") << "../../user/delete";
        QTest::newRow("query") << "123?x=1";
        QTest::newRow("negative") << "-5";
    }
    void statusQueryWithoutId()
    {
        QFETCH(QString, id);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.returnFile()->setText(10005, id);
        w.querySignatureStatus(53);
        QCOMPARE(texts(), QStringList(QStringLiteral("E-Signature request has not been initiated!")));
        QCOMPARE(m_server->requestCount(), 0);
    }

    void statusQueryFailures_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        QTest::newRow("log-in refused") << "wrong" << QByteArray()
                                        << "Cannot login into vantrel, please check vantrel email/password setting in "
                                           "preference";
        // a reply that is no status at all, against a status without its request id
        QTest::newRow("markup") << "s3cret" << QByteArray("<b>maintenance</b>") << "Network query failed critically.";
        QTest::newRow("cut short") << "s3cret" << QByteArray("{\"sr_id\":123,\"status\":\"compl")
                                   << "Network query failed critically.";
        QTest::newRow("JSON array") << "s3cret" << QByteArray("[{\"sr_id\":123}]") << "Network query failed critically.";
        QTest::newRow("status not text") << "s3cret" << QByteArray("{\"sr_id\":123,\"status\":{\"a\":1}}")
                                         << "Network query failed critically.";
        QTest::newRow("no request id") << "s3cret" << QByteArray("{\"status\":\"completed\"}")
                                       << "Invalid result returned.\n{\"status\":\"completed\"}";
    }
    void statusQueryFailures()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        m_settings.user[QStringLiteral("VantrelPswd")] = password;
        if (!reply.isEmpty())
            m_fake->setStatusReply(FakeResponse::text(reply));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        w.returnFile()->setText(10002, QStringLiteral("123"));
        w.querySignatureStatus(96);
        QCOMPARE(texts().last(), shown);
        QVERIFY(!Qt::mightBeRichText(texts().last()));
        QVERIFY(!t183(w)->flag(TaxData_T183New::F_ESigned));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void sendFormMissing()
    {
        auto *r = newReturn();
        r->removeForm(r->getForm(117, 0, false), false);
        Form_Return w(nullptr, r, nullptr, nullptr, 1, -1, 12);
        w.sendFormForESignature(117);
        QCOMPARE(texts().first(), QStringLiteral("Form[T1013] is not in the tax return."));
        QCOMPARE(m_server->requestCount(), 0);
    }

    // The template: downloaded when newer, missing or not whole on disk; only a
    // whole PDF and XML are kept, else the files on disk stay as they were.
    void clientLetterTemplate_data()
    {
        QTest::addColumn<int>("storedVersion");
        QTest::addColumn<QByteArray>("localPdf");
        QTest::addColumn<int>("pdfHow");
        QTest::addColumn<int>("xmlHow");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("why");   // what the print says of a failure
        const int whole = int(VantrelFake::Download::Whole), fail = int(VantrelFake::Download::Fail),
                  cut = int(VantrelFake::Download::Truncated), notWhole = int(VantrelFake::Download::NotWhole);
        const QByteArray oldPdf = VantrelFake::letterPdf("Old letter"), none;
        const QByteArray damagedPdf = oldPdf.left(oldPdf.size() - 30) + "\n%%EOF\n";
        const QString pdfFailed = QStringLiteral("t1_clientletter_own.pdf could not be downloaded (");
        const QString pdfDamaged = QStringLiteral("t1_clientletter_own.pdf came incomplete or damaged");
        QTest::newRow("newer") << 2 << oldPdf << whole << whole << 100 << QString();
        QTest::newRow("current") << 3 << oldPdf << whole << whole << 0 << QString();
        QTest::newRow("current, PDF deleted") << 3 << none << whole << whole << 100 << QString();
        QTest::newRow("current, PDF on disk not whole") << 3 << damagedPdf << whole << whole << 100 << QString();
        QTest::newRow("XML fails") << 2 << oldPdf << whole << fail << 106
                                   << "t1_clientletter_own.xml could not be downloaded (";
        QTest::newRow("XML truncated") << 2 << oldPdf << whole << cut << 106
                                       << "t1_clientletter_own.xml could not be downloaded (";
        QTest::newRow("PDF truncated") << 2 << oldPdf << cut << whole << 106 << pdfFailed;
        QTest::newRow("PDF fails") << 2 << oldPdf << fail << whole << 106 << pdfFailed;
        QTest::newRow("PDF not whole") << 2 << oldPdf << notWhole << whole << 106 << pdfDamaged;
        QTest::newRow("PDF not whole, none on disk") << 2 << none << notWhole << whole << 106 << pdfDamaged;
    }
    void clientLetterTemplate()
    {
        QFETCH(int, storedVersion);
        QFETCH(QByteArray, localPdf);
        QFETCH(int, pdfHow);
        QFETCH(int, xmlHow);
        QFETCH(int, result);
        QFETCH(QString, why);
        QTemporaryDir pdfDir, xmlDir;
        const QString pdf = pdfDir.filePath(QStringLiteral("t1_clientletter_own.pdf"));
        const QString xml = xmlDir.filePath(QStringLiteral("t1_clientletter_own.xml"));
        const QByteArray oldXml = "<clientletter version=\"2\"/>";
        if (!localPdf.isEmpty())
            QVERIFY(writeFile(pdf, localPdf));
        QVERIFY(writeFile(xml, oldXml));
        m_settings.user[QStringLiteral("CustomizedClientLetter_Ver")] = QString::number(storedVersion);
        m_fake->setPdfDownload(VantrelFake::Download(pdfHow));
        m_fake->setXmlDownload(VantrelFake::Download(xmlHow));

        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.fetchCustomizedClientLetter(pdfDir.path(), xmlDir.path()), result);
        QVERIFY2(why.isEmpty() ? w.clientLetterFailure().isEmpty() : w.clientLetterFailure().startsWith(why),
                 qPrintable(w.clientLetterFailure()));
        const QString version = m_settings.user.value(QStringLiteral("CustomizedClientLetter_Ver"));
        if (result == 100) {
            QCOMPARE(version, QStringLiteral("3"));
            QCOMPARE(contents(pdf), VantrelFake::letterPdf("Client letter of the preparer"));
            QVERIFY(contents(xml).contains("<page n=\"1\"/>"));
        } else {
            QCOMPARE(version, QString::number(storedVersion));
            QCOMPARE(contents(pdf), localPdf);
            QCOMPARE(contents(xml), oldXml);
        }
        if (result == 0)
            QCOMPARE(m_server->requestCount(), 2);   // log-in and the query only
        QCOMPARE(QDir(pdfDir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 result == 100 || !localPdf.isEmpty() ? 1 : 0);
        QCOMPARE(QDir(xmlDir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // The configured folders that do not exist yet are made, owner-only, before
    // the template is written into them; one that cannot be made is named.
    void clientLetterFoldersAreMade()
    {
        QTemporaryDir base;
        const QString pdfDir = base.filePath(QStringLiteral("install/pdf"));
        const QString xmlDir = base.filePath(QStringLiteral("install/xml"));
        m_settings.user[QStringLiteral("CustomizedClientLetter_Ver")] = QStringLiteral("0");
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.fetchCustomizedClientLetter(pdfDir, xmlDir), 100);
        QCOMPARE(contents(pdfDir + QStringLiteral("/t1_clientletter_own.pdf")),
                 VantrelFake::letterPdf("Client letter of the preparer"));
        QVERIFY(contents(xmlDir + QStringLiteral("/t1_clientletter_own.xml")).contains("<page n=\"1\"/>"));
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        for (const QString &folder : {base.filePath(QStringLiteral("install")), pdfDir, xmlDir})
            QCOMPARE(QFile::permissions(folder) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), ownerOnly);

        QVERIFY(writeFile(base.filePath(QStringLiteral("blocker")), "a file, not a folder"));
        const QString blocked = base.filePath(QStringLiteral("blocker/pdf"));
        m_settings.user[QStringLiteral("CustomizedClientLetter_Ver")] = QStringLiteral("0");
        QCOMPARE(w.fetchCustomizedClientLetter(blocked, xmlDir), 106);
        QCOMPARE(w.clientLetterFailure(),
                 QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(blocked)));
        QCOMPARE(m_settings.user.value(QStringLiteral("CustomizedClientLetter_Ver")), QStringLiteral("0"));
    }

    void templateLoginRefused()
    {
        m_settings.user[QStringLiteral("VantrelPswd")] = QStringLiteral("wrong");
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.fetchCustomizedClientLetter(m_dir.path(), m_dir.path()), 99);
        m_settings.user.remove(QStringLiteral("VantrelEmail"));
        QCOMPARE(w.fetchCustomizedClientLetter(m_dir.path(), m_dir.path()), 112);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestESignature tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_esignature.moc"
