// The main window's return-file commands: new, open, save, save as, import,
// couple, the not-filed report and the file search.
#include "mainwindow.h"
#include "fieldcaptions.h"
#include "waitcursor.h"
#include "ui_mainwindow.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "dlgcouplereturn_tab1.h"
#include "dlgfindfiles.h"
#include "dlgimportoption_info.h"
#include "form_return.h"
#include "formtables.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "newreturnbasic_formoption.h"
#include "newreturnbasic_spouse.h"
#include "newreturnbasic_tab1.h"
#include "privatefile.h"
#include "tabwndapp.h"
#include "wizardbase.h"
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <QTextStream>
#include <QUrl>
#include <memory>

namespace {
// Answers every question with its refusing button and every input with
// Cancel while it lives, so that reading files for a report never asks.
class SilentMessages
{
public:
    SilentMessages() : m_previous(messageHandler())
    {
        m_scripted.setRefuseByDefault(true);
        setMessageHandler(&m_scripted);
    }
    ~SilentMessages() { setMessageHandler(m_previous); }

private:
    ScriptedMessages m_scripted;
    MessageHandler *m_previous;
};

// The reading result of a file not meant for this version of the program.
constexpr int kNotForThisVersion = 119;

QString readErrorText(int code)
{
    switch (code) {
    case 112: return QStringLiteral("protected by a password, not read");
    case 119: return QStringLiteral("not meant for this version of software");
    case 111: return QStringLiteral("file version not supported");
    default: return QStringLiteral("file damaged, error = %1").arg(code);
    }
}
} // namespace

// ---- new

void MainWindow::actionNewReturn()
{
    if (!canOpenAnotherReturn())
        return;
    DataNewReturnBasic data;
    data.fld_dob = QDate(1980, 1, 1);
    data.fld_dobSpouse = QDate(1980, 1, 1);
    int result;
    {
        WizardBase wizard(this, tr("Create a new tax return"));
        wizard.addPage(new NewReturnBasic_tab1(&data, nullptr, &wizard));
        wizard.addPage(new NewReturnBasic_Spouse(&data, nullptr, &wizard));
        wizard.addPage(new NewReturnBasic_FormOption(&data, nullptr, &wizard));
        wizard.initUI(700, 470);
        result = wizard.exec();
    }
    if (result != QDialog::Accepted)
        return;
    if (!IsProvinceSupported(data.fld_TaxPronv.value())) {
        gMsgInformation(tr("Tax Province is not supported!"), this);
        return;
    }
    WaitCursor wait;
    auto *returnFile = new CReturnFile(0);
    returnFile->applyNewReturnData(data);
    returnFile->recalculate(-1, nullptr);
    openReturnPage(-1, nullptr, returnFile);
}

// ---- open

void MainWindow::actionOpenReturn()
{
    if (!canOpenAnotherReturn())
        return;
    const QString start = !m_app->LastOpenPath.isEmpty() ? QString(m_app->LastOpenPath) : QString(m_app->config().RetPath);
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Return File"), start,
                                                      QStringLiteral("*.r24 Return files (*.r24);;All files (*.*)"));
    if (path.isEmpty())
        return;
    openReturnFile(path);
}

void MainWindow::openReturnFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        offerToForgetMissingFile(path);
        return;
    }
    // the file as it stands before anything of it is read
    const FileStamp original = FileStamp::ofPath(path);
    const int recovery = askAboutRecoveryCopy(path);
    if (recovery == MsgButton::Cancel)
        return;
    bool recovered = recovery == MsgButton::Yes;
    int code = 0;
    QString failure;
    std::unique_ptr<CReturnFile> returnFile;
    try {
        returnFile.reset(loadReturn(path, recovered, code, failure));
    } catch (...) {
        if (returnFile)
            openReturnPage(-1, nullptr, returnFile.release());
        statusBar()->showMessage(tr("File open failed"));
        gMsgInformation(tr("There are some problem in reading return file, some info may be lost.\n"
                           "This is the most recovered!"),
                        this);
        return;
    }
    if (!returnFile || code != 0) {
        statusBar()->showMessage(tr("File open failed"));
        showOpenFailure(code, path, failure);
        return;
    }
    int year = returnFile->self()->taxYear();
    returnFile->self()->getIntValue(995, year);
    if (year != 2024
        && !gMsgYesNo(tr("This tax return file is for tax year %1. Do you still want to continue?").arg(year), this))
        return;
    {
        WaitCursor wait;
        const QFileInfo info(path);
        m_app->LastOpenPath = QFileInfo(info.absolutePath()).canonicalFilePath();
        returnFile->recalculate(-1, nullptr);
        openReturnPage(-1, &info, returnFile.release());
        if (Form_Return *page = currentReturn()) {
            if (recovered)
                page->takeRecoveredChanges(original);
            recordReturnSins(page->returnFile(), page->fullPath());
        }
    }
    statusBar()->showMessage(tr("File read successfully"));
}

