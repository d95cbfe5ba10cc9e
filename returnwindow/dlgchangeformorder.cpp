#include "dlgchangeformorder.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "ui_dlgchangeformorder.h"

namespace {
bool isHiddenForm(int type)
{
    return type == 93 || type == 159 || type == 165;
}
} // namespace

DlgChangeFormOrder::DlgChangeFormOrder(IndividualTaxData *person, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgChangeFormOrder), m_person(person)
{
    ui->setupUi(this);
    const QList<FormEntry *> forms = person->forms().items();
    m_slots.resize(size_t(forms.size()), nullptr);
    for (FormEntry *entry : forms) {
        if (isHiddenForm(entry->type))
            continue;
        CString name;
        person->formDisplayName(false, entry, name);
        m_slots[size_t(m_count++)] = entry;
        ui->listFormsWgt->addItem(name);
    }
}

DlgChangeFormOrder::~DlgChangeFormOrder()
{
    delete ui;
}

void DlgChangeFormOrder::moveRow(int from, int to)
{
    QListWidgetItem *item = ui->listFormsWgt->takeItem(from);
    ui->listFormsWgt->insertItem(to, item);
    ui->listFormsWgt->setCurrentRow(to);
    std::swap(m_slots[size_t(from)], m_slots[size_t(to)]);
}

// The list keeps a current row even when none is selected: only a selected row moves.
int DlgChangeFormOrder::selectedRow() const
{
    const QList<QListWidgetItem *> selected = ui->listFormsWgt->selectedItems();
    return selected.isEmpty() ? -1 : ui->listFormsWgt->row(selected.first());
}

void DlgChangeFormOrder::on_btnUp_clicked()
{
    const int row = selectedRow();
    if (row > 0)
        moveRow(row, row - 1);
}

void DlgChangeFormOrder::on_btnDown_clicked()
{
    const int row = selectedRow();
    if (row >= 0 && row < m_count - 1)
        moveRow(row, row + 1);
}

// The listed forms take the positions of listed forms in their new order.
void DlgChangeFormOrder::on_buttonBox_accepted()
{
    const QList<FormEntry *> forms = m_person->forms().items();
    QList<FormEntry *> order;
    int next = 0;
    for (FormEntry *entry : forms) {
        if (isHiddenForm(entry->type) || next >= m_count)
            order.append(entry);
        else
            order.append(m_slots[size_t(next++)]);
    }
    m_person->reorderForms(order);
}
