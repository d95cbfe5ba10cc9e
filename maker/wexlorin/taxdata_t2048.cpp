#include "taxdata_t2048.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"LabourCosts", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 47555}
    };
    return table;
}

} // namespace

TaxData_T2048::TaxData_T2048() : CTaxData_Form(formFields(), KindForm, 212)
{
}

void TaxData_T2048::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    setAmount(F_Credit, qMin(qMax(0.0, amount(F_LabourCosts)), 85000.0) * 0.35);
}
