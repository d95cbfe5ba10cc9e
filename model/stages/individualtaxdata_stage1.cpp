// Stage 1 of the calculation: every entry, the slip totals spread over the T1 and the
// forms that take slip amounts, the CPP form, and the income statements.
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
#include "stageamounts.h"
#include "stagesteps.h"
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

// PPIP employee premium maximum for 2024 (0.494% of 94,000).
constexpr double kMaxPpipPremium = 464.36;
// Death benefits (T3 and T4A) are taxable above this exemption.
constexpr double kDeathBenefitExemption = 10000.0;
// The age from which accrued annuity income and withdrawals count as pension income.
constexpr int kPensionAge = 65;
// The CPT20 lists the first six T4 slips.
constexpr int kCpt20Slips = 6;
// The T5 boxes of the actual amounts of dividends (other than eligible, eligible).
constexpr int kT5Box10 = 10;
constexpr int kT5Box24 = 24;

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

// The self-employment line of a T2125 by its kind of income (0 business, 1 professional,
// 2 commission); the partnership's T2125 is always of the commission kind.
// The kinds of a T2125 (its IncomeKind field, the "businesskind" choices).
enum BusinessKind { Business = 0, Professional = 1, Commission = 2, Farming = 3, Fishing = 4 };

// The T1 net line of a T2125's kind, and its gross line.
int t2125Line(int kind)
{
    switch (kind) {
    case Business: return T1::F_13500;
    case Professional: return T1::F_13700;
    case Farming: return T1::F_14100;
    case Fishing: return T1::F_14300;
    default: return T1::F_13900;
    }
}

int t2125GrossLine(int kind)
{
    switch (kind) {
    case Business: return T1::F_13499;
    case Professional: return T1::F_13699;
    case Farming: return T1::F_14099;
    case Fishing: return T1::F_14299;
    default: return T1::F_13899;
    }
}

// The gross income of one statement and the T1 gross line it adds to; -1 for other forms.
int statementGrossLine(const FormEntry &e, double &gross)
{
    const CTaxData_Form *f = e.object;
    switch (e.type) {
    case FormType::T776:
        if (auto *rental = formAs<TaxData_T776New>(f, FormType::T776)) {
            gross = rental->amount(TaxData_T776New::F_GrossRents) + rental->amount(TaxData_T776New::F_OtherIncome);
            return T1::F_12599;
        }
        break;
    case FormType::T2125:
    case FormType::T2125Partnership:
        if (auto *business = formAs<TaxData_T2125_New>(f, FormType::Type(e.type))) {
            gross = business->amount(TaxData_T2125_New::F_GrossIncome);
            return t2125GrossLine(e.type == FormType::T2125Partnership ? Commission : business->incomeKind());
        }
        break;
    case FormType::T1163:
        if (auto *farm = formAs<TaxData_T1163New>(f, FormType::T1163)) {
            gross = farm->amount(TaxData_T1163New::F_GrossIncome);
            return T1::F_14099;
        }
        break;
    case FormType::T2042:
        if (auto *farm = formAs<TaxData_T2042New>(f, FormType::T2042)) {
            gross = farm->amount(TaxData_T2042New::F_GrossIncome);
            return T1::F_14099;
        }
        break;
    case FormType::T2121:
        if (auto *fishing = formAs<TaxData_T2121New>(f, FormType::T2121)) {
            gross = fishing->amount(TaxData_T2121New::F_GrossIncome);
            return T1::F_14299;
        }
        break;
    default:
        break;
    }
    return -1;
}

// The gross income lines of the statements, beside the net lines they add to.
void setSelfEmploymentGrossLines(T1 &t, const EntryList<FormEntry> &forms)
{
    for (int f : {T1::F_12599, T1::F_13499, T1::F_13699, T1::F_13899, T1::F_14099, T1::F_14299})
        t.setAmount(f, 0.0);
    for (const FormEntry *e : forms) {
        double gross = 0.0;
        const int line = e->object ? statementGrossLine(*e, gross) : -1;
        if (line >= 0)
            t.setAmount(line, t.amount(line) + gross);
    }
}

// An income statement: the form type, the T1 count of sources and line it adds to, and
// its owner, S.I.N. and net income fields (no name field: first and last name apart).
struct StatementSpec
{
    FormType::Type type;
    int sources;
    int line;
    int nameField;
    int sinField;
    int netField;
};

const StatementSpec kRentalAndFarming[] = {
    {FormType::T776, T1::F_RentalSources, T1::F_12600, TaxData_T776New::F_OwnerName, TaxData_T776New::F_OwnerSIN,
     TaxData_T776New::F_NetIncome},
    {FormType::T1163, T1::F_FarmingSources, T1::F_14100, -1, TaxData_T1163New::F_SIN, TaxData_T1163New::F_NetIncome},
    {FormType::T2042, T1::F_FarmingSources, T1::F_14100, TaxData_T2042New::F_OwnerName, TaxData_T2042New::F_OwnerSIN,
     TaxData_T2042New::F_NetIncome},
};

const StatementSpec kFishingAndBusiness[] = {
    {FormType::T2121, T1::F_FishingSources, T1::F_14300, TaxData_T2121New::F_OwnerName, TaxData_T2121New::F_OwnerSIN,
     TaxData_T2121New::F_NetIncome},
    {FormType::T2125Partnership, T1::F_CommissionSources, T1::F_13900, TaxData_T2125_New::F_OwnerName,
     TaxData_T2125_New::F_OwnerSIN, TaxData_T2125_New::F_NetIncome},
    {FormType::T2125, T1::F_BusinessSources, T1::F_13500, TaxData_T2125_New::F_OwnerName,
     TaxData_T2125_New::F_OwnerSIN, TaxData_T2125_New::F_NetIncome},
};

} // namespace

