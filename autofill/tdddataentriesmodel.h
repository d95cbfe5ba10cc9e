#pragma once
#include <QAbstractTableModel>
#include <QList>
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
class TDDDataEntriesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TDDDataEntriesModel(QObject *parent = nullptr);
    ~TDDDataEntriesModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes ownership and appends the entry as the last row.
    void addEntry(TDDDataEntry *entry);
    // Frees the row's entry; false (nothing changed) for a row out of range.
    bool removeEntry(int row);
    void clear();
    // Null for a row out of range.
    TDDDataEntry *entryAt(int row) const;

private:
    QList<TDDDataEntry *> m_entries;
};
