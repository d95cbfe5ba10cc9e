#include "shareamtdlg_tab1.h"
#include "ui_shareamtdlg_tab1.h"
#include "creturnfile.h"
#include "datashareamtdlg.h"
#include "individualtaxdata.h"

ShareAmtDlg_tab1::ShareAmtDlg_tab1(CWSBaseData *data, CReturnFile *returnFile, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::ShareAmtDlg_tab1), m_returnFile(returnFile)
{
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
}

ShareAmtDlg_tab1::~ShareAmtDlg_tab1()
{
    delete ui;
}

void ShareAmtDlg_tab1::bindFields(CWSBaseData *data)
{
    auto *d = static_cast<DataShareAmtDlg *>(data);
    bindFloatDisplay(ui->fld_BankInterest_1_Claimed, &d->fld_BankInterest_1_Claimed);
    bindFloat(ui->fld_BankInterest_1, &d->fld_BankInterest_1);
    bindFloatDisplay(ui->fld_BankInterest_2_Claimed, &d->fld_BankInterest_2_Claimed);
    bindFloat(ui->fld_BankInterest_2, &d->fld_BankInterest_2);
    bindFloat(ui->fld_BankInterest_3, &d->fld_BankInterest_3);
    bindFloatDisplay(ui->fld_Donation_1_Claimed, &d->fld_Donation_1_Claimed);
    bindFloat(ui->fld_Donation_1, &d->fld_Donation_1);
    bindFloatDisplay(ui->fld_Donation_2_Claimed, &d->fld_Donation_2_Claimed);
    bindFloat(ui->fld_Donation_2, &d->fld_Donation_2);
    bindFloat(ui->fld_Donation_3, &d->fld_Donation_3);
    bindFloatDisplay(ui->fld_CapGain_1_Claimed, &d->fld_CapGain_1_Claimed);
    bindFloat(ui->fld_CapGain_1, &d->fld_CapGain_1);
    bindFloatDisplay(ui->fld_CapGain_2_Claimed, &d->fld_CapGain_2_Claimed);
    bindFloat(ui->fld_CapGain_2, &d->fld_CapGain_2);
    bindFloat(ui->fld_CapGain_3, &d->fld_CapGain_3);
    bindFloatDisplay(ui->fld_Pension_1_Claimed, &d->fld_Pension_1_Claimed);
    bindFloatDisplay(ui->fld_Pension_1, &d->fld_Pension_1);
    bindFloatDisplay(ui->fld_Pension_2_Claimed, &d->fld_Pension_2_Claimed);
    bindFloatDisplay(ui->fld_Pension_2, &d->fld_Pension_2);
}

void ShareAmtDlg_tab1::showEvent(QShowEvent *event)
{
    PpgWizardPage::showEvent(event);
    QString name;
    m_returnFile->self()->getTaxpayerText(17, name);
    ui->FullName1->setText(name);
    name.clear();
    m_returnFile->spouse()->getTaxpayerText(17, name);
    ui->FullName2->setText(name);
}

// Values reach the record as each editor's editing finishes.
bool ShareAmtDlg_tab1::validatePage()
{
    return true;
}
