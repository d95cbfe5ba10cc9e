#pragma once
#include "cstring.h"
#include "filestamp.h"
#include "filingrecorder.h"
#include <QList>
#include <QString>
#include <QWidget>

class ActionShowReturn;
class CReturnFile;
class CTaxData_Form;
class FolderView;
class ReturnWindowHost;
class QComboBox;
class QDateTime;
struct PrintChoices;
struct NetfileOutcome;
class QFileInfo;
class QItemSelection;
class QJsonObject;
class QLabel;
class QSplitter;
class QTabWidget;
class BaseTaxPage;
class ValidationMessageGroup;
namespace Ui {
class Form_Return;
}

// The window of one open return: the person selector, the navigation tree and
// the result lines on the left, the pages of the chosen item on the right.
// It owns its return file and a saved copy of it that tells whether the
// return changed since it was loaded or saved.
//
// The main window reaches it through the operations below; the window calls
// back only through its host (ReturnWindowHost), when it was given one.
class Form_Return : public QWidget, public FilingRecorder
{
    Q_OBJECT
public:
    // fileInfo: the return file, or null for a return without a file yet.
    // The window takes ownership of returnFile.
    Form_Return(const QFileInfo *fileInfo, CReturnFile *returnFile, ReturnWindowHost *host, QWidget *parent,
                int number, int mode, int fontSize);
    ~Form_Return() override;

    // The Windows-menu action of this window (parent: the main window).
    ActionShowReturn *showAction() const { return m_action; }
    const QString &name() const { return m_name; }
    CReturnFile *returnFile() const { return m_return; }
    int number() const { return m_number; }

    // ---- pages and the recalculation road
    int openForm(int force, CTaxData_Form *data);
    void clearFormTabs();
    void refreshPages();
    void refreshTree(bool formsChanged, bool slipsChanged);
    // After the return was changed and recalculated from outside the pages (an
    // Auto-fill import): the open pages, the tree and the result lines show it.
    void showChangedReturn();
    void updateSummary(QString &summary);
    // The current person's filing state in words ("EFiled and accepted ..."); empty before any filing.
    QString filingStateText() const;
    QLabel *filingStateLabel() const { return m_filingState; }
    // Lets the page being edited commit its field, then recalculates.
    void commitCurrentPage();
    int showHelpPage(const QString &url);
    CTaxData_Form *currentForm() const { return m_currentForm; }

    // ---- file of the return
    void setFileInfo(const QFileInfo *fileInfo);
    QString returnTitle() const;
    QString fullPath() const;
    bool hasFile() const;
    bool isModified() const;
    // A return never saved (new, coupled, de-coupled, imported) is unsaved work
    // as much as a changed one.
    bool hasUnsavedWork() const;
    int recordInReturnList();
    bool getTaxpayerText(int kind, CString &text) const;

    // ---- saving and closing
    // saveReturn's result when the user chose not to replace a file that
    // another program changed (nothing was written).
    static constexpr int kSaveDeclined = 120;
    // Writes the return (first a backup when withBackup, the SaveBackup
    // preference is on and the file exists). 0 on success; otherwise the
    // failure code, and the return stays modified. A file changed by another
    // program since this window read or wrote it is replaced only when the
    // user says so (or the return is saved under another name instead).
    int saveReturn(QString &path, bool withBackup);
    // The file of the return as it stood when its contents were read (the
    // window's own file name); a later save checks it is still that file.
    void setFileStamp(const FileStamp &stamp);
    int save(bool withBackup);
    // True when the window may close; asks whether to save a return never
    // saved or changed since it was saved.
    bool confirmClose(QString &path);
    // Text of the last failed write (empty after a good one).
    const QString &lastSaveError() const { return m_lastSaveError; }

    // ---- recovery copy: unsaved work kept when the program is ended from outside
    // "<return file>.recovered", beside the return's file.
    static QString recoveryCopyPath(const QString &returnPath);
    // Writes the return as it stands to its recovery copy (owner-only, never over
    // the return's own file); a return without a file goes to a new file
    // "<names>_recovered_<yyyyMMdd-HHmmss>.r24" in the returns folder. False with
    // the reason when it could not be written.
    bool writeRecoveryCopy(QString &copy, QString &error);
    // The window holds the changes of the return's recovery copy, over the file
    // as original stamps it: unsaved work until saved, when the copy goes.
    void takeRecoveredChanges(const FileStamp &original);

