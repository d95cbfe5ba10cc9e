#include "cslipdata_t5007.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Code", FieldKind::Int},
        {"Box10", FieldKind::Amount, 10},
        {"Box11", FieldKind::Amount, 11},
        {"Box12", FieldKind::Amount, 12},
        {"Switch1", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

CSlipData_T5007::CSlipData_T5007() : TaxData_SlipBase(formFields(), 11)
{
}
