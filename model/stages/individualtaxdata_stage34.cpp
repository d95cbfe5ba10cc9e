// Stages 3 and 4: days, Schedules 5, 11, 12 and 2; then the federal tax.
#include "ctaxdata_t1219.h"
#include "dependantinfostruct.h"
#include "formcast.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "stageamounts.h"
#include "stagesteps.h"
#include "struct_tax_stairs_jurisdiction.h"
#include "taxdata_sch11.h"
#include "taxdata_sch12_2016.h"
#include "taxdata_sch2.h"
#include "taxdata_sch3.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_sch9.h"
#include "taxdata_t1170.h"
#include "taxdata_t1172new.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2038new.h"
#include "taxdata_t691new.h"
#include "taxdata_t777new.h"
#include "taxdata_t90.h"
#include "taxdata_ws_d1.h"
#include "taxrates2024.h"
#include <QtGlobal>

namespace {

using T1 = TaxData_T1New;

// Schedule 11 switches to the tax-derived base once the previous base passes the first bracket.
const double kFirstBracketTop = tax2024::fed::kBrackets[1].lower;
constexpr double kLowestRate = 0.15;
// Spouse's age amount of Schedule 2 (2024).
constexpr double kAgeAmountMax = 8790.0;
constexpr double kAgeAmountThreshold = 44325.0;
constexpr double kAgeAmountRate = 0.15;
// Refundable Quebec abatement.
constexpr double kQuebecAbatementRate = 0.165;


} // namespace

// Employment expenses of the T777 forms of a commission employee (line 22900 in part).
double IndividualTaxData::commissionEmployeeExpenses() const
{
    double total = 0.0;
    for (const FormEntry *e : m_forms.withKey(FormType::T777))
        if (const auto *f = formAs<TaxData_T777New>(e->object, FormType::T777))
            if (f->amount(TaxData_T777New::F_Commission) >= 0.01)
                total += f->amount(TaxData_T777New::F_Deduction);
    return total;
}

// ---- stage 3: the days of the year and the credit schedules before the federal tax

class Stage3Steps
{
public:
    Stage3Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &v)
        : m_p(person), m_v(v), m_t(v.t1), m_prorated(qMin(v.residenceDays, v.bankruptDays))
    {
    }

    void dayCounts();
    void schedule5();
    void schedule11();
    void schedule12();
    void adoptionExpenses();
    void schedule2Inputs();

private:
    double creditsBeforeTuition() const;

    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    T1 *m_t;
    const int m_prorated;
};

void Stage3Steps::dayCounts()
{
    m_t->setAmount(T1::F_DaysInYear, m_v.daysInYear);
    m_t->setAmount(T1::F_DaysBeforeBankruptcy, m_v.bankruptDays);
    m_t->setAmount(T1::F_ResidenceDays, m_v.residenceDays);
    m_t->setAmount(T1::F_ResidenceDays2, m_v.residenceDays);
    m_t->setAmount(T1::F_ProratedDays, m_prorated);
}

// Spouse, eligible dependant and caregiver amounts (lines 30300, 30400, 30425, 30450).
void Stage3Steps::schedule5()
{
    using S = TaxData_Sch5;
    auto *sch5 = m_p.singleFormAs<S>(FormType::Schedule5);
    if (!sch5) {
        for (int f : {T1::F_30300, T1::F_30400, T1::F_30425, T1::F_30450})
            m_t->setAmount(f, 0.0);
        return;
    }
    sch5->setAmount(S::F_ProratedDays, m_prorated);
    sch5->setAmount(S::F_ResidenceDays, m_v.residenceDays);
    sch5->setAmount(S::F_BankruptDays, m_v.bankruptDays);
    sch5->setAmount(S::F_DaysInYear, m_v.daysInYear);
    sch5->setAmount(S::F_OtherAmount, m_t->amount(T1::F_23600));
    sch5->setFlag(S::F_MaritalChange, m_t->HasMaritalChange());
    sch5->setDate(S::F_Date, m_t->sch5Date());
    sch5->setFlag(S::F_HasSpouse, m_t->HasSpouse());
    sch5->setFlag(S::F_CanClaimSpouse, m_t->CanClaimSpouse());
    sch5->setAmount(S::F_SpouseNetIncome, m_t->getSpouseNetIncForSpouseCredit(true));
    sch5->setAmount(S::F_SpouseUCCB, m_t->amount(T1::F_SpouseUCCB));
    sch5->Calculate01();
    m_t->setAmount(T1::F_30300, sch5->amount(S::F_SpouseAmount));
    m_t->setAmount(T1::F_30400, sch5->prorated(sch5->amount(S::F_EligibleDependant)));
    m_t->setAmount(T1::F_30450, sch5->prorated(sch5->amount(S::F_CaregiverAmount)));
    m_t->setAmount(T1::F_30425, tax2024::cents(sch5->amount(S::F_SpouseCaregiver)
                                               + sch5->prorated(sch5->amount(S::F_DependantCaregiver))));
}

