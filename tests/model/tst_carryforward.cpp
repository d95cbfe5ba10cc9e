// Prior-year carry-forward of one person. Ontario's plug-in here is a test plug-in
// whose forms refuse to be carried into the new year.
#include "bqtest.h"
#include "importprioryearoptions.h"
#include "personfixture.h"
#include "taxdata_sch8_14.h"
#include "taxdata_sch9.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxdata_t776new.h"
#include "taxdata_taxnote.h"
#include "taxfactory.h"
#include <memory>

class TestCarryForward : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;

    static QList<int> formTypes(const IndividualTaxData &p)
    {
        QList<int> t;
        for (const FormEntry *e : p.forms())
            t << e->type;
        return t;
    }

    static CTaxData_Form *add(IndividualTaxData &p, int type, int field = -1, double amount = 0)
    {
        CTaxData_Form *f = p.addForm(type, 0, true, 0, false)->object;
        if (field >= 0)
            f->setAmount(field, amount);
        return f;
    }

    // Last year's return: identity and amounts in the T1, its summary, a Re-File
    // copy, an old Schedule 8, a rental statement, donations, a form of the test
    // plug-in, an RC381, a T4 and a note.
    void makePriorYear(IndividualTaxData &p)
    {
        m_fx.inOntario(p);
        auto *t1 = static_cast<TaxData_T1New *>(add(p, 1, TaxData_T1New::F_10100, 48000));
        t1->setFirstName(QStringLiteral("Ann"));
        t1->setSin(QStringLiteral("046454286"));
        t1->setSpouseFirstName(QStringLiteral("Bo"));
        add(p, 93, TaxData_T1KSNew::F_TotalIncome, 48000);
        add(p, 159, TaxData_T1KSNew::F_TotalIncome, 47000);
        add(p, 8);
        add(p, 12, TaxData_T776New::F_GrossRents, 9600);
        add(p, 9, TaxData_Sch9::F_Donations, 250);
        add(p, 25, 0, 75);
        add(p, 148);
        p.addSlip(1, 0, 0)->object->setAmount(TaxData_Slip_T4::F_Box14, 48000);
        p.findNote(7, true)->setNoteText(QStringLiteral("kept receipts"));
    }

