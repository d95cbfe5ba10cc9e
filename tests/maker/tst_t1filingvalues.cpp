// The T1's queries for the filing documents and its checks.
#include "bqtest.h"
#include "netfilerecords.h"
#include "taxdata_sch11.h"
#include "taxdata_sch3.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
#include "taxdata_sch9.h"
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
        sch11.setAmount(TaxData_Sch11::F_TransferClaimed, 400.0);
        // Schedule 8's base contribution is the line 30800 credit, not the 22215 deduction
        TaxData_Sch8_14 sch8;
        sch8.setAmount(TaxData_Sch8_14::F_BaseContribution, 3200.0);
        const QString text = filingText(sch7) + filingText(sch11) + filingText(sch8);
        QVERIFY2(text.contains(QLatin1String("<t1:Line24500>1500.00</t1:Line24500>")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line24600>300.00</t1:Line24600>")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line32700>400.00</t1:Line32700>")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line30800>3200.00</t1:Line30800>")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("<t1:Line22215>3200.00")), qPrintable(text));
        for (const char *wrong : {"Line24700", "Line24610", "Line24630", "Line32400"})
            QVERIFY2(!text.contains(QLatin1String(wrong)), wrong);
    }

    // Schedule 9 files the allowable donations at 34000, not the slips' donations that are
    // one part of them.
    void scheduleNineAllowable()
    {
        using S = TaxData_Sch9;
        S sch9;
        sch9.setAmount(S::F_NetIncome, 10000.0);
        sch9.setAmount(S::F_Donations, 300.0);
        sch9.setAmount(S::F_DepreciableGifts, 1200.0);   // gifts of depreciable property, line 33700
        sch9.rows(0).append().setNumber(S::C_Amount, 8000.0);
        sch9.setAmount(S::F_TaxableIncome, 10000.0);
        sch9.setPlan(0.0, true);
        sch9.Calculate01();
        QCOMPARE(sch9.amount(S::F_Allowable), 7500.0);
        const QString text = filingText(sch9);
        QVERIFY2(text.contains(QLatin1String("<t1:Line34000>7500.00<")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("<t1:Line33700>1200.00<")), qPrintable(text));
    }

    // Schedule 3 fills each section from the rows of its kind and files it under the
    // 2024 gain code (not the proceeds codes 10699 and 13199); a personal-use loss is
    // nil, personal property counts proceeds and cost of at least 1,000, listed personal
    // property nets to no less than nil, and the slip lines carry
    // the T3 slips at 17600 and the T5, T5013 and T4PS slips at 17400.
    void scheduleThreeSections()
    {
        using S = TaxData_Sch3;
        S sch3;
        const struct { int kind; double gain; } rows[] = {
            {S::K_SmallBusinessShares, 100}, {S::K_FarmFishProperty, 200}, {S::K_Shares, 300}, {S::K_Shares, 50},
            {S::K_RealEstate, 400}, {S::K_Bonds, 500}, {S::K_OtherMortgage, 600}, {S::K_PersonalUse, 700},
            {S::K_PersonalUse, -900}, {S::K_ListedPersonal, 800}, {S::K_ListedPersonal, -1000}, {S::K_None, -20}};
        for (const auto &r : rows) {
            FieldRecord &row = sch3.dispositions().append();
            row.setNumber(S::C_Proceeds, 5000.0 + r.gain);
            row.setNumber(S::C_Cost, 5000.0);
            row.setNumber(S::C_Category, r.kind);
        }
        // the $1,000 rule: a cost of 200 counts as 1,000
        FieldRecord &small = sch3.dispositions().append();
        small.setNumber(S::C_Proceeds, 1500.0);
        small.setNumber(S::C_Cost, 200.0);
        small.setNumber(S::C_Category, S::K_PersonalUse);
        sch3.setAmount(S::F_T3T5Gains, 11.0);
        sch3.setAmount(S::F_T5013Gains, 22.0);
        sch3.setAmount(S::F_T2017Reserves, 33.0);
        sch3.Calculate01();
        QCOMPARE(sch3.dispositions().row(8).number(S::C_GainOrLoss), 0.0);
        QCOMPARE(sch3.amount(S::F_ListedPersonal), 0.0);
        // the sections, the row without a kind and the slip and reserve lines, each once
        QCOMPARE(sch3.amount(S::F_Total), 100.0 + 200 + 350 + 400 + 500 + 600 + 1200 - 20 + 11 + 22 + 33);
        const QString text = filingText(sch3);
        for (const char *line : {"<t1:Line10700>100.00<", "<t1:Line11000>200.00<", "<t1:Line13200>350.00<",
                                 "<t1:Line13600>400.00<", "<t1:Line13800>500.00<", "<t1:Line15300>600.00<",
                                 "<t1:Line15800>1200.00<", "<t1:Line17600>11.00<", "<t1:Line17400>22.00<",
                                 "<t1:Line19200>33.00<"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
        for (const char *wrong : {"Line10699", "Line12399", "Line13199", "Line15500", "Line16100", "Line17800"})
            QVERIFY2(!text.contains(QLatin1String(wrong)), wrong);
    }

private:
    static QString filingText(CTaxData_Form &form)
    {
        CString out;
        int counter = 0;
        QMap<int, NetfileWrittenCode> codes;
        NetfileGenObjParamStru c;
        c.outputKind = 0;
        c.recordText = &out;
        c.counter = &counter;
        c.writtenCodes = &codes;
        form.ConvertToNetfile(1, c);
        return QString(out);
    }
};

BQ_TEST_MAIN_CORE(TestT1FilingValues)
#include "tst_t1filingvalues.moc"
