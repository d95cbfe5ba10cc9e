#include "taxdata_slip_t4ps.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box24", FieldKind::Amount, 24},
        {"Box25", FieldKind::Amount, 25},
        {"Box26", FieldKind::Amount, 26},
        {"Box30", FieldKind::Amount, 30},
        {"Box31", FieldKind::Amount, 31},
        {"Box32", FieldKind::Amount, 32},
        {"Box34", FieldKind::Amount, 34},
        {"Box35", FieldKind::Amount, 35},
        {"Box36", FieldKind::Amount, 36},
        {"Box37", FieldKind::Amount, 37},
        {"Box38", FieldKind::Amount, 38},
        {"Box39", FieldKind::Amount, 39},
        {"Box41", FieldKind::Amount, 41},
        {"Switch1", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4PS::TaxData_Slip_T4PS() : TaxData_SlipBase(formFields(), 14)
{
}