// The credits claimed before tuition (Schedule 12's line from the previous pass).
double Stage3Steps::creditsBeforeTuition() const
{
    return sumOf(*m_t, {T1::F_30000, T1::F_30100, T1::F_30300, T1::F_30400, T1::F_30425, T1::F_30450,
                        T1::F_30500, T1::F_30800, T1::F_31000, T1::F_31200, T1::F_31205, T1::F_31210,
                        T1::F_31215, T1::F_31217, T1::F_31220, T1::F_31240, T1::F_31260, T1::F_31270,
                        T1::F_31285, T1::F_31300, T1::F_31350, T1::F_31400, T1::F_31600, T1::F_31800,
                        T1::F_31900});
}

// Tuition amount claimed (line 32300) and the Canada training credit (line 45350).
void Stage3Steps::schedule11()
{
    using S = TaxData_Sch11;
    auto *sch11 = m_p.singleFormAs<S>(FormType::Schedule11);
    if (!sch11) {
        m_t->setAmount(T1::F_32300, 0.0);
        m_t->setAmount(T1::F_45350, 0.0);
        return;
    }
    const bool hasT1206 = m_p.singleForm(FormType::T1206) != nullptr;
    const double tax = m_t->amount(T1::F_40400);
    sch11->setAmount(S::F_TaxBase, tax);
    double base = positive(sch11->amount(S::F_IncomeBase) - kFirstBracketTop) ? tax / kLowestRate
                                                                              : m_t->amount(T1::F_26000);
    if (hasT1206)
        base += m_t->amount(T1::F_23200);
    sch11->setAmount(S::F_IncomeBase, qMax(0.0, base));
    // the training credit of line 45350, whatever the province
    sch11->setFlag(S::F_ClaimAllowed, m_t->isClaimAllowed(Province::None, 45350));
    sch11->setAmount(S::F_CreditsBefore, creditsBeforeTuition());
    sch11->Calculate01();
    m_t->setAmount(T1::F_32300, sch11->amount(S::F_ClaimedAmount));
    m_t->setAmount(T1::F_45350, sch11->amount(S::F_TrainingCredit));
}

// The home accessibility expenses (line 31285).
void Stage3Steps::schedule12()
{
    if (auto *sch12 = m_p.singleFormAs<TaxData_Sch12_2016>(FormType::Schedule12HAE)) {
        sch12->Calculate01();
        m_t->setAmount(T1::F_31285, sch12->amount(TaxData_Sch12_2016::F_Amount));
    } else {
        m_t->setAmount(T1::F_31285, 0.0);
    }
}

// Line 31300: the adoption expenses of each child, up to the maximum per child.
void Stage3Steps::adoptionExpenses()
{
    double adoption = 0.0;
    for (int child = T1::F_31300Child1; child <= T1::F_31300Child6; ++child)
        adoption += qBound(0.0, m_t->amount(child), tax2024::fed::kAdoptionExpensesMax);
    m_t->setAmount(T1::F_31300, adoption);
}

