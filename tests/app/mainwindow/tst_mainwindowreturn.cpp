// The main window with the real return window and return-file commands.
#include "bqtest.h"
#include "filingdocservices.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "individualtaxdata.h"
#include "form_return.h"
#include "mainwindow.h"
#include "messages.h"
#include "tabwndapp.h"
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include "returnfileentriesmodel.h"
#include <QStackedWidget>
#include "mydatastream.h"
#include <memory>
#include <sys/stat.h>

namespace {
const QString kSaveQuestion = QStringLiteral("Do you want to save changed data to return file before closing?\n\n"
                                             "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing");
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg)
        g_warnings << msg;
    g_previous(type, context, msg);
}

CReturnFile *newReturn(const char *first, const char *last, const char *sin = "")
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString(first);
    data.fld_LastName = CString(last);
    data.fld_sin = CString(sin);
    data.fld_TaxPronv = 9;
    data.fld_MaritalStatus = 4;
    auto *file = new CReturnFile;
    file->applyNewReturnData(data);
    file->recalculate(0, nullptr);
    return file;
}
QString savedReturn(const QString &name, const char *first, const char *sin = "")
{
    const QString path = QDir(bqtest::isolatedHome().path()).filePath(name);
    std::unique_ptr<CReturnFile> file(newReturn(first, "Tester", sin));
    return file->save(path, 1) == 0 ? path : QString();
}

