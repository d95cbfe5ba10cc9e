#pragma once
#include "ctaxdata_form.h"

// T778: child care expenses deduction.
class TaxData_T778New : public CTaxData_Form
{
public:
    enum Field {
        F_Expenses, F_EarnedIncome, F_NetIncome, F_ChildrenUnder7, F_ChildrenOther, F_Deduction,
        // the partner claims as the spouse with the higher income; that partner's net income
        F_PartnerMark, F_PartnerNetIncome,
        // children eligible for the disability amount, of any age (counted apart from the two above)
        F_ChildrenDisabled,
        F_Count
    };

    TaxData_T778New();

    void Calculate01() override;
    void setDependants(DependantInfoStruct *dependants) override;
    // Expenses entered without an eligible child.
    void collectWarnings(QList<CString> &warnings) const override;
};
