#pragma once
#include "ctaxdata_form.h"

// CPT20: election to pay Canada Pension Plan contributions.
class TaxData_CPT20_New : public CTaxData_Form
{
public:
    enum Field {
        F_ElectF399, F_ElectDate, F_Line16, F_Line17, F_Count
    };
    // Columns of a T4 entry row.
    enum Column {
        C_Pensionable, C_Contributions, C_Province, C_Exempt, C_ColumnCount
    };

    TaxData_CPT20_New();

    void clearEntry();
    // Entry n (1 to 6) from one T4 slip.
    void setEntryN(int n, double pensionable, double contributions, int province, bool exempt);
    bool hadElectedIncomeToPayCPP() const;
    bool hadElectedF399IncomeToPayCPP() const;
};
