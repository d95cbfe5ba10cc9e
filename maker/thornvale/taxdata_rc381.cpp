#include "taxdata_rc381.h"
#include "formtypes.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(TaxData_CppContributionForm::withSlipAndElectionRows({}, {
        {"ElectedAmount", FieldKind::Amount},
        {"T4Cpp2Contributions", FieldKind::Amount},
        {"T4Qpp2Contributions", FieldKind::Amount}
    }), &TaxData_CppContributionForm::commonFields());
    return table;
}

} // namespace

TaxData_RC381::TaxData_RC381() : TaxData_CppContributionForm(formFields(), FormType::RC381, true)
{
}
