#include "taxdata_sch2.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"SpouseAmountInput", FieldKind::Amount},
        {"SpouseAge65", FieldKind::Flag},
        {"SpouseAge18", FieldKind::Flag},
        {"CanClaim", FieldKind::Flag},
        {"AgeAnswer", FieldKind::Flag},
        {"DaysInYear", FieldKind::Int},
        {"ResidenceDays", FieldKind::Int},
        {"SpouseAgeAmount", FieldKind::Amount, 35200},
        {"AllowOverwrite", FieldKind::Flag, 0, 1},
        {"Pension", FieldKind::Amount, 35500},
        {"Disability", FieldKind::Amount, 35700},
        {"Tuition", FieldKind::Amount, 36000},
        {"SpouseNetIncome", FieldKind::Amount},
        {"Result", FieldKind::Amount, 32600},
        {"Line36100", FieldKind::Amount},
        {"CaregiverChildren", FieldKind::Amount, 35300}
    };
    return table;
}

} // namespace

TaxData_Sch2::TaxData_Sch2() : CTaxData_Form(formFields(), KindForm, 3)
{
}

void TaxData_Sch2::Calculate01()
{
    // The spouse's unused age, caregiver (children under 18), pension, disability and
    // tuition amounts, less the part of the spouse's income that the spouse's own
    // credits did not absorb.
    const double claimed = amount(F_Pension) + amount(F_Disability) + amount(F_Tuition) + amount(F_SpouseAgeAmount)
                           + amount(F_CaregiverChildren);
    setAmount(F_Result, qMax(0.0, claimed - amount(F_SpouseAmountInput)));
}
