#include "form_return.h"
#include "actionshowreturn.h"
#include "basetaxpage.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "folderview.h"
#include "formentry.h"
#include "formtables.h"
#include "mainwindow.h"
#include "scrolltaxform.h"
#include "settingsseam.h"
#include "taxdata_taxnote.h"
#include "tabwndapp.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

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
struct WaitCursor
{
    WaitCursor() { beginWaitCursor(); }
    ~WaitCursor() { endWaitCursor(); }
};

QString bkColor()
{
    return settingsSource()->userSetting(QStringLiteral("BKColor"));
}
} // namespace

Form_Return::Form_Return(const QFileInfo *fileInfo, CReturnFile *returnFile, MainWindow *mainWindow, QWidget *parent,
                         int number, int mode, int fontSize)
    : QWidget(parent), m_fontSize(fontSize), m_number(number), m_mode(mode), m_mainWindow(mainWindow),
      m_return(returnFile)
{
    WaitCursor wait;
    buildUi();
    m_tree->setMainWindow(mainWindow);
    m_action = new ActionShowReturn(this, QString(), mainWindow ? static_cast<QObject *>(mainWindow) : this);
    m_name = QStringLiteral("Return %1").arg(number);
    m_action->setObjectName(m_name);
    setFileInfo(fileInfo);
    applyBackgroundColor();

    if (m_return) {
        int person = 0, category = 0, key = 0;
        m_return->settings().getCurrentSelection(person, category, key);
        const bool spouseSelected = m_return->isCoupled() && person == 1;
        m_rebuildGuard = true;
        ComboAdapter combo(m_combo);
        m_return->fillPersonCombo(combo, spouseSelected);
        m_rebuildGuard = false;

        m_tree->setTaxData(m_return);
        int first = 0;
        m_tree->selectItem(first, 0);
        FormEntry *t1 = m_return->findFormEntry(1, 0, false);
        if (t1 && t1->object)
            openForm(0, t1->object);

        m_savedCopy = new CReturnFile(m_return->mode());
        m_savedCopy->assign(*m_return);
        recordInReturnList();
    }
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form_Return::onFolderViewSelChange);
}

Form_Return::~Form_Return()
{
    // Tearing the tree down changes its selection: nothing is to be opened any more.
    m_rebuildGuard = true;
    m_tree->selectionModel()->disconnect(this);
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
}

