#pragma once
#include "myworkerthread.h"
#include <QSet>
#include <QStringList>

class QStandardItemModel;

// The walk of the return-file search. It looks through each folder with all
// its sub-folders for files whose suffix is in the suffix list. The result
// model and the status text belong to the dialog (the thread's parent) in
// the GUI thread: every row and status change is handed to that thread and
// applied there in the order made. QThread::finished() ends each search.
class ThreadFindFiles : public MyWorkerThread
{
    Q_OBJECT
public:
    ThreadFindFiles(QObject *dialog, QStandardItemModel *model, QString *statusText);
    void setSearch(const QStringList &folders, const QStringList &suffixes);
    // Canonical paths already listed: the search adds each file once, also
    // when the folders overlap (a folder and its parent).
    void setListedFiles(const QSet<QString> &canonicalPaths) { m_listed = canonicalPaths; }

protected:
    void run() override;

private:
    void postStatus(const QString &text);
    void postRow(const QString &path);

    QStandardItemModel *m_model;
    QString *m_statusText;
    QStringList m_folders;
    QStringList m_suffixes;
    QSet<QString> m_listed;
};
