// Paired and exclusive forms of a person: provincial partners, the two CPP
// forms, the Schedule 5 date and the income thresholds. The test plug-in pairs
// 3 -> 24, 11 -> 25, 13 -> 26, 148 -> 27 and 150 -> 28.
#include "bqtest.h"
#include "personfixture.h"
#include "taxdata_sch5.h"
#include "taxdata_t1new.h"

class TestPairedForms : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;

    TaxData_T1New *setUpPerson(IndividualTaxData &p)
    {
        m_fx.inOntario(p);
        return static_cast<TaxData_T1New *>(p.addForm(1, 0, true, 0, false)->object);
    }

private slots:
    void initTestCase() { QVERIFY(m_fx.setUp()); }
    void cleanupTestCase() { m_fx.tearDown(); }

    void resolveProvincialForm_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("partner");
        QTest::addColumn<bool>("haveType");
        QTest::addColumn<bool>("havePartner");
        QTest::addColumn<int>("result");
        QTest::newRow("Schedule 2 alone gains its partner") << 3 << 24 << true << false << 1;
        QTest::newRow("partner alone gains Schedule 2") << 3 << 24 << false << true << 1;
        QTest::newRow("Schedule 11 with its partner") << 11 << 25 << true << true << 0;
        QTest::newRow("neither Schedule 11 nor partner") << 11 << 25 << false << false << 0;
        QTest::newRow("type without partner") << 12 << 0 << true << false << 0;
    }
    void resolveProvincialForm()
    {
        QFETCH(int, type);
        QFETCH(int, partner);
        QFETCH(bool, haveType);
        QFETCH(bool, havePartner);
        QFETCH(int, result);
        IndividualTaxData p(0, &m_fx.deps);
        setUpPerson(p);
        if (haveType)
            QVERIFY(p.getForm(type, 0, true));
        if (havePartner && partner)
            QVERIFY(p.getForm(partner, 0, true));
        const int before = p.formCount(0);
        QCOMPARE(p.resolveProvincialForm(type), result);
        QCOMPARE(p.formCount(0), before + result);
        if (partner) {
            QCOMPARE(p.countForms(type), haveType || havePartner ? 1 : 0);
            QCOMPARE(p.countForms(partner), haveType || havePartner ? 1 : 0);
        } else {
            QCOMPARE(p.countForms(type), haveType ? 1 : 0);
        }
    }

    void resolveProvincialFormsT778OneWay_data()
    {
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<int>("made");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("schedules 2 and 11 and a T778") << QList<int>{3, 11, 13} << 3 << QList<int>{24, 25, 26};
        QTest::newRow("T778 with its partner") << QList<int>{13, 26} << 0 << QList<int>{13, 26};
        QTest::newRow("T778's partner alone makes no T778") << QList<int>{26} << 0 << QList<int>{26};
        QTest::newRow("nothing to pair") << QList<int>{} << 0 << QList<int>{};
    }
    void resolveProvincialFormsT778OneWay()
    {
        QFETCH(QList<int>, present);
        QFETCH(int, made);
        QFETCH(QList<int>, expected);
        IndividualTaxData p(0, &m_fx.deps);
        setUpPerson(p);
        for (int type : present)
            QVERIFY(p.getForm(type, 0, true));
        QCOMPARE(p.resolveProvincialForms(), made);
        for (int type : expected)
            QVERIFY2(p.hasForm(type), qPrintable(QString::number(type)));
        QCOMPARE(p.hasForm(13), present.contains(13));
        QCOMPARE(p.formCount(0), 1 + present.size() + made);
    }

    void cppForms_data()
    {
        QTest::addColumn<int>("selector");
        QTest::addColumn<bool>("have148");
        QTest::addColumn<bool>("have150");
        QTest::addColumn<int>("ensured");
        QTest::addColumn<int>("removed");
        QTest::addColumn<bool>("end148");
        QTest::addColumn<bool>("end150");
        QTest::newRow("1: makes 150, drops 148") << 1 << true << false << 1 << 1 << false << true;
        QTest::newRow("1: both kept by ensure, 148 dropped") << 1 << true << true << 0 << 1 << false << true;
        QTest::newRow("2: makes 148, drops 150") << 2 << false << true << 1 << 1 << true << false;
        QTest::newRow("2: 148 present, nothing to drop") << 2 << true << false << 0 << 0 << true << false;
        QTest::newRow("0: neither made") << 0 << false << false << 0 << 0 << false << false;
        QTest::newRow("0: both kept") << 0 << true << true << 0 << 0 << true << true;
        QTest::newRow("3: both kept") << 3 << true << true << 0 << 0 << true << true;
    }
    void cppForms()
    {
        QFETCH(int, selector);
        QFETCH(bool, have148);
        QFETCH(bool, have150);
        QFETCH(int, ensured);
        QFETCH(int, removed);
        QFETCH(bool, end148);
        QFETCH(bool, end150);
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = setUpPerson(p);
        t1->setCppFormSelector(selector);
        if (have148) {
            QVERIFY(p.getForm(148, 0, true));
            QVERIFY(p.getForm(27, 0, true));
        }
        if (have150) {
            QVERIFY(p.getForm(150, 0, true));
            QVERIFY(p.getForm(28, 0, true));
        }
        QCOMPARE(p.ensureForm148or150(t1->cppFormSelector()), ensured);
        QCOMPARE(p.removeForm148or150(), removed);
        QCOMPARE(p.hasForm(148), end148);
        QCOMPARE(p.hasForm(150), end150);
        // the dropped form's provincial partner goes with it
        if (removed)
            QVERIFY(!p.hasForm(selector == 1 ? 27 : 28));
        QCOMPARE(p.countForms(148), end148 ? 1 : 0);
        QCOMPARE(p.countForms(150), end150 ? 1 : 0);
    }

    void removeWithoutT1()
    {
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        QVERIFY(p.getForm(148, 0, true));
        QCOMPARE(p.removeForm148or150(), 0);
        QVERIFY(p.hasForm(148));
    }

    void sch5Date_data()
    {
        QTest::addColumn<bool>("editedIsOther");
        QTest::addColumn<int>("editedType");
        QTest::addColumn<bool>("copied");
        QTest::newRow("Schedule 5 edited") << false << 6 << true;
        QTest::newRow("another form edited") << false << 7 << false;
        QTest::newRow("second spouse") << false << 0 << false;
        QTest::newRow("a slip or wizard record of type 6") << true << 6 << false;
    }
    void sch5Date()
    {
        QFETCH(bool, editedIsOther);
        QFETCH(int, editedType);
        QFETCH(bool, copied);
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = setUpPerson(p);
        const QDate old(2024, 1, 15);
        const QDate edited(2024, 6, 30);
        t1->setSch5Date(old);
        p.getForm(6, 0, true)->setDate(TaxData_Sch5::F_Date, edited);
        p.syncSch5DateToT1(editedIsOther, editedType);
        QCOMPARE(t1->sch5Date(), copied ? edited : old);
    }

    void sch5DateWithoutSchedule5()
    {
        IndividualTaxData p(0, &m_fx.deps);
        TaxData_T1New *t1 = setUpPerson(p);
        t1->setSch5Date(QDate(2024, 2, 2));
        p.syncSch5DateToT1(false, 6);
        QCOMPARE(t1->sch5Date(), QDate(2024, 2, 2));
    }

    void incomeThresholds()
    {
        IndividualTaxData p(0, &m_fx.deps);
        setUpPerson(p);
        QList<double> list{1.0};
        p.getIncomeThresholds(list);
        // the caller's entries stay; the federal bracket starts, then the plug-in's own
        QCOMPARE(list, (QList<double>{1.0, 55867.0, 111733.0, 173205.0, 246752.0, 99999.0}));

        IndividualTaxData none(0, &m_fx.deps);
        m_fx.inOntario(none);
        QList<double> onlyProvince;
        none.getIncomeThresholds(onlyProvince);
        QCOMPARE(onlyProvince, QList<double>{99999.0});
    }
};

BQ_TEST_MAIN_CORE(TestPairedForms)
#include "tst_pairedforms.moc"
