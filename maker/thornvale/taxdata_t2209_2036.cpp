#include "taxdata_t2209_2036.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"NetIncome", FieldKind::Amount, 23600},
        {"BasicFederalTax", FieldKind::Amount},
        {"ForeignNonBusinessIncome", FieldKind::Amount},
        {"ForeignTaxPaid", FieldKind::Amount, 43100},
        {"Credit", FieldKind::Amount, 40500},
        {"AdjustedCredit", FieldKind::Amount},
        {"OverrideIncome", FieldKind::Flag},
        {"TaxBasis", FieldKind::Amount},
        {"BasicTaxFloor", FieldKind::Amount},
        {"ReportedIncome", FieldKind::Amount},
        {"ReportedTaxPaid", FieldKind::Amount},
        {"ReportedCredit", FieldKind::Amount},
        {"MinTaxCredit", FieldKind::Amount}
    };
    return table;
}

const FieldTable &rowFields()
{
    static const FieldTable table{
        {"Country", FieldKind::Text},
        {"NonBusinessIncome", FieldKind::Amount},
        {"TaxPaid", FieldKind::Amount},
        {"BusinessIncome", FieldKind::Amount},
        {"BusinessTaxPaid", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T2209_2036::TaxData_T2209_2036() : CTaxData_Form(formFields(), KindForm, 35)
{
    addRowList(rowFields());
}

// The tax paid on the slips' foreign property income counts up to 15 % of that income;
// the rest is deducted at line 23200 instead.
double TaxData_T2209_2036::slipTaxOver15Percent() const
{
    return qMax(0.0, tax2024::cents(amount(F_ForeignTaxPaid) - amount(F_ForeignNonBusinessIncome) * 0.15));
}

void TaxData_T2209_2036::Calculate01()
{
    const double income = amount(F_ForeignNonBusinessIncome) + rows(0).sum(C_NonBusinessIncome);
    const double paid = amount(F_ForeignTaxPaid) - slipTaxOver15Percent() + rows(0).sum(C_TaxPaid);
    const double share = amount(F_NetIncome) > 0 ? qMin(1.0, income / amount(F_NetIncome)) : 0.0;
    setAmount(F_Credit, qMax(0.0, qMin(paid, amount(F_BasicFederalTax) * share)));
}

void TaxData_T2209_2036::Adjust15Percent()
{
    const double income = amount(F_ForeignNonBusinessIncome) + rows(0).sum(C_NonBusinessIncome);
    setAmount(F_AdjustedCredit, qMin(amount(F_Credit), income * 0.15));
}
