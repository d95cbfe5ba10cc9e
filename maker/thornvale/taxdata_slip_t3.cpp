#include "taxdata_slip_t3.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"SharePercent", FieldKind::Amount, 0, 100},
        {"Box21", FieldKind::Amount, 21},
        {"Box23", FieldKind::Amount, 23},
        {"Box25", FieldKind::Amount, 25},
        {"Box26", FieldKind::Amount, 26},
        {"Box30", FieldKind::Amount, 30},
        {"Box32", FieldKind::Amount, 32},
        {"Box34", FieldKind::Amount, 34},
        {"Box39", FieldKind::Amount, 39},
        {"Box49", FieldKind::Amount, 49},
        {"Box50", FieldKind::Amount, 50},
        {"Box51", FieldKind::Amount, 51},
        {"Box52", FieldKind::Amount, 52},
        {"Box53", FieldKind::Amount, 53},
        {"Box54", FieldKind::Amount, 54},
        {"Box55", FieldKind::Amount, 55},
        {"Box56", FieldKind::Amount, 56},
        {"Box57", FieldKind::Amount, 57},
        {"Box58", FieldKind::Amount, 58},
        {"Box59", FieldKind::Amount, 59},
        {"AmountA", FieldKind::Amount, 60},
        {"AmountB", FieldKind::Amount, 61},
        {"AmountC", FieldKind::Amount, 62},
        {"AmountD", FieldKind::Amount, 63},
        {"AmountE", FieldKind::Amount, 64},
        {"AmountF", FieldKind::Amount, 65},
        {"AmountG", FieldKind::Amount, 66},
        {"Calc21", FieldKind::Amount, 1021},
        {"Calc23", FieldKind::Amount, 1023},
        {"Calc25", FieldKind::Amount, 1025},
        {"Calc26", FieldKind::Amount, 1026},
        {"Calc30", FieldKind::Amount, 1030},
        {"Calc32", FieldKind::Amount, 1032},
        {"Calc34", FieldKind::Amount, 1034},
        {"Calc39", FieldKind::Amount, 1039},
        {"Calc49", FieldKind::Amount, 1049},
        {"Calc50", FieldKind::Amount, 1050},
        {"Calc51", FieldKind::Amount, 1051},
        {"Calc52", FieldKind::Amount, 1052},
        {"Calc53", FieldKind::Amount, 1053},
        {"Calc54", FieldKind::Amount, 1054},
        {"Calc55", FieldKind::Amount, 1055},
        {"Calc56", FieldKind::Amount, 1056},
        {"Calc57", FieldKind::Amount, 1057},
        {"Calc58", FieldKind::Amount, 1058},
        {"Calc59", FieldKind::Amount, 1059},
        {"CalcAmountA", FieldKind::Amount, 1060},
        {"CalcAmountB", FieldKind::Amount, 1061},
        {"CalcAmountC", FieldKind::Amount, 1062},
        {"CalcAmountD", FieldKind::Amount, 1063},
        {"CalcAmountE", FieldKind::Amount, 1064},
        {"CalcAmountF", FieldKind::Amount, 1065},
        {"CalcAmountG", FieldKind::Amount, 1066},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Switch3", FieldKind::Flag},
        {"Switch4", FieldKind::Flag},
        {"Switch5", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T3::TaxData_Slip_T3() : TaxData_SlipBase(formFields(), 9)
{
}

void TaxData_Slip_T3::calculateData()
{
    static const std::vector<SharedBox> boxes = sharedBoxes(fieldTable());
    applySharePercent(F_SharePercent, boxes);
}
