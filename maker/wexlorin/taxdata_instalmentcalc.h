#pragma once
#include "ctaxdata_form.h"
#include "taxdata_t1new.h"

// Instalment calculation worksheet.
class TaxData_InstalmentCalc : public CTaxData_Form
{
public:
    enum Field {
        F_ProvincialValue1, F_ProvincialValue2, F_NetTaxOwing, F_Instalment2025, F_Quarter,
        F_Count
    };

    TaxData_InstalmentCalc();

    // Works out the 2025 instalments from the T1 (and the plug-in values stored
    // on the form) and writes the quarterly amount into the summary.
    void Calculate(TaxData_T1New *t1, CTaxData_Form *t1ks);
};
