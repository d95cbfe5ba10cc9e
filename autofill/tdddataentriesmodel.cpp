#include "tdddataentriesmodel.h"

TDDDataEntriesModel::TDDDataEntriesModel(QObject *parent) : QAbstractTableModel(parent) {}

TDDDataEntriesModel::~TDDDataEntriesModel()
{
    qDeleteAll(m_entries);
}

int TDDDataEntriesModel::rowCount(const QModelIndex &) const
{
    return m_entries.size();
}

int TDDDataEntriesModel::columnCount(const QModelIndex &) const
{
    return 3;
}

QVariant TDDDataEntriesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const TDDDataEntry *entry = entryAt(index.row());
    if (!entry)
        return QVariant();
    switch (index.column()) {
    case 0:
        return entry->sin;
    case 1:
        return entry->updateTime;
    case 2:
        return entry->taxYear;
    default:
        return QVariant();
    }
}

QVariant TDDDataEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0:
        return tr("S.I.N.");
    case 1:
        return tr("Update Time");
    case 2:
        return tr("Tax Year");
    default:
        return QVariant();
    }
}

void TDDDataEntriesModel::addEntry(TDDDataEntry *entry)
{
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
}

bool TDDDataEntriesModel::removeEntry(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    delete m_entries.takeAt(row);
    endRemoveRows();
    return true;
}

void TDDDataEntriesModel::clear()
{
    if (m_entries.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_entries.size() - 1);
    qDeleteAll(m_entries);
    m_entries.clear();
    endRemoveRows();
}

TDDDataEntry *TDDDataEntriesModel::entryAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row) : nullptr;
}
