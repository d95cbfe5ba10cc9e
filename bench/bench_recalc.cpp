// The time of one recalculation of a coupled return: per person 20 slips of mixed
// kinds and 30 forms (Schedules 3, 5, 7, 9, 10, 11, a T2125, a T776, the pension split, the
// clergy residence, overseas employment and minimum tax forms, the provincial forms),
// and the same return with more slips to show how the time grows.
#include "creturnfile.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include "taxdata_t1new.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <benchmark/benchmark.h>

using namespace returnfixture;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

// Slip kinds taken in turn: T4, T5, T3, T4A, T4RSP, T4A(P), T4A(OAS), T5008 and the rest.
void addSlips(IndividualTaxData &p, int count)
{
    int made = 0;
    for (int i = 0; made < count && i < 8 * count; ++i) {
        const int type = 1 + i % (kSlipTableSize - 1);
        if (FormEntry *e = p.addSlip(type, 0, 0)) {
            ++made;
            // a few boxes with amounts, so that the totals have work to do
            for (int box : {14, 16, 18, 22, 24, 26})
                e->object->setValueByCode(box, 1000.0 + 37.0 * made + box);
        }
    }
}

void addForms(IndividualTaxData &p, int total)
{
    for (int type : {4, 6, 7, 9, 10, 11, 125, 12, 118, 103, 30, 31})
        p.getForm(type, 0, true);
    p.addTuitionForms();
    p.addSpouseTransferForms();
    const QList<int> types = keptFormTypes(p, p.province());
    for (int i = 0; i < types.size() && p.forms().count() < total; ++i) {
        const int type = types.at(i);
        if (type == 161 || type == 159 || type == 165 || p.hasForm(type))
            continue;
        p.addForm(type, 0, true, 0, false);
    }
}

void makePerson(IndividualTaxData &p, const QString &first, int slips)
{
    newPerson(p, 9, first, QStringLiteral("Roy"), 0, true);
    addForms(p, 30);
    addSlips(p, slips);
    TaxData_T1New *t = p.t1();
    t->setAmount(TaxData_T1New::F_10100, 52000);
    t->setAmount(TaxData_T1New::F_12100, 800);
}

void BM_RecalculateCoupled(benchmark::State &state)
{
    const int slips = int(state.range(0));
    CReturnFile rf;
    makePerson(*rf.self(), QStringLiteral("Anne"), slips);
    makePerson(*rf.spouse(), QStringLiteral("Ben"), slips);
    rf.dependants().AllocData(12);
    rf.recalculate(-1, nullptr); // forms the first run adds are there from now on
    for (auto _ : state)
        benchmark::DoNotOptimize(rf.recalculate(-1, nullptr));
    state.counters["forms"] = rf.self()->forms().count();
    state.counters["slips"] = rf.self()->slips().count();
}
BENCHMARK(BM_RecalculateCoupled)->Arg(20)->Arg(40)->Arg(80)->Arg(160)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    qInstallMessageHandler(dropLog);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
