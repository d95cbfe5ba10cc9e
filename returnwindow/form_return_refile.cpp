// The Re-File copy of a return and the Re-File mark.
#include "creturnfile.h"
#include "dlgfilingterm.h"
#include "form_return.h"
#include "messages.h"
#include "utils.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace {
const QString kReFileSuffix = QStringLiteral(".r24");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Makes the copy's file, empty, only when no file has that name: a second
// Re-File in the same minute never overwrites the first copy.
bool reserveNewFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.close();
    return true;
}
} // namespace

QString Form_Return::reFileCopyPath(const QString &path, const QDateTime &at)
{
    const QFileInfo info(path);
    QString name = info.fileName();
    if (name.endsWith(kReFileSuffix, Qt::CaseInsensitive))
        name.chop(kReFileSuffix.size());
    return info.absolutePath() + QLatin1Char('/') + name + QStringLiteral("_RF")
        + at.toString(QStringLiteral("yyMMddHHmm")) + kReFileSuffix;
}

bool Form_Return::acceptReFileTerms()
{
    DlgFilingTerm dlg(0, this);
    dlg.loadTerms(tr("I agree to the terms and conditions"), QString(), tr("ReFile Restrictions"),
                  ":/net/net/ReFilestmt.txt");
    return dlg.exec() == QDialog::Accepted;
}

bool Form_Return::canReFile()
{
    if (!m_return)
        return false;
    QList<CString> messages;
    if (m_return->checkRefileBankruptcy(1, messages) == 0)
        return true;
    gMsgInformation(messages.first(), this);
    return false;
}

void Form_Return::reFileReturn()
{
    if (!acceptReFileTerms() || !canReFile())
        return;
    if (!hasFile()) {
        gMsgInformation(tr("Please save current return to a file first!"), this);
        return;
    }
    const QString copy = reFileCopyPath(fullPath(), GetCurTime());
    if (!reserveNewFile(copy)) {
        gMsgInformation(tr("ReFile cannot make the new file [%1]: a file of that name exists already or the folder "
                           "cannot be written. Nothing was changed; try again in a minute.")
                            .arg(native(copy)),
                        this);
        return;
    }
    if (m_return->takeReFileSnapshot() != 0) {
        QFile::remove(copy);
        gMsgInformation(tr("This return cannot be set for ReFile: its result could not be kept for comparison. "
                           "Nothing was changed."),
                        this);
        return;
    }
    switchToReFileCopy(copy);
    refreshPages();
    modifiedChanged();
}

// The window shows and saves the copy from now on; a copy that cannot be
// written leaves the window on the original file, without the Re-File mark.
void Form_Return::switchToReFileCopy(const QString &copy)
{
    const QFileInfo original(fullPath());
    const QFileInfo target(copy);
    setFileInfo(&target);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int status = save(false);
    QGuiApplication::restoreOverrideCursor();
    if (status != 0) {
        const QString reason = m_lastSaveError;
        QFile::remove(copy);
        setFileInfo(&original);
        m_return->clearReFileMark();
        gMsgInformation(tr("ReFile could not write the new file [%1]: %2\nThe return stays in [%3] and is not set "
                           "for ReFile.")
                            .arg(native(copy), reason, native(original.filePath())),
                        this);
        return;
    }
    gMsgInformation(tr("ReFile copied a new file named [%1] to handle amendment. Original file is untouched.")
                        .arg(native(copy)));
}

void Form_Return::unsetReFile()
{
    if (m_return)
        m_return->clearReFileMark();
    refreshPages();
    modifiedChanged();
}
