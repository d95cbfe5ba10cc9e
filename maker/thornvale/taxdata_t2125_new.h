#pragma once
#include "ctaxdata_form.h"
#include "statementidentity.h"

// T2125: statement of business or professional activities, one row per expense line.
// Type 125 is the person's own business, 131 a partnership; the income kind is 0 business, 1 professional.
class TaxData_T2125_New : public CTaxData_Form
{
public:
    enum Field {
        F_IncomeKind, F_OwnerName, F_OwnerSIN, F_BusinessName, F_Description, F_Address, F_City,
        F_Province, F_Postcode, F_FiscalStart, F_FiscalEnd, F_Percentage, F_GrossIncome,
        F_GstIncluded, F_ExpensesTotal, F_NetIncomeBeforeAdj, F_CCA, F_HomeExpenses, F_NetIncome,
        F_PartnerName,
        // the statement's identification (statementidentity.h)
        F_IndustryCode, F_BusinessNumber, F_TaxShelterId, F_PartnershipBN, F_Partnership, F_LastYear,
        F_Partner1Name, F_Partner1Address, F_Partner1Share, F_Partner2Name, F_Partner2Address,
        F_Partner2Share, F_Partner3Name, F_Partner3Address, F_Partner3Share,
        // the Internet business activities: websites, their addresses, the part of the income
        F_WebsiteCount, F_Websites, F_InternetIncomePercent,
        // income earned through a placement agency
        F_PlacementAgency,
        F_Count
    };
    // Columns of a expense row.
    enum Column {
        C_Description, C_Code, C_Amount, C_PersonalPart, C_ColumnCount
    };

    // formType tells which of the forms sharing this class the object is.
    explicit TaxData_T2125_New(int formType);

    void Calculate01() override;
    int incomeKind() const { return intValue(F_IncomeKind); }
    void setIncomeKind(int k) { setIntValue(F_IncomeKind, k); }
    double netIncome() const { return amount(F_NetIncome); }
};
