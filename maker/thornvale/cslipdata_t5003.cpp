#include "cslipdata_t5003.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"ShelterId", FieldKind::Text},
        {"Box121", FieldKind::Amount, 121}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

CSlipData_T5003::CSlipData_T5003() : TaxData_SlipBase(formFields(), 10)
{
}