// The steps of stage 1 and what they hand on to one another.
class Stage1Steps
{
public:
    Stage1Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &values)
        : m_p(person), m_v(values), m_t(values.t1),
          // a dividend worksheet that the slip totals add below is not calculated in this round
          m_hadWsd1(person.singleForm(FormType::Worksheet5000D1) != nullptr)
    {
    }
    int formsMade() const { return m_made; }

    void everyEntry();
    void provinceName();
    void slipTotals();
    void resetSlipAmounts();
    void spouseInformation();
    void linesFromZero();
    void advanceWorkersBenefit();
    void slipIncomeLines();
    void slipInvestmentAmounts();
    void exemptIncome();
    void slipAmountsOnForms();
    void t4SlipsOnCpt20();
    void cppFormChoice();
    void t4TotalsOnCppForms();
    void eiAndPpip();
    void slipDonationsAndDeferredOptions();
    void dividendWorksheet();
    void otherSlipLines();
    void prppContributions();
    void rc383();
    void accruedAnnuityIncome();
    void repaymentsAndWithdrawals();
    void fhsaAndTuition();
    void pensionSplit();
    void editedWizardRecord();
    void filingStatusAndDiscounter();
    void statementLinesFromZero();
    void partnerships();
    void deferredOptionsAndT2043();
    void rentalAndFarmingStatements();
    void restrictedFarmLoss();
    void fishingAndBusinessStatements();
    void principalResidences();
    void giftsAndReserves();
    void capitalGains();
    void dividends();
    void spousalWithdrawals();
    void provinceOfBusiness();

private:
    double line(int f) const { return m_t->amount(f); }
    void setLine(int f, double value) { m_t->setAmount(f, value); }
    void addLine(int f, double value) { m_t->setAmount(f, m_t->amount(f) + value); }
    void addCount(int f, int n) { m_t->setIntValue(f, m_t->intValue(f) + n); }
    double slip(int slot) const { return m_st.amount(slot); }
    double slips(std::initializer_list<int> positions) const { return m_st.sum(positions); }
    // The person's form of the type, made when it is missing and `needed`.
    template <class F>
    F *formMadeWhen(FormType::Type type, bool needed)
    {
        F *f = m_p.singleFormAs<F>(type);
        if (!f && needed)
            f = formAs<F>(m_p.getForm(type, 0, true), type);
        return f;
    }
    void statements(const StatementSpec &spec);
    void putT4Totals(TaxData_CppContributionForm *f, int amounts, int slips, int qSlips);
    double taxableCapitalGain(bool deceased) const;

    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    T1 *m_t;
    const bool m_hadWsd1;
    int m_made = 0;
    SlipTotals m_st;
    TaxData_WS_D1 *m_wsd1 = nullptr;
    TaxData_Sch3 *m_sch3 = nullptr;
    TaxData_Sch9 *m_sch9 = nullptr;
    CTaxData_T2222 *m_t2222 = nullptr;
    TaxData_T2209_2036 *m_t2209 = nullptr;
    TaxData_T936New *m_t936 = nullptr;
    TaxData_T691New *m_t691 = nullptr;
    TaxData_RC381 *m_rc381 = nullptr;
    TaxData_Sch8_14 *m_sch8 = nullptr;
    TaxData_T1212New *m_t1212 = nullptr;
    TaxData_Sch7 *m_sch7 = nullptr;
    TaxData_T1032_New *m_t1032 = nullptr;
    TaxData_T1170 *m_t1170 = nullptr;
    TaxData_T2017New *m_t2017 = nullptr;
    int m_age = 0;
    // the T2091 forms and their capital gain after the exemption
    int m_residences = 0;
    double m_designated = 0.0;
};

void Stage1Steps::everyEntry()
{
    for (FormEntry *e : m_p.m_forms) {
        if (!e->object)
            continue;
        e->object->calculateEntry();
        e->object->setMainTaxProvince(m_p.m_province);
    }
    for (FormEntry *e : m_p.m_slips)
        if (e->object)
            e->object->calculateEntry();
    for (NoteEntry *n : m_p.m_notes)
        if (n->note)
            n->note->calculateData();
}

void Stage1Steps::provinceName()
{
    m_t->setProvinceName(::provinceName(m_p.m_province));
}

// The forms are looked up after the totals, which may have added some.
void Stage1Steps::slipTotals()
{
    RequiredFormSet required;
    m_p.accumulateSlipTotals(m_st, required);
    if (!m_p.m_stage1Totals)
        m_p.m_stage1Totals = std::make_unique<SlipTotals>();
    *m_p.m_stage1Totals = m_st;
    m_p.m_stage1TotalsHeld = true;
    m_wsd1 = m_p.singleFormAs<TaxData_WS_D1>(FormType::Worksheet5000D1);
    m_sch3 = m_p.singleFormAs<TaxData_Sch3>(FormType::Schedule3);
    m_sch9 = m_p.singleFormAs<TaxData_Sch9>(FormType::Schedule9);
    m_t2222 = m_p.singleFormAs<CTaxData_T2222>(FormType::T2222);
    m_t2209 = m_p.singleFormAs<TaxData_T2209_2036>(FormType::T2209);
    m_t936 = m_p.singleFormAs<TaxData_T936New>(FormType::T936);
}

void Stage1Steps::resetSlipAmounts()
{
    if (m_wsd1)
        m_wsd1->resetDivDetailsAmounts();
    // the exchange with a coupled spouse sets it again
    if (m_t2222)
        m_t2222->setFlag(CTaxData_T2222::F_SpouseClaimsBasic, false);
    if (m_t2209) {
        using F = TaxData_T2209_2036;
        for (int f : {F::F_ForeignNonBusinessIncome, F::F_ForeignTaxPaid, F::F_ReportedIncome, F::F_ReportedTaxPaid})
            m_t2209->setAmount(f, 0.0);
    }
}

void Stage1Steps::spouseInformation()
{
    const bool spouse = m_t->CanClaimSpouse();
    const bool sch2 = m_t->canClaimSch2();
    const bool t1032Claim = m_t->canClaimT1032();
    if (!spouse && !sch2 && !t1032Claim)
        m_t->clearSpouseInfo();
}

// The lines this stage adds to start from 0; the dependants are counted again.
void Stage1Steps::linesFromZero()
{
    for (int f : {T1::F_10100, T1::F_10120, T1::F_10400, T1::F_11500, T1::F_12100, T1::F_12200, T1::F_12600,
                  T1::F_12700, T1::F_13000, T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300,
                  T1::F_20700, T1::F_21200, T1::F_22100, T1::F_23200, T1::F_43700, T1::F_31205})
        setLine(f, 0.0);
    int infirm18 = 0, children = 0, infirmAll = 0;
    if (DependantInfoStruct *d = m_p.m_dependants) {
        infirm18 = d->GetInfirmDependantsNumberNotUnderAge(18);
        children = d->GetDepChildrenNumberBetweenAges(0, 18);
        infirmAll = d->GetInfirmDependantsNumberNotUnderAge(-1);
    }
    m_t->setIntValue(T1::F_InfirmDependants18, infirm18);
    m_t->setIntValue(T1::F_ChildrenUnder18, children);
    m_t->setIntValue(T1::F_InfirmDependants, infirmAll);
    setLine(T1::F_SelfEmploymentTotal, 0.0);
    m_t->setFlag(T1::F_SplitIncomeFlag, false);
    m_t->setFlag(T1::F_NoSelfEmployedCpp, false);
    if (m_sch3) {
        m_sch3->setAmount(TaxData_Sch3::F_T3T5Gains, 0.0);
        m_sch3->setAmount(TaxData_Sch3::F_T5013Gains, 0.0);
    }
    if (m_sch9) {
        m_sch9->setAmount(TaxData_Sch9::F_Donations, 0.0);
        m_sch9->setAmount(TaxData_Sch9::F_EcologicalGifts, 0.0);
    }
}

