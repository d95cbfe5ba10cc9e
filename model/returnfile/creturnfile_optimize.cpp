// The couple optimiser: shares interest, capital gains, the pension split and
// donations between the spouses of a (scratch) coupled return for the lowest
// family total. Every evaluation is a recalculation of the couple.
#include "creturnfile.h"
#include "datashareamtdlg.h"
#include "incomethresholdlist.h"
#include "individualtaxdata.h"
#include "taxdata_sch9.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1new.h"
#include <cmath>

namespace {

using T1 = TaxData_T1New;
using T1032 = TaxData_T1032_New;

constexpr double kTolerance = 0.009;

double toCents(double v)
{
    return std::round(v * 100.0) / 100.0;
}

T1032 *t1032Of(IndividualTaxData *p)
{
    return formAs<T1032>(p->getForm(FormType::T1032, 0, false), FormType::T1032);
}

TaxData_Sch9 *sch9Of(IndividualTaxData *p)
{
    return formAs<TaxData_Sch9>(p->getForm(FormType::Schedule9, 0, true), FormType::Schedule9);
}

// What one spouse has and can give.
struct Side
{
    T1 *t1 = nullptr;
    T1032 *t1032 = nullptr;
    TaxData_Sch9 *sch9 = nullptr;
    double interest = 0.0;   // A
    double capitalGain = 0.0; // C
    double pension = 0.0;    // P
    double movable() const { return interest + capitalGain + pension; }
};

// One grid search over whole cents of [lower, upper]: passes of 100, 10, 1 and
// 0.1, each around the best so far, the upper end always tried. evaluate(x)
// writes x, recalculates and answers the family total; a tie keeps the earlier value.
template <class Evaluate>
double gridSearch(double lower, double upper, double start, double startTotal, Evaluate evaluate)
{
    lower = std::ceil(lower * 100.0 - 1e-6) / 100.0;
    upper = std::floor(upper * 100.0 + 1e-6) / 100.0;
    double best = start;
    double bestTotal = startTotal;
    if (upper - lower < 0.005)
        return best; // nothing to share
    double lo = lower;
    double hi = upper;
    double step = 100.0;
    for (int pass = 0; pass < 4; ++pass) {
        auto tryAt = [&](double x) {
            const double total = evaluate(x);
            if (bestTotal > total) {
                bestTotal = total;
                best = x;
            }
        };
        const int steps = hi >= lo ? int(std::floor((hi - lo) / step + 1e-9)) : -1;
        for (int i = 0; i <= steps; ++i)
            tryAt(toCents(lo + i * step));
        if (steps >= 0 && toCents(lo + steps * step) < hi - 0.005)
            tryAt(hi);
        lo = qMax(lower, toCents(best - step));
        hi = qMin(upper, toCents(best + step));
        step /= 10.0;
    }
    return best;
}

} // namespace

