#include "creturnfile_format.h"
#include "ctaxdata_form.h"
#include "individualtaxdata.h"
#include "formtables.h"
#include "mydatastream.h"
#include "taxdata_t1mnew.h"
#include "taxdata_taxnote.h"
#include <QIODevice>

// ---- rules of writing and reading a person block

void IndividualTaxData::prepareForWrite()
{
    moveT1KSFirst();
    m_fileVersion = kCurrentFileVersion;
    m_taxYear = kTaxYear;
    m_reservedStrings.set(1, m_password);
    m_reservedStrings.set(2, QString::fromLatin1(kMarkerText));
}

void IndividualTaxData::storeReadProvince(int province)
{
    m_province = province;
    m_provinceManager.setCurrentProvince(province);
}

bool IndividualTaxData::loadProvincePlugin()
{
    return m_provinceManager.getManager(m_province, true) != nullptr;
}

int IndividualTaxData::readFormRecord(ReadContext &ctx, int type, int id, int linkedId, MyDataStream &ar)
{
    if (ctx.version <= 65855) {
        // old blocks carry no ids: number the forms in file order
        id = nextEntryId();
        linkedId = 0;
    }
    bool retained = !isObsoleteForm(type);
    if (type == FormType::T1Summary) {
        retained = retained && !ctx.summarySeen;
        ctx.summarySeen = true;
    }
    retained = retained && ctx.provinceReady;

    FormEntry *entry = nullptr;
    bool ownEntry = false;
    if (retained && !IsMultipleForm(type))
        entry = m_forms.firstWithKey(type);
    if (!entry) {
        entry = addForm(type, id, retained, linkedId, false);
        if (!entry)
            return 253;
        ownEntry = !retained;
    }
    const int read = entry->object ? entry->object->serialise(ctx.version, ctx.marker, ar) : 0;
    if (type == FormType::T1_M)
        if (auto *t1m = dynamic_cast<TaxData_T1MNew *>(entry->object))
            m_movingAmountCarried = t1m->amount(TaxData_T1MNew::F_CarryForward);
    if (ownEntry) {
        // a dropped form: its data has been consumed, the object goes at once
        removeForm(entry->object, false, false);
        delete entry;
    }
    return read < 0 || !ar.ok() ? -1 : 0;
}

int IndividualTaxData::readSlipRecord(const ReadContext &ctx, int type, int id, int linkedId, MyDataStream &ar)
{
    if (ctx.version <= 65856)
        linkedId = 0;
    FormEntry *entry = addSlip(type, id, linkedId);
    if (!entry)
        return 252;
    const int read = entry->object->serialise(ctx.version, ctx.marker, ar);
    return read < 0 || !ar.ok() ? -1 : 0;
}

int IndividualTaxData::readNoteRecord(const ReadContext &ctx, int id, MyDataStream &ar)
{
    NoteEntry *entry = addNote(id);
    if (!entry)
        return 251;
    const int read = entry->note->serialise(ctx.version, ctx.marker, ar);
    return read < 0 || !ar.ok() ? -1 : 0;
}

bool IndividualTaxData::isUsableEntryIdCounter(qint64 counter)
{
    return counter >= 1 && counter <= returnfile::kMaxEntryIdCounter;
}

bool IndividualTaxData::settleEntryIdCounter()
{
    qint64 highest = 0;
    for (const FormEntry *e : m_forms)
        highest = qMax<qint64>(highest, e->id);
    for (const FormEntry *e : m_slips)
        highest = qMax<qint64>(highest, e->id);
    for (const NoteEntry *e : m_notes)
        highest = qMax<qint64>(highest, e->id);
    const qint64 next = qMax<qint64>(m_nextEntryId, highest + 1);
    if (!isUsableEntryIdCounter(next))
        return false;
    m_nextEntryId = int(next);
    return true;
}

// ---- barcode block and filing checks

namespace {
IndividualTaxData::FilingServices *&installedServices()
{
    static IndividualTaxData::FilingServices *services = nullptr;
    return services;
}
} // namespace

IndividualTaxData::FilingServices::~FilingServices() = default;

void IndividualTaxData::setFilingServices(FilingServices *services)
{
    installedServices() = services;
}

IndividualTaxData::FilingServices *IndividualTaxData::filingServices()
{
    return installedServices();
}

void IndividualTaxData::writeBarcodeData(int flag, MyDataStream &ar)
{
    if (FilingServices *s = installedServices()) {
        s->writeBarcodeData(*this, flag, ar);
        return;
    }
    ar << qint32(0);   // the block of a person without barcode data
}

void IndividualTaxData::skipBarcodeData(MyDataStream &ar)
{
    const SyncedReading synced{ar};
    qint32 n = 0;
    ar >> n;
    if (!ar.ok() || n < 1)
        return;
    if (ar.skipRawData(n) != n)
        return;
    qint32 m = 0;
    const qint64 left = ar.bytesLeft();
    if (left >= 4 || (left < 0 && ar.device() && ar.device()->bytesAvailable() >= 4))
        ar >> m;
    if (!ar.ok() || m <= 0)
        return;
    if (m_fileVersion < 66064) {
        // older files may hold SFD blocks whose lengths do not match: find the
        // closing marker instead
        if (ar.bytesLeft() < 0)
            return;
        const QByteArray ahead = ar.peekRaw(3100);
        const int at = ahead.indexOf(QByteArray(8, char(0x62)));
        if (at >= 0)
            ar.skipRawData(at);
        return;
    }
    for (qint32 i = 0; i < m; ++i) {
        qint32 k = 0;
        ar >> k;
        if (!ar.ok())
            return;
        if (k > 0 && ar.skipRawData(k) != k)
            return;
    }
}

bool IndividualTaxData::confirmPersonBeforeFiling(int edition, bool dcnConfirmed)
{
    FilingServices *s = installedServices();
    return s ? s->confirmPersonBeforeFiling(*this, edition, dcnConfirmed) : true;
}

int IndividualTaxData::checkForFiling(int edition, QList<ValidationMessageGroup *> &messages)
{
    FilingServices *s = installedServices();
    return s ? s->checkForFiling(*this, edition, messages) : messages.size();
}

int IndividualTaxData::checkCoupledReturns(int edition, QList<CString> &messages, IndividualTaxData &partner)
{
    FilingServices *s = installedServices();
    return s ? s->checkCoupledReturns(*this, edition, messages, partner) : messages.size();
}

void IndividualTaxData::fillEfileHeaderVars(QMap<QString, QString> &vars, int requestKind)
{
    if (FilingServices *s = installedServices())
        s->fillEfileHeaderVars(*this, vars, requestKind);
}

void IndividualTaxData::fillNetfileRequestVars(QMap<QString, QString> &vars, int edition, QString *text,
                                               double *amount, int flag)
{
    if (FilingServices *s = installedServices())
        s->fillNetfileRequestVars(*this, vars, edition, text, amount, flag);
}