// Advance Canada workers benefit payments (RC210).
void Stage1Steps::advanceWorkersBenefit()
{
    if (auto *sch6 = m_p.singleFormAs<TaxData_Sch6>(FormType::Schedule6))
        sch6->setACWBAmounts(slip(SlipSlot::RC210Box10), slip(SlipSlot::RC210Box11));
}

// The slip totals on the T1's income lines; taxable dividends of the T3 and T5 slips
// until the worksheet works them out.
void Stage1Steps::slipIncomeLines()
{
    using S = SlipSlot::Slot;
    setLine(T1::F_10100, slip(S::T4Box14));
    setLine(T1::F_12000, slips({S::T3Box32, S::T3Box50, S::T5Box11, S::T5Box25}));
    setLine(T1::F_12010, slip(S::T3Box32) + slip(S::T5Box11));
    setLine(T1::F_10120, slip(S::T4Box42));
    setLine(T1::F_11300, slip(S::T4AOASBox18));
    // T3 other income, and the part of the death benefits above the exemption
    double otherIncome = slip(S::T3Box26LessAmountC) + slip(S::T3AmountA);
    if (slip(S::T3AmountE) - kDeathBenefitExemption >= 0.009)
        otherIncome += slip(S::T3AmountE) - kDeathBenefitExemption;
    setLine(T1::F_13000, otherIncome);
    // other employment income, with T4PS box 35
    setLine(T1::F_10400, slips({S::T4ABox107, S::T4ABox104LessAmountD, S::T4ABox118, S::T4ABox119, S::T4ABox127,
                                S::T4AAmountJ, S::T4AAmountO, S::T4AAmountQ, S::T4PSAmount8}));
    setLine(T1::F_11500, slips({S::T4ABox16, S::T4ABox24, S::T4AAmountK, S::T4AAmountR, S::T4RIFBox16FirstSwitchOr65,
                                S::T4RIFBox20FirstSwitchOr65, S::T4RIFBox22SwitchOr65}));
    setLine(T1::F_11700, slip(S::RC62Box10));
    setLine(T1::F_11900, slip(S::T4EBox14Less18));
    m_t->setEiRepaymentBase(m_p.eiRepaymentBase());
    setLine(T1::F_12100, slips({S::T5Box13, S::T5Box14, S::T5Box15, S::T3Box25}) + line(T1::F_SharedInterest));
    setLine(T1::F_12500, slip(S::T4ABox131));
    setLine(T1::F_12900, slips({S::T4RSPBox16FirstSwitch, S::T4RSPBox16, S::T4RSPBox18, S::T4RSPBox20, S::T4RSPBox22,
                                S::T4RSPBox26, S::T4RSPBox28Positive, S::T4RSPBox34})
                             - slip(S::T4RSPBox28NegativeSubtracted));
    setLine(T1::F_12905, slip(S::T4FHSABox22) + slip(S::T4FHSABox24));
    setLine(T1::F_12906, slip(S::T4FHSABox26) + slip(S::T4FHSABox26Switch));
    setLine(T1::F_13010, slip(S::T4ATaxableScholarships));
    m_p.fillCheckIndicators(*m_t);
    setLine(T1::F_14400, slip(S::T5007FirstAmount));
    setLine(T1::F_14500, slip(S::T5007SecondAmount));
    setLine(T1::F_14600, slip(S::T4AOASBox21));
    setLine(T1::F_20700, slip(S::T4Box20));
    setLine(T1::F_21200, slip(S::T4Box44) + line(T1::F_DuesPaid));
    m_t->setFlag(T1::F_T90Flag, m_st.hasExemptIncome());
}

// The slips' dividends, capital gains, investment income and foreign income on their forms.
void Stage1Steps::slipInvestmentAmounts()
{
    using S = SlipSlot::Slot;
    if (m_wsd1) {
        using W = TaxData_WS_D1;
        m_wsd1->setAmount(W::F_NonEligibleActual, slip(S::T3Box23));
        m_wsd1->setAmount(W::F_NonEligibleTaxable, slip(S::T3Box32));
        m_wsd1->setAmount(W::F_EligibleActual, slip(S::T3Box49));
        m_wsd1->setAmount(W::F_EligibleTaxable, slip(S::T3Box50));
    }
    if (m_sch3) {
        // line 17600 takes the T3 slips, line 17400 the T5, T5013 and T4PS slips
        m_sch3->setAmount(TaxData_Sch3::F_T3T5Gains, slip(S::T3Box21));
        m_sch3->setAmount(TaxData_Sch3::F_T5013Gains, slip(S::T5Box18) + slip(S::T5013AmountT) + slip(S::T4PSAmount7));
        m_sch3->setFlag(TaxData_Sch3::F_FromT3, nonZero(slip(S::T3Box21)));
        m_sch3->setFlag(TaxData_Sch3::F_FromT5, nonZero(slip(S::T5Box18)));
    }
    if (m_t936) {
        m_t936->setAmount(TaxData_T936New::F_InvestmentIncome,
                          slips({S::T5Box13, S::T5Box14, S::T5Box11, S::T5Box25, S::T3Box32, S::T3Box50}));
        m_t936->setAmount(TaxData_T936New::F_InvestmentExpenses, 0.0);
    }
    if (m_t2209) {
        using F = TaxData_T2209_2036;
        const double taxPaid = slip(S::T3Box34) + slip(S::T3AmountD);
        m_t2209->setAmount(F::F_ForeignNonBusinessIncome, slip(S::T3Box25));
        m_t2209->setAmount(F::F_ForeignTaxPaid, taxPaid);
        m_t2209->setAmount(F::F_ReportedIncome, slip(S::T3Box25));
        m_t2209->setAmount(F::F_ReportedTaxPaid, taxPaid);
    }
}

