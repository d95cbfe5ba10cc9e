#include "taxdata_provtax428.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"TaxableIncome", FieldKind::Amount, 26000},
        {"TaxOnIncome", FieldKind::Amount},
        {"BasicPersonal", FieldKind::Amount, 58040},
        {"Age", FieldKind::Amount, 58080},
        {"Spouse", FieldKind::Amount, 58120},
        {"EligibleDependant", FieldKind::Amount, 58160},
        {"Caregiver", FieldKind::Amount, 58185},
        {"CPP", FieldKind::Amount, 58240},
        {"CPPSelf", FieldKind::Amount, 58280},
        {"EI", FieldKind::Amount, 58300},
        {"EISelf", FieldKind::Amount, 58305},
        {"Pension", FieldKind::Amount, 58360},
        {"Disability", FieldKind::Amount, 58440},
        {"DisabilityTransferred", FieldKind::Amount, 58480},
        {"Tuition", FieldKind::Amount, 58560},
        {"SpouseTransfer", FieldKind::Amount, 58640},
        {"Medical", FieldKind::Amount, 58689},
        {"MedicalOther", FieldKind::Amount, 58729},
        {"TotalAmounts", FieldKind::Amount, 58800},
        {"NonRefundableCredits", FieldKind::Amount, 58840},
        {"Donations", FieldKind::Amount, 58969},
        {"DividendCredit", FieldKind::Amount, 61520},
        {"ForeignCredit", FieldKind::Amount, 61800},
        {"ProvincialTax", FieldKind::Amount, 42800}
    };
    return table;
}

} // namespace

TaxData_ProvTax428::TaxData_ProvTax428(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

// Holds no 2024 provincial arithmetic yet (brackets and credit rates are the
// province's): totals the credit lines and nets the tax lines.
void TaxData_ProvTax428::Calculate01()
{
    double total = 0.0;
    for (int f = F_BasicPersonal; f <= F_MedicalOther; ++f)
        total += amount(f);
    setAmount(F_TotalAmounts, total);
    setAmount(F_ProvincialTax, qMax(0.0, amount(F_TaxOnIncome) - amount(F_NonRefundableCredits) - amount(F_Donations)
                                         - amount(F_DividendCredit) - amount(F_ForeignCredit)));
}
