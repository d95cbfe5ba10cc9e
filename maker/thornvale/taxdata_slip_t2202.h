#pragma once
#include "taxdata_slipbase.h"

// T2202: tuition and enrolment certificate, four study periods.
// Period n answers the boxes 24, 25 and 26 at codes 100 * (n - 1) + box, and its
// dates (boxes 19 and 20, "YYYY-MM" as printed) at 100 * (n - 1) + 19 and + 20.
// Fields after Period4Fees came later; files written before lack them.
class TaxData_Slip_T2202 : public TaxData_SlipBase
{
public:
    enum Field {
        F_Period1PartTime = TaxData_SlipBase::F_CommonCount, F_Period1FullTime, F_Period1Fees,
        F_Period2PartTime, F_Period2FullTime, F_Period2Fees, F_Period3PartTime, F_Period3FullTime,
        F_Period3Fees, F_Period4PartTime, F_Period4FullTime, F_Period4Fees,
        F_Box10, F_SchoolType, F_FlyingSchool, F_ProgramName, F_StudentNumber,
        F_Period1From, F_Period1To, F_Period2From, F_Period2To, F_Period3From, F_Period3To,
        F_Period4From, F_Period4To, F_Count
    };

    TaxData_Slip_T2202();

    static constexpr int kPeriods = 4;
    // Part-time months, full-time months and eligible fees of period p (0 to 3).
    double partTimeMonths(int p) const { return amount(F_Period1PartTime + 3 * p); }
    double fullTimeMonths(int p) const { return amount(F_Period1FullTime + 3 * p); }
    double fees(int p) const { return amount(F_Period1Fees + 3 * p); }
    // The first and last month of period p as the slip prints them.
    QString periodFrom(int p) const { return text(F_Period1From + 2 * p); }
    QString periodTo(int p) const { return text(F_Period1To + 2 * p); }
};
