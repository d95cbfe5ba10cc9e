#include "dlgtddentersin.h"
#include "ui_dlgtddentersin.h"
#include "messages.h"
#include "utils.h"

DlgTDDEnterSin::DlgTDDEnterSin(QList<QByteArray> *list, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgTDDEnterSin), sinList(list)
{
    ui->setupUi(this);
    QLineEdit *edits[10] = {ui->edtSin01, ui->edtSin02, ui->edtSin03, ui->edtSin04, ui->edtSin05,
                            ui->edtSin06, ui->edtSin07, ui->edtSin08, ui->edtSin09, ui->edtSin10};
    for (int i = 0; i < 10; ++i)
        sinEdits[i] = edits[i];
    for (int i = 0; sinList && i < sinList->size() && i < 10; ++i)
        sinEdits[i]->setText(QString::fromLatin1(sinList->at(i)));
    // the button box comes first among the children: start the keyboard in S.I.N. 1
    sinEdits[0]->setFocus();
}

DlgTDDEnterSin::~DlgTDDEnterSin()
{
    delete ui;
}

void DlgTDDEnterSin::accept()
{
    if (!sinList)
        return;
    sinList->clear();
    for (QLineEdit *edit : sinEdits) {
        const QString text = edit->text();
        if (text.isEmpty())
            continue;
        if (!CheckSIN(text)) {
            gMsgInformation(tr("The S.I.N (%1) entered is invalid!").arg(text));
            return;
        }
        sinList->append(text.toUtf8());
    }
    QDialog::accept();
}
