#include "taxdata_t1new.h"
#include "netfilerecords.h"
#include "taxrates2024.h"
#include "utils.h"

namespace {

constexpr int kTaxYear = 2024;

const FieldTable &formFields()
{
    static const FieldTable table{
        {"FirstName", FieldKind::Text},
        {"LastName", FieldKind::Text},
        {"Initial", FieldKind::Text},
        {"SIN", FieldKind::Text},
        {"DateOfBirth", FieldKind::Date},
        {"MaritalStatus", FieldKind::Int, 0, 5},
        {"Language", FieldKind::Int},
        {"CareOf", FieldKind::Text},
        {"AptNo", FieldKind::Text},
        {"Street", FieldKind::Text},
        {"POBox", FieldKind::Text},
        {"RuralRoute", FieldKind::Text},
        {"City", FieldKind::Text},
        {"MailProvince", FieldKind::Text},
        {"Postcode", FieldKind::Text},
        {"Email", FieldKind::Text, 10},
        {"Phone", FieldKind::Text},
        {"ProvinceOfResidence", FieldKind::Int},
        {"ProvinceName", FieldKind::Text},
        {"ProvinceOfBusiness", FieldKind::Int},
        {"MaritalChangeDate", FieldKind::Date},
        {"Sch5Date", FieldKind::Date},
        {"DeceasedDate", FieldKind::Date},
        {"EntryDate", FieldKind::Date},
        {"DepartureDate", FieldKind::Date},
        {"BankruptDate", FieldKind::Date},
        {"PostBankrupt", FieldKind::Flag},
        {"RevokeFiscalPeriod", FieldKind::Flag},
        {"SelfEmployedJune15", FieldKind::Flag},
        {"FactualResident", FieldKind::Flag},
        {"RuralSupplement", FieldKind::Flag},
        {"OrganDonor", FieldKind::Flag},
        {"ElectionsCanada", FieldKind::Flag},
        {"ForeignPropertyOver100K", FieldKind::Flag},
        {"SpouseSIN", FieldKind::Text},
        {"SpouseFirstName", FieldKind::Text},
        {"SpouseLastName", FieldKind::Text},
        {"SpouseDateOfBirth", FieldKind::Date},
        {"SpouseNetIncome", FieldKind::Amount},
        {"SpouseUCCB", FieldKind::Amount},
        {"SpouseSelfEmployed", FieldKind::Flag},
        {"LeaveSpouseOut", FieldKind::Flag},
        {"ReFile", FieldKind::Flag},
        {"MultipleYearFiling", FieldKind::Flag, 3},
        {"FilingStatus", FieldKind::Int},
        {"FilingTime", FieldKind::Text},
        {"ConfirmationNumber", FieldKind::Text},
        {"AutoFill", FieldKind::Flag},
        {"AutoFillDate", FieldKind::Date},
        {"PreparerName", FieldKind::Text},
        {"PreparerAddress", FieldKind::Text},
        {"PreparerCityLine", FieldKind::Text},
        {"PreparerPhone", FieldKind::Text},
        {"EFileNumber", FieldKind::Text},
        {"10100", FieldKind::Amount, 10100},
        {"10105", FieldKind::Amount, 10105},
        {"10120", FieldKind::Amount, 10120},
        {"10130", FieldKind::Amount, 10130},
        {"10400", FieldKind::Amount, 10400},
        {"11300", FieldKind::Amount, 11300},
        {"11400", FieldKind::Amount, 11400},
        {"11410", FieldKind::Amount, 11410},
        {"11500", FieldKind::Amount, 11500},
        {"11600", FieldKind::Amount, 11600},
        {"11700", FieldKind::Amount, 11700},
        {"11900", FieldKind::Amount, 11900},
        {"11905", FieldKind::Amount, 11905},
        {"12000", FieldKind::Amount, 12000},
        {"12010", FieldKind::Amount, 12010},
        {"12100", FieldKind::Amount, 12100},
        {"12200", FieldKind::Amount, 12200},
        {"12500", FieldKind::Amount, 12500},
        {"12600", FieldKind::Amount, 12600},
        {"12700", FieldKind::Amount, 12700},
        {"12799", FieldKind::Amount, 12799},
        {"12900", FieldKind::Amount, 12900},
        {"12905", FieldKind::Amount, 12905},
        {"12906", FieldKind::Amount, 12906},
        {"13000", FieldKind::Amount, 13000},
        {"13010", FieldKind::Amount, 13010},
        {"13500", FieldKind::Amount, 13500},
        {"13700", FieldKind::Amount, 13700},
        {"13900", FieldKind::Amount, 13900},
        {"14100", FieldKind::Amount, 14100},
        {"14300", FieldKind::Amount, 14300},
        {"14400", FieldKind::Amount, 14400},
        {"14500", FieldKind::Amount, 14500},
        {"14600", FieldKind::Amount, 14600},
        {"14700", FieldKind::Amount, 14700},
        {"15000", FieldKind::Amount, 15000},
        {"20600", FieldKind::Amount, 20600},
        {"20700", FieldKind::Amount, 20700},
        {"20800", FieldKind::Amount, 20800},
        {"20805", FieldKind::Amount, 20805},
        {"20810", FieldKind::Amount, 20810},
        {"21000", FieldKind::Amount, 21000},
        {"21200", FieldKind::Amount, 21200},
        {"21300", FieldKind::Amount, 21300},
        {"21400", FieldKind::Amount, 21400},
        {"21500", FieldKind::Amount, 21500},
        {"21700", FieldKind::Amount, 21700},
        {"21900", FieldKind::Amount, 21900},
        {"22000", FieldKind::Amount, 22000},
        {"22100", FieldKind::Amount, 22100},
        {"22200", FieldKind::Amount, 22200},
        {"22215", FieldKind::Amount, 22215},
        {"22300", FieldKind::Amount, 22300},
        {"22400", FieldKind::Amount, 22400},
        {"22900", FieldKind::Amount, 22900},
        {"23100", FieldKind::Amount, 23100},
        {"23200", FieldKind::Amount, 23200},
        {"23300", FieldKind::Amount, 23300},
        {"23400", FieldKind::Amount, 23400},
        {"23500", FieldKind::Amount, 23500},
        {"23600", FieldKind::Amount, 23600},
        {"24400", FieldKind::Amount, 24400},
        {"24900", FieldKind::Amount, 24900},
        {"25000", FieldKind::Amount, 25000},
        {"25100", FieldKind::Amount, 25100},
        {"25200", FieldKind::Amount, 25200},
        {"25300", FieldKind::Amount, 25300},
        {"25400", FieldKind::Amount, 25400},
        {"25500", FieldKind::Amount, 25500},
        {"25600", FieldKind::Amount, 25600},
        {"25700", FieldKind::Amount, 25700},
        {"26000", FieldKind::Amount, 26000},
        {"30000", FieldKind::Amount, 30000},
        {"30100", FieldKind::Amount, 30100},
        {"30300", FieldKind::Amount, 30300},
        {"30400", FieldKind::Amount, 30400},
        {"30425", FieldKind::Amount, 30425},
        {"30450", FieldKind::Amount, 30450},
        {"30500", FieldKind::Amount, 30500},
        {"30800", FieldKind::Amount, 30800},
        {"31000", FieldKind::Amount, 31000},
        {"31200", FieldKind::Amount, 31200},
        {"31217", FieldKind::Amount, 31217},
        {"31220", FieldKind::Amount, 31220},
        {"31240", FieldKind::Amount, 31240},
        {"31260", FieldKind::Amount, 31260},
        {"31270", FieldKind::Amount, 31270},
        {"31285", FieldKind::Amount, 31285},
        {"31300", FieldKind::Amount, 31300},
        {"31350", FieldKind::Amount, 31350},
        {"31400", FieldKind::Amount, 31400},
        {"31600", FieldKind::Amount, 31600},
        {"31800", FieldKind::Amount, 31800},
        {"31900", FieldKind::Amount, 31900},
        {"32300", FieldKind::Amount, 32300},
        {"32400", FieldKind::Amount, 32400},
        {"32600", FieldKind::Amount, 32600},
        {"33099", FieldKind::Amount, 33099},
        {"33199", FieldKind::Amount, 33199},
        {"33200", FieldKind::Amount, 33200},
        {"33500", FieldKind::Amount, 33500},
        {"33800", FieldKind::Amount, 33800},
        {"34900", FieldKind::Amount, 34900},
        {"35000", FieldKind::Amount, 35000},
        {"40400", FieldKind::Amount, 40400},
        {"40424", FieldKind::Amount, 40424},
        {"40425", FieldKind::Amount, 40425},
        {"40427", FieldKind::Amount, 40427},
        {"40500", FieldKind::Amount, 40500},
        {"40600", FieldKind::Amount, 40600},
        {"40900", FieldKind::Amount, 40900},
        {"41000", FieldKind::Amount, 41000},
        {"41200", FieldKind::Amount, 41200},
        {"41400", FieldKind::Amount, 41400},
        {"41600", FieldKind::Amount, 41600},
        {"41700", FieldKind::Amount, 41700},
        {"41500", FieldKind::Amount, 41500},
        {"41800", FieldKind::Amount, 41800},
        {"42900", FieldKind::Amount, 42900},
        {"42000", FieldKind::Amount, 42000},
        {"42100", FieldKind::Amount, 42100},
        {"42120", FieldKind::Amount, 42120},
        {"42200", FieldKind::Amount, 42200},
        {"42800", FieldKind::Amount, 42800},
        {"43500", FieldKind::Amount, 43500},
        {"43700", FieldKind::Amount, 43700},
        {"43800", FieldKind::Amount, 43800},
        {"44000", FieldKind::Amount, 44000},
        {"44800", FieldKind::Amount, 44800},
        {"45000", FieldKind::Amount, 45000},
        {"45200", FieldKind::Amount, 45200},
        {"45300", FieldKind::Amount, 45300},
        {"45350", FieldKind::Amount, 45350},
        {"45355", FieldKind::Amount, 45355},
        {"45400", FieldKind::Amount, 45400},
        {"45600", FieldKind::Amount, 45600},
        {"45700", FieldKind::Amount, 45700},
        {"46900", FieldKind::Amount, 46900},
        {"47555", FieldKind::Amount, 47555},
        {"47556", FieldKind::Amount, 47556},
        {"47557", FieldKind::Amount, 47557},
        {"47600", FieldKind::Amount, 47600},
        {"47900", FieldKind::Amount, 47900},
        {"48200", FieldKind::Amount, 48200},
        {"48400", FieldKind::Amount, 48400},
        {"48500", FieldKind::Amount, 48500},
        {"NetBalance", FieldKind::Amount},
        {"LYFedTuition", FieldKind::Amount},
        {"LYProvTuition", FieldKind::Amount},
        {"LYRRSPLimit", FieldKind::Amount},
        {"LYUnusedRRSP", FieldKind::Amount},
        {"HBPRepayment", FieldKind::Amount},
        {"LLPRepayment", FieldKind::Amount},
        {"RRSPContribFirst60", FieldKind::Amount},
        {"RRSPContribRest", FieldKind::Amount},
        {"LYT1212Balance", FieldKind::Amount},
        {"LYNetCapitalLosses", FieldKind::Amount},
        {"DaysInYear", FieldKind::Amount, 0, 366},
        {"DaysBeforeBankruptcy", FieldKind::Amount},
        {"ResidenceDays", FieldKind::Amount},
        {"ResidenceDays2", FieldKind::Amount},
        {"ProratedDays", FieldKind::Amount},
        {"SelfEmploymentTotal", FieldKind::Amount},
        {"SelfEmploymentRemainder", FieldKind::Amount},
        {"SplitIncomeFlag", FieldKind::Flag},
        {"T90Flag", FieldKind::Flag},
        {"DeceasedFlag", FieldKind::Flag},
        {"Under18Flag", FieldKind::Flag},
        {"SpouseInfoFlag", FieldKind::Flag},
        {"AllCreditsUsed", FieldKind::Flag},
        {"Bill51K", FieldKind::Amount},
        {"CppFormSelector", FieldKind::Int},
        {"Disabled", FieldKind::Flag},
        {"ForeignTaxAdjusted", FieldKind::Amount},
        {"FtcNonBusIncome", FieldKind::Amount},
        {"FtcNonBusTax", FieldKind::Amount},
        {"FtcBusIncome", FieldKind::Amount},
        {"FtcBusTax", FieldKind::Amount},
        {"FtcCreditTotal", FieldKind::Amount},
        {"SplitPensionTax", FieldKind::Amount},
        {"SplitPensionAmount", FieldKind::Amount},
        {"SplitPensionAdjust", FieldKind::Amount},
        {"DividendAnswer", FieldKind::Amount},
        {"LYMovingExpenses", FieldKind::Amount},
        {"31205", FieldKind::Amount, 31205},
        {"InfirmDependants18", FieldKind::Int},
        {"ChildrenUnder18", FieldKind::Int},
        {"InfirmDependants", FieldKind::Int},
        {"RentalSources", FieldKind::Int},
        {"BusinessSources", FieldKind::Int},
        {"ProfessionalSources", FieldKind::Int},
        {"FarmingSources", FieldKind::Int},
        {"CommissionSources", FieldKind::Int},
        {"FishingSources", FieldKind::Int},
        {"RestrictedFarmLoss", FieldKind::Flag},
        {"OverwriteStatus", FieldKind::Int},
        {"DiscounterNote", FieldKind::Text},
        {"SecurityOptions", FieldKind::Amount},
        {"CppMonths", FieldKind::Int},
        {"CppPensionReceived", FieldKind::Flag},
        {"NoSelfEmployedCpp", FieldKind::Flag},
        {"NoCppBenefits", FieldKind::Flag},
        {"T1170Amount", FieldKind::Amount},
        {"MortgageForeclosure", FieldKind::Amount},
        {"QuebecPlans", FieldKind::Flag},
        {"InclusionRate", FieldKind::Amount, 0, 50},
        {"RppFromSlips", FieldKind::Amount},
        {"SpousalTransfer", FieldKind::Amount},
        {"DDBranch", FieldKind::Text},
        {"DDInstitution", FieldKind::Text},
        {"DDAccount", FieldKind::Text},
        {"OnlineMail", FieldKind::Int},
        {"ElectronicReturn", FieldKind::Int},
        {"OwnPreparerData", FieldKind::Int},
        {"SpouseRDSPIncome", FieldKind::Amount},
        {"SpouseUCCBRepayment", FieldKind::Amount},
        {"SpouseOtherDeductions", FieldKind::Amount},
        {"SpouseTaxableIncome", FieldKind::Amount},
        {"T1212Deferred", FieldKind::Amount},
        {"BasicFedTaxCopy", FieldKind::Amount},
        {"AbatementBase", FieldKind::Amount},
        {"MinimumTaxExcess", FieldKind::Amount},
        {"T1172Tax", FieldKind::Amount},
        {"43200", FieldKind::Amount, 43200},
        {"44100", FieldKind::Amount, 44100},
        {"ForeignMailing", FieldKind::Flag},
        {"12800", FieldKind::Amount, 12800},
        {"SharedInterest", FieldKind::Amount, 0, 0.0, true},
        {"SharedCapitalGain", FieldKind::Amount, 0, 0.0, true},
        {"PlanIncome", FieldKind::Amount, 0, 0.0, true},
        {"PlanDeduction", FieldKind::Amount, 0, 0.0, true},
        // the line-code records write these themselves: no code of their own, so that
        // the walk over the forms leaves them to the records of the T1
        {"Gross12599", FieldKind::Amount},
        {"Gross13499", FieldKind::Amount},
        {"Gross13699", FieldKind::Amount},
        {"Gross13899", FieldKind::Amount},
        {"Gross14099", FieldKind::Amount},
        {"Gross14299", FieldKind::Amount},
        {"CppElectionFirstPair", FieldKind::Flag},
        {"TaxShelterCount", FieldKind::Int},
        {"Line67650", FieldKind::Amount},
        {"Line67820", FieldKind::Amount},
        {"Line67830", FieldKind::Amount},
        {"Line67840", FieldKind::Amount},
        {"Line67860", FieldKind::Amount},
        {"Line67910Part1", FieldKind::Amount},
        {"Line67910Part2", FieldKind::Amount},
        {"Line68080", FieldKind::Amount},
        {"Line68100", FieldKind::Amount},
        {"Line68110", FieldKind::Amount},
        {"Line68150", FieldKind::Amount},
        {"FarmingLossReported", FieldKind::Flag},
        {"NoFeeCharged", FieldKind::Flag},
        {"Line55320", FieldKind::Amount},
        {"SpecialRecordMarker", FieldKind::Int, 0, 0, true},
        {"PriorFiler", FieldKind::Flag},
        {"NetfileAccessCode", FieldKind::Text},
        {"YukonFirstNation", FieldKind::Int, 0, -1},
        {"YukonSettlementNumber", FieldKind::Text},
        {"FirstNationIdentification", FieldKind::Int, 0, -1},
        {"SettlementLand", FieldKind::Int, 0, -1},
        {"Tlicho", FieldKind::Int, 0, -1},
        {"Deline", FieldKind::Int, 0, -1},
        {"DelineFirstNation", FieldKind::Int, 0, -1},
        {"LabradorInuit", FieldKind::Int, 0, -1},
        {"CurrentProvince", FieldKind::Int},
        {"DateOfMove", FieldKind::Date},
        {"HomeAddressSame", FieldKind::Int, 0, -1},
        {"ForeignCountry", FieldKind::Text},
        {"ForeignState", FieldKind::Text},
        {"Citizenship", FieldKind::Int, 0, -1},
        {"SurnameChange", FieldKind::Int, 0, -1},
        {"TaxBeneficiaryElection", FieldKind::Flag},
        {"Line52080", FieldKind::Amount},
        {"PostBankruptNetIncome", FieldKind::Amount},
        {"PostBankruptAdjNetIncome", FieldKind::Amount},
        {"ManitobaBankruptAmount", FieldKind::Amount},
        {"MultiJurisdiction440", FieldKind::Amount},
        {"HBP12900", FieldKind::Amount},
        {"LLP12900", FieldKind::Amount},
        {"LYHBPMinimum", FieldKind::Amount},
        {"LYLLPMinimum", FieldKind::Amount},
        {"TaxExemptIndicator", FieldKind::Int},
        {"TaxExemptIncome", FieldKind::Amount},
        {"FishingT4Indicator", FieldKind::Flag},
        {"T2121Count", FieldKind::Int},
        {"ContributionIndicator", FieldKind::Int},
        {"31210", FieldKind::Amount, 31210},
        {"31215", FieldKind::Amount, 31215},
        {"25395", FieldKind::Amount, 25395},
        {"Children30500", FieldKind::Int},
        {"31300Child1", FieldKind::Amount},
        {"31300Child2", FieldKind::Amount},
        {"31300Child3", FieldKind::Amount},
        {"31300Child4", FieldKind::Amount},
        {"31300Child5", FieldKind::Amount},
        {"31300Child6", FieldKind::Amount},
        {"InfoChanged", FieldKind::Flag},
        {"UCCBDesignated", FieldKind::Amount},
        {"Line5354", FieldKind::Amount},
        {"FarmingLoss", FieldKind::Amount},
        {"CarryingCharges", FieldKind::Amount},
        {"46800", FieldKind::Amount, 46800},
        {"AnnuityPensionIncome", FieldKind::Amount},
        {"DuesPaid", FieldKind::Amount},
        {"NetCapitalLossClaim", FieldKind::Amount},
        {"NetCapitalLossClaimTaken", FieldKind::Flag}
    };
    return table;
}

const FieldTable &medicalFields()
{
    static const FieldTable table{
        {"Expenses", FieldKind::Amount},
        {"Reimbursed", FieldKind::Amount},
        {"Other1", FieldKind::Amount},
        {"Other2", FieldKind::Amount},
        {"Allowable", FieldKind::Amount},
    };
    return table;
}

int ageAtYearEnd(const QDate &birth)
{
    return birth.isValid() ? kTaxYear - birth.year() : 0;
}

bool inTaxYear(const QDate &d)
{
    return d.isValid() && d.year() == kTaxYear;
}

// Provinces whose residents receive the Canada carbon rebate in 2024.
bool isCarbonRebateProvince(int province)
{
    switch (province) {
    case 1: case 3: case 4: case 5: case 7: case 9: case 10: case 12:
        return true;
    default:
        return false;
    }
}

} // namespace

