// Captions and line numbers of the forms' page rows (2024 forms): the federal
// schedules, the provincial 428, 479, S2 and S11 forms and the common forms.
// A field the recalculation writes is calculated; what the program keeps for
// itself (intermediate amounts, planning amounts) is listed as internal.
#include "fieldcaptions.h"
#include "formtypes.h"

// The identification every business, farming, fishing and rental statement
// carries, and its partners, on the page of the section given.
#define STATEMENT_IDENTITY_ROWS(s) \
    {"IndustryCode", "", "Industry code (NAICS)", s, nullptr, 0}, \
    {"BusinessNumber", "", "Business number", s, nullptr, 0}, \
    {"TaxShelterId", "", "Tax shelter identification number", s, nullptr, 0}, \
    {"PartnershipBN", "", "Partnership business number", s, nullptr, 0}, \
    {"Partnership", "", "You are a partner of a partnership", s, nullptr, 0}, \
    {"LastYear", "", "2024 was the last year of this activity", s, nullptr, 0},
#define STATEMENT_PARTNER_ROWS(s) \
    {"Partner1Name", "", "Partner 1: name", s, nullptr, 0}, \
    {"Partner1Address", "", "Partner 1: address", s, nullptr, 0}, \
    {"Partner1Share", "", "Partner 1: percentage of the partnership", s, nullptr, 0}, \
    {"Partner2Name", "", "Partner 2: name", s, nullptr, 0}, \
    {"Partner2Address", "", "Partner 2: address", s, nullptr, 0}, \
    {"Partner2Share", "", "Partner 2: percentage of the partnership", s, nullptr, 0}, \
    {"Partner3Name", "", "Partner 3: name", s, nullptr, 0}, \
    {"Partner3Address", "", "Partner 3: address", s, nullptr, 0}, \
    {"Partner3Share", "", "Partner 3: percentage of the partnership", s, nullptr, 0},

