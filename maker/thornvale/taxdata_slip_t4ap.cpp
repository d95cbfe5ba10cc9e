#include "taxdata_slip_t4ap.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Age", FieldKind::Int},
        {"AmountA", FieldKind::Amount, 20},
        {"AmountB", FieldKind::Amount, 16},
        {"AmountC", FieldKind::Amount, 18},
        {"AmountD", FieldKind::Amount, 17},
        {"AmountE", FieldKind::Amount, 22},
        {"AmountF", FieldKind::Amount, 15},
        {"AmountG", FieldKind::Amount, 24},
        {"AmountH", FieldKind::Amount, 21},
        {"AmountI", FieldKind::Amount, 25},
        {"AmountJ", FieldKind::Amount, 23},
        {"AmountK", FieldKind::Amount, 19},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Switch3", FieldKind::Flag},
        {"Box14", FieldKind::Amount, 14}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4AP::TaxData_Slip_T4AP() : TaxData_SlipBase(formFields(), 3)
{
}
