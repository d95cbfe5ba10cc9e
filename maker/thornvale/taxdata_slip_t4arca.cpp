#include "taxdata_slip_t4arca.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box14", FieldKind::Amount, 14},
        {"Box15", FieldKind::Amount, 15},
        {"Box16", FieldKind::Amount, 16},
        {"Box17", FieldKind::Amount, 17},
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box22", FieldKind::Amount, 22}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4ARCA::TaxData_Slip_T4ARCA() : TaxData_SlipBase(formFields(), 15)
{
}