// The T90 of exempt income, made when a slip holds some; CPP/QPP benefits.
void Stage1Steps::exemptIncome()
{
    using S = SlipSlot::Slot;
    const bool exempt = positive(slip(S::T4Box71)) || m_t->flag(T1::F_T90Flag);
    auto *t90 = m_p.singleFormAs<TaxData_T90>(FormType::T90);
    if (exempt && !m_p.hasForm(FormType::T90)) {
        t90 = formAs<TaxData_T90>(m_p.getForm(FormType::T90, 0, true), FormType::T90);
        // only a form that was made counts
        if (t90)
            ++m_made;
    }
    if (t90) {
        t90->setAmount(TaxData_T90::F_EmploymentIncome, slip(S::T4Box71));
        t90->setFlag(TaxData_T90::F_Switch, exempt);
        t90->setAmount(TaxData_T90::F_OtherIncome, slip(S::T4APAmountGSecondSwitch));
    }
    setLine(T1::F_11400, slip(S::T4APAmountA));
    setLine(T1::F_11410, slip(S::T4APAmountC));
    m_t->setFlag(T1::F_NoCppBenefits, !nonZero(slip(S::T4APAmountA)) && !nonZero(slip(S::T4APAmountC)));
}

// EI benefits, remuneration and foreign income of the slips on their forms.
void Stage1Steps::slipAmountsOnForms()
{
    using S = SlipSlot::Slot;
    auto *sch13 = m_p.singleFormAs<TaxData_Sch13>(FormType::Schedule13);
    if (sch13 && !sch13->flag(TaxData_Sch13::F_Switch))
        sch13->setAmount(TaxData_Sch13::F_EIBenefits, slip(S::T4EBox14WithBox22));
    if (auto *t1223 = m_p.singleFormAs<CTaxData_T1223>(FormType::T1223))
        t1223->setAmount(CTaxData_T1223::F_Remuneration, slip(S::T4Box14));
    m_t691 = m_p.singleFormAs<TaxData_T691New>(FormType::T691);
    if (m_t691) {
        m_t691->setAmount(TaxData_T691New::F_ForeignIncome, slip(S::T3Box25) + slip(S::T5Box15));
        m_t691->setAmount(TaxData_T691New::F_ForeignTaxPaid,
                          slips({S::T3AmountD, S::T3Box34, S::T5Box16, S::T4PSAmount12}));
    }
}

// The first six T4 slips on the CPT20 (box 14 stands for a blank box 26).
void Stage1Steps::t4SlipsOnCpt20()
{
    auto *cpt20 = m_p.singleFormAs<TaxData_CPT20_New>(FormType::CPT20);
    if (!cpt20)
        return;
    cpt20->clearEntry();
    int n = 0;
    for (FormEntry *e : m_p.m_slips.withKey(SlipType::T4)) {
        auto *t4 = slipAs<TaxData_Slip_T4>(e->object, SlipType::T4);
        if (!t4)
            continue;
        if (++n > kCpt20Slips)
            break;
        using S = TaxData_Slip_T4;
        double earnings = t4->amount(S::F_Box26);
        if (!nonZero(earnings))
            earnings = t4->amount(S::F_Box14);
        cpt20->setEntryN(n, earnings, t4->amount(S::F_Box16), t4->intValue(S::F_Province), t4->isCppQppExempt());
    }
}

// Which CPP form: RC381 for the Quebec plan, Schedule 8 for the CPP.
void Stage1Steps::cppFormChoice()
{
    using S = SlipSlot::Slot;
    int selector = T1::NoCppForm;
    if (positive(slip(S::T4Box26QuebecWithoutBox16)) || positive(slip(S::T4Box17)) || positive(slip(S::T4Box17A)))
        selector = T1::Rc381Form;
    else if (positive(slip(S::T4Box26Others)) || positive(slip(S::T4Box16)) || positive(slip(S::T4Box16A)))
        selector = T1::Schedule8Form;
    m_t->setCppFormSelector(selector);
    m_made += m_p.ensureForm148or150(selector);
}

void Stage1Steps::putT4Totals(TaxData_CppContributionForm *f, int amounts, int slips, int qSlips)
{
    using S = SlipSlot::Slot;
    const int withCpp = m_st.code11T4WithAmountCount();
    f->setFlag(amounts, nonZero(slip(S::T4Box16)) || nonZero(slip(S::T4Box16A)) || nonZero(slip(S::T4Box17))
                            || nonZero(slip(S::T4Box17A)));
    f->setT4Contributions({slip(S::T4Box26Others), slip(S::T4Box16), slip(S::T4Box16A),
                           slip(S::T4Box26QuebecWithoutBox16), slip(S::T4Box17), slip(S::T4Box17A)});
    f->setIntValue(slips, withCpp);
    f->setIntValue(qSlips, m_st.code11T4Count() - withCpp);
}

void Stage1Steps::t4TotalsOnCppForms()
{
    m_rc381 = m_p.singleFormAs<TaxData_RC381>(FormType::RC381);
    m_sch8 = m_p.singleFormAs<TaxData_Sch8_14>(FormType::Schedule8);
    if (m_rc381) {
        using R = TaxData_RC381;
        putT4Totals(m_rc381, R::F_T4Amounts, R::F_T4CppSlips, R::F_T4QuebecOnlySlips);
    }
    if (m_sch8) {
        using S = TaxData_Sch8_14;
        putT4Totals(m_sch8, S::F_T4Amounts, S::F_T4CppSlips, S::F_T4QuebecOnlySlips);
    }
}

