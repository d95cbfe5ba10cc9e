// The filing result dialog filled with a 100 KB HTML message (offscreen).
#include "dlgfilingresult.h"
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QString longMessage()
{
    QString html;
    for (int i = 0; html.size() < 100 * 1024; ++i)
        html += QStringLiteral("La d\u00e9claration est rejet\u00e9e, ligne %1 &amp; &lt;code&gt;<br/>"
                               "<a href='https://www.canada.ca/fr/codes-%1.html'>Codes %1</a><br/>")
                    .arg(i);
    return html;
}

void BM_SetResult100KB(benchmark::State &state)
{
    const QString details = longMessage();
    const QString path = QStringLiteral("/home/preparer/run folder #2/efilelog.txt");
    DlgFilingResult dlg(QStringLiteral("Efile Filing Result"));
    for (auto _ : state) {
        dlg.setResult(QStringLiteral("EFile Filing Failed"), details, QStringLiteral("Check filing result file"), path);
        benchmark::DoNotOptimize(&dlg);
    }
}
BENCHMARK(BM_SetResult100KB)->Unit(benchmark::kMillisecond);

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
