#pragma once
#include "ctaxdata_form.h"

// The one body of Schedule 8 and RC381: the CPP (and QPP) contributions of one
// person against what the 2024 rates require. Each form keeps its own field
// table; the fields this body works are found by their keys, which both share.
class TaxData_CppContributionForm : public CTaxData_Form
{
public:
    void Calculate01() override;
    // Whole months of the year that count when age or death cuts the year.
    void mockCPPQPPMonthIfNeeded();
    // The six CPP lines of the T1: 22200 and 31000 (self-employment), 22215 and
    // 30800 (employment), 42100 (payable on self-employment), 44800 (overpayment).
    void getCPPRelatedAmounts(double &line22200, double &line22215, double &line31000, double &line42100,
                              double &line30800, double &line44800) const;

protected:
    // bothPlans: the form works the Quebec plan's amounts beside the CPP's, and
    // a resident of Quebec pays to the Quebec plan (RC381).
    TaxData_CppContributionForm(const FieldTable &fields, int formType, bool bothPlans);

private:
    struct Keys
    {
        int province, months, age, cpt30Needed, selfEmployment, selfEmploymentQpp;
        int cppEarnings, cppContributions, qppEarnings, qppContributions;
        int base, enhanced, selfContribution, line310, line222, line22215, line421, overpayment;
    };
    static Keys keysOf(const FieldTable &fields);
    int contributionMonths() const;

    Keys m_keys;
    bool m_bothPlans;
};
