// The main window in step with its return: opening and closing a stored return
// changes nothing, and every command that changes the return sets the title's
// modified mark (and, for a new return, the title) at once.
#include "bqtest.h"
#include "modalwindows.h"
#include "creturnfile.h"
#include "ct1combobox.h"
#include "datanewreturnbasic.h"
#include "filingdocservices.h"
#include "folderview.h"
#include "form_return.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "mainwindow.h"
#include "messages.h"
#include "tabwndapp.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1new.h"
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QWizard>
#include <functional>
#include <memory>

namespace {

using T1032 = TaxData_T1032_New;
const QString kFolder = QStringLiteral(BQ_R24_FILES);
const QString kPassword = QStringLiteral("Pw-1");
constexpr int kOntario = 9;
constexpr int kAlberta = 1;

using bqtest::finishWizard;
using bqtest::onModal;

void addSlip(IndividualTaxData *p, int type, int box, double amount)
{
    FormEntry *e = p->addSlip(type, 0, 0);
    QVERIFY(e && e->object);
    e->object->setValueByCode(box, amount);
}

// A couple with a pension to split, a T1013 and a T2125, different addresses,
// and (when asked) set for ReFile; saved under name in the test's home.
QString savedCouple(const QString &name, bool reFile)
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString("Ann");
    data.fld_LastName = CString("Roy");
    data.fld_TaxPronv = kOntario;
    data.fld_MaritalStatus = 0;
    data.fld_dob = QDate(1950, 1, 1);
    data.fld_FirstNameSpouse = CString("Ben");
    data.fld_LastNameSpouse = CString("Roy");
    data.fld_dobSpouse = QDate(1952, 1, 1);
    data.fld_Coupled = true;
    data.fld_TaxPronvSpouse = kOntario;
    CReturnFile r(0);
    r.applyNewReturnData(data);
    addSlip(r.self(), 1, 14, 150000.0);
    addSlip(r.self(), 2, 16, 40000.0);
    addSlip(r.spouse(), 1, 14, 12000.0);
    r.self()->getForm(118, 0, true)->setIntValue(T1032::F_Role, 0);
    r.spouse()->getForm(118, 0, true)->setIntValue(T1032::F_Role, 1);
    r.self()->getForm(117, 0, true);
    r.self()->getForm(125, 0, true);
    r.self()->t1()->setText(TaxData_T1New::F_City, QStringLiteral("Ottawa"));
    r.spouse()->t1()->setText(TaxData_T1New::F_City, QStringLiteral("Kingston"));
    r.self()->t1()->setReFile(reFile);
    r.recalculate(-1, nullptr);
    const QString path = QDir(bqtest::isolatedHome().path()).filePath(name);
    return r.save(path, 1) == 0 ? path : QString();
}

void postPageEvent(Form_Return *page, int type)
{
    QEvent event(QEvent::Type(type + 0));
    QCoreApplication::sendEvent(page, &event);
}

QAction *action(MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(QLatin1String(name));
}

CReturnFile *newReturn()
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString("Cy");
    data.fld_LastName = CString("New");
    data.fld_TaxPronv = kOntario;
    data.fld_MaritalStatus = 5;
    auto *r = new CReturnFile(0);
    r->applyNewReturnData(data);
    r->recalculate(-1, nullptr);
    return r;
}

using Command = std::function<void(MainWindow &, Form_Return *)>;

} // namespace

Q_DECLARE_METATYPE(Command)

