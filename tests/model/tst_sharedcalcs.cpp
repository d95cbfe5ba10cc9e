// Shared calculations of one person: CPP months and earnings, foreign tax
// credits, working income, the pension split, default answers and the Canada
// workers benefit tests.
#include "bqtest.h"
#include "personfixture.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t2209_2036.h"
#include "taxdata_t691new.h"
#include "taxdata_t778new.h"
#include "taxdata_ws_d1.h"

using T1 = TaxData_T1New;
using T2209 = TaxData_T2209_2036;
using T1032 = TaxData_T1032_New;
using T4 = TaxData_Slip_T4;

class TestSharedCalcs : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;

    // A person of a province (the plug-in loaded for Ontario only) with a T1.
    static T1 *addT1(IndividualTaxData &p, int province = 0)
    {
        if (province)
            p.storeReadProvince(province);
        return static_cast<T1 *>(p.addForm(1, 0, true, 0, false)->object);
    }
    static T4 *addT4(IndividualTaxData &p, int province, double box14, double box16, double box17, double box26,
                     bool exempt)
    {
        auto *t4 = static_cast<T4 *>(p.addSlip(1, 0, 0)->object);
        t4->setIntValue(T4::F_Province, province);
        t4->setAmount(T4::F_Box14, box14);
        t4->setAmount(T4::F_Box16, box16);
        t4->setAmount(T4::F_Box17, box17);
        t4->setAmount(T4::F_Box26, box26);
        t4->setFlag(T4::F_Switch1, exempt);
        return t4;
    }

