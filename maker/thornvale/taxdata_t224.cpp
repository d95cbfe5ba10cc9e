#include "taxdata_t224.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Age", FieldKind::Int},
        {"Investment", FieldKind::Amount},
        {"Credit", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T224::TaxData_T224() : CTaxData_Form(formFields(), KindForm, 173)
{
}

void TaxData_T224::Calculate01()
{
    // 45% of the eligible investment, at most 67500 (a 30375 credit).
    setAmount(F_Credit, qMin(qMax(0.0, amount(F_Investment)), 67500.0) * 0.45);
}