    // ---- items and editing
    void goToForm(int formType);
    void addSlip(int slipType);
    void addTaxNote();
    void addForm();
    void addFormOfType(int type);
    int changeFormOrder();
    void removeSelected();
    int shareForm();
    int unshareForm();
    int shareSlip();
    int unshareSlip();

    // ---- validation, filing, printing
    int validateReturn(int edition, bool askWarnings, bool askErrors);
    void reFileReturn();
    bool canReFile();
    void unsetReFile();
    void netfileReturn();
    void printWithOptions();
    // Prints through the report engine and offers the PDF for e-signature or
    // e-delivery. 0 when a PDF was written; its path in pdfPath when given.
    int printReturn(int kind, int category, int formType, int formId, int mask, CString *pdfPath);
    // "<folder>/<name without a final .r24>_RF<yyMMddHHmm>.r24"
    static QString reFileCopyPath(const QString &path, const QDateTime &at);
    // The report engine's option bits of the print choices.
    static int printMask(const PrintChoices &choices);
    int showSlipSummary();
    // The developer's print files: the test return, or the report engine's type tables.
    static void generateReportTypes(bool writeTestFile);
    void fileT183Pad();
    void fileT1135Online();
    void fileT1013Online();
    // Shows the T1013 (117) or T1135 (101) form's own checks; the number of errors.
    int checkFormValidation(int edition, int formId);

    // ---- e-signature service (form_return_esign.cpp)
    bool hasVantrelCredentials();
    // 0 with the token, 99 when the log-in failed, 112 without credentials.
    int loginVantrel(QString &accessToken);
    void sendForEDelivery(int formType, const QString &receiverEmail, const QString &sin, const QString &firstName,
                          const QString &pdfFile);
    void sendForESignature(int formType, bool withDatePosition, const QString &receiverEmail, const QString &sin,
                           const QString &firstName, const QString &pdfFile);
    void querySignatureStatus(int formType);
    void sendFormForESignature(int formType);
    // 100 downloaded, 0 current or none, 99/112 log-in, 106 query or download
    // failed, 111 bad reply. The folders are made (owner-only) when missing.
    int fetchCustomizedClientLetter(const QString &pdfFolder, const QString &xmlFolder);
    // Why the last fetch of the client-letter template failed; empty after a success.
    const QString &clientLetterFailure() const { return m_clientLetterFailure; }

    // ---- filing record (form_return_filingrecord.cpp)
    Result recordFiling(int formType, bool accepted, const QString &confirmation, const QString &message) override;

    // ---- province, couple and what-if
    void changeProvince();
    void deCoupleReturn();
    void optimizeReturn();
    void taxPlanning();

    // ---- events the pages post, appearance and pane layout
    enum PageEvent {
        EventT1013Representative = 1013,
        EventGoToForm = 1235,
        EventSendT183 = 1831,
        EventT183Status = 1832,
        EventSendRC71 = 1871,
        EventRC71Status = 1872,
        EventBusinessAddress = 1873,
        EventPreparer = 5000,
        EventSpouseAddress = 5001,
    };
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // 0 done, -1 no object, -10 no T1, -100 not a T2125.
    int copyAddressToT2125(int formType, CTaxData_Form *data);
    void setFontSize(int points);
    int fontSize() const { return m_fontSize; }
    // Collapses the tree pane or restores it; true when it restored it.
    bool toggleMaximizeView();
    void applyBackgroundColor();
    void applyTheme(bool dark);
    void styleTree(const QString &background, int fontSize, bool dark);
    static QString pageStyleSheet(int fontSize, bool dark);
    // Added after the page style on a dark page, so that typed text shows.
    static QString pageEditorStyle(bool dark);
    void saveSplitterSizes();
    bool restoreSplitterSizes(int leftWidth);

