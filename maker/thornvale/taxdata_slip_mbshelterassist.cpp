#include "taxdata_slip_mbshelterassist.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box10", FieldKind::Amount, 10}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_MBShelterAssist::TaxData_Slip_MBShelterAssist() : TaxData_SlipBase(formFields(), 21)
{
}
