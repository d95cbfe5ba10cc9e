#pragma once
#include "ctaxdata_form.h"

// Schedule 10 (residents of Quebec): Quebec parental insurance plan premiums on
// employment income (Part A) and on self-employment income (Part B).
class TaxData_Sch10 : public CTaxData_Form
{
public:
    enum Field {
        F_Opted, F_SelfEmployedEarnings, F_Province, F_Premiums,
        // Part A: insurable earnings of Quebec employment, employment income without PPIP deducted
        // (employers outside Quebec), its premiums payable (line 31210);
        // Part B: insurable self-employment earnings, the employee share (line 31215) and the
        // deduction (line 22300)
        F_InsurableEmployment, F_OtherEmployment, F_EmploymentPayable, F_SelfEmployedInsurable,
        F_Credit, F_Deduction, F_Count
    };

    TaxData_Sch10();

    void Calculate01() override;
};
