#pragma once
#include <QValidator>

// The validator of a page editor by the kind of value it takes. Text that can
// still become valid is Intermediate; text that never can is Invalid.
class FieldValidator : public QValidator
{
    Q_OBJECT
public:
    enum Kind { Amount, Integer, Date, Sin };
    FieldValidator(Kind kind, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
    Kind kind() const { return m_kind; }
    // An amount or whole number below zero is refused (kept as Intermediate,
    // never stored) unless allowed.
    void setNegativeAllowed(bool allowed) { m_negativeAllowed = allowed; }
    bool negativeAllowed() const { return m_negativeAllowed; }
    // What the editor expects, for the user.
    QString expectation() const;
    // Why text that is not acceptable is refused: the negative sign or the expectation.
    QString problem(const QString &text) const;
    bool refusesNegative(const QString &text) const;
    // The value to store for acceptable text: an amount or integer without
    // separators, a S.I.N. as its nine digits.
    static QString normalised(Kind kind, const QString &text);

private:
    // The text's state by the kind's form alone.
    State validateForm(QString &input, int &pos) const;
    Kind m_kind;
    bool m_negativeAllowed = true;
};

// Whether an entered amount of a form or slip line may be below zero: lines
// that carry a loss ("Business income (loss)", "Capital gains or losses") and
// the income boxes of a partnership slip. Every other line is refused a minus.
bool amountMayBeNegative(int kind, int type, const char *key, const char *caption);
