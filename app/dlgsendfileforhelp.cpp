#include "dlgsendfileforhelp.h"
#include "tabwndapp.h"
#include "ui_dlgsendfileforhelp.h"
#include "utils.h"

DlgSendFileForHelp::DlgSendFileForHelp(QWidget *parent) : QDialog(parent), ui(new Ui::DlgSendFileForHelp)
{
    ui->setupUi(this);
}

DlgSendFileForHelp::~DlgSendFileForHelp()
{
    delete ui;
}

void DlgSendFileForHelp::accept()
{
    m_email = ui->edtEmail->text().trimmed();
    if (!checkEmail(m_email)) {
        showInformation(tr("please enter a valid email address."), this);
        return;
    }
    m_message = ui->edtMsg->toPlainText();
    QDialog::accept();
}
