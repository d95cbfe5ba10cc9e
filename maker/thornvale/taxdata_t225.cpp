#include "taxdata_t225.h"

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

TaxData_T225::TaxData_T225() : CTaxData_Form(formFields(), KindForm, 174)
{
}

void TaxData_T225::Calculate01()
{
    setAmount(F_Credit, qMin(qMax(0.0, amount(F_Investment)), 27000.0) * 0.45);
}
