#include "taxdata_slip_t4rsp.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box16", FieldKind::Amount, 16},
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box22", FieldKind::Amount, 22},
        {"Box25", FieldKind::Amount, 25},
        {"Box26", FieldKind::Amount, 26},
        {"Box27", FieldKind::Amount, 27},
        {"Box28", FieldKind::Amount, 28},
        {"Box30", FieldKind::Amount, 30},
        {"Box34", FieldKind::Amount, 34},
        {"Box35", FieldKind::Amount, 35},
        {"Box40", FieldKind::Amount, 40},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Box37", FieldKind::Amount, 37}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4RSP::TaxData_Slip_T4RSP() : TaxData_SlipBase(formFields(), 4)
{
}
