// Checks across forms: Schedule 3 prerequisites, self-employment contributions,
// T936 and the principal residence.
#include "individualtaxdata.h"
#include "filingeligibility.h"
#include "personchecks_p.h"
#include "taxdata_sch3.h"
#include "taxdata_sch9.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"
#include "taxdata_t936new.h"

namespace personchecks {
namespace {

using T = TaxData_T1New;
using S3 = TaxData_Sch3;
using CNIL = TaxData_T936New;

const char *const kT936Field68080 = "Field 68080, in form T936 or reported as supporting field, requires an entry at "
                                    "field 14100, 14300 or 23200 of form T1.";
const char *const kT936Field68100 = "Field 68100 in form T936 requires an entry of field 11400, 11500, 13000, 14100, "
                                    "14300 or 25100 of form T1.";
const char *const kT936Field68110 = "Field 68110 in form T936 can be claimed only when there is an amount at field "
                                    "13000 of T1.";

// The dispositions of Schedule 3 that the donations of Schedule 9 rest on.
bool hasDispositions(const CTaxData_Form *sch3)
{
    if (!sch3)
        return false;
    for (int f : {S3::F_QualifiedSmallBusiness, S3::F_FarmFishProperty, S3::F_MutualFunds, S3::F_RealEstate,
                  S3::F_Bonds, S3::F_OtherMortgage, S3::F_PersonalUse, S3::F_ListedPersonal})
        if (nonZero(sch3->amount(f)))
            return true;
    return false;
}

bool allZero(const Context &c, std::initializer_list<int> lines)
{
    for (int f : lines)
        if (nonZero(line(c, f)))
            return false;
    return true;
}

bool lacks68080Base(const Context &c) { return allZero(c, {T::F_14100, T::F_14300, T::F_23200}); }
bool lacks68100Base(const Context &c)
{
    return allZero(c, {T::F_11400, T::F_11500, T::F_13000, T::F_14100, T::F_14300, T::F_25100});
}
bool lacks68110Base(const Context &c) { return zero(line(c, T::F_13000)); }

void checkSchedule3Prerequisites(const Context &c)
{
    const CTaxData_Form *sch3 = singleForm(c.person, Schedule3);
    if (singleForm(c.person, T1170) && !sch3)
        appendMessage(c.messages, "Please add form federal Schedule 3 to your tax return when you have form T1170 in "
                                  "tax return already.");
    if (const CTaxData_Form *sch9 = singleForm(c.person, Schedule9)) {
        const bool dispositions = hasDispositions(sch3);
        if (nonZero(sch9->amount(TaxData_Sch9::F_DepreciableGifts)) && !dispositions)
            appendMessage(c.messages, "You entered an amount in line 33700 of Schedule 9, please enter the related "
                                      "entry in schedule 3.");
        if (nonZero(sch9->amount(TaxData_Sch9::F_33900)) && !dispositions)
            appendMessage(c.messages, "You entered an amount in line 33900 of Schedule 9, please enter the related "
                                      "fields in schedule 3.");
    }
}

void checkSelfEmploymentContributions(const Context &c)
{
    double selfEmployment = 0.0;
    for (int f : {T::F_12200, T::F_13500, T::F_13700, T::F_13900, T::F_14100, T::F_14300})
        selfEmployment += line(c, f);
    if (c.bankrupt || zero(selfEmployment) || c.t1.intValue(T::F_ContributionIndicator) <= 0)
        return;
    const int code = c.t1.cppFormSelector();
    if (code == CppSchedule8 && !singleForm(c.person, Schedule8))
        appendMessage(c.messages, "Schedule 8 should be included in the tax return if field 122, 135, 137, 139, 141 or "
                                  "143 of T1 is claimed.");
    if (code == CppRC381 && !singleForm(c.person, RC381))
        appendMessage(c.messages, "Form RC381 is needed since field 12200, 13500, 13700, 13900, 14100 or 14300 of T1 "
                                  "is claimed.");
}

void checkStockOptionDeferral(const Context &c)
{
    const CTaxData_Form *t1212 = singleForm(c.person, T1212);
    if (!t1212)
        return;
    const CTaxData_Form *sch3 = singleForm(c.person, Schedule3);
    // the publicly traded shares of Schedule 3: proceeds (13199) and gain (13200)
    const bool shares = sch3 && (nonZero(sch3->amount(S3::F_MutualFunds)) || nonZero(sch3->amount(S3::F_13200)));
    const char *message = "Field 65210 in form T1212 requires an entry at field 13200 of Schedule 3.";
    if (nonZero(t1212->amount(TaxData_T1212New::F_Deferred)) && !shares)
        appendMessage(c.messages, message);
    if (nonZero(t1212->amount(TaxData_T1212New::F_Included)) && !shares)
        appendMessage(c.messages, message);
}

void checkWithT936(const Context &c, const CTaxData_Form &t936)
{
    const CTaxData_Form *sch3 = singleForm(c.person, Schedule3);
    if (nonZero(t936.amount(CNIL::F_68080)) && lacks68080Base(c))
        appendMessage(c.messages, kT936Field68080);
    if (nonZero(t936.amount(CNIL::F_68100)) && lacks68100Base(c))
        appendMessage(c.messages, kT936Field68100);
    if (nonZero(t936.amount(CNIL::F_68110)) && lacks68110Base(c))
        appendMessage(c.messages, kT936Field68110);
    if (nonZero(t936.amount(CNIL::F_68150))
        && (!sch3 || zero(sch3->amount(S3::F_17599) + sch3->amount(S3::F_T3T5Gains))))
        appendMessage(c.messages, "Field 68150 in Chart A of form T936 can only be claimed if there is an entry at "
                                  "field 17599/17600 of Schedule 3.");
    if (exceeds(c.t1.amount(T::F_68080), t936.amount(CNIL::F_68080)))
        appendMessage(c.messages, "The supporting field 68080 is claimed for field 23200 of T1, or in form T5013, "
                                  "T1163, and T2042. Please also enter the full amount of field 68080 in form T936.");
    if (exceeds(c.t1.amount(T::F_68100), t936.amount(CNIL::F_68100)))
        appendMessage(c.messages, "The supporting field 68100 is claimed for line 13000, 25100 of form T1, or for box "
                                  "26 of T3 tax slip, or box 24, 28 of T4A tax slip, or in form T5013, T1163, and "
                                  "T2042. Please also enter the full amount of field 68100 in form T936.");
    if (exceeds(c.t1.amount(T::F_68110), t936.amount(CNIL::F_68110)))
        appendMessage(c.messages, "The supporting field 68110 is claimed for line 13000 of form T1, or for box 28 of "
                                  "T4A slip. Please also enter the full amount of field 68110 in form T936.");
    if (!sch3 && positive(t936.amount(CNIL::F_68140)))
        appendMessage(c.messages, "Field 68140 of form T936 needs an amount in field 17600 of Schedule 3.");
    const double chartA = t936.amount(CNIL::F_68150);
    if (positive(chartA) && exceeds(c.t1.amount(T::F_68150), chartA))
        appendMessage(c.messages, "The supporting field 68150 is claimed for box 21 of T3 tax slip. Please also enter "
                                  "the full amount of field 68150 in form T936.");
}

void checkCumulativeNetInvestmentLoss(const Context &c)
{
    if (const CTaxData_Form *t936 = singleForm(c.person, T936))
        checkWithT936(c, *t936);
    else if (nonZero(c.t1.amount(T::F_68100)) || nonZero(c.t1.amount(T::F_68110)))
        appendMessage(c.messages, "Please include form T936 in the tax return since supporting field 68100/68110 is "
                                  "claimed for line 13000 of T1.");
}

// Answers at field 17900 of Schedule 3.
enum DesignationAnswer { OneProperty = 0, OnePropertyOther = 1, SeveralProperties = 2 };

void checkPrincipalResidence(const Context &c, int t2091Count, int t2125Count)
{
    const CTaxData_Form *sch3 = singleForm(c.person, Schedule3);
    const char *anyAnswer = "Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.";
    if (!sch3) {
        if (t2091Count > 0)
            appendMessage(c.messages, anyAnswer);
        return;
    }
    const double gains = sch3->amount(S3::F_17599) + sch3->amount(S3::F_T3T5Gains);
    const CTaxData_Form *t936 = singleForm(c.person, T936);
    if (positive(gains) && (!t936 || exceeds(gains, t936->amount(CNIL::F_68140))))
        appendMessage(c.messages,
                      "Field 17599/17600 of Schedule 3 requires a greater amount in field 68140 of Form T936.");
    const int answer = sch3->intValue(S3::F_DesignationAnswer);
    if (answer == OneProperty || answer == OnePropertyOther) {
        if (t2091Count != 1)
            appendMessage(c.messages,
                          "There should be only one form T2091 in tax return according to Field 17900 of Schedule 3.");
    } else if (answer == SeveralProperties) {
        if (t2091Count <= 1)
            appendMessage(c.messages, "There should be two or more form T2091 in tax return according to Field 17900 "
                                      "of Schedule 3.");
    } else if (t2091Count > 0) {
        appendMessage(c.messages, anyAnswer);
    }
    CString lifeEvents;
    const auto *schedule3 = dynamic_cast<const TaxData_Sch3 *>(sch3);
    const bool lifeEvent = schedule3 && schedule3->getF17906LifeEvents(lifeEvents);
    if (sch3->intValue(S3::F_FlippingAnswer) == 0 && !lifeEvent && t2125Count < 1)
        appendMessage(c.messages, "Answer to field 17905 of Schedule 3 requires a form T2125 to report "
                                  "property-flipping activities.");
}

// The T936 prerequisites again, for amounts the T1 alone carries.
double cnilValue(const Context &c, int t936Field, int t1Field)
{
    if (const CTaxData_Form *t936 = singleForm(c.person, T936))
        if (nonZero(t936->amount(t936Field)))
            return t936->amount(t936Field);
    return c.t1.amount(t1Field);
}

void checkSupportedByT1(const Context &c)
{
    if (nonZero(cnilValue(c, CNIL::F_68080, T::F_68080)) && lacks68080Base(c))
        appendOnce(c, kT936Field68080);
    if (nonZero(cnilValue(c, CNIL::F_68100, T::F_68100)) && lacks68100Base(c))
        appendOnce(c, kT936Field68100);
    if (nonZero(cnilValue(c, CNIL::F_68110, T::F_68110)) && lacks68110Base(c))
        appendOnce(c, kT936Field68110);
}

} // namespace

void checkInvestmentForms(const Context &c)
{
    checkSchedule3Prerequisites(c);
    checkSelfEmploymentContributions(c);
    checkStockOptionDeferral(c);
    checkCumulativeNetInvestmentLoss(c);
    const int t2125Count = c.person.countForms(T2125);
    const int t2091Count = c.person.countForms(T2091Designation) + c.person.countForms(T2091);
    checkPrincipalResidence(c, t2091Count, t2125Count);
    checkSupportedByT1(c);
}

} // namespace personchecks
