#include "tddconfig.h"
#include "settingsseam.h"
#include <QDir>

namespace {
bool isOn(const QString &value)
{
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes")
           || v == QLatin1String("on");
}
} // namespace

int TddConfig::effectiveListenerPort() const
{
    if (listenerPort > 0 && listenerPort < 65536)
        return listenerPort;
    return edition == 2 ? 46248 : 46249;
}

TddConfig currentTddConfig()
{
    const SettingsSource *s = settingsSource();
    auto value = [s](const char *key) { return s->configValue(QString::fromLatin1(key)).trimmed(); };
    TddConfig c;
    c.serviceHost = value("tddServiceHost");
    c.servicePath = value("tddServicePath");
    c.dataServiceName = value("tddDataServiceName");
    c.noaServiceName = value("tddNoaServiceName");
    c.signInHost = value("tddSignInHost");
    c.signInPath = value("tddSignInPath");
    c.scriptUrl = value("tddScriptUrl");
    c.secret095 = value("tddServiceSecret095");
    c.secretOther = value("tddServiceSecretOther");
    c.softwareCode = value("EfileSoftwareCode");
    c.modeDebug = isOn(value("MODEDEBUG"));
    c.fullLog = isOn(value("FullLog"));
    c.tddDataFile = value("TDDDataFile");
    c.runFolder = value("runFolder");
    if (c.runFolder.isEmpty())
        c.runFolder = QDir::currentPath();
    c.noaFolder = value("noaFolder");
    c.databasePath = value("databasePath");
    bool ok = false;
    const int edition = value("appEdition").toInt(&ok);
    c.edition = ok && edition == 2 ? 2 : 1;
    const int port = value("TDDLISTENPORT").toInt(&ok);
    c.listenerPort = ok ? port : 0;
    return c;
}