void Stage3Steps::schedule2Inputs()
{
    using S = TaxData_Sch2;
    auto *sch2 = m_p.singleFormAs<S>(FormType::Schedule2);
    if (!sch2)
        return;
    sch2->setFlag(S::F_SpouseAge65, m_t->IsSpouseAgeNotUnder65());
    sch2->setFlag(S::F_SpouseAge18, m_t->IsSpouseAgeNotUnder18());
    sch2->setFlag(S::F_CanClaim, m_t->canClaimSch2());
}

namespace {
const StageStep<Stage3Steps> kStage3[] = {
    {"day counts", &Stage3Steps::dayCounts},
    {"Schedule 5", &Stage3Steps::schedule5},
    {"Schedule 11", &Stage3Steps::schedule11},
    {"Schedule 12", &Stage3Steps::schedule12},
    {"adoption expenses", &Stage3Steps::adoptionExpenses},
    {"Schedule 2 inputs", &Stage3Steps::schedule2Inputs},
};
} // namespace

int IndividualTaxData::calculateStage3(const StageValues &v)
{
    Stage3Steps steps(*this, v);
    runStageSteps("stage 3", kStage3, steps);
    return 0;
}

// ---- stage 4: the federal tax, the minimum tax and the provinces' tax

class Stage4Steps
{
public:
    Stage4Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &v);

    void schedule2Transfer();
    void donations();
    void t1FlagsAndMedicalExpenses();
    void federalTaxFirstStep();
    void basicFederalTax();
    void minimumTaxToLine65();
    void quebecAbatement();
    void foreignTaxCredits();
    void provincesFirstPart();
    void investmentTaxCreditToLineD();
    void minimumTaxToLine95();
    void investmentTaxCredit();
    void netFederalTaxBeforeSplitIncome();
    void federalTaxOnSplitIncome();
    void minimumTax();
    void accumulatedIncomePayments();
    void netFederalTax();
    void provincialTax();
    void selfEmploymentTotals();
    void workersBenefitInputs();
    void indianActIncome();

private:
    void setMinimumTaxIncome();
    void setMinimumTaxGains();
    bool minimumTaxPayable() const { return m_t691 && positive(m_t691->amount(TaxData_T691New::F_MinimumTax)); }

    IndividualTaxData &m_p;
    const IndividualTaxData::StageValues &m_v;
    T1 *m_t;
    // the forms of this stage, found before its first step
    TaxData_Sch3 *m_sch3;
    TaxData_WS_D1 *m_wsD1;
    TaxData_T691New *m_t691;
    CTaxData_T1219 *m_t1219;
    TaxData_T1170 *m_t1170;
    TaxData_Sch2 *m_sch2;
    TaxData_Sch5 *m_sch5;
    // found by the steps that first use them
    TaxData_T1206New *m_t1206 = nullptr;
    TaxData_T2038New *m_t2038 = nullptr;
    TaxData_Sch6 *m_sch6 = nullptr;
    double m_t1212Value = 0.0;
    bool m_minimumTax = false;
};

Stage4Steps::Stage4Steps(IndividualTaxData &person, const IndividualTaxData::StageValues &v)
    : m_p(person),
      m_v(v),
      m_t(v.t1),
      m_sch3(person.singleFormAs<TaxData_Sch3>(FormType::Schedule3)),
      m_wsD1(person.singleFormAs<TaxData_WS_D1>(FormType::Worksheet5000D1)),
      m_t691(person.singleFormAs<TaxData_T691New>(FormType::T691)),
      m_t1219(person.singleFormAs<CTaxData_T1219>(FormType::T1219)),
      m_t1170(person.singleFormAs<TaxData_T1170>(FormType::T1170)),
      m_sch2(person.singleFormAs<TaxData_Sch2>(FormType::Schedule2)),
      m_sch5(person.singleFormAs<TaxData_Sch5>(FormType::Schedule5))
{
}

