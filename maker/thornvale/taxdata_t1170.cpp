#include "taxdata_t1170.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Proceeds", FieldKind::Amount},
        {"AdjustedCost", FieldKind::Amount},
        {"Outlays", FieldKind::Amount},
        {"Gain", FieldKind::Amount},
        {"Exempt", FieldKind::Amount},
        {"Taxable", FieldKind::Amount},
        {"Line24", FieldKind::Amount},
        {"Result", FieldKind::Amount, 67890}
    };
    return table;
}

} // namespace

TaxData_T1170::TaxData_T1170() : CTaxData_Form(formFields(), KindForm, 113)
{
}

void TaxData_T1170::Calculate01()
{
    const double gain = qMax(0.0, amount(F_Proceeds) - amount(F_AdjustedCost) - amount(F_Outlays));
    setAmount(F_Gain, gain);
    setAmount(F_Taxable, qMax(0.0, gain - amount(F_Exempt)));
    // the part of the gain left out of income (at most the gain), for the T691
    setAmount(F_Line24, qMin(gain, qMax(0.0, amount(F_Exempt))));
    setAmount(F_Result, amount(F_Taxable));
}
