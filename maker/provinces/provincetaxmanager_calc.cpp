// The province's 2024 tax worked from the T1 during the calculation stages.
#include "provincetaxmanager.h"
#include "dependantinfostruct.h"
#include "formtables.h"
#include "provincetaxmanager_checks.h"
#include "taxdata_provcredits479.h"
#include "taxdata_t2209_2036.h"
#include "taxdata_provsch11.h"
#include "taxdata_provsch2.h"
#include "taxdata_provtax428.h"
#include <QVarLengthArray>
#include "taxdata_sch5.h"
#include "taxdata_sch9.h"
#include "taxdata_t1new.h"
#include "taxrates2024.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <typeinfo>
#include <cstring>

namespace {

using T1 = TaxData_T1New;
using F428 = TaxData_ProvTax428;
constexpr int kOntario = 9;
// Dependent children are those 18 or younger at the end of the year (born in 2006 or later).
constexpr int kChildMaxAge = 18;

// The form type of the province's 428; 0 when it has none (Quebec).
int taxFormType(int province)
{
    if (province < 0 || province >= kProvinceCount)
        return 0;
    const ProvinceForms &p = Province_Forms_Info[province];
    for (int i = 0; i < p.count; ++i) {
        const char *name = Global_Forms_Info[p.rows[i].type].name;
        const size_t n = std::strlen(name);
        if (n >= 3 && std::strcmp(name + n - 3, "428") == 0)
            return p.rows[i].type;
    }
    return 0;
}

double nonNegative(double v)
{
    return std::max(0.0, v);
}

// Gifts the year allows: this year's gifts (with gifts of depreciable property) up to 75 %
// of net income (all of it in the year of death), plus cultural and ecological gifts.
double allowedDonations(const TaxData_Sch9 &sch9, double netIncome)
{
    const double gifts = sch9.amount(TaxData_Sch9::F_Donations) + sch9.rows(0).sum(TaxData_Sch9::C_Amount) +
                         sch9.amount(TaxData_Sch9::F_DepreciableGifts);
    const double limit = sch9.flag(TaxData_Sch9::F_Deceased) ? netIncome : tax2024::cents(netIncome * 0.75);
    return tax2024::cents(std::min(nonNegative(gifts), nonNegative(limit)) +
                          nonNegative(sch9.amount(TaxData_Sch9::F_EcologicalGifts)) +
                          nonNegative(sch9.amount(TaxData_Sch9::F_CulturalGifts)));
}

// The medical expenses of the other dependants (the T1's rows after the first), each
// over the province's threshold on the dependant's net income and up to the province's
// maximum for a dependant (Ontario); line 33199 as typed when no row holds an expense
// (the T1 works its lines from the rows the same way).
double otherDependantsMedical(const TaxData_T1New &t1, tax2024::Province province)
{
    using T = TaxData_T1New;
    const FieldRowList &rows = t1.rows(0);
    const double max = tax2024::provincialOtherDependantMedicalMax(province);
    bool anyRow = false;
    double total = 0.0;
    for (int i = 0; i < rows.count(); ++i) {
        const FieldRecord &r = rows.row(i);
        anyRow = anyRow || isAmountEntered(r.number(T::M_Expenses));
        if (i == 0)
            continue;
        const double paid = nonNegative(r.number(T::M_Expenses) - r.number(T::M_Reimbursed));
        double allowable = nonNegative(tax2024::cents(paid - tax2024::provincialMedicalThreshold(province, r.number(T::M_Other1))));
        if (max > 0.0)
            allowable = std::min(allowable, max);
        total += allowable;
    }
    return anyRow ? tax2024::cents(total) : nonNegative(t1.amount(T::F_33199));
}

} // namespace

// A manager writes only into the return of its own province (a T1 without a
// province is taken as its own).
bool ProvinceTaxManager::ownsReturn(const TaxData_T1New *t1) const
{
    int province = t1->getMainTaxProvince();
    if (province <= 0)
        province = t1->provinceOfResidence();
    return province <= 0 || province == m_provinceId;
}

