// The .r24 file: self's person block, the spouse's, the dependants record, then
// the settings. One routine reads and writes it.
#include "creturnfile.h"
#include "creturnfile_format.h"
#include "csetcoupledflagobj.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "mydatastream.h"
#include "privatefile.h"
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <exception>
#include <memory>

using namespace returnfile;

namespace {

bool isBlockFailure(int result)
{
    return result == kNoteNotMade || result == kSlipNotMade || result == kFormNotMade;
}

QString noProvinceText()
{
    return QStringLiteral("This return has no province of residence, so it cannot be saved. "
                          "Choose the province of residence, then save the return again.");
}

// Passes questions and inputs (the password) on, and holds the information
// boxes of a read back: a file that is not opened gets one message from its
// caller; one that opens shows them afterwards (a plug-in that failed to load).
class QuietReading : public MessageHandler
{
public:
    QuietReading() : m_previous(messageHandler()) { setMessageHandler(this); }
    ~QuietReading() override { setMessageHandler(m_previous); }

    QList<QPair<QString, QString>> takeHeld() { return std::move(m_held); }

    void information(void *, const QString &title, const QString &text) override { m_held.append({title, text}); }
    int question(void *parent, const QString &title, const QString &text, int buttons, int defaultButton) override
    {
        return m_previous->question(parent, title, text, buttons, defaultButton);
    }
    bool inputText(void *parent, const QString &title, const QString &label, QString &value, bool password) override
    {
        return m_previous->inputText(parent, title, label, value, password);
    }
    int questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &checkText,
                             bool &checked, int buttons, int defaultButton) override
    {
        return m_previous->questionWithCheckbox(parent, title, text, checkText, checked, buttons, defaultButton);
    }

private:
    MessageHandler *m_previous;
    QList<QPair<QString, QString>> m_held;
};

QString notOpenedReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("the file is missing (it was moved, renamed or deleted)");
    if (!info.isFile())
        return QStringLiteral("it is not a regular file");
    return QStringLiteral("the file is not readable");
}

QString readFailureReason(int code, const CReturnFile &returnFile, const QList<QPair<QString, QString>> &held)
{
    const int version = returnFile.self()->fileVersion();
    if (isBlockFailure(code)) {
        // the reader's own box says why (a provincial library that could not be loaded)
        QString why = QStringLiteral("a form, slip or note in it could not be made");
        if (!held.isEmpty()) {
            QString detail = held.last().second;
            if (detail.endsWith(QLatin1Char('.')))
                detail.chop(1);
            why += QStringLiteral(" (") + detail + QLatin1Char(')');
        }
        return why;
    }
    switch (code) {
    case kPasswordRefused: return QStringLiteral("the password was refused");
    case kProvinceRefused: return QStringLiteral("it is not meant for this version of the program");
    default: break;
    }
    if (version < kLowestVersion || version > kHighestVersion)
        return QStringLiteral("it is not a return file");
    if (version > kCurrentVersion)
        return QStringLiteral("it was prepared by a later version of Brackenquill");
    return QStringLiteral("the file is damaged");
}

} // namespace

CReturnFile *CReturnFile::load(const QString &path, int &code, int edition, QString *failure)
{
    code = kNotOpened;
    if (failure)
        failure->clear();
    // a FIFO or a device would block the open or the reads: only regular files are read
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (failure)
            *failure = notOpenedReason(path);
        return nullptr;
    }
    // the reader takes a file whole into memory: a huge one is refused unread
    if (file.size() > kMaxFileBytes) {
        code = kDamaged;
        if (failure)
            *failure = QStringLiteral("it is not a return file (it is far larger than any return)");
        else
            gMsgInformation(messageTitle(), damagedFileText(), nullptr);
        return new CReturnFile(0);
    }
    MyDataStream ar(&file, false);
    auto *returnFile = new CReturnFile(0);
    returnFile->m_readStamp = FileStamp::ofDescriptor(file.handle());
    std::unique_ptr<QuietReading> quiet(failure ? new QuietReading : nullptr);
    code = returnFile->serialize(edition, ar);
    file.close();
    if (!quiet)
        return returnFile;
    const QList<QPair<QString, QString>> held = quiet->takeHeld();
    quiet.reset(); // the caller's handler again
    if (code == kOk) {
        for (const auto &box : held)
            gMsgInformation(box.first, box.second, nullptr);
    } else {
        *failure = readFailureReason(code, *returnFile, held);
    }
    return returnFile;
}

