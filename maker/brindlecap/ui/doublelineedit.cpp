#include "doublelineedit.h"
#include <QDoubleValidator>
#include <QFocusEvent>
#include <QLocale>

DoubleLineEdit::DoubleLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *validator = new QDoubleValidator(this);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    setValidator(validator);
}

double DoubleLineEdit::value() const
{
    QString t = text();
    t.remove(QLatin1Char(','));
    return t.trimmed().toDouble();
}

void DoubleLineEdit::setValue(double v)
{
    setText(QString::number(v, 'f', m_decimals));
}

void DoubleLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isReadOnly())
        return;
    // the press that gave the focus places the cursor after this; select when it ends
    if (event->reason() == Qt::MouseFocusReason)
        m_selectOnRelease = true;
    else if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        selectAll();
}

void DoubleLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    // a drag that chose part of the text keeps its choice
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}

void DoubleLineEdit::focusOutEvent(QFocusEvent *event)
{
    m_selectOnRelease = false;
    QLineEdit::focusOutEvent(event);
}
