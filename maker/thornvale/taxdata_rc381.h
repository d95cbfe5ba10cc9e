#pragma once
#include "ctaxdata_form.h"

// RC381: inter-provincial calculation for CPP and QPP contributions and overpayments.
class TaxData_RC381 : public CTaxData_Form
{
public:
    enum Field {
        F_Province, F_Months, F_SecondMonths, F_SelfEmployment, F_SelfEmploymentQPP, F_CPT20Line16,
        F_CPT20Line17, F_Age, F_Deceased, F_CPT30Needed, F_Allow372, F_Allow374, F_Switch,
        F_BaseContribution, F_EnhancedContribution, F_SelfContribution, F_Line310, F_Line222,
        F_Line22215, F_Line421, F_Count
    };

    TaxData_RC381();

    void Calculate01() override;
    // Whole months of the year that count when age or death cuts the year.
    void mockCPPQPPMonthIfNeeded();
    // The six CPP lines of the T1.
    void getCPPRelatedAmounts(double &line22200, double &line22215, double &line31000, double &line42100, double &base, double &enhanced) const;
};
