#include "tddtaxdataoneperson.h"
#include "taxslip.h"
#include "utils.h"

namespace {

double repaymentForYear(const TDDTaxDataOnePerson::RepaymentPlan &plan, const char *year)
{
    for (const auto &r : plan.requiredRepayments)
        if (r.year == year)
            return myStringToDouble(r.amount);
    return 0.0;
}

double tuitionForYear(const std::vector<TDDTaxDataOnePerson::TuitionCarryForward> &list, const char *year)
{
    for (const auto &t : list)
        if (t.taxYear == year)
            return myStringToDouble(t.carryForwardAvailableAmount);
    return 0.0;
}

} // namespace

TDDTaxDataOnePerson::~TDDTaxDataOnePerson()
{
    for (int i = 0; i < slipCount; ++i)
        delete slips[size_t(i)];
}

bool TDDTaxDataOnePerson::addSlip(TaxSlip *slip)
{
    if (slipCount >= kMaxSlips) {
        delete slip;
        return false;
    }
    slips[size_t(slipCount++)] = slip;
    return true;
}

double TDDTaxDataOnePerson::hbpRepaymentForYear(const char *year) const
{
    return repaymentForYear(summary.hbp, year);
}

double TDDTaxDataOnePerson::llpRepaymentForYear(const char *year) const
{
    return repaymentForYear(summary.llp, year);
}

double TDDTaxDataOnePerson::federalTuitionCarryForwardForYear(const char *year) const
{
    return tuitionForYear(carryOver.federalTuition, year);
}

double TDDTaxDataOnePerson::provincialTuitionCarryForwardForYear(const char *year) const
{
    return tuitionForYear(carryOver.provincialTuition, year);
}
