#include "taxdata_provbenefitapp.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ApplyEnergyPropertyTax", FieldKind::Flag},
        {"ApplyNorthernEnergy", FieldKind::Flag},
        {"RentPaid", FieldKind::Amount},
        {"PropertyTax", FieldKind::Amount},
        {"EnergyCosts", FieldKind::Amount},
        {"LongTermCare", FieldKind::Amount},
        {"Reserve", FieldKind::Flag},
        {"Student", FieldKind::Flag}
    };
    return table;
}

} // namespace

TaxData_ProvBenefitApp::TaxData_ProvBenefitApp(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}

void TaxData_ProvBenefitApp::Calculate01()
{
    for (int f : {F_RentPaid, F_PropertyTax, F_EnergyCosts, F_LongTermCare})
        if (amount(f) < 0)
            setAmount(f, 0.0);
}
