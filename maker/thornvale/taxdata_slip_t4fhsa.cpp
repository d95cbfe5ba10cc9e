#include "taxdata_slip_t4fhsa.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box22", FieldKind::Amount, 22},
        {"Box24", FieldKind::Amount, 24},
        {"Box26", FieldKind::Amount, 26},
        {"Box28", FieldKind::Amount, 28},
        {"Box30", FieldKind::Amount, 30},
        {"Box32", FieldKind::Amount, 32},
        {"Box34", FieldKind::Amount, 34},
        {"Box36", FieldKind::Amount, 36},
        {"Box38", FieldKind::Amount, 38},
        {"Switch1", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4FHSA::TaxData_Slip_T4FHSA() : TaxData_SlipBase(formFields(), 26)
{
}
