#include "mydatastream.h"
#include <QIODevice>

MyDataStream::MyDataStream(QIODevice *device, bool storing)
    : QDataStream(device), m_storing(storing)
{
    setUp();
}

MyDataStream::MyDataStream(QByteArray *buffer, bool storing)
    : QDataStream(buffer, storing ? QIODevice::WriteOnly : QIODevice::ReadOnly), m_storing(storing)
{
    setUp();
}

void MyDataStream::setUp()
{
    setVersion(kStreamVersion);
    setByteOrder(QDataStream::LittleEndian);
    setFloatingPointPrecision(QDataStream::DoublePrecision);
}

qint64 MyDataStream::bytesLeft() const
{
    QIODevice *d = device();
    if (!d || d->isSequential())
        return -1;
    return d->bytesAvailable();
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
