#pragma once
// What a form page shows of a field: its caption, line or box, section and
// choice list. The rows are data, one table per form or slip type (the
// fieldcaptions_*.cpp files), keyed by the field's key; FieldTable merges them
// into its specs for one form type (FieldTable::describedSpecs).
#include <QList>
#include <QPair>
#include <QString>

struct FieldCaption
{
    // NoPrint: shown on the page, left out of the client copy (a secret, or a
    // switch of the program's own that is no line of the form)
    enum Flag : unsigned { Calculated = 1u << 0, Internal = 1u << 1, Sin = 1u << 2, NoPrint = 1u << 3 };
    const char *key;
    const char *line;       // "10100", "Box 14"; empty for none
    const char *caption;    // UTF-8
    int section;            // index into the form's section names
    const char *choices;    // name of a choice list, or null
    unsigned flags;
};

// The caption rows of one form or slip type. When a type has a table, the
// fields it does not list are kept by the program and shown on no page.
struct FormCaptions
{
    int kind;               // CTaxData_Form kind: 0 form, 1 slip
    int type;
    const FieldCaption *rows;
    int count;
    const char *const *sections;   // null: one page named after the form
    int sectionCount;
};

// The columns of one row list of a form type (CTaxData_Form::rows(list)), keyed
// by the row table's keys, in the order the table shows them. A column the
// table does not list, or lists as internal, is kept by the program and shown
// in no table.
struct RowListCaptions
{
    // FixedRows: the program keeps the rows: none added or removed. SlotRows: the rows
    // are a fixed number of slots; the table shows them up to the last one used, a
    // new row is the next empty slot, a removed row empties its slot and moves the
    // later ones up. NamedRows: a row is named by its first column; a row with no
    // name and nothing in it is not shown.
    enum Flag : unsigned { FixedRows = 1u << 0, SlotRows = 1u << 1, NamedRows = 1u << 2 };
    int kind;
    int type;
    int list;
    const char *title;      // heading over the table, UTF-8
    int section;            // the page that shows the table
    const FieldCaption *columns;
    int count;
    unsigned flags;
};

// The table of a form or slip type; null when it has none.
const FormCaptions *findFormCaptions(int kind, int type);

// The row-list tables of a form or slip type, in list order; empty when it has none.
QList<const RowListCaptions *> findRowListCaptions(int kind, int type);

// A choice list by name ("province", "marital", "month", ...): the codes stored
// and the labels shown, in display order.
QList<QPair<int, QString>> choiceList(const QString &name);
