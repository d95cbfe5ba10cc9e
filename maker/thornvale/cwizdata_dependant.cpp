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
        {"BirthDate", FieldKind::Date},
        {"Relation", FieldKind::Int},
        {"SIN", FieldKind::Text},
        {"Infirm", FieldKind::Flag},
        {"NetIncome", FieldKind::Amount},
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
