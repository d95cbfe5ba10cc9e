#pragma once
#include "ctaxdata_form.h"

// T1206: tax on split income.
class TaxData_T1206New : public CTaxData_Form
{
public:
    enum Field {
        F_SplitIncome, F_DividendCredit, F_FederalTaxable, F_TaxOnSplitIncome, F_TOSIIncome,
        F_TOSIDeduction, F_TOSIOther, F_Flag,
        // fields 68330, 68340 and 68360
        F_68330, F_68340, F_68360,
        F_Count
    };

    TaxData_T1206New();

    void Calculate01() override;
    void CalculateFederal();
    void CalculateTOSI();
};
