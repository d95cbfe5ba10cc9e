#include "taxdata_t2091.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FullName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Description", FieldKind::Text},
        {"AcquiredYear", FieldKind::Int},
        {"YearsDesignated", FieldKind::Int},
        {"YearsOwned", FieldKind::Int},
        {"Proceeds", FieldKind::Amount},
        {"Cost", FieldKind::Amount},
        {"Outlays", FieldKind::Amount},
        {"Gain", FieldKind::Amount},
        {"ExemptGain", FieldKind::Amount},
        {"Designated", FieldKind::Amount},
        {"Switch", FieldKind::Int}
    };
    return table;
}

} // namespace

TaxData_T2091::TaxData_T2091(int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
}

// Exempt share: (1 + years designated) / years owned.
void TaxData_T2091::Calculate01()
{
    const double gain = qMax(0.0, amount(F_Proceeds) - amount(F_Cost) - amount(F_Outlays));
    setAmount(F_Gain, gain);
    const int owned = intValue(F_YearsOwned);
    const double share = owned > 0 ? qMin(1.0, (1.0 + intValue(F_YearsDesignated)) / owned) : 0.0;
    setAmount(F_ExemptGain, gain * share);
    setAmount(F_Designated, gain - amount(F_ExemptGain));
}
