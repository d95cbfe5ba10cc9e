#pragma once
#include "ctaxdata_form.h"

// T2017: summary of reserves on dispositions of capital property.
class TaxData_T2017New : public CTaxData_Form
{
public:
    enum Field {
        F_ReserveLastYear, F_ReserveThisYear, F_GainFromReserve, F_Deduction,
        // fields 66843, 66844, 66850, 66883 and 66905
        F_66843, F_66844, F_66850, F_66883, F_66905,
        F_Count
    };

    TaxData_T2017New();

    void Calculate01() override;
    // Next year opens with this year's reserve, which it brings back into income.
    void carryForward(bool keepData) override;
};
