// The return file on a disk that fails: a full disk (a file-size limit) never
// leaves a damaged or empty return behind, files are private to their owner,
// special files are refused before they are opened, and a file that is not
// opened gives one reason.
#include "bqtest.h"
#include "cmultiprovstaxmgr.h"
#include "creturnfile.h"
#include "messages.h"
#include "privatefile.h"
#include "returnfilefixture.h"
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace returnfixture;

namespace {

// A full disk for this process: writes past the limit fail with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limited{bytes, m_saved.rlim_max};
        m_ok = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    bool m_ok = false;
};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The system's reason for a write past the file-size limit.
QString tooLarge()
{
    return QString::fromLocal8Bit(std::strerror(EFBIG));
}

int modeOf(const QString &path)
{
    struct stat st{};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Two minutes old, without opening the file or following a link.
bool makeOld(const QString &path)
{
    const timespec old{::time(nullptr) - 120, 0};
    const timespec times[2] = {old, old};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// A save of bytes to path in a child process killed before it replaced the file;
// the file it left behind, found by listing the folder.
QString killedSave(const QString &path, const QByteArray &bytes)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    const QStringList before = folder.entryList(QDir::Files | QDir::Hidden);
    const pid_t child = ::fork();
    if (child == 0) {
        ReplacingFile file(path);
        if (file.open() && file.write(bytes) == bytes.size() && file.flush())
            ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFSIGNALED(status))
        return QString();
    QStringList after = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : before)
        after.removeOne(name);
    return after.size() == 1 ? folder.filePath(after.first()) : QString();
}

void makeReturn(CReturnFile &rf, const QString &first, int forms)
{
    newPerson(*rf.self(), 9, first, QStringLiteral("Roy"), 0, false);
    fillPerson(*rf.self(), forms, 2, 1, 7);
}

// The folder syncs of this process, seen by the fsync below: for each, whether
// the watched file already held the wanted bytes; with fail set they fail (EIO).
struct FolderSyncs
{
    QString watched;
    QByteArray wanted;
    bool fail = false;
    QList<bool> heldWanted;
};
FolderSyncs g_folderSyncs;

} // namespace

// Every fsync of the program passes here on its way to the system.
extern "C" int fsync(int fd)
{
    struct stat st{};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && !g_folderSyncs.watched.isEmpty()) {
        g_folderSyncs.heldWanted << (contents(g_folderSyncs.watched) == g_folderSyncs.wanted);
        if (g_folderSyncs.fail) {
            errno = EIO;
            return -1;
        }
    }
    return int(::syscall(SYS_fsync, fd));
}

