// The income threshold list: sorted insertion, brackets and the balance of two incomes.
#include "bqtest.h"
#include "incomethresholdlist.h"
#include <cmath>

namespace {

IncomeThresholdList listOf(const QList<double> &amounts)
{
    IncomeThresholdList list;
    for (double a : amounts)
        list.insertSorted(a);
    return list;
}

} // namespace

class TestThresholds : public QObject
{
    Q_OBJECT

private slots:
    void insertSorted()
    {
        IncomeThresholdList list = listOf({20000, 10000, 55867, 10000, 0});
        QCOMPARE(list.count(), 5);
        const QList<double> expected{0, 10000, 10000, 20000, 55867};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(list.at(i), expected.at(i));
        list.clear();
        QCOMPARE(list.count(), 0);
    }

    void bracketOf_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("bracket");
        QTest::newRow("below the first") << 9999.99 << 0;
        QTest::newRow("on a threshold: the bracket above") << 10000.0 << 1;
        QTest::newRow("between") << 15000.0 << 1;
        QTest::newRow("on the last") << 20000.0 << 2;
        QTest::newRow("above all") << 1e6 << 2;
    }
    void bracketOf()
    {
        QFETCH(double, amount);
        QFETCH(int, bracket);
        QCOMPARE(listOf({10000, 20000}).bracketOf(amount), bracket);
    }

    void balanceIncomes_data()
    {
        QTest::addColumn<QList<double>>("thresholds");
        QTest::addColumn<double>("firstIncome");
        QTest::addColumn<double>("firstMovable");
        QTest::addColumn<double>("secondIncome");
        QTest::addColumn<double>("secondMovable");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        const QList<double> two{10000, 20000};
        QTest::newRow("empty list") << QList<double>() << 5000.0 << 100.0 << 9000.0 << 100.0 << 0.0 << 0.0;
        QTest::newRow("both below the first threshold") << two << 5000.0 << 100.0 << 9000.0 << 100.0 << 0.0 << 0.0;
        // the worked example: H is the first pair, the brackets meet in bracket 1
        QTest::newRow("worked example") << two << 25000.0 << 10000.0 << 5000.0 << 10000.0 << 10000.0 << 5000.0;
        // the same with the pairs swapped: the results change sign
        QTest::newRow("worked example, swapped") << two << 5000.0 << 10000.0 << 25000.0 << 10000.0 << -10000.0
                                                 << -5000.0;
        // H can give 3000 only: the walk stops before the first edge
        QTest::newRow("movable runs short") << two << 25000.0 << 3000.0 << 5000.0 << 0.0 << 3000.0 << 3000.0;
        // a movable amount equal to the step is taken
        QTest::newRow("movable equals the step") << two << 25000.0 << 5000.0 << 15000.0 << 0.0 << 5000.0 << 5000.0;
        // same bracket: no walk; the range inside the bracket, negated (H is the second pair)
        QTest::newRow("same bracket") << two << 12000.0 << 1000.0 << 15000.0 << 4000.0 << -4000.0 << 1000.0;
        // duplicate thresholds make an empty bracket that is crossed with a step of 0
        QTest::newRow("duplicate thresholds") << QList<double>{10000, 10000, 20000} << 25000.0 << 10000.0 << 5000.0
                                              << 10000.0 << 10000.0 << 5000.0;
        // meeting in the top bracket, which has no upper edge (the second pair gives)
        QTest::newRow("top bracket") << QList<double>{10000} << 8000.0 << 0.0 << 30000.0 << 5000.0 << -5000.0
                                     << -2000.0;
    }
    void balanceIncomes()
    {
        QFETCH(QList<double>, thresholds);
        QFETCH(double, firstIncome);
        QFETCH(double, firstMovable);
        QFETCH(double, secondIncome);
        QFETCH(double, secondMovable);
        QFETCH(double, upper);
        QFETCH(double, lower);
        double up = 99.0, low = 99.0;
        listOf(thresholds).balanceIncomes(IncomePair(firstIncome, firstMovable), IncomePair(secondIncome, secondMovable),
                                          up, low);
        QCOMPARE(up, upper);
        QCOMPARE(low, lower);
    }

    // An empty list gives negative zero when the first pair is the lower one.
    void negativeZero()
    {
        double up = 1.0, low = 1.0;
        IncomeThresholdList().balanceIncomes(IncomePair(1000, 0), IncomePair(2000, 0), up, low);
        QVERIFY(up == 0.0 && low == 0.0);
        QVERIFY(std::signbit(up) && std::signbit(low));
    }
};

BQ_TEST_MAIN_CORE(TestThresholds)
#include "tst_thresholds.moc"
