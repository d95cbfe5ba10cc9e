#include "dlgimportoption_info.h"
#include "ui_dlgimportoption_info.h"
#include "importprioryearoptions.h"

DlgImportOption_Info::DlgImportOption_Info(ImportPriorYearOptions *options, QWidget *parent)
    : QDialog(parent), m_options(options), ui(new Ui::DlgImportOption_Info)
{
    ui->setupUi(this);
    ui->fld_KeepForms->setChecked(m_options->keepFormsUnchanged);
    ui->fld_KeepNotes->setChecked(m_options->keepNotes);
    ui->fld_bIncludeSFD->setChecked(m_options->includeSelfBusinessData);
    ui->fld_bMakeCoupled->setChecked(m_options->makeCoupled);
    if (m_options->copyAllData)
        ui->fld_iCopyData_1->setChecked(true);
    else
        ui->fld_iCopyData_0->setChecked(true);
}

DlgImportOption_Info::~DlgImportOption_Info()
{
    delete ui;
}

void DlgImportOption_Info::on_btnImport_clicked()
{
    m_options->keepFormsUnchanged = ui->fld_KeepForms->isChecked();
    m_options->keepNotes = ui->fld_KeepNotes->isChecked();
    m_options->includeSelfBusinessData = ui->fld_bIncludeSFD->isChecked();
    m_options->copyAllData = ui->fld_iCopyData_1->isChecked();
    m_options->makeCoupled = ui->fld_bMakeCoupled->isChecked();
    accept();
}

void DlgImportOption_Info::on_btnCancel_clicked()
{
    reject();
}
