#pragma once
#include "ctaxdata_form.h"

// T2204: employee overpayment of 2024 CPP contributions and EI premiums.
class TaxData_T2204_New : public CTaxData_Form
{
public:
    enum Field {
        F_SelfEmploymentIncome, F_CPPContributions, F_EIPremiums, F_InsurableEarnings,
        F_CPPOverpayment, F_EIOverpayment, F_Count
    };

    TaxData_T2204_New();

    void Calculate01() override;
};