void Form_Return::buildUi()
{
    setWindowTitle(QStringLiteral("Form"));
    resize(1227, 818);
    QFont f = font();
    f.setPointSize(10);
    setFont(f);

    auto *layout = new QHBoxLayout(this);
    layout->setObjectName(QStringLiteral("horizontalLayout"));
    layout->setContentsMargins(3, 3, 3, 3);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    layout->addWidget(m_splitter);

    auto *left = new QFrame(m_splitter);
    left->setObjectName(QStringLiteral("frame"));
    left->setMinimumWidth(10);
    left->setMaximumWidth(600);
    left->setFrameShape(QFrame::Box);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setObjectName(QStringLiteral("verticalLayout"));
    auto *label = new QLabel(tr("Switch tax return by selecting name"), left);
    label->setObjectName(QStringLiteral("label_3"));
    QFont big = label->font();
    big.setPointSize(12);
    label->setFont(big);
    leftLayout->addWidget(label);
    m_combo = new QComboBox(left);
    m_combo->setObjectName(QStringLiteral("comboBox"));
    leftLayout->addWidget(m_combo);
    m_tree = new FolderView(left);
    m_tree->setObjectName(QStringLiteral("treeFolderView"));
    m_tree->setHeaderHidden(true);
    leftLayout->addWidget(m_tree, 1);
    for (int i = 0; i < 3; ++i) {
        m_result[i] = new QLabel(left);
        m_result[i]->setObjectName(QStringLiteral("lblResultLine%1").arg(i + 1));
        leftLayout->addWidget(m_result[i]);
    }

    auto *right = new QFrame(m_splitter);
    right->setObjectName(QStringLiteral("frame_2"));
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setObjectName(QStringLiteral("verticalLayout_2"));
    rightLayout->setSpacing(5);
    m_formDesc = new QLabel(right);
    m_formDesc->setObjectName(QStringLiteral("lblFormDesc"));
    rightLayout->addWidget(m_formDesc);
    m_tabs = new QTabWidget(right);
    m_tabs->setObjectName(QStringLiteral("tabForm"));
    rightLayout->addWidget(m_tabs, 1);
    m_splitter->setStretchFactor(1, 1);

    connect(m_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Form_Return::on_comboBox_currentIndexChanged);
}

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
    for (BaseTaxPage *page : made)
        m_pages.append(page);
    if (m_pages.isEmpty()) {
        m_formDesc->clear();
        return -1;
    }
    const QString color = bkColor();
    for (BaseTaxPage *page : qAsConst(m_pages)) {
        QFont f = page->font();
        f.setPointSize(m_fontSize);
        page->setFont(f);
        auto *scroll = new ScrollTaxForm(color, this, page);
        const int tab = m_tabs->addTab(scroll, page->getTitle());
        m_tabs->setTabToolTip(tab, page->getTitle());
    }
    for (BaseTaxPage *page : qAsConst(m_pages)) {
        page->syncData();
        connect(page, &BaseTaxPage::signalCalc, this, &Form_Return::onSignalCalc);
    }
    const int type = data->formType();
    QString description;
    if (data->kind() == CTaxData_Form::KindSlip && type >= 0 && type < kSlipTableSize)
        description = QString::fromUtf8(Global_Slips_Info[type].title);
    else if (data->kind() == CTaxData_Form::KindForm && type >= 0 && type < kFormTableSize)
        description = QString::fromUtf8(Global_Forms_Info[type].title);
    else {
        CString text;
        data->getDescription(text);
        description = text;
    }
    m_formDesc->setText(description);
    return m_pages.size();
}

void Form_Return::clearFormTabs()
{
    m_formDesc->clear();
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->widget(i)->deleteLater();
    m_tabs->clear();
    m_pages.clear();
}

void Form_Return::refreshPages()
{
    for (BaseTaxPage *page : qAsConst(m_pages))
        page->refreshPage();
}

void Form_Return::refreshTree(bool formsChanged, bool slipsChanged)
{
    if (formsChanged)
        m_tree->refreshForms();
    else
        m_tree->updateFormLabels();
    if (slipsChanged)
        m_tree->refreshSlips();
    else
        m_tree->updateSlipAndNoteLabels();
}

void Form_Return::updateSummary(QString &summary)
{
    QString lines[3];
    summary.clear();
    if (m_return) {
        summary = m_return->resultSummaryLine(0);
        m_return->balanceSummaries(lines[0], lines[1], lines[2]);
    }
    if (m_mainWindow)
        m_mainWindow->setResultText(summary);
    for (int i = 0; i < 3; ++i)
        m_result[i]->setText(lines[i]);
}

void Form_Return::commitCurrentPage()
{
    if (m_pages.isEmpty())
        return;
    auto *scroll = qobject_cast<ScrollTaxForm *>(m_tabs->currentWidget());
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
    auto *browser = new QTextBrowser(m_tabs);
    browser->setSource(QUrl(url));
    m_tabs->addTab(new ScrollTaxForm(QStringLiteral("white"), this, browser), tr("Quick Help"));
    return 99;
}

// ---- slots

void Form_Return::timerTimeout() {}

void Form_Return::onNavigateToForm(int, int) {}

