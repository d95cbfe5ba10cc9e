#include "scrolltaxform.h"
#include <QColor>

ScrollTaxForm::ScrollTaxForm(const QString &bkColor, QWidget *parent, QWidget *content)
    : QScrollArea(parent), m_content(content)
{
    setWidgetResizable(true);
    setWidget(content);
    setBKColor(bkColor);
}

void ScrollTaxForm::setBKColor(const QString &color)
{
    if (QColor(color).isValid())
        setStyleSheet(QStringLiteral("QScrollArea { background-color: %1; }").arg(color));
}
