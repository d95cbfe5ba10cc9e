// The couple optimiser on a coupled Ontario return: what moves between the
// spouses, the grid searches, and the returns it must leave alone.
#include "bqtest.h"
#include "creturnfile.h"
#include "datashareamtdlg.h"
#include "messages.h"
#include "returnfilefixture.h"
#include "taxdata_sch9.h"
#include "taxdata_t1032_new.h"
#include <cmath>

using namespace returnfixture;

namespace {

using T1 = TaxData_T1New;
using T1032 = TaxData_T1032_New;
constexpr int kOntario = 9;
constexpr int kT4 = 1;
constexpr int kT4A = 2;
constexpr int kT1032Form = 118;
constexpr int kSchedule9 = 9;

bool wholeCent(double v)
{
    return std::fabs(v * 100.0 - std::round(v * 100.0)) < 1e-9 && double(std::llround(v * 100.0)) / 100.0 == v;
}

void addSlip(IndividualTaxData &p, int type, int box, double amount)
{
    if (amount <= 0.0)
        return;
    FormEntry *e = p.addSlip(type, 0, 0);
    QVERIFY(e && e->object);
    e->object->setValueByCode(box, amount);
}

// A couple with employment income each and, for self, a pension (T4A box 16).
// t1032: 0 none, 1 self only, 2 both (self transfers).
void makeCouple(CReturnFile &rf, double selfIncome, double spouseIncome, double pension, int t1032)
{
    newPerson(*rf.self(), kOntario, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, true);
    newPerson(*rf.spouse(), kOntario, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
    addSlip(*rf.self(), kT4, 14, selfIncome);
    addSlip(*rf.spouse(), kT4, 14, spouseIncome);
    addSlip(*rf.self(), kT4A, 16, pension);
    if (t1032 >= 1)
        rf.self()->getForm(kT1032Form, 0, true)->setIntValue(T1032::F_Role, 0);
    if (t1032 >= 2)
        rf.spouse()->getForm(kT1032Form, 0, true)->setIntValue(T1032::F_Role, 1);
    rf.recalculate(-1, nullptr);
}

double family(const CReturnFile &rf)
{
    double a = 0, b = 0, f = 0;
    rf.getBalances(a, b, f);
    return f;
}

T1032 *t1032Of(IndividualTaxData *p)
{
    return dynamic_cast<T1032 *>(p->getForm(kT1032Form, 0, false));
}

TaxData_Sch9 *sch9(IndividualTaxData *p)
{
    return dynamic_cast<TaxData_Sch9 *>(p->getForm(kSchedule9, 0, false));
}

} // namespace

class TestOptimize : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;

private slots:
    void init()
    {
        m_messages.clear();
        setMessageHandler(&m_messages);
    }
    void cleanup() { setMessageHandler(nullptr); }

    void shareRecordClamps_data()
    {
        QTest::addColumn<double>("claimed");
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("kept");
        QTest::newRow("above the claim") << 500.0 << 800.0 << 500.0;
        QTest::newRow("below the claim") << 500.0 << 120.0 << 120.0;
        QTest::newRow("negative") << 500.0 << -40.0 << 0.0;
    }
    void shareRecordClamps()
    {
        QFETCH(double, claimed);
        QFETCH(double, typed);
        DataShareAmtDlg d;
        QCOMPARE(d.fieldCount(), 19);
        d.fld_Donation_1_Claimed = claimed;
        d.fld_Donation_1 = typed;
        d.fld_Donation_2_Claimed = claimed;
        d.fld_Donation_2 = typed;
        d.fld_BankInterest_3 = typed;
        d.fld_CapGain_1 = typed;
        QCOMPARE(d.checkData(), 0);
        QTEST(d.fld_Donation_1.value(), "kept");
        QTEST(d.fld_Donation_2.value(), "kept");
        QCOMPARE(d.fld_BankInterest_3.value(), qMax(0.0, typed));
        QCOMPARE(d.fld_CapGain_1.value(), qMax(0.0, typed));
    }

