// The 2024 arithmetic of the forms that carry their own worksheet, against
// cases worked by hand; the working of each expected value is beside its row.
#include "bqtest.h"
#include "ctaxdata_t1223.h"
#include "ctaxdata_t2222.h"
#include "mydatastream.h"
#include "taxdata_sch10.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1170.h"
#include "taxdata_t1198.h"
#include "taxdata_t2048.h"
#include "taxdata_t691new.h"
#include "taxrates2024.h"

namespace {
bool sameCents(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

#define COMPARE_CENTS(actual, expected) \
    do { \
        const double a_ = (actual); \
        const double e_ = (expected); \
        QVERIFY2(sameCents(a_, e_), qPrintable(QStringLiteral("%1: got %2, expected %3") \
                                                   .arg(QStringLiteral(#actual)) \
                                                   .arg(a_, 0, 'f', 2) \
                                                   .arg(e_, 0, 'f', 2))); \
    } while (false)
} // namespace

class TestForms2024 : public QObject
{
    Q_OBJECT

private slots:
    void medicalSupplement_data();
    void medicalSupplement();
    void minimumTax_data();
    void minimumTax();
    void minimumTaxAddBacks_data();
    void minimumTaxAddBacks();
    void giftOfListedShares_data();
    void giftOfListedShares();
    void ppip_data();
    void ppip();
    void pensionSplit_data();
    void pensionSplit();
    void clergyResidence_data();
    void clergyResidence();
    void businessTransfer_data();
    void businessTransfer();
    void retroactivePayment_data();
    void retroactivePayment();
    void northernResidency_data();
    void northernResidency();
    void northernTravel_data();
    void northernTravel();
    void cppOnEmployment_data();
    void cppOnEmployment();
    void rrspDeduction_data();
    void rrspDeduction();
    void rrspStoredBeforePrpp_data();
    void rrspStoredBeforePrpp();
};

void TestForms2024::medicalSupplement_data()
{
    QTest::addColumn<bool>("eligible");
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("deductions");
    QTest::addColumn<double>("selfEmployment");
    QTest::addColumn<double>("supports");
    QTest::addColumn<double>("medical");
    QTest::addColumn<double>("family");
    QTest::addColumn<double>("supplement");
    // 2,000 x 25 % = 500.00; family income under 32,419
    QTest::newRow("at the minimum earnings") << true << 4275.0 << 0.0 << 0.0 << 0.0 << 2000.0 << 20000.0 << 500.0;
    QTest::newRow("a cent under the minimum") << true << 4274.99 << 0.0 << 0.0 << 0.0 << 2000.0 << 20000.0 << 0.0;
    // 5,000 - 800 of employment deductions = 4,200 < 4,275
    QTest::newRow("deductions take it under") << true << 5000.0 << 800.0 << 0.0 << 0.0 << 2000.0 << 20000.0 << 0.0;
    // business income counts: 1,000.10 x 25 % = 250.025 -> 250.03
    QTest::newRow("self-employment counts") << true << 0.0 << 0.0 << 5000.0 << 0.0 << 1000.10 << 20000.0 << 250.03;
    // line 21500 400 x 25 % = 100.00
    QTest::newRow("disability supports") << true << 30000.0 << 0.0 << 0.0 << 400.0 << 0.0 << 20000.0 << 100.0;
    // 10,000 x 25 % = 2,500 -> 1,464; at the base amount no reduction
    QTest::newRow("capped") << true << 30000.0 << 0.0 << 0.0 << 0.0 << 10000.0 << 32419.0 << 1464.0;
    // (40,000 - 32,419) = 7,581 x 5 % = 379.05; 1,464 - 379.05 = 1,084.95
    QTest::newRow("reduced") << true << 30000.0 << 0.0 << 0.0 << 0.0 << 10000.0 << 40000.0 << 1084.95;
    // (70,000 - 32,419) x 5 % = 1,879.05 > 1,464 -> nil, not negative
    QTest::newRow("phased out") << true << 30000.0 << 0.0 << 0.0 << 0.0 << 10000.0 << 70000.0 << 0.0;
    QTest::newRow("not eligible") << false << 30000.0 << 0.0 << 0.0 << 0.0 << 10000.0 << 20000.0 << 0.0;
}

// Federal worksheet for line 45200.
void TestForms2024::medicalSupplement()
{
    QFETCH(bool, eligible);
    QFETCH(double, employment);
    QFETCH(double, deductions);
    QFETCH(double, selfEmployment);
    QFETCH(double, supports);
    QFETCH(double, medical);
    QFETCH(double, family);
    QFETCH(double, supplement);
    tax2024::forms::MedicalSupplementInput in;
    in.eligible = eligible;
    in.employmentIncome = employment;
    in.employmentDeductions = deductions;
    in.selfEmploymentIncome = selfEmployment;
    in.disabilitySupports = supports;
    in.allowableMedical = medical;
    in.familyNetIncome = family;
    COMPARE_CENTS(tax2024::forms::medicalExpenseSupplement(in), supplement);
}

void TestForms2024::minimumTax_data()
{
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("dividends");
    QTest::addColumn<double>("otherDividends");
    QTest::addColumn<double>("credits");
    QTest::addColumn<double>("donations");
    QTest::addColumn<double>("carryover");
    QTest::addColumn<double>("regular");
    QTest::addColumn<double>("minimumAmount");
    QTest::addColumn<double>("line95");
    QTest::addColumn<double>("minimumTax");
    QTest::addColumn<double>("carryoverApplied");
    // (320,001 + 300,000 - 173,205) x 20.5 % = 91,593.18; credits 2,123.40 x 50 % = 1,061.70;
    // 90,531.48 - regular 79,192.70 = 11,338.78
    QTest::newRow("gains at 100 %") << 320001.0 << 300000.0 << 0.0 << 0.0 << 2123.40 << 0.0 << 0.0 << 79192.70
                                    << 91593.18 << 90531.48 << 11338.78 << 0.0;
    // 138,000 of taxable eligible dividends less the gross-up 38,000 and 23,000 of other
    // less 3,000: 200,000 - 41,000 = 159,000 under the exemption
    QTest::newRow("dividends as received") << 200000.0 << 0.0 << 161000.0 << 23000.0 << 3000.0 << 0.0 << 0.0
                                           << 40000.0 << 0.0 << 0.0 << 0.0 << 0.0;
    // (200,001 - 173,205) x 20.5 % = 5,493.18; credits 1,500.00 + donations 1,000 x 80 % = 800.00
    // -> 3,193.18; carryover up to 40,000 - 3,193.18 = 36,806.82
    QTest::newRow("carryover to the room") << 200001.0 << 0.0 << 0.0 << 0.0 << 3000.0 << 1000.0 << 50000.0
                                           << 40000.0 << 5493.18 << 3193.18 << 0.0 << 36806.82;
    QTest::newRow("carryover in full") << 200001.0 << 0.0 << 0.0 << 0.0 << 3000.0 << 1000.0 << 1000.0 << 40000.0
                                       << 5493.18 << 3193.18 << 0.0 << 1000.0;
}

// T691 worked by the form's class, in the steps the stages call.
void TestForms2024::minimumTax()
{
    QFETCH(double, taxable);
    QFETCH(double, gains);
    QFETCH(double, dividends);
    QFETCH(double, otherDividends);
    QFETCH(double, credits);
    QFETCH(double, donations);
    QFETCH(double, carryover);
    QFETCH(double, regular);
    QFETCH(double, minimumAmount);
    QFETCH(double, line95);
    QFETCH(double, minimumTax);
    QFETCH(double, carryoverApplied);
    using M = TaxData_T691New;
    M form;
    form.setAmount(M::F_TaxableIncome, taxable);
    form.setAmount(M::F_CapitalGains, gains);
    form.setAmount(M::F_DividendGross, dividends);
    form.setAmount(M::F_OtherDividends, otherDividends);
    form.setAmount(M::F_Credits33800, credits);
    form.setAmount(M::F_Donations, donations);
    form.setAmount(M::F_Carryover, carryover);
    form.setAmount(M::F_RegularBeforeCarryover, regular);
    form.setAmount(M::F_Exemption, tax2024::forms::kAmtExemption);
    form.CalculateToLine65andMinitaxCarryOverAndLine102();
    form.CalculateToLine95();
    form.setAmount(M::F_BasicTax, regular - form.amount(M::F_CarryoverApplied));
    form.CalculateToEnd();
    COMPARE_CENTS(form.amount(M::F_MinimumAmount), minimumAmount);
    COMPARE_CENTS(form.amount(M::F_Line95), line95);
    COMPARE_CENTS(form.amount(M::F_MinimumTax), minimumTax);
    COMPARE_CENTS(form.amount(M::F_CarryoverApplied), carryoverApplied);
}

void TestForms2024::minimumTaxAddBacks_data()
{
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("gainsDeductions");
    QTest::addColumn<double>("halved");
    QTest::addColumn<double>("giftGains");
    QTest::addColumn<double>("securityOptions");
    QTest::addColumn<double>("adjusted");
    // a gain of 1,000,000 all deducted (500,000): 0 + 500,000 - (1,000,000 - 500,000 - 300,000) = 300,000
    QTest::newRow("gain under a deduction at 30 %") << 0.0 << 500000.0 << 500000.0 << 0.0 << 0.0 << 0.0 << 300000.0;
    // half of the gain deducted: 250,000 + 500,000 - (500,000 - 250,000 - 150,000) = 650,000
    QTest::newRow("gain partly deducted") << 250000.0 << 500000.0 << 250000.0 << 0.0 << 0.0 << 0.0 << 650000.0;
    // half of 30,000.01 of carrying charges and losses = 15,000.005 -> 15,000.01
    QTest::newRow("half the deductions back") << 200000.0 << 0.0 << 0.0 << 30000.01 << 0.0 << 0.0 << 215000.01;
    QTest::newRow("nothing to adjust") << 200000.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 200000.0;
    // listed shares given with a gain of 100,000.10 (nil in taxable income): 30 % = 30,000.03
    QTest::newRow("gift of listed securities at 30 %")
        << 150000.0 << 0.0 << 0.0 << 0.0 << 100000.10 << 0.0 << 180000.03;
    // an option benefit of 200,000 with 100,000 deducted on line 24900: the benefit counts whole
    QTest::newRow("security options benefit whole")
        << 200000.0 << 0.0 << 0.0 << 0.0 << 0.0 << 100000.0 << 300000.0;
    QTest::newRow("both, with the carrying charges")
        << 200000.0 << 0.0 << 0.0 << 20000.0 << 50000.0 << 40000.0 << 265000.0;
}

// T691 (2024): the gains a capital gains deduction covers and the gains on gifts of listed
// securities count at 30 %, the security options benefit whole; half of the carrying charges,
// employment expenses and losses of other years does not reduce the income.
void TestForms2024::minimumTaxAddBacks()
{
    QFETCH(double, taxable);
    QFETCH(double, gains);
    QFETCH(double, gainsDeductions);
    QFETCH(double, halved);
    QFETCH(double, giftGains);
    QFETCH(double, securityOptions);
    QFETCH(double, adjusted);
    using M = TaxData_T691New;
    M form;
    form.setAmount(M::F_TaxableIncome, taxable);
    form.setAmount(M::F_CapitalGains, gains);
    form.setAmount(M::F_GainsDeductions, gainsDeductions);
    form.setAmount(M::F_HalvedDeductions, halved);
    form.setAmount(M::F_T1170Line24, giftGains);
    form.setAmount(M::F_SecurityOptions, securityOptions);
    form.setAmount(M::F_Exemption, tax2024::forms::kAmtExemption);
    form.CalculateToLine65andMinitaxCarryOverAndLine102();
    COMPARE_CENTS(form.amount(M::F_AdjustedIncome), adjusted);
}

void TestForms2024::giftOfListedShares_data()
{
    QTest::addColumn<double>("proceeds");
    QTest::addColumn<double>("cost");
    QTest::addColumn<double>("exempt");
    QTest::addColumn<double>("reported");
    QTest::addColumn<double>("leftOut");
    QTest::addColumn<double>("adjusted");
    // gain 60,000 all left out of income: 30 % = 18,000 in adjusted taxable income
    QTest::newRow("whole gain left out") << 100000.0 << 40000.0 << 60000.0 << 0.0 << 60000.0 << 218000.0;
    // gain 60,000, 20,000 left out: 40,000 reported, 6,000 counted
    QTest::newRow("part left out") << 100000.0 << 40000.0 << 20000.0 << 40000.0 << 20000.0 << 206000.0;
    // an exempt part typed over the gain counts only up to the gain
    QTest::newRow("exempt over the gain") << 100000.0 << 40000.0 << 90000.0 << 0.0 << 60000.0 << 218000.0;
    QTest::newRow("a loss: nothing") << 30000.0 << 40000.0 << 5000.0 << 0.0 << 0.0 << 200000.0;
}

// T1170 to T691: the gain left out of taxable income counts at 30 % for the minimum tax.
void TestForms2024::giftOfListedShares()
{
    QFETCH(double, proceeds);
    QFETCH(double, cost);
    QFETCH(double, exempt);
    QFETCH(double, reported);
    QFETCH(double, leftOut);
    QFETCH(double, adjusted);
    TaxData_T1170 gift;
    gift.setAmount(TaxData_T1170::F_Proceeds, proceeds);
    gift.setAmount(TaxData_T1170::F_AdjustedCost, cost);
    gift.setAmount(TaxData_T1170::F_Exempt, exempt);
    gift.Calculate01();
    COMPARE_CENTS(gift.amount(TaxData_T1170::F_Taxable), reported);
    COMPARE_CENTS(gift.feedT691Line24(), leftOut);
    using M = TaxData_T691New;
    M form;
    form.setAmount(M::F_TaxableIncome, 200000.0);
    form.setAmount(M::F_T1170Line24, gift.feedT691Line24());
    form.setAmount(M::F_Exemption, tax2024::forms::kAmtExemption);
    form.CalculateToLine65andMinitaxCarryOverAndLine102();
    COMPARE_CENTS(form.amount(M::F_AdjustedIncome), adjusted);
}

void TestForms2024::ppip_data()
{
    QTest::addColumn<double>("insurable");
    QTest::addColumn<double>("otherEmployment");
    QTest::addColumn<double>("selfEmployment");
    QTest::addColumn<double>("payable");
    QTest::addColumn<double>("selfInsurable");
    QTest::addColumn<double>("credit");
    QTest::addColumn<double>("deduction");
    // Quebec employment only: its premiums were deducted, nothing payable
    QTest::newRow("Quebec employment") << 40000.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    // employment outside Quebec: 40,000 x 0.494 % = 197.60
    QTest::newRow("employer outside Quebec") << 0.0 << 40000.0 << 0.0 << 197.60 << 0.0 << 0.0 << 0.0;
    // room 94,000 - 70,000 = 24,000 x 0.494 % = 118.56
    QTest::newRow("within the room left") << 70000.0 << 40000.0 << 0.0 << 118.56 << 0.0 << 0.0 << 0.0;
    // at most 94,000 x 0.494 % = 464.36
    QTest::newRow("over the maximum") << 0.0 << 100000.0 << 0.0 << 464.36 << 0.0 << 0.0 << 0.0;
    QTest::newRow("business under 2,000") << 0.0 << 0.0 << 1999.99 << 0.0 << 0.0 << 0.0 << 0.0;
    // 2,000 x 0.878 % = 17.56; x 0.494 % = 9.88; 7.68
    QTest::newRow("business at 2,000") << 0.0 << 0.0 << 2000.0 << 0.0 << 2000.0 << 9.88 << 7.68;
    // 94,000 x 0.878 % = 825.32; x 0.494 % = 464.36; 360.96
    QTest::newRow("business over the maximum") << 0.0 << 0.0 << 120000.0 << 0.0 << 94000.0 << 464.36 << 360.96;
    // room 94,000 - 40,000 = 54,000: 474.12; 266.76; 207.36
    QTest::newRow("employment leaves room") << 40000.0 << 0.0 << 60000.0 << 0.0 << 54000.0 << 266.76 << 207.36;
    // room 94,000 - 30,000 - 20,000 = 44,000: x 0.878 % = 386.32; x 0.494 % = 217.36; 168.96
    QTest::newRow("both employments") << 30000.0 << 20000.0 << 60000.0 << 98.80 << 44000.0 << 217.36 << 168.96;
    // 12,345.67 x 0.878 % = 108.3949 -> 108.39; x 0.494 % = 60.9876 -> 60.99; 108.39 - 60.99 = 47.40
    QTest::newRow("cents") << 0.0 << 0.0 << 12345.67 << 0.0 << 12345.67 << 60.99 << 47.40;
}

// Schedule 10 worked by the form's class.
void TestForms2024::ppip()
{
    QFETCH(double, insurable);
    QFETCH(double, otherEmployment);
    QFETCH(double, selfEmployment);
    QFETCH(double, payable);
    QFETCH(double, selfInsurable);
    QFETCH(double, credit);
    QFETCH(double, deduction);
    using P = TaxData_Sch10;
    P form;
    form.setAmount(P::F_InsurableEmployment, insurable);
    form.setAmount(P::F_OtherEmployment, otherEmployment);
    form.setAmount(P::F_SelfEmployedEarnings, selfEmployment);
    form.Calculate01();
    COMPARE_CENTS(form.amount(P::F_EmploymentPayable), payable);
    COMPARE_CENTS(form.amount(P::F_SelfEmployedInsurable), selfInsurable);
    COMPARE_CENTS(form.amount(P::F_Credit), credit);
    COMPARE_CENTS(form.amount(P::F_Deduction), deduction);
}

void TestForms2024::pensionSplit_data()
{
    QTest::addColumn<double>("eligible");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("elected");
    QTest::addColumn<double>("taxDeducted");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("split");
    QTest::addColumn<double>("taxMoved");
    QTest::addColumn<double>("pensionLeft");
    // half of 40,000 for the whole year; 6,000 x 20,000 / 40,000
    QTest::newRow("half, all year") << 40000.0 << 12 << 20000.0 << 6000.0 << 20000.0 << 20000.0 << 3000.0 << 20000.0;
    // 33,333.33 x 50 % = 16,666.665 -> 16,666.67; x 7 / 12 = 9,722.224 -> 9,722.22; elected more is cut to it;
    // 5,000 x 9,722.22 / 33,333.33 = 1,458.33
    QTest::newRow("months, each line to the cent") << 33333.33 << 7 << 15000.0 << 5000.0 << 9722.22 << 9722.22
                                                   << 1458.33 << 23611.11;
    // less than the maximum is kept as elected
    QTest::newRow("elected under the maximum") << 30000.0 << 12 << 5000.0 << 0.0 << 15000.0 << 5000.0 << 0.0
                                               << 25000.0;
    QTest::newRow("no months together") << 30000.0 << 0 << 5000.0 << 900.0 << 0.0 << 0.0 << 0.0 << 30000.0;
}

// T1032 Steps 3 and 4 on the pensioner's copy of the form.
void TestForms2024::pensionSplit()
{
    QFETCH(double, eligible);
    QFETCH(int, months);
    QFETCH(double, elected);
    QFETCH(double, taxDeducted);
    QFETCH(double, maximum);
    QFETCH(double, split);
    QFETCH(double, taxMoved);
    QFETCH(double, pensionLeft);
    using S = TaxData_T1032_New;
    S form;
    form.setAmount(S::F_EligiblePension, eligible);
    form.setIntValue(S::F_Months, months);
    form.setAmount(S::F_SplitAmount, elected);
    form.setAmount(S::F_TaxDeductedTransferred, taxDeducted);
    form.CalculatePensionInc();
    form.CalculateIncomeTax();
    COMPARE_CENTS(form.amount(S::F_MaxSplit), maximum);
    COMPARE_CENTS(form.amount(S::F_SplitAmount), split);
    COMPARE_CENTS(form.getF5344(), taxMoved);
    COMPARE_CENTS(form.amount(S::F_PensionAmount), pensionLeft);
}

void TestForms2024::clergyResidence_data()
{
    QTest::addColumn<double>("remuneration");
    QTest::addColumn<double>("provided");
    QTest::addColumn<double>("housing");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("deduction");
    // a third of 45,000 = 15,000 > 10,000; lesser of 14,400 and 15,000
    QTest::newRow("housing under the limit") << 45000.0 << 0.0 << 14400.0 << 12 << 14400.0;
    // a third of 24,000 = 8,000 < 10,000 -> 10,000
    QTest::newRow("yearly amount wins") << 24000.0 << 0.0 << 14400.0 << 12 << 10000.0;
    // 6 x 1,000 = 6,000 > 15,000 / 3 = 5,000
    QTest::newRow("part of the year") << 15000.0 << 0.0 << 9000.0 << 6 << 6000.0;
    // 40,000.01 / 3 = 13,333.336... -> 13,333.34
    QTest::newRow("a third to the cent") << 40000.01 << 0.0 << 20000.0 << 12 << 13333.34;
    // the residence provided is deducted whole, with no housing cost of one's own
    QTest::newRow("residence provided") << 40000.0 << 12000.0 << 0.0 << 12 << 12000.0;
    // 10,000 limit, but never more than the remuneration of 8,000
    QTest::newRow("at most the remuneration") << 8000.0 << 0.0 << 12000.0 << 12 << 8000.0;
    QTest::newRow("no remuneration") << 0.0 << 0.0 << 12000.0 << 12 << 0.0;
}

// T1223 Part C worked by the form's class.
void TestForms2024::clergyResidence()
{
    QFETCH(double, remuneration);
    QFETCH(double, provided);
    QFETCH(double, housing);
    QFETCH(int, months);
    QFETCH(double, deduction);
    CTaxData_T1223 form;
    form.setAmount(CTaxData_T1223::F_Remuneration, remuneration);
    form.setAmount(CTaxData_T1223::F_ProvidedResidence, provided);
    form.setAmount(CTaxData_T1223::F_RentPaid, housing);
    form.setIntValue(CTaxData_T1223::F_Months, months);
    form.Calculate01();
    COMPARE_CENTS(form.amount(CTaxData_T1223::F_Deduction), deduction);
}

void TestForms2024::businessTransfer_data()
{
    QTest::addColumn<double>("gain");
    QTest::addColumn<double>("share");
    QTest::addColumn<double>("netTaxableGains");
    QTest::addColumn<double>("taxableGain");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("deduction");
    // 200,000 x 50 % = 100,000; blank share: the whole 10,000,000 x 50 % = 5,000,000
    QTest::newRow("gain within everything") << 200000.0 << 0.0 << 150000.0 << 100000.0 << 5000000.0 << 100000.0;
    // 3,000,000 x 50 % = 1,500,000; a share of 2,000,000 x 50 % = 1,000,000 limits it
    QTest::newRow("vendor's share limits it") << 3000000.0 << 2000000.0 << 1500000.0 << 1500000.0 << 1000000.0
                                              << 1000000.0;
    // a share typed over the exemption counts as the whole
    QTest::newRow("share over the exemption") << 30000000.0 << 12000000.0 << 15000000.0 << 15000000.0
                                              << 5000000.0 << 5000000.0;
    // losses of the year leave 40,000.50 of net taxable gains
    QTest::newRow("net gains limit it") << 200000.0 << 0.0 << 40000.50 << 100000.0 << 5000000.0 << 40000.50;
    QTest::newRow("no net gains") << 200000.0 << 0.0 << -5000.0 << 100000.0 << 5000000.0 << 0.0;
    // 1,001.01 x 50 % = 500.505 -> 500.51
    QTest::newRow("cents") << 1001.01 << 0.0 << 90000.0 << 500.51 << 5000000.0 << 500.51;
}

// T2048, line 25395: the least of the qualifying gains, the vendor's share of the exemption
// (both at the inclusion rate) and the net taxable capital gains.
void TestForms2024::businessTransfer()
{
    QFETCH(double, gain);
    QFETCH(double, share);
    QFETCH(double, netTaxableGains);
    QFETCH(double, taxableGain);
    QFETCH(double, limit);
    QFETCH(double, deduction);
    TaxData_T2048 form;
    form.setAmount(TaxData_T2048::F_QualifyingGain, gain);
    form.setAmount(TaxData_T2048::F_ExemptionShare, share);
    form.setAmount(TaxData_T2048::F_NetTaxableGains, netTaxableGains);
    QCOMPARE(form.amount(TaxData_T2048::F_InclusionRate), 50.0); // until the return sets it
    form.setAmount(TaxData_T2048::F_Credit, 1234.0);             // as an earlier build read it
    form.Calculate01();
    COMPARE_CENTS(form.amount(TaxData_T2048::F_TaxableQualifyingGain), taxableGain);
    COMPARE_CENTS(form.amount(TaxData_T2048::F_ExemptionLimit), limit);
    COMPARE_CENTS(form.amount(TaxData_T2048::F_Deduction), deduction);
    COMPARE_CENTS(form.amount(TaxData_T2048::F_Credit), 0.0);
}

void TestForms2024::retroactivePayment_data()
{
    QTest::addColumn<double>("typedTotal");
    QTest::addColumn<double>("year2019");
    QTest::addColumn<double>("year2023");
    QTest::addColumn<double>("principal");
    QTest::addColumn<bool>("qualifies");
    QTest::newRow("two years reach 3,000") << 0.0 << 1500.0 << 1500.0 << 3000.0 << true;
    QTest::newRow("a cent short") << 0.0 << 1500.0 << 1499.99 << 2999.99 << false;
    // the years, when given, stand for the payment whatever total was typed
    QTest::newRow("years over a typed total") << 9000.0 << 1000.0 << 1000.0 << 2000.0 << false;
    QTest::newRow("a typed total alone") << 4200.0 << 0.0 << 0.0 << 4200.0 << true;
    QTest::newRow("a negative year adds nothing") << 0.0 << -800.0 << 3000.0 << 3000.0 << true;
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0 << 0.0 << false;
}

// T1198: the principal relating to earlier years, and the 3,000 it must reach.
void TestForms2024::retroactivePayment()
{
    QFETCH(double, typedTotal);
    QFETCH(double, year2019);
    QFETCH(double, year2023);
    QFETCH(double, principal);
    QFETCH(bool, qualifies);
    TaxData_T1198 form;
    form.setAmount(TaxData_T1198::F_Payment, typedTotal);
    form.setAmount(TaxData_T1198::F_Year2019, year2019);
    form.setAmount(TaxData_T1198::F_Year2023, year2023);
    form.Calculate01();
    COMPARE_CENTS(form.amount(TaxData_T1198::F_PrincipalTotal), principal);
    QCOMPARE(form.flag(TaxData_T1198::F_Qualifies), qualifies);
    COMPARE_CENTS(form.amount(TaxData_T1198::F_Notional), 0.0);
}

void TestForms2024::northernResidency_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("additionalDays");
    QTest::addColumn<bool>("spouseClaimsBasic");
    QTest::addColumn<double>("boardAndLodging");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("residency");
    QTest::addColumn<int>("messages");
    // zone A, 366 x 11.00 = 4,026.00
    QTest::newRow("basic amount") << 1 << 366 << 0 << false << 0.0 << 80000.0 << 4026.0 << 0;
    // 366 x 11.00 basic + 366 x 11.00 additional = 8,052.00
    QTest::newRow("additional amount") << 1 << 366 << 366 << false << 0.0 << 80000.0 << 8052.0 << 0;
    // 300 additional days of the 366: 4,026.00 + 3,300.00
    QTest::newRow("additional for part of the period") << 1 << 366 << 300 << false << 0.0 << 80000.0 << 7326.0 << 0;
    // more additional days than days of residence: held to the 366 days, and refused before filing
    QTest::newRow("additional days over the days") << 1 << 366 << 400 << false << 0.0 << 80000.0 << 8052.0 << 1;
    // the spouse in the dwelling claims the basic amount: no additional amount
    QTest::newRow("spouse claims the basic amount") << 1 << 366 << 366 << true << 0.0 << 80000.0 << 4026.0 << 0;
    // zone B: (366 + 366) x 5.50 = 4,026.00
    QTest::newRow("intermediate zone") << 2 << 366 << 366 << false << 0.0 << 80000.0 << 4026.0 << 0;
    // 200 x 11.00 = 2,200.00 less board and lodging 1,000.00
    QTest::newRow("board and lodging") << 1 << 200 << 0 << false << 1000.0 << 80000.0 << 1200.0 << 0;
    // zone B: 366 x 5.50 = 2,013.00 less half of the board and lodging 1,000.00 = 1,513.00
    QTest::newRow("board and lodging, intermediate zone") << 2 << 366 << 0 << false << 1000.0 << 80000.0 << 1513.0 << 0;
    QTest::newRow("board and lodging over the amounts") << 1 << 100 << 0 << false << 5000.0 << 80000.0 << 0.0 << 0;
    // 20 % of 30,000 = 6,000.00 < 8,052.00
    QTest::newRow("20 % of net income") << 1 << 366 << 366 << false << 0.0 << 30000.0 << 6000.0 << 0;
    QTest::newRow("a loss: nothing") << 1 << 366 << 366 << false << 0.0 << -5000.0 << 0.0 << 0;
    QTest::newRow("no zone") << 0 << 366 << 366 << false << 0.0 << 80000.0 << 0.0 << 0;
}

// T2222 Step 1, the residency deduction, worked by the form's class.
void TestForms2024::northernResidency()
{
    QFETCH(int, zone);
    QFETCH(int, days);
    QFETCH(int, additionalDays);
    QFETCH(bool, spouseClaimsBasic);
    QFETCH(double, boardAndLodging);
    QFETCH(double, netIncome);
    QFETCH(double, residency);
    QFETCH(int, messages);
    CTaxData_T2222 form;
    form.setIntValue(CTaxData_T2222::F_Zone, zone);
    form.setIntValue(CTaxData_T2222::F_Days, days);
    form.setIntValue(CTaxData_T2222::F_AdditionalDays, additionalDays);
    form.setFlag(CTaxData_T2222::F_SpouseClaimsBasic, spouseClaimsBasic);
    form.setAmount(CTaxData_T2222::F_BoardAndLodging, boardAndLodging);
    form.calculateWithNetIncome(netIncome);
    COMPARE_CENTS(form.amount(CTaxData_T2222::F_ResidencyDeduction), residency);
    COMPARE_CENTS(form.amount(CTaxData_T2222::F_Deduction), residency);
    QList<CString> texts;
    QCOMPARE(form.validate(1, texts), messages);
    QCOMPARE(texts.size(), messages);
}

void TestForms2024::northernTravel_data()
{
    // each trip: traveller, medical, employer benefit, standard amount, expenses, lowest return airfare
    QTest::addColumn<int>("zone");
    QTest::addColumn<QVariantList>("trips");
    QTest::addColumn<QVariantList>("deductions");
    QTest::addColumn<int>("warnings");
    auto trip = [](const QString &who, bool medical, double employer, double standard, double expenses, double airfare) {
        return QVariant(QVariantList{who, medical, employer, standard, expenses, airfare});
    };
    // lowest of the standard amount 1,200, the expenses 1,500 and the airfare 900
    QTest::newRow("standard amount") << 1 << QVariantList{trip("", false, 0, 1200, 1500, 900)} << QVariantList{900.0}
                                     << 0;
    // lowest of the employer's benefit 700, 1,500 and 900
    QTest::newRow("employer benefit") << 1 << QVariantList{trip("", false, 700, 0, 1500, 900)} << QVariantList{700.0}
                                      << 0;
    // 1,000 then 1,000 of the standard amount: the second trip keeps the 200 left of 1,200
    QTest::newRow("standard amount used up")
        << 1 << QVariantList{trip("", false, 0, 1000, 1500, 900), trip("", false, 0, 1000, 1500, 900)}
        << QVariantList{900.0, 200.0} << 0;
    // a third trip not for medical services gives nothing; a medical trip always counts
    QTest::newRow("two trips that are not medical")
        << 1
        << QVariantList{trip("", false, 500, 0, 800, 900), trip("", false, 500, 0, 800, 900),
                        trip("", false, 500, 0, 800, 900), trip("", true, 500, 0, 800, 900)}
        << QVariantList{500.0, 500.0, 0.0, 500.0} << 0;
    // each traveller has a standard amount of 1,200; names match whatever their case and spaces
    QTest::newRow("a standard amount each")
        << 1
        << QVariantList{trip("", false, 0, 1200, 1500, 1300), trip("Sam", false, 0, 1200, 1500, 1300),
                        trip(" sam ", true, 0, 1200, 1500, 1300)}
        << QVariantList{1200.0, 1200.0, 0.0} << 0;
    // an employer benefit for one of Sam's trips leaves Sam no standard amount for another
    QTest::newRow("no standard amount beside an employer benefit")
        << 1 << QVariantList{trip("Sam", false, 500, 0, 800, 900), trip("Sam", false, 0, 600, 800, 900)}
        << QVariantList{500.0, 0.0} << 0;
    // zone B: half of the lowest of 1,200, 1,500 and 901 = 450.50
    QTest::newRow("intermediate zone") << 2 << QVariantList{trip("", false, 0, 1200, 1500, 901)}
                                       << QVariantList{450.5} << 0;
    // no airfare typed: nothing, and a point to confirm before filing
    QTest::newRow("no airfare") << 1 << QVariantList{trip("", false, 0, 1200, 1500, 0)} << QVariantList{0.0} << 1;
}

// T2222 Step 2, the travel deduction, trip by trip; it is not held to 20 % of net income.
void TestForms2024::northernTravel()
{
    QFETCH(int, zone);
    QFETCH(QVariantList, trips);
    QFETCH(QVariantList, deductions);
    QFETCH(int, warnings);
    using T = CTaxData_T2222;
    T form;
    form.setIntValue(T::F_Zone, zone);
    for (const QVariant &t : trips) {
        const QVariantList v = t.toList();
        FieldRecord &row = form.rows().append();
        row.setText(T::C_Traveller, v.at(0).toString());
        row.setNumber(T::C_Medical, v.at(1).toBool() ? 1 : 0);
        row.setNumber(T::C_EmployerBenefit, v.at(2).toDouble());
        row.setNumber(T::C_StandardAmount, v.at(3).toDouble());
        row.setNumber(T::C_Expenses, v.at(4).toDouble());
        row.setNumber(T::C_Airfare, v.at(5).toDouble());
    }
    form.calculateWithNetIncome(1000.0);
    double total = 0.0;
    for (int i = 0; i < deductions.size(); ++i) {
        COMPARE_CENTS(form.rows().row(i).number(T::C_Deduction), deductions.at(i).toDouble());
        total += deductions.at(i).toDouble();
    }
    COMPARE_CENTS(form.amount(T::F_TravelDeduction), total);
    COMPARE_CENTS(form.amount(T::F_Deduction), total);
    QList<CString> texts;
    form.collectWarnings(texts);
    QCOMPARE(texts.size(), warnings);
}

void TestForms2024::cppOnEmployment_data()
{
    QTest::addColumn<double>("earnings");  // box 26
    QTest::addColumn<double>("box16");
    QTest::addColumn<double>("box16A");
    QTest::addColumn<double>("line30800");
    QTest::addColumn<double>("line22215");
    QTest::addColumn<double>("line44800");
    // required (68,500 - 3,500) x 5.95 % = 3,867.50: 30800 = 3,867.50 x 4.95 / 5.95 = 3,217.50,
    // 650.00 first additional; the CPP2 of 109.38 never deducted takes nothing from box 16
    QTest::newRow("no CPP2 deducted") << 71234.56 << 3867.50 << 0.0 << 3217.50 << 650.00 << 0.0;
    // (71,234.56 - 68,500) x 4 % = 109.38 deducted: 22215 = 650.00 + 109.38
    QTest::newRow("CPP2 deducted") << 71234.56 << 3867.50 << 109.38 << 3217.50 << 759.38 << 0.0;
    // two employers: box 16 of 5,000 over the 3,867.50 required: 1,132.50 overpaid
    QTest::newRow("box 16 over the maximum") << 71234.56 << 5000.0 << 0.0 << 3217.50 << 650.00 << 1132.50;
    // CPP2 at most (73,200 - 68,500) x 4 % = 188.00: 62.00 of 250.00 overpaid
    QTest::newRow("box 16A over the maximum") << 80000.0 << 3867.50 << 250.0 << 3217.50 << 838.00 << 62.00;
    // required (40,000 - 3,500) x 5.95 % = 2,171.75; the 1,000 deducted is split:
    // 1,000 x 1 / 5.95 = 168.07 first additional, 831.93 base
    QTest::newRow("box 16 short") << 40000.0 << 1000.0 << 0.0 << 831.93 << 168.07 << 0.0;
}

// Schedule 8, employment only: each part of what was deducted against its own requirement.
void TestForms2024::cppOnEmployment()
{
    QFETCH(double, earnings);
    QFETCH(double, box16);
    QFETCH(double, box16A);
    QFETCH(double, line30800);
    QFETCH(double, line22215);
    QFETCH(double, line44800);
    TaxData_Sch8_14 form;
    form.setT4Contributions({earnings, box16, box16A, 0.0, 0.0, 0.0});
    form.Calculate01();
    double l22200, l22215, l31000, l42100, l30800, l44800;
    form.getCPPRelatedAmounts(l22200, l22215, l31000, l42100, l30800, l44800);
    COMPARE_CENTS(l30800, line30800);
    COMPARE_CENTS(l22215, line22215);
    COMPARE_CENTS(l44800, line44800);
}

void TestForms2024::rrspDeduction_data()
{
    QTest::addColumn<QList<double>>("typed"); // own, spouse's plan (line 2, line 3), transfers, limit
    QTest::addColumn<QList<double>>("prpp");  // member's (line 2, line 3), employer's
    QTest::addColumn<double>("line24500");
    QTest::addColumn<double>("line20800");
    const QList<double> noPrpp{0.0, 0.0, 0.0};
    QTest::newRow("own plan") << QList<double>{5000, 0, 0, 0, 18000} << noPrpp << 5000.0 << 5000.0;
    QTest::newRow("spouse's plan") << QList<double>{0, 5000, 0, 0, 18000} << noPrpp << 5000.0 << 5000.0;
    // 3,000 + 2,000 to the spouse's plan, room 4,000: 1,000 carried forward
    QTest::newRow("spouse's plan over the room") << QList<double>{0, 3000, 2000, 0, 4000} << noPrpp << 5000.0
                                                 << 4000.0;
    QTest::newRow("PRPP receipts") << QList<double>{0, 0, 0, 0, 18000} << QList<double>{1500, 300, 0} << 1800.0
                                   << 1800.0;
    // own 10,000 + PRPP 1,500 = 11,500; room 12,000 less the employer's 750 = 11,250
    QTest::newRow("employer's PRPP contributions use room")
        << QList<double>{10000, 0, 0, 0, 12000} << QList<double>{1500, 0, 750} << 11500.0 << 11250.0;
    // transfers of 5,000 are deducted beyond a room of 1,000: 6,000
    QTest::newRow("transfers") << QList<double>{6000, 0, 0, 5000, 1000} << noPrpp << 6000.0 << 6000.0;
}

// Schedule 7: contributions to the person's own plans, to the spouse's and by PRPP
// receipts count on lines 2 and 3 alike.
void TestForms2024::rrspDeduction()
{
    QFETCH(QList<double>, typed);
    QFETCH(QList<double>, prpp);
    QFETCH(double, line24500);
    QFETCH(double, line20800);
    using S = TaxData_Sch7;
    S form;
    form.setAmount(S::F_ContribRestOfYear, typed[0]);
    form.setAmount(S::F_SpousalCurrent, typed[1]);
    form.setAmount(S::F_SpousalPrior, typed[2]);
    form.setAmount(S::F_Transfers, typed[3]);
    form.setAmount(S::F_DeductionLimit, typed[4]);
    form.setAmount(S::F_PRPPRestOfYear, prpp[0]);
    form.setAmount(S::F_PRPPFirst60Days, prpp[1]);
    form.setAmount(S::F_PRPPEmployer, prpp[2]);
    form.Calculate01();
    COMPARE_CENTS(form.amount(S::F_ContributionsOfYear), line24500);
    COMPARE_CENTS(form.amount(S::F_Deduction), line20800);
}

void TestForms2024::rrspStoredBeforePrpp_data()
{
    QTest::addColumn<int>("storedFields");
    QTest::addColumn<double>("spousal");
    QTest::addColumn<double>("transfers");
    // before the PRPP fields the calculation wrote the PRPP slips' amounts in these two
    QTest::newRow("stored before the PRPP fields") << int(TaxData_Sch7::F_PRPPRestOfYear) << 0.0 << 0.0;
    QTest::newRow("stored with them") << int(TaxData_Sch7::F_Count) << 1500.0 << 300.0;
}

// A Schedule 7 read from a file: the spouse's contributions and the transfers it holds.
void TestForms2024::rrspStoredBeforePrpp()
{
    QFETCH(int, storedFields);
    QFETCH(double, spousal);
    QFETCH(double, transfers);
    using S = TaxData_Sch7;
    S written;
    written.setAmount(S::F_ContribRestOfYear, 2000.0);
    written.setAmount(S::F_SpousalCurrent, 1500.0);
    written.setAmount(S::F_Transfers, 300.0);
    QByteArray bytes;
    {
        MyDataStream out(&bytes, true);
        out << quint32(0) << qint32(0) << quint16(storedFields);
        for (int i = 0; i < storedFields; ++i) {
            const FieldSpec &spec = written.fieldTable().spec(i);
            out << quint8(spec.kind);
            if (spec.kind == FieldKind::Int)
                out << qint32(written.intValue(i));
            else if (spec.kind == FieldKind::Flag)
                out << quint8(written.flag(i));
            else
                out << written.amount(i);
        }
    }
    S read;
    MyDataStream in(&bytes, false);
    QCOMPARE(read.serialise(66098, CString(), in), 0);
    QCOMPARE(read.amount(S::F_ContribRestOfYear), 2000.0);
    QCOMPARE(read.amount(S::F_SpousalCurrent), spousal);
    QCOMPARE(read.amount(S::F_Transfers), transfers);
    QCOMPARE(read.intValue(S::F_Layout), int(S::kLayoutPRPP));
}

BQ_TEST_MAIN_CORE(TestForms2024)
#include "tst_forms2024.moc"
