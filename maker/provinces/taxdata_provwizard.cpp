#include "taxdata_provwizard.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ProvUnusedTuition", FieldKind::Amount, 11001},
        {"RentPaid", FieldKind::Amount},
        {"PropertyTax", FieldKind::Amount},
        {"ApplyBenefits", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_ProvWizard::TaxData_ProvWizard(int province) : CTaxData_Form(formFields(), KindOther, 6)
{
    setMainTaxProvince(province);
}