// EI, PPIP and the overpayment form; the T4s' CPP exemptions.
void Stage1Steps::eiAndPpip()
{
    using S = SlipSlot::Slot;
    const int exemptFlags = S::T4SecondSwitchByBox26PlaceEveryFirstSwitchSet;
    // PPIP premiums (box 55) are claimed as such by a resident of Quebec only; anyone else
    // counts them with the EI premiums, at the EI rate outside Quebec
    const bool quebecResident = m_p.m_province == Province::Quebec;
    auto *t2204 = m_p.singleFormAs<TaxData_T2204_New>(FormType::T2204);
    if (t2204) {
        using F = TaxData_T2204_New;
        t2204->setAmount(F::F_CPPContributions, slip(S::T4Box16) + slip(S::T4Box16A));
        t2204->setAmount(F::F_EIPremiums, slip(S::T4Box18) + (quebecResident ? 0.0 : slip(S::T4Box55)));
        t2204->setAmount(F::F_InsurableEarnings, slip(S::T4Box24));
        t2204->setFlag(F::F_Switch1, m_st.code11T4Count() >= 1 && m_st.flag(exemptFlags, 2));
    }
    setLine(T1::F_31205, quebecResident ? std::min(slip(S::T4Box55), kMaxPpipPremium) : 0.0);
    const bool quebecPlans =
        positive(slip(S::T4Box14Quebec)) || positive(slip(S::T4Box17)) || positive(slip(S::T4Box17A));
    if (t2204)
        t2204->setFlag(TaxData_T2204_New::F_Switch2, quebecPlans && quebecResident);
    m_t->setFlag(T1::F_QuebecPlans, quebecPlans);
    const bool exempt = m_st.flag(exemptFlags, 0) || m_st.flag(exemptFlags, 1) || m_st.flag(S::T4ThirdSwitch);
    if (m_rc381)
        m_rc381->setFlag(TaxData_RC381::F_T4Exempt, exempt);
    if (m_sch8)
        m_sch8->setFlag(TaxData_Sch8_14::F_T4Exempt, exempt);
}

void Stage1Steps::slipDonationsAndDeferredOptions()
{
    if (m_sch9) {
        m_sch9->setAmount(TaxData_Sch9::F_Donations, slip(SlipSlot::T4Box46) + slip(SlipSlot::T4ABox46));
        m_sch9->setAmount(TaxData_Sch9::F_EcologicalGifts, 0.0);
    }
    m_t1212 = m_p.singleFormAs<TaxData_T1212New>(FormType::T1212);
    if (m_t1212)
        addLine(T1::F_10100, m_t1212->amount(TaxData_T1212New::F_Included));
}

// The dividend worksheet, made when the slips report dividends or options are deferred.
void Stage1Steps::dividendWorksheet()
{
    const bool deferred = m_t1212 && nonZero(m_t1212->amount(TaxData_T1212New::F_Deferred));
    if (!m_wsd1 && (nonZero(line(T1::F_12000)) || nonZero(line(T1::F_12010)) || deferred))
        m_wsd1 = formAs<TaxData_WS_D1>(m_p.getForm(FormType::Worksheet5000D1, 0, true), FormType::Worksheet5000D1);
    if (m_hadWsd1 && m_wsd1)
        m_wsd1->setAmount(TaxData_WS_D1::F_SecurityOptions,
                          m_t1212 ? m_t1212->amount(TaxData_T1212New::F_Deferred) : 0.0);
}

// Tax deducted, other income of the T4A, T4RIF and T4A-RCA slips, the T5s' actual
// dividends and foreign income; employment income is at least what the slips report
// with their taxable benefits.
void Stage1Steps::otherSlipLines()
{
    using S = SlipSlot::Slot;
    setLine(T1::F_40427, m_t691 ? m_t691->amount(TaxData_T691New::F_CarryoverApplied) : 0.0);
    setLine(T1::F_43700, slips({S::T4Box22, S::T4ABox22, S::T4AOASBox22, S::T4APAmountE, S::T4EBox22, S::T4RSPBox30,
                                S::T4RIFBox28, S::NR4Amount2}));
    double other = line(T1::F_13000) + slip(S::T3AmountC);
    if (slip(S::T4ABox106) > kDeathBenefitExemption)
        other += slip(S::T4ABox106) - kDeathBenefitExemption;
    other += slips({S::T4ABox28, S::T4ABox30, S::T4ABox42, S::T4ABox109, S::T4AAmountA, S::T4AAmountB, S::T4AAmountF,
                    S::T4AAmountC, S::T4ABox124SecondSelector0, S::T4ABox124SecondSelector1, S::T4ABox48,
                    S::T4ABox128, S::T4AAmountL, S::T4ABox135, S::T4AAmountM, S::T4AAmountN, S::T4AAmountP,
                    S::T4ABox197, S::T4ABox198, S::T4ABox200, S::T4ABox201, S::T4ABox203, S::T4ABox204,
                    S::T4RIFBox16, S::T4RIFBox20, S::T4RIFBox22, S::T4ARCAAmount1});
    setLine(T1::F_13000, other);
    for (FormEntry *e : m_p.m_slips.withKey(SlipType::T5)) {
        auto *t5 = slipAs<TaxData_Slip_T5>(e->object, SlipType::T5);
        if (!t5 || !m_wsd1)
            continue;
        using W = TaxData_WS_D1;
        m_wsd1->setAmount(W::F_NonEligibleActual, m_wsd1->amount(W::F_NonEligibleActual) + t5->calculated(kT5Box10));
        m_wsd1->setAmount(W::F_EligibleActual, m_wsd1->amount(W::F_EligibleActual) + t5->calculated(kT5Box24));
    }
    if (m_wsd1) { // the T4PS slips' actual dividends: eligible (box 24) and other (box 30)
        using W = TaxData_WS_D1;
        m_wsd1->setAmount(W::F_EligibleActual, m_wsd1->amount(W::F_EligibleActual) + slip(S::T4PSAmount1));
        m_wsd1->setAmount(W::F_NonEligibleActual, m_wsd1->amount(W::F_NonEligibleActual) + slip(S::T4PSAmount4));
    }
    if (m_t2209) {
        using F = TaxData_T2209_2036;
        const double taxPaid = slip(S::T5Box16) + slip(S::T4PSAmount12);
        const auto add = [this](int f, double v) { m_t2209->setAmount(f, m_t2209->amount(f) + v); };
        add(F::F_ForeignNonBusinessIncome, slip(S::T5Box15));
        add(F::F_ForeignTaxPaid, taxPaid);
        add(F::F_ReportedIncome, slip(S::T5Box15));
        add(F::F_ReportedTaxPaid, taxPaid);
    }
    setLine(T1::F_10100, std::max(line(T1::F_10100), slip(S::T4Box14) + slip(S::T4AmountJ)));
}

// PRPP contributions on Schedule 7, made when a slip reports the member's: the current
// year's (box 10) and the prior year's (box 11, January 1 to March 3, 2025) count as
// the member's own; the employer's (box 12) go to line 20810.
void Stage1Steps::prppContributions()
{
    using S = SlipSlot::Slot;
    m_sch7 = formMadeWhen<TaxData_Sch7>(FormType::Schedule7,
                                         positive(slip(S::PRPPAmountA)) || positive(slip(S::PRPPAmountB)));
    if (m_sch7) {
        m_sch7->setAmount(TaxData_Sch7::F_PRPPRestOfYear, slip(S::PRPPAmountA));
        m_sch7->setAmount(TaxData_Sch7::F_PRPPFirst60Days, slip(S::PRPPAmountB));
        m_sch7->setAmount(TaxData_Sch7::F_PRPPEmployer, slip(S::PRPPAmountC));
    }
    setLine(T1::F_20810, slip(S::PRPPAmountC));
}

