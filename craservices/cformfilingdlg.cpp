#include "cformfilingdlg.h"
#include "waitcursor.h"
#include "creturnfile.h"
#include "dlgfilingresult.h"
#include "dlgmsgwithlink.h"
#include "filingconfig.h"
#include "filingdialogsupport.h"
#include "filingrecorder.h"
#include "filingsenders.h"
#include "formtables.h"
#include "messages.h"
#include "serverdefaults.h"
#include "tabwndapp.h"
#include "utils.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kT1135 = 101, kT1013 = 117, kPad = 181;
const char kSoftwareRevisionDate[] = "2026-05-25";

bool testMode()
{
    const TabWndApp *app = TabWndApp::instance();
    return app && app->config().MODEDEBUG;
}

QString now()
{
    return GetCurTime().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString formCodeOf(int formId)
{
    switch (formId) {
    case kT1135: return QStringLiteral("T1135");
    case kPad: return QStringLiteral("T183-PAD");
    default: return formCode(formId);
    }
}
} // namespace

QString CFormFilingDlg::errorCodesArticle()
{
    const TabWndApp *app = TabWndApp::instance();
    const QString host = app && !app->config().BrackenquillWebServer.isEmpty()
                             ? QString(app->config().BrackenquillWebServer)
                             : QString::fromLatin1(kBrackenquillWebServer);
    return QStringLiteral("https://%1/faq/index.php?action=artikel&cat=6&id=35&artlang=en").arg(host);
}