// The rows Schedule 8 and the RC381 share (the one body of both forms): the
// election, the T4 slips' totals, the contributions on employment and on
// self-employment, on the pages "Election", "Employment income" and
// "Self-employment". qpp: the flags of the Quebec plan's rows, which only the
// RC381 shows.
#define CPP_CONTRIBUTION_ROWS(qpp) \
    {"ElectionPart", "", "Completing the part to stop contributing or revoke a prior election", 0, nullptr, 0}, \
    {"ElectionAnswer", "", "Election to stop contributing to the CPP, or to revoke it", 0, "cppelection", 0}, \
    {"T4CppEarnings", "50339", "Total CPP pensionable earnings (box 26 of all T4 slips)", \
     1, nullptr, FieldCaption::Calculated}, \
    {"T4CppContributions", "50340", \
     "Total base and first additional CPP contributions deducted (box 16 of all T4 slips)", \
     1, nullptr, FieldCaption::Calculated}, \
    {"T4QppEarnings", "", "Total QPP pensionable earnings (box 26 of the T4 slips with QPP contributions)", \
     1, nullptr, qpp}, \
    {"T4QppContributions", "", "Total base and first additional QPP contributions deducted (box 17 of all T4 slips)", \
     1, nullptr, qpp}, \
    {"T4Cpp2Contributions", "50341", "Total second additional CPP contributions deducted (box 16A of all T4 slips)", \
     1, nullptr, FieldCaption::Calculated}, \
    {"T4Qpp2Contributions", "", "Total second additional QPP contributions deducted (box 17A of all T4 slips)", \
     1, nullptr, qpp}, \
    {"CPT20Line16", "", "Form CPT20: employment earnings not on a T4 slip elected for CPP contributions", \
     1, nullptr, 0}, \
    {"CPT20Line17", "", "Form CPT20: employment earnings on a T4 slip elected for CPP contributions", 1, nullptr, 0}, \
    {"BaseContribution", "30800", "Base CPP or QPP contributions through employment income", \
     1, nullptr, FieldCaption::Calculated}, \
    {"Line22215", "22215", "Deduction for CPP or QPP enhanced contributions on employment income", \
     1, nullptr, FieldCaption::Calculated}, \
    {"Overpayment", "44800", "CPP or QPP overpayment", 1, nullptr, FieldCaption::Calculated}, \
    {"SelfEmployment", "", "Net self-employment earnings", 2, nullptr, FieldCaption::Calculated}, \
    {"SelfEmploymentQPP", "", "Net self-employment earnings under the QPP", 2, nullptr, qpp}, \
    {"ElectedAmount", "", "Self-employment earnings elected for CPP contributions", 2, nullptr, 0}, \
    {"Line310", "31000", "Base CPP or QPP contributions on self-employment income and other earnings", \
     2, nullptr, FieldCaption::Calculated}, \
    {"Line222", "22200", "Deduction for CPP or QPP contributions on self-employment income and other earnings", \
     2, nullptr, FieldCaption::Calculated}, \
    {"SelfContribution", "42100", "CPP contributions payable on self-employment income and other earnings", \
     2, nullptr, FieldCaption::Calculated}, \
    {"Province", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Months", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"SecondMonths", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Age", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Deceased", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"CPT30Needed", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Allow372", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Allow374", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Switch", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"EnhancedContribution", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Line421", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"T4Amounts", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"T4CppSlips", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"T4QuebecOnlySlips", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"T4Exempt", "", "", 0, nullptr, FieldCaption::Internal},

namespace {
// The T1 summary: the result page. Everything on it is worked out from the
// return, but for the three estimate choices and the file's password.
#define CALC FieldCaption::Calculated
const FieldCaption kT1Summary[] = {
    {"FullName", "", "Taxpayer", 0, nullptr, CALC},
    {"SIN", "", "Social insurance number (S.I.N.)", 0, nullptr, CALC | FieldCaption::Sin},
    {"Province", "", "Province or territory of residence on December 31, 2024", 0, "province", CALC},
    {"TaxYear", "", "Tax year", 0, nullptr, CALC},
    {"TotalIncome", "15000", "Total income", 0, nullptr, CALC},
    {"NetIncome", "23600", "Net income", 0, nullptr, CALC},
    {"TaxableIncome", "26000", "Taxable income", 0, nullptr, CALC},
    {"NonRefundable", "35000", "Total federal non-refundable tax credits", 0, nullptr, CALC},
    {"NetFederalTax", "42000", "Net federal tax", 0, nullptr, CALC},
    {"ProvincialTax", "42800", "Provincial or territorial tax", 0, nullptr, CALC},
    {"TotalPayable", "43500", "Total payable", 0, nullptr, CALC},
    {"TotalCredits", "48200", "Total credits", 0, nullptr, CALC},
    {"Refund", "48400", "Your refund", 0, nullptr, CALC},
    {"BalanceOwing", "48500", "Balance owing", 0, nullptr, CALC},
    {"RefundOrNil", "", "Result of the return", 0, "refundornil", CALC},
    {"AverageTaxRate", "", "Average tax rate (% of total income)", 0, nullptr, CALC},
    {"Line11600", "11600", "Elected split-pension amount", 0, nullptr, CALC},
    {"Line21000", "21000", "Deduction for elected split-pension amount", 0, nullptr, CALC},
    {"Line25200", "25200", "Non-capital losses of other years", 0, nullptr, CALC},
    {"Line25300", "25300", "Net capital losses of other years", 0, nullptr, CALC},
    {"EFileNumber", "", "EFILE number of the preparer", 0, nullptr, CALC},
    {"Confirmation", "", "Filing confirmation number", 0, nullptr, CALC},
    {"FirstName", "", "First name", 1, nullptr, CALC},
    {"LastName", "", "Last name", 1, nullptr, CALC},
    {"Address", "", "Mailing address", 1, nullptr, CALC},
    {"DateOfBirth", "", "Date of birth", 1, nullptr, CALC},
    {"MaritalStatus", "", "Marital status on December 31, 2024", 1, "marital", CALC},
    {"SpouseSIN", "", "Spouse or common-law partner: S.I.N.", 1, nullptr, CALC | FieldCaption::Sin},
    {"SpouseFirstName", "", "Spouse or common-law partner: first name", 1, nullptr, CALC},
    {"SpouseLastName", "", "Spouse or common-law partner: last name", 1, nullptr, CALC},
    {"SpouseDateOfBirth", "", "Spouse or common-law partner: date of birth", 1, nullptr, CALC},
    // typed here, kept in the return file; never printed
    {"Password", "", "Password of the return file (blank: none)", 1, nullptr, FieldCaption::NoPrint},
    {"GSTCreditFlag", "", "GST/HST credit: do not estimate it (of a couple: estimate it for the spouse with the "
                          "higher net income instead)", 2, nullptr, 0},
    {"GSTCreditEstimate", "", "GST/HST credit, July 2025 to June 2026 (estimate)", 2, nullptr, CALC},
    {"CCBFlag", "", "Canada child benefit: do not estimate it", 2, nullptr, 0},
    {"CCBEstimate", "", "Canada child benefit, July 2025 to June 2026 (estimate)", 2, nullptr, CALC},
    {"CAIFlag", "", "Canada carbon rebate: estimate it", 2, nullptr, 0},
    {"CAIEstimate", "", "Canada carbon rebate (estimate)", 2, nullptr, CALC},
    {"ProvincialBenefitEstimate", "", "Provincial or territorial benefits, July 2025 to June 2026 (estimate)",
     2, nullptr, CALC},
    {"Instalment1", "", "2025 instalment due March 15, 2025", 2, nullptr, CALC},
    {"Instalment2", "", "2025 instalment due June 15, 2025", 2, nullptr, CALC},
    {"Instalment3", "", "2025 instalment due September 15, 2025", 2, nullptr, CALC},
    {"Instalment4", "", "2025 instalment due December 15, 2025", 2, nullptr, CALC},
    {"RRSPLimitNext", "", "RRSP deduction room earned for 2025 (18% of 2024 earned income, less the pension "
                          "adjustment)", 2, nullptr, CALC},
    {"LossCarried", "", "Loss to carry back or forward", 2, nullptr, CALC},
    {"MovingCarryForward", "", "Moving expenses to carry forward to 2025", 2, nullptr, CALC},
    {"Sch2SpouseAgeAmount", "", "Schedule 2: spouse's age amount", 3, nullptr, CALC},
    {"Sch2Pension", "", "Schedule 2: spouse's pension income amount", 3, nullptr, CALC},
    {"Sch2Disability", "", "Schedule 2: spouse's disability amount", 3, nullptr, CALC},
    {"Sch2Tuition", "36000", "Schedule 2: tuition amount designated to you", 3, nullptr, CALC},
    {"Sch2SpouseNetIncome", "", "Schedule 2: spouse's net income", 3, nullptr, CALC},
    {"Sch2Result", "32600", "Schedule 2: amounts transferred from your spouse or common-law partner",
     3, nullptr, CALC},
    {"Sch3SmallBusiness", "10700", "Schedule 3: qualified small business corporation shares – gain", 3, nullptr, CALC},
    {"Sch3FarmFish", "11000", "Schedule 3: qualified farm or fishing property – gain", 3, nullptr, CALC},
    {"Sch3MutualFunds", "13200", "Schedule 3: publicly traded shares, mutual fund units and other shares – gain",
     3, nullptr, CALC},
    {"Sch3RealEstate", "13600", "Schedule 3: real estate, depreciable property and other properties – gain",
     3, nullptr, CALC},
    {"Sch3Bonds", "13800", "Schedule 3: bonds, debentures, promissory notes and similar properties – gain",
     3, nullptr, CALC},
    {"Sch3OtherMortgage", "15300", "Schedule 3: other mortgage foreclosures and conditional sales repossessions "
                                   "– gain", 3, nullptr, CALC},
    {"Sch3PersonalUse", "15800", "Schedule 3: personal-use property – gain", 3, nullptr, CALC},
    {"Sch3ListedPersonal", "15900", "Schedule 3: listed personal property – net gain", 3, nullptr, CALC},
    {"Sch3T3T5Gains", "17600", "Schedule 3: capital gains or losses from T3 slips", 3, nullptr, CALC},
    {"Sch3T5013Gains", "17400", "Schedule 3: capital gains or losses from T5, T5013 and T4PS slips",
     3, nullptr, CALC},
    {"Sch3T2017Reserves", "19200", "Schedule 3: reserves included in income", 3, nullptr, CALC},
    {"Sch3T1170Gains", "", "Schedule 3: capital gains on gifts of certain capital property", 3, nullptr, CALC},
    {"Sch3GiftGains", "17950", "Schedule 3: gifts of capital property – taxable capital gains", 3, nullptr, CALC},
    {"Sch3MortgageForeclosure", "18000", "Schedule 3: mortgage foreclosures and conditional sales repossessions "
                                         "– loss", 3, nullptr, CALC},
    {"Sch3CapitalLoss", "19000", "Schedule 3: capital loss from a reduction in business investment loss",
     3, nullptr, CALC},
    {"Sch3Total", "19700", "Schedule 3: total capital gains or losses", 3, nullptr, CALC},
    {"Sch3GainsReduction", "19800", "Schedule 3: capital gains reduction", 3, nullptr, CALC},
    {"Sch3TaxableGain", "19900", "Schedule 3: total taxable capital gain (or net capital loss)", 3, nullptr, CALC},
    {"Sch3Proceeds", "", "Schedule 3: proceeds of disposition of all properties", 3, nullptr, CALC},
    {"Sch3Cost", "", "Schedule 3: adjusted cost base of all properties", 3, nullptr, CALC},
    {"Sch3Outlays", "", "Schedule 3: outlays and expenses of all properties", 3, nullptr, CALC},
    {"Sch3GainOrLoss", "", "Schedule 3: gain (or loss) on all properties", 3, nullptr, CALC},
    {"Sch7Unused", "", "Schedule 7: unused contributions from your 2023 notice of assessment", 3, nullptr, CALC},
    {"Sch7Limit", "", "Schedule 7: 2024 RRSP deduction limit", 3, nullptr, CALC},
    {"Sch7RestOfYear", "", "Schedule 7: contributions from March 1, 2024, to December 31, 2024", 3, nullptr, CALC},
    {"Sch7First60", "", "Schedule 7: contributions from January 1, 2025, to March 3, 2025", 3, nullptr, CALC},
    {"Sch7Total", "", "Schedule 7: total contributions", 3, nullptr, CALC},
    {"Sch7HBP", "24600", "Schedule 7: repayment under the Home Buyers' Plan", 3, nullptr, CALC},
    {"Sch7LLP", "24620", "Schedule 7: repayment under the Lifelong Learning Plan", 3, nullptr, CALC},
    {"Sch7Deduction", "20800", "Schedule 7: RRSP deduction", 3, nullptr, CALC},
    {"Sch7CarryForward", "", "Schedule 7: unused contributions to carry forward", 3, nullptr, CALC},
    {"Sch11Available", "", "Schedule 11: total available tuition amounts", 3, nullptr, CALC},
    {"Sch11Claimed", "32300", "Schedule 11: your 2024 tuition, education and textbook amounts", 3, nullptr, CALC},
    {"Sch11CarryForward", "", "Schedule 11: unused tuition amounts for future years", 3, nullptr, CALC},
    {"T1AFullName", "", "T1A: name", 3, nullptr, CALC},
    {"T1AAddress", "", "T1A: address", 3, nullptr, CALC},
    {"T1ASIN", "", "T1A: social insurance number", 3, nullptr, CALC | FieldCaption::Sin},
    {"T1AFirstName", "", "T1A: first name", 3, nullptr, CALC},
    {"T1ALastName", "", "T1A: last name", 3, nullptr, CALC},
    {"T1ANonCapitalLoss", "", "T1A: non-capital loss for 2024", 3, nullptr, CALC},
    {"T1ANetCapitalLoss", "", "T1A: net capital loss for 2024", 3, nullptr, CALC},
    {"T1ACarryBack2021", "", "T1A: loss applied to 2021", 3, nullptr, CALC},
    {"T1ACarryBack2022", "", "T1A: loss applied to 2022", 3, nullptr, CALC},
    {"T1ACarryBack2023", "", "T1A: loss applied to 2023", 3, nullptr, CALC},
    {"T1ACarryForward", "", "T1A: loss available to carry forward", 3, nullptr, CALC},
    {"T1AIncome", "", "T1A: income from all sources", 3, nullptr, CALC},
    {"T1ALoss", "", "T1A: losses from all sources", 3, nullptr, CALC},
    {"T1ADate", "", "T1A: date of the request", 3, nullptr, CALC},
    {"T1DDTransit", "", "Direct deposit: branch and institution numbers", 3, nullptr, CALC},
    {"T1DDAccount", "", "Direct deposit: account number", 3, nullptr, CALC},
};
#undef CALC
const char *const kT1SummarySections[] = {"Result", "Identification", "Benefits and next year", "Schedules"};
// Schedule 2 – Federal amounts transferred from your spouse or common-law partner
const FieldCaption kSch2[] = {
    {"AgeAnswer", "", "Spouse or common-law partner was 65 or older on December 31, 2024", 0, nullptr, 0},
    {"AllowOverwrite", "", "Enter the spouse's amounts myself", 0, nullptr, FieldCaption::NoPrint},
    {"SpouseAgeAmount", "35200", "Spouse's age amount", 0, nullptr, FieldCaption::Calculated},
    {"CaregiverChildren", "35300", "Spouse's Canada caregiver amount for infirm children under 18 years of age",
     0, nullptr, FieldCaption::Calculated},
    {"Pension", "35500", "Spouse's pension income amount", 0, nullptr, FieldCaption::Calculated},
    {"Disability", "35700", "Spouse's disability amount", 0, nullptr, FieldCaption::Calculated},
    {"Tuition", "36000", "Tuition amount designated to you (spouse's Schedule 11)",
     0, nullptr, FieldCaption::Calculated},
    {"SpouseNetIncome", "", "Spouse's net income", 0, nullptr, FieldCaption::Calculated},
    {"Result", "32600", "Amounts transferred from your spouse or common-law partner",
     0, nullptr, FieldCaption::Calculated},
    {"SpouseAmountInput", "", "", 0, nullptr, FieldCaption::Internal},
    {"SpouseAge65", "", "", 0, nullptr, FieldCaption::Internal},
    {"SpouseAge18", "", "", 0, nullptr, FieldCaption::Internal},
    {"CanClaim", "", "", 0, nullptr, FieldCaption::Internal},
    {"DaysInYear", "", "", 0, nullptr, FieldCaption::Internal},
    {"ResidenceDays", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line36100", "", "Amounts transferred from your spouse or common-law partner: supporting amount (field 36100)",
     0, nullptr, 0},
};
// Schedule 3 – Capital gains (or losses) in 2024
const FieldCaption kSch3[] = {
    {"PrincipalResidence", "", "Disposed of a principal residence in 2024 (Form T2091(IND))",
     2, nullptr, FieldCaption::Calculated},
    {"PrincipalResidenceGain", "", "Capital gain on the principal residence (Form T2091(IND)), in line 15800",
     2, nullptr, FieldCaption::Calculated},
    {"LifeEvent", "17906", "Principal residence: designation details", 2, nullptr, 0},
    {"QualifiedSmallBusiness", "10700", "Qualified small business corporation shares – gain",
     0, nullptr, FieldCaption::Calculated},
    {"FarmFishProperty", "11000", "Qualified farm or fishing property – gain", 0, nullptr, FieldCaption::Calculated},
    {"MutualFunds", "13200", "Publicly traded shares, mutual fund units and other shares – gain",
     0, nullptr, FieldCaption::Calculated},
    {"RealEstate", "13600", "Real estate, depreciable property and other properties – gain",
     0, nullptr, FieldCaption::Calculated},
    {"Bonds", "13800", "Bonds, debentures, promissory notes, crypto-assets and similar properties – gain",
     0, nullptr, FieldCaption::Calculated},
    {"OtherMortgage", "15300", "Other mortgage foreclosures and conditional sales repossessions – gain",
     0, nullptr, FieldCaption::Calculated},
    {"PersonalUse", "15800", "Personal-use property – gain", 0, nullptr, FieldCaption::Calculated},
    {"ListedPersonal", "15900", "Listed personal property – net gain", 0, nullptr, FieldCaption::Calculated},
    {"T3T5Gains", "17600", "Capital gains or losses from T3 slips",
     1, nullptr, FieldCaption::Calculated},
    {"T5013Gains", "17400", "Capital gains or losses from T5, T5013 and T4PS slips", 1, nullptr, FieldCaption::Calculated},
    {"T2017Reserves", "19200", "Reserves included in income (Form T2017)", 1, nullptr, FieldCaption::Calculated},
    {"T1170Gains", "", "Capital gains on gifts of certain capital property (Form T1170)",
     1, nullptr, FieldCaption::Calculated},
    {"GiftCapitalGains", "17950", "Gifts of capital property: taxable capital gains",
     1, nullptr, FieldCaption::Calculated},
    {"MortgageForeclosure", "18000", "Mortgage foreclosures and conditional sales repossessions – loss", 0, nullptr, 0},
    {"CapitalLoss", "19000", "Capital loss from a reduction in business investment loss",
     1, nullptr, FieldCaption::Calculated},
    {"Total", "19700", "Total capital gains or losses", 3, nullptr, FieldCaption::Calculated},
    {"CapitalGainsReduction", "19800", "Capital gains reduction", 3, nullptr, FieldCaption::Calculated},
    {"TaxableGain", "19900", "Total taxable capital gain (or net capital loss) for 2024",
     3, nullptr, FieldCaption::Calculated},
    {"Deceased", "", "", 0, nullptr, FieldCaption::Internal},
    {"FromT3", "", "", 0, nullptr, FieldCaption::Internal},
    {"FromT5", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line17599", "17599", "Capital gains or losses from T3 slips – Period 1", 1, nullptr, 0},
    {"Line13200", "13200", "Publicly traded shares, mutual fund units and other shares – gain, Period 2",
     0, nullptr, 0},
    {"Line10684", "10684", "Qualified small business corporation shares – gain, Period 1", 0, nullptr, 0},
    {"Line10686", "10686", "Qualified farm or fishing property – gain, Period 1", 0, nullptr, 0},
    {"DesignationAnswer", "", "Principal residence designation (line 17900)", 2, nullptr, 0},
    {"Line17900", "", "", 0, nullptr, FieldCaption::Internal},
    {"FlippingAnswer", "", "Disposed of a housing unit that is considered flipped property (line 17905)",
     2, "yesno", 0},
};
const char *const kSch3Sections[] = {"Properties disposed of", "Slips and reserves", "Principal residence",
                                     "Taxable capital gain"};
// Schedule 5 – Amounts for spouse or common-law partner and dependants
const FieldCaption kSch5[] = {
    {"SpouseFlag", "", "Claim the spouse or common-law partner amount", 0, nullptr, FieldCaption::NoPrint},
    {"SpouseNetIncome", "23600", "Spouse's or common-law partner's net income", 0, nullptr, FieldCaption::Calculated},
    {"SpouseInfirm", "", "Spouse or common-law partner has an impairment in physical or mental functions",
     0, nullptr, 0},
    {"SpouseAmount", "30300", "Spouse or common-law partner amount", 0, nullptr, FieldCaption::Calculated},
    {"EligibleDependant", "30400", "Amount for an eligible dependant", 0, nullptr, 0},
    {"SpouseCaregiver", "30425", "Canada caregiver amount for an infirm spouse or common-law partner",
     0, nullptr, FieldCaption::Calculated},
    {"DependantCaregiver", "30425", "Canada caregiver amount for an infirm eligible dependant age 18 or older",
     0, nullptr, 0},
    {"CaregiverAmount", "30450", "Canada caregiver amount for other infirm dependants age 18 or older", 0, nullptr, 0},
    {"CaregiverChild", "30500", "Canada caregiver amount for infirm children under 18", 0, nullptr, 0},
    {"ProratedDays", "", "", 0, nullptr, FieldCaption::Internal},
    {"ResidenceDays", "", "", 0, nullptr, FieldCaption::Internal},
    {"BankruptDays", "", "", 0, nullptr, FieldCaption::Internal},
    {"DaysInYear", "", "", 0, nullptr, FieldCaption::Internal},
    {"OtherAmount", "", "", 0, nullptr, FieldCaption::Internal},
    {"MaritalChange", "", "", 0, nullptr, FieldCaption::Internal},
    {"Date", "", "", 0, nullptr, FieldCaption::Internal},
    {"HasSpouse", "", "", 0, nullptr, FieldCaption::Internal},
    {"CanClaimSpouse", "", "", 0, nullptr, FieldCaption::Internal},
    {"SpouseUCCB", "", "", 0, nullptr, FieldCaption::Internal},
    {"DefaultClaim", "", "", 0, nullptr, FieldCaption::Internal},
    // the dependants record's slots, kept by the program
    {"EligibleDependantCount", "", "", 0, nullptr, FieldCaption::Internal},
    {"DependantCheckbox", "", "Claiming an amount for an eligible dependant", 0, nullptr, FieldCaption::NoPrint},
    {"DependantSIN", "", "Eligible dependant: social insurance number", 0, nullptr, FieldCaption::Sin},
    {"EligibleDependantClaims", "", "Number of eligible dependants claimed at line 30400", 0, nullptr, 0},
};
// Schedule 6 – Canada workers benefit
const FieldCaption kSch6[] = {
    {"ClaimBenefit", "", "Claim the Canada workers benefit", 0, nullptr, FieldCaption::NoPrint},
    {"Excluded", "",
     "Not eligible: enrolled full-time student for more than 13 weeks, confined to a prison, or exempt from tax",
     0, nullptr, 0},
    {"Student", "", "Full-time student for more than 13 weeks in 2024", 0, nullptr, 0},
    {"WorkingIncome", "", "Working income", 0, nullptr, FieldCaption::Calculated},
    {"AdjustedNetIncome", "", "Adjusted family net income", 0, nullptr, FieldCaption::Calculated},
    {"SpouseWorkingIncome", "", "Spouse's working income", 0, nullptr, FieldCaption::Calculated},
    {"ACWBReceived", "", "Advanced Canada workers benefit received (RC210 box 10)",
     0, nullptr, FieldCaption::Calculated},
    {"Benefit", "45300", "Canada workers benefit", 0, nullptr, FieldCaption::Calculated},
    {"DisabilitySupplement", "", "Canada workers benefit disability supplement", 0, nullptr, FieldCaption::Calculated},
    {"SpouseFlag", "", "", 0, nullptr, FieldCaption::Internal},
    {"EligibleDependant", "", "", 0, nullptr, FieldCaption::Internal},
    {"SpouseNetIncome", "", "", 0, nullptr, FieldCaption::Internal},
    {"IncomePairA", "", "", 0, nullptr, FieldCaption::Internal},
    {"IncomePairB", "", "", 0, nullptr, FieldCaption::Internal},
    {"ACWBOther", "", "", 0, nullptr, FieldCaption::Internal},
    {"Disabled", "", "", 0, nullptr, FieldCaption::Internal},
    {"Dependants", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line38105", "", "Include tax-exempt income from the Indian Act in working income (field 38105)", 0, "yesno", 0},
    {"Line38107", "", "Tax-exempt working income earned on a reserve (field 38107)", 0, nullptr, 0},
    {"Line38109", "", "Tax-exempt income included in adjusted family net income (field 38109)", 0, nullptr, 0},
};
// Schedule 7 – RRSP, PRPP and SPP contributions and transfers, and HBP and LLP activities
const FieldCaption kSch7[] = {
    {"UnusedContributions", "", "Unused RRSP, PRPP and SPP contributions from your 2023 notice of assessment",
     0, nullptr, 0},
    {"DeductionLimit", "", "2024 RRSP deduction limit (from your 2023 notice of assessment)", 0, nullptr, 0},
    {"ContribRestOfYear", "", "Contributions to your own RRSP or SPP from March 1, 2024, to December 31, 2024",
     0, nullptr, 0},
    {"SpousalCurrent", "", "Contributions to your spouse's RRSP or SPP from March 1, 2024, to December 31, 2024",
     0, nullptr, 0},
    {"PRPPRestOfYear", "", "PRPP contributions from March 1, 2024, to December 31, 2024 (PRPP receipts)",
     0, nullptr, FieldCaption::Calculated},
    {"ContribFirst60Days", "", "Contributions to your own RRSP or SPP from January 1, 2025, to March 3, 2025",
     0, nullptr, 0},
    {"SpousalPrior", "", "Contributions to your spouse's RRSP or SPP from January 1, 2025, to March 3, 2025",
     0, nullptr, 0},
    {"PRPPFirst60Days", "", "PRPP contributions from January 1, 2025, to March 3, 2025 (PRPP receipts)",
     0, nullptr, FieldCaption::Calculated},
    {"ContributionsOfYear", "24500", "Contributions made from March 1, 2024, to March 3, 2025", 0, nullptr,
     FieldCaption::Calculated},
    {"TotalContributions", "", "Total contributions", 0, nullptr, FieldCaption::Calculated},
    {"Transfers", "24640", "Transfers", 0, nullptr, 0},
    {"PRPPEmployer", "20810", "PRPP employer contributions (PRPP receipts)", 0, nullptr, FieldCaption::Calculated},
    {"HBPRepayment", "24600", "Contributions designated as a repayment under the Home Buyers' Plan (HBP)",
     0, nullptr, 0},
    {"LLPRepayment", "24620", "Contributions designated as a repayment under the Lifelong Learning Plan (LLP)",
     0, nullptr, 0},
    {"Deduction", "20800", "RRSP deduction", 0, nullptr, FieldCaption::Calculated},
    {"CarryForward", "", "Unused contributions available to carry forward", 0, nullptr, FieldCaption::Calculated},
    {"PlannedContributions", "", "", 0, nullptr, FieldCaption::Internal},
    {"PlanCleared", "", "", 0, nullptr, FieldCaption::Internal},
    {"Layout", "", "", 0, nullptr, FieldCaption::Internal},
};
// Schedule 8 – CPP contributions and overpayment
const FieldCaption kSch8[] = {
    CPP_CONTRIBUTION_ROWS(FieldCaption::Internal)
    {"MonthsBeforePension", "", "Months in 2024 before the CPP or QPP retirement pension began",
     0, nullptr, FieldCaption::Calculated},
    // copied by the calculation for the pension months, read by nothing shown
    {"PensionMonths", "", "", 0, nullptr, FieldCaption::Internal},
    {"Bill51K", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line50372", "50372", "Month the election to stop contributing starts", 0, "month", 0},
    {"Line50374", "50374", "Month a prior election to stop contributing is revoked", 0, "month", 0},
};
// RC381 – Inter-provincial calculation for CPP and QPP contributions and overpayments
const FieldCaption kRC381[] = {
    CPP_CONTRIBUTION_ROWS(FieldCaption::Calculated)
};
const char *const kCppSections[] = {"Election", "Employment income", "Self-employment"};
// Schedule 9 – Donations and gifts
const FieldCaption kSch9[] = {
    {"NetIncome", "23600", "Net income", 0, nullptr, FieldCaption::Calculated},
    {"CharityDonations", "", "Donations to registered charities and other qualified donees",
     0, nullptr, FieldCaption::Calculated},
    {"Donations", "", "Of which carried in from slips (T4 box 46, T4A box 046) or the Express Wizard",
     0, nullptr, FieldCaption::Calculated},
    {"EcologicalGifts", "34200", "Eligible amount of ecological gifts and cultural gifts",
     0, nullptr, FieldCaption::Calculated},
    {"CulturalGifts", "34210", "Ecological gifts made after February 10, 2014, and before 2016, included on line 34200",
     0, nullptr, 0},
    {"DepreciableGifts", "33700", "Gifts of depreciable capital property", 0, nullptr, 0},
    {"CapitalGains", "12700", "Taxable capital gains (for the limit on gifts)", 0, nullptr, FieldCaption::Calculated},
    {"Allowable", "34000", "Allowable charitable donations", 0, nullptr, FieldCaption::Calculated},
    {"Total", "34500", "Total eligible amount of gifts", 0, nullptr, FieldCaption::Calculated},
    {"Credit", "34900", "Donations and gifts credit", 0, nullptr, FieldCaption::Calculated},
    {"Deceased", "", "", 0, nullptr, FieldCaption::Internal},
    {"TaxableIncome", "", "", 0, nullptr, FieldCaption::Internal},
    {"DonationAdjustment", "", "", 0, nullptr, FieldCaption::Internal},
    {"PlannedDonations", "", "", 0, nullptr, FieldCaption::Internal},
    {"PlanCleared", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line33900", "33900", "Gifts of capital property", 0, nullptr, 0},
};
// Schedule 10 – Employment insurance premiums on self-employment and other eligible earnings
const FieldCaption kSch10[] = {
    {"Opted", "", "Entered into an agreement with the Canada Employment Insurance Commission", 0, nullptr, 0},
    {"SelfEmployedEarnings", "", "Net self-employment earnings", 0, nullptr, FieldCaption::Calculated},
    {"Premiums", "31217", "EI premiums on self-employment and other eligible earnings",
     0, nullptr, FieldCaption::Calculated},
    {"EmploymentPayable", "31210", "PPIP premiums payable on employment income", 0, nullptr, FieldCaption::Calculated},
    {"Credit", "31215", "PPIP premiums payable on self-employment income", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "22300", "Deduction for PPIP premiums on self-employment income",
     0, nullptr, FieldCaption::Calculated},
    {"Province", "", "", 0, nullptr, FieldCaption::Internal},
    {"InsurableEmployment", "", "", 0, nullptr, FieldCaption::Internal},
    {"OtherEmployment", "", "", 0, nullptr, FieldCaption::Internal},
    {"SelfEmployedInsurable", "", "", 0, nullptr, FieldCaption::Internal},
};
// Schedule 11 – Federal tuition, education and textbook amounts and Canada training credit
const FieldCaption kSch11[] = {
    {"CarriedForward", "", "Unused federal tuition amounts from your 2023 notice of assessment", 0, nullptr, 0},
    {"EligibleTuition", "32000", "Eligible tuition fees paid for 2024", 0, nullptr, 0},
    {"PartTimeMonths", "32010", "Months enrolled part-time", 0, nullptr, 0},
    {"FullTimeMonths", "32020", "Months enrolled full-time", 0, nullptr, 0},
    {"TrainingCreditLimit", "", "Canada training credit limit from your 2023 notice of assessment", 0, nullptr, 0},
    {"Entered", "", "Enter the amounts myself", 0, nullptr, FieldCaption::NoPrint},
    {"TrainingCredit", "45350", "Canada training credit", 0, nullptr, FieldCaption::Calculated},
    {"Available", "", "Total available tuition amounts", 0, nullptr, FieldCaption::Calculated},
    {"ClaimedAmount", "32300", "Your 2024 tuition, education and textbook amounts",
     0, nullptr, FieldCaption::Calculated},
    {"Transferred", "", "Federal tuition amount you designate for transfer to a spouse, parent or grandparent",
     0, nullptr, 0},
    {"TransferClaimed", "32700", "Federal tuition amount transferred to a designated individual",
     0, nullptr, FieldCaption::Calculated},
    {"CarryForwardNext", "", "Unused federal tuition amounts available for future years",
     0, nullptr, FieldCaption::Calculated},
    {"CreditsBefore", "", "", 0, nullptr, FieldCaption::Internal},
    {"IncomeBase", "", "", 0, nullptr, FieldCaption::Internal},
    {"ClaimAllowed", "", "", 0, nullptr, FieldCaption::Internal},
    {"TaxBase", "", "", 0, nullptr, FieldCaption::Internal},
};
// Schedule 12 – Multigenerational home renovation tax credit
const FieldCaption kSch12[] = {
    {"Expenses", "", "Eligible renovation expenses (maximum $50,000)", 0, nullptr, 0},
    {"Credit", "45355", "Multigenerational home renovation tax credit", 0, nullptr, FieldCaption::Calculated},
};
// Schedule 12 – Home accessibility expenses
const FieldCaption kSch12HAE[] = {
    {"Expenses", "", "Eligible home accessibility expenses (maximum $20,000)", 0, nullptr, 0},
    {"Amount", "31285", "Home accessibility expenses", 0, nullptr, FieldCaption::Calculated},
};
// T776 – Statement of real estate rentals
const FieldCaption kT776[] = {
    {"OwnerName", "", "Your name", 0, nullptr, FieldCaption::Calculated},
    {"OwnerSIN", "", "Your social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Address", "", "Address of the property", 0, nullptr, 0},
    {"FiscalStart", "", "Fiscal period from (YYYY-MM-DD)", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to (YYYY-MM-DD)", 0, nullptr, 0},
    {"Percentage", "", "Your percentage of ownership", 1, nullptr, 0},
    {"GrossRents", "8141", "Gross rents", 2, nullptr, 0},
    {"OtherIncome", "8230", "Other income", 2, nullptr, 0},
    {"TotalExpenses", "9949", "Total expenses", 3, nullptr, FieldCaption::Calculated},
    {"NetIncomeBeforeAdj", "9369", "Net income (loss) before adjustments", 3, nullptr, FieldCaption::Calculated},
    {"CCA", "9936", "Capital cost allowance", 4, nullptr, 0},
    {"NetIncome", "9946", "Net income (loss)", 4, nullptr, FieldCaption::Calculated},
    STATEMENT_IDENTITY_ROWS(0)
    STATEMENT_PARTNER_ROWS(1)
    {"Postcode", "", "Postal code of the property", 0, nullptr, 0},
};
const char *const kT776Sections[] = {"Identification", "Co-owners and partners", "Income", "Expenses",
                                     "Net income"};
// T778 – Child care expenses deduction
const FieldCaption kT778[] = {
    {"Expenses", "", "Total child care expenses", 0, nullptr, 0},
    {"ChildrenUnder7", "", "Number of children born in 2017 or later", 0, nullptr, 0},
    {"ChildrenOther", "", "Number of children born in 2006 to 2016", 0, nullptr, 0},
    {"ChildrenDisabled", "", "Number of children eligible for the disability tax credit", 0, nullptr, 0},
    {"EarnedIncome", "", "Earned income", 0, nullptr, FieldCaption::Calculated},
    {"NetIncome", "23600", "Net income", 0, nullptr, FieldCaption::Calculated},
    {"PartnerMark", "", "The other supporting person had a higher net income", 0, nullptr, 0},
    {"PartnerNetIncome", "", "Net income of the other supporting person", 0, nullptr, 0},
    {"Deduction", "21400", "Child care expenses deduction", 0, nullptr, FieldCaption::Calculated},
    {"Exempt", "", "The lower-net-income rule does not apply (Part C conditions met)", 0, nullptr, 0},
    {"HigherIncomeSelected", "", "Your spouse or common-law partner has the higher net income", 0, nullptr, 0},
    {"SelectionAmount", "", "Amount added to your net income when comparing net incomes", 0, nullptr, 0},
};
// T777 – Statement of employment expenses
const FieldCaption kT777[] = {
    {"VehicleExpenses", "9281", "Allowable motor vehicle expenses", 0, nullptr, 0},
    {"WorkSpace", "9945", "Allowable work-space-in-the-home expenses", 0, nullptr, 0},
    {"TotalExpenses", "9368", "Total expenses", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "22900", "Other employment expenses", 0, nullptr, FieldCaption::Calculated},
    {"Commission", "", "", 0, nullptr, FieldCaption::Internal},
};
// T1032 – Joint election to split pension income
const FieldCaption kT1032[] = {
    {"Role", "", "Filing as the pensioner or the pension transferee", 0, nullptr, 0},
    {"Elected", "", "Make the election to split pension income", 0, nullptr, 0},
    {"LastName", "", "Pensioner: last name", 0, nullptr, FieldCaption::Calculated},
    {"FirstName", "", "Pensioner: first name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Pensioner: social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"SpouseLastName", "", "Pension transferee: last name", 0, nullptr, FieldCaption::Calculated},
    {"SpouseFirstName", "", "Pension transferee: first name", 0, nullptr, FieldCaption::Calculated},
    {"SpouseSIN", "", "Pension transferee: social insurance number",
     0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Months", "", "Months married or living common-law in 2024", 0, nullptr, 0},
    {"SplitFromPensionPlan", "", "The transfer includes pension income from a registered pension plan", 0, nullptr, 0},
    {"Switch", "", "Elect the largest amount that gives the lowest combined tax", 0, nullptr,
     FieldCaption::NoPrint},
    {"EligiblePension", "11500", "Eligible pension income", 0, nullptr, FieldCaption::Calculated},
    {"OtherPension", "", "Other eligible pension income", 0, nullptr, 0},
    {"MaxSplit", "", "Maximum amount that can be split", 0, nullptr, FieldCaption::Calculated},
    {"SplitAmount", "21000", "Deduction for elected split-pension amount", 0, nullptr, FieldCaption::Calculated},
    {"TaxDeductedTransferred", "", "Income tax deducted that is transferred", 0, nullptr, FieldCaption::Calculated},
    {"Age", "", "", 0, nullptr, FieldCaption::Internal},
    {"SpouseAge", "", "", 0, nullptr, FieldCaption::Internal},
    {"Address", "", "", 0, nullptr, FieldCaption::Internal},
    {"Email", "", "", 0, nullptr, FieldCaption::Internal},
    {"PensionAmount", "", "", 0, nullptr, FieldCaption::Internal},
    {"IncomeTax", "", "", 0, nullptr, FieldCaption::Internal},
    {"IncomeAdjustmentA", "", "", 0, nullptr, FieldCaption::Internal},
    {"IncomeAdjustmentB", "", "", 0, nullptr, FieldCaption::Internal},
    {"F5344", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line68026", "", "Pension income split included on line 13000 (field 68026)", 0, nullptr, 0},
    {"Line68040", "", "Income tax deducted on the split pension income (field 68040)", 0, nullptr, 0},
    {"Line68050", "", "Income tax deducted transferred to the pension transferee (field 68050)", 0, nullptr, 0},
};
// T2209 – Federal foreign tax credits
const FieldCaption kT2209[] = {
    {"OverrideIncome", "", "Enter the foreign income and tax myself", 0, nullptr, FieldCaption::NoPrint},
    {"NetIncome", "23600", "Net income", 0, nullptr, FieldCaption::Calculated},
    {"BasicFederalTax", "42900", "Basic federal tax", 0, nullptr, FieldCaption::Calculated},
    {"ForeignNonBusinessIncome", "", "Net foreign non-business income", 0, nullptr, FieldCaption::Calculated},
    {"ForeignTaxPaid", "43100", "Non-business income tax paid to a foreign country",
     0, nullptr, FieldCaption::Calculated},
    {"Credit", "40500", "Federal foreign tax credit", 0, nullptr, FieldCaption::Calculated},
    {"AdjustedCredit", "", "", 0, nullptr, FieldCaption::Internal},
    {"TaxBasis", "", "", 0, nullptr, FieldCaption::Internal},
    {"BasicTaxFloor", "", "", 0, nullptr, FieldCaption::Internal},
    {"ReportedIncome", "", "", 0, nullptr, FieldCaption::Internal},
    {"ReportedTaxPaid", "", "", 0, nullptr, FieldCaption::Internal},
    {"ReportedCredit", "", "", 0, nullptr, FieldCaption::Internal},
    {"MinTaxCredit", "", "", 0, nullptr, FieldCaption::Internal},
};
// T2125 – Statement of business or professional activities
const FieldCaption kT2125[] = {
    {"IncomeKind", "", "Kind of income", 0, "businesskind", 0},
    {"OwnerName", "", "Your name", 0, nullptr, FieldCaption::Calculated},
    {"OwnerSIN", "", "Your social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"BusinessName", "", "Business name", 0, nullptr, 0},
    {"Description", "", "Main product or service", 0, nullptr, 0},
    {"Address", "", "Business address", 0, nullptr, 0},
    {"City", "", "City", 0, nullptr, 0},
    {"Province", "", "Province or territory", 0, "province", 0},
    {"Postcode", "", "Postal code", 0, nullptr, 0},
    {"FiscalStart", "", "Fiscal period from (YYYY-MM-DD)", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to (YYYY-MM-DD)", 0, nullptr, 0},
    {"Percentage", "", "Your percentage of the business", 4, nullptr, 0},
    {"PartnerName", "", "Partnership: name of the partnership", 0, nullptr, 0},
    {"GrossIncome", "8299", "Gross business or professional income", 2, nullptr, 0},
    {"GstIncluded", "", "GST/HST, PST and QST collected or collectible included above", 2, nullptr, 0},
    {"ExpensesTotal", "9368", "Total expenses", 3, nullptr, FieldCaption::Calculated},
    {"NetIncomeBeforeAdj", "9369", "Net income (loss) before adjustments", 3, nullptr, FieldCaption::Calculated},
    {"CCA", "9936", "Capital cost allowance", 4, nullptr, 0},
    {"HomeExpenses", "9945", "Business-use-of-home expenses", 4, nullptr, 0},
    {"NetIncome", "9946", "Net income (loss)", 4, nullptr, FieldCaption::Calculated},
    STATEMENT_IDENTITY_ROWS(0)
    STATEMENT_PARTNER_ROWS(5)
    {"WebsiteCount", "", "Number of websites or webpages your business earns income from", 1, nullptr, 0},
    {"Websites", "", "Website or webpage addresses", 1, nullptr, 0},
    {"InternetIncomePercent", "", "Percentage of gross income generated from the websites or webpages", 1, nullptr, 0},
    {"PlacementAgency", "", "Income earned through a placement or employment agency", 0, nullptr, 0},
};
const char *const kT2125Sections[] = {"Identification", "Internet business", "Income", "Expenses", "Net income",
                                      "Partners"};
// Form 479 – provincial or territorial credits
#define BQ_479_HOME_ROWS \
    {"RentPaid", "6110", "Rent paid in 2024", 0, nullptr, 0}, \
    {"PropertyTax", "6112", "Property tax paid in 2024", 0, nullptr, 0}, \
    {"Age", "", "Age on December 31, 2024", 0, nullptr, FieldCaption::Calculated}, \
    {"SpouseCredit", "", "Credit for the spouse or common-law partner", 0, nullptr, 0}
#define BQ_479_OTHER_ROWS \
    {"OtherCredits", "", "Other provincial or territorial credits", 0, nullptr, 0}, \
    {"AdjustedNetIncome", "", "Adjusted net income", 0, nullptr, FieldCaption::Calculated}
#define BQ_479_FITNESS_ROW {"FitnessAmount", "", "Fitness amount", 0, nullptr, 0}
#define BQ_479_COMMON_ROWS \
    BQ_479_HOME_ROWS, \
    BQ_479_FITNESS_ROW, \
    {"ChildrenArts", "", "Children's arts amount", 0, nullptr, 0}, \
    BQ_479_OTHER_ROWS
#define BQ_479_TERRITORY_ROWS \
    {"CostOfLiving", "", "Cost of living tax credit", 0, nullptr, FieldCaption::Calculated}, \
    {"TransitCosts", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"TransitCredit", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"CareExpenses", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"CareCredit", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"FamilyNetIncome", "", "", 0, nullptr, FieldCaption::Internal}, \
    {"Total", "47900", "Provincial or territorial credits", 0, nullptr, FieldCaption::Calculated}
const FieldCaption kT479[] = {
    BQ_479_COMMON_ROWS,
    BQ_479_TERRITORY_ROWS,
    {"VolunteerCredit", "", "", 0, nullptr, FieldCaption::Internal},
};
// MB479 – Manitoba credits: its fitness and arts amounts are on the MB428
const FieldCaption kMB479[] = {
    BQ_479_HOME_ROWS,
    {"FitnessAmount", "", "", 0, nullptr, FieldCaption::Internal},
    {"ChildrenArts", "", "", 0, nullptr, FieldCaption::Internal},
    BQ_479_OTHER_ROWS,
    BQ_479_TERRITORY_ROWS,
    {"VolunteerCredit", "", "", 0, nullptr, FieldCaption::Internal},
};
// YT479 – Yukon credits: its arts amount is on the YT428
const FieldCaption kYT479[] = {
    BQ_479_HOME_ROWS,
    BQ_479_FITNESS_ROW,
    {"ChildrenArts", "", "", 0, nullptr, FieldCaption::Internal},
    BQ_479_OTHER_ROWS,
    BQ_479_TERRITORY_ROWS,
    {"VolunteerCredit", "", "", 0, nullptr, FieldCaption::Internal},
};
// NS479 – Nova Scotia credits: the common rows and the volunteer credit
const FieldCaption kNS479[] = {
    BQ_479_COMMON_ROWS,
    BQ_479_TERRITORY_ROWS,
    {"VolunteerCredit", "62400", "Volunteer firefighters and ground search and rescue tax credit", 0, nullptr,
     FieldCaption::Calculated},
};
// ON479 – Ontario credits: the common rows and the seniors' credits
const FieldCaption kON479[] = {
    BQ_479_COMMON_ROWS,
    {"CostOfLiving", "", "", 0, nullptr, FieldCaption::Internal},
    {"TransitCosts", "63100", "Ontario seniors' public transit tax credit – eligible transit costs (65 or older)",
     0, nullptr, 0},
    {"TransitCredit", "", "Ontario seniors' public transit tax credit", 0, nullptr, FieldCaption::Calculated},
    {"CareExpenses", "", "Ontario seniors care at home tax credit – eligible medical expenses (70 or older)",
     0, nullptr, 0},
    {"CareCredit", "63095", "Ontario seniors care at home tax credit", 0, nullptr, FieldCaption::Calculated},
    {"FamilyNetIncome", "", "Family net income", 0, nullptr, FieldCaption::Calculated},
    {"Total", "47900", "Provincial or territorial credits", 0, nullptr, FieldCaption::Calculated},
    {"VolunteerCredit", "", "", 0, nullptr, FieldCaption::Internal},
};
#undef BQ_479_COMMON_ROWS
#undef BQ_479_FITNESS_ROW
#undef BQ_479_HOME_ROWS
#undef BQ_479_OTHER_ROWS
#undef BQ_479_TERRITORY_ROWS
// Provincial Schedule 2 – amounts transferred from your spouse or common-law partner
const FieldCaption kS2[] = {
    {"SpouseTaxableIncome", "", "Spouse's taxable income", 0, nullptr, 0},
    {"Age", "5802", "Spouse's age amount", 0, nullptr, 0},
    {"Pension", "5804", "Spouse's pension income amount", 0, nullptr, 0},
    {"Disability", "5806", "Spouse's disability amount", 0, nullptr, 0},
    {"Tuition", "5808", "Tuition amount designated to you", 0, nullptr, 0},
    {"SpouseCredits", "", "Spouse's credits used to reduce the spouse's tax", 0, nullptr, 0},
    {"Result", "58640", "Amounts transferred from spouse or common-law partner", 0, nullptr, FieldCaption::Calculated},
    {"SeniorSupplement", "", "", 0, nullptr, FieldCaption::Internal},
    {"ChildAmount", "", "", 0, nullptr, FieldCaption::Internal},
};
// SK(S2) – the common rows and the spouse's senior supplementary and dependent children amounts
const FieldCaption kSKS2[] = {
    {"SpouseTaxableIncome", "", "Spouse's taxable income", 0, nullptr, 0},
    {"Age", "5802", "Spouse's age amount", 0, nullptr, 0},
    {"SeniorSupplement", "", "Spouse's senior supplementary amount", 0, nullptr, 0},
    {"Pension", "5804", "Spouse's pension income amount", 0, nullptr, 0},
    {"Disability", "5806", "Spouse's disability amount", 0, nullptr, 0},
    {"ChildAmount", "", "Spouse's amount for dependent children born in 2006 or later", 0, nullptr, 0},
    {"Tuition", "5808", "Tuition amount designated to you", 0, nullptr, 0},
    {"SpouseCredits", "", "Spouse's credits used to reduce the spouse's tax", 0, nullptr, 0},
    {"Result", "58640", "Amounts transferred from spouse or common-law partner", 0, nullptr, FieldCaption::Calculated},
};
// Provincial Schedule 11 – tuition and education amounts
const FieldCaption kS11[] = {
    {"CarriedForward", "11001", "Unused provincial tuition amounts from your 2023 notice of assessment", 0, nullptr, 0},
    {"Tuition", "", "Eligible tuition fees for 2024", 0, nullptr, 0},
    {"Available", "", "Total available tuition amounts", 0, nullptr, FieldCaption::Calculated},
    {"Claimed", "58560", "Tuition and education amounts claimed", 0, nullptr, FieldCaption::Calculated},
    {"Transferred", "", "Amount transferred to a designated individual", 0, nullptr, 0},
    {"CarryForwardNext", "", "Unused provincial tuition amounts available for future years",
     0, nullptr, FieldCaption::Calculated},
    {"CreditsNeeded", "", "", 0, nullptr, FieldCaption::Internal},
};
// ON-BEN – Ontario Trillium Benefit application
const FieldCaption kONBEN[] = {
    {"ApplyEnergyPropertyTax", "", "Apply for the Ontario energy and property tax credit", 0, nullptr, 0},
    {"ApplyNorthernEnergy", "", "Apply for the Northern Ontario energy credit", 0, nullptr, 0},
    {"RentPaid", "6110", "Rent paid in 2024", 0, nullptr, 0},
    {"PropertyTax", "6112", "Property tax paid in 2024", 0, nullptr, 0},
    {"EnergyCosts", "", "Home energy costs on a reserve", 0, nullptr, 0},
    {"LongTermCare", "", "Amount paid for accommodation in a public or non-profit long-term care home", 0, nullptr, 0},
    {"Reserve", "", "Lived on a reserve in 2024", 0, nullptr, 0},
    {"Student", "", "Lived in a designated student residence in 2024", 0, nullptr, 0},
};
// T2204 – Employee overpayment of 2024 CPP contributions and EI premiums
const FieldCaption kT2204[] = {
    {"SelfEmploymentIncome", "", "Net self-employment income (Quebec: QPP)", 0, nullptr, 0},
    {"CPPContributions", "", "CPP contributions deducted (T4 box 16)", 0, nullptr, FieldCaption::Calculated},
    {"EIPremiums", "", "EI premiums deducted (T4 box 18)", 0, nullptr, FieldCaption::Calculated},
    {"InsurableEarnings", "", "EI insurable earnings (T4 box 24)", 0, nullptr, FieldCaption::Calculated},
    {"CPPOverpayment", "44800", "CPP overpayment", 0, nullptr, 0},
    {"EIOverpayment", "45000", "EI overpayment", 0, nullptr, FieldCaption::Calculated},
    {"AllowedPremiums", "31200", "EI premiums through employment", 0, nullptr, FieldCaption::Calculated},
    {"Switch1", "", "", 0, nullptr, FieldCaption::Internal},
    {"Switch2", "", "", 0, nullptr, FieldCaption::Internal},
    {"Sch13Result", "", "", 0, nullptr, FieldCaption::Internal},
};
// T1-M – Moving expenses deduction
const FieldCaption kT1M[] = {
    {"OldAddress", "", "Address of the old residence", 0, nullptr, 0},
    {"NewAddress", "", "Address of the new residence", 0, nullptr, 0},
    {"MoveDate", "", "Date of the move (YYYY-MM-DD)", 0, nullptr, 0},
    {"DistanceOld", "", "Distance from the old residence to the new work or school location (km)", 0, nullptr, 0},
    {"DistanceNew", "", "Distance from the new residence to the new work or school location (km)", 0, nullptr, 0},
    {"Expenses", "", "Total moving expenses", 0, nullptr, 0},
    {"IncomeAtNewLocation", "", "Net eligible income earned at the new work or school location", 0, nullptr, 0},
    {"Deduction", "21900", "Moving expenses", 0, nullptr, FieldCaption::Calculated},
    {"CarryForward", "", "Moving expenses to carry forward to next year", 0, nullptr, FieldCaption::Calculated},
};
// T2222 – Northern residents deductions
const FieldCaption kT2222[] = {
    {"Zone", "", "Zone of residence: 1 prescribed northern zone (A), 2 prescribed intermediate zone (B)", 0, nullptr,
     0},
    {"Days", "", "Days of residence in the prescribed zone in 2024", 0, nullptr, 0},
    {"ResidencyDeduction", "", "Residency deduction", 0, nullptr, FieldCaption::Calculated},
    {"TravelDeduction", "", "Travel deduction", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "25500", "Northern residents deductions", 0, nullptr, FieldCaption::Calculated},
    {"Days2", "", "Days of residence: second period", 0, nullptr, 0},
    {"Days3", "", "Days of residence: third period", 0, nullptr, 0},
    {"Days4", "", "Days of residence: fourth period", 0, nullptr, 0},
    {"AdditionalDays", "", "Days of the additional residency amount: you maintained and lived in a dwelling in the "
                           "zone and no one else living in it claims the basic residency amount for those days",
     0, nullptr, 0},
    {"BoardAndLodging", "", "Non-taxable benefits for board and lodging in the zone (such as T4 box 31 for a special "
                            "work site in the zone)", 0, nullptr, 0},
    {"SpouseClaimsBasic", "", "", 0, nullptr, FieldCaption::Internal},
};
// T2222 – the trips of the travel deduction
const FieldCaption kT2222Trips[] = {
    {"Traveller", "", "Traveller (empty: you)", 0, nullptr, 0},
    {"Medical", "", "Medical trip", 0, nullptr, 0},
    {"EmployerBenefit", "", "Employer travel benefit", 0, nullptr, 0},
    {"StandardAmount", "", "Standard amount used", 0, nullptr, 0},
    {"Expenses", "", "Travel expenses", 0, nullptr, 0},
    {"Airfare", "", "Lowest return airfare", 0, nullptr, 0},
    {"Deduction", "", "Deduction", 0, nullptr, FieldCaption::Calculated},
};
// T5004 – Claim for tax shelter loss or deduction
const FieldCaption kT5004[] = {
    {"ShelterId", "", "Tax shelter identification number", 0, nullptr, 0},
    {"Loss", "", "Loss or deduction claimed", 0, nullptr, 0},
    {"Deduction", "23200", "Amount deducted on line 23200", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "", 0, nullptr, FieldCaption::Internal},
    {"FullName", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line6765", "", "Full amount of the tax shelter loss or deduction (field 6765)", 0, nullptr, 0},
};
// T691 – Alternative minimum tax
const FieldCaption kT691[] = {
    {"CapitalGainsAnswer", "", "Reported capital gains or losses in 2024", 0, nullptr, 0},
    {"TaxableIncome", "26000", "Taxable income", 0, nullptr, FieldCaption::Calculated},
    {"AdjustedIncome", "", "Adjusted taxable income for minimum tax purposes", 0, nullptr, FieldCaption::Calculated},
    {"Exemption", "", "Basic exemption", 0, nullptr, FieldCaption::Calculated},
    {"MinimumAmount", "", "Minimum amount", 0, nullptr, FieldCaption::Calculated},
    {"BasicTax", "", "Gross minimum tax", 0, nullptr, FieldCaption::Calculated},
    {"CreditsApplied", "", "Minimum tax credits", 0, nullptr, FieldCaption::Calculated},
    {"MinimumTax", "", "Minimum tax", 0, nullptr, FieldCaption::Calculated},
    {"Carryover", "40427", "Minimum tax carryover from prior years", 0, nullptr, 0},
    {"Result", "", "Additional taxes on minimum tax", 0, nullptr, FieldCaption::Calculated},
    {"CapitalGains", "", "", 0, nullptr, FieldCaption::Internal},
    {"DividendGross", "", "", 0, nullptr, FieldCaption::Internal},
    {"Donations", "", "", 0, nullptr, FieldCaption::Internal},
    {"T1170Gains", "", "", 0, nullptr, FieldCaption::Internal},
    {"T1212Value", "", "", 0, nullptr, FieldCaption::Internal},
    {"T1206Amount", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line95", "", "", 0, nullptr, FieldCaption::Internal},
    {"ForeignCredit", "", "", 0, nullptr, FieldCaption::Internal},
    {"ForeignIncome", "", "", 0, nullptr, FieldCaption::Internal},
    {"ForeignTaxPaid", "", "", 0, nullptr, FieldCaption::Internal},
    {"OtherGains", "", "", 0, nullptr, FieldCaption::Internal},
    {"T1170Line24", "", "", 0, nullptr, FieldCaption::Internal},
    {"Deductions", "", "", 0, nullptr, FieldCaption::Internal},
    {"ITCAmounts", "", "", 0, nullptr, FieldCaption::Internal},
    {"DividendCredit", "", "", 0, nullptr, FieldCaption::Internal},
    {"OtherDividends", "", "", 0, nullptr, FieldCaption::Internal},
    {"Credits33800", "", "", 0, nullptr, FieldCaption::Internal},
    {"PoliticalCredit", "", "", 0, nullptr, FieldCaption::Internal},
    {"RegularBeforeCarryover", "", "", 0, nullptr, FieldCaption::Internal},
    {"CarryoverApplied", "", "", 0, nullptr, FieldCaption::Internal},
    {"GainsDeductions", "", "", 0, nullptr, FieldCaption::Internal},
    {"HalvedDeductions", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line67820", "", "Carrying charges on tax shelters and resource properties (field 67820)", 0, nullptr, 0},
    {"Line6783", "", "Losses from rental or leasing property (line 6783)", 0, nullptr, 0},
    {"Line6784", "", "Losses from limited partnerships and tax shelters (line 6784)", 0, nullptr, 0},
    {"Line6786", "", "Carrying charges on flow-through shares and resource expenses (line 6786)", 0, nullptr, 0},
    {"Line67922", "", "Capital gains deduction claimed for minimum tax (field 67922)", 0, nullptr, 0},
    {"SecurityOptions", "", "", 0, nullptr, FieldCaption::Internal},
};
// T936 – Calculation of cumulative net investment loss (CNIL)
const FieldCaption kT936[] = {
    {"InvestmentExpenses", "", "Investment expenses claimed in 2024", 0, nullptr, FieldCaption::Calculated},
    {"InvestmentIncome", "", "Investment income reported in 2024", 0, nullptr, FieldCaption::Calculated},
    {"PriorCNIL", "", "Cumulative net investment loss at the end of 2023", 0, nullptr, 0},
    {"CNIL", "", "Cumulative net investment loss at the end of 2024", 0, nullptr, FieldCaption::Calculated},
    {"Line68080", "", "Chart A: carrying charges and interest (field 68080)", 0, nullptr, 0},
    {"Line68100", "", "Chart A: other investment expenses (field 68100)", 0, nullptr, 0},
    {"Line68110", "", "Chart A: losses from limited or non-active partnerships (field 68110)", 0, nullptr, 0},
    {"Line68140", "", "Chart A: net capital losses of other years from T3 slips (field 68140)", 0, nullptr, 0},
    {"Line68150", "", "Chart A: other investment income (field 68150)", 0, nullptr, 0},
    {"AccumulatedCapitalLoss", "", "Capital losses of prior years carried forward", 0, nullptr, 0},
};
// T1-DD – Direct deposit request
const FieldCaption kT1DD[] = {
    {"Change", "", "Change the account on file", 0, nullptr, 0},
    {"Branch", "", "Branch number", 0, nullptr, 0},
    {"Institution", "", "Institution number", 0, nullptr, 0},
    {"Account", "", "Account number", 0, nullptr, 0},
    {"FirstName", "", "First name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Street", "", "", 0, nullptr, FieldCaption::Internal},
    {"City", "", "", 0, nullptr, FieldCaption::Internal},
    {"Postcode", "", "", 0, nullptr, FieldCaption::Internal},
    {"Province", "", "", 0, nullptr, FieldCaption::Internal},
    {"Phone", "", "", 0, nullptr, FieldCaption::Internal},
};
// T2205 – Amounts from a spousal or common-law partner RRSP, RRIF or SPP to include in income
const FieldCaption kT2205[] = {
    {"SpouseName", "", "Contributing spouse or common-law partner", 0, nullptr, FieldCaption::Calculated},
    {"Withdrawal", "", "Amounts withdrawn from spousal plans in 2024", 0, nullptr, FieldCaption::Calculated},
    {"SpousalContribs", "", "Spouse's contributions to spousal plans in 2022, 2023 and 2024", 0, nullptr, 0},
    {"Income", "", "Amount the contributor includes in income", 0, nullptr, FieldCaption::Calculated},
    {"TaxDeducted", "", "Income tax deducted on the withdrawal", 0, nullptr, 0},
    {"Year", "", "", 0, nullptr, FieldCaption::Internal},
    {"FullName", "", "", 0, nullptr, FieldCaption::Internal},
    {"SIN", "", "", 0, nullptr, FieldCaption::Internal},
};
// T1206 – Tax on split income
const FieldCaption kT1206[] = {
    {"Flag", "", "Split income is from an excluded business or an excluded amount", 0, nullptr, 0},
    {"SplitIncome", "68130", "Split income", 0, nullptr, 0},
    {"TOSIDeduction", "23200", "Split income deducted on line 23200", 0, nullptr, FieldCaption::Calculated},
    {"DividendCredit", "", "Dividend tax credit on split income", 0, nullptr, FieldCaption::Calculated},
    {"TaxOnSplitIncome", "40424", "Federal tax on split income", 0, nullptr, FieldCaption::Calculated},
    {"FederalTaxable", "", "", 0, nullptr, FieldCaption::Internal},
    {"TOSIIncome", "", "", 0, nullptr, FieldCaption::Internal},
    {"TOSIOther", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line68330", "", "Split income: taxable dividends (field 68330)", 0, nullptr, 0},
    {"Line68340", "", "Split income: dividends other than eligible dividends (field 68340)", 0, nullptr, 0},
    {"Line68360", "", "Split income: carrying charges claimed (field 68360)", 0, nullptr, 0},
};
// T183 – Information return for electronic filing of an individual's return
const FieldCaption kT183[] = {
    {"FirstName", "", "Taxpayer: first name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Taxpayer: last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Taxpayer: social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Street", "", "Taxpayer: address", 0, nullptr, FieldCaption::Calculated},
    {"City", "", "Taxpayer: city", 0, nullptr, FieldCaption::Calculated},
    {"Province", "", "Taxpayer: province or territory", 0, "province", FieldCaption::Calculated},
    {"Postcode", "", "Taxpayer: postal code", 0, nullptr, FieldCaption::Calculated},
    {"Phone", "", "Taxpayer: telephone", 0, nullptr, FieldCaption::Calculated},
    {"Email", "", "Taxpayer: email address", 0, nullptr, FieldCaption::Calculated},
    {"TotalIncome", "15000", "Total income", 0, nullptr, FieldCaption::Calculated},
    {"NetIncome", "23600", "Net income", 0, nullptr, FieldCaption::Calculated},
    {"TaxableIncome", "26000", "Taxable income", 0, nullptr, FieldCaption::Calculated},
    {"Refund", "48400", "Refund", 0, nullptr, FieldCaption::Calculated},
    {"BalanceOwing", "48500", "Balance owing", 0, nullptr, FieldCaption::Calculated},
    {"DirectDeposit", "", "Refund by direct deposit", 0, nullptr, 0},
    {"PreparerName", "", "Electronic filer: name", 0, nullptr, FieldCaption::Calculated},
    {"EFileNumber", "", "Electronic filer: EFILE number", 0, nullptr, 0},
    {"DCN", "", "Document control number (DCN)", 0, nullptr, 0},
    {"PreAssessment", "", "Authorize the CRA to discuss this return with the filer before assessment", 0, nullptr, 0},
    {"PostAssessment", "", "Authorize the CRA to discuss the assessment with the filer", 0, nullptr, 0},
    {"RepresentativeAuthorized", "", "Authorize the electronic filer as representative (Level 2)", 0, nullptr, 0},
    {"AuthorizationExpiry", "", "Representative authorization expires (YYYY-MM-DD)", 0, nullptr, 0},
    {"RepId", "", "Representative identifier (RepID)", 0, nullptr, 0},
    {"NoaRetrieval", "", "The electronic filer may retrieve the notice of assessment", 0, nullptr, 0},
    {"Text", "", "E-signature request id", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"SignDate", "", "Date signed (YYYY-MM-DD)", 0, nullptr, 0},
    {"ESigned", "", "Signed electronically", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"SignTime", "", "Time of the electronic signature", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"EFilePassword", "", "", 0, nullptr, FieldCaption::Internal},
    {"SoftwareCode", "", "", 0, nullptr, FieldCaption::Internal},
    {"Amended", "", "", 0, nullptr, FieldCaption::Internal},
    {"MailProvince", "", "", 0, nullptr, FieldCaption::Internal},
};
// T1013 – Authorizing or cancelling a representative
const FieldCaption kT1013[] = {
    {"FirstName", "", "Taxpayer: first name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Taxpayer: last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Taxpayer: social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Postcode", "", "Taxpayer: postal code", 0, nullptr, FieldCaption::Calculated},
    {"RepId", "", "Representative identifier (RepID)", 0, nullptr, 0},
    {"GroupId", "", "Group identifier (GroupID)", 0, nullptr, 0},
    {"BusinessNumber", "", "Business number (BN)", 0, nullptr, 0},
    {"RepFirstName", "", "Representative: first name", 0, nullptr, 0},
    {"RepLastName", "", "Representative: last name", 0, nullptr, 0},
    {"GroupName", "", "Group name", 0, nullptr, 0},
    {"BusinessName", "", "Business name", 0, nullptr, 0},
    {"MailAddress", "", "Representative: mailing address", 0, nullptr, 0},
    {"Phone", "", "Representative: telephone", 0, nullptr, 0},
    {"Level", "", "Level of authorization", 0, "t1013level", 0},
    {"Expiry", "", "Authorization expires (YYYY-MM-DD)", 0, nullptr, 0},
    {"Date", "", "Authorization date (YYYY-MM-DD)", 0, nullptr, 0},
    {"Text", "", "Tax years or periods authorized", 0, nullptr, 0},
    {"SignDate", "", "Date signed (YYYY-MM-DD)", 0, nullptr, 0},
    // the online filing's record, not part of the authorization the client signs
    {"FilingStatus", "", "Filing status", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"FilingTime", "", "Time filed", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"Confirmation", "", "Confirmation number", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"Error", "", "Message from the CRA", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"SoftwareCode", "", "", 0, nullptr, FieldCaption::Internal},
    {"EFileNumber", "", "", 0, nullptr, FieldCaption::Internal},
};
// RC71 – Statement of discount transaction
const FieldCaption kRC71[] = {
    {"DiscounterName", "", "Discounter: name", 0, nullptr, 0},
    {"DiscounterCode", "", "Discounter: code", 0, nullptr, 0},
    {"DiscounterAddress", "", "Discounter: address", 0, nullptr, 0},
    {"DiscounterPhone", "", "Discounter: telephone", 0, nullptr, 0},
    {"FirstName", "", "Client: first name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Client: last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Client: social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Address", "", "Client: address", 0, nullptr, FieldCaption::Calculated},
    {"ExpectedRefund", "", "Expected refund", 0, nullptr, FieldCaption::Calculated},
    {"Paid", "", "Amount paid to the client", 0, nullptr, 0},
    {"Text", "", "E-signature request id", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"ClientPhone", "", "Client: telephone", 0, nullptr, FieldCaption::Calculated},
    {"ESigned", "", "Signed electronically", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"ESignTime", "", "Time of the electronic signature", 0, nullptr, FieldCaption::Calculated | FieldCaption::NoPrint},
    {"FullName", "", "", 0, nullptr, FieldCaption::Internal},
};
// Schedule 13 – Employment insurance maternity and parental benefits
const FieldCaption kSch13[] = {
    {"Switch", "", "Elect to have the EI maternity and parental benefits repaid through this return", 0, nullptr, 0},
    {"Input", "", "Net income used for the repayment", 0, nullptr, FieldCaption::Calculated},
    {"EIBenefits", "", "EI maternity and parental benefits received (T4E)", 0, nullptr, FieldCaption::Calculated},
    {"Result", "", "EI maternity and parental benefits repayment", 0, nullptr, FieldCaption::Calculated},
    {"Line54493", "", "Employment income for enhanced EI premiums (field 54493)", 0, nullptr, 0},
    {"Line54494", "", "Tax-exempt employment income for enhanced EI premiums (field 54494)", 0, nullptr, 0},
    {"Line53550", "", "Self-employment earnings for EI special benefits (field 53550)", 0, nullptr, 0},
};
// Schedule 15 – FHSA contributions, transfers and activities
const FieldCaption kSch15[] = {
    {"Age", "", "Age at the end of 2024", 0, nullptr, FieldCaption::Calculated},
    {"Contributions", "", "FHSA contributions made in 2024 (T4FHSA box 18)", 0, nullptr, FieldCaption::Calculated},
    {"Transfers", "", "Transfers from an RRSP to an FHSA in 2024", 0, nullptr, 0},
    {"ParticipationRoom", "", "FHSA participation room for 2024", 0, nullptr, 0},
    {"CarryForward", "", "Undeducted FHSA contributions from prior years", 0, nullptr, 0},
    {"Deduction", "20805", "FHSA deduction", 0, nullptr, FieldCaption::Calculated},
    {"FirstFhsa68930", "", "The first FHSA was opened, or you became a successor holder, in 2024 (field 68930)",
     0, nullptr, 0},
};
// Instalment calculation worksheet
const FieldCaption kInstalments[] = {
    {"NetTaxOwing", "", "Net tax owing for 2024", 0, nullptr, FieldCaption::Calculated},
    {"Instalment2025", "", "Instalments required for 2025", 0, nullptr, FieldCaption::Calculated},
    {"Quarter", "", "Quarterly instalment", 0, nullptr, FieldCaption::Calculated},
    {"ProvincialValue1", "", "", 0, nullptr, FieldCaption::Internal},
    {"ProvincialValue2", "", "", 0, nullptr, FieldCaption::Internal},
};
// Federal worksheet (5000-D1)
const FieldCaption kD1[] = {
    {"EligibleActual", "", "Actual amount of eligible dividends", 0, nullptr, FieldCaption::Calculated},
    {"EligibleTaxable", "", "Taxable amount of eligible dividends", 0, nullptr, FieldCaption::Calculated},
    {"NonEligibleActual", "", "Actual amount of dividends other than eligible", 0, nullptr, FieldCaption::Calculated},
    {"NonEligibleTaxable", "", "", 0, nullptr, FieldCaption::Internal},   // shown as line 12010
    {"F12000", "12000", "Taxable amount of dividends", 0, nullptr, FieldCaption::Calculated},
    {"F12010", "12010", "Taxable amount of dividends other than eligible", 0, nullptr, FieldCaption::Calculated},
    {"NetIncomeBefore", "", "Net income before adjustments", 0, nullptr, FieldCaption::Calculated},
    {"OASBenefits", "", "Old age security pension", 0, nullptr, FieldCaption::Calculated},
    {"EIBenefits", "", "Employment insurance benefits", 0, nullptr, FieldCaption::Calculated},
    {"F23500", "23500", "Social benefits repayment", 0, nullptr, FieldCaption::Calculated},
    {"SecurityOptions", "", "Security options deductions", 0, nullptr, FieldCaption::Calculated},
    {"F24901", "", "", 0, nullptr, FieldCaption::Internal},
};
// T929 – Disability supports deduction
const FieldCaption kT929[] = {
    {"Expenses", "", "Eligible disability support expenses", 0, nullptr, 0},
    {"EarnedIncome", "", "Earned income", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "21500", "Disability supports deduction", 0, nullptr, FieldCaption::Calculated},
};
// T1172 – Additional tax on accumulated income payments from RESPs
const FieldCaption kT1172[] = {
    {"AIPIncome", "", "Accumulated income payments received (T4A box 040)", 0, nullptr, FieldCaption::Calculated},
    {"RRSPDeduction", "", "Contributions to an RRSP or SPP deducted against the payments", 0, nullptr, 0},
    {"SwitchA", "", "The payments were made to you as the subscriber", 0, nullptr, 0},
    {"SwitchB", "", "Resident of Quebec at the end of 2024", 0, nullptr, 0},
    {"FederalTax", "", "Federal additional tax", 0, nullptr, FieldCaption::Calculated},
    {"QuebecTax", "", "Additional tax for Quebec residents", 0, nullptr, FieldCaption::Calculated},
    {"Result", "", "Tax on accumulated income payments", 0, nullptr, FieldCaption::Calculated},
    {"Province", "", "", 0, nullptr, FieldCaption::Internal},
    {"FirstName", "", "", 0, nullptr, FieldCaption::Internal},
    {"LastName", "", "", 0, nullptr, FieldCaption::Internal},
    {"Address", "", "", 0, nullptr, FieldCaption::Internal},
    {"SIN", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line68270", "", "Accumulated income payments transferred to an RDSP (field 68270)", 0, nullptr, 0},
    {"Line68280", "", "Accumulated income payments transferred to an RRSP, PRPP or SPP (field 68280)", 0, nullptr, 0},
};
// T1212 – Statement of deferred security options benefits
const FieldCaption kT1212[] = {
    {"BalanceLastYear", "", "Deferred security option benefits at the end of 2023", 0, nullptr, 0},
    {"Deferred", "", "Security option benefits deferred in 2024", 0, nullptr, 0},
    {"Included", "", "Deferred benefits included in income in 2024", 0, nullptr, 0},
    {"F67910", "67910", "Balance of deferred security option benefits", 0, nullptr, FieldCaption::Calculated},
};
// T2038(IND) – Investment tax credit (individuals)
const FieldCaption kT2038[] = {
    {"Expenditures", "", "Qualified expenditures", 0, nullptr, FieldCaption::Calculated},
    {"CarriedForward", "", "Unused credits from prior years", 0, nullptr, FieldCaption::Calculated},
    {"NetFederalTax", "", "Net federal tax before the credit", 0, nullptr, FieldCaption::Calculated},
    {"Credit", "41200", "Investment tax credit", 0, nullptr, FieldCaption::Calculated},
    {"Refund", "45400", "Refund of investment tax credit", 0, nullptr, FieldCaption::Calculated},
    {"LineC", "", "", 0, nullptr, FieldCaption::Internal},
    {"AMTAmount", "", "", 0, nullptr, FieldCaption::Internal},
    {"T691Amount", "", "", 0, nullptr, FieldCaption::Internal},
    {"LineD", "", "", 0, nullptr, FieldCaption::Internal},
};
// GST370 – Employee and partner GST/HST rebate application
const FieldCaption kGST370[] = {
    {"EligibleExpenses", "", "Eligible expenses on which GST/HST was paid", 0, nullptr, 0},
    {"GSTRate", "", "GST/HST rate (%)", 0, nullptr, 0},
    {"Rebate", "45700", "Employee and partner GST/HST rebate", 0, nullptr, FieldCaption::Calculated},
    {"FirstName", "", "", 0, nullptr, FieldCaption::Internal},
    {"LastName", "", "", 0, nullptr, FieldCaption::Internal},
    {"SIN", "", "", 0, nullptr, FieldCaption::Internal},
    {"Year", "", "", 0, nullptr, FieldCaption::Internal},
};
// T626 – Overseas employment tax credit
const FieldCaption kT626[] = {
    {"OverseasIncome", "", "Net overseas employment income", 0, nullptr, 0},
    {"NetIncome", "23600", "Net income", 0, nullptr, 0},
    {"BasicTax", "", "Basic federal tax", 0, nullptr, 0},
    {"Credit", "42600", "Overseas employment tax credit", 0, nullptr, 0},
};
// T2017 – Summary of reserves on dispositions of capital property
const FieldCaption kT2017[] = {
    {"ReserveLastYear", "", "Reserve claimed in 2023", 0, nullptr, 0},
    {"ReserveThisYear", "", "Reserve claimed for 2024", 0, nullptr, 0},
    {"GainFromReserve", "", "Reserves included in income", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line66843", "", "Qualified farm or fishing property: reserve (field 66843)", 0, nullptr, 0},
    {"Line66844", "", "Qualified farm or fishing property: gain (field 66844)", 0, nullptr, 0},
    {"Line66850", "", "Qualified small business corporation shares: reserve (field 66850)", 0, nullptr, 0},
    {"Line66883", "", "Qualified small business corporation shares: gain (field 66883)", 0, nullptr, 0},
    {"Line66905", "", "Other capital property: reserve (field 66905)", 0, nullptr, 0},
};
// T657 – Calculation of capital gains deduction
const FieldCaption kT657[] = {
    {"TaxableGains", "", "Taxable capital gains eligible for the deduction", 0, nullptr, FieldCaption::Calculated},
    {"PriorDeductions", "", "Capital gains deductions claimed in prior years", 0, nullptr, 0},
    {"CNIL", "", "Cumulative net investment loss at the end of 2024", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "25400", "Capital gains deduction", 0, nullptr, FieldCaption::Calculated},
};
// T1223 – Clergy residence deduction
const FieldCaption kT1223[] = {
    {"Remuneration", "", "Remuneration from the office or employment", 0, nullptr, FieldCaption::Calculated},
    {"ProvidedResidence", "", "Fair rental value of a residence provided", 0, nullptr, 0},
    {"RentPaid", "", "Rent paid or fair rental value of the residence", 0, nullptr, 0},
    {"Months", "", "Months of the year as a member of the clergy", 0, nullptr, 0},
    {"Deduction", "23100", "Clergy residence deduction", 0, nullptr, FieldCaption::Calculated},
    {"FirstName", "", "", 0, nullptr, FieldCaption::Internal},
    {"LastName", "", "", 0, nullptr, FieldCaption::Internal},
    {"Year", "", "", 0, nullptr, FieldCaption::Internal},
    {"SIN", "", "", 0, nullptr, FieldCaption::Internal},
    {"Address", "", "", 0, nullptr, FieldCaption::Internal},
};
// T746 – Deduction for refund of unused RRSP, PRPP and SPP contributions
const FieldCaption kT746[] = {
    {"Refund", "", "Refund of unused contributions received (T4RSP box 20)", 0, nullptr, 0},
    {"UnusedContributions", "", "Unused contributions included in the refund", 0, nullptr, 0},
    {"Deduction", "23200", "Deduction on line 23200", 0, nullptr, FieldCaption::Calculated},
};
// T1170 – Capital gains on gifts of certain capital property
const FieldCaption kT1170[] = {
    {"Proceeds", "", "Proceeds of disposition", 0, nullptr, 0},
    {"AdjustedCost", "", "Adjusted cost base", 0, nullptr, 0},
    {"Outlays", "", "Outlays and expenses", 0, nullptr, 0},
    {"Gain", "", "Capital gain", 0, nullptr, FieldCaption::Calculated},
    {"Exempt", "", "Exempt portion of the gain", 0, nullptr, 0},
    {"Taxable", "", "Capital gain to report", 0, nullptr, FieldCaption::Calculated},
    {"Result", "67890", "Capital gains on gifts of certain capital property", 0, nullptr, FieldCaption::Calculated},
    {"Line24", "", "", 0, nullptr, FieldCaption::Internal},
};
// T224 – Manitoba community enterprise development tax credit receipt
const FieldCaption kT224[] = {
    {"Investment", "", "Eligible investment", 0, nullptr, 0},
    {"Credit", "", "Community enterprise development tax credit", 0, nullptr, FieldCaption::Calculated},
    {"Age", "", "", 0, nullptr, FieldCaption::Internal},
};
// T225 – Manitoba employee share purchase tax credit receipt
const FieldCaption kT225[] = {
    {"Investment", "", "Eligible investment", 0, nullptr, 0},
    {"Credit", "", "Employee share purchase tax credit", 0, nullptr, FieldCaption::Calculated},
    {"Age", "", "", 0, nullptr, FieldCaption::Internal},
};
// T2043 – Return of fuel charge proceeds to farmers tax credit
const FieldCaption kT2043[] = {
    {"Province", "", "Province where the farming business operated", 0, "province", 0},
    {"FarmingExpenses", "", "Eligible farming expenses", 0, nullptr, 0},
    {"Credit", "47556", "Return of fuel charge proceeds to farmers tax credit", 0, nullptr, FieldCaption::Calculated},
};
// T2039 – Air quality improvement tax credit
const FieldCaption kT2039[] = {
    {"Expenses", "", "Qualifying ventilation expenditures", 0, nullptr, 0},
    {"Credit", "47557", "Air quality improvement tax credit", 0, nullptr, 0},
};
// T2048 – Canadian journalism labour tax credit
const FieldCaption kT2048[] = {
    {"LabourCosts", "", "Qualifying labour expenditures", 0, nullptr, 0},
    {"Credit", "47555", "Canadian journalism labour tax credit", 0, nullptr, FieldCaption::Calculated},
    {"QualifyingGain", "", "Capital gains from qualifying business transfers in 2024", 0, nullptr, 0},
    {"ExemptionShare", "", "Your share of the $10,000,000 exemption (blank: all of it)", 0, nullptr, 0},
    {"InclusionRate", "", "", 0, nullptr, FieldCaption::Internal},
    {"NetTaxableGains", "", "", 0, nullptr, FieldCaption::Internal},
    {"TaxableQualifyingGain", "", "Taxable capital gains from qualifying business transfers",
     0, nullptr, FieldCaption::Calculated},
    {"ExemptionLimit", "", "Exemption available", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "25395", "Capital gains deduction for qualifying business transfer",
     0, nullptr, FieldCaption::Calculated},
};
// T1198 – Statement of qualifying retroactive lump-sum payment
const FieldCaption kT1198[] = {
    {"Payment", "", "Qualifying retroactive lump-sum payment", 0, nullptr, 0},
    {"Notional", "", "Notional tax on the payment", 0, nullptr, FieldCaption::Calculated},
    {"Name", "", "", 0, nullptr, FieldCaption::Internal},
    {"SIN", "", "", 0, nullptr, FieldCaption::Internal},
    {"Year2014", "", "Principal relating to 2014", 0, nullptr, 0},
    {"Year2015", "", "Principal relating to 2015", 0, nullptr, 0},
    {"Year2016", "", "Principal relating to 2016", 0, nullptr, 0},
    {"Year2017", "", "Principal relating to 2017", 0, nullptr, 0},
    {"Year2018", "", "Principal relating to 2018", 0, nullptr, 0},
    {"Year2019", "", "Principal relating to 2019", 0, nullptr, 0},
    {"Year2020", "", "Principal relating to 2020", 0, nullptr, 0},
    {"Year2021", "", "Principal relating to 2021", 0, nullptr, 0},
    {"Year2022", "", "Principal relating to 2022", 0, nullptr, 0},
    {"Year2023", "", "Principal relating to 2023", 0, nullptr, 0},
    {"PrincipalTotal", "", "Total principal", 0, nullptr, FieldCaption::Calculated},
    {"Qualifies", "", "", 0, nullptr, FieldCaption::Internal},
};
// T1044 – Non-profit organization information return
const FieldCaption kT1044[] = {
    {"Organization", "", "Name of the organization", 0, nullptr, 0},
    {"Revenue", "", "Total revenue", 0, nullptr, 0},
    {"Expenses", "", "Total expenses", 0, nullptr, 0},
};
// RC359 – Tax on excess employees profit sharing plan amounts
const FieldCaption kRC359[] = {
    {"ExcessAmount", "", "Excess EPSP amount", 0, nullptr, 0},
    {"Tax", "41800", "Tax on excess EPSP amounts", 0, nullptr, FieldCaption::Calculated},
};
// RC383 – Tax-exempt earned income and contributions for a pooled registered pension plan
const FieldCaption kRC383[] = {
    {"ExemptIncome", "", "Tax-exempt employment earnings on the slips (T4 box 71)", 0, nullptr, 0},
    {"Contribution", "", "PRPP contributions on the slips (amount e)", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "", "PRPP contributions on the slips (amount d)", 0, nullptr, FieldCaption::Calculated},
    {"Line58750", "58750", "Tax-exempt employment earnings", 0, nullptr, 0},
    {"Line58810", "58810", "Tax-exempt self-employment and other earned income", 0, nullptr, 0},
    {"Line58820", "58820", "Total eligible PRPP contributions from tax-exempt income", 0, nullptr,
     FieldCaption::Calculated},
};
// T1163 – AgriStability and AgriInvest programs information and statement of farming activities
const FieldCaption kT1163[] = {
    {"FirstName", "", "First name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"ParticipantPin", "", "Participant identification number (PIN)", 0, nullptr, 0},
    {"FiscalStart", "", "Fiscal period from (YYYY-MM-DD)", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to (YYYY-MM-DD)", 0, nullptr, 0},
    {"Percentage", "", "Your percentage of the farm", 0, nullptr, 0},
    {"MainFarmProvince", "", "Province of the main farmstead", 0, "province", 0},
    {"GrossIncome", "9659", "Gross farming income", 0, nullptr, 0},
    {"Expenses", "9898", "Total farm expenses", 0, nullptr, 0},
    {"NetIncomeBeforeAdj", "9899", "Net income (loss) before adjustments", 0, nullptr, FieldCaption::Calculated},
    {"NetIncome", "9946", "Net income (loss)", 0, nullptr, FieldCaption::Calculated},
    {"Postcode", "", "Postal code of the farming business", 0, nullptr, 0},
};
// T2042 – Statement of farming activities
const FieldCaption kT2042[] = {
    {"OwnerName", "", "Your name", 0, nullptr, FieldCaption::Calculated},
    {"OwnerSIN", "", "Your social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"FiscalStart", "", "Fiscal period from (YYYY-MM-DD)", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to (YYYY-MM-DD)", 0, nullptr, 0},
    {"Percentage", "", "Your percentage of the business", 0, nullptr, 0},
    {"GrossIncome", "9659", "Gross farming income", 0, nullptr, 0},
    {"Expenses", "9898", "Total farm expenses", 0, nullptr, 0},
    {"NetIncomeBeforeAdj", "9899", "Net income (loss) before adjustments", 0, nullptr, FieldCaption::Calculated},
    {"NetIncome", "9946", "Net income (loss)", 0, nullptr, FieldCaption::Calculated},
    STATEMENT_IDENTITY_ROWS(0)
    STATEMENT_PARTNER_ROWS(0)
    {"Address", "", "Farm address", 0, nullptr, 0},
    {"Postcode", "", "Postal code of the farm", 0, nullptr, 0},
};
// T2121 – Statement of fishing activities
const FieldCaption kT2121[] = {
    {"OwnerName", "", "Your name", 0, nullptr, FieldCaption::Calculated},
    {"OwnerSIN", "", "Your social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"FiscalStart", "", "Fiscal period from (YYYY-MM-DD)", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to (YYYY-MM-DD)", 0, nullptr, 0},
    {"Percentage", "", "Your percentage of the business", 0, nullptr, 0},
    {"GrossIncome", "8299", "Gross fishing income", 0, nullptr, 0},
    {"Expenses", "9368", "Total fishing expenses", 0, nullptr, FieldCaption::Calculated},
    {"NetIncomeBeforeAdj", "9369", "Net income (loss) before adjustments", 0, nullptr, FieldCaption::Calculated},
    {"NetIncome", "9946", "Net income (loss)", 0, nullptr, FieldCaption::Calculated},
    STATEMENT_IDENTITY_ROWS(0)
    STATEMENT_PARTNER_ROWS(0)
    {"Line5345", "", "Fishing income with income tax withheld (field 5345)", 0, nullptr, 0},
};
// T1A – Request for loss carryback
const FieldCaption kT1A[] = {
    {"FirstName", "", "First name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Switch", "", "Apply the 2024 loss to prior years", 0, nullptr, 0},
    {"NonCapitalLoss", "", "Non-capital loss for 2024", 0, nullptr, FieldCaption::Calculated},
    {"NetCapitalLoss", "", "Net capital loss for 2024", 0, nullptr, FieldCaption::Calculated},
    {"CarryBack2021", "", "Loss to apply to 2021", 0, nullptr, 0},
    {"CarryBack2022", "", "Loss to apply to 2022", 0, nullptr, 0},
    {"CarryBack2023", "", "Loss to apply to 2023", 0, nullptr, 0},
    {"DeductionsTotal", "", "Total loss applied to prior years", 0, nullptr, FieldCaption::Calculated},
    {"CarryForward", "", "Loss available to carry forward", 0, nullptr, FieldCaption::Calculated},
    {"FullName", "", "", 0, nullptr, FieldCaption::Internal},
    {"Address", "", "", 0, nullptr, FieldCaption::Internal},
    {"City", "", "", 0, nullptr, FieldCaption::Internal},
    {"MailProvince", "", "", 0, nullptr, FieldCaption::Internal},
    {"Postcode", "", "", 0, nullptr, FieldCaption::Internal},
    {"Province", "", "", 0, nullptr, FieldCaption::Internal},
};
// T1273 – Harmonized AgriStability and AgriInvest programs: statement of farming activities
const FieldCaption kT1273[] = {
    {"OwnerName", "", "Participant: name", 0, nullptr, 0},
    {"OwnerSIN", "", "Participant: social insurance number", 0, nullptr, FieldCaption::Sin},
    {"ParticipantPin", "", "Participant identification number (PIN)", 0, nullptr, 0},
    {"FiscalStart", "", "Fiscal period from (YYYY-MM-DD)", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to (YYYY-MM-DD)", 0, nullptr, 0},
    {"Percentage", "", "Your percentage of the farm", 0, nullptr, 0},
    {"GrossIncome", "9659", "Gross farming income", 0, nullptr, 0},
    {"Expenses", "9898", "Total farm expenses", 0, nullptr, 0},
    {"NetIncomeBeforeAdj", "9899", "Net income (loss) before adjustments", 0, nullptr, FieldCaption::Calculated},
    {"NetIncome", "9946", "Net income (loss)", 0, nullptr, FieldCaption::Calculated},
};
// T1229 – Statement of resource expenses and depletion allowance
const FieldCaption kT1229[] = {
    {"Expenses", "", "Resource expenses and depletion allowance claimed", 0, nullptr, 0},
    {"Deduction", "22400", "Exploration and development expenses", 0, nullptr, FieldCaption::Calculated},
};
// RC267 – Employee contributions to a United States retirement plan – temporary assignments
const FieldCaption kRC267[] = {
    {"Contributions", "", "Contributions to the United States retirement plan", 0, nullptr, 0},
    {"RRSPRoom", "", "Unused RRSP deduction room available", 0, nullptr, 0},
    {"Deduction", "20700", "Deduction on line 20700", 0, nullptr, FieldCaption::Calculated},
};
// RC268 – Employee contributions to a United States retirement plan – cross-border commuters
const FieldCaption kRC268[] = {
    {"Contributions", "", "Contributions to the United States retirement plan", 0, nullptr, 0},
    {"RRSPRoom", "", "Unused RRSP deduction room available", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "20700", "Deduction on line 20700", 0, nullptr, FieldCaption::Calculated},
};
// RC269 – Employee contributions to a foreign pension plan or social security arrangement
const FieldCaption kRC269[] = {
    {"Contributions", "", "Contributions to the foreign plan or arrangement", 0, nullptr, FieldCaption::Calculated},
    {"Deduction", "20700", "Deduction on line 20700", 0, nullptr, FieldCaption::Calculated},
};
// T1248 Schedule D – Information about your residency status
const FieldCaption kT1248D[] = {
    {"ResidencyType", "", "Residency status in 2024", 0, nullptr, 0},
    {"ForeignMailing", "", "Mailing address outside Canada", 0, nullptr, 0},
    {"Country", "", "Country of residence", 0, nullptr, 0},
    {"EntryDate", "", "Date of entry into Canada (YYYY-MM-DD)", 0, nullptr, 0},
    {"DepartureDate", "", "Date of departure from Canada (YYYY-MM-DD)", 0, nullptr, 0},
};
// CPT20 – Election to pay Canada Pension Plan contributions
const FieldCaption kCPT20[] = {
    {"ElectF399", "", "Elect to pay CPP contributions on employment income", 0, nullptr, 0},
    {"ElectDate", "", "Date the election starts (YYYY-MM-DD)", 0, nullptr, 0},
    {"Line16", "", "Employment earnings not on a T4 slip elected for contributions",
     0, nullptr, FieldCaption::Calculated},
    {"Line17", "", "Employment earnings on a T4 slip elected for contributions", 0, nullptr, FieldCaption::Calculated},
};
// T185 – Pre-authorized debit agreement
const FieldCaption kT185[] = {
    {"FirstName", "", "First name", 0, nullptr, FieldCaption::Calculated},
    {"LastName", "", "Last name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Institution", "", "Institution number", 0, nullptr, 0},
    {"Branch", "", "Branch number", 0, nullptr, 0},
    {"Account", "", "Account number", 0, nullptr, 0},
    {"FixedAmount", "", "Debit a fixed amount", 0, nullptr, 0},
    {"Amount", "", "Amount to debit", 0, nullptr, FieldCaption::Calculated},
    {"DebitDate", "", "Date of the debit (YYYY-MM-DD)", 0, nullptr, 0},
    {"PadDate", "", "Agreement date", 0, nullptr, FieldCaption::Calculated},
    {"Confirmation", "", "Confirmation number", 0, nullptr, FieldCaption::Calculated},
    {"Message", "", "Message from the CRA", 0, nullptr, FieldCaption::Calculated},
    {"PreparerName", "", "", 0, nullptr, FieldCaption::Internal},
    {"EFileNumber", "", "", 0, nullptr, FieldCaption::Internal},
    {"EFilePassword", "", "", 0, nullptr, FieldCaption::Internal},
    {"SoftwareCode", "", "", 0, nullptr, FieldCaption::Internal},
    {"Street", "", "", 0, nullptr, FieldCaption::Internal},
    {"City", "", "", 0, nullptr, FieldCaption::Internal},
    {"Postcode", "", "", 0, nullptr, FieldCaption::Internal},
    {"Province", "", "", 0, nullptr, FieldCaption::Internal},
    {"Phone", "", "", 0, nullptr, FieldCaption::Internal},
    {"Email", "", "", 0, nullptr, FieldCaption::Internal},
};
// RC59 – Business consent for online access
const FieldCaption kRC59[] = {
    {"BusinessNumber", "", "Business number (BN)", 0, nullptr, 0},
    {"BusinessName", "", "Business name", 0, nullptr, 0},
    {"ConsentLevel", "", "Level of authorization", 0, nullptr, 0},
    {"Expiry", "", "Authorization expires (YYYY-MM-DD)", 0, nullptr, 0},
};
// RC59X – Cancel business consent or delegated authority
const FieldCaption kRC59X[] = {
    {"BusinessNumber", "", "Business number (BN)", 0, nullptr, 0},
    {"BusinessName", "", "Business name", 0, nullptr, 0},
    {"CancelAll", "", "Cancel every authorization", 0, nullptr, 0},
};
// T1-ADJ – T1 adjustment request
const FieldCaption kT1ADJ[] = {
    {"Name", "", "Name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Year", "", "Tax year to adjust", 0, nullptr, FieldCaption::Calculated},
    {"Date", "", "Date of the request", 0, nullptr, 0},
    {"Reason", "", "Explanation of the change", 0, nullptr, 0},
    {"RepID", "", "Representative identifier (RepID)", 0, nullptr, 0},
    {"EFileNumber", "", "EFILE number", 0, nullptr, 0},
};
// T2091(IND) – Designation of a property as a principal residence
const FieldCaption kT2091[] = {
    {"FullName", "", "Name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Description", "", "Address or description of the property", 0, nullptr, 0},
    {"Switch", "", "Type of property", 0, nullptr, 0},
    {"AcquiredYear", "", "Year the property was acquired", 0, nullptr, 0},
    {"YearsDesignated", "", "Years designated as principal residence after 1971", 0, nullptr, 0},
    {"YearsOwned", "", "Years owned after 1971", 0, nullptr, 0},
    {"Proceeds", "", "Proceeds of disposition", 0, nullptr, 0},
    {"Cost", "", "Adjusted cost base", 0, nullptr, 0},
    {"Outlays", "", "Outlays and expenses", 0, nullptr, 0},
    {"Gain", "", "Capital gain before the exemption", 0, nullptr, FieldCaption::Calculated},
    {"ExemptGain", "", "Principal residence exemption", 0, nullptr, FieldCaption::Calculated},
    {"Designated", "", "Capital gain after the exemption", 0, nullptr, FieldCaption::Calculated},
};
// T1135 – Foreign income verification statement
const FieldCaption kT1135[] = {
    {"Kind", "", "Filer type", 0, "t1135filer", 0},
    // holds the whole name; the document files its given names and the last name apart
    {"FirstName", "", "Full name", 0, nullptr, FieldCaption::Calculated},
    {"FirstName2", "", "Second given name", 0, nullptr, 0},
    {"LastName", "", "Last name", 0, nullptr, FieldCaption::Calculated | FieldCaption::Internal},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Address", "", "Address", 0, nullptr, 0},
    {"City", "", "City", 0, nullptr, 0},
    {"Province", "", "Province or territory", 0, nullptr, 0},
    {"Postcode", "", "Postal code", 0, nullptr, 0},
    {"Country", "", "Country", 0, nullptr, 0},
    {"YearStart", "", "Tax year from (YYYY-MM-DD)", 0, nullptr, 0},
    {"Amended", "", "This is an amended return", 0, nullptr, 0},
    {"TotalCost", "", "Total cost of specified foreign property", 0, nullptr, FieldCaption::Calculated},
    {"FilingStatus", "", "Filing status", 0, nullptr, FieldCaption::Calculated},
    {"FilingTime", "", "Time filed", 0, nullptr, FieldCaption::Calculated},
    {"Confirmation", "", "Confirmation number", 0, nullptr, FieldCaption::Calculated},
    {"OverwriteStatus", "", "", 0, nullptr, FieldCaption::Internal},
    {"Method", "", "Reporting method", 0, "foreignmethod", 0},
    {"HasFunds", "", "Simplified method: funds held outside Canada", 1, nullptr, 0},
    {"HasShares", "", "Simplified method: shares of non-resident corporations", 1, nullptr, 0},
    {"HasIndebtedness", "", "Simplified method: indebtedness owed by non-residents", 1, nullptr, 0},
    {"HasTrustInterests", "", "Simplified method: interests in non-resident trusts", 1, nullptr, 0},
    {"HasRealProperty", "", "Simplified method: real property outside Canada", 1, nullptr, 0},
    {"HasOtherProperty", "", "Simplified method: other property outside Canada", 1, nullptr, 0},
    {"HasDealerAccount", "", "Simplified method: property held with a Canadian registered securities dealer",
     1, nullptr, 0},
    {"Countries", "", "Simplified method: country codes", 1, nullptr, 0},
    {"SimpleIncome", "", "Simplified method: income from all specified foreign property", 1, nullptr, 0},
    {"SimpleGain", "", "Simplified method: gain (loss) from the disposition of all specified foreign property",
     1, nullptr, 0},
    {"SelfEmployed", "", "Self-employed (for the certification)", 3, nullptr, 0},
    {"CertDate", "", "Certification date (YYYY-MM-DD)", 3, nullptr, 0},
    {"Phone", "", "Telephone number", 3, nullptr, 0},
    {"PreparerName", "", "Preparer: name", 3, nullptr, 0},
    {"PreparerAddress", "", "Preparer: address", 3, nullptr, 0},
    {"PreparerPostcode", "", "Preparer: postal code", 3, nullptr, 0},
    {"PreparerPhone", "", "Preparer: telephone", 3, nullptr, 0},
};
const char *const kT1135Sections[] = {"Identification", "Part A – Simplified method", "Part B – Detailed method",
                                      "Certification"};
// T90 – Income exempt from tax under the Indian Act
const FieldCaption kT90[] = {
    {"EmploymentIncome", "", "Tax-exempt employment income", 0, nullptr, FieldCaption::Calculated},
    {"OtherIncome", "", "Other tax-exempt income", 0, nullptr, FieldCaption::Calculated},
    {"WorkingIncome", "", "Tax-exempt working income", 0, nullptr, FieldCaption::Calculated},
    {"NetIncomeAdd", "", "Amount added to net income for benefits", 0, nullptr, FieldCaption::Calculated},
    {"Switch", "", "", 0, nullptr, FieldCaption::Internal},
    {"Line10026", "", "Tax-exempt employment income: other (field 10026)", 0, nullptr, 0},
};
// T5013 Schedule – Partnership income summary
const FieldCaption kT5013S[] = {
    {"TotalNonLossNetIncome", "", "Total net income from partnerships", 0, nullptr, FieldCaption::Calculated},
};
// T1219 – Provincial or territorial alternative minimum tax
const FieldCaption kT1219[] = {
    {"Province", "", "Province or territory", 0, "province", 0},
    {"FederalMinimum", "", "Federal minimum tax", 0, nullptr, 0},
    {"ProvincialMinimum", "", "Provincial or territorial minimum tax", 0, nullptr, 0},
};
// TL2 – Claim for meals and lodging expenses
const FieldCaption kTL2[] = {
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"EmployerName", "", "Employer's name", 0, nullptr, 0},
    {"Trips", "", "Number of trips", 0, nullptr, 0},
    {"Meals", "", "Meal expenses", 0, nullptr, 0},
    {"Lodging", "", "Lodging expenses", 0, nullptr, 0},
    {"Deduction", "22900", "Other employment expenses", 0, nullptr, FieldCaption::Calculated},
};
// T1153 – Pre-bankruptcy and post-bankruptcy return information
const FieldCaption kT1153[] = {
    {"FullName", "", "Name", 0, nullptr, FieldCaption::Calculated},
    {"SIN", "", "Social insurance number", 0, nullptr, FieldCaption::Calculated | FieldCaption::Sin},
    {"Street", "", "Address", 0, nullptr, FieldCaption::Calculated},
    {"TaxpayerCity", "", "City", 0, nullptr, FieldCaption::Calculated},
    {"ProvinceName", "", "Province or territory", 0, nullptr, FieldCaption::Calculated},
    {"TaxpayerPostcode", "", "Postal code", 0, nullptr, FieldCaption::Calculated},
    {"BankruptcyDate", "", "Date of bankruptcy", 0, nullptr, FieldCaption::Calculated},
    {"TrusteeName", "", "Trustee: name", 0, nullptr, 0},
    {"TrusteeAddress", "", "Trustee: address", 0, nullptr, 0},
    {"City", "", "Trustee: city", 0, nullptr, 0},
    {"Province", "", "Trustee: province or territory", 0, nullptr, 0},
    {"Postcode", "", "Trustee: postal code", 0, nullptr, 0},
    {"DiscounterCode", "", "Trustee: code", 0, nullptr, 0},
    {"EFileNumber", "", "Trustee: EFILE number", 0, nullptr, 0},
};
// Schedule 8 (former layout) – CPP contributions and overpayment
const FieldCaption kSch8Old[] = {
    {"PensionableEarnings", "50339", "Total CPP pensionable earnings (box 26 of all T4 slips)", 0, nullptr, 0},
    {"Contributions", "50340", "Total CPP contributions deducted (box 16 of all T4 slips)", 0, nullptr, 0},
    {"SelfEmployedEarnings", "", "Net self-employment earnings", 0, nullptr, 0},
    {"Months", "", "Months in 2024 for which CPP contributions are required", 0, nullptr, 0},
    {"Result", "22200", "Deduction for CPP contributions on self-employment income", 0, nullptr, 0},
};

// ---- the columns of the forms' row lists

// Schedule 3: one row per property disposed of
const FieldCaption kSch3Dispositions[] = {
    {"Description", "", "Description of the property", 0, nullptr, 0},
    {"Category", "", "Kind of property", 0, "capitalproperty", 0},
    {"Year", "", "Year of acquisition", 0, nullptr, 0},
    {"Proceeds", "", "Proceeds of disposition", 0, nullptr, 0},
    {"Cost", "", "Adjusted cost base", 0, nullptr, 0},
    {"Outlays", "", "Outlays and expenses", 0, nullptr, 0},
    {"GainOrLoss", "", "Gain (or loss)", 0, nullptr, FieldCaption::Calculated},
    {"AutoFill", "", "", 0, nullptr, FieldCaption::Internal},
};
// Schedule 9: one row per official receipt
const FieldCaption kSch9Donations[] = {
    {"Charity", "", "Charity or other qualified donee", 0, nullptr, 0},
    {"ReceiptNumber", "", "Receipt number", 0, nullptr, 0},
    {"Amount", "", "Eligible amount of the gift", 0, nullptr, 0},
    {"Kind", "", "", 0, nullptr, FieldCaption::Internal},
};
// T776 and T2125: one row per expense line, less its personal part
const FieldCaption kStatementExpenses[] = {
    {"Description", "", "Expense", 0, nullptr, 0},
    {"Code", "", "Line", 0, nullptr, 0},
    {"Amount", "", "Total expense", 0, nullptr, 0},
    {"PersonalPart", "", "Personal part", 0, nullptr, 0},
};
// T777, T2042, T2121 and T1163: one row per income or expense line
const FieldCaption kStatementLines[] = {
    {"Description", "", "Description", 0, nullptr, 0},
    {"Code", "", "Line", 0, nullptr, 0},
    {"Amount", "", "Amount", 0, nullptr, 0},
};
// T2209: one row per country
const FieldCaption kT2209Countries[] = {
    {"Country", "", "Country", 0, nullptr, 0},
    {"NonBusinessIncome", "", "Net foreign non-business income", 0, nullptr, 0},
    {"TaxPaid", "", "Non-business income tax paid", 0, nullptr, 0},
    {"BusinessIncome", "", "Net foreign business income", 0, nullptr, 0},
    {"BusinessTaxPaid", "", "Business income tax paid", 0, nullptr, 0},
};
// T1135: one row per foreign property held
const FieldCaption kT1135Properties[] = {
    {"Category", "", "Category", 0, "foreigncategory", 0},
    {"Description", "", "Name or description", 0, nullptr, 0},
    {"Country", "", "Country code", 0, nullptr, 0},
    {"MaxCost", "", "Maximum cost amount in the year", 0, nullptr, 0},
    {"YearEndCost", "", "Cost amount at year end", 0, nullptr, 0},
    {"Income", "", "Income (loss)", 0, nullptr, 0},
    {"Gain", "", "Gain (loss) on disposition", 0, nullptr, 0},
    {"CapitalReceived", "", "Capital received (trusts)", 0, nullptr, 0},
};
// T1-ADJ: one row per line to change
const FieldCaption kT1ADJLines[] = {
    {"Line", "", "Line number", 0, nullptr, 0},
    {"PreviousAmount", "", "Amount previously reported", 0, nullptr, 0},
    {"Change", "", "Amount of change (+ or –)", 0, nullptr, 0},
    {"RevisedAmount", "", "Revised amount", 0, nullptr, FieldCaption::Calculated},
};
// T5013 schedule: one row per partnership
const FieldCaption kT5013Partnerships[] = {
    {"Partnership", "", "Partnership name", 0, nullptr, 0},
    {"Filer", "", "Partnership's filer identification number", 0, nullptr, 0},
    {"Kind", "", "Kind of income", 0, "partnershipkind", 0},
    {"IsSFD", "", "Files its own statement", 0, nullptr, 0},
    {"NetIncome", "", "Your net income (loss)", 0, nullptr, 0},
    {"Share", "", "Your share (%)", 0, nullptr, 0},
    {"IndustryCode", "", "Industry code (NAICS)", 0, nullptr, 0},
    {"Postcode", "", "Postal code", 0, nullptr, 0},
    {"FiscalStart", "", "Fiscal period from", 0, nullptr, 0},
    {"FiscalEnd", "", "Fiscal period to", 0, nullptr, 0},
    {"LimitedPartner", "", "Limited partner", 0, nullptr, 0},
    {"BusinessNumber", "", "Business number", 0, nullptr, 0},
    {"TaxShelterId", "", "Tax shelter identification number", 0, nullptr, 0},
    {"LastYear", "", "2024 was the last year", 0, nullptr, 0},
    {"PartnershipBN", "", "Partnership business number", 0, nullptr, 0},
};
// T1A: the non-capital loss by source
const FieldCaption kT1ASources[] = {
    {"Source", "", "Source of income or loss", 0, nullptr, 0},
    {"Income", "", "Income", 0, nullptr, 0},
    {"Loss", "", "Loss", 0, nullptr, 0},
};
// CPT20: the T4 slips' amounts, kept by the program
const FieldCaption kCPT20Slips[] = {
    {"Pensionable", "", "CPP pensionable earnings (box 26)", 0, nullptr, FieldCaption::Calculated},
    {"Contributions", "", "CPP contributions deducted (box 16)", 0, nullptr, FieldCaption::Calculated},
    {"Province", "", "Province of employment", 0, "province", FieldCaption::Calculated},
    {"Exempt", "", "Exempt from CPP contributions", 0, nullptr, FieldCaption::Calculated},
};
} // namespace

extern const FormCaptions kFormCaptions[] = {
    {0, 3, kSch2, int(sizeof kSch2 / sizeof kSch2[0]), nullptr, 0},
    {0, 4, kSch3, int(sizeof kSch3 / sizeof kSch3[0]), kSch3Sections, 4},
    {0, 6, kSch5, int(sizeof kSch5 / sizeof kSch5[0]), nullptr, 0},
    {0, 119, kSch6, int(sizeof kSch6 / sizeof kSch6[0]), nullptr, 0},
    {0, 7, kSch7, int(sizeof kSch7 / sizeof kSch7[0]), nullptr, 0},
    {0, 150, kSch8, int(sizeof kSch8 / sizeof kSch8[0]), kCppSections, 3},
    {0, FormType::RC381, kRC381, int(sizeof kRC381 / sizeof kRC381[0]), kCppSections, 3},
    {0, 9, kSch9, int(sizeof kSch9 / sizeof kSch9[0]), nullptr, 0},
    {0, 10, kSch10, int(sizeof kSch10 / sizeof kSch10[0]), nullptr, 0},
    {0, 11, kSch11, int(sizeof kSch11 / sizeof kSch11[0]), nullptr, 0},
    {0, 133, kSch12, int(sizeof kSch12 / sizeof kSch12[0]), nullptr, 0},
    {0, 157, kSch12HAE, int(sizeof kSch12HAE / sizeof kSch12HAE[0]), nullptr, 0},
    {0, 12, kT776, int(sizeof kT776 / sizeof kT776[0]), kT776Sections, 5},
    {0, 13, kT778, int(sizeof kT778 / sizeof kT778[0]), nullptr, 0},
    {0, 59, kT777, int(sizeof kT777 / sizeof kT777[0]), nullptr, 0},
    {0, 118, kT1032, int(sizeof kT1032 / sizeof kT1032[0]), nullptr, 0},
    {0, 35, kT2209, int(sizeof kT2209 / sizeof kT2209[0]), nullptr, 0},
    {0, 125, kT2125, int(sizeof kT2125 / sizeof kT2125[0]), kT2125Sections, 6},
    {0, 131, kT2125, int(sizeof kT2125 / sizeof kT2125[0]), kT2125Sections, 6},
    {0, 25, kON479, int(sizeof kON479 / sizeof kON479[0]), nullptr, 0},
    {0, 42, kT479, int(sizeof kT479 / sizeof kT479[0]), nullptr, 0},
    {0, 63, kT479, int(sizeof kT479 / sizeof kT479[0]), nullptr, 0},
    {0, 67, kNS479, int(sizeof kNS479 / sizeof kNS479[0]), nullptr, 0},
    {0, 71, kT479, int(sizeof kT479 / sizeof kT479[0]), nullptr, 0},
    {0, 75, kT479, int(sizeof kT479 / sizeof kT479[0]), nullptr, 0},
    {0, 84, kT479, int(sizeof kT479 / sizeof kT479[0]), nullptr, 0},
    {0, 87, kMB479, int(sizeof kMB479 / sizeof kMB479[0]), nullptr, 0},
    {0, 112, kYT479, int(sizeof kYT479 / sizeof kYT479[0]), nullptr, 0},
    {0, 26, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 43, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 47, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 64, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 68, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 72, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 76, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 79, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 82, kSKS2, int(sizeof kSKS2 / sizeof kSKS2[0]), nullptr, 0},
    {0, 90, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 94, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 110, kS2, int(sizeof kS2 / sizeof kS2[0]), nullptr, 0},
    {0, 27, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 44, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 48, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 65, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 69, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 73, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 77, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 80, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 83, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 91, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 95, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 111, kS11, int(sizeof kS11 / sizeof kS11[0]), nullptr, 0},
    {0, 34, kONBEN, int(sizeof kONBEN / sizeof kONBEN[0]), nullptr, 0},
    {0, 23, kT2204, int(sizeof kT2204 / sizeof kT2204[0]), nullptr, 0},
    {0, 102, kT1M, int(sizeof kT1M / sizeof kT1M[0]), nullptr, 0},
    {0, 49, kT2222, int(sizeof kT2222 / sizeof kT2222[0]), nullptr, 0},
    {0, 55, kT5004, int(sizeof kT5004 / sizeof kT5004[0]), nullptr, 0},
    {0, 31, kT691, int(sizeof kT691 / sizeof kT691[0]), nullptr, 0},
    {0, 32, kT936, int(sizeof kT936 / sizeof kT936[0]), nullptr, 0},
    {0, 52, kT1DD, int(sizeof kT1DD / sizeof kT1DD[0]), nullptr, 0},
    {0, 124, kT2205, int(sizeof kT2205 / sizeof kT2205[0]), nullptr, 0},
    {0, 29, kT1206, int(sizeof kT1206 / sizeof kT1206[0]), nullptr, 0},
    {0, 96, kT183, int(sizeof kT183 / sizeof kT183[0]), nullptr, 0},
    {0, 117, kT1013, int(sizeof kT1013 / sizeof kT1013[0]), nullptr, 0},
    {0, 53, kRC71, int(sizeof kRC71 / sizeof kRC71[0]), nullptr, 0},
    {0, 139, kSch13, int(sizeof kSch13 / sizeof kSch13[0]), nullptr, 0},
    {0, 205, kSch15, int(sizeof kSch15 / sizeof kSch15[0]), nullptr, 0},
    {0, 209, kInstalments, int(sizeof kInstalments / sizeof kInstalments[0]), nullptr, 0},
    {0, 210, kD1, int(sizeof kD1 / sizeof kD1[0]), nullptr, 0},
    {0, 14, kT929, int(sizeof kT929 / sizeof kT929[0]), nullptr, 0},
    {0, 17, kT1172, int(sizeof kT1172 / sizeof kT1172[0]), nullptr, 0},
    {0, 18, kT1212, int(sizeof kT1212 / sizeof kT1212[0]), nullptr, 0},
    {0, 20, kT2038, int(sizeof kT2038 / sizeof kT2038[0]), nullptr, 0},
    {0, 28, kGST370, int(sizeof kGST370 / sizeof kGST370[0]), nullptr, 0},
    {0, 30, kT626, int(sizeof kT626 / sizeof kT626[0]), nullptr, 0},
    {0, 37, kT2017, int(sizeof kT2017 / sizeof kT2017[0]), nullptr, 0},
    {0, 40, kT657, int(sizeof kT657 / sizeof kT657[0]), nullptr, 0},
    {0, 103, kT1223, int(sizeof kT1223 / sizeof kT1223[0]), nullptr, 0},
    {0, 105, kT746, int(sizeof kT746 / sizeof kT746[0]), nullptr, 0},
    {0, 113, kT1170, int(sizeof kT1170 / sizeof kT1170[0]), nullptr, 0},
    {0, 173, kT224, int(sizeof kT224 / sizeof kT224[0]), nullptr, 0},
    {0, 174, kT225, int(sizeof kT225 / sizeof kT225[0]), nullptr, 0},
    {0, 193, kT2043, int(sizeof kT2043 / sizeof kT2043[0]), nullptr, 0},
    {0, 199, kT2039, int(sizeof kT2039 / sizeof kT2039[0]), nullptr, 0},
    {0, 212, kT2048, int(sizeof kT2048 / sizeof kT2048[0]), nullptr, 0},
    {0, 213, kT1198, int(sizeof kT1198 / sizeof kT1198[0]), nullptr, 0},
    {0, 186, kT1044, int(sizeof kT1044 / sizeof kT1044[0]), nullptr, 0},
    {0, 145, kRC359, int(sizeof kRC359 / sizeof kRC359[0]), nullptr, 0},
    {0, 149, kRC383, int(sizeof kRC383 / sizeof kRC383[0]), nullptr, 0},
    {0, 15, kT1163, int(sizeof kT1163 / sizeof kT1163[0]), nullptr, 0},
    {0, 21, kT2042, int(sizeof kT2042 / sizeof kT2042[0]), nullptr, 0},
    {0, 51, kT2121, int(sizeof kT2121 / sizeof kT2121[0]), nullptr, 0},
    {0, 39, kT1A, int(sizeof kT1A / sizeof kT1A[0]), nullptr, 0},
    {0, 107, kT1229, int(sizeof kT1229 / sizeof kT1229[0]), nullptr, 0},
    {0, 136, kRC267, int(sizeof kRC267 / sizeof kRC267[0]), nullptr, 0},
    {0, 137, kRC268, int(sizeof kRC268 / sizeof kRC268[0]), nullptr, 0},
    {0, 138, kRC269, int(sizeof kRC269 / sizeof kRC269[0]), nullptr, 0},
    {0, 207, kT1248D, int(sizeof kT1248D / sizeof kT1248D[0]), nullptr, 0},
    {0, 57, kCPT20, int(sizeof kCPT20 / sizeof kCPT20[0]), nullptr, 0},
    {0, 181, kT185, int(sizeof kT185 / sizeof kT185[0]), nullptr, 0},
    {0, 184, kRC59, int(sizeof kRC59 / sizeof kRC59[0]), nullptr, 0},
    {0, 185, kRC59X, int(sizeof kRC59X / sizeof kRC59X[0]), nullptr, 0},
    {0, 116, kT1ADJ, int(sizeof kT1ADJ / sizeof kT1ADJ[0]), nullptr, 0},
    {0, 147, kT2091, int(sizeof kT2091 / sizeof kT2091[0]), nullptr, 0},
    {0, 160, kT2091, int(sizeof kT2091 / sizeof kT2091[0]), nullptr, 0},
    {0, 101, kT1135, int(sizeof kT1135 / sizeof kT1135[0]), kT1135Sections, 4},
    {0, 171, kT90, int(sizeof kT90 / sizeof kT90[0]), nullptr, 0},
    {0, 38, kT5013S, int(sizeof kT5013S / sizeof kT5013S[0]), nullptr, 0},
    {0, 89, kT1219, int(sizeof kT1219 / sizeof kT1219[0]), nullptr, 0},
    {0, 92, kTL2, int(sizeof kTL2 / sizeof kTL2[0]), nullptr, 0},
    {0, 97, kT1153, int(sizeof kT1153 / sizeof kT1153[0]), nullptr, 0},
    {0, 8, kSch8Old, int(sizeof kSch8Old / sizeof kSch8Old[0]), nullptr, 0},
    {0, 109, kT1273, int(sizeof kT1273 / sizeof kT1273[0]), nullptr, 0},
    {0, 93, kT1Summary, int(sizeof kT1Summary / sizeof kT1Summary[0]), kT1SummarySections, 4},
};
extern const int kFormCaptionCount = int(sizeof kFormCaptions / sizeof kFormCaptions[0]);

#define ROW_COLUMNS(t) t, int(sizeof t / sizeof t[0])
extern const RowListCaptions kRowListCaptions[] = {
    {0, FormType::Schedule3, 0, "Properties disposed of", 0, ROW_COLUMNS(kSch3Dispositions), 0},
    {0, FormType::Schedule9, 0, "Donations and gifts (one row per receipt)", 0, ROW_COLUMNS(kSch9Donations), 0},
    {0, FormType::T776, 0, "Expenses", 3, ROW_COLUMNS(kStatementExpenses), 0},
    {0, FormType::T2125, 0, "Expenses", 3, ROW_COLUMNS(kStatementExpenses), 0},
    {0, FormType::T2125Partnership, 0, "Expenses", 3, ROW_COLUMNS(kStatementExpenses), 0},
    {0, FormType::T777, 0, "Employment expenses", 0, ROW_COLUMNS(kStatementLines), 0},
    {0, FormType::T2042, 0, "Income and expense details", 0, ROW_COLUMNS(kStatementLines), 0},
    {0, FormType::T2121, 0, "Fishing expenses", 0, ROW_COLUMNS(kStatementLines), 0},
    {0, FormType::T1163, 0, "Income and expense details", 0, ROW_COLUMNS(kStatementLines), 0},
    {0, FormType::T1273, 0, "Income and expense details", 0, ROW_COLUMNS(kStatementLines), 0},
    {0, FormType::T2209, 0, "Foreign income and tax by country", 0, ROW_COLUMNS(kT2209Countries), 0},
    {0, FormType::T1135, 0, "Specified foreign property", 2, ROW_COLUMNS(kT1135Properties), 0},
    {0, FormType::T1_ADJ, 0, "Lines to change", 0, ROW_COLUMNS(kT1ADJLines), 0},
    {0, FormType::T5013Schedule, 0, "Partnerships", 0, ROW_COLUMNS(kT5013Partnerships), 0},
    {0, FormType::T1A, 0, "Non-capital loss by source", 0, ROW_COLUMNS(kT1ASources), 0},
    {0, FormType::CPT20, 0, "Amounts of the T4 slips", 0, ROW_COLUMNS(kCPT20Slips), RowListCaptions::FixedRows},
    {0, FormType::T2222, 0, "Trips of the travel deduction: each gives the lowest of the taxable travel benefit from "
                            "the employer (T4 box 32) or, for a traveller without one, the part of the traveller's "
                            "1,200 standard amount used for the trip, the travel expenses and the lowest return "
                            "airfare to the nearest designated city (half in the intermediate zone); a traveller's "
                            "trips beyond the second that are not medical give nothing",
     0, ROW_COLUMNS(kT2222Trips), 0},
};
#undef ROW_COLUMNS
extern const int kRowListCaptionCount = int(sizeof kRowListCaptions / sizeof kRowListCaptions[0]);
