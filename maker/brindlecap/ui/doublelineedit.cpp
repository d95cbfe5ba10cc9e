#include "doublelineedit.h"
#include <QDoubleValidator>
#include <QLocale>

DoubleLineEdit::DoubleLineEdit(QWidget *parent) : EntryLineEdit(parent)
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
    showText(QString::number(v, 'f', m_decimals));
}
