#include "taxdata_slip_t4e.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box7", FieldKind::Amount, 7},
        {"Box14", FieldKind::Amount, 14},
        {"Box15", FieldKind::Amount, 15},
        {"Box17", FieldKind::Amount, 17},
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box21", FieldKind::Amount, 21},
        {"Box22", FieldKind::Amount, 22},
        {"Box23", FieldKind::Amount, 23},
        {"Box24", FieldKind::Amount, 24},
        {"Box26", FieldKind::Amount, 26},
        {"Box27", FieldKind::Amount, 27},
        {"Box30", FieldKind::Amount, 30},
        {"AmountA", FieldKind::Amount},
        {"AmountB", FieldKind::Amount},
        {"Box33", FieldKind::Amount, 33},
        {"Box37", FieldKind::Amount, 37},
        {"AmountC", FieldKind::Amount},
        {"Switch1", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4E::TaxData_Slip_T4E() : TaxData_SlipBase(formFields(), 5)
{
}
