#include "styleddateedit.h"
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

StyledDateEdit::StyledDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setMinimumDate(QDate(1900, 1, 1));
    // the wheel does not give it the focus
    setFocusPolicy(Qt::StrongFocus);
    lineEdit()->installEventFilter(this);
}

void StyledDateEdit::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    m_clickEnters = event->reason() == Qt::MouseFocusReason;
    m_partCompleted = false;
}

// The line editor places the cursor first; the part is selected after it.
bool StyledDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lineEdit() || event->type() != QEvent::MouseButtonRelease || m_forwarding)
        return QDateEdit::eventFilter(watched, event);
    m_forwarding = true;
    QCoreApplication::sendEvent(watched, event);
    m_forwarding = false;
    if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        selectClickedSection();
    return true;
}

void StyledDateEdit::selectClickedSection()
{
    const bool entering = m_clickEnters;
    m_clickEnters = false;
    m_partCompleted = false;
    // a drag that chose part of the text keeps its choice
    if (lineEdit()->hasSelectedText() || sectionCount() == 0)
        return;
    setSelectedSection(entering ? sectionAt(0) : currentSection());
}

void StyledDateEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool digit = text.size() == 1 && text[0].isDigit();
    const bool separator = text.size() == 1 && (text[0] == QLatin1Char('/') || text[0] == QLatin1Char('-')
                                                || text[0] == QLatin1Char('.') || text[0] == QLatin1Char(' '));
    if (separator && m_partCompleted) {
        // "1980/05/17": the year typed whole already moved on to the month
        m_partCompleted = false;
        event->accept();
        return;
    }
    const Section before = currentSection();
    QDateEdit::keyPressEvent(event);
    m_partCompleted = digit && currentSection() != before;
}

void StyledDateEdit::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QDateEdit::wheelEvent(event);
}
