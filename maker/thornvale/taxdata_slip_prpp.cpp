#include "taxdata_slip_prpp.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box10", FieldKind::Amount, 10},
        {"Box11", FieldKind::Amount, 11},
        {"Box12", FieldKind::Amount, 12},
        {"Box13", FieldKind::Amount, 13},
        {"Box14", FieldKind::Amount, 14},
        {"Version", FieldKind::Text}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_PRPP::TaxData_Slip_PRPP() : TaxData_SlipBase(formFields(), 22)
{
}
