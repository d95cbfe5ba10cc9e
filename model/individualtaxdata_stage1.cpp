// Stage 1 of the calculation: every entry, the slip totals spread over the T1 and the
// forms that take slip amounts, the CPP form, and the income statements.
#include "calctrace.h"
#include "ctaxdata_rc71.h"
#include "ctaxdata_t1223.h"
#include "ctaxdata_t2205.h"
#include "ctaxdata_t2222.h"
#include "ctaxdata_t5013.h"
#include "dependantinfostruct.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "sliptotals.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_rc381.h"
#include "taxdata_rc383.h"
#include "taxdata_sch11.h"
#include "taxdata_sch13.h"
#include "taxdata_sch15.h"
#include "taxdata_sch3.h"
#include "taxdata_sch6.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
#include "taxdata_sch9.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t5.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1170.h"
#include "taxdata_t1172new.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2017new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2043.h"
#include "taxdata_t2091.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t2204_new.h"
#include "taxdata_t2209_2036.h"
#include "taxdata_t691new.h"
#include "taxdata_t776new.h"
#include "taxdata_t90.h"
#include "taxdata_taxnote.h"
#include "taxdata_t936new.h"
#include "taxdata_ws_d1.h"
#include <algorithm>

namespace {

using T1 = TaxData_T1New;

bool nonZero(double v) { return isAmountEntered(v); }
bool positive(double v) { return v >= 0.009; }

// PPIP employee premium maximum for 2024 (0.494% of 94,000).
constexpr double kMaxPpipPremium = 464.36;
// Death benefits (T3 and T4A) are taxable above this exemption.
constexpr double kDeathBenefitExemption = 10000.0;

double sumSlots(const SlipTotals &t, std::initializer_list<int> slots)
{
    double sum = 0.0;
    for (int s : slots)
        sum += t.amount(s);
    return sum;
}

// The farming net after the restricted farm loss rule: the first 2,500 of a loss in full,
// half of the next 30,000, at most 17,500 in all.
double allowedFarmLoss(double net, double current)
{
    if (net <= -32500.0)
        return -17500.0;
    const double allowed = -((-net - 2500.0) * 0.5 + 2500.0);
    return allowed > current ? allowed : current;
}

// T5013 rows by kind of income: the T1 line each adds to.
int t5013Line(int kind)
{
    switch (kind) {
    case CTaxData_T5013::Business: return T1::F_13500;
    case CTaxData_T5013::Professional: return T1::F_13700;
    case CTaxData_T5013::Commission: return T1::F_13900;
    case CTaxData_T5013::Farming: return T1::F_14100;
    case CTaxData_T5013::Fishing: return T1::F_14300;
    case CTaxData_T5013::Rental: return T1::F_12600;
    default: return -1;
    }
}

template <class F>
F *as(CTaxData_Form *object)
{
    return dynamic_cast<F *>(object);
}


// The gross income lines of the statements, beside the net lines they add to.
void setSelfEmploymentGrossLines(T1 &t, const EntryList<FormEntry> &forms)
{
    for (int f : {T1::F_12599, T1::F_13499, T1::F_13699, T1::F_13899, T1::F_14099, T1::F_14299})
        t.setAmount(f, 0.0);
    const auto add = [&t](int field, double v) { t.setAmount(field, t.amount(field) + v); };
    for (const FormEntry *e : forms) {
        const CTaxData_Form *f = e->object;
        if (!f)
            continue;
        if (auto *rental = dynamic_cast<const TaxData_T776New *>(f)) {
            add(T1::F_12599, rental->amount(TaxData_T776New::F_GrossRents) + rental->amount(TaxData_T776New::F_OtherIncome));
        } else if (auto *business = dynamic_cast<const TaxData_T2125_New *>(f)) {
            const int kind = e->type == 131 ? 2 : business->incomeKind();
            add(kind == 0 ? T1::F_13499 : kind == 1 ? T1::F_13699 : T1::F_13899,
                business->amount(TaxData_T2125_New::F_GrossIncome));
        } else if (auto *farm = dynamic_cast<const TaxData_T1163New *>(f)) {
            add(T1::F_14099, farm->amount(TaxData_T1163New::F_GrossIncome));
        } else if (auto *farm2 = dynamic_cast<const TaxData_T2042New *>(f)) {
            add(T1::F_14099, farm2->amount(TaxData_T2042New::F_GrossIncome));
        } else if (auto *fishing = dynamic_cast<const TaxData_T2121New *>(f)) {
            add(T1::F_14299, fishing->amount(TaxData_T2121New::F_GrossIncome));
        }
    }
}

} // namespace

