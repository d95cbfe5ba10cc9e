#include "taxdata_t2043.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"FarmingExpenses", FieldKind::Amount},
        {"Credit", FieldKind::Amount, 47556}
    };
    return table;
}

} // namespace

TaxData_T2043::TaxData_T2043() : CTaxData_Form(formFields(), KindForm, 193)
{
}

void TaxData_T2043::Calculate01()
{
    setAmount(F_Credit, tax2024::forms::fuelChargeFarmCredit(amount(F_FarmingExpenses), intValue(F_Province)));
}
