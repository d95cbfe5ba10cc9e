#include "ct1appconfig.h"
#include "serverdefaults.h"
#include "qwebclient.h"
#include "tlsw3client.h"
#include <QDebug>
#include <QDir>

CT1AppConfig::CT1AppConfig()
{
    registerString("NetfileSoftwareCode", &NetfileSoftwareCode);
    registerString("NetfileSoftwareDate", &NetfileSoftwareDate);
    registerString("EfileSoftwareCode", &EfileSoftwareCode);
    registerString("EfileSoftwareDate", &EfileSoftwareDate);
    registerString("VantrelServer", &VantrelServer);
    registerString("PrintServer", &PrintServer);
    registerString("BrackenquillWebServer", &BrackenquillWebServer);
    registerString("URL_SEND_RETURN_FILE", &URL_SEND_RETURN_FILE);
    registerString("URL_SEND_COMMENT", &URL_SEND_COMMENT);
    registerString("LeftPaneSize", &LeftPaneSize);
    registerString("PDFPATH", &PDFPATH);
    registerString("XMLPATH", &XMLPATH);
    registerString("BFORM_XMLPATH", &BFORM_XMLPATH);
    registerString("HTMLPATH", &HTMLPATH);
    registerString("EFILEXML_TEMPLATE_PATH", &EFILEXML_TEMPLATE_PATH);
    registerString("JAVACLASSPATH", &JAVACLASSPATH);
    registerString("JAVAPROJPATH", &JAVAPROJPATH);
    registerString("JVMPATH", &JVMPATH);
    registerBool("PrintLogo", &PrintLogo);
    registerBool("PrintHeader", &PrintHeader);
    registerBool("PrintTailer", &PrintTailer);
    registerBool("FullLog", &FullLog);
    registerBool("Netfile20", &Netfile20);
    registerBool("Allow2nd", &Allow2nd);
    registerString("EOLSERVER", &EOLSERVER);
    registerString("NETFILESERVER", &NETFILESERVER);
    registerString("T1013SERVER", &T1013SERVER);
    registerBool("MODEDEBUG", &MODEDEBUG);
    registerBool("NoWarningMsg", &NoWarningMsg);
    registerBool("EnableGenPrint", &EnableGenPrint);
    registerBool("OverwriteStatus", &OverwriteStatus);
    registerString("TDDDataFile", &TDDDataFile);
    registerString("TDDLISTENPORT", &TDDLISTENPORT);
    registerString("TestCAFile", &TestCAFile);
    registerString("TDDSERVER", &TDDSERVER);
    registerString("TDDSIGNINSERVER", &TDDSIGNINSERVER);
    registerString("NOATRANSFORMSERVER", &NOATRANSFORMSERVER);

    NetfileSoftwareDate = "2026-05-25";
    EfileSoftwareDate = "2026-05-25";
    BrackenquillWebServer = kBrackenquillWebServer;
    URL_SEND_RETURN_FILE = "/fileupload.php";
    URL_SEND_COMMENT = "/commentupload.php";
    LeftPaneSize = "270";
    BKColor = "#d0f1ff";
    FontSize = "12";
}

CT1AppConfig::~CT1AppConfig() = default;

void CT1AppConfig::setDefaultPaths(const QString &appFolder, const QString &userDataFolder)
{
    HTMLPATH = appFolder + QStringLiteral("/help");
    EFILEXML_TEMPLATE_PATH = appFolder + QStringLiteral("/bin");
    BFORM_XMLPATH = appFolder + QStringLiteral("/BFormxml");
    installBaseFolder = QDir::toNativeSeparators(QDir::cleanPath(appFolder + QStringLiteral("/../")));
    PDFPATH = installBaseFolder + QStringLiteral("/pdf");
    XMLPATH = installBaseFolder + QStringLiteral("/xml");
    // the Java class path is separated by ':' here
    JAVACLASSPATH = installBaseFolder + QStringLiteral("/bin/itext13.jar:") + installBaseFolder + QStringLiteral("/bin/mr.jar");
    RetPath = QDir::toNativeSeparators(userDataFolder + QStringLiteral("/data"));
    RetPdfPath = RetPath;
    noaFolder = QDir::toNativeSeparators(userDataFolder + QStringLiteral("/data") + QStringLiteral("/noa1"));
    PdfPathSameAsRet = 0;
}