void ProvinceTaxManager::fillFacts(TaxData_ProvTax428 &form, const TaxData_T1New &t1,
                                   const ProvStageForms &forms) const
{
    using namespace tax2024;
    const Province province = static_cast<Province>(m_provinceId);
    const double net = t1.amount(T1::F_23600);
    form.setAmount(F428::F_TaxableIncome, t1.amount(T1::F_26000));
    form.setAmount(F428::F_NetIncome, net);
    const int age = t1.dateOfBirth().isValid() ? t1.GetAge() : -1; // -1: no date of birth
    form.setFlag(F428::F_Age65, age >= 65);

    // spouse, or else an eligible dependant when the federal return claims one
    const bool hasSpouse = t1.HasSpouse();
    const double spouseNet = hasSpouse ? nonNegative(t1.getSpouseNetIncForSpouseCredit(true)) : 0.0;
    form.setFlag(F428::F_HasSpouse, hasSpouse);
    form.setAmount(F428::F_SpouseNetIncome, spouseNet);
    form.setFlag(F428::F_SpouseAge65, hasSpouse && t1.IsSpouseAgeNotUnder65());
    const auto *sch5 = dynamic_cast<const TaxData_Sch5 *>(forms.sch5 ? forms.sch5 : this->sch5());
    const bool claimsSpouse = t1.CanClaimSpouse() && (isAmountEntered(t1.amount(T1::F_30300)) ||
                                                      (sch5 && sch5->flag(TaxData_Sch5::F_SpouseFlag)));
    const double eligibleDependant = t1.amount(T1::F_30400);
    const bool claimsDependant = !claimsSpouse && isAmountEntered(eligibleDependant);
    form.setFlag(F428::F_ClaimsSpouse, claimsSpouse);
    form.setFlag(F428::F_ClaimsEligibleDependant, claimsDependant);
    double dependantNet = 0.0;
    if (claimsSpouse)
        dependantNet = spouseNet;
    else if (claimsDependant) // the dependant's income is what the federal amount (before proration) left out,
        // with the infirm add-on when the federal caregiver amount is claimed for the dependant (line 30425)
        dependantNet = nonNegative(cents(federalBasicPersonalAmount(net) +
                                         (isAmountEntered(t1.amount(T1::F_30425)) ? fed::kCaregiverInfirmAddOn : 0.0) -
                                         eligibleDependant / t1.residenceShare()));
    form.setAmount(F428::F_DependantNetIncome, dependantNet);
    form.setAmount(F428::F_FederalSpouseAmount,
                   claimsSpouse ? t1.amount(T1::F_30300) : (claimsDependant ? eligibleDependant : 0.0));

    // of a couple, the spouse with the higher net income claims the family's amounts
    double familySpouseNet = 0.0;
    const bool familyClaimant = claimsForFamily(t1, familySpouseNet);
    form.setFlag(F428::F_FamilyClaimant, familyClaimant);
    form.setIntValue(F428::F_Dependants, familyDependants(form, t1));
    // Ontario's tax reduction also counts the claimant's dependants with an impairment
    const bool impaired = familyClaimant && m_provinceId == kOntario && depInfo();
    form.setIntValue(F428::F_ImpairedDependants,
                     impaired ? depInfo()->GetInfirmDependantsNumberNotUnderAge(kChildMaxAge + 1) : 0);

    form.setAmount(F428::F_StudentLoanInterest, nonNegative(t1.amount(T1::F_31900)));
    form.setAmount(F428::F_ResidenceShare, t1.residenceShare());
    form.setAmount(F428::F_CPP, t1.amount(T1::F_30800));
    form.setAmount(F428::F_CPPSelf, t1.amount(T1::F_31000));
    form.setAmount(F428::F_EI, t1.amount(T1::F_31200));
    form.setAmount(F428::F_EISelf, t1.amount(T1::F_31217));
    form.setAmount(F428::F_EligiblePension, nonNegative(t1.amount(T1::F_31400)));
    form.setAmount(F428::F_EmploymentIncome, nonNegative(t1.amount(T1::F_10100) + t1.amount(T1::F_10400)));

    // disability: the province's amount for the person, and for a dependant the
    // same share of it as the federal transfer is of the federal amount
    const double disability = provincialDisabilityAmount(province);
    const bool selfDisabled = isAmountEntered(t1.amount(T1::F_31600));
    const double transfer = t1.amount(T1::F_31800);
    const bool minor = age >= 0 && age < 18;
    const double supplement = minor ? provincialDisabilitySupplement(province, t1.amount(T1::F_21500)) : 0.0;
    form.setAmount(F428::F_Disability, selfDisabled ? cents((disability + supplement) * t1.residenceShare()) : 0.0);
    form.setAmount(F428::F_DisabilityTransferred,
                   isAmountEntered(transfer) ? cents(disability * std::min(1.0, transfer / fed::kDisabilityAmount)) : 0.0);
    form.setIntValue(F428::F_DisabilityClaims, (selfDisabled ? 1 : 0) + (isAmountEntered(transfer) ? 1 : 0));

    // the expenses of line 33099 (before any threshold) over the province's threshold
    const double medical = t1.amount(T1::F_33099);
    form.setAmount(F428::F_Medical, isAmountEntered(medical)
                                         ? nonNegative(cents(medical - provincialMedicalThreshold(province, net)))
                                         : 0.0);
    form.setAmount(F428::F_MedicalOther, otherDependantsMedical(t1, province));

    const double dividends = t1.amount(T1::F_12000);
    const double other = nonNegative(t1.amount(T1::F_12010));
    form.setAmount(F428::F_EligibleDividends, nonNegative(cents(dividends - other)));
    form.setAmount(F428::F_OtherDividends, other);

    const auto *sch9 = dynamic_cast<const TaxData_Sch9 *>(forms.sch9);
    form.setAmount(F428::F_DonationsAllowed, sch9 ? allowedDonations(*sch9, net) : 0.0);

    // the federal minimum tax over the regular tax, and the carryover applied
    form.setAmount(F428::F_FederalMinimumTax, nonNegative(t1.amount(T1::F_MinimumTaxExcess)));
    form.setAmount(F428::F_FederalMinimumTaxCarryover, nonNegative(t1.amount(T1::F_40427)));
    fillCreditLines(form, t1, forms);
}

