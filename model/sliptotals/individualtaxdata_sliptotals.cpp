// The slip totals of one person and the slip summary page.
#include "formcast.h"
#include "individualtaxdata.h"
#include "sliptotals.h"
#include "stageamounts.h"
#include "utils.h"
#include "cslipdata_t4aoas.h"
#include "cslipdata_t5003.h"
#include "cslipdata_t5007.h"
#include "taxdata_slip_mbshelterassist.h"
#include "taxdata_slip_nr4.h"
#include "taxdata_slip_prpp.h"
#include "taxdata_slip_rc210.h"
#include "taxdata_slip_rc62.h"
#include "taxdata_slip_t1204.h"
#include "taxdata_slip_t2202.h"
#include "taxdata_slip_t3.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t4a.h"
#include "taxdata_slip_t4ap.h"
#include "taxdata_slip_t4arca.h"
#include "taxdata_slip_t4e.h"
#include "taxdata_slip_t4fhsa.h"
#include "taxdata_slip_t4ps.h"
#include "taxdata_slip_t4rif.h"
#include "taxdata_slip_t4rsp.h"
#include "taxdata_slip_t5.h"
#include "taxdata_slip_t5006.h"
#include "taxdata_slip_t5013.h"
#include "taxdata_t1new.h"
#include <QTextStream>
#include <algorithm>

