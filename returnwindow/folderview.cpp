#include "folderview.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "cpoptreeobjs.h"
#include "formentry.h"
#include "returnwindowhost.h"
#include "taxdata_taxnote.h"
#include <QMenu>

namespace {
// The entry's data object when it has one.
CTaxData_Form *objectOf(int section, void *data)
{
    if (!data)
        return nullptr;
    switch (section) {
    case FolderView::Forms:
    case FolderView::Slips:
        return static_cast<FormEntry *>(data)->object;
    case FolderView::Notes:
        return static_cast<NoteEntry *>(data)->note;
    case FolderView::Wizard:
        return static_cast<WizardEntry *>(data)->object;
    default:
        return nullptr;
    }
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

void FolderView::refreshForms()
{
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    if (!person) {
        clearForms();
        return;
    }
    CPopFormObj visitor(m_return->isCoupled(), person);
    person->forEachForm(&visitor, this);
}

void FolderView::refreshSlips()
{
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    if (!person) {
        clearSlips();
        return;
    }
    CPopSlipObj visitor(m_return->isCoupled());
    person->forEachSlip(&visitor, this);
}

void FolderView::refreshNotes()
{
    clearNotes();
    if (IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr) {
        CPopNoteObj visitor;
        person->forEachNote(&visitor, this);
    }
}

void FolderView::refreshWizard()
{
    clearSection(m_roots[Wizard]);
    if (IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr) {
        CPopWizObj visitor;
        person->forEachWizardData(&visitor, this);
    }
}

void FolderView::updateFormLabels()
{
    QTreeWidgetItem &root = m_roots[Forms];
    for (int i = 0; i < root.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(root.child(i));
        auto *entry = static_cast<FormEntry *>(item->data());
        IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
        if (entry && person) {
            CString label;
            person->formDisplayName(m_return->isCoupled(), entry, label);
            item->setText(0, label);
        }
    }
}

void FolderView::updateSlipAndNoteLabels()
{
    const bool coupled = m_return && m_return->isCoupled();
    QTreeWidgetItem &slips = m_roots[Slips];
    for (int i = 0; i < slips.childCount(); ++i) {
        auto *item = static_cast<TreeItem *>(slips.child(i));
        if (auto *entry = static_cast<FormEntry *>(item->data())) {
            QString label;
            buildSlipLabel(coupled, entry, label);
            item->setText(0, label);
        }
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
        return nullptr;
    }
    const int section = sectionOf(item);
    void *data = static_cast<TreeItem *>(item)->data();
    // an entry without an object counts as nothing selected
    if (!objectOf(section, data))
        return nullptr;
    switch (section) {
    case Forms:
    case Slips: {
        auto *e = static_cast<FormEntry *>(data);
        category = section == Forms ? 0 : 1;
        type = e->type;
        id = e->id;
        return data;
    }
    case Notes:
        category = 3;
        id = static_cast<NoteEntry *>(data)->id;
        return data;
    default:
        return nullptr;
    }
}

CTaxData_Form *FolderView::selectedObject() const
{
    QTreeWidgetItem *item = selectedItem();
    const int section = sectionOf(item);
    return section < 0 ? nullptr : objectOf(section, static_cast<TreeItem *>(item)->data());
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
    if (!item || !m_host)
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
    m_host->addContextActions(kind, &menu);
    menu.exec(viewport()->mapToGlobal(pos));
}
