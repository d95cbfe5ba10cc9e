#include "ctaxdata_form.h"
#include "dependantinfostruct.h"
#include "individualtaxdata.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t4e.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t2209_2036.h"
#include "taxdata_t691new.h"
#include "taxdata_t778new.h"
#include "taxdata_ws_d1.h"
#include "taxrates2024.h"
#include <QtGlobal>
#include <cmath>

namespace {

using T1 = TaxData_T1New;
using T2209 = TaxData_T2209_2036;

constexpr int kTaxYear = 2024;

// Canada workers benefit thresholds of one province: working-income thresholds
// and net-income limits (where the benefit reaches nil), with and without the
// disability supplement, single and family.
struct CwbThresholds
{
    double disabledThreshold[2];  // single, family
    double disabledLimit[2];
    double threshold[2];
    double limit[2];
};

namespace cwb = tax2024::cwb;

// Net-income limit of the disability supplement above a basic limit.
constexpr double withSupplement(double basicLimit) { return basicLimit + cwb::kDisabilityMax / cwb::kPhaseOutRate; }

constexpr double kLimitSingle = cwb::kThresholdSingle + cwb::kBasicMaxSingle / cwb::kPhaseOutRate;
constexpr double kLimitFamily = cwb::kThresholdFamily + cwb::kBasicMaxFamily / cwb::kPhaseOutRate;

// Federal figures, used by every province without a regime of its own.
constexpr CwbThresholds kFederal = {
    {cwb::kDisabilityWorkingIncomeFloor, cwb::kDisabilityWorkingIncomeFloor},
    {cwb::kDisabilityThresholdSingle + cwb::kDisabilityMax / cwb::kPhaseOutRate,
     cwb::kDisabilityThresholdFamily + cwb::kDisabilityMax / cwb::kPhaseOutRate},
    {cwb::kWorkingIncomeFloor, cwb::kWorkingIncomeFloor},
    {kLimitSingle, kLimitFamily},
};

// Alberta's and Nunavut's reconfigured benefit: their own working-income
// thresholds and the 2024 nil points published by the CRA.
constexpr CwbThresholds kAlberta = {
    {910.0, 910.0}, {withSupplement(36832.0), withSupplement(48918.0)}, {2760.0, 2760.0}, {36832.0, 48918.0}};
constexpr CwbThresholds kNunavut = {
    {4800.0, 4800.0}, {withSupplement(65577.0), withSupplement(65595.0)}, {6000.0, 6000.0}, {65577.0, 65595.0}};
constexpr CwbThresholds kNone = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};

const CwbThresholds &cwbThresholds(int province)
{
    if (province < Province::Alberta || province > Province::Yukon)
        return kNone;
    if (province == Province::Alberta)
        return kAlberta;
    if (province == Province::Nunavut)
        return kNunavut;
    return kFederal;
}

// Quebec's own thresholds of the suggestion (working income a, net-income limit E).
struct QuebecCwbCase
{
    double threshold;
    double limit;
};
QuebecCwbCase quebecCwbCase(bool spouse, bool children)
{
    if (spouse)
        return children ? QuebecCwbCase{2400.0, 23718.79} : QuebecCwbCase{3600.0, 31434.05};
    return children ? QuebecCwbCase{2400.0, 16974.03} : QuebecCwbCase{2400.0, 20332.99};
}

int deathMonthInYear(const T1 &t)
{
    const QDate d = t.date(T1::F_DeceasedDate);
    return d.isValid() && d.year() == kTaxYear ? d.month() : 12;
}

// Whole dollars: half away from zero; amounts below 0.009 in magnitude count as positive.
double roundToDollar(double v)
{
    if (v <= -0.009)
        return std::trunc(v - 0.5);
    return std::trunc(v + 0.5);
}

double enteredOrZero(double v) { return v >= 0.009 ? v : 0.0; }

