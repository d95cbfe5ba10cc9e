#include "taxdata_rc383.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ExemptIncome", FieldKind::Amount},
        {"Contribution", FieldKind::Amount},
        {"Deduction", FieldKind::Amount},
        {"Line58750", FieldKind::Amount},
        {"Line58810", FieldKind::Amount},
        {"Line58820", FieldKind::Amount, 58820}
    };
    return table;
}

} // namespace

TaxData_RC383::TaxData_RC383() : CTaxData_Form(formFields(), KindForm, 149)
{
}

// The PRPP contributions count up to the tax-exempt earned income (line 3: 58750 and
// 58810, or the slips' exempt earnings when neither is entered). Nothing of the CPP.
void TaxData_RC383::Calculate01()
{
    double earned = qMax(0.0, amount(F_58750)) + qMax(0.0, amount(F_58810));
    if (!isAmountEntered(earned))
        earned = qMax(0.0, amount(F_ExemptIncome));
    const double contributions = qMax(0.0, amount(F_Contribution)) + qMax(0.0, amount(F_Deduction));
    setAmount(F_58820, tax2024::cents(qMin(contributions, earned)));
}
