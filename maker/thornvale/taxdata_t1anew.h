#pragma once
#include "ctaxdata_form.h"

// T1A: request for loss carryback.
class TaxData_T1ANew : public CTaxData_Form
{
public:
    enum Field {
        F_FullName, F_Address, F_SIN, F_FirstName, F_LastName, F_NonCapitalLoss, F_NetCapitalLoss,
        F_CarryBack2021, F_CarryBack2022, F_CarryBack2023, F_CarryForward,
        // the address from the T1; set: the deductions are typed, not summed from the T1
        F_City, F_MailProvince, F_Postcode, F_Province, F_Switch, F_DeductionsTotal,
        F_Count
    };
    // Columns of a income source row.
    enum Column {
        C_Source, C_Income, C_Loss, C_ColumnCount
    };

    TaxData_T1ANew();

    void Calculate01() override;
};