private slots:
    void initTestCase() { QVERIFY(m_fx.setUp()); }
    void cleanupTestCase() { m_fx.tearDown(); }
    void init() { m_fx.pluginCounter("tstReset"); }

    void monthCounts_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("death");
        QTest::addColumn<int>("monthsBefore");
        QTest::addColumn<int>("cpp");
        QTest::addColumn<int>("other");
        const QDate alive;
        QTest::newRow("70 born in May") << QDate(1954, 5, 10) << alive << 0 << 5 << 12;
        QTest::newRow("18 born in May") << QDate(2006, 5, 10) << alive << 0 << 7 << 7;
        QTest::newRow("18 born in December") << QDate(2006, 12, 1) << alive << 0 << 0 << 0;
        QTest::newRow("17") << QDate(2007, 1, 1) << alive << 0 << 0 << 0;
        QTest::newRow("71") << QDate(1953, 1, 1) << alive << 0 << 0 << 12;
        QTest::newRow("no date of birth") << QDate() << alive << 0 << 0 << 0;
        QTest::newRow("died in March 2024") << QDate(1980, 7, 1) << QDate(2024, 3, 9) << 0 << 3 << 3;
        QTest::newRow("died in 2023 counts no cut") << QDate(1980, 7, 1) << QDate(2023, 3, 9) << 0 << 12 << 12;
        QTest::newRow("70 born in May, died in March") << QDate(1954, 5, 10) << QDate(2024, 3, 9) << 0 << 3 << 3;
        QTest::newRow("four months before") << QDate(1980, 7, 1) << alive << 4 << 8 << 8;
        QTest::newRow("negative months before") << QDate(1980, 7, 1) << alive << -3 << 12 << 12;
        QTest::newRow("more months before than the year") << QDate(1980, 7, 1) << alive << 14 << 0 << -2;
    }
    void monthCounts()
    {
        QFETCH(QDate, birth);
        QFETCH(QDate, death);
        QFETCH(int, monthsBefore);
        QFETCH(int, cpp);
        QFETCH(int, other);
        IndividualTaxData p(0, &m_fx.deps);
        QCOMPARE(p.cppMonthCount(monthsBefore), 0);
        T1 *t1 = addT1(p);
        t1->setDateOfBirth(birth);
        t1->setDate(T1::F_DeceasedDate, death);
        QCOMPARE(p.cppMonthCount(monthsBefore), cpp);
        QCOMPARE(p.otherPlanMonthCount(monthsBefore), other);
    }

    void cppEarnings()
    {
        IndividualTaxData p(0, &m_fx.deps);
        addT1(p);
        addT4(p, 11, 50000, 0, 900, 45000, false);   // QPP paid: adds nothing / adds its earnings
        addT4(p, 11, 40000, 0, 0, 30000, false);     // Quebec, no QPP: capped 20000
        addT4(p, 11, 12000, 0, 0, 11000, true);      // exempt: employment income only with an election
        addT4(p, 9, 60000, 2000, 0, 58000, false);   // Ontario
        addT4(p, 9, 5000, 0, 0, 5000, true);         // Ontario, exempt
        addT4(p, 11, 8000, 300, 400, 8000, false);   // Quebec with CPP too
        QCOMPARE(p.cppExemptEarnings(20000.0), 20000.0);
        auto *cpt20 = static_cast<TaxData_CPT20_New *>(p.getForm(57, 0, true));
        QVERIFY(cpt20);
        QCOMPARE(p.cppExemptEarnings(20000.0), 20000.0);
        cpt20->setAmount(TaxData_CPT20_New::F_Line16, 0.01);
        QCOMPARE(p.cppExemptEarnings(20000.0), 32000.0);
        QCOMPARE(p.cppExemptEarnings(10000.0), 20000.0);
        QCOMPARE(p.cppPensionableEarnings(), 58000.0 + 45000.0);
    }

    void roundedForeignTaxTotals_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<double>("total");
        QTest::newRow("10.5 and -10.5") << 10.5 << -10.5 << 0.0;
        QTest::newRow("10.5 twice") << 10.5 << 10.5 << 22.0;
        QTest::newRow("-10.5 twice") << -10.5 << -10.5 << -22.0;
        QTest::newRow("10.49") << 10.49 << 0.0 << 10.0;
        QTest::newRow("-0.005 is no negative") << -0.005 << 0.0 << 0.0;
    }
    void roundedForeignTaxTotals()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(double, total);
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p);
        for (double paid : {first, second}) {
            auto *f = static_cast<T2209 *>(p.addForm(35, 0, true, 0, false)->object);
            f->setAmount(T2209::F_ForeignTaxPaid, paid);
            f->rows(0).append().setNumber(T2209::C_BusinessTaxPaid, paid);
        }
        p.calculateForeignTaxCredits();
        QCOMPARE(t1->amount(T1::F_FtcNonBusTax), total);
        QCOMPARE(t1->amount(T1::F_FtcBusTax), total);
    }

    void foreignTaxCredits()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p);
        // basic federal tax of the T2209: line 42900 with the dividend credit added back
        t1->setAmount(T1::F_42900, 800.0);
        t1->setAmount(T1::F_40425, 200.0);
        t1->setAmount(T1::F_40600, 600.0);
        t1->setAmount(T1::F_23600, 50000.0);
        t1->setAmount(T1::F_25300, 1000.0);
        static_cast<TaxData_T1206New *>(p.getForm(29, 0, true))->setAmount(TaxData_T1206New::F_SplitIncome, 1000.0);
        auto *t691 = static_cast<TaxData_T691New *>(p.getForm(31, 0, true));
        auto *a = static_cast<T2209 *>(p.addForm(35, 0, true, 0, false)->object);
        a->setAmount(T2209::F_ForeignNonBusinessIncome, 10000.0);
        a->setAmount(T2209::F_ForeignTaxPaid, 1500.0);
        auto *b = static_cast<T2209 *>(p.addForm(35, 0, true, 0, false)->object);
        b->setFlag(T2209::F_OverrideIncome, true);
        b->setAmount(T2209::F_NetIncome, 20000.0);
        b->setAmount(T2209::F_ForeignNonBusinessIncome, 40000.0);
        b->setAmount(T2209::F_ForeignTaxPaid, 5000.0);

        p.calculateForeignTaxCredits();
        QCOMPARE(a->amount(T2209::F_NetIncome), 50000.0);   // net + split income - deductions
        QCOMPARE(b->amount(T2209::F_NetIncome), 20000.0);   // the user's own basis
        QCOMPARE(a->amount(T2209::F_Credit), 200.0);
        QCOMPARE(b->amount(T2209::F_Credit), 1000.0);
        QCOMPARE(t1->amount(T1::F_FtcCreditTotal), 1200.0);
        QCOMPARE(t1->amount(T1::F_FtcNonBusIncome), 50000.0);
        QCOMPARE(t1->amount(T1::F_40500), 1000.0);            // no more than the basic federal tax
        QCOMPARE(t691->amount(TaxData_T691New::F_ForeignCredit), 1000.0);
        QCOMPARE(t691->amount(TaxData_T691New::F_ForeignIncome), 40000.0);
        QCOMPARE(t691->amount(TaxData_T691New::F_ForeignTaxPaid), 5000.0);

        QCOMPARE(p.adjustForeignTaxCredits(), 0);
        QCOMPARE(t1->amount(T1::F_ForeignTaxAdjusted), 1200.0);
        QList<CTaxData_Form *> list;
        p.collectForeignTaxCreditForms(list);
        QCOMPARE(list.size(), 2);

        p.copyForeignTaxCreditResults();
        QCOMPARE(a->amount(T2209::F_ReportedCredit), 200.0);
        QCOMPARE(a->amount(T2209::F_MinTaxCredit), 200.0);
        t691->setAmount(TaxData_T691New::F_MinimumTax, 50.0);
        p.copyForeignTaxCreditResults();
        QCOMPARE(a->amount(T2209::F_MinTaxCredit), 1000.0);
    }

    void incomeHelpers()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p);
        t1->setAmount(T1::F_13500, 3000.0);
        t1->setAmount(T1::F_13700, -500.0);
        t1->setAmount(T1::F_14300, 0.005);
        QCOMPARE(p.selfEmploymentIncomeRemainder(10000.0), 7000.0);
        QCOMPARE(p.selfEmploymentIncomeRemainder(1000.0), 0.0);

        t1->setAmount(T1::F_10100, 20000.0);
        t1->setAmount(T1::F_10400, 500.0);
        t1->setAmount(T1::F_10105, 1000.0);
        t1->setAmount(T1::F_13010, 300.0);
        p.getForm(125, 0, true)->setAmount(TaxData_T2125_New::F_NetIncome, 4000.0);
        p.getForm(15, 0, true)->setAmount(TaxData_T1163New::F_NetIncome, -200.0);
        QCOMPARE(p.workingIncome(), 25800.0);
        QCOMPARE(p.getT778IncomeAdjustment(), 0.0);
        p.getForm(13, 0, true)->setAmount(TaxData_T778New::F_EarnedIncome, 1500.0);
        QCOMPARE(p.getT778IncomeAdjustment(), 1500.0);
    }

    void pensionSplit_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("maritalStatus");
        QTest::addColumn<bool>("spouseShown");
        QTest::newRow("transfers, married") << 0 << 0 << true;
        QTest::newRow("transfers, single") << 0 << 5 << false;
        QTest::newRow("receives, common-law") << 1 << 1 << true;
    }
    void pensionSplit()
    {
        QFETCH(int, role);
        QFETCH(int, maritalStatus);
        QFETCH(bool, spouseShown);
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p);
        t1->setFirstName(QStringLiteral("Anne"));
        t1->setLastName(QStringLiteral("Roy"));
        t1->setSin(QStringLiteral("046454286"));
        t1->setDateOfBirth(QDate(1955, 2, 1));
        t1->setMaritalStatus(maritalStatus);
        t1->setSpouseFirstName(QStringLiteral("Paul"));
        t1->setSpouseLastName(QStringLiteral("Roy"));
        t1->setSpouseDateOfBirth(QDate(1950, 1, 1));
        t1->setAmount(T1::F_11500, 6000.0);
        for (int f : {T1::F_11600, T1::F_21000, T1::F_SplitPensionTax, T1::F_SplitPensionAdjust})
            t1->setAmount(f, 77.0);
        auto *form = static_cast<T1032 *>(p.getForm(118, 0, true));
        form->setIntValue(T1032::F_Role, role);
        form->setAmount(T1032::F_SplitAmount, 3000.0);
        p.calculatePensionSplit(form);

        const int selfFirst = role == 0 ? T1032::F_FirstName : T1032::F_SpouseFirstName;
        const int otherFirst = role == 0 ? T1032::F_SpouseFirstName : T1032::F_FirstName;
        QCOMPARE(form->text(selfFirst), QStringLiteral("Anne"));
        QCOMPARE(form->text(otherFirst), spouseShown ? QStringLiteral("Paul") : QString());
        QCOMPARE(form->intValue(role == 0 ? T1032::F_Age : T1032::F_SpouseAge), 69);
        QCOMPARE(form->intValue(role == 0 ? T1032::F_SpouseAge : T1032::F_Age), spouseShown ? 74 : 0);
        QCOMPARE(form->amount(T1032::F_MaxSplit), role == 0 ? 3000.0 : 0.0);
        QCOMPARE(t1->amount(T1::F_21000), role == 0 ? 3000.0 : 0.0);
        QCOMPARE(t1->amount(T1::F_11600), role == 0 ? 0.0 : 3000.0);

        // the tax side: the pension amount is capped at 2000 on either side
        form->setAmount(T1032::F_OtherPension, 3000.0);
        form->setAmount(T1032::F_EligiblePension, 6000.0);
        form->setAmount(T1032::F_TaxDeductedTransferred, 600.0);
        form->setAmount(T1032::F_F5344, 250.0);
        p.calculatePensionSplitTax();
        QCOMPARE(t1->amount(T1::F_SplitPensionAmount), 2000.0);
        QCOMPARE(t1->amount(T1::F_SplitPensionAdjust), role == 0 ? -3000.0 : 3000.0);
        if (role == 0)
            QCOMPARE(form->amount(T1032::F_PensionAmount), 3000.0);
        else
            QCOMPARE(t1->amount(T1::F_SplitPensionTax), 250.0);
    }

    void pensionSplitWithoutElection()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p);
        const QList<int> fields{T1::F_11600, T1::F_21000, T1::F_SplitPensionTax, T1::F_SplitPensionAdjust,
                                T1::F_SplitPensionAmount};
        for (int f : fields)
            t1->setAmount(f, 77.0);
        p.calculatePensionSplit(nullptr);
        p.calculatePensionSplitTax();
        for (int f : fields)
            QCOMPARE(t1->amount(f), 0.0);
    }

    void defaultAnswers_data()
    {
        QTest::addColumn<double>("dividends");
        QTest::addColumn<double>("worksheetDividends");
        QTest::addColumn<double>("gains");
        QTest::addColumn<double>("preset");
        QTest::addColumn<double>("t1Answer");
        QTest::addColumn<double>("t691Answer");
        QTest::newRow("nothing calls") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("dividends and gains") << 120.0 << 0.0 << 50.0 << 0.0 << 1.0 << 1.0;
        QTest::newRow("worksheet dividends") << 0.0 << 80.0 << 0.0 << 0.0 << 1.0 << 0.0;
        QTest::newRow("below the threshold") << 0.008 << 0.0 << 0.008 << 0.0 << 0.0 << 0.0;
        QTest::newRow("answered stays") << 120.0 << 0.0 << 50.0 << 2.0 << 2.0 << 2.0;
    }
    void defaultAnswers()
    {
        QFETCH(double, dividends);
        QFETCH(double, worksheetDividends);
        QFETCH(double, gains);
        QFETCH(double, preset);
        QFETCH(double, t1Answer);
        QFETCH(double, t691Answer);
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p);
        t1->setAmount(T1::F_12000, dividends);
        t1->setAmount(T1::F_12700, gains);
        t1->setAmount(T1::F_DividendAnswer, preset);
        p.getForm(210, 0, true)->setAmount(TaxData_WS_D1::F_EligibleActual, worksheetDividends);
        auto *t691 = p.getForm(31, 0, true);
        t691->setAmount(TaxData_T691New::F_CapitalGainsAnswer, preset);
        p.setDefaultAnswers();
        QCOMPARE(t1->amount(T1::F_DividendAnswer), t1Answer);
        QCOMPARE(t691->amount(TaxData_T691New::F_CapitalGainsAnswer), t691Answer);
    }

    void nonRefundableCreditsUsed()
    {
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        QVERIFY(!p.isNonRefundableCreditAllUsed());
        T1 *t1 = addT1(p);
        t1->setAmount(T1::F_35000, 500.0);
        t1->setAmount(T1::F_40400, 400.0);
        QVERIFY(p.isNonRefundableCreditAllUsed());
        m_fx.pluginCounter("tstNotAllUsed");
        QVERIFY(!p.isNonRefundableCreditAllUsed());
        m_fx.pluginCounter("tstReset");
        t1->setAmount(T1::F_40400, 600.0);
        QVERIFY(!p.isNonRefundableCreditAllUsed());
    }

    void cwb_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("maritalStatus");
        QTest::addColumn<bool>("children");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<double>("working");
        QTest::addColumn<double>("net");
        QTest::addColumn<bool>("mayQualify");
        QTest::addColumn<bool>("passes");
        // Quebec's own thresholds for the suggestion; the federal figures for the income test
        QTest::newRow("QC single 2400.01 / 20332.97") << 11 << 5 << false << false << 2400.01 << 20332.97 << true << false;
        QTest::newRow("QC single 2400 / 20332.97") << 11 << 5 << false << false << 2400.0 << 20332.97 << false << false;
        QTest::newRow("QC single at the limit") << 11 << 5 << false << false << 3000.0 << 20332.99 << false << true;
        QTest::newRow("QC single with children") << 11 << 5 << true << false << 3000.0 << 16974.0 << true << true;
        // 2024 federal figures: 3000 working income, nil at 36749 single and 48093 family
        QTest::newRow("ON single just inside") << 9 << 5 << false << false << 3000.01 << 36748.99 << true << true;
        QTest::newRow("ON single at the nil point") << 9 << 5 << false << false << 3000.01 << 36749.0 << false << true;
        QTest::newRow("ON single over the nil point") << 9 << 5 << false << false << 3000.01 << 36749.01 << false << false;
        QTest::newRow("ON single below the threshold") << 9 << 5 << false << false << 2999.99 << 20000.0 << false << false;
        QTest::newRow("ON single with children") << 9 << 4 << true << false << 5000.0 << 48000.0 << true << true;
        // the supplement's nil point: 36,748 + 821 / 15 % = 42,221.33
        QTest::newRow("ON single disabled") << 9 << 5 << false << true << 1150.01 << 42221.0 << true << true;
        QTest::newRow("ON single disabled over") << 9 << 5 << false << true << 1150.01 << 42221.34 << false << false;
        QTest::newRow("ON widowed, family limit") << 9 << 2 << false << false << 0.0 << 48093.0 << false << true;
        QTest::newRow("ON married over the family limit") << 9 << 0 << false << false << 9000.0 << 48093.01 << false << false;
        // Alberta and Nunavut have their own 2024 figures
        QTest::newRow("AB single") << 1 << 5 << false << false << 2760.01 << 36831.0 << true << true;
        QTest::newRow("AB single below its threshold") << 1 << 5 << false << false << 2759.0 << 30000.0 << false << false;
        QTest::newRow("NU single") << 8 << 5 << false << false << 6000.01 << 65000.0 << true << true;
        QTest::newRow("NU single below its threshold") << 8 << 5 << false << false << 5999.0 << 30000.0 << false << false;
    }
    void cwb()
    {
        QFETCH(int, province);
        QFETCH(int, maritalStatus);
        QFETCH(bool, children);
        QFETCH(bool, disabled);
        QFETCH(double, working);
        QFETCH(double, net);
        QFETCH(bool, mayQualify);
        QFETCH(bool, passes);
        DependantInfoStruct deps;
        if (children) {
            deps.AllocData(1);
            deps.at(0).relation = DependantInfo::Child;
            deps.at(0).birthDate = QDate(2015, 4, 1);
        }
        IndividualTaxData p(0, &deps);
        T1 *t1 = addT1(p, province);
        t1->setDateOfBirth(QDate(1980, 1, 1));
        t1->setMaritalStatus(maritalStatus);
        t1->setFlag(T1::F_Disabled, disabled);
        t1->setAmount(T1::F_10100, working);
        t1->setAmount(T1::F_23600, net);
        QCOMPARE(p.mayQualifyForCwb(), mayQualify);
        QCOMPARE(p.passesCwbIncomeTest(), passes);
    }

    void cwbAgeAndImmigration()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p, 9);
        t1->setMaritalStatus(5);
        t1->setAmount(T1::F_10100, 10000.0);
        t1->setAmount(T1::F_23600, 10000.0);
        t1->setDateOfBirth(QDate(2006, 1, 1));   // 18
        QVERIFY(!p.mayQualifyForCwb());
        QVERIFY(!p.passesCwbIncomeTest());
        t1->setDateOfBirth(QDate(2005, 1, 1));   // 19
        QVERIFY(p.mayQualifyForCwb());
        QVERIFY(p.passesCwbIncomeTest());
        t1->setDate(T1::F_EntryDate, QDate(2024, 5, 1));
        QVERIFY(!p.mayQualifyForCwb());
        QVERIFY(!p.passesCwbIncomeTest());
    }

    void cwbSpouse()
    {
        // the spouse's net income adds to both the working income and the adjusted net income
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = addT1(p, 11);
        t1->setDateOfBirth(QDate(1980, 1, 1));
        t1->setMaritalStatus(0);
        t1->setAmount(T1::F_10100, 3000.0);
        t1->setAmount(T1::F_23600, 20000.0);
        t1->setAmount(T1::F_SpouseNetIncome, 700.0);
        QVERIFY(p.mayQualifyForCwb());
        t1->setAmount(T1::F_SpouseNetIncome, 500.0);
        QVERIFY(!p.mayQualifyForCwb());    // 3500 does not pass 3600
        t1->setAmount(T1::F_SpouseNetIncome, 11500.0);
        QVERIFY(!p.mayQualifyForCwb());    // 31500 adjusted net income passes 31434.05
    }
};

BQ_TEST_MAIN_CORE(TestSharedCalcs)
#include "tst_sharedcalcs.moc"
