#include "afr_message.h"
#include "ui_afr_message.h"

AFR_Message::AFR_Message(CWSBaseData *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::AFR_Message)
{
    ui->setupUi(this);
}

AFR_Message::~AFR_Message()
{
    delete ui;
}
