#pragma once
#include "ctaxdata_form.h"

// T183: information return for electronic filing of an individual's return.
class TaxData_T183New : public CTaxData_Form
{
public:
    enum Field {
        F_PreparerName, F_EFileNumber, F_PreAssessment, F_PostAssessment, F_SignDate, F_Text,
        F_DCN, F_Count
    };

    TaxData_T183New();

    void Calculate01() override;
    bool hasSignDate() const { return date(F_SignDate).isValid(); }
    // The document control number of the filing.
    CString getDCN() const { return CString(text(F_DCN)); }
};