void Stage1Steps::rc383()
{
    using S = SlipSlot::Slot;
    auto *rc383 = formMadeWhen<TaxData_RC383>(FormType::RC383,
                                              positive(slip(S::PRPPAmountD)) || positive(slip(S::PRPPAmountE)));
    if (!rc383)
        return;
    using R = TaxData_RC383;
    const double exemptIncome = std::max({rc383->amount(R::F_ExemptIncome), slip(S::T4Box71), slip(S::T4AmountL)});
    rc383->setAmount(R::F_ExemptIncome, exemptIncome);
    rc383->setAmount(R::F_Contribution, slip(S::PRPPAmountE));
    rc383->setAmount(R::F_Deduction, slip(S::PRPPAmountD));
    rc383->Calculate01();
}

// Accrued annuity income of the T5 slips: pension income from 65 on.
void Stage1Steps::accruedAnnuityIncome()
{
    m_age = m_t->GetAge();
    // RRSP annuity payments count as pension income for the pension amount from 65
    setLine(T1::F_AnnuityPensionIncome,
            m_age >= kPensionAge ? slip(SlipSlot::T4RSPBox16) + slip(SlipSlot::T4RSPBox16FirstSwitch) : 0.0);
    const double annuity = slip(SlipSlot::T5AmountASecondSwitchOr65) + slip(SlipSlot::T5AmountA);
    addLine(m_age < kPensionAge ? T1::F_12100 : T1::F_11500, annuity);
}

void Stage1Steps::repaymentsAndWithdrawals()
{
    using S = SlipSlot::Slot;
    if (auto *t2205 = m_p.singleFormAs<CTaxData_T2205>(FormType::T2205))
        t2205->setAmount(CTaxData_T2205::F_Withdrawal, slip(S::T4RSPBoxes202226SecondSwitch));
    if (auto *t1172 = m_p.singleFormAs<TaxData_T1172New>(FormType::T1172))
        t1172->setAmount(TaxData_T1172New::F_AIPIncome, slip(S::T4ABox40));
    m_t1032 = m_p.singleFormAs<TaxData_T1032_New>(FormType::T1032);
    if (m_t1032 && m_age >= kPensionAge && !m_t1032->flag(TaxData_T1032_New::F_Switch))
        m_t1032->setAmount(TaxData_T1032_New::F_PensionAmount, slip(S::T4RIFBox16WithAmountA));
}

// FHSA contributions; tuition of the slips (the slips' figures win when larger, or when
// nothing was typed).
void Stage1Steps::fhsaAndTuition()
{
    using S = SlipSlot::Slot;
    if (auto *sch15 = m_p.singleFormAs<TaxData_Sch15>(FormType::Schedule15))
        sch15->setAmount(TaxData_Sch15::F_Contributions, slip(S::T4FHSABox18));
    auto *sch11 = m_p.singleFormAs<TaxData_Sch11>(FormType::Schedule11);
    if (!sch11)
        return;
    const bool typed = sch11->flag(TaxData_Sch11::F_Entered);
    auto take = [&](int field, double fromSlips) {
        if ((positive(fromSlips) && !typed) || fromSlips > sch11->amount(field))
            sch11->setAmount(field, fromSlips);
    };
    take(TaxData_Sch11::F_PartTimeMonths, slip(S::T2202PartTimeMonths));
    take(TaxData_Sch11::F_FullTimeMonths, slip(S::T2202FullTimeMonths));
    const double fees = slip(S::T2202FeesWithPartTimeMonths) + slip(S::T2202FeesWithoutPartTimeMonths);
    if (fees > sch11->amount(TaxData_Sch11::F_EligibleTuition))
        sch11->setAmount(TaxData_Sch11::F_EligibleTuition, fees);
}

// The tax that moves with the split is the tax deducted on the pension income that may be
// split (T4A box 22; T4RIF box 28 from 65, when the RRIF is eligible pension income), not
// the tax of every slip.
void Stage1Steps::pensionSplit()
{
    m_p.calculatePensionSplit(m_t1032);
    if (m_t1032 && m_t1032->intValue(TaxData_T1032_New::F_Role) == TaxData_T1032_New::Pensioner)
        m_t1032->setAmount(TaxData_T1032_New::F_TaxDeductedTransferred,
                           slip(SlipSlot::T4ABox22) + (m_age >= kPensionAge ? slip(SlipSlot::T4RIFBox28) : 0.0));
}

// The edited tax-wizard record into the return.
void Stage1Steps::editedWizardRecord()
{
    m_p.followDependantRemovals();
    if (!m_v.editedIsOther)
        return;
    for (WizardEntry *w : m_p.m_wizardData)
        if (w->object)
            w->object->calculateData();
    m_p.applyWizardRecord(m_v.editedType);
}

// Filing status and the refund discounter.
void Stage1Steps::filingStatusAndDiscounter()
{
    m_t->setText(T1::F_DiscounterNote, QString());
    const QString overwrite = settingsSource()->configValue(QStringLiteral("OverwriteStatus")).trimmed();
    const bool overwriteOn = overwrite.toInt() != 0 || overwrite.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    m_t->setIntValue(T1::F_OverwriteStatus, overwriteOn ? 1 : 0);
    auto *rc71 = m_p.singleFormAs<CTaxData_RC71>(FormType::RC71);
    if (!rc71)
        return;
    const QString code = settingsSource()->userSetting(QStringLiteral("DiscounterCode"));
    if (code.isEmpty())
        return;
    rc71->setText(CTaxData_RC71::F_DiscounterCode, code);
    m_t->setText(T1::F_DiscounterNote, QStringLiteral("Discounter: ") + rc71->text(CTaxData_RC71::F_DiscounterCode));
}

// UCCB repayment; the lines of the partnerships and statements start from 0.
void Stage1Steps::statementLinesFromZero()
{
    setLine(T1::F_21300, slip(SlipSlot::RC62Box12));
    for (int f : {T1::F_12200, T1::F_12600, T1::F_12700, T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100,
                  T1::F_14300, T1::F_22100, T1::F_SelfEmploymentTotal})
        setLine(f, 0.0);
    m_t->CalculateLine213ByWorkSheet();
}

