#include "folderview.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "mainwindow.h"
#include "taxdata_taxnote.h"
#include <QMenu>

namespace {
// Form types listed under no section: the result form and its two companions.
bool isHiddenForm(int type)
{
    return type == 93 || type == 159 || type == 165;
}

QString wizardName(int type)
{
    static const char *const names[] = {"", "General Information", "Last Year's Amounts", "Dependants",
                                        "Medical Expenses", "RRSP Contributions", "Provincial Information"};
    return (type >= 1 && type <= 6) ? QString::fromUtf8(names[type]) : QString();
}
} // namespace

FolderView::FolderView(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QWidget::customContextMenuRequested, this, &FolderView::ShowContextMenu);
}

FolderView::~FolderView()
{
    // The roots are members: take them out of the view before they die, last first.
    if (selectionModel())
        selectionModel()->blockSignals(true);
    for (int i = SectionCount - 1; i >= 0; --i) {
        clearSection(m_roots[i]);
        const int index = indexOfTopLevelItem(&m_roots[i]);
        if (index >= 0)
            takeTopLevelItem(index);
    }
}

void FolderView::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
}

void FolderView::setTaxData(CReturnFile *returnFile)
{
    m_return = returnFile;
    if (!returnFile)
        return;
    QFont bold;
    bold.setWeight(75);
    static const char *const texts[SectionCount] = {"Start", "Tax Slips", "Express Wizard", "Tax Notes", "Tax Forms",
                                                    "Result"};
    for (int i = 0; i < SectionCount; ++i) {
        m_roots[i].setText(0, tr(texts[i]));
        m_roots[i].setFont(0, bold);
        if (i == Slips)
            m_roots[i].setToolTip(0, tr("Right click to add more tax slips"));
        if (indexOfTopLevelItem(&m_roots[i]) < 0)
            addTopLevelItem(&m_roots[i]);
        if (i == Notes)
            refreshNotes();
        if (i == Forms)
            refreshAll();
    }
    for (int i : {Slips, Wizard, Notes, Forms})
        if (m_roots[i].treeWidget())
            m_roots[i].setExpanded(true);
}

void FolderView::clearSection(QTreeWidgetItem &root)
{
    for (int i = root.childCount() - 1; i >= 0; --i)
        delete root.takeChild(i);
}

void FolderView::clearForms() { clearSection(m_roots[Forms]); }
void FolderView::clearSlips() { clearSection(m_roots[Slips]); }
void FolderView::clearNotes() { clearSection(m_roots[Notes]); }

void FolderView::refreshAll()
{
    refreshNotes();
    refreshWizard();
    refreshForms();
    refreshSlips();
}

QString FolderView::formLabel(const FormEntry *entry) const
{
    CString label;
    if (IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr)
        person->formDisplayName(m_return->isCoupled(), entry, label);
    return label;
}

QString FolderView::slipLabel(bool coupled, const FormEntry *entry) const
{
    CString description;
    if (entry->object) {
        entry->object->getDescription(description);
        if (entry->object->isAutoFill())
            description += QStringLiteral(" by Auto-Fill");
    }
    QString label;
    if (coupled && entry->linkedId > 0)
        label = QStringLiteral("S-");
    label += slipName(entry->type);
    if (!description.isEmpty())
        label += QStringLiteral(" - ") + description;
    return label;
}

void FolderView::refreshForms()
{
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    QTreeWidgetItem &root = m_roots[Forms];
    int next = 0;
    if (person) {
        for (FormEntry *entry : person->forms()) {
            if (isHiddenForm(entry->type))
                continue;
            const QString label = formLabel(entry);
            if (next < root.childCount()) {
                auto *item = static_cast<TreeItem *>(root.child(next));
                item->setText(0, label);
                item->setData(entry);
            } else {
                auto *item = new TreeItemForm(entry);
                item->setText(0, label);
                root.addChild(item);
            }
            ++next;
        }
    }
    for (int i = root.childCount() - 1; i >= next; --i)
        delete root.takeChild(i);
}

void FolderView::refreshSlips()
{
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    const bool coupled = m_return && m_return->isCoupled();
    QTreeWidgetItem &root = m_roots[Slips];
    int next = 0;
    if (person) {
        for (FormEntry *entry : person->slips()) {
            const QString label = slipLabel(coupled, entry);
            if (next < root.childCount()) {
                auto *item = static_cast<TreeItem *>(root.child(next));
                item->setText(0, label);
                item->setData(entry);
            } else {
                auto *item = new TreeItem(entry);
                item->setText(0, label);
                root.addChild(item);
            }
            ++next;
        }
    }
    for (int i = root.childCount() - 1; i >= next; --i)
        delete root.takeChild(i);
}

void FolderView::refreshNotes()
{
    clearNotes();
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    if (!person)
        return;
    for (NoteEntry *entry : person->notes()) {
        auto *item = new TreeItem(entry);
        CString description;
        if (entry->note)
            entry->note->getDescription(description);
        item->setText(0, description);
        m_roots[Notes].addChild(item);
    }
}

