#pragma once
// The Auto-fill / Express NOA dialog that the main window runs: the downloads
// kept in the application database for the mode, newest first. Fetching,
// viewing and removing downloads come with the CRA client.
#include "cstring.h"
#include <QDialog>

class Form_Return;
class QSqlDatabase;
class QSqlQueryModel;
class QTableView;

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

    int mode() const { return m_mode; }
    const CString &returnSin() const { return m_returnSin; }
    Form_Return *returnWindow() const { return m_returnWindow; }
    // Reads the list again; the number of rows.
    int reloadEntries();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_btnClose_clicked();

private:
    QSqlQueryModel *m_entries;
    CString m_returnSin;
    QSqlDatabase *m_appDatabase;
    short m_mode;
    Form_Return *m_returnWindow;
    QTableView *m_tableView;
};
