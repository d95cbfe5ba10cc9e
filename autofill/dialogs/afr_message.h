#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class AFR_Message;
}

// What the import leaves to the user.
class AFR_Message : public PpgWizardPage
{
    Q_OBJECT
public:
    AFR_Message(CWSBaseData *data, QWidget *parent = nullptr);
    ~AFR_Message() override;

private:
    Ui::AFR_Message *ui;
};
