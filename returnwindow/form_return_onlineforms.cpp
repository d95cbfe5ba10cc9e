// The online form filings of the current person: the T183 PAD of form T185,
// the T1135 and the T1013 (E-Auth), each checked, built and handed to the form
// filing dialog.
#include "form_return.h"
#include "cformfilingdlg.h"
#include "creturnfile.h"
#include "dlgfilingterm.h"
#include "filingseams.h"
#include "messages.h"
#include "serviceswitches.h"
#include "tabwndapp.h"
#include "validationmessagegroup.h"
#include <QFile>

namespace {
constexpr int kT1 = 1, kT1135 = 101, kT1013 = 117, kT185 = 181;
// The T1013 builder's answer for an authorization that is not one for online access.
constexpr int kNotOnlineAccess = 10;

// Removes, when the attempt ends, a scratch file of the name that older
// versions wrote the filing document to: the document stays in memory and
// holds the S.I.N. and bank details.
class ScratchFileGuard
{
public:
    explicit ScratchFileGuard(const QString &path) : m_path(path) {}
    ~ScratchFileGuard() { QFile::remove(m_path); }
    ScratchFileGuard(const ScratchFileGuard &) = delete;
    ScratchFileGuard &operator=(const ScratchFileGuard &) = delete;

private:
    QString m_path;
};

// The message groups of one validation; freed with the holder.
struct MessageGroups
{
    QList<ValidationMessageGroup *> list;
    MessageGroups() = default;
    MessageGroups(const MessageGroups &) = delete;
    MessageGroups &operator=(const MessageGroups &) = delete;
    ~MessageGroups() { qDeleteAll(list); }
};

QString creationFailed(const char *what, int code)
{
    return QCoreApplication::translate("Form_Return", "%1 message creation failed, error code=[%2].")
        .arg(QLatin1String(what))
        .arg(code);
}
} // namespace

bool Form_Return::onlineFilingAvailable(bool available)
{
    return serviceAvailable(available, this);
}

void Form_Return::showFormValidation(const QString &title, const QList<ValidationMessageGroup *> &messages)
{
    runValidationDialog(this, title, messages, false, QString(), QList<ValidationMessageGroup *>());
}

QString Form_Return::scratchFilePath(const char *suffix) const
{
    const TabWndApp *app = TabWndApp::instance();
    const QString folder = app ? QString(app->runFolder()) : QString();
    return folder + QLatin1Char('/') + m_return->returnFileName() + QLatin1String(suffix);
}

void Form_Return::readFilingTaxpayer(QString &name, QString &sin) const
{
    QString first, last;
    m_return->getTaxpayerText(1, sin);
    m_return->getTaxpayerText(11, first);
    m_return->getTaxpayerText(12, last);
    name = first + QLatin1Char(' ') + last;
}

bool Form_Return::runFormFiling(int formId, CString &xml, const QString &statusText)
{
    const TabWndApp *app = TabWndApp::instance();
    const QString efilerId = app ? QString(app->config().BusinessEFileNum) : QString();
    const QString password = app ? QString(app->config().BusinessEFilePassword) : QString();
    QString name, sin;
    readFilingTaxpayer(name, sin);
    CFormFilingDlg dlg(efilerId, password, formId, &xml, m_return, this);
    dlg.setFiling(name, sin);
    if (!statusText.isEmpty())
        dlg.setStatusText(statusText);
    dlg.exec();
    if (dlg.filed)
        saveAfterFiling(dlg.confirmationNumber);
    // the dialog marks the form's filing status, filed or not
    modifiedChanged();
    return dlg.filed;
}

// A confirmed filing is saved at once with its backup; a save that fails is
// told with the confirmation number, which would otherwise be lost.
void Form_Return::saveAfterFiling(const QString &confirmation)
{
    if (save(true) == 0)
        return;
    gMsgInformation(tr("The CRA confirmed the filing (confirmation number %1), but the return file could not be "
                       "saved: %2\nPlease save the return now, so that the confirmation is kept.")
                        .arg(confirmation, lastSaveError()),
                    this);
}

void Form_Return::fileT183Pad()
{
    if (!onlineFilingAvailable(padFilingAvailable))
        return;
    refreshPages();
    if (!m_return->hasForm(kT1) || !m_return->hasForm(kT185)) {
        gMsgInformation(tr("Make sure that you completed form T185 in the return."), nullptr);
        return;
    }
    {
        MessageGroups messages;
        if (m_return->validatePad(1, messages.list) > 0) {
            showFormValidation(tr("T185 PAD Errors Found"), messages.list);
            return;
        }
    }
    ScratchFileGuard scratch(scratchFilePath("_2024_t183pad.xml"));
    CString xml, status;
    const int rc = m_return->getT185PadXml(xml, status);
    if (rc != 0) {
        gMsgInformation(creationFailed("T183 PAD", rc), nullptr);
        return;
    }
    runFormFiling(kT185, xml, status);
    refreshPages();
}

void Form_Return::fileT1135Online()
{
    if (!onlineFilingAvailable(t1135FilingAvailable))
        return;
    refreshPages();
    if (!m_return->hasForm(kT1135)) {
        gMsgInformation(tr("Please add form T1135 into tax return first!"), nullptr);
        return;
    }
    if (checkFormValidation(appEdition, kT1135) > 0)
        return;
    QString document;
    const int rc = m_return->buildT1135Xml(document);
    if (rc != 0) {
        gMsgInformation(creationFailed("T1135 Filing", rc), nullptr);
        return;
    }
    CString xml(document);
    runFormFiling(kT1135, xml, QString());
    refreshPages();
}

void Form_Return::fileT1013Online()
{
    if (!onlineFilingAvailable(t1013FilingAvailable))
        return;
    refreshPages();
    if (!m_return->hasForm(kT1013)) {
        gMsgInformation(tr("Please add E-Auth (T1013) form into tax return first!"), nullptr);
        return;
    }
    if (checkFormValidation(1, kT1013) > 0)
        return;
    QString name, sin;
    readFilingTaxpayer(name, sin);
    {
        DlgFilingTerm terms(kT1013, this);
        terms.loadTerms(tr("I agree to the terms and conditions"), QString(),
                        tr("Authorizing/Cancelling a Representaive for ") + name, ":/net/net/termt1013.txt");
        if (terms.exec() != QDialog::Accepted)
            return;
    }
    ScratchFileGuard scratch(scratchFilePath("_2024_t1013.xml"));
    CString xml;
    const int rc = m_return->buildT1013Xml(xml);
    if (rc == kNotOnlineAccess) {
        gMsgInformation(tr("Non-online access authorization of T1013 can NOT be filed online. Please use paper form "
                           "option."),
                        nullptr);
        return;
    }
    if (rc != 0) {
        gMsgInformation(creationFailed("T1013", rc), nullptr);
        return;
    }
    runFormFiling(kT1013, xml, QString());
    refreshPages();
}

int Form_Return::checkFormValidation(int edition, int formId)
{
    MessageGroups messages;
    int count = 0;
    QString title;
    if (formId == kT1013) {
        count = m_return->collectT1013Messages(edition, messages.list);
        title = tr("E-Auth (T1013)");
    } else if (formId == kT1135) {
        count = m_return->collectT1135Messages(edition, messages.list);
        title = tr("T1135");
    } else {
        return 0;
    }
    if (count <= 0)
        return 0;
    showFormValidation(title, messages.list);
    return count;
}