CFormFilingDlg::CFormFilingDlg(const QString &efilerId, const QString &efilerPassword, int formId, CString *formXml,
                               CReturnFile *returnFile, QWidget *parent)
    : QDialog(parent), m_parent(parent), formCode(formCodeOf(formId)), formId(formId), efilerId(efilerId),
      efilerPassword(efilerPassword), returnFile(returnFile), formXml(formXml)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("CFormFilingDlg"));
    resize(612, 325);
    QFont f = font();
    f.setPointSize(11);
    setFont(f);

    auto *verticalLayout_2 = new QVBoxLayout(this);
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    auto *verticalLayout = new QVBoxLayout();
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout_2->addLayout(verticalLayout);

    lbl1 = new QLabel(tr("Submit Form To CRA"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    QFont heading = lbl1->font();
    heading.setPointSize(12);
    heading.setWeight(75);
    lbl1->setFont(heading);
    lbl2 = new QLabel(this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl3 = new QLabel(this);
    lbl3->setObjectName(QStringLiteral("lbl3"));
    lbl3->setTextFormat(Qt::PlainText);
    lbl4 = new QLabel(tr("Make sure the program can access Internet to submit the filing. Usually the failure is "
                         "caused by anti-virus software blocking the program. Add Brackenquill as trusted program "
                         "inside anti-virus software."),
                      this);
    lbl4->setObjectName(QStringLiteral("lbl4"));
    for (QLabel *l : {lbl2, lbl3, lbl4})
        l->setWordWrap(true);
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    for (QWidget *w : std::initializer_list<QWidget *>{lbl1, lbl2, lbl3, lbl4, line, buttonBox})
        verticalLayout->addWidget(w);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &CFormFilingDlg::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &CFormFilingDlg::reject);
    QMetaObject::connectSlotsByName(this);

    // Enter cancels: the Cancel button is the default one.
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    QPushButton *cancel = buttonBox->button(QDialogButtonBox::Cancel);
    ok->setAutoDefault(false);
    ok->setDefault(false);
    cancel->setDefault(true);

    QString title;
    switch (formId) {
    case kT1013: title = tr("Submit E-Auth"); break;
    case kPad: title = tr("Submit PAD"); break;
    case kT1135: title = tr("Submit T1135"); break;
    default: break;
    }
    ok->setText(title);
    setWindowTitle(title);
}

void CFormFilingDlg::setFiling(const QString &name, const QString &sin)
{
    taxpayerName = name;
    taxpayerSin = sin;
    switch (formId) {
    case kT1013: lbl1->setText(tr("File E-Auth (T1013) Online")); break;
    case kPad: lbl1->setText(tr("File Pre-Authorized Debit Agreement (T185) Online")); break;
    case kT1135: lbl1->setText(tr("File T1135 Online")); break;
    default: break;
    }
    lbl2->setText(tr("This filing is for <b>%1 (%2)</b>").arg(name.toHtmlEscaped(), sin.toHtmlEscaped()));
}

void CFormFilingDlg::setStatusText(const QString &text)
{
    lbl3->setText(text);
}

void CFormFilingDlg::accept()
{
    if (efilerId.isEmpty() || efilerPassword.isEmpty()) {
        gMsgInformation(tr("Please enter EFiler ID/password and RepID into preference from menu Start | Preference."),
                        this);
        return;
    }
    if (!returnFile || !formXml) {
        QDialog::reject();
        return;
    }
    Vars vars;
    vars.insert(QStringLiteral("efilerid"), efilerId);
    vars.insert(QStringLiteral("password"), efilerPassword);
    if (formId == kT1013 || formId == kPad)
        fileAuthOrPad(vars);
    else
        fileT1135(vars);
    QDialog::accept();
}

FilingRecorder::Result CFormFilingDlg::recordFiling(bool accepted, const QString &confirmation,
                                                    const QString &message)
{
    auto *recorder = dynamic_cast<FilingRecorder *>(m_parent);
    if (!recorder)
        return {};
    WaitCursor wait;
    return recorder->recordFiling(formId, accepted, confirmation, message);
}

void CFormFilingDlg::showResult(const QString &title, const QString &overview, const QString &details,
                                const QString &bottom, const QString &file)
{
    DlgFilingResult dlg(title, this);
    dlg.setResult(overview, details, bottom, file);
    dlg.exec();
}

void CFormFilingDlg::fileT1135(Vars &vars)
{
    if (testMode()) {
        QString id;
        if (!gMsgInputText(tr("test ID"), tr("Enter testcase ID:"), id, false, this))
            id.clear();
        vars.insert(QStringLiteral("testid"), id);
    }
    returnFile->fillEfileHeaderVars(vars, formId);
    T1135FilingReply reply;
    int rc;
    {
        WaitCursor wait;
        TemplateVars envelope = toTemplateVars(vars);
        rc = sendT1135Request(envelope, formXml->toUtf8(), reply);
    }
    const QString time = now();
    const QString title = tr("T1135 Web Service Result");
    if (rc != 0) {
        gMsgInformation(withReason(tr("Error filing T1135, return code = %1.").arg(rc), reply.failure), this);
        return;
    }
    const bool confirmed = !reply.confirmation.isEmpty();
    filed = confirmed;
    const FilingRecorder::Result recorded = recordFiling(confirmed, reply.confirmation, reply.message);
    if (confirmed) {
        confirmationNumber = reply.confirmation;
        returnFile->markFilingStatus(formId, 1, reply.confirmation);
        const QString line = QStringLiteral("%1 is submitted successfully. Time: %2").arg(QStringLiteral("T1135"), time);
        appendFilingRecord(taxpayerName, line, reply.confirmation, reply.message);
        showResult(title, line, reply.message, recorded.problem, efileLogPath(false));
        return;
    }
    const QString line = QStringLiteral("%1 submission failed. \nThe error codes are [%2].\nTime: %3")
                             .arg(taxpayerName, reply.resultCode, time);
    returnFile->markFilingStatus(formId, -1, line);
    showResult(title, line, reply.message, recorded.problem, efileLogPath(true));
}

void CFormFilingDlg::fileAuthOrPad(Vars &vars)
{
    const bool isT1013 = formId == kT1013;
    if (isT1013) {
        vars.insert(QStringLiteral("taxyear"), QStringLiteral("2024"));
    } else {
        const TabWndApp *app = TabWndApp::instance();
        const QString software = app ? QString(app->config().EfileSoftwareCode) : QString();
        vars.insert(QStringLiteral("softwarecode"), software + QLatin1Char('P'));
        vars.insert(QStringLiteral("revdate"), QString::fromLatin1(kSoftwareRevisionDate));
        vars.insert(QStringLiteral("sin"), taxpayerSin);
    }
    FormFilingReply reply;
    int rc;
    {
        WaitCursor wait;
        TemplateVars envelope = toTemplateVars(vars);
        rc = sendTrisOrPadRequest(isT1013, envelope, *formXml, reply);
    }
    const QString title = tr("%1 Filing Result").arg(formCode);
    if (rc != 0) {
        DlgMsgWithLink msg(tr("Online Filing Failed"), this);
        msg.setMsg1(withReason(tr("%1 form submission failed. The error code is %2.").arg(formCode).arg(rc),
                               reply.failure));
        msg.exec();
        return;
    }
    const QString codes = reply.responseCodes.join(QLatin1Char(','));
    const QString time = now();
    // A PAD reply that also carries an error group is not a confirmation.
    const bool confirmed = !reply.confirmationNumber.isEmpty()
                           && (isT1013 ? reply.receivedFormsCount == 1 : !reply.rejected);
    filed = confirmed;
    const FilingRecorder::Result recorded = recordFiling(confirmed, reply.confirmationNumber, reply.responseText);
    if (confirmed) {
        confirmationNumber = reply.confirmationNumber;
        returnFile->markFilingStatus(formId, 1, reply.confirmationNumber);
        const QString line = QStringLiteral("%1 is submitted successfully. Time: %2").arg(formCode, time);
        QString details = line + QStringLiteral("\nThe confirmation number is ") + reply.confirmationNumber;
        if (!codes.isEmpty())
            details += QStringLiteral("\nFiling services return these codes: %1").arg(codes);
        appendFilingRecord(taxpayerName, line, reply.confirmationNumber, reply.responseText);
        showResult(title, line, plainToHtml(details), recorded.problem, efileLogPath(false));
        return;
    }
    returnFile->markFilingStatus(formId, -1, codes);
    const QString failure = QStringLiteral("%1 submission failed. The error message is:\n%2\nThe error codes are [%3].")
                                .arg(formCode, reply.responseText, codes);
    if (isT1013) {
        DlgMsgWithLink msg(tr("Online Filing Error Occured"), this);
        msg.setMsg1(recorded.belowLine(failure));
        msg.setMsg2(tr("To find out what the error code means, follow the link below"));
        msg.setLink(errorCodesArticle());
        msg.exec();
        return;
    }
    showResult(title, tr("Online Filing Error Occured"), plainToHtml(failure),
               recorded.belowLine(tr("Check filing result file")), efileLogPath(true));
}
