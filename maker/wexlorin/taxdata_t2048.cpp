#include "taxdata_t2048.h"
#include "forms2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"LabourCosts", FieldKind::Amount},
        {"Credit", FieldKind::Amount},
        {"QualifyingGain", FieldKind::Amount},
        {"ExemptionShare", FieldKind::Amount},
        {"InclusionRate", FieldKind::Amount, 0, 50.0},
        {"NetTaxableGains", FieldKind::Amount},
        {"TaxableQualifyingGain", FieldKind::Amount},
        {"ExemptionLimit", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 25395}
    };
    return table;
}

} // namespace

TaxData_T2048::TaxData_T2048() : CTaxData_Form(formFields(), KindForm, 212)
{
}

void TaxData_T2048::Calculate01()
{
    tax2024::forms::BusinessTransferInput in;
    in.qualifyingGain = amount(F_QualifyingGain);
    in.exemptionShare = amount(F_ExemptionShare);
    in.inclusionRate = amount(F_InclusionRate) / 100.0;
    in.netTaxableGains = amount(F_NetTaxableGains);
    const tax2024::forms::BusinessTransferResult r = tax2024::forms::businessTransferDeduction(in);
    setAmount(F_TaxableQualifyingGain, r.taxableQualifyingGain);
    setAmount(F_ExemptionLimit, r.exemptionLimit);
    setAmount(F_Deduction, r.deduction);
    // The labour credit this form was read as is no credit of an individual's return.
    setAmount(F_Credit, 0.0);
}
