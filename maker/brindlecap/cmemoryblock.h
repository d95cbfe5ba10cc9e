#pragma once
#include <QByteArray>

class MyDataStream;

// A growable 8-bit text buffer: the barcode blocks of a return file and the
// body of a web-service reply.
class CMemoryBlock
{
public:
    // Empties the block.
    void Init() { m_data.clear(); }
    // Appends a zero-terminated text; a null pointer appends nothing.
    void Append(const char *text);
    // Appends count bytes; a null pointer or a count below 1 appends nothing.
    void Append(const char *bytes, int count);
    void Append(const QByteArray &bytes) { m_data += bytes; }

    // The bytes, always followed by a zero byte that GetSize does not count.
    const char *GetContent() const { return m_data.constData(); }
    int GetSize() const { return m_data.size(); }
    bool IsEmpty() const { return m_data.isEmpty(); }
    const QByteArray &bytes() const { return m_data; }

    // The byte count as int32, then the bytes without a terminating zero.
    // False when the stream failed.
    bool WriteToT1BarcodeArchive(MyDataStream &stream) const;

private:
    QByteArray m_data;
};
