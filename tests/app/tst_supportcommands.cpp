// The main window's support upload, Auto-fill entry and information boxes, over
// the stand-in of the return window and the local stand-in of the upload service.
#include "bqtest.h"
#include "dlgmsgwithlink.h"
#include "dlgsendfileforhelp.h"
#include "dlgtddmain.h"
#include "fakeformreturn.h"
#include "fakeservices.h"
#include "form_return.h"
#include "mainwindow.h"
#include "messages.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "utils.h"
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>
#include <functional>

namespace {
// Runs act on the next modal dialog, once its exec has started; a watch that
// never fired goes with its owner.
void onNextModal(QObject *owner, const std::function<void(QWidget *)> &act)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void fillAndAccept(QWidget *modal, const QString &email, const QString &message)
{
    auto *dlg = qobject_cast<DlgSendFileForHelp *>(modal);
    QVERIFY(dlg);
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Send Return File for Help"));
    dlg->findChild<QLineEdit *>(QStringLiteral("edtEmail"))->setText(email);
    dlg->findChild<QTextEdit *>(QStringLiteral("edtMsg"))->setPlainText(message);
    dlg->accept();
}
} // namespace

class TestSupportCommands : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    MainWindow *m_window = nullptr;
    bqfakes::FakeHttpsServer m_server;
    QTemporaryDir m_dir;
    QString m_returnPath;
    QObject m_watches;

    TabWndApp *app() const { return TabWndApp::instance(); }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }

    Form_Return *openReturn(bool hasFile)
    {
        QFileInfo info(m_returnPath);
        m_window->openReturnPage(-1, hasFile ? &info : nullptr, nullptr);
        return m_window->currentReturn();
    }