// Net income of a farming, fishing or business statement.
// The net income of a farming, fishing or business statement, found by its form type.
double statementNetIncome(const FormEntry &e)
{
    switch (e.type) {
    case FormType::T1163:
        if (auto *f = formAs<TaxData_T1163New>(e.object, FormType::T1163))
            return f->amount(TaxData_T1163New::F_NetIncome);
        break;
    case FormType::T2042:
        if (auto *f = formAs<TaxData_T2042New>(e.object, FormType::T2042))
            return f->amount(TaxData_T2042New::F_NetIncome);
        break;
    case FormType::T2121:
        if (auto *f = formAs<TaxData_T2121New>(e.object, FormType::T2121))
            return f->amount(TaxData_T2121New::F_NetIncome);
        break;
    case FormType::T2125:
    case FormType::T2125Partnership:
        if (auto *f = formAs<TaxData_T2125_New>(e.object, FormType::Type(e.type)))
            return f->netIncome();
        break;
    default:
        break;
    }
    return 0.0;
}

int ageAtYearEnd(const QDate &birth) { return birth.isValid() ? kTaxYear - birth.year() : 0; }

} // namespace

bool IndividualTaxData::isNonRefundableCreditAllUsed()
{
    const T1 *t = t1();
    return t && t->IsNonRefTaxCreditAllUsed() && m_provinceManager.isNonRefundableCreditAllUsed();
}

int IndividualTaxData::cppMonthCount(int monthsBefore) const
{
    const T1 *t = t1();
    if (!t)
        return 0;
    const int age = t->GetAge();
    if (age < 18 || age > 70)
        return 0;
    int months = qMin(12, 12 - monthsBefore);
    months = qMin(months, deathMonthInYear(*t));
    const int birthMonth = t->dateOfBirth().month();
    if (age == 18)
        months = qMin(months, 12 - birthMonth);
    else if (age == 70)
        months = qMin(months, birthMonth);
    return qMax(0, months);
}

int IndividualTaxData::otherPlanMonthCount(int monthsBefore) const
{
    const T1 *t = t1();
    if (!t || t->GetAge() <= 17)
        return 0;
    int months = qMin(12 - monthsBefore, deathMonthInYear(*t));
    if (t->GetAge() == 18)
        months = qMin(months, 12 - t->dateOfBirth().month());
    return months;
}

double IndividualTaxData::cppExemptEarnings(double cap) const
{
    auto *cpt20 = formAs<TaxData_CPT20_New>(singleForm(FormType::CPT20), FormType::CPT20);
    const bool elected = cpt20 && cpt20->hadElectedIncomeToPayCPP();
    double total = 0.0;
    for (const FormEntry *e : m_slips.withKey(SlipType::T4)) {
        auto *t4 = slipAs<TaxData_Slip_T4>(e->object, SlipType::T4);
        if (!t4 || t4->intValue(TaxData_Slip_T4::F_Province) != Province::Quebec)
            continue;
        if (t4->qppContributions() >= 0.009)
            continue;
        double part = 0.0;
        if (!t4->isCppQppExempt())
            part = t4->pensionableEarnings();
        else if (elected)
            part = t4->amount(TaxData_Slip_T4::F_Box14);
        total += qMin(part, cap);
    }
    return total;
}

double IndividualTaxData::cppPensionableEarnings() const
{
    double total = 0.0;
    for (const FormEntry *e : m_slips.withKey(SlipType::T4)) {
        auto *t4 = slipAs<TaxData_Slip_T4>(e->object, SlipType::T4);
        if (!t4)
            continue;
        if (t4->intValue(TaxData_Slip_T4::F_Province) != Province::Quebec) {
            if (!t4->isCppQppExempt())
                total += t4->pensionableEarnings();
        } else if (t4->qppContributions() >= 0.009 && t4->amount(TaxData_Slip_T4::F_Box16) < 0.009) {
            // Quebec employment that paid QPP and no CPP
            total += t4->pensionableEarnings();
        }
    }
    return total;
}

double IndividualTaxData::eiRepaymentBase() const
{
    double total = 0.0;
    for (const FormEntry *e : m_slips.withKey(SlipType::T4E)) {
        auto *t4e = slipAs<TaxData_Slip_T4E>(e->object, SlipType::T4E);
        if (t4e && isAmountEntered(t4e->amount(TaxData_Slip_T4E::F_Box7)))
            total += qMax(0.0, t4e->amount(TaxData_Slip_T4E::F_Box15));
    }
    return tax2024::cents(total);
}

