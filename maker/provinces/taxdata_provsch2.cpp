#include "taxdata_provsch2.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SpouseTaxableIncome", FieldKind::Amount},
        {"Age", FieldKind::Amount, 5802},
        {"Pension", FieldKind::Amount, 5804},
        {"Disability", FieldKind::Amount, 5806},
        {"Tuition", FieldKind::Amount, 5808},
        {"SpouseCredits", FieldKind::Amount},
        {"Result", FieldKind::Amount, 58640},
        {"SeniorSupplement", FieldKind::Amount},
        {"ChildAmount", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_ProvSch2::TaxData_ProvSch2(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

void TaxData_ProvSch2::Calculate01()
{
    const double claimed = amount(F_Age) + amount(F_SeniorSupplement) + amount(F_Pension) + amount(F_Disability) +
                           amount(F_ChildAmount) + amount(F_Tuition);
    setAmount(F_Result, qMax(0.0, claimed - amount(F_SpouseCredits)));
}
