// The tax-wizard records and the return kept in step both ways: applying one
// record into the forms, refreshing all records from the return.
#include "bqtest.h"
#include "cwizdata_dependant.h"
#include "cwizdata_medexp.h"
#include "personfixture.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_rrspcontrib.h"
#include "taxdata_sch11.h"
#include "taxdata_sch7.h"
#include "taxdata_sch9.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"
#include "taxdata_wizard_general.h"

using T1 = TaxData_T1New;
using G = TaxData_Wizard_General;
using L = TaxData_LastYearAmounts;
using D = CWizData_Dependant;
using M = CWizData_MedExp;
using R = TaxData_RRSPContrib;

class TestWizardRecords : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;

    T1 *setUpPerson(IndividualTaxData &p)
    {
        m_fx.inOntario(p);
        auto *t1 = static_cast<T1 *>(p.addForm(1, 0, true, 0, false)->object);
        t1->setFirstName(QStringLiteral("Anne"));
        t1->setLastName(QStringLiteral("Roy"));
        t1->setSin(QStringLiteral("046454286"));
        t1->setDateOfBirth(QDate(1970, 3, 4));
        return t1;
    }

    // Mia, a child born 2010, and Rose, an other dependant born 1950, in p's Dependants record, applied.
    D *miaAndRose(IndividualTaxData &p)
    {
        auto *record = static_cast<D *>(p.findWizardData(3, true));
        const char *names[] = {"Mia", "Rose"};
        for (int i = 0; i < 2; ++i) {
            record->slot(i).setText(D::C_FirstName, QLatin1String(names[i]));
            record->slot(i).setDate(D::C_BirthDate, QDate(1950 + 60 * (1 - i), 1, 1));
            record->slot(i).setNumber(D::C_Relation, i == 0 ? DependantInfo::Child : DependantInfo::Other);
        }
        p.applyWizardRecord(3);
        return record;
    }

