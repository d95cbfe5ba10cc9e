// The prior-year import with its options dialog, coupling two returns with
// the coupling wizard, and the search for return files with its worker thread.
#include "bqtest.h"
#include "filingdocservices.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "dlgcouplereturn_tab1.h"
#include "dlgfindfiles.h"
#include "dlgimportoption_info.h"
#include "form_return.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "mainwindow.h"
#include "messages.h"
#include "stringlineedit.h"
#include "styledcheckbox.h"
#include "tabwndapp.h"
#include "threadfindfiles.h"
#include "wizardbase.h"
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
// Runs fn on the next modal window of type T once it is shown (the caller
// then blocks in exec).
template <class T>
void onModal(std::function<void(T *)> fn, int triesLeft = 250)
{
    QTimer::singleShot(20, [fn, triesLeft] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget()))
            fn(w);
        else if (triesLeft > 0)
            onModal<T>(fn, triesLeft - 1);
    });
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList rows(const QStandardItemModel &model)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row)
        list << model.item(row)->text();
    return list;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class TestReturnFileDialogs : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A single return saved at name: married (spouse named on the T1, no
    // spouse return), with one note and one T4 slip.
    QString saveSingle(const QString &name, const QString &first, const QString &spouseFirst = QStringLiteral("Bob"),
                       int maritalStatus = 0)
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString(first);
        data.fld_LastName = CString("Smith");
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = maritalStatus;
        data.fld_dob = QDate(1980, 1, 1);
        // no spouse's first name: no spouse at all
        data.fld_FirstNameSpouse = CString(spouseFirst);
        data.fld_LastNameSpouse = CString(spouseFirst.isEmpty() ? "" : "Smith");
        data.fld_dobSpouse = QDate(1981, 2, 2);
        CReturnFile r(0);
        r.applyNewReturnData(data);
        r.addNote(0);
        r.addSlip(1, 0, 0);
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).path());
        if (r.save(file, 1) != 0)
            return QString();
        return file;
    }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        TabWndApp::instance()->config().RetPath = m_dir.path();
    }
    void init()
    {
        m_messages.clear();
    }

    // ---- the import options dialog

    void importOptions_data()
    {
        QTest::addColumn<int>("initial");   // bit i is byte i
        QTest::addColumn<bool>("import");
        QTest::addColumn<int>("expected");
        QTest::newRow("defaults, all toggled") << 0x01 << true << 0x1e;
        QTest::newRow("all set, all toggled") << 0x1f << true << 0x00;
        QTest::newRow("mixed, all toggled") << 0x0a << true << 0x15;
        QTest::newRow("cancel keeps the flags") << 0x0a << false << 0x0a;
    }
    void importOptions()
    {
        QFETCH(int, initial);
        QFETCH(bool, import);
        auto bits = [](const ImportPriorYearOptions &o) {
            return int(o.keepNotes) | int(o.includeSelfBusinessData) << 1 | int(o.keepFormsUnchanged) << 2
                | int(o.copyAllData) << 3 | int(o.makeCoupled) << 4;
        };
        ImportPriorYearOptions options;
        options.keepNotes = initial & 1;
        options.includeSelfBusinessData = initial & 2;
        options.keepFormsUnchanged = initial & 4;
        options.copyAllData = initial & 8;
        options.makeCoupled = initial & 16;
        DlgImportOption_Info dlg(&options, nullptr);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("DlgImportOption_Info"));
        const QStringList boxes = {"fld_KeepNotes", "fld_bIncludeSFD", "fld_KeepForms", "", "fld_bMakeCoupled"};
        auto *copyNone = dlg.findChild<QRadioButton *>("fld_iCopyData_0");
        auto *copyAll = dlg.findChild<QRadioButton *>("fld_iCopyData_1");
        QVERIFY(copyNone && copyAll);
        QCOMPARE(copyAll->isChecked(), bool(initial & 8));
        QCOMPARE(copyNone->isChecked(), !(initial & 8));
        for (int i = 0; i < boxes.size(); ++i) {
            if (boxes[i].isEmpty())
                continue;
            auto *box = dlg.findChild<StyledCheckBox *>(boxes[i]);
            QVERIFY2(box, qPrintable(boxes[i]));
            QCOMPARE(box->isChecked(), bool(initial & (1 << i)));
            box->click();
        }
        (copyAll->isChecked() ? copyNone : copyAll)->click();
        dlg.findChild<QPushButton *>(import ? "btnImport" : "btnCancel")->click();
        QCOMPARE(dlg.result(), import ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QTEST(bits(options), "expected");
    }

    // ---- the prior-year import

    void importPriorYear_data()
    {
        QTest::addColumn<QStringList>("clicks");   // widgets of the options dialog to click
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("slips");
        QTest::addColumn<bool>("coupled");
        QTest::newRow("defaults") << QStringList() << 1 << 0 << false;
        QTest::newRow("without notes") << QStringList{"fld_KeepNotes"} << 0 << 0 << false;
        QTest::newRow("keep forms and slips") << QStringList{"fld_KeepForms"} << 1 << 1 << false;
        QTest::newRow("make coupled") << QStringList{"fld_bMakeCoupled"} << 1 << 0 << true;
    }
    void importPriorYear()
    {
        QFETCH(QStringList, clicks);
        const QString prior = saveSingle(QStringLiteral("prior/ann.r23"), QStringLiteral("Ann"));
        QVERIFY(!prior.isEmpty());
        const QByteArray before = contents(prior);
        TabWndApp::instance()->LastImportPath.clear();
        MainWindow main(TabWndApp::instance());
        onModal<DlgImportOption_Info>([clicks](DlgImportOption_Info *dlg) {
            for (const QString &name : clicks)
                dlg->findChild<QAbstractButton *>(name)->click();
            dlg->findChild<QPushButton *>("btnImport")->click();
        });
        main.importPriorYearReturn(prior);
        QCOMPARE(main.openReturnCount(), 1);
        Form_Return *page = main.currentReturn();
        QVERIFY(page);
        QVERIFY(!page->hasFile());   // opened unsaved
        CReturnFile *r = page->returnFile();
        QTEST(r->self()->notes().count(), "notes");
        QTEST(r->self()->slips().count(), "slips");
        QTEST(r->isCoupled(), "coupled");
        if (r->isCoupled()) {
            QCOMPARE(r->spouse()->firstName(), QStringLiteral("Bob"));
            QCOMPARE(r->spouse()->spouseFirstName(), QStringLiteral("Ann"));
        }
        QCOMPARE(QString(TabWndApp::instance()->LastImportPath), QFileInfo(path("prior")).canonicalFilePath());
        QCOMPARE(contents(prior), before);   // the source file is never written
    }
    // "Make coupled" tells before the spouse's return is made and the marital
    // status changed, and refuses a prior-year return that names no spouse.
    void importMakeCoupledAsks_data()
    {
        QTest::addColumn<QString>("spouse");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("imported");
        QTest::newRow("a named spouse, Yes") << "Bob" << int(MsgButton::Yes) << true;
        QTest::newRow("a named spouse, No: the options stay open") << "Bob" << int(MsgButton::No) << false;
        QTest::newRow("no spouse: refused, the options stay open") << "" << int(MsgButton::Yes) << false;
    }
    void importMakeCoupledAsks()
    {
        QFETCH(QString, spouse);
        QFETCH(int, answer);
        QFETCH(bool, imported);
        const QString prior = saveSingle(QStringLiteral("prior/ask.r23"), QStringLiteral("Ann"), spouse,
                                         spouse.isEmpty() ? 5 : 0);
        MainWindow main(TabWndApp::instance());
        m_messages.clear();
        m_messages.scriptAnswer(answer);
        bool stayedOpen = false;
        onModal<DlgImportOption_Info>([&stayedOpen](DlgImportOption_Info *dlg) {
            dlg->findChild<QAbstractButton *>("fld_bMakeCoupled")->click();
            dlg->findChild<QPushButton *>("btnImport")->click();
            stayedOpen = dlg->isVisible();
            if (stayedOpen)
                dlg->findChild<QPushButton *>("btnCancel")->click();
        });
        main.importPriorYearReturn(prior);
        QCOMPARE(stayedOpen, !imported);
        QCOMPARE(main.openReturnCount(), imported ? 1 : 0);
        QCOMPARE(m_messages.texts().size(), 1);
        QVERIFY2(m_messages.texts().first().contains(spouse.isEmpty() ? QStringLiteral("names no spouse")
                                                                       : QStringLiteral("Bob Smith")),
                 qPrintable(m_messages.texts().first()));
        if (imported) {
            QVERIFY(main.currentReturn()->returnFile()->isCoupled());
            QVERIFY(m_messages.texts().first().contains(QLatin1String("the marital status becomes Married")));
        }
    }

    void importCancelledOrFailing()
    {
        const QString prior = saveSingle(QStringLiteral("prior/cancel.r23"), QStringLiteral("Ann"));
        MainWindow main(TabWndApp::instance());
        onModal<DlgImportOption_Info>(
            [](DlgImportOption_Info *dlg) { dlg->findChild<QPushButton *>("btnCancel")->click(); });
        main.importPriorYearReturn(prior);
        QCOMPARE(main.openReturnCount(), 0);

        m_messages.clear();
        main.importPriorYearReturn(path(QStringLiteral("prior/missing.r23")));
        QCOMPARE(main.openReturnCount(), 0);
        // one message, with the file and the reason
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Import prior year's return file failed, error = 107.\n"
                                            "The return file %1 was not opened: the file is missing (it was moved, "
                                            "renamed or deleted).")
                                 .arg(QDir::toNativeSeparators(path(QStringLiteral("prior/missing.r23"))))});
        // a damaged file: still one message
        m_messages.clear();
        const QString damaged = path(QStringLiteral("prior/damaged.r23"));
        {
            QFile f(damaged);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a return");
        }
        main.importPriorYearReturn(damaged);
        QCOMPARE(main.openReturnCount(), 0);
        QCOMPARE(m_messages.texts().size(), 1);
        QVERIFY(m_messages.texts().first().endsWith(QStringLiteral("was not opened: it is not a return file.")));
    }

    // ---- coupling two returns

    void couplePage()
    {
        const QString ann = saveSingle(QStringLiteral("couple/page.r24"), QStringLiteral("Ann"));
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new DlgCoupleReturn_tab1(TabWndApp::instance(), &wizard);
        wizard.addPage(page);
        page->findChild<StringLineEdit *>("fld_Filename1")->setText(ann);
        page->findChild<StringLineEdit *>("fld_Filename2")->setText(m_dir.path());   // a folder
        QVERIFY(!page->validatePage());
        QCOMPARE(m_messages.texts().last(), QStringLiteral("Please make sure both return files exist in the given file path"));
        const QString ben = saveSingle(QStringLiteral("couple/page2.r24"), QStringLiteral("Ben"));
        page->findChild<StringLineEdit *>("fld_Filename2")->setText(ben);
        QVERIFY(page->validatePage());
        QCOMPARE(page->firstPath(), ann);
        QCOMPARE(page->secondPath(), ben);
    }
    void coupleReturns_data()
    {
        QTest::addColumn<bool>("secondDamaged");
        QTest::addColumn<int>("bobStatus");
        QTest::addColumn<QString>("told");
        QTest::newRow("two married persons' returns") << false << 0 << QString();
        QTest::newRow("a single person becomes married")
            << false << 5
            << QStringLiteral("A coupled return is for spouses or common-law partners, so the marital status was "
                              "changed:\n\nBob Smith: Married (was Single)\n\nCheck it on each person's T1 before "
                              "saving the coupled return.");
        QTest::newRow("second file damaged") << true << 0 << QString();
    }
    void coupleReturns()
    {
        QFETCH(bool, secondDamaged);
        QFETCH(int, bobStatus);
        QFETCH(QString, told);
        const QString ann = saveSingle(QStringLiteral("couple/ann.r24"), QStringLiteral("Ann"), QStringLiteral("X"));
        QString bob = saveSingle(QStringLiteral("couple/bob.r24"), QStringLiteral("Bob"), QStringLiteral("Y"), bobStatus);
        if (secondDamaged) {
            bob = path(QStringLiteral("couple/damaged.r24"));
            QFile f(bob);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(64, '\x07'));
        }
        const QByteArray annBefore = contents(ann);
        MainWindow main(TabWndApp::instance());
        onModal<WizardBase>([ann, bob](WizardBase *wizard) {
            QCOMPARE(wizard->windowTitle(), QStringLiteral("Couple Two Returns Together"));
            wizard->findChild<StringLineEdit *>("fld_Filename1")->setText(ann);
            wizard->findChild<StringLineEdit *>("fld_Filename2")->setText(bob);
            wizard->button(QWizard::FinishButton)->click();
            if (wizard->isVisible()) {   // refused: fail instead of waiting
                QWARN("the coupling page refused the paths");
                wizard->reject();
            }
        });
        m_messages.clear();
        main.on_actionCouple_Returns_2to1_triggered();
        QVERIFY(!QApplication::overrideCursor());   // no busy cursor left behind
        QCOMPARE(contents(ann), annBefore);
        if (secondDamaged) {
            QCOMPARE(main.openReturnCount(), 0);
            QVERIFY(m_messages.texts().contains(
                QStringLiteral("Second return file cannot be read properly, Couple return failed.")));
            return;
        }
        QCOMPARE(main.openReturnCount(), 1);
        Form_Return *page = main.currentReturn();
        QVERIFY(!page->hasFile());
        // not saved yet: marked as de-coupling marks its return
        QVERIFY(main.isWindowModified());
        QVERIFY(main.windowTitle().endsWith(QStringLiteral(" - Untitled (unsaved)[*]")));
        CReturnFile *r = page->returnFile();
        QVERIFY(r->isCoupled());
        QVERIFY(r->self()->isCoupled() && r->spouse()->isCoupled());
        QCOMPARE(r->self()->firstName(), QStringLiteral("Ann"));
        QCOMPARE(r->spouse()->firstName(), QStringLiteral("Bob"));
        QCOMPARE(r->self()->maritalStatus(), 0);
        QCOMPARE(r->spouse()->maritalStatus(), 0);
        QCOMPARE(m_messages.texts(), told.isEmpty() ? QStringList() : QStringList(told));
    }

    // ---- the search thread

    void searchThread()
    {
        QTemporaryDir tree;
        const QString root = tree.path();
        for (const char *name : {"a/x.r24", "a/b/c/y.R24", "a/z.r23", "a/w.r245", "a/v.txt", "a/r24", "linked/q.r24"})
            touch(root + "/" + name);
        QVERIFY(QFile::link(root + "/linked", root + "/a/link"));
        QVERIFY(QFile::link(root + "/linked/q.r24", root + "/a/q-link.r24"));
        QStandardItemModel model;
        QString status;
        QObject owner;
        auto *thread = new ThreadFindFiles(&owner, &model, &status);
        QSignalSpy progress(thread, &ThreadFindFiles::progressChanged);
        QSignalSpy finished(thread, &QThread::finished);
        const QStringList folders = {root + "/a", root + "/missing"};
        thread->setSearch(folders, {"r24", "r23"});
        thread->start();
        QVERIFY(thread->wait(10000));
        QTRY_COMPARE(finished.count(), 1);
        QCoreApplication::sendPostedEvents(&owner, QEvent::MetaCall);
        QStringList found = rows(model);
        found.sort();
        const QString real = QFileInfo(root).canonicalFilePath();
        QCOMPARE(found, QStringList({real + "/a/b/c/y.R24", real + "/a/x.r24", real + "/a/z.r23"}));
        QCOMPARE(progress.count(), 2);   // one report at the start of each folder
        QCOMPARE(progress.first().first().toInt(), 0);
        QCOMPARE(status, QStringLiteral("search r24,r23 from ") + folders.join(','));

        // Cancelled before the first entry: nothing is found, and it still ends once.
        QStandardItemModel model2;
        auto *stopped = new ThreadFindFiles(&owner, &model2, &status);
        QSignalSpy finished2(stopped, &QThread::finished);
        stopped->setSearch(folders, {"r24"});
        stopped->cancel();
        stopped->start();
        QVERIFY(stopped->wait(10000));
        QTRY_COMPARE(finished2.count(), 1);
        QCoreApplication::sendPostedEvents(&owner, QEvent::MetaCall);
        QCOMPARE(model2.rowCount(), 0);

        // Overlapping folders (a folder and its parent) and a file listed before: each file once.
        QStandardItemModel model3;
        auto *overlapping = new ThreadFindFiles(&owner, &model3, &status);
        QSignalSpy finished3(overlapping, &QThread::finished);
        overlapping->setSearch({root + "/a", root, root + "/a/b"}, {"r24"});
        overlapping->setListedFiles({real + "/a/x.r24"});
        overlapping->start();
        QVERIFY(overlapping->wait(10000));
        QTRY_COMPARE(finished3.count(), 1);
        QCoreApplication::sendPostedEvents(&owner, QEvent::MetaCall);
        found = rows(model3);
        found.sort();
        QCOMPARE(found, QStringList({real + "/a/b/c/y.R24", real + "/linked/q.r24"}));
    }

    // ---- the search dialog

    void searchDialog()
    {
        MainWindow main(TabWndApp::instance());
        const QString list = path(QStringLiteral("findfiles.csv"));
        {
            QFile f(list);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Text));
            f.write("  /old/one.r24  \nab\n\n");
        }
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(docs.startsWith(bqtest::isolatedHome().path()));
        const QString found = docs + QStringLiteral("/brackenquill-efile/2024/sub/found.r24");
        touch(found);

        DlgFindFiles dlg(QStringLiteral("Find Return Files"), list, &main);
        QCOMPARE(rows(dlg.results()), QStringList{"/old/one.r24"});   // short lines are dropped

        // No option chosen: a warning and no search.
        dlg.findChild<QPushButton *>("btnSearch")->click();
        QVERIFY(!dlg.isSearching());
        QCOMPARE(m_messages.shown().last().title, QStringLiteral("Warning"));
        QCOMPARE(m_messages.shown().last().text, QStringLiteral("Please choose search file option first!"));

        // This year's files: under the efile folder and again under the home folder, listed once;
        // a search that ends by itself says "search stopped", as a stopped one does.
        dlg.findChild<QRadioButton *>("radCurYear")->click();
        dlg.findChild<QPushButton *>("btnSearch")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isSearching(), 20000);
        const QString real = QFileInfo(found).canonicalFilePath();
        QCOMPARE(rows(dlg.results()), QStringList({"/old/one.r24", real}));
        QCOMPARE(dlg.findChild<QLabel *>("lblSearching")->text(), QStringLiteral("search stopped"));
        dlg.onProgressChanged(7);
        QCOMPARE(dlg.findChild<QLabel *>("lblSearching")->text(), QStringLiteral("(7 seconds) search stopped"));
        const QByteArray written = contents(list);
        QCOMPARE(written, QString("/old/one.r24\n%1\n").arg(real).toUtf8());
        // a second search lists nothing again
        dlg.findChild<QPushButton *>("btnSearch")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isSearching(), 20000);
        QCOMPARE(rows(dlg.results()), QStringList({"/old/one.r24", real}));

        // Clear Result leaves the file; an empty result does not overwrite it.
        dlg.findChild<QPushButton *>("btnClear")->click();
        QCOMPARE(dlg.results().rowCount(), 0);
        dlg.findChild<QRadioButton *>("radPriorYears")->click();
        dlg.findChild<QPushButton *>("btnSearch")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isSearching(), 20000);
        QCOMPARE(dlg.results().rowCount(), 0);
        QCOMPARE(contents(list), written);
        QVERIFY(QFile::remove(found));
    }
    void searchDialogStop()
    {
        // Stopping keeps the rows found so far and writes them.
        QTemporaryDir tree;
        MainWindow main(TabWndApp::instance());
        const QString list = tree.filePath(QStringLiteral("findfiles.csv"));
        DlgFindFiles dlg(QStringLiteral("Find Return Files"), list, &main);
        dlg.show();
        dlg.findChild<QRadioButton *>("radLastYear")->click();
        dlg.findChild<QPushButton *>("btnSearch")->click();
        QVERIFY(dlg.isSearching());
        dlg.findChild<QPushButton *>("btnSearch")->click();   // a second click does nothing
        dlg.findChild<QPushButton *>("btnStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isSearching(), 20000);
        QCOMPARE(dlg.findChild<QLabel *>("lblSearching")->text(), QStringLiteral("search stopped"));
        // Close during a search waits for the worker and keeps its rows.
        dlg.results().appendRow(new QStandardItem(QStringLiteral("/kept/by/close.r23")));
        dlg.findChild<QPushButton *>("btnSearch")->click();
        dlg.findChild<QPushButton *>("btnClose")->click();
        QVERIFY(!dlg.isSearching());
        QVERIFY(!dlg.isVisible());
        QVERIFY(contents(list).startsWith("/kept/by/close.r23\n"));
    }
    void searchDialogOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("this year's file opens") << "found/open.R24" << true;
        QTest::newRow("a prior year's file is imported") << "found/import.r23" << true;
        QTest::newRow("a missing file cannot be read") << "found/missing.r24" << false;
    }
    void searchDialogOpens()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        MainWindow main(TabWndApp::instance());
        QString file = path(name);
        if (opens)
            QVERIFY(!saveSingle(name, QStringLiteral("Found")).isEmpty());
        const QString list = path(QStringLiteral("open.csv"));
        {
            QFile f(list);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
            f.write(file.toUtf8() + "\n");
        }
        DlgFindFiles dlg(QStringLiteral("Find Return Files"), list, &main);
        dlg.show();
        auto *open = dlg.findChild<QPushButton *>("btnOpen");
        open->click();   // no current row: nothing
        QVERIFY(dlg.isVisible());
        auto *view = dlg.findChild<QListView *>("listView");
        view->setCurrentIndex(dlg.results().index(0, 0));
        onModal<DlgImportOption_Info>(
            [](DlgImportOption_Info *d) { d->findChild<QPushButton *>("btnImport")->click(); });
        m_messages.clear();
        open->click();
        QCOMPARE(main.openReturnCount(), opens ? 1 : 0);
        QCOMPARE(dlg.isVisible(), !opens);
        if (opens) {
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(main.currentReturn()->hasFile(), name.endsWith("R24"));   // an import opens unsaved
        } else {
            QCOMPARE(m_messages.texts(), QStringList{"cannot read this file"});
        }
    }
    void findCommand()
    {
        MainWindow main(TabWndApp::instance());
        QString shownTitle;
        onModal<DlgFindFiles>([&shownTitle](DlgFindFiles *dlg) {
            shownTitle = dlg->windowTitle();
            dlg->findChild<QPushButton *>("btnClose")->click();
        });
        main.on_actionFind_Return_Files_triggered();
        QCOMPARE(shownTitle, QStringLiteral("Find Return Files"));

        const QString a = saveSingle(QStringLiteral("cmd/a.r24"), QStringLiteral("A"));
        main.openReturnFile(a);
        main.openReturnFile(a);
        QCOMPARE(main.openReturnCount(), 2);
        m_messages.clear();
        main.on_actionFind_Return_Files_triggered();
        QCOMPARE(m_messages.texts(), QStringList{"Please close a return file to proceed!"});
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestReturnFileDialogs tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_returnfiledialogs.moc"
