#include "mainwindow.h"
#include "canwritefolder.h"
#include "form_return.h"
#include "messages.h"
#include "newversioncheck.h"
#include "preferencedlg.h"
#include "tabwndapp.h"
#include "ui_mainwindow.h"
#include "utils.h"
#include "viewintroduction.h"
#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {
MainWindow *theMainWindow = nullptr;

constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 20;
constexpr int kDefaultFontSize = 12;

// The program's own build stamp, e.g. "May 25 2026" and "16:30:40".
QString buildDate()
{
    return QString::fromLatin1(__DATE__).simplified();
}

QString buildTime()
{
    return QString::fromLatin1(__TIME__);
}
} // namespace

MainWindow *createMainWindow(QWidget *parent)
{
    if (!theMainWindow)
        theMainWindow = new MainWindow(TabWndApp::instance(), parent);
    return theMainWindow;
}

MainWindow::MainWindow(TabWndApp *app, QWidget *parent)
    : QMainWindow(parent), m_app(app), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    fillToolBar();

    m_startPage = new ViewIntroduction(m_app, this, ui->stackedWidget);
    ui->stackedWidget->addWidget(m_startPage);
    ui->stackedWidget->setCurrentWidget(m_startPage);

    m_resultLabel = new QLabel(QString(), this);
    m_resultLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addPermanentWidget(m_resultLabel, 2);

    ui->actionNew->setShortcut(QKeySequence::New);
    ui->actionOpen_File->setShortcut(QKeySequence::Open);
    ui->actionSave_Return->setShortcut(QKeySequence::Save);
    ui->actionSave_Return_As->setShortcut(QKeySequence::SaveAs);
    ui->actionClose_Return->setShortcut(QKeySequence::Close);
    ui->actionQuit->setShortcut(QKeySequence::Quit);

    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::actionNewReturn);
    connect(ui->actionOpen_File, &QAction::triggered, this, &MainWindow::actionOpenReturn);
    connect(ui->actionSave_Return, &QAction::triggered, this, &MainWindow::actionSaveReturn);
    connect(ui->actionClose_Return, &QAction::triggered, this, &MainWindow::actionCloseReturn);
    connect(ui->actionQuit, &QAction::triggered, this, &MainWindow::actionQuit);
    connect(ui->actionAdd_a_tax_note, &QAction::triggered, this, &MainWindow::onAdd_a_tax_note);
    connect(ui->actionSlip_summary, &QAction::triggered, this, &MainWindow::onSlipSummary);
    connect(ui->actionAdd_T4FHSA_slip, &QAction::triggered, this, &MainWindow::onAddSlip_T4FHSA);
    connect(ui->actionWelcome, &QAction::triggered, this, &MainWindow::actionShowWelcome);
    connect(ui->actionAbout_Corvadine, &QAction::triggered, this, &MainWindow::actionAbout);
    connect(ui->actionSend_Return_File_to_Corvadine, &QAction::triggered, this, &MainWindow::onSendReturnFile);
    connect(ui->actionSend_Log_File, &QAction::triggered, this, &MainWindow::onSendLogFile);

    if (m_app && m_app->config().EnableGenPrint) {
        m_generatePrintFiles = ui->menuHelp->addAction(tr("Generate Print Files"));
        m_generatePrintFiles->setObjectName(QStringLiteral("actionGenerate_Print_Files"));
        connect(m_generatePrintFiles, &QAction::triggered, this, &MainWindow::actionGeneratePrintFiles);
    }

    bool ok = false;
    const int size = m_app ? m_app->config().FontSize.toInt(&ok) : kDefaultFontSize;
    m_fontSize = (ok && size >= kMinFontSize && size <= kMaxFontSize) ? size : kDefaultFontSize;

    if (appEdition == 1) {
        ui->actionInternetFiling->setText(tr("EFile to CRA"));
    } else {
        ui->menuFiling_Print->removeAction(ui->actionSubmit_E_Auth_former_T1013);
        ui->menuFiling_Print->removeAction(ui->actionSubmit_PAD_Pre_authorized_Debit);
    }

    updateWindowTitle();
}

