#pragma once
#include <QLineEdit>

// A line editor for an amount; shows it with a fixed number of decimals.
class DoubleLineEdit : public QLineEdit
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
