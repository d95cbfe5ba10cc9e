#include "ctaxdata_t2222.h"
#include "utils.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Zone", FieldKind::Int},
        {"Days", FieldKind::Int},
        {"ResidencyDeduction", FieldKind::Amount},
        {"TravelDeduction", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 25500},
        {"Days2", FieldKind::Int},
        {"Days3", FieldKind::Int},
        {"Days4", FieldKind::Int}
    };
    return table;
}

} // namespace

CTaxData_T2222::CTaxData_T2222() : CTaxData_Form(formFields(), KindForm, 49)
{
}

void CTaxData_T2222::Calculate01()
{
    calculateWithNetIncome(-1.0);
}

// 2024: 11 a day in zone A, 5.50 a day in zone B; the residency deduction is at most
// 20 % of net income (line 23600) when it is known (not negative).
void CTaxData_T2222::calculateWithNetIncome(double netIncome)
{
    const double perDay = intValue(F_Zone) == 1 ? 11.0 : (intValue(F_Zone) == 2 ? 5.5 : 0.0);
    double residency = perDay * intValue(F_Days);
    if (netIncome >= 0.0)
        residency = qMin(residency, roundToCent(netIncome * 0.2));
    setAmount(F_ResidencyDeduction, roundToCent(residency));
    setAmount(F_Deduction, amount(F_ResidencyDeduction) + amount(F_TravelDeduction));
}
