// The slip totals of one person and the slip summary page.
#include "formcast.h"
#include "individualtaxdata.h"
#include "sliptotals.h"
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

bool nonZero(double v) { return isAmountEntered(v); }
bool positive(double v) { return v >= 0.009; }
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

    t.add(32, b14);
    if (province == 11) {
        t.add(37, b14);
        if (positive(s.amount(S::F_AmountA)))
            t.add(72, b14 + b66 + b67);
    } else {
        t.add(38, b14);
    }
    t.increment(31, province == 11 && b16 < 0.009 ? 0 : 1);
    if (sw1)
        t.add(35, b14);
    t.add(42, b22);
    t.add(71, s.amount(S::F_AmountA));
    t.add(36, b16);
    t.add(39, s.amount(S::F_Box16A));
    t.add(40, s.amount(S::F_Box18));
    t.add(41, s.amount(S::F_Box20));
    t.add(43, s.insurableEarnings());
    if (sw3) {
        if (positive(b22))
            t.add(85, b14);
        t.setFlag(86, true);
    }
    switch (s.intValue(S::F_Selector1)) {
    case 0: t.setFlag(44, true); t.add(45, s.amount(S::F_AmountB)); break;
    case 1: t.setFlag(46, true); t.add(47, s.amount(S::F_AmountC)); break;
    case 2: t.setFlag(48, true); t.add(49, s.amount(S::F_AmountD)); break;
    default: break;
    }
    t.add(50, s.amount(S::F_Box30));
    switch (s.intValue(S::F_Selector2)) {
    case 0: t.add(51, s.amount(S::F_AmountE)); break;
    case 1: t.add(52, s.amount(S::F_AmountE)); break;
    default: break;
    }
    t.add(55, s.amount(S::F_AmountF));
    t.add(56, s.amount(S::F_AmountG));
    t.add(57, s.amount(S::F_Box42));
    t.add(58, s.amount(S::F_AmountH));
    t.add(59, s.amount(S::F_Box44));
    t.add(60, s.amount(S::F_Box46));
    t.add(61, s.amount(S::F_AmountI));
    t.add(62, s.amount(S::F_Box52));
    t.add(63, b55);
    if (sw1)
        t.add(64, b55);
    t.add(65, s.amount(S::F_Box17));
    t.add(66, s.amount(S::F_Box17A));
    t.add(67, b26);
    // box 26 of a Quebec slip without CPP goes apart from the others
    const bool quebecOnly = !nonZero(b16) && province == 11;
    t.add(quebecOnly ? 68 : 69, b26);
    if (sw2)
        t.setFlag(70, true, quebecOnly ? 1 : 0);
    if (!sw1)
        t.setFlag(70, false, 2);
    t.add(73, b66);
    t.add(74, b67);
    t.add(75, s.amount(S::F_Box71));
    t.add(76, s.amount(S::F_AmountJ));
    t.add(77, s.amount(S::F_AmountK));
    if (sw4)
        t.add(78, s.amount(S::F_AmountK));
    if (positive(b22) && !nonZero(b14)) {
        if (positive(b66))
            t.add(84, b66);
        if (positive(b67))
            t.add(84, b67);
    }
    t.add(79, s.amount(S::F_Box87));
    t.add(80, s.amount(S::F_AmountL));
    t.add(81, s.amount(S::F_Box90));
    t.add(82, s.amount(S::F_Box91));
    t.add(83, s.amount(S::F_Box92));
    if (!t.hasExemptIncome() && s.containIndianItem())
        t.setExemptIncome();
}

