#pragma once
#include <QComboBox>

// A choice list whose items carry an integer; the record field holds the
// integer of the chosen item. The mouse wheel changes the choice only while the
// list has the focus: turned over it otherwise, it scrolls what holds the list.
class CT1ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CT1ComboBox(QWidget *parent = nullptr);
    // Fills the list with the provinces and territories (data 1 to 13) after
    // an empty first item (data 0); the selection keeps its data when it can.
    void LoadProvs();
    // Fills the list with the offered form types that match the filter (part of
    // the form's number, name or title, any case), each type once; the type is
    // the item's data.
    void LoadTaxForms(int edition, const QList<int> &types, const QString &filter);
    // Selects the item carrying data; -1 (nothing) when no item does.
    void SetCurSelData(int data);
    // Data of the selected item; 0 when nothing is selected.
    int GetCurSelData() const;

protected:
    void wheelEvent(QWheelEvent *event) override;
};