int IndividualTaxData::adjustForeignTaxCredits()
{
    T1 *t = t1();
    if (t)
        t->setAmount(T1::F_ForeignTaxAdjusted, 0.0);
    double total = 0.0;
    for (const FormEntry *e : m_forms.withKey(FormType::T2209)) {
        if (auto *f = formAs<T2209>(e->object, FormType::T2209)) {
            f->Adjust15Percent();
            total += f->adjustedCredit();
        }
    }
    if (t)
        t->setAmount(T1::F_ForeignTaxAdjusted, total);
    return 0;
}

void IndividualTaxData::calculateForeignTaxCredits()
{
    T1 *t = t1();
    if (!t)
        return;
    auto *t691 = formAs<TaxData_T691New>(singleForm(FormType::T691), FormType::T691);
    auto *t1206 = formAs<TaxData_T1206New>(singleForm(FormType::T1206), FormType::T1206);
    // the basic federal tax of the T2209: line 42900 with the dividend tax credit and the
    // minimum tax carryover added back (line 40600 has this credit already taken off)
    const double basicTax = qMax(0.0, t->amount(T1::F_42900) + t->amount(T1::F_40425) + t->amount(T1::F_40427));
    const double taxBasis = qMax(0.0, basicTax + t->amount(T1::F_40425) - t->amount(T1::F_41200) - t->amount(T1::F_41400));
    QList<T2209 *> list;
    for (const FormEntry *e : m_forms.withKey(FormType::T2209))
        if (auto *f = formAs<T2209>(e->object, FormType::T2209))
            list.append(f);

    for (T2209 *f : qAsConst(list)) {
        if (!f->flag(T2209::F_OverrideIncome)) {
            double basis = t->amount(T1::F_23600) + (t1206 ? t1206->amount(TaxData_T1206New::F_SplitIncome) : 0.0);
            for (int d : {T1::F_24400, T1::F_24900, T1::F_25000, T1::F_25100, T1::F_25200, T1::F_25300,
                          T1::F_25395, T1::F_25400, T1::F_25500, T1::F_25600})
                basis -= t->amount(d);
            f->setAmount(T2209::F_NetIncome, basis);
        }
        f->setAmount(T2209::F_BasicFederalTax, basicTax);
        f->setAmount(T2209::F_TaxBasis, taxBasis);
        f->setAmount(T2209::F_BasicTaxFloor, qMax(0.0, basicTax));
        f->Calculate01();
    }

    double income = 0.0, tax = 0.0, businessIncome = 0.0, businessTax = 0.0, credit = 0.0;
    for (const T2209 *f : qAsConst(list)) {
        income += f->nonBusinessIncome();
        tax += roundToDollar(f->nonBusinessTaxPaid());
        businessIncome += f->businessIncome();
        businessTax += roundToDollar(f->businessTaxPaid());
        credit += f->amount(T2209::F_Credit);
    }
    t->setAmount(T1::F_FtcNonBusIncome, income);
    t->setAmount(T1::F_FtcNonBusTax, tax);
    t->setAmount(T1::F_FtcBusIncome, businessIncome);
    t->setAmount(T1::F_FtcBusTax, businessTax);
    t->setAmount(T1::F_FtcCreditTotal, credit);
    if (t691 && !list.isEmpty()) {
        t691->setAmount(TaxData_T691New::F_ForeignIncome, list.last()->nonBusinessIncome());
        t691->setAmount(TaxData_T691New::F_ForeignTaxPaid, list.last()->nonBusinessTaxPaid());
    }
    const double foreignCredit = qMin(credit, basicTax);
    t->setAmount(T1::F_40500, foreignCredit);
    if (t691)
        t691->setAmount(TaxData_T691New::F_ForeignCredit, foreignCredit);
}

