// Filing the return by EFILE: the gates before the filing dialog, then the
// filing status and the history of the result.
#include "creturnfile.h"
#include "dlgmsgwithlink.h"
#include "filingseams.h"
#include "form_return.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "privatefile.h"
#include "serverdefaults.h"
#include "serviceswitches.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include "taxpayerhistory.h"
#include "utils.h"
#include <QDir>
#include <QFile>

namespace {
const int kEfileMode = 1;
const int kReFileMark = 2;
const int kMultipleYearFiling = 3;
const int kFormT1 = 1;
const char kSeasonStart[] = "2025-02-24";
const char kSeasonFaqPath[] = "/faq/index.php?action=artikel&cat=6&id=16&artlang=en";

CT1AppConfig &config()
{
    return TabWndApp::instance()->config();
}

QSqlDatabase database()
{
    return TabWndApp::instance()->dbManager().connection();
}

// Shows the first message of a rule's list; true when there was one.
bool stopsWithFirstMessage(int count, const QList<CString> &messages)
{
    if (count == 0 || messages.isEmpty())
        return false;
    gMsgInformation(messages.first());
    return true;
}

// The filing document of test mode, in the run folder; removed on every way out.
class DebugFilingFile
{
public:
    explicit DebugFilingFile(const QString &path) : m_file(path) {}
    ~DebugFilingFile()
    {
        if (m_made) {
            m_file.close();
            m_file.remove();
        }
    }
    bool create()
    {
        m_made = makePrivateFile(m_file.fileName()) && m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        return m_made;
    }
    bool write(const QString &document)
    {
        const QByteArray bytes = document.toUtf8();
        const bool whole = m_file.write(bytes) == bytes.size() && m_file.flush();
        m_file.close();
        return whole;
    }

private:
    QFile m_file;
    bool m_made = false;
};
} // namespace

// Before the season start (not in test mode) the season message; false then.
bool Form_Return::filingSeasonOpen()
{
    const QDate start = QDate::fromString(QString::fromLatin1(kSeasonStart), QStringLiteral("yyyy-MM-dd"));
    if (config().MODEDEBUG || GetCurTime().date() >= start)
        return true;
    QString host = config().BrackenquillWebServer;
    if (host.isEmpty())
        host = QString::fromLatin1(kBrackenquillWebServer);
    DlgMsgWithLink dlg(QStringLiteral("Brackenquill 2024"), this);
    dlg.setMsg1(tr("CRA NetFile/EFile for new tax season starts on (%1). Please try again when this day arrives.")
                    .arg(QLatin1String(kSeasonStart)));
    dlg.setMsg2(tr("Please refer the following URL:"));
    dlg.setLink(QStringLiteral("https://%1%2").arg(host, QLatin1String(kSeasonFaqPath)));
    dlg.exec();
    return false;
}

// The eligibility, validation and Re-File rules; true when the return may go on.
bool Form_Return::passesFilingChecks(bool reFile)
{
    QList<CString> messages;
    if (reFile && stopsWithFirstMessage(m_return->checkRefileBankruptcy(appEdition, messages), messages))
        return false;
    messages.clear();
    if (stopsWithFirstMessage(m_return->checkNetfileEligibility(appEdition, messages), messages))
        return false;
    if (validateReturn(appEdition, false, false) >= 1)
        return false;
    messages.clear();
    if (reFile && stopsWithFirstMessage(m_return->checkRefileChanges(messages), messages))
        return false;
    return true;
}

// The CRA refuses a second original of a return it accepted: changes go by ReFile.
bool Form_Return::confirmFilingAgain()
{
    const TaxData_T1New *t1 = m_return->currentPerson() ? m_return->currentPerson()->t1() : nullptr;
    if (!t1 || !t1->acceptedByCra())
        return true;
    return gMsgQuestion(tr("This return was already filed and accepted by the CRA on %1 (confirmation number %2).\n\n"
                           "Sending it again as an original return files a duplicate, which the CRA refuses. To send "
                           "changes, use \"Set Return for ReFile\" first.\n\nDo you want to file it again anyway?")
                            .arg(t1->filingTime(), t1->confirmationNumber()),
                        MsgButton::Yes | MsgButton::No, MsgButton::No, this)
        == MsgButton::Yes;
}

