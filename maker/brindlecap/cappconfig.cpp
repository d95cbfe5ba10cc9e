#include "cappconfig.h"
#include <QFile>
#include <QTextStream>

CAppConfig::CAppConfig() = default;
CAppConfig::~CAppConfig() = default;

void CAppConfig::registerString(const char *key, CString *member)
{
    m_entries.push_back({QString::fromLatin1(key), member, nullptr});
}

void CAppConfig::registerBool(const char *key, bool *member)
{
    m_entries.push_back({QString::fromLatin1(key), nullptr, member});
}

const CAppConfig::Entry *CAppConfig::find(const QString &key) const
{
    for (const Entry &e : m_entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

bool CAppConfig::hasKey(const QString &key) const
{
    return find(key) != nullptr;
}

QString CAppConfig::valueText(const QString &key) const
{
    const Entry *e = find(key);
    if (!e)
        return QString();
    if (e->text)
        return *e->text;
    return *e->flag ? QStringLiteral("1") : QStringLiteral("0");
}

static bool parseBool(const QString &text, bool &out)
{
    const QString t = text.toLower();
    if (t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("on")) {
        out = true;
        return true;
    }
    if (t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("off")) {
        out = false;
        return true;
    }
    return false;
}

bool CAppConfig::setValueText(const QString &key, const QString &value)
{
    const Entry *e = find(key);
    if (!e)
        return false;
    if (e->text)
        *e->text = value;
    else
        parseBool(value, *e->flag);
    return true;
}

void CAppConfig::setStringValIfNotSet(CString &member, const CString &value)
{
    if (member.isEmpty())
        member = value;
}

int CAppConfig::readConfigFile(const std::string &pathUtf8)
{
    QFile file(QString::fromStdString(pathUtf8));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'))
            || line.startsWith(QLatin1Char('[')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        setValueText(key, value);
    }
    afterReadConfigFile();
    return 0;
}

void CAppConfig::afterReadConfigFile()
{
}