// 2024 federal brackets, from the one table of 2024 figures.
const STRUCT_TAX_STAIRS_JURISDICTION TaxData_T1New::m_taxStairs = [] {
    namespace fed = tax2024::fed;
    STRUCT_TAX_STAIRS_JURISDICTION s{};
    s.steps = fed::kBracketCount;
    for (int i = 0; i < fed::kBracketCount; ++i) {
        s.threshold[i] = fed::kBrackets[i].lower;
        s.rate[i] = fed::kBrackets[i].rate;
    }
    return s;
}();

TaxData_T1New::TaxData_T1New() : CTaxData_Form(formFields(), KindForm, 1)
{
    addRowList(medicalFields());
    for (int i = 0; i < kMedicalRows; ++i)
        rows(0).append();
}

void TaxData_T1New::Calculate01()
{
    CalculateTotalIncome(true);
    CalculateNetIncomeBeforeF21700();
    CalculateNetIncomeBeforeCCT();
    CalculateNetIncomeBeforeF23500();
    CalculateNetIncomeAfterCCT(true);
    CalculateTaxableIncome(true);
    CalculateLine314ByWorkSheet();
    CalculateField338AndField410_414();
    CalculateField350();
    CalculateFedTax1stStep();
    CalculateField404();
    CalculateField429AndNonResiSurTax();
    CalculateField406();
    CalculateField417(false);
    CalculateFedTax();
    CalculateBeforeLine437(true);
    CalculateBalance(true);
}

