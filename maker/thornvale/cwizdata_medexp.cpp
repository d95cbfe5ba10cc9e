#include "cwizdata_medexp.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"DateOfBirth", FieldKind::Date},
        {"SelfExpenses", FieldKind::Amount, 33099},
        {"SelfReimbursed", FieldKind::Amount},
        {"DisabilitySupports", FieldKind::Amount},
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"Reimbursed", FieldKind::Amount},
        {"Other1", FieldKind::Amount},
        {"Other2", FieldKind::Amount},
        {"Allowable", FieldKind::Amount},
        {"Name", FieldKind::Text},
    };
    return table;
}

} // namespace

CWizData_MedExp::CWizData_MedExp() : CTaxData_Form(formFields(), KindOther, 4)
{
    addRowList(rowFields());
    for (int i = 0; i < kDependants; ++i)
        rows().append();
}

void CWizData_MedExp::carryForward(bool keepData)
{
    CTaxData_Form::carryForward(keepData);
    while (rows().count() < kDependants)
        rows().append();
}
