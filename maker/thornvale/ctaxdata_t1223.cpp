#include "ctaxdata_t1223.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"Year", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"Remuneration", FieldKind::Amount},
        {"RentPaid", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 23100},
        {"ProvidedResidence", FieldKind::Amount},
        {"Months", FieldKind::Int, 0, 12}
    };
    return table;
}

} // namespace

CTaxData_T1223::CTaxData_T1223() : CTaxData_Form(formFields(), KindForm, 103)
{
}

void CTaxData_T1223::Calculate01()
{
    tax2024::forms::ClergyResidenceInput in;
    in.remuneration = amount(F_Remuneration);
    in.providedResidence = amount(F_ProvidedResidence);
    in.housingCost = amount(F_RentPaid);
    in.months = intValue(F_Months);
    setAmount(F_Deduction, tax2024::forms::clergyResidenceDeduction(in));
}
