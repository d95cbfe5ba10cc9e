#include "ctaxdata_t1219.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"FederalMinimum", FieldKind::Amount},
        {"ProvincialMinimum", FieldKind::Amount}
    };
    return table;
}

} // namespace

CTaxData_T1219::CTaxData_T1219() : CTaxData_Form(formFields(), KindForm, 89)
{
}

void CTaxData_T1219::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    setAmount(F_ProvincialMinimum, 0.0);
}
