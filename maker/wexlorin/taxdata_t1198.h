#pragma once
#include "ctaxdata_form.h"

// T1198: statement of qualifying retroactive lump-sum payment. The payer lists the
// principal of the payment by the earlier year it relates to; the CRA works the
// notional tax of those years, so the return keeps only the totals and the test.
class TaxData_T1198 : public CTaxData_Form
{
public:
    enum Field {
        F_Name, F_SIN, F_Payment, F_Notional,
        // the principal relating to each of the ten earlier years, 2014 to 2023 (the
        // Payment field holds a total typed without the years)
        F_Year2014, F_Year2015, F_Year2016, F_Year2017, F_Year2018,
        F_Year2019, F_Year2020, F_Year2021, F_Year2022, F_Year2023,
        // worked: the principal of all the years, and whether it reaches 3,000
        F_PrincipalTotal, F_Qualifies,
        F_Count
    };

    TaxData_T1198();

    void Calculate01() override;
};
