#include "cjsonhelper.h"

#include <QJsonDocument>
#include <QJsonValue>

namespace {
constexpr int kFailed = 99;
}

int CJsonHelper::parse(const QString &text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (doc.isNull()) {
        lastError = kFailed;
        return lastError;
    }
    lastError = 0;
    if (doc.isObject())
        object = doc.object();
    return lastError;
}

int CJsonHelper::getString(const QString &name, QString &value)
{
    const auto it = object.constFind(name);
    if (it == object.constEnd()) {
        lastError = kFailed;
        return lastError;
    }
    value = it.value().toString(QString());
    lastError = 0;
    return lastError;
}

int CJsonHelper::getInt(const QString &name, int &value)
{
    const auto it = object.constFind(name);
    if (it == object.constEnd()) {
        lastError = kFailed;
        return lastError;
    }
    value = it.value().toInt(0);
    lastError = 0;
    return lastError;
}

bool CJsonHelper::getBool(const QString &name)
{
    const auto it = object.constFind(name);
    if (it == object.constEnd()) {
        lastError = kFailed;
        return false;
    }
    return it.value().toBool(false);
}

QJsonArray CJsonHelper::getArray(const QString &name) const
{
    return object.value(name).toArray();
}
