#pragma once
#include "ctaxdata_form.h"

// Tax-wizard record 3: the household's dependants, one row per slot; a row
// holds what the shared dependants record keeps of a dependant.
class CWizData_Dependant : public CTaxData_Form
{
public:
    static constexpr int kSlots = 12;
    // Columns of a dependant row.
    enum Column { C_FirstName, C_LastName, C_BirthDate, C_Relation, C_SIN, C_Infirm, C_NetIncome, C_ColumnCount };

    CWizData_Dependant();

    void carryForward(bool keepData) override;

    FieldRecord &slot(int i) { return rows().row(i); }
    const FieldRecord &slot(int i) const { return rows().row(i); }
};
