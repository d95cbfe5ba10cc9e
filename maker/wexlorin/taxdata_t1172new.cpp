#include "taxdata_t1172new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"AIPIncome", FieldKind::Amount},
        {"RRSPDeduction", FieldKind::Amount},
        {"SwitchA", FieldKind::Flag},
        {"SwitchB", FieldKind::Flag},
        {"FederalTax", FieldKind::Amount},
        {"QuebecTax", FieldKind::Amount},
        {"Result", FieldKind::Amount},
        {"Line68270", FieldKind::Amount},
        {"Line68280", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1172New::TaxData_T1172New() : CTaxData_Form(formFields(), KindForm, 17)
{
}

void TaxData_T1172New::Calculate01()
{
    const double base = qMax(0.0, amount(F_AIPIncome) - amount(F_RRSPDeduction));
    setAmount(F_FederalTax, base * (intValue(F_Province) == 11 ? 0.12 : 0.20));
    setAmount(F_QuebecTax, intValue(F_Province) == 11 ? base * 0.08 : 0.0);
    setAmount(F_Result, flag(F_SwitchA) && flag(F_SwitchB) ? amount(F_QuebecTax) : amount(F_FederalTax));
}
