// The pages of each province's Form 428: one list of rows, each shown for the
// provinces of its mask with that province's 2024 line and caption; a field that no
// row shows for a province is kept internal there.
#include "fieldcaptions.h"
#include "formtables.h"
#include <QByteArray>
#include <QSet>
#include <vector>

namespace {

constexpr unsigned bit(int province) { return 1u << province; }
constexpr unsigned AB = bit(1), BC = bit(2), MB = bit(3), NB = bit(4), NL = bit(5), NT = bit(6), NS = bit(7),
                   NU = bit(8), ON = bit(9), PE = bit(10), SK = bit(12), YT = bit(13);
constexpr unsigned ALL = AB | BC | MB | NB | NL | NT | NS | NU | ON | PE | SK | YT;
// The provinces that give a tuition amount for 2024 (AB, ON and SK do not).
constexpr unsigned TUITION = BC | MB | NB | NL | NT | NS | NU | PE | YT;
constexpr unsigned C = FieldCaption::Calculated;
constexpr unsigned I = FieldCaption::Internal;

enum Section { PartB, PartC, Entered };
const char *const kSections[] = {"Part B – Non-refundable tax credits", "Part C – Tax", "Amounts you enter"};

struct Row
{
    unsigned provinces;
    FieldCaption caption;
};

const Row kRows[] = {
    // Part B
    {ALL, {"BasicPersonal", "58040", "Basic personal amount", PartB, nullptr, C}},
    {ALL, {"Age", "58080", "Age amount", PartB, nullptr, C}},
    {ALL, {"Spouse", "58120", "Spouse or common-law partner amount", PartB, nullptr, C}},
    {ALL, {"EligibleDependant", "58160", "Amount for an eligible dependant", PartB, nullptr, C}},
    {YT, {"YukonCaregiverSpouse", "58170",
          "Canada caregiver amount for spouse or common-law partner, or eligible dependant age 18 or older (line 30425)",
          PartB, nullptr, C}},
    {BC, {"CaregiverBC", "58175", "British Columbia caregiver amount", PartB, nullptr, C}},
    {YT, {"YukonInfirmDependants", "58180", "Canada caregiver amount for infirm dependants age 18 or older (line 30450)",
          PartB, nullptr, C}},
    {ON, {"Caregiver", "58185", "Ontario caregiver amount", PartB, nullptr, C}},
    {YT, {"YukonInfirmChildren", "58189", "Canada caregiver amount for infirm children under 18 years of age (line 30500)",
          PartB, nullptr, C}},
    {AB | NB, {"InfirmDependants", "58200", "Amount for infirm dependants age 18 or older", PartB, nullptr, C}},
    {SK, {"ChildrenCount", "58209", "Number of dependent children born in 2006 or later", PartB, nullptr, C}},
    {SK, {"ChildAmount", "58210", "Amount for dependent children born in 2006 or later", PartB, nullptr, C}},
    {SK, {"SeniorSupplement", "58220", "Senior supplementary amount", PartB, nullptr, C}},
    {NS | PE, {"YoungChildrenCount", "58229", "Number of months a child under 6 lived with you on the first day",
               PartB, nullptr, C}},
    {NU, {"YoungChildrenCount", "63710", "Number of children under 6 years of age", PartB, nullptr, C}},
    {NS | PE, {"YoungChildren", "58230", "Amount for young children", PartB, nullptr, C}},
    {NU, {"YoungChildren", "58230", "Amount for young children less than 6 years of age", PartB, nullptr, C}},
    {ALL, {"CPP", "58240", "CPP or QPP contributions (from line 30800)", PartB, nullptr, C}},
    {ALL, {"CPPSelf", "58280", "CPP or QPP contributions on self-employment (from line 31000)", PartB, nullptr, C}},
    {ALL, {"EI", "58300", "EI premiums (from line 31200)", PartB, nullptr, C}},
    {ALL, {"EISelf", "58305", "EI premiums on self-employment (from line 31217)", PartB, nullptr, C}},
    {YT, {"EmploymentAmount", "58310", "Canada employment amount", PartB, nullptr, C}},
    {BC | NB | NL | SK, {"VolunteerFirefighters", "58315", "Volunteer firefighters' amount", PartB, nullptr, C}},
    {BC | NB | NL | SK, {"SearchAndRescue", "58316", "Search and rescue volunteers' amount", PartB, nullptr, C}},
    {SK, {"FirstResponders", "58317", "Volunteer emergency medical first responders' amount", PartB, nullptr, C}},
    {NL, {"ChildCare", "58320", "Child care amount (from line 21400)", PartB, nullptr, C}},
    {MB, {"Fitness", "58325", "Fitness amount", PartB, nullptr, C}},
    {MB | YT, {"ChildrenArts", "58326", "Children's arts amount", PartB, nullptr, C}},
    {AB | BC | MB | NL | ON | YT, {"Adoption", "58330", "Adoption expenses", PartB, nullptr, C}},
    {SK, {"HomeBuyers", "58357", "First-time home buyers' amount", PartB, nullptr, C}},
    {ALL, {"Pension", "58360", "Pension income amount", PartB, nullptr, C}},
    {PE, {"Wellness", "58365", "Children's wellness tax credit amount", PartB, nullptr, C}},
    {AB | NB, {"CaregiverAmount", "58400", "Caregiver amount", PartB, nullptr, C}},
    {ALL, {"Disability", "58440", "Disability amount for self", PartB, nullptr, C}},
    {ALL, {"DisabilityTransferred", "58480", "Disability amount transferred from a dependant", PartB, nullptr, C}},
    {PE, {"TeacherSupplies", "58500", "Teacher school supply amount", PartB, nullptr, C}},
    {ALL, {"StudentLoanInterest", "58520", "Interest paid on student loans", PartB, nullptr, C}},
    {ALL, {"Tuition", "58560", "Tuition and education amounts", PartB, nullptr, C}},
    {TUITION, {"TuitionFromChild", "58600", "Tuition amounts transferred from a child or grandchild", PartB,
               nullptr, 0}},
    {ALL, {"SpouseTransfer", "58640", "Amounts transferred from spouse or common-law partner", PartB, nullptr, C}},
    {ALL, {"Medical", "58689", "Medical expenses", PartB, nullptr, C}},
    {ALL, {"MedicalOther", "58729", "Allowable medical expenses for other dependants", PartB, nullptr, C}},
    {ALL, {"TotalAmounts", "58800", "Total provincial credit amounts", PartB, nullptr, C}},
    {ALL, {"NonRefundableCredits", "58840", "Credit amounts × lowest provincial rate", PartB, nullptr, C}},
    {ALL, {"Donations", "58969", "Donations and gifts", PartB, nullptr, C}},
    {ALL, {"TotalCredits", "61500", "Non-refundable tax credits", PartB, nullptr, C}},

    // Part C
    {ALL, {"TaxableIncome", "26000", "Taxable income", PartC, nullptr, C}},
    {ALL, {"TaxOnIncome", "", "Tax on taxable income", PartC, nullptr, C}},
    {ALL, {"SplitIncomeTax", "61510", "Tax on split income (Form T1206)", PartC, nullptr, C}},
    {ALL, {"TaxAfterCredits", "", "Tax after non-refundable credits", PartC, nullptr, C}},
    {ON, {"Surtax", "", "Ontario surtax", PartC, nullptr, C}},
    {ALL, {"DividendCredit", "61520", "Dividend tax credit", PartC, nullptr, C}},
    {ALL, {"MinimumTaxCarryover", "61540", "Provincial or territorial minimum tax carryover", PartC, nullptr, C}},
    {ALL, {"AdditionalMinimumTax", "", "Provincial or territorial additional tax for minimum tax purposes", PartC,
           nullptr, C}},
    {BC, {"LowIncomeReduction", "", "British Columbia tax reduction", PartC, nullptr, C}},
    {MB, {"LowIncomeReduction", "61470", "Family tax benefit (Schedule MB428-A)", PartC, nullptr, C}},
    {NB | NL | NS | PE, {"LowIncomeReduction", "", "Low-income tax reduction", PartC, nullptr, C}},
    {ON, {"LowIncomeReduction", "", "Ontario tax reduction", PartC, nullptr, C}},
    {NB, {"SpouseLowIncomeReduction", "61560", "Unused low-income tax reduction claimed from your spouse", PartC,
          nullptr, C}},
    {PE, {"SpouseLowIncomeReduction", "63360", "Unused low-income tax reduction claimed from your spouse", PartC,
          nullptr, C}},
    {NL, {"SpouseLowIncomeReduction", "", "Unused low-income tax reduction claimed from your spouse", PartC, nullptr,
          C}},
    {NB | NL | PE, {"LowIncomeUnused", "", "Your low-income tax reduction left unused (your spouse may claim it)",
                    PartC, nullptr, C}},
    {ON, {"LowIncomeCredit", "62140", "Low-income individuals and families tax (LIFT) credit", PartC, nullptr, C}},
    {ON, {"Dependants", "60969", "Number of dependent children born in 2006 or later (tax reduction)", PartC, nullptr,
          C}},
    {ON, {"ImpairedDependants", "60970", "Number of dependants with a mental or physical impairment (tax reduction)",
          PartC, nullptr, C}},
    {NS | PE, {"Dependants", "", "Number of dependent children (low-income tax reduction)", PartC, nullptr, C}},
    {MB, {"Dependants", "60760", "Number of dependent children (family tax benefit)", PartC, nullptr, C}},
    {MB, {"DisabilityClaims", "60720", "Number of disability amounts claimed (family tax benefit)", PartC, nullptr,
          C}},
    {ALL, {"ForeignCredit", "", "Provincial foreign tax credit (Form T2036)", PartC, nullptr, 0}},
    {BC, {"FoodDonationCreditBC", "58980", "Farmers' food donation tax credit", PartC, nullptr, C}},
    {NS, {"FoodDonationCredit", "62150", "Food bank tax credit for farmers", PartC, nullptr, C}},
    {ON, {"FoodDonationCredit", "62150", "Community food program donation tax credit for farmers", PartC, nullptr,
          C}},
    {NB, {"PoliticalCredit", "61550", "New Brunswick political contribution tax credit", PartC, nullptr, C}},
    {NU, {"VolunteerCredit", "", "Volunteer firefighters' tax credit", PartC, nullptr, C}},
    {ON, {"HealthPremium", "", "Ontario health premium", PartC, nullptr, C}},
    {ALL, {"ProvincialTax", "42800", "Provincial or territorial tax", PartC, nullptr, C}},

    // typed by the preparer
    {MB, {"FitnessFees", "",
          "Fitness amount: eligible fees (up to 500 for each person under 25, 500 more for a child with a disability)",
          Entered, nullptr, 0}},
    {MB, {"ArtsFees", "",
          "Children's arts amount: eligible fees (up to 500 for each child under 16, or under 18 with a disability, "
          "500 more for a child with a disability)",
          Entered, nullptr, 0}},
    {YT, {"ArtsFees", "", "Children's arts amount: eligible fees (up to 500 for each child)", Entered, nullptr, 0}},
    {PE, {"WellnessFees", "", "Children's wellness tax credit: eligible fees (up to 1,000 for each child under 18)",
          Entered, nullptr, 0}},
    {PE, {"TeacherSupplyExpenses", "", "Teacher school supply amount: eligible supplies bought (up to 500)", Entered,
          nullptr, 0}},
    {BC, {"FarmerFoodGifts", "", "Farmers' food donation tax credit: qualifying gifts of agricultural products",
          Entered, nullptr, 0}},
    {NS, {"FarmerFoodGifts", "", "Food bank tax credit for farmers: qualifying donations of agricultural products",
          Entered, nullptr, 0}},
    {ON, {"FarmerFoodGifts", "", "Community food program donation tax credit for farmers: qualifying donations",
          Entered, nullptr, 0}},
    {NB, {"PoliticalContributions", "", "New Brunswick political contributions made in 2024", Entered, nullptr, 0}},
    {NL, {"AdoptionClaimed", "",
          "Adoption expenses (line 58330) as worked on the form, where its 2024 maximum per child allows more than "
          "the 11,878 a child the program claims (up to line 31300)",
          Entered, nullptr, 0}},
    {SK, {"FirstResponderVolunteer", "",
          "You were a volunteer emergency medical first responder for at least 200 hours in 2024", Entered, nullptr,
          0}},
    {AB | NB, {"DependantsLivedWithYou", "",
               "Your infirm dependants 18 or older lived with you (caregiver amount, not the amount for infirm "
               "dependants)",
               Entered, nullptr, 0}},
    {NB | NL | PE, {"SpouseUnusedReduction", "",
                    "Your spouse's low-income tax reduction left unused (a coupled return takes it from the "
                    "spouse's form)",
                    Entered, nullptr, 0}},

    // facts the plug-in fills from the return
    {ALL, {"NetIncome", "", "", PartB, nullptr, I}},
    {ALL, {"Age65", "", "", PartB, nullptr, I}},
    {ALL, {"HasSpouse", "", "", PartB, nullptr, I}},
    {ALL, {"SpouseNetIncome", "", "", PartB, nullptr, I}},
    {ALL, {"SpouseAge65", "", "", PartB, nullptr, I}},
    {ALL, {"ClaimsSpouse", "", "", PartB, nullptr, I}},
    {ALL, {"ClaimsEligibleDependant", "", "", PartB, nullptr, I}},
    {ALL, {"DependantNetIncome", "", "", PartB, nullptr, I}},
    {ALL, {"FamilyClaimant", "", "", PartB, nullptr, I}},
    {ALL, {"EligiblePension", "", "", PartB, nullptr, I}},
    {ALL, {"EmploymentIncome", "", "", PartB, nullptr, I}},
    {ALL, {"EligibleDividends", "", "", PartB, nullptr, I}},
    {ALL, {"OtherDividends", "", "", PartB, nullptr, I}},
    {ALL, {"DonationsAllowed", "", "", PartB, nullptr, I}},
    {ALL, {"ResidenceShare", "", "", PartB, nullptr, I}},
    {ALL, {"FederalMinimumTax", "", "", PartB, nullptr, I}},
    {ALL, {"FederalMinimumTaxCarryover", "", "", PartB, nullptr, I}},
    {ALL, {"SplitIncome", "", "", PartB, nullptr, I}},
    {ALL, {"FederalSpouseAmount", "", "", PartB, nullptr, I}},
    {ALL, {"SpouseDisabled", "", "", PartB, nullptr, I}},
    {ALL, {"FirefighterClaimed", "", "", PartB, nullptr, I}},
};

// The rows of one province's form: the first row of each key shown there, every other
// key of the list kept internal.
std::vector<FieldCaption> rowsOf(int province)
{
    std::vector<FieldCaption> rows;
    QSet<QByteArray> listed;
    for (const Row &r : kRows)
        if ((r.provinces & bit(province)) && !listed.contains(r.caption.key)) {
            rows.push_back(r.caption);
            listed.insert(r.caption.key);
        }
    for (const Row &r : kRows)
        if (!listed.contains(r.caption.key)) {
            rows.push_back({r.caption.key, "", "", PartB, nullptr, I});
            listed.insert(r.caption.key);
        }
    return rows;
}

bool is428(int type)
{
    const char *name = Global_Forms_Info[type].name;
    const size_t n = qstrlen(name);
    return n >= 3 && qstrcmp(name + n - 3, "428") == 0;
}

// One table per 428 of the form table, by province.
struct ProvinceTables
{
    std::vector<FieldCaption> rows[kProvinceCount];
    FormCaptions captions[kProvinceCount] = {};
};

const ProvinceTables &tables()
{
    static const ProvinceTables t = [] {
        ProvinceTables built;
        for (int type = 1; type < kFormTableSize; ++type) {
            const int p = Global_Forms_Info[type].province;
            if (!is428(type) || p <= 0 || p >= kProvinceCount || !(ALL & bit(p)))
                continue;
            built.rows[p] = rowsOf(p);
            built.captions[p] = {0, type, built.rows[p].data(), int(built.rows[p].size()), kSections,
                                 int(sizeof kSections / sizeof kSections[0])};
        }
        return built;
    }();
    return t;
}

} // namespace

// The captions of a province's 428; null for any other form type.
const FormCaptions *provincialTaxCaptions(int type)
{
    if (type <= 0 || type >= kFormTableSize)
        return nullptr;
    const int province = Global_Forms_Info[type].province;
    if (province <= 0 || province >= kProvinceCount)
        return nullptr;
    const FormCaptions &c = tables().captions[province];
    return c.type == type && c.rows ? &c : nullptr;
}