// The children the 428's family lines count: Saskatchewan's (58209) of the spouse with the
// lower taxable income; elsewhere those of the family's claimant.
int ProvinceTaxManager::familyDependants(const TaxData_ProvTax428 &form, const TaxData_T1New &t1) const
{
    if (!depInfo())
        return 0;
    const tax2024::ProvinceRates *rates = tax2024::provinceRates(m_provinceId);
    if (rates && rates->childAmount > 0.0)
        return claimsAsLowerIncome(form, t1, true) ? depInfo()->GetDepChildrenNumberBetweenAges(0, kChildMaxAge) : 0;
    return form.flag(F428::F_FamilyClaimant) ? depInfo()->GetDepChildrenNumberBetweenAges(0, kChildMaxAge) : 0;
}

// Tuition is claimed up to what the tax still needs after the amounts before it.
void ProvinceTaxManager::claimTuition(TaxData_ProvTax428 &form)
{
    form.setAmount(F428::F_Tuition, 0.0);
    auto *s11 = ownForm<TaxData_ProvSch11>();
    const tax2024::ProvinceRates *rates = tax2024::provinceRates(m_provinceId);
    if (!s11 || !rates) {
        form.Calculate01();
        return;
    }
    form.calculateCreditAmounts();
    const double needed = tax2024::cents(form.amount(F428::F_TaxOnIncome) / rates->lowestRate - form.amountsBeforeTuition());
    s11->setAmount(TaxData_ProvSch11::F_CreditsNeeded, nonNegative(needed));
    s11->Calculate01();
    form.setAmount(F428::F_Tuition, s11->amount(TaxData_ProvSch11::F_Claimed));
    form.Calculate01();
}