// Amounts transferred from the spouse (line 32600), prorated to the days before bankruptcy.
void Stage4Steps::schedule2Transfer()
{
    using S = TaxData_Sch2;
    if (!m_sch2) {
        m_t->setAmount(T1::F_32600, 0.0);
        return;
    }
    // the spouse's age amount: when the preparer says the spouse is 65 or older, or the
    // spouse's date of birth shows it
    const bool ageFlag =
        m_t->canClaimSch2() && (m_sch2->flag(S::F_AgeAnswer) || m_sch2->flag(S::F_SpouseAge65));
    m_sch2->setAmount(S::F_DaysInYear, int(m_t->amount(T1::F_DaysInYear)));
    m_sch2->setAmount(S::F_ResidenceDays, int(m_t->amount(T1::F_ResidenceDays)));
    const double spouseNet = m_t->getSpouseNetIncForSpouseCredit(false);
    m_sch2->setAmount(S::F_SpouseAgeAmount,
                      m_t->CalculateAgeAmount(ageFlag, spouseNet, m_v.daysInYear, m_v.daysInYear, kAgeAmountMax,
                                              kAgeAmountThreshold, kAgeAmountRate));
    if (m_t->canNotOverwriteSpouseAgeAmount())
        m_sch2->setFlag(S::F_AllowOverwrite, false);
    m_sch2->Calculate01();
    m_t->setAmount(T1::F_32600, m_v.daysInYear > 0
                                    ? m_sch2->amount(S::F_Result) * m_v.bankruptDays / m_v.daysInYear
                                    : 0.0);
}

// Schedule 9 gives the donations credit (line 34900).
void Stage4Steps::donations()
{
    using S = TaxData_Sch9;
    auto *sch9 = m_p.singleFormAs<S>(FormType::Schedule9);
    if (!sch9) {
        m_t->setAmount(T1::F_34900, 0.0);
        return;
    }
    sch9->setAmount(S::F_CapitalGains, m_t->amount(T1::F_12700));
    sch9->setFlag(S::F_Deceased, m_t->IsDeceased());
    sch9->setAmount(S::F_NetIncome, m_t->amount(T1::F_23600));
    sch9->setAmount(S::F_TaxableIncome, m_t->amount(T1::F_26000));
    sch9->Calculate01();
    m_t->setAmount(T1::F_34900, sch9->amount(S::F_Credit));
}

// The T1's flags, the caregiver amount for children from Schedule 5, allowable medical expenses.
void Stage4Steps::t1FlagsAndMedicalExpenses()
{
    m_t->setFlag(T1::F_DeceasedFlag, m_t->IsDeceased());
    m_t->setFlag(T1::F_Under18Flag, m_t->IsAgeUnder18());
    m_t->setFlag(T1::F_SpouseInfoFlag, m_p.hasSpouseInformation());
    m_t->setAmount(T1::F_30500, m_sch5 ? m_sch5->amount(TaxData_Sch5::F_CaregiverChild) : 0.0);
    m_t->setAmount(T1::F_33200, m_t->amount(T1::F_33099) + m_t->amount(T1::F_33199));
}

// The non-refundable credits and the first step of the federal tax.
void Stage4Steps::federalTaxFirstStep()
{
    m_t->CalculateLine314ByWorkSheet();
    m_p.calculatePensionSplitTax();
    m_t->CalculateField338AndField410_414();
    m_t->CalculateField350();
    m_t->CalculateFedTax1stStep();
}

// Tax on split income, basic federal tax (line 40400), deferred security option benefits.
void Stage4Steps::basicFederalTax()
{
    m_t1206 = m_p.singleFormAs<TaxData_T1206New>(FormType::T1206);
    m_t->setAmount(T1::F_40424, m_t1206 ? m_t1206->amount(TaxData_T1206New::F_TaxOnSplitIncome) : 0.0);
    m_t->CalculateField404();
    if (auto *t1212 = m_p.singleFormAs<TaxData_T1212New>(FormType::T1212))
        m_t1212Value = t1212->getF67910();
    m_t->setAmount(T1::F_T1212Deferred, m_t1212Value);
}

// The deductions of which the minimum tax allows only half (T691 (24)): union and
// professional dues, child care, disability supports, moving, CPP/QPP on self-employment
// and enhanced contributions, PPIP, carrying charges, clergy residence, the Canadian
// Forces and police deduction, line 25000, limited-partnership and non-capital losses,
// the northern residents deductions; employment expenses apart (a commission employee's
// count whole).
namespace {
const std::initializer_list<int> kMinimumTaxHalvedLines = {
    T1::F_21200, T1::F_21400, T1::F_21500, T1::F_21900, T1::F_22100, T1::F_22200, T1::F_22215, T1::F_22300,
    T1::F_23100, T1::F_24400, T1::F_25000, T1::F_25100, T1::F_25200, T1::F_25500};
} // namespace

