// The time to write (barcode data of both persons included) and to read a coupled
// return file with 40 slips and 30 forms per person.
#include "creturnfile.h"
#include "filingdocservices.h"
#include "taxdata_t1new.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace returnfixture;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

// A couple in Ontario, each with 30 forms, 40 slips and 2 notes.
void makeCouple(CReturnFile &rf)
{
    newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, true);
    newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
    for (IndividualTaxData *p : {rf.self(), rf.spouse()}) {
        fillPerson(*p, 30 - p->forms().count(), 40, 2, p == rf.self() ? 10 : 5000);
        // the set-up may add a few required forms beyond 30
    }
    // valid SINs not beginning with 0, so that both persons carry barcode data
    rf.self()->t1()->setSin(QStringLiteral("130692544"));
    rf.spouse()->t1()->setSin(QStringLiteral("193456787"));
    rf.dependants().AllocData(12);
}

void BM_WriteCoupledReturn(benchmark::State &state)
{
    CReturnFile rf;
    makeCouple(rf);
    QByteArray bytes;
    for (auto _ : state) {
        bytes.clear();
        MyDataStream ar(&bytes, true);
        benchmark::DoNotOptimize(rf.serialize(1, ar));
    }
    state.counters["bytes"] = bytes.size();
    state.counters["forms"] = rf.self()->forms().count();
    state.counters["slips"] = rf.self()->slips().count();
}
BENCHMARK(BM_WriteCoupledReturn)->Unit(benchmark::kMicrosecond);

void BM_ReadCoupledReturn(benchmark::State &state)
{
    CReturnFile source;
    makeCouple(source);
    const QByteArray bytes = write(source);
    for (auto _ : state) {
        CReturnFile rf;
        if (read(bytes, rf) != 0)
            state.SkipWithError("read failed");
    }
    state.counters["bytes"] = bytes.size();
}
BENCHMARK(BM_ReadCoupledReturn)->Unit(benchmark::kMicrosecond);

// The whole save to disk: temporary file, owner-only mode, checked flush and commit.
void BM_SaveCoupledReturnToDisk(benchmark::State &state)
{
    CReturnFile rf;
    makeCouple(rf);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("couple.r24"));
    for (auto _ : state) {
        if (rf.save(path, 1) != 0)
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SaveCoupledReturnToDisk)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    qInstallMessageHandler(dropLog);
    // the province's plug-in stays loaded, as it does while the program runs
    QLibrary plugin(QDir(QCoreApplication::applicationDirPath()).filePath(getOSLibFilename(QStringLiteral("ProvON"))));
    plugin.load();
    installFilingDocServices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
