#include "taxdata_rc383.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ExemptIncome", FieldKind::Amount},
        {"Contribution", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 22215},
        {"Line58750", FieldKind::Amount},
        {"Line58810", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_RC383::TaxData_RC383() : CTaxData_Form(formFields(), KindForm, 149)
{
}

void TaxData_RC383::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    // 2024 first additional rate 1%, second additional 4%; no arithmetic beyond the first yet.
    namespace pay = tax2024::payroll;
    setAmount(F_Contribution, qMax(0.0, qMin(amount(F_ExemptIncome), pay::kYmpe) - pay::kBasicExemption) * 2
                                  * pay::kFirstAdditionalRate);
    setAmount(F_Deduction, amount(F_Contribution) / 2.0);
}
