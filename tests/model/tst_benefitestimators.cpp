#include "bqtest.h"
#include "benefitestimators.h"
#include "formtypes.h"
#include "provincialbenefits.h"
#include <functional>

// Amounts are compared to the cent.
static bool sameToCent(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

Q_DECLARE_METATYPE(BenefitFamily)
Q_DECLARE_METATYPE(OntarioHousing)

namespace {

// A family of a given adjusted family net income, built up step by step.
struct Family
{
    explicit Family(double income) { f.familyNetIncome = income; }
    Family &spouse() { f.hasSpouse = true; return *this; }
    Family &senior() { f.senior = true; return *this; }
    Family &under6(int n) { f.childrenUnder6 = n; return *this; }
    Family &sixTo17(int n) { f.children6To17 = n; return *this; }
    Family &aged18(int n) { f.children18 = n; return *this; }
    Family &schoolAge(int n) { f.schoolAgeChildren = n; return *this; }
    Family &disabled(int n) { f.disabledPersons = n; return *this; }
    Family &working(double w) { f.familyWorkingIncome = w; return *this; }
    operator QVariant() const { return QVariant::fromValue(f); }
    BenefitFamily f;
};

OntarioHousing housing(double rent, double propertyTax, double longTermCare = 0.0, bool student = false)
{
    OntarioHousing h;
    h.appliesEnergyProperty = true;
    h.rent = rent;
    h.propertyTax = propertyTax;
    h.longTermCare = longTermCare;
    h.studentResidence = student;
    return h;
}

using Benefit = std::function<double(const BenefitFamily &)>;

const QHash<QString, Benefit> &benefits()
{
    static const QHash<QString, Benefit> all{
        {"ON sales tax", ontarioSalesTaxCredit},
        {"ON northern energy", northernOntarioEnergyCredit},
        {"ON child", ontarioChildBenefit},
        {"BC family", bcFamilyBenefit},
        {"AB child and family", albertaChildFamilyBenefit},
        {"SK low income", saskatchewanLowIncomeCredit},
        {"NB HST", nbHstCredit},
        {"NB child", nbChildTaxBenefit},
        {"NB working", nbWorkingIncomeSupplement},
        {"NB school", nbSchoolSupplement},
        {"NL child", nlChildBenefit},
        {"NL income supplement", nlIncomeSupplement},
        {"NS child", nsChildBenefit},
        {"NS affordable living", nsAffordableLivingCredit},
        {"PE child", peiChildBenefit},
        {"PE sales tax", peiSalesTaxCredit},
        {"NT child", nwtChildBenefit},
    };
    return all;
}

} // namespace

class TestBenefitEstimators : public QObject
{
    Q_OBJECT

private slots:
    void childBenefit_data()
    {
        QTest::addColumn<int>("under6");
        QTest::addColumn<int>("sixTo17");
        QTest::addColumn<int>("disabled");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("expected");

        // July 2025 to June 2026: 7,997 a child under 6, 6,748 from 6 to 17, 3,411 with the
        // disability amount; reduced over 37,487 at 7 / 13.5 / 19 / 23 % (1 / 2 / 3 / 4+ children),
        // over 81,222 by the whole first band (3,061 / 5,904 / 8,310 / 10,059 = rate x 43,735)
        // and 3.2 / 5.7 / 8 / 9.5 % of the excess
        QTest::newRow("no children") << 0 << 0 << 0 << 20000.0 << 0.0;
        QTest::newRow("no children, disability count alone") << 0 << 0 << 1 << 20000.0 << 0.0;
        QTest::newRow("negative counts") << -1 << 0 << 0 << 20000.0 << 0.0;
        QTest::newRow("one under 6, zero income") << 1 << 0 << 0 << 0.0 << 7997.0;
        QTest::newRow("one under 6, 30000") << 1 << 0 << 0 << 30000.0 << 7997.0;
        QTest::newRow("one under 6, first threshold") << 1 << 0 << 0 << 37487.0 << 7997.0;
        QTest::newRow("one under 6, just above") << 1 << 0 << 0 << 37587.0 << 7990.0;
        // 7,997 - 43,735 x 7 %
        QTest::newRow("one under 6, second threshold") << 1 << 0 << 0 << 81222.0 << 4935.55;
        // 7,997 - (3,061 + 18,778 x 3.2 %)
        QTest::newRow("one under 6, 100000") << 1 << 0 << 0 << 100000.0 << 4335.104;
        QTest::newRow("one 6 to 17, 50000") << 0 << 1 << 0 << 50000.0 << 6748.0 - 12513.0 * 0.07;
        QTest::newRow("two, 81222") << 1 << 1 << 0 << 81222.0 << 14745.0 - 43735.0 * 0.135;
        QTest::newRow("two, 100000") << 1 << 1 << 0 << 100000.0 << 14745.0 - (5904.0 + 18778.0 * 0.057);
        QTest::newRow("three, 100000") << 0 << 3 << 0 << 100000.0 << 20244.0 - (8310.0 + 18778.0 * 0.08);
        QTest::newRow("four, 60000") << 2 << 2 << 0 << 60000.0 << 29490.0 - 22513.0 * 0.23;
        QTest::newRow("five use the four column") << 2 << 3 << 0 << 100000.0
                                                  << 36238.0 - (10059.0 + 18778.0 * 0.095);
        QTest::newRow("phased out, never negative") << 0 << 1 << 0 << 300000.0 << 0.0;
        QTest::newRow("one disabled, 30000") << 1 << 0 << 1 << 30000.0 << 7997.0 + 3411.0;
        // 3,411 - 18,778 x 3.2 %
        QTest::newRow("one disabled, 100000") << 1 << 0 << 1 << 100000.0 << 4335.104 + 2810.104;
        QTest::newRow("two disabled, 100000") << 1 << 1 << 2 << 100000.0
                                              << 14745.0 - (5904.0 + 18778.0 * 0.057)
                                                     + 6822.0 - 18778.0 * 0.057;
        QTest::newRow("disability phased out too") << 0 << 1 << 1 << 220000.0 << 0.0;
    }
    void childBenefit()
    {
        QFETCH(int, under6);
        QFETCH(int, sixTo17);
        QFETCH(int, disabled);
        QFETCH(double, income);
        QFETCH(double, expected);
        const double got = estimateChildBenefit(9, under6, sixTo17, disabled, income);
        QVERIFY2(sameToCent(got, expected), qPrintable(QString::number(got, 'f', 4)));
    }

    void childBenefitIgnoresProvince()
    {
        QCOMPARE(estimateChildBenefit(0, 1, 2, 1, 90000.0),
                 estimateChildBenefit(11, 1, 2, 1, 90000.0));
    }

    void gstHstCredit_data()
    {
        QTest::addColumn<double>("income");
        QTest::addColumn<bool>("hasSpouse");
        QTest::addColumn<double>("spouseIncome");
        QTest::addColumn<bool>("eligibleDependant");
        QTest::addColumn<int>("children");
        QTest::addColumn<double>("expected");

        // July 2025 to June 2026: 349 a person, 349 for a spouse or a single parent's first
        // child, 184 each other child; a single person's additional 2 % over 11,337, at most 184
        // (in full for a single parent); less 5 % of family income over 45,521. The rows marked
        // "chart" are the CRA's payments chart of that year.
        QTest::newRow("single, zero income") << 0.0 << false << 0.0 << false << 0 << 349.0;
        QTest::newRow("single, supplement base") << 11337.0 << false << 0.0 << false << 0 << 349.0;
        QTest::newRow("single, supplement phasing in") << 15000.0 << false << 0.0 << false << 0
                                                      << 349.0 + 3663.0 * 0.02;
        QTest::newRow("single, supplement just full") << 20537.0 << false << 0.0 << false << 0 << 533.0;
        // chart: 349 + 8,663 x 2 % = 349 + 173.26
        QTest::newRow("single, 20000") << 20000.0 << false << 0.0 << false << 0 << 522.26;
        QTest::newRow("single, reduction threshold") << 45521.0 << false << 0.0 << false << 0 << 533.0;
        // chart: 533 - 4,479 x 5 % = 533 - 223.95
        QTest::newRow("single, 50000") << 50000.0 << false << 0.0 << false << 0 << 309.05;
        QTest::newRow("single, reduced to nothing") << 56181.0 << false << 0.0 << false << 0 << 0.0;
        QTest::newRow("single, never negative") << 90000.0 << false << 0.0 << false << 0 << 0.0;
        // chart: 349 + 349 + 2 x 184
        QTest::newRow("spouse, two children, 40000") << 25000.0 << true << 15000.0 << false << 2 << 1066.0;
        // chart: 349 + 349
        QTest::newRow("spouse, no children, 40000") << 25000.0 << true << 15000.0 << false << 0 << 698.0;
        QTest::newRow("spouse, no children, 0") << 0.0 << true << 0.0 << false << 0 << 698.0;
        QTest::newRow("spouse, family income reduces") << 30000.0 << true << 25521.0 << false << 1
                                                       << 882.0 - 10000.0 * 0.05;
        QTest::newRow("spouse, negative count") << 0.0 << true << 0.0 << false << -2 << 698.0;
        // chart: 349 + 349 (first child) + 184 (additional, in full)
        QTest::newRow("single parent, one child, low income") << 12000.0 << false << 0.0 << true << 0
                                                              << 882.0;
        QTest::newRow("single parent, three children") << 30000.0 << false << 0.0 << true << 2
                                                       << 698.0 + 368.0 + 184.0;
        QTest::newRow("single parent, 60000") << 60000.0 << false << 0.0 << true << 1
                                              << 1066.0 - 14479.0 * 0.05;
        QTest::newRow("single, children without dependant") << 5000.0 << false << 0.0 << false << 2
                                                            << 349.0 + 184.0;
    }
    void gstHstCredit()
    {
        QFETCH(double, income);
        QFETCH(bool, hasSpouse);
        QFETCH(double, spouseIncome);
        QFETCH(bool, eligibleDependant);
        QFETCH(int, children);
        QFETCH(double, expected);
        const double got =
            estimateGstHstCredit(income, hasSpouse, spouseIncome, eligibleDependant, children);
        QVERIFY2(sameToCent(got, expected), qPrintable(QString::number(got, 'f', 4)));
    }

    // Each benefit of 2025-26 from its rule, by hand. Row names start with the benefit.
    void provincialBenefit_data()
    {
        QTest::addColumn<QString>("benefit");
        QTest::addColumn<BenefitFamily>("family");
        QTest::addColumn<double>("expected");
        auto row = [](const char *benefit, const char *name, const Family &f, double expected) {
            QTest::addRow("%s: %s", benefit, name) << QString::fromLatin1(benefit) << f.f << expected;
        };
        // Ontario sales tax credit: 371 a person, less 4 % over 28,506 (single) or 35,632
        row("ON sales tax", "single, 20,000", Family(20000), 371.0);
        row("ON sales tax", "single, 30,000", Family(30000), 371.0 - 1494 * 0.04);               // 311.24
        row("ON sales tax", "single, 40,000: nil", Family(40000), 0.0);                          // 459.76 off
        row("ON sales tax", "couple, two children, 50,000", Family(50000).spouse().sixTo17(1).aged18(1),
            4 * 371.0 - 14368 * 0.04);                                                           // 909.28
        row("ON sales tax", "a child of 18 counts", Family(20000).aged18(1), 742.0);
        // northern energy: 185 less 1 % over 49,884; a family 285 less 1 % over 64,137
        row("ON northern energy", "single, 40,000", Family(40000), 185.0);
        row("ON northern energy", "single, 60,000", Family(60000), 185.0 - 101.16);             // 83.84
        row("ON northern energy", "couple, 70,000", Family(70000).spouse(), 285.0 - 58.63);    // 226.37
        // Ontario child benefit: 1,727 a child less 8 % over 26,364
        row("ON child", "two, 20,000", Family(20000).under6(1).sixTo17(1), 3454.0);
        row("ON child", "two, 50,000", Family(50000).under6(1).sixTo17(1), 3454.0 - 23636 * 0.08); // 1,563.12
        row("ON child", "one, 60,000: nil", Family(60000).sixTo17(1), 0.0);
        row("ON child", "18 is too old", Family(20000).aged18(1), 0.0);
        // BC: 1,750 / 1,100 / 900, 500 for a single parent, less 4 % over 29,526, not below
        // 775 / 750 / 725 until 94,483, that floor less 4 % over 94,483
        row("BC family", "single parent, 20,000", Family(20000).sixTo17(1), 2250.0);
        row("BC family", "couple, two, 40,000", Family(40000).spouse().sixTo17(2), 2850.0 - 10474 * 0.04); // 2,431.04
        row("BC family", "couple, two, 70,000: the floor", Family(70000).spouse().sixTo17(2), 1525.0);
        row("BC family", "couple, two, 100,000", Family(100000).spouse().sixTo17(2), 1525.0 - 5517 * 0.04); // 1,304.32
        row("BC family", "couple, three, 150,000", Family(150000).spouse().sixTo17(3), 2250.0 - 55517 * 0.04); // 29.32
        row("BC family", "ten children, 94,483", Family(94483).spouse().sixTo17(10), 10050.0 - 64957 * 0.04); // 7,451.72
        row("BC family", "no child", Family(20000), 0.0);
        // Alberta: base 1,499 + 750 each of three more, in a straight line from 27,565 to nil at
        // 46,191; working part 767 / 699 / 418 / 138 at 15 % of employment income over 2,760
        row("AB child and family", "one, 20,000 earned", Family(20000).sixTo17(1).working(20000), 1499.0 + 767.0);
        // 1,499 x (46,191 - 36,878) / 18,626 = 749.50; working 15 % x 34,118 > 767
        row("AB child and family", "one, half way", Family(36878).sixTo17(1).working(36878), 749.5 + 767.0);
        // 2,249 x 16,191 / 18,626 = 1,954.99; working 15 % x 2,240 = 336
        row("AB child and family", "two, 30,000, 5,000 earned", Family(30000).sixTo17(2).working(5000), 1954.99 + 336.0);
        row("AB child and family", "five count as four", Family(20000).sixTo17(5).working(50000), 3749.0 + 2022.0);
        row("AB child and family", "over 46,191: the working part left out", Family(50000).sixTo17(1).working(50000), 0.0);
        // Saskatchewan: 429 + 429 for a spouse or an eligible dependant + 169 a child (two), at
        // most 1,196; less 2.88 % over 38,590
        row("SK low income", "single, 20,000", Family(20000), 429.0);
        row("SK low income", "couple, three children: the family maximum", Family(30000).spouse().sixTo17(3), 1196.0);
        row("SK low income", "single parent, two, 45,000", Family(45000).sixTo17(2), 1027.0 - 184.61); // 842.39
        row("SK low income", "single, 60,000: nil", Family(60000), 0.0);
        // New Brunswick HST credit: 300 + 300 (spouse or eligible child) + 100 a child, less 2 % over 35,000
        row("NB HST", "single, 20,000", Family(20000), 300.0);
        row("NB HST", "couple, two, 40,000", Family(40000).spouse().sixTo17(2), 800.0 - 100.0);
        row("NB HST", "single parent, two, 30,000", Family(30000).sixTo17(1).aged18(1), 700.0);
        // child tax benefit: 250 a child less 2.5 % (one) or 5 % over 20,000
        row("NB child", "one, 24,000", Family(24000).sixTo17(1), 150.0);
        row("NB child", "one, 30,000: nil", Family(30000).sixTo17(1), 0.0);
        row("NB child", "two, 22,000", Family(22000).sixTo17(2), 400.0);
        // working supplement: 4 % of earned income over 3,750 up to 250, less 5 % over 20,921
        row("NB working", "8,000 earned", Family(8000).sixTo17(1).working(8000), 170.0);
        row("NB working", "22,000", Family(22000).sixTo17(1).working(20000), 250.0 - 53.95); // 196.05
        row("NB working", "no child", Family(8000).working(8000), 0.0);
        // school supplement: 100 a child of school age at 20,000 or less
        row("NB school", "two, 18,000", Family(18000).sixTo17(2).schoolAge(2), 200.0);
        row("NB school", "over 20,000", Family(20000.01).sixTo17(2).schoolAge(2), 0.0);
        // Newfoundland and Labrador child benefit: 155.66 / 165 / 177.25 / 190.41 a month up to 17,397
        row("NL child", "two, 15,000", Family(15000).sixTo17(2), (155.66 + 165.0) * 12);       // 3,847.92
        row("NL child", "five, 10,000", Family(10000).sixTo17(5), 10544.76);
        row("NL child", "over 17,397: not known", Family(20000).sixTo17(1), 0.0);
        // income supplement: 254 + 5.32 % over 15,000 up to 266, 69 spouse, 231 a child and a
        // person with the disability amount, less 9 % over 40,000
        row("NL income supplement", "single, 10,000", Family(10000), 254.0);
        row("NL income supplement", "single, 18,000", Family(18000), 254.0 + 159.6);
        row("NL income supplement", "couple, two, one disabled, 30,000", Family(30000).spouse().sixTo17(2).disabled(1),
            254.0 + 266.0 + 69.0 + 462.0 + 231.0);                                              // 1,282
        row("NL income supplement", "couple, two, 50,000", Family(50000).spouse().sixTo17(2), 1051.0 - 900.0);
        // Nova Scotia child benefit: 1,525 a child under 26,000; 1,525 + 762.50 each other to 34,000
        row("NS child", "two, 20,000", Family(20000).sixTo17(2), 3050.0);
        row("NS child", "two, 30,000", Family(30000).sixTo17(2), 2287.5);
        row("NS child", "two, 34,000: nil", Family(34000).sixTo17(2), 0.0);
        // affordable living: 255 + 60 a child, less 5 % over 30,000
        row("NS affordable living", "single, 20,000", Family(20000), 255.0);
        row("NS affordable living", "couple, two, 35,000", Family(35000).spouse().sixTo17(2), 375.0 - 250.0);
        // Prince Edward Island child benefit: 30 a month under 45,000, 20 a month to 80,000
        row("PE child", "two, 40,000", Family(40000).sixTo17(2), 720.0);
        row("PE child", "two, 45,000", Family(45000).sixTo17(2), 480.0);
        row("PE child", "two, 80,000", Family(80000).sixTo17(2), 480.0);
        row("PE child", "two, over 80,000", Family(80000.01).sixTo17(2), 0.0);
        // sales tax credit: 110 + 55 (spouse or eligible dependant) + 0.5 % over 30,000 up to
        // 55, less 2 % over 50,000
        row("PE sales tax", "single, 25,000", Family(25000), 110.0);
        row("PE sales tax", "single, 40,000", Family(40000), 160.0);
        row("PE sales tax", "couple, 60,000", Family(60000).spouse(), 220.0 - 200.0);
        row("PE sales tax", "single parent, 20,000", Family(20000).under6(1), 165.0);
        // Northwest Territories child benefit: by children under 6 and 6 to 17, reduced in a
        // straight line from 30,000 to nil at 80,000
        row("NT child", "one of each, 25,000", Family(25000).under6(1).sixTo17(1), 815.0 + 652.0);
        row("NT child", "two under 6, 55,000", Family(55000).under6(2), 1467.0 / 2);          // 733.50
        row("NT child", "five under 6", Family(20000).under6(5), 2445.0 + 367.0);
        row("NT child", "80,000: nil", Family(80000).under6(1), 0.0);
    }
    void provincialBenefit()
    {
        QFETCH(QString, benefit);
        QFETCH(BenefitFamily, family);
        QFETCH(double, expected);
        QVERIFY2(benefits().contains(benefit), qPrintable(benefit));
        const double got = benefits().value(benefit)(family);
        QVERIFY2(sameToCent(got, expected), qPrintable(QString::number(got, 'f', 4)));
    }

    // Ontario's energy and property tax credit on the occupancy cost (20 % of the rent and the
    // property tax), then the Trillium Benefit with the senior homeowners' grant.
    void ontarioEnergyProperty_data()
    {
        QTest::addColumn<BenefitFamily>("family");
        QTest::addColumn<OntarioHousing>("housing");
        QTest::addColumn<double>("credit");
        // senior, rent 9,600: occupancy 1,920; energy 285; property 606 + 192 = 798; 1,083
        QTest::newRow("senior renter") << Family(15000).senior().f << housing(9600, 0) << 1083.0;
        // above the single senior threshold 35,632: 2 % x 14,368 = 287.36
        QTest::newRow("senior renter, 50,000") << Family(50000).senior().f << housing(9600, 0) << 795.64;
        // under 64, rent 12,000: occupancy 2,400; energy 285; property 71 + 240 = 311
        QTest::newRow("renter") << Family(20000).f << housing(12000, 0) << 596.0;
        // property tax 10,000: 285 + 71 + 927 (capped); less 2 % x (30,000 - 26,766) = 64.68
        QTest::newRow("owner, 30,000") << Family(30000).f << housing(0, 10000) << 1218.32;
        // senior couple, 8,000 of tax: 285 + 606 + 570; less 2 % x (50,000 - 42,759) = 144.82
        QTest::newRow("senior couple") << Family(50000).spouse().senior().f << housing(0, 8000) << 1316.18;
        // couple under 64, rent 6,000: occupancy 1,200; energy 285; property 71 + 120 = 191;
        // 476 less 2 % x (40,000 - 35,632) = 87.36
        QTest::newRow("couple renting") << Family(40000).spouse().f << housing(6000, 0) << 388.64;
        // small rent 500: occupancy 100; energy 100; property the lesser of 100 and 71 + 10
        QTest::newRow("small rent") << Family(20000).f << housing(500, 0) << 181.0;
        // a long-term care home: 20 % of 20,000 for energy, at most 285; no occupancy cost
        QTest::newRow("long-term care") << Family(20000).f << housing(0, 0, 20000) << 285.0;
        // a designated student residence: occupancy 25, energy nil, property 25
        QTest::newRow("student residence") << Family(10000).f << housing(0, 0, 0, true) << 25.0;
    }
    void ontarioEnergyProperty()
    {
        QFETCH(BenefitFamily, family);
        QFETCH(OntarioHousing, housing);
        QFETCH(double, credit);
        const double got = ontarioEnergyPropertyTaxCredit(family, housing).credit;
        QVERIFY2(sameToCent(got, credit), qPrintable(QString::number(got, 'f', 4)));
    }

    void ontarioTrillium()
    {
        // senior homeowner at 20,000 with 600 of property tax: sales tax 371; energy and
        // property 285 + the lesser of 600 and 606 + 60 = 885; the grant the lesser of 500 and
        // 600; the credit cut by 500 + 885 - (285 + 600) = 500 to 385
        const BenefitFamily senior = Family(20000).senior().f;
        const double grant = ontarioSeniorHomeownersGrant(senior, 600);
        QVERIFY(sameToCent(grant, 500.0));
        QVERIFY(sameToCent(ontarioTrilliumBenefit(senior, housing(0, 600), true, grant), 371.0 + 385.0));
        // the grant: 500 less 3.33 % over 35,000 (45,000 for a couple), at most the property tax
        QVERIFY(sameToCent(ontarioSeniorHomeownersGrant(Family(30000).senior().f, 300), 300.0));
        QVERIFY(sameToCent(ontarioSeniorHomeownersGrant(Family(40000).senior().f, 3000), 333.5));
        QVERIFY(sameToCent(ontarioSeniorHomeownersGrant(Family(50000).spouse().senior().f, 3000), 333.5));
        QVERIFY(sameToCent(ontarioSeniorHomeownersGrant(Family(55000).senior().f, 3000), 0.0));
        // paid: 181 less 2 % x (35,566 - 26,766) = 5.00 is paid as 10; 1.50 is not paid
        QVERIFY(sameToCent(ontarioTrilliumBenefit(Family(35566).f, housing(500, 0), false, 0.0), 10.0));
        QVERIFY(sameToCent(ontarioTrilliumBenefit(Family(35741).f, housing(500, 0), false, 0.0), 0.0));
        // the northern credit needs housing paid for
        OntarioHousing north;
        north.appliesNorthern = true;
        QVERIFY(sameToCent(ontarioTrilliumBenefit(Family(20000).f, north, false, 0.0), 0.0));
        north.rent = 6000;
        QVERIFY(sameToCent(ontarioTrilliumBenefit(Family(20000).f, north, false, 0.0), 185.0));
    }

    void nlDisability_data()
    {
        QTest::addColumn<double>("income");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("both");
        QTest::addColumn<double>("expected");
        QTest::newRow("20,000") << 20000.0 << 40 << false << 4800.0;
        QTest::newRow("35,000") << 35000.0 << 40 << false << 4800.0 - 2066.78;        // 36.92 % x 5,598
        QTest::newRow("35,000, both spouses") << 35000.0 << 40 << true << 4800.0 - 1033.39; // 18.46 %
        QTest::newRow("65") << 20000.0 << 65 << false << 0.0;
        QTest::newRow("17") << 20000.0 << 17 << false << 0.0;
    }
    void nlDisability()
    {
        QFETCH(double, income);
        QFETCH(int, age);
        QFETCH(bool, both);
        QFETCH(double, expected);
        const double got = nlDisabilityBenefit(income, age, both);
        QVERIFY2(sameToCent(got, expected), qPrintable(QString::number(got, 'f', 4)));
    }

    // Manitoba, Quebec, Yukon and Nunavut: no figures, no estimate.
    void provincesWithoutFigures()
    {
        const BenefitFamily f = Family(10000).spouse().sixTo17(2).f;
        for (int province : {Province::Manitoba, Province::Quebec, Province::Yukon, Province::Nunavut}) {
            QCOMPARE(provincialCreditsWithGstHst(province, f), 0.0);
            QCOMPARE(provincialChildBenefits(province, f), 0.0);
        }
        // New Brunswick's child benefits paid together: 250 + 250 + 100
        const BenefitFamily nb = Family(18000).sixTo17(1).schoolAge(1).working(18000).f;
        QVERIFY(sameToCent(provincialChildBenefits(Province::NewBrunswick, nb), 600.0));
    }
};

BQ_TEST_MAIN_CORE(TestBenefitEstimators)
#include "tst_benefitestimators.moc"