// Self's block holds its entry counter and then its province (Ontario here), both
// 32-bit little-endian; an unusual counter finds them in the saved bytes.
constexpr qint32 kMarkCounter = 0x51A7C0DE;
QByteArray savedReturnWithCounter(const QString &name)
{
    const QString path = QDir(bqtest::isolatedHome().path()).filePath(name);
    std::unique_ptr<CReturnFile> file(newReturn("Kim", "Tester"));
    file->self()->setEntryIdCounter(kMarkCounter);
    if (file->save(path, 1) != 0)
        return QByteArray();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QByteArray withProvince(QByteArray bytes, qint32 province)
{
    QByteArray counterThenOntario;
    MyDataStream ar(&counterThenOntario, true);
    ar << kMarkCounter << qint32(9);
    const int at = bytes.indexOf(counterThenOntario);
    if (at < 0)
        return QByteArray();
    QByteArray replaced;
    MyDataStream out(&replaced, true);
    out << province;
    bytes.replace(at + 4, 4, replaced);
    return bytes;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

bool listed(const QString &path)
{
    ReturnFileEntriesModel *list = TabWndApp::instance()->reloadReturnList(QString());
    for (int r = 0; r < list->rowCount(); ++r)
        if (list->pathAt(r) == path)
            return true;
    return false;
}
} // namespace

class TestMainWindowReturn : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    TabWndApp *app() const { return TabWndApp::instance(); }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        setMessageHandler(&m_messages);
        QCOMPARE(app()->initialize(), 0);
    }

    void openCloseAndQuit()
    {
        g_previous = qInstallMessageHandler(collectWarnings);
        MainWindow *window = createMainWindow();
        qInstallMessageHandler(g_previous);
        QVERIFY2(g_warnings.filter(QStringLiteral("connectSlotsByName")).isEmpty(), qPrintable(g_warnings.join('\n')));
        app()->setMainWindow(window);

        window->openReturnPage(-1, nullptr, newReturn("Ann", "Smith"));
        Form_Return *page = window->currentReturn();
        QVERIFY(page);
        QCOMPARE(window->windowTitle(), appTitle + QStringLiteral(" - Untitled (unsaved)[*]"));
        QCOMPARE(window->resultLabel()->text(), page->returnFile()->resultSummaryLine(0));
        QVERIFY(!window->resultLabel()->text().isEmpty());
        QVERIFY(window->findChild<QAction *>(QStringLiteral("actionSave_Return"))->isEnabled());
        QCOMPARE(page->showAction()->parent(), window);
        const QMenu *windows = window->findChild<QMenu *>(QStringLiteral("menuWindows"));
        QVERIFY(windows->actions().contains(page->showAction()));
        window->actionShowWelcome();
        QCOMPARE(window->currentReturn(), nullptr);
        page->showAction()->trigger(); // made by the return window's library
        QCOMPARE(window->currentReturn(), page);

        // Quit asks about the return that was never saved; Cancel keeps the window, No discards.
        window->show();
        m_messages.scriptAnswer(MsgButton::Cancel);
        window->findChild<QAction *>(QStringLiteral("actionQuit"))->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(window->openReturnCount(), 1);
        QCOMPARE(m_messages.texts(), QStringList{kSaveQuestion});
        m_messages.scriptAnswer(MsgButton::No);
        window->findChild<QAction *>(QStringLiteral("actionQuit"))->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(window->openReturnCount(), 0);
        QVERIFY(!windows->actions().contains(page->showAction()));
        QVERIFY(window->resultLabel()->text().isEmpty());
        app()->setMainWindow<QWidget>(nullptr);
        delete window;
    }

    // A new return is saved, closed, found on the start page's list and opened
    // again from it, with its summary line shown.
    void saveCloseAndReopenFromStartPage()
    {
        m_messages.clear();
        MainWindow *window = createMainWindow();
        app()->setMainWindow(window);
        window->openReturnPage(-1, nullptr, newReturn("Bea", "Tremblay"));
        Form_Return *page = window->currentReturn();
        QVERIFY(page);
        const QString path = QDir(bqtest::isolatedHome().path()).filePath(QStringLiteral("bea.r24"));
        const QFileInfo info(path);
        page->setFileInfo(&info);
        QString saved;
        QCOMPARE(page->saveReturn(saved, false), 0);
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!page->isModified());
        const QString summary = window->resultLabel()->text();
        QVERIFY(!summary.isEmpty());
        window->actionCloseReturn();
        QCOMPARE(window->openReturnCount(), 0);
        QVERIFY(window->resultLabel()->text().isEmpty());

        ReturnFileEntriesModel *list = app()->reloadReturnList(QString());
        int row = -1;
        for (int r = 0; r < list->rowCount(); ++r)
            if (QFileInfo(list->pathAt(r)) == info)
                row = r;
        QVERIFY2(row >= 0, "the saved return is on the start page's list");
        window->openReturnFile(list->pathAt(row));
        QCOMPARE(window->openReturnCount(), 1);
        QVERIFY(window->currentReturn());
        QVERIFY(!window->currentReturn()->isModified());
        QCOMPARE(window->resultLabel()->text(), summary);
        m_messages.scriptAnswer(MsgButton::Yes);
        window->actionCloseReturn();
        app()->setMainWindow<QWidget>(nullptr);
        delete window;
    }

    // A file that is not opened: one message, headed by what failed, naming the file and the reason.
    void openFailureIsOneMessage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("reason");
        const QString failed = QStringLiteral("Open return file failed!");
        QTest::newRow("truncated") << "truncated" << failed << "the file is damaged";
        QTest::newRow("a text file renamed .r24") << "text" << failed << "it is not a return file";
        QTest::newRow("a later version") << "later" << failed << "it was prepared by a later version of Brackenquill";
        QTest::newRow("password refused") << "password" << failed << "the password was refused";
        QTest::newRow("a FIFO") << "fifo" << failed << "it is not a regular file";
        QTest::newRow("missing, not listed") << "missing" << failed
                                             << "the file is missing (it was moved, renamed or deleted)";
        // reading result 119
        QTest::newRow("province out of range") << "province" << "The return file is not meant for this version of software!"
                                               << "it is not meant for this version of the program";
    }
    void openFailureIsOneMessage()
    {
        QFETCH(QString, kind);
        QFETCH(QString, headline);
        QFETCH(QString, reason);
        m_messages.clear();
        MainWindow window(app());
        const QString good = savedReturn(QStringLiteral("good-%1.r24").arg(kind), "Gil");
        QVERIFY(!good.isEmpty());
        QByteArray bytes;
        {
            QFile f(good);
            QVERIFY(f.open(QIODevice::ReadOnly));
            bytes = f.readAll();
        }
        const QString path = QDir(bqtest::isolatedHome().path()).filePath(QStringLiteral("bad-%1.r24").arg(kind));
        if (kind == QLatin1String("truncated")) {
            writeBytes(path, bytes.left(bytes.size() / 3));
        } else if (kind == QLatin1String("text")) {
            writeBytes(path, "Dear client,\nyour return is attached.\n");
        } else if (kind == QLatin1String("later")) {
            QByteArray later;
            MyDataStream ar(&later, true);
            ar << qint32(70000);
            writeBytes(path, later + bytes.mid(4));
        } else if (kind == QLatin1String("password")) {
            std::unique_ptr<CReturnFile> locked(newReturn("Hal", "Tester"));
            locked->self()->setPassword(QStringLiteral("Pw-1"));
            QCOMPARE(locked->save(path, 1), 0);
            m_messages.scriptInput(QStringLiteral("wrong"));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("province")) {
            writeBytes(path, withProvince(savedReturnWithCounter(QStringLiteral("counter.r24")), 14));
        }
        window.openReturnFile(path);
        QCOMPARE(window.openReturnCount(), 0);
        QStringList shown;
        for (const ScriptedMessages::Shown &m : m_messages.shown())
            if (m.kind == QLatin1String("information") || m.kind == QLatin1String("question"))
                shown << m.text;
        QCOMPARE(shown, QStringList(headline + QStringLiteral("\nThe return file %1 was not opened: %2.")
                                                   .arg(QDir::toNativeSeparators(path), reason)));
        QFile::remove(path);
    }

    // A recent file that is gone: the message says so and offers to take it off the list.
    void missingRecentFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("removed from the list") << int(MsgButton::Yes);
        QTest::newRow("kept on the list") << int(MsgButton::No);
    }
    void missingRecentFile()
    {
        QFETCH(int, answer);
        m_messages.clear();
        MainWindow window(app());
        const QString path = savedReturn(QStringLiteral("moved-%1.r24").arg(answer), "Ivy");
        QVERIFY(app()->saveReturnFileEntry(QStringLiteral("Ivy Tester"), QString(), path) > 0);
        QVERIFY(QFile::remove(path));
        m_messages.scriptAnswer(answer);
        window.openReturnFile(path);
        QCOMPARE(window.openReturnCount(), 0);
        QCOMPARE(m_messages.texts(),
                 QStringList(QStringLiteral("The return file %1 is missing: it was moved, renamed or deleted.\n\n"
                                            "Remove it from the list of return files?")
                                 .arg(QDir::toNativeSeparators(path))));
        QCOMPARE(listed(path), answer != MsgButton::Yes);
    }

    // Opened (or saved) through the main window, a return is found on the start page by a S.I.N.
    void startPageFindsReturnBySin()
    {
        m_messages.clear();
        MainWindow window(app());
        const QString path = savedReturn(QStringLiteral("sin.r24"), "Jo", "046454286");
        window.openReturnFile(path);
        QCOMPARE(window.openReturnCount(), 1);
        for (const QString &filter : {QStringLiteral("046454286"), QStringLiteral("046 454"), QStringLiteral("Jo")}) {
            ReturnFileEntriesModel *list = app()->reloadReturnList(filter);
            QCOMPARE(list->rowCount(), 1);
            QCOMPARE(QFileInfo(list->pathAt(0)), QFileInfo(path));
        }
        QCOMPARE(app()->reloadReturnList(QStringLiteral("193456787"))->rowCount(), 0);
        m_messages.scriptAnswer(MsgButton::Yes);
        window.actionCloseReturn();
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestMainWindowReturn tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_mainwindowreturn.moc"