void TaxData_T1New::carryForward(bool keepData)
{
    // The person, the address and the spouse stay with the return into the new year.
    static const int kKept[] = {F_FirstName, F_LastName, F_Initial, F_SIN, F_DateOfBirth, F_MaritalStatus,
                                F_Language, F_CareOf, F_AptNo, F_Street, F_POBox, F_RuralRoute, F_City,
                                F_MailProvince, F_Postcode, F_Email, F_Phone, F_ProvinceOfResidence,
                                F_ProvinceName, F_SpouseSIN, F_SpouseFirstName, F_SpouseLastName,
                                F_SpouseDateOfBirth};
    if (!keepData) {
        const FieldRecord kept = fields();
        CTaxData_Form::carryForward(false);
        for (int f : kKept)
            fields().setValueText(f, kept.valueText(f));
    } else {
        CTaxData_Form::carryForward(true);
        // A new year's return starts unfiled, and what last year brought in from the year
        // before is not what it carries on (the person's return sets that afresh).
        setReFile(false);
        setFilingStatus(0);
        setFilingTime(QString());
        setConfirmationNumber(QString());
        for (int f : {F_LYFedTuition, F_LYProvTuition, F_LYRRSPLimit, F_LYUnusedRRSP, F_HBPRepayment,
                      F_LLPRepayment, F_RRSPContribFirst60, F_RRSPContribRest, F_LYT1212Balance,
                      F_LYNetCapitalLosses, F_LYMovingExpenses})
            setAmount(f, 0.0);
    }
    while (rows(0).count() < kMedicalRows)
        rows(0).append();
}