    // A single return, and a couple whose self lacks a T1: nothing changes.
    void leavesOthersAlone_data()
    {
        QTest::addColumn<bool>("coupled");
        QTest::newRow("single") << false;
        QTest::newRow("self without T1") << true;
    }
    void leavesOthersAlone()
    {
        QFETCH(bool, coupled);
        CReturnFile rf;
        newPerson(*rf.self(), kOntario, QStringLiteral("Anne"), QStringLiteral("Roy"), coupled ? 0 : 5, coupled);
        if (coupled) {
            newPerson(*rf.spouse(), kOntario, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
            rf.self()->removeForm(rf.self()->t1(), true, false);
            rf.spouse()->getForm(161, 0, true);
            QVERIFY(rf.isCoupled());
            QVERIFY(!rf.self()->t1());
        } else {
            rf.recalculate(-1, nullptr);
        }
        CReturnFile before;
        before.assign(rf);
        DataShareAmtDlg d;
        d.fld_BankInterest_3 = 1000.0;
        d.fld_Donation_3 = 400.0;
        rf.optimize(d);
        QVERIFY(!rf.differsFrom(before));
        QVERIFY(!sch9(rf.self()));
        QVERIFY(!sch9(rf.spouse()));
        IndividualTaxData *withT1 = coupled ? rf.spouse() : rf.self();
        QCOMPARE(withT1->t1()->amount(T1::F_SharedInterest), 0.0);
    }

    void optimizeCases_data()
    {
        QTest::addColumn<double>("selfIncome");
        QTest::addColumn<double>("spouseIncome");
        QTest::addColumn<int>("t1032");
        QTest::addColumn<double>("donation3");
        QTest::addColumn<int>("interestMoves"); // -1 to the spouse, 0 none, 1 to self
        QTest::addColumn<bool>("pensionSearched");
        QTest::addColumn<bool>("donationsHalved");
        QTest::newRow("shift of 0") << 30000.0 << 30000.0 << 2 << 0.0 << 0 << true << true;
        QTest::newRow("negative shift") << 20000.0 << 220000.0 << 2 << 0.0 << 1 << true << true;
        QTest::newRow("positive shift") << 220000.0 << 20000.0 << 2 << 0.0 << -1 << true << true;
        QTest::newRow("no T1032 on one side") << 90000.0 << 20000.0 << 1 << 600.0 << -1 << false << false;
        QTest::newRow("donations below 0.009") << 90000.0 << 20000.0 << 0 << 0.008 << -1 << false << true;
    }
    void optimizeCases()
    {
        QFETCH(double, selfIncome);
        QFETCH(double, spouseIncome);
        QFETCH(int, t1032);
        QFETCH(double, donation3);
        QFETCH(int, interestMoves);
        QFETCH(bool, pensionSearched);
        QFETCH(bool, donationsHalved);
        CReturnFile rf;
        makeCouple(rf, selfIncome, spouseIncome, t1032 ? 20000.0 : 0.0, t1032);
        DataShareAmtDlg d;
        d.fld_BankInterest_3 = 2000.0;
        d.fld_BankInterest_1 = 500.0;
        d.fld_BankInterest_2 = 500.0;
        d.fld_Donation_3 = donation3;
        rf.optimize(d);

        const double selfShare = rf.self()->t1()->amount(T1::F_SharedInterest);
        const double spouseShare = rf.spouse()->t1()->amount(T1::F_SharedInterest);
        QCOMPARE(selfShare + spouseShare, 2000.0);
        QCOMPARE(selfShare > 1000.0 ? 1 : selfShare < 1000.0 ? -1 : 0, interestMoves);
        T1032 *mine = t1032Of(rf.self());
        if (pensionSearched) {
            QVERIFY(mine && mine->flag(T1032::F_Elected));
            QVERIFY(wholeCent(mine->amount(T1032::F_SplitAmount)));
            QCOMPARE(t1032Of(rf.spouse())->amount(T1032::F_SplitAmount), mine->amount(T1032::F_SplitAmount));
        } else if (mine) {
            QCOMPARE(mine->amount(T1032::F_SplitAmount), 0.0);
            QVERIFY(!mine->flag(T1032::F_Elected));
        }
        const double a = sch9(rf.self())->donationAdjustment();
        const double b = sch9(rf.spouse())->donationAdjustment();
        QVERIFY(qAbs(a + b - donation3) < 1e-9);
        if (donationsHalved) {
            QCOMPARE(a, donation3 * 0.5);
        } else {
            QVERIFY(wholeCent(a));
            QVERIFY(a != donation3 * 0.5);
        }
    }

    // The full maximum split is tried, and the best found exactly, in whole cents.
    void pensionSearchReachesTheMaximum_data()
    {
        QTest::addColumn<double>("pension");
        QTest::newRow("30000.00") << 60000.0;
        QTest::newRow("1234.56") << 2469.12;
    }
    void pensionSearchReachesTheMaximum()
    {
        QFETCH(double, pension);
        CReturnFile rf;
        makeCouple(rf, 180000.0, 0.0, pension, 2);
        T1032 *mine = t1032Of(rf.self());
        const double maximum = mine->amount(T1032::F_MaxSplit);
        QCOMPARE(maximum, pension / 2);
        double split = 0.0;
        rf.searchPensionSplit(maximum, split);
        QCOMPARE(split, maximum);
        QVERIFY(wholeCent(mine->amount(T1032::F_SplitAmount)));
    }

    void pensionSearchWithNothingToSplit()
    {
        CReturnFile rf;
        makeCouple(rf, 50000.0, 10000.0, 0.0, 2);
        double split = 0.0;
        rf.searchPensionSplit(0.0, split);
        QCOMPARE(split, 0.0);
        DataShareAmtDlg d;
        rf.optimize(d);
        QCOMPARE(t1032Of(rf.self())->amount(T1032::F_SplitAmount), 0.0);
    }

    // Equal totals never replace the start value.
    void donationSearchKeepsTies()
    {
        CReturnFile rf;
        makeCouple(rf, 0.0, 0.0, 0.0, 0);
        rf.self()->getForm(kSchedule9, 0, true);
        rf.spouse()->getForm(kSchedule9, 0, true);
        double adjustment = 150.0;
        rf.searchDonationSplit(0.0, 300.0, 300.0, adjustment);
        QCOMPARE(adjustment, 150.0);
    }
};

BQ_TEST_MAIN_CORE(TestOptimize)
#include "tst_optimize.moc"
