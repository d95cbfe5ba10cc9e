#pragma once
#include "ctaxdata_form.h"

// RC269: employee contributions to a foreign pension plan or social security arrangement.
class TaxData_RC269 : public CTaxData_Form
{
public:
    enum Field {
        F_Contributions, F_Deduction, F_Count
    };

    TaxData_RC269();

    void Calculate01() override;
};
