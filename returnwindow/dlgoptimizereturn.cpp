#include "dlgoptimizereturn.h"
#include "waitcursor.h"
#include "ui_dlgoptimizereturn.h"
#include "creturnfile.h"
#include "datashareamtdlg.h"
#include "individualtaxdata.h"
#include "taxdata_sch9.h"
#include "taxdata_t1032_new.h"
#include <QApplication>
#include <QSignalBlocker>
#include <climits>

namespace {
using T1032 = TaxData_T1032_New;

QString amountText(double v)
{
    return QStringLiteral("%1").arg(v, 0, 'f', 2);
}

int sliderPosition(double v)
{
    return int(qBound(0.0, v, double(INT_MAX)));
}

T1032 *t1032Of(IndividualTaxData *p)
{
    return dynamic_cast<T1032 *>(p->getForm(118, 0, false));
}

TaxData_Sch9 *sch9Of(IndividualTaxData *p)
{
    return dynamic_cast<TaxData_Sch9 *>(p->getForm(9, 0, true));
}
} // namespace

DlgOptimizeReturn::DlgOptimizeReturn(CReturnFile *returnFile, DataShareAmtDlg *shares, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgOptimizeReturn), m_returnFile(returnFile), m_shares(shares)
{
    m_maxPension = shares->fld_Pension_1.value();
    m_totalDonation = shares->fld_Donation_1.value() + shares->fld_Donation_2.value() + shares->fld_Donation_3.value();
    // the T1032s are never made here: a split the real return cannot hold is never shown
    if (hasPensionSplit())
        m_pensionSplit = m_bestPensionSplit = t1032Of(returnFile->self())->amount(T1032::F_SplitAmount);
    // the optimiser's own allocation, which "Re-Calculate" restores
    TaxData_Sch9 *mine = sch9Of(returnFile->self());
    TaxData_Sch9 *theirs = sch9Of(returnFile->spouse());
    if (mine && theirs)
        m_donation1 = m_bestDonation1 = shares->fld_Donation_1.value() + mine->donationAdjustment();
    ui->setupUi(this);
    setWindowTitle(tr("Optimize Tax Return"));
    connect(ui->sldPensionSplit, &QSlider::valueChanged, this, &DlgOptimizeReturn::onSliderPensionChanged);
    connect(ui->sldDonation, &QSlider::valueChanged, this, &DlgOptimizeReturn::onSliderDonationChanged);
    connect(ui->btnReCalc, &QPushButton::clicked, this, &DlgOptimizeReturn::on_btnReCalc);
}

DlgOptimizeReturn::~DlgOptimizeReturn()
{
    delete ui;
}

bool DlgOptimizeReturn::hasPensionSplit() const
{
    return t1032Of(m_returnFile->self()) && t1032Of(m_returnFile->spouse());
}

void DlgOptimizeReturn::showEvent(QShowEvent *)
{
    QString name;
    m_returnFile->self()->getTaxpayerText(17, name);
    for (QLabel *l : {ui->lblName1, ui->lblFullName1, ui->lblBestFullName1})
        l->setText(name);
    name.clear();
    m_returnFile->spouse()->getTaxpayerText(17, name);
    for (QLabel *l : {ui->lblName2, ui->lblFullName2, ui->lblBestFullName2})
        l->setText(name);
    // the best lines are the optimiser's state, read before anything moves
    ui->lblBestResultTitle->setText(tr("Best Result: pension split = [%1]").arg(amountText(m_bestPensionSplit)));
    ui->lblBestResult1->setText(m_returnFile->self()->resultSummaryLine());
    ui->lblBestResult2->setText(m_returnFile->spouse()->resultSummaryLine());
    ui->lblFamilyBest->setText(m_returnFile->statusText());

    ui->lblMaxPension->setText(amountText(m_maxPension));
    ui->lblMaxDonation->setText(amountText(m_totalDonation));
    {
        const QSignalBlocker pension(ui->sldPensionSplit);
        const QSignalBlocker donation(ui->sldDonation);
        ui->sldPensionSplit->setRange(0, sliderPosition(m_maxPension));
        ui->sldDonation->setRange(0, sliderPosition(m_totalDonation));
    }
    ui->sldPensionSplit->setEnabled(hasPensionSplit());
    showValues();
}

void DlgOptimizeReturn::showValues()
{
    {
        const QSignalBlocker pension(ui->sldPensionSplit);
        const QSignalBlocker donation(ui->sldDonation);
        ui->sldPensionSplit->setValue(sliderPosition(m_pensionSplit));
        ui->sldDonation->setValue(sliderPosition(m_donation1));
    }
    ui->edtPension->setText(amountText(m_pensionSplit));
    ui->edtDonation1->setText(amountText(m_donation1));
    ui->edtDonation2->setText(amountText(m_totalDonation - m_donation1));
    ui->lblResult1->setText(m_returnFile->self()->resultSummaryLine());
    ui->lblResult2->setText(m_returnFile->spouse()->resultSummaryLine());
    ui->lblFamilyResult->setText(m_returnFile->statusText());
}

void DlgOptimizeReturn::applySplit()
{
    TaxData_Sch9 *mine = sch9Of(m_returnFile->self());
    TaxData_Sch9 *theirs = sch9Of(m_returnFile->spouse());
    if (mine && theirs) {
        mine->setDonationAdjustment(m_donation1 - m_shares->fld_Donation_1.value());
        theirs->setDonationAdjustment(m_totalDonation - m_donation1 - m_shares->fld_Donation_2.value());
        m_returnFile->recalculate(1, mine);
    }
    T1032 *a = t1032Of(m_returnFile->self());
    T1032 *b = t1032Of(m_returnFile->spouse());
    if (a && b) {
        a->setAmount(T1032::F_SplitAmount, m_pensionSplit);
        b->setAmount(T1032::F_SplitAmount, m_pensionSplit);
        m_returnFile->recalculate(1, a);
    }
}

void DlgOptimizeReturn::onSliderPensionChanged(int position)
{
    WaitCursor wait;
    m_pensionSplit = position;
    applySplit();
    showValues();
}

void DlgOptimizeReturn::onSliderDonationChanged(int position)
{
    WaitCursor wait;
    m_donation1 = position;
    applySplit();
    showValues();
}

void DlgOptimizeReturn::on_btnReCalc()
{
    WaitCursor wait;
    m_donation1 = m_bestDonation1;
    m_pensionSplit = m_bestPensionSplit;
    applySplit();
    showValues();
}

void DlgOptimizeReturn::on_btnOptimize_clicked()
{
    accept();
}

void DlgOptimizeReturn::on_btnClose_clicked()
{
    reject();
}
