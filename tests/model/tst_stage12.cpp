// Calculation stages 1 and 2 of one person: the order of their calls and their edge cases.
#include "bqtest.h"
#include "calctrace.h"
#include "stagefixture.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_slip_t3.h"
#include "taxdata_t1mnew.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2091.h"
#include "taxdata_t929new.h"
#include "taxdata_t90.h"
#include <QSet>

using namespace stagefixture;
using T1 = TaxData_T1New;
using T4 = TaxData_Slip_T4;

namespace {

// The calls of one stage that are among the names given, in the order they were made.
QStringList tracedCalls(IndividualTaxData &p, unsigned int stage, const QStringList &names)
{
    QStringList trace;
    {
        calctrace::Scope scope(trace);
        p.calculateStage(false, 0, stage, false);
    }
    const QString prefix = QStringLiteral("stage %1: ").arg(stage);
    const QSet<QString> wanted(names.begin(), names.end());
    QStringList calls;
    for (const QString &s : qAsConst(trace))
        if (s.startsWith(prefix) && wanted.contains(s.mid(prefix.size())))
            calls << s.mid(prefix.size());
    return calls;
}

} // namespace

class TestStage12 : public QObject
{
    Q_OBJECT

private:
    StagePersons m_persons{QDate(1980, 5, 1)};

private slots:
    void withoutT1()
    {
        IndividualTaxData p(0, &m_persons.deps);
        p.storeReadProvince(Province::Ontario);
        addT4(p, Province::Ontario, 50000, 2000, 0, 50000);
        for (unsigned int stage : {1u, 2u})
            QCOMPARE(p.calculateStage(false, 0, stage, false), 0);
        IndividualTaxData::StageValues v;
        QCOMPARE(p.calculateStage1(v), 0);
        QCOMPARE(p.calculateStage2(v), 0);
        QCOMPARE(p.formCount(0), 0);
    }

    void exemptIncomeForm_data()
    {
        QTest::addColumn<QList<double>>("box71");
        QTest::addColumn<bool>("made");
        QTest::addColumn<int>("result");
        QTest::newRow("0.008: none") << QList<double>{0.008} << false << 0;
        // each slip alone is no exempt item, so only their total makes the form here
        QTest::newRow("two of 0.005: made by the stage") << QList<double>{0.005, 0.005} << true << 1;
        QTest::newRow("exempt slip: made with the totals") << QList<double>{1200.0} << true << 0;
    }
    void exemptIncomeForm()
    {
        QFETCH(QList<double>, box71);
        QFETCH(bool, made);
        QFETCH(int, result);
        auto p = m_persons.person(Province::Ontario);
        for (double amount : box71)
            addT4(*p, Province::Ontario, 0, 0, 0, 0)->setAmount(T4::F_Box71, amount);
        QCOMPARE(p->calculateStage(false, 0, 1, false), result);
        auto *t90 = dynamic_cast<TaxData_T90 *>(p->getForm(FormType::T90, 0, false));
        QCOMPARE(t90 != nullptr, made);
        if (t90) {
            double total = 0.0;
            for (double amount : box71)
                total += amount;
            QVERIFY(t90->flag(TaxData_T90::F_Switch));
            QVERIFY(qAbs(t90->amount(TaxData_T90::F_EmploymentIncome) - total) < 1e-9);
        }
    }

    void restrictedFarmLoss_data()
    {
        QTest::addColumn<double>("net");
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<double>("line14100");
        QTest::newRow("-40000 restricted") << -40000.0 << true << -17500.0;
        QTest::newRow("-12500 restricted") << -12500.0 << true << -7500.0;
        QTest::newRow("-32500 restricted") << -32500.0 << true << -17500.0;
        QTest::newRow("-2000 restricted: in full") << -2000.0 << true << -2000.0;
        QTest::newRow("-40000 not restricted") << -40000.0 << false << -40000.0;
    }
    void restrictedFarmLoss()
    {
        QFETCH(double, net);
        QFETCH(bool, restricted);
        QFETCH(double, line14100);
        auto p = m_persons.person(Province::Ontario, {FormType::T2042});
        auto *farm = static_cast<TaxData_T2042New *>(p->getForm(FormType::T2042, 0, false));
        farm->setAmount(TaxData_T2042New::F_Expenses, -net);
        farm->setAmount(TaxData_T2042New::F_Percentage, 100);
        T1 *t = p->t1();
        t->setFlag(T1::F_RestrictedFarmLoss, restricted);
        p->calculateStage(false, 0, 1, false);
        QCOMPARE(t->amount(T1::F_14100), line14100);
        QCOMPARE(t->intValue(T1::F_FarmingSources), 1);
        // the person's answer is kept whatever the loss
        QCOMPARE(t->flag(T1::F_RestrictedFarmLoss), restricted);
    }