void ProvinceTaxManager::calculateProvince(TaxData_T1New *t1, const ProvStageForms &forms)
{
    if (!t1 || !ownsReturn(t1))
        return;
    m_calculated = true;
    m_lastForm = nullptr;
    m_provincialTax = m_provincialCredits = 0.0;
    if (m_taxFormType < 0) // the form table's rows are read once
        m_taxFormType = taxFormType(m_provinceId);
    const int type = m_taxFormType;
    if (!tax2024::provinceRates(m_provinceId) || type == 0) { // Quebec: its tax is on its own return
        writeLines(t1);
        return;
    }
    TaxData_ProvTax428 *form = ownForm<TaxData_ProvTax428>();
    if (!form) {
        if (!m_worksheet)
            m_worksheet = new TaxData_ProvTax428(m_provinceId, type);
        form = m_worksheet;
    }
    fillFacts(*form, *t1, forms);
    double transfer = 0.0;
    if (auto *s2 = ownForm<TaxData_ProvSch2>()) {
        s2->Calculate01();
        transfer = s2->amount(TaxData_ProvSch2::F_Result);
    }
    form->setAmount(F428::F_SpouseTransfer, transfer);
    claimTuition(*form);
    foreignTaxCredit(*form, forms);
    m_lastForm = form;
    m_provincialTax = form->amount(F428::F_ProvincialTax);
    m_provincialCredits = calculateCredits(*t1);
    writeLines(t1);
}

// The 479 of the person, or without one the territory's cost of living credit alone.
double ProvinceTaxManager::calculateCredits(const TaxData_T1New &t1)
{
    using namespace tax2024;
    const double adjusted = costOfLivingAdjustedNetIncome(t1.amount(T1::F_23600), t1.amount(T1::F_11700),
                                                          t1.amount(T1::F_12500), t1.amount(T1::F_21300));
    const double personal =
        manitobaCredit(t1) + bcSalesTaxCredit(t1, adjusted) + territorySupplement(t1, adjusted);
    // Nova Scotia's refundable credit of a volunteer who claims the federal amount
    const bool volunteer = isAmountEntered(t1.amount(T1::F_31220)) || isAmountEntered(t1.amount(T1::F_31240));
    const double volunteerCredit = volunteer ? refundableVolunteerCredit(static_cast<Province>(m_provinceId)) : 0.0;
    auto *credits = ownForm<TaxData_ProvCredits479>();
    if (!credits)
        return cents(territorialCostOfLivingCredit(static_cast<Province>(m_provinceId), adjusted) + personal +
                     volunteerCredit);
    using C = TaxData_ProvCredits479;
    credits->setAmount(C::F_VolunteerCredit, volunteerCredit);
    credits->setAmount(C::F_AdjustedNetIncome, adjusted);
    credits->setIntValue(C::F_Age, t1.GetAge());
    credits->setAmount(C::F_FamilyNetIncome,
                       cents(t1.amount(T1::F_23600) + (t1.HasSpouse() ? t1.amount(T1::F_SpouseNetIncome) : 0.0)));
    credits->Calculate01();
    // the province's own credits worked from the return are part of the form's total
    credits->setAmount(C::F_Total, cents(credits->amount(C::F_Total) + personal));
    return credits->amount(C::F_Total);
}

// Of a couple, the spouse with the higher net income claims the family's credits (the
// other claims none); of equal incomes, the spouse with the lower S.I.N. (so that one
// claims, not both); spouseNet gets the spouse's net income, nil without a spouse.
bool ProvinceTaxManager::claimsForFamily(const TaxData_T1New &t1, double &spouseNet)
{
    spouseNet = t1.HasSpouse() ? nonNegative(t1.getSpouseNetIncForSpouseCredit(true)) : 0.0;
    if (!t1.HasSpouse())
        return true;
    const double net = t1.amount(T1::F_23600);
    if (std::abs(net - spouseNet) >= 0.005)
        return net > spouseNet;
    const QString spouseSin = t1.spouseSin().trimmed();
    return spouseSin.isEmpty() || t1.sin().trimmed() <= spouseSin;
}

