#include "taxdata_t777covid19.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Days", FieldKind::Int},
        {"Flat", FieldKind::Flag},
        {"Deduction", FieldKind::Amount, 22900}
    };
    return table;
}

} // namespace

TaxData_T777Covid19::TaxData_T777Covid19() : CTaxData_Form(formFields(), KindForm, 179)
{
}

void TaxData_T777Covid19::Calculate01()
{
    setAmount(F_Deduction, 0.0);
}
