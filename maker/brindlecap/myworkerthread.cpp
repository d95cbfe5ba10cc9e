#include "myworkerthread.h"
#include <QMutexLocker>

MyWorkerThread::MyWorkerThread(QObject *parent) : QThread(parent)
{
}

MyWorkerThread::~MyWorkerThread() = default;

void MyWorkerThread::cancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancelled = true;
}

bool MyWorkerThread::isCancelled()
{
    QMutexLocker lock(&m_mutex);
    return m_cancelled;
}

bool MyWorkerThread::checkStrInStrList(const QString &str, const QStringList &list, bool caseSensitive)
{
    return list.contains(str, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void MyWorkerThread::run()
{
    doJob();
}

void MyWorkerThread::doJob()
{
}
