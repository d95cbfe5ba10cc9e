// Stage 2 of the calculation: total income, the deductions in the order the T1 takes
// them, the CPP form and its lines, net income and taxable income.
#include "stagesteps.h"
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
#include "taxdata_t2209_2036.h"
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
    f->setIntValue(F::F_Age, t.GetAge());
    f->setFlag(F::F_Deceased, t.IsDeceased());
    f->setFlag(F::F_CPT30Needed, t.isCPT30AnswerNeeded(province));
    f->setFlag(F::F_Allow372, t.isField372Allowed(province));
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
    const bool quebec = t.getMainTaxProvince() == Province::Quebec;
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

// The steps of stage 2 and what they hand on to one another.
class Stage2Steps
{
public:
    Stage2Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &values)
        : m_p(person), m_v(values), m_t(values.t1)
    {
    }

    void totalIncome();
    void rrspDeduction();
    void fhsaDeduction();
    void disabilitySupports();
    void movingExpenses();
    void explorationExpenses();
    void securityOptionBenefits();
    void employmentExpenses();
    void excessFhsaAmounts();
    void clergyResidence();
    void selfEmploymentEarnings();
    void selfEmployedEiPremiums();
    void ppipPremiums();
    void cppElection();
    void cppMonths();
    void cppFormChoice();
    void rc381Inputs();
    void schedule8Inputs();
    void cppForms();
    void eiOverpayment();
    void cppLines();
    void noSelfEmployedCpp();
    void explorationAgain();
    void foreignTaxCredits();
    void splitIncome();
    void refundedRrspContributions();
    void foreignPlans();
    void netIncomeBeforeOtherDeductions();
    void mortgageForeclosures();
    void netIncomeBeforeChildCare();
    void childCareExpenses();
    void netIncomeBeforeRepayment();
    void slipPensionDeduction();
    void socialBenefitsRepayment();
    void netIncome();
    void investmentLoss();
    void minimumTaxCarryover();
    void securityOptionsDeductions();
    void businessTransferDeduction();
    void capitalGainsDeduction();
    void northernResidents();
    void taxableIncome();

private:
    using T1 = TaxData_T1New;
    double line(int f) const { return m_t->amount(f); }
    void setLine(int f, double value) { m_t->setAmount(f, value); }
    void addLine(int f, double value) { m_t->setAmount(f, m_t->amount(f) + value); }

    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    T1 *m_t;
    SlipTotals m_st;
    TaxData_Sch7 *m_sch7 = nullptr;
    CTaxData_T1229 *m_t1229 = nullptr;
    TaxData_T2204_New *m_t2204 = nullptr;
    TaxData_RC381 *m_rc381 = nullptr;
    TaxData_Sch8_14 *m_sch8 = nullptr;
    TaxData_CPT20_New *m_cpt20 = nullptr;
    TaxData_RC269 *m_rc269 = nullptr;
    TaxData_WS_D1 *m_wsd1 = nullptr;
    TaxData_T936New *m_t936 = nullptr;
    double m_cppSE = 0.0, m_qppSE = 0.0;
    int m_pensionMonths = 0, m_otherPensionMonths = 0;
    int m_months = 0, m_otherMonths = 0, m_selector = 0;
};

// The slip totals of stage 1 when it ran just before, else totalled here.
void Stage2Steps::totalIncome()
{
    if (m_p.m_stage1TotalsHeld) {
        m_st = *m_p.m_stage1Totals;
        m_p.m_stage1TotalsHeld = false;
    } else {
        RequiredFormSet required;
        m_p.accumulateSlipTotals(m_st, required);
    }
    m_t->CalculateTotalIncome(true);
}

