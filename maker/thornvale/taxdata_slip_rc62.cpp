#include "taxdata_slip_rc62.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box10", FieldKind::Amount, 10},
        {"Box12", FieldKind::Amount, 12}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_RC62::TaxData_Slip_RC62() : TaxData_SlipBase(formFields(), 17)
{
}
