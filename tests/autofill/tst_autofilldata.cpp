// The downloaded slips copied into the return's slips, the Auto-fill choices and
// the downloaded person's queries.
#include "bqtest.h"
#include "dataafr.h"
#include "taxfactory.h"
#include "taxslipt1204.h"
#include "taxslipt3.h"
#include "taxslipt4.h"
#include "taxslipt4a.h"
#include "taxslipt5.h"
#include "taxslipt5008.h"
#include "tddtaxdataoneperson.h"
#include "cslipdata_t4aoas.h"
#include "taxdata_slip_t1204.h"
#include "taxdata_slip_t3.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t4a.h"
#include "taxdata_slip_t5.h"
#include <memory>
#include <optional>

using Amount = std::optional<double>;   // a downloaded amount, or none

class TstAutofillData : public QObject
{
    Q_OBJECT

private slots:
    void copyT4()
    {
        TaxSlipT4 d;
        d.employerName = "Érablière Ltée";
        d.province = "QC";
        d.cppQppExemptCode = "1";
        d.setBox("14", " 48000.50 ");
        d.setBox("16A", "120");
        d.setBox("17", "2900");
        d.setBox("24", "0.005");
        d.setBox("26", "0.009");
        d.setBox("104", "77");   // not a box the T4 copies
        std::unique_ptr<CTaxData_Form> form(createSlip(1));
        form->setAmount(TaxData_Slip_T4::F_Box24, 5);
        d.copyToSlip(form.get());
        auto &s = static_cast<TaxData_Slip_T4 &>(*form);
        QCOMPARE(s.text(TaxData_Slip_T4::F_Payer), QStringLiteral("Érablière Ltée"));
        QCOMPARE(s.intValue(TaxData_Slip_T4::F_Province), 11);
        QCOMPARE(s.amount(TaxData_Slip_T4::F_Box14), 48000.5);
        QCOMPARE(s.amount(TaxData_Slip_T4::F_Box16A), 120.0);
        QCOMPARE(s.amount(TaxData_Slip_T4::F_Box17), 2900.0);
        // box 24 below 0.009 leaves the amount and its flag alone; box 26 at 0.009 is written
        QCOMPARE(s.amount(TaxData_Slip_T4::F_Box24), 5.0);
        QVERIFY(!s.flag(TaxData_Slip_T4::F_Box24Given));
        QCOMPARE(s.amount(TaxData_Slip_T4::F_Box26), 0.009);
        QVERIFY(s.flag(TaxData_Slip_T4::F_Box26Given));
        QVERIFY(s.isCppQppExempt());
        QVERIFY(!s.flag(TaxData_Slip_T4::F_EiExempt));
    }

