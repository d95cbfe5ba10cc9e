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
    void *parent = m_app ? m_app->mainWidget() : nullptr;
    const QFileInfo first(m_path1), second(m_path2);
    if (!first.isFile() || !second.isFile()) {
        gMsgInformation(tr("Please make sure both return files exist in the given file path"), parent);
        return false;
    }
    // one file named twice (also through a link) would make the spouse a copy of self
    if (first.canonicalFilePath() == second.canonicalFilePath()) {
        gMsgInformation(tr("Please choose two different return files for coupling"), parent);
        return false;
    }
    return true;
}
