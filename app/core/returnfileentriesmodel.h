#pragma once
#include "owningtablemodel.h"
#include <QString>

// One row of the list of recently opened return files.
struct ReturnFileEntry
{
    int id = 0;
    QString name;      // first name, then " & " and the second name when there is one
    QString openTime;  // as stored: "yyyy-MM-dd HH:mm:ss"
    QString path;
};

// The rows of the start page's list of return files.
class ReturnFileEntriesModel : public OwningTableModel<ReturnFileEntry>
{
    Q_OBJECT
public:
    explicit ReturnFileEntriesModel(QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes ownership and appends the record as the new last row.
    void appendEntry(ReturnFileEntry *entry) { append(entry); }
    bool removeEntries(int row) { return remove(row); }
    // Path of a row; empty outside the list. An index of a proxy over this model is mapped first.
    QString pathAt(int row) const;
    QString pathAt(const QModelIndex &index) const;
    // Row of this model behind an index of this model or of a proxy over it; -1 when none.
    int sourceRow(const QModelIndex &index) const;
};
