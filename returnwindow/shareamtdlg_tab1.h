#pragma once
#include "ppgwizardpage.h"

class CReturnFile;
namespace Ui {
class ShareAmtDlg_tab1;
}

// "Identify Shareable Amounts": what each spouse claims and may share of bank
// interest, donations, capital gains and the pension split.
class ShareAmtDlg_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    ShareAmtDlg_tab1(CWSBaseData *data, CReturnFile *returnFile, QWidget *parent = nullptr);
    ~ShareAmtDlg_tab1() override;

    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::ShareAmtDlg_tab1 *ui;
    CReturnFile *m_returnFile;
};
