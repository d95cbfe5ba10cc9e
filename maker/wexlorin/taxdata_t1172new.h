#pragma once
#include "ctaxdata_form.h"

// T1172: additional tax on accumulated income payments from RESPs.
class TaxData_T1172New : public CTaxData_Form
{
public:
    enum Field {
        F_Province, F_FirstName, F_LastName, F_Address, F_SIN, F_AIPIncome, F_RRSPDeduction,
        F_SwitchA, F_SwitchB, F_FederalTax, F_QuebecTax, F_Result,
        // fields 68270 and 68280
        F_68270, F_68280,
        F_Count
    };

    TaxData_T1172New();

    void Calculate01() override;
};
