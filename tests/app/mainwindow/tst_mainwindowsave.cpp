// The main window's save commands and title, and the not-filed report, over the real return window.
#include "bqtest.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "form_return.h"
#include "mainwindow.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "tabwndapp.h"
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>

class TestMainWindowSave : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    QTemporaryDir m_dir;

    static CReturnFile *newReturn(const QString &last = QStringLiteral("Smith"))
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Ann");
        data.fld_LastName = CString(last);
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = 5;
        data.fld_dob = QDate(1980, 1, 1);
        auto *r = new CReturnFile(0);
        r->applyNewReturnData(data);
        return r;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static void setFile(Form_Return &w, const QString &p)
    {
        const QFileInfo info(p);
        w.setFileInfo(&info);
    }
    // A change the saved copy does not hold.
    static void edit(Form_Return &w) { w.returnFile()->addSlip(1, 0, 0); }
    // Accepts the next file dialog with the given name.
    // Accepts the next file dialog with the given name; waits for it to come up
    // (a loaded machine may take longer than one timer tick).
    static void answerFileDialog(const QString &name, int triesLeft = 400)
    {
        QTimer::singleShot(25, [name, triesLeft] {
            auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dlg) {
                if (triesLeft > 0)
                    answerFileDialog(name, triesLeft - 1);
                return;
            }
            if (auto *edit = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(name);
            else
                dlg->selectFile(name);
            QMetaObject::invokeMethod(dlg, "accept");
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        TabWndApp::instance()->config().RetPath = m_dir.path();
    }
    void init()
    {
        m_messages.clear();
        TabWndApp::instance()->config().SaveBackup = 0;
    }

    // ---- the main window's save commands

    void mainWindowSave()
    {
        MainWindow main(TabWndApp::instance());
        main.openReturnPage(-1, nullptr, newReturn(QStringLiteral("Jones")));
        Form_Return *page = main.currentReturn();
        QVERIFY(page);
        // Save on a return without a file asks for a name; the dialog adds ".r24".
        answerFileDialog(path(QStringLiteral("jones")));
        QCOMPARE(main.saveReturn(page, false), 0);
        QCOMPARE(QFileInfo(page->fullPath()).fileName(), QStringLiteral("jones.r24"));
        QVERIFY(QFile::exists(path(QStringLiteral("jones.r24"))));
        QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("File saved"));
        QVERIFY(main.windowTitle().endsWith(page->returnTitle() + QStringLiteral("[*]")));

        // Save As always asks, and the title follows the new path.
        answerFileDialog(path(QStringLiteral("jones2.r24")));
        QCOMPARE(main.saveReturn(page, true), 0);
        QVERIFY(main.windowTitle().endsWith(QDir::toNativeSeparators(path(QStringLiteral("jones2.r24"))) + "[*]"));

        // A failed save says so, names the file and keeps the return modified.
        const QString bad = path(QStringLiteral("nowhere/jones.r24"));
        const QFileInfo info(bad);
        page->setFileInfo(&info);
        edit(*page);
        m_messages.clear();
        QVERIFY(main.saveReturn(page, false) != 0);
        QVERIFY(main.statusBar()->currentMessage() != QStringLiteral("File saved"));
        QVERIFY(m_messages.texts().join("|").contains(QDir::toNativeSeparators(bad)));
        QVERIFY(page->isModified());
    }

    // ---- the title's modified mark and the save key

    void modifiedMarkAndSaveKey()
    {
        MainWindow main(TabWndApp::instance());
        main.openReturnPage(-1, nullptr, newReturn(QStringLiteral("Mark")));
        Form_Return *page = main.currentReturn();
        setFile(*page, path(QStringLiteral("mark.r24")));
        QCOMPARE(main.saveReturn(page, false), 0);
        QVERIFY(main.windowTitle().contains(QStringLiteral("[*]")));
        QVERIFY(!main.isWindowModified());

        edit(*page);
        page->onSignalCalc(nullptr, -1);
        QVERIFY(main.isWindowModified());

        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keySequence(&main, QKeySequence::Save);
        QCoreApplication::processEvents();
        QVERIFY(!page->isModified());
        QVERIFY(!main.isWindowModified());
        QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("File saved"));
    }

    // ---- the not-filed report

    void notFiledReport()
    {
        const QString good = path(QStringLiteral("good.r24"));
        const QString filed = path(QStringLiteral("filed.r24"));
        const QString damaged = path(QStringLiteral("damaged.r24"));
        const QString locked = path(QStringLiteral("locked.r24"));
        const QString missing = path(QStringLiteral("missing.r24"));
        {
            std::unique_ptr<CReturnFile> r(newReturn(QStringLiteral("Good")));
            QCOMPARE(r->save(good, 1), 0);
            r->markFilingStatus(1, 1, QStringLiteral("ABC123"));
            QCOMPARE(r->save(filed, 1), 0);
            std::unique_ptr<CReturnFile> p(newReturn(QStringLiteral("Locked")));
            p->self()->setPassword(QStringLiteral("secret"));
            QCOMPARE(p->save(locked, 1), 0);
            QFile f(damaged);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(64, '\x07'));
        }
        const QString report = path(QStringLiteral("report.txt"));
        int unreadable = -1;
        m_messages.clear();
        const int notFiled =
            MainWindow::writeNotFiledReport({good, filed, damaged, locked, missing}, report, unreadable);
        QCOMPARE(notFiled, 1);
        QCOMPARE(unreadable, 3);
        QVERIFY(m_messages.shown().isEmpty());   // never asks for the password, shows nothing
        QFile f(report);
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.contains(QStringLiteral("0000 %1\n===> ").arg(good)));
        QVERIFY(text.contains(QStringLiteral(": (not filed/unknown)")));
        QVERIFY(!text.contains(QStringLiteral("0001 ")));
        QVERIFY(text.contains(QStringLiteral("0002 %1\n===> file cannot be read: file damaged").arg(damaged)));
        QVERIFY(text.contains(QStringLiteral("0003 %1\n===> file cannot be read: protected by a password").arg(locked)));
        QVERIFY(text.contains(QStringLiteral("0004 %1\n===> file open failed\n\n").arg(missing)));
        QVERIFY(text.contains(QStringLiteral("Summary: Total files scaned: 5;  Not-filed files: 1\n\n")));
        QVERIFY(text.contains(QStringLiteral("Files that cannot be read: 3")));
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestMainWindowSave tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_mainwindowsave.moc"
