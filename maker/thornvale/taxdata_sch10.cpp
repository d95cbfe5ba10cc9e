#include "taxdata_sch10.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Opted", FieldKind::Flag},
        {"SelfEmployedEarnings", FieldKind::Amount, 10200},
        {"Province", FieldKind::Int},
        {"Premiums", FieldKind::Amount},
        {"InsurableEmployment", FieldKind::Amount},
        {"OtherEmployment", FieldKind::Amount},
        {"EmploymentPayable", FieldKind::Amount, 31210},
        {"SelfEmployedInsurable", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 31215},
        {"Deduction", FieldKind::Amount, 22300}
    };
    return table;
}

} // namespace

TaxData_Sch10::TaxData_Sch10() : CTaxData_Form(formFields(), KindForm, 10)
{
}

void TaxData_Sch10::Calculate01()
{
    const tax2024::forms::PpipResult r = tax2024::forms::ppipPremiums(
        amount(F_InsurableEmployment), amount(F_OtherEmployment), amount(F_SelfEmployedEarnings));
    setAmount(F_EmploymentPayable, r.employmentPayable);
    setAmount(F_SelfEmployedInsurable, r.selfEmployedInsurable);
    setAmount(F_Premiums, r.selfEmployedPremiums);
    setAmount(F_Credit, r.credit);
    setAmount(F_Deduction, r.deduction);
}