// The partnerships' shares of income by kind, and the T5013 slips' limited partnership
// income and carrying charges, with the carrying charges the preparer typed.
void Stage1Steps::partnerships()
{
    for (int f : {T1::F_RentalSources, T1::F_BusinessSources, T1::F_ProfessionalSources, T1::F_FarmingSources,
                  T1::F_CommissionSources, T1::F_FishingSources})
        m_t->setIntValue(f, 0);
    setLine(T1::F_T1212Deferred, 0.0);
    for (FormEntry *e : m_p.m_forms.withKey(FormType::T5013Schedule)) {
        auto *p = formAs<CTaxData_T5013>(e->object, FormType::T5013Schedule);
        if (!p)
            continue;
        p->setMainTaxProvince(m_p.m_province);
        p->Calculate01();
        addCount(T1::F_RentalSources, p->HaveRentalIncome());
        addCount(T1::F_BusinessSources, p->HaveBusinessIncome());
        addCount(T1::F_ProfessionalSources, p->HaveProfessionalIncome());
        addCount(T1::F_FarmingSources, p->HaveFarmIncome());
        addCount(T1::F_CommissionSources, p->HaveCommissionIncome());
        addCount(T1::F_FishingSources, p->HaveFishIncome());
        const FieldRowList &rows = p->rows(0);
        for (int i = 0; i < rows.count(); ++i) {
            const FieldRecord &r = rows.row(i);
            const int target = t5013Line(int(r.number(CTaxData_T5013::C_Kind)));
            if (target >= 0)
                addLine(target, r.number(CTaxData_T5013::C_NetIncome) * r.number(CTaxData_T5013::C_Share) / 100.0);
        }
    }
    addLine(T1::F_12200, slip(SlipSlot::T5013AmountA));
    addLine(T1::F_12100, slip(SlipSlot::T5013AmountB) + slip(SlipSlot::T5013AmountC));
    addLine(T1::F_22100, slip(SlipSlot::T5013AmountG) + slip(SlipSlot::T5013AmountI) + line(T1::F_CarryingCharges));
}

void Stage1Steps::deferredOptionsAndT2043()
{
    if (m_t1212) {
        m_t1212->Calculate01();
        setLine(T1::F_T1212Deferred, m_t1212->getF67910());
    }
    // the fuel charge credit of the T2043 is the T1's line 47556
    if (auto *t2043 = m_p.singleFormAs<TaxData_T2043>(FormType::T2043)) {
        t2043->Calculate01();
        setLine(T1::F_47556, t2043->amount(TaxData_T2043::F_Credit));
    }
}

// Each statement of the kind adds its net income to its line.
void Stage1Steps::statements(const StatementSpec &spec)
{
    const QString owner = m_t->firstName() + QLatin1Char(' ') + m_t->lastName();
    for (FormEntry *e : m_p.m_forms.withKey(spec.type)) {
        CTaxData_Form *f = e->object;
        if (!f)
            continue;
        addCount(spec.sources, 1);
        if (spec.nameField >= 0) {
            f->setText(spec.nameField, owner);
        } else {
            f->setText(TaxData_T1163New::F_FirstName, m_t->firstName());
            f->setText(TaxData_T1163New::F_LastName, m_t->lastName());
        }
        f->setText(spec.sinField, m_t->sin());
        f->Calculate01();
        const int target =
            spec.type == FormType::T2125 ? t2125Line(f->intValue(TaxData_T2125_New::F_IncomeKind)) : spec.line;
        addLine(target, f->amount(spec.netField));
    }
}

void Stage1Steps::rentalAndFarmingStatements()
{
    for (const StatementSpec &spec : kRentalAndFarming)
        statements(spec);
}

// The answer of the person stays as given.
void Stage1Steps::restrictedFarmLoss()
{
    const double farmNet = line(T1::F_14100);
    setLine(T1::F_FarmingLoss, farmNet);
    if (m_t->flag(T1::F_RestrictedFarmLoss) && farmNet < -2500.0 && -2500.0 - farmNet >= 0.009)
        setLine(T1::F_14100, allowedFarmLoss(farmNet, farmNet));
}

void Stage1Steps::fishingAndBusinessStatements()
{
    for (const StatementSpec &spec : kFishingAndBusiness)
        statements(spec);
    setLine(T1::F_SelfEmploymentTotal, line(T1::F_13500) + line(T1::F_13700) + line(T1::F_13900) + line(T1::F_14100)
                                           + line(T1::F_14300));
    setSelfEmploymentGrossLines(*m_t, m_p.m_forms);
}

// Principal residence designations; Schedule 3 is made for a gain left after the exemption.
void Stage1Steps::principalResidences()
{
    for (FormType::Type type : {FormType::T2091IND, FormType::T2091IND_WS}) {
        for (FormEntry *e : m_p.m_forms.withKey(type)) {
            auto *f = formAs<TaxData_T2091>(e->object, type);
            if (!f)
                continue;
            f->setText(TaxData_T2091::F_FullName, m_t->ConstructFullName());
            f->setText(TaxData_T2091::F_SIN, m_t->sin());
            f->Calculate01();
            ++m_residences;
            m_designated += f->designatedAmount();
        }
    }
    if (!m_sch3 && nonZero(m_designated))
        m_sch3 = formAs<TaxData_Sch3>(m_p.getForm(FormType::Schedule3, 0, true), FormType::Schedule3);
}

// Personal-use property (T2017) and gifts of listed shares (T1170).
void Stage1Steps::giftsAndReserves()
{
    m_t2017 = m_p.singleFormAs<TaxData_T2017New>(FormType::T2017);
    if (m_t2017)
        m_t2017->Calculate01();
    m_t1170 = m_p.singleFormAs<TaxData_T1170>(FormType::T1170);
    if (m_t1170)
        m_t1170->Calculate01();
    setLine(T1::F_T1170Amount, m_t1170 ? m_t1170->getF67890() : 0.0);
}

// The taxable gain; for a deceased person a net loss is allowed against other income.
double Stage1Steps::taxableCapitalGain(bool deceased) const
{
    const double gain = m_sch3->amount(TaxData_Sch3::F_TaxableGain);
    if (positive(gain))
        return gain;
    if (deceased)
        return -m_sch3->amount(TaxData_Sch3::F_CapitalLoss) * 0.5;
    return 0.0;
}

