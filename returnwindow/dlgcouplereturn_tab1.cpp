#include "dlgcouplereturn_tab1.h"
#include "ui_dlgcouplereturn_tab1.h"
#include "messages.h"
#include "tabwndapp.h"
#include <QFileDialog>
#include <QFileInfo>

DlgCoupleReturn_tab1::DlgCoupleReturn_tab1(TabWndApp *app, QWidget *parent)
    : PpgWizardPage(nullptr, nullptr, parent), m_app(app), ui(new Ui::DlgCoupleReturn_tab1)
{
    ui->setupUi(this);
}

DlgCoupleReturn_tab1::~DlgCoupleReturn_tab1()
{
    delete ui;
}

void DlgCoupleReturn_tab1::bindFields(CWSBaseData *)
{
}

// The choice changes neither remembered folder.
QString DlgCoupleReturn_tab1::chooseFile()
{
    const QString start = !m_app->LastOpenPath.isEmpty() ? QString(m_app->LastOpenPath)
                                                         : QString(m_app->config().RetPath);
    return QFileDialog::getOpenFileName(this, tr("Open Return File"), start,
                                        QStringLiteral("*.r24 Return files (*.r24);;All files (*.*)"));
}

void DlgCoupleReturn_tab1::on_btnBtn1_clicked()
{
    const QString path = chooseFile();
    if (!path.isEmpty())
        ui->fld_Filename1->setText(path);
}

void DlgCoupleReturn_tab1::on_btnBtn2_clicked()
{
    const QString path = chooseFile();
    if (!path.isEmpty())
        ui->fld_Filename2->setText(path);
}

bool DlgCoupleReturn_tab1::validatePage()
{
    m_path1 = ui->fld_Filename1->text();
    m_path2 = ui->fld_Filename2->text();
    if (QFileInfo(m_path1).isFile() && QFileInfo(m_path2).isFile())
        return true;
    gMsgInformation(tr("Please make sure both return files exist in the given file path"),
                    m_app ? m_app->mainWidget() : nullptr);
    return false;
}
