#pragma once
#include <QMutex>
#include <QStringList>
#include <QThread>

// Base of the maker's worker threads: a cancel flag under a mutex, a progress
// signal and a list test. A subclass overrides run() (or doJob(), which the
// default run() calls) and reads isCancelled() between steps; QThread's own
// finished() tells the owner that the work has ended.
class MyWorkerThread : public QThread
{
    Q_OBJECT
public:
    explicit MyWorkerThread(QObject *parent = nullptr);
    ~MyWorkerThread() override;

    // Asks the work to stop at its next check; safe from any thread.
    void cancel();
    bool isCancelled();

    // True when str equals one of the list's texts; ignoring case unless caseSensitive.
    static bool checkStrInStrList(const QString &str, const QStringList &list, bool caseSensitive);

signals:
    void progressChanged(int value);

protected:
    void run() override;
    virtual void doJob();

    QMutex m_mutex;

private:
    bool m_cancelled = false;
};