// The limit typed on Schedule 7 wins; the T1's carried amount fills it only when it
// is empty, or when the preparer has just changed it on the T1.
void Stage2Steps::rrspDeduction()
{
    m_sch7 = m_p.singleFormAs<TaxData_Sch7>(FormType::Schedule7);
    if (m_sch7) {
        const double typed = m_sch7->amount(TaxData_Sch7::F_DeductionLimit);
        const double carried = line(T1::F_LYRRSPLimit);
        const bool t1Edited = !m_v.editedIsOther && m_v.editedType == FormType::T1 && std::abs(typed - carried) >= 0.005;
        if (!nonZero(typed) || t1Edited)
            m_sch7->setAmount(TaxData_Sch7::F_DeductionLimit, carried);
        setLine(T1::F_LYRRSPLimit, m_sch7->amount(TaxData_Sch7::F_DeductionLimit));
        m_sch7->Calculate01();
    }
    setLine(T1::F_20800, m_sch7 ? m_sch7->amount(TaxData_Sch7::F_Deduction) : 0.0);
}

void Stage2Steps::fhsaDeduction()
{
    auto *sch15 = m_p.singleFormAs<TaxData_Sch15>(FormType::Schedule15);
    if (sch15) {
        sch15->setIntValue(TaxData_Sch15::F_Age, m_t->GetAge());
        sch15->Calculate01();
    }
    setLine(T1::F_20805, sch15 ? sch15->amount(TaxData_Sch15::F_Deduction) : 0.0);
}

// Earned income for the disability supports deduction: employment income, positive
// self-employment and scholarships.
void Stage2Steps::disabilitySupports()
{
    auto *t929 = m_p.singleFormAs<TaxData_T929New>(FormType::T929);
    if (t929) {
        double earned = line(T1::F_10100) + line(T1::F_10400);
        for (int f : {T1::F_10105, T1::F_13010, T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300})
            if (positive(line(f)))
                earned += line(f);
        t929->setAmount(TaxData_T929New::F_EarnedIncome, earned);
        t929->Calculate01();
    }
    setLine(T1::F_21500, t929 ? t929->amount(TaxData_T929New::F_Deduction) : 0.0);
}

// Last year's unused part and every T1-M.
void Stage2Steps::movingExpenses()
{
    setLine(T1::F_21900, line(T1::F_LYMovingExpenses));
    for (FormEntry *e : m_p.m_forms.withKey(FormType::T1_M)) {
        auto *f = formAs<TaxData_T1MNew>(e->object, FormType::T1_M);
        if (!f)
            continue;
        f->Calculate01();
        addLine(T1::F_21900, f->amount(TaxData_T1MNew::F_Deduction));
    }
}

void Stage2Steps::explorationExpenses()
{
    m_t1229 = m_p.singleFormAs<CTaxData_T1229>(FormType::T1229);
    auto *t2038 = m_p.singleFormAs<TaxData_T2038New>(FormType::T2038IND);
    if (m_t1229)
        m_t1229->Calculate01();
    setLine(T1::F_22400, m_t1229 ? m_t1229->amount(CTaxData_T1229::F_Deduction) : 0.0);
    if (t2038) {
        t2038->setAmount(TaxData_T2038New::F_Expenditures, m_t1229 ? m_t1229->amount(CTaxData_T1229::F_Expenses) : 0.0);
        t2038->setAmount(TaxData_T2038New::F_CarriedForward, 0.0);
    }
}

// The security option benefits of the T4 and T4PS slips.
void Stage2Steps::securityOptionBenefits()
{
    setLine(T1::F_SecurityOptions, m_st.amount(SlipSlot::T4AmountJ) + m_st.amount(SlipSlot::T4PSAmount9));
}

