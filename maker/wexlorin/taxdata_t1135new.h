#pragma once
#include "ctaxdata_form.h"

// T1135: foreign income verification statement, one row per property.
class TaxData_T1135New : public CTaxData_Form
{
public:
    enum Field {
        F_Kind, F_FirstName, F_FirstName2, F_LastName, F_SIN, F_Address, F_City, F_Province,
        F_Postcode, F_Country, F_YearStart, F_Amended, F_FilingStatus, F_FilingTime,
        F_Confirmation, F_TotalCost,
        // the status overwrite switch of the configuration
        F_OverwriteStatus,
        F_Count
    };
    // Columns of a property row.
    enum Column {
        C_Description, C_Country, C_MaxCost, C_YearEndCost, C_Income, C_Gain, C_ColumnCount
    };

    TaxData_T1135New();

    void Calculate01() override;
    // True when the filer is an individual (kind 0).
    bool isIndividual() const { return intValue(F_Kind) == 0; }
};
