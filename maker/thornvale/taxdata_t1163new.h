#pragma once
#include "taxdata_statementform.h"

// T1163: AgriStability and AgriInvest statement of farming activities for individuals.
class TaxData_T1163New : public TaxData_StatementForm
{
public:
    enum Field {
        F_FirstName, F_LastName, F_SIN, F_ParticipantPin, F_FiscalStart, F_FiscalEnd, F_Percentage,
        F_GrossIncome, F_Expenses, F_NetIncomeBeforeAdj, F_NetIncome,
        // province of the main farmstead (province index, 0 not given)
        F_MainFarmProvince,
        // postal code of the farming business
        F_Postcode,
        F_Count
    };

    TaxData_T1163New();

    void Calculate01() override;
};
