#pragma once
#include "ctaxdata_form.h"
#include "fieldtable.h"
#include <initializer_list>
#include <vector>

// The one body of Schedule 8 and RC381: the CPP (and QPP) contributions of one
// person against what the 2024 rates require. Both forms' tables open with the
// common rows below; each adds its own, with the slip and election rows both hold
// (withSlipAndElectionRows) among them, and ends with the T4 slips' second
// additional contributions. The fields this body works are found by their keys.
class TaxData_CppContributionForm : public CTaxData_Form
{
public:
    enum CommonField {
        F_Province, F_Months, F_SecondMonths, F_SelfEmployment, F_SelfEmploymentQPP, F_CPT20Line16,
        F_CPT20Line17, F_Age, F_Deceased, F_CPT30Needed, F_Allow372, F_Allow374, F_Switch,
        F_BaseContribution, F_EnhancedContribution, F_SelfContribution, F_Line310, F_Line222,
        F_Line22215, F_Line421,
        F_CommonCount
    };

    // The rows every table opens with (CommonField), the base of each form's table.
    static const FieldTable &commonFields();
    // A form's own rows around the rows of the T4 slips' totals, the overpayment and
    // the election's part and answer, which both forms hold in this order.
    static std::vector<FieldSpec> withSlipAndElectionRows(std::initializer_list<FieldSpec> before,
                                                          std::initializer_list<FieldSpec> after);

    // The T4 slips' totals: pensionable earnings (box 26) and the contributions
    // deducted, those of the base and first additional rates (boxes 16 and 17) apart
    // from the second additional ones (boxes 16A and 17A).
    struct T4Contributions
    {
        double cppEarnings, cpp, cpp2, qppEarnings, qpp, qpp2;
    };
    void setT4Contributions(const T4Contributions &c);

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
        int cppEarnings, cppContributions, qppEarnings, qppContributions, cpp2Contributions, qpp2Contributions;
        int base, enhanced, selfContribution, line310, line222, line22215, line421, overpayment;
    };
    static Keys keysOf(const FieldTable &fields);
    int contributionMonths() const;

    Keys m_keys;
    bool m_bothPlans;
};
