#pragma once
#include <QScrollArea>

// The scrolling frame of one tab of the return window: it holds one page.
class ScrollTaxForm : public QScrollArea
{
    Q_OBJECT
public:
    ScrollTaxForm(const QString &bkColor, QWidget *parent, QWidget *content);
    QWidget *getCtntWgt() const { return m_content; }
    void setBKColor(const QString &color);

private:
    QWidget *m_content;
};
