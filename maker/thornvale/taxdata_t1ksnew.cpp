#include "taxdata_t1ksnew.h"

namespace {

const FieldTable &formFields()
{
    static const FieldTable table{
        {"Province", FieldKind::Int},
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"FullName", FieldKind::Text},
        {"Address", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"DateOfBirth", FieldKind::Date},
        {"MaritalStatus", FieldKind::Int},
        {"SpouseSIN", FieldKind::Text},
        {"SpouseFirstName", FieldKind::Text},
        {"SpouseLastName", FieldKind::Text},
        {"SpouseDateOfBirth", FieldKind::Date},
        {"EFileNumber", FieldKind::Text},
        {"Confirmation", FieldKind::Text},
        {"TaxYear", FieldKind::Text},
        {"TotalIncome", FieldKind::Amount, 15000},
        {"NetIncome", FieldKind::Amount, 23600},
        {"TaxableIncome", FieldKind::Amount, 26000},
        {"NonRefundable", FieldKind::Amount, 35000},
        {"NetFederalTax", FieldKind::Amount, 42000},
        {"ProvincialTax", FieldKind::Amount, 42800},
        {"TotalPayable", FieldKind::Amount, 43500},
        {"TotalCredits", FieldKind::Amount, 48200},
        {"Refund", FieldKind::Amount, 48400},
        {"BalanceOwing", FieldKind::Amount, 48500},
        {"CAIFlag", FieldKind::Flag},
        {"CAIEstimate", FieldKind::Amount},
        {"GSTCreditEstimate", FieldKind::Amount},
        {"CCBEstimate", FieldKind::Amount}
    };
    return table;
}

} // namespace

TaxData_T1KSNew::TaxData_T1KSNew() : CTaxData_Form(formFields(), KindForm, 93)
{
}

void TaxData_T1KSNew::Calculate01()
{
    const double net = amount(F_TotalPayable) - amount(F_TotalCredits);
    setAmount(F_BalanceOwing, net > 0 ? net : 0.0);
    setAmount(F_Refund, net < 0 ? -net : 0.0);
}

void TaxData_T1KSNew::resetT1Part()
{
    for (int f = F_Province; f <= F_BalanceOwing; ++f) {
        if (FieldTable::isNumeric(fieldTable().spec(f).kind))
            setAmount(f, 0.0);
        else
            setText(f, QString());
    }
}
