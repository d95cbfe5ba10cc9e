#pragma once
#include "ppgwizardpage.h"

class DataNewReturnBasic;
namespace Ui {
class NewReturnBasic_tab1;
}

// New Return wizard, page 0: the taxpayer's identity, province and marital status.
class NewReturnBasic_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    NewReturnBasic_tab1(CWSBaseData *data, CTaxData_Form *form, QWidget *parent = nullptr);
    ~NewReturnBasic_tab1() override;

    bool validatePage() override;
    int nextId() const override;
    void bindFields(CWSBaseData *data) override;

private:
    Ui::NewReturnBasic_tab1 *ui;
    DataNewReturnBasic *m_record;
};
