// The return window over the coupled bench return (20 slips and 30 forms per
// person): one edit's road (commit, recalculation, page refresh, tree labels,
// the modified mark), the same road from a key to the new refund painted in
// the status line, and opening the return in a window (tree and the first T1
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
#include "taxdata_t183new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t778new.h"
#include "formtypes.h"
#include "taxdata_t1new.h"
#include "fieldtable.h"
#include "folderview.h"
#include "formentry.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>

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

// The road by direct calls: commit, recalculation, page refresh, tree labels,
// the modified mark. It processes no events and paints nothing, so what the
// refresh costs on screen (restyling, layout, painting) is not in it: that is
// BM_EditRoadPainted's.
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

// As the main window: the return window in the middle, the result text in a
// label of the status bar.
class PaintedHost : public QMainWindow, public ReturnWindowHost
{
public:
    PaintedHost()
    {
        m_status = new QLabel(this);
        m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(m_status, 2);
    }
    QObject *hostObject() override { return this; }
    void setResultText(const QString &text) override { m_status->setText(text); }
    void addContextActions(int, QMenu *) override {}
    bool saveReturnUnderNewName(Form_Return *) override { return false; }
    void openReturnFile(const QString &) override {}
    void importPriorYearReturn(const QString &) override {}
    void watch(Form_Return *page)
    {
        QObject::connect(page, &Form_Return::returnChanged, this,
                         [this, page] { setWindowModified(page->isModified()); });
    }
    QLabel *statusLine() const { return m_status; }
    // The status line's pixels as they were last painted.
    QImage statusPixels() const
    {
        const QRect r(m_status->mapTo(this, QPoint(0, 0)), m_status->size());
        return windowHandle()->screen()->grabWindow(winId(), r.x(), r.y(), r.width(), r.height()).toImage();
    }

private:
    QLabel *m_status;
};

// A page of an object: its section and the number of fields it shows.
struct PageOfForm
{
    CTaxData_Form *data = nullptr;
    int section = 0;
    int fields = 0;
};

// The page with the most fields among the person's forms and slips.
PageOfForm largestPage(const IndividualTaxData &person)
{
    PageOfForm best;
    for (const EntryList<FormEntry> *list : {&person.forms(), &person.slips()})
        for (const FormEntry *e : *list) {
            CTaxData_Form *data = e->object;
            if (!data)
                continue;
            const FieldTable &table = data->fieldTable();
            const std::vector<FieldSpec> &specs = table.describedSpecs(data->kind(), data->formType());
            const int sections = qMax(1, int(FieldTable::sectionNames(data->kind(), data->formType()).size()));
            for (int section = 0; section < sections; ++section) {
                int fields = 0;
                for (int i : table.shownOrder(data->kind(), data->formType()))
                    fields += !specs[size_t(i)].internal && specs[size_t(i)].section == section;
                if (fields > best.fields)
                    best = {data, section, fields};
            }
        }
    return best;
}

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The status line the return shows once the field holds the amount: worked
// out on a copy of the return, away from the window.
QString expectedStatus(const CReturnFile &shown, int slipIndex, int field, double amount)
{
    CReturnFile copy;
    copy.assign(shown);
    copy.currentPerson()->slips().at(slipIndex)->object->setAmount(field, amount);
    copy.recalculate(-1, nullptr);
    return copy.resultSummaryLine(0);
}