// Every T777 (a commission employee's held to the commissions of the T4 slips) and every TL2.
void Stage2Steps::employmentExpenses()
{
    setLine(T1::F_22900, 0.0);
    for (FormEntry *e : m_p.m_forms.withKey(FormType::T777)) {
        auto *f = formAs<TaxData_T777New>(e->object, FormType::T777);
        if (!f)
            continue;
        // a commission employee (commissions in T4 box 42) deducts no more than the commissions
        const double commissions = m_st.amount(SlipSlot::T4Box42);
        f->setFlag(TaxData_T777New::F_Commission, positive(commissions));
        f->Calculate01();
        if (positive(commissions))
            f->limitToCommissions(commissions);
        addLine(T1::F_22900, f->amount(TaxData_T777New::F_Deduction));
    }
    for (FormEntry *e : m_p.m_forms.withKey(FormType::TL2)) {
        auto *f = formAs<TaxData_TL2_New>(e->object, FormType::TL2);
        if (!f)
            continue;
        f->setText(TaxData_TL2_New::F_SIN, m_t->sin());
        f->Calculate01();
        addLine(T1::F_22900, f->amount(TaxData_TL2_New::F_Deduction));
    }
}

void Stage2Steps::excessFhsaAmounts()
{
    if (auto *rc359 = m_p.singleFormAs<TaxData_RC359>(FormType::RC359)) {
        rc359->setMainTaxProvince(m_p.m_province);
        rc359->Calculate01();
        addLine(T1::F_22900, rc359->amount(TaxData_RC359::F_ExcessAmount));
        addLine(T1::F_23200, rc359->amount(TaxData_RC359::F_Tax));
    }
}

void Stage2Steps::clergyResidence()
{
    auto *t1223 = m_p.singleFormAs<CTaxData_T1223>(FormType::T1223);
    if (t1223) {
        using C = CTaxData_T1223;
        t1223->setText(C::F_FirstName, m_t->firstName());
        t1223->setText(C::F_LastName, m_t->lastName());
        t1223->setText(C::F_Year, QStringLiteral("2024"));
        t1223->setText(C::F_SIN, m_t->sin());
        CString address;
        m_t->GetFullAddressWithoutPostcode(0, address);
        t1223->setText(C::F_Address, address);
        t1223->Calculate01();
    }
    setLine(T1::F_23100, t1223 ? t1223->amount(CTaxData_T1223::F_Deduction) : 0.0);
}

void Stage2Steps::selfEmploymentEarnings()
{
    m_t->getSelfEmploymentIncomeForCPP(m_cppSE, m_qppSE);
}

// Schedule 13: EI premiums on self-employment, also handed to the T2204.
void Stage2Steps::selfEmployedEiPremiums()
{
    m_t2204 = m_p.singleFormAs<TaxData_T2204_New>(FormType::T2204);
    auto *sch13 = m_p.singleFormAs<TaxData_Sch13>(FormType::Schedule13);
    double result = 0.0;
    if (sch13) {
        double input = 0.0;
        for (int f : {T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300, T1::F_12200})
            input += line(f);
        sch13->setAmount(TaxData_Sch13::F_Input, input);
        sch13->Calculate01();
        result = sch13->getResult();
        if (m_t2204 && !m_t2204->flag(TaxData_T2204_New::F_Switch1))
            m_t2204->setAmount(TaxData_T2204_New::F_SelfEmploymentIncome, m_p.totalSelfEmploymentIncome());
    }
    setLine(T1::F_31217, result);
    setLine(T1::F_42120, result);
    if (m_t2204)
        m_t2204->setAmount(TaxData_T2204_New::F_Sch13Result, result);
}

void Stage2Steps::ppipPremiums()
{
    calculatePpipSchedule(*m_t, m_p.singleForm(FormType::Schedule10), m_st);
}

// The election to pay CPP contributions: its inputs from Schedule 8, else RC381.
void Stage2Steps::cppElection()
{
    m_rc381 = m_p.singleFormAs<TaxData_RC381>(FormType::RC381);
    m_sch8 = m_p.singleFormAs<TaxData_Sch8_14>(FormType::Schedule8);
    m_cpt20 = m_p.singleFormAs<TaxData_CPT20_New>(FormType::CPT20);
    if (!m_cpt20)
        return;
    using C = TaxData_CPT20_New;
    if (m_sch8) {
        m_cpt20->setAmount(C::F_Line16, m_sch8->intValue(TaxData_Sch8_14::F_Months));
        m_cpt20->setAmount(C::F_Line17, m_sch8->amount(TaxData_Sch8_14::F_SelfEmployment));
    } else if (m_rc381) {
        m_cpt20->setAmount(C::F_Line16, m_rc381->intValue(TaxData_RC381::F_Months));
        m_cpt20->setAmount(C::F_Line17, m_rc381->amount(TaxData_RC381::F_SelfEmployment));
    } else {
        m_cpt20->setAmount(C::F_Line16, -100);
        m_cpt20->setAmount(C::F_Line17, 0.0);
    }
    m_cpt20->Calculate01();
}

