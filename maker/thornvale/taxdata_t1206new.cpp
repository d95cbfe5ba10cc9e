#include "taxdata_t1206new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SplitIncome", FieldKind::Amount, 68130},
        {"DividendCredit", FieldKind::Amount},
        {"FederalTaxable", FieldKind::Amount},
        {"TaxOnSplitIncome", FieldKind::Amount, 40424},
        {"TOSIIncome", FieldKind::Amount},
        {"TOSIDeduction", FieldKind::Amount, 23200},
        {"TOSIOther", FieldKind::Amount},
        {"Flag", FieldKind::Flag},
        {"Line68330", FieldKind::Amount},
        {"Line68340", FieldKind::Amount},
        {"Line68360", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1206New::TaxData_T1206New() : CTaxData_Form(formFields(), KindForm, 29)
{
}

void TaxData_T1206New::Calculate01()
{
    CalculateTOSI();
    CalculateFederal();
}

// Split income is taxed at the top federal rate of 2024 (33%), less the dividend credit.
void TaxData_T1206New::CalculateFederal()
{
    setAmount(F_TaxOnSplitIncome, qMax(0.0, amount(F_SplitIncome) * 0.33 - amount(F_DividendCredit)));
}

void TaxData_T1206New::CalculateTOSI()
{
    setAmount(F_TOSIDeduction, amount(F_SplitIncome));
    setAmount(F_TOSIIncome, amount(F_SplitIncome));
}
