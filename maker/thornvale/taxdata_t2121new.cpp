#include "taxdata_t2121new.h"
#include "utils.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 8299},
        {"Expenses", FieldKind::Amount, 9368},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9369},
        {"NetIncome", FieldKind::Amount, 9946}
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

TaxData_T2121New::TaxData_T2121New() : CTaxData_Form(formFields(), KindForm, 51)
{
    addRowList(rowFields());
}

void TaxData_T2121New::Calculate01()
{
    setAmount(F_Expenses, rows(0).sum(C_Amount));
    setAmount(F_NetIncomeBeforeAdj, amount(F_GrossIncome) - amount(F_Expenses));
    setAmount(F_NetIncome, roundToCent(amount(F_NetIncomeBeforeAdj) * amount(F_Percentage) / 100.0));
}