namespace {

double notBelowZero(double v) { return std::max(0.0, v); }

// What the age tests of the walk need of the person.
struct Person
{
    int age = 0;
    bool over65 = false;
};

// Raises a slot to the value when the value exceeds it by at least 0.009.
void raiseTo(SlipTotals &t, int slot, double v)
{
    if (v - t.amount(slot) >= 0.009)
        t.set(slot, v);
}

void addT4(const TaxData_Slip_T4 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4;
    const int province = s.intValue(S::F_Province);
    const bool sw1 = s.flag(S::F_Switch1), sw2 = s.flag(S::F_Switch2);
    const bool sw3 = s.flag(S::F_Switch3), sw4 = s.flag(S::F_Switch4);
    const double b14 = s.amount(S::F_Box14), b16 = s.amount(S::F_Box16), b22 = s.amount(S::F_Box22);
    const double b26 = s.pensionableEarnings(), b55 = s.amount(S::F_Box55);
    const double b66 = s.amount(S::F_Box66), b67 = s.amount(S::F_Box67);

    t.add(SlipSlot::T4Box14, b14);
    if (province == Province::Quebec) {
        t.add(SlipSlot::T4Box14Quebec, b14);
        if (positive(s.amount(S::F_AmountA)))
            t.add(SlipSlot::T4Boxes146667QuebecWithAmountA, b14 + b66 + b67);
    } else {
        t.add(SlipSlot::T4Box14OtherProvinces, b14);
    }
    t.increment(SlipSlot::T4SlipsQuebecWithoutBox16Others, province == Province::Quebec && b16 < 0.009 ? SlipSlot::RC62Box10 : SlipSlot::RC62Box12);
    if (sw1)
        t.add(SlipSlot::T4Box14FirstSwitch, b14);
    t.add(SlipSlot::T4Box22, b22);
    t.add(SlipSlot::T4AmountA, s.amount(S::F_AmountA));
    t.add(SlipSlot::T4Box16, b16);
    t.add(SlipSlot::T4Box16A, s.amount(S::F_Box16A));
    t.add(SlipSlot::T4Box18, s.amount(S::F_Box18));
    t.add(SlipSlot::T4Box20, s.amount(S::F_Box20));
    t.add(SlipSlot::T4Box24, s.insurableEarnings());
    if (sw3) {
        if (positive(b22))
            t.add(SlipSlot::T4Box14ThirdSwitchWithTax, b14);
        t.setFlag(SlipSlot::T4ThirdSwitch, true);
    }
    switch (s.intValue(S::F_Selector1)) {
    case 0: t.setFlag(SlipSlot::T4FirstSelector0, true); t.add(SlipSlot::T4AmountB, s.amount(S::F_AmountB)); break;
    case 1: t.setFlag(SlipSlot::T4FirstSelector1, true); t.add(SlipSlot::T4AmountC, s.amount(S::F_AmountC)); break;
    case 2: t.setFlag(SlipSlot::T4FirstSelector2, true); t.add(SlipSlot::T4AmountD, s.amount(S::F_AmountD)); break;
    default: break;
    }
    t.add(SlipSlot::T4Box30, s.amount(S::F_Box30));
    switch (s.intValue(S::F_Selector2)) {
    case 0: t.add(SlipSlot::T4AmountESecondSelector0, s.amount(S::F_AmountE)); break;
    case 1: t.add(SlipSlot::T4AmountESecondSelector1, s.amount(S::F_AmountE)); break;
    default: break;
    }
    // amount f keeps its slot (T4AmountF), which nothing reads: not summed
    t.add(SlipSlot::T4AmountG, s.amount(S::F_AmountG));
    t.add(SlipSlot::T4Box42, s.amount(S::F_Box42));
    t.add(SlipSlot::T4AmountH, s.amount(S::F_AmountH));
    t.add(SlipSlot::T4Box44, s.amount(S::F_Box44));
    t.add(SlipSlot::T4Box46, s.amount(S::F_Box46));
    t.add(SlipSlot::T4AmountI, s.amount(S::F_AmountI));
    t.add(SlipSlot::T4Box52, s.amount(S::F_Box52));
    t.add(SlipSlot::T4Box55, b55);
    if (sw1)
        t.add(SlipSlot::T4Box55FirstSwitch, b55);
    t.add(SlipSlot::T4Box17, s.amount(S::F_Box17));
    t.add(SlipSlot::T4Box17A, s.amount(S::F_Box17A));
    t.add(SlipSlot::T4Box26, b26);
    // box 26 of a Quebec slip without CPP goes apart from the others
    const bool quebecOnly = !nonZero(b16) && province == Province::Quebec;
    t.add(quebecOnly ? SlipSlot::T4Box26QuebecWithoutBox16 : SlipSlot::T4Box26Others, b26);
    if (sw2)
        t.setFlag(SlipSlot::T4SecondSwitchByBox26PlaceEveryFirstSwitchSet, true, quebecOnly ? SlipSlot::RC62Box12 : SlipSlot::RC62Box10);
    if (!sw1)
        t.setFlag(SlipSlot::T4SecondSwitchByBox26PlaceEveryFirstSwitchSet, false, 2);
    t.add(SlipSlot::T4Box66, b66);
    t.add(SlipSlot::T4Box67, b67);
    t.add(SlipSlot::T4Box71, s.amount(S::F_Box71));
    t.add(SlipSlot::T4AmountJ, s.amount(S::F_AmountJ));
    t.add(SlipSlot::T4SecurityOptionsDeductions, s.amount(S::F_Box39) + s.amount(S::F_Box41));
    t.add(SlipSlot::T4AmountK, s.amount(S::F_AmountK));
    if (sw4)
        t.add(SlipSlot::T4AmountKFourthSwitch, s.amount(S::F_AmountK));
    if (positive(b22) && !nonZero(b14)) {
        if (positive(b66))
            t.add(SlipSlot::T4Boxes6667WithTaxAndNoBox14, b66);
        if (positive(b67))
            t.add(SlipSlot::T4Boxes6667WithTaxAndNoBox14, b67);
    }
    t.add(SlipSlot::T4Box87, s.amount(S::F_Box87));
    t.add(SlipSlot::T4AmountL, s.amount(S::F_AmountL));
    t.add(SlipSlot::T4Box90, s.amount(S::F_Box90));
    t.add(SlipSlot::T4Box91, s.amount(S::F_Box91));
    t.add(SlipSlot::T4Box92, s.amount(S::F_Box92));
    if (!t.hasExemptIncome() && s.containIndianItem())
        t.setExemptIncome();
}

void addT4A(const TaxData_Slip_T4A &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T4A;
    auto a = [&s](int f) { return s.amount(f); };
    const int sel1 = s.intValue(S::F_Selector1), sel2 = s.intValue(S::F_Selector2);
    const double b16 = a(S::F_Box16), b18 = a(S::F_Box18), b22 = a(S::F_Box22), b105 = a(S::F_Box105);

    t.add(SlipSlot::T4ABox16, b16);
    t.add(SlipSlot::T4ABox18, b18);
    t.add(SlipSlot::T4ABox20, a(S::F_Box20));
    t.add(SlipSlot::T4ABox22, b22);
    // income from which tax was withheld
    if (positive(b22) && !(s.flag(S::F_Switch3) && nonZero(b16))) {
        double v = b18;
        if (positive(b105)) {
            if (sel1 == 0)
                v += notBelowZero(b105 - 500.0);
            else if (sel1 != 1)
                v += b105;
        }
        for (int f : {S::F_Box28, S::F_Box30, S::F_Box40, S::F_Box107, S::F_Box127, S::F_Box198, S::F_Box199,
                      S::F_Box200, S::F_Box202, S::F_Box203, S::F_Box204, S::F_Box211})
            v += a(f);
        t.add(SlipSlot::T4AIncomeWithTaxWithheld, v);
    }
    const bool under65 = !s.flag(S::F_Switch1) && !p.over65;
    t.add(under65 ? SlipSlot::T4ABox24Under65 : SlipSlot::T4ABox24, a(S::F_Box24));
    t.add(under65 ? SlipSlot::T4AAmountKUnder65 : SlipSlot::T4AAmountK, a(S::F_AmountK));
    t.add(under65 ? SlipSlot::T4AAmountRUnder65 : SlipSlot::T4AAmountR, a(S::F_AmountR));
    if (s.flag(S::F_Switch4))
        t.add(SlipSlot::T4ABox24FourthSwitch, a(S::F_Box24));
    if (!s.flag(S::F_Switch5))
        t.add(s.flag(S::F_Switch6) ? SlipSlot::T4ABox28SixthSwitch : SlipSlot::T4ABox28, a(S::F_Box28));
    t.add(SlipSlot::T4AAmountA, a(S::F_AmountA));
    t.add(SlipSlot::T4AAmountB, a(S::F_AmountB));
    t.add(SlipSlot::T4AAmountF, a(S::F_AmountF));
    if (!s.flag(S::F_Switch7))
        t.add(SlipSlot::T4ABox30, a(S::F_Box30));
    t.add(SlipSlot::T4ABox34, a(S::F_Box34));
    if (!s.flag(S::F_Switch8))
        t.add(SlipSlot::T4AAmountC, a(S::F_AmountC));
    t.add(SlipSlot::T4ABox40, a(S::F_Box40));
    t.add(SlipSlot::T4ABox42, a(S::F_Box42));
    t.add(SlipSlot::T4ABox46, a(S::F_Box46));
    if (sel2 == 0)
        t.add(SlipSlot::T4ABox124SecondSelector0, a(S::F_Box124));
    else if (sel2 == 1)
        t.add(SlipSlot::T4ABox124SecondSelector1, a(S::F_Box124));
    t.add(SlipSlot::T4ABox48, a(S::F_Box48));
    t.add(SlipSlot::T4ABox104LessAmountD, notBelowZero(a(S::F_Box104) - a(S::F_AmountD)));
    t.add(sel1 == 0 ? SlipSlot::T4ABox105FirstSelector0 : sel1 == 1 ? SlipSlot::T4ABox105FirstSelector1 : SlipSlot::T4ABox105OtherSelector, b105);
    const int from192[] = {S::F_Box106, S::F_Box107, S::F_Box109, S::F_AmountE, S::F_Box118, S::F_Box119,
                           S::F_AmountG, S::F_Box125, S::F_Box127, S::F_Box128, S::F_AmountH, S::F_AmountI,
                           S::F_Box131, S::F_AmountJ};
    for (int i = 0; i < 14; ++i)
        t.add(SlipSlot::T4ABox106 + i, a(from192[i]));
    t.add(SlipSlot::T4AAmountL, a(S::F_AmountL));
    t.add(SlipSlot::T4ABox135, a(S::F_Box135));
    if (s.flag(S::F_Switch9))
        t.add(SlipSlot::T4ABox135NinthSwitch, a(S::F_Box135));
    const int from211[] = {S::F_AmountM, S::F_AmountN, S::F_AmountO, S::F_AmountP, S::F_AmountQ};
    for (int i = 0; i < 5; ++i)
        t.add(SlipSlot::T4AAmountM + i, a(from211[i]));
    if (positive(b16))
        t.add(SlipSlot::T4ABox22ShareOfBox16T4RIFBox28, b22 * div(b16, b16 + b18, 0.0));
    if (s.flag(S::F_Switch2)) {
        t.add(SlipSlot::T4ABoxes197203SecondSwitch, a(S::F_Box197) + a(S::F_Box203));
    } else {
        t.add(SlipSlot::T4ABox197, a(S::F_Box197));
        t.add(SlipSlot::T4ABox203, a(S::F_Box203));
    }
    const int from220[] = {S::F_Box198, S::F_Box199, S::F_Box200, S::F_Box201, S::F_Box202};
    for (int i = 0; i < 5; ++i)
        t.add(SlipSlot::T4ABox198 + i, a(from220[i]));
    t.add(SlipSlot::T4ABox204, a(S::F_Box204));
    t.add(SlipSlot::T4AAmountS, a(S::F_AmountS));
    t.add(SlipSlot::T4ABox210, a(S::F_Box210));
    t.add(SlipSlot::T4ABox211, a(S::F_Box211));
}

void addT4AP(TaxData_Slip_T4AP &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T4AP;
    s.setIntValue(S::F_Age, p.age);
    const double a = s.amount(S::F_AmountA), c = s.amount(S::F_AmountC), e = s.amount(S::F_AmountE);
    const double g = s.amount(S::F_AmountG), h = s.amount(S::F_AmountH), i = s.amount(S::F_AmountI);
    const double j = s.amount(S::F_AmountJ), k = s.amount(S::F_AmountK);

    t.add(SlipSlot::T4APAmountA, a);
    t.add(SlipSlot::T4APAmountB, s.amount(S::F_AmountB));
    t.add(SlipSlot::T4APAmountC, c);
    t.add(SlipSlot::T4APAmountD, s.amount(S::F_AmountD));
    t.add(SlipSlot::T4APAmountE, e);
    t.add(SlipSlot::T4APAmountF, s.amount(S::F_AmountF));
    t.add(SlipSlot::T4APAmountGLessE, g - e);
    t.add(SlipSlot::T4APAmountI, i);
    if (positive(a) && s.flag(S::F_Switch3))
        t.setFlag(SlipSlot::T4APAmountAWithThirdSwitch, true);
    if (nonZero(a) || nonZero(c)) {
        raiseTo(t, SlipSlot::T4APLargestAmountH, h);
        if (s.flag(S::F_Switch1)) {
            raiseTo(t, SlipSlot::T4APLargestAmountK, k);
        } else {
            raiseTo(t, SlipSlot::T4APLargestAmountHFirstSwitchClear, h);
            raiseTo(t, SlipSlot::T4APLargestAmountK, k);
            raiseTo(t, SlipSlot::T4APLargestAmountKFirstSwitchClear, k);
        }
    }
    if (nonZero(e) || nonZero(i))
        t.add(SlipSlot::T4APAmountEWithEOrI, e);
    if (positive(j)) {
        t.add(SlipSlot::T4APAmountJ, j);
        t.add(SlipSlot::T4APAmountGWithAmountJ, g);
    }
    if (s.flag(S::F_Switch2)) {
        t.setExemptIncome();
        t.add(SlipSlot::T4APAmountGSecondSwitch, g);
    }
}

void addT4RSP(const TaxData_Slip_T4RSP &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4RSP;
    t.add(s.flag(S::F_Switch1) ? SlipSlot::T4RSPBox16FirstSwitch : SlipSlot::T4RSPBox16, s.amount(S::F_Box16));
    t.add(SlipSlot::T4RSPBox18, s.amount(S::F_Box18));
    t.add(SlipSlot::T4RSPBox20, s.amount(S::F_Box20));
    t.add(SlipSlot::T4RSPBox22, s.amount(S::F_Box22));
    t.add(SlipSlot::T4RSPBox25, s.amount(S::F_Box25));
    t.add(SlipSlot::T4RSPBox26, s.amount(S::F_Box26));
    t.add(SlipSlot::T4RSPBox27, s.amount(S::F_Box27));
    if (s.flag(S::F_Switch2))
        t.add(SlipSlot::T4RSPBoxes202226SecondSwitch, s.amount(S::F_Box20) + s.amount(S::F_Box22) + s.amount(S::F_Box26));
    const double b28 = s.amount(S::F_Box28);
    if (positive(b28))
        t.add(SlipSlot::T4RSPBox28Positive, b28);
    else
        t.add(SlipSlot::T4RSPBox28NegativeSubtracted, -b28);
    t.add(SlipSlot::T4RSPBox30, s.amount(S::F_Box30));
    t.add(SlipSlot::T4RSPBox34, s.amount(S::F_Box34));
}

void addT4E(const TaxData_Slip_T4E &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4E;
    const double b7 = s.amount(S::F_Box7), b14 = s.amount(S::F_Box14), b18 = s.amount(S::F_Box18);
    const double b22 = s.amount(S::F_Box22), b23 = s.amount(S::F_Box23), amountB = s.amount(S::F_AmountB);
    if (positive(b7))
        t.set(SlipSlot::T4EBox7LastPositive, b7);
    const double net = notBelowZero(b14 - b18);
    t.add(SlipSlot::T4EBox14Less18, net);
    if (positive(b23))
        t.add(SlipSlot::T4EBox14Less18WithBox23, net);
    t.add(SlipSlot::T4EBox15, s.amount(S::F_Box15));
    t.add(SlipSlot::T4EBox17, s.amount(S::F_Box17));
    t.add(SlipSlot::T4EBox18, b18);
    t.add(SlipSlot::T4EBox20, s.amount(S::F_Box20));
    if (positive(b22))
        t.add(SlipSlot::T4EBox14WithBox22, b14);
    t.add(SlipSlot::T4EBox21, s.amount(S::F_Box21));
    t.add(SlipSlot::T4EBox22, b22);
    t.add(SlipSlot::T4EBox23, b23);
    t.add(SlipSlot::T4EAmountA, s.amount(S::F_AmountA));
    if (!nonZero(amountB))
        t.add(SlipSlot::T4EBox30WithoutAmountB, s.amount(S::F_Box30));
    else
        t.add(SlipSlot::T4EAmountB, amountB);
    t.add(SlipSlot::T4EBox33, s.amount(S::F_Box33));
    t.add(SlipSlot::T4EAmountC, s.amount(S::F_AmountC));
    t.add(SlipSlot::T4EBox37, s.amount(S::F_Box37));
    if (s.flag(S::F_Switch1)) {
        t.setExemptIncome();
        t.add(SlipSlot::T4EBox18Switch, b18);
    }
}

void addT4AOAS(const CSlipData_T4AOAS &s, SlipTotals &t)
{
    using S = CSlipData_T4AOAS;
    const int fields[] = {S::F_Box18, S::F_Box19, S::F_Box20, S::F_Box21, S::F_Box22, S::F_Box23};
    for (int i = 0; i < 6; ++i)
        t.add(SlipSlot::T4AOASBox18 + i, s.amount(fields[i]));
}

void addT4RIF(const TaxData_Slip_T4RIF &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T4RIF;
    const bool sw1 = s.flag(S::F_Switch1), sw2 = s.flag(S::F_Switch2);
    const double b16 = s.amount(S::F_Box16), b20 = s.amount(S::F_Box20);
    const double b22 = s.amount(S::F_Box22), b28 = s.amount(S::F_Box28), amountA = s.amount(S::F_AmountA);
    if (sw1 || p.over65) {
        t.add(SlipSlot::T4RIFBox16FirstSwitchOr65, b16);
        t.add(SlipSlot::T4RIFBox20FirstSwitchOr65, b20);
        if (positive(b16))
            t.add(SlipSlot::T4ABox22ShareOfBox16T4RIFBox28, b28);
    } else {
        t.add(SlipSlot::T4RIFBox16, b16);
        t.add(SlipSlot::T4RIFBox20, b20);
        if (positive(b28))
            t.add(SlipSlot::T4RIFBoxes1622WithTax, b16);
    }
    if (positive(b22)) {
        if (sw1 || (sw2 && p.over65)) {
            t.add(SlipSlot::T4RIFBox22SwitchOr65, b22);
        } else {
            t.add(SlipSlot::T4RIFBox22, b22);
            if (positive(b28))
                t.add(SlipSlot::T4RIFBoxes1622WithTax, b22);
        }
    } else {
        t.add(SlipSlot::T4RIFBox22NotPositiveSubtracted, -b22);
    }
    t.add(SlipSlot::T4RIFBox18, s.amount(S::F_Box18));
    t.add(SlipSlot::T4RIFBox24, s.amount(S::F_Box24));
    t.add(SlipSlot::T4RIFBox28, b28);
    if (positive(amountA)) {
        t.add(SlipSlot::T4RIFAmountA, amountA);
        t.add(SlipSlot::T4RIFBox16WithAmountA, b16);
    }
}

// Boxes 13 (interest) and 19 are placed by what they are; see the slot table.
void addT5(const TaxData_Slip_T5 &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T5;
    const int first[] = {S::F_Calc10, S::F_Calc11, S::F_Calc12, S::F_Calc13, S::F_CalcAmountB, S::F_CalcAmountC,
                         S::F_CalcAmountD, S::F_CalcAmountE, S::F_Calc14, S::F_Calc15, S::F_Calc16};
    for (int i = 0; i < 11; ++i)
        t.add(SlipSlot::T5Box10 + i, s.amount(first[i]));
    t.add(s.flag(S::F_Switch1) ? SlipSlot::T5Box17FirstSwitch : SlipSlot::T5Box17, s.amount(S::F_Calc17));
    t.add(SlipSlot::T5Box18, s.amount(S::F_Calc18));
    t.add(s.flag(S::F_Switch2) || p.over65 ? SlipSlot::T5AmountASecondSwitchOr65 : SlipSlot::T5AmountA, s.amount(S::F_CalcAmountA));
    t.add(SlipSlot::T5Box24, s.amount(S::F_Calc24));
    t.add(SlipSlot::T5Box25, s.amount(S::F_Calc25));
    t.add(SlipSlot::T5Box26, s.amount(S::F_Calc26));
    t.add(SlipSlot::T5Box34, s.amount(S::F_Calc34));
}

void addT3(const TaxData_Slip_T3 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T3;
    auto a = [&s](int f) { return s.amount(f); };
    if (nonZero(a(S::F_Calc52)))
        t.setFlag(SlipSlot::T3Box52Given, true);
    t.add(SlipSlot::T3Box52Less545658, a(S::F_Calc52) - a(S::F_Calc54) - a(S::F_Calc56) - a(S::F_Calc58));
    if (nonZero(a(S::F_Calc53)))
        t.setFlag(SlipSlot::T3Box53Given, true);
    t.add(SlipSlot::T3Box53Less555759, a(S::F_Calc53) - a(S::F_Calc55) - a(S::F_Calc57) - a(S::F_Calc59));
    t.add(SlipSlot::T3Box21, a(S::F_Calc21));
    if (s.flag(S::F_Switch1))
        t.add(SlipSlot::T3Box21FirstSwitch, a(S::F_Calc21));
    t.add(SlipSlot::T3AmountA, a(S::F_CalcAmountA));
    t.add(SlipSlot::T3Box23, a(S::F_Calc23));
    t.add(SlipSlot::T3AmountB, a(S::F_CalcAmountB));
    if (!s.flag(S::F_Switch2))
        t.add(SlipSlot::T3AmountBSecondSwitchClear, a(S::F_CalcAmountB));
    t.add(SlipSlot::T3AmountD, a(S::F_CalcAmountD));
    t.add(SlipSlot::T3Box25, a(S::F_Calc25));
    t.add(SlipSlot::T3Box34, a(S::F_Calc34));
    if (nonZero(a(S::F_Calc34)))
        t.add(SlipSlot::T3Box25WithBox34, a(S::F_Calc25));
    const double b26 = a(S::F_Calc26), c = a(S::F_CalcAmountC);
    if (!s.flag(S::F_Switch3))
        t.add(SlipSlot::T3Box26LessAmountC, notBelowZero(b26 - c));
    if (s.flag(S::F_Switch4))
        t.add(SlipSlot::T3Box26FourthSwitch, b26);
    if (s.flag(S::F_Switch5))
        t.add(SlipSlot::T3Box26FifthSwitch, b26);
    t.add(SlipSlot::T3Box30, a(S::F_Calc30));
    t.add(SlipSlot::T3AmountC, c);
    t.add(SlipSlot::T3Box32, a(S::F_Calc32));
    const int last[] = {S::F_CalcAmountE, S::F_CalcAmountF, S::F_CalcAmountG, S::F_Calc39, S::F_Calc49,
                        S::F_Calc50, S::F_Calc51};
    for (int i = 0; i < 7; ++i)
        t.add(SlipSlot::T3AmountE + i, a(last[i]));
}

void addT5007(const CSlipData_T5007 &s, SlipTotals &t)
{
    using S = CSlipData_T5007;
    if (s.flag(S::F_Switch1)) {
        t.setExemptIncome();
        t.add(SlipSlot::T5007FirstAmountSwitch, s.amount(S::F_Box10));
    } else {
        t.add(SlipSlot::T5007FirstAmount, s.amount(S::F_Box10));
    }
    t.add(SlipSlot::T5007SecondAmount, s.amount(S::F_Box11));
    if (s.intValue(S::F_Code) == 3) {
        if (positive(s.amount(S::F_Box11)))
            t.setFlag(SlipSlot::T5007Code3SecondAmountPositive, true);
        if (t.amount(SlipSlot::T5007Code3SmallestThirdAmount) - s.amount(S::F_Box12) >= 0.009)
            t.set(SlipSlot::T5007Code3SmallestThirdAmount, s.amount(S::F_Box12));
    }
}

void addT5013(const TaxData_Slip_T5013 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T5013;
    const double share = s.amount(S::F_Box5);
    auto a = [&](int letter) { return s.amount(S::F_AmountA + letter) * share / 100.0; };
    enum { A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, Ss, T, U, V, W, X, Y };
    t.add(SlipSlot::T5013AmountB, a(B));
    t.add(SlipSlot::T5013AmountC, a(C));
    t.add(SlipSlot::T5013AmountD, a(D));
    t.add(SlipSlot::T5013AmountE, a(E));
    t.add(SlipSlot::T5013AmountA, a(A));
    t.add(SlipSlot::T5013AmountF, a(F));
    t.add(SlipSlot::T5013AmountH, a(H));
    for (int i = 0; i <= R - L; ++i)
        t.add(SlipSlot::T5013AmountL + i, a(L + i));
    t.add(s.flag(S::F_Switch1) ? SlipSlot::T5013AmountSSwitch : SlipSlot::T5013AmountS, a(Ss));
    const int last[] = {X, T, G, I, J, K, U, V, W, Y};
    for (int i = 0; i < 10; ++i)
        t.add(SlipSlot::T5013AmountX + i, a(last[i]));
}

void addT4PS(const TaxData_Slip_T4PS &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4PS;
    auto a = [&s](int n) { return s.amount(S::F_Box24 + n); };   // the 13 amounts in field order
    for (int i = 0; i < 6; ++i)
        t.add(SlipSlot::T4PSAmount1 + i, a(i));
    t.add(s.flag(S::F_Switch1) ? SlipSlot::T4PSAmount7Switch : SlipSlot::T4PSAmount7, a(6));
    for (int i = 0; i < 6; ++i)
        t.add(SlipSlot::T4PSAmount8 + i, a(7 + i));
}

void addT2202(const TaxData_Slip_T2202 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T2202;
    for (int period = 0; period < 4; ++period) {
        const int base = S::F_Period1PartTime + 3 * period;
        const double first = s.amount(base);
        t.add(SlipSlot::T2202PartTimeMonths, first);
        t.add(SlipSlot::T2202FullTimeMonths, s.amount(base + 1));
        t.add(nonZero(first) ? SlipSlot::T2202FeesWithPartTimeMonths : SlipSlot::T2202FeesWithoutPartTimeMonths, s.amount(base + 2));
    }
}

void addT4FHSA(const TaxData_Slip_T4FHSA &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4FHSA;
    t.add(SlipSlot::T4FHSABox18, s.amount(S::F_Box18));
    t.add(SlipSlot::T4FHSABox20, s.amount(S::F_Box20));
    t.add(SlipSlot::T4FHSABox22, s.amount(S::F_Box22));
    t.add(SlipSlot::T4FHSABox24, s.amount(S::F_Box24));
    t.add(s.flag(S::F_Switch1) ? SlipSlot::T4FHSABox26Switch : SlipSlot::T4FHSABox26, s.amount(S::F_Box26));
    const int last[] = {S::F_Box28, S::F_Box30, S::F_Box32, S::F_Box34, S::F_Box36, S::F_Box38};
    for (int i = 0; i < 6; ++i)
        t.add(SlipSlot::T4FHSABox28 + i, s.amount(last[i]));
}

// Adds one slip by its type; a slip of a type that is not totalled, or whose
// object is not of the type's class, adds nothing.
void addToTotals(int type, CTaxData_Form *object, SlipTotals &t, const Person &p)
{
    switch (type) {
    case SlipType::T4:
        if (auto s = slipAs<TaxData_Slip_T4>(object, type))
            addT4(*s, t);
        break;
    case SlipType::T4A:
        if (auto s = slipAs<TaxData_Slip_T4A>(object, type))
            addT4A(*s, t, p);
        break;
    case SlipType::T4AP:
        if (auto s = slipAs<TaxData_Slip_T4AP>(object, type))
            addT4AP(*s, t, p);
        break;
    case SlipType::T4RSP:
        if (auto s = slipAs<TaxData_Slip_T4RSP>(object, type))
            addT4RSP(*s, t);
        break;
    case SlipType::T4E:
        if (auto s = slipAs<TaxData_Slip_T4E>(object, type))
            addT4E(*s, t);
        break;
    case SlipType::T4AOAS:
        if (auto s = slipAs<CSlipData_T4AOAS>(object, type))
            addT4AOAS(*s, t);
        break;
    case SlipType::T4RIF:
        if (auto s = slipAs<TaxData_Slip_T4RIF>(object, type))
            addT4RIF(*s, t, p);
        break;
    case SlipType::T5:
        if (auto s = slipAs<TaxData_Slip_T5>(object, type))
            addT5(*s, t, p);
        break;
    case SlipType::T3:
        if (auto s = slipAs<TaxData_Slip_T3>(object, type))
            addT3(*s, t);
        break;
    case SlipType::T5003:
        if (auto s = slipAs<CSlipData_T5003>(object, type))
            t.add(SlipSlot::T5003Amount, s->amount(CSlipData_T5003::F_Box121));
        break;
    case SlipType::T5007:
        if (auto s = slipAs<CSlipData_T5007>(object, type))
            addT5007(*s, t);
        break;
    case SlipType::T5013:
        if (auto s = slipAs<TaxData_Slip_T5013>(object, type))
            addT5013(*s, t);
        break;
    case SlipType::T4PS:
        if (auto s = slipAs<TaxData_Slip_T4PS>(object, type))
            addT4PS(*s, t);
        break;
    case SlipType::T4A_RCA:
        if (auto s = slipAs<TaxData_Slip_T4ARCA>(object, type))
            for (int i = 0; i < 7; ++i)
                t.add(SlipSlot::T4ARCAAmount1 + i, s->amount(TaxData_Slip_T4ARCA::F_Box14 + i));
        break;
    case SlipType::T5006:
        if (auto s = slipAs<TaxData_Slip_T5006>(object, type)) {
            using S = TaxData_Slip_T5006;
            t.add(SlipSlot::T5006ALessB, notBelowZero(s->amount(S::F_Box10) - s->amount(S::F_Box11)));
            t.add(SlipSlot::T5006CLessD, notBelowZero(s->amount(S::F_Box12) - s->amount(S::F_Box13)));
            t.add(SlipSlot::T5006E, s->amount(S::F_Box14));
        }
        break;
    case SlipType::RC62:
        if (auto s = slipAs<TaxData_Slip_RC62>(object, type)) {
            t.add(SlipSlot::RC62Box10, s->amount(TaxData_Slip_RC62::F_Box10));
            t.add(SlipSlot::RC62Box12, s->amount(TaxData_Slip_RC62::F_Box12));
        }
        break;
    case SlipType::RC210:
        if (auto s = slipAs<TaxData_Slip_RC210>(object, type)) {
            t.add(SlipSlot::RC210Box10, s->amount(TaxData_Slip_RC210::F_Box10));
            t.add(SlipSlot::RC210Box11, s->amount(TaxData_Slip_RC210::F_Box11));
        }
        break;
    case SlipType::MBRentAssist:
        if (auto s = slipAs<TaxData_Slip_MBShelterAssist>(object, type))
            t.add(SlipSlot::ManitobaShelterAssistance, s->amount(TaxData_Slip_MBShelterAssist::F_Box10));
        break;
    case SlipType::PRPP:
        if (auto s = slipAs<TaxData_Slip_PRPP>(object, type)) {
            using S = TaxData_Slip_PRPP;
            t.add(SlipSlot::PRPPAmountA, s->amount(S::F_Box10));
            t.add(SlipSlot::PRPPAmountB, s->amount(S::F_Box11));
            t.add(SlipSlot::PRPPAmountD, s->amount(S::F_Box13));
            t.add(SlipSlot::PRPPAmountE, s->amount(S::F_Box14));
            t.add(SlipSlot::PRPPAmountC, s->amount(S::F_Box12));
        }
        break;
    case SlipType::T1204:
        if (auto s = slipAs<TaxData_Slip_T1204>(object, type)) {
            t.add(SlipSlot::T1204Box82, s->amount(TaxData_Slip_T1204::F_Box82));
            t.add(SlipSlot::T1204Box84, s->amount(TaxData_Slip_T1204::F_Box84));
            t.increment(SlipSlot::T1204Slips);
        }
        break;
    case SlipType::NR4:
        if (auto s = slipAs<TaxData_Slip_NR4>(object, type)) {
            using S = TaxData_Slip_NR4;
            const double factor = s->amount(S::F_ExchangeRate);
            const int fields[] = {S::F_Box16, S::F_Box17, S::F_Box26, S::F_Box27};
            for (int i = 0; i < 4; ++i)
                t.add(SlipSlot::NR4Amount1 + i, s->amount(fields[i]) * factor);
        }
        break;
    case SlipType::T2202:
        if (auto s = slipAs<TaxData_Slip_T2202>(object, type))
            addT2202(*s, t);
        break;
    case SlipType::T4FHSA:
        if (auto s = slipAs<TaxData_Slip_T4FHSA>(object, type))
            addT4FHSA(*s, t);
        break;
    default:
        break;   // T5008, RRSP receipts, Manitoba Rent Assist and unknown types add nothing
    }
}

bool anyNonZero(const SlipTotals &t, std::initializer_list<int> positions)
{
    for (int s : positions)
        if (nonZero(t.amount(s)))
            return true;
    return false;
}

bool anyPositive(const SlipTotals &t, std::initializer_list<int> positions)
{
    for (int s : positions)
        if (positive(t.amount(s)))
            return true;
    return false;
}

} // namespace