// The territories' supplements to the cost of living credit: the NT479 supplement of the
// family's claimant 18 or older, the NU479 supplement of a single parent.
double ProvinceTaxManager::territorySupplement(const TaxData_T1New &t1, double adjustedNetIncome) const
{
    using namespace tax2024;
    const Province province = static_cast<Province>(m_provinceId);
    if (province == Province::NT) {
        double spouseNet = 0.0;
        if (t1.GetAge() < costofliving::kNtSupplementAge || !claimsForFamily(t1, spouseNet))
            return 0.0;
        const double spouseAdjusted =
            costOfLivingAdjustedNetIncome(spouseNet, t1.amount(T1::F_SpouseUCCB), t1.amount(T1::F_SpouseRDSPIncome),
                                          t1.amount(T1::F_SpouseUCCBRepayment));
        return northwestTerritoriesSupplement(t1.HasSpouse(), territorialCostOfLivingCredit(province, adjustedNetIncome),
                                              territorialCostOfLivingCredit(province, spouseAdjusted));
    }
    if (province == Province::NU) {
        const bool singleParent = !t1.HasSpouse() && depInfo() &&
                                  depInfo()->GetDepChildrenNumberBetweenAges(0, kChildMaxAge - 1) > 0;
        return singleParent ? nunavutSingleParentSupplement(adjustedNetIncome) : 0.0;
    }
    return 0.0;
}

// The British Columbia sales tax credit of the spouse with the higher net income, on the
// adjusted family net income; nil in other provinces.
double ProvinceTaxManager::bcSalesTaxCredit(const TaxData_T1New &t1, double adjustedNetIncome) const
{
    if (m_provinceId != static_cast<int>(tax2024::Province::BC))
        return 0.0;
    double spouseNet = 0.0;
    if (!claimsForFamily(t1, spouseNet))
        return 0.0;
    const bool hasSpouse = t1.HasSpouse();
    const bool family = hasSpouse || isAmountEntered(t1.amount(T1::F_30400));
    return tax2024::bcSalesTaxCredit(hasSpouse, family, adjustedNetIncome + spouseNet);
}

// The Manitoba personal tax credit: the spouse with the higher net income claims the
// family's parts; nil in other provinces.
double ProvinceTaxManager::manitobaCredit(const TaxData_T1New &t1) const
{
    if (m_provinceId != static_cast<int>(tax2024::Province::MB))
        return 0.0;
    double spouseNet = 0.0;
    if (!claimsForFamily(t1, spouseNet))
        return 0.0;
    const double net = t1.amount(T1::F_23600);
    const bool hasSpouse = t1.HasSpouse();
    int amounts = 1 + (t1.IsAgeNotUnder65() ? 1 : 0) + (isAmountEntered(t1.amount(T1::F_31600)) ? 1 : 0);
    if (hasSpouse)
        amounts += 1 + (t1.IsSpouseAgeNotUnder65() ? 1 : 0);
    return tax2024::manitobaPersonalTaxCredit(amounts, net + spouseNet);
}

// The provincial foreign tax credit (T2036), per T2209: the non-business tax the federal
// credit left over, up to the provincial tax in the proportion of that country's income
// to the T2209's net income. Without T2209 forms the amount typed on the 428 stays.
void ProvinceTaxManager::foreignTaxCredit(TaxData_ProvTax428 &form, const ProvStageForms &forms)
{
    using T2209 = TaxData_T2209_2036;
    if (!forms.foreignTaxCredits || forms.foreignTaxCredits->isEmpty())
        return;
    // each form's tax left after the federal credit, and its share of the income
    struct Part { double left; double share; };
    QVarLengthArray<Part, 4> parts;
    for (const CTaxData_Form *f : *forms.foreignTaxCredits) {
        const auto *t2209 = dynamic_cast<const T2209 *>(f);
        if (!t2209 || t2209->amount(T2209::F_NetIncome) <= 0.0)
            continue;
        const double left = t2209->nonBusinessTaxPaid() - t2209->slipTaxOver15Percent() - t2209->amount(T2209::F_Credit);
        if (left >= 0.005)
            parts.append({left, std::min(1.0, t2209->nonBusinessIncome() / t2209->amount(T2209::F_NetIncome))});
    }
    const bool hadCredit = isAmountEntered(form.amount(F428::F_ForeignCredit));
    form.setAmount(F428::F_ForeignCredit, 0.0);
    if (parts.isEmpty()) {
        if (hadCredit)
            form.Calculate01();
        return;
    }
    form.Calculate01();
    // the tax the credit comes off: before the health premium and the credits claimed after it
    const double provincialTax =
        nonNegative(form.amount(F428::F_ProvincialTax) - form.amount(F428::F_HealthPremium) +
                    form.amount(F428::F_FoodDonationCreditBC) + form.amount(F428::F_FoodDonationCredit) +
                    form.amount(F428::F_PoliticalCredit) + form.amount(F428::F_VolunteerCredit));
    double credit = 0.0;
    for (const Part &p : parts)
        credit += std::min(p.left, tax2024::cents(provincialTax * p.share));
    form.setAmount(F428::F_ForeignCredit, tax2024::cents(credit));
    form.Calculate01();
}