MainWindow::~MainWindow()
{
    if (theMainWindow == this)
        theMainWindow = nullptr;
    ui->stackedWidget->close();
    delete m_startPage;
    delete ui;
}

void MainWindow::fillToolBar()
{
    ui->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Tool
    {
        QAction *action;
        const char *icon;
        const char *text;
    };
    const char *filingText = appEdition == 2 ? QT_TR_NOOP("NetFile Return") : QT_TR_NOOP("EFile Return");
    const Tool tools[] = {
        {ui->actionNew, ":/res/images/icon_blank.ico", QT_TR_NOOP("&New")},
        {ui->actionOpen_File, ":/res/images/icon_book.ico", QT_TR_NOOP("&Open")},
        {ui->actionImport_Prior_Year_s_Return, ":/res/images/import_120157.ico", QT_TR_NOOP("&Import")},
        {ui->actionFind_Return_Files, ":/res/images/icon_find.png", QT_TR_NOOP("&Find Return")},
        {ui->actionSave_Return, ":/res/images/icon_disk.ico", QT_TR_NOOP("&Save")},
        {ui->actionClose_Return, ":/res/images/icon_close.ico", QT_TR_NOOP("&Close")},
        {ui->actionMaximize_View, ":/res/images/icon_view.ico", QT_TR_NOOP("&Toggle")},
        {ui->actionOptimize, ":/res/images/bulb.png", QT_TR_NOOP("&Optimize")},
        {nullptr, nullptr, nullptr},
        {ui->actionAdd_a_Tax_Form, ":/res/images/icon_table.ico", QT_TR_NOOP("+&Form")},
        {ui->actionValidate_Return, ":/res/images/icon_validate.ico", QT_TR_NOOP("&Validate")},
        {ui->actionInternetFiling, ":/res/images/icon_atom.ico", filingText},
        {ui->actionGenerate_Print_pdf_Files, ":/res/images/icon_printer.ico", QT_TR_NOOP("Generate &Print")},
        {nullptr, nullptr, nullptr},
        {ui->actionPreference, ":/res/images/icon_setting.ico", QT_TR_NOOP("&Preference")},
        {ui->actionAbout_Corvadine, ":/res/images/info.png", QT_TR_NOOP("&About")},
    };
    for (const Tool &t : tools) {
        if (!t.action) {
            ui->toolBar->addSeparator();
            continue;
        }
        t.action->setIcon(QIcon(QString::fromLatin1(t.icon)));
        t.action->setIconText(QCoreApplication::translate("MainWindow", t.text));
        ui->toolBar->addAction(t.action);
    }
}

Form_Return *MainWindow::currentReturn() const
{
    return qobject_cast<Form_Return *>(ui->stackedWidget->currentWidget());
}

bool MainWindow::canOpenAnotherReturn()
{
    if (m_openReturns < 2)
        return true;
    showInformation(tr("Maximum number of returns are opened already. Please click 'Close' button on top to close a "
                       "return first!"),
                    this);
    return false;
}

int MainWindow::openReturnPage(int mode, const QFileInfo *fileInfo, CReturnFile *returnFile)
{
    ++m_openReturns;
    auto *page = new Form_Return(fileInfo, returnFile, this, ui->stackedWidget, m_openReturns, mode, m_fontSize);
    ui->stackedWidget->addWidget(page);
    ui->stackedWidget->setCurrentWidget(page);
    ui->menuWindows->addAction(page->showAction());
    connect(page->showAction(), &QAction::triggered, this, &MainWindow::actionShowReturn);
    connect(page, &Form_Return::returnChanged, this, &MainWindow::onReturnChanged);
    updateWindowTitle();
    return 0;
}

void MainWindow::updateWindowTitle()
{
    Form_Return *page = currentReturn();
    if (page) {
        showReturnTitle(page);
        QString summary;
        page->updateSummary(summary);
    } else {
        setWindowTitle(QStringLiteral("%1 - %2").arg(appTitle, tr("Build date: %1 %2").arg(buildDate(), buildTime())));
        setWindowModified(false);
        m_resultLabel->clear();
    }
    enableReturnCommands(page != nullptr);
}

