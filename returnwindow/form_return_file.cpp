// The return window's saving, closing and file-level commands.
#include "dlgmsgwithlink.h"
#include "form_return.h"
#include "waitcursor.h"
#include "privatefile.h"
#include "returnwindowhost.h"
#include "creturnfile.h"
#include "folderview.h"
#include "messages.h"
#include "settingsseam.h"
#include "tabwndapp.h"
#include "ui_form_return.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QUrl>

namespace {
bool settingOn(const char *name)
{
    const QString v = settingsSource()->userSetting(QString::fromLatin1(name));
    return !v.isEmpty() && v != QLatin1String("0");
}
} // namespace

// "<canonical folder>/<name up to the first dot>_backup.<everything after it>"
QString Form_Return::backupPath(const QString &path) const
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    // a name without a suffix gets no trailing dot ("Smith" backs up to "Smith_backup")
    const QString suffix = info.completeSuffix();
    return QStringLiteral("%1%2%3_backup%4")
        .arg(folder.isEmpty() ? info.absolutePath() : folder, QStringLiteral("/"), info.baseName(),
             suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

void Form_Return::saveSelection()
{
    int category = -1, type = 0, id = 0;
    ui->treeFolderView->getSelection(category, type, id);
    m_return->settings().setSelection(m_return->currentPersonIndex() == CReturnFile::kSpouse, category, id);
}

int Form_Return::writeReturn(const QString &path)
{
    QString error;
    FileStamp written;
    const int status = m_return->save(path, appEdition, &error, &written);
    if (status != 0) {
        m_lastSaveError = error.isEmpty() ? QStringLiteral("error %1").arg(status) : error;
        return status;
    }
    m_fileStamp = written;
    m_stampedPath = path;
    return status;
}

void Form_Return::setFileStamp(const FileStamp &stamp)
{
    m_fileStamp = stamp;
    m_stampedPath = hasFile() ? fullPath() : QString();
}

int Form_Return::askBeforeReplacing(const QString &path)
{
    // a name the user has just chosen was confirmed in the save dialog
    if (path != m_stampedPath || !m_fileStamp.known)
        return MsgButton::Yes;
    const FileStamp now = FileStamp::ofPath(path);
    // a file that is gone holds nothing to lose
    if (!now.known || now == m_fileStamp)
        return MsgButton::Yes;
    // the question is answered with the arrow, whatever the save's busy cursor
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    const int answer = gMsgQuestion(tr("The return file %1 was changed by another program after this return was opened or last "
                           "saved. Saving now would replace what that program wrote.\n\n"
                           "'Yes' to replace the file with this return, 'No' to save this return under another "
                           "name, or 'Cancel' to leave the file as it is and not save.")
                            .arg(QDir::toNativeSeparators(path)),
                                    MsgButton::Yes | MsgButton::No | MsgButton::Cancel, MsgButton::Cancel, this);
    QGuiApplication::restoreOverrideCursor();
    return answer;
}

int Form_Return::saveUnderAnotherName(QString &path)
{
    // the name is chosen with the arrow, whatever the save's busy cursor
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    const bool saved = m_host && m_host->saveReturnUnderNewName(this);
    QGuiApplication::restoreOverrideCursor();
    path = fullPath();
    if (saved)
        return 0;
    m_lastSaveError = tr("the file was changed by another program and was left as it is; the return was not saved");
    return kSaveDeclined;
}

int Form_Return::saveReturn(QString &path, bool withBackup)
{
    WaitCursor wait;
    path = fullPath();
    m_lastSaveError.clear();
    if (!m_return || !hasFile()) {
        m_lastSaveError = QStringLiteral("the return has no file name");
        return 107;
    }
    const int replace = askBeforeReplacing(path);
    if (replace == MsgButton::No)
        return saveUnderAnotherName(path);
    if (replace != MsgButton::Yes) {
        m_lastSaveError = tr("the file was changed by another program and was left as it is; "
                             "the return was not saved");
        return kSaveDeclined;
    }
    saveSelection();
    saveSplitterSizes();
    // The backup is the same in-memory return, written just before the file.
    // A backup that cannot be written does not stop the save.
    if (withBackup && settingOn("SaveBackup") && QFileInfo::exists(path)) {
        QString ignored;
        m_return->save(backupPath(path), appEdition, &ignored);
    }
    const int status = writeReturn(path);
    if (status == 0) {
        // the file holds the changes now: a recovery copy of them is stale
        removeRecoveryCopy(path);
        if (!m_recoveredFrom.isEmpty())
            removeRecoveryCopy(m_recoveredFrom);
        m_recoveredFrom.clear();
        // Replace the snapshot whole, so that a save after entries were added
        // or removed leaves the return unmodified.
        m_savedCopy->assign(*m_return);
        recordInReturnList();
        modifiedChanged();
    }
    return status;
}

int Form_Return::save(bool withBackup)
{
    QString path;
    return saveReturn(path, withBackup);
}

// A return never saved and a saved return with changes get the same question,
// whose Yes always saves (a new return under a name the user chooses).
bool Form_Return::confirmClose(QString &path)
{
    path = fullPath();
    if (!hasUnsavedWork()) {
        clearFormTabs();
        return true;
    }
    const int answer = gMsgQuestion(tr("Do you want to save changed data to return file before closing?\n\n"
                                       "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing"),
                                    MsgButton::Yes | MsgButton::No | MsgButton::Cancel, MsgButton::Cancel, this);
    if (answer == MsgButton::Cancel)
        return false;
    if (answer == MsgButton::Yes && !saveBeforeClose(path))
        return false;
    // discarded: so are the changes a recovery copy kept
    if (answer == MsgButton::No && hasFile())
        removeRecoveryCopy(fullPath());
    clearFormTabs();
    return true;
}

// False (the window stays open, with the user's work) when the save did not happen.
bool Form_Return::saveBeforeClose(QString &path)
{
    if (!hasFile()) {
        const bool saved = m_host && m_host->saveReturnUnderNewName(this);
        path = fullPath();
        return saved;
    }
    if (saveReturn(path, true) == 0)
        return true;
    gMsgInformation(tr("Saving return file %1 failed: %2").arg(QDir::toNativeSeparators(path), m_lastSaveError), this);
    return false;
}

QString Form_Return::recoveryCopyPath(const QString &returnPath)
{
    return returnPath + QStringLiteral(".recovered");
}

bool Form_Return::writeRecoveryCopy(QString &copy, QString &error)
{
    if (!m_return)
        return false;
    if (hasFile()) {
        copy = recoveryCopyPath(fullPath());
    } else {
        const TabWndApp *app = TabWndApp::instance();
        const QString folder = app ? QString(app->config().RetPath) : QDir::homePath();
        copy = QStringLiteral("%1/%2_recovered_%3.r24")
                   .arg(folder, m_return->fileBaseName(),
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    }
    // only our own regular file is replaced: a link or anything else there stays
    const QFileInfo existing(copy);
    if (existing.isSymLink() || (existing.exists() && !existing.isFile())) {
        error = tr("%1 is there already and is not a regular file").arg(QDir::toNativeSeparators(copy));
        return false;
    }
    saveSelection();
    return m_return->save(copy, appEdition, &error) == 0;
}

void Form_Return::takeRecoveredChanges(const FileStamp &original)
{
    setFileStamp(original);
    m_recoveredFrom = fullPath();
    modifiedChanged();
}

void Form_Return::removeRecoveryCopy(const QString &returnPath)
{
    const QString copy = recoveryCopyPath(returnPath);
    const QFileInfo info(copy);
    if (info.isSymLink() || info.isFile())
        QFile::remove(copy);
}

int Form_Return::showSlipSummary()
{
    if (!m_return)
        return 0;
    QString path;
    {
        WaitCursor wait;
        path = settingsSource()->userSetting(QStringLiteral("RetPath")) + QStringLiteral("/")
            + m_return->returnFileName() + QStringLiteral("_SlipSummary.html");
        QString html;
        QTextStream out(&html);
        out << "<html><head><title>Slip Summary</title></head><body>";
        m_return->writeSlipSummaryHtml(out);
        out << "</body></html>";
        out.flush();
        QString error;
        if (!writeFileWhole(path, html.toUtf8(), &error)) {
            // the page holds the slips' amounts: a short or failed write is reported, never linked
            gMsgInformation(tr("Tax Slips Summary"), error, this);
            return -1;
        }
    }
    QString name;
    m_return->getTaxpayerText(17, name);
    DlgMsgWithLink dlg(tr("Tax Slips Summary"), this);
    dlg.setMsg1(tr("click this link to view the tax slips summary for"));
    dlg.setMsg2(name);
    dlg.setLink(QUrl::fromLocalFile(path).toString());
    dlg.exec();
    return 0;
}

// ---- functions of later parts of the program

void Form_Return::notAvailable()
{
    gMsgInformation(tr("This function is not available yet."), this);
}

