#pragma once
#include "ctaxdata_form.h"

// T2209: federal foreign tax credits, one row per country.
class TaxData_T2209_2036 : public CTaxData_Form
{
public:
    enum Field {
        F_NetIncome, F_BasicFederalTax, F_ForeignNonBusinessIncome, F_ForeignTaxPaid, F_Credit,
        F_AdjustedCredit,
        // income basis typed by the user, tax bases, results kept for the return
        F_OverrideIncome, F_TaxBasis, F_BasicTaxFloor, F_ReportedIncome, F_ReportedTaxPaid,
        F_ReportedCredit, F_MinTaxCredit, F_Count
    };
    // Columns of a country row.
    enum Column {
        C_Country, C_NonBusinessIncome, C_TaxPaid, C_BusinessIncome, C_BusinessTaxPaid,
        C_ColumnCount
    };

    TaxData_T2209_2036();

    void Calculate01() override;
    // Limits the tax on property income to 15%; the limited credit is adjustedCredit.
    void Adjust15Percent();
    double adjustedCredit() const { return amount(F_AdjustedCredit); }
    // Totals of the form and its country rows.
    double nonBusinessIncome() const { return amount(F_ForeignNonBusinessIncome) + rows(0).sum(C_NonBusinessIncome); }
    // The slips' foreign tax over 15 % of their property income (deducted, not credited).
    double slipTaxOver15Percent() const;
    double nonBusinessTaxPaid() const { return amount(F_ForeignTaxPaid) + rows(0).sum(C_TaxPaid); }
    double businessIncome() const { return rows(0).sum(C_BusinessIncome); }
    double businessTaxPaid() const { return rows(0).sum(C_BusinessTaxPaid); }
};
