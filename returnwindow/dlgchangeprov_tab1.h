#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class DlgChangeProv_tab1;
}

// The one page of the "Change Tax Province" wizard: the new province and, for
// a coupled return, whether both persons move.
class DlgChangeProv_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    DlgChangeProv_tab1(CWSBaseData *data, QWidget *parent = nullptr);
    ~DlgChangeProv_tab1() override;

    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

private:
    Ui::DlgChangeProv_tab1 *ui;
};
