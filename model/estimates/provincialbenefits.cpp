#include "provincialbenefits.h"
#include "formtypes.h"
#include "taxrates2024.h"

#include <algorithm>

namespace {

namespace pb = tax2024::provbenefits;
using tax2024::cents;

double over(double income, double threshold)
{
    return std::max(0.0, income - threshold);
}

// An amount less its reduction, each to the cent, never below nil.
double reduced(double amount, double reduction)
{
    return std::max(0.0, cents(cents(amount) - cents(reduction)));
}

// A single parent claims the first child as an eligible dependant, in a spouse's place.
bool hasEligibleDependant(const BenefitFamily &f)
{
    return !f.hasSpouse && f.childrenUnder19() > 0;
}

// The children under 19 beyond an eligible dependant.
int otherChildren(const BenefitFamily &f)
{
    return f.childrenUnder19() - (hasEligibleDependant(f) ? 1 : 0);
}

// The first n entries of a table of amounts by child, in order.
template <size_t N>
double sumFirst(const double (&table)[N], int n)
{
    double total = 0.0;
    for (int i = 0; i < std::min(n, int(N)); ++i)
        total += table[i];
    return total;
}

// A table by the number of children, with an amount for each child beyond its last column.
template <size_t N>
double byChildren(const double (&table)[N], double beyond, int n)
{
    if (n <= 0)
        return 0.0;
    return n <= int(N) ? table[n - 1] : table[N - 1] + beyond * (n - int(N));
}

} // namespace

// ---- Ontario

double ontarioSalesTaxCredit(const BenefitFamily &f)
{
    namespace on = pb::on;
    const int persons = 1 + (f.hasSpouse ? 1 : 0) + f.childrenUnder19();
    const double threshold = f.isFamily() ? on::kSalesTaxThresholdFamily : on::kSalesTaxThresholdSingle;
    return reduced(on::kSalesTaxCredit * persons, over(f.familyNetIncome, threshold) * on::kSalesTaxReductionRate);
}

// The steps of the calculation sheets: the occupancy cost, the energy part, the property
// part, then the reduction on the family net income.
EnergyPropertyCredit ontarioEnergyPropertyTaxCredit(const BenefitFamily &f, const OntarioHousing &h)
{
    namespace on = pb::on;
    EnergyPropertyCredit c;
    if (!h.appliesEnergyProperty)
        return c;
    const double student = h.studentResidence ? on::kStudentResidenceAmount : 0.0;
    c.occupancyCost = cents(std::max(0.0, h.rent) * on::kOccupancyRentShare + std::max(0.0, h.propertyTax) + student);
    c.energy = std::min(on::kEnergyMax, cents(std::max(0.0, h.longTermCare) * on::kLongTermCareShare
                                              + std::max(0.0, h.reserveEnergy) + c.occupancyCost - student));
    const double base = f.senior ? on::kPropertyBaseSenior : on::kPropertyBase;
    const double cap = f.senior ? on::kPropertyCapSenior : on::kPropertyCap;
    c.property = std::min(c.occupancyCost, base + std::min(cents(c.occupancyCost * on::kPropertyRate), cap));
    double threshold = f.isFamily() ? on::kEnergyPropertyThresholdFamily : on::kEnergyPropertyThresholdSingle;
    if (f.senior)
        threshold = f.isFamily() ? on::kEnergyPropertyThresholdSeniorFamily : on::kEnergyPropertyThresholdFamily;
    c.credit = reduced(c.energy + c.property, over(f.familyNetIncome, threshold) * on::kEnergyPropertyReductionRate);
    return c;
}

double northernOntarioEnergyCredit(const BenefitFamily &f)
{
    namespace on = pb::on;
    const bool family = f.isFamily();
    const double threshold = family ? on::kNorthernThresholdFamily : on::kNorthernThresholdSingle;
    return reduced(family ? on::kNorthernFamily : on::kNorthernSingle,
                   over(f.familyNetIncome, threshold) * on::kNorthernReductionRate);
}

// The reduced grant, at most the property tax paid.
double ontarioSeniorHomeownersGrant(const BenefitFamily &f, double propertyTax)
{
    namespace on = pb::on;
    if (propertyTax <= 0.0)
        return 0.0;
    const double threshold = f.hasSpouse ? on::kSeniorGrantThresholdCouple : on::kSeniorGrantThresholdSingle;
    const double grant = reduced(on::kSeniorGrantMax, over(f.familyNetIncome, threshold) * on::kSeniorGrantReductionRate);
    return std::min(grant, cents(propertyTax));
}

