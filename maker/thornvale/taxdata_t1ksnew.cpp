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
        {"CCBEstimate", FieldKind::Amount},
        {"Instalment1", FieldKind::Amount},
        {"Instalment2", FieldKind::Amount},
        {"Instalment3", FieldKind::Amount},
        {"Instalment4", FieldKind::Amount},
        {"GSTCreditFlag", FieldKind::Flag},
        {"CCBFlag", FieldKind::Flag},
        {"Password", FieldKind::Text},
        {"RefundOrNil", FieldKind::Int},
        {"AverageTaxRate", FieldKind::Amount},
        {"RRSPLimitNext", FieldKind::Amount},
        {"LossCarried", FieldKind::Amount},
        {"MovingCarryForward", FieldKind::Amount},
        {"Sch2SpouseAgeAmount", FieldKind::Amount},
        {"Sch2Pension", FieldKind::Amount},
        {"Sch2Disability", FieldKind::Amount},
        {"Sch2Tuition", FieldKind::Amount},
        {"Sch2SpouseNetIncome", FieldKind::Amount},
        {"Sch2Result", FieldKind::Amount},
        {"Sch3SmallBusiness", FieldKind::Amount},
        {"Sch3FarmFish", FieldKind::Amount},
        {"Sch3MutualFunds", FieldKind::Amount},
        {"Sch3RealEstate", FieldKind::Amount},
        {"Sch3Bonds", FieldKind::Amount},
        {"Sch3OtherMortgage", FieldKind::Amount},
        {"Sch3PersonalUse", FieldKind::Amount},
        {"Sch3ListedPersonal", FieldKind::Amount},
        {"Sch3T3T5Gains", FieldKind::Amount},
        {"Sch3T5013Gains", FieldKind::Amount},
        {"Sch3T2017Reserves", FieldKind::Amount},
        {"Sch3T1170Gains", FieldKind::Amount},
        {"Sch3Total", FieldKind::Amount},
        {"Sch3GainsReduction", FieldKind::Amount},
        {"Sch3TaxableGain", FieldKind::Amount},
        {"Sch3MortgageForeclosure", FieldKind::Amount},
        {"Sch3CapitalLoss", FieldKind::Amount},
        {"Sch3GiftGains", FieldKind::Amount},
        {"Sch3Proceeds", FieldKind::Amount},
        {"Sch3Cost", FieldKind::Amount},
        {"Sch3Outlays", FieldKind::Amount},
        {"Sch3GainOrLoss", FieldKind::Amount},
        {"Sch7Unused", FieldKind::Amount},
        {"Sch7Limit", FieldKind::Amount},
        {"Sch7First60", FieldKind::Amount},
        {"Sch7RestOfYear", FieldKind::Amount},
        {"Sch7Total", FieldKind::Amount},
        {"Sch7HBP", FieldKind::Amount},
        {"Sch7LLP", FieldKind::Amount},
        {"Sch7Deduction", FieldKind::Amount},
        {"Sch7CarryForward", FieldKind::Amount},
        {"Sch11Available", FieldKind::Amount},
        {"Sch11Claimed", FieldKind::Amount},
        {"Sch11CarryForward", FieldKind::Amount},
        {"T1AFullName", FieldKind::Text},
        {"T1AAddress", FieldKind::Text},
        {"T1ASIN", FieldKind::Text},
        {"T1AFirstName", FieldKind::Text},
        {"T1ALastName", FieldKind::Text},
        {"T1ANonCapitalLoss", FieldKind::Amount},
        {"T1ANetCapitalLoss", FieldKind::Amount},
        {"T1ACarryBack2021", FieldKind::Amount},
        {"T1ACarryBack2022", FieldKind::Amount},
        {"T1ACarryBack2023", FieldKind::Amount},
        {"T1ACarryForward", FieldKind::Amount},
        {"T1AIncome", FieldKind::Amount},
        {"T1ALoss", FieldKind::Amount},
        {"T1ADate", FieldKind::Date},
        {"T1DDTransit", FieldKind::Text},
        {"T1DDAccount", FieldKind::Text},
        {"Line11600", FieldKind::Amount},
        {"Line21000", FieldKind::Amount},
        {"Line25200", FieldKind::Amount},
        {"Line25300", FieldKind::Amount},
        {"ProvincialBenefitEstimate", FieldKind::Amount}
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
    for (int f = F_Line11600; f <= F_Line25300; ++f)
        setAmount(f, 0.0);
}
