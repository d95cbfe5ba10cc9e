#include "taxdata_sch5.h"
#include "dependantinfostruct.h"
#include "taxrates2024.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SpouseFlag", FieldKind::Flag, 303},
        {"ProratedDays", FieldKind::Amount},
        {"ResidenceDays", FieldKind::Amount},
        {"BankruptDays", FieldKind::Amount},
        {"DaysInYear", FieldKind::Amount, 0, 366},
        {"OtherAmount", FieldKind::Amount},
        {"MaritalChange", FieldKind::Flag},
        {"Date", FieldKind::Date},
        {"HasSpouse", FieldKind::Flag},
        {"CanClaimSpouse", FieldKind::Flag},
        {"SpouseNetIncome", FieldKind::Amount, 23600},
        {"SpouseInfirm", FieldKind::Flag},
        {"SpouseAmount", FieldKind::Amount, 30300},
        {"EligibleDependant", FieldKind::Amount, 30400},
        {"EligibleDependantCount", FieldKind::Int},
        {"CaregiverAmount", FieldKind::Amount, 30450},
        {"CaregiverChild", FieldKind::Amount, 30500},
        {"SpouseUCCB", FieldKind::Amount},
        {"DependantCheckbox", FieldKind::Flag},
        {"DependantSIN", FieldKind::Text},
        {"EligibleDependantClaims", FieldKind::Int},
        {"SpouseCaregiver", FieldKind::Amount, 30425},
        {"DependantCaregiver", FieldKind::Amount},
        {"DefaultClaim", FieldKind::Int, 0, -1}
    };
    return table;
}

} // namespace

TaxData_Sch5::TaxData_Sch5() : CTaxData_Form(formFields(), KindForm, 6)
{
}

// Line 30300: the claimant's basic personal amount (F_OtherAmount holds the
// claimant's net income, which reduces it above the 2024 threshold), plus the
// infirm add-on, less the spouse's net income. An eligible dependant (line 30400)
// is not claimed beside a spouse. Amounts are prorated by the days of the year
// that the return covers.
void TaxData_Sch5::Calculate01()
{
    if (flag(F_CanClaimSpouse) && flag(F_SpouseFlag))
        setAmount(F_SpouseAmount, tax2024::federalSpouseOrEligibleDependantAmount(
                                      amount(F_OtherAmount), amount(F_SpouseNetIncome), flag(F_SpouseInfirm)));
    else
        setAmount(F_SpouseAmount, 0.0);
    if (flag(F_HasSpouse))
        setAmount(F_EligibleDependant, 0.0);
    // an infirm spouse: the caregiver amount on the spouse's net income beyond line 30300
    const bool infirmSpouse = flag(F_CanClaimSpouse) && flag(F_SpouseFlag) && flag(F_SpouseInfirm);
    setAmount(F_SpouseCaregiver,
              infirmSpouse ? tax2024::canadaCaregiverTopUp(amount(F_SpouseNetIncome), amount(F_SpouseAmount)) : 0.0);
    // the worked amounts are prorated in place; the typed ones stay as typed and are
    // prorated on their way to the T1 (prorating them in place did it again each pass)
    for (int f : {F_SpouseAmount, F_SpouseCaregiver})
        setAmount(f, prorated(amount(f)));
}

double TaxData_Sch5::prorated(double value) const
{
    const double days = amount(F_DaysInYear) > 0 ? amount(F_DaysInYear) : 366.0;
    const double ratio = amount(F_ProratedDays) > 0 ? qMin(1.0, amount(F_ProratedDays) / days) : 1.0;
    return tax2024::cents(value * ratio);
}

bool TaxData_Sch5::keepsDefaultClaim()
{
    const int set = intValue(F_DefaultClaim);
    if (set < 0)
        return false;
    if (flag(F_SpouseFlag) != (set == 1)) {
        setIntValue(F_DefaultClaim, -1);
        return false;
    }
    return true;
}

void TaxData_Sch5::setDefaultClaim(bool claim)
{
    setFlag(F_SpouseFlag, claim);
    setIntValue(F_DefaultClaim, claim ? 1 : 0);
}

void TaxData_Sch5::setDependants(DependantInfoStruct *dependants)
{
    CTaxData_Form::setDependants(dependants);
    setIntValue(F_EligibleDependantCount, dependants ? dependants->count() : 0);
}
