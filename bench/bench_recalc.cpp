// The time of one recalculation of a coupled return: per person 20 slips of mixed
// kinds and 30 forms (Schedules 3, 5, 7, 9, 10, 11, a T2125, a T776, the pension split, the
// clergy residence, overseas employment and minimum tax forms, the provincial forms),
// and the same return with more slips to show how the time grows.
#include "creturnfile.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "benchreturn.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include "taxdata_t1new.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <benchmark/benchmark.h>

using namespace returnfixture;
using namespace benchreturn;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

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
