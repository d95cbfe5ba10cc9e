#include "taxdata_sch8_14.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"Months", FieldKind::Int},
        {"SecondMonths", FieldKind::Int},
        {"SelfEmployment", FieldKind::Amount},
        {"SelfEmploymentQPP", FieldKind::Amount},
        {"CPT20Line16", FieldKind::Amount},
        {"CPT20Line17", FieldKind::Amount},
        {"Age", FieldKind::Int},
        {"Deceased", FieldKind::Flag},
        {"CPT30Needed", FieldKind::Flag},
        {"Allow372", FieldKind::Flag},
        {"Allow374", FieldKind::Flag},
        {"Switch", FieldKind::Flag},
        {"BaseContribution", FieldKind::Amount, 22215},
        {"EnhancedContribution", FieldKind::Amount},
        {"SelfContribution", FieldKind::Amount, 42100},
        {"Line310", FieldKind::Amount, 31000},
        {"Line222", FieldKind::Amount, 22200},
        {"Line22215", FieldKind::Amount},
        {"Line421", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_Sch8_14::TaxData_Sch8_14() : CTaxData_Form(formFields(), KindForm, 150)
{
}

// 2024 CPP: basic exemption 3500, YMPE 68500, rate 5.95% (employee), 11.9% self-employed.
void TaxData_Sch8_14::Calculate01()
{
    const int months = qBound(0, intValue(F_Months), 12);
    const double exemption = 3500.0 * months / 12.0;
    const double ceiling = 68500.0 * months / 12.0;
    const double earnings = qMin(amount(F_SelfEmployment), ceiling);
    const double total = qMax(0.0, earnings - exemption) * 0.119;
    setAmount(F_SelfContribution, total);
    setAmount(F_BaseContribution, total * 4.95 / 5.95);
    setAmount(F_EnhancedContribution, total - amount(F_BaseContribution));
    setAmount(F_Line310, amount(F_BaseContribution) / 2.0);
    setAmount(F_Line222, amount(F_BaseContribution) / 2.0);
    setAmount(F_Line22215, amount(F_EnhancedContribution));
    setAmount(F_Line421, total);
}

void TaxData_Sch8_14::mockCPPQPPMonthIfNeeded()
{
    if (intValue(F_Months) <= 0 || intValue(F_Months) > 12)
        setIntValue(F_Months, 12);
    if (intValue(F_Age) >= 70 && !flag(F_CPT30Needed))
        setIntValue(F_Months, 0);
}

void TaxData_Sch8_14::getCPPRelatedAmounts(double &line22200, double &line22215, double &line31000, double &line42100, double &base, double &enhanced) const
{
    line22200 = amount(F_Line222);
    line22215 = amount(F_Line22215);
    line31000 = amount(F_Line310);
    line42100 = amount(F_Line421);
    base = amount(F_BaseContribution);
    enhanced = amount(F_EnhancedContribution);
}
