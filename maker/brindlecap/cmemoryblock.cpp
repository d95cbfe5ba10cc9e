#include "cmemoryblock.h"
#include "mydatastream.h"
#include <cstring>

void CMemoryBlock::Append(const char *text)
{
    if (text)
        m_data.append(text, int(std::strlen(text)));
}

void CMemoryBlock::Append(const char *bytes, int count)
{
    if (bytes && count > 0)
        m_data.append(bytes, count);
}

bool CMemoryBlock::WriteToT1BarcodeArchive(MyDataStream &stream) const
{
    stream << qint32(m_data.size());
    if (!m_data.isEmpty() && stream.writeRawData(m_data.constData(), m_data.size()) != m_data.size())
        stream.setStatus(QDataStream::WriteFailed);
    return stream.ok();
}
