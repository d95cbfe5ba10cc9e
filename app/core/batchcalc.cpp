#include "batchcalc.h"
#include "filingdocservices.h"
#include "creturnfile.h"
#include "individualtaxdata.h"
#include "tabwndapp.h"
#include <QDate>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThread>
#include <QVector>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// One line at a time: the files of a batch are read on several threads.
void logLine(const QString &line)
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    TabWndApp *app = TabWndApp::instance();
    if (app && !app->logPath().isEmpty())
        app->log(line.toUtf8().constData());
    else
        qInfo().noquote() << line;
}

int refusingButton(int buttons)
{
    for (int b : {MsgButton::Cancel, MsgButton::No, MsgButton::Abort, MsgButton::Close, MsgButton::Ignore})
        if (buttons & b)
            return b;
    return MsgButton::NoButton;
}

// Restores the handler that was in force before the run.
class BatchMessageScope
{
public:
    BatchMessageScope() : m_previous(messageHandler()) { setMessageHandler(&BatchMessages::instance()); }
    ~BatchMessageScope() { setMessageHandler(m_previous); }

private:
    MessageHandler *m_previous;
};

// One line of the list: as it stands, and the path of its return file.
struct BatchEntry
{
    QByteArray line;
    QString path;
};

// Whole lines of any length; LF or CR LF ends a line; blank lines are passed over.
// False when the list could not be read to its end.
bool readBatchList(QFile &list, const QString &prefix, QVector<BatchEntry> &entries)
{
    while (!list.atEnd()) {
        QByteArray line = list.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        // Blanks around the line and the whole path are dropped; blanks inside a path are kept.
        const QString path = (prefix + QFile::decodeName(line).trimmed()).trimmed();
        entries.append({line, path});
    }
    const bool read = list.error() == QFileDevice::NoError;
    if (!read)
        logLine(QStringLiteral("batch: list file not read to its end: %1").arg(list.errorString()));
    return read;
}

void writeEntry(QFile &out, const BatchEntry &entry, const QString &result)
{
    out.write(entry.line);
    out.write("\n");
    out.write(result.toUtf8());
    out.write("\n\n");
    out.flush();
}

// Qt 5.15 crashes when several threads use the calendar for the first time at
// once: the main thread uses it before any worker starts.
void useCalendarOnce()
{
    const QDate day(IndividualTaxData::kTaxYear, 1, 1);
    const QString text = day.toString(QStringLiteral("yyyy-MM-dd"));
    (void)QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    (void)QDate::fromString(text, Qt::ISODate);
    (void)QLocale().toString(day, QLocale::ShortFormat);
}

// Number of files calculated at once: the environment's BQ_BATCH_THREADS when it
// is a positive number, else one per core.
int batchThreads(int requested)
{
    if (requested > 0)
        return requested;
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("BQ_BATCH_THREADS", &ok);
    if (ok && fromEnvironment > 0)
        return fromEnvironment;
    return qMax(1, QThread::idealThreadCount());
}

// The results of a batch's files: workers take the files in list order and file
// their results in any order; the writer takes them back in list order.
class BatchResults
{
public:
    explicit BatchResults(const QVector<BatchEntry> &entries)
        : m_entries(entries), m_results(size_t(entries.size())), m_ready(size_t(entries.size()), false)
    {
    }

    // A worker: recalculates the next file not taken until none is left.
    void work()
    {
        for (int i = m_next++; i < m_entries.size(); i = m_next++) {
            QString result = loadReturnForBatch(m_entries.at(i).path);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_results[size_t(i)] = std::move(result);
            m_ready[size_t(i)] = true;
            m_changed.notify_all();
        }
    }

    QString take(int i)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this, i] { return bool(m_ready[size_t(i)]); });
        return std::move(m_results[size_t(i)]);
    }

