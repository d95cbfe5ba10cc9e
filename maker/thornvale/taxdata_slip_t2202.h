#pragma once
#include "taxdata_slipbase.h"

// T2202: tuition and enrolment certificate, four study periods.
// Period n answers the boxes 24, 25 and 26 at codes 100 * (n - 1) + box.
class TaxData_Slip_T2202 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Period1PartTime = TaxData_SlipBase::F_CommonCount, F_Period1FullTime, F_Period1Fees,
        F_Period2PartTime, F_Period2FullTime, F_Period2Fees, F_Period3PartTime, F_Period3FullTime,
        F_Period3Fees, F_Period4PartTime, F_Period4FullTime, F_Period4Fees, F_Count
    };

    TaxData_Slip_T2202();

    static constexpr int kPeriods = 4;
    // Part-time months, full-time months and eligible fees of period p (0 to 3).
    double partTimeMonths(int p) const { return amount(F_Period1PartTime + 3 * p); }
    double fullTimeMonths(int p) const { return amount(F_Period1FullTime + 3 * p); }
    double fees(int p) const { return amount(F_Period1Fees + 3 * p); }
};
