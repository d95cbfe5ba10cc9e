#pragma once
#include "ctaxdata_form.h"

// Placeholder of form types no longer used; it keeps what an old file held.
class TaxData_UnusedForm : public CTaxData_Form
{
public:
    enum Field {
        F_Note, F_Count
    };

    TaxData_UnusedForm();
};