private slots:
    void initTestCase() { QVERIFY(m_fx.setUp()); }
    void cleanupTestCase() { m_fx.tearDown(); }
    void init() { m_fx.pluginCounter("tstReset"); }

    void generalRecordAndForm9_data()
    {
        QTest::addColumn<double>("donations");
        QTest::addColumn<double>("ecological");
        QTest::addColumn<bool>("haveForm9");
        QTest::addColumn<bool>("form9After");
        QTest::newRow("0.01 makes form 9") << 0.01 << 0.0 << false << true;
        QTest::newRow("ecological gift alone makes form 9") << 0.0 << 250.0 << false << true;
        QTest::newRow("0.008 makes none") << 0.008 << 0.0 << false << false;
        QTest::newRow("-0.008 makes none") << -0.008 << 0.0 << false << false;
        QTest::newRow("existing form 9 takes zeros") << 0.0 << 0.0 << true << true;
    }
    void generalRecordAndForm9()
    {
        QFETCH(double, donations);
        QFETCH(double, ecological);
        QFETCH(bool, haveForm9);
        QFETCH(bool, form9After);
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = setUpPerson(p);
        CTaxData_Form *sch9 = haveForm9 ? p.getForm(9, 0, true) : nullptr;
        if (sch9)
            sch9->setAmount(TaxData_Sch9::F_Donations, 99.0);
        CTaxData_Form *record = p.findWizardData(1, true);
        record->setFlag(G::F_ElectionsCanada, true);
        record->setFlag(G::F_OrganDonor, true);
        record->setAmount(G::F_Instalments, 1200.0);
        record->setAmount(G::F_Donations, donations);
        record->setAmount(G::F_EcologicalGifts, ecological);

        CTaxData_Form *touched = p.applyWizardRecord(1);
        QVERIFY(t1->flag(T1::F_ElectionsCanada));
        QVERIFY(t1->flag(T1::F_OrganDonor));
        QVERIFY(!t1->flag(T1::F_RuralSupplement));
        QCOMPARE(t1->amount(T1::F_47600), 1200.0);
        QCOMPARE(p.hasForm(9), form9After);
        if (form9After) {
            sch9 = p.getForm(9, 0, false);
            QCOMPARE(touched, sch9);
            QCOMPARE(sch9->amount(TaxData_Sch9::F_Donations), donations);
            QCOMPARE(sch9->amount(TaxData_Sch9::F_EcologicalGifts), ecological);
        } else {
            QCOMPARE(touched, static_cast<CTaxData_Form *>(t1));
        }

        // refreshing fills the record back from the return
        t1->setFlag(T1::F_OrganDonor, false);
        t1->setAmount(T1::F_13000, 40.0);
        record->setAmount(G::F_Donations, 5.0);
        p.refreshWizardRecords(false);
        QVERIFY(!record->flag(G::F_OrganDonor));
        QCOMPARE(record->amount(G::F_OtherIncome), 40.0);
        QCOMPARE(record->amount(G::F_Donations), form9After ? donations : 0.0);
        QCOMPARE(record->amount(G::F_EcologicalGifts), form9After ? ecological : 0.0);
    }

    void rrspRecord_data()
    {
        QTest::addColumn<double>("first60");
        QTest::addColumn<double>("rest");
        QTest::addColumn<double>("spousal");
        QTest::addColumn<bool>("haveForm7");
        QTest::addColumn<bool>("form7After");
        QTest::newRow("nothing entered, no form 7") << 0.0 << 0.005 << 0.008 << false << false;
        QTest::newRow("spousal contribution makes form 7") << 0.0 << 0.0 << 0.01 << false << true;
        QTest::newRow("contributions make form 7") << 1000.0 << 2500.0 << 0.0 << false << true;
        QTest::newRow("existing form 7 takes zeros") << 0.0 << 0.0 << 0.0 << true << true;
    }
    void rrspRecord()
    {
        QFETCH(double, first60);
        QFETCH(double, rest);
        QFETCH(double, spousal);
        QFETCH(bool, haveForm7);
        QFETCH(bool, form7After);
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = setUpPerson(p);
        if (haveForm7)
            p.getForm(7, 0, true)->setAmount(TaxData_Sch7::F_ContribFirst60Days, 77.0);
        t1->setAmount(T1::F_RRSPContribFirst60, 33.0);
        CTaxData_Form *record = p.findWizardData(5, true);
        record->setAmount(R::F_ContribFirst60Days, first60);
        record->setAmount(R::F_ContribRestOfYear, rest);
        record->setAmount(R::F_SpousalContrib, spousal);
        record->setAmount(R::F_HBPRepayment, 600.0);
        record->setAmount(R::F_UnusedContributions, 150.0);
        p.applyWizardRecord(5);
        QCOMPARE(p.hasForm(7), form7After);
        QCOMPARE(t1->amount(T1::F_RRSPContribRest), rest);
        if (!form7After) {
            QCOMPARE(t1->amount(T1::F_RRSPContribFirst60), 33.0);
            return;
        }
        CTaxData_Form *sch7 = p.getForm(7, 0, false);
        QCOMPARE(t1->amount(T1::F_RRSPContribFirst60), first60);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribFirst60Days), first60);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribRestOfYear), rest);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_SpousalCurrent), spousal);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_HBPRepayment), 600.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_UnusedContributions), 150.0);

        sch7->setAmount(TaxData_Sch7::F_ContribRestOfYear, 444.0);
        p.refreshWizardRecords(false);
        QCOMPARE(record->amount(R::F_ContribRestOfYear), 444.0);
    }

    void rrspRefreshWithoutForm7()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = setUpPerson(p);
        CTaxData_Form *record = p.findWizardData(5, true);
        record->setAmount(R::F_HBPRepayment, 600.0);
        t1->setAmount(T1::F_RRSPContribFirst60, 10.0);
        t1->setAmount(T1::F_RRSPContribRest, 20.0);
        t1->setAmount(T1::F_LYRRSPLimit, 7000.0);
        p.refreshWizardRecords(false);
        // the limit shown is last year's as the T1 keeps it
        QCOMPARE(record->amount(R::F_DeductionLimit), 7000.0);
        QCOMPARE(record->amount(R::F_ContribFirst60Days), 10.0);
        QCOMPARE(record->amount(R::F_ContribRestOfYear), 20.0);
        QCOMPARE(record->amount(R::F_HBPRepayment), 600.0);
    }

    void dependantNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bytes");
        QTest::newRow("short") << QStringLiteral("Émile") << 6;
        QTest::newRow("79 bytes") << QString(79, QLatin1Char('a')) << 79;
        QTest::newRow("100 ASCII") << QString(100, QLatin1Char('b')) << 79;
        // 40 two-byte letters: the 40th would straddle byte 79, so it goes whole
        QTest::newRow("two-byte letters") << QString(40, QChar(0x00E9)) << 78;
        // 20 four-byte letters (80 bytes): 19 fit
        QTest::newRow("four-byte letters") << QString::fromUcs4(std::vector<char32_t>(20, 0x1F600).data(), 20) << 76;
    }
    void dependantNames()
    {
        QFETCH(QString, name);
        QFETCH(int, bytes);
        DependantInfoStruct deps;
        IndividualTaxData p(0, &deps);
        T1 *t1 = setUpPerson(p);
        auto *record = static_cast<D *>(p.findWizardData(3, true));
        FieldRecord &slot = record->slot(11);
        slot.setText(D::C_FirstName, name);
        slot.setText(D::C_LastName, QStringLiteral("Roy"));
        slot.setNumber(D::C_Relation, DependantInfo::Child);
        slot.setNumber(D::C_Infirm, 1);
        slot.setDate(D::C_BirthDate, QDate(2012, 2, 29));
        slot.setNumber(D::C_NetIncome, 1234.5);
        slot.setText(D::C_SIN, QStringLiteral("123456789"));

        QCOMPARE(p.applyWizardRecord(3), static_cast<CTaxData_Form *>(t1));
        QCOMPARE(deps.count(), 12);
        const DependantInfo &d = deps.at(11);
        const QByteArray stored = d.firstName.toUtf8();
        QCOMPARE(stored.size(), bytes);
        QVERIFY(name.toUtf8().startsWith(stored));
        QVERIFY(!d.firstName.contains(QChar::ReplacementCharacter));
        QCOMPARE(d.lastName, QStringLiteral("Roy"));
        QCOMPARE(d.relation, int(DependantInfo::Child));
        QVERIFY(d.infirm);
        QCOMPARE(d.birthDate, QDate(2012, 2, 29));
        QCOMPARE(d.netIncome, 1234.5);
        QCOMPARE(d.sin, QStringLiteral("123456789"));
        QCOMPARE(deps.GetDepChildrenNumberForLine305(), 1);
    }

    void dependantRefresh()
    {
        DependantInfoStruct deps;
        deps.AllocData(12);
        deps.at(0).firstName = QStringLiteral("Léa");
        deps.at(0).birthDate = QDate(2010, 7, 8);
        deps.at(0).relation = DependantInfo::Other;
        deps.at(0).netIncome = 55.0;
        IndividualTaxData p(0, &deps);
        setUpPerson(p);
        auto *record = static_cast<D *>(p.findWizardData(3, true));
        p.refreshWizardRecords(false);
        const FieldRecord &slot = record->slot(0);
        QCOMPARE(slot.text(D::C_FirstName), QStringLiteral("Léa"));
        QCOMPARE(slot.date(D::C_BirthDate), QDate(2010, 7, 8));
        QCOMPARE(int(slot.number(D::C_Relation)), int(DependantInfo::Other));
        QCOMPARE(slot.number(D::C_NetIncome), 55.0);
        QVERIFY(!record->slot(1).date(D::C_BirthDate).isValid());
    }

    void withoutSharedDependants()
    {
        IndividualTaxData p(0, nullptr);
        T1 *t1 = setUpPerson(p);
        auto *deps = static_cast<D *>(p.findWizardData(3, true));
        deps->slot(0).setText(D::C_FirstName, QStringLiteral("X"));
        QCOMPARE(p.applyWizardRecord(3), static_cast<CTaxData_Form *>(t1));
        auto *med = static_cast<M *>(p.findWizardData(4, true));
        med->setAmount(M::F_SelfExpenses, 900.0);
        med->setDependantAmount(2, M::C_Expenses, 300.0);
        p.applyWizardRecord(4);
        QCOMPARE(t1->amount(T1::F_33099), 900.0);
        QCOMPARE(t1->medicalAmount(2, T1::M_Expenses), 0.0);
        p.refreshWizardRecords(false);
        QCOMPARE(med->text(M::F_FirstName), QString());
        QCOMPARE(deps->slot(0).text(D::C_FirstName), QStringLiteral("X"));
    }

    // The medical record on the T1's table: a child under 18 with the person
    // (line 33099), each other dependant on a row of its own with its net income.
    void medicalRecord()
    {
        DependantInfoStruct deps;
        deps.AllocData(12);
        auto dependant = [&deps](int slot, const char *name, QDate born, int relation, double netIncome) {
            DependantInfo &d = deps.at(slot);
            d.firstName = QString::fromLatin1(name);
            d.lastName = QStringLiteral("Roy");
            d.birthDate = born;
            d.relation = relation;
            d.netIncome = netIncome;
        };
        dependant(0, "Mia", QDate(2014, 5, 5), DependantInfo::Child, 0.0);     // 10: with the person
        dependant(1, "Rose", QDate(1950, 1, 1), DependantInfo::Other, 12000.0);
        dependant(2, "Liam", QDate(2004, 2, 2), DependantInfo::Child, 0.0);    // 20: a row of his own
        IndividualTaxData p(0, &deps);
        T1 *t1 = setUpPerson(p);
        auto *med = static_cast<M *>(p.findWizardData(4, true));
        med->setAmount(M::F_SelfExpenses, 1000.0);
        med->setAmount(M::F_SelfReimbursed, 100.0);
        med->setAmount(M::F_DisabilitySupports, 120.0);
        med->setDependantAmount(0, M::C_Expenses, 500.0);
        med->setDependantAmount(1, M::C_Expenses, 2000.0);
        med->setDependantAmount(1, M::C_Reimbursed, 200.0);
        med->setDependantAmount(2, M::C_Expenses, 800.0);
        med->setDependantAmount(5, M::C_Expenses, 999.0);   // an empty slot goes nowhere
        QCOMPARE(p.applyWizardRecord(4), static_cast<CTaxData_Form *>(t1));
        QCOMPARE(t1->amount(T1::F_21500), 120.0);
        QCOMPARE(t1->medicalAmount(0, T1::M_Expenses), 1500.0);
        QCOMPARE(t1->medicalAmount(0, T1::M_Reimbursed), 100.0);
        QCOMPARE(t1->medicalAmount(1, T1::M_Expenses), 2000.0);
        QCOMPARE(t1->medicalAmount(1, T1::M_Reimbursed), 200.0);
        QCOMPARE(t1->medicalAmount(1, T1::M_Other1), 12000.0);
        QCOMPARE(t1->medicalAmount(2, T1::M_Expenses), 800.0);
        QCOMPARE(t1->medicalAmount(3, T1::M_Expenses), 0.0);

        // no income, so no threshold on the person's group: 33099 = 1,500 - 100 = 1,400;
        // Rose 2,000 - 200 - 3 % x 12,000 (360) = 1,440; Liam 800; 33199 = 2,240
        t1->Calculate01();
        QCOMPARE(t1->amount(T1::F_33099), 1400.0);
        QCOMPARE(t1->amount(T1::F_33199), 2240.0);

        p.refreshWizardRecords(false);
        QCOMPARE(med->text(M::F_FirstName), QStringLiteral("Anne"));
        QCOMPARE(med->text(M::F_SIN), QStringLiteral("046454286"));
        QCOMPARE(med->date(M::F_DateOfBirth), QDate(1970, 3, 4));
        QCOMPARE(med->rows().row(1).text(M::C_Name), QStringLiteral("Rose Roy"));
        QCOMPARE(med->dependantAmount(1, M::C_Other1), 12000.0);
        QCOMPARE(med->dependantAmount(1, M::C_Allowable), 1440.0);
        QCOMPARE(med->dependantAmount(2, M::C_Allowable), 800.0);
        QCOMPARE(med->dependantAmount(0, M::C_Expenses), 500.0);
        QCOMPARE(med->dependantAmount(0, M::C_Allowable), 500.0);
        QCOMPARE(med->amount(M::F_SelfExpenses), 1000.0);
    }

    // A dependant taken out of the Dependants record takes its medical expenses
    // with it: the later dependants move up with theirs.
    void removedDependantTakesMedicalRow()
    {
        DependantInfoStruct deps;
        IndividualTaxData p(0, &deps);
        T1 *t1 = setUpPerson(p);
        D *record = miaAndRose(p);
        auto *med = static_cast<M *>(p.findWizardData(4, true));
        med->setDependantAmount(0, M::C_Expenses, 500.0);
        med->setDependantAmount(1, M::C_Expenses, 2000.0);
        p.applyWizardRecord(4);
        QCOMPARE(t1->medicalAmount(1, T1::M_Expenses), 2000.0);

        record->rows().removeAt(0);
        record->rows().append();
        p.applyWizardRecord(3);
        QCOMPARE(deps.at(0).firstName, QStringLiteral("Rose"));
        QVERIFY(!deps.at(1).isUsed());
        QCOMPARE(med->dependantAmount(0, M::C_Expenses), 2000.0);
        QCOMPARE(med->dependantAmount(1, M::C_Expenses), 0.0);
        // Mia's 500 is gone from the person's row; Rose keeps her own row
        QCOMPARE(t1->medicalAmount(0, T1::M_Expenses), 0.0);
        QCOMPARE(t1->medicalAmount(1, T1::M_Expenses), 2000.0);
    }

    // The family is both spouses': a dependant one of them removes takes the
    // other's medical expenses for it along too, and the dependant after it keeps
    // the other's amounts (Mia, a child, with the person's 33099 row; Rose, an
    // other dependant, on a T1 row of her own).
    void spouseFollowsRemovedDependant()
    {
        DependantInfoStruct deps;
        IndividualTaxData p(0, &deps);
        IndividualTaxData q(0, &deps);
        setUpPerson(p);
        T1 *spouseT1 = setUpPerson(q);
        D *record = miaAndRose(p);
        auto *spouseMed = static_cast<M *>(q.findWizardData(4, true));
        spouseMed->setDependantAmount(0, M::C_Expenses, 300.0);
        spouseMed->setDependantAmount(1, M::C_Expenses, 1800.0);
        q.applyWizardRecord(4);
        QCOMPARE(spouseT1->medicalAmount(1, T1::M_Expenses), 1800.0);

        record->rows().removeAt(0);
        record->rows().append();
        p.applyWizardRecord(3);
        q.followDependantRemovals();
        QCOMPARE(spouseMed->dependantAmount(0, M::C_Expenses), 1800.0);
        QCOMPARE(spouseMed->dependantAmount(1, M::C_Expenses), 0.0);
        QCOMPARE(spouseT1->medicalAmount(0, T1::M_Expenses), 0.0);
        QCOMPARE(spouseT1->medicalAmount(1, T1::M_Expenses), 1800.0);
        // followed once: a second call moves nothing
        q.followDependantRemovals();
        QCOMPARE(spouseMed->dependantAmount(0, M::C_Expenses), 1800.0);
    }

    void lastYearApply()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = setUpPerson(p);
        CTaxData_Form *record = p.findWizardData(2, true);
        record->setAmount(L::F_FedUnusedTuition, 1100.0);
        record->setAmount(L::F_ProvUnusedTuition, 900.0);
        record->setAmount(L::F_RRSPDeductionLimit, 15000.0);
        record->setAmount(L::F_UnusedRRSPContrib, 250.0);
        record->setAmount(L::F_T1212Balance, 70.0);
        QCOMPARE(p.applyWizardRecord(2), static_cast<CTaxData_Form *>(t1));
        QCOMPARE(t1->amount(T1::F_LYFedTuition), 1100.0);
        QCOMPARE(m_fx.pluginCounter("tstTuitionCents"), 90000);

        // forms made later are prefilled from the record; the last one made is touched
        CTaxData_Form *sch7 = p.getForm(7, 0, true);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_DeductionLimit), 15000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_UnusedContributions), 250.0);
        QCOMPARE(p.getForm(11, 0, true)->amount(TaxData_Sch11::F_CarriedForward), 1100.0);
        CTaxData_Form *t1212 = p.getForm(18, 0, true);
        QCOMPARE(t1212->amount(TaxData_T1212New::F_BalanceLastYear), 70.0);
        QCOMPARE(p.applyWizardRecord(2), t1212);
    }

    void lastYearRefresh()
    {
        IndividualTaxData p(0, &m_fx.deps);
        T1 *t1 = setUpPerson(p);
        CTaxData_Form *record = p.findWizardData(2, true);
        t1->setAmount(T1::F_LYFedTuition, 1.0);
        t1->setAmount(T1::F_LYProvTuition, 2.0);
        t1->setAmount(T1::F_LYRRSPLimit, 3.0);
        t1->setAmount(T1::F_LYUnusedRRSP, 4.0);
        t1->setAmount(T1::F_LYT1212Balance, 5.0);
        t1->setAmount(T1::F_HBPRepayment, 6.0);
        // no forms 7, 11, 18 and no provincial answer: the values the T1 stores
        p.refreshWizardRecords(false);
        QCOMPARE(record->amount(L::F_FedUnusedTuition), 1.0);
        QCOMPARE(record->amount(L::F_ProvUnusedTuition), 2.0);
        QCOMPARE(record->amount(L::F_RRSPDeductionLimit), 3.0);
        QCOMPARE(record->amount(L::F_UnusedRRSPContrib), 4.0);
        QCOMPARE(record->amount(L::F_T1212Balance), 5.0);
        QCOMPARE(record->amount(L::F_HBPRepayment), 6.0);

        // the forms and the plug-in answer; their values are kept on the T1
        // (each new form is prefilled from the record, so all are made first)
        for (int type : {7, 11, 18})
            QVERIFY(p.getForm(type, 0, true));
        p.getForm(7, 0, false)->setAmount(TaxData_Sch7::F_DeductionLimit, 30.0);
        p.getForm(7, 0, false)->setAmount(TaxData_Sch7::F_UnusedContributions, 40.0);
        p.getForm(11, 0, false)->setAmount(TaxData_Sch11::F_CarriedForward, 10.0);
        p.getForm(18, 0, false)->setAmount(TaxData_T1212New::F_BalanceLastYear, 50.0);
        p.provinceManager().setProvincialAmount(11001, 20.0);
        p.refreshWizardRecords(false);
        QCOMPARE(record->amount(L::F_FedUnusedTuition), 10.0);
        QCOMPARE(record->amount(L::F_ProvUnusedTuition), 20.0);
        QCOMPARE(record->amount(L::F_RRSPDeductionLimit), 30.0);
        QCOMPARE(record->amount(L::F_UnusedRRSPContrib), 40.0);
        QCOMPARE(record->amount(L::F_T1212Balance), 50.0);
        QCOMPARE(t1->amount(T1::F_LYFedTuition), 10.0);
        QCOMPARE(t1->amount(T1::F_LYProvTuition), 20.0);
        QCOMPARE(t1->amount(T1::F_LYRRSPLimit), 30.0);
        QCOMPARE(t1->amount(T1::F_LYUnusedRRSP), 40.0);
        QCOMPARE(t1->amount(T1::F_LYT1212Balance), 50.0);
    }

    void provincialRecord()
    {
        IndividualTaxData p(0, &m_fx.deps);
        setUpPerson(p);
        const int applied = m_fx.pluginCounter("tstApplied");
        const int filled = m_fx.pluginCounter("tstFilled");
        QVERIFY(!p.applyWizardRecord(6));
        QCOMPARE(m_fx.pluginCounter("tstApplied"), applied);
        QVERIFY(p.findWizardData(6, true));
        QVERIFY(p.applyWizardRecord(6));
        QCOMPARE(m_fx.pluginCounter("tstApplied"), applied + 1);
        p.refreshWizardRecords(true);
        QCOMPARE(m_fx.pluginCounter("tstFilled"), filled + 1);
    }

    void missingRecordChangesNothing_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 1; type <= 6; ++type)
            QTest::addRow("type %d", type) << type;
        QTest::newRow("type 7") << 7;
    }
    void missingRecordChangesNothing()
    {
        QFETCH(int, type);
        DependantInfoStruct deps;
        IndividualTaxData p(0, &deps);
        T1 *t1 = setUpPerson(p);
        t1->setAmount(T1::F_47600, 5.0);
        t1->setAmount(T1::F_LYFedTuition, 6.0);
        const int applied = m_fx.pluginCounter("tstApplied");
        QVERIFY(!p.applyWizardRecord(type));
        QCOMPARE(p.formCount(0), 1);
        QCOMPARE(deps.count(), 0);
        QCOMPARE(t1->amount(T1::F_47600), 5.0);
        QCOMPARE(t1->amount(T1::F_LYFedTuition), 6.0);
        QCOMPARE(m_fx.pluginCounter("tstTuitionCents"), -1);
        QCOMPARE(m_fx.pluginCounter("tstApplied"), applied);
    }
};

BQ_TEST_MAIN_CORE(TestWizardRecords)
#include "tst_wizardrecords.moc"