void postKey(QWidget *to, int key, const QString &text)
{
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

// From a key into an amount to the new refund painted: the coupled bench
// return in a window of 1280 x 800 with its largest page (a T4 slip's) open;
// per edit one digit typed into the income tax deducted (box 22), which the
// focused amount field takes in place of its value, and Return; events are
// processed and the window grabbed until the status line's pixels show the
// refund that amount gives. Reports the median from the key to the painted
// refund and the processor time per edit.
void BM_EditRoadPainted(benchmark::State &state)
{
    PaintedHost host;
    auto *window = new Form_Return(nullptr, benchReturn(), &host, &host, 1, -1, 12);
    host.watch(window);
    host.setCentralWidget(window);
    host.resize(1280, 800);
    host.show();
    QCoreApplication::processEvents();
    const PageOfForm largest = largestPage(*window->returnFile()->currentPerson());
    const EntryList<FormEntry> &slips = window->returnFile()->currentPerson()->slips();
    const int slipIndex = slips.indexOf(slips.holding(largest.data));
    const int field = largest.data ? largest.data->fieldTable().indexOfCode(22) : -1;
    if (slipIndex < 0 || field < 0) {
        state.SkipWithError("the largest page is not a slip with box 22");
        return;
    }
    int category = 1;   // a slip of the tree
    window->folderView()->selectItem(category, slips.at(slipIndex)->id);
    QCoreApplication::processEvents();
    if (window->currentForm() != largest.data) {
        state.SkipWithError("the slip's pages did not open");
        return;
    }
    BaseTaxPage *page = nullptr;
    for (BaseTaxPage *p : window->openPages())
        if (p->section() == largest.section)
            page = p;
    window->formTabs()->setCurrentIndex(window->openPages().indexOf(page));
    QCoreApplication::processEvents();
    auto *line = qobject_cast<QLineEdit *>(page->editorFor(QString::fromLatin1(largest.data->fieldTable().spec(field).key)));
    host.activateWindow();
    line->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QString expected[10];
    for (int digit = 1; digit <= 9; ++digit)
        expected[digit] = expectedStatus(*window->returnFile(), slipIndex, field, digit);

    std::vector<double> wall;
    double cpu = 0.0;
    int n = 0;
    for (auto _ : state) {
        const int digit = 1 + n++ % 9;
        const QImage before = host.statusPixels();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = processCpuMs();
        postKey(line, Qt::Key_0 + digit, QString::number(digit));
        postKey(line, Qt::Key_Return, QStringLiteral("\r"));
        bool painted = false;
        while (!painted && timer.elapsed() < 2000) {
            QCoreApplication::processEvents();
            painted = host.statusLine()->text() == expected[digit] && host.statusPixels() != before;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        cpu += processCpuMs() - cpuStart;
        if (!painted) {
            state.SkipWithError("the status line did not show the new refund");
            break;
        }
        wall.push_back(ms);
        state.SetIterationTime(ms / 1e3);
    }
    if (!wall.empty()) {
        std::sort(wall.begin(), wall.end());
        state.counters["median_ms"] = wall[wall.size() / 2];
        state.counters["max_ms"] = wall.back();
        state.counters["cpu_ms_per_edit"] = cpu / double(wall.size());
    }
}
BENCHMARK(BM_EditRoadPainted)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(64);

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

void setMailingAddress(CTaxData_Form &t1)
{
    t1.setText(TaxData_T1New::F_Street, QStringLiteral("12 Birch Ave"));
    t1.setText(TaxData_T1New::F_City, QStringLiteral("Ottawa"));
    t1.setText(TaxData_T1New::F_MailProvince, QStringLiteral("ON"));
    t1.setText(TaxData_T1New::F_Postcode, QStringLiteral("K1A 0B1"));
}

// The bench return made eligible for EFILE and free of filing errors, for
// both persons: a S.I.N. that does not begin with 0 (self), the DCN on the
// T183, the business forms' postcodes in Ontario, the higher net income marked
// on one T778 only, no T1163 (a farm form Ontario does not take) and no T929
// (no disability amount is claimed), T5013 slips that name their partnership,
// and a whole mailing address.
CReturnFile *fileableBenchReturn()
{
    CReturnFile *rf = benchReturn();
    rf->self()->t1()->setText(TaxData_T1New::F_SIN, QStringLiteral("527123459"));
    for (IndividualTaxData *person : {rf->self(), rf->spouse()}) {
        setMailingAddress(*person->t1());
        for (int type : {FormType::T1163, FormType::T929})
            person->removeForm(person->getForm(type, 0, false), true, false);
        if (CTaxData_Form *t183 = person->getForm(FormType::T183, 0, false))
            t183->setText(TaxData_T183New::F_DCN, QStringLiteral("00417"));
        const QString ottawa = QStringLiteral("K1A 0B1");
        if (CTaxData_Form *t2042 = person->getForm(FormType::T2042, 0, false))
            t2042->setText(TaxData_T2042New::F_Postcode, ottawa);
        if (CTaxData_Form *t2125 = person->getForm(FormType::T2125, 0, false))
            t2125->setText(TaxData_T2125_New::F_Postcode, ottawa);
        if (CTaxData_Form *t778 = person->getForm(FormType::T778, 0, false))
            t778->setFlag(TaxData_T778New::F_PartnerMark, person == rf->self());
        for (FormEntry *e : person->slips())
            if (e->type == SlipType::T5013 && e->object)
                e->object->setText(TaxData_Slip_T5013::F_PartnershipId, QStringLiteral("123456789RZ0001"));
    }
    rf->recalculate(-1, nullptr);
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
    for (auto _ : state) {
        const int before = reached;
        window.netfileReturn();
        if (reached == before) {
            state.SkipWithError("the filing stopped before the result dialog");
            break;
        }
    }
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
