#include "filingconfig.h"
#include "settingsseam.h"
#include <QDir>
#include <QMutex>

namespace {
QMutex gMutex;
QString gRunFolder;
}

bool isConfigOn(const QString &value)
{
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
           || v == QLatin1String("on");
}

void setFilingRunFolder(const QString &folder)
{
    QMutexLocker lock(&gMutex);
    gRunFolder = folder;
}

QString filingRunFolder()
{
    QMutexLocker lock(&gMutex);
    return gRunFolder.isEmpty() ? QDir::currentPath() : gRunFolder;
}

FilingConfig currentFilingConfig()
{
    const SettingsSource *s = settingsSource();
    FilingConfig c;
    c.eolServer = s->configValue(QStringLiteral("EOLSERVER")).trimmed();
    c.netfileServer = s->configValue(QStringLiteral("NETFILESERVER")).trimmed();
    c.t1013Server = s->configValue(QStringLiteral("T1013SERVER")).trimmed();
    c.modeDebug = isConfigOn(s->configValue(QStringLiteral("MODEDEBUG")));
    c.fullLog = isConfigOn(s->configValue(QStringLiteral("FullLog")));
    c.exchangeLogPath = filingRunFolder() + QStringLiteral("/efileresult.txt");
    return c;
}
