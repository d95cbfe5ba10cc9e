// The 428 credit lines beyond the basic amounts, worked from the federal lines, the
// household's dependants and the amounts typed on the form.
#include "provincetaxmanager.h"
#include "dependantinfostruct.h"
#include "taxdata_provsch2.h"
#include "taxdata_provtax428.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1new.h"
#include "taxrates2024.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace {

using T1 = TaxData_T1New;
using F428 = TaxData_ProvTax428;
using tax2024::Province;
constexpr int kAdultAge = 18;
constexpr int kTaxYear = 2024;

// Age on January 1 of the tax year (a child born during the year counts as under any age).
int ageAtYearStart(const QDate &birth)
{
    if (!birth.isValid())
        return -1;
    return kTaxYear - 1 - birth.year() + (birth.month() == 1 && birth.day() == 1 ? 1 : 0);
}

bool underAtYearStart(const QDate &birth, int age)
{
    return birth.isValid() && ageAtYearStart(birth) < age;
}

bool isDependant(const DependantInfo &d)
{
    return d.relation != DependantInfo::None;
}

// The net income of the one dependant a federal caregiver amount (line 30450) is worked
// on, when the household record names none: a full amount shows an income under the
// threshold, taken as nil.
double incomeBehindFederalCaregiver(double federalAmount)
{
    namespace fed = tax2024::fed;
    if (federalAmount >= fed::kCaregiverAmount - 0.005)
        return 0.0;
    return std::max(0.0, fed::kCaregiverThreshold + fed::kCaregiverAmount - federalAmount);
}

} // namespace

// Of a couple, the spouse with the lower income claims (of equal incomes, the one that
// is not the family's claimant of the 428's facts); taxable: compare taxable incomes (the
// spouse's net income stands for it on a return of one person).
bool ProvinceTaxManager::claimsAsLowerIncome(const TaxData_ProvTax428 &form, const TaxData_T1New &t1, bool taxable)
{
    if (!t1.HasSpouse())
        return true;
    const bool familyClaimant = form.flag(F428::F_FamilyClaimant);
    if (!taxable)
        return !familyClaimant;
    const double own = t1.amount(T1::F_26000);
    const double theirs =
        t1.isCoupledReturn() ? t1.amount(T1::F_SpouseTaxableIncome) : form.amount(F428::F_SpouseNetIncome);
    if (std::abs(own - theirs) >= 0.005)
        return own < theirs;
    return !familyClaimant;
}

void ProvinceTaxManager::fillCreditLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1,
                                         const ProvStageForms &forms) const
{
    caregiverLines(form, t1);
    volunteerLines(form, t1);
    childrenLines(form, t1);
    typedLines(form, t1);
    federalCopies(form, t1);
    const auto *t1206 = dynamic_cast<const TaxData_T1206New *>(forms.t1206);
    form.setAmount(F428::F_SplitIncome, t1206 ? std::max(0.0, t1206->amount(TaxData_T1206New::F_SplitIncome)) : 0.0);
    // Manitoba's family tax benefit has a part for a disabled spouse
    const auto *s2 = m_provinceId == static_cast<int>(Province::MB) ? ownForm<TaxData_ProvSch2>() : nullptr;
    form.setFlag(F428::F_SpouseDisabled, s2 && isAmountEntered(s2->amount(TaxData_ProvSch2::F_Disability)));
}

