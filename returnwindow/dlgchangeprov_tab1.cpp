#include "dlgchangeprov_tab1.h"
#include "ui_dlgchangeprov_tab1.h"
#include "datadlgchangeprov.h"

DlgChangeProv_tab1::DlgChangeProv_tab1(CWSBaseData *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::DlgChangeProv_tab1)
{
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
}

DlgChangeProv_tab1::~DlgChangeProv_tab1()
{
    delete ui;
}

void DlgChangeProv_tab1::bindFields(CWSBaseData *data)
{
    auto *d = static_cast<DataDlgChangeProv *>(data);
    ui->fld_NewTaxProv->LoadProvs();
    bindCombo(ui->fld_NewTaxProv, &d->fld_NewTaxProv);
    bindRadio(ui->fld_ChgBoth, &d->fld_ChgBoth);
}

bool DlgChangeProv_tab1::validatePage()
{
    PutDataToDoc();
    return static_cast<DataDlgChangeProv *>(data())->fld_NewTaxProv.value() > 0;
}