class TestSaveFaults : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        m_messages.clear();
        setMessageHandler(&m_messages);
    }
    void cleanup() { setMessageHandler(nullptr); }

    // The old return stays byte for byte, and the save gives the system's reason
    // (a full disk: "No space left on device"; over the size limit here: "File too large").
    void fullDiskKeepsPreviousReturn_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("a buffer's worth fits") << 4096;
        QTest::newRow("all but the end fits") << -1;
    }
    void fullDiskKeepsPreviousReturn()
    {
        QFETCH(int, limit);
        const QString file = path(QStringLiteral("full-%1.r24").arg(QTest::currentDataTag()));
        CReturnFile before;
        makeReturn(before, QStringLiteral("Anne"), 3);
        QCOMPARE(before.save(file, 1), 0);
        const QByteArray previous = contents(file);

        CReturnFile bigger;
        makeReturn(bigger, QStringLiteral("Bea"), -1);
        const QByteArray wanted = write(bigger);
        QVERIFY(wanted.size() > 4096 * 2);
        const rlim_t bytes = limit >= 0 ? rlim_t(limit) : rlim_t(wanted.size() - 10);
        int result = 0;
        QString error;
        {
            FileSizeLimit full(bytes);
            QVERIFY(full.ok());
            result = bigger.save(file, 1, &error);
        }
        QVERIFY(result != 0);
        QCOMPARE(error, QStringLiteral("The file %1 cannot be written: %2").arg(file, tooLarge()));
        QCOMPARE(contents(file), previous);
        QCOMPARE(QDir(m_dir.path())
                     .entryList(QDir::Files | QDir::Hidden)
                     .filter(QStringLiteral("full-%1").arg(QTest::currentDataTag())),
                 QStringList{QFileInfo(file).fileName()});   // no temporary file left behind
        // with room again the same save goes through
        QCOMPARE(bigger.save(file, 1), 0);
        QCOMPARE(contents(file), wanted);
    }

    // A small file is written only at the commit: a failure there is reported
    // and the old file stays (every writer of the program goes this way).
    void fullDiskKeepsPreviousFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("small, buffered") << 300;
        QTest::newRow("larger than a buffer") << 100000;
    }
    void fullDiskKeepsPreviousFile()
    {
        QFETCH(int, size);
        const QString file = path(QStringLiteral("report-%1.txt").arg(size));
        QVERIFY(writeFileWhole(file, "previous report\n"));
        QString error;
        bool written = true;
        {
            FileSizeLimit full(100);
            QVERIFY(full.ok());
            written = writeFileWhole(file, QByteArray(size, 'x'), &error);
        }
        QVERIFY(!written);
        QCOMPARE(error, QStringLiteral("The file %1 cannot be written: %2").arg(file, tooLarge()));
        QCOMPARE(contents(file), QByteArray("previous report\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QFileInfo(file).fileName()),
                 QStringList{QFileInfo(file).fileName()});   // no temporary file left behind

        // the same with a ReplacingFile the caller writes itself: a small write is only
        // buffered and looks whole, so the failure shows up at the commit; a larger
        // one falls short at once and the caller cancels
        ReplacingFile save(file);
        QVERIFY(save.open());
        {
            FileSizeLimit full(100);
            const QByteArray data(size, 'y');
            const bool whole = save.write(data) == data.size();
            QCOMPARE(whole, size < 64 * 1024);   // what it gathers before writing
            written = whole && save.commit();
            error = save.errorString();
            save.cancel();
        }
        QVERIFY(!written);
        QCOMPARE(error, tooLarge());
        QCOMPARE(contents(file), QByteArray("previous report\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QFileInfo(file).fileName()),
                 QStringList{QFileInfo(file).fileName()});
    }

    // A commit ends with the folder synced after the rename (else a power cut can
    // bring the old file back after success was reported); a failed sync is reported.
    void commitSyncsTheFolder()
    {
        const QString file = path(QStringLiteral("synced.txt"));
        QVERIFY(writeFileWhole(file, "old"));
        g_folderSyncs.watched = file;
        g_folderSyncs.wanted = "new";
        const bool written = writeFileWhole(file, "new");
        const QList<bool> seen = g_folderSyncs.heldWanted;
        g_folderSyncs.fail = true;
        QString error;
        const bool failed = !writeFileWhole(file, "newer", &error);
        g_folderSyncs = FolderSyncs();
        QVERIFY(written);
        QCOMPARE(seen, QList<bool>{true});
        QVERIFY(failed);
        QCOMPARE(error, QStringLiteral("The file %1 cannot be written: %2")
                            .arg(file, QString::fromLocal8Bit(std::strerror(EIO))));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("synced.txt")),
                 QStringList{QStringLiteral("synced.txt")});
    }

    // A link is followed once, when the file is opened: the commit replaces the file
    // the temporary was made beside, even when the link was changed meanwhile.
    void linkFollowedWhenOpened()
    {
        const QString first = path(QStringLiteral("first.txt"));
        const QString second = path(QStringLiteral("second.txt"));
        const QString link = path(QStringLiteral("link.txt"));
        QVERIFY(writeFileWhole(first, "first") && writeFileWhole(second, "second"));
        QVERIFY(QFile::link(first, link));
        ReplacingFile file(link);
        QVERIFY(file.open());
        QVERIFY(file.write("replaced") == 8);
        QVERIFY(QFile::remove(link) && QFile::link(second, link));
        QVERIFY2(file.commit(), qPrintable(file.errorString()));
        QCOMPARE(contents(first), QByteArray("replaced"));
        QCOMPARE(contents(second), QByteArray("second"));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void privateFiles()
    {
        // a new return, log or report: 0600
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Cy"), 2);
        const QString file = path(QStringLiteral("private.r24"));
        QCOMPARE(rf.save(file, 1), 0);
        QCOMPARE(modeOf(file), 0600);
        // a file made 0644 by someone else loses group and other access when replaced
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        QCOMPARE(rf.save(file, 1), 0);
        QCOMPARE(modeOf(file), 0600);
        // a stricter mode is kept
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        QCOMPARE(rf.save(file, 1), 0);
        QCOMPARE(modeOf(file), 0400);

        const QString report = path(QStringLiteral("report.txt"));
        QVERIFY(writeFileWhole(report, "names"));
        QCOMPARE(modeOf(report), 0600);
        const QString log = path(QStringLiteral("log.txt"));
        QVERIFY(makePrivateFile(log));
        QCOMPARE(modeOf(log), 0600);
        QFile::setPermissions(log, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QVERIFY(makePrivateFile(log));
        QCOMPARE(modeOf(log), 0600);

        // folders made for the program: 0700, each of them
        const QString folder = path(QStringLiteral("made/for/data"));
        QVERIFY(makePrivateFolder(folder));
        QCOMPARE(modeOf(path(QStringLiteral("made"))), 0700);
        QCOMPARE(modeOf(folder), 0700);
    }

    // A save killed before it replaced the return leaves its temporary beside it
    // (the whole return, S.I.N.s included): the next save of that return removes
    // it once it is older than a save can take. The user's own files next to the
    // return (each a whole return here) survive opening and saving it, and so
    // does a file named like a temporary that holds something else.
    void onlyKilledSaveTemporariesAreRemoved()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("client.r24"));
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Di"), 2);
        QCOMPARE(rf.save(file, 1), 0);
        const QByteArray whole = write(rf);
        QStringList kept;
        for (const char *suffix : {".backup", ".BACKUP", ".2024v1", ".copy01"}) {
            kept << file + QLatin1String(suffix);
            QVERIFY(writeFileWhole(kept.last(), whole));
        }
        const QString left = killedSave(file, whole);
        QVERIFY2(!left.isEmpty(), "the killed save left no temporary");
        QVERIFY(contents(left).startsWith(whole.left(12)));
        kept << left.chopped(6) + QStringLiteral("Zz9Zz9");
        QVERIFY(writeFileWhole(kept.last(), "the preparer's notes\n"));

        // a fresh one may belong to a save under way
        QCOMPARE(rf.save(file, 1), 0);
        QVERIFY(QFileInfo::exists(left));
        for (const QString &f : kept + QStringList{left})
            QVERIFY(makeOld(f));
        int code = -1;
        std::unique_ptr<CReturnFile> loaded(CReturnFile::load(file, code, 1));
        QCOMPARE(code, 0);
        QVERIFY(QFileInfo::exists(left));
        QCOMPARE(rf.save(file, 1), 0);
        QVERIFY(!QFileInfo::exists(left));
        for (const QString &f : kept)
            QVERIFY2(QFileInfo::exists(f), qPrintable(f));
        QCOMPARE(contents(kept.first()), whole);
    }

    // A FIFO or a link named like a temporary is neither opened, nor followed, nor
    // removed: the save does not wait on the FIFO, and the link and its file stay.
    void fifoAndLinkNamedLikeTemporariesStay()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("client.r24"));
        const QString other = folder.filePath(QStringLiteral("other.r24"));
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Hal"), 2);
        QCOMPARE(rf.save(file, 1), 0);
        QCOMPARE(rf.save(other, 1), 0);
        const QByteArray whole = write(rf);
        const QString fifo = folder.filePath(QStringLiteral(".client.r24.bqsave-Fifo01"));
        const QString link = folder.filePath(QStringLiteral(".client.r24.bqsave-Link01"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(other, link));
        for (const QString &f : {fifo, link, other})
            QVERIFY(makeOld(f));

        QCOMPARE(rf.save(file, 1), 0);
        struct stat st{};
        QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(other), whole);
    }

    // A FIFO, a folder or a device is refused at once, without being opened.
    void specialFilesRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "device";
        QTest::newRow("missing") << "missing";
    }
    void specialFilesRefused()
    {
        QFETCH(QString, kind);
        QString file = path(kind + QStringLiteral(".r24"));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(file));
        else if (kind == QLatin1String("device"))
            file = QStringLiteral("/dev/zero");
        // refused by its kind, never opened: opening the FIFO would wait for a
        // writer, reading /dev/zero would not end
        int code = 0;
        QString failure;
        std::unique_ptr<CReturnFile> rf(CReturnFile::load(file, code, 1, &failure));
        QVERIFY(!rf);
        QCOMPARE(code, 107);
        QCOMPARE(failure.contains(QLatin1String("missing")), kind == QLatin1String("missing"));
        QCOMPARE(failure.contains(QLatin1String("not a regular file")), kind != QLatin1String("missing"));
        QVERIFY(m_messages.shown().isEmpty());
    }

    // A file far larger than any return (a return followed by 1 GB of zeros, a
    // sparse file) is refused by its size without being read.
    void hugeFileRefusedUnread()
    {
        const QString file = path(QStringLiteral("huge.r24"));
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Gus"), 2);
        QCOMPARE(rf.save(file, 1), 0);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(qint64(1) << 30));
        }
        int code = 0;
        QString failure;
        std::unique_ptr<CReturnFile> read(CReturnFile::load(file, code, 1, &failure));
        QCOMPARE(code, 255);
        QCOMPARE(failure, QStringLiteral("it is not a return file (it is far larger than any return)"));
        QVERIFY(m_messages.shown().isEmpty());
        read.reset(CReturnFile::load(file, code, 1));
        QCOMPARE(code, 255);
        QCOMPARE(m_messages.shown().size(), 1);   // the reader's damaged-file box
    }

    // One reason per file that is not opened, and no box of the reader's own.
    void failureReasons_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Di"), 3);
        const QByteArray good = write(rf);
        QByteArray later;
        {
            MyDataStream ar(&later, true);
            ar << qint32(70000);   // above 66098, still inside the window a block may hold
        }
        later += good.mid(4);
        QTest::newRow("truncated") << good.left(good.size() / 2) << 255 << "the file is damaged";
        QTest::newRow("empty") << QByteArray() << 255 << "the file is damaged";
        QTest::newRow("a text file") << QByteArray("Dear client,\nhere is your return.\n") << 255
                                     << "it is not a return file";
        QTest::newRow("a later version") << later << 255 << "it was prepared by a later version of Brackenquill";
    }
    void failureReasons()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, reason);
        const QString file = path(QStringLiteral("reason.r24"));
        QVERIFY(writeFileWhole(file, bytes));
        int result = 0;
        QString failure;
        std::unique_ptr<CReturnFile> rf(CReturnFile::load(file, result, 1, &failure));
        QCOMPARE(result, code);
        QCOMPARE(failure, reason);
        QVERIFY(m_messages.shown().isEmpty());
        // without the caller's reason the reader still shows its own box
        delete CReturnFile::load(file, result, 1);
        QVERIFY(!m_messages.shown().isEmpty());
    }

    // Without the province's library the reason says so, in the one message.
    void missingLibraryReason()
    {
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Flo"), 2);
        const QString file = path(QStringLiteral("ontario.r24"));
        QCOMPARE(rf.save(file, 1), 0);
        const QString folder = CMultiProvsTaxMgr::libraryFolder();
        QTemporaryDir empty;
        CMultiProvsTaxMgr::setLibraryFolder(empty.path());
        int code = 0;
        QString failure;
        std::unique_ptr<CReturnFile> read(CReturnFile::load(file, code, 1, &failure));
        CMultiProvsTaxMgr::setLibraryFolder(folder);
        QCOMPARE(code, 253);
        QVERIFY2(failure.startsWith(QStringLiteral("a form, slip or note in it could not be made (The calculation "
                                                   "library of")),
                 qPrintable(failure));
        QVERIFY(failure.endsWith(QStringLiteral("The file has not been changed)")));
        QVERIFY(m_messages.shown().isEmpty());
    }

    void passwordRefusedReason()
    {
        CReturnFile rf;
        makeReturn(rf, QStringLiteral("Eve"), 2);
        rf.self()->setPassword(QStringLiteral("Pw-1"));
        const QString file = path(QStringLiteral("locked.r24"));
        QCOMPARE(rf.save(file, 1), 0);
        m_messages.scriptInput(QStringLiteral("wrong"));
        int code = 0;
        QString failure;
        std::unique_ptr<CReturnFile> read(CReturnFile::load(file, code, 1, &failure));
        QCOMPARE(code, 112);
        QCOMPARE(failure, QStringLiteral("the password was refused"));
        QCOMPARE(m_messages.shown().size(), 1);   // the password prompt itself still comes
        QCOMPARE(m_messages.shown().first().kind, QStringLiteral("input"));
    }
};

BQ_TEST_MAIN_CORE(TestSaveFaults)
#include "tst_savefaults.moc"