// The months that count for the CPP and for the other plan.
void Stage2Steps::cppMonths()
{
    m_pensionMonths = int(m_st.amount(SlipSlot::T4APLargestAmountKFirstSwitchClear));
    m_otherPensionMonths = int(m_st.amount(SlipSlot::T4APLargestAmountHFirstSwitchClear));
    m_months = m_p.cppMonthCount(m_pensionMonths);
    m_otherMonths = m_p.otherPlanMonthCount(m_otherPensionMonths);
    m_t->setIntValue(T1::F_CppMonths, m_months);
}

// The CPP form of a self-employed person; the Quebec plan is never given up here.
void Stage2Steps::cppFormChoice()
{
    bool selfEmployed = m_t->HasSelfEmploymentIncome();
    if (!selfEmployed && m_cpt20)
        selfEmployed = m_cpt20->hadElectedIncomeToPayCPP();
    if (selfEmployed && m_t->cppFormSelector() != T1::Rc381Form) {
        if (m_p.m_province == Province::Quebec) {
            if (m_otherMonths > 0)
                m_t->setCppFormSelector(T1::Rc381Form);
        } else if (m_months >= 1) {
            m_t->setCppFormSelector(T1::Schedule8Form);
        }
    }
    m_selector = m_t->cppFormSelector();
    // a self-employed resident of Quebec contributes to the QPP, worked on RC381 (made when missing)
    if (selfEmployed && m_selector == T1::Rc381Form && m_p.m_province == Province::Quebec && !m_rc381)
        m_rc381 = formAs<TaxData_RC381>(m_p.getForm(FormType::RC381, 0, true), FormType::RC381);
}

void Stage2Steps::rc381Inputs()
{
    if (!m_rc381)
        return;
    putCppInputs(m_rc381, *m_t, m_months, m_otherMonths, m_cppSE, m_qppSE, m_cpt20);
    m_rc381->mockCPPQPPMonthIfNeeded();
    if (m_selector == T1::Rc381Form)
        m_months = m_rc381->intValue(TaxData_RC381::F_Months);
}

// With a CPP pension received in the year, the months before and during it.
void Stage2Steps::schedule8Inputs()
{
    if (!m_sch8)
        return;
    using S = TaxData_Sch8_14;
    putCppInputs(m_sch8, *m_t, m_months, m_otherMonths, m_cppSE, m_qppSE, m_cpt20);
    m_sch8->mockCPPQPPMonthIfNeeded();
    if (m_selector == T1::Schedule8Form)
        m_months = m_sch8->intValue(S::F_Months);
    const bool pension = m_t->flag(T1::F_CppPensionReceived);
    m_sch8->setFlag(S::F_Switch, pension);
    if (pension) {
        m_sch8->setAmount(S::F_ElectedAmount, line(T1::F_11400));
        m_sch8->setIntValue(S::F_MonthsBeforePension, 12 - m_pensionMonths);
        m_sch8->setIntValue(S::F_PensionMonths, m_otherPensionMonths);
        m_sch8->setAmount(S::F_Bill51K, m_t->getBill51AmountK());
    }
}

