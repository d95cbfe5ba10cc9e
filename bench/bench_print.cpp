// Printing through the report engine, each run in a probe process of its own:
// the first PDF of the coupled sample return including the start of the Java
// virtual machine, and a later print in the same process.
#include "creturnfile.h"
#include "fixturebarcodes.h"
#include "returnbuilder.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The coupled sample saved once, with fixture barcode blocks.
const QString &coupleFile()
{
    static const QString path = [] {
        fixturebarcodes::Writer writer;
        IndividualTaxData::setFilingServices(&writer);
        QFile f(QStringLiteral(BQ_RETURNS_DIR "/08-ontario-couple.json"));
        f.open(QIODevice::ReadOnly);
        QString error;
        std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(f.readAll()).object(), &error));
        QString out = workDir().filePath(QStringLiteral("couple.r24"));
        if (!file)
            out.clear();
        else {
            returnbuilder::recalculate(*file);
            if (file->save(out, 1, &error) != 0)
                out.clear();
        }
        IndividualTaxData::setFilingServices(nullptr);
        return out;
    }();
    return path;
}

// The times of the probe's loads and jobs, in milliseconds; empty when a step failed.
QList<double> runProbe(int kind, int jobs)
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bqprintprobe"),
            {QStringLiteral("--set"), QStringLiteral("JAVACLASSPATH=" BQ_BIN_DIR "/itext13.jar:" BQ_BIN_DIR "/mr.jar"),
             QStringLiteral("--out"), workDir().path(), QStringLiteral("--kind"), QString::number(kind),
             QStringLiteral("--jobs"), QString::number(jobs), QStringLiteral("--timing"), coupleFile()});
    p.waitForFinished(120000);
    QList<double> times;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        if ((line.startsWith("load ") || line.startsWith("job ")) && line.split(' ').value(1) != "0")
            return {};
        if (line.startsWith("time "))
            times << line.mid(5).toDouble();
    }
    return times;
}

void BM_FirstPrintWithVmStart(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (runProbe(int(state.range(0)), 1).size() != 2) {
            state.SkipWithError("the print failed");
            return;
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);   // the whole process: start, VM, engine, PDF
    }
}

void BM_LaterPrint(benchmark::State &state)
{
    for (auto _ : state) {
        const QList<double> times = runProbe(int(state.range(0)), 2);
        if (times.size() != 3) {
            state.SkipWithError("the print failed");
            return;
        }
        state.SetIterationTime(times.last() / 1000.0);
    }
}

} // namespace

// Argument: the report kind (0 client copy, 1 condensed barcode print).
BENCHMARK(BM_FirstPrintWithVmStart)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LaterPrint)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (coupleFile().isEmpty())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
