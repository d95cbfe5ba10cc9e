#include "taxdata_sch13.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Input", FieldKind::Amount},
        {"EIBenefits", FieldKind::Amount},
        {"Result", FieldKind::Amount},
        {"Switch", FieldKind::Flag},
        {"Line54493", FieldKind::Amount},
        {"Line54494", FieldKind::Amount},
        {"Line53550", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_Sch13::TaxData_Sch13() : CTaxData_Form(formFields(), KindForm, 139)
{
}

void TaxData_Sch13::Calculate01()
{
    setAmount(F_Result, qMax(0.0, amount(F_Input)));
}