// The CPP lines start from 0; the earnings of the T4 slips go on the form (for RC381
// the Quebec earnings without QPP, each slip capped at the 2024 maximum too).
void Stage2Steps::cppForms()
{
    for (int f : {T1::F_22200, T1::F_22215, T1::F_31000, T1::F_42100, T1::F_30800, T1::F_44800})
        setLine(f, 0.0);
    m_t->setIntValue(T1::F_CppMonths, m_months);
    if (m_sch8 && !m_rc381) {
        m_sch8->setAmount(TaxData_Sch8_14::F_T4CppEarnings, m_p.cppPensionableEarnings());
        m_sch8->Calculate01();
    }
    if (m_rc381) {
        using R = TaxData_RC381;
        m_rc381->setAmount(R::F_T4QppEarnings, m_p.cppExemptEarnings(tax2024::payroll::kYmpe));
        m_rc381->setAmount(R::F_T4CppEarnings, m_p.cppPensionableEarnings());
        m_rc381->Calculate01();
    }
}

// The EI overpayment and the premiums that count for the credit.
void Stage2Steps::eiOverpayment()
{
    if (!m_t2204) {
        setLine(T1::F_45000, 0.0);
        setLine(T1::F_31200, 0.0);
        return;
    }
    using E = TaxData_T2204_New;
    m_t2204->Calculate01();
    setLine(T1::F_31200, m_t2204->amount(E::F_AllowedPremiums));
    setLine(T1::F_45000, std::max(0.0, m_t2204->amount(E::F_EIPremiums) - m_t2204->amount(E::F_AllowedPremiums)));
}

// The CPP lines of the chosen form. CPP (or QPP) deducted over what the earnings
// required is refunded; a resident of Quebec claims it on the Quebec return instead.
void Stage2Steps::cppLines()
{
    double l222 = 0.0, l22215 = 0.0, l310 = 0.0, l421 = 0.0, base = 0.0, overpaid = 0.0;
    bool filled = false;
    if (m_selector == T1::Rc381Form && m_rc381) {
        m_rc381->getCPPRelatedAmounts(l222, l22215, l310, l421, base, overpaid);
        filled = true;
    } else if (m_selector == T1::Schedule8Form && m_sch8) {
        m_sch8->getCPPRelatedAmounts(l222, l22215, l310, l421, base, overpaid);
        filled = true;
    }
    if (filled) {
        setLine(T1::F_22200, l222);
        setLine(T1::F_22215, l22215);
        setLine(T1::F_31000, l310);
        // a resident of Quebec pays the QPP on self-employment and claims an overpayment on
        // the Quebec return: the federal return has neither line
        const bool quebec = m_p.m_province == Province::Quebec;
        setLine(T1::F_42100, quebec ? 0.0 : l421);
        setLine(T1::F_30800, base);
        setLine(T1::F_44800, quebec ? 0.0 : overpaid);
    }
    if (m_t->IsBankrupt()) {
        setLine(T1::F_22200, 0.0);
        setLine(T1::F_42100, 0.0);
    }
}

void Stage2Steps::noSelfEmployedCpp()
{
    m_t->setFlag(T1::F_NoSelfEmployedCpp, !(positive(line(T1::F_42100)) || m_p.m_province == Province::Quebec));
}

void Stage2Steps::explorationAgain()
{
    if (m_t1229)
        setLine(T1::F_22400, m_t1229->amount(CTaxData_T1229::F_Deduction));
}

// The foreign tax credits' 15 % adjustment; the slips' foreign tax over 15 % of their
// property income is deducted at line 23200.
void Stage2Steps::foreignTaxCredits()
{
    m_p.adjustForeignTaxCredits();
    for (const FormEntry *e : m_p.m_forms.withKey(FormType::T2209))
        if (const auto *f = formAs<TaxData_T2209_2036>(e->object, FormType::T2209))
            addLine(T1::F_23200, f->slipTaxOver15Percent());
}

