#include "taxdata_provwizard.h"
#include "cprovincialtaxmanager.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ProvUnusedTuition", FieldKind::Amount, CProvincialTaxManager::kUnusedTuitionCode},
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
