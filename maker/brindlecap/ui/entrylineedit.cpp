#include "entrylineedit.h"
#include <QFocusEvent>

EntryLineEdit::EntryLineEdit(QWidget *parent) : QLineEdit(parent) {}

void EntryLineEdit::showText(const QString &text)
{
    setText(text);
    if (hasFocus())
        selectForReplacing();
}

void EntryLineEdit::selectForReplacing()
{
    if (isReadOnly())
        return;
    selectAll();
    m_selectOnRelease = true;
}

void EntryLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isReadOnly())
        return;
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        // the press that gave the focus places the cursor after this; select when it ends
        m_selectOnRelease = true;
        break;
    case Qt::ActiveWindowFocusReason:
        // back from a dialog or another window: the preparer comes to the value again
        selectForReplacing();
        break;
    case Qt::PopupFocusReason:
        break;
    default:
        selectAll();
    }
}

void EntryLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    // a drag that chose part of the text keeps its choice
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}

void EntryLineEdit::keyPressEvent(QKeyEvent *event)
{
    m_selectOnRelease = false;
    QLineEdit::keyPressEvent(event);
}

void EntryLineEdit::focusOutEvent(QFocusEvent *event)
{
    m_selectOnRelease = false;
    QLineEdit::focusOutEvent(event);
}
