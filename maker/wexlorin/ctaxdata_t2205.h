#pragma once
#include "ctaxdata_form.h"

// T2205: amounts from a spousal RRSP, RRIF or SPP to include in income.
class CTaxData_T2205 : public CTaxData_Form
{
public:
    enum Field {
        F_Year, F_FullName, F_SIN, F_SpouseName, F_Withdrawal, F_SpousalContribs, F_Income,
        F_TaxDeducted, F_Count
    };

    CTaxData_T2205();

    void Calculate01() override;
};
