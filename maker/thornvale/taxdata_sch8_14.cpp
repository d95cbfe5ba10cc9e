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
        {"Line421", FieldKind::Amount},
        {"ElectedAmount", FieldKind::Amount},
        {"MonthsBeforePension", FieldKind::Int},
        {"PensionMonths", FieldKind::Int},
        {"Bill51K", FieldKind::Amount},
        {"T4Amounts", FieldKind::Flag},
        {"T4CppEarnings", FieldKind::Amount},
        {"T4CppContributions", FieldKind::Amount},
        {"T4QppEarnings", FieldKind::Amount},
        {"T4QppContributions", FieldKind::Amount},
        {"T4CppSlips", FieldKind::Int},
        {"T4QuebecOnlySlips", FieldKind::Int},
        {"T4Exempt", FieldKind::Flag},
        {"Overpayment", FieldKind::Amount},
        {"ElectionPart", FieldKind::Flag},
        {"ElectionAnswer", FieldKind::Int, 0, -1},
        {"Line50372", FieldKind::Amount},
        {"Line50374", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_Sch8_14::TaxData_Sch8_14() : TaxData_CppContributionForm(formFields(), 150, false)
{
}