    // Widgets, for the main window's context menus and for tests.
    FolderView *folderView() const;
    QTabWidget *formTabs() const;
    QComboBox *personCombo() const;
    QSplitter *splitter() const;
    const QList<BaseTaxPage *> &openPages() const { return m_pages; }

signals:
    // The return or its file changed (an edit, a command, a save, a new file
    // name): the holder refreshes its title and modified mark.
    void returnChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

public slots:
    void timerTimeout();
    void onFolderViewSelChange(const QItemSelection &selected, const QItemSelection &deselected);
    void onSignalCalc(CTaxData_Form *data, int field);
    void onNavigateToForm(int category, int formType);
    void on_comboBox_currentIndexChanged(int index);

private:
    void setLeftPaneWidth(int left, int total);
    // province, couple and what-if: the tree rebuilt and the current person's T1 opened
    void reopenAfterReturnChange();

    void notAvailable();

    // ---- online form filings (form_return_onlineforms.cpp)
    // False, after the pre-certified version's message, when the service is off.
    bool onlineFilingAvailable(bool available);
    void showFormValidation(const QString &title, const QList<ValidationMessageGroup *> &messages);
    // "<run folder>/<return file name><suffix>": a scratch name no filing writes.
    QString scratchFilePath(const char *suffix) const;
    // The current person's name (first, a blank, last) and S.I.N.
    void readFilingTaxpayer(QString &name, QString &sin) const;
    // Runs the form filing dialog; a confirmed filing is saved with its backup.
    bool runFormFiling(int formId, CString &xml, const QString &statusText);
    void saveAfterFiling(const QString &confirmation);
    // After a recalculation: when the shown form left the person's lists, the
    // tabs are cleared and the tree's selection is opened again.
    bool dropVanishedForm();
    // True when the current person's lists hold the object.
    bool holdsForm(const CTaxData_Form *data) const;
    // Opens what the tree's current item names (pages or a help page).
    void openSelection(int force);
    void modifiedChanged();
    void showFilingState();
    void afterCommandRecalc();
    void fillT1013Representative();
    void saveSelection();
    bool saveBeforeClose(QString &path);
    // Before path is replaced: MsgButton::Yes to write it, No to save under
    // another name, Cancel to leave it; Yes at once when it is unchanged.
    int askBeforeReplacing(const QString &path);
    int saveUnderAnotherName(QString &path);
    void removeRecoveryCopy(const QString &returnPath);
    QString backupPath(const QString &path) const;
    // Re-File (form_return_refile.cpp)
    bool acceptReFileTerms();
    void switchToReFileCopy(const QString &copy);
    // filing (form_return_netfile.cpp)
    bool filingSeasonOpen();
    bool passesFilingChecks(bool reFile);
    bool confirmFiling(bool reFile);
    // An accepted return sent again as an original: false unless the user insists.
    bool confirmFilingAgain();
    void recordFilingOutcome(const NetfileOutcome &outcome, int taxpayerId);
    // printing (form_return_print.cpp)
    void fetchClientLetterOnce();
    int storeClientLetter(const QJsonObject &templateInfo, const QString &pdfPath, const QString &xmlPath);
    void warnOfDamagedClientLetter();
    QString pdfOutputFolder() const;
    int runReportJob(int kind, int category, int formId, int mask, const QString &folder, CString &pdf);
    void offerAfterPrint(int formType, const QString &pdf);
    int writeReturn(const QString &path);

    QString m_name;
    CTaxData_Form *m_currentForm = nullptr;
    bool m_rebuildGuard = false;
    int m_fontSize = 12;
    int m_number = 0;
    int m_mode = -1;
    ActionShowReturn *m_action = nullptr;
    ReturnWindowHost *m_host = nullptr;
    Ui::Form_Return *ui = nullptr;
    CReturnFile *m_return = nullptr;
    CReturnFile *m_savedCopy = nullptr;
    QList<BaseTaxPage *> m_pages;
    CString m_folder;
    CString m_fileName;
    QString m_lastSaveError;
    QString m_clientLetterFailure;
    // the file as this window last read or wrote it, and its path
    FileStamp m_fileStamp;
    QString m_stampedPath;
    // the return holds the changes of this file's recovery copy, not yet saved
    QString m_recoveredFrom;
    bool m_splitterRestored = false;
    QLabel *m_filingState = nullptr;
    bool m_inCalc = false;
};
