#pragma once
#include <QObject>
#include <QString>
#include <thread>

// The program's own build date.
extern const char *const kProgramBuildDate; // "20260525"

// Asks the maker's information page for the latest build date of this edition
// on a worker thread, so the window never waits for the network. The result
// arrives through finished() on the thread that owns the object.
//
//     auto check = new NewVersionCheck(parent);
//     connect(check, &NewVersionCheck::finished, ...);
//     check->start();
class NewVersionCheck : public QObject
{
    Q_OBJECT
public:
    enum Outcome {
        NewerBuild = 0,   // the page names a later build date than the program's
        NoNewerBuild = 1, // a valid date, not later
        NoAnswer = 2,     // no reply, a code outside 199..201, or a word that is not a date
    };

    // The host is the configuration's BrackenquillWebServer (when the
    // application object exists).
    explicit NewVersionCheck(QObject *parent = nullptr);
    // Waits for a query still running (at most its time-out) and for its
    // thread's end.
    ~NewVersionCheck() override;

    void setServerHost(const QString &host) { m_host = host; }
    QString serverHost() const { return m_host; }
    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }

    // Starts the query and returns at once; false when one is already running.
    bool start();
    bool isRunning() const;

    // True only for exactly eight digits forming a valid date (yyyyMMdd) later
    // than the program's build date.
    static bool isNewerBuild(const QString &latest);
    static QString newVersionMessage();

    static constexpr int DefaultTimeoutMs = 5000;

signals:
    // Emitted once the worker thread has wholly ended. outcome: Outcome;
    // latest: the reply's word (empty without one); code: the reply's code as
    // CWebInfoUtil::queryInfo gives it.
    void finished(int outcome, const QString &latest, int code);

protected:
    // The query itself, on the worker thread: the reply's code; latest gets
    // its word. Touches no member.
    virtual int query(const QString &host, int timeoutMs, QString &latest) const;

private:
    void onQueryDone();

    QString m_host;
    int m_timeoutMs = DefaultTimeoutMs;
    // Joined before the result is given and by the destructor, so that the
    // thread has wholly ended, its thread-local clean-up (the TLS library's
    // among it) included. A QThread's wait() returns before that clean-up,
    // which then races with the process's exit.
    std::thread m_thread;
    int m_code = -1;
    QString m_latest;
};

// The session's new-version check (the main window calls it once it is shown):
// does nothing in test mode (MODEDEBUG) or when the check already ran in this
// session; otherwise starts it in the background and, when a newer build
// exists, shows the new-version message over the main window. True when a
// check was started.
bool checkNewVersion();
