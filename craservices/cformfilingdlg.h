#pragma once
#include "cstring.h"
#include "filingrecorder.h"
#include <QDialog>
#include <QMap>

class CReturnFile;
class QDialogButtonBox;
class QLabel;

// Confirms and sends one form filing to the CRA: the T1135 (form 101), the
// T1013 "E-Auth" (117) or the T183 PAD of form T185 (181). OK files once and
// closes; the command reads filed afterwards. The outcome is marked in the
// return and reported through the parent's FilingRecorder, when it is one.
class CFormFilingDlg : public QDialog
{
    Q_OBJECT
public:
    // formXml must live until the dialog is destroyed.
    CFormFilingDlg(const QString &efilerId, const QString &efilerPassword, int formId, CString *formXml,
                   CReturnFile *returnFile, QWidget *parent = nullptr);

    void setFiling(const QString &name, const QString &sin);
    void setStatusText(const QString &text);
    void accept() override;

    // True once a filing of this dialog was confirmed by the CRA, with the
    // CRA's confirmation number.
    bool filed = false;
    QString confirmationNumber;

    // The maker's support article on the filing error codes.
    static QString errorCodesArticle();

private:
    using Vars = QMap<QString, QString>;
    void fileT1135(Vars &vars);
    void fileAuthOrPad(Vars &vars);
    FilingRecorder::Result recordFiling(bool accepted, const QString &confirmation, const QString &message);
    void showResult(const QString &title, const QString &overview, const QString &details, const QString &bottom,
                    const QString &file);

    QWidget *m_parent;
    QString formCode;
    int formId;
    QString efilerId;
    QString efilerPassword;
    CReturnFile *returnFile;
    CString taxpayerSin;
    CString taxpayerName;
    CString *formXml;

    QLabel *lbl1;
    QLabel *lbl2;
    QLabel *lbl3;
    QLabel *lbl4;
    QDialogButtonBox *buttonBox;
};
