// Stored .r24 files written by this program (and by the older versions the
// reader accepts): each is loaded and saved again, and the bytes must equal the
// stored ones, so that any change of the format shows up here.
// BQ_WRITE_R24_FILES=1 writes the folder afresh (only when the format changes on purpose).
#include "bqtest.h"
#include "creturnfile.h"
#include "messages.h"
#include "oldblocks.h"
#include "returnfilefixture.h"
#include <QDir>
#include <QSet>
#include <QTemporaryDir>

using namespace returnfixture;

namespace {

const QString kFolder = QStringLiteral(BQ_R24_FILES);
const QString kPassword = QStringLiteral("Pw-1");
// The last version before each field of a person block appears.
const int kOlderVersions[] = {65715, 65776, 65855, 65856, 65865, 65988, 66033};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void makeSingle(CReturnFile &rf)
{
    newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 4, false);
    fillPerson(*rf.self(), 6, 3, 2, 11);
}

void makeCouple(CReturnFile &rf)
{
    newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, true);
    newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
    fillPerson(*rf.self(), 5, 2, 1, 21);
    fillPerson(*rf.spouse(), 4, 2, 1, 41);
}

QString olderName(int version)
{
    return QStringLiteral("v%1.r24").arg(version);
}

QString savedName(const QString &name)
{
    return QFileInfo(name).completeBaseName() + QStringLiteral(".saved.r24");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

class TestR24Files : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    QTemporaryDir m_dir;

    // Loads the stored file and saves it; the bytes written.
    QByteArray loadAndSave(const QString &name)
    {
        m_messages.scriptInput(kPassword);
        int code = -1;
        QString failure;
        std::unique_ptr<CReturnFile> rf(CReturnFile::load(kFolder + QLatin1Char('/') + name, code, 1, &failure));
        if (!rf || code != 0) {
            qWarning().noquote() << name << "not loaded:" << code << failure;
            return QByteArray();
        }
        // no id is held twice in a person's return
        for (const IndividualTaxData *p : {rf->self(), rf->spouse()}) {
            QSet<int> ids;
            int held = 0;
            for (const FormEntry *e : p->forms())
                ids.insert(e->id), ++held;
            for (const FormEntry *e : p->slips())
                ids.insert(e->id), ++held;
            for (const NoteEntry *e : p->notes())
                ids.insert(e->id), ++held;
            if (ids.size() != held) {
                qWarning().noquote() << name << "holds an id twice";
                return QByteArray();
            }
        }
        const QString out = m_dir.filePath(name);
        if (rf->save(out, 1) != 0)
            return QByteArray();
        return contents(out);
    }

private slots:
    void initTestCase()
    {
        setMessageHandler(&m_messages);
        if (qEnvironmentVariableIsEmpty("BQ_WRITE_R24_FILES"))
            return;
        QDir().mkpath(kFolder);
        CReturnFile single;
        makeSingle(single);
        QCOMPARE(single.save(kFolder + QStringLiteral("/single.r24"), 1), 0);
        CReturnFile couple;
        makeCouple(couple);
        QCOMPARE(couple.save(kFolder + QStringLiteral("/couple.r24"), 1), 0);
        CReturnFile locked;
        makeSingle(locked);
        locked.self()->setPassword(kPassword);
        QCOMPARE(locked.save(kFolder + QStringLiteral("/password.r24"), 1), 0);
        // the stored form is the one a return has once the program has opened and saved it
        for (const char *name : {"single.r24", "couple.r24", "password.r24"}) {
            const QByteArray saved = loadAndSave(QString::fromLatin1(name));
            QVERIFY(!saved.isEmpty());
            QVERIFY(writeFile(kFolder + QLatin1Char('/') + QString::fromLatin1(name), saved));
        }
        for (int version : kOlderVersions) {
            Block b = sampleBlock(version);
            b.password = version > 66033 ? kPassword : QString();
            QVERIFY(writeFile(kFolder + QLatin1Char('/') + olderName(version), buildFile(b)));
            const QByteArray saved = loadAndSave(olderName(version));
            QVERIFY(!saved.isEmpty());
            QVERIFY(writeFile(kFolder + QLatin1Char('/') + savedName(olderName(version)), saved));
        }
    }
    void init() { m_messages.clear(); }
    void cleanupTestCase() { setMessageHandler(nullptr); }

    void loadSaveCompare_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        for (const char *name : {"single.r24", "couple.r24", "password.r24"})
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(name);
        // an older file is written back as the current version: compared with its stored saved form
        for (int version : kOlderVersions)
            QTest::newRow(qPrintable(olderName(version))) << olderName(version) << savedName(olderName(version));
    }
    void loadSaveCompare()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QByteArray stored = contents(kFolder + QLatin1Char('/') + expected);
        QVERIFY2(!stored.isEmpty(), qPrintable(expected + " is missing"));
        const QByteArray saved = loadAndSave(name);
        QVERIFY2(!saved.isEmpty(), qPrintable(name));
        if (saved != stored) {
            int at = 0;
            while (at < saved.size() && at < stored.size() && saved[at] == stored[at])
                ++at;
            QFAIL(qPrintable(QStringLiteral("%1: saved %2 bytes against %3 stored; first difference at byte %4")
                                 .arg(name).arg(saved.size()).arg(stored.size()).arg(at)));
        }
        const bool prompted = !m_messages.shown().isEmpty();
        QCOMPARE(prompted, name == QLatin1String("password.r24"));
    }

    // The stored files are what they say they are.
    void storedFilesHoldWhatTheyShould()
    {
        m_messages.scriptInput(kPassword);
        int code = -1;
        std::unique_ptr<CReturnFile> couple(CReturnFile::load(kFolder + QStringLiteral("/couple.r24"), code, 1));
        QCOMPARE(code, 0);
        QVERIFY(couple->isCoupled());
        std::unique_ptr<CReturnFile> locked(CReturnFile::load(kFolder + QStringLiteral("/password.r24"), code, 1));
        QCOMPARE(code, 0);
        QCOMPARE(QString(locked->self()->password()), kPassword);
        for (int version : kOlderVersions) {
            QFile f(kFolder + QLatin1Char('/') + olderName(version));
            QVERIFY(f.open(QIODevice::ReadOnly));
            MyDataStream ar(&f, false);
            qint32 stored = 0;
            ar >> stored;
            QCOMPARE(int(stored), version);
        }
    }
};

BQ_TEST_MAIN_CORE(TestR24Files)
#include "tst_r24files.moc"