// Split income is deducted here and taxed in stage 4.
void Stage2Steps::splitIncome()
{
    if (auto *t1206 = m_p.singleFormAs<TaxData_T1206New>(FormType::T1206)) {
        using S = TaxData_T1206New;
        t1206->setAmount(S::F_FederalTaxable, line(T1::F_26000));
        t1206->setAmount(S::F_DividendCredit, line(T1::F_40425));
        t1206->setAmount(S::F_TOSIOther, line(T1::F_23200));
        t1206->CalculateTOSI();
        addLine(T1::F_23200, t1206->amount(S::F_TOSIDeduction));
    }
}

void Stage2Steps::refundedRrspContributions()
{
    if (auto *t746 = m_p.singleFormAs<TaxData_T746New>(FormType::T746)) {
        t746->Calculate01();
        addLine(T1::F_23200, t746->amount(TaxData_T746New::F_Deduction));
    }
}

// Contributions to foreign plans (RC267, RC268) and the employee's foreign pension plan (RC269).
void Stage2Steps::foreignPlans()
{
    auto *rc267 = m_p.singleFormAs<TaxData_RC267New>(FormType::RC267);
    if (rc267) {
        rc267->Calculate01();
        addLine(T1::F_20800, rc267->amount(TaxData_RC267New::F_Deduction));
    }
    auto *rc268 = m_p.singleFormAs<TaxData_RC268New>(FormType::RC268);
    if (rc268) {
        rc268->setAmount(TaxData_RC268New::F_RRSPRoom, m_sch7 ? m_sch7->amount(TaxData_Sch7::F_DeductionLimit) : 0.0);
        rc268->Calculate01();
        addLine(T1::F_20800, rc268->amount(TaxData_RC268New::F_Deduction));
    }
    setLine(T1::F_20600, rc268 ? rc268->amount(TaxData_RC268New::F_Contributions) : 0.0);
    m_rc269 = m_p.singleFormAs<TaxData_RC269>(FormType::RC269);
    if (m_rc269) {
        m_rc269->setAmount(TaxData_RC269::F_Contributions, line(T1::F_20700));
        m_rc269->Calculate01();
        addLine(T1::F_20700, m_rc269->amount(TaxData_RC269::F_Deduction));
    }
}

void Stage2Steps::netIncomeBeforeOtherDeductions()
{
    m_t->CalculateNetIncomeBeforeF21700();
}

// Mortgage foreclosures; the inclusion rate of 2024.
void Stage2Steps::mortgageForeclosures()
{
    if (auto *sch3 = m_p.singleFormAs<TaxData_Sch3>(FormType::Schedule3))
        setLine(T1::F_MortgageForeclosure, sch3->getMortgageForClosureAndConditionSale());
    setLine(T1::F_InclusionRate, 50.0);
}

void Stage2Steps::netIncomeBeforeChildCare()
{
    m_t->CalculateNetIncomeBeforeCCT();
}

void Stage2Steps::childCareExpenses()
{
    auto *t778 = m_p.singleFormAs<TaxData_T778New>(FormType::T778);
    if (t778) {
        t778->setAmount(TaxData_T778New::F_NetIncome, line(T1::F_15000) - line(T1::F_20700) - line(T1::F_20800));
        t778->setAmount(TaxData_T778New::F_EarnedIncome, m_p.workingIncome());
        t778->Calculate01();
    }
    setLine(T1::F_21400, t778 ? t778->amount(TaxData_T778New::F_Deduction) : 0.0);
}

void Stage2Steps::netIncomeBeforeRepayment()
{
    m_t->CalculateNetIncomeBeforeF23500();
}

// The pension plan deduction of the slips, without the foreign plan.
void Stage2Steps::slipPensionDeduction()
{
    if (m_rc269)
        setLine(T1::F_RppFromSlips, line(T1::F_20700) - m_rc269->amount(TaxData_RC269::F_Deduction));
}

