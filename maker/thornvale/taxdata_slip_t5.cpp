#include "taxdata_slip_t5.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"SharePercent", FieldKind::Amount, 0, 100},
        {"Box10", FieldKind::Amount, 10},
        {"Box11", FieldKind::Amount, 11},
        {"Box12", FieldKind::Amount, 12},
        {"Box13", FieldKind::Amount, 13},
        {"Box14", FieldKind::Amount, 14},
        {"Box15", FieldKind::Amount, 15},
        {"Box16", FieldKind::Amount, 16},
        {"Box17", FieldKind::Amount, 17},
        {"Box18", FieldKind::Amount, 18},
        {"Box24", FieldKind::Amount, 24},
        {"Box25", FieldKind::Amount, 25},
        {"Box26", FieldKind::Amount, 26},
        {"Box34", FieldKind::Amount, 34},
        {"AmountA", FieldKind::Amount, 19},
        {"AmountB", FieldKind::Amount, 20},
        {"AmountC", FieldKind::Amount, 21},
        {"AmountD", FieldKind::Amount, 35},
        {"AmountE", FieldKind::Amount, 36},
        {"Calc10", FieldKind::Amount, 1010},
        {"Calc11", FieldKind::Amount, 1011},
        {"Calc12", FieldKind::Amount, 1012},
        {"Calc13", FieldKind::Amount, 1013},
        {"Calc14", FieldKind::Amount, 1014},
        {"Calc15", FieldKind::Amount, 1015},
        {"Calc16", FieldKind::Amount, 1016},
        {"Calc17", FieldKind::Amount, 1017},
        {"Calc18", FieldKind::Amount, 1018},
        {"Calc24", FieldKind::Amount, 1024},
        {"Calc25", FieldKind::Amount, 1025},
        {"Calc26", FieldKind::Amount, 1026},
        {"Calc34", FieldKind::Amount, 1034},
        {"CalcAmountA", FieldKind::Amount, 1019},
        {"CalcAmountB", FieldKind::Amount, 1020},
        {"CalcAmountC", FieldKind::Amount, 1021},
        {"CalcAmountD", FieldKind::Amount, 1035},
        {"CalcAmountE", FieldKind::Amount, 1036},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T5::TaxData_Slip_T5() : TaxData_SlipBase(formFields(), 8)
{
}

void TaxData_Slip_T5::calculateData()
{
    static const std::vector<SharedBox> boxes = sharedBoxes(fieldTable());
    applySharePercent(F_SharePercent, boxes);
}
