// Captions of the Express Wizard records (kind 2): the person's answers in the
// form's words, one page per record named after it.
#include "fieldcaptions.h"

namespace {
constexpr unsigned C = FieldCaption::Calculated;
constexpr unsigned I = FieldCaption::Internal;
constexpr unsigned S = FieldCaption::Sin;

const FieldCaption kGeneral[] = {
    {"ElectionsCanada", "", "Authorize the CRA to give your name, address, date of birth and citizenship to Elections Canada", 0, nullptr, 0},
    {"ForeignPropertyOver100K", "", "You owned or held specified foreign property costing more than $100,000 in 2024 (Form T1135)", 0, nullptr, 0},
    {"OrganDonor", "", "Share your name and contact information with your province's organ and tissue donor registry", 0, nullptr, 0},
    {"RuralSupplement", "", "You lived outside a census metropolitan area (rural supplement of the Canada carbon rebate)", 0, nullptr, 0},
    {"SelfEmployedJune15", "", "You or your spouse or common-law partner carried on a business in 2024 (return due June 15)", 0, nullptr, 0},
    {"FirstTimeFiler", "", "You are filing an income tax return with the CRA for the first time", 0, nullptr, 0},
    {"Instalments", "47600", "Tax paid by instalments", 0, nullptr, 0},
    {"OtherIncome", "13000", "Other income", 0, nullptr, 0},
    {"Donations", "34000", "Charitable donations and gifts (Schedule 9)", 0, nullptr, 0},
    {"EcologicalGifts", "34200", "Ecological gifts (Schedule 9)", 0, nullptr, 0},
};
const char *const kGeneralSections[] = {"General Information"};

const FieldCaption kLastYear[] = {
    {"FedUnusedTuition", "", "Unused federal tuition, education and textbook amounts carried from 2023 (Schedule 11)", 0, nullptr, 0},
    {"ProvUnusedTuition", "", "Unused provincial tuition amounts carried from 2023", 0, nullptr, 0},
    {"RRSPDeductionLimit", "", "RRSP deduction limit for 2024 (from your notice of assessment)", 0, nullptr, 0},
    {"UnusedRRSPContrib", "", "Unused RRSP, PRPP and SPP contributions from previous years", 0, nullptr, 0},
    {"HBPRepayment", "", "Home Buyers' Plan repayment due for 2024", 0, nullptr, 0},
    {"LLPRepayment", "", "Lifelong Learning Plan repayment due for 2024", 0, nullptr, 0},
    {"T1212Balance", "", "Deferred security option benefits at the end of 2023 (Form T1212)", 0, nullptr, 0},
    {"NetCapitalLosses", "", "Net capital losses of other years not yet applied", 0, nullptr, 0},
    {"NonCapitalLosses", "", "Non-capital losses of other years not yet applied", 0, nullptr, 0},
    {"CanadaTrainingCreditLimit", "", "Canada training credit limit for 2024 (from your notice of assessment)", 0, nullptr, 0},
};
const char *const kLastYearSections[] = {"Last Year's Amounts"};

const char *const kDependantSections[] = {"Dependants"};
const FieldCaption kDependantRows[] = {
    {"FirstName", "", "First name", 0, nullptr, 0},
    {"LastName", "", "Last name", 0, nullptr, 0},
    {"BirthDate", "", "Date of birth", 0, nullptr, 0},
    {"Relation", "", "Relationship", 0, "relation", 0},
    {"SIN", "", "Social insurance number", 0, nullptr, S},
    {"Infirm", "", "Infirm (mental or physical impairment)", 0, nullptr, 0},
    {"NetIncome", "", "Net income in 2024", 0, nullptr, 0},
};

const FieldCaption kMedical[] = {
    {"FirstName", "", "Your first name", 0, nullptr, C},
    {"LastName", "", "Your last name", 0, nullptr, C},
    {"SIN", "", "Your social insurance number", 0, nullptr, C | S},
    {"DateOfBirth", "", "Your date of birth", 0, nullptr, C},
    {"SelfExpenses", "33099", "Medical expenses for yourself, your spouse or common-law partner and your children under 18", 0, nullptr, 0},
    {"SelfReimbursed", "", "Of these expenses, the part reimbursed to you", 0, nullptr, 0},
    {"DisabilitySupports", "21500", "Disability supports deduction", 0, nullptr, 0},
};
const char *const kMedicalSections[] = {"Medical Expenses"};
const FieldCaption kMedicalRows[] = {
    {"Name", "", "Dependant", 0, nullptr, C},
    {"Expenses", "", "Medical expenses paid", 0, nullptr, 0},
    {"Reimbursed", "", "Part reimbursed", 0, nullptr, 0},
    {"Other1", "", "Dependant's net income (Dependants page)", 0, nullptr, C},
    {"Other2", "", "", 0, nullptr, I},
    {"Allowable", "", "Allowable amount", 0, nullptr, C},
};

const FieldCaption kRrsp[] = {
    {"UnusedContributions", "", "Unused RRSP, PRPP and SPP contributions from previous years", 0, nullptr, 0},
    {"DeductionLimit", "", "RRSP deduction limit for 2024 (Schedule 7, from last year's amounts)", 0, nullptr, C},
    {"HBPRepayment", "", "Repayment under the Home Buyers' Plan", 0, nullptr, 0},
    {"LLPRepayment", "", "Repayment under the Lifelong Learning Plan", 0, nullptr, 0},
    {"ContribFirst60Days", "", "Contributions to your RRSP made from January 1 to March 3, 2025", 0, nullptr, 0},
    {"ContribRestOfYear", "", "Contributions to your RRSP made from March 1 to December 31, 2024", 0, nullptr, 0},
    {"SpousalContrib", "", "Contributions to your spouse's or common-law partner's RRSP made from March 1 to December 31, 2024", 0, nullptr, 0},
};
const char *const kRrspSections[] = {"RRSP Contributions"};

const FieldCaption kProvincial[] = {
    {"ProvUnusedTuition", "", "Unused provincial tuition amounts carried from 2023", 0, nullptr, 0},
    {"RentPaid", "", "Rent paid for your principal residence in 2024", 0, nullptr, 0},
    {"PropertyTax", "", "Property tax paid for your principal residence in 2024", 0, nullptr, 0},
    {"ApplyBenefits", "", "Apply for the provincial credits and benefits worked out from this return", 0, nullptr, 0},
};
const char *const kProvincialSections[] = {"Provincial Information"};

#define ROWS(t) t, int(sizeof t / sizeof t[0])
} // namespace

extern const FormCaptions kWizardCaptions[] = {
    {2, 1, ROWS(kGeneral), kGeneralSections, 1},
    {2, 2, ROWS(kLastYear), kLastYearSections, 1},
    {2, 3, nullptr, 0, kDependantSections, 1},
    {2, 4, ROWS(kMedical), kMedicalSections, 1},
    {2, 5, ROWS(kRrsp), kRrspSections, 1},
    {2, 6, ROWS(kProvincial), kProvincialSections, 1},
};
extern const int kWizardCaptionCount = int(sizeof kWizardCaptions / sizeof kWizardCaptions[0]);

extern const RowListCaptions kWizardRowLists[] = {
    {2, 3, 0, "The family's dependants (shared by both spouses)", 0, ROWS(kDependantRows), RowListCaptions::SlotRows},
    {2, 4, 0, "Medical expenses of each dependant (a child under 18 is claimed with yours on line 33099; each "
              "other dependant on line 33199, over 3 % of the dependant's net income)",
     0, ROWS(kMedicalRows), RowListCaptions::FixedRows | RowListCaptions::NamedRows},
};
extern const int kWizardRowListCount = int(sizeof kWizardRowLists / sizeof kWizardRowLists[0]);
#undef ROWS
