#include "taxdata_provcreditsinfo.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Residence", FieldKind::Int},
        {"MovedIn", FieldKind::Date},
        {"RentPaid", FieldKind::Amount},
        {"PropertyTax", FieldKind::Amount},
        {"Occupants", FieldKind::Int},
        {"Notes", FieldKind::Text}
    };
    return table;
}

} // namespace

TaxData_ProvCreditsInfo::TaxData_ProvCreditsInfo(int province, int formType) : CTaxData_Form(formFields(), KindForm, formType)
{
    setMainTaxProvince(province);
}