void addT4A(const TaxData_Slip_T4A &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T4A;
    auto a = [&s](int f) { return s.amount(f); };
    const int sel1 = s.intValue(S::F_Selector1), sel2 = s.intValue(S::F_Selector2);
    const double b16 = a(S::F_Box16), b18 = a(S::F_Box18), b22 = a(S::F_Box22), b105 = a(S::F_Box105);

    t.add(163, b16);
    t.add(164, b18);
    t.add(165, a(S::F_Box20));
    t.add(166, b22);
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
        t.add(184, v);
    }
    const bool under65 = !s.flag(S::F_Switch1) && !p.over65;
    t.add(under65 ? 168 : 167, a(S::F_Box24));
    t.add(under65 ? 207 : 206, a(S::F_AmountK));
    t.add(under65 ? 217 : 216, a(S::F_AmountR));
    if (s.flag(S::F_Switch4))
        t.add(169, a(S::F_Box24));
    if (!s.flag(S::F_Switch5))
        t.add(s.flag(S::F_Switch6) ? 172 : 173, a(S::F_Box28));
    t.add(174, a(S::F_AmountA));
    t.add(175, a(S::F_AmountB));
    t.add(177, a(S::F_AmountF));
    if (!s.flag(S::F_Switch7))
        t.add(178, a(S::F_Box30));
    t.add(179, a(S::F_Box34));
    if (!s.flag(S::F_Switch8))
        t.add(180, a(S::F_AmountC));
    t.add(181, a(S::F_Box40));
    t.add(182, a(S::F_Box42));
    t.add(183, a(S::F_Box46));
    if (sel2 == 0)
        t.add(185, a(S::F_Box124));
    else if (sel2 == 1)
        t.add(186, a(S::F_Box124));
    t.add(187, a(S::F_Box48));
    t.add(176, notBelowZero(a(S::F_Box104) - a(S::F_AmountD)));
    t.add(sel1 == 0 ? 190 : sel1 == 1 ? 189 : 188, b105);
    const int from192[] = {S::F_Box106, S::F_Box107, S::F_Box109, S::F_AmountE, S::F_Box118, S::F_Box119,
                           S::F_AmountG, S::F_Box125, S::F_Box127, S::F_Box128, S::F_AmountH, S::F_AmountI,
                           S::F_Box131, S::F_AmountJ};
    for (int i = 0; i < 14; ++i)
        t.add(192 + i, a(from192[i]));
    t.add(208, a(S::F_AmountL));
    t.add(209, a(S::F_Box135));
    if (s.flag(S::F_Switch9))
        t.add(210, a(S::F_Box135));
    const int from211[] = {S::F_AmountM, S::F_AmountN, S::F_AmountO, S::F_AmountP, S::F_AmountQ};
    for (int i = 0; i < 5; ++i)
        t.add(211 + i, a(from211[i]));
    if (positive(b16))
        t.add(315, b22 * div(b16, b16 + b18, 0.0));
    if (s.flag(S::F_Switch2)) {
        t.add(230, a(S::F_Box197) + a(S::F_Box203));
    } else {
        t.add(219, a(S::F_Box197));
        t.add(225, a(S::F_Box203));
    }
    const int from220[] = {S::F_Box198, S::F_Box199, S::F_Box200, S::F_Box201, S::F_Box202};
    for (int i = 0; i < 5; ++i)
        t.add(220 + i, a(from220[i]));
    t.add(226, a(S::F_Box204));
    t.add(227, a(S::F_AmountS));
    t.add(228, a(S::F_Box210));
    t.add(229, a(S::F_Box211));
}

void addT4AP(TaxData_Slip_T4AP &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T4AP;
    s.setIntValue(S::F_Age, p.age);
    const double a = s.amount(S::F_AmountA), c = s.amount(S::F_AmountC), e = s.amount(S::F_AmountE);
    const double g = s.amount(S::F_AmountG), h = s.amount(S::F_AmountH), i = s.amount(S::F_AmountI);
    const double j = s.amount(S::F_AmountJ), k = s.amount(S::F_AmountK);

    t.add(146, a);
    t.add(148, s.amount(S::F_AmountB));
    t.add(149, c);
    t.add(150, s.amount(S::F_AmountD));
    t.add(151, e);
    t.add(152, s.amount(S::F_AmountF));
    t.add(153, g - e);
    t.add(156, i);
    if (positive(a) && s.flag(S::F_Switch3))
        t.setFlag(147, true);
    if (nonZero(a) || nonZero(c)) {
        raiseTo(t, 154, h);
        if (s.flag(S::F_Switch1)) {
            raiseTo(t, 160, k);
        } else {
            raiseTo(t, 155, h);
            raiseTo(t, 160, k);
            raiseTo(t, 161, k);
        }
    }
    if (nonZero(e) || nonZero(i))
        t.add(162, e);
    if (positive(j)) {
        t.add(157, j);
        t.add(158, g);
    }
    if (s.flag(S::F_Switch2)) {
        t.setExemptIncome();
        t.add(159, g);
    }
}