// The T691's income and credit lines from the T1.
void Stage4Steps::setMinimumTaxIncome()
{
    using M = TaxData_T691New;
    m_t691->setAmount(M::F_TaxableIncome, m_t->amount(T1::F_26000));
    m_t691->setAmount(M::F_DividendGross, m_t->amount(T1::F_12000));
    m_t691->setAmount(M::F_OtherDividends, m_t->amount(T1::F_12010));
    m_t691->setAmount(M::F_Donations, m_t->amount(T1::F_34900));
    m_t691->setAmount(M::F_Credits33800, m_t->amount(T1::F_33800));
    m_t691->setAmount(M::F_PoliticalCredit, m_t->amount(T1::F_41000));
    // basic federal tax before the carryover, with the political contribution credit as in the comparison
    m_t691->setAmount(M::F_RegularBeforeCarryover,
                      qMax(0.0, m_t->amount(T1::F_40400) - m_t->amount(T1::F_35000) - m_t->amount(T1::F_40425))
                          + m_t->amount(T1::F_41000));
    m_t691->setAmount(M::F_Exemption, tax2024::forms::kAmtExemption);
    m_t691->setAmount(M::F_GainsDeductions, m_t->amount(T1::F_25395) + m_t->amount(T1::F_25400));
    m_t691->setAmount(M::F_SecurityOptions, m_t->amount(T1::F_24900));
    m_t691->setAmount(M::F_HalvedDeductions,
                      sumOf(*m_t, kMinimumTaxHalvedLines)
                          + qMax(0.0, m_t->amount(T1::F_22900) - m_p.commissionEmployeeExpenses()));
}

// The T691's capital gains lines from Schedule 3 and the T1170: the gains left out on
// gifts of listed securities count through the T1170's line 24 (at 30 %), not whole.
void Stage4Steps::setMinimumTaxGains()
{
    using M = TaxData_T691New;
    using G = TaxData_Sch3;
    m_t691->setAmount(M::F_CapitalGains, m_sch3 ? m_sch3->amount(G::F_TaxableGain) : 0.0);
    m_t691->setAmount(M::F_OtherGains,
                      m_sch3 ? sumOf(*m_sch3, {G::F_T3T5Gains, G::F_T5013Gains, G::F_T2017Reserves, G::F_T1170Gains})
                             : 0.0);
    m_t691->setAmount(M::F_T1170Line24, m_t1170 ? m_t1170->feedT691Line24() : 0.0);
}

// The minimum tax up to its line 65 and the carryover applied (line 40427).
void Stage4Steps::minimumTaxToLine65()
{
    using M = TaxData_T691New;
    if (!m_t691) {
        m_t->setAmount(T1::F_40427, 0.0);
        return;
    }
    setMinimumTaxIncome();
    setMinimumTaxGains();
    m_t691->setAmount(M::F_T1212Value, m_t1212Value);
    m_t691->setAmount(M::F_T1206Amount, m_t1206 ? m_t1206->amount(TaxData_T1206New::F_SplitIncome) : 0.0);
    m_t691->setAmount(M::F_Deductions, m_t1206 ? m_t1206->amount(TaxData_T1206New::F_TOSIDeduction)
                                               : m_t->amount(T1::F_23200));
    m_t691->CalculateToLine65andMinitaxCarryOverAndLine102();
    m_t->setAmount(T1::F_40427, m_t691->amount(M::F_CarryoverApplied));
}