double TaxData_T1New::medicalAmount(int dependant, int column) const
{
    if (dependant < 0 || dependant >= rows(0).count() || column < 0 || column >= M_ColumnCount)
        return 0.0;
    return rows(0).row(dependant).number(column);
}

void TaxData_T1New::setMedicalAmount(int dependant, int column, double v)
{
    if (dependant < 0 || dependant >= rows(0).count() || column < 0 || column >= M_ColumnCount)
        return;
    rows(0).row(dependant).setNumber(column, v);
}

// ---- person queries ----

int TaxData_T1New::GetAge() const { return ageAtYearEnd(dateOfBirth()); }
bool TaxData_T1New::IsAgeNotUnder65() const { return dateOfBirth().isValid() && GetAge() >= 65; }
bool TaxData_T1New::IsAgeUnder18() const { return dateOfBirth().isValid() && GetAge() < 18; }

bool TaxData_T1New::HasSpouse() const
{
    const int s = maritalStatus();
    return s == 0 || s == 1;
}

bool TaxData_T1New::CanClaimSpouse() const { return HasSpouse() && !flag(F_LeaveSpouseOut); }
bool TaxData_T1New::canClaimSch2() const { return HasSpouse(); }
bool TaxData_T1New::canClaimT1032() const { return HasSpouse() || (maritalStatus() == 2 && HasMaritalChange()); }
bool TaxData_T1New::canNotOverwriteSpouseAgeAmount() const { return !spouseDateOfBirth().isValid(); }

