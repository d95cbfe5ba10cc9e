#include "taxdata_instalmentcalc.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ProvincialValue1", FieldKind::Amount},
        {"ProvincialValue2", FieldKind::Amount},
        {"NetTaxOwing", FieldKind::Amount},
        {"Instalment2025", FieldKind::Amount},
        {"Quarter", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_InstalmentCalc::TaxData_InstalmentCalc() : CTaxData_Form(formFields(), KindForm, 209)
{
}

// Instalments are due when net tax owing exceeds 3000.
void TaxData_InstalmentCalc::Calculate(TaxData_T1New *t1, CTaxData_Form *)
{
    const double owing = t1 ? t1->amount(TaxData_T1New::F_43500) - t1->amount(TaxData_T1New::F_43700) : 0.0;
    setAmount(F_NetTaxOwing, owing + amount(F_ProvincialValue1) - amount(F_ProvincialValue2));
    setAmount(F_Instalment2025, amount(F_NetTaxOwing) > 3000.0 ? amount(F_NetTaxOwing) : 0.0);
    setAmount(F_Quarter, amount(F_Instalment2025) / 4.0);
}
