#include "form_return.h"
#include "waitcursor.h"
#include "actionshowreturn.h"
#include "basetaxpage.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "folderview.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "returnwindowhost.h"
#include "scrolltaxform.h"
#include "serviceswitches.h"
#include "settingsseam.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include "taxdata_taxnote.h"
#include "treeviewdelegate.h"
#include "ui_form_return.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>

namespace {
// The person selector as the return file fills it.
class ComboAdapter : public CReturnFile::PersonCombo
{
public:
    explicit ComboAdapter(QComboBox *combo) : m_combo(combo) {}
    void clear() override { m_combo->clear(); }
    void addItem(const QString &text, int data) override { m_combo->addItem(text, data); }
    void setCurrentIndex(int index) override { m_combo->setCurrentIndex(index); }

private:
    QComboBox *m_combo;
};

// Keeps the wait cursor on for the life of a scope.
QString bkColor()
{
    return settingsSource()->userSetting(QStringLiteral("BKColor"));
}

// Dark theme: a valid background colour whose lightness is below 128.
bool isDarkColor(const QString &name)
{
    const QColor color(name);
    return color.isValid() && color.lightness() < 128;
}

// The help pages ship in <program folder>/../help.
QString helpUrl(const char *page)
{
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../help"));
    return QUrl::fromLocalFile(folder + QLatin1Char('/') + QLatin1String(page)).toString(QUrl::FullyEncoded);
}

QString descriptionOf(CTaxData_Form *data)
{
    const int type = data->formType();
    if (data->kind() == CTaxData_Form::KindSlip)
        return type >= 0 && type < kSlipTableSize ? QString::fromUtf8(Global_Slips_Info[type].title) : QString();
    if (data->kind() == CTaxData_Form::KindForm)
        return type >= 0 && type < kFormTableSize ? QString::fromUtf8(Global_Forms_Info[type].title) : QString();
    if (!dynamic_cast<TaxData_TaxNote *>(data) && type >= 1 && type <= 6)
        return QString::fromUtf8(Global_TaxWizard_Info[type].name);
    CString text;
    data->getDescription(text);
    return text;
}
} // namespace

Form_Return::Form_Return(const QFileInfo *fileInfo, CReturnFile *returnFile, ReturnWindowHost *host, QWidget *parent,
                         int number, int mode, int fontSize)
    : QWidget(parent), m_fontSize(fontSize), m_number(number), m_mode(mode), m_host(host), ui(new Ui::Form_Return),
      m_return(returnFile)
{
    WaitCursor wait;
    ui->setupUi(this);
    ui->treeFolderView->setHost(host);
    m_action = new ActionShowReturn(this, QString(), host ? host->hostObject() : static_cast<QObject *>(this));
    m_name = QStringLiteral("Return %1").arg(number);
    m_action->setObjectName(m_name);
    setFileInfo(fileInfo);
    // under the result lines: whether (and when) the shown person's return was filed
    m_filingState = new QLabel(ui->frame);
    m_filingState->setObjectName(QStringLiteral("lblFilingState"));
    m_filingState->setWordWrap(true);
    m_filingState->hide();
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->lblResultLine3) + 1, m_filingState);
    applyBackgroundColor();
    if (TabWndApp::instance() && TabWndApp::instance()->config().MODEDEBUG)
        setAllServicesAvailable();

    if (m_return) {
        int person = 0, category = 0, key = 0;
        m_return->settings().getCurrentSelection(person, category, key);
        const bool spouseSelected = m_return->isCoupled() && person == 1;
        m_rebuildGuard = true;
        ComboAdapter combo(ui->comboBox);
        m_return->fillPersonCombo(combo, spouseSelected);
        m_rebuildGuard = false;

        ui->treeFolderView->setTaxData(m_return);
        ui->treeFolderView->setItemDelegate(new TreeViewDelegate(ui->treeFolderView));
        int first = 0;
        ui->treeFolderView->selectItem(first, 0);
        FormEntry *t1 = m_return->findFormEntry(1, 0, false);
        if (t1 && t1->object)
            openForm(0, t1->object);

        m_savedCopy = new CReturnFile(m_return->mode());
        m_savedCopy->assign(*m_return);
        if (fileInfo)
            setFileStamp(m_return->readStamp());
        recordInReturnList();
    }
    connect(ui->treeFolderView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form_Return::onFolderViewSelChange);
}