int IndividualTaxData::calculateStage1(const StageValues &v)
{
    T1 *t = v.t1;
    if (!t)
        return 0;
    int result = 0;
    // a dividend worksheet that the slip totals add below is not calculated in this round
    const bool hadWsd1 = singleForm(210) != nullptr;

    // 1. every entry
    for (FormEntry *e : m_forms) {
        if (!e->object)
            continue;
        BQ_TRACE("stage 1: CTaxData_Form::calculateEntry");
        e->object->calculateEntry();
        e->object->setMainTaxProvince(m_province);
    }
    for (FormEntry *e : m_slips) {
        if (!e->object)
            continue;
        BQ_TRACE("stage 1: CTaxData_Form::calculateEntry");
        e->object->calculateEntry();
    }
    for (NoteEntry *n : m_notes) {
        if (!n->note)
            continue;
        BQ_TRACE("stage 1: CTaxData_Form::calculateData");
        n->note->calculateData();
    }

    // 2.
    t->setProvinceName(provinceName(m_province));

    // 3.
    SlipTotals st;
    RequiredFormSet required;
    BQ_TRACE("stage 1: IndividualTaxData::accumulateSlipTotals");
    accumulateSlipTotals(st, required);

    // The forms are looked up after the totals, which may have added some.
    auto *wsd1 = as<TaxData_WS_D1>(singleForm(210));
    auto *sch3 = as<TaxData_Sch3>(singleForm(4));
    auto *sch9 = as<TaxData_Sch9>(singleForm(9));
    auto *t2222 = as<CTaxData_T2222>(singleForm(49));
    auto *t2209 = as<TaxData_T2209_2036>(singleForm(35));
    auto *t936 = as<TaxData_T936New>(singleForm(32));

    // 4.
    if (wsd1) {
        BQ_TRACE("stage 1: TaxData_WS_D1::resetDivDetailsAmounts");
        wsd1->resetDivDetailsAmounts();
    }
    if (t2222) {
        t2222->setAmount(CTaxData_T2222::F_TravelDeduction, 0.0);
        t2222->setAmount(CTaxData_T2222::F_Deduction, 0.0);
    }
    if (t2209) {
        using F = TaxData_T2209_2036;
        for (int f : {F::F_ForeignNonBusinessIncome, F::F_ForeignTaxPaid, F::F_ReportedIncome, F::F_ReportedTaxPaid})
            t2209->setAmount(f, 0.0);
    }

    // 5.
    BQ_TRACE("stage 1: TaxData_T1New::CanClaimSpouse");
    const bool spouse = t->CanClaimSpouse();
    BQ_TRACE("stage 1: TaxData_T1New::canClaimSch2");
    const bool sch2 = t->canClaimSch2();
    BQ_TRACE("stage 1: TaxData_T1New::canClaimT1032");
    const bool t1032Claim = t->canClaimT1032();
    if (!spouse && !sch2 && !t1032Claim) {
        BQ_TRACE("stage 1: TaxData_T1New::clearSpouseInfo");
        t->clearSpouseInfo();
    }

    // 6. the lines this stage adds to start from 0
    for (int f : {T1::F_10100, T1::F_10120, T1::F_10400, T1::F_11500, T1::F_12100, T1::F_12200, T1::F_12600,
                  T1::F_12700, T1::F_13000, T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300,
                  T1::F_20700, T1::F_21200, T1::F_22100, T1::F_23200, T1::F_43700, T1::F_31205})
        t->setAmount(f, 0.0);
    int infirm18 = 0, children = 0, infirmAll = 0;
    if (DependantInfoStruct *d = m_dependants) {
        BQ_TRACE("stage 1: DependantInfoStruct::GetInfirmDependantsNumberNotUnderAge");
        infirm18 = d->GetInfirmDependantsNumberNotUnderAge(18);
        BQ_TRACE("stage 1: DependantInfoStruct::GetDepChildrenNumberBetweenAges");
        children = d->GetDepChildrenNumberBetweenAges(0, 18);
        BQ_TRACE("stage 1: DependantInfoStruct::GetInfirmDependantsNumberNotUnderAge");
        infirmAll = d->GetInfirmDependantsNumberNotUnderAge(-1);
    }
    t->setIntValue(T1::F_InfirmDependants18, infirm18);
    t->setIntValue(T1::F_ChildrenUnder18, children);
    t->setIntValue(T1::F_InfirmDependants, infirmAll);
    t->setAmount(T1::F_SelfEmploymentTotal, 0.0);
    t->setFlag(T1::F_SplitIncomeFlag, false);
    t->setFlag(T1::F_NoSelfEmployedCpp, false);
    if (sch3) {
        sch3->setAmount(TaxData_Sch3::F_T3T5Gains, 0.0);
        sch3->setAmount(TaxData_Sch3::F_T5013Gains, 0.0);
    }
    if (sch9) {
        sch9->setAmount(TaxData_Sch9::F_Donations, 0.0);
        sch9->setAmount(TaxData_Sch9::F_EcologicalGifts, 0.0);
    }

    // 7. advance Canada workers benefit payments (RC210)
    if (auto *sch6 = as<TaxData_Sch6>(singleForm(119))) {
        BQ_TRACE("stage 1: TaxData_Sch6::setACWBAmounts");
        sch6->setACWBAmounts(st.amount(2), st.amount(3));
    }

    // 8. the slip totals to their places
    t->setAmount(T1::F_10100, st.amount(32));
    // taxable dividends of the T3 and T5 slips until the worksheet works them out
    t->setAmount(T1::F_12000, sumSlots(st, {21, 29, 88, 104}));
    t->setAmount(T1::F_12010, st.amount(21) + st.amount(88));
    t->setAmount(T1::F_10120, st.amount(57));
    t->setAmount(T1::F_11300, st.amount(139));
    if (wsd1) {
        using W = TaxData_WS_D1;
        wsd1->setAmount(W::F_NonEligibleActual, st.amount(11));
        wsd1->setAmount(W::F_NonEligibleTaxable, st.amount(21));
        wsd1->setAmount(W::F_EligibleActual, st.amount(28));
        wsd1->setAmount(W::F_EligibleTaxable, st.amount(29));
    }
    if (sch3) {
        sch3->setAmount(TaxData_Sch3::F_T3T5Gains, st.amount(4) + st.amount(100));
        sch3->setAmount(TaxData_Sch3::F_T5013Gains, st.amount(260) + st.amount(289));
        sch3->setFlag(TaxData_Sch3::F_FromT3, nonZero(st.amount(4)));
        sch3->setFlag(TaxData_Sch3::F_FromT5, nonZero(st.amount(100)));
    }
    if (t936) {
        t936->setAmount(TaxData_T936New::F_InvestmentIncome, sumSlots(st, {90, 95, 88, 104, 21, 29}));
        t936->setAmount(TaxData_T936New::F_InvestmentExpenses, 0.0);
    }
    // T3 other income, and the part of the death benefits above the exemption
    double otherIncome = st.amount(16) + st.amount(10);
    if (st.amount(24) - kDeathBenefitExemption >= 0.009)
        otherIncome += st.amount(24) - kDeathBenefitExemption;
    t->setAmount(T1::F_13000, otherIncome);
    t->setAmount(T1::F_10400, sumSlots(st, {193, 176, 196, 197, 200, 205, 213, 215}));
    t->setAmount(T1::F_11500, sumSlots(st, {163, 167, 206, 216, 269, 272, 274}));
    t->setAmount(T1::F_11700, st.amount(0));
    t->setAmount(T1::F_11900, st.amount(108));
    t->setEiRepaymentBase(eiRepaymentBase());
    t->setAmount(T1::F_12100, sumSlots(st, {90, 95, 96, 14}) + t->amount(T1::F_SharedInterest));
    t->setAmount(T1::F_12500, st.amount(204));
    t->setAmount(T1::F_12900, sumSlots(st, {125, 126, 127, 128, 129, 132, 134, 137}) - st.amount(135));
    t->setAmount(T1::F_12905, st.amount(322) + st.amount(323));
    t->setAmount(T1::F_12906, st.amount(324) + st.amount(325));
    t->setAmount(T1::F_13010, st.amount(191));
    fillCheckIndicators(*t);
    t->setAmount(T1::F_14400, st.amount(236));
    t->setAmount(T1::F_14500, st.amount(238));
    t->setAmount(T1::F_14600, st.amount(142));
    t->setAmount(T1::F_20700, st.amount(41));
    t->setAmount(T1::F_21200, st.amount(59));
    if (t2209) {
        using F = TaxData_T2209_2036;
        t2209->setAmount(F::F_ForeignNonBusinessIncome, st.amount(14));
        t2209->setAmount(F::F_ForeignTaxPaid, st.amount(23) + st.amount(22));
        t2209->setAmount(F::F_ReportedIncome, st.amount(14));
        t2209->setAmount(F::F_ReportedTaxPaid, st.amount(23) + st.amount(22));
    }
    t->setFlag(T1::F_T90Flag, st.hasExemptIncome());

    // 9. exempt income (T90)
    if (positive(st.amount(75)) || t->flag(T1::F_T90Flag)) {
        auto *t90 = as<TaxData_T90>(singleForm(171));
        if (!hasForm(171)) {
            BQ_TRACE("stage 1: IndividualTaxData::getForm");
            t90 = as<TaxData_T90>(getForm(171, 0, true));
            // only a form that was made counts
            if (t90)
                ++result;
        }
        if (t90) {
            t90->setAmount(TaxData_T90::F_EmploymentIncome, st.amount(75));
            t90->setFlag(TaxData_T90::F_Switch, true);
            t90->setAmount(TaxData_T90::F_OtherIncome, st.amount(159));
        }
    } else if (auto *t90 = as<TaxData_T90>(singleForm(171))) {
        t90->setAmount(TaxData_T90::F_EmploymentIncome, st.amount(75));
        t90->setFlag(TaxData_T90::F_Switch, false);
        t90->setAmount(TaxData_T90::F_OtherIncome, st.amount(159));
    }
    t->setAmount(T1::F_11400, st.amount(146));
    t->setAmount(T1::F_11410, st.amount(149));
    t->setFlag(T1::F_NoCppBenefits, !nonZero(st.amount(146)) && !nonZero(st.amount(149)));

    // 10.
    auto *sch13 = as<TaxData_Sch13>(singleForm(139));
    if (sch13 && !sch13->flag(TaxData_Sch13::F_Switch))
        sch13->setAmount(TaxData_Sch13::F_EIBenefits, st.amount(123));
    if (t2222)
        t2222->setAmount(CTaxData_T2222::F_TravelDeduction, st.amount(55));
    if (auto *t1223 = as<CTaxData_T1223>(singleForm(103)))
        t1223->setAmount(CTaxData_T1223::F_Remuneration, st.amount(32));
    auto *t691 = as<TaxData_T691New>(singleForm(31));
    if (t691) {
        t691->setAmount(TaxData_T691New::F_ForeignIncome, st.amount(14) + st.amount(96));
        t691->setAmount(TaxData_T691New::F_ForeignTaxPaid, sumSlots(st, {22, 23, 97, 294}));
    }

    // 11. the first six T4 slips on the CPT20
    if (auto *cpt20 = as<TaxData_CPT20_New>(singleForm(57))) {
        BQ_TRACE("stage 1: TaxData_CPT20_New::clearEntry");
        cpt20->clearEntry();
        int n = 0;
        for (FormEntry *e : m_slips.withKey(1)) {
            auto *t4 = as<TaxData_Slip_T4>(e->object);
            if (!t4)
                continue;
            if (++n > 6)
                break;
            using S = TaxData_Slip_T4;
            double earnings = t4->amount(S::F_Box26);
            if (!nonZero(earnings))
                earnings = t4->amount(S::F_Box14);
            BQ_TRACE("stage 1: TaxData_CPT20_New::setEntryN");
            cpt20->setEntryN(n, earnings, t4->amount(S::F_Box16), t4->intValue(S::F_Province), t4->isCppQppExempt());
        }
    }

    // 12. which CPP form: 2 RC381 (Quebec plan), 1 Schedule 8
    int selector = 0;
    if (positive(st.amount(68)) || positive(st.amount(65)) || positive(st.amount(66)))
        selector = 2;
    else if (positive(st.amount(69)) || positive(st.amount(36)) || positive(st.amount(39)))
        selector = 1;
    t->setCppFormSelector(selector);
    BQ_TRACE("stage 1: IndividualTaxData::ensureForm148or150");
    result += ensureForm148or150(selector);

    // 13. the T4 totals on the CPP forms
    auto *rc381 = as<TaxData_RC381>(singleForm(148));
    auto *sch8 = as<TaxData_Sch8_14>(singleForm(150));
    const int withCpp = st.code11T4WithAmountCount();
    const int quebecOnly = st.code11T4Count() - withCpp;
    auto putT4 = [&](CTaxData_Form *f, int amounts, int cppE, int cppC, int qppE, int qppC, int slips, int qSlips) {
        f->setFlag(amounts, nonZero(st.amount(36)) || nonZero(st.amount(39)) || nonZero(st.amount(65))
                                || nonZero(st.amount(66)));
        f->setAmount(cppE, st.amount(69));
        f->setAmount(cppC, st.amount(36) + st.amount(39));
        f->setAmount(qppE, st.amount(68));
        f->setAmount(qppC, st.amount(65) + st.amount(66));
        f->setIntValue(slips, withCpp);
        f->setIntValue(qSlips, quebecOnly);
    };
    if (rc381) {
        using R = TaxData_RC381;
        putT4(rc381, R::F_T4Amounts, R::F_T4CppEarnings, R::F_T4CppContributions, R::F_T4QppEarnings,
              R::F_T4QppContributions, R::F_T4CppSlips, R::F_T4QuebecOnlySlips);
    }
    if (sch8) {
        using S = TaxData_Sch8_14;
        putT4(sch8, S::F_T4Amounts, S::F_T4CppEarnings, S::F_T4CppContributions, S::F_T4QppEarnings,
              S::F_T4QppContributions, S::F_T4CppSlips, S::F_T4QuebecOnlySlips);
    }

    // 14. EI, PPIP and the overpayment form
    auto *t2204 = as<TaxData_T2204_New>(singleForm(23));
    if (t2204) {
        using F = TaxData_T2204_New;
        t2204->setAmount(F::F_CPPContributions, st.amount(36) + st.amount(39));
        t2204->setAmount(F::F_EIPremiums, st.amount(40));
        t2204->setAmount(F::F_InsurableEarnings, st.amount(43));
        t2204->setFlag(F::F_Switch1, st.code11T4Count() < 1 ? false : st.flag(70, 2));
    }
    t->setAmount(T1::F_31205, std::min(st.amount(63), kMaxPpipPremium));
    const bool quebecPlans = positive(st.amount(37)) || positive(st.amount(65)) || positive(st.amount(66));
    if (t2204)
        t2204->setFlag(TaxData_T2204_New::F_Switch2, quebecPlans);
    t->setFlag(T1::F_QuebecPlans, quebecPlans);
    const bool exempt = st.flag(70, 0) || st.flag(70, 1) || st.flag(86);
    if (rc381)
        rc381->setFlag(TaxData_RC381::F_T4Exempt, exempt);
    if (sch8)
        sch8->setFlag(TaxData_Sch8_14::F_T4Exempt, exempt);

    // 15. donations on the slips; deferred security options
    if (sch9) {
        sch9->setAmount(TaxData_Sch9::F_Donations, st.amount(60) + st.amount(183));
        sch9->setAmount(TaxData_Sch9::F_EcologicalGifts, 0.0);
    }
    auto *t1212 = as<TaxData_T1212New>(singleForm(18));
    bool t1212Flag = false;
    if (t1212) {
        t->setAmount(T1::F_10100, t->amount(T1::F_10100) + t1212->amount(TaxData_T1212New::F_Included));
        t1212Flag = nonZero(t1212->amount(TaxData_T1212New::F_Deferred));
    }

    // 16. the dividend worksheet
    if (!wsd1 && (nonZero(t->amount(T1::F_12000)) || nonZero(t->amount(T1::F_12010)) || t1212Flag)) {
        BQ_TRACE("stage 1: IndividualTaxData::getForm");
        wsd1 = as<TaxData_WS_D1>(getForm(210, 0, true));
    }
    if (hadWsd1 && wsd1) {
        wsd1->setAmount(TaxData_WS_D1::F_SecurityOptions,
                        t1212 ? t1212->amount(TaxData_T1212New::F_Deferred) : 0.0);
    }

    // 17. further lines
    t->setAmount(T1::F_40427, t691 ? t691->amount(TaxData_T691New::F_CarryoverApplied) : 0.0);
    t->setAmount(T1::F_43700, sumSlots(st, {42, 166, 143, 115, 136, 278, 317}));
    double other = t->amount(T1::F_13000) + st.amount(20);
    other += st.amount(192) > kDeathBenefitExemption ? st.amount(192) - kDeathBenefitExemption : 0.0;
    other += sumSlots(st, {173, 178, 194, 174, 175, 177, 180, 185, 186, 187, 201, 208, 209, 211, 212, 214, 219,
                           220, 222, 223, 225, 226, 270, 273, 275, 299});
    t->setAmount(T1::F_13000, other);
    for (FormEntry *e : m_slips.withKey(8)) {
        auto *t5 = as<TaxData_Slip_T5>(e->object);
        if (!t5 || !wsd1)
            continue;
        using W = TaxData_WS_D1;
        wsd1->setAmount(W::F_NonEligibleActual, wsd1->amount(W::F_NonEligibleActual) + t5->calculated(10));
        wsd1->setAmount(W::F_EligibleActual, wsd1->amount(W::F_EligibleActual) + t5->calculated(24));
    }
    if (t2209) {
        using F = TaxData_T2209_2036;
        t2209->setAmount(F::F_ForeignNonBusinessIncome, t2209->amount(F::F_ForeignNonBusinessIncome) + st.amount(96));
        t2209->setAmount(F::F_ForeignTaxPaid, t2209->amount(F::F_ForeignTaxPaid) + st.amount(97) + st.amount(294));
        t2209->setAmount(F::F_ReportedIncome, t2209->amount(F::F_ReportedIncome) + st.amount(96));
        t2209->setAmount(F::F_ReportedTaxPaid, t2209->amount(F::F_ReportedTaxPaid) + st.amount(97) + st.amount(294));
    }
    // employment income is at least what the slips report with their taxable benefits
    t->setAmount(T1::F_10100, std::max(t->amount(T1::F_10100), st.amount(32) + st.amount(76)));

    // 18. PRPP
    auto *sch7 = as<TaxData_Sch7>(singleForm(7));
    if (!sch7 && (positive(st.amount(310)) || positive(st.amount(311)))) {
        BQ_TRACE("stage 1: IndividualTaxData::getForm");
        sch7 = as<TaxData_Sch7>(getForm(7, 0, true));
    }
    if (sch7) {
        sch7->setAmount(TaxData_Sch7::F_SpousalCurrent, st.amount(310));
        sch7->setAmount(TaxData_Sch7::F_Transfers, st.amount(311));
    }

    // 19. RC383
    auto *rc383 = as<TaxData_RC383>(singleForm(149));
    if (!rc383 && (positive(st.amount(312)) || positive(st.amount(313)))) {
        BQ_TRACE("stage 1: IndividualTaxData::getForm");
        rc383 = as<TaxData_RC383>(getForm(149, 0, true));
    }
    if (rc383) {
        using R = TaxData_RC383;
        double exemptIncome = rc383->amount(R::F_ExemptIncome);
        if (st.amount(75) > exemptIncome)
            exemptIncome = st.amount(75);
        if (st.amount(80) > exemptIncome)
            exemptIncome = st.amount(80);
        rc383->setAmount(R::F_ExemptIncome, exemptIncome);
        rc383->setAmount(R::F_Contribution, st.amount(313));
        rc383->setAmount(R::F_Deduction, st.amount(312));
        BQ_TRACE("stage 1: TaxData_RC383::Calculate01");
        rc383->Calculate01();
    }

    // 20. accrued annuity income of the T5 slips: pension income from 65 on
    BQ_TRACE("stage 1: TaxData_T1New::GetAge");
    const int age = t->GetAge();
    const double annuity = st.amount(101) + st.amount(102);
    if (age < 65) {
        t->setAmount(T1::F_12100, t->amount(T1::F_12100) + annuity);
    } else {
        t->setAmount(T1::F_11500, t->amount(T1::F_11500) + annuity);
    }

    // 21.
    if (sch7) {
        sch7->setAmount(TaxData_Sch7::F_HBPRepayment, sumSlots(st, {131}));
        sch7->setAmount(TaxData_Sch7::F_LLPRepayment, sumSlots(st, {133}));
    }
    if (auto *t2205 = as<CTaxData_T2205>(singleForm(124)))
        t2205->setAmount(CTaxData_T2205::F_Withdrawal, st.amount(138));
    if (auto *t1172 = as<TaxData_T1172New>(singleForm(17)))
        t1172->setAmount(TaxData_T1172New::F_AIPIncome, st.amount(181));
    auto *t1032 = as<TaxData_T1032_New>(singleForm(118));
    const bool t1032Pension = t1032 && age > 64 && !t1032->flag(TaxData_T1032_New::F_Switch);
    if (t1032Pension)
        t1032->setAmount(TaxData_T1032_New::F_PensionAmount, st.amount(280));

    // 22. FHSA contributions; tuition of the slips
    if (auto *sch15 = as<TaxData_Sch15>(singleForm(205)))
        sch15->setAmount(TaxData_Sch15::F_Contributions, st.amount(320));
    if (auto *sch11 = as<TaxData_Sch11>(singleForm(11))) {
        using S = TaxData_Sch11;
        const bool typed = sch11->flag(S::F_Entered);
        auto take = [&](int field, double slips) {
            if ((positive(slips) && !typed) || slips > sch11->amount(field))
                sch11->setAmount(field, slips);
        };
        take(S::F_PartTimeMonths, st.amount(231));
        take(S::F_FullTimeMonths, st.amount(232));
        const double fees = st.amount(233) + st.amount(234);
        if (fees > sch11->amount(S::F_EligibleTuition))
            sch11->setAmount(S::F_EligibleTuition, fees);
    }
    if (t1032Pension)
        t1032->setAmount(TaxData_T1032_New::F_PensionAmount, st.amount(280));

    // 23.
    BQ_TRACE("stage 1: IndividualTaxData::calculatePensionSplit");
    calculatePensionSplit(t1032);
    // the tax that moves with the split is the tax deducted on the pension income
    // (T4A box 22, T4RIF box 28), not the tax of every slip
    if (t1032 && t1032->intValue(TaxData_T1032_New::F_Role) == 0)
        t1032->setAmount(TaxData_T1032_New::F_TaxDeductedTransferred, sumSlots(st, {166, 278}));

    // 24. the edited tax-wizard record into the return
    if (v.editedIsOther) {
        for (WizardEntry *w : m_wizardData) {
            if (!w->object)
                continue;
            BQ_TRACE("stage 1: CTaxData_Form::calculateData");
            w->object->calculateData();
        }
        BQ_TRACE("stage 1: IndividualTaxData::applyWizardRecord");
        applyWizardRecord(v.editedType);
    }

    // 25. filing status and the refund discounter
    t->setText(T1::F_DiscounterNote, QString());
    const QString overwrite = settingsSource()->configValue(QStringLiteral("OverwriteStatus")).trimmed();
    t->setIntValue(T1::F_OverwriteStatus,
                   (overwrite.toInt() != 0 || overwrite.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) ? 1 : 0);
    if (auto *rc71 = as<CTaxData_RC71>(singleForm(53))) {
        const QString code = settingsSource()->userSetting(QStringLiteral("DiscounterCode"));
        if (!code.isEmpty()) {
            rc71->setText(CTaxData_RC71::F_DiscounterCode, code);
            t->setText(T1::F_DiscounterNote, QStringLiteral("Discounter: ") + rc71->text(CTaxData_RC71::F_DiscounterCode));
        }
    }

    // 26. UCCB repayment; the lines of the partnerships and statements start from 0
    t->setAmount(T1::F_21300, st.amount(1));
    for (int f : {T1::F_12200, T1::F_12600, T1::F_12700, T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100,
                  T1::F_14300, T1::F_22100, T1::F_SelfEmploymentTotal})
        t->setAmount(f, 0.0);
    BQ_TRACE("stage 1: TaxData_T1New::CalculateLine213ByWorkSheet");
    t->CalculateLine213ByWorkSheet();

    // 27. partnerships
    for (int f : {T1::F_RentalSources, T1::F_BusinessSources, T1::F_ProfessionalSources, T1::F_FarmingSources,
                  T1::F_CommissionSources, T1::F_FishingSources})
        t->setIntValue(f, 0);
    t->setAmount(T1::F_T1212Deferred, 0.0);
    auto addLine = [t](int f, double value) { t->setAmount(f, t->amount(f) + value); };
    auto addCount = [t](int f, int n) { t->setIntValue(f, t->intValue(f) + n); };
    for (FormEntry *e : m_forms.withKey(38)) {
        auto *p = as<CTaxData_T5013>(e->object);
        if (!p)
            continue;
        p->setMainTaxProvince(m_province);
        BQ_TRACE("stage 1: CTaxData_T5013::Calculate01");
        p->Calculate01();
        BQ_TRACE("stage 1: CTaxData_T5013::HaveRentalIncome");
        addCount(T1::F_RentalSources, p->HaveRentalIncome());
        BQ_TRACE("stage 1: CTaxData_T5013::HaveBusinessIncome");
        addCount(T1::F_BusinessSources, p->HaveBusinessIncome());
        BQ_TRACE("stage 1: CTaxData_T5013::HaveProfessionalIncome");
        addCount(T1::F_ProfessionalSources, p->HaveProfessionalIncome());
        BQ_TRACE("stage 1: CTaxData_T5013::HaveFarmIncome");
        addCount(T1::F_FarmingSources, p->HaveFarmIncome());
        BQ_TRACE("stage 1: CTaxData_T5013::HaveCommissionIncome");
        addCount(T1::F_CommissionSources, p->HaveCommissionIncome());
        BQ_TRACE("stage 1: CTaxData_T5013::HaveFishIncome");
        addCount(T1::F_FishingSources, p->HaveFishIncome());
        const FieldRowList &rows = p->rows(0);
        for (int i = 0; i < rows.count(); ++i) {
            const FieldRecord &r = rows.row(i);
            const int line = t5013Line(int(r.number(CTaxData_T5013::C_Kind)));
            if (line >= 0)
                addLine(line, r.number(CTaxData_T5013::C_NetIncome) * r.number(CTaxData_T5013::C_Share) / 100.0);
        }
    }
    // the T5013 slips: limited partnership income, carrying charges
    addLine(T1::F_12200, st.amount(245));
    addLine(T1::F_12100, st.amount(241) + st.amount(242));
    addLine(T1::F_22100, st.amount(261) + st.amount(262));

    // 28.
    if (t1212) {
        BQ_TRACE("stage 1: TaxData_T1212New::Calculate01");
        t1212->Calculate01();
        BQ_TRACE("stage 1: TaxData_T1212New::getF67910");
        t->setAmount(T1::F_T1212Deferred, t1212->getF67910());
    }
    if (auto *t2043 = as<TaxData_T2043>(singleForm(193))) {
        BQ_TRACE("stage 1: TaxData_T2043::Calculate01");
        t2043->Calculate01();
    }

    // 29. the statements, each adding its net income to its line
    const QString owner = t->firstName() + QLatin1Char(' ') + t->lastName();
    auto statement = [&](int type, int counter, int line, int nameField, int sinField, int netField, const char *what) {
        for (FormEntry *e : m_forms.withKey(type)) {
            CTaxData_Form *f = e->object;
            if (!f)
                continue;
            addCount(counter, 1);
            if (nameField >= 0) {
                f->setText(nameField, owner);
            } else {
                f->setText(TaxData_T1163New::F_FirstName, t->firstName());
                f->setText(TaxData_T1163New::F_LastName, t->lastName());
            }
            f->setText(sinField, t->sin());
            BQ_TRACE(what);
            f->Calculate01();
            int target = line;
            if (type == 125) {
                const int kind = f->intValue(TaxData_T2125_New::F_IncomeKind);
                target = kind == 0 ? T1::F_13500 : kind == 1 ? T1::F_13700 : T1::F_13900;
            }
            addLine(target, f->amount(netField));
        }
    };
    statement(12, T1::F_RentalSources, T1::F_12600, TaxData_T776New::F_OwnerName, TaxData_T776New::F_OwnerSIN,
              TaxData_T776New::F_NetIncome, "stage 1: TaxData_T776New::Calculate01");
    statement(15, T1::F_FarmingSources, T1::F_14100, -1, TaxData_T1163New::F_SIN, TaxData_T1163New::F_NetIncome,
              "stage 1: TaxData_T1163New::Calculate01");
    statement(21, T1::F_FarmingSources, T1::F_14100, TaxData_T2042New::F_OwnerName, TaxData_T2042New::F_OwnerSIN,
              TaxData_T2042New::F_NetIncome, "stage 1: TaxData_T2042New::Calculate01");

    // 30. restricted farm loss; the answer of the person stays as given
    const double farmNet = t->amount(T1::F_14100);
    t->setAmount(T1::F_FarmingLoss, farmNet);
    if (t->flag(T1::F_RestrictedFarmLoss) && farmNet < -2500.0 && -2500.0 - farmNet >= 0.009)
        t->setAmount(T1::F_14100, allowedFarmLoss(farmNet, farmNet));

    statement(51, T1::F_FishingSources, T1::F_14300, TaxData_T2121New::F_OwnerName, TaxData_T2121New::F_OwnerSIN,
              TaxData_T2121New::F_NetIncome, "stage 1: TaxData_T2121New::Calculate01");
    statement(131, T1::F_CommissionSources, T1::F_13900, TaxData_T2125_New::F_OwnerName, TaxData_T2125_New::F_OwnerSIN,
              TaxData_T2125_New::F_NetIncome, "stage 1: TaxData_T2125_New::Calculate01");
    statement(125, T1::F_BusinessSources, T1::F_13500, TaxData_T2125_New::F_OwnerName, TaxData_T2125_New::F_OwnerSIN,
              TaxData_T2125_New::F_NetIncome, "stage 1: TaxData_T2125_New::Calculate01");
    t->setAmount(T1::F_SelfEmploymentTotal, t->amount(T1::F_13500) + t->amount(T1::F_13700) + t->amount(T1::F_13900)
                                                + t->amount(T1::F_14100) + t->amount(T1::F_14300));
    setSelfEmploymentGrossLines(*t, m_forms);

    // 31. principal residence designations
    double designatedA = 0.0, designatedB = 0.0;
    for (int type : {147, 160}) {
        for (FormEntry *e : m_forms.withKey(type)) {
            auto *f = as<TaxData_T2091>(e->object);
            if (!f)
                continue;
            BQ_TRACE("stage 1: TaxData_T1New::ConstructFullName");
            f->setText(TaxData_T2091::F_FullName, t->ConstructFullName());
            f->setText(TaxData_T2091::F_SIN, t->sin());
            BQ_TRACE("stage 1: TaxData_T2091::Calculate01");
            f->Calculate01();
            (f->flag(TaxData_T2091::F_Switch) ? designatedB : designatedA) += f->designatedAmount();
        }
    }
    if (!sch3 && nonZero(designatedA + designatedB)) {
        BQ_TRACE("stage 1: IndividualTaxData::getForm");
        sch3 = as<TaxData_Sch3>(getForm(4, 0, true));
    }

    // 32. capital gains
    auto *t2017 = as<TaxData_T2017New>(singleForm(37));
    if (t2017) {
        BQ_TRACE("stage 1: TaxData_T2017New::Calculate01");
        t2017->Calculate01();
    }
    auto *t1170 = as<TaxData_T1170>(singleForm(113));
    if (t1170) {
        BQ_TRACE("stage 1: TaxData_T1170::Calculate01");
        t1170->Calculate01();
        BQ_TRACE("stage 1: TaxData_T1170::getF67890");
        t->setAmount(T1::F_T1170Amount, t1170->getF67890());
    } else {
        t->setAmount(T1::F_T1170Amount, 0.0);
    }
    if (sch3) {
        using S = TaxData_Sch3;
        BQ_TRACE("stage 1: TaxData_T1New::IsDeceased");
        const bool deceased = t->IsDeceased();
        sch3->setFlag(S::F_Deceased, deceased);
        sch3->setAmount(S::F_PrincipalResidence, designatedA + designatedB);
        sch3->setAmount(S::F_CapitalGainsReduction, 0.0);
        for (int f : {S::F_QualifiedSmallBusiness, S::F_FarmFishProperty, S::F_MutualFunds, S::F_RealEstate,
                      S::F_Bonds, S::F_OtherMortgage, S::F_GiftCapitalGains})
            sch3->setAmount(f, 0.0);
        // line 17900: the part of the gifts' gain that is not left out of income
        sch3->setAmount(S::F_T1170Gains, t1170 ? t1170->amount(TaxData_T1170::F_Taxable) : 0.0);
        sch3->setAmount(S::F_T2017Reserves, t2017 ? t2017->amount(TaxData_T2017New::F_GainFromReserve) : 0.0);
        sch3->setAmount(S::F_PersonalUse, t2017 ? -t2017->amount(TaxData_T2017New::F_Deduction) : 0.0);
        BQ_TRACE("stage 1: TaxData_Sch3::CalculateBeforeLine193");
        sch3->CalculateBeforeLine193();
        BQ_TRACE("stage 1: TaxData_Sch3::CalculateTaxableCapGain");
        sch3->CalculateTaxableCapGain();
        // the taxable gain; for a deceased person a net loss is allowed against other income
        auto taxableGain = [&]() {
            const double gain = sch3->amount(S::F_TaxableGain);
            if (positive(gain))
                return gain;
            if (deceased)
                return -sch3->amount(S::F_CapitalLoss) * 0.5;
            return 0.0;
        };
        t->setAmount(T1::F_12700, taxableGain());
        BQ_TRACE("stage 1: TaxData_Sch3::getMortgageForClosureAndConditionSale");
        t->setAmount(T1::F_MortgageForeclosure, sch3->getMortgageForClosureAndConditionSale());
        t->setAmount(T1::F_12700, taxableGain());
    } else {
        t->setAmount(T1::F_MortgageForeclosure, 0.0);
        t->setAmount(T1::F_12700, 0.0);
    }
    // a shared capital gain the couple optimiser allocated to this person
    t->setAmount(T1::F_12700, t->amount(T1::F_12700) + t->amount(T1::F_SharedCapitalGain));
    if (hadWsd1 && wsd1) {
        BQ_TRACE("stage 1: TaxData_WS_D1::Calculate01");
        wsd1->Calculate01();
        BQ_TRACE("stage 1: TaxData_WS_D1::getF12010");
        t->setAmount(T1::F_12010, wsd1->getF12010());
        BQ_TRACE("stage 1: TaxData_WS_D1::getF12000");
        t->setAmount(T1::F_12000, wsd1->getF12000());
    } else {
        for (int f : {T1::F_12000, T1::F_12010})
            t->setAmount(f, 0.0);
    }

    // 33. spousal RRSP and RRIF withdrawals
    if (auto *t2205 = as<CTaxData_T2205>(singleForm(124))) {
        t2205->setText(CTaxData_T2205::F_Year, QStringLiteral("2024"));
        BQ_TRACE("stage 1: TaxData_T1New::ConstructFullName");
        t2205->setText(CTaxData_T2205::F_FullName, t->ConstructFullName());
        t2205->setText(CTaxData_T2205::F_SIN, t->sin());
        t2205->setText(CTaxData_T2205::F_SpouseName, t->spouseFirstName() + QLatin1Char(' ') + t->spouseLastName());
        BQ_TRACE("stage 1: CTaxData_T2205::Calculate01");
        t2205->Calculate01();
        t->setAmount(T1::F_SpousalTransfer, -t2205->amount(CTaxData_T2205::F_Income));
        BQ_TRACE("stage 1: TaxData_T1New::GetAge");
        const int line = t->GetAge() < 65 ? T1::F_13000 : T1::F_11500;
        addLine(line, t2205->amount(CTaxData_T2205::F_Income));
    }

    // 34.
    BQ_TRACE("stage 1: IndividualTaxData::hasSelfEmploymentForms");
    t->setIntValue(T1::F_ProvinceOfBusiness, hasSelfEmploymentForms() ? t->getMainTaxProvince() : 0);
    return result;
}