double ontarioTrilliumBenefit(const BenefitFamily &f, const OntarioHousing &h, bool salesTax, double seniorGrant)
{
    namespace on = pb::on;
    double total = salesTax ? ontarioSalesTaxCredit(f) : 0.0;
    const EnergyPropertyCredit e = ontarioEnergyPropertyTaxCredit(f, h);
    // the grant and the credit together cover no more than the energy part and the occupancy cost
    const double cut = over(seniorGrant + e.credit, e.energy + e.occupancyCost);
    total += std::max(0.0, cents(e.credit - cut));
    const bool paidForHousing = h.rent > 0.0 || h.propertyTax > 0.0 || h.longTermCare > 0.0 || h.reserveEnergy > 0.0
                                || h.studentResidence;
    if (h.appliesNorthern && paidForHousing)
        total += northernOntarioEnergyCredit(f);
    if (total <= on::kTrilliumNotPaid)
        return 0.0;
    return std::max(total, on::kTrilliumMinimumPayment);
}

double ontarioChildBenefit(const BenefitFamily &f)
{
    namespace on = pb::on;
    return reduced(on::kChildBenefit * f.childrenUnder18(),
                   over(f.familyNetIncome, on::kChildBenefitThreshold) * on::kChildBenefitReductionRate);
}

// ---- the other provinces and territories

// The larger of the benefit reduced from 29,526 and its floor reduced from 94,483.
double bcFamilyBenefit(const BenefitFamily &f)
{
    namespace bc = pb::bc;
    const int n = f.childrenUnder18();
    if (n <= 0)
        return 0.0;
    const int others = std::max(0, n - 2);
    const double full = bc::kFirstChild + (n >= 2 ? bc::kSecondChild : 0.0) + bc::kOtherChild * others
                        + (f.hasSpouse ? 0.0 : bc::kSingleParent);
    const double floor = bc::kFloorFirstChild + (n >= 2 ? bc::kFloorSecondChild : 0.0) + bc::kFloorOtherChild * others;
    return std::max(reduced(full, over(f.familyNetIncome, bc::kThreshold) * bc::kReductionRate),
                    reduced(floor, over(f.familyNetIncome, bc::kFloorThreshold) * bc::kReductionRate));
}

// The working part above 46,191 is left out: its reduction is not known.
double albertaChildFamilyBenefit(const BenefitFamily &f)
{
    namespace ab = pb::ab;
    const int n = std::min(f.childrenUnder18(), ab::kChildren);
    if (n <= 0)
        return 0.0;
    const double income = f.familyNetIncome;
    double base = sumFirst(ab::kBase, n);
    if (income > ab::kBaseThreshold)
        base = cents(base * over(ab::kBaseNil, income) / (ab::kBaseNil - ab::kBaseThreshold));
    double working = 0.0;
    if (income <= ab::kWorkingThreshold)
        working = std::min(sumFirst(ab::kWorking, n),
                           cents(over(f.familyWorkingIncome, ab::kWorkingIncomeFloor) * ab::kWorkingPhaseInRate));
    return cents(base + working);
}

double saskatchewanLowIncomeCredit(const BenefitFamily &f)
{
    namespace sk = pb::sk;
    const int adults = 1 + (f.hasSpouse || hasEligibleDependant(f) ? 1 : 0);
    const int children = std::min(otherChildren(f), sk::kChildren);
    const double credit = std::min(sk::kFamilyMax, sk::kAdult * adults + sk::kChild * children);
    return reduced(credit, over(f.familyNetIncome, sk::kThreshold) * sk::kReductionRate);
}

double nbHstCredit(const BenefitFamily &f)
{
    namespace nb = pb::nb;
    const int adults = 1 + (f.hasSpouse || hasEligibleDependant(f) ? 1 : 0);
    return reduced(nb::kHstAdult * adults + nb::kHstChild * otherChildren(f),
                   over(f.familyNetIncome, nb::kHstThreshold) * nb::kHstReductionRate);
}

double nbChildTaxBenefit(const BenefitFamily &f)
{
    namespace nb = pb::nb;
    const int n = f.childrenUnder18();
    const double rate = n == 1 ? nb::kChildRateOne : nb::kChildRateMore;
    return reduced(nb::kChildBenefit * n, over(f.familyNetIncome, nb::kChildThreshold) * rate);
}

double nbWorkingIncomeSupplement(const BenefitFamily &f)
{
    namespace nb = pb::nb;
    if (f.childrenUnder18() <= 0)
        return 0.0;
    const double earned = std::min(nb::kWorkingMax, over(f.familyWorkingIncome, nb::kWorkingIncomeFloor) * nb::kWorkingRate);
    return reduced(earned, over(f.familyNetIncome, nb::kWorkingThreshold) * nb::kWorkingReductionRate);
}

double nbSchoolSupplement(const BenefitFamily &f)
{
    namespace nb = pb::nb;
    return f.familyNetIncome <= nb::kSchoolIncomeLimit ? nb::kSchoolSupplement * f.schoolAgeChildren : 0.0;
}

// Nothing above 17,397, where its reduction is not known.
double nlChildBenefit(const BenefitFamily &f)
{
    namespace nl = pb::nl;
    const int n = f.childrenUnder18();
    if (n <= 0 || f.familyNetIncome > nl::kChildThreshold)
        return 0.0;
    const int columns = int(sizeof nl::kChildMonthly / sizeof nl::kChildMonthly[0]);
    const double monthly = sumFirst(nl::kChildMonthly, n) + nl::kChildMonthly[columns - 1] * std::max(0, n - columns);
    return cents(monthly * 12.0);
}

