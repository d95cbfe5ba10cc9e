#include "bqtest.h"
#include "benefitestimators.h"

// Amounts are compared to the cent.
static bool sameToCent(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

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

        QTest::newRow("no children") << 0 << 0 << 0 << 20000.0 << 0.0;
        QTest::newRow("no children, disability count alone") << 0 << 0 << 1 << 20000.0 << 0.0;
        QTest::newRow("negative counts") << -1 << 0 << 0 << 20000.0 << 0.0;
        QTest::newRow("one under 6, zero income") << 1 << 0 << 0 << 0.0 << 7787.0;
        QTest::newRow("one under 6, 30000") << 1 << 0 << 0 << 30000.0 << 7787.0;
        QTest::newRow("one under 6, first threshold") << 1 << 0 << 0 << 36502.0 << 7787.0;
        QTest::newRow("one under 6, just above") << 1 << 0 << 0 << 36602.0 << 7780.0;
        QTest::newRow("one under 6, second threshold") << 1 << 0 << 0 << 79087.0 << 4806.05;
        QTest::newRow("one under 6, 100000") << 1 << 0 << 0 << 100000.0 << 4136.784;
        QTest::newRow("one 6 to 17, 50000") << 0 << 1 << 0 << 50000.0 << 6570.0 - 13498.0 * 0.07;
        QTest::newRow("two, 79087") << 1 << 1 << 0 << 79087.0 << 14357.0 - 42585.0 * 0.135;
        QTest::newRow("two, 100000") << 1 << 1 << 0 << 100000.0 << 14357.0 - (5749.0 + 20913.0 * 0.057);
        QTest::newRow("three, 100000") << 0 << 3 << 0 << 100000.0 << 19710.0 - (8091.0 + 20913.0 * 0.08);
        QTest::newRow("four, 60000") << 2 << 2 << 0 << 60000.0 << 28714.0 - 23498.0 * 0.23;
        QTest::newRow("five use the four column") << 2 << 3 << 0 << 100000.0
                                                  << 35284.0 - (9795.0 + 20913.0 * 0.095);
        QTest::newRow("phased out, never negative") << 0 << 1 << 0 << 300000.0 << 0.0;
        QTest::newRow("one disabled, 30000") << 1 << 0 << 1 << 30000.0 << 7787.0 + 3322.0;
        QTest::newRow("one disabled, 100000") << 1 << 0 << 1 << 100000.0 << 4136.784 + 2652.784;
        QTest::newRow("two disabled, 100000") << 1 << 1 << 2 << 100000.0
                                              << 14357.0 - (5749.0 + 20913.0 * 0.057)
                                                     + 6644.0 - 20913.0 * 0.057;
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

        QTest::newRow("single, zero income") << 0.0 << false << 0.0 << false << 0 << 340.0;
        QTest::newRow("single, supplement base") << 11039.0 << false << 0.0 << false << 0 << 340.0;
        QTest::newRow("single, supplement phasing in") << 15000.0 << false << 0.0 << false << 0
                                                      << 340.0 + 3961.0 * 0.02;
        QTest::newRow("single, supplement just full") << 19989.0 << false << 0.0 << false << 0 << 519.0;
        QTest::newRow("single, 20000") << 20000.0 << false << 0.0 << false << 0 << 519.0;
        QTest::newRow("single, reduction threshold") << 44324.0 << false << 0.0 << false << 0 << 519.0;
        QTest::newRow("single, 50000") << 50000.0 << false << 0.0 << false << 0 << 235.2;
        QTest::newRow("single, reduced to nothing") << 54704.0 << false << 0.0 << false << 0 << 0.0;
        QTest::newRow("single, never negative") << 90000.0 << false << 0.0 << false << 0 << 0.0;
        QTest::newRow("spouse, two children, 40000") << 25000.0 << true << 15000.0 << false << 2 << 1038.0;
        QTest::newRow("spouse, no children, 0") << 0.0 << true << 0.0 << false << 0 << 680.0;
        QTest::newRow("spouse, family income reduces") << 30000.0 << true << 24324.0 << false << 1
                                                       << 859.0 - 10000.0 * 0.05;
        QTest::newRow("spouse, negative count") << 0.0 << true << 0.0 << false << -2 << 680.0;
        QTest::newRow("single parent, one child, low income") << 12000.0 << false << 0.0 << true << 0
                                                              << 680.0 + 179.0;
        QTest::newRow("single parent, three children") << 30000.0 << false << 0.0 << true << 2
                                                       << 680.0 + 358.0 + 179.0;
        QTest::newRow("single parent, 60000") << 60000.0 << false << 0.0 << true << 1
                                              << 1038.0 - 15676.0 * 0.05;
        QTest::newRow("single, children without dependant") << 5000.0 << false << 0.0 << false << 2
                                                            << 340.0 + 179.0;
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
};

BQ_TEST_MAIN_CORE(TestBenefitEstimators)
#include "tst_benefitestimators.moc"
