#pragma once
#include "ctaxdata_form.h"

// T2048: capital gains deduction for a qualifying business transfer (line 25395).
class TaxData_T2048 : public CTaxData_Form
{
public:
    enum Field {
        // kept for the files of earlier builds, which read the form as a labour credit
        F_LabourCosts, F_Credit,
        // typed: the capital gains of the year from qualifying business transfers and the
        // part of the 10,000,000 exemption the vendors' agreement assigns to this person
        // (blank: the whole)
        F_QualifyingGain, F_ExemptionShare,
        // from the return: the inclusion rate (percent) and line 12700 less line 25300
        F_InclusionRate, F_NetTaxableGains,
        // worked
        F_TaxableQualifyingGain, F_ExemptionLimit, F_Deduction,
        F_Count
    };

    TaxData_T2048();

    void Calculate01() override;
};