// One box: what failed, then the file and the reason it was not opened.
void MainWindow::showOpenFailure(int code, const QString &path, const QString &reason)
{
    const QString headline = code == kNotForThisVersion ? tr("The return file is not meant for this version of software!")
                                         : tr("Open return file failed!");
    gMsgInformation(headline + QLatin1Char('\n')
                        + tr("The return file %1 was not opened: %2.").arg(QDir::toNativeSeparators(path), reason),
                    this);
}

int MainWindow::askAboutRecoveryCopy(const QString &path)
{
    const QString copy = Form_Return::recoveryCopyPath(path);
    const QFileInfo info(copy);
    if (info.isSymLink() || !info.isFile())
        return MsgButton::No;
    const int answer = gMsgQuestion(
        tr("The return file %1 had changes that were not saved when the program was ended on %2. They were kept in "
           "the recovery copy %3.\n\n'Yes' to open the return with the recovered changes (save it to keep them), "
           "'No' to open the return as it was last saved and delete the recovery copy, or 'Cancel' to open nothing.")
            .arg(QDir::toNativeSeparators(path), info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                 QDir::toNativeSeparators(copy)),
        MsgButton::Yes | MsgButton::No | MsgButton::Cancel, MsgButton::Yes, this);
    if (answer == MsgButton::No && !QFile::remove(copy))
        gMsgInformation(tr("The recovery copy %1 could not be deleted.").arg(QDir::toNativeSeparators(copy)), this);
    return answer;
}

CReturnFile *MainWindow::loadReturn(const QString &path, bool &recovered, int &code, QString &failure)
{
    if (recovered) {
        const QString copy = Form_Return::recoveryCopyPath(path);
        std::unique_ptr<CReturnFile> returnFile(CReturnFile::load(copy, code, appEdition, &failure));
        if (returnFile && code == 0)
            return returnFile.release();
        recovered = false;
        gMsgInformation(tr("The recovery copy %1 was not opened: %2. The return is opened as it was last saved.")
                            .arg(QDir::toNativeSeparators(copy), failure),
                        this);
    }
    return CReturnFile::load(path, code, appEdition, &failure);
}

// ---- a termination from outside

int MainWindow::keepUnsavedWork()
{
    SilentMessages nobodyToAsk;
    int written = 0;
    for (int i = 0; i < ui->stackedWidget->count(); ++i) {
        auto *page = qobject_cast<Form_Return *>(ui->stackedWidget->widget(i));
        if (!page)
            continue;
        page->commitCurrentPage();
        if (!page->hasUnsavedWork())
            continue;
        QString copy;
        QString error;
        const QString title = page->returnTitle();
        if (page->writeRecoveryCopy(copy, error)) {
            ++written;
            m_app->log(qPrintable(QStringLiteral("Unsaved changes of the return %1 kept in the recovery copy %2")
                                      .arg(title, copy)));
        } else {
            m_app->log(qPrintable(QStringLiteral("Unsaved changes of the return %1 could not be kept: %2")
                                      .arg(title, error)));
        }
    }
    return written;
}

void MainWindow::endOnTermination(int signalNumber)
{
    if (m_terminating)
        return;
    m_terminating = true;
    m_app->log(qPrintable(QStringLiteral("Ending on signal %1").arg(signalNumber)));
    keepUnsavedWork();
    QCoreApplication::exit(128 + signalNumber);
}

// The list of return files finds a return by its persons' S.I.N.s as well as by their names.
void MainWindow::recordReturnSins(const CReturnFile *returnFile, const QString &path)
{
    if (!returnFile || path.isEmpty())
        return;
    QString name1;
    QString name2;
    returnFile->getFullNames(name1, name2);
    const QString sin2 = returnFile->isCoupled() ? returnFile->spouse()->sin() : QString();
    m_app->saveReturnFileSins(path, name1, returnFile->self()->sin(), name2, sin2);
}

// A recent file that is gone: say so, and offer to take it off the list.
void MainWindow::offerToForgetMissingFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!m_app->isListedReturnFile(path)) {
        showOpenFailure(0, path, QStringLiteral("the file is missing (it was moved, renamed or deleted)"));
        return;
    }
    if (gMsgYesNo(tr("The return file %1 is missing: it was moved, renamed or deleted.\n\n"
                     "Remove it from the list of return files?").arg(shown),
                  this))
        m_app->forgetReturnFile(path);
}

// ---- save

void MainWindow::actionSaveReturn()
{
    if (Form_Return *page = committedReturn())
        saveReturn(page, false);
}

