// Stage 2 of the calculation: total income, the deductions in the order the T1 takes
// them, the CPP form and its lines, net income and taxable income.
#include "calctrace.h"
#include "taxrates2024.h"
#include "ctaxdata_t1223.h"
#include "ctaxdata_t1229.h"
#include "ctaxdata_t2222.h"
#include "individualtaxdata.h"
#include "sliptotals.h"
#include "stageamounts.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_rc267new.h"
#include "taxdata_rc268new.h"
#include "taxdata_rc269.h"
#include "taxdata_rc359.h"
#include "taxdata_rc381.h"
#include "taxdata_sch10.h"
#include "taxdata_sch13.h"
#include "taxdata_sch15.h"
#include "taxdata_sch3.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1mnew.h"
#include "taxdata_t1new.h"
#include "taxdata_t2038new.h"
#include "taxdata_t2048.h"
#include "taxdata_t2204_new.h"
#include "taxdata_t657new.h"
#include "taxdata_t691new.h"
#include "taxdata_t746new.h"
#include "taxdata_t777new.h"
#include "taxdata_t778new.h"
#include "taxdata_t929new.h"
#include "taxdata_t936new.h"
#include "taxdata_tl2_new.h"
#include "taxdata_ws_d1.h"
#include "utils.h"
#include <algorithm>
#include <cmath>

namespace {

using T1 = TaxData_T1New;


// The inputs that Schedule 8 and RC381 share (both declare the same fields).
template <class F>
void putCppInputs(F *f, const T1 &t, int months, int otherMonths, double cppSE, double qppSE,
                  const TaxData_CPT20_New *cpt20)
{
    const int province = f->getMainTaxProvince();
    f->setIntValue(F::F_Province, province);
    f->setIntValue(F::F_Months, months);
    f->setIntValue(F::F_SecondMonths, otherMonths);
    f->setAmount(F::F_SelfEmployment, cppSE);
    f->setAmount(F::F_SelfEmploymentQPP, qppSE);
    if (cpt20) {
        f->setAmount(F::F_CPT20Line16, cpt20->amount(TaxData_CPT20_New::F_Line16));
        f->setAmount(F::F_CPT20Line17, cpt20->amount(TaxData_CPT20_New::F_Line17));
    }
    BQ_TRACE("stage 2: TaxData_T1New::GetAge");
    f->setIntValue(F::F_Age, t.GetAge());
    BQ_TRACE("stage 2: TaxData_T1New::IsDeceased");
    f->setFlag(F::F_Deceased, t.IsDeceased());
    BQ_TRACE("stage 2: TaxData_T1New::isCPT30AnswerNeeded");
    f->setFlag(F::F_CPT30Needed, t.isCPT30AnswerNeeded(province));
    BQ_TRACE("stage 2: TaxData_T1New::isField372Allowed");
    f->setFlag(F::F_Allow372, t.isField372Allowed(province));
    BQ_TRACE("stage 2: TaxData_T1New::isField374Allowed");
    f->setFlag(F::F_Allow374, t.isField374Allowed(province));
}

// Schedule 10 for a resident of Quebec: PPIP premiums on the employment income of T4 slips
// from other provinces (no premiums deducted), within the maximum the Quebec T4 income
// leaves, and on the net self-employment income. Without the schedule line 22300 keeps
// what was typed.
void calculatePpipSchedule(TaxData_T1New &t, CTaxData_Form *form, const SlipTotals &st)
{
    using T1 = TaxData_T1New;
    auto *sch10 = formAs<TaxData_Sch10>(form, FormType::Schedule10);
    if (!sch10) {
        t.setAmount(T1::F_31210, 0.0);
        t.setAmount(T1::F_31215, 0.0);
        return;
    }
    using P = TaxData_Sch10;
    const bool quebec = t.getMainTaxProvince() == 11;
    double selfEmployment = 0.0;
    for (int f : {T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300})
        selfEmployment += t.amount(f);
    sch10->setIntValue(P::F_Province, t.getMainTaxProvince());
    sch10->setAmount(P::F_InsurableEmployment, quebec ? st.amount(SlipSlot::T4Box14Quebec) : 0.0);
    sch10->setAmount(P::F_OtherEmployment, quebec ? st.amount(SlipSlot::T4Box14OtherProvinces) : 0.0);
    sch10->setAmount(P::F_SelfEmployedEarnings, quebec ? tax2024::cents(selfEmployment) : 0.0);
    sch10->Calculate01();
    t.setAmount(T1::F_31210, sch10->amount(P::F_EmploymentPayable));
    t.setAmount(T1::F_31215, sch10->amount(P::F_Credit));
    t.setAmount(T1::F_22300, sch10->amount(P::F_Deduction));
}

} // namespace