// The commands of the current return need a return page; the further ones that
// act on an open return are offered while one is open.
void MainWindow::enableReturnCommands(bool returnCurrent)
{
    QAction *const returnActions[] = {
        ui->actionSave_Return,
        ui->actionClose_Return,
        ui->actionDe_Couple_Return_1to2,
        ui->actionSet_Return_for_ReFile,
        ui->actionAdd_T3_slip,
        ui->actionAdd_T4_slip,
        ui->actionAdd_T5_slip,
        ui->actionShare_Form_to_Spouse,
        ui->actionAdd_a_Tax_Form,
        ui->actionAdd_a_tax_note,
        ui->actionArrange_Order_of_Tax_Forms,
        ui->actionTax_Planning,
        ui->actionOptimize,
        ui->actionValidate_Return,
        ui->actionGenerate_Print_pdf_Files,
        ui->actionInternetFiling,
        ui->actionSubmit_T1135,
        ui->actionSubmit_E_Auth_former_T1013,
        ui->actionSubmit_PAD_Pre_authorized_Debit,
        ui->actionSend_T183_for_E_Signature,
        ui->actionSend_E_Auth_for_E_Signature,
        ui->actionSend_Return_File_to_Corvadine,
    };
    for (QAction *a : returnActions)
        a->setEnabled(returnCurrent);

    QAction *const openReturnActions[] = {
        ui->actionSave_Return_As,          ui->actionRemove_Selected_Slip,
        ui->actionRemove_Selected_Form_Schedule, ui->actionSlip_summary,
        ui->actionShare_slip_with_spouse,  ui->actionUn_share_slip_with_spouse,
        ui->actionChange_Tax_Province,     ui->actionUn_share_form_with_spouse,
        ui->actionUn_set_Return_for_ReFile, ui->actionFile_T1135_Online,
        ui->actionAdd_PRPP_slip,           ui->actionAdd_RC62_slip,
        ui->actionAdd_RC210_slip,          ui->actionAdd_Manitoba_shelter_benefit_slip,
        ui->actionAdd_T4A_slip,            ui->actionAdd_T4A_OAS_slip,
        ui->actionAdd_T4A_P_slip,          ui->actionAdd_T4A_RCA_slip,
        ui->actionAdd_T4E_slip,            ui->actionAdd_T4FHSA_slip,
        ui->actionAdd_T4PS_slip,           ui->actionAdd_T4RIF_slip,
        ui->actionAdd_T4RSP_slip,          ui->actionAdd_T1204_slip,
        ui->actionAdd_T2202_slip,          ui->actionAdd_T5003_slip,
        ui->actionAdd_T5006_slip,          ui->actionAdd_T5007,
        ui->actionAdd_T5013_slip,          ui->actionAdd_NR4_slip,
    };
    for (QAction *a : openReturnActions)
        a->setEnabled(m_openReturns > 0);
}

void MainWindow::showReturnTitle(Form_Return *page)
{
    setWindowTitle(QStringLiteral("%1 - %2[*]").arg(appTitle, page->returnTitle()));
    setWindowModified(page->hasUnsavedWork());
}

void MainWindow::onReturnChanged()
{
    auto *page = qobject_cast<Form_Return *>(sender());
    if (page && page == currentReturn())
        showReturnTitle(page);
}


bool MainWindow::closeReturnPage(Form_Return *page)
{
    page->commitCurrentPage();
    QString path;
    if (!page->confirmClose(path))
        return false;
    ui->stackedWidget->removeWidget(page);
    ui->menuWindows->removeAction(page->showAction());
    page->deleteLater();
    --m_openReturns;
    updateWindowTitle();
    return true;
}

void MainWindow::closeCurrentReturn()
{
    if (m_openReturns == 0)
        return;
    if (Form_Return *page = currentReturn())
        closeReturnPage(page);
}

