// The T1's queries for the filing documents and its checks.
#include "bqtest.h"
#include "netfilerecords.h"
#include "taxdata_sch11.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
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

    // Schedules 7 and 11 file their amounts under the 2024 forms' line codes: the
    // contributions of the year at 24500 (not HBP withdrawals at 24700), the HBP repayment
    // at 24600, the tuition transferred at 32700 (32400 is the T1's transfer from a child).
    void scheduleLineCodes()
    {
        TaxData_Sch7 sch7;
        sch7.setAmount(TaxData_Sch7::F_UnusedContributions, 2000.0);
        sch7.setAmount(TaxData_Sch7::F_ContribRestOfYear, 1000.0);
        sch7.setAmount(TaxData_Sch7::F_ContribFirst60Days, 500.0);
        sch7.setAmount(TaxData_Sch7::F_HBPRepayment, 300.0);
        sch7.setAmount(TaxData_Sch7::F_DeductionLimit, 10000.0);
        sch7.Calculate01();
        TaxData_Sch11 sch11;
        sch11.setAmount(TaxData_Sch11::F_Transferred, 400.0);
        // Schedule 8's base contribution is the line 30800 credit, not the 22215 deduction
        TaxData_Sch8_14 sch8;
        sch8.setAmount(TaxData_Sch8_14::F_BaseContribution, 3200.0);
        QString text;
        for (CTaxData_Form *form : {static_cast<CTaxData_Form *>(&sch7), static_cast<CTaxData_Form *>(&sch11),
                                    static_cast<CTaxData_Form *>(&sch8)}) {
            CString out;
            int counter = 0;
            QMap<int, NetfileWrittenCode> codes;
            NetfileGenObjParamStru c;
            c.outputKind = 0;
            c.recordText = &out;
            c.counter = &counter;
            c.writtenCodes = &codes;
            form->ConvertToNetfile(1, c);
            text += QString(out);
        }
        QVERIFY2(text.contains(QLatin1String("<t1:Line24500>1500.00</t1:Line24500>")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line24600>300.00</t1:Line24600>")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line32700>400.00</t1:Line32700>")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line30800>3200.00</t1:Line30800>")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("<t1:Line22215>3200.00")), qPrintable(text));
        for (const char *wrong : {"Line24700", "Line24610", "Line24630", "Line32400"})
            QVERIFY2(!text.contains(QLatin1String(wrong)), wrong);
    }
};

BQ_TEST_MAIN_CORE(TestT1FilingValues)
#include "tst_t1filingvalues.moc"
