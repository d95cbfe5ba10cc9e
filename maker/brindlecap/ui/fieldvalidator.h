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
    // What the editor expects, for the user.
    QString expectation() const;
    // The value to store for acceptable text: an amount or integer without
    // separators, a S.I.N. as its nine digits.
    static QString normalised(Kind kind, const QString &text);

private:
    Kind m_kind;
};
