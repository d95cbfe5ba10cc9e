#pragma once
#include <QDialog>
#include <QStandardItemModel>
#include <QString>
#include <QStringList>

class ReturnWindowHost;
class ThreadFindFiles;
namespace Ui {
class DlgFindFiles;
}

// "Find Return Files": looks through a fixed list of folders for return files
// of one tax year, keeps the paths found in a list file between runs, and
// opens (this year) or imports (earlier years) the one the user picks.
class DlgFindFiles : public QDialog
{
    Q_OBJECT
public:
    DlgFindFiles(const QString &title, const QString &listFilePath, ReturnWindowHost *host);
    ~DlgFindFiles() override;

    // The suffixes searched for an option id (0 last year, 1 this year, 2 older); empty for none.
    static QStringList suffixesFor(int option);
    // The folders searched, in order.
    static QStringList searchFolders();

    QStandardItemModel &results() { return m_results; }
    const QString &statusText() const { return m_statusText; }
    bool isSearching() const { return m_worker != nullptr; }
    // Ends the dialog; a running search is stopped and its rows kept first.
    void done(int result) override;

    // Not slots: their names do not follow the by-name pattern of the form.
    void on_btnOpenReturn();
    void on_btnClose();
    void on_btnClearResult();

public slots:
    void on_btnSearch_clicked();
    void on_btnStop_clicked();
    void onProgressChanged(int nSeconds);
    void onThreadFinished();

private:
    bool checkNotRunning();
    void loadResults();
    void saveResults();
    // Asks the worker to stop, waits for it and applies what it handed over.
    void stopAndWait();

    Ui::DlgFindFiles *ui;
    ReturnWindowHost *m_host;
    QStandardItemModel m_results;
    QString m_statusText;
    ThreadFindFiles *m_worker = nullptr;
    QString m_listFilePath;
};
