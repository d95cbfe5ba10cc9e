#pragma once
#include "owningtablemodel.h"
#include <QString>

// One stored download: the row's id, the taxpayer's S.I.N., when it was stored
// and its tax year.
struct TDDDataEntry
{
    int id = 0;
    QString sin;
    QString updateTime;
    int taxYear = 0;
};

// The list of the Auto-fill main dialog: three columns over entries it owns.
class TDDDataEntriesModel : public OwningTableModel<TDDDataEntry>
{
    Q_OBJECT
public:
    explicit TDDDataEntriesModel(QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes ownership and appends the entry as the last row.
    void addEntry(TDDDataEntry *entry) { append(entry); }
    // Frees the row's entry; false (nothing changed) for a row out of range.
    bool removeEntry(int row) { return remove(row); }
};
