#pragma once
#include "applog.h"
#include "csqlitedbmanager.h"
#include "ct1appconfig.h"
#include "cstring.h"
#include "returnfileentriesmodel.h"
#include "settingsseam.h"
#include <QApplication>
#include <QMessageBox>
#include <QRect>
#include <QSqlDatabase>
#include <memory>
#include <type_traits>

class CSingleInstanceGuard;
class MainWindow;
class WidgetMessageHandler;

// Edition of the program (1 EFILE, 2 NETFILE); set to 1 by the application object.
extern unsigned char appEdition;
// Title of the program; " - Testing" is appended in test mode.
extern CString appTitle;

// The program's one application object: folders, configuration, user settings,
// database, logs and the list of recent return files. It answers the model's
// settings through the settings seam and installs the message boxes.
class TabWndApp : public QApplication, public SettingsSource
{
    Q_OBJECT
public:
    // Organisation and application names, so every binary of the program finds
    // the same local application-data folder.
    static const char *const kOrganizationName;
    static const char *const kApplicationName;

    static TabWndApp *create(int &argc, char **argv);
    static TabWndApp *instance();
    ~TabWndApp() override;

    // Start-up: folders, log, database, configuration, settings. 0, or 101 when the
    // database cannot be opened and written (after its message).
    int initialize();
    int openAppDatabase(CString &folder);
    int readSettings();
    int writeSettings();
    int saveOnClose();
    bool allowSecondInstance() const;
    // Set by main before initialize: from the program log's creation on, the Qt
    // message log goes into it, not to the console (also to the console in test mode).
    void setQtMessagesToLog(bool on) { m_qtMessagesToLog = on; }
    // Before initialize: takes the single-instance guard. When another instance
    // holds it and gr_path.ini (Allow2nd) does not allow a second one, shows
    // "%1 is already running!" and returns false: the process must stop, having
    // opened and changed nothing.
    bool takeInstanceGuard(CSingleInstanceGuard &guard, const QString &instanceTitle);
    // The window's rectangle by the saved geometry and the first-start rule.
    QRect savedWindowRect() const;

    // The main window (null until main stores it); the parent of message boxes.
    // Any widget may stand in for the main window as the parent of message boxes.
    template <class Window>
    void setMainWindow(Window *window)
    {
        if constexpr (std::is_same_v<Window, MainWindow>)
            m_mainWindow = window;
        else
            m_mainWindow = nullptr;
        m_mainWidget = window;
    }
    MainWindow *mainWindow() const { return m_mainWindow; }
    QWidget *mainWidget() const { return m_mainWidget; }

    // Recent return files
    ReturnFileEntriesModel *reloadReturnList(const QString &filter);
    int saveReturnFileEntry(const QString &name1, const QString &name2, const QString &path);
    // The S.I.N.s of a listed return file's persons, so that the start page's filter finds it by them.
    int saveReturnFileSins(const QString &path, const QString &name1, const QString &sin1, const QString &name2,
                           const QString &sin2);
    // Removes the entry's records and row, and with deleteFile the file first.
    // 0 done; -1 when the file exists and could not be deleted (nothing removed).
    int removeReturnEntry(const QModelIndex &index, bool deleteFile);
    ReturnFileEntriesModel &returnList() { return m_returnList; }
    // True when the recent-files list holds the path.
    bool isListedReturnFile(const QString &path);
    // Takes every entry of the path off the list (database and model).
    void forgetReturnFile(const QString &path);

    // Logs
    void openLog();
    void log(const char *message);
    void efileLogPath(CString &path, bool result) const;
    int appendFilingRecord(const QString &name, const QString &result, const QString &confirmation,
                           const QString &message);
    // kind 0 tddlog.txt, 1 tddlog2.txt, 2 findfiles.csv, other: the run folder with a trailing separator.
    void runFilePath(CString &path, int kind) const;

    // The report engine's test return, "testprint.r24" in the documents folder:
    // every form that is not expired in self's return. True when it was written.
    bool writeTestPrintFile();

    // Further connections to the same database file (worker threads).
    bool openDatabase(QSqlDatabase &db) const;
    void closeDatabase(QSqlDatabase &db) const;

    CT1AppConfig &config() { return m_config; }
    const CT1AppConfig &config() const { return m_config; }
    CSqliteDBManager &dbManager() { return m_db; }
    const CString &appFolder() const { return m_appFolder; }
    const CString &userDataFolder() const { return m_userDataFolder; }
    const CString &localFolder() const { return m_localFolder; }
    const CString &runFolder() const { return m_runFolder; }
    const CString &systemFolder() const { return m_systemFolder; }
    const CString &databasePath() const { return m_dbPath; }
    const CString &logPath() const { return m_logPath; }
    QRect screenUnion() const { return m_screenUnion; }
    CString LastOpenPath;
    CString LastImportPath;

    // Settings seam: user settings by name and gr_path.ini keys ("1"/"0" for bools).
    QString userSetting(const QString &name) const override;
    bool derivedConfigValue(const QString &key, QString &value) const;
    QString configValue(const QString &key) const override;
    bool setUserInt(const QString &name, int value) override;

private:
    TabWndApp(int &argc, char **argv);
    const char *efileNumKey() const;
    const char *efilePasswordKey() const;
    void applyWindowRule();
    void logTestCaFile();

    CString m_logPath;
    bool m_qtMessagesToLog = false;
    QRect m_screenUnion;
    ReturnFileEntriesModel m_returnList;
    CT1AppConfig m_config;
    MainWindow *m_mainWindow = nullptr;
    QWidget *m_mainWidget = nullptr;
    CString m_sep;
    CString m_appFolder;
    CString m_userDataFolder;
    CString m_localFolder;
    CString m_runFolder;
    CString m_systemFolder;
    CSqliteDBManager m_db;
    CString m_dbPath;
    std::unique_ptr<WidgetMessageHandler> m_messages;
};

// Message helpers under the application's title; a null parent is the main window.
int showInformation(const QString &text, QWidget *parent = nullptr);
// True when the answer is Yes or Ok.
bool askQuestion(const QString &text, QWidget *parent = nullptr);
int askQuestionTitled(const QString &text, QWidget *parent, QMessageBox::StandardButtons buttons);

// A window's rectangle moved, and shrunk where it is larger, as little as it
// takes to lie whole inside the available area; unchanged without an area.
QRect fitWindowRect(const QRect &window, const QRect &available);

void beginWaitCursor();
void endWaitCursor();
