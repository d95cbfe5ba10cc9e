// New return set-up, mandatory forms and the test print return, with the real
// provincial plug-ins beside the test.
#include "bqtest.h"
#include "cmultiprovstaxmgr.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "ctaxdata_form.h"
#include "dependantinfostruct.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "taxdata_sch5.h"
#include "taxdata_slip_t5.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxfactory.h"
#include <memory>

class TestNewReturn : public QObject
{
    Q_OBJECT
    DependantInfoStruct m_deps;

    static QList<int> formTypes(const IndividualTaxData &p)
    {
        QList<int> t;
        for (const FormEntry *e : p.forms())
            t << e->type;
        return t;
    }
    static QList<int> wizardTypes(const IndividualTaxData &p)
    {
        QList<int> t;
        for (const WizardEntry *e : p.wizardData())
            t << e->type;
        return t;
    }
    static QList<int> loadedProvinces(const IndividualTaxData &p)
    {
        QList<int> list;
        p.provinceManager().listLoadedProvinces(list);
        return list;
    }

    // A person read from a file: the summary and the T1, nothing completed yet.
    static void makeReadPerson(IndividualTaxData &p, bool reFile)
    {
        p.addForm(93, 0, true, 0, false)->object->setAmount(TaxData_T1KSNew::F_TotalIncome, 51234.5);
        FormEntry *t1 = p.addForm(1, 0, true, 0, false);
        static_cast<TaxData_T1New *>(t1->object)->setReFile(reFile);
    }

private slots:
    void initTestCase()
    {
        // the plug-ins are built beside the test executable
        CMultiProvsTaxMgr::setLibraryFolder(QString());
    }

    void newQuebecReturnWithoutSpouse()
    {
        IndividualTaxData p(0, &m_deps);
        p.setFileVersion(65000);
        p.initNewReturn(11, "Marie", "Tremblay", "046454286", QDate(1980, 5, 17), 2, "Jean", "Roy", "123456782",
                        QDate(1979, 1, 2), false);

        QCOMPARE(p.fileVersion(), 66098);
        QCOMPARE(p.province(), 11);
        QVERIFY(!p.isCoupled());
        QCOMPARE(loadedProvinces(p), QList<int>{11});
        // Quebec has no forms of its own in the federal return
        QCOMPARE(formTypes(p), (QList<int>{93, 1, 96}));
        QCOMPARE(wizardTypes(p), (QList<int>{1, 2, 3, 4, 5, 6}));

        const TaxData_T1New *t = p.t1();
        QVERIFY(t);
        QCOMPARE(t->firstName(), QStringLiteral("Marie"));
        QCOMPARE(t->lastName(), QStringLiteral("Tremblay"));
        QCOMPARE(t->sin(), QStringLiteral("046454286"));
        QCOMPARE(t->dateOfBirth(), QDate(1980, 5, 17));
        QCOMPARE(t->maritalStatus(), 2);
        QCOMPARE(t->provinceName(), QStringLiteral("Quebec"));
        QVERIFY(t->spouseSin().isEmpty());
        QVERIFY(t->spouseFirstName().isEmpty());
        QVERIFY(t->spouseLastName().isEmpty());
        QVERIFY(!t->spouseDateOfBirth().isValid());
    }

    void newOntarioReturnWithSpouse()
    {
        IndividualTaxData p(0, &m_deps);
        p.initNewReturn(9, "Ann", "Lee", "046454286", QDate(1975, 3, 1), 0, "Bo", "Lee", "123456782",
                        QDate(1970, 8, 30), true);

        QVERIFY(p.isCoupled());
        QCOMPARE(loadedProvinces(p), QList<int>{9});
        // ON428 is Ontario's must-have form; Schedule 5 is made for the spouse amount
        QCOMPARE(formTypes(p), (QList<int>{93, 1, 96, 24, 6}));
        for (const FormEntry *e : p.forms())
            QVERIFY2(e->object->isCoupledReturn(), qPrintable(formName(e->type)));
        QVERIFY(p.getForm(6, 0, false)->flag(TaxData_Sch5::F_SpouseFlag));
        QCOMPARE(wizardTypes(p), (QList<int>{1, 2, 3, 4, 5, 6}));

        const TaxData_T1New *t = p.t1();
        QCOMPARE(t->provinceName(), QStringLiteral("Ontario"));
        QCOMPARE(t->spouseSin(), QStringLiteral("123456782"));
        QCOMPARE(t->spouseFirstName(), QStringLiteral("Bo"));
        QCOMPARE(t->spouseLastName(), QStringLiteral("Lee"));
        QCOMPARE(t->spouseDateOfBirth(), QDate(1970, 8, 30));

        p.addSpouseTransferForms();
        p.addSpouseTransferForms();   // found, not made twice
        QCOMPARE(formTypes(p), (QList<int>{93, 1, 96, 24, 6, 3, 26}));
    }

