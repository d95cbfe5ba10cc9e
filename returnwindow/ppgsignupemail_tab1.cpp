#include "ppgsignupemail_tab1.h"
#include "ui_ppgsignupemail_tab1.h"
#include "datappgsignupemail.h"

PpgSignupEmail_tab1::PpgSignupEmail_tab1(CWSBaseData *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::PpgSignupEmail_tab1)
{
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
}

PpgSignupEmail_tab1::~PpgSignupEmail_tab1()
{
    delete ui;
}

void PpgSignupEmail_tab1::bindFields(CWSBaseData *data)
{
    bindRadio(ui->fld_signup, &static_cast<DataPpgSignupEmail *>(data)->fld_signup);
}

bool PpgSignupEmail_tab1::validatePage()
{
    PutDataToDoc();
    return unsigned(static_cast<DataPpgSignupEmail *>(data())->fld_signup.value()) <= 1u;
}
