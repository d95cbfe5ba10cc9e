// The couple optimiser on the coupled bench return (per person 20 slips and 30
// forms) with a $30,000 maximum pension split and $5,000 of shareable donations,
// and one step of the tax planner (three recalculations and the "after" lines).
#include "creturnfile.h"
#include "datashareamtdlg.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "benchreturn.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include "taxdata_sch7.h"
#include "taxdata_sch9.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1new.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace returnfixture;

namespace {

using T1032 = TaxData_T1032_New;

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

void makePerson(IndividualTaxData &p, const QString &first)
{
    newPerson(p, 9, first, QStringLiteral("Roy"), 0, true);
    for (int type : {4, 6, 7, 9, 11, 125, 12})
        p.getForm(type, 0, true);
    p.addTuitionForms();
    p.addSpouseTransferForms();
    const QList<int> types = keptFormTypes(p, p.province());
    for (int i = 0; i < types.size() && p.forms().count() < 30; ++i) {
        const int type = types.at(i);
        if (type == 161 || type == 159 || type == 165 || type == 118 || p.hasForm(type))
            continue;
        p.addForm(type, 0, true, 0, false);
    }
    benchreturn::addSlips(p, 20);
}

// The bench couple: self transfers a pension whose maximum split is $30,000.
void makeCouple(CReturnFile &rf)
{
    makePerson(*rf.self(), QStringLiteral("Anne"));
    makePerson(*rf.spouse(), QStringLiteral("Ben"));
    rf.dependants().AllocData(12);
    rf.self()->getForm(118, 0, true)->setIntValue(T1032::F_Role, 0);
    rf.spouse()->getForm(118, 0, true)->setIntValue(T1032::F_Role, 1);
    rf.recalculate(-1, nullptr);
    const double pension = rf.self()->t1()->amount(TaxData_T1New::F_11500);
    if (FormEntry *e = rf.self()->addSlip(2, 0, 0))
        e->object->setValueByCode(16, 60000.0 - pension);
    rf.recalculate(-1, nullptr);
}

void BM_OptimizeCouple(benchmark::State &state)
{
    CReturnFile rf;
    makeCouple(rf);
    DataShareAmtDlg shares;
    shares.fld_Pension_1 = shares.fld_Pension_2 = 30000.0;
    shares.fld_Donation_1_Claimed = shares.fld_Donation_1 = 2000.0;
    shares.fld_Donation_2_Claimed = shares.fld_Donation_2 = 1000.0;
    shares.fld_Donation_3 = 2000.0;
    shares.fld_BankInterest_3 = 1500.0;
    CReturnFile scratch(0);
    for (auto _ : state) {
        state.PauseTiming();
        scratch.clear();
        scratch.assign(rf);
        state.ResumeTiming();
        scratch.optimize(shares);
    }
    state.counters["maxSplit"] = rf.self()->getForm(118, 0, false)->amount(T1032::F_MaxSplit);
    state.counters["split"] = scratch.self()->getForm(118, 0, false)->amount(T1032::F_SplitAmount);
}
BENCHMARK(BM_OptimizeCouple)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What one slider step of the planner does on the current person.
void BM_PlanningStep(benchmark::State &state)
{
    CReturnFile rf;
    makeCouple(rf);
    IndividualTaxData *me = rf.self();
    auto *sch7 = static_cast<TaxData_Sch7 *>(me->getForm(7, 0, true));
    auto *sch9 = static_cast<TaxData_Sch9 *>(me->getForm(9, 0, true));
    TaxData_T1New *t1 = me->t1();
    int step = 0;
    for (auto _ : state) {
        ++step;
        sch7->setPlan(20000.0, 1000.0 + step % 50, false);
        rf.recalculate(1, sch7);
        sch9->setPlan(500.0, false);
        rf.recalculate(1, sch9);
        t1->setAmount(TaxData_T1New::F_PlanIncome, 2000.0);
        t1->setAmount(TaxData_T1New::F_PlanDeduction, 300.0);
        rf.recalculate(1, t1);
        benchmark::DoNotOptimize(me->resultSummaryLine());
        benchmark::DoNotOptimize(rf.spouse()->resultSummaryLine());
        benchmark::DoNotOptimize(rf.statusText());
    }
}
BENCHMARK(BM_PlanningStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    qInstallMessageHandler(dropLog);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