class TestMainWindowChanges : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    TabWndApp *app() const { return TabWndApp::instance(); }

    QString expectedTitle(const QString &path) const
    {
        return appTitle + QStringLiteral(" - ") + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())
            + QStringLiteral("[*]");
    }

    // Every tab of the shown form is committed, as moving through it would.
    void commitEveryTab(Form_Return *page)
    {
        QTabWidget *tabs = page->formTabs();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            page->commitCurrentPage();
        }
    }

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        setMessageHandler(&m_messages);
        QCOMPARE(app()->initialize(), 0);
        app()->config().MODEDEBUG = false;
    }
    void init() { m_messages.clear(); }

    // Opening a stored return, looking through its T1 pages for each person and
    // closing it again leaves it unmodified: nothing is asked on closing.
    void storedReturnsOpenUnmodified_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names = QDir(kFolder).entryList({QStringLiteral("*.r24")}, QDir::Files, QDir::Name);
        QVERIFY(names.contains(QStringLiteral("single.r24")));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void storedReturnsOpenUnmodified()
    {
        QFETCH(QString, name);
        // a copy: the stored file stays as it is whatever happens
        const QString path = QDir(bqtest::isolatedHome().path()).filePath(QStringLiteral("stored-") + name);
        QFile::remove(path);
        QVERIFY(QFile::copy(kFolder + QLatin1Char('/') + name, path));
        MainWindow window(app());
        window.resize(1280, 800);
        window.show();
        m_messages.scriptInput(kPassword);
        window.openReturnFile(path);
        QCOMPARE(window.openReturnCount(), 1);
        Form_Return *page = window.currentReturn();
        QVERIFY(page);
        QCOMPARE(window.windowTitle(), expectedTitle(path));
        QComboBox *persons = page->personCombo();
        for (int person = 0; person < persons->count(); ++person) {
            persons->setCurrentIndex(person);
            if (FormEntry *t1 = page->returnFile()->findFormEntry(1, 0, false))
                page->openForm(0, t1->object);
            commitEveryTab(page);
            QVERIFY2(!page->isModified(), qPrintable(QStringLiteral("person %1").arg(person)));
            QVERIFY(!window.isWindowModified());
        }
        m_messages.clear();
        window.actionCloseReturn();
        QCOMPARE(window.openReturnCount(), 0);
        QCOMPARE(m_messages.texts(), QStringList());
    }

    // Each command that changes the return marks the window modified at once.
    void changingCommandsMarkTheWindow_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("reFile");
        QTest::addColumn<bool>("becomesUnsaved");
        QTest::newRow("Add T4 slip") << Command([](MainWindow &w, Form_Return *) {
            action(w, "actionAdd_T4_slip")->trigger();
        }) << false << false;
        QTest::newRow("Add a tax note") << Command([](MainWindow &w, Form_Return *) {
            action(w, "actionAdd_a_tax_note")->trigger();
        }) << false << false;
        QTest::newRow("Add a tax form") << Command([](MainWindow &w, Form_Return *) {
            onModal([](QWidget *d) { d->findChild<QPushButton *>(QStringLiteral("btnAddT2042"))->click(); });
            action(w, "actionAdd_a_Tax_Form")->trigger();
        }) << false << false;
        QTest::newRow("Remove a slip") << Command([](MainWindow &w, Form_Return *page) {
            int category = 1;
            page->folderView()->selectItem(category, page->returnFile()->self()->slips().at(0)->id);
            action(w, "actionRemove_Selected_Slip")->trigger();
        }) << false << false;
        QTest::newRow("Change Tax Province") << Command([](MainWindow &w, Form_Return *) {
            onModal([](QWidget *wz) {
                wz->findChild<CT1ComboBox *>(QStringLiteral("fld_NewTaxProv"))->SetCurSelData(kAlberta);
                finishWizard(wz);
            });
            action(w, "actionChange_Tax_Province")->trigger();
        }) << false << false;
        QTest::newRow("Optimize, Set T1032 and Close") << Command([](MainWindow &w, Form_Return *) {
            onModal([](QWidget *wz) {
                onModal([](QWidget *d) { d->findChild<QPushButton *>(QStringLiteral("btnOptimize"))->click(); });
                finishWizard(wz);
            });
            action(w, "actionOptimize")->trigger();
        }) << false << false;
        QTest::newRow("Un-set ReFile") << Command([](MainWindow &w, Form_Return *) {
            action(w, "actionUn_set_Return_for_ReFile")->trigger();
        }) << true << false;
        QTest::newRow("T1013 representative button") << Command([](MainWindow &, Form_Return *page) {
            TabWndApp::instance()->config().T1013RepID = QStringLiteral("RABC123");
            page->openForm(0, page->returnFile()->self()->getForm(117, 0, false));
            postPageEvent(page, Form_Return::EventT1013Representative);
        }) << false << false;
        QTest::newRow("business address button") << Command([](MainWindow &, Form_Return *page) {
            page->openForm(0, page->returnFile()->self()->getForm(125, 0, false));
            postPageEvent(page, Form_Return::EventBusinessAddress);
        }) << false << false;
        QTest::newRow("spouse address button") << Command([](MainWindow &, Form_Return *page) {
            postPageEvent(page, Form_Return::EventSpouseAddress);
        }) << false << false;
        QTest::newRow("preparer button") << Command([](MainWindow &, Form_Return *page) {
            TabWndApp::instance()->config().BusinessName = QStringLiteral("Roy Tax Services");
            postPageEvent(page, Form_Return::EventPreparer);
        }) << false << false;
        QTest::newRow("De-Couple") << Command([](MainWindow &w, Form_Return *) {
            onModal([](QWidget *d) {
                d->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
            });
            action(w, "actionDe_Couple_Return_1to2")->trigger();
        }) << false << true;
    }
    void changingCommandsMarkTheWindow()
    {
        QFETCH(Command, command);
        QFETCH(bool, reFile);
        QFETCH(bool, becomesUnsaved);
        const QString path = savedCouple(QStringLiteral("%1.r24").arg(QTest::currentDataTag()).replace(' ', '-'), reFile);
        QVERIFY(!path.isEmpty());
        MainWindow window(app());
        window.openReturnFile(path);
        Form_Return *page = window.currentReturn();
        QVERIFY(page);
        QVERIFY(!page->isModified());
        QVERIFY(!window.isWindowModified());

        command(window, page);

        QVERIFY(page->isModified());
        QVERIFY(window.isWindowModified());
        QCOMPARE(window.windowTitle(), becomesUnsaved ? appTitle + QStringLiteral(" - Untitled (unsaved)[*]")
                                                      : expectedTitle(path));
        TabWndApp::instance()->config().T1013RepID.clear();
        TabWndApp::instance()->config().BusinessName.clear();
        m_messages.scriptAnswer(MsgButton::No);
        window.actionCloseReturn();
        QCOMPARE(window.openReturnCount(), 0);
    }

    // Closing a return that was never saved asks the one save question: Yes
    // saves it under the name chosen, Cancel keeps it open, No discards it.
    void closingANewReturnSavesOnYes_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Yes") << int(MsgButton::Yes) << true << true;
        QTest::newRow("Cancel") << int(MsgButton::Cancel) << false << false;
        QTest::newRow("No") << int(MsgButton::No) << true << false;
    }
    void closingANewReturnSavesOnYes()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QString path = QDir(bqtest::isolatedHome().path()).filePath(QStringLiteral("new-%1.r24").arg(answer));
        QFile::remove(path);
        MainWindow window(app());
        window.openReturnPage(-1, nullptr, newReturn());
        m_messages.scriptAnswer(answer);
        if (answer == MsgButton::Yes)
            onModal([path](QWidget *d) {
                auto *dialog = qobject_cast<QFileDialog *>(d);
                QVERIFY(dialog);
                // the name box keeps its text while it has the focus: the name goes into it
                if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name->setText(path);
                else
                    dialog->selectFile(path);
                QMetaObject::invokeMethod(dialog, "accept");
            });
        window.actionCloseReturn();
        QCOMPARE(m_messages.texts(),
                 QStringList(QStringLiteral("Do you want to save changed data to return file before closing?\n\n"
                                            "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing")));
        QCOMPARE(window.openReturnCount(), closed ? 0 : 1);
        QCOMPARE(QFileInfo::exists(path), saved);
        if (!closed) {
            m_messages.scriptAnswer(MsgButton::No);
            window.actionCloseReturn();
        }
    }

    // The save of a return without a file (de-coupled, coupled, imported)
    // proposes no existing file's name, such as the filed original's.
    void saveProposesNoExistingFile()
    {
        const QString path = savedCouple(QStringLiteral("proposal.r24"), false);
        QVERIFY(!path.isEmpty());
        MainWindow window(app());
        const QString folder = QFileInfo(path).absolutePath();
        app()->config().RetPath = folder;
        window.openReturnFile(path);
        Form_Return *page = window.currentReturn();
        const QString original = folder + QLatin1Char('/') + page->returnFile()->fileBaseName() + QStringLiteral(".r24");
        QCOMPARE(window.proposedSaveFileName(page->returnFile()), original);
        QVERIFY(QFile::copy(path, original));
        const QString proposed = window.proposedSaveFileName(page->returnFile());
        QCOMPARE(QFileInfo(proposed).absolutePath(), folder);
        QVERIFY(proposed.endsWith(QStringLiteral(".r24")));
        QVERIFY2(!QFileInfo::exists(proposed), qPrintable(proposed));
        QFile::remove(original);
        window.actionCloseReturn();
    }

    // Help | Generate Print Files, only with EnableGenPrint: Yes writes the test
    // return into the documents folder, No the type tables (none without a folder).
    void generatePrintFiles()
    {
        {
            MainWindow plain(app());
            QVERIFY(!plain.generatePrintFilesAction());
        }
        app()->config().EnableGenPrint = true;
        MainWindow window(app());
        app()->config().EnableGenPrint = false;
        QAction *generate = window.generatePrintFilesAction();
        QVERIFY(generate);
        QCOMPARE(generate->text(), QStringLiteral("Generate Print Files"));
        QMenu *help = window.findChild<QMenu *>(QStringLiteral("menuHelp"));
        QCOMPARE(help->actions().last(), generate);

        const QString testFile =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/testprint.r24");
        QFile::remove(testFile);
        m_messages.scriptAnswer(MsgButton::No);
        generate->trigger();
        QCOMPARE(m_messages.texts(), QStringList(QStringLiteral("Creat test data file?")));
        QVERIFY(!QFileInfo::exists(testFile));
        m_messages.scriptAnswer(MsgButton::Yes);
        generate->trigger();
        QVERIFY(QFileInfo(testFile).size() > 0);
        int code = -1;
        std::unique_ptr<CReturnFile> reread(CReturnFile::load(testFile, code, 1));
        QCOMPARE(code, 0);
        QVERIFY(reread->self()->forms().count() > 10);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestMainWindowChanges tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_mainwindowchanges.moc"
