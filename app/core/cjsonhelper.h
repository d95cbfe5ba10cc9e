#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Reads the members of a JSON object reply by name. Reads report 0 or 99 and
// keep the last code in lastError, so a caller can read several members and
// check once.
class CJsonHelper
{
public:
    // 0, or 99 when the text is not JSON; an array reply keeps the former object.
    int parse(const QString &text);
    // 0, or 99 when the member is missing (the out value is then untouched).
    int getString(const QString &name, QString &value);
    int getInt(const QString &name, int &value);
    // false when missing (lastError becomes 99) or not a bool.
    bool getBool(const QString &name);
    // empty when missing or not an array; lastError is left as it was.
    QJsonArray getArray(const QString &name) const;

    QJsonObject object;
    int lastError = 0;
};
