#include "taxdata_slip_t4rif.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box16", FieldKind::Amount, 16},
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box22", FieldKind::Amount, 22},
        {"Box24", FieldKind::Amount, 24},
        {"Box26", FieldKind::Amount, 26},
        {"Box28", FieldKind::Amount, 28},
        {"AmountA", FieldKind::Amount},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Box37", FieldKind::Amount, 37}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4RIF::TaxData_Slip_T4RIF() : TaxData_SlipBase(formFields(), 7)
{
}
