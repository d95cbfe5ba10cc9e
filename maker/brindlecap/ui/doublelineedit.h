#pragma once
#include "entrylineedit.h"

// A line editor for an amount; shows it with a fixed number of decimals.
// Coming to it selects its whole text (EntryLineEdit), so that what is typed
// replaces the amount shown instead of joining it.
class DoubleLineEdit : public EntryLineEdit
{
    Q_OBJECT
public:
    explicit DoubleLineEdit(QWidget *parent = nullptr);
    double value() const;
    void setValue(double v);
    int decimals() const { return m_decimals; }
    void setDecimals(int d) { m_decimals = d; }

private:
    int m_decimals = 2;
};
