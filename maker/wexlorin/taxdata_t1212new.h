#pragma once
#include "ctaxdata_form.h"

// T1212: statement of deferred security options benefits.
class TaxData_T1212New : public CTaxData_Form
{
public:
    enum Field {
        F_BalanceLastYear, F_Deferred, F_Included, F_F67910, F_Count
    };

    TaxData_T1212New();

    void Calculate01() override;
    // Next year opens with this year's balance (line 67910).
    void carryForward(bool keepData) override;
    double getF67910() const { return amount(F_F67910); }
};
