#pragma once
#include "ctaxdata_form.h"

// T777: statement of employment expenses, one row per expense line.
class TaxData_T777New : public CTaxData_Form
{
public:
    enum Field {
        F_Commission, F_TotalExpenses, F_VehicleExpenses, F_WorkSpace, F_Deduction, F_Count
    };
    // Columns of a expense row.
    enum Column {
        C_Description, C_Code, C_Amount, C_ColumnCount
    };

    TaxData_T777New();

    void Calculate01() override;
    // A commission employee's expenses are deducted up to the commissions received.
    void limitToCommissions(double commissions);
};
