#include "taxdata_t776new.h"
#include "utils.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
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
    };
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

TaxData_T776New::TaxData_T776New() : CTaxData_Form(formFields(), KindForm, 12)
{
    addRowList(rowFields());
}

void TaxData_T776New::Calculate01()
{
    // Net income: income less expenses, the owner's share of it.
    double expenses = 0.0;
    for (int i = 0; i < rows(0).count(); ++i)
        expenses += rows(0).row(i).number(C_Amount) - rows(0).row(i).number(C_PersonalPart);
    setAmount(F_TotalExpenses, expenses);
    setAmount(F_NetIncomeBeforeAdj, amount(F_GrossRents) + amount(F_OtherIncome) - expenses);
    setAmount(F_NetIncome, roundToCent((amount(F_NetIncomeBeforeAdj) - amount(F_CCA)) * amount(F_Percentage) / 100.0));
}
