#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class PpgSignupEmail_tab1;
}

// Asks whether the taxpayer signs up for the CRA's online mail.
class PpgSignupEmail_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    PpgSignupEmail_tab1(CWSBaseData *data, QWidget *parent = nullptr);
    ~PpgSignupEmail_tab1() override;

    // Refused until one of the two choices is made.
    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

private:
    Ui::PpgSignupEmail_tab1 *ui;
};