void IndividualTaxData::copyForeignTaxCreditResults()
{
    auto *t691 = formAs<TaxData_T691New>(singleForm(FormType::T691), FormType::T691);
    for (const FormEntry *e : m_forms.withKey(FormType::T2209)) {
        auto *f = formAs<T2209>(e->object, FormType::T2209);
        if (!f)
            continue;
        f->setAmount(T2209::F_ReportedIncome, f->amount(T2209::F_NetIncome));
        f->setAmount(T2209::F_ReportedTaxPaid, f->nonBusinessTaxPaid());
        f->setAmount(T2209::F_ReportedCredit, f->amount(T2209::F_Credit));
        // under minimum tax the credit of the T691 applies
        if (t691 && isAmountEntered(t691->amount(TaxData_T691New::F_MinimumTax)))
            f->setAmount(T2209::F_MinTaxCredit, t691->amount(TaxData_T691New::F_ForeignCredit));
        else
            f->setAmount(T2209::F_MinTaxCredit, f->amount(T2209::F_Credit));
    }
}

double IndividualTaxData::selfEmploymentIncomeRemainder(double amount) const
{
    const T1 *t = t1();
    if (t)
        for (int f : {T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300})
            amount -= enteredOrZero(t->amount(f));
    return qMax(0.0, amount);
}

double IndividualTaxData::workingIncome() const
{
    const T1 *t = t1();
    double total = 0.0;
    if (t)
        total = enteredOrZero(t->amount(T1::F_10105)) + t->amount(T1::F_10100) + t->amount(T1::F_10400)
            + t->amount(T1::F_13010);
    for (const FormEntry *e : m_forms) {
        if (e->type != FormType::T1163 && e->type != FormType::T2042 && e->type != FormType::T2121
            && e->type != FormType::T2125 && e->type != FormType::T2125Partnership)
            continue;
        total += enteredOrZero(statementNetIncome(*e));
    }
    return total;
}

double IndividualTaxData::getT778IncomeAdjustment() const
{
    auto *t778 = formAs<TaxData_T778New>(singleForm(FormType::T778), FormType::T778);
    const T1 *t = t1();
    if (!t778 || !t)
        return 0.0;
    const double earned = t->amount(T1::F_10100) + t->amount(T1::F_10400) + enteredOrZero(t->amount(T1::F_10105))
        + t->amount(T1::F_13010) + totalSelfEmploymentIncome();
    return workingIncome() - earned + t778->amount(TaxData_T778New::F_EarnedIncome);
}

