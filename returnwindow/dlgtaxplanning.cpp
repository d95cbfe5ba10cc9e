#include "dlgtaxplanning.h"
#include "waitcursor.h"
#include "ui_dlgtaxplanning.h"
#include "creturnfile.h"
#include "individualtaxdata.h"
#include "taxdata_sch7.h"
#include "taxdata_sch9.h"
#include "taxdata_t1new.h"
#include <QApplication>
#include <climits>

namespace {
QString wholeDollars(double v)
{
    return QStringLiteral("%1").arg(v, 0, 'f', 0);
}
} // namespace

DlgTaxPlanning::DlgTaxPlanning(CReturnFile *returnFile, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgTaxPlanning), m_returnFile(returnFile)
{
    ui->setupUi(this);
    setWindowTitle(tr("Tax Planning"));
    for (QLineEdit *e : {ui->edtRRSPMax, ui->edtDonationMax, ui->edtIncomeMax, ui->edtDeductionMax})
        connect(e, &QLineEdit::editingFinished, this, &DlgTaxPlanning::onLineEditFinished);
    connect(ui->sldRRSP, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderRRSPChanged);
    connect(ui->sldDonation, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderDonationChanged);
    connect(ui->sldIncome, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderIncomeChanged);
    connect(ui->sldDeduction, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderDeductionChanged);
    initValues();
    onLineEditFinished();
}

DlgTaxPlanning::~DlgTaxPlanning()
{
    delete ui;
}

DlgTaxPlanning::Row DlgTaxPlanning::row(int i)
{
    switch (i) {
    case 0: return {ui->edtRRSPMax, ui->sldRRSP, ui->lblCurRRSP, &m_rrsp, &m_rrspMax};
    case 1: return {ui->edtDonationMax, ui->sldDonation, ui->lblCurDonation, &m_donation, &m_donationMax};
    case 2: return {ui->edtIncomeMax, ui->sldIncome, ui->lblCurIncome, &m_income, &m_incomeMax};
    default: return {ui->edtDeductionMax, ui->sldDeduction, ui->lblCurDeduction, &m_deduction, &m_deductionMax};
    }
}

// "name - summary" lines of the current person and, when coupled, of the other person and the couple.
void DlgTaxPlanning::resultLines(QLabel *own, QLabel *other, QLabel *family) const
{
    const QString line = QStringLiteral("%1 - %2");
    IndividualTaxData *me = m_returnFile->currentPerson();
    own->setText(line.arg(m_name1, me ? QString(me->resultSummaryLine()) : QString()));
    IndividualTaxData *partner = m_coupled ? m_returnFile->otherPerson() : nullptr;
    if (!partner) {
        other->clear();
        family->clear();
        return;
    }
    other->setText(line.arg(m_name2, QString(partner->resultSummaryLine())));
    family->setText(line.arg(tr("Family Result"), m_returnFile->statusText()));
}

void DlgTaxPlanning::initValues()
{
    m_coupled = m_returnFile->isCoupled();
    IndividualTaxData *me = m_returnFile->currentPerson();
    QString name;
    if (me)
        me->getTaxpayerText(17, name);
    m_name1 = name;
    if (m_coupled) {
        name.clear();
        if (IndividualTaxData *other = m_returnFile->otherPerson())
            other->getTaxpayerText(17, name);
        m_name2 = name;
    }
    resultLines(ui->lblResult1_2, ui->lblResult2_2, ui->lblResult3_2);
    if (auto *sch7 = me ? dynamic_cast<TaxData_Sch7 *>(me->getForm(7, 0, false)) : nullptr) {
        m_rrspMax = sch7->maximumValue();
        m_rrsp = sch7->startingValue();
    }
    ui->edtRRSPMax->setText(wholeDollars(m_rrspMax));
    if (auto *sch9 = me ? dynamic_cast<TaxData_Sch9 *>(me->getForm(9, 0, false)) : nullptr)
        m_donationMax = m_donation = sch9->donationsClaimed();
    ui->edtDonationMax->setText(wholeDollars(m_donationMax));
    showAfterResult();
}

void DlgTaxPlanning::onLineEditFinished()
{
    for (int i = 0; i < 4; ++i) {
        const Row r = row(i);
        bool ok = false;
        double maximum = r.maxEdit->text().trimmed().toDouble(&ok);
        // not a number reads as 0; the slider holds ints only
        if (!ok || !(maximum > 0.0))
            maximum = 0.0;
        maximum = qMin(maximum, double(INT_MAX));
        *r.maximum = maximum;
        r.maxEdit->setText(wholeDollars(maximum));
        if (*r.amount > maximum)
            *r.amount = maximum;
        r.slider->setRange(0, int(maximum));
        r.slider->setValue(int(*r.amount));
    }
}

void DlgTaxPlanning::sliderMoved(const Row &r, int position)
{
    *r.amount = position;
    r.current->setText(wholeDollars(*r.amount));
    applyWhatIf();
}

void DlgTaxPlanning::onSliderRRSPChanged(int position) { sliderMoved(row(0), position); }
void DlgTaxPlanning::onSliderDonationChanged(int position) { sliderMoved(row(1), position); }
void DlgTaxPlanning::onSliderIncomeChanged(int position) { sliderMoved(row(2), position); }
void DlgTaxPlanning::onSliderDeductionChanged(int position) { sliderMoved(row(3), position); }

void DlgTaxPlanning::applyWhatIf()
{
    IndividualTaxData *me = m_returnFile->currentPerson();
    TaxData_T1New *t1 = me ? me->t1() : nullptr;
    if (!t1)
        return;
    WaitCursor wait;
    if (auto *sch7 = dynamic_cast<TaxData_Sch7 *>(me->getForm(7, 0, true))) {
        sch7->setPlan(m_rrspMax, m_rrsp, false);
        m_returnFile->recalculate(1, sch7);
    }
    // a donation moved back to 0 is planned as 0, not left at its last value
    if (auto *sch9 = dynamic_cast<TaxData_Sch9 *>(me->getForm(9, 0, m_donation > 0))) {
        sch9->setPlan(m_donation, false);
        m_returnFile->recalculate(1, sch9);
    }
    t1->setAmount(TaxData_T1New::F_PlanIncome, m_income);
    t1->setAmount(TaxData_T1New::F_PlanDeduction, m_deduction);
    m_returnFile->recalculate(1, t1);
    showAfterResult();
}

void DlgTaxPlanning::showAfterResult()
{
    resultLines(ui->lblResult1_1, ui->lblResult2_1, ui->lblResult3_1);
}