// Schedule 3 and line 12700, with the shared gain the couple optimiser allocated.
void Stage1Steps::capitalGains()
{
    setLine(T1::F_MortgageForeclosure, 0.0);
    setLine(T1::F_12700, 0.0);
    if (m_sch3) {
        using S = TaxData_Sch3;
        const bool deceased = m_t->IsDeceased();
        m_sch3->setFlag(S::F_Deceased, deceased);
        m_sch3->setFlag(S::F_PrincipalResidence, m_residences > 0);
        m_sch3->setAmount(S::F_PrincipalResidenceGain, m_designated);
        m_sch3->setAmount(S::F_CapitalGainsReduction, 0.0);
        m_sch3->setAmount(S::F_GiftCapitalGains, 0.0);
        // line 17900: the part of the gifts' gain that is not left out of income
        m_sch3->setAmount(S::F_T1170Gains, m_t1170 ? m_t1170->amount(TaxData_T1170::F_Taxable) : 0.0);
        // line 19200: last year's reserves come into income, this year's are deducted
        m_sch3->setAmount(S::F_T2017Reserves, m_t2017 ? m_t2017->amount(TaxData_T2017New::F_GainFromReserve)
                                                            - m_t2017->amount(TaxData_T2017New::F_Deduction)
                                                      : 0.0);
        m_sch3->CalculateBeforeLine193();
        m_sch3->CalculateTaxableCapGain();
        setLine(T1::F_MortgageForeclosure, m_sch3->getMortgageForClosureAndConditionSale());
        setLine(T1::F_12700, taxableCapitalGain(deceased));
    }
    addLine(T1::F_12700, line(T1::F_SharedCapitalGain));
}

// Lines 12000 and 12010 from a worksheet that was there before this round.
void Stage1Steps::dividends()
{
    if (m_hadWsd1 && m_wsd1) {
        m_wsd1->Calculate01();
        setLine(T1::F_12010, m_wsd1->getF12010());
        setLine(T1::F_12000, m_wsd1->getF12000());
    } else {
        setLine(T1::F_12000, 0.0);
        setLine(T1::F_12010, 0.0);
    }
}

// Spousal RRSP and RRIF withdrawals taxed to the contributor.
void Stage1Steps::spousalWithdrawals()
{
    auto *t2205 = m_p.singleFormAs<CTaxData_T2205>(FormType::T2205);
    if (!t2205)
        return;
    t2205->setText(CTaxData_T2205::F_Year, QStringLiteral("2024"));
    t2205->setText(CTaxData_T2205::F_FullName, m_t->ConstructFullName());
    t2205->setText(CTaxData_T2205::F_SIN, m_t->sin());
    t2205->setText(CTaxData_T2205::F_SpouseName, m_t->spouseFirstName() + QLatin1Char(' ') + m_t->spouseLastName());
    t2205->Calculate01();
    setLine(T1::F_SpousalTransfer, -t2205->amount(CTaxData_T2205::F_Income));
    addLine(m_t->GetAge() < kPensionAge ? T1::F_13000 : T1::F_11500, t2205->amount(CTaxData_T2205::F_Income));
}

void Stage1Steps::provinceOfBusiness()
{
    m_t->setIntValue(T1::F_ProvinceOfBusiness, m_p.hasSelfEmploymentForms() ? m_t->getMainTaxProvince() : 0);
}

namespace {

const StageStep<Stage1Steps> kStage1[] = {
    {"every entry", &Stage1Steps::everyEntry},
    {"province name", &Stage1Steps::provinceName},
    {"slip totals", &Stage1Steps::slipTotals},
    {"slip amounts reset", &Stage1Steps::resetSlipAmounts},
    {"spouse information", &Stage1Steps::spouseInformation},
    {"lines from zero", &Stage1Steps::linesFromZero},
    {"advance Canada workers benefit", &Stage1Steps::advanceWorkersBenefit},
    {"slip income lines", &Stage1Steps::slipIncomeLines},
    {"slip investment amounts", &Stage1Steps::slipInvestmentAmounts},
    {"exempt income", &Stage1Steps::exemptIncome},
    {"slip amounts on forms", &Stage1Steps::slipAmountsOnForms},
    {"T4 slips on the CPT20", &Stage1Steps::t4SlipsOnCpt20},
    {"CPP form choice", &Stage1Steps::cppFormChoice},
    {"T4 totals on the CPP forms", &Stage1Steps::t4TotalsOnCppForms},
    {"EI and PPIP", &Stage1Steps::eiAndPpip},
    {"slip donations and deferred options", &Stage1Steps::slipDonationsAndDeferredOptions},
    {"dividend worksheet", &Stage1Steps::dividendWorksheet},
    {"other slip lines", &Stage1Steps::otherSlipLines},
    {"PRPP contributions", &Stage1Steps::prppContributions},
    {"RC383", &Stage1Steps::rc383},
    {"accrued annuity income", &Stage1Steps::accruedAnnuityIncome},
    {"repayments and withdrawals", &Stage1Steps::repaymentsAndWithdrawals},
    {"FHSA and tuition", &Stage1Steps::fhsaAndTuition},
    {"pension split", &Stage1Steps::pensionSplit},
    {"edited tax-wizard record", &Stage1Steps::editedWizardRecord},
    {"filing status and discounter", &Stage1Steps::filingStatusAndDiscounter},
    {"statement lines from zero", &Stage1Steps::statementLinesFromZero},
    {"partnerships", &Stage1Steps::partnerships},
    {"deferred options and T2043", &Stage1Steps::deferredOptionsAndT2043},
    {"rental and farming statements", &Stage1Steps::rentalAndFarmingStatements},
    {"restricted farm loss", &Stage1Steps::restrictedFarmLoss},
    {"fishing and business statements", &Stage1Steps::fishingAndBusinessStatements},
    {"principal residences", &Stage1Steps::principalResidences},
    {"gifts and reserves", &Stage1Steps::giftsAndReserves},
    {"capital gains", &Stage1Steps::capitalGains},
    {"dividends", &Stage1Steps::dividends},
    {"spousal withdrawals", &Stage1Steps::spousalWithdrawals},
    {"province of business", &Stage1Steps::provinceOfBusiness},
};

} // namespace

int IndividualTaxData::calculateStage1(const StageValues &v)
{
    if (!v.t1)
        return 0;
    Stage1Steps steps(*this, v);
    runStageSteps("stage 1", kStage1, steps);
    return steps.formsMade();
}
