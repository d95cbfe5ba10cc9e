#pragma once
#include "cstring.h"
#include <QMap>

class MyDataStream;

// Numbered string slots kept with each person in the return file.
class CReservedArea
{
public:
    CString get(int slot) const { return CString(m_slots.value(slot)); }
    void set(int slot, const QString &value);
    void clear() { m_slots.clear(); }
    int count() const { return m_slots.size(); }
    bool serialise(MyDataStream &ar);
    bool operator==(const CReservedArea &o) const { return m_slots == o.m_slots; }

private:
    QMap<int, QString> m_slots;
};
