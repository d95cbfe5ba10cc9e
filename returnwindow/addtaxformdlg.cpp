#include "addtaxformdlg.h"
#include "formtables.h"
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

AddTaxFormDlg::AddTaxFormDlg(const QList<int> &types, QWidget *parent)
    : BaseDialog(parent, tr("Add a Tax Form")), m_list(new QListWidget(this))
{
    for (int type : types) {
        if (type <= 0 || type >= kFormTableSize)
            continue;
        const FormInfo &info = Global_Forms_Info[type];
        auto *item = new QListWidgetItem(QStringLiteral("%1 - %2").arg(QString::fromUtf8(info.name),
                                                                       QString::fromUtf8(info.title)), m_list);
        item->setData(Qt::UserRole, type);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    initUI(520, 560);
}

int AddTaxFormDlg::selectedType() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}
