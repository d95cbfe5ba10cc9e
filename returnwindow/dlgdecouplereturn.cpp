#include "dlgdecouplereturn.h"
#include "ui_dlgdecouplereturn.h"
#include "creturnfile.h"
#include "individualtaxdata.h"

DlgDeCoupleReturn::DlgDeCoupleReturn(CReturnFile *returnFile, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgDeCoupleReturn), m_returnFile(returnFile)
{
    ui->setupUi(this);
    QString name;
    returnFile->self()->getTaxpayerText(17, name);
    ui->comboBox->addItem(QIcon(), name);
    name.clear();
    returnFile->spouse()->getTaxpayerText(17, name);
    ui->comboBox->addItem(QIcon(), name);
    ui->comboBox->setCurrentIndex(0);
}

DlgDeCoupleReturn::~DlgDeCoupleReturn()
{
    delete ui;
}

void DlgDeCoupleReturn::on_buttonBox_accepted()
{
    if (m_beforeSplit)
        m_beforeSplit();
    if (ui->comboBox->currentIndex() != 0)
        m_returnFile->keepSpouseAsSelf();
    else
        m_returnFile->keepSelfOnly();
}
