#include "dlgfindfiles.h"
#include "waitcursor.h"
#include "ui_dlgfindfiles.h"
#include "returnwindowhost.h"
#include "messages.h"
#include "privatefile.h"
#include "tabwndapp.h"
#include "threadfindfiles.h"
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

DlgFindFiles::DlgFindFiles(const QString &title, const QString &listFilePath, ReturnWindowHost *host)
    : QDialog(host ? qobject_cast<QWidget *>(host->hostObject()) : nullptr), ui(new Ui::DlgFindFiles), m_host(host),
      m_listFilePath(listFilePath)
{
    ui->setupUi(this);
    setWindowTitle(title);
    ui->grpSearchOption->setId(ui->radLastYear, 0);
    ui->grpSearchOption->setId(ui->radCurYear, 1);
    ui->grpSearchOption->setId(ui->radPriorYears, 2);
    loadResults();
    ui->listView->setModel(&m_results);
    connect(ui->btnClose, &QPushButton::clicked, this, &DlgFindFiles::on_btnClose);
    connect(ui->btnOpen, &QPushButton::clicked, this, &DlgFindFiles::on_btnOpenReturn);
    connect(ui->btnClear, &QPushButton::clicked, this, &DlgFindFiles::on_btnClearResult);
}

DlgFindFiles::~DlgFindFiles()
{
    stopAndWait();
    delete ui;
}

QStringList DlgFindFiles::suffixesFor(int option)
{
    switch (option) {
    case 0: return {QStringLiteral("r23")};
    case 1: return {QStringLiteral("r24")};
    case 2: return {QStringLiteral("r22"), QStringLiteral("r21"), QStringLiteral("r20")};
    default: return {};
    }
}

QStringList DlgFindFiles::searchFolders()
{
    const QString local = QFileInfo(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).path();
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return {local + QStringLiteral("/brackenquill_2022n"),   local + QStringLiteral("/brackenquill_2022e"),
            docs + QStringLiteral("/brackenquill/2023"),     docs + QStringLiteral("/brackenquill-efile/2023"),
            docs + QStringLiteral("/brackenquill/2024"),     docs + QStringLiteral("/brackenquill-efile/2024"),
            home,                                            local};
}

bool DlgFindFiles::checkNotRunning()
{
    if (!m_worker)
        return true;
    gMsgInformation(tr("Please stop the search process first"), this);
    return false;
}

void DlgFindFiles::on_btnSearch_clicked()
{
    if (m_worker)
        return;
    const QStringList suffixes = suffixesFor(ui->grpSearchOption->checkedId());
    if (suffixes.isEmpty()) {
        gMsgInformation(tr("Warning"), tr("Please choose search file option first!"), this);
        return;
    }
    m_worker = new ThreadFindFiles(this, &m_results, &m_statusText);
    connect(m_worker, &ThreadFindFiles::progressChanged, this, &DlgFindFiles::onProgressChanged);
    connect(m_worker, &QThread::finished, this, &DlgFindFiles::onThreadFinished);
    m_worker->setSearch(searchFolders(), suffixes);
    QSet<QString> listed;
    for (int row = 0; row < m_results.rowCount(); ++row)
        listed.insert(QFileInfo(m_results.item(row)->text()).canonicalFilePath());
    m_worker->setListedFiles(listed);
    m_worker->start();
}

void DlgFindFiles::on_btnStop_clicked()
{
    if (m_worker)
        m_worker->cancel();
}

void DlgFindFiles::on_btnClose()
{
    if (m_worker)
        m_worker->cancel();
    reject();
}

void DlgFindFiles::on_btnClearResult()
{
    if (checkNotRunning())
        m_results.clear();
}

void DlgFindFiles::onProgressChanged(int nSeconds)
{
    ui->lblSearching->setText(QStringLiteral("(%2 seconds) %1").arg(m_statusText).arg(nSeconds));
}

void DlgFindFiles::onThreadFinished()
{
    if (!m_worker)
        return;
    // the same words whether the walk ended by itself or was stopped
    m_statusText = tr("search stopped");
    ui->lblSearching->setText(m_statusText);
    m_worker = nullptr;
    saveResults();
}

void DlgFindFiles::on_btnOpenReturn()
{
    if (!checkNotRunning())
        return;
    const QModelIndex index = ui->listView->currentIndex();
    if (!index.isValid())
        return;
    const QString path = m_results.index(index.row(), 0).data(Qt::DisplayRole).toString();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        gMsgInformation(tr("cannot read this file"), this);
        return;
    }
    if (info.suffix().compare(QLatin1String("r24"), Qt::CaseInsensitive) == 0)
        m_host->openReturnFile(path);
    else
        m_host->importPriorYearReturn(path);
    reject();
}

void DlgFindFiles::stopAndWait()
{
    if (!m_worker)
        return;
    m_worker->cancel();
    m_worker->wait();
    // The rows, status texts and the end of the search are queued on this
    // dialog; apply them now so that what was found is kept.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    onThreadFinished();
}

void DlgFindFiles::done(int result)
{
    stopAndWait();
    QDialog::done(result);
}

void DlgFindFiles::loadResults()
{
    WaitCursor wait;
    QFile file(m_listFilePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.length() > 3)
            m_results.appendRow(new QStandardItem(line));
    }
}

void DlgFindFiles::saveResults()
{
    if (m_results.rowCount() == 0)
        return;
    WaitCursor wait;
    QByteArray list;
    QTextStream out(&list, QIODevice::WriteOnly);
    for (int row = 0; row < m_results.rowCount(); ++row)
        out << m_results.item(row)->text() << "\n";
    out.flush();
    writeFileWhole(m_listFilePath, list);
}
