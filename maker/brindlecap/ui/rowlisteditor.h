#pragma once
#include "fieldtable.h"
#include <QTableWidget>
#include <QVector>
#include <QWidget>

class CTaxData_Form;
class QHBoxLayout;
class QLabel;
class QPushButton;
struct FieldCaption;
struct RowListCaptions;

// The table of one row list of a calculator object (Schedule 9 donations,
// expense lines, ...): a column for each captioned column of the list, with
// the cell editors of its kind (amounts, integers, dates and S.I.N.s checked
// as on the page's line editors, choice lists, check boxes). Calculated
// columns are read-only. A cell's value is written into its row when the cell
// is committed and reported by edited(); text its column does not accept is
// kept in the cell, marked and not written. Add row and Remove row change the
// list unless the program keeps its rows.
class RowListEditor : public QWidget
{
    Q_OBJECT
public:
    RowListEditor(CTaxData_Form *data, const RowListCaptions &captions, QWidget *parent = nullptr);

    // What a shown column is and holds.
    struct Column
    {
        int field;                   // index in the list's row table
        FieldKind kind;
        const FieldCaption *caption;
        bool editable() const;
    };

    int list() const;
    QTableWidget *table() const { return m_table; }
    const QVector<Column> &columns() const { return m_columns; }
    // Column of the table showing a row field by its key; -1 when none does.
    int columnOf(const QString &key) const;
    // Refills the table from the object's rows.
    void syncData();
    // Writes a cell editor still open into its row.
    void commitEditor();
    // Cuts the table from its data: later edits write nothing.
    void detach() { m_data = nullptr; }
    // A new empty row at the end; false when the rows are the program's.
    bool addRow();
    // Removes the row; false when there is none or the rows are the program's.
    bool removeRow(int row);
    // Whether the column takes an amount below zero (a loss).
    bool negativeAllowed(const Column &c) const;
    // The message of a refused or flagged cell; empty when the cell is not marked.
    QString cellMessage(int row, int column) const;

signals:
    // A cell, an added or a removed row reached the object.
    void edited();

private:
    void makeTable();
    QHBoxLayout *makeButtons();
    void setCell(int row, int column);
    void cellChanged(QTableWidgetItem *item);
    // Writes the cell into its row: 1 changed, 0 unchanged, -1 refused.
    int writeCell(QTableWidgetItem *item);
    void markCell(QTableWidgetItem *item, const QString &message, bool refused);
    void showMessage();
    bool slotRows() const;
    // Whether a row of the list holds anything.
    bool rowUsed(int row) const;

    CTaxData_Form *m_data;
    const RowListCaptions &m_captions;
    QVector<Column> m_columns;
    QTableWidget *m_table;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QLabel *m_message;
    bool m_loading = false;
    int m_shownSlots = 0;   // slot rows: how many the table shows
};
