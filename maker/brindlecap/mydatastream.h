#pragma once
#include <QDataStream>

class QIODevice;
class QByteArray;

// The stream of return files. Byte order and stream version are fixed here once,
// so that every file reads back the same whatever Qt defaults become.
class MyDataStream : public QDataStream
{
public:
    MyDataStream(QIODevice *device, bool storing);
    MyDataStream(QByteArray *buffer, bool storing);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }
    bool ok() const { return status() == QDataStream::Ok; }

    // Bytes left to read, or -1 when the device cannot tell.
    qint64 bytesLeft() const;
    // Reads a count and checks that the rest of the stream can hold that many items
    // of at least minItemBytes each; a bad count marks the stream corrupt.
    bool readCount(qint32 &count, qint64 minItemBytes = 1);

    static constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_15;

private:
    void setUp();
    bool m_storing;
};
