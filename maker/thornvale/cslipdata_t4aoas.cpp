#include "cslipdata_t4aoas.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box18", FieldKind::Amount, 18},
        {"Box19", FieldKind::Amount, 19},
        {"Box20", FieldKind::Amount, 20},
        {"Box21", FieldKind::Amount, 21},
        {"Box22", FieldKind::Amount, 22},
        {"Box23", FieldKind::Amount, 23}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

CSlipData_T4AOAS::CSlipData_T4AOAS() : TaxData_SlipBase(formFields(), 6)
{
}
