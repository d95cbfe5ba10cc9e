#include "taxdata_t777new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Commission", FieldKind::Flag},
        {"TotalExpenses", FieldKind::Amount, 9368},
        {"VehicleExpenses", FieldKind::Amount},
        {"WorkSpace", FieldKind::Amount},
        {"Deduction", FieldKind::Amount, 22900}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Code", FieldKind::Int},
        {"Amount", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T777New::TaxData_T777New() : CTaxData_Form(formFields(), KindForm, 59)
{
    addRowList(rowFields());
}

void TaxData_T777New::Calculate01()
{
    setAmount(F_TotalExpenses, rows(0).sum(C_Amount));
    setAmount(F_Deduction, amount(F_TotalExpenses) + amount(F_VehicleExpenses) + amount(F_WorkSpace));
}

void TaxData_T777New::limitToCommissions(double commissions)
{
    setAmount(F_Deduction, qMin(amount(F_Deduction), qMax(0.0, commissions)));
}
