#include "dlgsendfileforhelp.h"
#include "tabwndapp.h"
#include "ui_dlgsendfileforhelp.h"
#include "utils.h"
#include <QRegularExpression>

DlgSendFileForHelp::DlgSendFileForHelp(QWidget *parent) : QDialog(parent), ui(new Ui::DlgSendFileForHelp)
{
    ui->setupUi(this);
}

DlgSendFileForHelp::~DlgSendFileForHelp()
{
    delete ui;
}

namespace {
// The whole text, blanks included, is one address with a top-level domain of 2 to 4 letters.
bool isHelpAddress(const QString &text)
{
    static const QRegularExpression address(
        QStringLiteral("\\A\\b[A-Z0-9._%+-]+@[A-Z0-9.-]+\\.[A-Z]{2,4}\\b\\z"),
        QRegularExpression::CaseInsensitiveOption);
    return address.match(text).hasMatch();
}
} // namespace

void DlgSendFileForHelp::accept()
{
    m_email = ui->edtEmail->text();
    if (!isHelpAddress(m_email)) {
        showInformation(tr("please enter a valid email address."), this);
        return;
    }
    m_message = ui->edtMsg->toPlainText();
    QDialog::accept();
}
