#include "dlgimportoption_info.h"
#include "ui_dlgimportoption_info.h"
#include "creturnfile.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "messages.h"

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
    if (ui->fld_bMakeCoupled->isChecked() && !confirmMakeCoupled())
        return;
    m_options->keepFormsUnchanged = ui->fld_KeepForms->isChecked();
    m_options->keepNotes = ui->fld_KeepNotes->isChecked();
    m_options->includeSelfBusinessData = ui->fld_bIncludeSFD->isChecked();
    m_options->copyAllData = ui->fld_iCopyData_1->isChecked();
    m_options->makeCoupled = ui->fld_bMakeCoupled->isChecked();
    accept();
}

// A single prior-year return becomes coupled with the spouse its T1 names, and
// its marital status becomes Married: said before, refused without a spouse.
bool DlgImportOption_Info::confirmMakeCoupled()
{
    if (!m_prior || m_prior->isCoupled())
        return true;
    const IndividualTaxData *self = m_prior->self();
    const QString spouse = (self->spouseFirstName().trimmed() + QLatin1Char(' ') + self->spouseLastName().trimmed())
                               .trimmed();
    if (spouse.isEmpty() && self->spouseSin().trimmed().isEmpty()) {
        gMsgInformation(tr("The prior year's return names no spouse or common-law partner (no name or S.I.N. on its "
                           "T1), so no coupled return can be made from it.\n\nClear \"Change prior year's return "
                           "from un-coupled to coupled return\" to import it as a single return."),
                        this);
        return false;
    }
    const QString who = spouse.isEmpty() ? tr("(named by S.I.N. only)") : spouse;
    return gMsgYesNo(tr("A return is made for the spouse or common-law partner %1 from the prior year's T1, and the "
                        "marital status becomes Married: check it on both T1 pages after the import.\n\n"
                        "Import as a coupled return?")
                         .arg(who),
                     this);
}

void DlgImportOption_Info::on_btnCancel_clicked()
{
    reject();
}
