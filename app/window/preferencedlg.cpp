#include "preferencedlg.h"
#include "ui_preferencedlg.h"

#include "cjsonhelper.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "utils.h"
#include <QDir>
#include <QFileDialog>

namespace {
// The e-signature service's host name as the dialog names it.
const char kVantrelHost[] = "vantrel.ca";
const char kNetworkProblem[] = "Check account points failed, maybe network problem!";

// 0 for the first button, 1 for the second, else the stored value.
int radioValue(const QAbstractButton *first, const QAbstractButton *second, int stored)
{
    if (first->isChecked())
        return 0;
    if (second->isChecked())
        return 1;
    return stored;
}
} // namespace

PreferenceDlg::PreferenceDlg(QWidget *parent) : QDialog(parent), ui(new Ui::PreferenceDlg)
{
    ui->setupUi(this);
    ui->tabWidget->setCurrentIndex(3);
    m_pointsChecks = 0;
    setWindowTitle(tr("Preference"));
    fillFromSettings();
    connect(ui->btnCheckPoints, SIGNAL(clicked()), this, SLOT(onBtnCheckPointsClicked()));
}

PreferenceDlg::~PreferenceDlg()
{
    delete ui;
}

void PreferenceDlg::fillFromSettings()
{
    TabWndApp *app = TabWndApp::instance();
    if (!app)
        return;
    const CT1AppConfig &c = app->config();
    ui->edtFolderRetFiles->setText(c.RetPath);
    ui->edtFolderPdfFiles->setText(c.RetPdfPath);
    ui->chkPdfSavedWithRet->setChecked(c.PdfPathSameAsRet != 0);

    ui->edtBusiName->setText(c.BusinessName);
    ui->edtStreetAddr->setText(c.BusinessAddr);
    ui->edtCity->setText(c.BusinessCity);
    ui->edtPostcode->setText(c.BusinessPostcode);
    ui->edtProv->setText(c.BusinessProv);
    ui->edtPhone->setText(c.BusinessPhone);
    ui->chkInclClientLetter->setChecked(c.PrntClientLetter != 0);
    ui->chkSaveBakFile->setChecked(c.SaveBackup != 0);
    ui->edtEFilerID->setText(c.BusinessEFileNum);
    ui->edtEFilerPswd->setText(c.BusinessEFilePassword);
    ui->edtDiscounterID->setText(c.DiscounterCode);
    ui->rdoPreAssessPreparer->setChecked(c.PreAssessment == 0);
    ui->rdoPreAssessTaxPayer->setChecked(c.PreAssessment == 1);
    ui->rdoPostAssessPreparer->setChecked(c.PostAssessment == 0);
    ui->rdoPostAssessTaxPayer->setChecked(c.PostAssessment == 1);

    ui->edtT1013RepID->setText(c.T1013RepID);
    ui->edtT1013FirstName->setText(c.T1013RepFirstName);
    ui->edtT1013LastName->setText(c.T1013RepLastName);
    ui->edtT1013GrpID->setText(c.T1013GroupID);
    ui->edtT1013GrpName->setText(c.T1013GroupName);
    ui->edtT1013BN->setText(c.T1013BusiNumber);
    ui->edtT1013BName->setText(c.T1013BusiName);
    ui->edtT1013Addr->setText(c.T1013MailAddr);
    ui->edtT1013Phone->setText(c.T1013Phone);
    ui->edtT1013Fax->setText(c.T1013Fax);

    ui->edtUserEmail->setText(c.VantrelEmail);
    ui->edtUserPswd->setText(c.VantrelPswd);
    ui->chkFilingReport->setChecked(c.FilingReport);
    ui->chkCustomizedClientLetter->setChecked(c.CustomizedClientLetter);
    ui->edtFromEmail->setText(c.VTFromEmail);
}

void PreferenceDlg::browseFolder(QLineEdit *field)
{
    const QString path = QFileDialog::getExistingDirectory(this, tr("Select Folder (need write access)"),
                                                           field->text(), QFileDialog::ShowDirsOnly);
    if (!path.isEmpty())
        field->setText(QDir::toNativeSeparators(path));
}

void PreferenceDlg::on_btnBrowseRetFilesFolder_clicked()
{
    browseFolder(ui->edtFolderRetFiles);
}

void PreferenceDlg::on_btnBrowsePdfFilesFolder_clicked()
{
    browseFolder(ui->edtFolderPdfFiles);
}

