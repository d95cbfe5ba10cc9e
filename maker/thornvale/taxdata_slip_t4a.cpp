#include "taxdata_slip_t4a.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Box16", FieldKind::Amount, 16},
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box22", FieldKind::Amount, 22},
        {"Box24", FieldKind::Amount, 24},
        {"Box28", FieldKind::Amount, 28},
        {"Box30", FieldKind::Amount, 30},
        {"Box32", FieldKind::Amount, 32},
        {"Box34", FieldKind::Amount, 34},
        {"Box40", FieldKind::Amount, 40},
        {"Box42", FieldKind::Amount, 42},
        {"Box46", FieldKind::Amount, 46},
        {"Box48", FieldKind::Amount, 48},
        {"Box104", FieldKind::Amount, 104},
        {"Box105", FieldKind::Amount, 105},
        {"Box106", FieldKind::Amount, 106},
        {"Box107", FieldKind::Amount, 107},
        {"Box109", FieldKind::Amount, 109},
        {"Box118", FieldKind::Amount, 118},
        {"Box119", FieldKind::Amount, 119},
        {"Box124", FieldKind::Amount, 124},
        {"Box125", FieldKind::Amount, 125},
        {"Box127", FieldKind::Amount, 127},
        {"Box128", FieldKind::Amount, 128},
        {"Box131", FieldKind::Amount, 131},
        {"Box135", FieldKind::Amount, 135},
        {"Box197", FieldKind::Amount, 197},
        {"Box198", FieldKind::Amount, 198},
        {"Box199", FieldKind::Amount, 199},
        {"Box200", FieldKind::Amount, 200},
        {"Box201", FieldKind::Amount, 201},
        {"Box202", FieldKind::Amount, 202},
        {"Box203", FieldKind::Amount, 203},
        {"Box204", FieldKind::Amount, 204},
        {"Box210", FieldKind::Amount, 210},
        {"Box211", FieldKind::Amount, 211},
        {"Selector1", FieldKind::Int},
        {"Selector2", FieldKind::Int},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Switch3", FieldKind::Flag},
        {"Switch4", FieldKind::Flag},
        {"Switch5", FieldKind::Flag},
        {"Switch6", FieldKind::Flag},
        {"Switch7", FieldKind::Flag},
        {"Switch8", FieldKind::Flag},
        {"Switch9", FieldKind::Flag},
        {"AmountA", FieldKind::Amount},
        {"AmountB", FieldKind::Amount},
        {"AmountC", FieldKind::Amount},
        {"AmountD", FieldKind::Amount},
        {"AmountE", FieldKind::Amount},
        {"AmountF", FieldKind::Amount},
        {"AmountG", FieldKind::Amount},
        {"AmountH", FieldKind::Amount},
        {"AmountI", FieldKind::Amount},
        {"AmountJ", FieldKind::Amount},
        {"AmountK", FieldKind::Amount},
        {"AmountL", FieldKind::Amount},
        {"AmountM", FieldKind::Amount},
        {"AmountN", FieldKind::Amount},
        {"AmountO", FieldKind::Amount},
        {"AmountP", FieldKind::Amount},
        {"AmountQ", FieldKind::Amount},
        {"AmountR", FieldKind::Amount},
        {"AmountS", FieldKind::Amount},
        {"Box37", FieldKind::Amount, 37},
        {"Box196", FieldKind::Amount, 196}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4A::TaxData_Slip_T4A() : TaxData_SlipBase(formFields(), 2)
{
}
