// The T1 summary after a recalculation: the T1's results, next year's RRSP limit,
// the benefit estimates, the year's schedules and the file password it carries.
#include "bqtest.h"
#include "creturnfile.h"
#include "formtypes.h"
#include "ctaxdata_t1dd.h"
#include "messages.h"
#include "returnfilefixture.h"
#include "taxdata_sch5.h"
#include "taxdata_sch7.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1mnew.h"
#include <QFile>
#include <QtEndian>
#include <QTemporaryDir>

using namespace returnfixture;
using KS = TaxData_T1KSNew;
using T1 = TaxData_T1New;

namespace {

// A single person of the province with a T1 and a summary.
struct Person
{
    explicit Person(int province = 9, int maritalStatus = 5)
    {
        deps.AllocData(DependantInfoStruct::kSlots);
        newPerson(p, province, QStringLiteral("Ann"), QStringLiteral("Lee"), maritalStatus, false);
    }
    KS *summary() { return dynamic_cast<KS *>(p.getForm(93, 0, false)); }
    T1 *t1() { return p.t1(); }
    void addChild(int slot, const QDate &birth, bool infirm = false)
    {
        deps.at(slot).relation = DependantInfo::Child;
        deps.at(slot).firstName = QStringLiteral("Kid%1").arg(slot);
        deps.at(slot).birthDate = birth;
        deps.at(slot).infirm = infirm;
    }

    DependantInfoStruct deps;
    IndividualTaxData p{0, &deps};
};

QString savedFile(QTemporaryDir &dir, CReturnFile &rf, const QString &name)
{
    const QString path = dir.filePath(name);
    QString error;
    const int code = rf.save(path, 1, &error);
    if (code != 0)
        qWarning() << "save failed" << code << error;
    return code == 0 ? path : QString();
}

} // namespace

