#include "taxdata_slip_t1204.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box82", FieldKind::Amount, 82},
        {"Box84", FieldKind::Amount, 84}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T1204::TaxData_Slip_T1204() : TaxData_SlipBase(formFields(), 23)
{
}