// The caregiver and infirm-dependant lines: Yukon copies the federal lines; elsewhere the
// province's own amounts on the net income of each infirm dependant 18 or older of the
// household (when line 30450 is claimed) and of an infirm spouse or eligible dependant
// (when line 30425 is claimed) less the amount claimed for that person.
void ProvinceTaxManager::caregiverLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const
{
    using namespace tax2024;
    const auto province = static_cast<Province>(m_provinceId);
    for (int f : {F428::F_Caregiver, F428::F_CaregiverBC, F428::F_CaregiverAmount, F428::F_InfirmDependants,
                  F428::F_YukonCaregiverSpouse, F428::F_YukonInfirmDependants, F428::F_YukonInfirmChildren})
        form.setAmount(f, 0.0);
    if (province == Province::YT) {
        form.setAmount(F428::F_YukonCaregiverSpouse, t1.amount(T1::F_30425));
        form.setAmount(F428::F_YukonInfirmDependants, t1.amount(T1::F_30450));
        form.setAmount(F428::F_YukonInfirmChildren, t1.amount(T1::F_30500));
        return;
    }
    const double federal = t1.amount(T1::F_30450);
    const bool forSpouseOrDependant = isAmountEntered(t1.amount(T1::F_30425));
    const CaregiverLines *lines =
        isAmountEntered(federal) || forSpouseOrDependant ? provincialCaregiverLines(province) : nullptr;
    if (!lines)
        return;
    double caregiver = 0.0, infirm = 0.0;
    if (isAmountEntered(federal)) {
        QVarLengthArray<double, 4> incomes;
        if (depInfo())
            for (int i = 0; i < depInfo()->count(); ++i) {
                const DependantInfo &d = depInfo()->at(i);
                if (isDependant(d) && d.infirm && d.ageAtYearEnd() >= kAdultAge)
                    incomes.append(d.netIncome);
            }
        if (incomes.isEmpty())
            incomes.append(incomeBehindFederalCaregiver(federal));
        const bool livedWith = form.flag(F428::F_DependantsLivedWithYou) || lines->infirm.amount <= 0.0;
        for (double net : incomes) {
            if (livedWith)
                caregiver += dependantAmount(lines->caregiver, net);
            else
                infirm += dependantAmount(lines->infirm, net);
        }
    }
    const bool spouse = form.flag(F428::F_ClaimsSpouse), dependant = form.flag(F428::F_ClaimsEligibleDependant);
    if (forSpouseOrDependant && ((spouse && lines->coversSpouse) || (dependant && lines->coversEligibleDependant))) {
        const double net = form.amount(F428::F_DependantNetIncome);
        const double claimed = provincialSpouseAmount(province, form.amount(F428::F_NetIncome),
                                                      form.amount(F428::F_TaxableIncome), net);
        caregiver += std::max(0.0, cents(dependantAmount(lines->caregiver, net) - claimed));
    }
    const double share = t1.residenceShare();
    const int line = lines->caregiverCode == 58175 ? F428::F_CaregiverBC
                     : lines->caregiverCode == 58185 ? F428::F_Caregiver
                                                      : F428::F_CaregiverAmount;
    form.setAmount(line, cents(caregiver * share));
    form.setAmount(F428::F_InfirmDependants, cents(infirm * share));
}

// Lines 58315 to 58317: the province's amount for the volunteer who claims the federal
// amount (firefighters first, then search and rescue; Saskatchewan's first responders as
// typed), and the fact of a firefighter's claim for Nunavut's credit.
void ProvinceTaxManager::volunteerLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const
{
    using namespace tax2024;
    const auto province = static_cast<Province>(m_provinceId);
    const bool firefighter = isAmountEntered(t1.amount(T1::F_31220));
    const bool searchAndRescue = !firefighter && isAmountEntered(t1.amount(T1::F_31240));
    const bool firstResponder = !firefighter && !searchAndRescue && hasFirstResponderAmount(province) &&
                                form.flag(F428::F_FirstResponderVolunteer);
    const double amount = firefighter || searchAndRescue || firstResponder ? provincialVolunteerAmount(province) : 0.0;
    form.setAmount(F428::F_VolunteerFirefighters, firefighter ? amount : 0.0);
    form.setAmount(F428::F_SearchAndRescue, searchAndRescue ? amount : 0.0);
    form.setAmount(F428::F_FirstResponders, firstResponder ? amount : 0.0);
    form.setFlag(F428::F_FirefighterClaimed, firefighter);
}

// Line 58230 (NS, PE, NU) of the spouse with the lower net income, and Saskatchewan's
// count of children born in 2006 or later (58209), the facts' dependants.
void ProvinceTaxManager::childrenLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const
{
    using namespace tax2024;
    const auto province = static_cast<Province>(m_provinceId);
    const YoungChildrenRule rule = provincialYoungChildrenRule(province);
    int count = 0;
    if (rule != YoungChildrenRule::None && depInfo() && claimsAsLowerIncome(form, t1, false)) {
        for (int i = 0; i < depInfo()->count(); ++i) {
            const DependantInfo &d = depInfo()->at(i);
            if (d.relation != DependantInfo::Child || !d.birthDate.isValid())
                continue;
            if (rule == YoungChildrenRule::PerMonth)
                count += youngChildMonths(d.birthDate.year(), d.birthDate.month(), d.birthDate.day());
            else if (d.ageAtYearEnd() >= 0 && d.ageAtYearEnd() < kYoungChildAge)
                ++count;
        }
    }
    const double each = rule == YoungChildrenRule::PerMonth ? kYoungChildMonthAmount : kYoungChildAmount;
    form.setIntValue(F428::F_YoungChildrenCount, count);
    form.setAmount(F428::F_YoungChildren, rule == YoungChildrenRule::None ? 0.0 : cents(each * count));

    const ProvinceRates *rates = provinceRates(province);
    form.setIntValue(F428::F_ChildrenCount,
                     rates && rates->childAmount > 0.0 ? form.intValue(F428::F_Dependants) : 0);
}

