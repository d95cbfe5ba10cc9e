#include "dlgtddmain.h"
#include "ui_dlgtddmain.h"
#include "afr_data.h"
#include "afr_message.h"
#include "afr_option.h"
#include "creturnfile.h"
#include "dataafr.h"
#include "dlgfilingterm.h"
#include "dlgtddentersin.h"
#include "dlgtddprogresswait.h"
#include "form_return.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "noawaitcursor.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include "tddhttpserver.h"
#include "tddstorage.h"
#include "tddtaxdataoneperson.h"
#include "wizardbase.h"
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include "mytixmlhandle.h"
#include <tinyxml.h>

namespace {
const char *const kListTaxData = "select p.sin, d.id, d.create_time, d.taxyear from tb_taxdata d, tb_taxpayers p "
                                 "where d.uid=p.id order by create_time desc";
const char *const kListNoa = "select p.sin, d.id, d.create_time, d.taxyear from tb_taxnoa d, tb_taxpayers p "
                             "where d.uid=p.id order by create_time desc";
const char *const kPageTaxData = "select p.sin, html1, create_time, taxyear from tb_taxdata d, tb_taxpayers p "
                                 "where d.id=:id and p.id=d.uid order by create_time desc";
const char *const kPageNoa = "select p.sin, htmlfile, create_time from tb_taxnoa d, tb_taxpayers p "
                             "where d.id=:id and p.id=d.uid order by create_time desc";
const char *const kStoredXml = "select data1, create_time from tb_taxdata where id=:id order by create_time desc";
const char *const kDeleteTaxData = "delete from tb_taxdata where id=:uid";
const char *const kDeleteNoa = "delete from tb_taxnoa where id=:uid";

TddDownloadRunner &downloadRunner()
{
    static TddDownloadRunner runner;
    return runner;
}

// The download of the program: the progress dialog runs the whole exchange.
TddDownloadOutcome runProgressDialog(int kind, QList<QByteArray> *sins, QWidget *parent)
{
    std::vector<std::string> list;
    for (const QByteArray &sin : *sins)
        list.push_back(sin.toStdString());
    DlgTDDProgressWait progress(kind, &list, parent);
    progress.exec();
    TddDownloadOutcome outcome;
    outcome.savedCount = progress.savedCount();
    outcome.skippedCount = progress.skippedCount();
    outcome.cancelled = progress.cancelled();
    for (const auto &message : progress.noaMessages())
        outcome.noaMessages.insert(QByteArray::fromStdString(message.first), message.second);
    if (TddHttpServer *listener = TddHttpServer::instance())
        outcome.failure = listener->client().lastFailure();
    return outcome;
}

QString configuredNoaFolder()
{
    TabWndApp *app = TabWndApp::instance();
    return app ? QString(app->config().noaFolder) : QString();
}

// Restores the cursor on every way out.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

DlgTDDMain::DlgTDDMain(int mode, QSqlDatabase *database, const CString *returnSin, Form_Return *returnWindow,
                       QWidget *parent)
    : QDialog(parent), m_returnSin(returnSin ? *returnSin : CString()), m_appDatabase(database),
      m_mode(short(mode)), m_returnWindow(returnWindow), ui(new Ui::DlgTDDMain), m_noaFolder(configuredNoaFolder())
{
    ui->setupUi(this);
    if (m_mode == 2)
        setWindowTitle(tr("Express Notice of Assessment"));
}

DlgTDDMain::~DlgTDDMain()
{
    ui->tableView->setModel(nullptr);
    delete ui;
}

void DlgTDDMain::setDownloadRunner(TddDownloadRunner runner)
{
    downloadRunner() = std::move(runner);
}

void DlgTDDMain::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    reloadEntries();
    sortProxy.setSourceModel(&entriesModel);
    sortProxy.setFilterKeyColumn(2);
    if (ui->tableView->model() != &sortProxy) {
        ui->tableView->setModel(&sortProxy);
        // Newest first, as the list query orders them, until a header is clicked.
        ui->tableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        sortProxy.sort(-1);
    }
    ui->tableView->setColumnWidth(0, 120);
    ui->tableView->setColumnWidth(1, 260);
    ui->tableView->setColumnWidth(2, 50);
}

void DlgTDDMain::on_btnClose_clicked()
{
    reject();
}

// ---- the list

int DlgTDDMain::reloadEntries()
{
    entriesModel.clear();
    return m_mode == 1 ? loadTaxDataEntries() : loadNoaEntries();
}

int DlgTDDMain::loadTaxDataEntries()
{
    return loadEntries(kListTaxData);
}

int DlgTDDMain::loadNoaEntries()
{
    return loadEntries(kListNoa);
}

int DlgTDDMain::loadEntries(const char *statement)
{
    if (!m_appDatabase || !m_appDatabase->isOpen())
        return 0;
    int count = 0;
    try {
        QSqlQuery query(*m_appDatabase);
        if (!query.prepare(QString::fromLatin1(statement)) || !query.exec())
            return 0;
        while (query.next()) {
            auto *entry = new TDDDataEntry;
            entry->sin = query.value(QStringLiteral("sin")).toString();
            entry->updateTime = query.value(QStringLiteral("create_time")).toString();
            entry->id = query.value(QStringLiteral("id")).toInt();
            entry->taxYear = query.value(QStringLiteral("taxyear")).toInt();
            entriesModel.addEntry(entry);
            ++count;
        }
        query.finish();
    } catch (...) {
    }
    return count;
}

