#include "taxdata_rc59x_e.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"BusinessNumber", FieldKind::Text},
        {"BusinessName", FieldKind::Text},
        {"CancelAll", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_RC59X_e::TaxData_RC59X_e() : CTaxData_Form(formFields(), KindForm, 185)
{
}

void TaxData_RC59X_e::Calculate01()
{
}
