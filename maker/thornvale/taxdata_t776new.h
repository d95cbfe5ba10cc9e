#pragma once
#include "taxdata_statementform.h"

// T776: statement of real estate rentals, with one row per expense line.
class TaxData_T776New : public TaxData_StatementForm
{
public:
    enum Field {
        F_OwnerName, F_OwnerSIN, F_Address, F_FiscalStart, F_FiscalEnd, F_Percentage, F_GrossRents,
        F_OtherIncome, F_TotalExpenses, F_NetIncomeBeforeAdj, F_CCA, F_NetIncome, F_Count
    };
    // Columns of a expense row.
    enum Column {
        C_Description, C_Code, C_Amount, C_PersonalPart, C_ColumnCount
    };

    TaxData_T776New();

    void Calculate01() override;
};
