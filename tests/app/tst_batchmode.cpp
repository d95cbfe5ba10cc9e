// Batch calculation: the list file, "./taxresult.txt" and the exit status, in
// process and through the program itself without a display.
#include "batchcalc.h"
#include "bqtest.h"
#include "cmultiprovstaxmgr.h"
#include "creturnfile.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "returnbuilder.h"
#include "tabwndapp.h"
#include <QJsonDocument>
#include <QProcess>
#include <sys/stat.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <memory>

namespace {
const char kCouple[] = R"({"persons": [
  {"firstName": "Sam", "lastName": "Whitfield", "sin": "046454286", "birthDate": "1980-05-17", "province": 9,
   "maritalStatus": 0, "slips": [{"type": 1, "fields": {"Province": 9, "Box14": 50000, "Box22": 6000,
   "Box24": 50000, "Box26": 50000, "Box16": 2766.75, "Box18": 830.0}}]},
  {"firstName": "Robin", "lastName": "Whitfield", "sin": "130692544", "birthDate": "1982-03-04", "province": 9,
   "maritalStatus": 0, "slips": [{"type": 8, "fields": {"Box13": 5000}}]}]})";

std::unique_ptr<CReturnFile> buildCouple(const QByteArray &json = QByteArray(kCouple))
{
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(json).object(), &error));
    if (file)
        returnbuilder::recalculate(*file);
    return file;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestBatchMode : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    QTemporaryDir m_returns;     // the return files
    QTemporaryDir m_work;        // the working folder of each run
    QString m_startFolder;
    QByteArray m_goodResult;     // the couple's result summary line
    QByteArray m_longName;       // a path of a list line longer than 127 characters

    QString prefix() const { return m_returns.path() + QLatin1Char('/'); }
    QString work(const char *name) const { return m_work.filePath(QString::fromLatin1(name)); }
    QByteArray entry(const QByteArray &line, const QByteArray &result) const { return line + '\n' + result + "\n\n"; }

