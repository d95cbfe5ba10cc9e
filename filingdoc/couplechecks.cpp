#include "couplechecks.h"
#include "cmultiprovstaxmgr.h"
#include "filingeligibility.h"
#include "formcast.h"
#include "individualtaxdata.h"
#include "taxdata_sch11.h"
#include "taxdata_sch2.h"
#include "taxdata_sch6.h"
#include "taxdata_t1new.h"
#include "taxdata_t778new.h"
#include "taxrates2024.h"
#include <QLocale>
#include <QStringList>

namespace {

using T1 = TaxData_T1New;

enum FormType { Schedule2 = 3, Schedule11 = 11, T778 = 13, T1032 = 118, Schedule6 = 119 };
constexpr int kWidowed = 2;
constexpr int kAdoptionChildren = 6;
constexpr double kTolerance = 0.009;

bool positive(double v) { return v >= kTolerance; }
bool exceeds(double a, double b) { return a - b >= kTolerance; }

// The form of the type when the person holds exactly one.
CTaxData_Form *singleForm(const IndividualTaxData &person, int type)
{
    const auto &entries = person.forms().withKey(type);
    return entries.size() == 1 ? entries.first()->object : nullptr;
}

// One side of the couple: the person and its T1 (null without one).
struct Side
{
    IndividualTaxData &person;
    const T1 *t1;

    CTaxData_Form *form(int type) const { return singleForm(person, type); }
    double line(int field) const { return t1->amount(field); }

