// The person block of the return file: one routine writes and reads it, in the
// order of the file, with the per-record rules of individualtaxdata_file.cpp.
#include "creturnfile_format.h"
#include "ctaxdata_form.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "mydatastream.h"
#include "settingsseam.h"
#include "taxdata_taxnote.h"
#include <QDebug>
#include <exception>

using namespace returnfile;

namespace {

bool inTestMode()
{
    const QString v = settingsSource()->configValue(QStringLiteral("MODEDEBUG")).trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
        || v == QLatin1String("on");
}

void writeBarcodeMark(MyDataStream &ar)
{
    const QByteArray mark(kBarcodeMarkLength, kBarcodeMarkByte);
    ar.writeRawData(mark.constData(), mark.size());
}

// The marker bytes are read past; their values do not matter.
bool readBarcodeMark(MyDataStream &ar)
{
    char mark[kBarcodeMarkLength];
    return ar.readRawData(mark, kBarcodeMarkLength) == kBarcodeMarkLength;
}

} // namespace

int IndividualTaxData::serialize(int edition, MyDataStream &ar)
{
    const SyncedReading synced{ar};
    try {
        return ar.IsStoring() ? writePersonBlock(ar) : readPersonBlock(edition, ar);
    } catch (const std::exception &e) {
        qInfo().noquote() << "person block:" << e.what();
    } catch (...) {
        qInfo() << "person block: exception";
    }
    return kDamaged;
}

QByteArray IndividualTaxData::writtenBlockStart()
{
    QByteArray bytes;
    MyDataStream ar(&bytes, true);
    ar << qint32(kCurrentFileVersion) << qint32(kTaxYear) << qint32(1);
    return bytes;
}

int IndividualTaxData::writePersonBlock(MyDataStream &ar)
{
    prepareForWrite();
    const QByteArray start = writtenBlockStart();
    ar.writeRawData(start.constData(), start.size());
    ar << qint32(m_reservedWord);
    m_reservedStrings.serialise(ar);
    ar << qint32(m_nextEntryId) << qint32(m_province);
    const CString marker = m_reservedStrings.get(2);

    // entries always hold an object; a record without one could not be read back
    auto withObject = [](const QList<FormEntry *> &list) {
        int n = 0;
        for (const FormEntry *e : list)
            n += e->object != nullptr;
        return n;
    };
    ar << qint32(withObject(m_forms.items()));
    for (FormEntry *e : m_forms)
        if (e->object) {
            ar << qint32(e->type) << qint32(e->id) << qint32(e->linkedId);
            e->object->serialise(m_fileVersion, marker, ar);
        }
    ar << qint32(withObject(m_slips.items()));
    for (FormEntry *e : m_slips)
        if (e->object) {
            ar << qint32(e->type) << qint32(e->id) << qint32(e->linkedId);
            e->object->serialise(m_fileVersion, marker, ar);
        }
    int notes = 0;
    for (const NoteEntry *e : m_notes)
        notes += e->note != nullptr;
    ar << qint32(notes);
    for (NoteEntry *e : m_notes)
        if (e->note) {
            ar << qint32(1) << qint32(e->id);
            e->note->serialise(m_fileVersion, marker, ar);
        }

    writeBarcodeMark(ar);
    writeBarcodeData(1, ar);
    writeBarcodeMark(ar);
    return ar.ok() ? m_fileVersion : kDamaged;
}

