#include "ctaxdata_t1dd.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Branch", FieldKind::Text},
        {"Institution", FieldKind::Text},
        {"Account", FieldKind::Text},
        {"Change", FieldKind::Flag},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Street", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Province", FieldKind::Int},
        {"Phone", FieldKind::Text}
    };
    return table;
}

} // namespace

CTaxData_T1DD::CTaxData_T1DD() : CTaxData_Form(formFields(), KindForm, 52)
{
}

void CTaxData_T1DD::Calculate01()
{
}
