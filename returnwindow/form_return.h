#pragma once
#include "cstring.h"
#include "filingrecorder.h"
#include <QList>
#include <QString>
#include <QWidget>

class ActionShowReturn;
class CReturnFile;
class CTaxData_Form;
class FolderView;
class MainWindow;
class QComboBox;
class QFileInfo;
class QItemSelection;
class QLabel;
class QSplitter;
class QTabWidget;
class BaseTaxPage;

// The window of one open return: the person selector, the navigation tree and
// the result lines on the left, the pages of the chosen item on the right.
// It owns its return file and a saved copy of it that tells whether the
// return changed since it was loaded or saved.
//
// The main window reaches it through the operations below; the window calls
// back only MainWindow::setResultText (and only when it was given a main window).
class Form_Return : public QWidget, public FilingRecorder
{
    Q_OBJECT
public:
    // fileInfo: the return file, or null for a return without a file yet.
    // The window takes ownership of returnFile.
    Form_Return(const QFileInfo *fileInfo, CReturnFile *returnFile, MainWindow *mainWindow, QWidget *parent,
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
    void updateSummary(QString &summary);
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
    int recordInReturnList();
    bool getTaxpayerText(int kind, CString &text) const;

    // ---- saving and closing
    // Writes the return (first a backup when withBackup, the SaveBackup
    // preference is on and the file exists). 0 on success; otherwise the
    // failure code, and the return stays modified.
    int saveReturn(QString &path, bool withBackup);
    int save(bool withBackup);
    // True when the window may close; asks the discard or save question.
    bool confirmClose(QString &path);
    // Text of the last failed write (empty after a good one).
    const QString &lastSaveError() const { return m_lastSaveError; }

    // ---- items and editing
    void goToForm(int formType);
    void addSlip(int slipType);
    void addTaxNote();
    void addForm();
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
    int showSlipSummary();
    void generateReportTypes(bool writeTestFile);
    void fileT183Pad();
    void fileT1135Online();
    void sendFormForESignature(int formType);

    // ---- filing record (form_return_filingrecord.cpp)
    int recordFiling(int formType, bool accepted, const QString &confirmation, const QString &message) override;

    // ---- province, couple and what-if
    void changeProvince();
    void deCoupleReturn();
    void optimizeReturn();
    void taxPlanning();

    // ---- appearance
    void setFontSize(int points);
    int fontSize() const { return m_fontSize; }
    // Collapses the tree pane or restores it; true when it restored it.
    bool toggleMaximizeView();
    void applyBackgroundColor();

    // Widgets, for the main window's context menus and for tests.
    FolderView *folderView() const { return m_tree; }
    QTabWidget *formTabs() const { return m_tabs; }
    QComboBox *personCombo() const { return m_combo; }

public slots:
    void timerTimeout();
    void onFolderViewSelChange(const QItemSelection &selected, const QItemSelection &deselected);
    void onSignalCalc(CTaxData_Form *data, int field);
    void onNavigateToForm(int category, int formType);
    void on_comboBox_currentIndexChanged(int index);

private:
    // province, couple and what-if: the tree rebuilt and the current person's T1 opened
    void reopenAfterReturnChange();

    void buildUi();
    void notAvailable();
    void saveSelection();
    QString backupPath(const QString &path) const;
    int writeReturn(const QString &path);

    QString m_name;
    CTaxData_Form *m_currentForm = nullptr;
    bool m_rebuildGuard = false;
    int m_fontSize = 12;
    int m_number = 0;
    int m_mode = -1;
    ActionShowReturn *m_action = nullptr;
    MainWindow *m_mainWindow = nullptr;
    CReturnFile *m_return = nullptr;
    CReturnFile *m_savedCopy = nullptr;
    QList<BaseTaxPage *> m_pages;
    CString m_folder;
    CString m_fileName;
    QString m_lastSaveError;
    QList<int> m_splitterSizes;

    QSplitter *m_splitter = nullptr;
    QComboBox *m_combo = nullptr;
    FolderView *m_tree = nullptr;
    QLabel *m_result[3] = {nullptr, nullptr, nullptr};
    QLabel *m_formDesc = nullptr;
    QTabWidget *m_tabs = nullptr;
};
