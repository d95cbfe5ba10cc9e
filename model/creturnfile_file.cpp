// The .r24 file: self's person block, the spouse's, the dependants record, then
// the settings. One routine reads and writes it.
#include "creturnfile.h"
#include "creturnfile_format.h"
#include "csetcoupledflagobj.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "mydatastream.h"
#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <exception>

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

} // namespace

CReturnFile *CReturnFile::load(const QString &path, int &code, int edition)
{
    code = kNotOpened;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    MyDataStream ar(&file, false);
    auto *returnFile = new CReturnFile(0);
    code = returnFile->serialize(edition, ar);
    file.close();
    return returnFile;
}

int CReturnFile::save(const QString &path, int edition, QString *error)
{
    // refuse before the file is touched
    const int province = self()->province();
    if (province < 1 || province > 13) {
        if (error)
            *error = noProvinceText();
        return kDamaged;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("The file %1 cannot be written: %2").arg(path, file.errorString());
        return kNotOpened;
    }
    MyDataStream ar(&file, true);
    const int result = serialize(edition, ar);
    if (result != kOk || !ar.ok()) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("The return could not be written (code %1); the file %2 was not changed.")
                         .arg(result != kOk ? result : kDamaged)
                         .arg(path);
        return result != kOk ? result : kDamaged;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("The file %1 cannot be written: %2").arg(path, file.errorString());
        return kNotOpened;
    }
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
    IndividualTaxData *me = self();
    IndividualTaxData *partner = spouse();
    if (ar.IsStoring()) {
        // a return without a province would be written as a damaged file: write nothing
        const int province = me->province();
        if (province < 1 || province > 13) {
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
