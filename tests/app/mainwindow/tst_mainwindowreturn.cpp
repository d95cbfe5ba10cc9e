// The main window with the real return window and return-file commands.
#include "bqtest.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "form_return.h"
#include "mainwindow.h"
#include "messages.h"
#include "tabwndapp.h"
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include "returnfileentriesmodel.h"
#include <QStackedWidget>

namespace {
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg)
        g_warnings << msg;
    g_previous(type, context, msg);
}

CReturnFile *newReturn(const char *first, const char *last)
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString(first);
    data.fld_LastName = CString(last);
    data.fld_TaxPronv = 9;
    data.fld_MaritalStatus = 4;
    auto *file = new CReturnFile;
    file->applyNewReturnData(data);
    file->recalculate(0, nullptr);
    return file;
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

        // Quit asks about the return that was never saved; No keeps the window.
        window->show();
        m_messages.scriptAnswer(MsgButton::No);
        window->findChild<QAction *>(QStringLiteral("actionQuit"))->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(window->openReturnCount(), 1);
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("You haven't save this return file, confirm 'Yes' to discard this return file?")});
        m_messages.scriptAnswer(MsgButton::Yes);
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