// The multiple-year question, the confirmations and the amended-return question.
bool Form_Return::confirmFiling(bool reFile)
{
    // the mark follows the answer just given: No clears one left by an earlier Yes
    if (!reFile) {
        const bool multipleYears =
            gMsgYesNo(tr("<h3>EFile accepts the current year (%1) and up to 7 prior-year returns. If you intend to "
                         "file one tax payer's multiple-year returns today or within next two days, click 'Yes' "
                         "button on every return for this tax payer.</h3><br><br>In order to accurately assess "
                         "your returns, file your returns in order, oldest return first.")
                          .arg(QStringLiteral("2024")));
        m_return->setValue(kMultipleYearFiling, multipleYears, 0);
    }
    if (!config().NoWarningMsg && !m_return->confirmBeforeFiling(kEfileMode, reFile))
        return false;
    // asked whether or not the confirmations are turned off
    if (reFile
        && !CYesNoContinueDlg::warnYesNoMsg(this, appTitle,
                                            tr("Please note that this is an Amended Return for Re-File purpose.")))
        return false;
    return true;
}

// Stores what the dialog reports; a filing that was never sent leaves the return alone.
void Form_Return::recordFilingOutcome(const NetfileOutcome &outcome, int taxpayerId)
{
    if (!outcome.sent)
        return;
    // stamped with the time of the CRA's answer that the result showed, not of the
    // dialog's closing; recalculated, so that the summary carries the confirmation too
    m_return->markFilingStatus(kFormT1, outcome.filed ? 1 : -1, outcome.confirmation, outcome.time);
    m_return->recalculate(-1, nullptr);
    if (!outcome.filed)
        return;
    if (!hasFile())   // nothing failed: there is no file to save into yet
        gMsgInformation(tr("The return was filed, confirmation number %1. It has not been saved to a file yet: "
                           "save it now, so that the filing is kept.")
                            .arg(outcome.confirmation),
                        this);
    else if (save(true) != 0)
        gMsgInformation(tr("The return was filed, confirmation number %1, but saving the return file %2 failed: %3\n"
                           "Save the return again before closing it, so that the filing is kept.")
                            .arg(outcome.confirmation, QDir::toNativeSeparators(fullPath()), m_lastSaveError),
                        this);
    addHistoryEvent(database(), taxpayerId, HistoryEventFilingAccepted, outcome.message, false, true);
}

void Form_Return::netfileReturn()
{
    if (!m_return)
        return;
    int mark = 0;
    m_return->getIntValue(kReFileMark, mark);
    const bool reFile = mark != 0;
    // the edition's filing service (NETFILE in the NETFILE edition), or ReFILE for an amended return
    const bool service = reFile ? refileFilingAvailable : appEdition == 2 ? netfileFilingAvailable : efileFilingAvailable;
    if (!serviceAvailable(service, this) || !filingSeasonOpen())
        return;
    refreshPages();
    if (!reFile && !confirmFilingAgain())
        return;
    if (!passesFilingChecks(reFile))
        return;
    QString sin, name;
    m_return->getTaxpayerText(1, sin);
    m_return->getTaxpayerText(17, name);

    const bool testMode = config().MODEDEBUG;
    DebugFilingFile debugFile(TabWndApp::instance()->runFolder() + QStringLiteral("/") + m_return->returnFileName()
                              + QStringLiteral("_2024") + QStringLiteral(".xml"));
    const QString cannotCreate =
        tr("Netfile or EFile can NOT be created. Check firewall program or anti-virus software settings.");
    if (testMode && !debugFile.create()) {
        gMsgInformation(cannotCreate);
        return;
    }
    const bool confirmed = confirmFiling(reFile);
    // the multiple-year answer is kept in the return either way
    modifiedChanged();
    if (!confirmed)
        return;
    // built after the questions, so that it carries their answers
    QString document;
    const int built = m_return->buildNetfileDocument(document, kEfileMode);
    if (built != 0) {
        gMsgInformation(tr("The filing document could not be made (error %1); nothing was sent.").arg(built));
        return;
    }
    if (testMode && !debugFile.write(document)) {
        gMsgInformation(cannotCreate);
        return;
    }

    const int taxpayerId = saveTaxpayer(database(), sin, name, QString(), QString());
    const QString summary = m_return->resultSummaryLine(0);
    addHistoryEvent(database(), taxpayerId, HistoryEventFilingSent, summary, false, true);
    NetfileRequest request;
    request.mode = kEfileMode;
    request.returnFile = m_return;
    request.reFile = reFile;
    request.document = document;
    request.summary = summary;
    request.name = name;
    request.parent = this;
    recordFilingOutcome(runNetfileResultDialog(request), taxpayerId);
    refreshPages();
    modifiedChanged();
}
