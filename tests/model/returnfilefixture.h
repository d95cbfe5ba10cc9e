#pragma once
// Sample returns for the return-file tests, the corpus generator and the
// benchmark: persons whose every field holds a value derived from a seed, and
// helpers that write and read a whole return file in memory.
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "mydatastream.h"
#include "taxdata_t1new.h"
#include "taxdata_taxnote.h"
#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QString>

namespace returnfixture {

inline void fillRecord(FieldRecord &r, int seed)
{
    const FieldTable &t = r.table();
    for (int i = 0; i < t.count(); ++i) {
        if (t.isTransient(i))
            continue; // never stored: a file gives back its default
        const int v = seed * 31 + i * 7;
        switch (t.spec(i).kind) {
        case FieldKind::Amount: r.setNumber(i, (v % 100000) / 100.0 + 0.25); break;
        case FieldKind::Int: r.setNumber(i, v % 97); break;
        case FieldKind::Flag: r.setNumber(i, v % 2); break;
        case FieldKind::Date: r.setDate(i, QDate(1950 + v % 70, 1 + v % 12, 1 + v % 28)); break;
        case FieldKind::Text: r.setText(i, QStringLiteral("t%1-%2 \u00e9").arg(seed).arg(i)); break;
        }
    }
}

// Every field and two rows of every row list.
inline void fillObject(CTaxData_Form *o, int seed)
{
    if (!o)
        return;
    fillRecord(o->fields(), seed);
    for (int l = 0; l < o->rowListCount(); ++l) {
        o->rows(l).clear();
        for (int r = 0; r < 2; ++r)
            fillRecord(o->rows(l).append(), seed + 11 * (l + 1) + r);
    }
    o->setFlags(quint32(seed % 2));
}

// A new return of the province with the person's identity in the T1.
inline void newPerson(IndividualTaxData &p, int province, const QString &first, const QString &last,
                      int maritalStatus, bool coupled)
{
    p.initNewReturn(province, first, last, QStringLiteral("046454286"), QDate(1980, 5, 17), maritalStatus,
                    QStringLiteral("Partner"), last, QStringLiteral("193456787"), QDate(1982, 3, 4), coupled);
}

// Form types that a return of the province can hold and that survive a read.
inline QList<int> keptFormTypes(IndividualTaxData &p, int province)
{
    QList<int> types;
    const int year = p.taxYear();
    p.setTaxYear(IndividualTaxData::kTaxYear);
    for (int type = 1; type < kFormTableSize; ++type) {
        if (Global_Forms_Info[type].type != type || p.isObsoleteForm(type) || type == 177 || type == 178)
            continue;
        const int owner = getFormProv(type);
        if (owner != 0 && owner != province)
            continue;
        types.append(type);
    }
    p.setTaxYear(year);
    return types;
}

// Adds forms (every kept type when formCount < 0, else that many), slips and
// notes, fills everything from the seed and completes the person as a read would.
inline void fillPerson(IndividualTaxData &p, int formCount, int slipCount, int noteCount, int seed, int edition = 1)
{
    const QList<int> types = keptFormTypes(p, p.province());
    int added = 0;
    for (int i = 0; i < types.size() && (formCount < 0 || added < formCount); ++i) {
        const int type = types.at(i);
        const int copies = IsMultipleForm(type) ? 2 : 1;
        for (int c = 0; c < copies && (formCount < 0 || added < formCount); ++c) {
            if (!IsMultipleForm(type) && p.hasForm(type))
                break;
            if (p.addForm(type, 0, true, 0, false))
                ++added;
        }
    }
    for (int i = 0, made = 0; made < slipCount && i < 4 * slipCount; ++i)
        made += p.addSlip(1 + i % (kSlipTableSize - 1), 0, 0) != nullptr;
    for (int i = 0; i < noteCount; ++i)
        p.addNote(500 + i);
    p.completeAfterRead(edition);
    // the notes' ids were given by hand: the counter goes past them, as a file read back has it
    if (noteCount > 0)
        p.setEntryIdCounter(qMax(p.entryIdCounter(), 500 + noteCount));
    int n = seed;
    for (FormEntry *e : p.forms())
        fillObject(e->object, ++n);
    for (FormEntry *e : p.slips())
        fillObject(e->object, ++n);
    for (NoteEntry *e : p.notes())
        fillObject(e->note, ++n);
    // keep what the sample needs to stay a return of its province
    if (TaxData_T1New *t1 = p.t1()) {
        t1->setFilingStatus(0);
        t1->setReFile(false);
    }
    p.completeAfterRead(edition);
}

inline QByteArray write(CReturnFile &rf, int *code = nullptr)
{
    QByteArray bytes;
    MyDataStream ar(&bytes, true);
    const int r = rf.serialize(1, ar);
    if (code)
        *code = r;
    return bytes;
}

inline int read(const QByteArray &bytes, CReturnFile &rf, int edition = 1)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    MyDataStream ar(&buffer, false);
    return rf.serialize(edition, ar);
}

// Entries of both persons in the same order with the same ids, links and data.
inline bool sameEntries(const IndividualTaxData &a, const IndividualTaxData &b, QString *why = nullptr)
{
    auto fail = [why](const QString &text) {
        if (why)
            *why = text;
        return false;
    };
    auto sameList = [&](const EntryList<FormEntry> &x, const EntryList<FormEntry> &y, const char *what) {
        if (x.count() != y.count())
            return fail(QStringLiteral("%1: %2 against %3").arg(what).arg(x.count()).arg(y.count()));
        for (int i = 0; i < x.count(); ++i) {
            const FormEntry *e = x.at(i);
            const FormEntry *f = y.at(i);
            if (e->type != f->type || e->id != f->id || e->linkedId != f->linkedId)
                return fail(QStringLiteral("%1 %2: type %3/%4 id %5/%6 link %7/%8")
                                .arg(what).arg(i).arg(e->type).arg(f->type).arg(e->id).arg(f->id)
                                .arg(e->linkedId).arg(f->linkedId));
            if (e->object->differs(*f->object))
                return fail(QStringLiteral("%1 %2 (type %3): data differs").arg(what).arg(i).arg(e->type));
        }
        return true;
    };
    if (!sameList(a.forms(), b.forms(), "form") || !sameList(a.slips(), b.slips(), "slip"))
        return false;
    if (a.notes().count() != b.notes().count())
        return fail(QStringLiteral("note count"));
    for (int i = 0; i < a.notes().count(); ++i)
        if (a.notes().at(i)->id != b.notes().at(i)->id || a.notes().at(i)->note->differs(*b.notes().at(i)->note))
            return fail(QStringLiteral("note %1").arg(i));
    if (a.wizardData().count() != b.wizardData().count())
        return fail(QStringLiteral("wizard record count"));
    for (int i = 0; i < a.wizardData().count(); ++i)
        if (a.wizardData().at(i)->type != b.wizardData().at(i)->type)
            return fail(QStringLiteral("wizard record %1").arg(i));
    return true;
}

} // namespace returnfixture
