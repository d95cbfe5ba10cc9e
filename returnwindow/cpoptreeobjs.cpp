#include "cpoptreeobjs.h"
#include "ctaxdata_form.h"
#include "folderview.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "taxdata_taxnote.h"

namespace {
// The result form and its two companions are never listed.
bool isHiddenForm(int type)
{
    return type == 93 || type == 159 || type == 165;
}

QTreeWidgetItem *section(void *view, int which)
{
    return static_cast<FolderView *>(view)->root(which);
}

// Rewrites the cursor item, or appends a new one when the cursor ran out.
template <class Item>
void placeItem(QTreeWidgetItem *root, QTreeWidgetItem *&cursor, const QString &label, void *entry)
{
    if (cursor) {
        cursor->setText(0, label);
        static_cast<TreeItem *>(cursor)->setData(entry);
        const int next = root->indexOfChild(cursor) + 1;
        cursor = next < root->childCount() ? root->child(next) : nullptr;
        return;
    }
    auto *item = new Item(entry);
    item->setText(0, label);
    root->addChild(item);
}

// Removes the cursor item and every later child.
void dropFrom(QTreeWidgetItem *root, QTreeWidgetItem *cursor)
{
    if (!cursor)
        return;
    const int first = root->indexOfChild(cursor);
    for (int i = root->childCount() - 1; i >= first; --i)
        delete root->takeChild(i);
}
} // namespace

void buildSlipLabel(bool coupled, const FormEntry *entry, QString &label)
{
    label.clear();
    CString description;
    if (entry->object) {
        entry->object->getDescription(description);
        if (entry->object->isAutoFill())
            description += QStringLiteral(" by Auto-Fill");
    }
    if (coupled && entry->linkedId > 0)
        label = QStringLiteral("S-");
    label += slipName(entry->type);
    if (!description.isEmpty())
        label += QStringLiteral(" - ") + description;
}

bool CPopFormObj::OnEnumBegin(void *view)
{
    QTreeWidgetItem *root = section(view, FolderView::Forms);
    m_cursor = root->childCount() ? root->child(0) : nullptr;
    return true;
}

bool CPopFormObj::OnEnumItem(FormEntry *entry, void *view)
{
    if (isHiddenForm(entry->type))
        return true;
    ++count;
    CString label;
    if (m_person)
        m_person->formDisplayName(m_coupled, entry, label);
    placeItem<TreeItemForm>(section(view, FolderView::Forms), m_cursor, label, entry);
    return true;
}

bool CPopFormObj::OnEnumEnd(void *view)
{
    dropFrom(section(view, FolderView::Forms), m_cursor);
    m_cursor = nullptr;
    return true;
}

bool CPopSlipObj::OnEnumBegin(void *view)
{
    QTreeWidgetItem *root = section(view, FolderView::Slips);
    m_cursor = root->childCount() ? root->child(0) : nullptr;
    return true;
}

bool CPopSlipObj::OnEnumItem(FormEntry *entry, void *view)
{
    ++count;
    QString label;
    buildSlipLabel(m_coupled, entry, label);
    placeItem<TreeItem>(section(view, FolderView::Slips), m_cursor, label, entry);
    return true;
}

bool CPopSlipObj::OnEnumEnd(void *view)
{
    dropFrom(section(view, FolderView::Slips), m_cursor);
    m_cursor = nullptr;
    return true;
}

bool CPopNoteObj::OnEnumItem(NoteEntry *entry, void *view)
{
    ++count;
    CString description;
    if (entry->note)
        entry->note->getDescription(description);
    auto *item = new TreeItem(entry);
    item->setText(0, description);
    section(view, FolderView::Notes)->addChild(item);
    return true;
}

bool CPopWizObj::OnEnumItem(WizardEntry *entry, void *view)
{
    ++count;
    auto *item = new TreeItem(entry);
    if (entry->type >= 1 && entry->type <= 6)
        item->setText(0, QString::fromUtf8(Global_TaxWizard_Info[entry->type].name));
    section(view, FolderView::Wizard)->addChild(item);
    return true;
}
