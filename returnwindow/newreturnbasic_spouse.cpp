#include "newreturnbasic_spouse.h"
#include "ui_newreturnbasic_spouse.h"
#include "datanewreturnbasic.h"
#include "newreturnbasic_util.h"
#include "datafields.h"
#include "cmultiprovstaxmgr.h"
#include "messages.h"

NewReturnBasic_Spouse::NewReturnBasic_Spouse(CWSBaseData *data, CTaxData_Form *form, QWidget *parent)
    : PpgWizardPage(data, form, parent), ui(new Ui::NewReturnBasic_Spouse),
      m_record(static_cast<DataNewReturnBasic *>(data))
{
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
}

NewReturnBasic_Spouse::~NewReturnBasic_Spouse()
{
    delete ui;
}

void NewReturnBasic_Spouse::bindFields(CWSBaseData *data)
{
    auto *d = static_cast<DataNewReturnBasic *>(data);
    bindString(ui->fld_FirstNameSpouse, &d->fld_FirstNameSpouse);
    bindString(ui->fld_LastNameSpouse, &d->fld_LastNameSpouse);
    bindBool(ui->fld_Coupled, &d->fld_Coupled);
    bindBool(ui->fld_SpouseNonResident, &d->fld_SpouseNonResident);
    bindString(ui->fld_sinSpouse, &d->fld_sinSpouse);
    bindDate(ui->fld_dobSpouse, &d->fld_dobSpouse);
    ui->fld_TaxPronvSpouse->LoadProvs();
    bindCombo(ui->fld_TaxPronvSpouse, &d->fld_TaxPronvSpouse);
}

void NewReturnBasic_Spouse::initializePage()
{
    PpgWizardPage::initializePage();
    m_record->fld_TaxPronvSpouse = m_record->fld_TaxPronv.value();
    ui->fld_TaxPronvSpouse->SetCurSelData(m_record->fld_TaxPronv.value());
}

bool NewReturnBasic_Spouse::validatePage()
{
    PpgWizardPage::validatePage();
    if (CStringField::IsEmptyIfRemoveBlank(m_record->fld_FirstNameSpouse.value())
        || CStringField::IsEmptyIfRemoveBlank(m_record->fld_LastNameSpouse.value()) || m_record->fld_TaxPronvSpouse.value() == 0)
        return false;
    // a coupled spouse gets a return of its own province, which needs its calculator
    return !m_record->fld_Coupled.value() || acceptNewReturnProvince(m_record->fld_TaxPronvSpouse.value(), this);
}

bool acceptNewReturnProvince(int province, void *parent)
{
    if (province == 0)
        return false;
    if (CMultiProvsTaxMgr::canLoadProvince(province))
        return true;
    gMsgInformation(QObject::tr("Tax Province is not supported!"), parent);
    return false;
}
