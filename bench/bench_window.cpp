// The return window over the coupled bench return (20 slips and 30 forms per
// person): one edit's road (commit, recalculation, page refresh, tree labels,
// the modified mark) and opening the return in a window (tree and the first T1
// page shown). Runs offscreen.
#include "basetaxpage.h"
#include "creturnfile.h"
#include "form_return.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "benchreturn.h"
#include "returnfilefixture.h"
#include "returnwindowhost.h"
#include "silentmessages.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include <QApplication>
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
    void returnModifiedChanged(Form_Return *page) override { m_modified = page->isModified(); }
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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropLog);
    TabWndApp *app = TabWndApp::create(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete app;
    return 0;
}