// Every return with unsaved work is shown and asked about in turn; the window
// closes once each is settled, and stays open when the user cancels one.
void MainWindow::closeEvent(QCloseEvent *event)
{
    QList<Form_Return *> pages;
    for (int i = 0; i < ui->stackedWidget->count(); ++i)
        if (auto *page = qobject_cast<Form_Return *>(ui->stackedWidget->widget(i)))
            pages.append(page);

    for (Form_Return *page : pages) {
        page->commitCurrentPage();
        if (!page->hasUnsavedWork())
            continue;
        ui->stackedWidget->setCurrentWidget(page);
        updateWindowTitle();
        if (!closeReturnPage(page)) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(50, this, &MainWindow::delayedShowUp);
}

void MainWindow::placeOnScreen(const QRect &rect)
{
    QScreen *screen = QGuiApplication::screenAt(rect.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QRect available = screen ? screen->availableGeometry() : QRect();
    setGeometry(fitWindowRect(rect + margins, available) - margins);
}

void MainWindow::whenOnScreen(std::function<void()> step)
{
    m_onScreenStep = std::move(step);
    QWindow *handle = windowHandle();
    if (!handle || handle->isExposed()) {
        QTimer::singleShot(0, this, &MainWindow::runOnScreenStep);
        return;
    }
    handle->installEventFilter(this);
    m_onScreenLatest.setSingleShot(true);
    connect(&m_onScreenLatest, &QTimer::timeout, this, &MainWindow::runOnScreenStep, Qt::UniqueConnection);
    m_onScreenLatest.start(1000);
}

// The expose paints the window; the step follows from the event loop.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::runOnScreenStep);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::runOnScreenStep()
{
    m_onScreenLatest.stop();
    if (QWindow *handle = windowHandle())
        handle->removeEventFilter(this);
    const std::function<void()> step = std::move(m_onScreenStep);
    m_onScreenStep = nullptr;
    if (step)
        step();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}

void MainWindow::delayedShowUp()
{
    checkNewVersion();
}

// Quit goes through the window's close, so that modified returns are asked about.
void MainWindow::actionQuit()
{
    if (close())
        QCoreApplication::quit();
}

void MainWindow::actionShowWelcome()
{
    ui->stackedWidget->setCurrentWidget(m_startPage);
    updateWindowTitle();
}

void MainWindow::actionShowReturn()
{
    auto *action = dynamic_cast<ActionShowReturn *>(sender());
    if (!action || ui->stackedWidget->indexOf(action->returnWindow()) < 0)
        return;
    ui->stackedWidget->setCurrentWidget(action->returnWindow());
    updateWindowTitle();
}

// A developer command: it needs no open return.
void MainWindow::actionGeneratePrintFiles()
{
    const bool testFile = gMsgYesNo(tr("Creat test data file?"), this);
    Form_Return::generateReportTypes(testFile);
}

void MainWindow::on_actionPreference_triggered()
{
    PreferenceDlg dlg(this);
    dlg.exec();
}

// ---- view

void MainWindow::changeFontSize(int step)
{
    m_fontSize = qBound(kMinFontSize, m_fontSize + step, kMaxFontSize);
    if (m_app)
        m_app->config().FontSize = QString::number(m_fontSize);
    if (Form_Return *page = currentReturn())
        page->setFontSize(m_fontSize);
}

void MainWindow::on_actionLarge_triggered()
{
    changeFontSize(2);
}

void MainWindow::on_actionSmall_triggered()
{
    changeFontSize(-2);
}

void MainWindow::on_actionMaximize_View_triggered()
{
    Form_Return *page = committedReturn();
    if (!page)
        return;
    const bool restored = page->toggleMaximizeView();
    ui->actionMaximize_View->setText(restored ? tr("Maximize View") : tr("Restore View"));
}

void MainWindow::on_actionBackground_Color_triggered()
{
    const QColor initial(m_app ? QString(m_app->config().BKColor) : QString());
    const QColor color = QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::white), nullptr);
    if (!color.isValid())
        return;
    if (m_app)
        m_app->config().BKColor = color.name();
    if (Form_Return *page = committedReturn())
        page->applyBackgroundColor();
}

// ---- forwarding to the current return window

Form_Return *MainWindow::committedReturn()
{
    if (m_openReturns == 0)
        return nullptr;
    Form_Return *page = currentReturn();
    if (page)
        page->commitCurrentPage();
    return page;
}

