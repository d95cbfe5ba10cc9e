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
        // exemption flag; who has the higher net income (set: the spouse) and the amount that adds to this person's side
        F_Exempt, F_HigherIncomeSelected, F_SelectionAmount,
        F_Count
    };

    TaxData_T778New();

    void Calculate01() override;
    void setDependants(DependantInfoStruct *dependants) override;
    // Expenses entered without an eligible child.
    void collectWarnings(QList<CString> &warnings) const override;
};
