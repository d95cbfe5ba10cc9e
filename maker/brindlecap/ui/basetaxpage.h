#pragma once
#include <QHash>
#include <QList>
#include <QWidget>

class CTaxData_Form;
class RowListEditor;
struct FieldSpec;

// A page of one section of a calculator object. Each field the page shows is
// a row "<line or box> <caption>" with an editor for its kind: amounts,
// integers, dates and S.I.N.s in line editors with a validator, choice lists
// for coded fields, check boxes for flags. Calculated fields are read-only;
// internal ones are not shown. The row lists captioned for the page's section
// follow as tables (RowListEditor). Editors are made when the page is first
// shown (or asked for one). An edit is written into the object when the editor
// loses the focus (or by commitPage) and then reported by signalCalc; text
// the validator does not accept is kept, marked and not written.
class BaseTaxPage : public QWidget
{
    Q_OBJECT
public:
    BaseTaxPage(CTaxData_Form *data, const QString &title, int section, QWidget *parent = nullptr);
    ~BaseTaxPage() override;

    CTaxData_Form *data() const { return m_data; }
    QString getTitle() const { return m_title; }
    int section() const { return m_section; }
    // Fills the editors from the object.
    void syncData();
    // Reloads the editors after the object changed (a recalculation).
    void refreshPage();
    // Writes every acceptable editor's value into the object.
    void commitPage();
    // Cuts the page from its data before it goes: later edits write nothing.
    void detach();
    // Editor of a field by its key (made now when the page was not shown yet);
    // null when the page has none.
    QWidget *editorFor(const QString &key);
    // The table of a row list of the object (made now when the page was not
    // shown yet); null when the page has none.
    RowListEditor *rowListEditor(int list);
    bool isBuilt() const { return m_built; }
    // The message of a marked editor (refused input or a S.I.N. flag); empty when not marked.
    static QString inputMessage(const QWidget *editor);
    // An editor's state: "valid", "invalid" (refused input), "flagged" (a
    // S.I.N. flag) or "calculated"; empty for one without any.
    static QString fieldState(const QWidget *editor);
    // The rules giving each state its look; a page keeps them in its style
    // sheet (they are its first one), so that a change of state only polishes
    // the editor again.
    static QString fieldStateStyle();

signals:
    // An edit reached the object; field is the field's index.
    void signalCalc(CTaxData_Form *data, int field);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    QWidget *makeEditor(const FieldSpec &spec, int field);
    void addRowLists();
    void addButtons();
    void editFinished(QWidget *editor);
    // Validates the editor's text and marks it; true when it may be written.
    bool checkEditor(QWidget *editor, const FieldSpec &spec);
    bool writeField(int field, QWidget *editor);
    void setEditorText(QWidget *editor, const FieldSpec &spec, int field);
    const FieldSpec &specOf(int field) const;

    CTaxData_Form *m_data;
    QString m_title;
    int m_section;
    bool m_built = false;
    bool m_loading = false;
    bool m_committing = false;
    QList<int> m_fields;                 // the fields this page shows, in caption-table order
    QHash<int, QWidget *> m_editors;     // by field index
    QList<RowListEditor *> m_rowLists;
};

// Makes the pages of an object (one per section that shows a field) with the
// given parent and appends them to pages.
void createPages(CTaxData_Form *data, QList<BaseTaxPage *> &pages, QWidget *parent);