void addT4RSP(const TaxData_Slip_T4RSP &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4RSP;
    t.add(s.flag(S::F_Switch1) ? 125 : 126, s.amount(S::F_Box16));
    t.add(127, s.amount(S::F_Box18));
    t.add(128, s.amount(S::F_Box20));
    t.add(129, s.amount(S::F_Box22));
    t.add(131, s.amount(S::F_Box25));
    t.add(132, s.amount(S::F_Box26));
    t.add(133, s.amount(S::F_Box27));
    if (s.flag(S::F_Switch2))
        t.add(138, s.amount(S::F_Box20) + s.amount(S::F_Box22) + s.amount(S::F_Box26));
    const double b28 = s.amount(S::F_Box28);
    if (positive(b28))
        t.add(134, b28);
    else
        t.add(135, -b28);
    t.add(136, s.amount(S::F_Box30));
    t.add(137, s.amount(S::F_Box34));
}

void addT4E(const TaxData_Slip_T4E &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4E;
    const double b7 = s.amount(S::F_Box7), b14 = s.amount(S::F_Box14), b18 = s.amount(S::F_Box18);
    const double b22 = s.amount(S::F_Box22), b23 = s.amount(S::F_Box23), amountB = s.amount(S::F_AmountB);
    if (positive(b7))
        t.set(107, b7);
    const double net = notBelowZero(b14 - b18);
    t.add(108, net);
    if (positive(b23))
        t.add(109, net);
    t.add(110, s.amount(S::F_Box15));
    t.add(111, s.amount(S::F_Box17));
    t.add(112, b18);
    t.add(113, s.amount(S::F_Box20));
    if (positive(b22))
        t.add(123, b14);
    t.add(114, s.amount(S::F_Box21));
    t.add(115, b22);
    t.add(116, b23);
    t.add(117, s.amount(S::F_AmountA));
    if (!nonZero(amountB))
        t.add(118, s.amount(S::F_Box30));
    else
        t.add(119, amountB);
    t.add(120, s.amount(S::F_Box33));
    t.add(121, s.amount(S::F_AmountC));
    t.add(122, s.amount(S::F_Box37));
    if (s.flag(S::F_Switch1)) {
        t.setExemptIncome();
        t.add(124, b18);
    }
}

void addT4AOAS(const CSlipData_T4AOAS &s, SlipTotals &t)
{
    using S = CSlipData_T4AOAS;
    const int fields[] = {S::F_Box18, S::F_Box19, S::F_Box20, S::F_Box21, S::F_Box22, S::F_Box23};
    for (int i = 0; i < 6; ++i)
        t.add(139 + i, s.amount(fields[i]));
}

void addT4RIF(const TaxData_Slip_T4RIF &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T4RIF;
    const bool sw1 = s.flag(S::F_Switch1), sw2 = s.flag(S::F_Switch2);
    const double b16 = s.amount(S::F_Box16), b20 = s.amount(S::F_Box20);
    const double b22 = s.amount(S::F_Box22), b28 = s.amount(S::F_Box28), amountA = s.amount(S::F_AmountA);
    if (sw1 || p.over65) {
        t.add(269, b16);
        t.add(272, b20);
        if (positive(b16))
            t.add(315, b28);
    } else {
        t.add(270, b16);
        t.add(273, b20);
        if (positive(b28))
            t.add(281, b16);
    }
    if (positive(b22)) {
        if (sw1 || (sw2 && p.over65)) {
            t.add(274, b22);
        } else {
            t.add(275, b22);
            if (positive(b28))
                t.add(281, b22);
        }
    } else {
        t.add(276, -b22);
    }
    t.add(271, s.amount(S::F_Box18));
    t.add(277, s.amount(S::F_Box24));
    t.add(278, b28);
    if (positive(amountA)) {
        t.add(279, amountA);
        t.add(280, b16);
    }
}

// Boxes 13 (interest) and 19 are placed by what they are; see the slot table.
void addT5(const TaxData_Slip_T5 &s, SlipTotals &t, const Person &p)
{
    using S = TaxData_Slip_T5;
    const int first[] = {S::F_Calc10, S::F_Calc11, S::F_Calc12, S::F_Calc13, S::F_CalcAmountB, S::F_CalcAmountC,
                         S::F_CalcAmountD, S::F_CalcAmountE, S::F_Calc14, S::F_Calc15, S::F_Calc16};
    for (int i = 0; i < 11; ++i)
        t.add(87 + i, s.amount(first[i]));
    t.add(s.flag(S::F_Switch1) ? 98 : 99, s.amount(S::F_Calc17));
    t.add(100, s.amount(S::F_Calc18));
    t.add(s.flag(S::F_Switch2) || p.over65 ? 101 : 102, s.amount(S::F_CalcAmountA));
    t.add(103, s.amount(S::F_Calc24));
    t.add(104, s.amount(S::F_Calc25));
    t.add(105, s.amount(S::F_Calc26));
    t.add(106, s.amount(S::F_Calc34));
}

