// The time of the checks before filing of one person (EFILE and NETFILE) on the
// coupled return of bench_recalc: per person 20 slips and 30 forms, with a T2125
// and a T776.
#include "creturnfile.h"
#include "filingdocservices.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "benchreturn.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace returnfixture;
using namespace benchreturn;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

void BM_CheckForFiling(benchmark::State &state)
{
    const int edition = int(state.range(0));
    CReturnFile rf;
    makeCoupledReturn(rf);
    IndividualTaxData &person = *rf.self();
    int groups = 0;
    for (auto _ : state) {
        QList<ValidationMessageGroup *> list;
        groups = person.checkForFiling(edition, list);
        qDeleteAll(list);
    }
    state.counters["groups"] = groups;
    state.counters["forms"] = person.forms().count();
    state.counters["slips"] = person.slips().count();
}
BENCHMARK(BM_CheckForFiling)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The couple checks on both sides of the coupled bench return.
void BM_CheckCoupledReturns(benchmark::State &state)
{
    CReturnFile rf;
    makeCoupledReturn(rf);
    int messages = 0;
    for (auto _ : state) {
        QList<CString> mine, theirs;
        messages = rf.checkCoupledReturns(1, mine, false) + rf.checkCoupledReturns(1, theirs, true);
        benchmark::DoNotOptimize(messages);
    }
    state.counters["messages"] = messages;
}
BENCHMARK(BM_CheckCoupledReturns)->Unit(benchmark::kMicrosecond);

// The questions before filing of one person, each answered with going on.
void BM_ConfirmPersonBeforeFiling(benchmark::State &state)
{
    CReturnFile rf;
    makeCoupledReturn(rf);
    ScriptedMessages answers;
    MessageHandler *previous = messageHandler();
    setMessageHandler(&answers);
    int asked = 0;
    bool goOn = false;
    for (auto _ : state) {
        answers.clear();
        goOn = rf.self()->confirmPersonBeforeFiling(1, true);
        asked = answers.shown().size();
    }
    setMessageHandler(previous);
    state.counters["questions"] = asked;
    state.counters["goOn"] = goOn;
}
BENCHMARK(BM_ConfirmPersonBeforeFiling)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    qInstallMessageHandler(dropLog);
    installFilingDocServices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
