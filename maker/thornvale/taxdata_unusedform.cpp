#include "taxdata_unusedform.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Note", FieldKind::Text}
    };
    return table;
}

} // namespace

TaxData_UnusedForm::TaxData_UnusedForm() : CTaxData_Form(formFields(), KindForm, 2)
{
}