void addT3(const TaxData_Slip_T3 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T3;
    auto a = [&s](int f) { return s.amount(f); };
    if (nonZero(a(S::F_Calc52)))
        t.setFlag(5, true);
    t.add(6, a(S::F_Calc52) - a(S::F_Calc54) - a(S::F_Calc56) - a(S::F_Calc58));
    if (nonZero(a(S::F_Calc53)))
        t.setFlag(7, true);
    t.add(8, a(S::F_Calc53) - a(S::F_Calc55) - a(S::F_Calc57) - a(S::F_Calc59));
    t.add(4, a(S::F_Calc21));
    if (s.flag(S::F_Switch1))
        t.add(9, a(S::F_Calc21));
    t.add(10, a(S::F_CalcAmountA));
    t.add(11, a(S::F_Calc23));
    t.add(12, a(S::F_CalcAmountB));
    if (!s.flag(S::F_Switch2))
        t.add(13, a(S::F_CalcAmountB));
    t.add(22, a(S::F_CalcAmountD));
    t.add(14, a(S::F_Calc25));
    t.add(23, a(S::F_Calc34));
    if (nonZero(a(S::F_Calc34)))
        t.add(15, a(S::F_Calc25));
    const double b26 = a(S::F_Calc26), c = a(S::F_CalcAmountC);
    if (!s.flag(S::F_Switch3))
        t.add(16, notBelowZero(b26 - c));
    if (s.flag(S::F_Switch4))
        t.add(17, b26);
    if (s.flag(S::F_Switch5))
        t.add(18, b26);
    t.add(19, a(S::F_Calc30));
    t.add(20, c);
    t.add(21, a(S::F_Calc32));
    const int last[] = {S::F_CalcAmountE, S::F_CalcAmountF, S::F_CalcAmountG, S::F_Calc39, S::F_Calc49,
                        S::F_Calc50, S::F_Calc51};
    for (int i = 0; i < 7; ++i)
        t.add(24 + i, a(last[i]));
}

void addT5007(const CSlipData_T5007 &s, SlipTotals &t)
{
    using S = CSlipData_T5007;
    if (s.flag(S::F_Switch1)) {
        t.setExemptIncome();
        t.add(237, s.amount(S::F_Box10));
    } else {
        t.add(236, s.amount(S::F_Box10));
    }
    t.add(238, s.amount(S::F_Box11));
    if (s.intValue(S::F_Code) == 3) {
        if (positive(s.amount(S::F_Box11)))
            t.setFlag(240, true);
        if (t.amount(239) - s.amount(S::F_Box12) >= 0.009)
            t.set(239, s.amount(S::F_Box12));
    }
}

void addT5013(const TaxData_Slip_T5013 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T5013;
    const double share = s.amount(S::F_Box5);
    auto a = [&](int letter) { return s.amount(S::F_AmountA + letter) * share / 100.0; };
    enum { A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, Ss, T, U, V, W, X, Y };
    t.add(241, a(B));
    t.add(242, a(C));
    t.add(243, a(D));
    t.add(244, a(E));
    t.add(245, a(A));
    t.add(246, a(F));
    t.add(247, a(H));
    for (int i = 0; i <= R - L; ++i)
        t.add(250 + i, a(L + i));
    t.add(s.flag(S::F_Switch1) ? 258 : 257, a(Ss));
    const int last[] = {X, T, G, I, J, K, U, V, W, Y};
    for (int i = 0; i < 10; ++i)
        t.add(259 + i, a(last[i]));
}

void addT4PS(const TaxData_Slip_T4PS &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4PS;
    auto a = [&s](int n) { return s.amount(S::F_Box24 + n); };   // the 13 amounts in field order
    for (int i = 0; i < 6; ++i)
        t.add(282 + i, a(i));
    t.add(s.flag(S::F_Switch1) ? 288 : 289, a(6));
    for (int i = 0; i < 6; ++i)
        t.add(290 + i, a(7 + i));
}

void addT2202(const TaxData_Slip_T2202 &s, SlipTotals &t)
{
    using S = TaxData_Slip_T2202;
    for (int period = 0; period < 4; ++period) {
        const int base = S::F_Period1PartTime + 3 * period;
        const double first = s.amount(base);
        t.add(231, first);
        t.add(232, s.amount(base + 1));
        t.add(nonZero(first) ? 233 : 234, s.amount(base + 2));
    }
}