void MainWindow::on_actionSave_Return_As_triggered()
{
    if (Form_Return *page = committedReturn())
        saveReturn(page, true);
}

int MainWindow::saveReturn(Form_Return *page, bool askName)
{
    if (askName || !page->hasFile()) {
        QString path;
        if (!askSaveFileName(page->returnFile(), path))
            return 0;
        const QFileInfo info(path);
        page->setFileInfo(&info);
    }
    int status;
    QString path;
    {
        WaitCursor wait;
        page->returnFile()->recalculate(-1, nullptr);
        status = page->saveReturn(path, true);
    }
    if (status == 0) {
        recordReturnSins(page->returnFile(), path);
        statusBar()->showMessage(tr("File saved"));
    } else if (status == Form_Return::kSaveDeclined) {
        // the user chose to leave a file another program changed: nothing more to say
        statusBar()->showMessage(tr("File not saved"));
    } else {
        statusBar()->showMessage(tr("File not saved"));
        gMsgInformation(tr("Saving return file %1 failed: %2")
                            .arg(QDir::toNativeSeparators(path), page->lastSaveError()),
                        this);
    }
    updateWindowTitle();
    return status;
}

QString MainWindow::proposedSaveFileName(const CReturnFile *returnFile) const
{
    const QString base = QString(m_app->config().RetPath) + QStringLiteral("/") + returnFile->fileBaseName();
    QString proposed = base + QStringLiteral(".r24");
    for (int n = 2; QFileInfo::exists(proposed); ++n)
        proposed = base + QStringLiteral("_%1.r24").arg(n);
    return proposed;
}

bool MainWindow::saveReturnUnderNewName(Form_Return *page)
{
    // a cancelled name leaves the page without a file
    return page && saveReturn(page, true) == 0 && !page->hasUnsavedWork();
}

bool MainWindow::askSaveFileName(CReturnFile *returnFile, QString &path)
{
    const QString proposed = proposedSaveFileName(returnFile);
    QString chosen = QFileDialog::getSaveFileName(this, tr("Save Return File"), proposed,
                                                  QStringLiteral("Return file (*.r24)"));
    if (chosen.isEmpty())
        return false;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".r24");
    path = chosen;
    return true;
}

// ---- import, couple, search

void MainWindow::on_actionImport_Prior_Year_s_Return_triggered()
{
    if (!canOpenAnotherReturn())
        return;
    QString start = m_app->LastImportPath;
    if (start.isEmpty()) {
        start = m_app->config().RetPath;
        const QString prior = QString(start).replace(QStringLiteral("2024"), QStringLiteral("2023"));
        if (QDir(prior).exists())
            start = prior;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Return File"), start,
                                                      QStringLiteral("*.r23 Return files (*.r23);;All files (*.*)"));
    if (!path.isEmpty())
        importPriorYearReturn(path);
}

void MainWindow::importPriorYearReturn(const QString &path)
{
    int code = 0;
    QString failure;
    std::unique_ptr<CReturnFile> returnFile(CReturnFile::load(path, code, appEdition, &failure));
    if (!returnFile || code != 0) {
        gMsgInformation(tr("Import prior year's return file failed, error = %1.").arg(code) + QStringLiteral("\n")
                            + tr("The return file %1 was not opened: %2.").arg(QDir::toNativeSeparators(path), failure),
                        this);
        return;
    }
    m_app->LastImportPath = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();

    ImportPriorYearOptions options;
    options.keepNotes = true;
    DlgImportOption_Info dialog(&options, this);
    dialog.setPriorYearReturn(returnFile.get());
    if (!dialog.exec())
        return;
    // The imported return has no file yet: the next save asks for a name.
    WaitCursor wait;
    returnFile->importPriorYear(options, appEdition);
    returnFile->recalculate(-1, nullptr);
    openReturnPage(-1, nullptr, returnFile.release());
}

void MainWindow::on_actionCouple_Returns_2to1_triggered()
{
    if (!canOpenAnotherReturn())
        return;
    QString firstPath;
    QString secondPath;
    {
        WizardBase wizard(this, tr("Couple Two Returns Together"));
        wizard.setWizardStyle(QWizard::ModernStyle);
        wizard.setOption(QWizard::NoBackButtonOnStartPage, true);
        auto *page = new DlgCoupleReturn_tab1(m_app, &wizard);
        wizard.addPage(page);
        wizard.initUI(700, 370);
        if (wizard.exec() != QDialog::Accepted)
            return;
        firstPath = page->firstPath();
        secondPath = page->secondPath();
    }
    WaitCursor wait;
    int code = 0;
    std::unique_ptr<CReturnFile> first(CReturnFile::load(firstPath, code, appEdition));
    if (!first || code != 0) {
        gMsgInformation(tr("First return file cannot be read properly, Couple return failed."), this);
        return;
    }
    std::unique_ptr<CReturnFile> second(CReturnFile::load(secondPath, code, appEdition));
    if (!second || code != 0) {
        gMsgInformation(tr("Second return file cannot be read properly, Couple return failed."), this);
        first->clear();
        return;
    }
    // The source files stay as they are: the coupled return opens without a file.
    const int selfBefore = first->self()->maritalStatus();
    const int spouseBefore = second->self()->maritalStatus();
    first->coupleWith(*second);
    first->recalculate(-1, nullptr);
    const QString changes = maritalStatusChanges(*first, selfBefore, spouseBefore);
    openReturnPage(-1, nullptr, first.release());
    if (!changes.isEmpty()) {
        wait.release();
        gMsgInformation(changes, this);
    }
}

