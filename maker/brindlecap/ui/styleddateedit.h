#pragma once
#include <QDateEdit>

// A date editor for a date field of a data record. A click selects a part of
// the date to type over: the first part when the click enters the editor (so
// that the whole date can be typed at once), else the part clicked. A
// separator typed just after a part was completed is taken as already typed.
// The mouse wheel changes the date only while the editor has the focus:
// turned over it otherwise, it scrolls what holds the editor.
class StyledDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit StyledDateEdit(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void selectClickedSection();

    bool m_clickEnters = false;     // the focus came by a press not yet released
    bool m_partCompleted = false;   // the last digit typed moved on to the next part
    bool m_forwarding = false;
};
