#include "taxdata_t776new.h"
#include "utils.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table(withStatementIdentity({
        {"OwnerName", FieldKind::Text},
        {"OwnerSIN", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"FiscalStart", FieldKind::Date},
        {"FiscalEnd", FieldKind::Date},
        {"Percentage", FieldKind::Amount, 0, 100},
        {"GrossRents", FieldKind::Amount, 8141},
        {"OtherIncome", FieldKind::Amount, 8230},
        {"TotalExpenses", FieldKind::Amount, 9949},
        {"NetIncomeBeforeAdj", FieldKind::Amount, 9369},
        {"CCA", FieldKind::Amount, 9936},
        {"NetIncome", FieldKind::Amount, 9946}
    }, {
        {"Postcode", FieldKind::Text}
    }));
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Description", FieldKind::Text},
        {"Code", FieldKind::Int},
        {"Amount", FieldKind::Amount},
        {"PersonalPart", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T776New::TaxData_T776New() : TaxData_StatementForm(formFields(), 12, rowFields())
{
}

void TaxData_T776New::Calculate01()
{
    // the expense rows less their personal part; capital cost allowance after them
    double expenses = 0.0;
    for (int i = 0; i < rows(0).count(); ++i)
        expenses += rows(0).row(i).number(C_Amount) - rows(0).row(i).number(C_PersonalPart);
    setAmount(F_TotalExpenses, roundToCent(expenses));
    // capital cost allowance may not make or increase a rental loss
    const double income = amount(F_GrossRents) + amount(F_OtherIncome);
    const double cca = qBound(0.0, amount(F_CCA), qMax(0.0, roundToCent(income - amount(F_TotalExpenses))));
    calculateNetIncome(income, amount(F_TotalExpenses), cca);
}
