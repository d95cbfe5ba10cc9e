#include "fieldvalidator.h"
#include <QDate>
#include <QRegularExpression>

FieldValidator::FieldValidator(Kind kind, QObject *parent) : QValidator(parent), m_kind(kind) {}

namespace {
QValidator::State matchState(const QString &text, const char *acceptable, const char *intermediate)
{
    if (QRegularExpression(QString::fromLatin1(acceptable)).match(text).hasMatch())
        return QValidator::Acceptable;
    if (QRegularExpression(QString::fromLatin1(intermediate)).match(text).hasMatch())
        return QValidator::Intermediate;
    return QValidator::Invalid;
}

// Digits typed at the end past a date's year or month run on into the next
// part: "19800" becomes "1980-0", so a date may be typed as its eight digits.
void runOnDateDigits(QString &input, int &pos)
{
    if (pos != input.size())
        return;
    QStringList parts = input.split(QLatin1Char('-'));
    if (parts.size() > 3)
        return;
    for (const QString &part : qAsConst(parts))
        for (const QChar c : part)
            if (!c.isDigit())
                return;
    for (int i = 0; i < 2 && i < parts.size(); ++i) {
        const int width = i == 0 ? 4 : 2;
        if (parts[i].size() <= width)
            continue;
        const QString extra = parts[i].mid(width);
        parts[i].truncate(width);
        if (i + 1 < parts.size())
            parts[i + 1].prepend(extra);
        else
            parts.append(extra);
    }
    input = parts.join(QLatin1Char('-'));
    pos = input.size();
}
} // namespace

bool FieldValidator::refusesNegative(const QString &text) const
{
    if (m_negativeAllowed || (m_kind != Amount && m_kind != Integer))
        return false;
    QString plain = text.trimmed();
    plain.remove(QLatin1Char('$'));
    return plain.startsWith(QLatin1Char('-'));
}

QValidator::State FieldValidator::validate(QString &input, int &pos) const
{
    if (m_kind == Date)
        runOnDateDigits(input, pos);
    const State state = validateForm(input, pos);
    // a number below zero is kept so that the editor can say why, never stored
    return state != Invalid && refusesNegative(input) ? Intermediate : state;
}

QValidator::State FieldValidator::validateForm(QString &input, int &) const
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return Acceptable;
    switch (m_kind) {
    case Amount: {
        QString plain = text;
        plain.remove(QLatin1Char('$'));
        // thousands separators only in whole groups of three: "12,3" is not 12.3
        return matchState(plain, "^-?(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d{0,2})?$", "^-?[\\d,]*(\\.\\d*)?$");
    }
    case Integer:
        return matchState(text, "^-?\\d{1,9}$", "^-$");
    case Date: {
        if (QDate::fromString(text, Qt::ISODate).isValid() && text.size() == 10)
            return Acceptable;
        return matchState(text, "^$", "^\\d{0,4}(-\\d{0,2}(-\\d{0,2})?)?$");
    }
    case Sin: {
        QString digits = text;
        digits.remove(QLatin1Char(' '));
        digits.remove(QLatin1Char('-'));
        return matchState(digits, "^\\d{9}$", "^\\d{0,8}$");
    }
    }
    return Invalid;
}

QString FieldValidator::expectation() const
{
    switch (m_kind) {
    case Amount: return tr("Expected an amount, such as 1234.56 or 1,234.56");
    case Integer: return tr("Expected a whole number");
    case Date: return tr("Expected a date as YYYY-MM-DD");
    case Sin: return tr("Expected a 9-digit social insurance number");
    }
    return QString();
}

QString FieldValidator::problem(const QString &text) const
{
    return refusesNegative(text) ? tr("This line cannot be negative: enter the amount without a minus sign")
                                 : expectation();
}

bool amountMayBeNegative(int kind, int type, const char *key, const char *caption)
{
    const int kSlipKind = 1;
    const int kPartnershipSlip = 13;   // T5013
    if (kind == kSlipKind && type == kPartnershipSlip)
        return qstrcmp(key, "Box5") != 0;   // the partner's share in per cent
    const QString text = QString::fromUtf8(caption ? caption : "").toLower();
    return text.contains(QLatin1String("(loss)")) || text.contains(QLatin1String("or loss"));
}

QString FieldValidator::normalised(Kind kind, const QString &text)
{
    QString value = text.trimmed();
    switch (kind) {
    case Amount:
        value.remove(QLatin1Char(','));
        value.remove(QLatin1Char('$'));
        return value.isEmpty() ? QStringLiteral("0") : value;
    case Integer:
        return value.isEmpty() ? QStringLiteral("0") : value;
    case Sin:
        value.remove(QLatin1Char(' '));
        value.remove(QLatin1Char('-'));
        return value;
    case Date:
        return value;
    }
    return value;
}