Form_Return::~Form_Return()
{
    // Tearing the tree down changes its selection: nothing is to be opened any more.
    m_rebuildGuard = true;
    ui->treeFolderView->selectionModel()->disconnect(this);
    for (BaseTaxPage *page : qAsConst(m_pages))
        page->detach();
    if (m_return) {
        m_return->clear();
        delete m_return;
    }
    if (m_savedCopy) {
        m_savedCopy->clear();
        delete m_savedCopy;
    }
    // The Windows-menu action belongs to the main window; it must not outlive us.
    delete m_action;
    delete ui;
}

FolderView *Form_Return::folderView() const { return ui->treeFolderView; }
QTabWidget *Form_Return::formTabs() const { return ui->tabForm; }
QComboBox *Form_Return::personCombo() const { return ui->comboBox; }
QSplitter *Form_Return::splitter() const { return ui->splitter; }

// ---- pages

int Form_Return::openForm(int force, CTaxData_Form *data)
{
    if (!data || (data == m_currentForm && force != -1))
        return 0;
    WaitCursor wait;
    clearFormTabs();
    m_currentForm = data;
    QList<BaseTaxPage *> made;
    createPages(data, made, this);
    m_pages = made;
    const QString color = bkColor();
    const bool dark = isDarkColor(color);
    if (m_pages.isEmpty()) {
        ui->lblFormDesc->clear();
        return -1;
    }
    const QString style = pageStyleSheet(m_fontSize, dark) + pageEditorStyle(dark);
    for (BaseTaxPage *page : qAsConst(m_pages)) {
        page->setStyleSheet(style);
        auto *scroll = new ScrollTaxForm(color, this, page);
        const int tab = ui->tabForm->addTab(scroll, page->getTitle());
        ui->tabForm->setTabToolTip(tab, page->getTitle());
    }
    for (BaseTaxPage *page : qAsConst(m_pages)) {
        page->syncData();
        connect(page, &BaseTaxPage::signalCalc, this, &Form_Return::onSignalCalc);
    }
    // A window not shown yet (one opening) has its first page make its editors
    // now, in place and hidden (asking for an editor builds a page): made once
    // the page is shown, each editor would be shown on its own and the page
    // laid out again and again.
    if (!m_pages.first()->isBuilt())
        m_pages.first()->editorFor(QString());
    ui->lblFormDesc->setText(descriptionOf(data));
    return m_pages.size();
}

// The pages go with their tabs; they are cut from their data first, so that
// an editor losing the focus meanwhile writes nothing and starts no recalculation.
void Form_Return::clearFormTabs()
{
    ui->lblFormDesc->clear();
    for (BaseTaxPage *page : qAsConst(m_pages)) {
        page->detach();
        page->blockSignals(true);
    }
    for (int i = 0; i < ui->tabForm->count(); ++i)
        ui->tabForm->widget(i)->deleteLater();
    ui->tabForm->clear();
    m_pages.clear();
}

void Form_Return::refreshPages()
{
    for (BaseTaxPage *page : qAsConst(m_pages))
        page->refreshPage();
}

void Form_Return::refreshTree(bool formsChanged, bool slipsChanged)
{
    FolderView *tree = ui->treeFolderView;
    if (formsChanged)
        tree->refreshForms();
    else
        tree->updateFormLabels();
    if (slipsChanged)
        tree->refreshSlips();
    else
        tree->updateSlipAndNoteLabels();
    // A rebuild can move another entry onto the selected position: show that one.
    if (!m_currentForm || m_rebuildGuard)
        return;
    if (CTaxData_Form *shown = tree->selectedObject(); shown && shown != m_currentForm)
        openForm(0, shown);
}