void IndividualTaxData::calculatePensionSplit(CTaxData_Form *form)
{
    T1 *t = t1();
    if (!t)
        return;
    auto *t1032 = dynamic_cast<TaxData_T1032_New *>(form);
    if (!t1032) {
        for (int f : {T1::F_11600, T1::F_21000, T1::F_SplitPensionTax, T1::F_SplitPensionAdjust})
            t->setAmount(f, 0.0);
        return;
    }
    using S = TaxData_T1032_New;
    const bool withSpouse = t->HasSpouse() || (t->maritalStatus() == 2 && t->HasMaritalChange());
    const QString spouseFirst = withSpouse ? t->spouseFirstName() : QString();
    const QString spouseLast = withSpouse ? t->spouseLastName() : QString();
    const QString spouseSin = withSpouse ? t->spouseSin() : QString();
    const int spouseAge = withSpouse ? ageAtYearEnd(t->spouseDateOfBirth()) : 0;
    // the pensioner's side is the one who transfers (role 0)
    const bool transfers = t1032->intValue(S::F_Role) == 0;
    if (transfers) {
        t1032->setText(S::F_LastName, t->lastName());
        t1032->setText(S::F_FirstName, t->firstName());
        t1032->setText(S::F_SIN, t->sin());
        t1032->setIntValue(S::F_Age, t->GetAge());
        t1032->setText(S::F_SpouseFirstName, spouseFirst);
        t1032->setText(S::F_SpouseLastName, spouseLast);
        t1032->setText(S::F_SpouseSIN, spouseSin);
        t1032->setIntValue(S::F_SpouseAge, spouseAge);
    } else {
        t1032->setText(S::F_LastName, spouseLast);
        t1032->setText(S::F_FirstName, spouseFirst);
        t1032->setText(S::F_SIN, spouseSin);
        t1032->setIntValue(S::F_Age, spouseAge);
        t1032->setText(S::F_SpouseFirstName, t->firstName());
        t1032->setText(S::F_SpouseLastName, t->lastName());
        t1032->setText(S::F_SpouseSIN, t->sin());
        t1032->setIntValue(S::F_SpouseAge, t->GetAge());
    }
    CString address;
    t->GetFullAddressWithoutPostcode(0, address);
    t1032->setText(S::F_Address, address);
    t1032->setText(S::F_Email, t->emailAddress());
    if (transfers) {
        t1032->setAmount(S::F_EligiblePension, t->amount(T1::F_11500));
        t1032->setAmount(S::F_TaxDeductedTransferred, t->amount(T1::F_43700));
    } else {
        t1032->setAmount(S::F_OtherPension, t->amount(T1::F_11500));
    }
    t1032->CalculateMaxSplitInc();
    // the pensioner's side holds the eligible pension: the election is cut to its maximum there
    const double elected = qMax(0.0, t1032->amount(S::F_SplitAmount));
    const double split = transfers ? qMin(elected, t1032->amount(S::F_MaxSplit)) : elected;
    if (transfers) {
        t->setAmount(T1::F_11600, 0.0);
        t->setAmount(T1::F_SplitPensionTax, 0.0);
        t->setAmount(T1::F_21000, split);
    } else {
        t->setAmount(T1::F_21000, 0.0);
        t->setAmount(T1::F_11600, split);
    }
}

void IndividualTaxData::calculatePensionSplitTax()
{
    T1 *t = t1();
    if (!t)
        return;
    using S = TaxData_T1032_New;
    auto *t1032 = formAs<S>(singleForm(FormType::T1032), FormType::T1032);
    if (!t1032) {
        for (int f : {T1::F_SplitPensionAmount, T1::F_SplitPensionAdjust, T1::F_SplitPensionTax, T1::F_11600})
            t->setAmount(f, 0.0);
        return;
    }
    const double cap = tax2024::fed::kPensionAmountMax;
    // line 43700 holds the slips' tax deducted again on every pass (stage 1)
    if (t1032->intValue(S::F_Role) == 0) {
        t1032->CalculatePensionInc();
        t1032->CalculateIncomeTax();
        // the pensioner keeps the pension amount on what was not split
        t->setAmount(T1::F_SplitPensionAmount, qMin(t1032->amount(S::F_PensionAmount), cap));
        t->setAmount(T1::F_SplitPensionAdjust, -t1032->amount(S::F_SplitAmount));
        t->setAmount(T1::F_31400, t->amount(T1::F_SplitPensionAmount));
        t->setAmount(T1::F_43700, qMax(0.0, tax2024::cents(t->amount(T1::F_43700) - t1032->getF5344())));
    } else {
        // the split keeps the kind it had in the pensioner's hands, whatever the receiving
        // spouse's age: eligible pension income of a pensioner of 65 or older, or a pension
        // plan's life annuity (the only pension a pensioner under 65 may split); either
        // counts for the receiving spouse's pension amount
        const double own = t1032->amount(S::F_OtherPension);
        t->setAmount(T1::F_SplitPensionTax, t1032->getF5344());
        t->setAmount(T1::F_SplitPensionAmount, qMin(tax2024::cents(own + t->amount(T1::F_11600)), cap));
        t->setAmount(T1::F_SplitPensionAdjust, t1032->amount(S::F_SplitAmount));
        t->setAmount(T1::F_31400, t->amount(T1::F_SplitPensionAmount));
        t->setAmount(T1::F_43700, tax2024::cents(t->amount(T1::F_43700) + t1032->getF5344()));
    }
}

