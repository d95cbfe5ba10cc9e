#include "dlgtddmain.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const char *listStatement(int mode)
{
    return mode == 1 ? "select p.sin, d.create_time, d.taxyear from tb_taxdata d, tb_taxpayers p "
                       "where d.uid=p.id order by create_time desc"
                     : "select p.sin, d.create_time, d.taxyear from tb_taxnoa d, tb_taxpayers p "
                       "where d.uid=p.id order by create_time desc";
}
} // namespace

DlgTDDMain::DlgTDDMain(int mode, QSqlDatabase *database, const CString *returnSin, Form_Return *returnWindow,
                       QWidget *parent)
    : QDialog(parent), m_entries(new QSqlQueryModel(this)), m_returnSin(returnSin ? *returnSin : CString()),
      m_appDatabase(database), m_mode(short(mode)), m_returnWindow(returnWindow), m_tableView(new QTableView(this))
{
    setObjectName(QStringLiteral("DlgTDDMain"));
    resize(813, 423);
    setWindowTitle(tr("Auto Fill Tax Data"));
    if (m_mode == 2)
        setWindowTitle(tr("Express Notice of Assessment"));

    auto *layout = new QVBoxLayout(this);
    m_tableView->setObjectName(QStringLiteral("tableView"));
    m_tableView->verticalHeader()->hide();
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableView->setStyleSheet(QStringLiteral("QHeaderView::section {background-color:cyan; font-weight:bold; height:22;}"));
    m_tableView->horizontalHeader()->setStretchLastSection(true);
    m_tableView->setModel(m_entries);
    layout->addWidget(m_tableView);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setDefault(true);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    QMetaObject::connectSlotsByName(this);
}

DlgTDDMain::~DlgTDDMain() = default;

int DlgTDDMain::reloadEntries()
{
    m_entries->clear();
    if (!m_appDatabase || !m_appDatabase->isOpen())
        return 0;
    QSqlQuery query(*m_appDatabase);
    if (!query.prepare(QString::fromLatin1(listStatement(m_mode))) || !query.exec())
        return 0;
    m_entries->setQuery(query);
    while (m_entries->canFetchMore())
        m_entries->fetchMore();
    m_entries->setHeaderData(0, Qt::Horizontal, tr("S.I.N."));
    m_entries->setHeaderData(1, Qt::Horizontal, tr("Update Time"));
    m_entries->setHeaderData(2, Qt::Horizontal, tr("Tax Year"));
    return m_entries->rowCount();
}

void DlgTDDMain::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    reloadEntries();
    m_tableView->setColumnWidth(0, 120);
    m_tableView->setColumnWidth(1, 260);
    m_tableView->setColumnWidth(2, 50);
}

void DlgTDDMain::on_btnClose_clicked()
{
    reject();
}