class TestEstimates : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_messages.clear();
        setMessageHandler(&m_messages);
    }
    void cleanup() { setMessageHandler(nullptr); }

    void rrspLimit_data()
    {
        QTest::addColumn<double>("employment");
        QTest::addColumn<double>("selfEmployment");
        QTest::addColumn<double>("unionDues");
        QTest::addColumn<double>("pensionAdjustment");
        QTest::addColumn<double>("limit");
        QTest::newRow("income 200000: the cap") << 200000.0 << 0.0 << 0.0 << 0.0 << 32490.0;
        QTest::newRow("the cap less the pension adjustment") << 200000.0 << 0.0 << 0.0 << 4000.0 << 28490.0;
        QTest::newRow("18 % of 10000") << 10000.0 << 0.0 << 0.0 << 0.0 << 1800.0;
        QTest::newRow("18 % less the adjustment") << 10000.0 << 0.0 << 0.0 << 300.0 << 1500.0;
        QTest::newRow("adjustment above the room: 0") << 10000.0 << 0.0 << 0.0 << 2500.0 << 0.0;
        QTest::newRow("business income counts") << 0.0 << 50000.0 << 0.0 << 0.0 << 9000.0;
        QTest::newRow("deductions below nil: 0") << 1000.0 << 0.0 << 3000.0 << 0.0 << 0.0;
    }
    void rrspLimit()
    {
        QFETCH(double, employment);
        QFETCH(double, selfEmployment);
        QFETCH(double, unionDues);
        QFETCH(double, pensionAdjustment);
        QFETCH(double, limit);
        Person x;
        x.t1()->setAmount(T1::F_10100, employment);
        x.t1()->setAmount(T1::F_13500, selfEmployment);
        x.t1()->setAmount(T1::F_21200, unionDues);
        // the adjustment comes from the slips: half on a T4, half on a T4A
        x.p.addSlip(1, 0, 0)->object->setValueByCode(52, pensionAdjustment / 2);
        x.p.addSlip(2, 0, 0)->object->setValueByCode(34, pensionAdjustment / 2);
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(x.summary()->amount(KS::F_RRSPLimitNext), limit);
    }

    void gstAgeRule_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("maritalStatus");
        QTest::addColumn<bool>("withChild");
        QTest::addColumn<bool>("eligible");
        QTest::newRow("17, born in March") << QDate(2007, 3, 14) << 5 << false << true;
        QTest::newRow("17, born in June") << QDate(2007, 6, 30) << 5 << false << true;
        QTest::newRow("17, born in August") << QDate(2007, 8, 2) << 5 << false << false;
        QTest::newRow("16") << QDate(2008, 1, 1) << 5 << false << false;
        QTest::newRow("18") << QDate(2006, 12, 31) << 5 << false << true;
        QTest::newRow("16 with a spouse") << QDate(2008, 1, 1) << 1 << false << true;
        QTest::newRow("16 with a child") << QDate(2008, 1, 1) << 5 << true << true;
    }
    void gstAgeRule()
    {
        QFETCH(QDate, birth);
        QFETCH(int, maritalStatus);
        QFETCH(bool, withChild);
        QFETCH(bool, eligible);
        Person x(9, maritalStatus);
        x.t1()->setDateOfBirth(birth);
        if (withChild)
            x.addChild(0, QDate(2023, 2, 1));
        QCOMPARE(x.p.isEligibleForGstHstCredit(nullptr), eligible);
        // the estimate follows: 349 + 2 % x (20,000 - 11,337) = 522.26 when single and childless
        x.t1()->setAmount(T1::F_23600, 20000);
        x.p.estimateBenefits(true, nullptr);
        if (!eligible)
            QCOMPARE(x.summary()->amount(KS::F_GSTCreditEstimate), 0.0);
        else if (maritalStatus == 5 && !withChild)
            QCOMPARE(qRound64(x.summary()->amount(KS::F_GSTCreditEstimate) * 100), 52226);
    }

    void gstRefusals()
    {
        Person x;
        x.t1()->setAmount(T1::F_23600, 20000);
        x.summary()->setFlag(KS::F_GSTCreditFlag, true);
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(x.summary()->amount(KS::F_GSTCreditEstimate), 0.0);

        Person gone;
        gone.t1()->setDate(T1::F_DepartureDate, QDate(2024, 7, 1));
        QVERIFY(!gone.p.isEligibleForGstHstCredit(nullptr));
        Person deceased;
        deceased.t1()->setDate(T1::F_DeceasedDate, QDate(2025, 1, 10));
        QVERIFY(!deceased.p.isEligibleForGstHstCredit(nullptr));
    }

    // Of two eligible spouses the lower income applies; the flag turns it round.
    void gstCouple()
    {
        DependantInfoStruct deps;
        deps.AllocData(DependantInfoStruct::kSlots);
        IndividualTaxData a(0, &deps), b(0, &deps);
        newPerson(a, 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 0, true);
        newPerson(b, 9, QStringLiteral("Bob"), QStringLiteral("Lee"), 0, true);
        a.t1()->setAmount(T1::F_23600, 30000);
        b.t1()->setAmount(T1::F_23600, 10000);
        a.estimateBenefits(true, &b);
        b.estimateBenefits(false, &a);
        auto gst = [](IndividualTaxData &p) {
            return dynamic_cast<KS *>(p.getForm(93, 0, false))->amount(KS::F_GSTCreditEstimate);
        };
        QCOMPARE(gst(a), 0.0);
        QCOMPARE(gst(b), 698.0);   // 349 + 349; family income 40000 is under 45,521
        dynamic_cast<KS *>(a.getForm(93, 0, false))->setFlag(KS::F_GSTCreditFlag, true);
        a.estimateBenefits(true, &b);
        QCOMPARE(gst(a), 698.0);
    }

    void childBenefit_data()
    {
        QTest::addColumn<bool>("withheld");
        QTest::addColumn<double>("netIncome");
        QTest::addColumn<double>("expected");
        // July 2025 to June 2026: 7,997 in full up to 37,487, less 7 % of the excess to 81,222
        QTest::newRow("one child under 6 at 30000") << false << 30000.0 << 7997.0;
        QTest::newRow("at 81222") << false << 81222.0 << 7997.0 - 43735.0 * 0.07;
        QTest::newRow("flag set") << true << 30000.0 << 0.0;
    }
    void childBenefit()
    {
        QFETCH(bool, withheld);
        QFETCH(double, netIncome);
        QFETCH(double, expected);
        Person x;
        x.addChild(0, QDate(2021, 5, 5));
        x.t1()->setAmount(T1::F_23600, netIncome);
        x.summary()->setFlag(KS::F_CCBFlag, withheld);
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(qRound64(x.summary()->amount(KS::F_CCBEstimate) * 100), qRound64(expected * 100));
    }

    // The summary's provincial benefit estimate, from the return: Ontario's falls with income and
    // follows the rent (the occupancy cost); a senior is 64 or older on December 31; the sales
    // tax credit counts children under 19. The working of each value is in
    // tst_benefitestimators beside the benefit's own cases.
    void provincialEstimate_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<double>("netIncome");
        QTest::addColumn<QDate>("child");
        QTest::addColumn<double>("rent");
        QTest::addColumn<double>("propertyTax");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<double>("expected");
        const QDate none;
        const QDate senior(1950, 9, 9);
        const QDate adult(1980, 5, 17);
        // sales tax 371 + energy and property 285 + 798
        QTest::newRow("ON senior renter, 15,000") << 9 << senior << 15000.0 << none << 9600.0 << 0.0 << false << 1454.0;
        // sales tax nil; 1,083 less 2 % x (40,000 - 35,632)
        QTest::newRow("ON senior renter, 40,000") << 9 << senior << 40000.0 << none << 9600.0 << 0.0 << false << 995.64;
        QTest::newRow("ON senior renter, 250,000") << 9 << senior << 250000.0 << none << 9600.0 << 0.0 << false << 0.0;
        // 64 on December 31, 2024 is a senior
        QTest::newRow("ON renter of 64") << 9 << QDate(1960, 12, 31) << 15000.0 << none << 9600.0 << 0.0 << false
                                         << 1454.0;
        // 63: 371 + 285 + 71 + 192 = 919
        QTest::newRow("ON renter of 63") << 9 << QDate(1961, 1, 1) << 15000.0 << none << 9600.0 << 0.0 << false
                                         << 919.0;
        // sales tax 371; energy and property 885 cut to 385 by the grant; the grant 500
        QTest::newRow("ON senior homeowner") << 9 << senior << 20000.0 << none << 0.0 << 600.0 << false << 1256.0;
        // no ON-BEN: sales tax 2 x 371 (with the GST/HST credit) + child benefit 1,727 - 290.88
        QTest::newRow("ON single parent") << 9 << adult << 30000.0 << QDate(2015, 3, 3) << 0.0 << 0.0 << false
                                          << 742.0 + 1436.12;
        // a child of 18 counts for the sales tax credit, not for the child benefit
        QTest::newRow("ON parent of 18") << 9 << adult << 20000.0 << QDate(2006, 3, 3) << 0.0 << 0.0 << false << 742.0;
        // 429 + 429 (the child as eligible dependant)
        QTest::newRow("SK single parent") << 12 << adult << 30000.0 << QDate(2015, 3, 3) << 0.0 << 0.0 << false << 858.0;
        QTest::newRow("BC single parent") << 2 << adult << 20000.0 << QDate(2015, 3, 3) << 0.0 << 0.0 << false << 2250.0;
        // disability benefit 4,800 - 2,066.78; income supplement 254 + 266 + 231
        QTest::newRow("NL disability amount") << 5 << adult << 35000.0 << none << 0.0 << 0.0 << true << 2733.22 + 751.0;
        QTest::newRow("NT child of 9") << 6 << adult << 25000.0 << QDate(2015, 3, 3) << 0.0 << 0.0 << false << 652.0;
        QTest::newRow("PE single") << 10 << adult << 40000.0 << none << 0.0 << 0.0 << false << 160.0;
        QTest::newRow("MB: none known") << 3 << adult << 10000.0 << QDate(2015, 3, 3) << 0.0 << 0.0 << false << 0.0;
        QTest::newRow("YT: none known") << 13 << adult << 10000.0 << QDate(2015, 3, 3) << 0.0 << 0.0 << false << 0.0;
    }
    void provincialEstimate()
    {
        QFETCH(int, province);
        QFETCH(QDate, birth);
        QFETCH(double, netIncome);
        QFETCH(QDate, child);
        QFETCH(double, rent);
        QFETCH(double, propertyTax);
        QFETCH(bool, disabled);
        QFETCH(double, expected);
        Person x(province);
        x.t1()->setDateOfBirth(birth);
        x.t1()->setAmount(T1::F_23600, netIncome);
        if (disabled)
            x.t1()->setAmount(T1::F_31600, 9872);
        if (child.isValid())
            x.addChild(0, child);
        if (rent > 0 || propertyTax > 0) {
            CTaxData_Form *app = x.p.getForm(FormType::ON_BEN, 0, true);
            QVERIFY(app);
            QVERIFY(app->setValueByKey(QStringLiteral("ApplyEnergyPropertyTax"), QStringLiteral("1")));
            QVERIFY(app->setValueByKey(QStringLiteral("RentPaid"), QString::number(rent)));
            QVERIFY(app->setValueByKey(QStringLiteral("PropertyTax"), QString::number(propertyTax)));
        }
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(qRound64(x.summary()->amount(KS::F_ProvincialBenefitEstimate) * 100), qRound64(expected * 100));
    }

    // A couple's Trillium Benefit goes to the spouse who applies on the ON-BEN, its sales tax
    // credit with it; without an application the sales tax credit goes with the GST/HST credit.
    void ontarioCouple()
    {
        DependantInfoStruct deps;
        deps.AllocData(DependantInfoStruct::kSlots);
        IndividualTaxData a(0, &deps), b(0, &deps);
        newPerson(a, 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 0, true);
        newPerson(b, 9, QStringLiteral("Bob"), QStringLiteral("Lee"), 0, true);
        a.t1()->setAmount(T1::F_23600, 10000);
        b.t1()->setAmount(T1::F_23600, 30000);
        auto estimate = [](IndividualTaxData &p) {
            return dynamic_cast<KS *>(p.getForm(93, 0, false))->amount(KS::F_ProvincialBenefitEstimate);
        };
        // family 40,000: sales tax 742 - 4 % x 4,368 = 567.28, with the GST/HST credit (Ann)
        a.estimateBenefits(true, &b);
        b.estimateBenefits(false, &a);
        QCOMPARE(estimate(a), 567.28);
        QCOMPARE(estimate(b), 0.0);
        // Bob applies with rent 12,000: 285 + 71 + 240 = 596 less 2 % x 4,368 = 508.64
        CTaxData_Form *app = b.getForm(FormType::ON_BEN, 0, true);
        app->setValueByKey(QStringLiteral("ApplyEnergyPropertyTax"), QStringLiteral("1"));
        app->setValueByKey(QStringLiteral("RentPaid"), QStringLiteral("12000"));
        a.estimateBenefits(true, &b);
        b.estimateBenefits(false, &a);
        QCOMPARE(estimate(a), 0.0);
        QCOMPARE(estimate(b), 567.28 + 508.64);
    }

    void carbonRebate_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("maritalStatus");
        QTest::addColumn<bool>("rural");
        QTest::addColumn<int>("children");
        QTest::addColumn<bool>("eligibleDependant");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<double>("expected");
        QTest::newRow("Ontario, single") << 9 << 5 << false << 0 << false << true << 560.0;
        QTest::newRow("not asked for") << 9 << 5 << false << 0 << false << false << 0.0;
        QTest::newRow("Ontario, rural") << 9 << 5 << true << 0 << false << true << 672.0;
        QTest::newRow("Ontario, couple, two children") << 9 << 0 << false << 2 << false << true << 1120.0;
        QTest::newRow("single parent, two children") << 9 << 5 << false << 2 << true << true << 980.0;
        QTest::newRow("Alberta, single") << 1 << 5 << false << 0 << false << true << 900.0;
        QTest::newRow("Prince Edward Island, rural") << 10 << 5 << true << 0 << false << true << 440.0;
        QTest::newRow("British Columbia") << 2 << 5 << false << 0 << false << true << 0.0;
    }
    void carbonRebate()
    {
        QFETCH(int, province);
        QFETCH(int, maritalStatus);
        QFETCH(bool, rural);
        QFETCH(int, children);
        QFETCH(bool, eligibleDependant);
        QFETCH(bool, asked);
        QFETCH(double, expected);
        Person x(9, maritalStatus);
        x.t1()->setProvinceOfResidence(province);
        x.t1()->setFlag(T1::F_RuralSupplement, rural);
        for (int i = 0; i < children; ++i)
            x.addChild(i, QDate(2010 + i, 1, 1));
        if (eligibleDependant)
            x.p.getForm(6, 0, true)->setAmount(TaxData_Sch5::F_EligibleDependant, 15705);
        x.summary()->setFlag(KS::F_CAIFlag, asked);
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(x.summary()->amount(KS::F_CAIEstimate), expected);
    }

    void resultsFromT1_data()
    {
        QTest::addColumn<double>("totalIncome");
        QTest::addColumn<double>("netBalance");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("refundOrNil");
        QTest::newRow("owing") << 50000.0 << 100.0 << 15.0 << 0;
        QTest::newRow("refund") << 50000.0 << -100.0 << 15.0 << 1;
        QTest::newRow("owing less than a cent") << 50000.0 << 0.005 << 15.0 << 1;
        QTest::newRow("no income") << 0.0 << 0.0 << 0.0 << 1;
    }
    void resultsFromT1()
    {
        QFETCH(double, totalIncome);
        QFETCH(double, netBalance);
        QFETCH(double, rate);
        QFETCH(int, refundOrNil);
        Person x;
        T1 *t = x.t1();
        t->setAmount(T1::F_15000, totalIncome);
        t->setAmount(T1::F_23600, 48000);
        t->setAmount(T1::F_42000, 5000);
        t->setAmount(T1::F_42800, 2500);
        t->setAmount(T1::F_NetBalance, netBalance);
        t->setConfirmationNumber(QStringLiteral("C123"));
        x.p.estimateBenefits(true, nullptr);
        KS *ks = x.summary();
        QCOMPARE(ks->intValue(KS::F_RefundOrNil), refundOrNil);
        QCOMPARE(ks->amount(KS::F_AverageTaxRate), rate);
        QCOMPARE(ks->text(KS::F_TaxYear), QStringLiteral("2024"));
        QCOMPARE(ks->text(KS::F_FirstName), QStringLiteral("Ann"));
        QCOMPARE(ks->text(KS::F_SIN), t->sin());
        QCOMPARE(ks->text(KS::F_Confirmation), QStringLiteral("C123"));
        QCOMPARE(ks->amount(KS::F_TotalIncome), totalIncome);
        QCOMPARE(ks->amount(KS::F_NetIncome), 48000.0);
        QCOMPARE(ks->amount(KS::F_NetFederalTax), 5000.0);
    }

    // The year's schedules are copied, and cleared again when the form goes.
    void schedulesCopied()
    {
        Person x;
        CTaxData_Form *sch7 = x.p.getForm(7, 0, true);
        sch7->setAmount(TaxData_Sch7::F_DeductionLimit, 12345);
        CTaxData_Form *dd = x.p.getForm(52, 0, true);
        dd->setText(CTaxData_T1DD::F_Branch, QStringLiteral("00011"));
        dd->setText(CTaxData_T1DD::F_Institution, QStringLiteral("004"));
        dd->setText(CTaxData_T1DD::F_Account, QStringLiteral("1234567"));
        x.p.estimateBenefits(true, nullptr);
        KS *ks = x.summary();
        QCOMPARE(ks->amount(KS::F_Sch7Limit), 12345.0);
        QCOMPARE(ks->text(KS::F_T1DDTransit), QStringLiteral("00011-004"));
        QCOMPARE(ks->text(KS::F_T1DDAccount), QStringLiteral("1234567"));
        QVERIFY(!ks->date(KS::F_T1ADate).isValid());

        x.p.removeForm(sch7, true, false);
        x.p.removeForm(dd, true, false);
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(ks->amount(KS::F_Sch7Limit), 0.0);
        QVERIFY(ks->text(KS::F_T1DDAccount).isEmpty());
    }

    void movingExpensesLeft()
    {
        Person x;
        CTaxData_Form *one = x.p.addForm(102, 0, true, 0, false)->object;
        one->setAmount(TaxData_T1MNew::F_Expenses, 5000);
        one->setAmount(TaxData_T1MNew::F_Deduction, 3000);
        CTaxData_Form *two = x.p.addForm(102, 0, true, 0, false)->object;
        two->setAmount(TaxData_T1MNew::F_Expenses, 1000);
        two->setAmount(TaxData_T1MNew::F_Deduction, 1500);
        x.p.estimateBenefits(true, nullptr);
        QCOMPARE(x.summary()->amount(KS::F_MovingCarryForward), 2000.0);
    }

    void withoutT1()
    {
        DependantInfoStruct deps;
        IndividualTaxData p(0, &deps);
        p.storeReadProvince(9);
        auto *ks = dynamic_cast<KS *>(p.addForm(93, 0, true, 0, false)->object);
        ks->setText(KS::F_FirstName, QStringLiteral("Old"));
        ks->setAmount(KS::F_TotalPayable, 700);
        ks->setAmount(KS::F_BalanceOwing, 700);
        p.estimateBenefits(true, nullptr);
        QVERIFY(ks->text(KS::F_FirstName).isEmpty());
        QCOMPARE(ks->amount(KS::F_BalanceOwing), 0.0);
    }

    // The page's password goes to both persons; a summary just read first takes the file's.
    void passwordFromSummary()
    {
        DependantInfoStruct deps;
        IndividualTaxData a(0, &deps), b(0, &deps);
        newPerson(a, 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 0, true);
        newPerson(b, 9, QStringLiteral("Bob"), QStringLiteral("Lee"), 0, true);
        a.setPassword(QStringLiteral("kept"));
        a.estimateBenefits(true, &b);
        auto *ksA = dynamic_cast<KS *>(a.getForm(93, 0, false));
        auto *ksB = dynamic_cast<KS *>(b.getForm(93, 0, false));
        QCOMPARE(ksA->text(KS::F_Password), QStringLiteral("kept"));
        QCOMPARE(b.password(), CString("kept"));
        QCOMPARE(ksB->text(KS::F_Password), QStringLiteral("kept"));

        ksA->setText(KS::F_Password, QStringLiteral("typed"));
        b.estimateBenefits(false, &a);
        QCOMPARE(a.password(), CString("kept"));
        a.estimateBenefits(true, &b);
        QCOMPARE(a.password(), CString("typed"));
        QCOMPARE(b.password(), CString("typed"));

        ksA->setText(KS::F_Password, QString());
        a.estimateBenefits(true, &b);
        QVERIFY(a.password().isEmpty() && b.password().isEmpty());
    }

    // A protected file keeps its password through open, recalculation and save; a file
    // whose summary page does not hold it keeps it too; an old file has none.
    void protectedFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 5, false);
        rf.recalculate(-1, nullptr);
        dynamic_cast<KS *>(rf.self()->getForm(93, 0, false))->setText(KS::F_Password, QStringLiteral("Secret1"));
        rf.recalculate(-1, nullptr);
        QVERIFY(rf.hasPassword());
        const QString path = savedFile(dir, rf, QStringLiteral("a.r24"));
        QVERIFY(!path.isEmpty());

        for (int round = 0; round < 2; ++round) {
            m_messages.clear();
            m_messages.scriptInput(QStringLiteral("Secret1"));
            int code = -1;
            QScopedPointer<CReturnFile> opened(CReturnFile::load(path, code));
            QCOMPARE(code, 0);
            QCOMPARE(m_messages.shown().size(), 1);
            opened->recalculate(-1, nullptr);
            QCOMPARE(opened->self()->password(), CString("Secret1"));
            QVERIFY(!savedFile(dir, *opened, QStringLiteral("a.r24")).isEmpty());
        }
        m_messages.clear();
        int code = -1;
        QScopedPointer<CReturnFile> refused(CReturnFile::load(path, code));
        QCOMPARE(code, 112);

        // written by a program whose summary page had no password: the block's password holds
        CReturnFile bare;
        newPerson(*bare.self(), 9, QStringLiteral("Cy"), QStringLiteral("Lee"), 5, false);
        bare.self()->setPassword(QStringLiteral("Block"));
        const QString barePath = savedFile(dir, bare, QStringLiteral("b.r24"));
        m_messages.scriptInput(QStringLiteral("Block"));
        QScopedPointer<CReturnFile> reopened(CReturnFile::load(barePath, code));
        QCOMPARE(code, 0);
        reopened->recalculate(-1, nullptr);
        QCOMPARE(reopened->self()->password(), CString("Block"));
        QCOMPARE(dynamic_cast<KS *>(reopened->self()->getForm(93, 0, false))->text(KS::F_Password),
                 QStringLiteral("Block"));

        // the same file as a version that kept no password: opened without asking, and
        // the text on its summary page does not bring the password back
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        qToLittleEndian<qint32>(66033, bytes.data());   // self's block version
        file.seek(0);
        file.write(bytes);
        file.close();
        m_messages.clear();
        QScopedPointer<CReturnFile> old(CReturnFile::load(path, code));
        QCOMPARE(code, 0);
        QVERIFY(!old->hasPassword());
        old->recalculate(-1, nullptr);
        QVERIFY(old->self()->password().isEmpty());
        QVERIFY(!old->hasPassword());
        for (const ScriptedMessages::Shown &s : m_messages.shown())
            QVERIFY2(s.kind != QLatin1String("input"), qPrintable(s.text));
    }

private:
    ScriptedMessages m_messages;
};

BQ_TEST_MAIN_CORE(TestEstimates)
#include "tst_estimates.moc"
