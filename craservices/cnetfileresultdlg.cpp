#include "cnetfileresultdlg.h"
#include "waitcursor.h"
#include "creturnfile.h"
#include "dlgfilingresult.h"
#include "filingconfig.h"
#include "filingdialogsupport.h"
#include "filingrecorder.h"
#include "filingsenders.h"
#include "messages.h"
#include "ppgafternetfile_tab1.h"
#include "replyparsers.h"
#include "tabwndapp.h"
#include "textandtime.h"
#include "ui_cnetfileresultdlg.h"
#include "utils.h"
#include "wizardbase.h"
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>

namespace {
// The leading integer of the CRA's verification indicator ("0024" is 24); 0 when none.
int leadingInteger(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d+)"));
    const QRegularExpressionMatch m = digits.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString verificationNotice(const QString &cvIndicator)
{
    switch (leadingInteger(cvIndicator)) {
    case 2139:
        return QStringLiteral("(E) 2139 - The CRA is performing pre-assessment verification on this return. "
                              "Supporting documentation may or may not be requested. Please do not submit any "
                              "documentation unless you are asked to do so.");
    case 24:
        return QStringLiteral("(E) 24 - The CRA may perform a verification of this taxpayer's return. If so, the "
                              "processing may be delayed and supporting documentation may be requested. Please do "
                              "not submit any documentation unless you are asked to do so.");
    default:
        return QString();
    }
}
} // namespace

CNetfileResultDlg::CNetfileResultDlg(int mode, CReturnFile *returnFile, bool reFile, const QString &document,
                                     QWidget *parent)
    : QDialog(parent), m_parent(parent), mode(mode), ui(new Ui::CNetfileResultDlg), returnFile(returnFile),
      reFile(reFile ? 1 : 0), returnXml(document)
{
    ui->setupUi(this);
    setWindowTitle(mode == 1 ? tr("EFile Tax Return to CRA") : tr("NetFile Tax Return to CRA"));
}

CNetfileResultDlg::~CNetfileResultDlg()
{
    delete ui;
}

void CNetfileResultDlg::setTexts(const QString &summary, const QString &name)
{
    resultSummary = summary;
    taxpayerName = name;
}

bool CNetfileResultDlg::testMode() const
{
    const TabWndApp *app = TabWndApp::instance();
    return app && app->config().MODEDEBUG;
}

void CNetfileResultDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->edtTestcase->setVisible(testMode());
    QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    ui->lblMsg1->setTextFormat(Qt::PlainText);
    if (mode == 1) {
        ui->lblResult->setText(tr("EFile (by Tax Professional)"));
        ok->setText(tr("EFile Return"));
        ui->lblMsg1->setText(tr("This T1 EFile filing is only for %1").arg(taxpayerName));
    } else {
        ui->lblResult->setText(tr("NetFile (for youself, family member or friend's tax return)"));
        ok->setText(tr("NetFile Return"));
        ui->lblMsg1->setText(tr("This T1 NetFile filing is only for %1").arg(taxpayerName));
    }
    ui->lblResult_2->setTextFormat(Qt::PlainText);
    ui->lblResult_2->setText(resultSummary);
}

void CNetfileResultDlg::on_buttonBox_clicked(QAbstractButton *button)
{
    switch (ui->buttonBox->standardButton(button)) {
    case QDialogButtonBox::Cancel:
        done(0);
        break;
    case QDialogButtonBox::Ok:
        submit();
        done(0);
        break;
    default:
        break;
    }
}

void CNetfileResultDlg::submit()
{
    QString efilerId;
    if (mode == 1) {
        const TabWndApp *app = TabWndApp::instance();
        efilerId = app ? QString(app->config().BusinessEFileNum) : QString();
        const QString password = app ? QString(app->config().BusinessEFilePassword) : QString();
        if (efilerId.isEmpty() || password.isEmpty()) {
            gMsgInformation(tr("Please enter EFiler ID/password and RepID into preference from menu Start | Preference."),
                            this);
            return;
        }
    }
    if (!returnFile || !submitLock.tryLock(0))
        return;
    if (mode == 1)
        efileReturn(efilerId);
    else
        netfileReturn();
    submitLock.unlock();
}

