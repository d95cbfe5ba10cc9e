#include "taxdata_sch6.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SpouseFlag", FieldKind::Flag},
        {"EligibleDependant", FieldKind::Flag},
        {"Excluded", FieldKind::Flag},
        {"Student", FieldKind::Flag},
        {"WorkingIncome", FieldKind::Amount},
        {"AdjustedNetIncome", FieldKind::Amount},
        {"SpouseWorkingIncome", FieldKind::Amount},
        {"SpouseNetIncome", FieldKind::Amount},
        {"IncomePairA", FieldKind::Amount},
        {"IncomePairB", FieldKind::Amount},
        {"ACWBReceived", FieldKind::Amount},
        {"ACWBOther", FieldKind::Amount},
        {"Benefit", FieldKind::Amount, 45300},
        {"DisabilitySupplement", FieldKind::Amount},
        {"Disabled", FieldKind::Flag},
        {"ClaimBenefit", FieldKind::Flag, 0, 1},
        {"Line38105", FieldKind::Int, 0, -1},
        {"Line38107", FieldKind::Amount},
        {"Line38109", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_Sch6::TaxData_Sch6() : CTaxData_Form(formFields(), KindForm, 119)
{
}

// The 2024 basic amount and, for a person eligible for the disability tax
// credit, the disability supplement (Schedule 6, Parts B and C); line 45300 is
// their sum. Family amounts with a spouse or an eligible dependant; the basic
// amount only when claimed.
void TaxData_Sch6::Calculate01()
{
    const bool family = flag(F_SpouseFlag) || flag(F_EligibleDependant);
    const double working = amount(F_WorkingIncome) + (family ? amount(F_SpouseWorkingIncome) : 0.0);
    const double net = amount(F_AdjustedNetIncome) + (family ? amount(F_SpouseNetIncome) : 0.0);
    if (flag(F_Excluded) || flag(F_Student)) {
        setAmount(F_DisabilitySupplement, 0.0);
        setAmount(F_Benefit, 0.0);
        return;
    }
    // the basic amount only for the person who claims it: of a couple, one spouse
    const bool claims = flag(F_ClaimBenefit) && !m_partnerClaimsBasic;
    const double basic = claims ? tax2024::cwbBasicAmount(working, net, family) : 0.0;
    // the supplement is worked on the person's own working income
    const double supplement =
        flag(F_Disabled) ? tax2024::cwbDisabilitySupplement(amount(F_WorkingIncome), net, family,
                                                            flag(F_SpouseFlag) && m_partnerDisabled)
                         : 0.0;
    setAmount(F_DisabilitySupplement, supplement);
    setAmount(F_Benefit, tax2024::cents(basic + supplement));
}

void TaxData_Sch6::setACWBAmounts(double received, double other)
{
    setAmount(F_ACWBReceived, received);
    setAmount(F_ACWBOther, other);
}

bool TaxData_Sch6::isFirstPartInNetfile() const
{
    return !flag(F_Excluded) && isAmountEntered(amount(F_WorkingIncome));
}
