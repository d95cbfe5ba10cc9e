#include "taxdata_wizard_general.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ElectionsCanada", FieldKind::Flag},
        {"ForeignPropertyOver100K", FieldKind::Flag},
        {"OrganDonor", FieldKind::Flag},
        {"RuralSupplement", FieldKind::Flag},
        {"SelfEmployedJune15", FieldKind::Flag},
        {"FirstTimeFiler", FieldKind::Flag},
        {"Instalments", FieldKind::Amount, 47600},
        {"OtherIncome", FieldKind::Amount, 13000},
        {"Donations", FieldKind::Amount, 34000},
        {"EcologicalGifts", FieldKind::Amount, 34200},
    };
    return table;
}

} // namespace

TaxData_Wizard_General::TaxData_Wizard_General() : CTaxData_Form(formFields(), KindOther, 1)
{
}
