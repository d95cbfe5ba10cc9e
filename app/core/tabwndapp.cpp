#include "tabwndapp.h"
#include "newversioncheck.h"
#include "applog.h"
#include "csingleinstanceguard.h"
#include "messages.h"
#include "utils.h"
#include "widgetmessagehandler.h"
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>

unsigned char appEdition = 0;
CString appTitle;

const char *const TabWndApp::kOrganizationName = "Brackenquill";
const char *const TabWndApp::kApplicationName = "brackenquill2024";

namespace {
TabWndApp *s_instance = nullptr;

void makePrivateFolder(const QString &path)
{
    makeFolderExists(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace

TabWndApp *TabWndApp::create(int &argc, char **argv)
{
    if (!s_instance)
        s_instance = new TabWndApp(argc, argv);
    return s_instance;
}

TabWndApp *TabWndApp::instance()
{
    return s_instance;
}

TabWndApp::TabWndApp(int &argc, char **argv)
    : QApplication(argc, argv), m_screenUnion(0, 0, -1, -1), m_messages(new WidgetMessageHandler)
{
    setOrganizationName(QString::fromLatin1(kOrganizationName));
    setApplicationName(QString::fromLatin1(kApplicationName));
    appEdition = 1;
    appTitle = gMsgGetTitle();
    setSettingsSource(this);
    // Batch mode and tests put a non-interactive handler in place of this one.
    setMessageHandler(m_messages.get());
}

TabWndApp::~TabWndApp()
{
    // Children (a version check waiting for its worker) go while the application
    // object still runs event loops; after it, the worker's loop can never end.
    qDeleteAll(findChildren<NewVersionCheck *>(QString(), Qt::FindDirectChildrenOnly));
    saveOnClose();
    if (settingsSource() == this)
        setSettingsSource(nullptr);
    if (messageHandler() == m_messages.get())
        setMessageHandler(nullptr);
    if (s_instance == this)
        s_instance = nullptr;
}

int TabWndApp::initialize()
{
    m_sep = "/";
    m_appFolder = applicationDirPath();

    m_userDataFolder = QDir::homePath();
    m_userDataFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (m_userDataFolder.contains(QLatin1String("OneDrive"), Qt::CaseInsensitive))
        m_userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    m_userDataFolder += m_sep + QStringLiteral("brackenquill-efile") + m_sep + QStringLiteral("2024");

    m_localFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    makeFolderExists(m_localFolder);
    m_runFolder = m_localFolder + m_sep + QStringLiteral("run");
    makeFolderExists(m_runFolder);
    // the database folder holds S.I.N.s and passwords: owner only
    m_systemFolder = m_localFolder + m_sep + QStringLiteral("._sys");
    makePrivateFolder(m_systemFolder);

    m_logPath = m_runFolder + m_sep + QStringLiteral("log2024.txt");
    openLog();
    if (m_qtMessagesToLog)
        routeQtMessagesToLog(m_logPath, false);
    log("Only one instance of brackenquill can run");

    m_dbPath = m_systemFolder;
    openAppDatabase(m_dbPath);
    if (!m_db.isOpened()) {
        const QString text = tr("Program cannot read/write config file %1.").arg(m_dbPath);
        if (messageHandler() == m_messages.get())
            m_messages->critical(nullptr, tr("Error"), text);
        else
            messageHandler()->information(nullptr, tr("Error"), text);
        return 101;
    }

    log("check 70");
    m_screenUnion = QRect(0, 0, -1, -1);
    for (QScreen *screen : QGuiApplication::screens())
        m_screenUnion = m_screenUnion.united(screen->geometry());

    makeFolderExists(m_userDataFolder);
    m_config.load(m_appFolder, m_userDataFolder, m_runFolder);
    log("check 80");
    logTestCaFile();

    if (m_qtMessagesToLog)
        routeQtMessagesToLog(m_logPath, m_config.MODEDEBUG);
    readSettings();
    if (m_config.MODEDEBUG)
        appTitle += QStringLiteral(" - Testing");

    const QString folders = QStringLiteral("Doc path : ") + m_userDataFolder + QStringLiteral("\nAppLocal Version path: ")
        + m_localFolder + QStringLiteral(" \ndb path : ") + m_systemFolder;
    log(folders.toUtf8().constData());

    makeFolderExists(m_config.RetPath);
    log("check 90");
    log("check 120");
    log("check 130");
    return 0;
}

int TabWndApp::openAppDatabase(CString &folder)
{
    m_db.open(folder);
    if (!m_db.isOpened())
        return 99;
    m_db.purgeMissingRetFiles();
    return 0;
}

void TabWndApp::logTestCaFile()
{
    if (m_config.TestCAFile.isEmpty())
        return;
    const QString line = m_config.MODEDEBUG
        ? QStringLiteral("TestCAFile in use, trusted as a certificate authority: ") + m_config.TestCAFile
        : QStringLiteral("TestCAFile ignored outside test mode: ") + m_config.TestCAFile;
    log(line.toUtf8().constData());
}

bool TabWndApp::takeInstanceGuard(CSingleInstanceGuard &guard, const QString &instanceTitle)
{
    if (guard.acquire())
        return true;
    // the configuration as initialize reads it, without touching the log or the database
    CT1AppConfig config;
    const QString runFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/run");
    config.readConfigFile((runFolder + QStringLiteral("/gr_path.ini")).toUtf8().toStdString());
    config.readConfigFile((applicationDirPath() + QStringLiteral("/gr_path.ini")).toUtf8().toStdString());
    if (config.Allow2nd)
        return true;
    showInformation(tr("%1 is already running!").arg(instanceTitle));
    return false;
}

bool TabWndApp::allowSecondInstance() const
{
    return m_config.Allow2nd;
}

QRect TabWndApp::savedWindowRect() const
{
    return QRect(m_config.LeftX, m_config.LeftY, m_config.Width, m_config.Height);
}

QRect fitWindowRect(const QRect &window, const QRect &available)
{
    if (!available.isValid())
        return window;
    QRect fitted(window.topLeft(), window.size().boundedTo(available.size()));
    fitted.moveLeft(qBound(available.left(), fitted.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(qBound(available.top(), fitted.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

// ---- recent return files ----

ReturnFileEntriesModel *TabWndApp::reloadReturnList(const QString &filter)
{
    m_db.listRetFiles(&m_returnList, filter);
    return &m_returnList;
}

int TabWndApp::saveReturnFileEntry(const QString &name1, const QString &name2, const QString &path)
{
    return m_db.saveRetFile(name1, name2, path);
}

int TabWndApp::saveReturnFileSins(const QString &path, const QString &name1, const QString &sin1,
                                  const QString &name2, const QString &sin2)
{
    return m_db.setRetFileSins(path, name1, sin1, name2, sin2);
}

bool TabWndApp::isListedReturnFile(const QString &path)
{
    return m_db.findRetFileByPath(path) > 0;
}

void TabWndApp::forgetReturnFile(const QString &path)
{
    m_db.deleteRetFileByPath(path.toUtf8().toStdString());
    for (int row = m_returnList.rowCount() - 1; row >= 0; --row)
        if (m_returnList.pathAt(row) == path)
            m_returnList.removeEntries(row);
}

int TabWndApp::removeReturnEntry(const QModelIndex &index, bool deleteFile)
{
    const int row = m_returnList.sourceRow(index);
    const QString path = m_returnList.pathAt(row);
    if (deleteFile && QFileInfo::exists(path) && !QFile::remove(path))
        return -1;
    m_db.deleteRetFileByPath(path.toUtf8().toStdString());
    m_returnList.removeEntries(row);
    return 0;
}

// ---- further connections ----

bool TabWndApp::openDatabase(QSqlDatabase &db) const
{
    db.setDatabaseName(m_dbPath);
    return db.open();
}

void TabWndApp::closeDatabase(QSqlDatabase &db) const
{
    db.close();
}

// ---- settings seam ----

QString TabWndApp::configValue(const QString &key) const
{
    QString derived;
    if (derivedConfigValue(key, derived))
        return derived;
    return m_config.valueText(key);
}

// What the Auto-fill client reads beside the keys of gr_path.ini: the endpoint
// table and secrets of the mode, the folders and the edition.
bool TabWndApp::derivedConfigValue(const QString &key, QString &value) const
{
    const CT1AppConfig &c = m_config;
    const std::pair<const char *, QString> table[] = {
        {"tddServiceHost", c.tddServiceHost},
        {"tddServicePath", c.tddServicePath},
        {"tddDataServiceName", c.tddDataServiceName},
        {"tddNoaServiceName", c.tddNoaServiceName},
        {"tddSignInHost", c.tddSignInHost},
        {"tddSignInPath", c.tddSignInPath},
        {"tddScriptUrl", c.tddScriptUrl},
        {"tddServiceSecret095", c.tddServiceSecrets[1]},
        {"tddServiceSecretOther", c.tddServiceSecrets[3]},
        {"noaFolder", c.noaFolder},
        {"runFolder", m_runFolder},
        {"databasePath", m_dbPath},
        {"appEdition", QString::number(appEdition)},
    };
    for (const auto &entry : table)
        if (key == QLatin1String(entry.first)) {
            value = entry.second;
            return true;
        }
    return false;
}
