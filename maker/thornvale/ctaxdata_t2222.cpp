#include "ctaxdata_t2222.h"

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
    // 2024: 11 a day in zone A, 5.50 a day in zone B.
    const double perDay = intValue(F_Zone) == 1 ? 11.0 : (intValue(F_Zone) == 2 ? 5.5 : 0.0);
    setAmount(F_ResidencyDeduction, perDay * intValue(F_Days));
    setAmount(F_Deduction, amount(F_ResidencyDeduction) + amount(F_TravelDeduction));
}