bool TaxData_T1New::IsSpouseAgeNotUnder65() const
{
    return spouseDateOfBirth().isValid() && ageAtYearEnd(spouseDateOfBirth()) >= 65;
}

bool TaxData_T1New::IsSpouseAgeNotUnder18() const
{
    return spouseDateOfBirth().isValid() && ageAtYearEnd(spouseDateOfBirth()) >= 18;
}

bool TaxData_T1New::HasMaritalChange() const { return inTaxYear(date(F_MaritalChangeDate)); }
bool TaxData_T1New::IsWidowedInTaxYear() const { return maritalStatus() == 2 && HasMaritalChange(); }
bool TaxData_T1New::IsDeceased() const { return inTaxYear(date(F_DeceasedDate)); }
bool TaxData_T1New::KnowDeceasedDate() const { return date(F_DeceasedDate).isValid(); }

// A death after the year but before filing is reported too.
bool TaxData_T1New::IsDeceasedForEfileReporting() const
{
    const QDate d = date(F_DeceasedDate);
    return d.isValid() && d.year() >= kTaxYear;
}

bool TaxData_T1New::IsImmigrant() const { return inTaxYear(date(F_EntryDate)); }
bool TaxData_T1New::IsEmmigrant() const { return inTaxYear(date(F_DepartureDate)); }
bool TaxData_T1New::shouldProrateAsImmigrant() const { return IsImmigrant() || IsEmmigrant(); }
bool TaxData_T1New::IsBankrupt() const { return inTaxYear(date(F_BankruptDate)) && !flag(F_PostBankrupt); }
bool TaxData_T1New::IsPostBankrupt() const { return inTaxYear(date(F_BankruptDate)) && flag(F_PostBankrupt); }

// Days of the year that the return covers: before the bankruptcy for the
// pre-bankruptcy return, from it for the post-bankruptcy return.
int TaxData_T1New::GetBankruptDaysInTaxYear() const
{
    const QDate d = date(F_BankruptDate);
    const int year = GetDaysInYear(kTaxYear);
    if (!inTaxYear(d))
        return year;
    const int before = QDate(kTaxYear, 1, 1).daysTo(d);
    return flag(F_PostBankrupt) ? year - before : before;
}

bool TaxData_T1New::HasSelfEmploymentIncome() const
{
    for (int f : {F_13500, F_13700, F_13900, F_14100, F_14300})
        if (isAmountEntered(amount(f)))
            return true;
    return false;
}

bool TaxData_T1New::HasSelfEmploymentIncome2() const
{
    if (HasSelfEmploymentIncome())
        return true;
    for (int f : {F_13499, F_13699, F_13899, F_14099, F_14299})
        if (isAmountEntered(amount(f)))
            return true;
    return false;
}

int TaxData_T1New::GetSpouseAge() const { return ageAtYearEnd(date(F_SpouseDateOfBirth)); }

double TaxData_T1New::getNetIncForCredit() const
{
    return IsPostBankrupt() ? amount(F_PostBankruptNetIncome) : amount(F_23600);
}

int TaxData_T1New::GetBankruptMonthsInTaxYear() const
{
    const QDate d = date(F_BankruptDate);
    if (!inTaxYear(d))
        return 12;
    return flag(F_PostBankrupt) ? 13 - d.month() : d.month() - (d.day() == 1 ? 1 : 0);
}

bool TaxData_T1New::IsNonRefTaxCreditAllUsed() const { return amount(F_35000) >= amount(F_40400); }

bool TaxData_T1New::isProvEligibleForCAI() const { return isCarbonRebateProvince(provinceOfResidence()); }
bool TaxData_T1New::isEligibleForCAI() const { return isProvEligibleForCAI() && !IsDeceased() && !IsEmmigrant(); }
bool TaxData_T1New::isDonorInfoNeeded() const { return provinceOfResidence() == 9; }

// The Canada training credit (45350) needs an age from 26 to 65 and residence all year.
bool TaxData_T1New::isClaimAllowed(int, int code) const
{
    if (code == 45350)
        return GetAge() >= 26 && GetAge() <= 65 && !shouldProrateAsImmigrant();
    return true;
}

// The election to stop contributing is open from 65 to 69, outside Quebec.
bool TaxData_T1New::isCPT30AnswerNeeded(int province) const
{
    return province != 11 && GetAge() >= 65 && GetAge() < 70;
}