void IndividualTaxData::addSlipsToTotals(SlipTotals &totals) const
{
    if (m_slips.isEmpty())
        return;
    Person person;
    if (const TaxData_T1New *t1form = t1()) {
        person.age = t1form->GetAge();
        person.over65 = t1form->IsAgeNotUnder65();
    }
    for (const FormEntry *e : m_slips)
        addToTotals(e->type, e->object, totals, person);

    totals.add(SlipSlot::T4ATaxableScholarships, totals.amount(SlipSlot::T4ABox105OtherSelector));
    if (totals.amount(SlipSlot::T4ABox105FirstSelector0) > 500.0)
        totals.add(SlipSlot::T4ATaxableScholarships, totals.amount(SlipSlot::T4ABox105FirstSelector0) - 500.0);
}

void IndividualTaxData::accumulateSlipTotals(SlipTotals &totals, RequiredFormSet &requiredForms)
{
    if (m_slips.isEmpty())
        return;

    for (const FormEntry *e : m_slips)
        if (e->object)
            e->object->calculateData();
    addSlipsToTotals(totals);

    // the forms the slips require, in this order
    auto require = [&](std::initializer_list<int> made, int recorded) {
        for (int type : made)
            findFormEntry(type, 0, true);
        requiredForms.insert(recorded);
    };
    const SlipTotals &t = totals;
    const bool anyT4 = t.code11T4Count() > 0;
    if (anyNonZero(t, {SlipSlot::T3Box21, SlipSlot::T3Box30, SlipSlot::T3AmountF}))
        require({FormType::Schedule3, FormType::T936}, FormType::Schedule3);
    if (anyNonZero(t, {SlipSlot::T3Box25, SlipSlot::T3Box32, SlipSlot::T3Box50}))
        require({FormType::Worksheet5000D1}, FormType::Worksheet5000D1);
    if (anyNonZero(t, {SlipSlot::T3AmountD, SlipSlot::T3Box34}))
        require({FormType::T2209}, FormType::T2209);
    if (anyT4 && anyPositive(t, {SlipSlot::T4Box17, SlipSlot::T4Box17A, SlipSlot::T4Box26QuebecWithoutBox16}))
        require({FormType::RC381}, FormType::RC381);
    else if (anyT4 && anyPositive(t, {SlipSlot::T4Box16, SlipSlot::T4Box16A, SlipSlot::T4Box26Others}))
        require({FormType::Schedule8}, FormType::Schedule8);
    if (anyT4 && anyPositive(t, {SlipSlot::T4Box18, SlipSlot::T4Box24, SlipSlot::T4Box55}))
        require({FormType::T2204}, FormType::T2204);
    if (anyNonZero(t, {SlipSlot::T4Box46}))
        require({FormType::Schedule9}, FormType::Schedule9);
    if (anyNonZero(t, {SlipSlot::T5Box11, SlipSlot::T5Box13, SlipSlot::T5Box14, SlipSlot::T5Box15, SlipSlot::T5Box17, SlipSlot::T5AmountA, SlipSlot::T5Box25}))
        require({FormType::Worksheet5000D1}, FormType::Worksheet5000D1);
    if (anyNonZero(t, {SlipSlot::T5Box18}))
        require({FormType::Schedule3}, FormType::Schedule3);
    if (anyNonZero(t, {SlipSlot::T2202PartTimeMonths, SlipSlot::T2202FullTimeMonths, SlipSlot::T2202FeesWithPartTimeMonths, SlipSlot::T2202FeesWithoutPartTimeMonths}))
        require({FormType::Schedule11}, FormType::Schedule11);
    if (anyNonZero(t, {SlipSlot::T5Box16}))
        require({FormType::T2209}, FormType::T2209);
    if (anyNonZero(t, {SlipSlot::RC210Box10, SlipSlot::RC210Box11}))
        require({FormType::Schedule6}, FormType::Schedule6);
    if (anyNonZero(t, {SlipSlot::T4RSPBox25, SlipSlot::T4RSPBox27}))
        require({FormType::Schedule7}, FormType::Schedule7);
    if (anyNonZero(t, {SlipSlot::T4ABox40}))
        require({FormType::T1172}, FormType::T1172);
    if (anyNonZero(t, {SlipSlot::T4ABox46}))
        require({FormType::Schedule9}, FormType::Schedule9);
    if (anyNonZero(t, {SlipSlot::T4FHSABox18}))
        require({FormType::Schedule15}, FormType::Schedule15);
    if (anyNonZero(t, {SlipSlot::T5013AmountT}))
        require({FormType::Schedule3}, FormType::Schedule3);
    if (anyNonZero(t, {SlipSlot::T5013AmountB, SlipSlot::T5013AmountC, SlipSlot::T5013AmountN, SlipSlot::T5013AmountP, SlipSlot::T5013AmountR, SlipSlot::T5013AmountS, SlipSlot::T5013AmountSSwitch, SlipSlot::T5013AmountX, SlipSlot::T5013AmountI, SlipSlot::T5013AmountK}))
        require({FormType::Worksheet5000D1}, FormType::Worksheet5000D1);
    if (anyNonZero(t, {SlipSlot::T4PSAmount1, SlipSlot::T4PSAmount2, SlipSlot::T4PSAmount3, SlipSlot::T4PSAmount4, SlipSlot::T4PSAmount5, SlipSlot::T4PSAmount6}))
        require({FormType::Worksheet5000D1}, FormType::Worksheet5000D1);
    if (anyNonZero(t, {SlipSlot::T4PSAmount7}))
        require({FormType::Schedule3}, FormType::Schedule3);
    if (anyNonZero(t, {SlipSlot::T4PSAmount12}))
        require({FormType::T2209}, FormType::T2209);
    if (t.hasExemptIncome())
        require({FormType::T90}, FormType::T90);
}

int IndividualTaxData::writeSlipSummaryHtml(QTextStream &out)
{
    out << "*this summary is only for purpose of return preparation check, not accurate/full*<br><br>\n";
    out << "<b>There are totally " << m_slips.count() << " tax slip(s)</b><br><br>\n";

    SlipTotals totals;
    RequiredFormSet requiredForms;
    accumulateSlipTotals(totals, requiredForms);

    CString table;
    if (const int n = m_slips.countKey(SlipType::T3)) {
        out << "<br><br>T3 tax slip: " << n << " <br>";
        totals.toHtmlT3Table(table);
        out << table;
    }
    if (const int n = m_slips.countKey(SlipType::T4)) {
        out << "<br><br>T4 tax slip: " << n << " <br>\n";
        totals.toHtmlT4Table(table);
        out << table;
    }
    if (const int n = m_slips.countKey(SlipType::T4A)) {
        out << "<br><br>T4A tax slip: " << n << " <br>";
        totals.toHtmlT4ATable(table);
        out << table;
    }
    if (const int n = m_slips.countKey(SlipType::T5)) {
        out << "<br><br>T5 tax slip: " << n << " <br>\n";
        totals.toHtmlT5Table(table);
        out << table;
    }
    return 0;
}