void CNetfileResultDlg::showResult(const QString &title, const QString &overview, const QString &details,
                                   const QString &bottom, const QString &file)
{
    DlgFilingResult dlg(title, this);
    dlg.setResult(overview, details, bottom, file);
    dlg.exec();
}

// Reports the filing through the parent's FilingRecorder; gives the result's
// bottom line: "Check filing log file (n)", and what kept the filing record
// from the e-signature service when it was not sent.
QString CNetfileResultDlg::recordFiling(bool accepted, const QString &confirmation, const QString &message)
{
    auto *recorder = dynamic_cast<FilingRecorder *>(m_parent);
    const FilingRecorder::Result recorded =
        recorder ? recorder->recordFiling(1, accepted, confirmation, message) : FilingRecorder::Result();
    return recorded.belowLine(tr("Check filing log file (%1)").arg(recorded.status));
}

void CNetfileResultDlg::efileReturn(const QString &efilerId)
{
    QMap<QString, QString> vars;
    if (testMode()) {
        testCase = ui->edtTestcase->text();
        if (!testCase.isEmpty())
            vars.insert(QStringLiteral("testid"), testCase);
    }
    returnFile->fillEfileHeaderVars(vars, 1);
    const QString dcn = efilerId + vars.value(QStringLiteral("dcn"));

    TemplateVars envelope = toTemplateVars(vars);
    FilingResult result(1);
    int rc;
    {
        WaitCursor wait;
        rc = sendEfileRequest(envelope, returnXml.toUtf8(), result);
    }
    const CString exchangeLog = efileLogPath(true);
    const CString now = GetCurTime(0);
    if (rc != 0)
        showEfileFailure(rc, result, exchangeLog);
    else if (result.confirmed)
        efileAccepted(result, now);
    else
        efileRejected(result, dcn, now, exchangeLog);
}

// The CRA's end-of-line notice, a request without a complete reply and a
// reply that is no filing result are failures told in their own words (the
// reason says the HTTP status and the fault's text); nothing is recorded.
void CNetfileResultDlg::showEfileFailure(int code, const FilingResult &result, const CString &exchangeLog)
{
    QString why;
    if (code == EfileServiceUnavailable)
        why = result.message;
    else if (code == EfileSentNoReply)
        why = result.detail;
    else if (code == EfileFaultReply)
        why = QStringLiteral("the CRA's filing service refused the request");
    else if (code == EfileNoFilingResult || code == EfileNotXml)
        why = QStringLiteral("the reply to the filing is not the CRA's filing result");
    else
        why = QStringLiteral("efile failed, check firewall and write file access");
    // a request sent without a complete reply names why (too large, timed
    // out, cut off) beside the advice to check the filing status
    const QString text =
        withReason(QStringLiteral("Msg: %1; Code: %2.").arg(why, QString::number(code)), result.failure);
    showResult(tr("Efile Filing Result"), tr("EFile Filing Failed"), plainToHtml(text), tr("Check filing result file"),
               exchangeLog);
}

void CNetfileResultDlg::efileAccepted(FilingResult &result, const CString &now)
{
    appendFilingRecord(taxpayerName, resultSummary, result.confirmation, result.message);
    const CString filingLog = efileLogPath(false);
    const QString text = QStringLiteral("Efile is submitted successfully. Result code is [%1]. The confirmation number "
                                        "is [%2].\n%3")
                             .arg(result.resultCode, result.confirmation, now);
    const QString notice = verificationNotice(result.cvIndicator);
    if (!notice.isEmpty())
        result.message += QStringLiteral("\n\n") + notice;
    const QString bottom = recordFiling(true, result.confirmation, result.message);
    QString details = result.message;
    details.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    showResult(tr("Efile Filing Result"), text, details, bottom, filingLog);
    confirmationText = result.confirmation;
    messageText = result.message;
    answerTime = now;
    filed = true;
}

