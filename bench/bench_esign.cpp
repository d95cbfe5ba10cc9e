// The return window's e-signature requests against the local fake, and the
// opening of the print options and after-print dialogs.
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "dlgprintoption_info.h"
#include "dlgvantrelafterprint.h"
#include "form_return.h"
#include "messages.h"
#include "qwebclient.h"
#include "settingsseam.h"
#include "tabwndapp.h"
#include "vantrelfake.h"
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace bqfakes;

namespace {
class Settings : public SettingsSource
{
public:
    QMap<QString, QString> user, config;
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
    bool setUserInt(const QString &name, int value) override
    {
        user[name] = QString::number(value);
        return true;
    }
};

struct Fixture
{
    QTemporaryDir dir;
    Settings settings;
    ScriptedMessages messages;
    FakeHttpsServer server;
    std::unique_ptr<VantrelFake> fake;
    std::unique_ptr<Form_Return> window;
    QString pdf;
};
Fixture *g = nullptr;

CReturnFile *newReturn()
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString("Ann");
    data.fld_LastName = CString("Smith");
    data.fld_TaxPronv = 9;
    data.fld_MaritalStatus = 5;
    data.fld_dob = QDate(1980, 1, 1);
    auto *r = new CReturnFile(0);
    r->applyNewReturnData(data);
    if (!r->hasForm(96))
        r->addForm(96, 0, true, 0, false);
    return r;
}
} // namespace

static void BM_ESignatureRequest(benchmark::State &state)
{
    for (auto _ : state)
        g->window->sendForESignature(96, true, QStringLiteral("ann@example.com"), QStringLiteral("046454286"),
                                     QStringLiteral("Ann"), g->pdf);
}
BENCHMARK(BM_ESignatureRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_EDeliveryRequest(benchmark::State &state)
{
    for (auto _ : state)
        g->window->sendForEDelivery(1, QStringLiteral("ann@example.com"), QStringLiteral("046454286"),
                                    QStringLiteral("Ann"), g->pdf);
}
BENCHMARK(BM_EDeliveryRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

// log-in and status query
static void BM_StatusQuery(benchmark::State &state)
{
    g->window->returnFile()->setText(10002, QStringLiteral("123"));
    g->fake->setStatus(123, QStringLiteral("completed"), QStringLiteral("2025-03-14T15:09:26Z"));
    for (auto _ : state)
        g->window->querySignatureStatus(96);
}
BENCHMARK(BM_StatusQuery)->Unit(benchmark::kMillisecond)->UseRealTime();

// log-in, template query and both downloads
static void BM_TemplateDownload(benchmark::State &state)
{
    for (auto _ : state) {
        g->settings.user[QStringLiteral("CustomizedClientLetter_Ver")] = QStringLiteral("0");
        if (g->window->fetchCustomizedClientLetter(g->dir.path(), g->dir.path()) != 100)
            state.SkipWithError("template not fetched");
    }
}
BENCHMARK(BM_TemplateDownload)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_OpenPrintOptions(benchmark::State &state)
{
    for (auto _ : state) {
        DlgPrintOption_Info dlg(true);
        dlg.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenPrintOptions)->Unit(benchmark::kMillisecond);

static void BM_OpenAfterPrint(benchmark::State &state)
{
    for (auto _ : state) {
        DlgVantrelAfterPrint dlg(false, QStringLiteral("file:///") + g->pdf, QStringLiteral("ann@example.com"));
        dlg.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenAfterPrint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/.cache")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    TabWndApp *app = TabWndApp::create(qtArgc, argv);
    if (app->initialize() != 0)
        return 1;
    {
        Fixture f;
        g = &f;
        setMessageHandler(&f.messages);
        setSettingsSource(&f.settings);
        QWebClient::setDefaultCaFile(TestCertificates::shared().caFile);
        f.fake.reset(new VantrelFake(f.server));
        if (!f.server.start())
            return 1;
        f.settings.config[QStringLiteral("VantrelServer")] = f.server.baseUrl();
        f.settings.user[QStringLiteral("VantrelEmail")] = QStringLiteral("preparer@example.com");
        f.settings.user[QStringLiteral("VantrelPswd")] = QStringLiteral("s3cret");
        f.pdf = f.dir.filePath(QStringLiteral("Smith T183.pdf"));
        QFile pdf(f.pdf);
        if (!pdf.open(QIODevice::WriteOnly) || pdf.write(QByteArray("%PDF-1.4\n") + QByteArray(200 * 1024, 'x')) < 0)
            return 1;
        pdf.close();
        f.window.reset(new Form_Return(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12));
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        f.window.reset();
        setSettingsSource(nullptr);
        setMessageHandler(nullptr);
        g = nullptr;
    }
    delete app;
    return 0;
}
