#include "taxdata_t1163new.h"
#include "utils.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"ParticipantPin", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossIncome", FieldKind::Amount, 9659},
        {"Expenses", FieldKind::Amount, 9898},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9899},
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

TaxData_T1163New::TaxData_T1163New() : CTaxData_Form(formFields(), KindForm, 15)
{
    addRowList(rowFields());
}

void TaxData_T1163New::Calculate01()
{
    // Net income: income less expenses, the owner's share of it.
    setAmount(F_NetIncomeBeforeAdj, amount(F_GrossIncome) - amount(F_Expenses));
    setAmount(F_NetIncome, roundToCent(amount(F_NetIncomeBeforeAdj) * amount(F_Percentage) / 100.0));
}