void Stage2Steps::socialBenefitsRepayment()
{
    m_wsd1 = m_p.singleFormAs<TaxData_WS_D1>(FormType::Worksheet5000D1);
    if (!m_wsd1) {
        setLine(T1::F_23500, 0.0);
        return;
    }
    m_wsd1->setAmount(TaxData_WS_D1::F_NetIncomeBefore, line(T1::F_23400));
    m_wsd1->setAmount(TaxData_WS_D1::F_OASBenefits, line(T1::F_11300));
    m_wsd1->setAmount(TaxData_WS_D1::F_EIBenefits, line(T1::F_11900));
    m_wsd1->setAmount(TaxData_WS_D1::F_SecurityOptions, line(T1::F_SecurityOptions));
    m_wsd1->CalculateF23500();
    setLine(T1::F_23500, m_wsd1->getF23500());
}

void Stage2Steps::netIncome()
{
    m_t->CalculateNetIncomeAfterCCT(true);
}

// Cumulative net investment loss: investment income against carrying charges and losses.
void Stage2Steps::investmentLoss()
{
    m_t936 = m_p.singleFormAs<TaxData_T936New>(FormType::T936);
    if (!m_t936)
        return;
    auto negPart = [](double x) { return x < 0.0 ? -x : 0.0; };
    auto posPart = [](double x) { return x > 0.0 ? x : 0.0; };
    const double income = posPart(line(T1::F_12100)) + posPart(line(T1::F_12600)) + posPart(line(T1::F_12200))
        + line(T1::F_12000);
    double expenses = line(T1::F_22100) + line(T1::F_22400) + negPart(line(T1::F_12600))
        + negPart(line(T1::F_12200)) + negPart(line(T1::F_12100));
    if (line(T1::F_14100) < 0.0)
        expenses += -line(T1::F_14100) * 0.5;
    m_t936->setAmount(TaxData_T936New::F_InvestmentIncome, income);
    m_t936->setAmount(TaxData_T936New::F_InvestmentExpenses, expenses);
    m_t936->Calculate01();
}

void Stage2Steps::minimumTaxCarryover()
{
    auto *t691 = m_p.singleFormAs<TaxData_T691New>(FormType::T691);
    setLine(T1::F_40427, t691 ? t691->amount(TaxData_T691New::F_CarryoverApplied) : 0.0);
}

// Line 24900: the deductions the T4 slips report (boxes 39 and 41); without them, the
// worksheet's half of the benefits.
void Stage2Steps::securityOptionsDeductions()
{
    if (m_wsd1)
        m_wsd1->CalculateF24901();
    const double fromSlips = m_st.amount(SlipSlot::T4SecurityOptionsDeductions);
    setLine(T1::F_24900, positive(fromSlips) ? fromSlips : m_wsd1 ? m_wsd1->amount(TaxData_WS_D1::F_F24901) : 0.0);
}

// The capital gains deduction for a qualifying business transfer.
void Stage2Steps::businessTransferDeduction()
{
    auto *t2048 = m_p.singleFormAs<TaxData_T2048>(FormType::T2048);
    if (t2048) {
        t2048->setAmount(TaxData_T2048::F_InclusionRate, line(T1::F_InclusionRate));
        t2048->setAmount(TaxData_T2048::F_NetTaxableGains, qMax(0.0, line(T1::F_12700) - line(T1::F_25300)));
        t2048->Calculate01();
    }
    setLine(T1::F_25395, t2048 ? t2048->amount(TaxData_T2048::F_Deduction) : 0.0);
}

// The capital gains deduction, on the gains the business transfer deduction leaves.
void Stage2Steps::capitalGainsDeduction()
{
    auto *t657 = m_p.singleFormAs<TaxData_T657New>(FormType::T657);
    if (t657) {
        t657->setAmount(TaxData_T657New::F_TaxableGains, qMax(0.0, line(T1::F_12700) - line(T1::F_25395)));
        t657->setAmount(TaxData_T657New::F_CNIL, m_t936 ? m_t936->amount(TaxData_T936New::F_CNIL) : 0.0);
        t657->Calculate01();
    }
    setLine(T1::F_25400, t657 ? t657->amount(TaxData_T657New::F_Deduction) : 0.0);
}

