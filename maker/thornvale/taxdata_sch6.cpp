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
        {"Line38109", FieldKind::Amount},
        {"Dependants", FieldKind::Int, 0, 0.0, true}
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
// amount only when claimed. Alberta, Quebec and Nunavut residents have their own
// parameters; a couple's lower earner's working income is partly left out of the
// adjusted family net income.
void TaxData_Sch6::Calculate01()
{
    using tax2024::CwbFamilyType;
    const bool spouse = flag(F_SpouseFlag);
    const bool family = spouse || flag(F_EligibleDependant);
    if (flag(F_Excluded) || flag(F_Student)) {
        setAmount(F_DisabilitySupplement, 0.0);
        setAmount(F_Benefit, 0.0);
        return;
    }
    const CwbFamilyType type = spouse ? (intValue(F_Dependants) > 0 ? CwbFamilyType::CoupleWithDependants
                                                                    : CwbFamilyType::Couple)
                                      : (family ? CwbFamilyType::SingleParent : CwbFamilyType::Single);
    const double working = amount(F_WorkingIncome) + (family ? amount(F_SpouseWorkingIncome) : 0.0);
    double net = amount(F_AdjustedNetIncome) + (family ? amount(F_SpouseNetIncome) : 0.0);
    if (spouse)
        net -= tax2024::cwbSecondaryEarnerExemption(amount(F_WorkingIncome), amount(F_SpouseWorkingIncome));
    const int province = getMainTaxProvince();
    // the basic amount only for the person who claims it: of a couple, one spouse
    const bool claims = flag(F_ClaimBenefit) && !m_partnerClaimsBasic;
    const double basic = claims ? tax2024::cwbAmount(tax2024::cwbBasicRule(province, type), working, net) : 0.0;
    // the supplement is worked on the person's own working income
    const double supplement =
        flag(F_Disabled) ? tax2024::cwbAmount(tax2024::cwbDisabilityRule(province, type), amount(F_WorkingIncome),
                                              net, spouse && m_partnerDisabled)
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