// Basic federal tax (line 42900); the Quebec abatement only where the main tax province is Quebec.
void Stage4Steps::quebecAbatement()
{
    m_t->CalculateField429AndNonResiSurTax();
    const double basicTax = m_t->amount(T1::F_42900);
    m_t->setAmount(T1::F_BasicFedTaxCopy, basicTax);
    const bool minimumTaxQuebec = m_p.province() == Province::Quebec && minimumTaxPayable();
    m_t->setAmount(T1::F_AbatementBase,
                   minimumTaxQuebec ? m_t691->amount(TaxData_T691New::F_Line95) : basicTax);
    m_t->setAmount(T1::F_44000, m_t->getMainTaxProvince() == Province::Quebec
                                    ? kQuebecAbatementRate * m_t->amount(T1::F_AbatementBase)
                                    : 0.0);
}

// The 15 % adjustment again on the credits just worked: stage 2 could only take those of
// the pass before, and a recalculation run again would otherwise move it.
void Stage4Steps::foreignTaxCredits()
{
    m_p.calculateForeignTaxCredits();
    m_p.adjustForeignTaxCredits();
}

void Stage4Steps::provincesFirstPart()
{
    m_p.m_provinceManager.calculateStagePart1(m_t);
}

// The investment tax credit up to line D, with the net federal tax before it between.
void Stage4Steps::investmentTaxCreditToLineD()
{
    using I = TaxData_T2038New;
    m_t2038 = m_p.singleFormAs<I>(FormType::T2038IND);
    if (m_t2038) {
        m_t2038->CalculateToLineC();
        m_t->setAmount(T1::F_41200, m_t2038->amount(I::F_LineC));
    }
    m_t->CalculateField406();
    if (m_t2038) {
        m_t2038->setAmount(I::F_NetFederalTax, m_t->amount(T1::F_40600) - m_t->amount(T1::F_40500));
        m_t2038->setAmount(I::F_AMTAmount, m_t->amount(T1::F_40427));
        m_t2038->CalculateToLineD();
    }
}

void Stage4Steps::minimumTaxToLine95()
{
    using M = TaxData_T691New;
    if (m_t691) {
        m_t691->setAmount(M::F_Credits33800, m_t->amount(T1::F_33800));
        m_t691->setAmount(M::F_Donations, m_t->amount(T1::F_34900));
        m_t691->setAmount(M::F_PoliticalCredit, m_t->amount(T1::F_41000));
        m_t691->setAmount(M::F_ITCAmounts, m_t2038 ? m_t2038->amount(TaxData_T2038New::F_LineC)
                                                         + m_t2038->amount(TaxData_T2038New::F_LineD)
                                                   : 0.0);
        m_t691->setAmount(M::F_DividendCredit, m_t->amount(T1::F_40425));
        m_t691->CalculateToLine95();
    }
    m_minimumTax = minimumTaxPayable();
}

// The investment tax credit to its end: line 41200 and the refund of line 45400.
void Stage4Steps::investmentTaxCredit()
{
    using I = TaxData_T2038New;
    if (!m_t2038) {
        m_t->setAmount(T1::F_41200, 0.0);
        m_t->setAmount(T1::F_45400, 0.0);
        return;
    }
    m_t2038->setAmount(I::F_T691Amount, m_t691 ? m_t691->amount(TaxData_T691New::F_Line95) : 0.0);
    m_t2038->CalculateToEnd(m_minimumTax);
    m_t->setAmount(T1::F_41200, m_t2038->amount(I::F_Credit));
    m_t->setAmount(T1::F_45400, m_t2038->amount(I::F_Refund));
}

void Stage4Steps::netFederalTaxBeforeSplitIncome()
{
    m_t->CalculateField417(m_minimumTax);
}

// The T1206's federal part: tax on split income (line 40424).
void Stage4Steps::federalTaxOnSplitIncome()
{
    using S = TaxData_T1206New;
    if (!m_t1206) {
        m_t->setFlag(T1::F_SplitIncomeFlag, false);
        m_t->setAmount(T1::F_40424, 0.0);
        return;
    }
    m_t1206->setAmount(S::F_FederalTaxable, m_t->amount(T1::F_26000));
    m_t1206->setAmount(S::F_DividendCredit, m_t->amount(T1::F_40425));
    m_t1206->setAmount(S::F_TOSIOther, m_t->amount(T1::F_23200));
    m_t1206->CalculateFederal();
    m_t->setFlag(T1::F_SplitIncomeFlag, true);
    m_t->setAmount(T1::F_40424, m_t1206->amount(S::F_TaxOnSplitIncome));
}