bool TaxData_T1New::isField372Allowed(int province) const { return province != 11; }
bool TaxData_T1New::isField374Allowed(int province) const { return isCPT30AnswerNeeded(province); }

double TaxData_T1New::getSpouseNetIncForSpouseCredit(bool forSpouseAmount) const
{
    const double net = amount(F_SpouseNetIncome);
    return forSpouseAmount ? net : net - amount(F_SpouseUCCB);
}

double TaxData_T1New::getBill51AmountK() const { return amount(F_Bill51K); }

void TaxData_T1New::getSelfEmploymentIncomeForCPP(double &cppEarnings, double &qppEarnings) const
{
    double total = 0.0;
    for (int f : {F_13500, F_13700, F_13900, F_14100, F_14300})
        total += amount(f);
    total = qMax(0.0, total);
    const bool quebec = provinceOfResidence() == 11;
    cppEarnings = quebec ? 0.0 : total;
    qppEarnings = quebec ? total : 0.0;
}

void TaxData_T1New::GetIncomeThresholds(QList<double> &amounts) const
{
    for (int i = 1; i < m_taxStairs.steps; ++i)
        amounts.append(m_taxStairs.threshold[i]);
}

CString TaxData_T1New::ConstructFullName() const
{
    return CString((firstName().trimmed() + QLatin1Char(' ') + lastName().trimmed()).trimmed());
}

void TaxData_T1New::GetFullAddressWithoutPostcode(int kind, CString &out) const
{
    QString street = text(F_Street).trimmed();
    if (!text(F_AptNo).trimmed().isEmpty())
        street = text(F_AptNo).trimmed() + QLatin1Char('-') + street;
    QStringList parts;
    if (kind == 11) {
        out = CString(street);
        return;
    }
    if (!text(F_CareOf).trimmed().isEmpty() && kind == 0)
        parts << QStringLiteral("c/o ") + text(F_CareOf).trimmed();
    if (!street.isEmpty())
        parts << street;
    if (!text(F_POBox).trimmed().isEmpty())
        parts << QStringLiteral("PO Box ") + text(F_POBox).trimmed();
    if (!text(F_RuralRoute).trimmed().isEmpty())
        parts << QStringLiteral("RR ") + text(F_RuralRoute).trimmed();
    if (kind != 10) {
        if (!text(F_City).trimmed().isEmpty())
            parts << text(F_City).trimmed();
        if (!text(F_MailProvince).trimmed().isEmpty())
            parts << text(F_MailProvince).trimmed();
    }
    out = CString(parts.join(QStringLiteral(", ")));
}

bool TaxData_T1New::SyncWithSpouseMailingAddr(const TaxData_T1New &other)
{
    bool changed = false;
    for (int f : {F_CareOf, F_AptNo, F_Street, F_POBox, F_RuralRoute, F_City, F_MailProvince, F_Postcode}) {
        if (text(f) != other.text(f)) {
            setText(f, other.text(f));
            changed = true;
        }
    }
    return changed;
}

void TaxData_T1New::clearSpouseInfo()
{
    for (int f : {F_SpouseSIN, F_SpouseFirstName, F_SpouseLastName})
        setText(f, QString());
    setDate(F_SpouseDateOfBirth, QDate());
    setAmount(F_SpouseNetIncome, 0.0);
    setAmount(F_SpouseUCCB, 0.0);
    setFlag(F_SpouseSelfEmployed, false);
}

// ---- calculation steps ----
// Each step works the lines named in it from lines the earlier steps or the
// calculation stages filled; money is rounded to the cent where the forms round.

namespace {

double sumOf(const TaxData_T1New &t, std::initializer_list<int> fields)
{
    double s = 0.0;
    for (int f : fields)
        s += t.amount(f);
    return tax2024::cents(s);
}


} // namespace

void TaxData_T1New::CalculateTotalIncome(bool)
{
    setAmount(F_14700, sumOf(*this, {F_14400, F_14500, F_14600}));
    setAmount(F_15000, sumOf(*this, {F_10100, F_10400, F_11300, F_11400, F_11500, F_11600, F_11700, F_11900,
                                     F_12000, F_12100, F_12200, F_12500, F_12600, F_12700, F_12800, F_12900,
                                     F_12905, F_12906, F_13000, F_13010, F_13500, F_13700, F_13900, F_14100,
                                     F_14300, F_14700, F_PlanIncome}));
}

// The UCCB repayment worksheet: the line keeps what was entered, never below nil.
void TaxData_T1New::CalculateLine213ByWorkSheet()
{
    setAmount(F_21300, qMax(0.0, amount(F_21300)));
}

void TaxData_T1New::CalculateNetIncomeBeforeF21700()
{
    // line 20810 (the employer's PRPP contributions) is a memo: Schedule 7 counts it
    setAmount(F_23300, sumOf(*this, {F_20700, F_20800, F_20805, F_21000, F_21200, F_21300, F_21400, F_21500,
                                     F_PlanDeduction}));
}

void TaxData_T1New::CalculateNetIncomeBeforeCCT()
{
    setAmount(F_23300, tax2024::cents(amount(F_23300) + sumOf(*this, {F_21700, F_21900, F_22000, F_22100, F_22200,
                                                                      F_22215, F_22300, F_22400})));
}

void TaxData_T1New::CalculateNetIncomeBeforeF23500()
{
    CalculateNetIncomeBeforeF21700();
    CalculateNetIncomeBeforeCCT();
    setAmount(F_23300, tax2024::cents(amount(F_23300) + sumOf(*this, {F_22900, F_23100, F_23200})));
    setAmount(F_23400, qMax(0.0, tax2024::cents(amount(F_15000) - amount(F_23300))));
}

