// Replays the seed corpus and damaged copies of it through the return-file reader:
// files cut at every block and record boundary, and every count of the file
// bit-flipped, made huge and made negative. Each damaged file must give an error
// code; none may crash, hang or allocate without bound.
#include "bqtest.h"
#include "filingdocservices.h"
#include "creturnfile.h"
#include "formtables.h"
#include "mydatastream.h"
#include "silentmessages.h"
#include <QBuffer>
#include <QDir>
#include <QLibrary>
#include <memory>
#include <sys/resource.h>

namespace {

struct Layout
{
    QList<qint64> boundaries;   // where a block or a record begins
    QList<qint64> counts32;     // 32-bit counts
    QList<qint64> counts16;     // 16-bit counts
    QList<qint64> barcodeCounts; // counts inside the barcode blocks, which the reader skips
};

// Walks a file as written by this program (every object's data describes itself)
// and notes where its blocks, records and counts are.
class Scanner
{
public:
    explicit Scanner(const QByteArray &bytes) : m_bytes(bytes) {}

    bool scan(Layout &l)
    {
        person(l);
        person(l);
        l.boundaries << m_pos;
        l.counts32 << m_pos;
        const quint32 dependants = u32();
        for (quint32 i = 0; i < dependants && ok(); ++i) {
            text();
            text();
            text();
            m_pos += 8 + 4 + 1 + 8;
        }
        l.boundaries << m_pos << m_pos + 8;
        m_pos += 8 + 24;
        return ok() && m_pos == m_bytes.size();
    }

private:
    bool ok() const { return m_pos <= m_bytes.size(); }
    quint32 u32()
    {
        quint32 v = 0;
        for (int i = 0; i < 4 && m_pos + i < m_bytes.size(); ++i)
            v |= quint32(quint8(m_bytes[int(m_pos + i)])) << (8 * i);
        m_pos += 4;
        return v;
    }
    quint16 u16()
    {
        const quint16 v = m_pos + 1 < m_bytes.size()
            ? quint16(quint8(m_bytes[int(m_pos)]) | quint8(m_bytes[int(m_pos + 1)]) << 8) : 0;
        m_pos += 2;
        return v;
    }
    void text()
    {
        const quint32 n = u32();
        if (n != 0xffffffffu)
            m_pos += n;
    }
    void fieldRecord(Layout &l)
    {
        l.counts16 << m_pos;
        const quint16 n = u16();
        for (int i = 0; i < n && ok(); ++i) {
            const int kind = quint8(m_bytes.at(int(m_pos++)));
            switch (kind) {
            case 1: m_pos += 8; break;
            case 2: m_pos += 4; break;
            case 3: m_pos += 1; break;
            default: text(); break;
            }
        }
    }
    void object(Layout &l)
    {
        m_pos += 4;
        l.counts32 << m_pos;
        const quint32 lists = u32();
        fieldRecord(l);
        for (quint32 i = 0; i < lists && ok(); ++i) {
            l.counts32 << m_pos;
            const quint32 rows = u32();
            for (quint32 r = 0; r < rows && ok(); ++r)
                fieldRecord(l);
        }
    }
    void records(Layout &l, int header)
    {
        l.boundaries << m_pos;
        l.counts32 << m_pos;
        const quint32 n = u32();
        for (quint32 i = 0; i < n && ok(); ++i) {
            l.boundaries << m_pos;
            m_pos += header;
            object(l);
        }
    }
    void person(Layout &l)
    {
        l.boundaries << m_pos;
        m_pos += 16;
        l.counts32 << m_pos;
        const quint32 reservedSlots = u32();
        for (quint32 i = 0; i < reservedSlots && ok(); ++i) {
            m_pos += 4;
            text();
        }
        m_pos += 8;
        records(l, 12);   // forms
        records(l, 12);   // slips
        records(l, 8);    // notes
        l.boundaries << m_pos;
        m_pos += 8;
        l.barcodeCounts << m_pos;
        const quint32 n = u32();
        m_pos += n;
        m_pos += 8;
    }

    const QByteArray &m_bytes;
    qint64 m_pos = 0;
};

int readBytes(const QByteArray &bytes, CReturnFile &rf)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    MyDataStream ar(&buffer, false);
    return rf.serialize(1, ar);
}

int readBytes(const QByteArray &bytes)
{
    CReturnFile rf;
    return readBytes(bytes, rf);
}


void put32(QByteArray &b, qint64 at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[int(at) + i] = char((v >> (8 * i)) & 0xff);
}

quint32 get32(const QByteArray &b, qint64 at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(quint8(b[int(at) + i])) << (8 * i);
    return v;
}

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

class TestReturnFileReplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        setMessageHandler(&m_messages);
        qInstallMessageHandler(dropLog);
        const QDir dir(QStringLiteral(BQ_FUZZ_CORPUS));
        for (const QFileInfo &fi : dir.entryInfoList({QStringLiteral("*.r24")}, QDir::Files, QDir::Name)) {
            QFile f(fi.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            // files found damaged in the field (named "damaged-...") must be refused
            if (fi.fileName().startsWith(QLatin1String("damaged-")))
                m_damaged.insert(fi.filePath(), f.readAll());
            else
                m_corpus.insert(fi.fileName(), f.readAll());
        }
        QVERIFY(!m_damaged.isEmpty());
        QVERIFY(m_corpus.size() >= 3);
        // held loaded, so that each read does not load and unload the plug-ins
        for (int province : {2, 9}) {
            const QString name = getOSLibFilename(QString::fromLatin1(Global_Provs_Info[province].word[3]));
            auto *lib = new QLibrary(QDir(QCoreApplication::applicationDirPath()).filePath(name), this);
            QVERIFY(lib->load());
        }
    }
    void cleanupTestCase()
    {
        qInstallMessageHandler(nullptr);
        setMessageHandler(nullptr);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        QVERIFY2(usage.ru_maxrss < 1024 * 1024, "more than 1 GB at the peak");   // kilobytes
    }

    void replay_data()
    {
        QTest::addColumn<QString>("name");
        for (auto it = m_corpus.cbegin(); it != m_corpus.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key();
    }
    void replay()
    {
        QFETCH(QString, name);
        const QByteArray bytes = m_corpus.value(name);
        QCOMPARE(readBytes(bytes), 0);
        Layout l;
        QVERIFY(Scanner(bytes).scan(l));

        int cases = 0;
        // cut short at every boundary, and just after it
        for (qint64 at : qAsConst(l.boundaries))
            for (qint64 cut : {at, at + 1, at + 5}) {
                if (cut >= bytes.size())
                    continue;
                QVERIFY2(readBytes(bytes.left(int(cut))) == 255, qPrintable(QStringLiteral("cut at %1").arg(cut)));
                ++cases;
            }
        // every 32-bit count flipped bit by bit, huge and negative
        for (qint64 at : qAsConst(l.counts32)) {
            const quint32 count = get32(bytes, at);
            QList<quint32> values{0x7fffffffu, 0xffffffffu, 0x80000000u, 0x00100000u, count + 1};
            for (int bit = 0; bit < 32; ++bit)
                values << (count ^ (1u << bit));
            for (quint32 v : qAsConst(values)) {
                QByteArray damaged = bytes;
                put32(damaged, at, v);
                QVERIFY2(readBytes(damaged) != 0,
                         qPrintable(QStringLiteral("count at %1: %2 -> %3").arg(at).arg(count).arg(v)));
                ++cases;
            }
        }
        // the 16-bit field counts of every object
        for (qint64 at : qAsConst(l.counts16)) {
            const quint16 count = quint16(quint8(bytes[int(at)]) | quint8(bytes[int(at) + 1]) << 8);
            QList<quint16> values{0xffff, quint16(count + 1)};
            for (int bit = 0; bit < 16; ++bit)
                values << quint16(count ^ (1u << bit));
            for (quint16 v : qAsConst(values)) {
                QByteArray damaged = bytes;
                damaged[int(at)] = char(v & 0xff);
                damaged[int(at) + 1] = char(v >> 8);
                QVERIFY2(readBytes(damaged) != 0,
                         qPrintable(QStringLiteral("field count at %1: %2 -> %3").arg(at).arg(count).arg(v)));
                ++cases;
            }
        }
        // the barcode block is skipped, not read: a count that runs past the file is damage,
        // a negative one an empty block
        for (qint64 at : qAsConst(l.barcodeCounts))
            for (quint32 v : {0x7fffffffu, 0x00100000u, 0x40000000u}) {
                QByteArray damaged = bytes;
                put32(damaged, at, v);
                QVERIFY(readBytes(damaged) != 0);
            }
        QVERIFY(cases > 100);
    }

    // Each is refused with the reader's damaged-file reason, through the same
    // load that the window and batch mode use.
    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        for (auto it = m_damaged.cbegin(); it != m_damaged.cend(); ++it)
            QTest::newRow(qPrintable(QFileInfo(it.key()).fileName())) << it.key();
    }
    void damagedFilesAreRefused()
    {
        QFETCH(QString, path);
        QVERIFY(readBytes(m_damaged.value(path)) != 0);
        int code = 0;
        QString failure;
        std::unique_ptr<CReturnFile> rf(CReturnFile::load(path, code, 1, &failure));
        QVERIFY(code != 0);
        QCOMPARE(failure, QStringLiteral("the file is damaged"));
    }

    // Small files cut at every byte.
    void everyCut()
    {
        const QByteArray bytes = m_corpus.value(QStringLiteral("minimal.r24"));
        QVERIFY(!bytes.isEmpty());
        for (int cut = 0; cut < bytes.size(); ++cut)
            QVERIFY2(readBytes(bytes.left(cut)) == 255, qPrintable(QString::number(cut)));
    }

private:
    SilentMessages m_messages;
    QMap<QString, QByteArray> m_corpus;
    QMap<QString, QByteArray> m_damaged;   // by path
};

BQ_TEST_MAIN_CORE(TestReturnFileReplay)
#include "tst_returnfilereplay.moc"
