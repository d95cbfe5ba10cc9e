// The time of the checks before filing of one person (EFILE and NETFILE) on the
// coupled return of bench_recalc: per person 20 slips and 30 forms, with a T2125
// and a T776.
#include "creturnfile.h"
#include "filingdocservices.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "returnfilefixture.h"
#include "silentmessages.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace returnfixture;

namespace {

void dropLog(QtMsgType, const QMessageLogContext &, const QString &) {}

// The person as bench_recalc makes it.
void addSlips(IndividualTaxData &p, int count)
{
    int made = 0;
    for (int i = 0; made < count && i < 8 * count; ++i) {
        const int type = 1 + i % (kSlipTableSize - 1);
        if (FormEntry *e = p.addSlip(type, 0, 0)) {
            ++made;
            for (int box : {14, 16, 18, 22, 24, 26})
                e->object->setValueByCode(box, 1000.0 + 37.0 * made + box);
        }
    }
}

void addForms(IndividualTaxData &p, int total)
{
    for (int type : {4, 6, 7, 9, 11, 125, 12})
        p.getForm(type, 0, true);
    p.addTuitionForms();
    p.addSpouseTransferForms();
    const QList<int> types = keptFormTypes(p, p.province());
    for (int i = 0; i < types.size() && p.forms().count() < total; ++i) {
        const int type = types.at(i);
        if (type == 161 || type == 159 || type == 165 || p.hasForm(type))
            continue;
        p.addForm(type, 0, true, 0, false);
    }
}

void makePerson(IndividualTaxData &p, const QString &first)
{
    newPerson(p, 9, first, QStringLiteral("Roy"), 0, true);
    addForms(p, 30);
    addSlips(p, 20);
    TaxData_T1New *t = p.t1();
    t->setAmount(TaxData_T1New::F_10100, 52000);
    t->setAmount(TaxData_T1New::F_12100, 800);
}

void BM_CheckForFiling(benchmark::State &state)
{
    const int edition = int(state.range(0));
    CReturnFile rf;
    makePerson(*rf.self(), QStringLiteral("Anne"));
    makePerson(*rf.spouse(), QStringLiteral("Ben"));
    rf.dependants().AllocData(12);
    rf.recalculate(-1, nullptr);
    IndividualTaxData &person = *rf.self();
    int groups = 0;
    for (auto _ : state) {
        QList<ValidationMessageGroup *> list;
        groups = person.checkForFiling(edition, list);
        qDeleteAll(list);
    }
    state.counters["groups"] = groups;
    state.counters["forms"] = person.forms().count();
    state.counters["slips"] = person.slips().count();
}
BENCHMARK(BM_CheckForFiling)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SilentMessages messages;
    setMessageHandler(&messages);
    qInstallMessageHandler(dropLog);
    installFilingDocServices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