int DlgTDDMain::selectedSourceRow() const
{
    QItemSelectionModel *selection = ui->tableView->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedRows(0);
    if (rows.isEmpty())
        return -1;
    return sortProxy.mapToSource(rows.first()).row();
}

TDDDataEntry *DlgTDDMain::selectedEntry() const
{
    return entriesModel.entryAt(selectedSourceRow());
}

// ---- database reads and the delete

bool DlgTDDMain::loadEntryHtml(int id, QString &sin, int &taxYear, QString &page)
{
    if (!m_appDatabase || !m_appDatabase->isOpen())
        return false;
    try {
        QSqlQuery query(*m_appDatabase);
        if (!query.prepare(QString::fromLatin1(m_mode == 1 ? kPageTaxData : kPageNoa)))
            return false;
        query.bindValue(QStringLiteral(":id"), id);
        if (!query.exec() || !query.next())
            return false;
        sin = query.value(QStringLiteral("sin")).toString();
        if (m_mode == 1) {
            page = query.value(QStringLiteral("html1")).toString();
            taxYear = query.value(QStringLiteral("taxyear")).toInt();
        } else {
            page = query.value(QStringLiteral("htmlfile")).toString();
        }
        return true;
    } catch (...) {
        return false;
    }
}

int DlgTDDMain::loadEntryXml(int id, TDDTaxDataOnePerson &person)
{
    if (!m_appDatabase || !m_appDatabase->isOpen())
        return 0;
    try {
        QSqlQuery query(*m_appDatabase);
        if (!query.prepare(QString::fromLatin1(kStoredXml)))
            return 0;
        query.bindValue(QStringLiteral(":id"), id);
        if (!query.exec() || !query.next())
            return 0;
        const QByteArray xml = query.value(QStringLiteral("data1")).toString().toUtf8();
        TiXmlDocument doc;
        if (!parseXmlText(doc, xml))
            return -2;
        const TiXmlElement *item = doc.FirstChildElement();
        // A document without the person's item would give an empty record.
        if (!item || person.parse(item) < 0)
            return -2;
        return 1;
    } catch (...) {
        return -100;
    }
}

QString DlgTDDMain::noaPageFile(const QString &stored) const
{
    if (stored.isEmpty() || m_noaFolder.isEmpty())
        return QString();
    const QFileInfo file(QDir::fromNativeSeparators(stored));
    if (!file.isAbsolute() || file.isSymLink() || !file.isFile())
        return QString();
    const QString name = file.fileName();
    if (!name.startsWith(QLatin1String("noa2024_")) || !name.endsWith(QLatin1String(".html")))
        return QString();
    const QString folder = QDir(m_noaFolder).canonicalPath();
    if (folder.isEmpty() || QFileInfo(file.absolutePath()).canonicalFilePath() != folder)
        return QString();
    return file.absoluteFilePath();
}

int DlgTDDMain::deleteEntry(int id)
{
    if (!m_appDatabase || !m_appDatabase->isOpen())
        return 0;
    try {
        QString pageFile;
        if (m_mode != 1) {
            QString sin, page;
            int taxYear = 0;
            if (loadEntryHtml(id, sin, taxYear, page))
                pageFile = noaPageFile(page);
        }
        QSqlQuery query(*m_appDatabase);
        if (!query.prepare(QString::fromLatin1(m_mode == 1 ? kDeleteTaxData : kDeleteNoa)))
            return 0;
        query.bindValue(QStringLiteral(":uid"), id);
        if (!query.exec())
            return 0;
        if (!pageFile.isEmpty())
            QFile::remove(pageFile);
        return 1;
    } catch (...) {
        return 0;
    }
}

QString DlgTDDMain::importedText(const QStringList &imported)
{
    if (imported.isEmpty())
        return tr("Auto-fill brought nothing into the return for the items chosen.");
    QString text = tr("Auto-fill brought into the return:");
    for (const QString &line : imported)
        text += QStringLiteral("\n- ") + line;
    return text;
}

bool DlgTDDMain::belongsToReturn(const QString &entrySin) const
{
    const std::string mine = sinDigits(m_returnSin.toStdString());
    return !mine.empty() && mine == sinDigits(entrySin.toStdString());
}

// ---- the buttons

void DlgTDDMain::on_btnRemove_clicked()
{
    const int row = selectedSourceRow();
    const TDDDataEntry *entry = entriesModel.entryAt(row);
    if (!entry)
        return;
    if (deleteEntry(entry->id) != 1) {
        gMsgInformation(tr("The entry could not be removed."), this);
        return;
    }
    entriesModel.removeEntry(row);
}

void DlgTDDMain::on_btnView_clicked()
{
    const TDDDataEntry *entry = selectedEntry();
    if (!entry)
        return;
    if (m_mode == 1)
        viewTaxData(*entry);
    else
        viewNoa(*entry);
}