void Form_Return::onFolderViewSelChange(const QItemSelection &selected, const QItemSelection &)
{
    if (m_rebuildGuard || selected.indexes().isEmpty() || !m_return)
        return;
    WaitCursor wait;
    const int force = selected.indexes().first().row();
    const QString help =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../help"));
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    QTreeWidgetItem *parent = item->parent();
    void *data = static_cast<TreeItem *>(item)->data();
    if (item == m_tree->root(FolderView::Result)) {
        openForm(force, m_return->getForm(93, 0, false));
    } else if (parent == m_tree->root(FolderView::Forms) || parent == m_tree->root(FolderView::Slips)) {
        if (auto *entry = static_cast<FormEntry *>(data))
            openForm(force, entry->object);
    } else if (parent == m_tree->root(FolderView::Wizard)) {
        if (auto *entry = static_cast<WizardEntry *>(data))
            openForm(force, entry->object);
    } else if (parent == m_tree->root(FolderView::Notes)) {
        if (auto *entry = static_cast<NoteEntry *>(data))
            openForm(force, static_cast<CTaxData_Form *>(entry->note));
    } else if (item == m_tree->root(FolderView::Start)) {
        showHelpPage(QStringLiteral("file:///%1/bkqx_start.html").arg(help));
    } else if (item == m_tree->root(FolderView::Slips)) {
        showHelpPage(QStringLiteral("file:///%1/bkqx_slip.html").arg(help));
    } else if (item == m_tree->root(FolderView::Wizard)) {
        showHelpPage(QStringLiteral("file:///%1/bkqx_wiz.html").arg(help));
    } else if (item == m_tree->root(FolderView::Forms)) {
        showHelpPage(QStringLiteral("file:///%1/bkqx_form.html").arg(help));
    }
}

void Form_Return::onSignalCalc(CTaxData_Form *data, int)
{
    if (!m_return)
        return;
    const int before = m_return->formCount(0);
    const int changed = m_return->recalculate(data ? data->kind() : -1, data);
    const int after = m_return->formCount(0);
    refreshPages();
    refreshTree(after != before || changed != 0, false);
    QString summary;
    updateSummary(summary);
}

void Form_Return::on_comboBox_currentIndexChanged(int)
{
    if (m_rebuildGuard || !m_return)
        return;
    const int oldIndex = m_return->currentPersonIndex();
    const int newIndex = m_combo->currentData().toInt();
    if (oldIndex == newIndex)
        return;
    WaitCursor wait;
    int category = -1, type = 0, id = 0;
    m_tree->getSelection(category, type, id);
    m_return->settings().setSelection(oldIndex == CReturnFile::kSpouse, category, id);
    if (m_return->setCurrentPerson(newIndex) == oldIndex)
        return;
    m_rebuildGuard = true;
    m_tree->clearSlips();
    m_tree->clearForms();
    m_tree->clearNotes();
    clearFormTabs();
    m_tree->refreshAll();
    m_rebuildGuard = false;
    m_return->settings().getSelection(newIndex == CReturnFile::kSpouse, category, id);
    m_tree->selectItem(category, id);
    if (m_mainWindow)
        m_mainWindow->setResultText(m_return->resultSummaryLine(0));
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
    return m_return && m_savedCopy && m_return->differsFrom(*m_savedCopy);
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

// ---- appearance

void Form_Return::setFontSize(int points)
{
    m_fontSize = points;
    if (m_currentForm) {
        openForm(-1, m_currentForm);
        applyBackgroundColor();
    }
}

bool Form_Return::toggleMaximizeView()
{
    QList<int> sizes = m_splitter->sizes();
    if (sizes.size() < 2)
        return false;
    if (sizes[0] > 0) {
        m_splitterSizes = sizes;
        m_splitter->setSizes({0, sizes[0] + sizes[1]});
        return false;
    }
    if (m_splitterSizes.size() < 2 || m_splitterSizes[0] <= 0)
        m_splitterSizes = {250, qMax(1, sizes[1] - 250)};
    m_splitter->setSizes(m_splitterSizes);
    return true;
}

void Form_Return::applyBackgroundColor()
{
    const QColor color(bkColor());
    if (!color.isValid())
        return;
    const bool dark = color.lightness() < 128;
    const QString text = dark ? QStringLiteral("#ffffff") : QStringLiteral("#000000");
    setStyleSheet(QStringLiteral("Form_Return, QTabWidget, QScrollArea { background-color: %1; color: %2; }")
                      .arg(color.name(), text));
}
