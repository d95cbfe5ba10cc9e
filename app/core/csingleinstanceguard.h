#pragma once
#include <QSharedMemory>
#include <QString>

class QObject;

// Keeps one shared-memory segment of 8 bytes, keyed by the instance title and
// "_bkqx" (one per user), for as long as the program runs. A segment left behind by an
// instance that crashed is cleared before it is taken.
class CSingleInstanceGuard
{
public:
    explicit CSingleInstanceGuard(const QString &title, QObject *parent = nullptr);
    ~CSingleInstanceGuard();

    // True when another live process holds the segment.
    bool otherInstanceRunning();
    // Takes the segment; false when another instance holds it or it cannot be made.
    bool acquire();
    void release();
    const QString &key() const { return m_key; }
    // The segment's name in the system (the key, made per user on Unix).
    QString nativeKey() const { return m_memory.nativeKey(); }

private:
    QString m_title;
    QString m_second;
    QString m_key;
    QSharedMemory m_memory;
};