int IndividualTaxData::calculateStage2(const StageValues &v)
{
    T1 *t = v.t1;
    if (!t)
        return 0;
    auto line = [t](int f) { return t->amount(f); };
    auto setLine = [t](int f, double value) { t->setAmount(f, value); };
    auto addLine = [t](int f, double value) { t->setAmount(f, t->amount(f) + value); };

    // 1. total income
    SlipTotals st;
    RequiredFormSet required;
    BQ_TRACE("stage 2: IndividualTaxData::accumulateSlipTotals");
    accumulateSlipTotals(st, required);
    BQ_TRACE("stage 2: TaxData_T1New::CalculateTotalIncome");
    t->CalculateTotalIncome(true);

    // 2. RRSP deduction
    auto *sch7 = singleFormAs<TaxData_Sch7>(FormType::Schedule7);
    if (sch7) {
        // the limit typed on Schedule 7 wins; the T1's carried amount fills it only
        // when it is empty, or when the preparer has just changed it on the T1
        const double typed = sch7->amount(TaxData_Sch7::F_DeductionLimit);
        const double carried = line(T1::F_LYRRSPLimit);
        const bool t1Edited = !v.editedIsOther && v.editedType == 1 && std::abs(typed - carried) >= 0.005;
        if (!nonZero(typed) || t1Edited)
            sch7->setAmount(TaxData_Sch7::F_DeductionLimit, carried);
        setLine(T1::F_LYRRSPLimit, sch7->amount(TaxData_Sch7::F_DeductionLimit));
        BQ_TRACE("stage 2: TaxData_Sch7::Calculate01");
        sch7->Calculate01();
    }
    setLine(T1::F_20800, sch7 ? sch7->amount(TaxData_Sch7::F_Deduction) : 0.0);

    // 3. FHSA deduction
    auto *sch15 = singleFormAs<TaxData_Sch15>(FormType::Schedule15);
    if (sch15) {
        BQ_TRACE("stage 2: TaxData_T1New::GetAge");
        sch15->setIntValue(TaxData_Sch15::F_Age, t->GetAge());
        BQ_TRACE("stage 2: TaxData_Sch15::Calculate01");
        sch15->Calculate01();
    }
    setLine(T1::F_20805, sch15 ? sch15->amount(TaxData_Sch15::F_Deduction) : 0.0);

    // 4. disability supports deduction: earned income, positive self-employment and scholarships
    auto *t929 = singleFormAs<TaxData_T929New>(FormType::T929);
    if (t929) {
        double earned = line(T1::F_10100) + line(T1::F_10400);
        for (int f : {T1::F_10105, T1::F_13010, T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300})
            if (positive(line(f)))
                earned += line(f);
        t929->setAmount(TaxData_T929New::F_EarnedIncome, earned);
        BQ_TRACE("stage 2: TaxData_T929New::Calculate01");
        t929->Calculate01();
    }
    setLine(T1::F_21500, t929 ? t929->amount(TaxData_T929New::F_Deduction) : 0.0);

    // 5. moving expenses: last year's unused part and every T1-M
    setLine(T1::F_21900, line(T1::F_LYMovingExpenses));
    for (FormEntry *e : m_forms.withKey(FormType::T1_M)) {
        auto *f = formAs<TaxData_T1MNew>(e->object, FormType::T1_M);
        if (!f)
            continue;
        BQ_TRACE("stage 2: TaxData_T1MNew::Calculate01");
        f->Calculate01();
        addLine(T1::F_21900, f->amount(TaxData_T1MNew::F_Deduction));
    }

    // 6. exploration and development expenses
    auto *t1229 = singleFormAs<CTaxData_T1229>(FormType::T1229);
    auto *t2038 = singleFormAs<TaxData_T2038New>(FormType::T2038IND);
    if (t1229) {
        BQ_TRACE("stage 2: CTaxData_T1229::Calculate01");
        t1229->Calculate01();
        setLine(T1::F_22400, t1229->amount(CTaxData_T1229::F_Deduction));
    } else {
        setLine(T1::F_22400, 0.0);
    }
    if (t2038) {
        t2038->setAmount(TaxData_T2038New::F_Expenditures, t1229 ? t1229->amount(CTaxData_T1229::F_Expenses) : 0.0);
        t2038->setAmount(TaxData_T2038New::F_CarriedForward, 0.0);
    }

    // 7. security option benefits of the T4 and T4PS slips
    setLine(T1::F_SecurityOptions, st.amount(SlipSlot::T4AmountJ) + st.amount(SlipSlot::T4PSAmount9));

    // 8. employment expenses
    setLine(T1::F_22900, 0.0);
    for (FormEntry *e : m_forms.withKey(FormType::T777)) {
        auto *f = formAs<TaxData_T777New>(e->object, FormType::T777);
        if (!f)
            continue;
        f->setAmount(TaxData_T777New::F_Commission, st.amount(SlipSlot::T4Box14));
        BQ_TRACE("stage 2: TaxData_T777New::Calculate01");
        f->Calculate01();
        addLine(T1::F_22900, f->amount(TaxData_T777New::F_Deduction));
    }
    for (FormEntry *e : m_forms.withKey(FormType::TL2)) {
        auto *f = formAs<TaxData_TL2_New>(e->object, FormType::TL2);
        if (!f)
            continue;
        f->setText(TaxData_TL2_New::F_SIN, t->sin());
        BQ_TRACE("stage 2: TaxData_TL2_New::Calculate01");
        f->Calculate01();
        addLine(T1::F_22900, f->amount(TaxData_TL2_New::F_Deduction));
    }

    // 9. excess FHSA amounts
    if (auto *rc359 = singleFormAs<TaxData_RC359>(FormType::RC359)) {
        rc359->setMainTaxProvince(m_province);
        BQ_TRACE("stage 2: TaxData_RC359::Calculate01");
        rc359->Calculate01();
        addLine(T1::F_22900, rc359->amount(TaxData_RC359::F_ExcessAmount));
        addLine(T1::F_23200, rc359->amount(TaxData_RC359::F_Tax));
    }

    // 10. clergy residence deduction
    auto *t1223 = singleFormAs<CTaxData_T1223>(FormType::T1223);
    if (t1223) {
        using C = CTaxData_T1223;
        t1223->setText(C::F_FirstName, t->firstName());
        t1223->setText(C::F_LastName, t->lastName());
        t1223->setText(C::F_Year, QStringLiteral("2024"));
        t1223->setText(C::F_SIN, t->sin());
        CString address;
        BQ_TRACE("stage 2: TaxData_T1New::GetFullAddressWithoutPostcode");
        t->GetFullAddressWithoutPostcode(0, address);
        t1223->setText(C::F_Address, address);
        BQ_TRACE("stage 2: CTaxData_T1223::Calculate01");
        t1223->Calculate01();
    }
    setLine(T1::F_23100, t1223 ? t1223->amount(CTaxData_T1223::F_Deduction) : 0.0);

    // 11.
    double cppSE = 0.0, qppSE = 0.0;
    BQ_TRACE("stage 2: TaxData_T1New::getSelfEmploymentIncomeForCPP");
    t->getSelfEmploymentIncomeForCPP(cppSE, qppSE);

    // 12. EI premiums on self-employment
    auto *t2204 = singleFormAs<TaxData_T2204_New>(FormType::T2204);
    if (auto *sch13 = singleFormAs<TaxData_Sch13>(FormType::Schedule13)) {
        double input = 0.0;
        for (int f : {T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300, T1::F_12200})
            input += line(f);
        sch13->setAmount(TaxData_Sch13::F_Input, input);
        BQ_TRACE("stage 2: TaxData_Sch13::Calculate01");
        sch13->Calculate01();
        BQ_TRACE("stage 2: TaxData_Sch13::getResult");
        const double result = sch13->getResult();
        setLine(T1::F_31217, result);
        setLine(T1::F_42120, result);
        if (t2204) {
            if (!t2204->flag(TaxData_T2204_New::F_Switch1)) {
                BQ_TRACE("stage 2: IndividualTaxData::totalSelfEmploymentIncome");
                t2204->setAmount(TaxData_T2204_New::F_SelfEmploymentIncome, totalSelfEmploymentIncome());
            }
            t2204->setAmount(TaxData_T2204_New::F_Sch13Result, result);
        }
    } else {
        setLine(T1::F_31217, 0.0);
        setLine(T1::F_42120, 0.0);
        if (t2204)
            t2204->setAmount(TaxData_T2204_New::F_Sch13Result, 0.0);
    }

    // 12a. PPIP premiums of Schedule 10, for a resident of Quebec
    calculatePpipSchedule(*t, singleForm(FormType::Schedule10), st);

    // 13. election to pay CPP contributions: its inputs from Schedule 8, else RC381
    auto *rc381 = singleFormAs<TaxData_RC381>(FormType::RC381);
    auto *sch8 = singleFormAs<TaxData_Sch8_14>(FormType::Schedule8);
    auto *cpt20 = singleFormAs<TaxData_CPT20_New>(FormType::CPT20);
    if (cpt20) {
        using C = TaxData_CPT20_New;
        if (sch8) {
            cpt20->setAmount(C::F_Line16, sch8->intValue(TaxData_Sch8_14::F_Months));
            cpt20->setAmount(C::F_Line17, sch8->amount(TaxData_Sch8_14::F_SelfEmployment));
        } else if (rc381) {
            cpt20->setAmount(C::F_Line16, rc381->intValue(TaxData_RC381::F_Months));
            cpt20->setAmount(C::F_Line17, rc381->amount(TaxData_RC381::F_SelfEmployment));
        } else {
            cpt20->setAmount(C::F_Line16, -100);
            cpt20->setAmount(C::F_Line17, 0.0);
        }
        BQ_TRACE("stage 2: TaxData_CPT20_New::Calculate01");
        cpt20->Calculate01();
    }

    // 14. months that count for the CPP and for the other plan
    const int pensionMonths = int(st.amount(SlipSlot::T4APLargestAmountKFirstSwitchClear));
    const int otherPensionMonths = int(st.amount(SlipSlot::T4APLargestAmountHFirstSwitchClear));
    BQ_TRACE("stage 2: IndividualTaxData::cppMonthCount");
    int months = cppMonthCount(pensionMonths);
    BQ_TRACE("stage 2: IndividualTaxData::otherPlanMonthCount");
    const int otherMonths = otherPlanMonthCount(otherPensionMonths);
    t->setIntValue(T1::F_CppMonths, months);

    // 15. the CPP form of a self-employed person; the Quebec plan is never given up here
    BQ_TRACE("stage 2: TaxData_T1New::HasSelfEmploymentIncome");
    bool selfEmployed = t->HasSelfEmploymentIncome();
    if (!selfEmployed && cpt20) {
        BQ_TRACE("stage 2: TaxData_CPT20_New::hadElectedIncomeToPayCPP");
        selfEmployed = cpt20->hadElectedIncomeToPayCPP();
    }
    if (selfEmployed && t->cppFormSelector() != 2) {
        if (m_province == Province::Quebec) {
            if (otherMonths > 0)
                t->setCppFormSelector(2);
        } else if (months >= 1) {
            t->setCppFormSelector(1);
        }
    }
    const int selector = t->cppFormSelector();

    // 16.
    if (rc381) {
        putCppInputs(rc381, *t, months, otherMonths, cppSE, qppSE, cpt20);
        BQ_TRACE("stage 2: TaxData_RC381::mockCPPQPPMonthIfNeeded");
        rc381->mockCPPQPPMonthIfNeeded();
        if (selector == 2)
            months = rc381->intValue(TaxData_RC381::F_Months);
    }

    // 17. with a CPP pension received in the year, the months before and during it
    if (sch8) {
        using S = TaxData_Sch8_14;
        putCppInputs(sch8, *t, months, otherMonths, cppSE, qppSE, cpt20);
        BQ_TRACE("stage 2: TaxData_Sch8_14::mockCPPQPPMonthIfNeeded");
        sch8->mockCPPQPPMonthIfNeeded();
        if (selector == 1)
            months = sch8->intValue(S::F_Months);
        const bool pension = t->flag(T1::F_CppPensionReceived);
        sch8->setFlag(S::F_Switch, pension);
        if (pension) {
            sch8->setAmount(S::F_ElectedAmount, line(T1::F_11400));
            sch8->setIntValue(S::F_MonthsBeforePension, 12 - pensionMonths);
            sch8->setIntValue(S::F_PensionMonths, otherPensionMonths);
            BQ_TRACE("stage 2: TaxData_T1New::getBill51AmountK");
            sch8->setAmount(S::F_Bill51K, t->getBill51AmountK());
        }
    }

    // 18. the CPP lines start from 0; the earnings of the T4 slips on the form
    for (int f : {T1::F_22200, T1::F_22215, T1::F_31000, T1::F_42100, T1::F_30800, T1::F_44800})
        setLine(f, 0.0);
    t->setIntValue(T1::F_CppMonths, months);
    if (sch8 && !rc381) {
        BQ_TRACE("stage 2: IndividualTaxData::cppPensionableEarnings");
        sch8->setAmount(TaxData_Sch8_14::F_T4CppEarnings, cppPensionableEarnings());
        BQ_TRACE("stage 2: TaxData_Sch8_14::Calculate01");
        sch8->Calculate01();
    }
    if (rc381) {
        using R = TaxData_RC381;
        // the Quebec earnings without QPP, each slip capped at the 2024 maximum pensionable earnings
        BQ_TRACE("stage 2: IndividualTaxData::cppExemptEarnings");
        rc381->setAmount(R::F_T4QppEarnings, cppExemptEarnings(tax2024::payroll::kYmpe));
        BQ_TRACE("stage 2: IndividualTaxData::cppPensionableEarnings");
        rc381->setAmount(R::F_T4CppEarnings, cppPensionableEarnings());
        BQ_TRACE("stage 2: TaxData_RC381::Calculate01");
        rc381->Calculate01();
    }

    // 19. EI overpayment and the premiums that count for the credit
    if (t2204) {
        using E = TaxData_T2204_New;
        BQ_TRACE("stage 2: TaxData_T2204_New::Calculate01");
        t2204->Calculate01();
        setLine(T1::F_31200, t2204->amount(E::F_AllowedPremiums));
        setLine(T1::F_45000, std::max(0.0, t2204->amount(E::F_EIPremiums) - t2204->amount(E::F_AllowedPremiums)));
    } else {
        setLine(T1::F_45000, 0.0);
        setLine(T1::F_31200, 0.0);
    }

    // 20. the CPP lines of the chosen form
    double l222 = 0.0, l22215 = 0.0, l310 = 0.0, l421 = 0.0, base = 0.0, overpaid = 0.0;
    bool filled = false;
    if (selector == 2 && rc381) {
        BQ_TRACE("stage 2: TaxData_RC381::getCPPRelatedAmounts");
        rc381->getCPPRelatedAmounts(l222, l22215, l310, l421, base, overpaid);
        filled = true;
    } else if (selector == 1 && sch8) {
        BQ_TRACE("stage 2: TaxData_Sch8_14::getCPPRelatedAmounts");
        sch8->getCPPRelatedAmounts(l222, l22215, l310, l421, base, overpaid);
        filled = true;
    }
    if (filled) {
        setLine(T1::F_22200, l222);
        setLine(T1::F_22215, l22215);
        setLine(T1::F_31000, l310);
        setLine(T1::F_42100, l421);
        setLine(T1::F_30800, base);
        // CPP (or QPP) deducted over what the earnings required is refunded; a
        // resident of Quebec claims it on the Quebec return instead
        setLine(T1::F_44800, m_province == Province::Quebec ? 0.0 : overpaid);
    }
    BQ_TRACE("stage 2: TaxData_T1New::IsBankrupt");
    if (t->IsBankrupt()) {
        setLine(T1::F_22200, 0.0);
        setLine(T1::F_42100, 0.0);
    }

    // 21. no CPP or QPP payable on self-employment
    t->setFlag(T1::F_NoSelfEmployedCpp, !(positive(line(T1::F_42100)) || m_province == Province::Quebec));

    // 22. the exploration deduction again
    if (t1229)
        setLine(T1::F_22400, t1229->amount(CTaxData_T1229::F_Deduction));

    // 23.
    BQ_TRACE("stage 2: IndividualTaxData::adjustForeignTaxCredits");
    adjustForeignTaxCredits();

    // 24. split income is deducted here and taxed in stage 4
    if (auto *t1206 = singleFormAs<TaxData_T1206New>(FormType::T1206)) {
        using S = TaxData_T1206New;
        t1206->setAmount(S::F_FederalTaxable, line(T1::F_26000));
        t1206->setAmount(S::F_DividendCredit, line(T1::F_40425));
        t1206->setAmount(S::F_TOSIOther, line(T1::F_23200));
        BQ_TRACE("stage 2: TaxData_T1206New::CalculateTOSI");
        t1206->CalculateTOSI();
        addLine(T1::F_23200, t1206->amount(S::F_TOSIDeduction));
    }

    // 26. unused RRSP contributions refunded (T746)
    if (auto *t746 = singleFormAs<TaxData_T746New>(FormType::T746)) {
        BQ_TRACE("stage 2: TaxData_T746New::Calculate01");
        t746->Calculate01();
        addLine(T1::F_23200, t746->amount(TaxData_T746New::F_Deduction));
    }

    // 27. contributions to foreign plans (RC267, RC268) and the employee's foreign pension plan (RC269)
    if (auto *rc267 = singleFormAs<TaxData_RC267New>(FormType::RC267)) {
        BQ_TRACE("stage 2: TaxData_RC267New::Calculate01");
        rc267->Calculate01();
        addLine(T1::F_20800, rc267->amount(TaxData_RC267New::F_Deduction));
        setLine(T1::F_20810, rc267->amount(TaxData_RC267New::F_Contributions));
    } else {
        setLine(T1::F_20810, 0.0);
    }
    if (auto *rc268 = singleFormAs<TaxData_RC268New>(FormType::RC268)) {
        rc268->setAmount(TaxData_RC268New::F_RRSPRoom, sch7 ? sch7->amount(TaxData_Sch7::F_DeductionLimit) : 0.0);
        BQ_TRACE("stage 2: TaxData_RC268New::Calculate01");
        rc268->Calculate01();
        addLine(T1::F_20800, rc268->amount(TaxData_RC268New::F_Deduction));
        setLine(T1::F_20600, rc268->amount(TaxData_RC268New::F_Contributions));
    } else {
        setLine(T1::F_20600, 0.0);
    }
    auto *rc269 = singleFormAs<TaxData_RC269>(FormType::RC269);
    if (rc269) {
        rc269->setAmount(TaxData_RC269::F_Contributions, line(T1::F_20700));
        BQ_TRACE("stage 2: TaxData_RC269::Calculate01");
        rc269->Calculate01();
        addLine(T1::F_20700, rc269->amount(TaxData_RC269::F_Deduction));
    }

    // 28.
    BQ_TRACE("stage 2: TaxData_T1New::CalculateNetIncomeBeforeF21700");
    t->CalculateNetIncomeBeforeF21700();

    // 29. mortgage foreclosures; the inclusion rate of 2024
    if (auto *sch3 = singleFormAs<TaxData_Sch3>(FormType::Schedule3)) {
        BQ_TRACE("stage 2: TaxData_Sch3::getMortgageForClosureAndConditionSale");
        setLine(T1::F_MortgageForeclosure, sch3->getMortgageForClosureAndConditionSale());
    }
    setLine(T1::F_InclusionRate, 50.0);

    // 30.
    BQ_TRACE("stage 2: TaxData_T1New::CalculateNetIncomeBeforeCCT");
    t->CalculateNetIncomeBeforeCCT();

    // 31. child care expenses
    auto *t778 = singleFormAs<TaxData_T778New>(FormType::T778);
    if (t778) {
        t778->setAmount(TaxData_T778New::F_NetIncome, line(T1::F_15000) - line(T1::F_20700) - line(T1::F_20800));
        BQ_TRACE("stage 2: IndividualTaxData::workingIncome");
        t778->setAmount(TaxData_T778New::F_EarnedIncome, workingIncome());
        BQ_TRACE("stage 2: TaxData_T778New::Calculate01");
        t778->Calculate01();
    }
    setLine(T1::F_21400, t778 ? t778->amount(TaxData_T778New::F_Deduction) : 0.0);

    // 32.
    BQ_TRACE("stage 2: TaxData_T1New::CalculateNetIncomeBeforeF23500");
    t->CalculateNetIncomeBeforeF23500();

    // 33. the pension plan deduction of the slips, without the foreign plan
    if (rc269)
        setLine(T1::F_RppFromSlips, line(T1::F_20700) - rc269->amount(TaxData_RC269::F_Deduction));

    // 34. social benefits repayment
    auto *wsd1 = singleFormAs<TaxData_WS_D1>(FormType::Worksheet5000D1);
    if (wsd1) {
        wsd1->setAmount(TaxData_WS_D1::F_NetIncomeBefore, line(T1::F_23400));
        wsd1->setAmount(TaxData_WS_D1::F_OASBenefits, line(T1::F_11300));
        wsd1->setAmount(TaxData_WS_D1::F_EIBenefits, line(T1::F_11900));
        wsd1->setAmount(TaxData_WS_D1::F_SecurityOptions, line(T1::F_SecurityOptions));
        BQ_TRACE("stage 2: TaxData_WS_D1::CalculateF23500");
        wsd1->CalculateF23500();
        BQ_TRACE("stage 2: TaxData_WS_D1::getF23500");
        setLine(T1::F_23500, wsd1->getF23500());
    } else {
        setLine(T1::F_23500, 0.0);
    }

    // 35.
    BQ_TRACE("stage 2: TaxData_T1New::CalculateNetIncomeAfterCCT");
    t->CalculateNetIncomeAfterCCT(true);

    // 36. cumulative net investment loss: investment income against carrying charges and losses
    auto *t936 = singleFormAs<TaxData_T936New>(FormType::T936);
    if (t936) {
        auto negPart = [](double x) { return x < 0.0 ? -x : 0.0; };
        auto posPart = [](double x) { return x > 0.0 ? x : 0.0; };
        const double income = posPart(line(T1::F_12100)) + posPart(line(T1::F_12600)) + posPart(line(T1::F_12200))
            + line(T1::F_12000);
        double expenses = line(T1::F_22100) + line(T1::F_22400) + negPart(line(T1::F_12600))
            + negPart(line(T1::F_12200)) + negPart(line(T1::F_12100));
        if (line(T1::F_14100) < 0.0)
            expenses += -line(T1::F_14100) * 0.5;
        t936->setAmount(TaxData_T936New::F_InvestmentIncome, income);
        t936->setAmount(TaxData_T936New::F_InvestmentExpenses, expenses);
        BQ_TRACE("stage 2: TaxData_T936New::Calculate01");
        t936->Calculate01();
    }

    // 37. minimum tax carryover
    auto *t691 = singleFormAs<TaxData_T691New>(FormType::T691);
    setLine(T1::F_40427, t691 ? t691->amount(TaxData_T691New::F_CarryoverApplied) : 0.0);

    // 38. security options deductions
    if (wsd1) {
        BQ_TRACE("stage 2: TaxData_WS_D1::CalculateF24901");
        wsd1->CalculateF24901();
    }
    setLine(T1::F_24900, wsd1 ? wsd1->amount(TaxData_WS_D1::F_F24901) : 0.0);

    // 39. capital gains deduction for a qualifying business transfer
    auto *t2048 = singleFormAs<TaxData_T2048>(FormType::T2048);
    if (t2048) {
        t2048->setAmount(TaxData_T2048::F_InclusionRate, line(T1::F_InclusionRate));
        t2048->setAmount(TaxData_T2048::F_NetTaxableGains, qMax(0.0, line(T1::F_12700) - line(T1::F_25300)));
        BQ_TRACE("stage 2: TaxData_T2048::Calculate01");
        t2048->Calculate01();
    }
    setLine(T1::F_25395, t2048 ? t2048->amount(TaxData_T2048::F_Deduction) : 0.0);

    // 40. capital gains deduction, on the gains the business transfer deduction leaves
    auto *t657 = singleFormAs<TaxData_T657New>(FormType::T657);
    if (t657) {
        t657->setAmount(TaxData_T657New::F_TaxableGains, qMax(0.0, line(T1::F_12700) - line(T1::F_25395)));
        t657->setAmount(TaxData_T657New::F_CNIL, t936 ? t936->amount(TaxData_T936New::F_CNIL) : 0.0);
        BQ_TRACE("stage 2: TaxData_T657New::Calculate01");
        t657->Calculate01();
    }
    setLine(T1::F_25400, t657 ? t657->amount(TaxData_T657New::F_Deduction) : 0.0);

    // 41. northern residents deductions
    auto *t2222 = singleFormAs<CTaxData_T2222>(FormType::T2222);
    if (t2222) {
        BQ_TRACE("stage 2: CTaxData_T2222::Calculate01");
        t2222->Calculate01();
    }
    setLine(T1::F_25500, t2222 ? t2222->amount(CTaxData_T2222::F_Deduction) : 0.0);

    // 42.
    BQ_TRACE("stage 2: TaxData_T1New::CalculateTaxableIncome");
    t->CalculateTaxableIncome(true);
    return 0;
}