void CNetfileResultDlg::efileRejected(const FilingResult &result, const QString &dcn, const CString &now,
                                      const CString &exchangeLog)
{
    filed = false;
    confirmationText.clear();
    QString text;
    if (result.isCode184()) {
        text = QStringLiteral("Efile submission for [%1] failed. Document Control Number is [%2].\nEFile result code "
                              "is [%3], Error clue codes are [%4]. ")
                   .arg(taxpayerName, dcn, result.resultCode, result.detail);
        confirmationText = QStringLiteral("code=%1, clue=%2").arg(result.resultCode, result.detail);
    } else {
        text = QStringLiteral("Efile submission for [%1] failed. Document Control Number is [%2].\nEFile result code "
                              "is [%3]. ")
                   .arg(taxpayerName, dcn, result.resultCode);
        confirmationText = QStringLiteral("code=%1").arg(result.resultCode);
    }
    text += now;
    answerTime = now;
    const QString bottom = recordFiling(false, confirmationText, text);
    showResult(tr("Efile Filing Result"), text, result.message, bottom, exchangeLog);
}

void CNetfileResultDlg::netfileReturn()
{
    int agreement = 0;
    if (askNetfileTerms(agreement, reFile != 0, this) != 0)
        return;
    FilingResult result(1);
    int rc;
    {
        WaitCursor wait;
        QMap<QString, QString> vars;
        int testCaseNumber = 0;
        if (testMode()) {
            testCase = ui->edtTestcase->text();
            testCaseNumber = testCase.trimmed().toInt();
        }
        returnFile->fillNetfileRequestVars(vars, agreement, &netfileNotice, &balance, testCaseNumber);
        TemplateVars envelope = toTemplateVars(vars);
        rc = sendNetfileRequest(envelope, returnXml.toUtf8(), result);
    }
    const CString exchangeLog = efileLogPath(true);
    const QString title = tr("Netfile Filing Result");
    if (rc != 0) {
        QString why;
        switch (rc) {
        case -10: why = QStringLiteral("compose NetFile failed"); break;
        case -20: why = QStringLiteral("cannot connect to CRA server, check firewall and CRA system status"); break;
        case 1: why = QStringLiteral("CRA system returns invalid response, please retry later."); break;
        default:
            why = QStringLiteral("An unexpected error happened inside software. Please contact Brackenquill software "
                                 "support.");
            break;
        }
        const QString text = withReason(QStringLiteral("Msg: %1; Code: %2.").arg(why, QString::number(rc)),
                                        result.failure);
        showResult(title, tr("NetFile Filing Failed"), plainToHtml(text), tr("Check filing result file"), exchangeLog);
        return;
    }
    if (result.confirmed) {
        netfileAccepted(result);
        return;
    }
    // the reason: a fault or a reply that is no filing result
    const QString text = withReason(
        QStringLiteral("Netfile submission is NOT successful!\nResult code is [%1]").arg(result.detail), result.failure);
    showResult(title, text, result.message, tr("Check filing result file"), exchangeLog);
    confirmationText.clear();
    filed = false;
}

void CNetfileResultDlg::netfileAccepted(const FilingResult &result)
{
    appendFilingRecord(taxpayerName, resultSummary, result.confirmation, result.message);
    const CString filingLog = efileLogPath(false);
    const QString now = GetCurTime().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString text = QStringLiteral("Netfile is submitted successfully. The confirmation code is [%1].\nResult code "
                                        "is [%2]\nTime: %3")
                             .arg(result.confirmation, result.detail, now);
    QString details = result.message;
    details.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
    showResult(tr("Netfile Filing Result"), text, details, tr("Check filing log file"), filingLog);
    confirmationText = result.confirmation;
    messageText = result.message;
    answerTime = now;
    filed = true;
    if (!netfileNotice.isEmpty() || balance > 0.01 || balance < -0.01)
        showAfterNetfilePage();
}

void CNetfileResultDlg::showAfterNetfilePage()
{
    WizardBase wizard(this, tr("CRA Online Service"));
    wizard.addPage(new PpgAfterNetfile_tab1(!netfileNotice.isEmpty(), balance, &wizard));
    wizard.initUI(770, 540);
    wizard.exec();
}
