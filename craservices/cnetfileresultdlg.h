#pragma once
#include "cstring.h"
#include <QDialog>
#include <QMutex>

class CReturnFile;
class FilingResult;
class QAbstractButton;
namespace Ui {
class CNetfileResultDlg;
}

// Confirms and submits the T1 return of one person to the CRA: EFILE (mode 1,
// also ReFILE) or NETFILE (any other mode). The caller constructs it, calls
// setTexts, runs exec, then reads filed, confirmationText and messageText.
// EFILE outcomes are reported through the parent's FilingRecorder, when the
// parent is one.
class CNetfileResultDlg : public QDialog
{
    Q_OBJECT
public:
    CNetfileResultDlg(int mode, CReturnFile *returnFile, bool reFile, const QString &document,
                      QWidget *parent = nullptr);
    ~CNetfileResultDlg() override;

    void setTexts(const QString &summary, const QString &name);

    // True after an accepted submission.
    bool filed = false;
    // After success the confirmation number; after an EFILE rejection the code text.
    QString confirmationText;
    // After success the reply's message (with the EFILE notices).
    QString messageText;
    // The time the result shows for the CRA's answer ("yyyy-MM-dd HH:mm:ss", local).
    QString answerTime;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_buttonBox_clicked(QAbstractButton *button);

private:
    void submit();
    void efileReturn(const QString &efilerId);
    void netfileReturn();
    // EFILE steps
    void showEfileFailure(int code, const FilingResult &result, const CString &exchangeLog);
    void efileAccepted(FilingResult &result, const CString &now);
    void efileRejected(const FilingResult &result, const QString &dcn, const CString &now, const CString &exchangeLog);
    // NETFILE steps
    void netfileAccepted(const FilingResult &result);
    void showAfterNetfilePage();
    void showResult(const QString &title, const QString &overview, const QString &details, const QString &bottom,
                    const QString &file);
    QString recordFiling(bool accepted, const QString &confirmation, const QString &message);
    bool testMode() const;

    QWidget *m_parent;
    QMutex submitLock;
    int mode;
    Ui::CNetfileResultDlg *ui;
    CReturnFile *returnFile;
    int reFile;
    QString returnXml;
    CString taxpayerName;
    CString resultSummary;
    QString testCase;
    QString netfileNotice;
    double balance = 0;
};
