#include "newreturnbasic_tab1.h"
#include "ui_newreturnbasic_tab1.h"
#include "datanewreturnbasic.h"
#include "datafields.h"
#include "newreturnbasic_util.h"
#include "fieldvalidator.h"
#include "utils.h"

namespace {
// A complete S.I.N. whose check digit is wrong is flagged; the wizard still finishes.
void flagSin(QLineEdit *edit)
{
    const QString sin = FieldValidator::normalised(FieldValidator::Sin, edit->text());
    const bool wrong = sin.size() == 9 && !CheckSIN(sin);
    const QString message = wrong ? QObject::tr("The S.I.N. check digit is wrong: verify the number") : QString();
    edit->setProperty("inputMessage", message);
    edit->setToolTip(message);
    edit->setStyleSheet(wrong ? QStringLiteral("QLineEdit {border: 2px solid #E6A100; background: #FFF8E1;}")
                              : QString());
}
} // namespace

NewReturnBasic_tab1::NewReturnBasic_tab1(CWSBaseData *data, CTaxData_Form *form, QWidget *parent)
    : PpgWizardPage(data, form, parent), ui(new Ui::NewReturnBasic_tab1),
      m_record(static_cast<DataNewReturnBasic *>(data))
{
    ui->setupUi(this);
    bindFields(data);
    GetDataFromDoc();
    ui->fld_sin->setValidator(new FieldValidator(FieldValidator::Sin, ui->fld_sin));
    connect(ui->fld_sin, &QLineEdit::textChanged, this, [this] { flagSin(ui->fld_sin); });
    flagSin(ui->fld_sin);
}

NewReturnBasic_tab1::~NewReturnBasic_tab1()
{
    delete ui;
}

void NewReturnBasic_tab1::bindFields(CWSBaseData *data)
{
    auto *d = static_cast<DataNewReturnBasic *>(data);
    bindString(ui->fld_FirstName, &d->fld_FirstName);
    bindString(ui->fld_LastName, &d->fld_LastName);
    bindString(ui->fld_sin, &d->fld_sin);
    bindDate(ui->fld_dob, &d->fld_dob);
    bindCombo(ui->fld_TaxPronv, &d->fld_TaxPronv);
    bindRadio(ui->fld_MaritalStatus, &d->fld_MaritalStatus);
    ui->fld_TaxPronv->LoadProvs();
}

bool NewReturnBasic_tab1::validatePage()
{
    PpgWizardPage::validatePage();
    return !CStringField::IsEmptyIfRemoveBlank(m_record->fld_LastName.value())
        && acceptNewReturnProvince(m_record->fld_TaxPronv.value(), this);
}

int NewReturnBasic_tab1::nextId() const
{
    return m_record->hasSpouse() ? 1 : 2;
}
