#include "taxdata_t626_new.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"OverseasIncome", FieldKind::Amount},
        {"NetIncome", FieldKind::Amount, 23600},
        {"BasicTax", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 42600}
    };
    return table;
}

} // namespace

TaxData_T626_New::TaxData_T626_New() : CTaxData_Form(formFields(), KindForm, 30)
{
}

void TaxData_T626_New::Calculate01()
{
    setAmount(F_Credit, tax2024::forms::overseasEmploymentCredit(amount(F_OverseasIncome), amount(F_NetIncome),
                                                                 amount(F_BasicTax)));
}
