// The filing record sent after an online filing, against the loopback
// e-signature fake (a new TLS connection each time, as in the program).
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "fakehttpsserver.h"
#include "form_return.h"
#include "messages.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "vantrelfake.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace bqfakes;

namespace {
CReturnFile *benchReturn()
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString("Marie");
    data.fld_LastName = CString("Tremblay");
    data.fld_sin = CString("123456789");
    data.fld_TaxPronv = 9;
    data.fld_MaritalStatus = 5;
    data.fld_dob = QDate(1980, 1, 1);
    auto *r = new CReturnFile(0);
    r->applyNewReturnData(data);
    return r;
}

void BM_RecordFiling(benchmark::State &state)
{
    FakeHttpsServer server;
    VantrelFake fake(server);
    if (!server.start()) {
        state.SkipWithError("fake server did not start");
        return;
    }
    QWebClient::setDefaultCaFile(server.caFile());
    CT1AppConfig &c = TabWndApp::instance()->config();
    c.VantrelServer = server.baseUrl();
    c.FilingReport = true;
    c.VantrelEmail = CString("preparer@example.com");
    c.VantrelPswd = CString("s3cret");
    Form_Return w(nullptr, benchReturn(), nullptr, nullptr, 1, -1, 12);
    for (auto _ : state) {
        if (w.recordFiling(1, true, QStringLiteral("12345678"), QStringLiteral("Accepted")).status != 0)
            state.SkipWithError("the record was not accepted");
    }
}
BENCHMARK(BM_RecordFiling)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TabWndApp *app = TabWndApp::create(argc, argv);
    ScriptedMessages messages;
    setMessageHandler(&messages);
    if (app->initialize() != 0)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    setMessageHandler(nullptr);
    delete app;
    return 0;
}