Form_Return *MainWindow::committedReturnWithFolder(const QString &folder, const QString &failure)
{
    Form_Return *page = committedReturn();
    if (!page)
        return nullptr;
    if (!makeFolderExists(folder) || !canWriteFolder(folder)) {
        showInformation(failure, this);
        return nullptr;
    }
    return page;
}

namespace {
QString filingFolderFailure()
{
    return QCoreApplication::translate("MainWindow",
                                       "NetFile/EFile cannot be created and saved into the folder, please check "
                                       "firewall and anti-virus software settings to unblock Brackenquill.");
}
} // namespace

void MainWindow::on_actionGenerate_Print_pdf_Files_triggered()
{
    const QString pdfFolder = m_app ? QString(m_app->config().RetPdfPath) : QString();
    if (Form_Return *page = committedReturnWithFolder(
            pdfFolder, tr("Brackenquill cannot write .pdf file in output folder set from preference.")))
        page->printWithOptions();
}

void MainWindow::on_actionInternetFiling_triggered()
{
    if (Form_Return *page = committedReturnWithFolder(m_app->runFolder(), filingFolderFailure()))
        page->netfileReturn();
}

void MainWindow::on_actionSubmit_PAD_Pre_authorized_Debit_triggered()
{
    if (Form_Return *page = committedReturnWithFolder(m_app->runFolder(), filingFolderFailure()))
        page->fileT183Pad();
}

void MainWindow::on_actionFile_T1135_Online_triggered()
{
    if (Form_Return *page = committedReturnWithFolder(m_app->runFolder(), filingFolderFailure()))
        page->fileT1135Online();
}

void MainWindow::on_actionSet_Return_for_ReFile_triggered()
{
    if (Form_Return *page = committedReturnWithFolder(m_app->runFolder(), filingFolderFailure())) {
        page->reFileReturn();
        updateWindowTitle();
    }
}

void MainWindow::on_actionSubmit_E_Auth_former_T1013_triggered()
{
    if (Form_Return *page = committedReturnWithFolder(m_app->runFolder(), filingFolderFailure()))
        page->fileT1013Online();
}

#define FORWARD(slot, call) \
    void MainWindow::slot() \
    { \
        if (Form_Return *page = committedReturn()) \
            page->call; \
    }

FORWARD(on_actionRemove_Selected_Slip_triggered, removeSelected())
FORWARD(on_actionRemove_Selected_Form_Schedule_triggered, removeSelected())
FORWARD(on_actionAdd_a_Tax_Form_triggered, addForm())
FORWARD(on_actionValidate_Return_triggered, validateReturn(appEdition, true, false))
FORWARD(onSlipSummary, showSlipSummary())
FORWARD(on_actionShare_slip_with_spouse_triggered, shareSlip())
FORWARD(on_actionUn_share_slip_with_spouse_triggered, unshareSlip())
FORWARD(onAdd_a_tax_note, addTaxNote())
FORWARD(on_actionChange_Tax_Province_triggered, changeProvince())
FORWARD(on_actionDe_Couple_Return_1to2_triggered, deCoupleReturn())
FORWARD(on_actionSend_T183_for_E_Signature_triggered, sendFormForESignature(96))
FORWARD(on_actionSend_E_Auth_for_E_Signature_triggered, sendFormForESignature(117))
FORWARD(on_actionShare_Form_to_Spouse_triggered, shareForm())
FORWARD(on_actionUn_share_form_with_spouse_triggered, unshareForm())
FORWARD(on_actionOptimize_triggered, optimizeReturn())
FORWARD(on_actionArrange_Order_of_Tax_Forms_triggered, changeFormOrder())
FORWARD(on_actionTax_Planning_triggered, taxPlanning())
FORWARD(on_actionUn_set_Return_for_ReFile_triggered, unsetReFile())
#undef FORWARD

// ---- add-slip commands (slip type numbers of the slip factory)

void MainWindow::addSlip(int slipType)
{
    if (Form_Return *page = committedReturn())
        page->addSlip(slipType);
}