void Stage2Steps::northernResidents()
{
    auto *t2222 = m_p.singleFormAs<CTaxData_T2222>(FormType::T2222);
    if (t2222)
        t2222->calculateWithNetIncome(line(T1::F_23600));
    setLine(T1::F_25500, t2222 ? t2222->amount(CTaxData_T2222::F_Deduction) : 0.0);
}

void Stage2Steps::taxableIncome()
{
    m_t->CalculateTaxableIncome(true);
}

namespace {

const StageStep<Stage2Steps> kStage2[] = {
    {"total income", &Stage2Steps::totalIncome},
    {"RRSP deduction", &Stage2Steps::rrspDeduction},
    {"FHSA deduction", &Stage2Steps::fhsaDeduction},
    {"disability supports deduction", &Stage2Steps::disabilitySupports},
    {"moving expenses", &Stage2Steps::movingExpenses},
    {"exploration and development expenses", &Stage2Steps::explorationExpenses},
    {"security option benefits", &Stage2Steps::securityOptionBenefits},
    {"employment expenses", &Stage2Steps::employmentExpenses},
    {"excess FHSA amounts", &Stage2Steps::excessFhsaAmounts},
    {"clergy residence deduction", &Stage2Steps::clergyResidence},
    {"self-employment earnings for the CPP", &Stage2Steps::selfEmploymentEarnings},
    {"EI premiums on self-employment", &Stage2Steps::selfEmployedEiPremiums},
    {"PPIP premiums", &Stage2Steps::ppipPremiums},
    {"CPP election", &Stage2Steps::cppElection},
    {"CPP months", &Stage2Steps::cppMonths},
    {"CPP form choice", &Stage2Steps::cppFormChoice},
    {"RC381 inputs", &Stage2Steps::rc381Inputs},
    {"Schedule 8 inputs", &Stage2Steps::schedule8Inputs},
    {"CPP forms", &Stage2Steps::cppForms},
    {"EI overpayment", &Stage2Steps::eiOverpayment},
    {"CPP lines", &Stage2Steps::cppLines},
    {"no CPP on self-employment", &Stage2Steps::noSelfEmployedCpp},
    {"exploration deduction again", &Stage2Steps::explorationAgain},
    {"foreign tax credits", &Stage2Steps::foreignTaxCredits},
    {"split income", &Stage2Steps::splitIncome},
    {"refunded RRSP contributions", &Stage2Steps::refundedRrspContributions},
    {"foreign plans", &Stage2Steps::foreignPlans},
    {"net income before other deductions", &Stage2Steps::netIncomeBeforeOtherDeductions},
    {"mortgage foreclosures", &Stage2Steps::mortgageForeclosures},
    {"net income before child care", &Stage2Steps::netIncomeBeforeChildCare},
    {"child care expenses", &Stage2Steps::childCareExpenses},
    {"net income before the repayment", &Stage2Steps::netIncomeBeforeRepayment},
    {"pension deduction of the slips", &Stage2Steps::slipPensionDeduction},
    {"social benefits repayment", &Stage2Steps::socialBenefitsRepayment},
    {"net income", &Stage2Steps::netIncome},
    {"cumulative net investment loss", &Stage2Steps::investmentLoss},
    {"minimum tax carryover", &Stage2Steps::minimumTaxCarryover},
    {"security options deductions", &Stage2Steps::securityOptionsDeductions},
    {"business transfer deduction", &Stage2Steps::businessTransferDeduction},
    {"capital gains deduction", &Stage2Steps::capitalGainsDeduction},
    {"northern residents deductions", &Stage2Steps::northernResidents},
    {"taxable income", &Stage2Steps::taxableIncome},
};

} // namespace

int IndividualTaxData::calculateStage2(const StageValues &v)
{
    if (!v.t1)
        return 0;
    Stage2Steps steps(*this, v);
    runStageSteps("stage 2", kStage2, steps);
    return 0;
}