    void cpt20Entries_data()
    {
        QTest::addColumn<int>("slips");
        QTest::addColumn<int>("entries");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("six") << 6 << 6;
        QTest::newRow("seven: the last ignored") << 7 << 6;
    }
    void cpt20Entries()
    {
        QFETCH(int, slips);
        QFETCH(int, entries);
        auto p = m_persons.person(Province::Ontario, {FormType::CPT20});
        for (int i = 1; i <= slips; ++i)
            addT4(*p, i == 7 ? Province::Quebec : Province::Ontario, 777.0 * i, 10.0 * i, 0,
                  i == 1 ? 0.0 : 1000.0 * i);
        p->calculateStage(false, 0, 1, false);
        auto *cpt20 = static_cast<TaxData_CPT20_New *>(p->getForm(FormType::CPT20, 0, false));
        const FieldRowList &rows = cpt20->rows(0);
        QCOMPARE(rows.count(), entries);
        // a slip without pensionable earnings gives its employment income
        QCOMPARE(rows.row(0).number(TaxData_CPT20_New::C_Pensionable), 777.0);
        const FieldRecord &last = rows.row(entries - 1);
        QCOMPARE(last.number(TaxData_CPT20_New::C_Pensionable), entries == 1 ? 777.0 : 1000.0 * entries);
        QCOMPARE(last.number(TaxData_CPT20_New::C_Contributions), 10.0 * entries);
        QCOMPARE(last.number(TaxData_CPT20_New::C_Province), double(Province::Ontario));
    }

    void cppFormSelector_data()
    {
        QTest::addColumn<double>("box16");
        QTest::addColumn<double>("box17");
        QTest::addColumn<int>("selector");
        QTest::addColumn<int>("form");
        QTest::newRow("CPP and QPP: the Quebec plan") << 1500.0 << 900.0 << 2 << int(FormType::RC381);
        QTest::newRow("CPP only") << 1500.0 << 0.0 << 1 << int(FormType::Schedule8);
        QTest::newRow("neither") << 0.0 << 0.0 << 0 << 0;
    }
    void cppFormSelector()
    {
        QFETCH(double, box16);
        QFETCH(double, box17);
        QFETCH(int, selector);
        QFETCH(int, form);
        auto p = m_persons.person(Province::Ontario);
        addT4(*p, Province::Ontario, 40000, box16, box17, 0);
        p->calculateStage(false, 0, 1, false);
        QCOMPARE(p->t1()->cppFormSelector(), selector);
        if (form)
            QVERIFY(p->hasForm(form));
        else
            QVERIFY(!p->hasForm(FormType::RC381) && !p->hasForm(FormType::Schedule8));
    }

