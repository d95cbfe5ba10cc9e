#include "taxdata_t2204_new.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SelfEmploymentIncome", FieldKind::Amount},
        {"CPPContributions", FieldKind::Amount},
        {"EIPremiums", FieldKind::Amount},
        {"InsurableEarnings", FieldKind::Amount},
        {"CPPOverpayment", FieldKind::Amount, 44800},
        {"EIOverpayment", FieldKind::Amount, 45000},
        {"Switch1", FieldKind::Flag},
        {"Switch2", FieldKind::Flag},
        {"Sch13Result", FieldKind::Amount},
        {"AllowedPremiums", FieldKind::Amount, 31200}
    };
    return table;
}

} // namespace

TaxData_T2204_New::TaxData_T2204_New() : CTaxData_Form(formFields(), KindForm, 23)
{
}

// EI premiums deducted against the 2024 premium on the insurable earnings (the
// Quebec rate with Quebec employment); what was deducted beyond it is the
// overpayment (line 45000). Without insurable earnings there is nothing to compare.
void TaxData_T2204_New::Calculate01()
{
    const double paid = qMax(0.0, tax2024::cents(amount(F_EIPremiums)));
    if (!isAmountEntered(amount(F_InsurableEarnings))) {
        setAmount(F_AllowedPremiums, paid);
        setAmount(F_EIOverpayment, 0.0);
        return;
    }
    const bool quebec = flag(F_Switch2) || getMainTaxProvince() == 11;
    // on insurable earnings of 2,000 or less no premium is payable: all is refunded
    const double insurable = amount(F_InsurableEarnings);
    const double required =
        insurable <= tax2024::payroll::kEiRefundAllEarnings ? 0.0 : tax2024::eiPremium(insurable, quebec);
    setAmount(F_AllowedPremiums, qMin(paid, required));
    setAmount(F_EIOverpayment, tax2024::cents(paid - amount(F_AllowedPremiums)));
}
