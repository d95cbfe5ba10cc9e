#pragma once
#include <QByteArray>
#include <QDataStream>
#include <cstring>

class QIODevice;
class QDate;

// The stream of return files. Byte order and stream version are fixed here once,
// so that every file reads back the same whatever Qt defaults become.
//
// Loading from a buffer or a file (any device that is not sequential) takes
// the bytes into memory once and decodes the values from there, as QDataStream
// would: a short read gives the same zero value, consumes what is left and
// marks the stream ReadPastEnd. The device is put where reading stopped by
// device(), syncDevice() (a SyncedReading at the end of its scope) and when the
// stream goes.
class MyDataStream : public QDataStream
{
public:
    MyDataStream(QIODevice *device, bool storing);
    MyDataStream(QByteArray *buffer, bool storing);
    ~MyDataStream();
    MyDataStream(const MyDataStream &) = delete;
    MyDataStream &operator=(const MyDataStream &) = delete;

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }
    bool ok() const { return status() == QDataStream::Ok; }

    // Bytes left to read, or -1 when the device cannot tell.
    qint64 bytesLeft() const;
    // Reads a count and checks that the rest of the stream can hold that many items
    // of at least minItemBytes each; a bad count marks the stream corrupt.
    bool readCount(qint32 &count, qint64 minItemBytes = 1);

    QIODevice *device() const;
    void syncDevice() const;
    // Up to maxLen of the next bytes, without reading them.
    QByteArray peekRaw(int maxLen) const;

    using QDataStream::operator<<;
    MyDataStream &operator>>(qint8 &v) { return readInt(v); }
    MyDataStream &operator>>(quint8 &v) { return readInt(v); }
    MyDataStream &operator>>(bool &v)
    {
        qint8 b = 0;
        readInt(b);
        v = b != 0;
        return *this;
    }
    MyDataStream &operator>>(qint16 &v) { return readInt(v); }
    MyDataStream &operator>>(quint16 &v) { return readInt(v); }
    MyDataStream &operator>>(qint32 &v) { return readInt(v); }
    MyDataStream &operator>>(quint32 &v) { return readInt(v); }
    MyDataStream &operator>>(qint64 &v) { return readInt(v); }
    MyDataStream &operator>>(quint64 &v) { return readInt(v); }
    MyDataStream &operator>>(double &v)
    {
        if (!m_inMemory) {
            QDataStream::operator>>(v);
            return *this;
        }
        quint64 bits = 0;
        readInt(bits);
        std::memcpy(&v, &bits, sizeof v);
        return *this;
    }
    MyDataStream &operator>>(float &v);
    MyDataStream &operator>>(QString &v);
    MyDataStream &operator>>(QDate &v);
    // Any other type would be read past the in-memory position: add it above.
    template<typename T>
    MyDataStream &operator>>(T &) = delete;

    int readRawData(char *s, int len);
    int skipRawData(int len);
    bool atEnd() const;

    static constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_15;

private:
    void setUp();
    void takeBytes(QIODevice *device);
    void takeBytes(const QByteArray &bytes, qint64 at);
    // Start of the next n bytes, or null when fewer are left: then the rest is
    // consumed and the stream is marked ReadPastEnd.
    Q_ALWAYS_INLINE const char *take(qint64 n)
    {
        if (n > m_end - m_cur)
            return takeShort();
        const char *p = m_cur;
        m_cur += n;
        return p;
    }
    const char *takeShort();
    qint64 position() const { return m_cur - m_data.constData(); }
    template<typename T>
    Q_ALWAYS_INLINE MyDataStream &readInt(T &v);

    bool m_storing;
    bool m_inMemory = false;   // loading from m_data
    QByteArray m_data;
    const char *m_cur = nullptr;   // next byte to read in m_data
    const char *m_end = nullptr;
    qint64 m_deviceOffset = 0; // device position of m_data's first byte
};

// Puts the device where reading stopped when the scope ends.
struct SyncedReading
{
    const MyDataStream &stream;
    ~SyncedReading() { stream.syncDevice(); }
};

#include <QtEndian>

template<typename T>
inline MyDataStream &MyDataStream::readInt(T &v)
{
    if (!m_inMemory) {
        QDataStream::operator>>(v);
        return *this;
    }
    const char *p = take(qint64(sizeof(T)));
    v = p ? qFromLittleEndian<T>(p) : T(0);
    return *this;
}