void PreferenceDlg::on_btnApply_clicked()
{
    TabWndApp *app = TabWndApp::instance();
    if (app) {
        CT1AppConfig &c = app->config();
        c.RetPath = ui->edtFolderRetFiles->text();
        c.RetPdfPath = ui->edtFolderPdfFiles->text();
        c.PdfPathSameAsRet = ui->chkPdfSavedWithRet->isChecked() ? 1 : 0;
        c.BusinessName = ui->edtBusiName->text();
        c.BusinessAddr = ui->edtStreetAddr->text();
        c.BusinessCity = ui->edtCity->text();
        c.BusinessProv = ui->edtProv->text();
        c.BusinessPostcode = ui->edtPostcode->text();
        c.BusinessPhone = ui->edtPhone->text();
        // the application object picks the plain or the test-mode keys
        c.BusinessEFileNum = ui->edtEFilerID->text();
        c.BusinessEFilePassword = ui->edtEFilerPswd->text();
        c.DiscounterCode = ui->edtDiscounterID->text();
        c.PreAssessment = radioValue(ui->rdoPreAssessPreparer, ui->rdoPreAssessTaxPayer, c.PreAssessment);
        c.PostAssessment = radioValue(ui->rdoPostAssessPreparer, ui->rdoPostAssessTaxPayer, c.PostAssessment);
        c.PrntClientLetter = ui->chkInclClientLetter->isChecked() ? 1 : 0;
        c.SaveBackup = ui->chkSaveBakFile->isChecked() ? 1 : 0;
        c.T1013RepID = ui->edtT1013RepID->text();
        c.T1013RepFirstName = ui->edtT1013FirstName->text();
        c.T1013RepLastName = ui->edtT1013LastName->text();
        c.T1013GroupID = ui->edtT1013GrpID->text();
        c.T1013GroupName = ui->edtT1013GrpName->text();
        c.T1013BusiNumber = ui->edtT1013BN->text();
        c.T1013BusiName = ui->edtT1013BName->text();
        c.T1013Phone = ui->edtT1013Phone->text();
        c.T1013Fax = ui->edtT1013Fax->text();
        c.T1013MailAddr = ui->edtT1013Addr->text();
        c.FilingReport = ui->chkFilingReport->isChecked();
        c.CustomizedClientLetter = ui->chkCustomizedClientLetter->isChecked();
        c.VantrelEmail = ui->edtUserEmail->text();
        c.VantrelPswd = ui->edtUserPswd->text();
        c.VTFromEmail = ui->edtFromEmail->text();
        app->writeSettings();
    }
    accept();
}

void PreferenceDlg::on_btnCancel_clicked()
{
    reject();
}

void PreferenceDlg::onBtnCheckPointsClicked()
{
    const QString email = ui->edtUserEmail->text();
    const QString password = ui->edtUserPswd->text();
    if (email.isEmpty() || password.isEmpty() || !checkEmail(email)) {
        showInformation(tr("Please enter valid email address and password for user points."), nullptr);
        return;
    }
    if (++m_pointsChecks > MaxPointsChecks)
        return;

    TabWndApp *app = TabWndApp::instance();
    const QString server = app ? QString(app->config().VantrelServer) : QString();
    const QString title = appTitle;

    beginWaitCursor();
    // The items travel in the form body of the POST, never in the address; the
    // client sends over plain HTTP only to this machine.
    QWebClient client(QStringLiteral("%1/api/user/verify").arg(server), false);
    client.setTimeout(qMin(QWebClient::defaultTimeout(), PointsCheckTimeoutMs));
    client.addQueryItem(QStringLiteral("email"), email);
    client.addQueryItem(QStringLiteral("password"), password);
    client.addQueryItem(QStringLiteral("msg"), QStringLiteral("testing"));
    client.addQueryItem(QStringLiteral("formname"), QStringLiteral("E-Auth"));
    client.addQueryItem(QStringLiteral("sfwrver"), title);
    QString reply;
    const bool replied = client.post(reply, nullptr);
    m_pointsCheckFailure = replied ? QString() : client.errorText();
    endWaitCursor();
    if (!replied) {
        showInformation(tr(kNetworkProblem), nullptr);
        return;
    }

    CJsonHelper json;
    json.parse(reply);
    QString message;
    int points = 0;
    if (json.getInt(QStringLiteral("points"), points) == 0) {
        if (points < 0)
            message = tr("Login to %1 failed, code=%2!").arg(QLatin1String(kVantrelHost)).arg(points);
        else
            message = tr("Your account has %1 points available. [%2]").arg(points).arg(server);
    }
    QString text;
    if (json.getString(QStringLiteral("subscription"), text) == 0)
        message += QLatin1Char('\n') + tr("Active subscription ends %1.").arg(text);
    if (json.getString(QStringLiteral("subscriptionStatus"), text) == 0)
        message += QLatin1Char('\n') + tr("Status: %1").arg(text);
    showInformation(message.isEmpty() ? tr(kNetworkProblem) : message, nullptr);
}
