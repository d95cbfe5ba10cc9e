#include "ctaxdata_t1153.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"TrusteeName", FieldKind::Text},
        {"DiscounterCode", FieldKind::Text},
        {"TrusteeAddress", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"City", FieldKind::Text},
        {"Province", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"BankruptcyDate", FieldKind::Date},
        {"FullName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Street", FieldKind::Text},
        {"TaxpayerCity", FieldKind::Text},
        {"ProvinceName", FieldKind::Text},
        {"TaxpayerPostcode", FieldKind::Text}
    };
    return table;
}

} // namespace

CTaxData_T1153::CTaxData_T1153() : CTaxData_Form(formFields(), KindForm, 97)
{
}

void CTaxData_T1153::Calculate01()
{
}
