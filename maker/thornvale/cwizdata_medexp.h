#pragma once
#include "ctaxdata_form.h"

// Tax-wizard record 4: medical expenses of the person and of each dependant.
class CWizData_MedExp : public CTaxData_Form
{
public:
    static constexpr int kDependants = 12;
    enum Field {
        F_FirstName, F_LastName, F_SIN, F_DateOfBirth, F_SelfExpenses, F_SelfReimbursed,
        F_DisabilitySupports, F_Count
    };
    // Five amounts per dependant, then the dependant's name.
    enum Column { C_Expenses, C_Reimbursed, C_Other1, C_Other2, C_Allowable, C_Name, C_ColumnCount };

    CWizData_MedExp();

    void carryForward(bool keepData) override;

    double dependantAmount(int dependant, int column) const { return rows().row(dependant).number(column); }
    void setDependantAmount(int dependant, int column, double v) { rows().row(dependant).setNumber(column, v); }
};
