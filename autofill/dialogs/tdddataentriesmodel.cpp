#include "tdddataentriesmodel.h"

TDDDataEntriesModel::TDDDataEntriesModel(QObject *parent) : OwningTableModel(parent) {}

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
