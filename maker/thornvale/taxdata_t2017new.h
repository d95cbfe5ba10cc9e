#pragma once
#include "ctaxdata_form.h"

// T2017: summary of reserves on dispositions of capital property.
class TaxData_T2017New : public CTaxData_Form
{
public:
    enum Field {
        F_ReserveLastYear, F_ReserveThisYear, F_GainFromReserve, F_Deduction, F_Count
    };

    TaxData_T2017New();

    void Calculate01() override;
};
