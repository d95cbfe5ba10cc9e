#include "taxdata_provworksheet.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"NetIncome", FieldKind::Amount, 23600},
        {"TaxableIncome", FieldKind::Amount, 26000},
        {"AgeAmount", FieldKind::Amount},
        {"SpouseAmount", FieldKind::Amount},
        {"DependantAmount", FieldKind::Amount},
        {"MedicalThreshold", FieldKind::Amount},
        {"DividendGrossEligible", FieldKind::Amount},
        {"DividendGrossOther", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_ProvWorksheet::TaxData_ProvWorksheet(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}