void CReturnFile::optimize(const DataShareAmtDlg &shares)
{
    if (!isCoupled())
        return;
    Side me, partner;
    me.t1 = self()->t1();
    partner.t1 = spouse()->t1();
    if (!me.t1 || !partner.t1)
        return;

    // 2. the taxpayer's income thresholds
    IncomeThresholdList thresholds;
    {
        QList<double> amounts;
        self()->getIncomeThresholds(amounts);
        for (double a : qAsConst(amounts))
            thresholds.insertSorted(a);
    }

    // 3. unclaimed interest and capital gains half and half
    const double bi3 = shares.fld_BankInterest_3.value();
    const double cg3 = shares.fld_CapGain_3.value();
    me.t1->setAmount(T1::F_SharedInterest, bi3 * 0.5);
    partner.t1->setAmount(T1::F_SharedInterest, bi3 - bi3 * 0.5);
    me.t1->setAmount(T1::F_SharedCapitalGain, cg3 * 0.5);
    partner.t1->setAmount(T1::F_SharedCapitalGain, cg3 - cg3 * 0.5);
    me.interest = bi3 / 2 + shares.fld_BankInterest_1.value();
    partner.interest = (bi3 - bi3 / 2) + shares.fld_BankInterest_2.value();
    me.capitalGain = cg3 / 2 + shares.fld_CapGain_1.value();
    partner.capitalGain = (cg3 - cg3 / 2) + shares.fld_CapGain_2.value();

    // 4. the pension: the transferer's maximum split can move
    me.t1032 = t1032Of(self());
    partner.t1032 = t1032Of(spouse());
    const bool pensionSplit = me.t1032 && partner.t1032;
    if (pensionSplit) {
        if (me.t1032->intValue(T1032::F_Role) == 0)
            me.pension = me.t1032->amount(T1032::F_MaxSplit);
        else if (partner.t1032->intValue(T1032::F_Role) == 0)
            partner.pension = partner.t1032->amount(T1032::F_MaxSplit);
        me.t1032->setFlag(T1032::F_Elected, true);
        partner.t1032->setFlag(T1032::F_Elected, true);
    }

    // 5. unclaimed donations half and half
    const double d1 = shares.fld_Donation_1.value();
    const double d2 = shares.fld_Donation_2.value();
    const double d3 = shares.fld_Donation_3.value();
    me.sch9 = sch9Of(self());
    partner.sch9 = sch9Of(spouse());
    me.sch9->setDonationAdjustment(d3 * 0.5);
    partner.sch9->setDonationAdjustment(d3 - d3 * 0.5);
    const double donations = d1 + d2 + d3;

    // 6, 7. where the incomes meet
    recalculate(-1, nullptr);
    double upperShift = 0.0, shift = 0.0;
    thresholds.balanceIncomes(IncomePair(me.t1->taxableIncome(), me.movable()),
                              IncomePair(partner.t1->taxableIncome(), partner.movable()), upperShift, shift);

    // 8. move interest, then capital gains, then pension from the giver
    double rest = std::fabs(shift);
    if (rest > 0.0) {
        Side &giver = shift > 0 ? me : partner;
        Side &receiver = shift > 0 ? partner : me;
        double k = qMin(rest, giver.interest);
        giver.t1->setAmount(T1::F_SharedInterest, giver.t1->amount(T1::F_SharedInterest) - k);
        receiver.t1->setAmount(T1::F_SharedInterest, receiver.t1->amount(T1::F_SharedInterest) + k);
        rest -= k;
        if (rest > 0.0) {
            k = qMin(rest, giver.capitalGain);
            giver.t1->setAmount(T1::F_SharedCapitalGain, giver.t1->amount(T1::F_SharedCapitalGain) - k);
            receiver.t1->setAmount(T1::F_SharedCapitalGain, receiver.t1->amount(T1::F_SharedCapitalGain) + k);
            rest -= k;
        }
        if (rest > 0.0 && pensionSplit) {
            const double s = toCents(qMin(rest, giver.pension));
            me.t1032->setAmount(T1032::F_SplitAmount, s);
            partner.t1032->setAmount(T1032::F_SplitAmount, s);
        }
    }
    recalculate(-1, nullptr);

    // 10. the pension split
    if (pensionSplit) {
        double split = me.t1032->amount(T1032::F_SplitAmount);
        searchPensionSplit(me.t1032->amount(T1032::F_MaxSplit), split);
        me.t1032->setAmount(T1032::F_SplitAmount, split);
        partner.t1032->setAmount(T1032::F_SplitAmount, split);
        recalculate(1, me.t1032);
    }

    // 11. donations: all on the higher income, then shared while credits are left
    if (donations >= kTolerance) {
        const bool toSpouse = partner.t1->taxableIncome() - me.t1->taxableIncome() >= kTolerance;
        if (toSpouse) {
            me.sch9->setDonationAdjustment(-d1);
            partner.sch9->setDonationAdjustment(d1 + d3);
        } else {
            partner.sch9->setDonationAdjustment(-d2);
            me.sch9->setDonationAdjustment(d2 + d3);
        }
        recalculate(-1, nullptr);
        IndividualTaxData *receiver = toSpouse ? spouse() : self();
        if (!receiver->isNonRefundableCreditAllUsed()) {
            double adjustment = me.sch9->donationAdjustment();
            searchDonationSplit(-d1, d2 + d3, d3, adjustment);
            me.sch9->setDonationAdjustment(adjustment);
            partner.sch9->setDonationAdjustment(d3 - adjustment);
            recalculate(1, me.sch9);
        }
    }
}

void CReturnFile::searchPensionSplit(double maximum, double &split)
{
    T1032 *mine = t1032Of(self());
    T1032 *theirs = t1032Of(spouse());
    double mineBalance = 0.0, theirBalance = 0.0, total = 0.0;
    getBalances(mineBalance, theirBalance, total);
    split = gridSearch(0.0, maximum, split, total, [&](double x) {
        if (mine && theirs) {
            mine->setAmount(T1032::F_SplitAmount, x);
            theirs->setAmount(T1032::F_SplitAmount, x);
        }
        recalculate(1, mine);
        double a = 0.0, b = 0.0, family = 0.0;
        getBalances(a, b, family);
        return family;
    });
}

void CReturnFile::searchDonationSplit(double low, double high, double joint, double &adjustment)
{
    TaxData_Sch9 *mine = sch9Of(self());
    TaxData_Sch9 *theirs = sch9Of(spouse());
    auto write = [&](double x) {
        mine->setDonationAdjustment(x);
        theirs->setDonationAdjustment(joint - x);
    };
    write(adjustment);
    double mineBalance = 0.0, theirBalance = 0.0, total = 0.0;
    getBalances(mineBalance, theirBalance, total);
    adjustment = gridSearch(low, high, adjustment, total, [&](double x) {
        write(x);
        recalculate(1, mine);
        double a = 0.0, b = 0.0, family = 0.0;
        getBalances(a, b, family);
        return family;
    });
}
