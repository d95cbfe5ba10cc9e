// Printing the return to PDF through the report engine, and what follows a print.
#include "canwritefolder.h"
#include "waitcursor.h"
#include "creturnfile.h"
#include "dlgprintoption_info.h"
#include "dlgvantrelafterprint.h"
#include "filingseams.h"
#include "folderview.h"
#include "form_return.h"
#include "messages.h"
#include "pdfcheck.h"
#include "printchoices.h"
#include "privatefile.h"
#include "reporttypetables.h"
#include "tabwndapp.h"
#include "ui_form_return.h"
#include "utils.h"
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace {
const int kRC71 = 53, kT183 = 96, kT1013 = 117;
const int kT183SecondSigner = 10003, kT1013SecondSigner = 10004;
// A file system that keeps modification times to two seconds still shows a new PDF as new.
const qint64 kTimeGrainMs = 2000;

// The client letter is fetched once per run.
bool g_clientLetterFetched = false;

CT1AppConfig &config()
{
    return TabWndApp::instance()->config();
}

QString applicationDataFolder()
{
    return TabWndApp::instance()->localFolder();
}

QString printErrorText(int rc)
{
    switch (rc) {
    case -116:
        return QCoreApplication::translate("Form_Return", "Brackenquill cannot generate .pdf file, check if output "
                                                          "folder pathname contains non-English characters.");
    case -117:
        return QCoreApplication::translate("Form_Return",
                                           "The output PDF file is now opened by another application, e.g. Acrobat "
                                           "Reader. Please close the PDF file and try generate PDF file again.\nor "
                                           "anti-virus software blocks pdf file generation.");
    default: return QCoreApplication::translate("Form_Return", "Print error happend");
    }
}

// A PDF counts only when the engine wrote it during this job: not empty, and
// not a file of the same name left from an earlier run.
bool isFreshPdf(const QString &path, const QDateTime &jobStart)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() == 0)
        return false;
    return info.lastModified().toMSecsSinceEpoch() >= jobStart.toMSecsSinceEpoch() - kTimeGrainMs;
}
} // namespace

int Form_Return::printMask(const PrintChoices &choices)
{
    int mask = 0;
    if (choices.clientLetter == 1)
        mask += 0x24;
    if (choices.invoice)
        mask += 0x08;
    if (choices.fullSin)
        mask += 0x10;
    return mask;
}

void Form_Return::printWithOptions()
{
    if (!m_return)
        return;
    if (validateReturn(appEdition, false, true) >= 1
        && !gMsgYesNo(tr("Do you still want to generate the printable file? Click 'Yes' button to continue print.")))
        return;
    {
        DlgPrintOption_Info dlg(true, this);
        if (dlg.exec() != QDialog::Accepted)
            return;
    }
    const PrintChoices &choices = PrintChoices::current();
    if (choices.condensedBarcode) {
        printReturn(1, 0, 0, 0, 0, nullptr);
        return;
    }
    fetchClientLetterOnce();
    if (choices.clientLetter == 1)
        warnOfDamagedClientLetter();
    int category = 0, type = 0, formId = 0;
    // a form, a slip or a note is printed by its entry's id; a section has none
    if (choices.currentFormOnly)
        ui->treeFolderView->getSelection(category, type, formId);
    if (config().MODEDEBUG && config().EnableGenPrint)
        gMsgInformation(tr("print category - %3 formtype %1 formid %2").arg(type).arg(formId).arg(category), this);
    CString path;
    printReturn(0, category, type, formId, printMask(choices), &path);
}

void Form_Return::fetchClientLetterOnce()
{
    if (!config().CustomizedClientLetter || g_clientLetterFetched)
        return;
    g_clientLetterFetched = true;
    const int result = fetchCustomizedClientLetter(config().PDFPATH, config().XMLPATH);
    if (result == 100)
        gMsgInformation(tr("Customized client letter is deployed!"), this);
    else if (!clientLetterFailure().isEmpty())   // a failed log-in has said why itself
        gMsgInformation(tr("The customized client letter was not downloaded: %1.").arg(clientLetterFailure()), this);
}

// A template on disk that is not whole is not printed: the engine prints the
// standard letter, and the template is fetched again at the next print.
void Form_Return::warnOfDamagedClientLetter()
{
    const QString path = QString(config().PDFPATH) + QDir::separator() + QStringLiteral("t1_clientletter_own.pdf");
    if (!QFileInfo::exists(path) || isWholePdfFile(path))
        return;
    const QString shown = QDir::toNativeSeparators(path);
    if (!config().CustomizedClientLetter) {
        gMsgInformation(tr("The customized client letter %1 is damaged: the standard client letter is printed.")
                            .arg(shown),
                        this);
        return;
    }
    g_clientLetterFetched = false;
    gMsgInformation(tr("The customized client letter %1 is damaged: the standard client letter is printed, and the "
                       "customized one will be downloaded again at the next print.")
                        .arg(shown),
                    this);
}