    // A couple made by the wizard claims the spouse amount (line 30300) on one return only:
    // that of the spouse with the higher net income, whose claim the other's income reduces
    // least. 15,705 - 5,000 = 10,705. Once the preparer sets a box, it stays as set.
    void coupleClaimsSpouseAmountOnce_data()
    {
        QTest::addColumn<double>("selfIncome");
        QTest::addColumn<double>("spouseIncome");
        QTest::addColumn<double>("selfClaim");
        QTest::addColumn<double>("spouseClaim");
        QTest::newRow("the taxpayer earns more") << 12000.0 << 5000.0 << 10705.0 << 0.0;
        QTest::newRow("the spouse earns more") << 5000.0 << 12000.0 << 0.0 << 10705.0;
    }
    void coupleClaimsSpouseAmountOnce()
    {
        QFETCH(double, selfIncome);
        QFETCH(double, spouseIncome);
        QFETCH(double, selfClaim);
        QFETCH(double, spouseClaim);
        DataNewReturnBasic data;
        data.fld_FirstName.setValue(CString(QStringLiteral("Ann")));
        data.fld_LastName.setValue(CString(QStringLiteral("Lee")));
        data.fld_TaxPronv.setValue(9);
        data.fld_MaritalStatus.setValue(0);
        data.fld_FirstNameSpouse.setValue(CString(QStringLiteral("Bo")));
        data.fld_LastNameSpouse.setValue(CString(QStringLiteral("Lee")));
        data.fld_TaxPronvSpouse.setValue(9);
        data.fld_Coupled.setValue(true);
        data.fld_dob.setValue(QDate(1980, 1, 1));
        data.fld_dobSpouse.setValue(QDate(1980, 1, 1));
        CReturnFile rf;
        QCOMPARE(rf.applyNewReturnData(data), 0);
        rf.self()->addSlip(1, 0, 0)->object->setValueByCode(14, selfIncome);
        rf.spouse()->addSlip(1, 0, 0)->object->setValueByCode(14, spouseIncome);
        rf.recalculate(-1, nullptr);
        QCOMPARE(rf.self()->t1()->amount(TaxData_T1New::F_30300), selfClaim);
        QCOMPARE(rf.spouse()->t1()->amount(TaxData_T1New::F_30300), spouseClaim);

        // the preparer ticks the other box: that return claims and the default gives way;
        // the preparer ticks the first one again: both boxes stay as set
        IndividualTaxData *claimer = selfClaim > 0 ? rf.self() : rf.spouse();
        IndividualTaxData *other = selfClaim > 0 ? rf.spouse() : rf.self();
        CTaxData_Form *otherBox = other->getForm(6, 0, false);
        otherBox->setFlag(TaxData_Sch5::F_SpouseFlag, true);
        rf.recalculate(0, otherBox);
        QCOMPARE(other->t1()->amount(TaxData_T1New::F_30300), 3705.0);   // 15,705 - 12,000
        QCOMPARE(claimer->t1()->amount(TaxData_T1New::F_30300), 0.0);
        CTaxData_Form *claimerBox = claimer->getForm(6, 0, false);
        claimerBox->setFlag(TaxData_Sch5::F_SpouseFlag, true);
        rf.recalculate(0, claimerBox);
        QCOMPARE(claimer->t1()->amount(TaxData_T1New::F_30300), 10705.0);
        QCOMPARE(other->t1()->amount(TaxData_T1New::F_30300), 3705.0);
    }

