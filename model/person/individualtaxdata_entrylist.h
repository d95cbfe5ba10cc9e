#pragma once
#include "formentry.h"
#include <QHash>
#include <QList>
#include <QVector>

// Key and object of each entry record, for the list's indexes.
inline int entryKey(const FormEntry &e) { return e.type; }
inline const void *entryObject(const FormEntry &e) { return e.object; }
inline int entryKey(const NoteEntry &e) { return e.id; }
inline const void *entryObject(const NoteEntry &e) { return e.note; }
inline int entryKey(const WizardEntry &e) { return e.type; }
inline const void *entryObject(const WizardEntry &e) { return e.object; }

// An ordered list of entry records, indexed by key (type, or id for notes) and
// by object, so that the calculation finds a form in constant time. Records are
// allocated one by one, so their addresses never move. The list only links and
// unlinks records; its owner allocates and deletes them.
template <class Entry>
class EntryList
{
public:
    using const_iterator = typename QList<Entry *>::const_iterator;

    EntryList() = default;
    EntryList(const EntryList &) = delete;
    EntryList &operator=(const EntryList &) = delete;

    int count() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    Entry *at(int i) const { return m_items.at(i); }
    int indexOf(const Entry *e) const { return m_items.indexOf(const_cast<Entry *>(e)); }
    const QList<Entry *> &items() const { return m_items; }
    const_iterator begin() const { return m_items.cbegin(); }
    const_iterator end() const { return m_items.cend(); }

    // Entries with the key, in list order.
    const QVector<Entry *> &withKey(int key) const
    {
        static const QVector<Entry *> none;
        auto it = m_byKey.constFind(key);
        return it == m_byKey.cend() ? none : it.value();
    }
    int countKey(int key) const { return withKey(key).size(); }
    Entry *firstWithKey(int key) const
    {
        const QVector<Entry *> &v = withKey(key);
        return v.isEmpty() ? nullptr : v.first();
    }
    // The first entry in list order that holds the object; null for none.
    Entry *holding(const void *object) const { return object ? m_byObject.value(object, nullptr) : nullptr; }

    void append(Entry *e)
    {
        m_items.append(e);
        m_byKey[entryKey(*e)].append(e);
        if (const void *o = entryObject(*e))
            if (!m_byObject.contains(o))
                m_byObject.insert(o, e);
    }

    void moveToFront(Entry *e)
    {
        const int i = indexOf(e);
        if (i <= 0)
            return;
        m_items.move(i, 0);
        QVector<Entry *> &v = m_byKey[entryKey(*e)];
        v.removeOne(e);
        v.prepend(e);
        if (const void *o = entryObject(*e))
            m_byObject.insert(o, e);
    }

    // Unlinks the record (not deleted); false when it is not in the list.
    bool take(Entry *e)
    {
        const int i = indexOf(e);
        if (i < 0)
            return false;
        m_items.removeAt(i);
        auto k = m_byKey.find(entryKey(*e));
        k.value().removeOne(e);
        if (k.value().isEmpty())
            m_byKey.erase(k);
        const void *o = entryObject(*e);
        if (o && m_byObject.value(o) == e) {
            m_byObject.remove(o);
            for (Entry *other : qAsConst(m_items))
                if (entryObject(*other) == o) {
                    m_byObject.insert(o, other);
                    break;
                }
        }
        return true;
    }

    // Unlinks every record and hands them to the caller in list order.
    QList<Entry *> takeAll()
    {
        QList<Entry *> all;
        all.swap(m_items);
        m_byKey.clear();
        m_byObject.clear();
        return all;
    }

private:
    QList<Entry *> m_items;
    QHash<int, QVector<Entry *>> m_byKey;
    QHash<const void *, Entry *> m_byObject;
};
