#pragma once
#include "ctaxdata_form.h"

// T1248 Schedule D: information about the residency status.
class TaxData_T1248SchD : public CTaxData_Form
{
public:
    enum Field {
        F_ResidencyType, F_ForeignMailing, F_Country, F_EntryDate, F_DepartureDate, F_Count
    };

    TaxData_T1248SchD();

    bool isFactualResident() const { return intValue(F_ResidencyType) == 2; }
    // Residency types that electronic filing accepts: resident, factual resident, immigrant, emigrant.
    bool isEligibleForNetFile() const;
    // Checks the schedule against the T1; above 0 with a message in text when they disagree.
    int ValidateWithT1(int edition, CString &text, bool foreignMailing, bool residency, bool immigrant, bool emigrant) const;
};