// The dividend question of the T1 and the capital gains question of the T691
// answer themselves with yes when the return holds such amounts.
void IndividualTaxData::setDefaultAnswers()
{
    T1 *t = t1();
    if (!t)
        return;
    auto *t691 = formAs<TaxData_T691New>(singleForm(FormType::T691), FormType::T691);
    auto *ws = formAs<TaxData_WS_D1>(singleForm(FormType::Worksheet5000D1), FormType::Worksheet5000D1);
    if (!isAmountEntered(t->amount(T1::F_DividendAnswer))) {
        bool dividends = isAmountEntered(t->amount(T1::F_12000)) || isAmountEntered(t->amount(T1::F_12010));
        if (ws)
            dividends = dividends || isAmountEntered(ws->amount(TaxData_WS_D1::F_EligibleActual))
                || isAmountEntered(ws->amount(TaxData_WS_D1::F_NonEligibleActual));
        if (dividends)
            t->setAmount(T1::F_DividendAnswer, 1.0);
    }
    if (t691 && !isAmountEntered(t691->amount(TaxData_T691New::F_CapitalGainsAnswer))) {
        if (isAmountEntered(t->amount(T1::F_12700)) || isAmountEntered(t691->amount(TaxData_T691New::F_CapitalGains)))
            t691->setAmount(TaxData_T691New::F_CapitalGainsAnswer, 1.0);
    }
}

double IndividualTaxData::adjustedNetIncome(const TaxData_T1New &t) const
{
    double net = t.amount(T1::F_23600) + t.amount(T1::F_21300) + t.amount(T1::F_23200) - t.amount(T1::F_11700)
        - t.amount(T1::F_12500);
    if (t.HasSpouse())
        net += t.getSpouseNetIncForSpouseCredit(false);
    return net;
}

bool IndividualTaxData::hasDependentChildren() const
{
    return m_dependants && m_dependants->GetDepChildrenNumberForLine305() > 0;
}

void IndividualTaxData::cwbFamilyDisabilityRow(int province, double &threshold, double &limit)
{
    const CwbThresholds &row = cwbThresholds(province);
    threshold = row.disabledThreshold[1];
    limit = row.disabledLimit[1];
}

bool IndividualTaxData::passesCwbIncomeTest() const
{
    const T1 *t = t1();
    if (!t || t->GetAge() <= 18 || t->IsImmigrant())
        return false;
    const double net = adjustedNetIncome(*t);
    const CwbThresholds &row = cwbThresholds(m_province);
    const bool disabled = t->isDisabled();
    if (t->maritalStatus() <= 2)
        return net <= (disabled ? row.disabledLimit[1] : row.limit[1]);
    const double working = t->amount(T1::F_SelfEmploymentTotal) + t->amount(T1::F_10100) + t->amount(T1::F_10400);
    const int column = hasDependentChildren() ? 1 : 0;
    const double threshold = disabled ? row.disabledThreshold[column] : row.threshold[column];
    if (working < threshold)
        return false;
    return net <= (disabled ? row.disabledLimit[column] : row.limit[column]);
}

bool IndividualTaxData::mayQualifyForCwb() const
{
    const T1 *t = t1();
    if (!t || t->GetAge() <= 18 || t->IsImmigrant())
        return false;
    const bool spouse = t->HasSpouse();
    const bool children = hasDependentChildren();
    double working = totalSelfEmploymentIncome() + t->amount(T1::F_10100) + t->amount(T1::F_10400)
        + t->amount(T1::F_13010);
    if (spouse)
        working += t->amount(T1::F_SpouseNetIncome);
    const double net = adjustedNetIncome(*t);
    double a, limit;
    if (m_province == Province::Quebec) {
        const QuebecCwbCase c = quebecCwbCase(spouse, children);
        a = c.threshold;
        limit = c.limit;
    } else {
        const CwbThresholds &row = cwbThresholds(m_province);
        const int column = spouse || children ? 1 : 0;
        const bool disabled = t->isDisabled();
        a = disabled ? row.disabledThreshold[column] : row.threshold[column];
        limit = disabled ? row.disabledLimit[column] : row.limit[column];
    }
    return working - a >= 0.009 && limit - net >= 0.009;
}