    void deathBenefitExcess_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("otherIncome");
        QTest::newRow("10000.005: nothing") << 10000.005 << 0.0;
        QTest::newRow("500 above") << 10500.0 << 500.0;
    }
    void deathBenefitExcess()
    {
        QFETCH(double, amount);
        QFETCH(double, otherIncome);
        auto p = m_persons.person(Province::Ontario);
        addSlip<TaxData_Slip_T3>(*p, SlipType::T3, {{TaxData_Slip_T3::F_AmountE, amount}});
        p->calculateStage(false, 0, 1, false);
        QVERIFY(qAbs(p->t1()->amount(T1::F_13000) - otherIncome) < 1e-6);
    }

    void principalResidence_data()
    {
        QTest::addColumn<double>("proceeds");
        QTest::addColumn<bool>("sch3");
        QTest::newRow("no gain: no Schedule 3") << 300000.0 << false;
        QTest::newRow("a gain designated in part") << 400000.0 << true;
    }
    void principalResidence()
    {
        QFETCH(double, proceeds);
        QFETCH(bool, sch3);
        auto p = m_persons.person(Province::Ontario, {FormType::T2091IND});
        auto *f = p->getForm(FormType::T2091IND, 0, false);
        f->setAmount(TaxData_T2091::F_Proceeds, proceeds);
        f->setAmount(TaxData_T2091::F_Cost, 300000.0);
        f->setIntValue(TaxData_T2091::F_YearsOwned, 10);
        f->setIntValue(TaxData_T2091::F_YearsDesignated, 4);
        p->calculateStage(false, 0, 1, false);
        QCOMPARE(p->hasForm(FormType::Schedule3), sch3);
    }

    // Stage 1 runs its named steps in the same order whatever forms exist.
    void stage1Order_data()
    {
        QTest::addColumn<QList<int>>("forms");
        QTest::newRow("every form of the stage")
            << QList<int>{FormType::Worksheet5000D1, FormType::CPT20, FormType::RC383, FormType::T5013Schedule,
                          FormType::T1212, FormType::T776, FormType::T2042, FormType::T2125, FormType::T2091IND,
                          FormType::Schedule3, FormType::T2205};
        QTest::newRow("a T1 alone") << QList<int>{};
    }
    void stage1Order()
    {
        QFETCH(QList<int>, forms);
        auto p = m_persons.person(Province::Ontario);
        for (int type : forms)
            QVERIFY(p->getForm(type, 0, true));
        addT4(*p, Province::Ontario, 40000, 1500, 0, 40000);
        const QStringList expected{
            "every entry", "province name", "slip totals", "slip amounts reset", "spouse information",
            "lines from zero", "advance Canada workers benefit", "slip income lines", "slip investment amounts",
            "exempt income", "slip amounts on forms", "T4 slips on the CPT20", "CPP form choice",
            "T4 totals on the CPP forms", "EI and PPIP", "slip donations and deferred options", "dividend worksheet",
            "other slip lines", "PRPP contributions", "RC383", "accrued annuity income", "repayments and withdrawals",
            "FHSA and tuition", "pension split", "edited tax-wizard record", "filing status and discounter",
            "statement lines from zero", "partnerships", "deferred options and T2043",
            "rental and farming statements", "restricted farm loss", "fishing and business statements",
            "principal residences", "gifts and reserves", "capital gains", "dividends", "spousal withdrawals",
            "province of business"};
        QCOMPARE(tracedCalls(*p, 1, expected), expected);
    }

    // Stage 2 runs its named steps in the order the T1 takes the deductions, whatever forms exist.
    void stage2Order_data()
    {
        QTest::addColumn<QList<int>>("forms");
        QTest::newRow("every form of the stage")
            << QList<int>{FormType::Schedule7, FormType::Schedule15, FormType::T929, FormType::T1_M, FormType::T1229,
                          FormType::T777, FormType::TL2, FormType::RC359, FormType::T1223, FormType::Schedule13,
                          FormType::CPT20, FormType::RC381, FormType::Schedule8, FormType::T2204, FormType::T1206,
                          FormType::T746, FormType::RC267, FormType::RC268, FormType::RC269, FormType::T778,
                          FormType::Worksheet5000D1, FormType::T936, FormType::T2048, FormType::T657, FormType::T2222};
        QTest::newRow("a T1 alone") << QList<int>{};
    }
    void stage2Order()
    {
        QFETCH(QList<int>, forms);
        auto p = m_persons.person(Province::Ontario);
        for (int type : forms)
            QVERIFY(p->getForm(type, 0, true));
        p->t1()->setCppFormSelector(2);
        const QStringList expected{
            "total income", "RRSP deduction", "FHSA deduction", "disability supports deduction", "moving expenses",
            "exploration and development expenses", "security option benefits", "employment expenses",
            "excess FHSA amounts", "clergy residence deduction", "self-employment earnings for the CPP",
            "EI premiums on self-employment", "PPIP premiums", "CPP election", "CPP months", "CPP form choice",
            "RC381 inputs", "Schedule 8 inputs", "CPP forms", "EI overpayment", "CPP lines",
            "no CPP on self-employment", "exploration deduction again", "foreign tax credits", "split income",
            "refunded RRSP contributions", "foreign plans", "net income before other deductions",
            "mortgage foreclosures", "net income before child care", "child care expenses",
            "net income before the repayment", "pension deduction of the slips", "social benefits repayment",
            "net income", "cumulative net investment loss", "minimum tax carryover", "security options deductions",
            "business transfer deduction", "capital gains deduction", "northern residents deductions",
            "taxable income"};
        QCOMPARE(tracedCalls(*p, 2, expected), expected);
    }

    void movingExpensesAddUp()
    {
        auto p = m_persons.person(Province::Ontario);
        for (double claim : {1200.0, 800.0}) {
            CTaxData_Form *f = p->addForm(FormType::T1_M, 0, true, 0, false)->object;
            f->setAmount(TaxData_T1MNew::F_DistanceOld, 100);
            f->setAmount(TaxData_T1MNew::F_Expenses, claim);
            f->setAmount(TaxData_T1MNew::F_IncomeAtNewLocation, 50000);
        }
        p->t1()->setAmount(T1::F_LYMovingExpenses, 300.0);
        QCOMPARE(p->calculateStage(false, 0, 2, false), 0);
        QCOMPARE(p->t1()->amount(T1::F_21900), 2300.0);
    }

    void disabilitySupportsIncome_data()
    {
        QTest::addColumn<double>("business");
        QTest::addColumn<double>("earned");
        QTest::newRow("0.005 not added") << 0.005 << 1000.0;
        QTest::newRow("250 added") << 250.0 << 1250.0;
        QTest::newRow("a loss not added") << -300.0 << 1000.0;
    }
    void disabilitySupportsIncome()
    {
        QFETCH(double, business);
        QFETCH(double, earned);
        auto p = m_persons.person(Province::Ontario, {FormType::T929});
        p->t1()->setAmount(T1::F_10100, 1000.0);
        p->t1()->setAmount(T1::F_13500, business);
        p->calculateStage(false, 0, 2, false);
        QCOMPARE(p->getForm(FormType::T929, 0, false)->amount(TaxData_T929New::F_EarnedIncome), earned);
    }

    void selfEmployedCppForm_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("Ontario: Schedule 8") << int(Province::Ontario) << QDate(1980, 5, 1) << 0 << 1;
        QTest::newRow("Ontario, no CPP months: kept") << int(Province::Ontario) << QDate(1950, 5, 1) << 0 << 0;
        QTest::newRow("Quebec with months of the other plan") << int(Province::Quebec) << QDate(1980, 5, 1) << 1 << 2;
        QTest::newRow("the Quebec plan is kept") << int(Province::Ontario) << QDate(1980, 5, 1) << 2 << 2;
    }
    void selfEmployedCppForm()
    {
        QFETCH(int, province);
        QFETCH(QDate, birth);
        QFETCH(int, before);
        QFETCH(int, after);
        auto p = m_persons.person(province);
        T1 *t = p->t1();
        t->setDateOfBirth(birth);
        t->setAmount(T1::F_13500, 20000.0);
        t->setCppFormSelector(before);
        p->calculateStage(false, 0, 2, false);
        QCOMPARE(t->cppFormSelector(), after);
    }

    // Self-employment earnings go to the plan of the province of residence: the QPP for
    // a resident of Quebec, the CPP elsewhere.
    void selfEmploymentPlan_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<double>("cpp");
        QTest::addColumn<double>("qpp");
        QTest::newRow("Quebec") << int(Province::Quebec) << 0.0 << 20000.0;
        QTest::newRow("Ontario") << int(Province::Ontario) << 20000.0 << 0.0;
    }
    void selfEmploymentPlan()
    {
        QFETCH(int, province);
        QFETCH(double, cpp);
        QFETCH(double, qpp);
        auto p = m_persons.person(province);
        T1 *t = p->t1();
        t->setAmount(T1::F_13500, 20000.0);
        p->calculateStage(false, 0, 0, false);
        double cppEarnings = -1.0, qppEarnings = -1.0;
        t->getSelfEmploymentIncomeForCPP(cppEarnings, qppEarnings);
        QCOMPARE(cppEarnings, cpp);
        QCOMPARE(qppEarnings, qpp);
    }
};

BQ_TEST_MAIN_CORE(TestStage12)
#include "tst_stage12.moc"