int CReturnFile::save(const QString &path, int edition, QString *error, FileStamp *written)
{
    // refuse before the file is touched
    const int province = self()->province();
    if (province < Province::Alberta || province > Province::Yukon) {
        if (error)
            *error = noProvinceText();
        return kDamaged;
    }
    // a return file begins with self's person block
    removeStaleSaveFiles(path, IndividualTaxData::writtenBlockStart());
    ReplacingFile file(path);
    if (!file.open()) {
        if (error)
            *error = cannotWriteText(path, file.errorString());
        return kNotOpened;
    }
    MyDataStream ar(&file, true);
    const int result = serialize(edition, ar);
    const bool writeFailed = ar.status() == QDataStream::WriteFailed;
    if (!writeFailed && (result != kOk || !ar.ok())) {
        file.cancel();
        if (error)
            *error = QStringLiteral("The return could not be written (code %1); the file %2 was not changed.")
                         .arg(result != kOk ? result : kDamaged)
                         .arg(path);
        return result != kOk ? result : kDamaged;
    }
    // only a return written whole replaces the file
    if (writeFailed || !file.commit()) {
        if (error)
            *error = cannotWriteText(path, file.errorString());
        return kNotOpened;
    }
    if (written)
        *written = file.written();
    return kOk;
}

int CReturnFile::refuseDamaged(MyDataStream &ar) const
{
    if (ar.IsLoading())
        gMsgInformation(messageTitle(), damagedFileText(), nullptr);
    return kDamaged;
}

bool CReturnFile::askPassword() const
{
    QString input;
    const QString label = QStringLiteral("Please enter the password for this return file\n"
                                         "This return file is proetected by a password\n"
                                         "\n"
                                         "Press 'Cancel' button to cancel");
    if (!gMsgInputText(QStringLiteral("Enter password to open file"), label, input, true, nullptr))
        return false;
    return CString(input).CompareNoCase(self()->password()) == 0;
}

int CReturnFile::serialize(int edition, MyDataStream &ar)
{
    const SyncedReading synced{ar};
    IndividualTaxData *me = self();
    IndividualTaxData *partner = spouse();
    if (ar.IsStoring()) {
        // a return without a province would be written as a damaged file: write nothing
        const int province = me->province();
        if (province < Province::Alberta || province > Province::Yukon) {
            gMsgInformation(messageTitle(), noProvinceText(), nullptr);
            return kDamaged;
        }
    }
    try {
        const int selfResult = me->serialize(edition, ar);
        if (selfResult == kProvinceRefused) {
            qInfo() << "data file not for this version";
            return kProvinceRefused;
        }
        if (me->province() == 0)
            return refuseDamaged(ar);
        if (isBlockFailure(selfResult))
            return selfResult;
        if (selfResult != me->fileVersion() || !ar.ok())
            return refuseDamaged(ar);

        const int spouseResult = partner->serialize(edition, ar);
        if (spouseResult == kProvinceRefused) {
            qInfo() << "data file not for this version";
            return kProvinceRefused;
        }
        if (isBlockFailure(spouseResult))
            return spouseResult;
        if (spouseResult != partner->fileVersion() || !ar.ok())
            return refuseDamaged(ar);
        if (!m_dependants.serilize(me->fileVersion(), ar))
            return refuseDamaged(ar);
    } catch (const std::exception &e) {
        qInfo().noquote() << "serize exception happens:" << e.what();
        return refuseDamaged(ar);
    } catch (...) {
        qInfo() << "serize exception happens";
        return refuseDamaged(ar);
    }

    if (ar.IsLoading()) {
        if (hasPassword() && !askPassword())
            return kPasswordRefused;
        // each block has completed its person for this year as it was read
        if (m_dependants.count() < DependantInfoStruct::kSlots)
            m_dependants.AllocData(DependantInfoStruct::kSlots);
    }

    bool coupled = isCoupled();
    CSetCoupledFlagObj flagger;
    me->forEachForm(&flagger, &coupled);
    me->setCoupled(coupled);
    partner->forEachForm(&flagger, &coupled);
    partner->setCoupled(coupled);

    if (serializeSettings(edition, ar) != kOk || !ar.ok())
        return refuseDamaged(ar);
    // bytes after the settings mean the blocks were not read where they were written
    if (ar.IsLoading() && ar.bytesLeft() > 0)
        return refuseDamaged(ar);
    return kOk;
}

int CReturnFile::serializeSettings(int edition, MyDataStream &ar)
{
    Q_UNUSED(edition)
    if (ar.IsStoring()) {
        ar << qint32(1) << qint32(0);
        m_settings.serialize(ar);
        return kOk;
    }
    // the header carries nothing, but anything else there means a misplaced read
    qint32 one = 0;
    qint32 zero = 0;
    ar >> one >> zero;
    if (!ar.ok() || one != 1 || zero != 0 || !m_settings.serialize(ar))
        return kDamaged;
    return kOk;
}