private slots:
    void initTestCase() { QVERIFY(m_fx.setUp()); }
    void cleanupTestCase() { m_fx.tearDown(); }

    void withoutT1LeftAsRead()
    {
        IndividualTaxData p(0, &m_fx.deps);
        add(p, 9, TaxData_Sch9::F_Donations, 250);
        add(p, 159);
        p.addSlip(1, 0, 0);
        p.addNote(7);
        p.setMovingAmountCarried(500);
        p.carryForwardPriorYear(ImportPriorYearOptions{});
        QCOMPARE(formTypes(p), (QList<int>{9, 159}));
        QCOMPARE(p.getForm(9, 0, false)->amount(TaxData_Sch9::F_Donations), 250.0);
        QCOMPARE(p.slips().count(), 1);
        QCOMPARE(p.notes().count(), 1);
    }

    void options_data()
    {
        QTest::addColumn<bool>("keepNotes");
        QTest::addColumn<bool>("sfd");
        QTest::addColumn<bool>("keepForms");
        QTest::addColumn<bool>("copyAll");
        QTest::newRow("nothing") << false << false << false << false;
        QTest::newRow("notes") << true << false << false << false;
        QTest::newRow("SFD data") << false << true << false << false;
        QTest::newRow("forms unchanged") << false << false << true << false;
        QTest::newRow("all data") << false << false << false << true;
        QTest::newRow("forms unchanged, all data") << false << false << true << true;
    }
    void options()
    {
        QFETCH(bool, keepNotes);
        QFETCH(bool, sfd);
        QFETCH(bool, keepForms);
        QFETCH(bool, copyAll);
        IndividualTaxData p(0, &m_fx.deps);
        makePriorYear(p);
        const int nextId = p.entryIdCounter();
        const int carriedBefore = m_fx.pluginCounter("tstCarriedCount");

        ImportPriorYearOptions options;
        options.keepNotes = keepNotes;
        options.includeSelfBusinessData = sfd;
        options.keepFormsUnchanged = keepForms;
        options.copyAllData = copyAll;
        p.carryForwardPriorYear(options);

        // 159 and 8 never continue; 148 becomes a new Schedule 8 at the end
        QList<int> types{1, 93, 12, 9};
        if (keepForms)
            types << 25;
        types << 165 << 150;
        QCOMPARE(formTypes(p), types);
        const FormEntry *sch8 = p.forms().at(p.forms().count() - 1);
        QVERIFY(dynamic_cast<TaxData_Sch8_14 *>(sch8->object));
        QCOMPARE(sch8->id, nextId + 1);   // after form 165
        QCOMPARE(sch8->linkedId, 0);

        if (!keepForms) {
            // the refusal test was asked with the edition and the province
            QCOMPARE(m_fx.pluginCounter("tstLastEdition"), 1);
            QCOMPARE(m_fx.pluginCounter("tstLastProvince"), 9);
        } else {
            QCOMPARE(m_fx.pluginCounter("tstCarriedCount"), carriedBefore + 1);
        }

        // form 165 keeps last year's summary, never carried itself
        QCOMPARE(p.getForm(165, 0, false)->amount(TaxData_T1KSNew::F_TotalIncome), 48000.0);
        QCOMPARE(p.getForm(93, 0, false)->amount(TaxData_T1KSNew::F_TotalIncome), copyAll ? 48000.0 : 0.0);

        const TaxData_T1New *t1 = p.t1();
        QCOMPARE(t1->firstName(), QStringLiteral("Ann"));
        QCOMPARE(t1->sin(), QStringLiteral("046454286"));
        QCOMPARE(t1->spouseFirstName(), QStringLiteral("Bo"));
        QCOMPARE(t1->amount(TaxData_T1New::F_10100), copyAll ? 48000.0 : 0.0);
        QCOMPARE(p.getForm(12, 0, false)->amount(TaxData_T776New::F_GrossRents), copyAll || sfd ? 9600.0 : 0.0);
        QCOMPARE(p.getForm(9, 0, false)->amount(TaxData_Sch9::F_Donations), copyAll ? 250.0 : 0.0);

        QCOMPARE(p.slips().count(), keepForms ? 1 : 0);
        if (keepForms)
            QCOMPARE(p.slips().at(0)->object->amount(TaxData_Slip_T4::F_Box14), copyAll ? 48000.0 : 0.0);
        QCOMPARE(p.notes().count(), keepNotes ? 1 : 0);
        if (keepNotes)
            QCOMPARE(p.findNote(7, false)->noteText(), QStringLiteral("kept receipts"));
    }

    void existingSchedule8Stays()
    {
        IndividualTaxData p(0, &m_fx.deps);
        add(p, 1);
        add(p, 150, TaxData_Sch8_14::F_SelfEmployment, 1200);
        add(p, 148);
        ImportPriorYearOptions options;
        options.copyAllData = true;
        p.carryForwardPriorYear(options);
        QCOMPARE(formTypes(p), (QList<int>{1, 150, 93, 165}));
        QCOMPARE(p.getForm(150, 0, false)->amount(TaxData_Sch8_14::F_SelfEmployment), 1200.0);
    }

    // A form whose amounts run on from year to year opens the new year with last year's
    // closing amount, whether the import keeps data or not; everything else starts afresh.
    void formsOpenWithClosingAmounts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("lastYear");   // "Key=amount ..."
        QTest::addColumn<QString>("opening");    // the field that opens the new year
        QTest::addColumn<double>("carried");
        // 3,000 carried in + 9,000 fees - 2,000 claimed = 10,000 unused
        QTest::newRow("Schedule 11") << 11
            << "CarriedForward=3000 EligibleTuition=9000 FullTimeMonths=8 ClaimedAmount=2000 CarryForwardNext=10000"
            << "CarriedForward" << 10000.0;
        // 500 unused + 10,000 contributed - 2,000 deducted = 8,500 unused
        QTest::newRow("Schedule 7") << 7
            << "UnusedContributions=500 ContribRestOfYear=10000 DeductionLimit=2000 Deduction=2000 CarryForward=8500"
            << "UnusedContributions" << 8500.0;
        // the unused 4,000 goes to the T1 (movingAmount below); the form starts empty
        QTest::newRow("T1-M") << 102 << "Expenses=5000 IncomeAtNewLocation=1000 Deduction=1000 CarryForward=4000"
                              << "" << 0.0;
        // 1,200 + 300 deferred - 500 included = 1,000 at line 67910
        QTest::newRow("T1212") << 18 << "BalanceLastYear=1200 Deferred=300 Included=500 F67910=1000"
                               << "BalanceLastYear" << 1000.0;
        // the reserve claimed this year is brought back into income next year
        QTest::newRow("T2017") << 37 << "ReserveLastYear=800 ReserveThisYear=600 GainFromReserve=800 Deduction=600"
                               << "ReserveLastYear" << 600.0;
        // 250 from earlier years + 900 expenses - 400 income = 750 at the end of the year
        QTest::newRow("T936") << 32 << "InvestmentExpenses=900 InvestmentIncome=400 PriorCNIL=250 CNIL=750"
                              << "PriorCNIL" << 750.0;
        // 100,000 deducted in earlier years + 20,000 this year
        QTest::newRow("T657") << 40 << "TaxableGains=20000 PriorDeductions=100000 Deduction=20000"
                              << "PriorDeductions" << 120000.0;
        // 15 % of 6,000 + 600 carried in = 1,500 available, 900 used against the tax: 600 left
        QTest::newRow("T2038") << 20 << "Expenditures=6000 CarriedForward=600 LineC=1500 Credit=900"
                               << "CarriedForward" << 600.0;
    }
    void formsOpenWithClosingAmounts()
    {
        QFETCH(int, type);
        QFETCH(QString, lastYear);
        QFETCH(QString, opening);
        QFETCH(double, carried);
        for (bool keepData : {false, true}) {
            std::unique_ptr<CTaxData_Form> form(createForm(type));
            QVERIFY(form);
            for (const QString &pair : lastYear.split(QLatin1Char(' '))) {
                const QStringList kv = pair.split(QLatin1Char('='));
                QVERIFY2(form->setValueByKey(kv.at(0), kv.at(1)), qPrintable(pair));
            }
            form->carryForward(keepData);
            const FieldTable &table = form->fieldTable();
            for (int i = 0; i < table.count(); ++i) {
                const FieldSpec &spec = table.spec(i);
                if (!FieldTable::isNumeric(spec.kind))
                    continue;
                const double expected = QLatin1String(spec.key) == opening ? carried : spec.defaultValue;
                QVERIFY2(qAbs(form->fields().number(i) - expected) < 0.005,
                         qPrintable(QStringLiteral("%1 %2").arg(spec.key).arg(keepData)));
            }
        }
    }

    void movingAmount_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("carried");
        QTest::newRow("19,999.99") << 19999.99 << 19999.99;
        QTest::newRow("20,000") << 20000.0 << 0.0;
        QTest::newRow("19,999.992") << 19999.992 << 0.0;
        QTest::newRow("0.009") << 0.009 << 0.009;
        QTest::newRow("0.008") << 0.008 << 0.0;
    }
    void movingAmount()
    {
        QFETCH(double, amount);
        QFETCH(double, carried);
        IndividualTaxData p(0, &m_fx.deps);
        add(p, 1, TaxData_T1New::F_LYMovingExpenses, 0);
        p.setMovingAmountCarried(amount);
        p.carryForwardPriorYear(ImportPriorYearOptions{});
        QCOMPARE(p.t1()->lastYearMovingExpenses(), carried);
    }
};

BQ_TEST_MAIN_CORE(TestCarryForward)
#include "tst_carryforward.moc"
