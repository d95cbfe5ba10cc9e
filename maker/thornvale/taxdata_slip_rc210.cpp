#include "taxdata_slip_rc210.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box10", FieldKind::Amount, 10},
        {"Box11", FieldKind::Amount, 11}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_RC210::TaxData_Slip_RC210() : TaxData_SlipBase(formFields(), 18)
{
}