void MainWindow::on_actionAdd_PRPP_slip_triggered() { addSlip(22); }
void MainWindow::on_actionAdd_RC62_slip_triggered() { addSlip(17); }
void MainWindow::on_actionAdd_RC210_slip_triggered() { addSlip(18); }
void MainWindow::on_actionAdd_Manitoba_shelter_benefit_slip_triggered() { addSlip(21); }
void MainWindow::on_actionAdd_T3_slip_triggered() { addSlip(9); }
void MainWindow::on_actionAdd_T4_slip_triggered() { addSlip(1); }
void MainWindow::on_actionAdd_T4A_slip_triggered() { addSlip(2); }
void MainWindow::on_actionAdd_T4A_OAS_slip_triggered() { addSlip(6); }
void MainWindow::on_actionAdd_T4A_P_slip_triggered() { addSlip(3); }
void MainWindow::on_actionAdd_T4A_RCA_slip_triggered() { addSlip(15); }
void MainWindow::on_actionAdd_T4E_slip_triggered() { addSlip(5); }
void MainWindow::onAddSlip_T4FHSA() { addSlip(26); }
void MainWindow::on_actionAdd_T4PS_slip_triggered() { addSlip(14); }
void MainWindow::on_actionAdd_T4RIF_slip_triggered() { addSlip(7); }
void MainWindow::on_actionAdd_T4RSP_slip_triggered() { addSlip(4); }
void MainWindow::on_actionAdd_T5_slip_triggered() { addSlip(8); }
void MainWindow::on_actionAdd_T1204_slip_triggered() { addSlip(23); }
void MainWindow::on_actionAdd_T2202_slip_triggered() { addSlip(25); }
void MainWindow::on_actionAdd_T5003_slip_triggered() { addSlip(10); }
void MainWindow::on_actionAdd_T5006_slip_triggered() { addSlip(16); }
void MainWindow::on_actionAdd_T5007_triggered() { addSlip(11); }
void MainWindow::on_actionAdd_T5013_slip_triggered() { addSlip(13); }
void MainWindow::on_actionAdd_NR4_slip_triggered() { addSlip(24); }

// ---- context menus of the return's tree

void MainWindow::addContextActions(int kind, QMenu *menu)
{
    QList<QAction *> actions;
    switch (kind) {
    case 0:
        actions = {ui->actionAdd_T3_slip,      ui->actionAdd_T4_slip,      ui->actionAdd_T4A_slip,
                   ui->actionAdd_T4A_P_slip,   ui->actionAdd_T4A_OAS_slip, ui->actionAdd_T4A_RCA_slip,
                   ui->actionAdd_T4E_slip,     ui->actionAdd_T4FHSA_slip,  ui->actionAdd_T4PS_slip,
                   ui->actionAdd_T4RIF_slip,   ui->actionAdd_T4RSP_slip,   ui->actionAdd_T5_slip,
                   ui->actionAdd_T5003_slip,   ui->actionAdd_T5006_slip,   ui->actionAdd_T5007,
                   ui->actionAdd_T5008_slip,   ui->actionAdd_T5013_slip,   ui->actionAdd_RC62_slip,
                   ui->actionAdd_RC210_slip,   ui->actionAdd_NR4_slip,     ui->actionAdd_PRPP_slip,
                   ui->actionAdd_T1204_slip,   ui->actionAdd_T2202_slip,   ui->actionAdd_Manitoba_shelter_benefit_slip};
        break;
    case 1:
        actions = {ui->actionRemove_Selected_Slip, ui->actionShare_slip_with_spouse,
                   ui->actionUn_share_slip_with_spouse};
        break;
    case 10:
        actions = {ui->actionAdd_a_Tax_Form};
        break;
    case 11:
        actions = {ui->actionRemove_Selected_Form_Schedule, ui->actionShare_Form_to_Spouse,
                   ui->actionUn_share_form_with_spouse};
        break;
    case 20:
        actions = {ui->actionAdd_a_tax_note};
        break;
    case 21:
        actions = {ui->actionRemove_Selected_Slip};
        break;
    default:
        break;
    }
    menu->addActions(actions);
}
