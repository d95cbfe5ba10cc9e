// The Auto-fill exchange: a request built with its digest, a raw request
// answered by the local listener, and a whole run from the progress dialog
// against the stand-ins with one not-ready answer and the full waits.
#include "dlgtddprogresswait.h"
#include "qwebclient.h"
#include "tddhttpserver.h"
#include "tddtestenv.h"
#include "tddwebservice.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
struct Stand
{
    QTemporaryDir dir;
    tddtest::Settings settings;
    bqfakes::FakeHttpsServer server;
    std::unique_ptr<bqfakes::TddServicesFake> fake;
    quint16 port = 0;
    bool ok = false;

    Stand()
    {
        fake = std::make_unique<bqfakes::TddServicesFake>(server);
        ok = server.start();
        QWebClient::setDefaultCaFile(server.caFile());
        port = tddtest::freePort();
        fake->setListenerPort(port);
        tddtest::pointAt(settings, QStringLiteral("127.0.0.1:%1").arg(server.port()), dir.path(), port);
        settings.values.insert(QStringLiteral("FullLog"), QStringLiteral("0"));
        setSettingsSource(&settings);
        ok = ok && tddtest::createTables(dir.filePath(QStringLiteral("mydata2024e.db")));
    }
};

Stand &stand()
{
    static Stand s;
    return s;
}

void BM_StageRequestWithDigest(benchmark::State &state)
{
    stand();
    for (auto _ : state) {
        QByteArray request;
        if (buildStageRequest(CString("2024"), 1, request) != 0) {
            state.SkipWithError("not built");
            return;
        }
        benchmark::DoNotOptimize(request);
    }
}
BENCHMARK(BM_StageRequestWithDigest)->Unit(benchmark::kMicrosecond);

void BM_ListenerAnswersRawRequest(benchmark::State &state)
{
    Stand &s = stand();
    TddHttpServer *listener = createTddHttpServer(nullptr);
    if (!listener->start(s.port)) {
        state.SkipWithError("the listener did not start");
        return;
    }
    for (auto _ : state) {
        const QByteArray answer = tddtest::exchange(s.port, {"GET /logout HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"});
        if (!answer.startsWith("HTTP/1.0 200 OK")) {
            state.SkipWithError("no answer");
            break;
        }
    }
    listener->stop();
}
BENCHMARK(BM_ListenerAnswersRawRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

// Until the records are stored (step 99 shown) and until the dialog has closed.
void BM_WholeRunOneNotReady(benchmark::State &state)
{
    Stand &s = stand();
    tddtest::BrowserStand browser(s.server.caFile());
    TddWebService::setWaitPercent(100);
    bqfakes::TddServicesFake::Options options;
    options.notReadyCount = 1;
    double stored = 0;
    for (auto _ : state) {
        s.fake->setOptions(options);
        std::vector<std::string> sins{"046454286", "130692544"};
        DlgTDDProgressWait dialog(1, &sins);
        QElapsedTimer clock;
        clock.start();
        dialog.show();
        QTest::qWaitFor([&] { return dialog.step() >= 99 && dialog.step() < 1000; }, 30000);
        stored += clock.elapsed();
        if (!QTest::qWaitFor([&] { return !dialog.isVisible(); }, 30000) || dialog.step() >= 1000) {
            state.SkipWithError("the run did not end well");
            break;
        }
    }
    state.counters["ms_to_stored"] = stored / double(state.iterations());
    QTest::qWaitFor([&] { return browser.allDone(); }, 10000);
}
BENCHMARK(BM_WholeRunOneNotReady)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    setSettingsSource(nullptr);
    return 0;
}