    // Line 23600 less the UCCB of line 11700, plus the child care deduction of the T778.
    double netIncomeBeforeUccb() const
    {
        const auto *t778 = formAs<TaxData_T778New>(form(T778), T778);
        const double childCare = t778 ? t778->amount(TaxData_T778New::F_Deduction) : 0.0;
        return line(T1::F_23600) - line(T1::F_11700) + childCare;
    }
};

QString dollars(double amount)
{
    return QStringLiteral("$") + QLocale(QLocale::English, QLocale::Canada).toString(amount, 'f', 0);
}

// ---- rows that read both T1s

void checkWidowed(const Side &me, const Side &partner, QList<CString> &messages)
{
    for (const Side *s : {&me, &partner}) {
        if (s->t1->maritalStatus() == kWidowed && !s->t1->IsWidowedInTaxYear()) {
            appendMessage(messages, "If you are widowed in the tax year, please check the box under marital status to "
                                    "indicate marital status changed in the tax year, so spouse related amount can be "
                                    "filed.");
            return;
        }
    }
}

// The UCCB goes to the spouse of lower net income.
void checkUccb(const Side &me, const Side &partner, QList<CString> &messages)
{
    if (!me.t1->HasSpouse())
        return;
    const double mine = me.line(T1::F_11700);
    if (positive(mine)) {
        if (exceeds(me.netIncomeBeforeUccb() - partner.netIncomeBeforeUccb(), mine))
            appendMessage(messages, "UCCB must be claimed by your spouse because your spouse has lower net income.");
        return;
    }
    const double spouses = me.line(T1::F_SpouseUCCB);
    if (positive(spouses) && exceeds(partner.netIncomeBeforeUccb() - me.netIncomeBeforeUccb(), spouses))
        appendMessage(messages, "UCCB must be claimed by you because you have lower net income.");
}

void checkOneClaimant(const Side &me, const Side &partner, QList<CString> &messages)
{
    if (positive(me.line(T1::F_30300)) && positive(partner.line(T1::F_30300)))
        appendMessage(messages, "Both spouses claimed spouse amount in schedule 5, only one should claim it.");
    if (positive(me.line(T1::F_30500)) && positive(partner.line(T1::F_30500)))
        appendMessage(messages, "You and your spouse can NOT claim the amount at field 30500 at the same time.");
}

void checkCoupleLimits(const Side &me, const Side &partner, QList<CString> &messages)
{
    const double adoptionMax = tax2024::fed::kAdoptionExpensesMax;
    for (int child = 1; child <= kAdoptionChildren; ++child) {
        const int field = T1::F_31300Child1 + child - 1;
        if (exceeds(me.line(field) + partner.line(field), adoptionMax))
            messages.append(CString(QStringLiteral("The total of field 31300 (adoption) for child %1 in both returns "
                                                   "is more than $%2.")
                                        .arg(child)
                                        .arg(adoptionMax, 0, 'f', 2)));
    }
    const double homeBuyersMax = tax2024::fed::kHomeBuyersAmount;
    if (exceeds(me.line(T1::F_31270) + partner.line(T1::F_31270), homeBuyersMax))
        messages.append(CString(QStringLiteral("The total of Home Buyer's Amount in field 31270 in both returns is "
                                               "more than %1.")
                                    .arg(dollars(homeBuyersMax))));
}

// ---- rows that read forms only

void checkTransferredTuition(const Side &me, const Side &partner, QList<CString> &messages)
{
    const auto *sch2 = formAs<TaxData_Sch2>(me.form(Schedule2), Schedule2);
    if (!sch2 || !isAmountEntered(sch2->amount(TaxData_Sch2::F_Tuition)))
        return;
    const auto *sch11 = formAs<TaxData_Sch11>(partner.form(Schedule11), Schedule11);
    if (!sch11 || exceeds(sch2->amount(TaxData_Sch2::F_Tuition), sch11->amount(TaxData_Sch11::F_TransferClaimed)))
        appendMessage(messages, "To claim an amount in field 36000 of Schedule 2, there has to be an even larger amount "
                                "in field 32700 of spouse Schedule 11.");
}

void checkSharedClaims(const Side &me, const Side &partner, QList<CString> &messages)
{
    const auto *mySch6 = formAs<TaxData_Sch6>(me.form(Schedule6), Schedule6);
    const auto *theirSch6 = formAs<TaxData_Sch6>(partner.form(Schedule6), Schedule6);
    // the basic CWB goes to one spouse only: both claiming it is the fault
    if (mySch6 && theirSch6 && mySch6->flag(TaxData_Sch6::F_ClaimBenefit)
        && theirSch6->flag(TaxData_Sch6::F_ClaimBenefit))
        appendMessage(messages, "Only one person between Married or Common-law couple can claim basic CWB benefit in "
                                "schedule 6.");
    const auto *myT778 = formAs<TaxData_T778New>(me.form(T778), T778);
    const auto *theirT778 = formAs<TaxData_T778New>(partner.form(T778), T778);
    if (myT778 && theirT778
        && myT778->flag(TaxData_T778New::F_PartnerMark) == theirT778->flag(TaxData_T778New::F_PartnerMark))
        appendMessage(messages, "One tax return should claim it has higher net income in form T778 for child care "
                                "expenses.");
    if ((me.form(T1032) != nullptr) != (partner.form(T1032) != nullptr))
        appendMessage(messages, "Please make sure form T1032 (Election to Split Pension) is presented in both coupled "
                                "returns.");
}

void checkProvinces(IndividualTaxData &person, IndividualTaxData &partner, QList<CString> &messages)
{
    QStringList texts;
    person.provinceManager().checkCoupledReturns(texts, partner.provinceManager());
    for (const QString &text : qAsConst(texts))
        messages.append(CString(text));
}

} // namespace

// A side without a T1 (a spouse slot holding only form 161, a file read without its
// plug-in) runs no row that reads a T1; the person checks report the missing T1.
int checkCoupledReturns(IndividualTaxData &person, int, QList<CString> &messages, IndividualTaxData &partner)
{
    const Side me{person, person.t1()};
    const Side them{partner, partner.t1()};
    if (me.t1 && them.t1) {
        checkWidowed(me, them, messages);
        checkUccb(me, them, messages);
        checkOneClaimant(me, them, messages);
        checkCoupleLimits(me, them, messages);
    }
    checkTransferredTuition(me, them, messages);
    checkSharedClaims(me, them, messages);
    checkProvinces(person, partner, messages);
    return messages.size();
}