// The minimum tax to its end; its excess over the regular tax on the T1.
void Stage4Steps::minimumTax()
{
    using M = TaxData_T691New;
    if (!m_t691) {
        m_t->setAmount(T1::F_MinimumTaxExcess, 0.0);
        return;
    }
    // regular tax for the comparison: three T1 amounts and the tax on split income
    const double splitTax = m_t1206 ? m_t1206->amount(TaxData_T1206New::F_TaxOnSplitIncome) : 0.0;
    m_t691->setAmount(M::F_BasicTax, m_t->amount(T1::F_42900) + m_t->amount(T1::F_41000)
                                         + m_t->amount(T1::F_41200) + splitTax);
    m_t691->CalculateToEnd();
    const bool applies = nonZero(m_t691->amount(M::F_MinimumAmount)) && nonZero(m_t691->amount(M::F_Line95))
        && nonZero(m_t691->amount(M::F_MinimumTax));
    // cleared otherwise, so that an amount of an earlier pass does not stay
    m_t->setAmount(T1::F_MinimumTaxExcess, applies ? m_t691->amount(M::F_Result) : 0.0);
}

// Tax on accumulated income payments; replaces the part added to line 41800 on the previous pass.
void Stage4Steps::accumulatedIncomePayments()
{
    using A = TaxData_T1172New;
    double aipTax = 0.0;
    if (auto *t1172 = m_p.singleFormAs<A>(FormType::T1172)) {
        t1172->setIntValue(A::F_Province, m_p.province());
        t1172->setText(A::F_FirstName, m_t->firstName());
        t1172->setText(A::F_LastName, m_t->lastName());
        CString address;
        m_t->GetFullAddressWithoutPostcode(0, address);
        t1172->setText(A::F_Address, address);
        t1172->setText(A::F_SIN, m_t->sin());
        t1172->Calculate01();
        const int field = !t1172->flag(A::F_SwitchA) ? A::F_FederalTax
                                                     : (t1172->flag(A::F_SwitchB) ? A::F_QuebecTax : A::F_Result);
        aipTax = t1172->amount(field);
    }
    m_t->setAmount(T1::F_41800, m_t->amount(T1::F_41800) - m_t->amount(T1::F_T1172Tax) + aipTax);
    m_t->setAmount(T1::F_T1172Tax, aipTax);
}

void Stage4Steps::netFederalTax()
{
    m_t->CalculateFedTax();
}

// The provinces' tax on their 428 forms.
void Stage4Steps::provincialTax()
{
    QList<CTaxData_Form *> foreignTaxCredits;
    m_p.collectForeignTaxCreditForms(foreignTaxCredits);
    ProvStageForms forms;
    forms.t1 = m_t;
    forms.sch3 = m_sch3;
    forms.sch2 = m_sch2;
    forms.wsD1 = m_wsD1;
    forms.sch5 = m_sch5;
    forms.sch9 = m_p.singleForm(FormType::Schedule9);
    forms.sch11 = m_p.singleForm(FormType::Schedule11);
    forms.t1206 = m_t1206;
    forms.foreignTaxCredits = &foreignTaxCredits;
    forms.t691 = m_t691;
    forms.t1219 = m_t1219;
    m_p.m_provinceManager.calculateStagePart4(forms);
}

void Stage4Steps::selfEmploymentTotals()
{
    const double selfEmployment = m_p.totalSelfEmploymentIncome();
    m_t->setAmount(T1::F_SelfEmploymentTotal, selfEmployment);
    m_t->setAmount(T1::F_SelfEmploymentRemainder, m_p.selfEmploymentIncomeRemainder(selfEmployment));
}

