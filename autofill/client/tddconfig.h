#pragma once
#include <QString>

// What the Auto-fill client, its listener and its dialog read of the
// application, through the settings seam, on every call: the endpoint table
// and service secrets of the mode (CT1AppConfig's tdd* members), the switches,
// the folders and the listener port.
struct TddConfig
{
    QString serviceHost;        // "host" or "host:port"
    QString servicePath;        // "/ebci/awsc/tdd/ws/"
    QString dataServiceName;    // "/TaxDataDeliveryService" (test: "/CertTestDeliveryService")
    QString noaServiceName;     // "/NoticeOfAssessmentService" (test: "/CertTestNOAService")
    QString signInHost;
    QString signInPath;
    QString scriptUrl;
    QString secret095;          // service secret of software code "095"
    QString secretOther;        // of every other code
    QString softwareCode;       // EfileSoftwareCode
    bool modeDebug = false;
    bool fullLog = false;
    QString tddDataFile;        // a stored reply to import instead of the network road
    QString runFolder;          // tddlog.txt and tddlog2.txt
    QString noaFolder;          // the notice pages (noa1)
    QString databasePath;       // the application's SQLite file
    int edition = 1;            // 1 EFILE, 2 NETFILE
    int listenerPort = 0;       // TDDLISTENPORT; 0: 46249, 46248 in the NETFILE edition

    // The port the local listener binds.
    int effectiveListenerPort() const;
    QString dataLogPath() const { return runFolder + QStringLiteral("/tddlog.txt"); }
    QString listenerLogPath() const { return runFolder + QStringLiteral("/tddlog2.txt"); }
};

// From the settings seam; every value read afresh.
TddConfig currentTddConfig();
