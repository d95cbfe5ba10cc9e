#pragma once
#include "cstring.h"
#include "actionshowreturn.h"
#include "returnwindowhost.h"
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>

class QMenu;
class TabWndApp;
class ViewIntroduction;
class Form_Return;
class CReturnFile;
class QFileInfo;

namespace Ui {
class MainWindow;
}

// The program's one top-level window: menus, tool bar, status line and the
// stack of pages (the start page and up to two open returns).
class MainWindow : public QMainWindow, public ReturnWindowHost
{
    Q_OBJECT
public:
    MainWindow(TabWndApp *app, QWidget *parent = nullptr);
    ~MainWindow() override;

    // True while fewer than two returns are open; otherwise says so and gives false.
    bool canOpenAnotherReturn();
    // Adds a page for a loaded and recalculated return; the page owns the return file.
    int openReturnPage(int mode, const QFileInfo *fileInfo, CReturnFile *returnFile);
    void updateWindowTitle();
    // ---- what the return windows ask of their host
    QObject *hostObject() override { return this; }
    void setResultText(const QString &text) override { m_resultLabel->setText(text); }
    // Adds the window's actions to a context menu of the return's tree.
    void addContextActions(int kind, QMenu *menu) override;
    bool saveReturnUnderNewName(Form_Return *page) override;

    int openReturnCount() const { return m_openReturns; }
    int viewFontSize() const { return m_fontSize; }
    QLabel *resultLabel() const { return m_resultLabel; }
    // Help | "Generate Print Files"; null unless EnableGenPrint was on at construction.
    QAction *generatePrintFilesAction() const { return m_generatePrintFiles; }
    ViewIntroduction *startPage() const { return m_startPage; }
    // The return window of the current page, or null when the start page is current.
    Form_Return *currentReturn() const;
    // Runs a step from the event loop once the shown window is on the screen
    // (first exposed and painted); after a second at the latest, for a window
    // the desktop never exposes.
    void whenOnScreen(std::function<void()> step);
    // Places the window at rect, moved and shrunk as little as it takes for
    // the whole window, its frame included once it has one, to lie inside the
    // available area of its screen.
    void placeOnScreen(const QRect &rect);

public slots:
    // A return window's return or file changed: the title and its [*] follow
    // when that window is the current page.
    void onReturnChanged();
    void closeCurrentReturn();
    void actionCloseReturn() { closeCurrentReturn(); }
    void actionShowWelcome();
    void actionShowReturn();
    void delayedShowUp();
    void actionQuit();
    void on_actionPreference_triggered();

    void on_actionLarge_triggered();
    void on_actionSmall_triggered();
    void on_actionMaximize_View_triggered();
    void on_actionBackground_Color_triggered();

    // Commands forwarded to the current return window
    void on_actionGenerate_Print_pdf_Files_triggered();
    void on_actionRemove_Selected_Slip_triggered();
    void on_actionRemove_Selected_Form_Schedule_triggered();
    void on_actionInternetFiling_triggered();
    void on_actionAdd_a_Tax_Form_triggered();
    void on_actionValidate_Return_triggered();
    void onSlipSummary();
    void on_actionShare_slip_with_spouse_triggered();
    void on_actionUn_share_slip_with_spouse_triggered();
    void onAdd_a_tax_note();
    void on_actionSubmit_E_Auth_former_T1013_triggered();
    void on_actionSubmit_PAD_Pre_authorized_Debit_triggered();
    void on_actionChange_Tax_Province_triggered();
    void on_actionDe_Couple_Return_1to2_triggered();
    void on_actionSend_T183_for_E_Signature_triggered();
    void on_actionSend_E_Auth_for_E_Signature_triggered();
    void on_actionShare_Form_to_Spouse_triggered();
    void on_actionUn_share_form_with_spouse_triggered();
    void on_actionOptimize_triggered();
    void on_actionSet_Return_for_ReFile_triggered();
    void on_actionArrange_Order_of_Tax_Forms_triggered();
    void on_actionFile_T1135_Online_triggered();
    void on_actionTax_Planning_triggered();
    void on_actionUn_set_Return_for_ReFile_triggered();

    // Add-slip commands
    void on_actionAdd_PRPP_slip_triggered();
    void on_actionAdd_RC62_slip_triggered();
    void on_actionAdd_RC210_slip_triggered();
    void on_actionAdd_Manitoba_shelter_benefit_slip_triggered();
    void on_actionAdd_T3_slip_triggered();
    void on_actionAdd_T4_slip_triggered();
    void on_actionAdd_T4A_slip_triggered();
    void on_actionAdd_T4A_OAS_slip_triggered();
    void on_actionAdd_T4A_P_slip_triggered();
    void on_actionAdd_T4A_RCA_slip_triggered();
    void on_actionAdd_T4E_slip_triggered();
    void onAddSlip_T4FHSA();
    void on_actionAdd_T4PS_slip_triggered();
    void on_actionAdd_T4RIF_slip_triggered();
    void on_actionAdd_T4RSP_slip_triggered();
    void on_actionAdd_T5_slip_triggered();
    void on_actionAdd_T1204_slip_triggered();
    void on_actionAdd_T2202_slip_triggered();
    void on_actionAdd_T5003_slip_triggered();
    void on_actionAdd_T5006_slip_triggered();
    void on_actionAdd_T5007_triggered();
    void on_actionAdd_T5013_slip_triggered();
    void on_actionAdd_NR4_slip_triggered();

