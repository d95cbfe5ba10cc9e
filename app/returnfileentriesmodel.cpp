#include "returnfileentriesmodel.h"
#include <QAbstractProxyModel>

ReturnFileEntriesModel::ReturnFileEntriesModel(QObject *parent) : QAbstractTableModel(parent)
{
}

ReturnFileEntriesModel::~ReturnFileEntriesModel()
{
    qDeleteAll(m_entries);
}

int ReturnFileEntriesModel::rowCount(const QModelIndex &) const
{
    return m_entries.size();
}

int ReturnFileEntriesModel::columnCount(const QModelIndex &) const
{
    return 3;
}

QVariant ReturnFileEntriesModel::data(const QModelIndex &index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || index.row() < 0 || index.row() >= m_entries.size())
        return QVariant();
    const ReturnFileEntry *e = m_entries.at(index.row());
    switch (index.column()) {
    case 0: return e->name;
    case 1: return e->openTime;
    case 2: return e->path;
    default: return QVariant();
    }
}

QVariant ReturnFileEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0: return tr("Tax Payer's Name");
    case 1: return tr("Last Open Time");
    case 2: return tr("Return File Path");
    default: return QVariant();
    }
}

void ReturnFileEntriesModel::appendEntry(ReturnFileEntry *entry)
{
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
}

bool ReturnFileEntriesModel::removeEntries(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    delete m_entries.takeAt(row);
    endRemoveRows();
    return true;
}

void ReturnFileEntriesModel::clear()
{
    if (m_entries.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_entries.size() - 1);
    qDeleteAll(m_entries);
    m_entries.clear();
    endRemoveRows();
}

QString ReturnFileEntriesModel::pathAt(int row) const
{
    if (row < 0 || row >= m_entries.size())
        return QString();
    return m_entries.at(row)->path;
}

QString ReturnFileEntriesModel::pathAt(const QModelIndex &index) const
{
    return pathAt(sourceRow(index));
}

int ReturnFileEntriesModel::sourceRow(const QModelIndex &index) const
{
    QModelIndex source = index;
    while (source.isValid() && source.model() != this) {
        auto proxy = qobject_cast<const QAbstractProxyModel *>(source.model());
        if (!proxy)
            return -1;
        source = proxy->mapToSource(source);
    }
    return source.isValid() ? source.row() : -1;
}
