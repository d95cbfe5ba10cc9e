#include "dlgprintoption_info.h"
#include "printchoices.h"
#include "settingsseam.h"
#include "ui_dlgprintoption_info.h"

DlgPrintOption_Info::DlgPrintOption_Info(bool barcodeAllowed, QWidget *parent)
    : QDialog(parent), m_barcodeAllowed(barcodeAllowed), ui(new Ui::DlgPrintOption_Info)
{
    ui->setupUi(this);
    ui->fld_EngagementCover->hide();
    ui->fld_PrintOption_0->setChecked(true);
    if (!m_barcodeAllowed) {
        ui->fld_PrintOption_1->setEnabled(false);
        ui->fld_PrintOption_1->setText(tr("Condensed print, not applicable"));
    }
    PrintChoices &choices = PrintChoices::current();
    choices.clientLetter = settingsSource()->userSetting(QStringLiteral("PrntClientLetter")).toInt();
    ui->fld_ClientLetter->setChecked(choices.clientLetter != 0);
}

DlgPrintOption_Info::~DlgPrintOption_Info()
{
    delete ui;
}

void DlgPrintOption_Info::on_btnPrint_clicked()
{
    PrintChoices &choices = PrintChoices::current();
    choices.condensedBarcode = ui->fld_PrintOption_1->isChecked();
    choices.currentFormOnly = ui->fld_CurFormOnly->isChecked();
    choices.clientLetter = ui->fld_ClientLetter->isChecked() ? 1 : 0;
    choices.fullSin = ui->fld_FullSIN->isChecked();
    choices.invoice = ui->fld_Invoice->isChecked();
    accept();
}

void DlgPrintOption_Info::on_btnCancel_clicked()
{
    reject();
}
