// Checks across forms: tax-exempt income, the Canada Workers Benefit, RRSP
// repayments, the CPP election, T90 limits, T2017, T2043 and bankruptcy.
#include "ctaxdata_t2222.h"
#include "filingeligibility.h"
#include "individualtaxdata.h"
#include "personchecks_p.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_rc381.h"
#include "taxdata_rc383.h"
#include "taxdata_sch11.h"
#include "taxdata_sch3.h"
#include "taxdata_sch6.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
#include "taxdata_t1new.h"
#include "taxdata_t2017new.h"
#include "taxdata_t90.h"
#include <cmath>

namespace personchecks {
namespace {

using T = TaxData_T1New;

constexpr int kCwbMinimumAge = 19;
constexpr int kRrspMaximumAge = 71;
constexpr int kTaxYear = 2024;
constexpr int kLastMonthBeforeCwbCutoff = 6;   // a death up to June ends the claim

// Answers at field 38105 of Schedule 6.
enum TaxExemptAnswer { IncludeTaxExempt = 0, ExcludeTaxExempt = 1 };
// Answers of the election part of Schedule 8 and RC381.
enum ElectionAnswer { ElectionNone = 0, ElectionStart = 1, ElectionRevoke = 3 };

double t90Amount(const CTaxData_Form *t90, int field) { return t90 ? t90->amount(field) : 0.0; }

void checkTaxExemptIncome(const Context &c)
{
    if ((c.t1.intValue(T::F_TaxExemptIndicator) != 0 || positive(c.t1.amount(T::F_TaxExemptIncome)))
        && !singleForm(c.person, T90))
        appendFormattedMessage(c.messages, "Please add form [%s] into return to %s.",
                               "T90", "report tax-exempted income");
}

bool diedBeforeJuly(const TaxData_T1New &t1)
{
    if (!t1.IsDeceased())
        return false;
    const QDate death = t1.date(T::F_DeceasedDate);
    return death.year() < kTaxYear || (death.year() == kTaxYear && death.month() <= kLastMonthBeforeCwbCutoff);
}

void checkWorkersBenefit(const Context &c)
{
    using S = TaxData_Sch6;
    const auto *sch6 = single<TaxData_Sch6>(c.person, Schedule6);
    if (!sch6)
        return;
    if (c.t1.GetAge() < kCwbMinimumAge && sch6->flag(S::F_ClaimBenefit) && sch6->flag(S::F_Disabled))
        appendMessage(c.messages, "Schedule 6 can not be claimed because you were under age 19 in the tax year.");
    if (sch6->isFirstPartInNetfile()) {
        if (c.t1.IsImmigrant() && c.t1.date(T::F_EntryDate) != QDate(kTaxYear, 1, 1))
            appendMessage(c.messages,
                          "Please remove Schedule 6 for CWB because the tax payer is an immigrant in tax year.");
        if (c.t1.IsEmmigrant())
            appendMessage(c.messages,
                          "Please remove Schedule 6 for CWB because the tax payer is an emigrant in tax year.");
    }
    const CTaxData_Form *t90 = singleForm(c.person, T90);
    const int answer = sch6->intValue(S::F_38105);
    const bool exemptEntered = nonZero(line(c, T::F_10105)) || c.t1.intValue(T::F_TaxExemptIndicator) != 0
                               || nonZero(sch6->amount(S::F_38107)) || nonZero(sch6->amount(S::F_38109));
    if (answer != IncludeTaxExempt && answer != ExcludeTaxExempt && exemptEntered)
        appendMessage(c.messages, "Please answer, in field 38105 of Schedule 6, whether you want to include tax-exempt "
                                  "income into calculation.");
    if (answer == IncludeTaxExempt && zero(line(c, T::F_10105))
        && zero(t90Amount(t90, TaxData_T90::F_EmploymentIncome)) && zero(t90Amount(t90, TaxData_T90::F_10026))
        && zero(sch6->amount(S::F_38107)) && zero(sch6->amount(S::F_38109)))
        appendMessage(c.messages, "Field 38105 in schedule 6 requires at least an amount in field "
                                  "10105/10000/10026/38107/38109.");
    if (diedBeforeJuly(c.t1))
        appendMessage(c.messages, "Working Income Tax Benefit cannot be claimed because tax payer died before July 1st "
                                  "in the tax year. Remove form Schedule 6.");
}

void checkRrsp(const Context &c)
{
    using S = TaxData_Sch7;
    const CTaxData_Form *sch7 = singleForm(c.person, Schedule7);
    if (sch7) {
        const double base = line(c, T::F_11500) + line(c, T::F_12900) + qMax(0.0, line(c, T::F_13000));
        const double transfers = sch7->amount(S::F_Transfers);
        if (positive(transfers) && exceeds(transfers, base))
            appendMessage(c.messages, "Field 24640 in Schedule 7 cannot be greater than the total of fields 11500, "
                                      "12900 and 13000 of T1.");
        const bool own = positive(sch7->amount(S::F_ContribFirst60Days)) || positive(sch7->amount(S::F_ContribRestOfYear));
        const bool spousal = positive(sch7->amount(S::F_SpousalPrior)) || positive(sch7->amount(S::F_SpousalCurrent));
        if (c.t1.GetAge() > kRrspMaximumAge && own)
            appendMessage(c.messages, "Tax payer who aged over 71 in the tax year can NOT have a RRSP contribution.");
        if (!c.t1.CanClaimSpouse() && spousal)
            appendMessage(c.messages,
                          "You entered spouse RRSP amount, however, your marital status is not married or common-law.");
        if (c.t1.GetSpouseAge() > kRrspMaximumAge && spousal)
            appendMessage(c.messages, "Spouse who aged over 71 in the tax year can NOT have a RRSP contribution.");
    }
    const double hbpMinimum = c.t1.amount(T::F_LYHBPMinimum);
    const double hbpRepaid = c.t1.amount(T::F_HBP12900) + (sch7 ? sch7->amount(S::F_HBPRepayment) : 0.0);
    if (positive(hbpMinimum) && exceeds(hbpMinimum, hbpRepaid))
        appendMessage(c.messages,
                      "RRSP HBP repayment doesn't meet the minimum requirement according to last year assessment.");
    const double llpMinimum = c.t1.amount(T::F_LYLLPMinimum);
    const double llpRepaid = c.t1.amount(T::F_LLP12900) + (sch7 ? sch7->amount(S::F_LLPRepayment) : 0.0);
    if (positive(llpMinimum) && exceeds(llpMinimum, llpRepaid))
        appendMessage(c.messages,
                      "RRSP LLP repayment doesn't meet the minimum requirement according to last year assessment.");
}

// The election part of a contribution form calls for no CPT20.
bool electionLeavesCpt20Unused(const CTaxData_Form &form, int partField, int answerField, int amountField)
{
    if (!form.flag(partField))
        return false;
    const int answer = form.intValue(answerField);
    return answer == ElectionNone || answer == ElectionRevoke
           || (answer == ElectionStart && zero(form.amount(amountField)));
}

void checkCppElection(const Context &c)
{
    const auto *cpt20 = single<TaxData_CPT20_New>(c.person, CPT20);
    if (!cpt20 || !cpt20->hadElectedF399IncomeToPayCPP())
        return;
    const int code = c.t1.cppFormSelector();
    const CTaxData_Form *sch8 = singleForm(c.person, Schedule8);
    const CTaxData_Form *rc381 = singleForm(c.person, RC381);
    if (code == CppSchedule8 && sch8
        && electionLeavesCpt20Unused(*sch8, TaxData_Sch8_14::F_ElectionPart, TaxData_Sch8_14::F_ElectionAnswer,
                                     TaxData_Sch8_14::F_ElectedAmount))
        appendFormattedMessage(c.messages, "Please remove %s.", "form CPT20");
    if (code == CppRC381 && rc381
        && electionLeavesCpt20Unused(*rc381, TaxData_RC381::F_ElectionPart, TaxData_RC381::F_ElectionAnswer,
                                     TaxData_RC381::F_ElectedAmount))
        appendFormattedMessage(c.messages, "Please remove %s.", "form CPT20");
}

void checkExemptIncomeForms(const Context &c)
{
    const CTaxData_Form *t90 = singleForm(c.person, T90);
    if (const CTaxData_Form *rc383 = singleForm(c.person, RC383)) {
        const double total = rc383->amount(TaxData_RC383::F_58750) + rc383->amount(TaxData_RC383::F_58810);
        if (positive(total) && (!t90 || exceeds(total, t90->amount(TaxData_T90::F_EmploymentIncome))))
            appendMessage(c.messages, "The total of Field 58750 and 58810 from RC383 cannot be greater than the field "
                                      "10000 of form T90.");
    }
    if (const CTaxData_Form *t2017 = singleForm(c.person, T2017)) {
        using R = TaxData_T2017New;
        const CTaxData_Form *sch3 = singleForm(c.person, Schedule3);
        if (exceeds(t2017->amount(R::F_66844), t2017->amount(R::F_66843))
            && (!sch3 || zero(sch3->amount(TaxData_Sch3::F_10686))))
            appendFormattedMessage(c.messages, "There should be an amount in %s.",
                                   "field 10686 of schedule 3 since field 66844 is greater than field 66843");
        const bool over = exceeds(t2017->amount(R::F_66850), t2017->amount(R::F_66883));
        if (over && (!sch3 || zero(sch3->amount(TaxData_Sch3::F_10684))))
            appendFormattedMessage(c.messages, "There should be an amount in %s.",
                                   "field 10684 of schedule 3 since field 66850 is greater than field 66883 "
                                   "in form T2017");
        if (over && nonZero(t2017->amount(R::F_66883)) && zero(t2017->amount(R::F_66905)))
            appendFormattedMessage(c.messages, "There should be an amount in %s.",
                                   "field 66905 of form T2017");
    }
    if (singleForm(c.person, T2043) && !c.person.hasFarmingIncome())
        appendMessage(c.messages, "Form T2043 needs farming income in the return, otherwise, remove form T2043.");
}

void checkBankruptcy(const Context &c)
{
    if (c.t1.IsBankrupt() || c.t1.IsPostBankrupt()) {
        if (const CTaxData_Form *sch11 = singleForm(c.person, Schedule11)) {
            const int months = c.t1.GetBankruptMonthsInTaxYear();
            if (sch11->amount(TaxData_Sch11::F_FullTimeMonths) > months
                || sch11->amount(TaxData_Sch11::F_PartTimeMonths) > months)
                appendMessage(c.messages, "Number of months in form Schedule 11 can NOT be more than the pre-bankrupt "
                                          "months in the tax year.");
        }
        if (const CTaxData_Form *t2222 = singleForm(c.person, T2222)) {
            using D = CTaxData_T2222;
            const int days = c.t1.GetBankruptDaysInTaxYear();
            for (int f : {D::F_Days, D::F_Days2, D::F_Days3, D::F_Days4, D::F_AdditionalDays}) {
                if (int(std::trunc(t2222->amount(f))) > days) {
                    appendMessage(c.messages, "Number of days in form T2222 can NOT be greater than the pre-bankrupt "
                                              "days in the tax year.");
                    break;
                }
            }
        }
    }
    if (!c.bankrupt)
        return;
    if (positive(c.t1.amount(T::F_HBP12900)) || positive(c.t1.amount(T::F_LLP12900)))
        appendMessage(c.messages, "Pre-bankrupt tax return cannot claim HBP repayment or LLP repayment amount at field "
                                  "12900 on page 2 of T1.");
    if (singleForm(c.person, Schedule6))
        appendMessage(c.messages,
                      "Pre-bankrupt tax return cannot claim Working Income Tax Benefit. Please remove tax form Schedule 6.");
    if (const CTaxData_Form *sch7 = singleForm(c.person, Schedule7))
        if (positive(sch7->amount(TaxData_Sch7::F_HBPRepayment)) || positive(sch7->amount(TaxData_Sch7::F_LLPRepayment)))
            appendMessage(c.messages, "Pre-bankrupt tax return cannot claim HBP repayment at field 24600 or LLP "
                                      "repayment at field 24620 in Schedule 7.");
}

} // namespace

void checkBenefitsAndPlans(const Context &c)
{
    checkTaxExemptIncome(c);
    checkWorkersBenefit(c);
    checkRrsp(c);
    checkCppElection(c);
    checkExemptIncomeForms(c);
    checkBankruptcy(c);
}

} // namespace personchecks