// Line 23500: the EI benefits repayment (T4E boxes 7 and 15), then the OAS recovery on the net income
// that remains (without the UCCB and RDSP income, with their repayment).
void TaxData_T1New::CalculateNetIncomeAfterCCT(bool)
{
    const double beforeAdjustments = amount(F_23400);
    const double eiRepayment = tax2024::eiBenefitsRepayment(m_eiRepaymentBase, beforeAdjustments);
    const double oasBase = beforeAdjustments - amount(F_11700) - amount(F_12500) + amount(F_21300) - eiRepayment;
    const double oasRecovery = tax2024::oasRecovery(oasBase, amount(F_11300));
    setAmount(F_23500, tax2024::cents(eiRepayment + oasRecovery));
    setAmount(F_23600, qMax(0.0, tax2024::cents(beforeAdjustments - amount(F_23500))));
}

// Line 25300: the net capital losses of other years claimed, up to the taxable capital
// gains of the year (against any income in the year of death). A return saved before the
// claim had its own field keeps the amount its line 25300 held.
void TaxData_T1New::CalculateNetCapitalLosses()
{
    if (!flag(F_NetCapitalLossClaimTaken)) {
        if (!isAmountEntered(amount(F_NetCapitalLossClaim)))
            setAmount(F_NetCapitalLossClaim, amount(F_25300));
        setFlag(F_NetCapitalLossClaimTaken, true);
    }
    const double claim = qMax(0.0, amount(F_NetCapitalLossClaim));
    setAmount(F_25300, IsDeceased() ? claim : qMin(claim, qMax(0.0, amount(F_12700))));
}

void TaxData_T1New::CalculateTaxableIncome(bool)
{
    CalculateNetCapitalLosses();
    // line 25000: workers' compensation, social assistance and net federal supplements
    setAmount(F_25000, tax2024::cents(qMax(0.0, amount(F_14400)) + qMax(0.0, amount(F_14500)) + qMax(0.0, amount(F_14600))));
    setAmount(F_25700, sumOf(*this, {F_24400, F_24900, F_25000, F_25100, F_25200, F_25300, F_25395, F_25400,
                                     F_25500, F_25600}));
    setAmount(F_26000, qMax(0.0, tax2024::cents(amount(F_23600) - amount(F_25700))));
}

// An amount reduced by rate times the income over the threshold, prorated by days.
double TaxData_T1New::CalculateAgeAmount(bool eligible, double netIncome, int days, int daysInYear,
                                         double maxAmount, double threshold, double rate) const
{
    if (!eligible || daysInYear <= 0)
        return 0.0;
    const double reduction = tax2024::cents(qMax(0.0, netIncome - threshold) * rate);
    const double reduced = qMax(0.0, maxAmount - reduction);
    return tax2024::cents(reduced * qBound(0, days, daysInYear) / daysInYear);
}

// Line 31400: eligible pension income (line 11500, the split pension of line 11600
// and, at 65 or older, RRSP annuity payments), at most the federal maximum.
void TaxData_T1New::CalculateLine314ByWorkSheet()
{
    setAmount(F_31400, tax2024::federalPensionAmount(amount(F_11500) + amount(F_11600) + amount(F_AnnuityPensionIncome)));
}

double TaxData_T1New::residenceShare() const
{
    const double days = amount(F_DaysInYear);
    const double resident = amount(F_ResidenceDays);
    return shouldProrateAsImmigrant() && days > 0 && resident > 0 && resident < days ? resident / days : 1.0;
}

// The typed credit amounts that have a fixed maximum are held to it.
void TaxData_T1New::limitTypedAmounts()
{
    namespace fed = tax2024::fed;
    const struct { int field; double max; } limits[] = {
        {F_31220, fed::kVolunteerAmount}, {F_31240, fed::kVolunteerAmount},
        {F_31270, fed::kHomeBuyersAmount}, {F_31350, fed::kDigitalNewsMax},
        {F_46800, fed::kEducatorSuppliesMax}};
    for (const auto &l : limits)
        setAmount(l.field, qBound(0.0, amount(l.field), l.max));
}

// Schedule 1 Part B: the amounts worked out from the return (basic personal
// amount with its reduction, age, Canada employment, disability, medical
// expenses), the total 33500 and its credit 33800; and the political
// contribution credit 41000: 75 % of the first 400, 50 % of the next 350 and
// one third of the rest, at most 650.
void TaxData_T1New::CalculateField338AndField410_414()
{
    const double net = amount(F_23600);
    // a newcomer or emigrant claims the personal amounts for the days resident
    const double share = residenceShare();
    setAmount(F_30000, tax2024::cents(tax2024::federalBasicPersonalAmount(net) * share));
    setAmount(F_30100, IsAgeNotUnder65() ? tax2024::cents(tax2024::federalAgeAmount(net) * share) : 0.0);
    setAmount(F_31260, tax2024::canadaEmploymentAmount(amount(F_10100) + amount(F_10400)));
    limitTypedAmounts();
    if (isDisabled())
        // under 18: the supplement is reduced by the disability supports claimed (line 21500)
        setAmount(F_31600, tax2024::cents(tax2024::federalDisabilityAmount(IsAgeUnder18(), amount(F_21500)) * share));

    // medical expenses: row 0 the person, the spouse and children under 18; the
    // other rows one other dependant each (M_Other1 the dependant's net income)
    double own = 0.0;
    double others = 0.0;
    bool anyRow = false;
    for (int i = 0; i < rows(0).count(); ++i) {
        FieldRecord &r = rows(0).row(i);
        const double paid = qMax(0.0, r.number(M_Expenses) - r.number(M_Reimbursed));
        anyRow = anyRow || isAmountEntered(r.number(M_Expenses));
        if (i == 0) {
            r.setNumber(M_Allowable, paid);
            own += paid;
        } else {
            const double allowable = qMax(0.0, tax2024::cents(paid - tax2024::medicalExpenseThreshold(r.number(M_Other1))));
            r.setNumber(M_Allowable, allowable);
            others += allowable;
        }
    }
    if (anyRow) {
        setAmount(F_33099, tax2024::cents(own));
        setAmount(F_33199, tax2024::cents(others));
    }
    const double medical = qMax(0.0, tax2024::cents(amount(F_33099) - tax2024::medicalExpenseThreshold(net)));
    setAmount(F_33200, tax2024::cents(medical + qMax(0.0, amount(F_33199))));

    const double credits = sumOf(*this, {F_30000, F_30100, F_30300, F_30400, F_30425, F_30450, F_30500, F_30800,
                                         F_31000, F_31200, F_31205, F_31210, F_31215, F_31217, F_31220, F_31240, F_31260, F_31270,
                                         F_31285, F_31300, F_31350, F_31400, F_31600, F_31800, F_31900, F_32300,
                                         F_32400, F_32600, F_33200});
    setAmount(F_33500, credits);
    setAmount(F_33800, tax2024::cents(credits * tax2024::fed::kLowestRate));

    const double c = qMax(0.0, amount(F_40900));
    const double political = qMin(c, 400.0) * 0.75 + qBound(0.0, c - 400.0, 350.0) * 0.5 + qMax(0.0, c - 750.0) / 3.0;
    setAmount(F_41000, qMin(650.0, tax2024::cents(political)));
}