    void readReFileReturnGetsSummaryCopy_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QList<int>>("types");
        QTest::newRow("EFILE edition") << 1 << QList<int>{93, 1, 159, 96};
        QTest::newRow("no T183") << 0 << QList<int>{93, 1, 159};
    }
    void readReFileReturnGetsSummaryCopy()
    {
        QFETCH(int, flags);
        QFETCH(QList<int>, types);
        IndividualTaxData p(0, &m_deps);
        makeReadPerson(p, true);
        p.completeAfterRead(flags);

        QCOMPARE(formTypes(p), types);
        const CTaxData_Form *summary = p.getForm(93, 0, false);
        const CTaxData_Form *copy = p.getForm(159, 0, false);
        QVERIFY(dynamic_cast<const TaxData_T1KSNew *>(copy));
        QVERIFY(!copy->differs(*summary));
        QCOMPARE(copy->amount(TaxData_T1KSNew::F_TotalIncome), 51234.5);
        // every wizard record, in the table's order; no plug-in for province 0
        QCOMPARE(wizardTypes(p), (QList<int>{1, 2, 3, 4, 5}));

        // a second read keeps the copy as it is
        p.getForm(93, 0, false)->setAmount(TaxData_T1KSNew::F_TotalIncome, 1.0);
        p.completeAfterRead(flags);
        QCOMPARE(formTypes(p), types);
        QCOMPARE(p.getForm(159, 0, false)->amount(TaxData_T1KSNew::F_TotalIncome), 51234.5);
    }

    void readReturnWithoutReFileGetsNoCopy()
    {
        IndividualTaxData p(0, &m_deps);
        makeReadPerson(p, false);
        p.completeAfterRead(0);
        QCOMPARE(formTypes(p), (QList<int>{93, 1}));
        QVERIFY(!p.isFormNeeded(159));
    }

    void completeAfterReadWithoutT1AddsNothing()
    {
        IndividualTaxData p(0, &m_deps);
        p.addForm(3, 0, true, 0, false);
        p.addSlip(1, 0, 0);
        p.completeAfterRead(1);
        QCOMPARE(formTypes(p), QList<int>{3});
        QCOMPARE(p.slips().count(), 1);
        QVERIFY(p.wizardData().isEmpty());
    }

    void form35NeededWhileFewerThanTwo_data()
    {
        QTest::addColumn<bool>("foreignTax");
        QTest::addColumn<int>("existing");
        QTest::addColumn<bool>("needed");
        QTest::newRow("slip, none yet") << true << 0 << true;
        QTest::newRow("slip, one") << true << 1 << true;
        QTest::newRow("slip, two") << true << 2 << false;
        QTest::newRow("no slip, one") << false << 1 << false;
    }
    void form35NeededWhileFewerThanTwo()
    {
        QFETCH(bool, foreignTax);
        QFETCH(int, existing);
        QFETCH(bool, needed);
        IndividualTaxData p(0, &m_deps);
        p.addForm(1, 0, true, 0, false);
        for (int i = 0; i < existing; ++i)
            p.addForm(35, 0, true, 0, false);
        CTaxData_Form *t5 = p.addSlip(8, 0, 0)->object;
        t5->setAmount(TaxData_Slip_T5::F_SharePercent, 100);
        t5->setAmount(TaxData_Slip_T5::F_Box16, foreignTax ? 150.0 : 0.0);
        QCOMPARE(p.isFormNeeded(35), needed);
    }

    void dividendWorksheetNeeded_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("amount");
        QTest::addColumn<bool>("needed");
        QTest::newRow("12000 at 0.009") << int(TaxData_T1New::F_12000) << 0.009 << true;
        QTest::newRow("12000 at 0.008") << int(TaxData_T1New::F_12000) << 0.008 << false;
        QTest::newRow("12010 negative") << int(TaxData_T1New::F_12010) << -0.01 << true;
        QTest::newRow("other line") << int(TaxData_T1New::F_12100) << 500.0 << false;
    }
    void dividendWorksheetNeeded()
    {
        QFETCH(int, field);
        QFETCH(double, amount);
        QFETCH(bool, needed);
        IndividualTaxData p(0, &m_deps);
        p.addForm(1, 0, true, 0, false)->object->setAmount(field, amount);
        QCOMPARE(p.isFormNeeded(210), needed);
        p.addMandatoryForms(0, 0);
        QCOMPARE(p.hasForm(210), needed);
    }

    void mandatoryByProvince()
    {
        IndividualTaxData p(0, &m_deps);
        p.storeReadProvince(2);
        QVERIFY(p.loadProvincePlugin());
        QVERIFY(p.isFormNeeded(1));
        QVERIFY(p.isFormNeeded(93));
        QVERIFY(p.isFormNeeded(41));    // BC428
        QVERIFY(p.isFormNeeded(42));    // BC479
        QVERIFY(!p.isFormNeeded(43));
        QVERIFY(!p.isFormNeeded(24));   // another province's must-have form
        p.addMandatoryForms(0, 2);
        QCOMPARE(formTypes(p), (QList<int>{93, 1, 41, 42}));
    }

    void provincialSchedulesByProvince_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("tuition");
        QTest::addColumn<int>("transfer");
        const int tuition[] = {0, 48, 44, 91, 95, 65, 73, 69, 77, 27, 80, 0, 83, 111};
        const int transfer[] = {0, 47, 43, 90, 94, 64, 72, 68, 76, 26, 79, 0, 82, 110};
        for (int p = 0; p < kProvinceCount; ++p)
            QTest::newRow(p ? qPrintable(provinceCode(p)) : "none") << p << tuition[p] << transfer[p];
    }
    void provincialSchedulesByProvince()
    {
        QFETCH(int, province);
        QFETCH(int, tuition);
        QFETCH(int, transfer);
        IndividualTaxData p(0, &m_deps);
        p.storeReadProvince(province);
        QCOMPARE(p.loadProvincePlugin(), province != 0);

        p.addTuitionForms();
        QList<int> expected{11};
        if (tuition)
            expected << tuition;
        QCOMPARE(formTypes(p), expected);

        p.addSpouseTransferForms();
        expected << 3;
        if (transfer)
            expected << transfer;
        QCOMPARE(formTypes(p), expected);
        for (const FormEntry *e : p.forms())
            QVERIFY(e->object && e->object->formType() == e->type);
    }

    void testPrintReturnHoldsEveryForm()
    {
        auto p = std::make_unique<IndividualTaxData>(0, &m_deps);
        p->addAllForms();

        QList<int> expected;
        for (int type = 1; type < kFormTableSize; ++type) {
            if (IsFormExpired(type, 0))
                continue;
            std::unique_ptr<CTaxData_Form> federal(createForm(unsigned(type)));
            if (federal || getFormProv(type) != 0 || type == 109 || type == 156 || type == 161)
                expected << type;
        }
        QCOMPARE(formTypes(*p), expected);
        for (const FormEntry *e : p->forms()) {
            QCOMPARE(e->id, 0);
            QVERIFY(e->object);
        }
        QCOMPARE(loadedProvinces(*p).size(), 13);
        // sample data in a federal and in a provincial form
        QCOMPARE(p->t1()->amount(TaxData_T1New::F_10100), 1234.56);
        const CTaxData_Form *on428 = p->getForm(24, 0, false);
        int firstAmount = 0;
        while (on428->fieldTable().spec(firstAmount).kind != FieldKind::Amount)
            ++firstAmount;
        QCOMPARE(on428->amount(firstAmount), 1234.56);

        // clearing releases every form through its plug-in and unloads them
        p->clear();
        QVERIFY(p->forms().isEmpty());
        QVERIFY(loadedProvinces(*p).isEmpty());
        p->addAllForms();
        p.reset();   // destroyed holding them
    }
};

BQ_TEST_MAIN_CORE(TestNewReturn)
#include "tst_newreturn.moc"