// The partner's age, pension and disability amounts (Saskatchewan's senior supplement and
// child amount too) and the provincial tuition the partner transfers, less what the
// partner's own tax needs of them: the partner's tax on income as a base at the lowest
// rate, less the partner's own other amounts and own tuition claim.
void ProvinceTaxManager::exchangeStage4(CProvincialTaxManager *partner)
{
    using S2 = TaxData_ProvSch2;
    auto *s2 = ownForm<S2>();
    const auto *other = dynamic_cast<const ProvinceTaxManager *>(partner);
    if (!s2 || !other || other->m_provinceId != m_provinceId || !other->lastTaxForm())
        return;
    const tax2024::ProvinceRates *rates = tax2024::provinceRates(m_provinceId);
    if (!rates)
        return;
    const TaxData_ProvTax428 &theirs = *other->lastTaxForm();
    s2->setAmount(S2::F_SpouseTaxableIncome, theirs.amount(F428::F_TaxableIncome));
    s2->setAmount(S2::F_Age, theirs.amount(F428::F_Age));
    s2->setAmount(S2::F_SeniorSupplement, theirs.amount(F428::F_SeniorSupplement));
    s2->setAmount(S2::F_Pension, theirs.amount(F428::F_Pension));
    s2->setAmount(S2::F_Disability, theirs.amount(F428::F_Disability));
    s2->setAmount(S2::F_ChildAmount, theirs.amount(F428::F_ChildAmount));
    const auto *s11 = other->ownForm<TaxData_ProvSch11>();
    s2->setAmount(S2::F_Tuition, s11 ? s11->transferClaimed() : 0.0);
    const double transferable = theirs.amount(F428::F_Age) + theirs.amount(F428::F_SeniorSupplement) +
                                theirs.amount(F428::F_Pension) + theirs.amount(F428::F_Disability) +
                                theirs.amount(F428::F_ChildAmount);
    const double ownAmounts = theirs.amountsBeforeTuition() - transferable + theirs.amount(F428::F_Tuition);
    s2->setAmount(S2::F_SpouseCredits,
                  nonNegative(tax2024::cents(theirs.amount(F428::F_TaxOnIncome) / rates->lowestRate - ownAmounts)));
}

void ProvinceTaxManager::writeLines(TaxData_T1New *t1) const
{
    t1->setAmount(T1::F_42800, m_provincialTax);
    t1->setAmount(T1::F_47900, m_provincialCredits);
}

void ProvinceTaxManager::calculateStagePart2(TaxData_T1New *t1, int, CTaxData_Form *, QStringList *)
{
    if (m_calculated && t1 && ownsReturn(t1))
        writeLines(t1);
}

// A new recalculation starts: nothing is written until the tax is worked again.
void ProvinceTaxManager::calculateStagePart3(bool, int, TaxData_T1New *)
{
    m_calculated = false;
}

int ProvinceTaxManager::calculateStagePart4(const ProvStageForms &forms)
{
    calculateProvince(forms.t1, forms);
    return 0;
}

void ProvinceTaxManager::calculateStagePart5(TaxData_T1New *t1, const ProvStageForms &forms)
{
    calculateProvince(t1, forms);
}

// The summary's provincial tax; its benefit estimates are the return model's.
void ProvinceTaxManager::fillResultForm(bool, TaxData_T1New *t1, CTaxData_Form *t1ks)
{
    if (!t1ks || !t1 || !ownsReturn(t1))
        return;
    t1ks->setValueByCode(42800, m_provincialTax);
}

// As the federal test: the credits cover the whole tax on income.
bool ProvinceTaxManager::isNonRefundableCreditAllUsed()
{
    if (!m_lastForm)
        return true;
    return m_lastForm->amount(F428::F_TotalCredits) >= m_lastForm->amount(F428::F_TaxOnIncome);
}