void Form_Return::updateSummary(QString &summary)
{
    QString lines[3];
    summary.clear();
    if (m_return) {
        summary = m_return->resultSummaryLine(0);
        m_return->balanceSummaries(lines[0], lines[1], lines[2]);
    }
    if (m_host)
        m_host->setResultText(summary);
    ui->lblResultLine1->setText(lines[0]);
    ui->lblResultLine2->setText(lines[1]);
    ui->lblResultLine3->setText(lines[2]);
    showFilingState();
}

void Form_Return::showFilingState()
{
    const QString state = filingStateText();
    m_filingState->setText(state);
    m_filingState->setVisible(!state.isEmpty());
}

QString Form_Return::filingStateText() const
{
    const IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    const TaxData_T1New *t1 = person ? person->t1() : nullptr;
    if (!t1)
        return QString();
    switch (t1->filingStatus()) {
    case 1:
        return tr("EFiled and accepted by the CRA on %1, confirmation number %2")
            .arg(t1->filingTime(), t1->confirmationNumber());
    case 2:
        return tr("Set for ReFile: an amended return, not sent yet");
    case 3:
        return tr("ReFiled and accepted by the CRA on %1, confirmation number %2")
            .arg(t1->filingTime(), t1->confirmationNumber());
    default:
        return QString();
    }
}

void Form_Return::commitCurrentPage()
{
    if (m_pages.isEmpty())
        return;
    auto *scroll = qobject_cast<ScrollTaxForm *>(ui->tabForm->currentWidget());
    auto *page = scroll ? qobject_cast<BaseTaxPage *>(scroll->getCtntWgt()) : nullptr;
    if (!page)
        return;
    page->commitPage();
    onSignalCalc(m_currentForm, -1);
}

int Form_Return::showHelpPage(const QString &url)
{
    clearFormTabs();
    m_currentForm = nullptr;
    auto *browser = new QTextBrowser(ui->tabForm);
    browser->setOpenExternalLinks(true);
    // the help reads black on white in either theme
    browser->setStyleSheet(QStringLiteral("QTextBrowser {background-color: white; color: black;}"));
    browser->setSource(QUrl(url));
    ui->tabForm->addTab(new ScrollTaxForm(QStringLiteral("white"), this, browser), tr("Quick Help"));
    return 99;
}

bool Form_Return::holdsForm(const CTaxData_Form *data) const
{
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    if (!person || !data)
        return false;
    for (const FormEntry *e : person->forms())
        if (e->object == data)
            return true;
    for (const FormEntry *e : person->slips())
        if (e->object == data)
            return true;
    for (const NoteEntry *e : person->notes())
        if (e->note == data)
            return true;
    for (const WizardEntry *e : person->wizardData())
        if (e->object == data)
            return true;
    return false;
}

bool Form_Return::dropVanishedForm()
{
    if (!m_currentForm || holdsForm(m_currentForm))
        return false;
    clearFormTabs();
    m_currentForm = nullptr;
    return true;
}

void Form_Return::showChangedReturn()
{
    if (!m_return)
        return;
    const bool vanished = dropVanishedForm();
    refreshPages();
    refreshTree(true, true);
    if (vanished)
        openSelection(0);
    QString summary;
    updateSummary(summary);
    modifiedChanged();
}

void Form_Return::modifiedChanged()
{
    showFilingState();
    emit returnChanged();
}

// ---- slots

void Form_Return::timerTimeout() {}

void Form_Return::onNavigateToForm(int, int) {}

void Form_Return::onFolderViewSelChange(const QItemSelection &selected, const QItemSelection &)
{
    if (m_rebuildGuard || selected.indexes().isEmpty() || !m_return)
        return;
    openSelection(selected.indexes().first().row());
}