void CT1AppConfig::afterReadConfigFile()
{
    CAppConfig::afterReadConfigFile();
    if (MODEDEBUG) {
        qInfo().noquote() << "jclass path " << JAVACLASSPATH;
        qInfo().noquote() << "jpdf path " << PDFPATH;
        qInfo().noquote() << "jxml path " << XMLPATH;
    }
}

void CT1AppConfig::applyServerDefaults()
{
    const ServerDefaults &d = serverDefaults(MODEDEBUG);
    setStringValIfNotSet(NETFILESERVER, d.craHost);
    setStringValIfNotSet(EOLSERVER, d.craHost);
    setStringValIfNotSet(T1013SERVER, d.craHost);
    setStringValIfNotSet(VantrelServer, d.vantrelRoot);
    setStringValIfNotSet(PrintServer, d.printServer);
    setStringValIfNotSet(NOATRANSFORMSERVER, d.noaTransformRoot);

    const CString code = (productKind() == 1 || productKind() == 2) ? "097" : "095";
    setStringValIfNotSet(NetfileSoftwareCode, code);
    setStringValIfNotSet(EfileSoftwareCode, code);

    for (int group = 0; group < 2; ++group)
        for (int i = 0; i < 4; ++i)
            tddServiceSecrets[group * 4 + i] = d.tddSecrets[i];
    tddServiceHost = TDDSERVER.trimmed().isEmpty() ? CString(d.tddServiceHost) : CString(TDDSERVER.trimmed());
    tddServicePath = kTddServicePath;
    tddDataServiceName = d.tddDataServiceName;
    tddNoaServiceName = d.tddNoaServiceName;
    tddSignInHost = TDDSIGNINSERVER.trimmed().isEmpty() ? CString(d.tddSignInHost) : CString(TDDSIGNINSERVER.trimmed());
    tddSignInPath = d.tddSignInPath;
    tddScriptUrl = QStringLiteral("https://") + tddSignInHost + QString::fromLatin1(d.tddScriptPath);
    QString noaRoot = NOATRANSFORMSERVER.trimmed().isEmpty() ? QString::fromLatin1(d.noaTransformRoot)
                                                              : QString(NOATRANSFORMSERVER.trimmed());
    while (noaRoot.endsWith(QLatin1Char('/')))
        noaRoot.chop(1);
    noaTransformUrl = noaRoot + QString::fromLatin1(kNoaTransformPath);

    // the SOAP client trusts the test authority in test mode only
    TLSW3Client::setTestCaFile(MODEDEBUG ? QString(TestCAFile) : QString());

    // an extra trusted authority is for the certification tests only
    if (!TestCAFile.isEmpty() && MODEDEBUG)
        QWebClient::setDefaultCaFile(TestCAFile);
}

CString CT1AppConfig::tddServiceSecret(const QString &softwareCode) const
{
    const bool code095 = softwareCode.trimmed().compare(QLatin1String("095"), Qt::CaseInsensitive) == 0;
    return tddServiceSecrets[code095 ? 1 : 3];
}

void CT1AppConfig::load(const QString &appFolder, const QString &userDataFolder, const QString &runFolder)
{
    setDefaultPaths(appFolder, userDataFolder);
    readConfigFile((runFolder + QStringLiteral("/gr_path.ini")).toUtf8().toStdString());
    readConfigFile((appFolder + QStringLiteral("/gr_path.ini")).toUtf8().toStdString());
    applyServerDefaults();
}
