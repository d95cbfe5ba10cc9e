#pragma once
#include "cappconfig.h"
#include "cstring.h"

// Program configuration: the keys of gr_path.ini with their defaults, the server
// defaults of production and test mode, the Auto-fill/NOA table, and the storage
// of the user settings that the application object keeps in tb_config.
class CT1AppConfig : public CAppConfig
{
public:
    CT1AppConfig();
    ~CT1AppConfig() override;

    // Folder defaults; run before the files are read so that a file overrides them.
    void setDefaultPaths(const QString &appFolder, const QString &userDataFolder);
    // Servers, software codes and the Auto-fill table of the mode; after both files.
    void applyServerDefaults();
    // The start-up order: folder defaults, gr_path.ini of the run folder, then of
    // the application folder (read second, so it wins), then the server defaults.
    void load(const QString &appFolder, const QString &userDataFolder, const QString &runFolder);

    // gr_path.ini keys
    CString NetfileSoftwareCode;
    CString NetfileSoftwareDate;
    CString EfileSoftwareCode;
    CString EfileSoftwareDate;
    CString VantrelServer;
    CString PrintServer;
    CString BrackenquillWebServer;
    CString URL_SEND_RETURN_FILE;
    CString URL_SEND_COMMENT;
    CString LeftPaneSize;
    CString PDFPATH;
    CString XMLPATH;
    CString BFORM_XMLPATH;
    CString HTMLPATH;
    CString EFILEXML_TEMPLATE_PATH;
    CString JAVACLASSPATH;
    CString JAVAPROJPATH;
    CString JVMPATH;
    bool PrintLogo = true;
    bool PrintHeader = true;
    bool PrintTailer = true;
    bool FullLog = false;
    bool Netfile20 = true;
    bool Allow2nd = false;
    // CRA filing hosts: "host" or "host:port" (port 443 when not given).
    CString EOLSERVER;
    CString NETFILESERVER;
    CString T1013SERVER;
    // Overrides of the Auto-fill/NOA endpoints ("host" or "host:port", and a
    // root URL); empty keeps the defaults of the mode.
    CString TDDSERVER;
    CString TDDSIGNINSERVER;
    CString NOATRANSFORMSERVER;
    bool MODEDEBUG = false;
    bool NoWarningMsg = false;
    bool EnableGenPrint = false;
    bool OverwriteStatus = false;
    CString TDDDataFile;
    // Port of the Auto-fill listener; empty: 46249, 46248 in the NETFILE edition.
    CString TDDLISTENPORT;
    // PEM file of a further certificate authority that every web client trusts
    // beside the system's (a local test server's); empty for none. Honoured in
    // test mode (MODEDEBUG) only.
    CString TestCAFile;

    // Derived folders
    CString installBaseFolder;
    CString noaFolder;

    // User settings (tb_config)
    CString BKColor;
    CString FontSize;
    int LeftX = 0;
    int LeftY = 0;
    int Width = 0;
    int Height = 0;
    CString RetPath;
    CString RetPdfPath;
    int PdfPathSameAsRet = 0;
    CString BusinessName;
    CString BusinessAddr;
    CString BusinessCity;
    CString BusinessProv;
    CString BusinessPostcode;
    CString BusinessPhone;
    CString BusinessEFileNum;       // BusinessEFileNumDbg in test mode
    CString BusinessEFilePassword;  // BusinessEFilePasswordDbg in test mode
    CString DiscounterCode;
    int PreAssessment = -1;
    int PostAssessment = -1;
    int PrntClientLetter = 0;
    int SaveBackup = 0;
    CString T1013BusiNumber;
    CString T1013BusiName;
    CString T1013GroupID;
    CString T1013GroupName;
    CString T1013RepID;
    CString T1013RepFirstName;
    CString T1013RepLastName;
    CString T1013MailAddr;
    CString T1013Phone;
    CString T1013Fax;
    CString ShowRelMsg;
    bool FilingReport = false;
    bool CustomizedClientLetter = false;
    int CustomizedClientLetter_Ver = 0;
    CString VantrelEmail;
    CString VantrelPswd;
    CString VTFromEmail;

    // Auto-fill and NOA services. Two groups of four secrets (Auto-fill, NOA),
    // equal, since one secret serves both; in each, slots 0 and 1 go with
    // software code "095" and slots 2 and 3 with any other.
    CString tddServiceSecrets[8];
    CString tddServiceHost;
    CString tddServicePath;
    CString tddDataServiceName;
    CString tddNoaServiceName;
    CString tddSignInHost;
    CString tddSignInPath;
    CString tddScriptUrl;
    // The notice-of-assessment transformation address (root and path).
    CString noaTransformUrl;

    // The service secret for a software code: the "095" one for "095" (any
    // case), the other one for every other code.
    CString tddServiceSecret(const QString &softwareCode) const;

protected:
    void afterReadConfigFile() override;
};
