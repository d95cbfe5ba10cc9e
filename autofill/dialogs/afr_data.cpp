#include "afr_data.h"
#include "ui_afr_data.h"

AFR_Data::AFR_Data(const QString &html, QWidget *parent)
    : PpgWizardPage(nullptr, nullptr, parent), ui(new Ui::AFR_Data), htmlText(html)
{
    ui->setupUi(this);
    ui->txtTaxData->appendHtml(htmlText);
}

AFR_Data::~AFR_Data()
{
    delete ui;
}