void FolderView::refreshWizard()
{
    clearSection(m_roots[Wizard]);
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    if (!person)
        return;
    for (WizardEntry *entry : person->wizardData()) {
        auto *item = new TreeItem(entry);
        item->setText(0, wizardName(entry->type));
        m_roots[Wizard].addChild(item);
    }
}

void FolderView::updateFormLabels()
{
    QTreeWidgetItem &root = m_roots[Forms];
    for (int i = 0; i < root.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(root.child(i));
        if (auto *entry = static_cast<FormEntry *>(item->data()))
            item->setText(0, formLabel(entry));
    }
}

void FolderView::updateSlipAndNoteLabels()
{
    const bool coupled = m_return && m_return->isCoupled();
    QTreeWidgetItem &slips = m_roots[Slips];
    for (int i = 0; i < slips.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(slips.child(i));
        if (auto *entry = static_cast<FormEntry *>(item->data()))
            item->setText(0, slipLabel(coupled, entry));
    }
    QTreeWidgetItem &notes = m_roots[Notes];
    for (int i = 0; i < notes.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(notes.child(i));
        auto *entry = static_cast<NoteEntry *>(item->data());
        if (entry && entry->note) {
            CString description;
            entry->note->getDescription(description);
            item->setText(0, description);
        }
    }
}

void FolderView::selectItem(int &category, int id)
{
    QTreeWidgetItem *target = nullptr;
    auto find = [&](Section section, auto idOf) {
        QTreeWidgetItem &root = m_roots[section];
        for (int i = 0; i < root.childCount() && !target; ++i) {
            auto *item = static_cast<TreeItem *>(root.child(i));
            if (item->data() && idOf(item->data()) == id)
                target = item;
        }
    };
    if (category == 0)
        find(Forms, [](void *d) { return static_cast<FormEntry *>(d)->id; });
    else if (category == 1)
        find(Slips, [](void *d) { return static_cast<FormEntry *>(d)->id; });
    else if (category == 3)
        find(Notes, [](void *d) { return static_cast<NoteEntry *>(d)->id; });
    if (!target)
        target = m_roots[Forms].child(0);
    if (target)
        setCurrentItem(target);
    else
        setCurrentItem(nullptr);
}

QTreeWidgetItem *FolderView::selectedItem() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

int FolderView::sectionOf(const QTreeWidgetItem *item) const
{
    if (!item || !item->parent())
        return -1;
    for (int i = 0; i < SectionCount; ++i)
        if (item->parent() == &m_roots[i])
            return i;
    return -1;
}

void *FolderView::getSelection(int &category, int &type, int &id) const
{
    category = -1;
    type = 0;
    id = 0;
    QTreeWidgetItem *item = selectedItem();
    if (!item)
        return nullptr;
    if (item == &m_roots[Result]) {
        category = 99;
        type = 93;
        return item;
    }
    void *data = static_cast<TreeItem *>(item)->data();
    switch (sectionOf(item)) {
    case Forms:
        if (auto *e = static_cast<FormEntry *>(data)) {
            category = 0;
            type = e->type;
            id = e->id;
        }
        return data;
    case Slips:
        if (auto *e = static_cast<FormEntry *>(data)) {
            category = 1;
            type = e->type;
            id = e->id;
        }
        return data;
    case Notes:
        if (auto *e = static_cast<NoteEntry *>(data)) {
            category = 3;
            id = e->id;
        }
        return data;
    default:
        return nullptr;
    }
}

bool FolderView::removeSelectedItem()
{
    QTreeWidgetItem *item = selectedItem();
    const int section = sectionOf(item);
    if (section != Forms && section != Slips && section != Notes)
        return false;
    delete item->parent()->takeChild(item->parent()->indexOfChild(item));
    dataChanged(QModelIndex(), QModelIndex());
    viewport()->update();
    return true;
}

void FolderView::ShowContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *item = selectedItem();
    if (!item || !m_mainWindow)
        return;
    int kind = -1;
    QString title;
    if (item == &m_roots[Slips]) {
        kind = 0;
        title = tr("Slips menu");
    } else if (item == &m_roots[Forms]) {
        kind = 10;
        title = tr("Forms menu");
    } else if (item == &m_roots[Notes]) {
        kind = 20;
        title = tr("Note menu");
    } else {
        switch (sectionOf(item)) {
        case Slips: kind = 1; title = tr("Slip menu"); break;
        case Forms: kind = 11; title = tr("Form menu"); break;
        case Notes: kind = 21; title = tr("Note menu"); break;
        default: break;
        }
    }
    if (kind < 0)
        return;
    QMenu menu(title, this);
    m_mainWindow->addContextActions(kind, &menu);
    menu.exec(viewport()->mapToGlobal(pos));
}
