#include "taxdata_t1013new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Date", FieldKind::Date},
        {"Text", FieldKind::Text},
        {"RepId", FieldKind::Text},
        {"BusinessNumber", FieldKind::Text},
        {"Level", FieldKind::Int},
        {"Expiry", FieldKind::Date},
        {"SignDate", FieldKind::Date},
        {"FilingStatus", FieldKind::Int},
        {"FilingTime", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"Error", FieldKind::Text},
        {"SoftwareCode", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"RepFirstName", FieldKind::Text},
        {"RepLastName", FieldKind::Text},
        {"GroupId", FieldKind::Text},
        {"GroupName", FieldKind::Text},
        {"BusinessName", FieldKind::Text},
        {"MailAddress", FieldKind::Text},
        {"Phone", FieldKind::Text}
    };
    return table;
}

} // namespace

TaxData_T1013New::TaxData_T1013New() : CTaxData_Form(formFields(), KindForm, 117)
{
}

void TaxData_T1013New::Calculate01()
{
    if (intValue(F_Level) < 1 || intValue(F_Level) > 2)
        setIntValue(F_Level, 1);
}
