#pragma once
#include <QString>

// What the filing senders read of the application: the hosts (host names,
// optionally "host:port"), the switches and the filing exchange log's path.
struct FilingConfig
{
    QString eolServer;
    QString netfileServer;
    QString t1013Server;
    bool modeDebug = false;
    bool fullLog = false;
    QString exchangeLogPath;   // ".../efileresult.txt"
};

// From the settings seam (EOLSERVER, NETFILESERVER, T1013SERVER, MODEDEBUG,
// FullLog) and the run folder set below.
FilingConfig currentFilingConfig();
// The run folder, where efileresult.txt is kept; the application sets it at start.
void setFilingRunFolder(const QString &folder);
QString filingRunFolder();
// "1", "true", "yes", "on" (any case).
bool isConfigOn(const QString &value);
