#pragma once
#include "taxdata_statementform.h"

// T2121: statement of fishing activities.
class TaxData_T2121New : public TaxData_StatementForm
{
public:
    enum Field {
        F_OwnerName, F_OwnerSIN, F_FiscalStart, F_FiscalEnd, F_Percentage, F_GrossIncome,
        F_Expenses, F_NetIncomeBeforeAdj, F_NetIncome,
        // supporting field 5345 (income with tax withheld)
        F_5345,
        F_Count
    };
    // Columns of a expense row.
    enum Column {
        C_Description, C_Code, C_Amount, C_ColumnCount
    };

    TaxData_T2121New();

    void Calculate01() override;
};
