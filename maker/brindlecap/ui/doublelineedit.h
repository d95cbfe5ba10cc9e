#pragma once
#include <QLineEdit>

// A line editor for an amount; shows it with a fixed number of decimals.
// Entering it, by the mouse or by the keyboard, selects its whole text, so
// that what is typed replaces the amount shown instead of joining it.
class DoubleLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DoubleLineEdit(QWidget *parent = nullptr);
    double value() const;
    void setValue(double v);
    int decimals() const { return m_decimals; }
    void setDecimals(int d) { m_decimals = d; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_decimals = 2;
    bool m_selectOnRelease = false;   // entered by a click: select once the click ends
};