void DlgTDDMain::viewTaxData(const TDDDataEntry &entry)
{
    QString sin, html;
    int taxYear = entry.taxYear;
    loadEntryHtml(entry.id, sin, taxYear, html);
    const bool ours = belongsToReturn(sin);

    DataAFR options;
    WizardBase wizard(this, tr("Auto-Fill Tax Return"));
    // The pages are the wizard's children: it frees them.
    wizard.addPage(new AFR_Data(html, &wizard));
    if (ours) {
        auto *option = new AFR_Option(&options, &wizard);
        wizard.addPage(new AFR_Message(&options, &wizard));
        wizard.addPage(option);
        wizard.setButtonText(QWizard::FinishButton, tr("Auto-Fill Return"));
    }
    wizard.initUI(740, 600);
    wizard.setWizardStyle(QWizard::ClassicStyle);
    if (wizard.exec() != QDialog::Accepted || !ours || !m_returnWindow)
        return;
    importIntoReturn(entry, taxYear, options);
}

// A return the CRA has accepted takes changes only by a ReFile: asked before
// the import changes it; true when the import may go on.
bool DlgTDDMain::confirmImportIntoFiledReturn(bool &filed)
{
    const IndividualTaxData *person = m_returnWindow->returnFile()->currentPerson();
    const TaxData_T1New *t1 = person ? person->t1() : nullptr;
    filed = t1 && t1->acceptedByCra();
    if (!filed)
        return true;
    return gMsgYesNo(tr("This return was filed and accepted by the CRA on %1 (confirmation number %2). Auto-fill "
                        "changes its amounts, and the CRA takes changes to it only by a ReFile.\n\nImport the data "
                        "into it anyway?")
                         .arg(t1->filingTime(), t1->confirmationNumber()),
                     this);
}

void DlgTDDMain::importIntoReturn(const TDDDataEntry &entry, int taxYear, const DataAFR &options)
{
    bool filed = false;
    if (!confirmImportIntoFiledReturn(filed))
        return;
    TDDTaxDataOnePerson person(taxYear);
    QStringList imported;
    bool read = false;
    {
        WaitCursor busy;
        read = loadEntryXml(entry.id, person) == 1;
        if (read) {
            m_returnWindow->returnFile()->importAutoFill(person, options, &imported);
            m_returnWindow->showChangedReturn();
        }
    }
    if (!read) {
        gMsgInformation(tr("The stored tax data cannot be read; the return has not been changed."), this);
        return;
    }
    close();
    QString text = importedText(imported);
    if (filed)
        text += QStringLiteral("\n\n") + tr("This return was already filed: it needs a ReFile to send these "
                                             "changes (\"Set Return for ReFile\", then file it).");
    gMsgInformation(text);
}

void DlgTDDMain::viewNoa(const TDDDataEntry &entry)
{
    QString sin, page;
    int taxYear = 0;
    loadEntryHtml(entry.id, sin, taxYear, page);
    if (page.startsWith(QLatin1String("For "))) {
        gMsgInformation(page, this);
        return;
    }
    const QString file = noaPageFile(page);
    if (file.isEmpty()) {
        gMsgInformation(tr("cannot find the file for viewing"), this);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void DlgTDDMain::on_btnNew_clicked()
{
    const bool autoFill = m_mode == 1;
    DlgFilingTerm terms(0, this);
    terms.loadTerms(tr("I agree to the terms and conditions"), QString(),
                    autoFill ? tr("Auto-Fill Tax Return") : tr("View NOA"),
                    autoFill ? ":/tdd/tdd/tdd_efile.txt" : ":/tdd/tdd/noa_efile.txt");
    if (terms.exec() != 1)
        return;

    QList<QByteArray> sins;
    DlgTDDEnterSin enterSin(&sins, this);
    if (enterSin.exec() != 1)
        return;

    if (!autoFill)
        installNoaWaitCursor();
    const TddDownloadRunner &runner = downloadRunner();
    const int kind = autoFill ? 1 : 2;
    showDownloadOutcome(runner ? runner(kind, &sins, this) : runProgressDialog(kind, &sins, this));
}

void DlgTDDMain::showDownloadOutcome(const TddDownloadOutcome &outcome)
{
    // a download the preparer stopped found nothing to say about the CRA's records
    if (outcome.cancelled && outcome.savedCount < 1)
        return;
    if (outcome.savedCount < 1) {
        // a run that failed says what failed, not that the CRA has no record
        QString text = outcome.failure.isEmpty() ? tr("No record is found at the CRA system, please try later!")
                                                 : tr("The download from the CRA failed: %1").arg(outcome.failure);
        if (outcome.skippedCount > 0)
            text += QLatin1Char('\n') + tr("%1 record(s) did not match the S.I.N.s entered.").arg(outcome.skippedCount);
        gMsgInformation(text);
        return;
    }
    reloadEntries();
    for (auto it = outcome.noaMessages.cbegin(); it != outcome.noaMessages.cend(); ++it)
        gMsgInformation(QString(it.value()));
}
