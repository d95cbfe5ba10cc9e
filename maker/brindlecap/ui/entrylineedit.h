#pragma once
#include <QLineEdit>

// A line editor for a value typed whole (an amount, a date). Coming to it
// selects its whole text, so that what is typed replaces the value shown
// instead of joining it: entering it by the mouse or the keyboard, the window
// regaining the focus while it holds it, or the program showing its value anew
// (showText) while it holds the focus. After the window regained the focus or
// the value was shown anew, the next click selects the whole text too; once
// the preparer typed, or entered by the keyboard, a click places the cursor.
class EntryLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit EntryLineEdit(QWidget *parent = nullptr);
    // Shows a value given by the program, not typed by the preparer.
    void showText(const QString &text);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Selects the whole text, and again when the next click ends.
    void selectForReplacing();

    bool m_selectOnRelease = false;
};
