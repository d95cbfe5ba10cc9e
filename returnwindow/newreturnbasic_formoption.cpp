#include "newreturnbasic_formoption.h"
#include "ui_newreturnbasic_formoption.h"
#include "datanewreturnbasic.h"

NewReturnBasic_FormOption::NewReturnBasic_FormOption(CWSBaseData *data, CTaxData_Form *form, QWidget *parent)
    : PpgWizardPage(data, form, parent), ui(new Ui::NewReturnBasic_FormOption)
{
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
}

NewReturnBasic_FormOption::~NewReturnBasic_FormOption()
{
    delete ui;
}

void NewReturnBasic_FormOption::bindFields(CWSBaseData *data)
{
    auto *d = static_cast<DataNewReturnBasic *>(data);
    bindBool(ui->fld_bSch3, &d->fld_bSch3);
    bindBool(ui->fld_bSch4, &d->fld_bSch4);
    bindBool(ui->fld_bSch6, &d->fld_bSch6);
    bindBool(ui->fld_bSch7, &d->fld_bSch7);
    bindBool(ui->fld_bSch9, &d->fld_bSch9);
    bindBool(ui->fld_bSch11, &d->fld_bSch11);
    bindBool(ui->fld_bSch15, &d->fld_bSch15);
    bindBool(ui->fld_bT776, &d->fld_bT776);
    bindBool(ui->fld_bT2125, &d->fld_bT2125);
    bindBool(ui->fld_bT1DD, &d->fld_bT1DD);
}

bool NewReturnBasic_FormOption::validatePage()
{
    // The boxes write their fields as they change; any choice is acceptable.
    return true;
}
