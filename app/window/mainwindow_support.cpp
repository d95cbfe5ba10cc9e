// The main window's commands that reach outside the return: the support upload,
// Auto-fill and the notice of assessment, and the information boxes.
#include "dlgmsgwithlink.h"
#include "dlgsendfileforhelp.h"
#include "dlgtddmain.h"
#include "form_return.h"
#include "mainwindow.h"
#include "serviceswitches.h"
#include "qwebclient.h"
#include "serverdefaults.h"
#include "tabwndapp.h"
#include "utils.h"
#include <QFileInfo>

namespace {
const char kReleaseStamp[] = "20260525";
const char kSupportUploadPath[] = "/php/fileupload2.php";

QString editionName()
{
    return appEdition == 2 ? QStringLiteral("Brackenquill 2024 for NetFile")
                           : QStringLiteral("Brackenquill 2024 for EFile");
}

QString makerPage(const char *path)
{
    return QStringLiteral("https://%1%2").arg(QLatin1String(kBrackenquillWebServer), QLatin1String(path));
}

// The program's own build stamp, e.g. "May 25 2026" and "16:30:40".
QString buildDate()
{
    return QString::fromLatin1(__DATE__).simplified();
}

QString buildTime()
{
    return QString::fromLatin1(__TIME__);
}
} // namespace

void MainWindow::showMessageWithLink(const QString &title, const QString &msg1, const QString &msg2,
                                     const QString &link)
{
    DlgMsgWithLink dlg(title, this);
    dlg.setMsg1(msg1);
    dlg.setMsg2(msg2);
    dlg.setLink(link);
    dlg.exec();
}

// ---- support upload

QString MainWindow::supportUploadUrl() const
{
    const QString host = m_app && !m_app->config().PrintServer.isEmpty()
        ? QString(m_app->config().PrintServer)
        : QString::fromLatin1(serverDefaults(false).printServer);
    return QStringLiteral("https://%1%2").arg(host, QLatin1String(kSupportUploadPath));
}

bool MainWindow::uploadFileForHelp(const QString &url, const QString &path, const QString &email,
                                   const QString &message, const QString &uploaded)
{
    const QString uploadName = GetCurTime().toString(QStringLiteral("MMddHHmm-")) + QFileInfo(path).fileName();
    QWebClient client(url, path, uploadName, QStringLiteral("file"));
    client.addQueryItem(QStringLiteral("email"), email);
    client.addQueryItem(QStringLiteral("msg"), message);
    client.addQueryItem(QStringLiteral("path"), path);
    if (!uploaded.isEmpty())
        client.addQueryItem(QStringLiteral("uploaded"), uploaded);
    QString reply;
    return client.post(reply);
}

void MainWindow::onSendReturnFile()
{
    Form_Return *page = committedReturn();
    if (!page || !serviceAvailable(supportUploadAvailable, this))
        return;
    if (!page->hasFile()) {
        showInformation(tr("Please save return to a file first."), this);
        return;
    }
    DlgSendFileForHelp dlg(this);
    dlg.setWindowTitle(tr("Send Return File for Help"));
    if (dlg.exec() != QDialog::Accepted || dlg.email().isEmpty())
        return;

    beginWaitCursor();
    const bool sent = uploadFileForHelp(supportUploadUrl(), page->fullPath(), dlg.email(),
                                        QStringLiteral("%1\n%2").arg(appTitle, dlg.message()));
    endWaitCursor();
    if (sent)
        showInformation(tr("file is sent successfully, we will contact you at ") + dlg.email(), this);
    else
        showInformation(tr("file is NOT sent, please contact us for solution."), this);
}

void MainWindow::onSendLogFile()
{
    if (!serviceAvailable(supportUploadAvailable, this))
        return;
    DlgSendFileForHelp dlg(this);
    dlg.setWindowTitle(tr("Send Log File for Help"));
    if (dlg.exec() != QDialog::Accepted || dlg.email().isEmpty())
        return;
    const QString product = QStringLiteral("Brackenquill 2024");
    const QString logPath = m_app ? QString(m_app->logPath()) : QString();
    beginWaitCursor();
    const bool sent = uploadFileForHelp(supportUploadUrl(), logPath, dlg.email(),
                                        product + QLatin1Char('\n') + dlg.message(), product);
    endWaitCursor();
    if (sent)
        showInformation(tr("file is sent successfully, we will contact you at ") + dlg.email(), this);
    else
        showInformation(tr("file is NOT sent, please contact us for solution."), this);
}

// ---- Auto-fill and the notice of assessment

void MainWindow::startAutoFill(int kind)
{
    if (!serviceAvailable(kind == 1 ? autoFillAvailable : expressNoaAvailable, this))
        return;
    CString sin;
    Form_Return *page = currentReturn();
    if (page)
        page->getTaxpayerText(1, sin);
    QSqlDatabase *database = m_app ? &m_app->dbManager().connection() : nullptr;
    DlgTDDMain dlg(kind == 1 ? 1 : 2, database, &sin, page, this);
    dlg.exec();
}

void MainWindow::on_actionAuto_Fill_AFR_triggered()
{
    startAutoFill(1);
    updateWindowTitle();
}

void MainWindow::on_actionExpress_NOA_triggered()
{
    startAutoFill(0);
}

// ---- information boxes

void MainWindow::actionAbout()
{
    const QString build = tr("Build date: %1 %2").arg(buildDate(), buildTime());
    showMessageWithLink(tr("About ") + editionName(),
                        QStringLiteral("%1 - r%2.\n").arg(build, QLatin1String(kReleaseStamp)), QString(), QString());
}

void MainWindow::on_actionAdd_T5008_slip_triggered()
{
    showMessageWithLink(tr("T5008 Tax Slip Information"), tr("T5008 tax slip is NOT used directly in tax return."),
                        tr("Capital gain is calculated from Schedule 3, you need to enter T5008 data into schedule "
                           "3.\nRead the following FAQ link:"),
                        makerPage("/faq/index.php?action=artikel&cat=3&id=28&artlang=en"));
}

void MainWindow::on_actionFind_Industry_Code_triggered()
{
    showMessageWithLink(tr("Find Industry Code"), tr("Industry code is a 6-digit code."),
                        tr("Find a industry code from the following web link:"),
                        QStringLiteral("https://www.statcan.gc.ca/en/subjects/standard/naics/2022/v1/index"));
}

void MainWindow::on_actionDirect_deposit_form_triggered()
{
    showMessageWithLink(tr("Direct Deposit Form"), tr("Canada direct deposit enrolment form"),
                        tr("Please print a direct deposit from the following web link:"),
                        QStringLiteral("https://www.tpsgc-pwgsc.gc.ca/recgen/txt/depot-deposit-eng.html"));
}

void MainWindow::on_actionUpdate_Brackenquill_triggered()
{
    showMessageWithLink(tr("Update ") + editionName(),
                        tr("To update the program, download it and install it again; a new installation keeps "
                           "your existing return files."),
                        tr("You can download %1 from the following link").arg(editionName()),
                        makerPage(appEdition == 2 ? "/download/netfile2024.html" : "/download/efile2024.html"));
}
