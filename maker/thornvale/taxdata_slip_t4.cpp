#include "taxdata_slip_t4.h"
#include "taxrates2024.h"

#include <algorithm>

namespace {

const FieldTable &formFields()
{
    static const FieldTable table({
        {"Province", FieldKind::Int, 10},
        {"Box14", FieldKind::Amount, 14},
        {"Box16", FieldKind::Amount, 16},
        {"Box16A", FieldKind::Amount, 1601},
        {"Box17", FieldKind::Amount, 17},
        {"Box17A", FieldKind::Amount, 1701},
        {"Box18", FieldKind::Amount, 18},
        {"Box20", FieldKind::Amount, 20},
        {"Box22", FieldKind::Amount, 22},
        {"Box24", FieldKind::Amount, 24},
        {"Box26", FieldKind::Amount, 26},
        {"EmploymentCode", FieldKind::Int, 29},
        {"Box30", FieldKind::Amount, 30},
        {"Box31", FieldKind::Amount, 31},
        {"Box32", FieldKind::Amount, 32},
        {"Box33", FieldKind::Amount, 33},
        {"Box34", FieldKind::Amount, 34},
        {"Box36", FieldKind::Amount, 36},
        {"Box38", FieldKind::Amount, 38},
        {"Box39", FieldKind::Amount, 39},
        {"Box40", FieldKind::Amount, 40},
        {"Box41", FieldKind::Amount, 41},
        {"Box42", FieldKind::Amount, 42},
        {"Box43", FieldKind::Amount, 43},
        {"Box44", FieldKind::Amount, 44},
        {"Box45", FieldKind::Amount, 45},
        {"Box46", FieldKind::Amount, 46},
        {"Box50", FieldKind::Amount, 50},
        {"Box52", FieldKind::Amount, 52},
        {"Box53", FieldKind::Amount, 53},
        {"Box55", FieldKind::Amount, 55},
        {"Box56", FieldKind::Amount, 56},
        {"Box57", FieldKind::Amount, 57},
        {"Box58", FieldKind::Amount, 58},
        {"Box59", FieldKind::Amount, 59},
        {"Box60", FieldKind::Amount, 60},
        {"Box61", FieldKind::Amount, 61},
        {"Box62", FieldKind::Amount, 62},
        {"Box66", FieldKind::Amount, 66},
        {"Box67", FieldKind::Amount, 67},
        {"Box69", FieldKind::Amount, 69},
        {"Box71", FieldKind::Amount, 71},
        {"Box74", FieldKind::Amount, 74},
        {"Box75", FieldKind::Amount, 75},
        {"Box76", FieldKind::Amount, 76},
        {"Box77", FieldKind::Amount, 77},
        {"Box78", FieldKind::Amount, 78},
        {"Box79", FieldKind::Amount, 79},
        {"Box80", FieldKind::Amount, 80},
        {"Box81", FieldKind::Amount, 81},
        {"Box82", FieldKind::Amount, 82},
        {"Box83", FieldKind::Amount, 83},
        {"Box84", FieldKind::Amount, 84},
        {"Box85", FieldKind::Amount, 85},
        {"Box86", FieldKind::Amount, 86},
        {"Box87", FieldKind::Amount, 87},
        {"Box88", FieldKind::Amount, 88},
        {"Box90", FieldKind::Amount, 90},
        {"Box91", FieldKind::Amount, 91},
        {"Box92", FieldKind::Amount, 92},
        {"Box94", FieldKind::Amount, 94},
        {"Box95", FieldKind::Amount, 95},
        {"Box96", FieldKind::Amount, 96},
        {"Box97", FieldKind::Amount, 97},
        {"Selector1", FieldKind::Int},
        {"Selector2", FieldKind::Int},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Switch3", FieldKind::Flag},
        {"Switch4", FieldKind::Flag},
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
        {"Box24Given", FieldKind::Flag},
        {"Box26Given", FieldKind::Flag},
        {"EiExempt", FieldKind::Flag}
    }, &TaxData_SlipBase::commonFields());
    return table;
}

} // namespace

TaxData_Slip_T4::TaxData_Slip_T4() : TaxData_SlipBase(formFields(), 1)
{
}

bool TaxData_Slip_T4::containIndianItem() const
{
    for (int f : {F_Box71, F_Box87, F_Box88})
        if (isAmountEntered(amount(f)))
            return true;
    return false;
}

double TaxData_Slip_T4::pensionableEarnings() const
{
    const double box26 = amount(F_Box26);
    if (isAmountEntered(box26) || isCppQppExempt())
        return box26;
    const double contributions = amount(F_Box16) + amount(F_Box16A) + amount(F_Box17) + amount(F_Box17A);
    return isAmountEntered(contributions) ? amount(F_Box14) : box26;
}

double TaxData_Slip_T4::insurableEarnings() const
{
    const double box24 = amount(F_Box24);
    if (isAmountEntered(box24) || flag(F_EiExempt) || !isAmountEntered(amount(F_Box18)))
        return box24;
    return std::min(amount(F_Box14), tax2024::payroll::kEiMaxInsurable);
}

void TaxData_Slip_T4::collectWarnings(QList<CString> &warnings) const
{
    const double cpp = amount(F_Box16) + amount(F_Box16A);
    if (isAmountEntered(cpp) && !isAmountEntered(amount(F_Box26)) && !isCppQppExempt())
        warnings.append(CString("A T4 slip shows CPP contributions in box 16 but no pensionable earnings in box 26: the "
                                "employment income of box 14 is used as the pensionable earnings. Please confirm box 26 "
                                "of the T4 slip."));
    if (isAmountEntered(amount(F_Box18)) && !isAmountEntered(amount(F_Box24)) && !flag(F_EiExempt))
        warnings.append(CString("A T4 slip shows EI premiums in box 18 but no insurable earnings in box 24: the "
                                "employment income of box 14, up to the maximum insurable earnings, is used. Please "
                                "confirm box 24 of the T4 slip."));
}
