// Checks across forms: pension splitting (T1032), split income (T1206) and the
// alternative minimum tax (T691).
#include "filingeligibility.h"
#include "individualtaxdata.h"
#include "personchecks_p.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1new.h"
#include "taxdata_t691new.h"
#include "utils.h"

namespace personchecks {
namespace {

using T = TaxData_T1New;

bool lacksSpouseSin(const TaxData_T1New &t1)
{
    QString sin = t1.spouseSin();
    sin.remove(QLatin1Char(' '));
    return sin.isEmpty() || sin == QLatin1String("000000000") || !CheckSIN(sin);
}

void checkPensionSplit(const Context &c)
{
    using P = TaxData_T1032_New;
    const CTaxData_Form *t1032 = singleForm(c.person, T1032);
    if (!t1032)
        return;
    if (!c.t1.canClaimT1032())
        appendFormattedMessage(c.messages, "Please remove %s.",
                               "T1032 of Split Pension Income, or confirm a separation with spouse for less than 90 "
                               "days in the tax year on page 1 of T1");
    if (lacksSpouseSin(c.t1))
        appendMessage(c.messages, "Please enter spouse social insurance number on page 1 of T1 as required by form T1032.");
    if (t1032->intValue(P::F_Role) != 0)
        return;
    if (!t1032->flag(P::F_Elected) && exceeds(t1032->amount(P::F_68026), line(c, T::F_13000)))
        appendMessage(c.messages, "Field 68026 of form T1032 cannot be greater than field 13000 of T1.");
    if (exceeds(t1032->amount(P::F_68040) - t1032->amount(P::F_68050), line(c, T::F_43700)))
        appendMessage(c.messages, "Field 43700 of T1 cannot be less than Field 68040 minus Field 68050 of form T1032.");
}

void checkSplitIncome(const Context &c)
{
    using S = TaxData_T1206New;
    const CTaxData_Form *t1206 = singleForm(c.person, T1206);
    if (!t1206)
        return;
    const double f68330 = t1206->amount(S::F_68330);
    if (nonZero(f68330) && exceeds(f68330, line(c, T::F_12000)))
        appendMessage(c.messages, "Field 68330 in form T1206 can NOT be greater than field 12000 of T1.");
    const double f68340 = t1206->amount(S::F_68340);
    if (nonZero(f68340) && exceeds(f68340, line(c, T::F_12010)))
        appendMessage(c.messages, "Field 68340 in form T1206 can NOT be greater than field 12010 of T1.");
    if (exceeds(t1206->amount(S::F_68360), line(c, T::F_23200)))
        appendMessage(c.messages, "Field 68360 of form T1206 cannot be greater than field 23200 of T1.");
}

bool allZero(const Context &c, std::initializer_list<int> lines)
{
    for (int f : lines)
        if (nonZero(line(c, f)))
            return false;
    return true;
}

void checkWithT691(const Context &c, const CTaxData_Form &t691)
{
    using M = TaxData_T691New;
    const bool rental = c.person.hasRentalIncome();
    if (nonZero(t691.amount(M::F_67820)) && allZero(c, {T::F_22100, T::F_23200}))
        appendMessage(c.messages, "Field 67820 of form T691 requires an entry at field 22100 or 23200 of T1.");
    if (nonZero(t691.amount(M::F_6783)) && !rental)
        appendMessage(c.messages, "You cannot enter an amount at line 6783 in T691 while there is no amount claimed at "
                                  "line 12600 in T1.");
    if (nonZero(t691.amount(M::F_6784)) && allZero(c, {T::F_12200, T::F_22100, T::F_23200}))
        appendMessage(c.messages, "You cannot enter an amount at line 6784 in T691 while there is no amount claimed at "
                                  "field 12200, 22100 or 23200 in T1.");
    if (nonZero(t691.amount(M::F_6786)) && allZero(c, {T::F_22100, T::F_22400, T::F_23200}))
        appendMessage(c.messages, "You cannot enter an amount at line 6786 in T691 while there is no amount claimed at "
                                  "line 22100, 22400 or 23200 in T1.");
    const double f67922 = t691.amount(M::F_67922);
    if (nonZero(f67922) && exceeds(f67922, line(c, T::F_25300)))
        appendMessage(c.messages, "Field 67922 of form T691 cannot be greater than field 25300 of T1 return.");
    if (exceeds(c.t1.amount(T::F_67820), t691.amount(M::F_67820)))
        appendMessage(c.messages, "Supporting field 67820 for field 22100 or 23200 of T1 is entered, however the full "
                                  "amount of field 67820 is NOT entered in Alternative Minimum Tax form T691.");
    if (exceeds(c.t1.amount(T::F_67830), t691.amount(M::F_6783)))
        appendMessage(c.messages, "Supporting field 67830 for field 12600 of T1 is entered, however the full amount of "
                                  "field 6783 is NOT entered in Alternative Minimum Tax form T691.");
    if (exceeds(c.t1.amount(T::F_67840), t691.amount(M::F_6784)))
        appendMessage(c.messages, "Supporting field 67840 for field 12200, 22100 or 23200 of T1 is entered, however the "
                                  "full amount of field 6784 is NOT entered in Alternative Minimum Tax form T691.");
    if (exceeds(c.t1.amount(T::F_67860), t691.amount(M::F_6786)))
        appendMessage(c.messages, "Supporting field 67860 for field 22100, 22400 or 23200 is entered in T1 return, "
                                  "however the full amount of field 6786 is NOT entered in Alternative Minimum Tax form "
                                  "T691.");
}

void checkWithoutT691(const Context &c)
{
    if (nonZero(c.t1.amount(T::F_67820)) && allZero(c, {T::F_22100, T::F_23200}))
        appendMessage(c.messages, "Claiming supporting field 67820 requires an amount at field 22100 or 23200 of form T1.");
    if (nonZero(c.t1.amount(T::F_67830)) && !c.person.hasRentalIncome())
        appendMessage(c.messages, "Claiming supporting field 67830 requires an amount at line 12600 of T1.");
    if (nonZero(c.t1.amount(T::F_67840)) && allZero(c, {T::F_12200, T::F_22100, T::F_23200}))
        appendMessage(c.messages, "Claiming supporting field 67840 requires an amount at line 12200, 22100 or 23200 of T1.");
    if (nonZero(c.t1.amount(T::F_67860)) && allZero(c, {T::F_22100, T::F_22400, T::F_23200}))
        appendMessage(c.messages,
                      "Claiming supporting field 67860 requires an amount at line 22100, 22400 or 23200 of T1.");
}

} // namespace

void checkPensionAndMinimumTax(const Context &c)
{
    checkPensionSplit(c);
    checkSplitIncome(c);
    if (const CTaxData_Form *t691 = singleForm(c.person, T691))
        checkWithT691(c, *t691);
    else
        checkWithoutT691(c);
}

} // namespace personchecks
