#pragma once
#include "taxdata_statementform.h"

// T2042: statement of farming activities.
class TaxData_T2042New : public TaxData_StatementForm
{
public:
    enum Field {
        F_OwnerName, F_OwnerSIN, F_FiscalStart, F_FiscalEnd, F_Percentage, F_GrossIncome,
        F_Expenses, F_NetIncomeBeforeAdj, F_NetIncome,
        // postal code of the fishing business
        F_Postcode,
        F_Count
    };
    // Columns of a income or expense row.
    enum Column {
        C_Description, C_Code, C_Amount, C_ColumnCount
    };

    TaxData_T2042New();

    void Calculate01() override;
};
