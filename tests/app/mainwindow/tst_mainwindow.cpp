#include "bqtest.h"
#include "fakeformreturn.h"
#include "form_return.h"
#include "mainwindow.h"
#include "messages.h"
#include "tabwndapp.h"
#include "viewintroduction.h"
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QToolBar>
#include <QWindow>

namespace {
QStringList menuEntries(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QStringList split(const char *entries)
{
    return QString::fromUtf8(entries).split(QStringLiteral(", "));
}

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg)
        g_warnings << msg;
    g_previous(type, context, msg);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    MainWindow *m_window = nullptr;
    TabWndApp *app() const { return TabWndApp::instance(); }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    QStackedWidget *stack() const { return m_window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget")); }

    // A return page whose window has a file (or not) and is modified (or not).
    Form_Return *openReturn(bool hasFile = true, bool modified = false)
    {
        QFileInfo info(QStringLiteral("/data/returns/r%1.r24").arg(m_window->openReturnCount() + 1));
        m_window->openReturnPage(-1, hasFile ? &info : nullptr, nullptr);
        auto *page = m_window->currentReturn();
        page->setProperty("modified", modified);
        return page;
    }

    QStringList callsAfterClear()
    {
        QStringList calls = fakeCalls();
        fakeCalls().clear();
        return calls;
    }

private slots:
    void initTestCase()
    {
        setMessageHandler(&m_messages);
        QCOMPARE(app()->initialize(), 0);
    }

    void init()
    {
        app()->config().FontSize = "12";
        g_warnings.clear();
        g_previous = qInstallMessageHandler(collectWarnings);
        m_window = new MainWindow(app());
        qInstallMessageHandler(g_previous);
        app()->setMainWindow(m_window);
        m_messages.clear();
        fakeCalls().clear();
    }

    void cleanup()
    {
        app()->setMainWindow<QWidget>(nullptr);
        delete m_window;
        m_window = nullptr;
        appEdition = 1;
    }

    // Every slot named after a widget finds its signal.
    void slotsConnectByName()
    {
        QVERIFY2(g_warnings.filter(QStringLiteral("connectSlotsByName")).isEmpty(), qPrintable(g_warnings.join('\n')));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Start") << "menuBrackenquill" << "Start"
                               << split("New Return, Open Return, Import Prior Year's Return, Save Return, Save Return "
                                        "As, Find Return Files, Close Return, -, Preference, -, Set Return for ReFile, "
                                        "Un-set Return for ReFile, -, Auto-Fill (AFR), View NOA, -, Change Tax "
                                        "Province, Couple Returns (2to1), De-Couple Return, -, Quit");
        QTest::newRow("Slips/Notes")
            << "menuSlips" << "Slips/Notes"
            << split("Remove Selected Tax Slip/Note, -, Share slip with spouse, Un-share slip with spouse, -, Add a tax "
                     "note, Slip Summary, -, Add PRPP slip, Add RC62 slip, Add RC210 slip, Add Manitoba shelter benefit "
                     "slip, -, Add T3 slip, Add T4 slip, Add T4A slip, Add T4A(OAS) slip, Add T4A(P) slip, Add T4A-RCA "
                     "slip, Add T4E slip, Add T4FHSA slip, Add T4PS slip, Add T4RIF slip, Add T4RSP slip, Add T5 slip, "
                     "Add T1204 slip, Add T2202 slip, Add T5003 slip, Add T5006 slip, Add T5007, Add T5008 slip, Add "
                     "T5013 slip, Add NR4 slip");
        QTest::newRow("Forms") << "menuForms" << "Forms"
                               << split("Remove Selected Form/Schedule, Add a Tax Form ..., Arrange Order of Tax Forms "
                                        "..., -, Share form to spouse's return, Un-share form with spouse's return");
        QTest::newRow("View") << "menuView" << "View"
                              << split("Background Color ..., Make Font Smaller, Make Font Larger, -, Maximize View");
        QTest::newRow("Windows") << "menuWindows" << "Windows" << split("Welcome");
        QTest::newRow("Planning") << "menuPlanning_Optimize" << "Planning/Optimize" << split("Tax Planning, Optimize");
        QTest::newRow("Filing") << "menuFiling_Print" << "Filing/Print"
                                << split("Validate Return, EFile to CRA, Find Returns Not-Filed-Online, Generate Print "
                                         "(.pdf) Files, -, EFile E-Auth (former T1013), EFile PAD (Pre-authorized "
                                         "Debit), File T1135 Online, -, Send T183 for E-Signature, Send E-Auth for "
                                         "E-Signature");
        QTest::newRow("Help") << "menuHelp" << "Help"
                              << split("Find Industry Code, Direct deposit form, Send Return File to Brackenquill, "
                                       "Send Log File for Help, -, About Brackenquill, Update Brackenquill");
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QStringList, entries);
        const auto *m = m_window->findChild<QMenu *>(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), title);
        QCOMPARE(menuEntries(m), entries);
    }

    void menuBarOrder()
    {
        QStringList titles;
        for (QAction *a : m_window->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, split("Start, Slips/Notes, Forms, View, Windows, Planning/Optimize, Filing/Print, Help"));
    }

    void actionsWithoutMenu()
    {
        QCOMPARE(action("actionMedium")->text(), QStringLiteral("Medium Font"));
        QCOMPARE(action("actionSubmit_T1135")->text(), QStringLiteral("File T1135 Online"));
        for (QMenu *m : m_window->findChildren<QMenu *>()) {
            QVERIFY(!m->actions().contains(action("actionMedium")));
            QVERIFY(!m->actions().contains(action("actionSubmit_T1135")));
        }
        // only the file commands carry keys, the platform's standard ones
        const QHash<QString, QKeySequence::StandardKey> keys{
            {"actionNew", QKeySequence::New},          {"actionOpen_File", QKeySequence::Open},
            {"actionSave_Return", QKeySequence::Save}, {"actionSave_Return_As", QKeySequence::SaveAs},
            {"actionClose_Return", QKeySequence::Close}, {"actionQuit", QKeySequence::Quit}};
        for (QAction *a : m_window->findChildren<QAction *>()) {
            const QKeySequence expected = keys.contains(a->objectName())
                ? QKeySequence(QKeySequence::keyBindings(keys.value(a->objectName())).value(0))
                : QKeySequence();
            QVERIFY2(a->shortcut() == expected, qPrintable(a->objectName()));
        }
    }

    void toolBar()
    {
        auto *bar = m_window->findChild<QToolBar *>(QStringLiteral("toolBar"));
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QStringList texts;
        for (QAction *a : bar->actions()) {
            texts << (a->isSeparator() ? QStringLiteral("-") : a->iconText());
            QVERIFY2(a->isSeparator() || !a->icon().pixmap(32).isNull(), qPrintable(a->objectName()));
        }
        QCOMPARE(texts, split("&New, &Open, &Import, &Find Return, &Save, &Close, &Toggle, &Optimize, -, +&Form, "
                              "&Validate, EFile Return, Generate &Print, -, &Preference, &About"));
    }

    void netfileEdition()
    {
        cleanup();
        appEdition = 2;
        m_window = new MainWindow(app());
        QCOMPARE(action("actionInternetFiling")->text(), QStringLiteral("NetFile to CRA"));
        QCOMPARE(action("actionInternetFiling")->iconText(), QStringLiteral("NetFile Return"));
        const QStringList filing = menuEntries(m_window->findChild<QMenu *>(QStringLiteral("menuFiling_Print")));
        QVERIFY(!filing.contains(QStringLiteral("EFile E-Auth (former T1013)")));
        QVERIFY(!filing.contains(QStringLiteral("EFile PAD (Pre-authorized Debit)")));
        QVERIFY(filing.contains(QStringLiteral("NetFile to CRA")));
    }

    void returnPageActions()
    {
        const char *const names[] = {
            "actionSave_Return", "actionClose_Return", "actionDe_Couple_Return_1to2", "actionSet_Return_for_ReFile",
            "actionAdd_T3_slip", "actionAdd_T4_slip", "actionAdd_T5_slip", "actionShare_Form_to_Spouse",
            "actionAdd_a_Tax_Form", "actionAdd_a_tax_note", "actionArrange_Order_of_Tax_Forms", "actionTax_Planning",
            "actionOptimize", "actionValidate_Return", "actionGenerate_Print_pdf_Files", "actionInternetFiling",
            "actionSubmit_T1135", "actionSubmit_E_Auth_former_T1013", "actionSubmit_PAD_Pre_authorized_Debit",
            "actionSend_T183_for_E_Signature", "actionSend_E_Auth_for_E_Signature",
            "actionSend_Return_File_to_Corvadine"};
        // the further commands that act on an open return (each forwards to it)
        const char *const openReturnNames[] = {
            "actionSave_Return_As", "actionRemove_Selected_Slip", "actionRemove_Selected_Form_Schedule", "actionSlip_summary",
            "actionShare_slip_with_spouse", "actionUn_share_slip_with_spouse", "actionChange_Tax_Province",
            "actionUn_share_form_with_spouse", "actionUn_set_Return_for_ReFile", "actionFile_T1135_Online",
            "actionAdd_PRPP_slip", "actionAdd_RC62_slip", "actionAdd_RC210_slip",
            "actionAdd_Manitoba_shelter_benefit_slip", "actionAdd_T4A_slip", "actionAdd_T4A_OAS_slip",
            "actionAdd_T4A_P_slip", "actionAdd_T4A_RCA_slip", "actionAdd_T4E_slip", "actionAdd_T4FHSA_slip",
            "actionAdd_T4PS_slip", "actionAdd_T4RIF_slip", "actionAdd_T4RSP_slip", "actionAdd_T1204_slip",
            "actionAdd_T2202_slip", "actionAdd_T5003_slip", "actionAdd_T5006_slip", "actionAdd_T5007",
            "actionAdd_T5013_slip", "actionAdd_NR4_slip"};
        QSet<QAction *> returnActions;
        for (const char *n : names)
            returnActions << action(n);
        QCOMPARE(returnActions.size(), 22);
        QSet<QAction *> openReturnActions;
        for (const char *n : openReturnNames)
            openReturnActions << action(n);
        QVERIFY(!openReturnActions.contains(nullptr));
        QCOMPARE(openReturnActions.size(), 30);
        auto check = [&](bool returnCurrent) {
            const bool anyOpen = m_window->openReturnCount() > 0;
            for (QAction *a : m_window->findChildren<QAction *>()) {
                if (a->objectName().isEmpty() || qobject_cast<QMenu *>(a->parent()))
                    continue;
                const bool expected = returnActions.contains(a) ? returnCurrent
                                      : openReturnActions.contains(a) ? anyOpen : true;
                if (a->isEnabled() != expected)
                    return a->objectName();
            }
            return QString();
        };
        // No return open: no command that acts on one is offered.
        QCOMPARE(check(false), QString());
        QVERIFY(!action("actionUn_set_Return_for_ReFile")->isEnabled());
        Form_Return *first = openReturn();
        QCOMPARE(check(true), QString());
        openReturn();
        action("actionWelcome")->trigger();
        QCOMPARE(stack()->currentWidget(), m_window->startPage());
        QCOMPARE(check(false), QString());
        QVERIFY(m_window->resultLabel()->text().isEmpty());
        QVERIFY(m_window->windowTitle().startsWith(appTitle + QStringLiteral(" - Build date: ")));
        // With the start page current an enabled add-slip command does nothing.
        fakeCalls().clear();
        action("actionAdd_T4A_slip")->trigger();
        QVERIFY(fakeCalls().isEmpty());
        // The Windows menu brings a return back.
        first->showAction()->trigger();
        QCOMPARE(m_window->currentReturn(), first);
        QCOMPARE(check(true), QString());
        QCOMPARE(m_window->windowTitle(), appTitle + QStringLiteral(" - /data/returns/r1.r24[*]"));
        QCOMPARE(m_window->resultLabel()->text(), QStringLiteral("summary of Return 1"));
    }

    void windowsMenuAndThirdReturn()
    {
        QVERIFY(m_window->canOpenAnotherReturn());
        openReturn();
        QVERIFY(m_window->canOpenAnotherReturn());
        openReturn();
        QVERIFY(m_messages.texts().isEmpty());
        QVERIFY(!m_window->canOpenAnotherReturn());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Maximum number of returns are opened already. Please click 'Close' button "
                                            "on top to close a return first!")});
        QCOMPARE(menuEntries(m_window->findChild<QMenu *>(QStringLiteral("menuWindows"))),
                 split("Welcome, Return 1, Return 2"));
        QCOMPARE(m_window->openReturnCount(), 2);
    }

    void commandsForward_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("call");
        const struct
        {
            const char *action;
            const char *call;
        } rows[] = {
            {"actionRemove_Selected_Slip", "removeSelected()"},
            {"actionRemove_Selected_Form_Schedule", "removeSelected()"},
            {"actionAdd_a_Tax_Form", "addForm()"},
            {"actionValidate_Return", "validateReturn(1,1,0)"},
            {"actionSlip_summary", "showSlipSummary()"},
            {"actionShare_slip_with_spouse", "shareSlip()"},
            {"actionUn_share_slip_with_spouse", "unshareSlip()"},
            {"actionAdd_a_tax_note", "addTaxNote()"},
            {"actionChange_Tax_Province", "changeProvince()"},
            {"actionDe_Couple_Return_1to2", "deCoupleReturn()"},
            {"actionSend_T183_for_E_Signature", "sendFormForESignature(96)"},
            {"actionSend_E_Auth_for_E_Signature", "sendFormForESignature(117)"},
            {"actionShare_Form_to_Spouse", "shareForm()"},
            {"actionUn_share_form_with_spouse", "unshareForm()"},
            {"actionOptimize", "optimizeReturn()"},
            {"actionArrange_Order_of_Tax_Forms", "changeFormOrder()"},
            {"actionTax_Planning", "taxPlanning()"},
            {"actionUn_set_Return_for_ReFile", "unsetReFile()"},
            {"actionInternetFiling", "netfileReturn()"},
            {"actionSubmit_PAD_Pre_authorized_Debit", "fileT183Pad()"},
            {"actionFile_T1135_Online", "fileT1135Online()"},
            {"actionSubmit_E_Auth_former_T1013", "fileT1013Online()"},
            {"actionSet_Return_for_ReFile", "reFileReturn()"},
            {"actionGenerate_Print_pdf_Files", "printWithOptions()"},
            {"actionAdd_PRPP_slip", "addSlip(22)"},
            {"actionAdd_RC62_slip", "addSlip(17)"},
            {"actionAdd_RC210_slip", "addSlip(18)"},
            {"actionAdd_Manitoba_shelter_benefit_slip", "addSlip(21)"},
            {"actionAdd_T3_slip", "addSlip(9)"},
            {"actionAdd_T4_slip", "addSlip(1)"},
            {"actionAdd_T4A_slip", "addSlip(2)"},
            {"actionAdd_T4A_OAS_slip", "addSlip(6)"},
            {"actionAdd_T4A_P_slip", "addSlip(3)"},
            {"actionAdd_T4A_RCA_slip", "addSlip(15)"},
            {"actionAdd_T4E_slip", "addSlip(5)"},
            {"actionAdd_T4FHSA_slip", "addSlip(26)"},
            {"actionAdd_T4PS_slip", "addSlip(14)"},
            {"actionAdd_T4RIF_slip", "addSlip(7)"},
            {"actionAdd_T4RSP_slip", "addSlip(4)"},
            {"actionAdd_T5_slip", "addSlip(8)"},
            {"actionAdd_T1204_slip", "addSlip(23)"},
            {"actionAdd_T2202_slip", "addSlip(25)"},
            {"actionAdd_T5003_slip", "addSlip(10)"},
            {"actionAdd_T5006_slip", "addSlip(16)"},
            {"actionAdd_T5007", "addSlip(11)"},
            {"actionAdd_T5013_slip", "addSlip(13)"},
            {"actionAdd_NR4_slip", "addSlip(24)"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.action) << QString::fromLatin1(r.action) << QString::fromLatin1(r.call);
    }
    void commandsForward()
    {
        QFETCH(QString, name);
        QFETCH(QString, call);
        app()->config().RetPdfPath = bqtest::isolatedHome().path() + QStringLiteral("/pdf");
        // Nothing reaches a return while none is open.
        m_window->findChild<QAction *>(name)->trigger();
        QVERIFY(fakeCalls().isEmpty());
        openReturn();
        fakeCalls().clear();
        m_window->findChild<QAction *>(name)->trigger();
        QCOMPARE(fakeCalls(), (QStringList{QStringLiteral("commitCurrentPage()"), call}));
        QVERIFY(m_messages.texts().isEmpty());
    }

    void mediumDoesNothing()
    {
        openReturn();
        fakeCalls().clear();
        action("actionMedium")->trigger();
        QVERIFY(fakeCalls().isEmpty());
    }

    void pdfFolderFailure()
    {
        const QString blocker = bqtest::isolatedHome().path() + QStringLiteral("/pdf-blocker");
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        app()->config().RetPdfPath = blocker + QStringLiteral("/pdf");
        openReturn();
        fakeCalls().clear();
        action("actionGenerate_Print_pdf_Files")->trigger();
        QCOMPARE(fakeCalls(), QStringList{QStringLiteral("commitCurrentPage()")});
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Brackenquill cannot write .pdf file in output folder set from preference.")});
    }

    void closeReturns()
    {
        Form_Return *first = openReturn();
        Form_Return *second = openReturn();
        // Closing the second of two shows the first.
        action("actionClose_Return")->trigger();
        QCOMPARE(m_window->openReturnCount(), 1);
        QCOMPARE(m_window->currentReturn(), first);
        QCOMPARE(stack()->indexOf(second), -1);
        QCOMPARE(menuEntries(m_window->findChild<QMenu *>(QStringLiteral("menuWindows"))), split("Welcome, Return 1"));
        // A cancelled save question keeps the page.
        first->setProperty("modified", true);
        m_messages.scriptAnswer(MsgButton::Cancel);
        action("actionClose_Return")->trigger();
        QCOMPARE(m_window->currentReturn(), first);
        first->setProperty("modified", false);
        QVERIFY(action("actionUn_set_Return_for_ReFile")->isEnabled());
        action("actionClose_Return")->trigger();
        QCOMPARE(m_window->openReturnCount(), 0);
        QCOMPARE(stack()->currentWidget(), m_window->startPage());
        // the last return closed: its commands go with it
        QVERIFY(!action("actionUn_set_Return_for_ReFile")->isEnabled());
        QVERIFY(!action("actionAdd_T4A_slip")->isEnabled());
    }

    // Closing the window asks about every modified return in turn, also while
    // the start page is current; a cancel keeps the window open.
    void closeAsksEveryModifiedReturn_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("left");
        QTest::newRow("yes, no") << QList<int>{MsgButton::Yes, MsgButton::No} << true << 0;
        QTest::newRow("no, cancel") << QList<int>{MsgButton::No, MsgButton::Cancel} << false << 1;
        QTest::newRow("cancel") << QList<int>{MsgButton::Cancel} << false << 2;
    }
    void closeAsksEveryModifiedReturn()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(int, left);
        openReturn(true, true);
        openReturn(true, true);
        action("actionWelcome")->trigger();
        for (int a : answers)
            m_messages.scriptAnswer(a);
        fakeCalls().clear();
        QCOMPARE(m_window->close(), closed);
        QCOMPARE(m_window->openReturnCount(), left);
        QCOMPARE(callsAfterClear().filter(QStringLiteral("confirmClose")).size(), answers.size());
        QCOMPARE(m_messages.texts().size(), answers.size());
    }

    void closeSkipsSavedReturns()
    {
        openReturn(true, false);
        openReturn(false, false); // never saved: asked about, as a changed one is
        m_messages.scriptAnswer(MsgButton::No);
        QVERIFY(m_window->close());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Do you want to save changed data to return file before closing?\n\n"
                                            "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing")});
    }

    // Quit closes the window, so the save questions run.
    void quitAsks()
    {
        m_window->show();
        openReturn(true, true);
        m_messages.scriptAnswer(MsgButton::Cancel);
        action("actionQuit")->trigger();
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_messages.texts().size(), 1);
        QVERIFY(m_messages.texts().first().startsWith(QStringLiteral("Do you want to save changed data")));
        m_messages.scriptAnswer(MsgButton::Yes);
        action("actionQuit")->trigger();
        QVERIFY(!m_window->isVisible());
        QVERIFY(fakeCalls().contains(QStringLiteral("saveReturn(Return 1,1)")));
    }

    void fontSizeRead_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("size");
        QTest::newRow("5") << "5" << 12;
        QTest::newRow("6") << "6" << 6;
        QTest::newRow("20") << "20" << 20;
        QTest::newRow("21") << "21" << 12;
        QTest::newRow("abc") << "abc" << 12;
    }
    void fontSizeRead()
    {
        QFETCH(QString, stored);
        QFETCH(int, size);
        cleanup();
        app()->config().FontSize = stored;
        m_window = new MainWindow(app());
        QCOMPARE(m_window->viewFontSize(), size);
    }

    void fontSizeSteps()
    {
        Form_Return *page = openReturn();
        for (int i = 0; i < 3; ++i)
            action("actionLarge")->trigger();
        QCOMPARE(m_window->viewFontSize(), 18);
        QCOMPARE(QString(app()->config().FontSize), QStringLiteral("18"));
        QCOMPARE(page->fontSize(), 18);
        for (int i = 0; i < 3; ++i)
            action("actionLarge")->trigger();
        QCOMPARE(m_window->viewFontSize(), 20);
        QCOMPARE(QString(app()->config().FontSize), QStringLiteral("20"));
        for (int i = 0; i < 10; ++i)
            action("actionSmall")->trigger();
        QCOMPARE(m_window->viewFontSize(), 6);
        QCOMPARE(QString(app()->config().FontSize), QStringLiteral("6"));
    }

    void maximizeView()
    {
        action("actionMaximize_View")->trigger(); // no return: nothing
        QVERIFY(fakeCalls().isEmpty());
        openReturn();
        fakeCalls().clear();
        action("actionMaximize_View")->trigger();
        QCOMPARE(fakeCalls(), (QStringList{QStringLiteral("commitCurrentPage()"), QStringLiteral("toggleMaximizeView()")}));
        QCOMPARE(action("actionMaximize_View")->text(), QStringLiteral("Restore View"));
        action("actionMaximize_View")->trigger();
        QCOMPARE(action("actionMaximize_View")->text(), QStringLiteral("Maximize View"));
    }

    void contextActions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("slips") << 0
                               << split("Add T3 slip, Add T4 slip, Add T4A slip, Add T4A(P) slip, Add T4A(OAS) slip, Add "
                                        "T4A-RCA slip, Add T4E slip, Add T4FHSA slip, Add T4PS slip, Add T4RIF slip, "
                                        "Add T4RSP slip, Add T5 slip, Add T5003 slip, Add T5006 slip, Add T5007, Add "
                                        "T5008 slip, Add T5013 slip, Add RC62 slip, Add RC210 slip, Add NR4 slip, Add "
                                        "PRPP slip, Add T1204 slip, Add T2202 slip, Add Manitoba shelter benefit slip");
        QTest::newRow("slip") << 1
                              << split("Remove Selected Tax Slip/Note, Share slip with spouse, Un-share slip with spouse");
        QTest::newRow("forms") << 10 << split("Add a Tax Form ...");
        QTest::newRow("form") << 11
                              << split("Remove Selected Form/Schedule, Share form to spouse's return, Un-share form "
                                       "with spouse's return");
        QTest::newRow("notes") << 20 << split("Add a tax note");
        QTest::newRow("note") << 21 << split("Remove Selected Tax Slip/Note");
        QTest::newRow("other") << 5 << QStringList();
    }
    void contextActions()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, entries);
        QMenu menu;
        m_window->addContextActions(kind, &menu);
        QCOMPARE(menu.actions().isEmpty() ? QStringList() : menuEntries(&menu), entries);
    }

    // The step after the window shows (the named return's opening) waits for the
    // window to be on the screen, runs from the event loop, and runs once.
    void stepWhenOnScreen_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown window") << true;
        QTest::newRow("window not shown") << false;
    }
    void stepWhenOnScreen()
    {
        QFETCH(bool, shown);
        if (shown)
            m_window->show();
        int runs = 0;
        bool exposed = false;
        m_window->whenOnScreen([&] {
            ++runs;
            exposed = m_window->windowHandle() && m_window->windowHandle()->isExposed();
        });
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
        QCOMPARE(exposed, shown);
        QTest::qWait(1200);
        QCOMPARE(runs, 1);
    }

    // Placed at a rectangle as large as the screen and below its top, the
    // window lies whole inside the screen's available area.
    void placedInsideTheScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        m_window->placeOnScreen(QRect(available.left() + 20, available.top() + 60, available.width(),
                                      available.height()));
        QCOMPARE(m_window->geometry(), available);
    }

    void createMainWindowOnce()
    {
        MainWindow *made = createMainWindow();
        QCOMPARE(createMainWindow(), made);
        delete made;
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestMainWindow tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_mainwindow.moc"
