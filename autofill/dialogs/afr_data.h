#pragma once
#include "ppgwizardpage.h"

namespace Ui {
class AFR_Data;
}

// The stored report of one download, read-only.
class AFR_Data : public PpgWizardPage
{
    Q_OBJECT
public:
    // html must outlive the page.
    AFR_Data(const QString &html, QWidget *parent = nullptr);
    ~AFR_Data() override;

private:
    Ui::AFR_Data *ui;
    const QString &htmlText;
};
