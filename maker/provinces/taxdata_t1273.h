#pragma once
#include "taxdata_statementform.h"

// T1273: harmonized AgriStability and AgriInvest statement of farming activities.
class TaxData_T1273 : public TaxData_StatementForm
{
public:
    enum Field {
        F_OwnerName, F_OwnerSIN, F_ParticipantPin, F_FiscalStart, F_FiscalEnd, F_Percentage,
        F_GrossIncome, F_Expenses, F_NetIncomeBeforeAdj, F_NetIncome, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_T1273(int province, int formType);

    void Calculate01() override;
};
