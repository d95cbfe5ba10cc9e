#include "taxdata_lastyearamounts.h"
#include "cprovincialtaxmanager.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FedUnusedTuition", FieldKind::Amount},
        {"ProvUnusedTuition", FieldKind::Amount, CProvincialTaxManager::kUnusedTuitionCode},
        {"RRSPDeductionLimit", FieldKind::Amount},
        {"UnusedRRSPContrib", FieldKind::Amount},
        {"HBPRepayment", FieldKind::Amount, 24630},
        {"LLPRepayment", FieldKind::Amount, 24620},
        {"T1212Balance", FieldKind::Amount},
        {"NetCapitalLosses", FieldKind::Amount},
        {"NonCapitalLosses", FieldKind::Amount},
        {"CanadaTrainingCreditLimit", FieldKind::Amount},
    };
    return table;
}

} // namespace

TaxData_LastYearAmounts::TaxData_LastYearAmounts() : CTaxData_Form(formFields(), KindOther, 2)
{
}
