#include "addtaxformdlg.h"
#include "formtables.h"
#include "tabwndapp.h"
#include "ui_addtaxformdlg.h"
#include <QPushButton>

QString &AddTaxFormDlg::filterText()
{
    static QString text;
    return text;
}

AddTaxFormDlg::AddTaxFormDlg(const QList<int> &types, QWidget *parent)
    : QDialog(parent), ui(new Ui::AddTaxFormDlg), m_types(types)
{
    ui->setupUi(this);
    // Enter adds the form chosen in the drop-down, and nothing while it is empty
    if (QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setDefault(true);
    const QString filter = filterText();
    ui->edtFilter->setText(filter);
    loadForms();
    ui->edtFilter->setFocus();
}

AddTaxFormDlg::~AddTaxFormDlg()
{
    delete ui;
}

void AddTaxFormDlg::loadForms()
{
    ui->cmbTaxForms->clear();
    ui->cmbTaxForms->LoadTaxForms(appEdition, m_types, filterText());
    updateOk();
}

// Ok only while the drop-down holds a form.
void AddTaxFormDlg::updateOk()
{
    if (QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(ui->cmbTaxForms->count() > 0);
}

int AddTaxFormDlg::selectedFormType() const
{
    if (m_quickAdd)
        return m_quickType;
    return ui->cmbTaxForms->count() ? ui->cmbTaxForms->currentData(Qt::UserRole).toInt() : 0;
}

void AddTaxFormDlg::on_edtFilter_textChanged(const QString &text)
{
    filterText() = text;
    loadForms();
}

void AddTaxFormDlg::on_btnClear_clicked()
{
    filterText().clear();
    ui->edtFilter->setText(QString());
}

void AddTaxFormDlg::quickAdd(int type)
{
    m_quickAdd = true;
    m_quickType = type;
    accept();
}

void AddTaxFormDlg::on_btnAddT2125_clicked() { quickAdd(125); }
void AddTaxFormDlg::on_btnAddT2042_clicked() { quickAdd(21); }
void AddTaxFormDlg::on_btnAddCommission_clicked() { quickAdd(131); }
void AddTaxFormDlg::on_btnAddT776_clicked() { quickAdd(12); }
void AddTaxFormDlg::on_btnAddT2209_clicked() { quickAdd(35); }
void AddTaxFormDlg::on_btnAddSch7_clicked() { quickAdd(7); }
void AddTaxFormDlg::on_btnAddSch11_clicked() { quickAdd(11); }
void AddTaxFormDlg::on_btnAddSch5_clicked() { quickAdd(6); }
void AddTaxFormDlg::on_btnAddSch9_clicked() { quickAdd(9); }