int Form_Return::printReturn(int kind, int category, int formType, int formId, int mask, CString *pdfPath)
{
    if (!m_return)
        return -1;
    int rc;
    {
        WaitCursor wait;
        rc = reportBridge()->load();
    }
    if (rc != 0) {
        gMsgInformation(tr("Print environment error, error code is %1.").arg(rc));
        return rc;
    }
    if (!hasFile()) {
        gMsgInformation(
            tr("Please save tax return to a tax return file first by menu Start | Save or Start | Save As."));
        return 107;
    }
    // the engine reads the saved file: a print of an older file would show old amounts and barcodes
    QString saved;
    if (const int status = saveReturn(saved, true)) {
        gMsgInformation(tr("Saving return file %1 failed: %2\nNothing was printed.")
                            .arg(QDir::toNativeSeparators(saved), m_lastSaveError),
                        this);
        return status;
    }
    const QString folder = pdfOutputFolder();
    const QDateTime jobStart = QDateTime::currentDateTimeUtc();
    CString pdf;
    rc = runReportJob(kind, category, kind == 0 ? formId : 0, mask, folder, pdf);
    if (rc != 0) {
        gMsgInformation(tr("%1, error code is %2.").arg(printErrorText(rc)).arg(rc), this);
        return rc;
    }
    if (!isFreshPdf(pdf, jobStart)) {
        gMsgInformation(tr("PDF file is created with zero content, usually it means anti-virus software blocks file "
                           "generation."));
        return -1;
    }
    // the print holds the client's S.I.N. and amounts: our engine makes it owner-only,
    // an engine configured in its place may not
    if (!makePrivateFile(pdf))
        gMsgInformation(tr("The print %1 could not be made private to you: check who can read it.")
                            .arg(QDir::toNativeSeparators(pdf)),
                        this);
    if (pdfPath)
        *pdfPath = QDir::toNativeSeparators(pdf);
    offerAfterPrint(formType, pdf);
    return 0;
}

// RetPdfPath, or the return file's folder; the application-data folder when
// the chosen one cannot be written.
QString Form_Return::pdfOutputFolder() const
{
    QString folder = config().PdfPathSameAsRet ? QFileInfo(fullPath()).absolutePath() : QString(config().RetPdfPath);
    if (!makeFolderExists(folder))
        gMsgInformation(tr("Brackenquill 2024"),
                        tr("Brackenquill cannot write .pdf file in output folder set from preference."), nullptr);
    if (!canWriteFolder(folder))
        folder = applicationDataFolder();
    return folder;
}

// One job, retried once in the application-data folder.
int Form_Return::runReportJob(int kind, int category, int formId, int mask, const QString &folder, CString &pdf)
{
    WaitCursor wait;
    const bool spouse = m_return->currentPersonIndex() != CReturnFile::kSelf;
    ReportBridge *bridge = reportBridge();
    int rc = bridge->runJob(fullPath(), spouse, kind, category, formId, mask, folder, pdf);
    if (rc != 0) {
        pdf.clear();
        rc = bridge->runJob(fullPath(), spouse, kind, category, formId, mask, applicationDataFolder(), pdf);
    }
    qInfo().noquote() << "output pdf name:" << pdf;
    return rc;
}

// The PDF offered for e-signature (RC71, T183, T1013) or for e-delivery (any other form).
void Form_Return::offerAfterPrint(int formType, const QString &pdf)
{
    const QString link = QUrl::fromLocalFile(pdf).toString(QUrl::FullyEncoded);
    QString email, sin, firstName;
    m_return->getTaxpayerText(15, email);
    if (email.isEmpty())
        m_return->getTaxpayerText(16, email);
    m_return->getTaxpayerText(1, sin);
    m_return->getTaxpayerText(11, firstName);

    bool eSignature = true;
    bool secondSigner = false;
    int value = 0;
    switch (formType) {
    case kRC71: break;
    case kT183: secondSigner = m_return->getIntValue(kT183SecondSigner, value) && value > 0; break;
    case kT1013: secondSigner = m_return->getIntValue(kT1013SecondSigner, value) && value > 0; break;
    default: eSignature = false; break;
    }
    DlgVantrelAfterPrint dlg(!eSignature, link, email, this);
    dlg.setWindowTitle(tr("Generate Printable Return File"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (eSignature)
        sendForESignature(formType, secondSigner, dlg.receiverEmail, sin, firstName, pdf);
    else
        sendForEDelivery(formType, dlg.receiverEmail, sin, firstName, pdf);
}

void Form_Return::generateReportTypes(bool writeTestFile)
{
    WaitCursor wait;
    if (writeTestFile) {
        TabWndApp::instance()->writeTestPrintFile();
        return;
    }
    writeTaxFormTypeJava();
    writeSlipDataTypeJava();
    writeNoteDataTypeJava();
}
