#pragma once
#include "cstring.h"
#include "tddprogresssink.h"
#include <QDialog>
#include <QStringList>
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class QTimer;
class TddHttpServer;
class ThreadTDDGetWebAuth;
namespace Ui {
class DlgTDDProgressWait;
}

// Runs one Auto-fill (mode 1) or Express NOA (mode 2) download: starts the
// local listener and the sign-in worker, shows each step polled once a second
// and closes itself when the download has ended or failed. With TDDDataFile
// set it imports that stored reply instead and waits for Cancel.
//
// Every way out (Cancel, Escape, the window's close, the end of the run, the
// destructor) detaches the dialog from the client, cancels the run (a wait or
// a post in flight ends at once) and waits for its workers.
class DlgTDDProgressWait : public QDialog, public TddProgressSink
{
    Q_OBJECT
public:
    // sinList: the S.I.N.s as entered (copied; at most ten are staged).
    DlgTDDProgressWait(int mode, const std::vector<std::string> *sinList, QWidget *parent = nullptr);
    ~DlgTDDProgressWait() override;

    const std::vector<std::string> *sinList() const { return &m_sins; }
    // Rows stored by the last import, or its negative failure; items skipped.
    int savedCount() const;
    int skippedCount() const;
    std::map<std::string, CString> noaMessages() const;

    int step() const;
    // True when the dialog was closed before the run came to its end (Cancel,
    // Escape or the window's close): nothing is to be said about the CRA's data.
    bool cancelled() const { return !m_runEnded; }
    // The status texts shown, in order (the latest last).
    QStringList statusHistory() const { return m_statusHistory; }

    // TddProgressSink
    int setProgress(int step, int code) override;
    bool acceptsProgress() const override { return m_accepts.load(); }
    std::vector<std::string> requestSins() const override { return m_sins; }
    void setImportResult(int savedCount, int skippedCount) override;
    void addNoaMessage(const std::string &sin, const CString &message) override;

    void done(int result) override;

public slots:
    void timerTimeout();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void startRun();
    void importStoredReply(const QString &path);
    void showStatus(const QString &text);
    // Detaches, cancels and waits for the workers; stops the timer and the listener.
    void finishRun();

    Ui::DlgTDDProgressWait *ui;
    mutable std::mutex m_lock;  // step, message, results
    int m_step = 0;
    QString m_message;
    int m_shownStep = -1;
    QTimer *m_timer;
    std::vector<std::string> m_sins;
    short m_mode;
    int m_savedCount = 0;
    int m_skippedCount = 0;
    std::map<std::string, CString> m_noaMessages;
    TddHttpServer *m_listener = nullptr;
    ThreadTDDGetWebAuth *m_signInWorker = nullptr;
    std::atomic<bool> m_accepts{true};
    bool m_started = false;
    bool m_finished = false;
    bool m_runEnded = false;   // the last poll or the stored-reply import ended the run
    QStringList m_statusHistory;
};