private:
    const QVector<BatchEntry> &m_entries;
    std::vector<QString> m_results;
    std::vector<bool> m_ready;
    std::atomic<int> m_next{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

// Recalculates the entries on worker threads; the calling thread alone writes, in
// list order, each result as soon as it and those before it are ready. The
// workers are standard threads: with Qt's thread pool, whose hand-over happens
// inside the system's Qt (not built for it), a ThreadSanitizer build of the batch
// could not tell a real race from the pool's own bookkeeping.
void writeResultsInParallel(QFile &out, const QVector<BatchEntry> &entries, int threads)
{
    useCalendarOnce();
    BatchResults results(entries);
    std::vector<std::thread> workers;
    for (int w = 0; w < qMin(threads, entries.size()); ++w)
        workers.emplace_back([&results] { results.work(); });
    for (int i = 0; i < entries.size(); ++i)
        writeEntry(out, entries.at(i), results.take(i));
    for (std::thread &worker : workers)
        worker.join();
}

void writeResults(QFile &out, const QVector<BatchEntry> &entries, int threads)
{
    if (threads > 1 && entries.size() > 1) {
        writeResultsInParallel(out, entries, threads);
        return;
    }
    for (const BatchEntry &entry : entries)
        writeEntry(out, entry, loadReturnForBatch(entry.path));
}

const char kResultFile[] = "./taxresult.txt";

// Why the result file was refused, from the error of its open.
QString openFailureReason(int error)
{
    switch (error) {
    case ELOOP: return QStringLiteral("it is a symbolic link, which is not followed");
    case ENXIO: return QStringLiteral("it is not a regular file (a FIFO or a device)");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

// "./taxresult.txt" is written only when it is a regular file of the working
// folder, or a new one: a link is not followed and a FIFO or a device is never
// waited on. The file is owner-only and emptied only once it is known to be one.
bool openResultFile(QFile &out, QString &reason)
{
    const int fd = ::open(kResultFile, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        reason = openFailureReason(errno);
        return false;
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = QStringLiteral("it is not a regular file (a FIFO or a device)");
    } else if (st.st_nlink > 1) {
        reason = QStringLiteral("it has other names (hard links), which may lie outside the working folder");
    } else if (::fchmod(fd, st.st_mode & 07777 & ~mode_t(S_IRWXG | S_IRWXO)) != 0 || ::ftruncate(fd, 0) != 0
               || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
    } else if (out.open(fd, QIODevice::WriteOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        return true;
    } else {
        reason = out.errorString();
    }
    ::close(fd);
    return false;
}

} // namespace

// ---- the non-interactive handler

BatchMessages &BatchMessages::instance()
{
    static BatchMessages handler;
    return handler;
}

void BatchMessages::information(void *, const QString &title, const QString &text)
{
    logLine(QStringLiteral("batch message: %1 - %2").arg(title, text));
}

int BatchMessages::question(void *, const QString &title, const QString &text, int buttons, int)
{
    const int answer = refusingButton(buttons);
    logLine(QStringLiteral("batch question refused: %1 - %2").arg(title, text));
    return answer;
}

bool BatchMessages::inputText(void *, const QString &title, const QString &label, QString &, bool)
{
    logLine(QStringLiteral("batch input cancelled: %1 - %2").arg(title, label));
    return false;
}

int BatchMessages::questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &,
                                        bool &checked, int buttons, int defaultButton)
{
    checked = false;
    return question(parent, title, text, buttons, defaultButton);
}

// ---- the batch run

bool isBatchCommandLine(const QStringList &arguments)
{
    return arguments.size() >= 3 && arguments.at(1).compare(QLatin1String("printresult"), Qt::CaseInsensitive) == 0;
}

bool isBatchCommandLine(int argc, char **argv)
{
    return argc >= 3 && qstricmp(argv[1], "printresult") == 0;
}

QString loadReturnForBatch(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QStringLiteral("cannot find return file");
    int code = 0;
    std::unique_ptr<CReturnFile> file(CReturnFile::load(path, code, appEdition ? appEdition : 1));
    if (code != 0 || !file)
        return QStringLiteral("return file read error, read error %1").arg(code);
    file->recalculate(-1, nullptr);
    return file->resultSummaryLine(0);
}

int runBatchCalculation(const QString &prefix, const QString &listPath, int threads)
{
    BatchMessageScope noBoxes;
    installFilingDocServices();

    QFile out;
    QString reason;
    if (!openResultFile(out, reason)) {
        const QString text = QStringLiteral("%1 not written: %2").arg(QLatin1String(kResultFile), reason);
        logLine(QStringLiteral("batch: ") + text);
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return BatchResultNotWritten;
    }
    const auto finish = [&out](int status) {
        out.close();
        if (out.error() != QFileDevice::NoError) {
            logLine(QStringLiteral("batch: taxresult.txt not written: %1").arg(out.errorString()));
            return int(BatchResultNotWritten);
        }
        return status;
    };

    if (listPath.isEmpty()) {
        out.write("====> no input file\n");
        return finish(BatchListNotRead);
    }
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        out.write("====> cannot open input file\n");
        return finish(BatchListNotRead);
    }

    QVector<BatchEntry> entries;
    const bool listRead = readBatchList(list, prefix, entries);
    writeResults(out, entries, batchThreads(threads));
    list.close();
    return finish(listRead ? BatchDone : BatchListNotRead);
}
