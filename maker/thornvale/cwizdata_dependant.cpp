#include "cwizdata_dependant.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{};
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"Relation", FieldKind::Int},
        {"Infirm", FieldKind::Int},
        {"BirthYear", FieldKind::Int},
        {"BirthMonth", FieldKind::Int},
        {"BirthDay", FieldKind::Int},
        {"NetIncome", FieldKind::Amount},
        {"SIN", FieldKind::Text},
        {"Note", FieldKind::Text},
        {"LivesWith", FieldKind::Int},
    };
    return table;
}

} // namespace

CWizData_Dependant::CWizData_Dependant() : CTaxData_Form(formFields(), KindOther, 3)
{
    addRowList(rowFields());
    for (int i = 0; i < kSlots; ++i)
        rows().append();
}

void CWizData_Dependant::carryForward(bool keepData)
{
    CTaxData_Form::carryForward(keepData);
    while (rows().count() < kSlots)
        rows().append();
}
