#pragma once
#include "cstring.h"
#include <QDialog>

class CReturnFile;
class QLabel;
class QLineEdit;
class QSlider;
namespace Ui {
class DlgTaxPlanning;
}

// What-if calculator for the current person of a scratch copy of the return:
// an RRSP contribution, a donation, an income item and a deduction item set
// with sliders, and the results before and after.
class DlgTaxPlanning : public QDialog
{
    Q_OBJECT
public:
    DlgTaxPlanning(CReturnFile *returnFile, QWidget *parent = nullptr);
    ~DlgTaxPlanning() override;

private slots:
    void onLineEditFinished();
    void onSliderRRSPChanged(int position);
    void onSliderDonationChanged(int position);
    void onSliderIncomeChanged(int position);
    void onSliderDeductionChanged(int position);

private:
    struct Row
    {
        QLineEdit *maxEdit;
        QSlider *slider;
        QLabel *current;
        double *amount;
        double *maximum;
    };
    void initValues();
    void applyWhatIf();
    void showAfterResult();
    void resultLines(QLabel *own, QLabel *other, QLabel *family) const;
    void sliderMoved(const Row &row, int position);
    Row row(int i);

    Ui::DlgTaxPlanning *ui;
    CReturnFile *m_returnFile;
    double m_rrspMax = 0.0;
    double m_donationMax = 0.0;
    double m_incomeMax = 0.0;
    double m_deductionMax = 0.0;
    double m_rrsp = 0.0;
    double m_donation = 0.0;
    double m_income = 0.0;
    double m_deduction = 0.0;
    bool m_coupled = false;
    CString m_name1;
    CString m_name2;
};
