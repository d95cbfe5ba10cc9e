#pragma once
#include <QDialog>

class QLineEdit;

namespace Ui {
class PreferenceDlg;
}

// The user preferences: folders, the tax preparer, the default T1013
// representative and the e-signature account, with the account's points check.
// Run it modally:  PreferenceDlg dlg(mainWindow); dlg.exec();
// "Apply Changes" copies the fields into the application object's settings and
// stores them; "Cancel" drops every change.
class PreferenceDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PreferenceDlg(QWidget *parent = nullptr);
    ~PreferenceDlg() override;

    // Points checks sent from this opening of the dialog (at most three).
    int pointsCheckCount() const { return m_pointsChecks; }
    // Why the last points check got no reply from the service (empty when it got one).
    QString pointsCheckFailure() const { return m_pointsCheckFailure; }

    static constexpr int MaxPointsChecks = 3;
    // Upper bound of the points check's wait for the service.
    static constexpr int PointsCheckTimeoutMs = 20000;

private slots:
    void on_btnBrowseRetFilesFolder_clicked();
    void on_btnApply_clicked();
    void on_btnCancel_clicked();
    void on_btnBrowsePdfFilesFolder_clicked();
    void onBtnCheckPointsClicked();

private:
    void fillFromSettings();
    void browseFolder(QLineEdit *field);

    Ui::PreferenceDlg *ui;
    int m_pointsChecks = 0;
    QString m_pointsCheckFailure;
};
