#pragma once
#include "ctaxdata_form.h"

// Schedule 7: RRSP, PRPP and SPP unused contributions, transfers, and HBP or LLP activities.
class TaxData_Sch7 : public CTaxData_Form
{
public:
    enum Field {
        F_UnusedContributions, F_DeductionLimit, F_ContribFirst60Days, F_ContribRestOfYear,
        // contributions to the spouse's plan: from January 1 to March 3, 2025 (prior), from
        // March 1 to December 31, 2024 (current)
        F_SpousalPrior, F_SpousalCurrent, F_TotalContributions, F_Transfers, F_HBPRepayment,
        F_LLPRepayment, F_Deduction, F_CarryForward,
        // internal, set only on a scratch copy by the planner (never saved): while the plan is
        // not cleared, the planned contribution stands for the year's contributions
        F_PlannedContributions, F_PlanCleared,
        // line 24500: the contributions from March 1, 2024, to March 3, 2025
        F_ContributionsOfYear,
        // the PRPP contribution receipts (slips): the member's contributions from March 1 to
        // December 31, 2024 and from January 1 to March 3, 2025; the employer's (line 20810)
        F_PRPPRestOfYear, F_PRPPFirst60Days, F_PRPPEmployer,
        // the layout the object was stored in: kLayoutPRPP since the PRPP fields
        F_Layout,
        F_Count
    };
    static constexpr int kLayoutPRPP = 2;

    TaxData_Sch7();

    int serialise(int version, const CString &marker, MyDataStream &ar) override;
    void Calculate01() override;
    // Next year opens with this year's unused contributions; its own amounts start empty.
    void carryForward(bool keepData) override;
    // What the planner reads: the deduction limit and the contributions claimed (line 20800).
    double maximumValue() const { return amount(F_DeductionLimit); }
    double startingValue() const { return amount(F_Deduction); }
    // Puts a planned contribution in force (cleared false) or takes it away.
    void setPlan(double maximum, double planned, bool cleared);
};
