#include "creservedarea.h"
#include "mydatastream.h"

void CReservedArea::set(int slot, const QString &value)
{
    if (value.isEmpty())
        m_slots.remove(slot);
    else
        m_slots.insert(slot, value);
}

bool CReservedArea::serialise(MyDataStream &ar)
{
    if (ar.IsStoring()) {
        ar << qint32(m_slots.size());
        for (auto it = m_slots.cbegin(); it != m_slots.cend(); ++it)
            ar << qint32(it.key()) << it.value();
        return ar.ok();
    }
    qint32 n = 0;
    if (!ar.readCount(n, 8))
        return false;
    QMap<int, QString> readSlots;
    for (qint32 i = 0; i < n; ++i) {
        qint32 key = 0;
        QString value;
        ar >> key >> value;
        if (!ar.ok())
            return false;
        if (!value.isEmpty())
            readSlots.insert(key, value);
    }
    m_slots.swap(readSlots);
    return true;
}
