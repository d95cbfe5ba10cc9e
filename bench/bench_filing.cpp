// The time to build one person's line-code records and selected financial data,
// collected for the barcode (output kind 2) and written as filing text (kind 0),
// and the person's whole EFILE document,
// on the coupled return of bench_recalc: per person 20 slips and 30 forms, with
// a T2125 and a T776.
#include "creturnfile.h"
#include "filingdocservices.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "netfilegenobjparamstru.h"
#include "benchreturn.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include "taxdata_t1new.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace returnfixture;
using namespace benchreturn;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

void BM_LineCodes(benchmark::State &state)
{
    const auto kind = quint8(state.range(0));
    CReturnFile rf;
    makeCoupledReturn(rf);
    IndividualTaxData &person = *rf.self();
    int records = 0;
    for (auto _ : state) {
        CString text;
        int counter = 0;
        QMap<int, NetfileWrittenCode> codes;
        NetfileGenObjParamStru c;
        c.mode = 1;
        c.outputKind = kind;
        c.recordText = &text;
        c.counter = &counter;
        c.writtenCodes = &codes;
        person.addNetfileFieldRecords(1, c);
        const int sfd = person.writeSelectedFinancialData(1, c);
        person.writeT2091FinancialData(1, c);
        records = codes.size() + sfd;
        benchmark::DoNotOptimize(text.size());
    }
    state.counters["records"] = records;
    state.counters["forms"] = person.forms().count();
}
BENCHMARK(BM_LineCodes)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

// The whole EFILE document of one person, line-code records included.
void BM_Document(benchmark::State &state)
{
    CReturnFile rf;
    makeCoupledReturn(rf);
    IndividualTaxData &person = *rf.self();
    int size = 0;
    for (auto _ : state) {
        QString text;
        if (person.buildNetfileDocument(text, 1) != 0)
            state.SkipWithError("no document");
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["chars"] = size;
}
BENCHMARK(BM_Document)->Unit(benchmark::kMicrosecond);

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
