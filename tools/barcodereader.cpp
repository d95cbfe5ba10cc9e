#include "barcodereader.h"
#include "mydatastream.h"
#include <QFile>
#include <stdexcept>

namespace barcodereader {
namespace {

// Version thresholds of the person block (see the return file's layout).
constexpr int kCurrentVersion = 66098;
constexpr int kConstantFieldAfter = 65988;
constexpr int kPersonWordAfter = 65865;
constexpr int kFormIdsAfter = 65855;
constexpr int kSlipLinkedIdAfter = 65856;
constexpr int kNotesAfter = 65715;
constexpr int kBarcodeAfter = 65776;

struct Walker
{
    MyDataStream &in;

    qint32 readInt()
    {
        qint32 v = 0;
        in >> v;
        check();
        return v;
    }
    qint32 readCount(qint64 minBytes)
    {
        qint32 n = 0;
        if (!in.readCount(n, minBytes))
            throw std::runtime_error("a damaged count");
        return n;
    }
    void check()
    {
        if (!in.ok())
            throw std::runtime_error("the file ends early");
    }
    QByteArray readBytes(qint32 n)
    {
        QByteArray b(n, '\0');
        if (n < 0 || in.readRawData(b.data(), n) != n)
            throw std::runtime_error("the file ends early");
        return b;
    }

    void skipRecord()
    {
        quint16 n = 0;
        in >> n;
        for (int i = 0; i < n; ++i) {
            quint8 kind = 0;
            in >> kind;
            switch (kind) {
            case 1: { double d; in >> d; break; }
            case 2: readInt(); break;
            case 3: { quint8 f; in >> f; break; }
            case 4:
            case 5: { QString s; in >> s; break; }
            default: throw std::runtime_error("an unknown field kind");
            }
            check();
        }
    }
    void skipObject()
    {
        readInt();                      // flags
        const qint32 lists = readCount(4);
        skipRecord();
        for (qint32 l = 0; l < lists; ++l) {
            const qint32 rows = readCount(2);
            for (qint32 r = 0; r < rows; ++r)
                skipRecord();
        }
    }

    int person(PersonBarcodes &out)
    {
        const qint32 version = readInt();
        readInt();   // tax year
        if (version < 65536 || version > kCurrentVersion)
            throw std::runtime_error("a person block of an unknown version");
        if (version > kConstantFieldAfter)
            readInt();
        if (version > kPersonWordAfter)
            readInt();
        const qint32 slotCount = readCount(8);
        for (qint32 i = 0; i < slotCount; ++i) {
            readInt();
            QString s;
            in >> s;
            check();
        }
        readInt();   // next entry id
        const qint32 province = readInt();
        for (qint32 i = readCount(4); i > 0; --i) {
            readInt();
            if (version > kFormIdsAfter) {
                readInt();
                readInt();
            }
            skipObject();
        }
        for (qint32 i = readCount(8); i > 0; --i) {
            readInt();
            readInt();
            if (version > kSlipLinkedIdAfter)
                readInt();
            skipObject();
        }
        if (version > kNotesAfter) {
            for (qint32 i = readCount(8); i > 0; --i) {
                readInt();
                readInt();
                skipObject();
            }
        }
        if (version > kBarcodeAfter)
            barcodes(out);
        return province;
    }

    void barcodes(PersonBarcodes &out)
    {
        readBytes(8);
        const qint32 n = readInt();
        if (n > 0) {
            out.hasData = true;
            out.texts << readBytes(n);
            const qint32 m = readInt();
            for (qint32 i = 0; i < m; ++i) {
                const qint32 k = readInt();
                if (k > 0)
                    out.texts << readBytes(k);
            }
        }
        readBytes(8);
    }
};

} // namespace

bool read(const QString &path, QList<PersonBarcodes> &persons, QString *error)
{
    persons.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    MyDataStream in(&file, false);
    Walker w{in};
    try {
        PersonBarcodes self;
        const int province = w.person(self);
        persons << self;
        if (province != 0) {
            PersonBarcodes spouse;
            w.person(spouse);
            persons << spouse;
        }
    } catch (const std::exception &e) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, QString::fromLatin1(e.what()));
        return false;
    }
    return true;
}

} // namespace barcodereader
