#pragma once
#include "statementidentity.h"
#include "taxdata_statementform.h"

// T2042: statement of farming activities.
class TaxData_T2042New : public TaxData_StatementForm
{
public:
    enum Field {
        F_OwnerName, F_OwnerSIN, F_FiscalStart, F_FiscalEnd, F_Percentage, F_GrossIncome,
        F_Expenses, F_NetIncomeBeforeAdj, F_NetIncome,
        // the statement's identification (statementidentity.h)
        F_IndustryCode, F_BusinessNumber, F_TaxShelterId, F_PartnershipBN, F_Partnership, F_LastYear,
        F_Partner1Name, F_Partner1Address, F_Partner1Share, F_Partner2Name, F_Partner2Address,
        F_Partner2Share, F_Partner3Name, F_Partner3Address, F_Partner3Share,
        F_Address, F_Postcode,
        F_Count
    };

    TaxData_T2042New();

    void Calculate01() override;
};