private slots:
    void initTestCase()
    {
        setMessageHandler(&m_messages);
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        QVERIFY(m_returns.isValid() && m_work.isValid());
        m_startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_work.path()));

        std::unique_ptr<CReturnFile> couple = buildCouple();
        QVERIFY(couple && couple->isCoupled());
        m_goodResult = QString(couple->resultSummaryLine(0)).toUtf8();
        QVERIFY(!m_goodResult.isEmpty());
        QCOMPARE(couple->save(prefix() + "good.r24", 1), 0);

        m_longName = QByteArray("folder-with-a-long-name-").repeated(5) + "/good copy.r24";
        QVERIFY(m_longName.size() > 127);
        QVERIFY(QDir(m_returns.path()).mkpath(QString::fromLatin1(m_longName.left(m_longName.indexOf('/')))));
        QVERIFY(QFile::copy(prefix() + "good.r24", prefix() + QString::fromLatin1(m_longName)));

        couple->self()->setPassword(QStringLiteral("secret"));
        QCOMPARE(couple->save(prefix() + "locked.r24", 1), 0);

        const QByteArray good = readAll(prefix() + "good.r24");
        QVERIFY(writeFile(prefix() + "damaged.r24", good.left(good.size() / 2)));
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(m_startFolder);
        setMessageHandler(nullptr);
    }

    void resultFile_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray good = m_goodResult;
        const QByteArray missing = "cannot find return file";
        QTest::newRow("good file") << QByteArray("good.r24\n") << entry("good.r24", good);
        QTest::newRow("missing file") << QByteArray("nothere.r24\n") << entry("nothere.r24", missing);
        QTest::newRow("damaged file") << QByteArray("damaged.r24\n")
                                      << entry("damaged.r24", "return file read error, read error 255");
        QTest::newRow("password refused") << QByteArray("locked.r24\n")
                                          << entry("locked.r24", "return file read error, read error 112");
        QTest::newRow("line longer than 127") << m_longName + '\n' << entry(m_longName, good);
        QTest::newRow("CR LF lines") << QByteArray("good.r24\r\nnothere.r24\r\n")
                                     << entry("good.r24", good) + entry("nothere.r24", missing);
        QTest::newRow("blank lines skipped") << QByteArray("\nnothere.r24\n\n  \t\r\n\r\ngood.r24\n")
                                             << entry("nothere.r24", missing) + entry("good.r24", good);
        QTest::newRow("one-character line") << QByteArray("x\ngood.r24\n")
                                            << entry("x", missing) + entry("good.r24", good);
        QTest::newRow("blanks around the name") << QByteArray("  good.r24 \n") << entry("  good.r24 ", good);
        QTest::newRow("last line without line feed") << QByteArray("nothere.r24\ngood.r24")
                                                     << entry("nothere.r24", missing) + entry("good.r24", good);
        QTest::newRow("every case") << QByteArray("good.r24\nnothere.r24\r\ndamaged.r24\n\nlocked.r24\n") + m_longName
                                    << entry("good.r24", good) + entry("nothere.r24", missing)
                + entry("damaged.r24", "return file read error, read error 255")
                + entry("locked.r24", "return file read error, read error 112") + entry(m_longName, good);
        QTest::newRow("empty list") << QByteArray() << QByteArray();
    }

    void resultFile()
    {
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, expected);
        QVERIFY(writeFile(work("taxresult.txt"), "left from the last run\n"));
        QVERIFY(writeFile(work("list.txt"), list));
        m_messages.clear();

        QCOMPARE(runBatchCalculation(prefix(), work("list.txt")), int(BatchDone));
        QCOMPARE(readAll(work("taxresult.txt")), expected);
        // nothing reached the handler in force: the batch answered for itself, and left it in place
        QVERIFY(m_messages.shown().isEmpty());
        QCOMPARE(messageHandler(), static_cast<MessageHandler *>(&m_messages));
    }

    void fullPathsWithEmptyPrefix()
    {
        const QByteArray path = QFile::encodeName(prefix() + "good.r24");
        QVERIFY(writeFile(work("list.txt"), path + '\n'));
        QCOMPARE(runBatchCalculation(QString(), work("list.txt")), int(BatchDone));
        QCOMPARE(readAll(work("taxresult.txt")), entry(path, m_goodResult));
    }

    // The user's own files next to a listed return (each a whole return, old
    // enough to look like a killed save's) are never touched by a batch run.
    void filesBesideAReturnStay()
    {
        const QByteArray good = readAll(prefix() + "good.r24");
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(QStringLiteral("client.r24")), good));
        QStringList beside;
        for (const char *name : {"client.r24.backup", "client.r24.BACKUP", "client.r24.2024v1", "client.r24.copy01"}) {
            beside << folder.filePath(QString::fromLatin1(name));
            QVERIFY(writeFile(beside.last(), good));
            QFile f(beside.last());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        }
        QVERIFY(writeFile(work("list.txt"), "client.r24\n"));
        QCOMPARE(runBatchCalculation(folder.path() + QLatin1Char('/'), work("list.txt")), int(BatchDone));
        QCOMPARE(readAll(work("taxresult.txt")), entry("client.r24", m_goodResult));
        for (const QString &path : beside)
            QCOMPARE(readAll(path), good);
    }

    void refusals()
    {
        BatchMessages &batch = BatchMessages::instance();
        QString value = QStringLiteral("kept");
        QVERIFY(!batch.inputText(nullptr, QStringLiteral("t"), QStringLiteral("password"), value, true));
        QCOMPARE(batch.question(nullptr, QString(), QString(), MsgButton::Yes | MsgButton::No, MsgButton::Yes),
                 int(MsgButton::No));
        QCOMPARE(batch.question(nullptr, QString(), QString(), MsgButton::Ok | MsgButton::Cancel, MsgButton::Ok),
                 int(MsgButton::Cancel));
        bool checked = true;
        QCOMPARE(batch.questionWithCheckbox(nullptr, QString(), QString(), QString(), checked, MsgButton::Yes | MsgButton::No,
                                            MsgButton::Yes),
                 int(MsgButton::No));
        QVERIFY(!checked);
    }

    void runFailures()
    {
        QCOMPARE(runBatchCalculation(prefix(), QString()), int(BatchListNotRead));
        QCOMPARE(readAll(work("taxresult.txt")), QByteArray("====> no input file\n"));

        QCOMPARE(runBatchCalculation(prefix(), work("no-such-list.txt")), int(BatchListNotRead));
        QCOMPARE(readAll(work("taxresult.txt")), QByteArray("====> cannot open input file\n"));

        // a folder where the result file should be
        QTemporaryDir blocked;
        QVERIFY(QDir(blocked.path()).mkdir(QStringLiteral("taxresult.txt")));
        QVERIFY(QDir::setCurrent(blocked.path()));
        const int status = runBatchCalculation(prefix(), work("list.txt"));
        QVERIFY(QDir::setCurrent(m_work.path()));
        QCOMPARE(status, int(BatchResultNotWritten));
    }

    // "./taxresult.txt" is written only as a regular file of the working folder (or a
    // new one). A FIFO is not waited on and a link is not followed: the program says
    // why on stderr and ends with the result-not-written status, and the file the
    // link leads to (in another folder) keeps its bytes and its mode.
    void resultFileKinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("why");
        QTest::newRow("new file") << "none" << int(BatchDone) << QByteArray();
        QTest::newRow("regular file") << "file" << int(BatchDone) << QByteArray();
        QTest::newRow("FIFO") << "fifo" << int(BatchResultNotWritten) << QByteArray("not a regular file");
        QTest::newRow("symbolic link") << "symlink" << int(BatchResultNotWritten) << QByteArray("symbolic link");
        QTest::newRow("hard link") << "hardlink" << int(BatchResultNotWritten) << QByteArray("hard links");
    }
    void resultFileKinds()
    {
        QFETCH(QString, kind);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, why);
        QTemporaryDir folder;
        QTemporaryDir elsewhere;
        QVERIFY(folder.isValid() && elsewhere.isValid());
        const QString result = folder.filePath(QStringLiteral("taxresult.txt"));
        const QString other = elsewhere.filePath(QStringLiteral("other.txt"));
        QVERIFY(writeFile(other, "another program's file\n"));
        QVERIFY(QFile::setPermissions(other, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                 | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QByteArray localResult = QFile::encodeName(result);
        if (kind == QLatin1String("file"))
            QVERIFY(writeFile(result, "left from the last run\n"));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(localResult.constData(), 0600), 0);
        else if (kind == QLatin1String("symlink"))
            QVERIFY(QFile::link(other, result));
        else if (kind == QLatin1String("hardlink"))
            QCOMPARE(::link(QFile::encodeName(other).constData(), localResult.constData()), 0);
        QVERIFY(writeFile(folder.filePath(QStringLiteral("list.txt")), "good.r24\n"));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(folder.path());
        program.setStandardInputFile(QProcess::nullDevice());
        program.start(QStringLiteral(BQ_PROGRAM),
                      {QStringLiteral("printresult"), prefix(), folder.filePath(QStringLiteral("list.txt"))});
        QVERIFY(program.waitForStarted());
        const bool finished = program.waitForFinished(60000);
        if (!finished)
            program.kill();
        QVERIFY2(finished, "the batch run waited on taxresult.txt");
        const QByteArray errors = program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == exitCode, errors.constData());
        QCOMPARE(readAll(other), QByteArray("another program's file\n"));
        QCOMPARE(QFileInfo(other).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (exitCode != int(BatchDone)) {
            QVERIFY2(errors.contains("./taxresult.txt not written: ") && errors.contains(why), errors.constData());
            return;
        }
        QVERIFY2(errors.isEmpty(), errors.constData());
        QCOMPARE(readAll(result), entry("good.r24", m_goodResult));
        // owner-only
        struct stat st{};
        QCOMPARE(::lstat(localResult.constData(), &st), 0);
        QVERIFY(S_ISREG(st.st_mode));
        QCOMPARE(int(st.st_mode & 0777), 0600);
    }

    // Files recalculated on several threads give the serial run's result file, byte
    // for byte, every time; the province plug-ins are loaded once, not per file.
    void parallelRunMatchesSerial()
    {
        QByteArray list;
        for (int i = 0; i < 12; ++i) {
            QByteArray json(kCouple);
            json.replace("\"Box14\": 50000", "\"Box14\": " + QByteArray::number(30000 + 4321 * i));
            json.replace("\"Box13\": 5000", "\"Box13\": " + QByteArray::number(100 + 977 * i));
            std::unique_ptr<CReturnFile> couple = buildCouple(json);
            QVERIFY(couple);
            QCOMPARE(couple->save(prefix() + QStringLiteral("couple%1.r24").arg(i), 1), 0);
        }
        const QByteArray others[] = {"good.r24", "nothere.r24", "damaged.r24", "locked.r24", m_longName};
        for (int i = 0; i < 240; ++i)
            list += i % 7 == 3 ? others[(i / 7) % 5] + '\n' : "couple" + QByteArray::number((i * 5) % 12) + ".r24\n";
        QVERIFY(writeFile(work("list.txt"), list));

        QCOMPARE(runBatchCalculation(prefix(), work("list.txt"), 1), int(BatchDone));
        const QByteArray serial = readAll(work("taxresult.txt"));
        QCOMPARE(serial.count("\n\n"), 240);
        for (const char *result : {"read error 255", "read error 112", "cannot find return file"})
            QVERIFY(serial.contains(result));
        QVERIFY(serial.contains(m_goodResult));
        const int loads = CMultiProvsTaxMgr::loadAttempts();
        for (int run = 0; run < 10; ++run) {
            QVERIFY(QFile::remove(work("taxresult.txt")));
            QCOMPARE(runBatchCalculation(prefix(), work("list.txt"), 8), int(BatchDone));
            QVERIFY2(readAll(work("taxresult.txt")) == serial, qPrintable(QStringLiteral("run %1").arg(run)));
        }
        QCOMPARE(CMultiProvsTaxMgr::loadAttempts(), loads);
        QVERIFY(m_messages.shown().isEmpty());
    }

    // The report engine's test return: every form that is not expired, and it reads back.
    void testPrintFile()
    {
        const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/testprint.r24");
        QVERIFY(path.startsWith(bqtest::isolatedHome().path()));
        QVERIFY(TabWndApp::instance()->writeTestPrintFile());
        int code = -1;
        std::unique_ptr<CReturnFile> file(CReturnFile::load(path, code));
        QCOMPARE(code, 0);
        QVERIFY(file);
        // every federal form and every Ontario form that is not expired
        for (int type = 1; type < kFormTableSize; ++type) {
            const int province = getFormProv(type);
            if (!IsFormExpired(type, 0) && (province == 0 || province == 9))
                QVERIFY2(file->self()->formCount(type) > 0, qPrintable(formName(type)));
        }
        QVERIFY(m_messages.shown().isEmpty());
    }

    // The program itself: no display, no window, no question; the exit status.
    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("expected");
        const QString list = work("list.txt");
        QTest::newRow("list") << QStringList{QStringLiteral("printresult"), prefix(), list} << 0
                              << entry("good.r24", m_goodResult)
                + entry("locked.r24", "return file read error, read error 112") + entry("nothere.r24",
                                                                                          "cannot find return file");
        QTest::newRow("any letter case") << QStringList{QStringLiteral("PrintResult"), prefix(), list} << 0
                                         << entry("good.r24", m_goodResult)
                + entry("locked.r24", "return file read error, read error 112") + entry("nothere.r24",
                                                                                          "cannot find return file");
        QTest::newRow("no list argument") << QStringList{QStringLiteral("PRINTRESULT"), prefix()} << 1
                                          << QByteArray("====> no input file\n");
        QTest::newRow("list not readable") << QStringList{QStringLiteral("printresult"), prefix(), work("none.txt")}
                                           << 1 << QByteArray("====> cannot open input file\n");
        // a FIFO, a folder and a device are refused at once, never opened
        QTest::newRow("special files") << QStringList{QStringLiteral("printresult"), QString(), work("special.txt")}
                                       << 0
                                       << entry(work("fifo.r24").toUtf8().constData(),
                                                "return file read error, read error 107")
                + entry(work("folder.r24").toUtf8().constData(), "return file read error, read error 107")
                + entry("/dev/zero", "return file read error, read error 107");
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, expected);
        QVERIFY(writeFile(work("list.txt"), "good.r24\r\nlocked.r24\n\nnothere.r24\n"));
        QFile::remove(work("taxresult.txt"));
        if (!QFileInfo::exists(work("fifo.r24")))
            QCOMPARE(::mkfifo(QFile::encodeName(work("fifo.r24")).constData(), 0600), 0);
        QDir().mkpath(work("folder.r24"));
        QVERIFY(writeFile(work("special.txt"), work("fifo.r24").toUtf8() + "\n" + work("folder.r24").toUtf8()
                                                   + "\n/dev/zero\n"));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(m_work.path());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.setStandardInputFile(QProcess::nullDevice());
        program.start(QStringLiteral(BQ_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        const bool finished = program.waitForFinished(60000);
        if (!finished)
            program.kill();
        QVERIFY2(finished, "the batch run waited");
        const QByteArray output = program.readAll();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == exitCode, output.constData());
        QCOMPARE(readAll(work("taxresult.txt")), expected);
        // nothing on the console outside test mode: the program log has it
        QVERIFY2(output.isEmpty(), output.constData());
        // the password prompt was logged, not shown
        if (exitCode == 0 && arguments.last().endsWith(QLatin1String("list.txt")))
            QVERIFY(readAll(TabWndApp::instance()->logPath()).contains("Enter password to open file"));
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestBatchMode tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_batchmode.moc"