// Coupling makes both persons married or common-law: the persons whose status
// it changed, in words; empty when it changed none.
QString MainWindow::maritalStatusChanges(const CReturnFile &coupled, int selfBefore, int spouseBefore)
{
    const QList<QPair<int, QString>> names = choiceList(QStringLiteral("marital"));
    auto nameOf = [&names](int status) {
        for (const auto &n : names)
            if (n.first == status)
                return n.second;
        return tr("not chosen");
    };
    QStringList lines;
    const IndividualTaxData *persons[] = {coupled.self(), coupled.spouse()};
    const int before[] = {selfBefore, spouseBefore};
    for (int i = 0; i < 2; ++i) {
        const int after = persons[i]->maritalStatus();
        if (after == before[i])
            continue;
        QString name;
        persons[i]->getTaxpayerText(17, name);
        lines << tr("%1: %2 (was %3)").arg(name, nameOf(after), nameOf(before[i]));
    }
    if (lines.isEmpty())
        return QString();
    return tr("A coupled return is for spouses or common-law partners, so the marital status was changed:\n\n%1\n\n"
              "Check it on each person's T1 before saving the coupled return.")
        .arg(lines.join(QLatin1Char('\n')));
}

void MainWindow::on_actionFind_Return_Files_triggered()
{
    if (m_openReturns >= 2) {
        gMsgInformation(tr("Please close a return file to proceed!"), this);
        return;
    }
    CString listFile;
    m_app->runFilePath(listFile, 2);
    DlgFindFiles dialog(tr("Find Return Files"), listFile, this);
    dialog.exec();
}

// ---- the not-filed report

int MainWindow::writeNotFiledReport(const QStringList &paths, const QString &reportPath, int &unreadable)
{
    unreadable = 0;
    QByteArray report;
    QTextStream out(&report, QIODevice::WriteOnly);
    out.setCodec("UTF-8");
    int notFiled = 0;
    const SilentMessages silent;
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i];
        const QString head = QStringLiteral("%1 %2\n").arg(i, 4, 10, QLatin1Char('0')).arg(path);
        int code = 0;
        std::unique_ptr<CReturnFile> returnFile;
        try {
            returnFile.reset(CReturnFile::load(path, code, appEdition));
        } catch (...) {
            returnFile.reset();
            code = 255;
        }
        if (!returnFile && code == 107) {
            out << head << "===> file open failed\n\n";
            ++unreadable;
            continue;
        }
        if (!returnFile || code != 0) {
            // A file that cannot be read is never counted as filed.
            out << head << "===> file cannot be read: " << readErrorText(code) << "\n\n";
            ++unreadable;
            continue;
        }
        QString text;
        returnFile->titleText(text);
        if (!text.isEmpty()) {
            out << head << "===> " << text << "\n\n";
            ++notFiled;
        }
    }
    out << QStringLiteral("Summary: Total files scaned: %1;  Not-filed files: %2\n\n").arg(paths.size()).arg(notFiled);
    out << QStringLiteral("Files that cannot be read: %1\n\n").arg(unreadable);
    out.flush();
    // the report names clients: owner-only, and written whole or not at all
    if (!writeFileWhole(reportPath, report))
        return -1;
    return notFiled;
}

void MainWindow::on_actionFind_Returns_Not_Filed_Online_triggered()
{
    const QString reportPath = QStringLiteral("%1/filing%2.txt")
                                   .arg(QString(m_app->runFolder()),
                                        QDateTime::currentDateTime().toString(QStringLiteral("yyMMddHHmmss")));
    QStringList paths;
    ReturnFileEntriesModel &list = m_app->returnList();
    for (int row = 0; row < list.rowCount(); ++row)
        paths << list.pathAt(row);
    int unreadable = 0;
    int notFiled;
    {
        WaitCursor wait;
        notFiled = writeNotFiledReport(paths, reportPath, unreadable);
    }
    if (notFiled < 0) {
        gMsgInformation(tr("cannot create report file ") + reportPath, this);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(reportPath));
}