// The most the typed amount of a line may be: its limit for each person of the household
// it is for (MB fitness: the filer and the spouse too).
double ProvinceTaxManager::typedAmountCap(const tax2024::PerPersonLimit &limit, bool adults,
                                          const TaxData_T1New &t1) const
{
    if (limit.underAge <= 0)
        return limit.perPerson;
    double cap = 0.0;
    if (adults) {
        cap += underAtYearStart(t1.dateOfBirth(), limit.underAge) ? limit.perPerson : 0.0;
        if (t1.HasSpouse() && underAtYearStart(t1.spouseDateOfBirth(), limit.underAge))
            cap += limit.perPerson;
    }
    if (!depInfo())
        return cap;
    for (int i = 0; i < depInfo()->count(); ++i) {
        const DependantInfo &d = depInfo()->at(i);
        if (d.relation != DependantInfo::Child)
            continue;
        const bool disabled = d.infirm && underAtYearStart(d.birthDate, limit.disabledUnderAge);
        if (disabled || underAtYearStart(d.birthDate, limit.underAge))
            cap += limit.perPerson;
        if (disabled)
            cap += limit.disabledExtra;
    }
    return cap;
}

// Fitness and arts (58325, 58326), children's wellness (58365) and teacher school supplies
// (58500): the amount typed, up to its limit.
void ProvinceTaxManager::typedLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const
{
    using namespace tax2024;
    struct Typed { TypedAmount line; int typed; int field; };
    static constexpr Typed kTyped[] = {
        {TypedAmount::Fitness, F428::F_FitnessFees, F428::F_Fitness},
        {TypedAmount::Arts, F428::F_ArtsFees, F428::F_ChildrenArts},
        {TypedAmount::Wellness, F428::F_WellnessFees, F428::F_Wellness},
        {TypedAmount::TeacherSupplies, F428::F_TeacherSupplyExpenses, F428::F_TeacherSupplies}};
    const auto province = static_cast<Province>(m_provinceId);
    for (const Typed &t : kTyped) {
        const double typed = std::max(0.0, cents(form.amount(t.typed)));
        const PerPersonLimit *limit = typed > 0.0 ? provincialTypedAmountLimit(province, t.line) : nullptr;
        form.setAmount(t.field, limit ? std::min(typed, typedAmountCap(*limit, t.line == TypedAmount::Fitness, t1))
                                      : 0.0);
    }
}

// Lines that take a federal amount: adoption (58330, each child's expenses up to the
// province's maximum; where that maximum is not known, the typed line raises it up to the
// federal line 31300), Newfoundland and Labrador's child care amount (58320, line 21400),
// Saskatchewan's first-time home buyers' amount (58357, line 31270).
void ProvinceTaxManager::federalCopies(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const
{
    using namespace tax2024;
    const auto province = static_cast<Province>(m_provinceId);
    double adoption = 0.0;
    for (int child = T1::F_31300Child1; child <= T1::F_31300Child6; ++child)
        if (isAmountEntered(t1.amount(child)))
            adoption += provincialAdoptionAmount(province, t1.amount(child));
    const double typed = form.amount(F428::F_AdoptionClaimed);
    if (!provincialAdoptionMaximumKnown(province) && isAmountEntered(typed) && isAmountEntered(adoption))
        adoption = std::max(adoption, std::min(cents(typed), t1.amount(T1::F_31300)));
    form.setAmount(F428::F_Adoption, cents(adoption));
    form.setAmount(F428::F_ChildCare, province == Province::NL ? std::max(0.0, t1.amount(T1::F_21400)) : 0.0);
    form.setAmount(F428::F_HomeBuyers,
                   province == Province::SK ? clampAmount(t1.amount(T1::F_31270), 0.0, fed::kHomeBuyersAmount) : 0.0);
}

// A couple of a province whose low-income reduction passes between spouses: each takes
// the part of the other's reduction left unused.
void ProvinceTaxManager::exchangeStage5(CProvincialTaxManager *partner)
{
    const auto *other = dynamic_cast<const ProvinceTaxManager *>(partner);
    const tax2024::ProvinceRates *rates = tax2024::provinceRates(m_provinceId);
    if (!other || other->m_provinceId != m_provinceId || !other->lastTaxForm() || !rates ||
        !rates->lowIncome.spouseTransfer)
        return;
    TaxData_ProvTax428 *form = ownForm<TaxData_ProvTax428>();
    if (!form)
        form = m_worksheet;
    if (form)
        form->setAmount(F428::F_SpouseUnusedReduction, other->lastTaxForm()->amount(F428::F_LowIncomeUnused));
}
