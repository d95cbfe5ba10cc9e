#include "taxdata_t185.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Institution", FieldKind::Text},
        {"Branch", FieldKind::Text},
        {"Account", FieldKind::Text},
        {"Amount", FieldKind::Amount},
        {"DebitDate", FieldKind::Date},
        {"PadDate", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"Message", FieldKind::Text},
        {"PreparerName", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"EFilePassword", FieldKind::Text, 0, 0.0, true},
        {"SoftwareCode", FieldKind::Text},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Street", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Province", FieldKind::Int},
        {"Phone", FieldKind::Text},
        {"Email", FieldKind::Text},
        {"FixedAmount", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_T185::TaxData_T185() : CTaxData_Form(formFields(), KindForm, 181)
{
}

void TaxData_T185::Calculate01()
{
    if (amount(F_Amount) < 0)
        setAmount(F_Amount, 0.0);
}
