#pragma once
#include "ctaxdata_form.h"

// T1-ADJ: T1 adjustment request.
class CTaxData_T1ADJ : public CTaxData_Form
{
public:
    enum Field {
        F_Date, F_Year, F_Reason,
        // the representative, the EFILE number and the taxpayer
        F_RepID, F_EFileNumber, F_Name, F_SIN,
        F_Count
    };
    // Columns of a adjustment row.
    enum Column {
        C_Line, C_PreviousAmount, C_Change, C_RevisedAmount, C_ColumnCount
    };

    CTaxData_T1ADJ();

    void Calculate01() override;
};
