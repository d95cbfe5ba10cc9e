#include "taxdata_slip_nr4.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"ExchangeRate", FieldKind::Amount, 0, 1},
        {"Box16", FieldKind::Amount, 16},
        {"Box17", FieldKind::Amount, 17},
        {"Box26", FieldKind::Amount, 26},
        {"Box27", FieldKind::Amount, 27}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_NR4::TaxData_Slip_NR4() : TaxData_SlipBase(formFields(), 24)
{
}
