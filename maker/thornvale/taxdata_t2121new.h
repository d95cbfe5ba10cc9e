#pragma once
#include "statementidentity.h"
#include "taxdata_statementform.h"

// T2121: statement of fishing activities.
class TaxData_T2121New : public TaxData_StatementForm
{
public:
    enum Field {
        F_OwnerName, F_OwnerSIN, F_FiscalStart, F_FiscalEnd, F_Percentage, F_GrossIncome,
        F_Expenses, F_NetIncomeBeforeAdj, F_NetIncome,
        // the statement's identification (statementidentity.h)
        F_IndustryCode, F_BusinessNumber, F_TaxShelterId, F_PartnershipBN, F_Partnership, F_LastYear,
        F_Partner1Name, F_Partner1Address, F_Partner1Share, F_Partner2Name, F_Partner2Address,
        F_Partner2Share, F_Partner3Name, F_Partner3Address, F_Partner3Share,
        // supporting field 5345 (income with tax withheld)
        F_5345,
        F_Count
    };
    TaxData_T2121New();

    void Calculate01() override;
};
