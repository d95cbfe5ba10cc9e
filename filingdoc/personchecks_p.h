#pragma once
// What the steps of one person's checks share: the context of a run, the amount
// tests and the form types they look up. Internal to filingdoc.
#include "cstring.h"
#include "ctaxdata_form.h"
#include <QList>

class IndividualTaxData;
class SlipTotals;
class TaxData_T1New;

namespace personchecks {

enum FormType {
    Schedule2 = 3, Schedule3 = 4, Schedule5 = 6, Schedule7 = 7, Schedule9 = 9, Schedule11 = 11,
    T776 = 12, T778 = 13, T929 = 14, T1163 = 15, T1172 = 17, T1212 = 18, T2042 = 21, T2204 = 23,
    T1206 = 29, T691 = 31, T936 = 32, T2017 = 37, T5013 = 38, T2222 = 49, T2121 = 51, T5004 = 55, CPT20 = 57,
    T777 = 59, TL2 = 92, T183 = 96, T1273 = 109, T1170 = 113, T1032 = 118, Schedule6 = 119,
    T2125 = 125, T2125Commission = 131, Schedule12 = 133, Schedule13 = 139, T2091Designation = 147,
    RC381 = 148, RC383 = 149, Schedule8 = 150, T2091 = 160, T90 = 171, T777S = 179, T2043 = 193,
    T1248ScheduleD = 207,
};
enum SlipType { SlipT4 = 1, SlipT5 = 8, SlipT3 = 9, SlipT5013 = 13 };
// The T1's contribution-form code.
enum CppForm { NoCppForm = 0, CppSchedule8 = 1, CppRC381 = 2 };

// The sums of the slips that the checks read beside the slip totals.
struct SlipSums
{
    double ppipPremiums = 0.0;        // T4 box 55
    double nonQuebecT4Tax = 0.0;      // box 22 of T4 slips of other provinces than Quebec
    double placementAgencyIncome = 0.0;   // box 14 of T4 slips of placement-agency workers
    double fishingT4Tax = 0.0;        // box 22 of T4 slips of self-employed fishers (T4F)
    int t1204Slips = 0;
    bool anyT4 = false;
};

// What the checks across forms read, and the list they append to.
struct Context
{
    IndividualTaxData &person;
    TaxData_T1New &t1;
    const SlipSums &slips;
    int edition;
    bool bankrupt;
    QList<CString> &messages;
};

inline bool zero(double v) { return !isAmountEntered(v); }
inline bool nonZero(double v) { return isAmountEntered(v); }
inline bool positive(double v) { return v >= 0.009; }
// a exceeds b by the amount tolerance
inline bool exceeds(double a, double b) { return a - b >= 0.009; }

// The form of the type when the person holds exactly one.
CTaxData_Form *singleForm(const IndividualTaxData &person, int type);
template <class T> T *single(const IndividualTaxData &person, int type)
{
    return dynamic_cast<T *>(singleForm(person, type));
}
// The T1's amount of a line.
double line(const Context &c, int field);
// Appends the message unless the group holds it already.
void appendOnce(const Context &c, const char *message);

// The steps after the provinces' checks, in their order.
void checkInvestmentForms(const Context &c);       // Schedule 3, T936, T2091
void checkBenefitsAndPlans(const Context &c);      // T90, Schedule 6, Schedule 7, CPP election, bankruptcy
void checkPensionAndMinimumTax(const Context &c);  // T1032, T1206, T691
void checkBusinessForms(const Context &c);         // other income forms, farm and business forms

} // namespace personchecks