int IndividualTaxData::readPersonBlock(int edition, MyDataStream &ar)
{
    qint32 version = 0;
    qint32 year = 0;
    ar >> version >> year;
    if (!ar.ok())
        return kDamaged;
    m_fileVersion = version;
    m_taxYear = year;
    if (version < kLowestVersion || version > kHighestVersion) {
        gMsgInformation(messageTitle(), damagedFileText(), nullptr);
        return kVersionRefused;
    }
    if (version > kCurrentVersion) {
        gMsgInformation(messageTitle(),
                        QStringLiteral("The tax return file is prepared by a much later version of Brackenquill. "
                                       "Please use the right version of Brackenquill to open the tax return file."),
                        nullptr);
        return kVersionRefused;
    }
    if (version > kConstantFieldAfter) {
        qint32 constant = 0;
        ar >> constant;
    }
    m_reservedWord = -100;
    if (version > kPersonWordAfter) {
        qint32 word = 0;
        ar >> word;
        m_reservedWord = word;
    }
    if (!ar.ok() || !m_reservedStrings.serialise(ar))
        return kDamaged;
    // the password itself never goes to a log, whatever the mode
    m_password = version > kPasswordAfter ? m_reservedStrings.get(1) : CString();
    if (!m_password.isEmpty() && inTestMode())
        qInfo() << "return file: the block is protected by a password";

    ReadContext ctx;
    ctx.version = version;
    ctx.marker = m_reservedStrings.get(2);

    qint32 nextId = 0;
    qint32 province = 0;
    ar >> nextId >> province;
    if (!ar.ok() || !isUsableEntryIdCounter(nextId))
        return kDamaged;
    m_nextEntryId = nextId;
    if (province < Province::None || province > Province::Yukon)
        return kProvinceRefused;
    storeReadProvince(province);
    ctx.provinceReady = loadProvincePlugin();

    const qint64 idBytes = version > kFormIdsAfter ? 8 : 0;
    qint32 count = 0;
    if (!ar.readCount(count, 4 + idBytes + kMinObjectBytes))
        return kDamaged;
    if (count > 0 && !ctx.provinceReady) {
        // Without the province's calculators every form would be dropped (the T1
        // with them) and a later save would write the empty return over the file.
        if (province == Province::None)
            return kDamaged;
        gMsgInformation(messageTitle(),
                        QStringLiteral("The calculation library of %1 could not be loaded, so this return file "
                                       "cannot be opened without losing its forms. The file has not been changed.")
                            .arg(provinceName(province)),
                        nullptr);
        return kFormNotMade;
    }
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0;
        qint32 id = 0;
        qint32 linkedId = 0;
        ar >> type;
        if (version > kFormIdsAfter)
            ar >> id >> linkedId;
        if (!ar.ok())
            return kDamaged;
        const int r = readFormRecord(ctx, type, id, linkedId, ar);
        if (r == kFormNotMade)
            return r;
        if (r != 0)
            return kDamaged;
    }

    const qint64 slipIdBytes = version > kSlipLinkedIdAfter ? 8 : 4;
    if (!ar.readCount(count, 4 + slipIdBytes + kMinObjectBytes))
        return kDamaged;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0;
        qint32 id = 0;
        qint32 linkedId = 0;
        ar >> type >> id;
        if (version > kSlipLinkedIdAfter)
            ar >> linkedId;
        if (!ar.ok())
            return kDamaged;
        const int r = readSlipRecord(ctx, type, id, linkedId, ar);
        if (r == kSlipNotMade)
            return r;
        if (r != 0)
            return kDamaged;
    }

    if (version > kNotesAfter) {
        if (!ar.readCount(count, 8 + kMinObjectBytes))
            return kDamaged;
        for (qint32 i = 0; i < count; ++i) {
            qint32 one = 0;
            qint32 id = 0;
            ar >> one >> id;
            if (!ar.ok())
                return kDamaged;
            const int r = readNoteRecord(ctx, id, ar);
            if (r == kNoteNotMade)
                return r;
            if (r != 0)
                return kDamaged;
        }
    }

    if (version > kBarcodeAfter) {
        if (!readBarcodeMark(ar))
            return kDamaged;
        skipBarcodeData(ar);
        if (!ar.ok() || !readBarcodeMark(ar))
            return kDamaged;
    }

    // ids read must not be handed out again
    if (!settleEntryIdCounter())
        return kDamaged;
    completeAfterRead(edition);
    return version;
}
