#pragma once
#include "ctaxdata_form.h"

// T1-M: moving expenses deduction.
class TaxData_T1MNew : public CTaxData_Form
{
public:
    enum Field {
        F_OldAddress, F_NewAddress, F_MoveDate, F_DistanceOld, F_DistanceNew, F_Expenses,
        F_IncomeAtNewLocation, F_Deduction, F_CarryForward, F_Count
    };

    TaxData_T1MNew();

    void Calculate01() override;
    // Last year's move is not this year's: the form starts empty (the person's return
    // carries its unused expenses to the T1).
    void carryForward(bool keepData) override;
};
