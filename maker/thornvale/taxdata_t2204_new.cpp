#include "taxdata_t2204_new.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SelfEmploymentIncome", FieldKind::Amount},
        {"CPPContributions", FieldKind::Amount},
        {"EIPremiums", FieldKind::Amount},
        {"InsurableEarnings", FieldKind::Amount},
        {"CPPOverpayment", FieldKind::Amount, 44800},
        {"EIOverpayment", FieldKind::Amount, 45000}
    };
    return table;
}

} // namespace

TaxData_T2204_New::TaxData_T2204_New() : CTaxData_Form(formFields(), KindForm, 23)
{
}

void TaxData_T2204_New::Calculate01()
{
    // Holds no 2024 arithmetic yet: totals what its callers read afterwards.
    // 2024 maximum employee premium 1049.12 (maximum insurable earnings 63200 at 1.66%).
    setAmount(F_EIOverpayment, qMax(0.0, amount(F_EIPremiums) - qMin(1049.12, amount(F_InsurableEarnings) * 0.0166)));
}
