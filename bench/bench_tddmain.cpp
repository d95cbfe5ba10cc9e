// The Auto-fill main dialog's list: 1,000 stored downloads read into the
// entries model, and the list sorted by a column through the sorting proxy.
#include "dlgtddmain.h"
#include "tdddataentriesmodel.h"
#include <QApplication>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {
const int kRows = 1000;

QSqlDatabase &listDatabase()
{
    static QSqlDatabase db = [] {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench_tddmain"));
        d.setDatabaseName(QStringLiteral(":memory:"));
        d.open();
        QSqlQuery q(d);
        q.exec(QStringLiteral("create table tb_taxpayers (id integer primary key autoincrement, name varchar(200), "
                              "sin varchar(20), phone varchar(20), email varchar(80))"));
        q.exec(QStringLiteral("create table tb_taxdata (id integer primary key autoincrement, uid integer, "
                              "create_time datetime, data1 text, html1 text, taxyear integer)"));
        d.transaction();
        for (int i = 0; i < kRows; ++i) {
            q.prepare(QStringLiteral("insert into tb_taxpayers (name, sin) values ('', ?)"));
            q.addBindValue(QStringLiteral("%1").arg(100000000 + i * 7919));
            q.exec();
            const int uid = q.lastInsertId().toInt();
            q.prepare(QStringLiteral("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) "
                                     "values (?, ?, '<x/>', '<body/>', ?)"));
            q.addBindValue(uid);
            q.addBindValue(QStringLiteral("2025-03-%1 %2:%3:00").arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                               .arg(i % 24, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0')));
            q.addBindValue(2018 + i % 7);
            q.exec();
        }
        d.commit();
        return d;
    }();
    return db;
}

void BM_LoadThousandEntries(benchmark::State &state)
{
    const CString sin;
    DlgTDDMain dlg(1, &listDatabase(), &sin, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg.reloadEntries());
    if (dlg.reloadEntries() != kRows)
        state.SkipWithError("rows missing");
}
BENCHMARK(BM_LoadThousandEntries)->Unit(benchmark::kMillisecond);

void BM_SortThousandEntries(benchmark::State &state)
{
    TDDDataEntriesModel model;
    for (int i = 0; i < kRows; ++i)
        model.addEntry(new TDDDataEntry{i, QString::number(100000000 + i * 7919),
                                        QStringLiteral("2025-03-%1 10:00:00").arg(1 + i % 28), 2018 + i % 7});
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterKeyColumn(2);
    int column = 0;
    for (auto _ : state) {
        proxy.sort(column, column == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
        column = (column + 1) % 3;
    }
}
BENCHMARK(BM_SortThousandEntries)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
