#pragma once
#include "ppgwizardpage.h"

class DataNewReturnBasic;
namespace Ui {
class NewReturnBasic_Spouse;
}

// New Return wizard, page 1: the spouse's identity and whether to make a coupled return.
class NewReturnBasic_Spouse : public PpgWizardPage
{
    Q_OBJECT
public:
    NewReturnBasic_Spouse(CWSBaseData *data, CTaxData_Form *form, QWidget *parent = nullptr);
    ~NewReturnBasic_Spouse() override;

    void initializePage() override;
    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

private:
    Ui::NewReturnBasic_Spouse *ui;
    DataNewReturnBasic *m_record;
};
