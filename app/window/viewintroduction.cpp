#include "viewintroduction.h"
#include "mainwindow.h"
#include "messages.h"
#include "showinfolder.h"
#include "tabwndapp.h"
#include "ui_viewintroduction.h"
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

ViewIntroduction::ViewIntroduction(TabWndApp *app, MainWindow *mainWindow, QWidget *parent)
    : QWidget(parent), ui(new Ui::ViewIntroduction), m_mainWindow(mainWindow), m_app(app)
{
    ui->setupUi(this);
    ui->newButton->setIcon(QIcon(QStringLiteral(":/res/images/icon_blank.ico")));
    ui->prefButton->setIcon(QIcon(QStringLiteral(":/res/images/icon_setting.ico")));

    QTableView *view = ui->tableView;
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section {background-color: cyan; font-weight: bold; height:24;}"));
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSortingEnabled(true);
    // a path too long for its column keeps its file name in sight (on its one
    // line): an original return and its Re-File copy differ only there
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideMiddle);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &ViewIntroduction::ShowContextMenu);
    m_firstShow = true;
}

ViewIntroduction::~ViewIntroduction()
{
    delete ui;
}

QTableView *ViewIntroduction::tableView() const
{
    return ui->tableView;
}

void ViewIntroduction::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ReturnFileEntriesModel *model = m_app->reloadReturnList(ui->edtFilter->text());
    if (m_firstShow) {
        m_proxy.setSourceModel(model);
        ui->tableView->setModel(&m_proxy);
        // Sorting stays off until the user clicks a header: the list keeps the load order.
        ui->tableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        ui->tableView->setColumnWidth(0, 508);
        ui->tableView->setColumnWidth(1, 168);
        m_firstShow = false;
    } else {
        ui->tableView->reset();
    }
}

void ViewIntroduction::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
}

void ViewIntroduction::on_edtFilter_textChanged(const QString &text)
{
    m_app->reloadReturnList(text);
}

void ViewIntroduction::on_resetFilterButton_clicked()
{
    ui->edtFilter->clear();
}

QModelIndex ViewIntroduction::selectedRow() const
{
    if (!ui->tableView->selectionModel())
        return {};
    const QModelIndexList rows = ui->tableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? QModelIndex() : rows.first();
}

void ViewIntroduction::on_openButton_clicked()
{
    if (!m_mainWindow->canOpenAnotherReturn())
        return;
    const QModelIndex row = selectedRow();
    if (!row.isValid())
        return;
    m_mainWindow->openReturnFile(m_app->returnList().pathAt(row));
}

void ViewIntroduction::on_tableView_doubleClicked(const QModelIndex &index)
{
    if (!m_mainWindow->canOpenAnotherReturn())
        return;
    m_mainWindow->openReturnFile(m_app->returnList().pathAt(index));
}

void ViewIntroduction::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (event->key() != Qt::Key_Return || !ui->tableView->hasFocus())
        return;
    const QModelIndex row = selectedRow();
    if (row.isValid())
        on_tableView_doubleClicked(row);
}

void ViewIntroduction::on_delButton_clicked()
{
    const QModelIndex row = selectedRow();
    if (!row.isValid()) {
        gMsgInformation(tr("Remove Return"), tr("Please choose a return file entry first."), this);
        return;
    }
    bool deleteFile = false;
    const int answer = COneQOneChkboxDialog::showDialog(
        this, tr("Remove file entry from history list"), tr("Please confirm to remove the entry of this return file?"),
        tr("Also remove the file from hard drive"), deleteFile, MsgButton::Yes | MsgButton::No, MsgButton::No);
    if (answer != MsgButton::Yes && answer != MsgButton::Ok)
        return;
    const QString path = m_app->returnList().pathAt(row);
    if (m_app->removeReturnEntry(m_proxy.mapToSource(row), deleteFile) != 0)
        gMsgInformation(tr("Remove Return"),
                        tr("The return file %1 cannot be deleted from the disk; its entry is kept.")
                            .arg(QDir::toNativeSeparators(path)),
                        this);
}

void ViewIntroduction::on_newButton_clicked()
{
    m_mainWindow->actionNewReturn();
}

void ViewIntroduction::on_importButton_clicked()
{
    m_mainWindow->on_actionImport_Prior_Year_s_Return_triggered();
}

void ViewIntroduction::on_prefButton_clicked()
{
    m_mainWindow->on_actionPreference_triggered();
}

void ViewIntroduction::ShowContextMenu(const QPoint &pos)
{
    QMenu menu(tr("Context menu"), this);
    menu.addAction(tr("Open containing folder"), this, &ViewIntroduction::gotoSelectedFolder);
    menu.addAction(tr("Copy containing folder path"), this, &ViewIntroduction::copySelectedFolder);
    menu.exec(mapToGlobal(pos));
}

QString ViewIntroduction::selectedFolder() const
{
    const QModelIndex row = selectedRow();
    if (!row.isValid())
        return {};
    return QFileInfo(m_app->returnList().pathAt(row)).absolutePath();
}

void ViewIntroduction::gotoSelectedFolder()
{
    const QString folder = selectedFolder();
    if (!folder.isEmpty())
        showInFolder(folder);
}

void ViewIntroduction::copySelectedFolder()
{
    const QString folder = selectedFolder();
    if (!folder.isEmpty())
        QGuiApplication::clipboard()->setText(folder);
}