// Schedule 6's inputs for the Canada workers benefit.
void Stage4Steps::workersBenefitInputs()
{
    using W = TaxData_Sch6;
    m_sch6 = m_p.singleFormAs<W>(FormType::Schedule6);
    if (!m_sch6)
        return;
    m_sch6->setPartnerFacts(false, false); // the couple's exchange after this stage sets them
    m_sch6->setIntValue(W::F_SpouseFlag, m_t->HasSpouse() ? 1 : 0);
    m_sch6->setFlag(W::F_EligibleDependant, nonZero(m_t->amount(T1::F_30400)));
    m_sch6->setFlag(W::F_Disabled, m_t->isDisabled());
    const DependantInfoStruct *dependants = m_p.m_dependants;
    m_sch6->setIntValue(W::F_Dependants, dependants ? dependants->GetDepChildrenNumberBetweenAges(0, 18) : 0);
    m_sch6->setAmount(W::F_WorkingIncome, m_t->amount(T1::F_10100) + m_t->amount(T1::F_10400)
                                              + m_t->amount(T1::F_SelfEmploymentTotal));
    m_sch6->setAmount(W::F_AdjustedNetIncome, m_t->amount(T1::F_23600) + m_t->amount(T1::F_21300)
                                                  + m_t->amount(T1::F_23200) - m_t->amount(T1::F_11700)
                                                  - m_t->amount(T1::F_12500));
    m_sch6->setAmount(W::F_SpouseNetIncome, m_t->amount(T1::F_SpouseNetIncome) - m_t->amount(T1::F_SpouseUCCB));
    m_sch6->setAmount(W::F_IncomePairA, m_t->amount(T1::F_23600));
    m_sch6->setAmount(W::F_IncomePairB, m_t->amount(T1::F_23600));
}

// The T90's income exempt under the Indian Act, added to Schedule 6's income pairs.
void Stage4Steps::indianActIncome()
{
    using W = TaxData_Sch6;
    auto *t90 = m_p.singleFormAs<TaxData_T90>(FormType::T90);
    if (!t90)
        return;
    m_t->setFlag(T1::F_T90Flag, true);
    t90->Calculate01();
    if (m_sch6) {
        m_sch6->setAmount(W::F_IncomePairA,
                          m_sch6->amount(W::F_IncomePairA) + t90->amount(TaxData_T90::F_WorkingIncome));
        m_sch6->setAmount(W::F_IncomePairB,
                          m_sch6->amount(W::F_IncomePairB) + t90->amount(TaxData_T90::F_NetIncomeAdd));
    }
}

namespace {
const StageStep<Stage4Steps> kStage4[] = {
    {"Schedule 2 transfer", &Stage4Steps::schedule2Transfer},
    {"donations", &Stage4Steps::donations},
    {"T1 flags and medical expenses", &Stage4Steps::t1FlagsAndMedicalExpenses},
    {"federal tax first step", &Stage4Steps::federalTaxFirstStep},
    {"basic federal tax", &Stage4Steps::basicFederalTax},
    {"minimum tax to line 65", &Stage4Steps::minimumTaxToLine65},
    {"Quebec abatement", &Stage4Steps::quebecAbatement},
    {"foreign tax credits", &Stage4Steps::foreignTaxCredits},
    {"provinces first part", &Stage4Steps::provincesFirstPart},
    {"investment tax credit to line D", &Stage4Steps::investmentTaxCreditToLineD},
    {"minimum tax to line 95", &Stage4Steps::minimumTaxToLine95},
    {"investment tax credit", &Stage4Steps::investmentTaxCredit},
    {"net federal tax before split income", &Stage4Steps::netFederalTaxBeforeSplitIncome},
    {"federal tax on split income", &Stage4Steps::federalTaxOnSplitIncome},
    {"minimum tax", &Stage4Steps::minimumTax},
    {"accumulated income payments", &Stage4Steps::accumulatedIncomePayments},
    {"net federal tax", &Stage4Steps::netFederalTax},
    {"provincial tax", &Stage4Steps::provincialTax},
    {"self-employment totals", &Stage4Steps::selfEmploymentTotals},
    {"Canada workers benefit inputs", &Stage4Steps::workersBenefitInputs},
    {"Indian Act income", &Stage4Steps::indianActIncome},
};
} // namespace

int IndividualTaxData::calculateStage4(const StageValues &v)
{
    Stage4Steps steps(*this, v);
    runStageSteps("stage 4", kStage4, steps);
    return 0;
}
