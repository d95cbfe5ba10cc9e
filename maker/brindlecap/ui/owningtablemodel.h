#pragma once
#include <QAbstractTableModel>
#include <QList>

// A table model over records it owns, one a row: rows are appended, removed and
// cleared with the model's notifications. Subclasses give the columns and headers.
template <class Entry>
class OwningTableModel : public QAbstractTableModel
{
public:
    explicit OwningTableModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}
    ~OwningTableModel() override { qDeleteAll(m_entries); }

    int rowCount(const QModelIndex & = QModelIndex()) const override { return m_entries.size(); }

    // Takes ownership and appends the record as the last row.
    void append(Entry *entry)
    {
        const int row = m_entries.size();
        beginInsertRows(QModelIndex(), row, row);
        m_entries.append(entry);
        endInsertRows();
    }
    // Frees the row's record; false (nothing changed) for a row out of range.
    bool remove(int row)
    {
        if (row < 0 || row >= m_entries.size())
            return false;
        beginRemoveRows(QModelIndex(), row, row);
        delete m_entries.takeAt(row);
        endRemoveRows();
        return true;
    }
    void clear()
    {
        if (m_entries.isEmpty())
            return;
        beginRemoveRows(QModelIndex(), 0, m_entries.size() - 1);
        qDeleteAll(m_entries);
        m_entries.clear();
        endRemoveRows();
    }
    // Null for a row out of range.
    Entry *entryAt(int row) const { return row >= 0 && row < m_entries.size() ? m_entries.at(row) : nullptr; }

private:
    QList<Entry *> m_entries;
};
