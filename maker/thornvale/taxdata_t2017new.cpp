#include "taxdata_t2017new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"ReserveLastYear", FieldKind::Amount},
        {"ReserveThisYear", FieldKind::Amount},
        {"GainFromReserve", FieldKind::Amount},
        {"Deduction", FieldKind::Amount},
        {"Line66843", FieldKind::Amount},
        {"Line66844", FieldKind::Amount},
        {"Line66850", FieldKind::Amount},
        {"Line66883", FieldKind::Amount},
        {"Line66905", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T2017New::TaxData_T2017New() : CTaxData_Form(formFields(), KindForm, 37)
{
}

void TaxData_T2017New::carryForward(bool)
{
    openWithClosingAmounts({{F_ReserveLastYear, F_ReserveThisYear}});
}

void TaxData_T2017New::Calculate01()
{
    setAmount(F_GainFromReserve, amount(F_ReserveLastYear));
    setAmount(F_Deduction, amount(F_ReserveThisYear));
}
