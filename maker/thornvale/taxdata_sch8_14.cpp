#include "taxdata_sch8_14.h"
#include "formtypes.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(TaxData_CppContributionForm::withSlipAndElectionRows({
        {"ElectedAmount", FieldKind::Amount},
        {"MonthsBeforePension", FieldKind::Int},
        {"PensionMonths", FieldKind::Int},
        {"Bill51K", FieldKind::Amount}
    }, {
        {"Line50372", FieldKind::Amount},
        {"Line50374", FieldKind::Amount},
        {"T4Cpp2Contributions", FieldKind::Amount},
        {"T4Qpp2Contributions", FieldKind::Amount}
    }), &TaxData_CppContributionForm::commonFields());
    return table;
}

} // namespace

TaxData_Sch8_14::TaxData_Sch8_14() : TaxData_CppContributionForm(formFields(), FormType::Schedule8, false)
{
}