    // A slip kind fills its own slip class and nothing else.
    void copyBoxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("expected");
        QTest::newRow("T4A box 105") << 2 << 2 << "105" << 105 << 700.0;
        QTest::newRow("T4A box 127") << 2 << 2 << "127" << 127 << 12.5;
        QTest::newRow("T4A box 196") << 2 << 2 << "196" << 196 << 12.5;
        QTest::newRow("T5 box 13 and its calculated amount") << 8 << 8 << "13" << 1013 << 12.5;
        QTest::newRow("T3 box 21 and its calculated amount") << 9 << 9 << "21" << 1021 << 12.5;
        QTest::newRow("T1204 box 82") << 23 << 23 << "82" << 82 << 12.5;
        QTest::newRow("T4A into a T4") << 2 << 1 << "22" << 22 << 0.0;
        QTest::newRow("T5 into a T3") << 8 << 9 << "26" << 26 << 0.0;
        QTest::newRow("T5008 is never copied") << 19 << 1 << "14" << 14 << 0.0;
    }

    void copyBoxes()
    {
        QFETCH(int, kind);
        QFETCH(int, target);
        QFETCH(QString, box);
        QFETCH(int, code);
        QFETCH(double, expected);
        std::unique_ptr<TaxSlip> d;
        const QByteArray value = expected == 700.0 ? "700" : "12.50";
        switch (kind) {
        case 2: d.reset(new TaxSlipT4A); break;
        case 8: d.reset(new TaxSlipT5); break;
        case 9: d.reset(new TaxSlipT3); break;
        case 19: d.reset(new TaxSlipT5008); break;
        case 23: {
            auto *t = new TaxSlipT1204;
            t->box82 = value.toStdString();
            d.reset(t);
            break;
        }
        }
        QCOMPARE(d->slipType, kind);
        d->setBox(box.toStdString(), QString::fromLatin1(value));
        std::unique_ptr<CTaxData_Form> form(createSlip(unsigned(target)));
        d->copyToSlip(form.get());
        QCOMPARE(form->valueByCode(code), expected);
        d->copyToSlip(nullptr);   // nothing to fill
    }

    void choices_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("t4");
        QTest::addColumn<bool>("allSelected");
        QTest::newRow("everything") << 0 << false << true;
        QTest::newRow("ticked, only T4") << 1 << true << false;
        QTest::newRow("not chosen yet") << -1 << true << false;
    }

    void choices()
    {
        QFETCH(int, option);
        QFETCH(bool, t4);
        QFETCH(bool, allSelected);
        DataAFR afr;
        QCOMPARE(afr.fieldCount(), 24);
        QCOMPARE(afr.field(0)->name(), QStringLiteral("fld_iFillOption"));
        afr.fld_iFillOption = option;
        afr.fld_bT4 = t4;
        QCOMPARE(afr.isSlipKindSelected(1), allSelected || t4);
        for (int type : {2, 13, 19, 20, 26})
            QCOMPARE(afr.isSlipKindSelected(type), allSelected);
        QCOMPARE(afr.isInstalmentSelected(), allSelected);
        QCOMPARE(afr.isTuitionSelected(), allSelected);
        QCOMPARE(afr.isRRSPContributionSelected(), allSelected);
        QCOMPARE(afr.isRRSPLimitSelected(), allSelected);
        QCOMPARE(afr.isHBPLLPSelected(), allSelected);
        afr.fld_bHBPLLP = true;
        QVERIFY(afr.isHBPLLPSelected());
    }

    void personQueries()
    {
        TDDTaxDataOnePerson p(2024);
        QCOMPARE(p.hbpRepaymentForYear("2024"), Amount());
        p.summary.hbp.requiredRepayments = {{"2023", "900"}, {"2024", "1000.50"}, {"2024", "5"}, {"", "7"}};
        p.summary.llp.requiredRepayments = {{"2024", "600"}};
        p.carryOver.federalTuition = {{"2021", "10"}, {"2022", "20"}, {"2023", "3,400.25"}};
        QCOMPARE(p.hbpRepaymentForYear("2024"), Amount(1000.5));   // the first of the year
        QCOMPARE(p.llpRepaymentForYear("2024"), Amount(600.0));
        QCOMPARE(p.federalTuitionCarryForwardForYear("2023"), Amount(3400.25));
        QCOMPARE(p.provincialTuitionCarryForwardForYear("2023"), Amount());
        p.carryOver.provincialTuition = {{"2023", "n/a"}, {"2023", "500"}};
        QCOMPARE(p.provincialTuitionCarryForwardForYear("2023"), Amount());   // the first entry holds no number

        for (int i = 0; i < TDDTaxDataOnePerson::kMaxSlips; ++i)
            QVERIFY(p.addSlip(new TaxSlipT4));
        QVERIFY(!p.addSlip(new TaxSlipT5));   // full: the slip is dropped
        QCOMPARE(p.slipCount(), TDDTaxDataOnePerson::kMaxSlips);
        QCOMPARE(p.slip(0)->slipType, 1);
    }
};

BQ_TEST_MAIN_CORE(TstAutofillData)
#include "tst_autofilldata.moc"
