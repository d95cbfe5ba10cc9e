#include "taxdata_rc59_e.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"BusinessNumber", FieldKind::Text},
        {"BusinessName", FieldKind::Text},
        {"ConsentLevel", FieldKind::Int},
        {"Expiry", FieldKind::Date}
    };
    return table;
}

} // namespace

TaxData_RC59_e::TaxData_RC59_e() : CTaxData_Form(formFields(), KindForm, 184)
{
}

void TaxData_RC59_e::Calculate01()
{
}