void addT4FHSA(const TaxData_Slip_T4FHSA &s, SlipTotals &t)
{
    using S = TaxData_Slip_T4FHSA;
    t.add(320, s.amount(S::F_Box18));
    t.add(321, s.amount(S::F_Box20));
    t.add(322, s.amount(S::F_Box22));
    t.add(323, s.amount(S::F_Box24));
    t.add(s.flag(S::F_Switch1) ? 325 : 324, s.amount(S::F_Box26));
    const int last[] = {S::F_Box28, S::F_Box30, S::F_Box32, S::F_Box34, S::F_Box36, S::F_Box38};
    for (int i = 0; i < 6; ++i)
        t.add(326 + i, s.amount(last[i]));
}

// Adds one slip by its type; a slip of a type that is not totalled, or whose
// object is not of the type's class, adds nothing.
void addToTotals(int type, CTaxData_Form *object, SlipTotals &t, const Person &p)
{
    switch (type) {
    case 1:
        if (auto s = slipAs<TaxData_Slip_T4>(object, type))
            addT4(*s, t);
        break;
    case 2:
        if (auto s = slipAs<TaxData_Slip_T4A>(object, type))
            addT4A(*s, t, p);
        break;
    case 3:
        if (auto s = slipAs<TaxData_Slip_T4AP>(object, type))
            addT4AP(*s, t, p);
        break;
    case 4:
        if (auto s = slipAs<TaxData_Slip_T4RSP>(object, type))
            addT4RSP(*s, t);
        break;
    case 5:
        if (auto s = slipAs<TaxData_Slip_T4E>(object, type))
            addT4E(*s, t);
        break;
    case 6:
        if (auto s = slipAs<CSlipData_T4AOAS>(object, type))
            addT4AOAS(*s, t);
        break;
    case 7:
        if (auto s = slipAs<TaxData_Slip_T4RIF>(object, type))
            addT4RIF(*s, t, p);
        break;
    case 8:
        if (auto s = slipAs<TaxData_Slip_T5>(object, type))
            addT5(*s, t, p);
        break;
    case 9:
        if (auto s = slipAs<TaxData_Slip_T3>(object, type))
            addT3(*s, t);
        break;
    case 10:
        if (auto s = slipAs<CSlipData_T5003>(object, type))
            t.add(235, s->amount(CSlipData_T5003::F_Box121));
        break;
    case 11:
        if (auto s = slipAs<CSlipData_T5007>(object, type))
            addT5007(*s, t);
        break;
    case 13:
        if (auto s = slipAs<TaxData_Slip_T5013>(object, type))
            addT5013(*s, t);
        break;
    case 14:
        if (auto s = slipAs<TaxData_Slip_T4PS>(object, type))
            addT4PS(*s, t);
        break;
    case 15:
        if (auto s = slipAs<TaxData_Slip_T4ARCA>(object, type))
            for (int i = 0; i < 7; ++i)
                t.add(299 + i, s->amount(TaxData_Slip_T4ARCA::F_Box14 + i));
        break;
    case 16:
        if (auto s = slipAs<TaxData_Slip_T5006>(object, type)) {
            using S = TaxData_Slip_T5006;
            t.add(296, notBelowZero(s->amount(S::F_Box10) - s->amount(S::F_Box11)));
            t.add(297, notBelowZero(s->amount(S::F_Box12) - s->amount(S::F_Box13)));
            t.add(298, s->amount(S::F_Box14));
        }
        break;
    case 17:
        if (auto s = slipAs<TaxData_Slip_RC62>(object, type)) {
            t.add(0, s->amount(TaxData_Slip_RC62::F_Box10));
            t.add(1, s->amount(TaxData_Slip_RC62::F_Box12));
        }
        break;
    case 18:
        if (auto s = slipAs<TaxData_Slip_RC210>(object, type)) {
            t.add(2, s->amount(TaxData_Slip_RC210::F_Box10));
            t.add(3, s->amount(TaxData_Slip_RC210::F_Box11));
        }
        break;
    case 21:
        if (auto s = slipAs<TaxData_Slip_MBShelterAssist>(object, type))
            t.add(309, s->amount(TaxData_Slip_MBShelterAssist::F_Box10));
        break;
    case 22:
        if (auto s = slipAs<TaxData_Slip_PRPP>(object, type)) {
            using S = TaxData_Slip_PRPP;
            t.add(310, s->amount(S::F_Box10));
            t.add(311, s->amount(S::F_Box11));
            t.add(312, s->amount(S::F_Box13));
            t.add(313, s->amount(S::F_Box14));
            t.add(314, s->amount(S::F_Box12));
        }
        break;
    case 23:
        if (auto s = slipAs<TaxData_Slip_T1204>(object, type)) {
            t.add(306, s->amount(TaxData_Slip_T1204::F_Box82));
            t.add(307, s->amount(TaxData_Slip_T1204::F_Box84));
            t.increment(308);
        }
        break;
    case 24:
        if (auto s = slipAs<TaxData_Slip_NR4>(object, type)) {
            using S = TaxData_Slip_NR4;
            const double factor = s->amount(S::F_ExchangeRate);
            const int fields[] = {S::F_Box16, S::F_Box17, S::F_Box26, S::F_Box27};
            for (int i = 0; i < 4; ++i)
                t.add(316 + i, s->amount(fields[i]) * factor);
        }
        break;
    case 25:
        if (auto s = slipAs<TaxData_Slip_T2202>(object, type))
            addT2202(*s, t);
        break;
    case 26:
        if (auto s = slipAs<TaxData_Slip_T4FHSA>(object, type))
            addT4FHSA(*s, t);
        break;
    default:
        break;   // 12, 19, 20 and unknown types add nothing
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

    totals.add(191, totals.amount(188));
    if (totals.amount(190) > 500.0)
        totals.add(191, totals.amount(190) - 500.0);
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
    if (anyNonZero(t, {4, 19, 25}))
        require({4, 32}, 4);
    if (anyNonZero(t, {14, 21, 29}))
        require({210}, 210);
    if (anyNonZero(t, {22, 23}))
        require({35}, 35);
    if (anyT4 && anyPositive(t, {65, 66, 68}))
        require({148}, 148);
    else if (anyT4 && anyPositive(t, {36, 39, 69}))
        require({150}, 150);
    if (anyT4 && anyPositive(t, {40, 43, 63}))
        require({23}, 23);
    if (anyNonZero(t, {60}))
        require({9}, 9);
    if (anyNonZero(t, {88, 90, 95, 96, 99, 102, 104}))
        require({210}, 210);
    if (anyNonZero(t, {100}))
        require({4}, 4);
    if (anyNonZero(t, {231, 232, 233, 234}))
        require({11}, 11);
    if (anyNonZero(t, {97}))
        require({35}, 35);
    if (anyNonZero(t, {2, 3}))
        require({119}, 119);
    if (anyNonZero(t, {131, 133}))
        require({7}, 7);
    if (anyNonZero(t, {181}))
        require({17}, 17);
    if (anyNonZero(t, {183}))
        require({9}, 9);
    if (anyNonZero(t, {320}))
        require({205}, 205);
    if (anyNonZero(t, {260}))
        require({4}, 4);
    if (anyNonZero(t, {241, 242, 252, 254, 256, 257, 258, 259, 262, 264}))
        require({210}, 210);
    if (anyNonZero(t, {282, 283, 284, 285, 286, 287}))
        require({210}, 210);
    if (anyNonZero(t, {289}))
        require({4}, 4);
    if (anyNonZero(t, {294}))
        require({35}, 35);
    if (t.hasExemptIncome())
        require({171}, 171);
}

int IndividualTaxData::writeSlipSummaryHtml(QTextStream &out)
{
    out << "*this summary is only for purpose of return preparation check, not accurate/full*<br><br>\n";
    out << "<b>There are totally " << m_slips.count() << " tax slip(s)</b><br><br>\n";

    SlipTotals totals;
    RequiredFormSet requiredForms;
    accumulateSlipTotals(totals, requiredForms);

    CString table;
    if (const int n = m_slips.countKey(9)) {
        out << "<br><br>T3 tax slip: " << n << " <br>";
        totals.toHtmlT3Table(table);
        out << table;
    }
    if (const int n = m_slips.countKey(1)) {
        out << "<br><br>T4 tax slip: " << n << " <br>\n";
        totals.toHtmlT4Table(table);
        out << table;
    }
    if (const int n = m_slips.countKey(2)) {
        out << "<br><br>T4A tax slip: " << n << " <br>";
        totals.toHtmlT4ATable(table);
        out << table;
    }
    if (const int n = m_slips.countKey(8)) {
        out << "<br><br>T5 tax slip: " << n << " <br>\n";
        totals.toHtmlT5Table(table);
        out << table;
    }
    return 0;
}
