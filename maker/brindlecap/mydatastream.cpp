#include "mydatastream.h"
#include <QBuffer>
#include <QDate>
#include <QIODevice>
#include <cstring>
#include <limits>

MyDataStream::MyDataStream(QIODevice *device, bool storing)
    : QDataStream(device), m_storing(storing)
{
    setUp();
    if (!storing)
        takeBytes(device);
}

MyDataStream::MyDataStream(QByteArray *buffer, bool storing)
    : QDataStream(buffer, storing ? QIODevice::WriteOnly : QIODevice::ReadOnly), m_storing(storing)
{
    setUp();
    if (!storing && buffer)
        takeBytes(*buffer, 0);
}

MyDataStream::~MyDataStream()
{
    syncDevice();
}

void MyDataStream::setUp()
{
    setVersion(kStreamVersion);
    setByteOrder(QDataStream::LittleEndian);
    setFloatingPointPrecision(QDataStream::DoublePrecision);
}

// A sequential device is read as it comes; anything else is taken whole.
void MyDataStream::takeBytes(QIODevice *device)
{
    if (!device || !device->isReadable() || device->isSequential()
        || device->size() > std::numeric_limits<int>::max())
        return;
    if (auto *buffer = qobject_cast<QBuffer *>(device)) {
        takeBytes(buffer->data(), buffer->pos());
    } else {
        m_deviceOffset = device->pos();
        takeBytes(device->readAll(), 0);
    }
}

void MyDataStream::takeBytes(const QByteArray &bytes, qint64 at)
{
    m_data = bytes;
    m_cur = m_data.constData() + qBound(qint64(0), at, qint64(m_data.size()));
    m_end = m_data.constData() + m_data.size();
    m_inMemory = true;
}

QIODevice *MyDataStream::device() const
{
    syncDevice();
    return QDataStream::device();
}

void MyDataStream::syncDevice() const
{
    QIODevice *d = QDataStream::device();
    if (m_inMemory && d && d->isOpen() && d->pos() != m_deviceOffset + position())
        d->seek(m_deviceOffset + position());
}

const char *MyDataStream::takeShort()
{
    m_cur = m_end;
    setStatus(QDataStream::ReadPastEnd);
    return nullptr;
}

qint64 MyDataStream::bytesLeft() const
{
    if (m_inMemory)
        return m_end - m_cur;
    QIODevice *d = QDataStream::device();
    if (!d || d->isSequential())
        return -1;
    return d->bytesAvailable();
}

bool MyDataStream::atEnd() const
{
    return m_inMemory ? m_cur >= m_end : QDataStream::atEnd();
}

QByteArray MyDataStream::peekRaw(int maxLen) const
{
    if (m_inMemory)
        return m_data.mid(int(position()), qMax(0, maxLen));
    QIODevice *d = QDataStream::device();
    return d ? d->peek(maxLen) : QByteArray();
}

int MyDataStream::readRawData(char *s, int len)
{
    if (!m_inMemory)
        return QDataStream::readRawData(s, len);
    const int n = qBound(0, len, int(m_end - m_cur));
    std::memcpy(s, m_cur, size_t(n));
    m_cur += n;
    if (n != len)
        setStatus(QDataStream::ReadPastEnd);
    return n;
}

int MyDataStream::skipRawData(int len)
{
    if (!m_inMemory)
        return QDataStream::skipRawData(len);
    const int n = qBound(0, len, int(m_end - m_cur));
    m_cur += n;
    if (n != len)
        setStatus(QDataStream::ReadPastEnd);
    return n;
}

// The precision is DoublePrecision: a float is stored as a double.
MyDataStream &MyDataStream::operator>>(float &v)
{
    if (!m_inMemory) {
        QDataStream::operator>>(v);
        return *this;
    }
    double d = 0;
    *this >> d;
    v = float(d);
    return *this;
}

// A byte count (0xffffffff for a null text), then UTF-16 in the stream's byte order.
MyDataStream &MyDataStream::operator>>(QString &v)
{
    if (!m_inMemory) {
        static_cast<QDataStream &>(*this) >> v;
        return *this;
    }
    quint32 bytes = 0;
    *this >> bytes;
    if (bytes == 0xffffffffu) {
        v.clear();
    } else if (bytes == 0) {
        v = QString(QLatin1String(""));
    } else if (bytes & 1) {
        v.clear();
        setStatus(QDataStream::ReadCorruptData);
    } else if (const char *p = take(bytes)) {
        const int len = int(bytes / 2);
        v = QString(len, Qt::Uninitialized);
        ushort *out = reinterpret_cast<ushort *>(v.data());
        std::memcpy(out, p, bytes);
        if (QSysInfo::ByteOrder == QSysInfo::BigEndian)
            qbswap<sizeof(ushort)>(out, len, out);
    } else {
        v.clear();
    }
    return *this;
}

// The day number; one outside QDate's range goes through QDataStream so that it
// is kept as it was read.
MyDataStream &MyDataStream::operator>>(QDate &v)
{
    if (!m_inMemory) {
        static_cast<QDataStream &>(*this) >> v;
        return *this;
    }
    const char *p = take(8);
    const qint64 day = p ? qFromLittleEndian<qint64>(p) : 0;
    const QDate d = QDate::fromJulianDay(day);
    if (d.isValid() || day == QDate().toJulianDay()) {
        v = d;
        return *this;
    }
    QDataStream one(QByteArray(p, 8));
    one.setVersion(kStreamVersion);
    one.setByteOrder(QDataStream::LittleEndian);
    one >> v;
    return *this;
}

bool MyDataStream::readCount(qint32 &count, qint64 minItemBytes)
{
    count = 0;
    qint32 n = 0;
    *this >> n;
    if (!ok())
        return false;
    if (n < 0) {
        setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    const qint64 left = bytesLeft();
    if (left >= 0 && minItemBytes > 0 && qint64(n) * minItemBytes > left) {
        setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    count = n;
    return true;
}
