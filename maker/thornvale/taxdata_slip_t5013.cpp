#include "taxdata_slip_t5013.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box5", FieldKind::Amount, 5, 100},
        {"AmountA", FieldKind::Amount, 101},
        {"AmountB", FieldKind::Amount, 104},
        {"AmountC", FieldKind::Amount, 105},
        {"AmountD", FieldKind::Amount, 106},
        {"AmountE", FieldKind::Amount, 107},
        {"AmountF", FieldKind::Amount, 108},
        {"AmountG", FieldKind::Amount, 110},
        {"AmountH", FieldKind::Amount, 111},
        {"AmountI", FieldKind::Amount, 113},
        {"AmountJ", FieldKind::Amount, 114},
        {"AmountK", FieldKind::Amount, 116},
        {"AmountL", FieldKind::Amount, 117},
        {"AmountM", FieldKind::Amount, 118},
        {"AmountN", FieldKind::Amount, 119},
        {"AmountO", FieldKind::Amount, 120},
        {"AmountP", FieldKind::Amount, 121},
        {"AmountQ", FieldKind::Amount, 124},
        {"AmountR", FieldKind::Amount, 125},
        {"AmountS", FieldKind::Amount, 126},
        {"AmountT", FieldKind::Amount, 128},
        {"AmountU", FieldKind::Amount, 129},
        {"AmountV", FieldKind::Amount, 130},
        {"AmountW", FieldKind::Amount, 132},
        {"AmountX", FieldKind::Amount, 133},
        {"AmountY", FieldKind::Amount, 134},
        {"Switch1", FieldKind::Flag},
        {"PartnershipId", FieldKind::Text},
        {"TaxShelterId", FieldKind::Text}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T5013::TaxData_Slip_T5013() : TaxData_SlipBase(formFields(), 13)
{
}
