#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class AFR_Option;
}

// Everything, or only the ticked kinds of slips and amounts. Made on a
// DataAFR, whose fill option it sets to "all".
class AFR_Option : public PpgWizardPage
{
    Q_OBJECT
public:
    AFR_Option(CWSBaseData *data, QWidget *parent = nullptr);
    ~AFR_Option() override;

    // Stays on the page unless the fill option is 0 or 1.
    bool validatePage() override;
    void bindFields(CWSBaseData *data) override;

private:
    Ui::AFR_Option *ui;
};
