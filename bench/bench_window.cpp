// The return window over the coupled bench return (20 slips and 30 forms per
// person): one edit's road (commit, recalculation, page refresh, tree labels,
// the modified mark) and opening the return in a window (tree and the first T1
// page shown); validation and the filing road in test mode up to a scripted
// result dialog. Runs offscreen, with its own home folder.
#include "basetaxpage.h"
#include "filingdocservices.h"
#include "filingseams.h"
#include "creturnfile.h"
#include "form_return.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "benchreturn.h"
#include "returnfilefixture.h"
#include "returnwindowhost.h"
#include "silentmessages.h"
#include "tabwndapp.h"
#include "taxpayerhistory.h"
#include "taxdata_slip_t5013.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1new.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace returnfixture;
using namespace benchreturn;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

// As the main window: the modified mark is asked after every edit.
class BenchHost : public ReturnWindowHost
{
public:
    QObject *hostObject() override { return &m_object; }
    void setResultText(const QString &text) override { m_text = text; }
    void addContextActions(int, QMenu *) override {}
    bool saveReturnUnderNewName(Form_Return *) override { return false; }
    // the main window's slot: the modified mark is asked after every change
    void watch(Form_Return *page)
    {
        QObject::connect(page, &Form_Return::returnChanged, &m_object, [this, page] { m_modified = page->isModified(); });
    }
    void openReturnFile(const QString &) override {}
    void importPriorYearReturn(const QString &) override {}
    bool modified() const { return m_modified; }

private:
    QObject m_object;
    QString m_text;
    bool m_modified = false;
};

CReturnFile *benchReturn()
{
    auto *rf = new CReturnFile;
    makePerson(*rf->self(), QStringLiteral("Anne"));
    makePerson(*rf->spouse(), QStringLiteral("Ben"));
    rf->dependants().AllocData(12);
    rf->recalculate(-1, nullptr);
    return rf;
}

void BM_EditRoad(benchmark::State &state)
{
    BenchHost host;
    Form_Return window(nullptr, benchReturn(), &host, nullptr, 1, -1, 12);
    host.watch(&window);
    window.resize(1200, 800);
    window.show();
    QCoreApplication::processEvents();
    BaseTaxPage *income = nullptr;
    for (BaseTaxPage *page : window.openPages())
        if (page->getTitle() == QLatin1String("Income"))
            income = page;
    auto *line = qobject_cast<QLineEdit *>(income->editorFor(QStringLiteral("10105")));
    int n = 0;
    for (auto _ : state) {
        line->setText(QString::number(100 + (n++ % 50)));
        income->commitPage();
        window.onSignalCalc(window.currentForm(), -1);
    }
    state.counters["modified"] = host.modified();
}
BENCHMARK(BM_EditRoad)->Unit(benchmark::kMillisecond);

void BM_OpenWindow(benchmark::State &state)
{
    BenchHost host;
    std::unique_ptr<CReturnFile> source(benchReturn());
    for (auto _ : state) {
        state.PauseTiming();
        auto *copy = new CReturnFile;
        copy->assign(*source);
        state.ResumeTiming();
        auto *window = new Form_Return(nullptr, copy, &host, nullptr, 1, -1, 12);
        window->resize(1200, 800);
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

// Answers every question with its default (Yes) and keeps nothing.
class YesMessages : public MessageHandler
{
public:
    void information(void *, const QString &, const QString &) override {}
    int question(void *, const QString &, const QString &, int, int defaultButton) override { return defaultButton; }
    bool inputText(void *, const QString &, const QString &, QString &, bool) override { return false; }
};

// The filing preferences the checks ask for, in test mode.
void setFilingPreferences()
{
    CT1AppConfig &config = TabWndApp::instance()->config();
    config.MODEDEBUG = true;
    config.BusinessEFileNum = QStringLiteral("X1Y2Z");
    config.BusinessEFilePassword = QStringLiteral("secret12");
}

// The bench return made eligible for EFILE and free of filing errors: a S.I.N.
// that does not begin with 0, the farmstead in the province of residence, and
// T5013 slips that name their partnership.
CReturnFile *fileableBenchReturn()
{
    CReturnFile *rf = benchReturn();
    TaxData_T1New *t1 = rf->self()->t1();
    t1->setText(TaxData_T1New::F_SIN, QStringLiteral("527123459"));
    if (CTaxData_Form *farm = rf->self()->getForm(15, 0, false))
        farm->setIntValue(TaxData_T1163New::F_MainFarmProvince, t1->getMainTaxProvince());
    const int slipT5013 = 13;
    for (IndividualTaxData *person : {rf->self(), rf->spouse()})
        for (FormEntry *e : person->slips())
            if (e->type == slipT5013 && e->object)
                e->object->setText(TaxData_Slip_T5013::F_PartnershipId, QStringLiteral("123456789RZ0001"));
    return rf;
}

void BM_ValidateReturn(benchmark::State &state)
{
    setFilingPreferences();
    int shown = 0;
    setValidationDialogRunner([&shown](QWidget *, const QString &, const QList<ValidationMessageGroup *> &, bool,
                                       const QString &, const QList<ValidationMessageGroup *> &) { ++shown; });
    SilentMessages silent;   // No to the warnings question
    setMessageHandler(&silent);
    Form_Return window(nullptr, benchReturn(), nullptr, nullptr, 1, -1, 12);
    int count = 0;
    for (auto _ : state)
        count = window.validateReturn(1, true, false);
    state.counters["errors"] = count;
    state.counters["dialogs"] = shown;
    setValidationDialogRunner(nullptr);
    setMessageHandler(nullptr);
}
BENCHMARK(BM_ValidateReturn)->Unit(benchmark::kMillisecond);

// Checks, filing document, debug file and history up to the scripted result dialog.
void BM_FilingRoad(benchmark::State &state)
{
    setFilingPreferences();
    int reached = 0;
    setNetfileResultRunner([&reached](const NetfileRequest &) {
        ++reached;
        return NetfileOutcome();
    });
    setValidationDialogRunner([](QWidget *, const QString &, const QList<ValidationMessageGroup *> &, bool,
                                 const QString &, const QList<ValidationMessageGroup *> &) {});
    YesMessages yes;
    setMessageHandler(&yes);
    Form_Return window(nullptr, fileableBenchReturn(), nullptr, nullptr, 1, -1, 12);
    for (auto _ : state)
        window.netfileReturn();
    state.counters["reached"] = benchmark::Counter(reached, benchmark::Counter::kAvgIterations);
    setNetfileResultRunner(nullptr);
    setValidationDialogRunner(nullptr);
    setMessageHandler(nullptr);
}
BENCHMARK(BM_FilingRoad)->Unit(benchmark::kMillisecond);

// The part of the filing road that waits for the disk: the taxpayer and event 1018.
void BM_FilingHistoryWrites(benchmark::State &state)
{
    QSqlDatabase db = TabWndApp::instance()->dbManager().connection();
    for (auto _ : state) {
        const int id = saveTaxpayer(db, QStringLiteral("527123459"), QStringLiteral("Anne Roy"), QString(), QString());
        addHistoryEvent(db, id, HistoryEventFilingSent, QStringLiteral("summary"), false, true);
    }
}
BENCHMARK(BM_FilingHistoryWrites)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropLog);
    // the database, the run folder and the debug filing document stay in a folder of their own
    QTemporaryDir home;
    for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    TabWndApp *app = TabWndApp::create(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    if (app->initialize() != 0)
        return 1;
    installFilingDocServices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete app;
    return 0;
}
