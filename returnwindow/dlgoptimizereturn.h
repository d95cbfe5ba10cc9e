#pragma once
#include <QDialog>

class CReturnFile;
class DataShareAmtDlg;
namespace Ui {
class DlgOptimizeReturn;
}

// The couple's results after the optimiser ran on a scratch copy, with sliders
// to try other pension splits and donation allocations on that copy.
// "Set T1032 and Close" accepts: the window then writes m_bestPensionSplit.
class DlgOptimizeReturn : public QDialog
{
    Q_OBJECT
public:
    DlgOptimizeReturn(CReturnFile *returnFile, DataShareAmtDlg *shares, QWidget *parent = nullptr);
    ~DlgOptimizeReturn() override;

    double m_bestPensionSplit = 0.0;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_btnOptimize_clicked();
    void on_btnClose_clicked();
    void on_btnReCalc();
    void onSliderPensionChanged(int position);
    void onSliderDonationChanged(int position);

private:
    void showValues();
    void applySplit();
    bool hasPensionSplit() const;

    Ui::DlgOptimizeReturn *ui;
    CReturnFile *m_returnFile;
    DataShareAmtDlg *m_shares;
    double m_maxPension = 0.0;
    double m_totalDonation = 0.0;
    double m_pensionSplit = 0.0;
    double m_donation1 = 0.0;
    double m_bestDonation1 = 0.0;
};
