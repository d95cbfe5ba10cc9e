#include "threadfindfiles.h"
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardItemModel>

namespace {
constexpr qint64 kReportEveryMs = 5000;
}

ThreadFindFiles::ThreadFindFiles(QObject *dialog, QStandardItemModel *model, QString *statusText)
    : MyWorkerThread(dialog), m_model(model), m_statusText(statusText)
{
}

void ThreadFindFiles::setSearch(const QStringList &folders, const QStringList &suffixes)
{
    m_folders = folders;
    m_suffixes = suffixes;
}

// Both run in the GUI thread, queued on the dialog, so they keep their order
// with each other and with the progress reports.
void ThreadFindFiles::postStatus(const QString &text)
{
    QString *status = m_statusText;
    QMetaObject::invokeMethod(parent(), [status, text] { *status = text; }, Qt::QueuedConnection);
}

void ThreadFindFiles::postRow(const QString &path)
{
    QStandardItemModel *model = m_model;
    QMetaObject::invokeMethod(parent(), [model, path] { model->appendRow(new QStandardItem(path)); },
                              Qt::QueuedConnection);
}

void ThreadFindFiles::run()
{
    const qint64 t0 = QDateTime::currentMSecsSinceEpoch();
    qint64 lastReport = t0;
    int seconds = 0;
    for (const QString &folder : qAsConst(m_folders)) {
        postStatus(QStringLiteral("search ") + m_suffixes.join(QLatin1Char(',')) + QStringLiteral(" from ")
                   + m_folders.join(QLatin1Char(',')));
        emit progressChanged(seconds);
        QDirIterator it(folder, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            if (isCancelled())
                return;
            const QString path = it.next();
            const QFileInfo info = it.fileInfo();
            if (checkStrInStrList(info.suffix(), m_suffixes, false)) {
                const QString canonical = info.canonicalFilePath();
                if (!m_listed.contains(canonical)) {
                    m_listed.insert(canonical);
                    postRow(canonical);
                }
            }
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            if (now - lastReport >= kReportEveryMs) {
                postStatus(QStringLiteral("looking ") + path);
                seconds = int((now - t0) / 1000);
                emit progressChanged(seconds);
                lastReport = now;
            }
        }
    }
}
