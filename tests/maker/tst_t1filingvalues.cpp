// The T1's queries for the filing documents and its checks.
#include "bqtest.h"
#include "taxdata_t1new.h"

using T1 = TaxData_T1New;

class TestT1FilingValues : public QObject
{
    Q_OBJECT

private slots:
    void bankruptMonths_data()
    {
        QTest::addColumn<QDate>("bankrupt");
        QTest::addColumn<bool>("post");
        QTest::addColumn<int>("months");
        QTest::newRow("no bankruptcy") << QDate() << false << 12;
        QTest::newRow("last year") << QDate(2023, 6, 10) << false << 12;
        QTest::newRow("before, on the first") << QDate(2024, 3, 1) << false << 2;
        QTest::newRow("before, mid-month") << QDate(2024, 3, 15) << false << 3;
        QTest::newRow("after") << QDate(2024, 3, 15) << true << 10;
        QTest::newRow("after, from January 1") << QDate(2024, 1, 1) << true << 12;
    }
    void bankruptMonths()
    {
        QFETCH(QDate, bankrupt);
        QFETCH(bool, post);
        QFETCH(int, months);
        T1 t;
        t.setDate(T1::F_BankruptDate, bankrupt);
        t.setFlag(T1::F_PostBankrupt, post);
        QCOMPARE(t.GetBankruptMonthsInTaxYear(), months);
    }

    void netIncomeForCredit()
    {
        T1 t;
        t.setAmount(T1::F_23600, 40000);
        t.setAmount(T1::F_PostBankruptNetIncome, 12000);
        QCOMPARE(t.getNetIncForCredit(), 40000.0);
        t.setDate(T1::F_BankruptDate, QDate(2024, 5, 2));
        t.setFlag(T1::F_PostBankrupt, true);
        QCOMPARE(t.getNetIncForCredit(), 12000.0);
    }

    void spouseAgeAndSelfEmployment()
    {
        T1 t;
        QCOMPARE(t.GetSpouseAge(), 0);
        t.setSpouseDateOfBirth(QDate(1959, 12, 31));
        QCOMPARE(t.GetSpouseAge(), 65);
        QVERIFY(!t.HasSelfEmploymentIncome2());
        t.setAmount(T1::F_13499, 500);   // gross alone, the net line at zero
        QVERIFY(t.HasSelfEmploymentIncome2());
        QVERIFY(!t.HasSelfEmploymentIncome());
    }

    void appendedFields()
    {
        const T1 t;
        QCOMPARE(t.fieldTable().count(), int(T1::F_Count));
        // the fields the records write themselves have no code, so the walk leaves them alone
        for (int f : {T1::F_12599, T1::F_14299, T1::F_67650, T1::F_68150, T1::F_55320})
            QCOMPARE(t.fieldTable().spec(f).code, 0);
        QVERIFY(t.fieldTable().isTransient(T1::F_SpecialRecordMarker));
    }
};

BQ_TEST_MAIN_CORE(TestT1FilingValues)
#include "tst_t1filingvalues.moc"