// Line 35000: the credits of Part B plus the donations credit of Schedule 9.
void TaxData_T1New::CalculateField350()
{
    setAmount(F_35000, tax2024::cents(amount(F_33800) + amount(F_34900)));
}

// Line 40400 on taxable income and the dividend tax credit (line 40425) on the
// grossed-up dividends of lines 12000 and 12010.
void TaxData_T1New::CalculateFedTax1stStep()
{
    setAmount(F_40400, tax2024::federalTaxOnIncome(amount(F_26000)));
    const double other = qMax(0.0, amount(F_12010));
    const double eligible = qMax(0.0, amount(F_12000) - other);
    setAmount(F_40425, tax2024::cents(tax2024::federalEligibleDividendCredit(eligible)
                                      + tax2024::federalOtherDividendCredit(other)));
}

// Line 40400 without the split income deducted at line 23200, plus the tax on
// split income (line 40424).
void TaxData_T1New::CalculateField404()
{
    const double ordinary = qMax(0.0, amount(F_26000) - (flag(F_SplitIncomeFlag) ? amount(F_23200) : 0.0));
    setAmount(F_40400, tax2024::cents(tax2024::federalTaxOnIncome(ordinary) + amount(F_40424)));
}

// Line 40600: federal tax after the foreign tax credit (line 40500).
void TaxData_T1New::CalculateField406()
{
    setAmount(F_40600, qMax(0.0, tax2024::cents(amount(F_42900) - amount(F_40500))));
}

// Line 41600: federal tax less the political contribution, investment and
// labour-sponsored funds credits; line 41700 adds the minimum tax over the
// regular tax when minimum tax applies.
void TaxData_T1New::CalculateField417(bool minimumTax)
{
    const double after = qMax(0.0, tax2024::cents(amount(F_40600) - amount(F_41000) - amount(F_41200) - amount(F_41400)));
    setAmount(F_41600, after);
    setAmount(F_41700, tax2024::cents(after + (minimumTax ? qMax(0.0, amount(F_MinimumTaxExcess)) : 0.0)));
}

// Line 42900: basic federal tax, line 40400 less the non-refundable credits
// (line 35000), the dividend tax credit and the minimum tax carryover. The
// non-resident surtax does not arise: the return is of a resident.
void TaxData_T1New::CalculateField429AndNonResiSurTax()
{
    setAmount(F_42900, qMax(0.0, tax2024::cents(amount(F_40400) - amount(F_35000) - amount(F_40425)
                                               - amount(F_40427))));
}

// Line 42000: net federal tax (with the special taxes of line 41800). A resident
// of Quebec gets the refundable abatement (line 44000) on the basic federal tax.
void TaxData_T1New::CalculateFedTax()
{
    setAmount(F_42000, tax2024::cents(amount(F_41700) + amount(F_41800)));
    if (getMainTaxProvince() == 11) {
        const double base = isAmountEntered(amount(F_AbatementBase)) ? amount(F_AbatementBase) : amount(F_42900);
        setAmount(F_44000, tax2024::quebecAbatement(base));
    } else {
        setAmount(F_44000, 0.0);
    }
}

// Line 43500: total payable, with the social benefits repayment of line 23500
// carried to line 42200.
void TaxData_T1New::CalculateBeforeLine437(bool)
{
    setAmount(F_42200, amount(F_23500));
    setAmount(F_43500, sumOf(*this, {F_42000, F_42100, F_42120, F_42200, F_42800, F_43200}));
}

// Line 48200: total credits; the difference with line 43500 is the refund
// (48400) or the balance owing (48500).
void TaxData_T1New::CalculateBalance(bool)
{
    // line 46900: 25 % of the eligible educator school supplies, at most 1,000 of them
    setAmount(F_46900, tax2024::cents(qBound(0.0, amount(F_46800), tax2024::fed::kEducatorSuppliesMax)
                                      * tax2024::fed::kEducatorSuppliesRate));
    const double credits = sumOf(*this, {F_43700, F_44000, F_44100, F_44800, F_45000, F_45200, F_45300, F_45350,
                                         F_45355, F_45400, F_45600, F_45700, F_46900, F_47555, F_47556, F_47557,
                                         F_47600, F_47900});
    setAmount(F_48200, credits);
    const double net = tax2024::cents(amount(F_43500) - credits);
    setAmount(F_NetBalance, net);
    setAmount(F_48500, net > 0 ? net : 0.0);
    setAmount(F_48400, net < 0 ? -net : 0.0);
}

// Line 26600 is a question: 1 when the box is ticked (foreign property costing more
// than CAN$100,000), 2 when it is not.
int TaxData_T1New::ConvertToNetfile(int mode, NetfileGenObjParamStru &context)
{
    const int written = CTaxData_Form::ConvertToNetfile(mode, context);
    return written + NETFILE_NUMERIC_VALUE_Func(26600, flag(F_ForeignPropertyOver100K) ? 1 : 2, context);
}
