#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class NewReturnBasic_FormOption;
}

// New Return wizard, page 2: the schedules and forms to put into the new return.
class NewReturnBasic_FormOption : public PpgWizardPage
{
    Q_OBJECT
public:
    NewReturnBasic_FormOption(CWSBaseData *data, CTaxData_Form *form, QWidget *parent = nullptr);
    ~NewReturnBasic_FormOption() override;

    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

private:
    Ui::NewReturnBasic_FormOption *ui;
};
