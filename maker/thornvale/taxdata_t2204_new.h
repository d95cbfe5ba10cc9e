#pragma once
#include "ctaxdata_form.h"

// T2204: employee overpayment of 2024 CPP contributions and EI premiums.
class TaxData_T2204_New : public CTaxData_Form
{
public:
    enum Field {
        F_SelfEmploymentIncome, F_CPPContributions, F_EIPremiums, F_InsurableEarnings,
        F_CPPOverpayment, F_EIOverpayment,
        // contributions required on every T4; Quebec parental insurance or QPP on the slips;
        // EI premiums on self-employment (Schedule 13)
        F_Switch1, F_Switch2, F_Sch13Result,
        // premiums deducted up to what the insurable earnings require (line 31200)
        F_AllowedPremiums, F_Count
    };

    TaxData_T2204_New();

    void Calculate01() override;
};
