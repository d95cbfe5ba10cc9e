#pragma once
// The Auto-fill / Express NOA dialog that the main window runs: the downloads
// kept in the application database for the mode, newest first; New fetches
// more, View shows one (and can fill the open return), Remove deletes one.
#include "cstring.h"
#include "tdddataentriesmodel.h"
#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QMap>
#include <QSortFilterProxyModel>
#include <functional>

class Form_Return;
class QSqlDatabase;
class TDDTaxDataOnePerson;
namespace Ui {
class DlgTDDMain;
}

// What one download left behind: the rows stored, the items that matched no
// S.I.N. entered, and the notices' messages by S.I.N.
struct TddDownloadOutcome
{
    int savedCount = 0;
    int skippedCount = 0;
    QMap<QByteArray, CString> noaMessages;
    QString failure;   // why the download failed, when known
    bool cancelled = false;   // the preparer closed the progress before the run ended
};
// Runs one download (kind 1 Auto-fill, 2 NOA) for the S.I.N.s, modally over parent.
using TddDownloadRunner =
    std::function<TddDownloadOutcome(int kind, QList<QByteArray> *sins, QWidget *parent)>;

class DlgTDDMain : public QDialog
{
    Q_OBJECT
public:
    // mode 1 Auto-fill, 2 Express NOA; returnSin (copied) is the current person's
    // S.I.N. or empty; returnWindow the current return window or null. Neither the
    // database nor the window is owned.
    DlgTDDMain(int mode, QSqlDatabase *database, const CString *returnSin, Form_Return *returnWindow,
               QWidget *parent = nullptr);
    ~DlgTDDMain() override;

    // Replaces the download that New runs (the progress dialog); null restores it.
    static void setDownloadRunner(TddDownloadRunner runner);

    int mode() const { return m_mode; }
    const CString &returnSin() const { return m_returnSin; }
    Form_Return *returnWindow() const { return m_returnWindow; }
    // The folder of the notice pages; the only place View and Remove act on.
    // Taken from the application's configuration unless set.
    void setNoaFolder(const QString &folder) { m_noaFolder = folder; }
    const QString &noaFolder() const { return m_noaFolder; }

    // Reads the list again; the number of rows.
    int reloadEntries();
    int loadTaxDataEntries();
    int loadNoaEntries();
    // One entry's S.I.N., tax year (mode 1) and page (mode 1 the report, mode 2
    // the page's path or a message); false when there is no such row.
    bool loadEntryHtml(int id, QString &sin, int &taxYear, QString &page);
    // 1 when the stored XML was read into person; 0 no row, -2 not readable
    // data, -100 an exception.
    int loadEntryXml(int id, TDDTaxDataOnePerson &person);
    // Deletes one entry (mode 2 also its page, once the row is gone): 1 when the
    // row was deleted, 0 when the statement failed and nothing changed.
    int deleteEntry(int id);
    TDDDataEntry *selectedEntry() const;
    // The page file of a stored htmlfile value: the path of a regular file
    // directly in the NOA folder named noa2024_*.html; empty otherwise.
    QString noaPageFile(const QString &stored) const;
    // True when the entry's S.I.N. is the open return's (compared by digits).
    bool belongsToReturn(const QString &entrySin) const;
    // The closing message of an import: the lines of what came in.
    static QString importedText(const QStringList &imported);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_btnClose_clicked();
    void on_btnNew_clicked();
    void on_btnView_clicked();
    void on_btnRemove_clicked();

private:
    int loadEntries(const char *statement);
    int selectedSourceRow() const;
    void viewTaxData(const TDDDataEntry &entry);
    bool confirmImportIntoFiledReturn(bool &filed);
    void importIntoReturn(const TDDDataEntry &entry, int taxYear, const class DataAFR &options);
    void viewNoa(const TDDDataEntry &entry);
    void showDownloadOutcome(const TddDownloadOutcome &outcome);

    TDDDataEntriesModel entriesModel;
    QSortFilterProxyModel sortProxy;
    CString m_returnSin;
    QSqlDatabase *m_appDatabase;
    short m_mode;
    Form_Return *m_returnWindow;
    Ui::DlgTDDMain *ui;
    QString m_noaFolder;
};
