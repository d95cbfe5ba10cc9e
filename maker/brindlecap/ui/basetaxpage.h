#pragma once
#include <QList>
#include <QWidget>

class CTaxData_Form;
class FieldRecord;
class QFormLayout;

// A page that edits one calculator object. This page shows the object's
// declared fields, one labelled editor per field, in table order: amounts and
// numbers as right-aligned texts, flags as check boxes, dates and texts as
// line editors. An edit is written into the object when the editor loses the
// focus (or by commitPage) and then reported by signalCalc.
class BaseTaxPage : public QWidget
{
    Q_OBJECT
public:
    BaseTaxPage(CTaxData_Form *data, const QString &title, QWidget *parent = nullptr);
    ~BaseTaxPage() override;

    CTaxData_Form *data() const { return m_data; }
    QString getTitle() const { return m_title; }
    // Fills the editors from the object.
    void syncData();
    // Reloads the editors after the object changed (a recalculation).
    void refreshPage();
    // Writes every editor's value into the object.
    void commitPage();
    // Editor of a field by its key; null when the page has none.
    QWidget *editorFor(const QString &key) const;

signals:
    // An edit reached the object; field is the field's index.
    void signalCalc(CTaxData_Form *data, int field);

private:
    void editFinished();
    bool writeField(int index);

    CTaxData_Form *m_data;
    QString m_title;
    QList<QWidget *> m_editors;     // one per field of the table
    bool m_loading = false;
};

// Makes the pages of an object (one page of its fields) with the given parent
// and appends them to pages.
void createPages(CTaxData_Form *data, QList<BaseTaxPage *> &pages, QWidget *parent);