private slots:
    void initTestCase()
    {
        setMessageHandler(&m_messages);
        QCOMPARE(app()->initialize(), 0);
        bqfakes::serveSupportUpload(m_server);
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        // every failure here is told by the server or the file at once: no
        // short time-out for an upload that answers to race against
        QWebClient::setDefaultCaFile(m_server.caFile());
        m_returnPath = m_dir.filePath(QStringLiteral("client ann.r24"));
        QFile file(m_returnPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("return file bytes \x01\x02");
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 7), QTime(9, 5, 41)); });
    }

    void cleanupTestCase()
    {
        setCurTimeSource(nullptr);
        setMessageHandler(nullptr);
    }

    void init()
    {
        m_window = new MainWindow(app());
        app()->setMainWindow(m_window);
        app()->config().PrintServer = QStringLiteral("127.0.0.1:%1").arg(m_server.port());
        m_messages.clear();
        m_server.clearRequests();
        fakeCalls().clear();
    }

    void cleanup()
    {
        qDeleteAll(m_watches.findChildren<QTimer *>());
        app()->setMainWindow<QWidget>(nullptr);
        delete m_window;
        m_window = nullptr;
    }

    void sendReturnFile_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("sent");
        QTest::newRow("accepted") << QString() << true;
        QTest::newRow("connection refused")
            << QStringLiteral("127.0.0.1:%1").arg(bqfakes::FakeHttpsServer::closedPort()) << false;
    }

    void sendReturnFile()
    {
        QFETCH(QString, server);
        QFETCH(bool, sent);
        if (!server.isEmpty())
            app()->config().PrintServer = server;
        openReturn(true);
        onNextModal(&m_watches, [](QWidget *modal) {
            fillAndAccept(modal, QStringLiteral("Ann@Example.com"), QStringLiteral("Line 1\nzoë"));
        });
        action("actionSend_Return_File_to_Corvadine")->trigger();
        QVERIFY(fakeCalls().contains(QStringLiteral("commitCurrentPage()")));

        QCOMPARE(m_messages.texts(),
                 QStringList{sent ? QStringLiteral("file is sent successfully, we will contact you at Ann@Example.com")
                                  : QStringLiteral("file is NOT sent, please contact us for solution.")});
        if (!sent)
            return;
        QCOMPARE(m_server.requestCount(), 1);
        const bqfakes::FakeRequest request = m_server.requests().at(0);
        QCOMPARE(request.path, QByteArray(bqfakes::SupportUploadPath));
        const QList<bqfakes::MultipartPart> parts = request.parts();
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0).name, QByteArray("file"));
        QCOMPARE(parts.at(0).fileName, QString("03070905-client ann.r24").toUtf8());
        QCOMPARE(parts.at(0).data, QByteArray("return file bytes \x01\x02"));
        QCOMPARE(parts.at(1).name, QByteArray("email"));
        QCOMPARE(parts.at(1).data, QByteArray("Ann@Example.com"));
        QCOMPARE(parts.at(2).name, QByteArray("msg"));
        QCOMPARE(QString::fromUtf8(parts.at(2).data), QString(appTitle) + QStringLiteral("\nLine 1\nzoë"));
        QCOMPARE(parts.at(3).name, QByteArray("path"));
        QCOMPARE(QString::fromUtf8(parts.at(3).data), QFileInfo(m_returnPath).absoluteFilePath());
    }

    void sendLogFile_data() { sendReturnFile_data(); }

    // The program log goes with its own title, no return needed, marked as uploaded by the program.
    void sendLogFile()
    {
        QFETCH(QString, server);
        QFETCH(bool, sent);
        if (!server.isEmpty())
            app()->config().PrintServer = server;
        onNextModal(&m_watches, [](QWidget *modal) {
            auto *dlg = qobject_cast<DlgSendFileForHelp *>(modal);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Send Log File for Help"));
            dlg->findChild<QLineEdit *>(QStringLiteral("edtEmail"))->setText(QStringLiteral("ann@example.com"));
            dlg->findChild<QTextEdit *>(QStringLiteral("edtMsg"))->setPlainText(QStringLiteral("It stops"));
            dlg->accept();
        });
        action("actionSend_Log_File")->trigger();
        QCOMPARE(m_messages.texts(),
                 QStringList{sent ? QStringLiteral("file is sent successfully, we will contact you at ann@example.com")
                                  : QStringLiteral("file is NOT sent, please contact us for solution.")});
        if (!sent)
            return;
        QCOMPARE(m_server.requestCount(), 1);
        const QList<bqfakes::MultipartPart> parts = m_server.requests().at(0).parts();
        QCOMPARE(parts.size(), 5);
        QVERIFY(parts.at(0).fileName.endsWith(QFileInfo(app()->logPath()).fileName().toUtf8()));
        QCOMPARE(parts.at(2).name, QByteArray("msg"));
        QCOMPARE(parts.at(2).data, QByteArray("Brackenquill 2024\nIt stops"));
        QCOMPARE(parts.at(3).data, QFileInfo(app()->logPath()).absoluteFilePath().toUtf8());
        QCOMPARE(parts.at(4).name, QByteArray("uploaded"));
        QCOMPARE(parts.at(4).data, QByteArray("Brackenquill 2024"));
    }

    void sendReturnFileStopsEarly_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("never saved") << false << QStringList{QStringLiteral("Please save return to a file first.")};
        QTest::newRow("dialog cancelled") << true << QStringList();
    }

    void sendReturnFileStopsEarly()
    {
        QFETCH(bool, hasFile);
        QFETCH(QStringList, messages);
        openReturn(hasFile);
        bool dialogShown = false;
        onNextModal(&m_watches, [&dialogShown](QWidget *modal) {
            dialogShown = true;
            qobject_cast<QDialog *>(modal)->reject();
        });
        m_window->onSendReturnFile();
        QCOMPARE(m_messages.texts(), messages);
        QCOMPARE(dialogShown, hasFile);
        QCOMPARE(m_server.requestCount(), 0);
    }

    void sendWithoutReturnDoesNothing()
    {
        m_window->onSendReturnFile();
        QVERIFY(m_messages.shown().isEmpty());
        QVERIFY(fakeCalls().isEmpty());
    }

    void uploadFails_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("refused") << QStringLiteral("https://127.0.0.1:%1/php/fileupload2.php")
                                        .arg(bqfakes::FakeHttpsServer::closedPort());
        QTest::newRow("not the upload page") << m_server.url(QStringLiteral("/php/other.php"));
        QTest::newRow("file missing") << m_server.url(QString::fromLatin1(bqfakes::SupportUploadPath));
    }

    void uploadFails()
    {
        QFETCH(QString, url);
        const QString path = QString::fromLatin1(QTest::currentDataTag()) == QLatin1String("file missing")
            ? m_dir.filePath(QStringLiteral("gone.r24"))
            : m_returnPath;
        QVERIFY(!MainWindow::uploadFileForHelp(url, path, QStringLiteral("a@b.ca"), QStringLiteral("m")));
    }

    void emailCheck_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("small letters") << QStringLiteral("ann.lee@example.ca") << true;
        QTest::newRow("capitals") << QStringLiteral("ANN.LEE@EXAMPLE.CA") << true;
        QTest::newRow("no dot after at") << QStringLiteral("ann@example") << false;
        QTest::newRow("no at") << QStringLiteral("ann.example.ca") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("domain longer than 4 letters") << QStringLiteral("ann@example.museum") << false;
        QTest::newRow("surrounding blanks") << QStringLiteral(" ann@example.ca ") << false;
        QTest::newRow("blank inside") << QStringLiteral("ann lee@example.ca") << false;
        QTest::newRow("quote") << QStringLiteral("o'brien@example.ca") << false;
        QTest::newRow("plus and percent") << QStringLiteral("ann+tax%1@mail.example.info") << true;
    }

    void emailCheck()
    {
        QFETCH(QString, email);
        QFETCH(bool, accepted);
        DlgSendFileForHelp dlg;
        dlg.findChild<QLineEdit *>(QStringLiteral("edtEmail"))->setText(email);
        dlg.findChild<QTextEdit *>(QStringLiteral("edtMsg"))->setPlainText(QStringLiteral("help"));
        dlg.accept();
        QCOMPARE(dlg.result() == QDialog::Accepted, accepted);
        QCOMPARE(dlg.email(), email);
        QCOMPARE(dlg.message(), accepted ? QStringLiteral("help") : QString());
        QCOMPARE(m_messages.texts(),
                 accepted ? QStringList() : QStringList{QStringLiteral("please enter a valid email address.")});
    }

    void informationBoxes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("msg1");
        QTest::addColumn<QString>("msg2");
        QTest::addColumn<bool>("link");
        QTest::newRow("About") << "actionAbout_Corvadine" << "About Brackenquill 2024 for EFile"
                               << "^Build date: [A-Z][a-z]{2} \\d{1,2} \\d{4} \\d\\d:\\d\\d:\\d\\d - r20260525\\.\\n$"
                               << QString() << false;
        QTest::newRow("T5008 note") << "actionAdd_T5008_slip" << "T5008 Tax Slip Information"
                                    << "^T5008 tax slip is NOT used directly in tax return\\.$"
                                    << "Capital gain is calculated from Schedule 3, you need to enter T5008 data "
                                       "into schedule 3.\nRead the following FAQ link:"
                                    << true;
        QTest::newRow("Find Industry Code") << "actionFind_Industry_Code" << "Find Industry Code"
                                            << "^Industry code is a 6-digit code\\.$"
                                            << "Find a industry code from the following web link:" << true;
        QTest::newRow("Direct deposit form") << "actionDirect_deposit_form" << "Direct Deposit Form"
                                             << "^Canada direct deposit enrolment form$"
                                             << "Please print a direct deposit from the following web link:" << true;
        QTest::newRow("Update") << "actionUpdate_Brackenquill" << "Update Brackenquill 2024 for EFile" << "."
                                << "You can download Brackenquill 2024 for EFile from the following link" << true;
    }

    void informationBoxes()
    {
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(QString, msg1);
        QFETCH(QString, msg2);
        QFETCH(bool, link);
        QString shownTitle, shownMsg1, shownMsg2, shownLink;
        onNextModal(&m_watches, [&](QWidget *modal) {
            auto *dlg = qobject_cast<DlgMsgWithLink *>(modal);
            if (dlg) {
                shownTitle = dlg->windowTitle();
                shownMsg1 = dlg->msg1();
                shownMsg2 = dlg->msg2();
                shownLink = dlg->link();
            }
            qobject_cast<QDialog *>(modal)->accept();
        });
        this->action(action.toLatin1().constData())->trigger();
        QCOMPARE(shownTitle, title);
        QVERIFY2(QRegularExpression(msg1).match(shownMsg1).hasMatch(), qPrintable(shownMsg1));
        QCOMPARE(shownMsg2, msg2);
        QCOMPARE(shownLink.startsWith(QLatin1String("https://")), link);
        QVERIFY(fakeCalls().isEmpty());   // no slip is added, the return is not touched
    }

    void autoFill_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("withReturn");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::newRow("Auto-fill, start page") << "actionAuto_Fill_AFR" << false << 1 << "Auto Fill Tax Data";
        QTest::newRow("Auto-fill, return") << "actionAuto_Fill_AFR" << true << 1 << "Auto Fill Tax Data";
        QTest::newRow("NOA, start page") << "actionExpress_NOA" << false << 2 << "Express Notice of Assessment";
        QTest::newRow("NOA, return") << "actionExpress_NOA" << true << 2 << "Express Notice of Assessment";
    }

    void autoFill()
    {
        QFETCH(QString, action);
        QFETCH(bool, withReturn);
        QFETCH(int, mode);
        QFETCH(QString, title);
        Form_Return *page = nullptr;
        if (withReturn) {
            page = openReturn(true);
            page->setProperty("sin", QStringLiteral("046454286"));
        }
        int shownMode = 0;
        QString shownSin = QStringLiteral("unset"), shownTitle;
        Form_Return *shownWindow = nullptr;
        QWidget *shownParent = nullptr;
        onNextModal(&m_watches, [&](QWidget *modal) {
            if (auto *dlg = qobject_cast<DlgTDDMain *>(modal)) {
                shownMode = dlg->mode();
                shownSin = dlg->returnSin();
                shownWindow = dlg->returnWindow();
                shownTitle = dlg->windowTitle();
                shownParent = dlg->parentWidget();
            }
            qobject_cast<QDialog *>(modal)->reject();
        });
        this->action(action.toLatin1().constData())->trigger();
        QCOMPARE(shownMode, mode);
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownSin, withReturn ? QStringLiteral("046454286") : QString());
        QCOMPARE(shownWindow, page);
        QCOMPARE(shownParent, static_cast<QWidget *>(m_window));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestSupportCommands tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_supportcommands.moc"
