#include "csingleinstanceguard.h"
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
QString makeKey(const QString &title)
{
    const QByteArray bytes = title.toUtf8() + QByteArrayLiteral("_bkqx");
    return QString::fromLatin1(bytes.constData()); // up to the first NUL byte
}
} // namespace

CSingleInstanceGuard::CSingleInstanceGuard(const QString &title, QObject *parent)
    : m_title(title), m_key(makeKey(title)), m_memory(m_key, parent)
{
#ifdef Q_OS_UNIX
    // Segments are machine-wide here, not per session: one per user, so that a
    // second user of the machine is not told the program is already running.
    m_memory.setNativeKey(m_memory.nativeKey() + QStringLiteral("_u") + QString::number(::getuid()));
#endif
}

CSingleInstanceGuard::~CSingleInstanceGuard()
{
    release();
}

// On Linux a segment outlives a crashed owner. Detaching the last attachment
// removes the segment, so an attach-detach pair clears a stale one; a second
// attach then tells whether a live process still holds it.
bool CSingleInstanceGuard::otherInstanceRunning()
{
    if (m_memory.isAttached())
        return false;
    if (!m_memory.attach(QSharedMemory::ReadOnly))
        return false;
    m_memory.detach();
    if (!m_memory.attach(QSharedMemory::ReadOnly))
        return false;
    m_memory.detach();
    return true;
}

bool CSingleInstanceGuard::acquire()
{
    if (otherInstanceRunning())
        return false;
    if (!m_memory.create(8, QSharedMemory::ReadWrite)) {
        const QString error = m_memory.errorString();
        Q_UNUSED(error)
        return false;
    }
    return m_memory.isAttached() || m_memory.attach(QSharedMemory::ReadWrite);
}

void CSingleInstanceGuard::release()
{
    if (m_memory.isAttached())
        m_memory.detach();
}
