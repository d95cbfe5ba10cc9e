#include "returnfileentriesmodel.h"
#include <QAbstractProxyModel>

ReturnFileEntriesModel::ReturnFileEntriesModel(QObject *parent) : OwningTableModel(parent)
{
}

int ReturnFileEntriesModel::columnCount(const QModelIndex &) const
{
    return 3;
}

QVariant ReturnFileEntriesModel::data(const QModelIndex &index, int role) const
{
    const ReturnFileEntry *e = entryAt(index.row());
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !e)
        return QVariant();
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

QString ReturnFileEntriesModel::pathAt(int row) const
{
    const ReturnFileEntry *e = entryAt(row);
    return e ? e->path : QString();
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