void Form_Return::openSelection(int force)
{
    FolderView *tree = ui->treeFolderView;
    QTreeWidgetItem *item = tree->currentItem();
    if (!item)
        return;
    WaitCursor wait;
    if (item == tree->root(FolderView::Result))
        openForm(force, m_return->getForm(93, 0, false));
    else if (CTaxData_Form *data = tree->selectedObject())
        openForm(force, data);
    else if (item == tree->root(FolderView::Start))
        showHelpPage(helpUrl("bkqx_start.html"));
    else if (item == tree->root(FolderView::Slips))
        showHelpPage(helpUrl("bkqx_slip.html"));
    else if (item == tree->root(FolderView::Wizard))
        showHelpPage(helpUrl("bkqx_wiz.html"));
    else if (item == tree->root(FolderView::Forms))
        showHelpPage(helpUrl("bkqx_form.html"));
}

void Form_Return::onSignalCalc(CTaxData_Form *data, int)
{
    // a page cut from its data, or an edit arriving while a command runs, starts nothing
    if (!m_return || m_inCalc)
        return;
    m_inCalc = true;
    const int before = m_return->formCount(0);
    const int changed = m_return->recalculate(data ? data->kind() : -1, data);
    const int after = m_return->formCount(0);
    const bool vanished = dropVanishedForm();
    refreshPages();
    refreshTree(after != before || changed != 0, false);
    if (vanished)
        openSelection(0);
    QString summary;
    updateSummary(summary);
    m_inCalc = false;
    modifiedChanged();
}

void Form_Return::on_comboBox_currentIndexChanged(int)
{
    if (m_rebuildGuard || !m_return)
        return;
    const int oldIndex = m_return->currentPersonIndex();
    const int newIndex = ui->comboBox->currentData().toInt();
    if (oldIndex == newIndex)
        return;
    WaitCursor wait;
    FolderView *tree = ui->treeFolderView;
    int category = -1, type = 0, id = 0;
    tree->getSelection(category, type, id);
    m_return->settings().setSelection(oldIndex == CReturnFile::kSpouse, category, id);
    if (m_return->setCurrentPerson(newIndex) == oldIndex)
        return;
    m_rebuildGuard = true;
    tree->clearSlips();
    tree->clearForms();
    tree->clearNotes();
    clearFormTabs();
    m_currentForm = nullptr;
    tree->refreshAll();
    m_rebuildGuard = false;
    m_return->settings().getSelection(newIndex == CReturnFile::kSpouse, category, id);
    tree->selectItem(category, id);
    if (m_host)
        m_host->setResultText(m_return->resultSummaryLine(0));
    showFilingState();
}

// ---- file of the return

void Form_Return::setFileInfo(const QFileInfo *fileInfo)
{
    if (fileInfo) {
        m_folder = QDir::toNativeSeparators(fileInfo->absolutePath());
        m_fileName = fileInfo->fileName();
    } else {
        m_folder.clear();
        m_fileName.clear();
    }
    m_action->setText(m_name + QStringLiteral(" - ") + returnTitle());
    emit returnChanged();
}

QString Form_Return::returnTitle() const
{
    if (!hasFile())
        return QStringLiteral("Untitled (unsaved)");
    return m_folder + QDir::separator() + m_fileName;
}

QString Form_Return::fullPath() const
{
    return m_folder + QStringLiteral("/") + m_fileName;
}

bool Form_Return::hasFile() const
{
    return !m_folder.isEmpty() && !m_fileName.isEmpty();
}

bool Form_Return::isModified() const
{
    return m_return && m_savedCopy && (!m_recoveredFrom.isEmpty() || m_return->differsFrom(*m_savedCopy));
}

bool Form_Return::hasUnsavedWork() const
{
    return !hasFile() || isModified();
}

int Form_Return::recordInReturnList()
{
    if (!m_return || !hasFile())
        return 99;
    QString selfName, spouseName;
    m_return->getFullNames(selfName, spouseName);
    if (TabWndApp *app = TabWndApp::instance())
        app->saveReturnFileEntry(selfName, spouseName, fullPath());
    return 0;
}

bool Form_Return::getTaxpayerText(int kind, CString &text) const
{
    if (!m_return)
        return false;
    QString value;
    const bool ok = m_return->getTaxpayerText(kind, value);
    text = value;
    return ok;
}