    // Members and slots of the return-file commands (new, open, save, import,
    // couple, reports, search) live in this section; their code is in
    // mainwindow_returnfiles.cpp. Give each group its own access specifier.
    // ==== return files
public slots:
    void actionNewReturn();
    void actionOpenReturn();
    void actionSaveReturn();
    void on_actionSave_Return_As_triggered();
    void on_actionImport_Prior_Year_s_Return_triggered();
    void on_actionCouple_Returns_2to1_triggered();
    void on_actionFind_Returns_Not_Filed_Online_triggered();
    void on_actionFind_Return_Files_triggered();

public:
    // Loads one return file and shows it (callers check canOpenAnotherReturn).
    void openReturnFile(const QString &path) override;
    void importPriorYearReturn(const QString &path) override;
    // The return window's save result (0 done); 0 also when the user cancels the name.
    // A failed save is reported naming the file, and the return stays modified.
    int saveReturn(Form_Return *page, bool askName);
    // The name the save dialog proposes: the returns folder and the persons'
    // names, made unique when a file of that name exists already.
    QString proposedSaveFileName(const CReturnFile *returnFile) const;
    // The save dialog; true with the chosen path (".r24" added when it has no suffix).
    bool askSaveFileName(CReturnFile *returnFile, QString &path);
    // Writes the not-filed report of the given return files; gives the number of
    // returns not filed and of files that could not be read. Never asks anything.
    // Returns the number not filed, or -1 when the report cannot be created.
    static int writeNotFiledReport(const QStringList &paths, const QString &reportPath, int &unreadable);

    static QString maritalStatusChanges(const CReturnFile &coupled, int selfBefore, int spouseBefore);

    // Nobody may be there to answer (a termination signal, the desktop session
    // ending): each open return with unsaved work is written to its recovery
    // copy, each told in the log, and nothing is asked. The number written.
    int keepUnsavedWork();
    // A termination signal: the unsaved work is kept, then the event loop ends
    // with 128 + the signal's number. Only the first signal counts.
    void endOnTermination(int signalNumber);

private:
    void showOpenFailure(int code, const QString &path, const QString &reason);
    void offerToForgetMissingFile(const QString &path);
    void recordReturnSins(const CReturnFile *returnFile, const QString &path);
    // A recovery copy beside the return: MsgButton::Yes to open it, No to open
    // the return as saved (the copy is deleted), Cancel to open nothing. No
    // without a question when there is no copy.
    int askAboutRecoveryCopy(const QString &path);
    // Loads the return, or its recovery copy when recovered is set (false again
    // when the copy cannot be read: the saved return is loaded instead).
    CReturnFile *loadReturn(const QString &path, bool &recovered, int &code, QString &failure);
    bool m_terminating = false;
    // ==== end of return files

    // Slots of the support, information and Auto-fill commands (About, the
    // support upload, Auto-fill, View NOA, Update, the information boxes, the
    // T5008 note) go in this section.
    // ==== support commands
public slots:
    void onSendReturnFile();
    void onSendLogFile();
    void on_actionAuto_Fill_AFR_triggered();
    void on_actionExpress_NOA_triggered();
    void actionAbout();
    void on_actionAdd_T5008_slip_triggered();
    void on_actionFind_Industry_Code_triggered();
    void on_actionDirect_deposit_form_triggered();
    void on_actionUpdate_Brackenquill_triggered();
    // Help | "Generate Print Files" (only with EnableGenPrint)
    void actionGeneratePrintFiles();

public:
    // kind 1 Auto-fill, 0 Express NOA: runs the dialog for the current return, if any.
    void startAutoFill(int kind);
    // Posts the file to the support upload; true when the service took it.
    // uploaded: the further "uploaded" item, sent when not empty.
    static bool uploadFileForHelp(const QString &url, const QString &path, const QString &email, const QString &message,
                                  const QString &uploaded = QString());
    // The support upload's address from the configuration's upload server.
    QString supportUploadUrl() const;

private:
    void showMessageWithLink(const QString &title, const QString &msg1, const QString &msg2, const QString &link);
    // ==== end of support commands

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The current return window after its edit in progress is committed; null
    // when no return is open or the start page is current.
    Form_Return *committedReturn();
    // As committedReturn, then the folder is made; null (after the message) when it cannot be.
    Form_Return *committedReturnWithFolder(const QString &folder, const QString &failure);
    // Closes one return page after its save question; false when it stays.
    bool closeReturnPage(Form_Return *page);
    void fillToolBar();
    void showReturnTitle(Form_Return *page);
    void enableReturnCommands(bool returnCurrent);
    void addSlip(int slipType);
    void changeFontSize(int step);
    void runOnScreenStep();

    TabWndApp *m_app;
    Ui::MainWindow *ui;
    int m_fontSize = 12;
    ViewIntroduction *m_startPage = nullptr;
    int m_openReturns = 0;
    QLabel *m_resultLabel = nullptr;
    QAction *m_generatePrintFiles = nullptr;
    std::function<void()> m_onScreenStep;
    QTimer m_onScreenLatest;
};

// The single main window; made on the first call.
MainWindow *createMainWindow(QWidget *parent = nullptr);
