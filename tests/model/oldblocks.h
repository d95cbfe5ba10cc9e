#pragma once
// Person blocks and whole files laid out as older versions of the program wrote
// them, for the format tests and the stored regression files.
#include "creservedarea.h"
#include "dependantinfostruct.h"
#include "returnfilefixture.h"
#include "taxfactory.h"

namespace returnfixture {

struct Record
{
    int type;
    int id;
    int linkedId;
    int seed;
};

// One person block laid out for a given version, as an older program wrote it.
struct Block
{
    int version = 66098;
    int year = 2024;
    int word = 77;
    QString password;
    int nextId = 200;
    int province = 9;
    QList<Record> forms;
    QList<Record> slips;
    QList<Record> notes;
};

const QString kMarker = QString::fromLatin1(IndividualTaxData::kMarkerText);

inline void writeObject(MyDataStream &ar, CTaxData_Form *o, int seed, int version)
{
    fillObject(o, seed);
    o->serialise(version, kMarker, ar);
    delete o;
}

inline void writeBlock(MyDataStream &ar, const Block &b)
{
    const int v = b.version;
    ar << qint32(v) << qint32(b.year);
    if (v > 65988)
        ar << qint32(1);
    if (v > 65865)
        ar << qint32(b.word);
    CReservedArea area;
    area.set(1, b.password);
    area.set(2, kMarker);
    area.serialise(ar);
    ar << qint32(b.nextId) << qint32(b.province);
    ar << qint32(b.forms.size());
    for (const Record &r : b.forms) {
        ar << qint32(r.type);
        if (v > 65855)
            ar << qint32(r.id) << qint32(r.linkedId);
        writeObject(ar, createForm(unsigned(r.type)), r.seed, v);
    }
    ar << qint32(b.slips.size());
    for (const Record &r : b.slips) {
        ar << qint32(r.type) << qint32(r.id);
        if (v > 65856)
            ar << qint32(r.linkedId);
        writeObject(ar, createSlip(unsigned(r.type)), r.seed, v);
    }
    if (v > 65715) {
        ar << qint32(b.notes.size());
        for (const Record &r : b.notes) {
            ar << qint32(1) << qint32(r.id);
            writeObject(ar, createTaxNote(), r.seed, v);
        }
    }
    if (v > 65776) {
        const QByteArray mark(8, 'b');
        ar.writeRawData(mark.constData(), 8);
        ar << qint32(0);
        ar.writeRawData(mark.constData(), 8);
    }
}

// A whole file: self's block, an empty spouse block, the dependants and the settings.
inline QByteArray buildFile(const Block &self, const Block &spouse = Block{66098, 2024, -100, QString(), 100, 0, {}, {}, {}})
{
    QByteArray bytes;
    MyDataStream ar(&bytes, true);
    writeBlock(ar, self);
    writeBlock(ar, spouse);
    DependantInfoStruct deps;
    deps.AllocData(12);
    deps.at(0).firstName = QStringLiteral("Kid");
    deps.serilize(self.version, ar);
    ar << qint32(1) << qint32(0);
    ar << qint32(1) << qint32(1) << qint32(0) << qint32(1) << qint32(1234) << qint32(5678);
    return bytes;
}

inline Block sampleBlock(int version)
{
    Block b;
    b.version = version;
    b.password = QStringLiteral("Secret");
    b.forms = {{1, 120, 0, 1}, {12, 130, 5, 2}};
    b.slips = {{1, 140, 9, 3}};
    b.notes = {{0, 160, 0, 4}};
    return b;
}

} // namespace returnfixture