double nlIncomeSupplement(const BenefitFamily &f)
{
    namespace nl = pb::nl;
    const double phaseIn = std::min(nl::kSupplementPhaseInMax,
                                    cents(over(f.familyNetIncome, nl::kSupplementPhaseInFloor) * nl::kSupplementPhaseInRate));
    const double credit = nl::kSupplementBasic + phaseIn + (f.hasSpouse ? nl::kSupplementSpouse : 0.0)
                          + nl::kSupplementChild * f.childrenUnder19() + nl::kSupplementDisability * f.disabledPersons;
    return reduced(credit, over(f.familyNetIncome, nl::kSupplementThreshold) * nl::kSupplementReductionRate);
}

double nlDisabilityBenefit(double familyNetIncome, int age, bool spouseAlsoDisabled)
{
    namespace nl = pb::nl;
    if (age < nl::kDisabilityMinAge || age > nl::kDisabilityMaxAge)
        return 0.0;
    const double rate = spouseAlsoDisabled ? nl::kDisabilityRateBoth : nl::kDisabilityRate;
    return reduced(nl::kDisabilityBenefit, over(familyNetIncome, nl::kDisabilityThreshold) * rate);
}

double nsChildBenefit(const BenefitFamily &f)
{
    namespace ns = pb::ns;
    const int n = f.childrenUnder18();
    if (n <= 0 || f.familyNetIncome >= ns::kChildNil)
        return 0.0;
    if (f.familyNetIncome < ns::kChildThreshold)
        return ns::kChildBenefit * n;
    return ns::kChildBenefit + ns::kChildBenefitOthers * (n - 1);
}

double nsAffordableLivingCredit(const BenefitFamily &f)
{
    namespace ns = pb::ns;
    return reduced(ns::kLivingCredit + ns::kLivingChild * f.childrenUnder19(),
                   over(f.familyNetIncome, ns::kLivingThreshold) * ns::kLivingReductionRate);
}

double peiChildBenefit(const BenefitFamily &f)
{
    namespace pe = pb::pe;
    if (f.familyNetIncome > pe::kChildNil)
        return 0.0;
    const double monthly = f.familyNetIncome < pe::kChildThreshold ? pe::kChildMonthly : pe::kChildMonthlyReduced;
    return monthly * 12.0 * f.childrenUnder18();
}

double peiSalesTaxCredit(const BenefitFamily &f)
{
    namespace pe = pb::pe;
    const double supplement = std::min(pe::kSupplementMax,
                                       cents(over(f.familyNetIncome, pe::kSupplementFloor) * pe::kSupplementRate));
    const double credit = pe::kSalesTaxAdult + (f.hasSpouse || hasEligibleDependant(f) ? pe::kSalesTaxSpouse : 0.0)
                          + supplement;
    return reduced(credit, over(f.familyNetIncome, pe::kSalesTaxThreshold) * pe::kSalesTaxReductionRate);
}

double nwtChildBenefit(const BenefitFamily &f)
{
    namespace nt = pb::nt;
    const double full = byChildren(nt::kUnder6, nt::kUnder6Each, f.childrenUnder6)
                        + byChildren(nt::k6To17, nt::k6To17Each, f.children6To17);
    return reduced(full, full * over(f.familyNetIncome, nt::kThreshold) / (nt::kNil - nt::kThreshold));
}

double provincialCreditsWithGstHst(int province, const BenefitFamily &f)
{
    switch (province) {
    case Province::Saskatchewan: return saskatchewanLowIncomeCredit(f);
    case Province::NewBrunswick: return nbHstCredit(f);
    case Province::NewfoundlandandLabrador: return nlIncomeSupplement(f);
    case Province::NovaScotia: return nsAffordableLivingCredit(f);
    case Province::PrinceEdwardIsland: return peiSalesTaxCredit(f);
    default: return 0.0;
    }
}

double provincialChildBenefits(int province, const BenefitFamily &f)
{
    switch (province) {
    case Province::Ontario: return ontarioChildBenefit(f);
    case Province::BritishColumbia: return bcFamilyBenefit(f);
    case Province::Alberta: return albertaChildFamilyBenefit(f);
    case Province::NewBrunswick:
        return cents(nbChildTaxBenefit(f) + nbWorkingIncomeSupplement(f) + nbSchoolSupplement(f));
    case Province::NewfoundlandandLabrador: return nlChildBenefit(f);
    case Province::NovaScotia: return nsChildBenefit(f);
    case Province::PrinceEdwardIsland: return peiChildBenefit(f);
    case Province::NorthwestTerritories: return nwtChildBenefit(f);
    default: return 0.0;
    }
}

bool hasProvincialBenefitEstimate(int province)
{
    return province != Province::Manitoba && province != Province::Quebec && province != Province::Yukon &&
           province != Province::Nunavut;
}

bool readsFamilyWorkingIncome(int province)
{
    return province == Province::Alberta || province == Province::NewBrunswick;
}
