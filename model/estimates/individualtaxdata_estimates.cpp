// The T1 summary filled at the end of every recalculation round: the T1's results,
// the benefit estimates, next year's RRSP limit and the year's schedules.
#include "individualtaxdata.h"
#include "taxrates2024.h"
#include "benefitestimators.h"
#include "provincialbenefits.h"
#include "ctaxdata_t1dd.h"
#include "dependantinfostruct.h"
#include "taxdata_benefit_cai.h"
#include "taxdata_sch11.h"
#include "taxdata_sch2.h"
#include "taxdata_sch3.h"
#include "taxdata_sch5.h"
#include "taxdata_sch7.h"
#include "taxdata_t1anew.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1mnew.h"
#include "taxdata_t1new.h"
#include "utils.h"
#include <algorithm>
#include <initializer_list>

namespace {

using KS = TaxData_T1KSNew;
using T1 = TaxData_T1New;

constexpr double kRrspLimitNextYear = tax2024::rrsp::kDollarLimit2025;
constexpr double kRrspRate = 0.18;

// The T1 amounts that make the earned income for next year's RRSP limit, and what is taken off it.
constexpr int kEarnedIncome[] = {T1::F_10100, T1::F_10400, T1::F_11410, T1::F_12600, T1::F_12800,
                                 T1::F_13500, T1::F_13700, T1::F_13900, T1::F_14100, T1::F_14300};
constexpr int kEarnedIncomeDeductions[] = {T1::F_21200, T1::F_22900};

// A summary field and the field of a schedule it shows.
struct Copied
{
    int summaryField;
    int sourceField;
};

constexpr Copied kSch2[] = {
    {KS::F_Sch2SpouseAgeAmount, TaxData_Sch2::F_SpouseAgeAmount}, {KS::F_Sch2Pension, TaxData_Sch2::F_Pension},
    {KS::F_Sch2Disability, TaxData_Sch2::F_Disability},           {KS::F_Sch2Tuition, TaxData_Sch2::F_Tuition},
    {KS::F_Sch2SpouseNetIncome, TaxData_Sch2::F_SpouseNetIncome}, {KS::F_Sch2Result, TaxData_Sch2::F_Result},
};

constexpr Copied kSch3[] = {
    {KS::F_Sch3SmallBusiness, TaxData_Sch3::F_QualifiedSmallBusiness},
    {KS::F_Sch3FarmFish, TaxData_Sch3::F_FarmFishProperty},
    {KS::F_Sch3MutualFunds, TaxData_Sch3::F_MutualFunds},
    {KS::F_Sch3RealEstate, TaxData_Sch3::F_RealEstate},
    {KS::F_Sch3Bonds, TaxData_Sch3::F_Bonds},
    {KS::F_Sch3OtherMortgage, TaxData_Sch3::F_OtherMortgage},
    {KS::F_Sch3PersonalUse, TaxData_Sch3::F_PersonalUse},
    {KS::F_Sch3ListedPersonal, TaxData_Sch3::F_ListedPersonal},
    {KS::F_Sch3T3T5Gains, TaxData_Sch3::F_T3T5Gains},
    {KS::F_Sch3T5013Gains, TaxData_Sch3::F_T5013Gains},
    {KS::F_Sch3T2017Reserves, TaxData_Sch3::F_T2017Reserves},
    {KS::F_Sch3T1170Gains, TaxData_Sch3::F_T1170Gains},
    {KS::F_Sch3Total, TaxData_Sch3::F_Total},
    {KS::F_Sch3GainsReduction, TaxData_Sch3::F_CapitalGainsReduction},
    {KS::F_Sch3TaxableGain, TaxData_Sch3::F_TaxableGain},
    {KS::F_Sch3MortgageForeclosure, TaxData_Sch3::F_MortgageForeclosure},
    {KS::F_Sch3CapitalLoss, TaxData_Sch3::F_CapitalLoss},
    {KS::F_Sch3GiftGains, TaxData_Sch3::F_GiftCapitalGains},
};
// Column totals of the dispositions.
constexpr Copied kSch3Rows[] = {
    {KS::F_Sch3Proceeds, TaxData_Sch3::C_Proceeds},
    {KS::F_Sch3Cost, TaxData_Sch3::C_Cost},
    {KS::F_Sch3Outlays, TaxData_Sch3::C_Outlays},
    {KS::F_Sch3GainOrLoss, TaxData_Sch3::C_GainOrLoss},
};

constexpr Copied kSch7[] = {
    {KS::F_Sch7Unused, TaxData_Sch7::F_UnusedContributions},
    {KS::F_Sch7Limit, TaxData_Sch7::F_DeductionLimit},
    {KS::F_Sch7First60, TaxData_Sch7::F_ContribFirst60Days},
    {KS::F_Sch7RestOfYear, TaxData_Sch7::F_ContribRestOfYear},
    {KS::F_Sch7Total, TaxData_Sch7::F_TotalContributions},
    {KS::F_Sch7HBP, TaxData_Sch7::F_HBPRepayment},
    {KS::F_Sch7LLP, TaxData_Sch7::F_LLPRepayment},
    {KS::F_Sch7Deduction, TaxData_Sch7::F_Deduction},
    {KS::F_Sch7CarryForward, TaxData_Sch7::F_CarryForward},
};

constexpr Copied kSch11[] = {
    {KS::F_Sch11Available, TaxData_Sch11::F_Available},
    {KS::F_Sch11Claimed, TaxData_Sch11::F_ClaimedAmount},
    {KS::F_Sch11CarryForward, TaxData_Sch11::F_CarryForwardNext},
};

constexpr Copied kT1A[] = {
    {KS::F_T1AFullName, TaxData_T1ANew::F_FullName},
    {KS::F_T1AAddress, TaxData_T1ANew::F_Address},
    {KS::F_T1ASIN, TaxData_T1ANew::F_SIN},
    {KS::F_T1AFirstName, TaxData_T1ANew::F_FirstName},
    {KS::F_T1ALastName, TaxData_T1ANew::F_LastName},
    {KS::F_T1ANonCapitalLoss, TaxData_T1ANew::F_NonCapitalLoss},
    {KS::F_T1ANetCapitalLoss, TaxData_T1ANew::F_NetCapitalLoss},
    {KS::F_T1ACarryBack2021, TaxData_T1ANew::F_CarryBack2021},
    {KS::F_T1ACarryBack2022, TaxData_T1ANew::F_CarryBack2022},
    {KS::F_T1ACarryBack2023, TaxData_T1ANew::F_CarryBack2023},
    {KS::F_T1ACarryForward, TaxData_T1ANew::F_CarryForward},
};
constexpr Copied kT1ARows[] = {
    {KS::F_T1AIncome, TaxData_T1ANew::C_Income},
    {KS::F_T1ALoss, TaxData_T1ANew::C_Loss},
};

template <size_t N>
void copyFields(KS &ks, const CTaxData_Form *source, const Copied (&list)[N])
{
    if (!source)
        return;
    for (const Copied &c : list) {
        if (FieldTable::isNumeric(source->fieldTable().spec(c.sourceField).kind))
            ks.setAmount(c.summaryField, source->amount(c.sourceField));
        else
            ks.setText(c.summaryField, source->text(c.sourceField));
    }
}

template <size_t N>
void copyRowSums(KS &ks, const CTaxData_Form *source, const Copied (&list)[N])
{
    if (!source || source->rowListCount() < 1)
        return;
    for (const Copied &c : list)
        ks.setAmount(c.summaryField, source->rows(0).sum(c.sourceField));
}

// Net income with the two adjustments of the family income of the benefits.
double adjustedNetIncome(const T1 &t)
{
    return t.netIncome() - t.amount(T1::F_11700) + t.amount(T1::F_21300);
}

// The spouse's adjusted net income: from the partner's own T1 when there is one.
double spouseAdjustedNetIncome(const T1 &t, IndividualTaxData *partner)
{
    if (partner)
        if (const T1 *other = partner->t1())
            return adjustedNetIncome(*other);
    return t.amount(T1::F_SpouseNetIncome) - t.amount(T1::F_SpouseUCCB) + t.amount(T1::F_SpouseUCCBRepayment);
}

// The adjusted family net income of the benefits.
double familyNetIncome(const T1 &t, IndividualTaxData *partner)
{
    return adjustedNetIncome(t) + (t.HasSpouse() ? spouseAdjustedNetIncome(t, partner) : 0.0);
}

double spouseNetIncome(const T1 &t, IndividualTaxData *partner)
{
    if (partner)
        if (const T1 *other = partner->t1())
            return other->netIncome();
    return t.amount(T1::F_SpouseNetIncome);
}

// The pension adjustment of the year: T4 box 52 and T4A box 34.
double pensionAdjustment(const IndividualTaxData &p)
{
    double total = 0.0;
    for (const FormEntry *e : p.slips()) {
        if (!e->object)
            continue;
        if (e->type == SlipType::T4)
            total += e->object->valueByCode(52);
        else if (e->type == SlipType::T4A)
            total += e->object->valueByCode(34);
    }
    return total;
}

// Dependants born in 2006 or later.
int youngDependants(const DependantInfoStruct *deps)
{
    int n = 0;
    if (deps)
        for (int i = 0; i < deps->count(); ++i) {
            const DependantInfo &d = deps->at(i);
            if (d.isUsed() && d.birthDate.isValid() && d.birthDate.year() >= 2006)
                ++n;
        }
    return n;
}

bool hasDisabilityAmount(IndividualTaxData *p)
{
    return p && p->t1() && isAmountEntered(p->t1()->amount(T1::F_31600));
}

// The dependants the GST/HST credit, the child benefit and the provincial benefits count,
// in one pass of the household record; ages at the end of the year.
struct ChildCounts
{
    int others = 0;           // dependants other than children
    int under6 = 0;
    int from6To17 = 0;
    int aged18 = 0;
    int schoolAge = 0;        // New Brunswick's school supplement
    int infirmUnder18 = 0;    // dependants of any relation
    int infirm = 0;           // dependants of any relation and age
};

ChildCounts childCounts(const DependantInfoStruct *deps)
{
    namespace nb = tax2024::provbenefits::nb;
    ChildCounts c;
    if (!deps)
        return c;
    for (int i = 0; i < deps->count(); ++i) {
        const DependantInfo &d = deps->at(i);
        if (d.relation == DependantInfo::None)
            continue;
        c.others += d.relation == DependantInfo::Other ? 1 : 0;
        const int age = d.ageAtYearEnd();
        if (d.infirm) {
            ++c.infirm;
            c.infirmUnder18 += age >= 0 && age < 18 ? 1 : 0;
        }
        if (d.relation != DependantInfo::Child || age < 0)
            continue;
        c.under6 += age <= 5 ? 1 : 0;
        c.from6To17 += age >= 6 && age <= 17 ? 1 : 0;
        c.aged18 += age == 18 ? 1 : 0;
        c.schoolAge += age >= nb::kSchoolFirstAge && age <= nb::kSchoolLastAge ? 1 : 0;
    }
    return c;
}

// The family as the provincial benefit estimates of the province take it.
BenefitFamily benefitFamily(const IndividualTaxData &p, int province, const T1 &t, IndividualTaxData *partner)
{
    namespace pb = tax2024::provbenefits;
    BenefitFamily f;
    f.familyNetIncome = familyNetIncome(t, partner);
    f.hasSpouse = t.HasSpouse();
    if (readsFamilyWorkingIncome(province))
        f.familyWorkingIncome = p.workingIncome() + (partner && f.hasSpouse ? partner->workingIncome() : 0.0);
    f.senior = t.GetAge() >= pb::on::kSeniorAge || (f.hasSpouse && t.GetSpouseAge() >= pb::on::kSeniorAge);
    const ChildCounts children = childCounts(p.dependants());
    f.childrenUnder6 = children.under6;
    f.children6To17 = children.from6To17;
    f.children18 = children.aged18;
    f.schoolAgeChildren = children.schoolAge;
    f.disabledPersons = (isAmountEntered(t.amount(T1::F_31600)) ? 1 : 0)
                        + (f.hasSpouse && hasDisabilityAmount(partner) ? 1 : 0) + children.infirm;
    return f;
}

// The positions of the ON-BEN fields the estimates read, found by their keys (the form is the
// province plug-in's) once for each field table; -1 for a key the table lacks.
struct OnBenFields
{
    enum { Apply, Northern, Rent, PropertyTax, Energy, LongTermCare, Student, Count };
    const FieldTable *table = nullptr;
    int index[Count] = {};
};

const OnBenFields &onBenFields(const FieldTable &table)
{
    static const char *const kKeys[OnBenFields::Count] = {"ApplyEnergyPropertyTax", "ApplyNorthernEnergy",
                                                          "RentPaid", "PropertyTax", "EnergyCosts",
                                                          "LongTermCare", "Student"};
    thread_local OnBenFields fields;   // batch mode recalculates on several threads
    if (fields.table != &table) {
        fields.table = &table;
        for (int i = 0; i < OnBenFields::Count; ++i)
            fields.index[i] = table.indexOf(QLatin1String(kKeys[i]));
    }
    return fields;
}

// What the person's ON-BEN holds.
OntarioHousing ontarioHousing(IndividualTaxData &p)
{
    OntarioHousing h;
    const CTaxData_Form *app = p.getForm(FormType::ON_BEN, 0, false);
    if (!app)
        return h;
    const OnBenFields &fields = onBenFields(app->fieldTable());
    auto number = [&](int which) {
        const int i = fields.index[which];
        return i < 0 ? 0.0 : app->amount(i);
    };
    h.appliesEnergyProperty = number(OnBenFields::Apply) != 0.0;
    h.appliesNorthern = number(OnBenFields::Northern) != 0.0;
    h.rent = number(OnBenFields::Rent);
    h.propertyTax = number(OnBenFields::PropertyTax);
    h.reserveEnergy = number(OnBenFields::Energy);
    h.longTermCare = number(OnBenFields::LongTermCare);
    h.studentResidence = number(OnBenFields::Student) != 0.0;
    return h;
}

// The Trillium Benefit goes to the spouse who applies for its housing credits on the ON-BEN;
// without an application, its sales tax credit goes with the GST/HST credit. The senior
// homeowners' grant goes to the person 64 or older whose ON-BEN shows the property tax.
double ontarioHousingBenefits(IndividualTaxData &p, const BenefitFamily &family, bool gstCreditComputed,
                              IndividualTaxData *partner)
{
    namespace on = tax2024::provbenefits::on;
    const int age = p.t1()->GetAge();
    OntarioHousing housing = ontarioHousing(p);
    const bool applies = housing.appliesEnergyProperty || housing.appliesNorthern;
    if (!applies && partner && family.hasSpouse) {
        const OntarioHousing theirs = ontarioHousing(*partner);
        if (theirs.appliesEnergyProperty || theirs.appliesNorthern)
            gstCreditComputed = false;
    }
    // the housing credits are for a person 18 or older, a spouse or a parent
    if (age < 18 && !family.isFamily())
        housing.appliesEnergyProperty = housing.appliesNorthern = false;
    const double grant = age >= on::kSeniorAge ? ontarioSeniorHomeownersGrant(family, housing.propertyTax) : 0.0;
    const bool salesTax = gstCreditComputed || (applies && p.isEligibleForGstHstCredit(partner));
    return ontarioTrilliumBenefit(family, housing, salesTax, grant) + grant;
}

KS *summaryOf(IndividualTaxData *p)
{
    return p ? dynamic_cast<KS *>(p->getForm(FormType::T1Summary, 0, false)) : nullptr;
}

// Next year's RRSP deduction limit from the T1's earned income and the year's pension adjustment.
double rrspLimitNextYear(const T1 &t, double pensionAdjustment)
{
    double earned = 0.0;
    for (int f : kEarnedIncome)
        earned += t.amount(f);
    for (int f : kEarnedIncomeDeductions)
        earned -= t.amount(f);
    if (earned < 0.0)
        return 0.0;
    const double limit = std::min(earned * kRrspRate, kRrspLimitNextYear);
    return std::max(limit - pensionAdjustment, 0.0);
}

} // namespace

void IndividualTaxData::estimateBenefits(bool isFirst, IndividualTaxData *partner)
{
    KS *ks = summaryOf(this);
    if (!ks)
        return;

    // The page holds the file's password. A summary just made or read is first given the
    // password the file held, so that a recalculation never drops it.
    if (isFirst) {
        if (!ks->isPasswordSeeded()) {
            QString seed = m_password;
            if (seed.isEmpty() && partner)
                seed = partner->password();
            ks->setText(KS::F_Password, seed);
            ks->setPasswordSeeded(true);
        }
        const QString password = ks->text(KS::F_Password);
        m_password = password;
        if (partner) {
            partner->setPassword(password);
            if (KS *other = summaryOf(partner)) {
                other->setText(KS::F_Password, password);
                other->setPasswordSeeded(true);
            }
        }
    }

    T1 *t = t1();
    if (!t) {
        ks->resetT1Part();
        ks->setAmount(KS::F_GSTCreditEstimate, 0.0);
        ks->setAmount(KS::F_CCBEstimate, 0.0);
        ks->setAmount(KS::F_CAIEstimate, 0.0);
    } else {
        // identity and the main amounts of the T1
        ks->setIntValue(KS::F_Province, t->provinceOfResidence());
        ks->setText(KS::F_FirstName, t->firstName());
        ks->setText(KS::F_LastName, t->lastName());
        ks->setText(KS::F_FullName, t->ConstructFullName());
        CString address;
        t->GetFullAddressWithoutPostcode(0, address);
        ks->setText(KS::F_Address, address);
        ks->setText(KS::F_SIN, t->sin());
        ks->setDate(KS::F_DateOfBirth, t->dateOfBirth());
        ks->setIntValue(KS::F_MaritalStatus, t->maritalStatus());
        ks->setText(KS::F_SpouseSIN, t->spouseSin());
        ks->setText(KS::F_SpouseFirstName, t->spouseFirstName());
        ks->setText(KS::F_SpouseLastName, t->spouseLastName());
        ks->setDate(KS::F_SpouseDateOfBirth, t->spouseDateOfBirth());
        ks->setText(KS::F_EFileNumber, t->text(T1::F_EFileNumber));
        ks->setText(KS::F_Confirmation, t->confirmationNumber());
        for (int f = KS::F_TotalIncome; f <= KS::F_BalanceOwing; ++f)
            ks->setAmount(f, t->valueByCode(ks->fieldTable().spec(f).code));
        ks->setText(KS::F_TaxYear, QStringLiteral("2024"));
        ks->setAmount(KS::F_Line11600, t->amount(T1::F_11600));
        ks->setAmount(KS::F_Line21000, t->amount(T1::F_21000));
        ks->setAmount(KS::F_Line25200, t->amount(T1::F_25200));
        ks->setAmount(KS::F_Line25300, t->amount(T1::F_25300));

        const double net = t->netBalance();
        ks->setIntValue(KS::F_RefundOrNil, net > 0 && isAmountEntered(net) ? 0 : 1);

        const double income = t->totalIncome();
        const double tax = t->amount(T1::F_42000) + t->amount(T1::F_42800);
        ks->setAmount(KS::F_AverageTaxRate, isAmountEntered(income) ? tax / income * 100.0 : 0.0);

        ks->setAmount(KS::F_RRSPLimitNext, rrspLimitNextYear(*t, pensionAdjustment(*this)));

        double loss = 0.0;
        if (const CTaxData_Form *sch3 = getForm(FormType::Schedule3, 0, false)) {
            if (const CTaxData_Form *t1a = getForm(FormType::T1A, 0, false)) {
                loss = t1a->amount(TaxData_T1ANew::F_NonCapitalLoss);
            } else {
                const double gain = sch3->amount(TaxData_Sch3::F_Total);
                if (gain < 0.009)
                    loss = -gain;
            }
        }
        ks->setAmount(KS::F_LossCarried, loss);

        const bool hasSpouse = t->HasSpouse();
        const double familyIncome = familyNetIncome(*t, partner);

        // GST/HST credit
        const DependantInfoStruct *deps = m_dependants;
        const ChildCounts counts = childCounts(deps);
        const int children = counts.under6 + counts.from6To17;
        const int others = counts.others;
        const bool withheld = ks->flag(KS::F_GSTCreditFlag);
        const double ownNet = t->netIncome();
        const bool leaveSpouseOut = t->flag(T1::F_LeaveSpouseOut);
        double gst = 0.0;
        bool gstComputed = false;
        if (hasSpouse) {
            if (isEligibleForGstHstCredit(partner)) {
                const bool partnerEligible =
                    partner && partner->t1() ? partner->isEligibleForGstHstCredit(this) : !leaveSpouseOut;
                const double spouseNet = spouseNetIncome(*t, partner);
                // of two eligible spouses the one with the lower income applies, unless the flag says otherwise
                const bool make = partnerEligible && ownNet > spouseNet ? withheld : !withheld;
                if (make) {
                    gst = leaveSpouseOut
                              ? estimateGstHstCredit(ownNet, false, spouseNet, children >= 1, children - 1)
                              : estimateGstHstCredit(ownNet, true, spouseNet, false, children);
                    gstComputed = true;
                }
            }
        } else if (isEligibleForGstHstCredit(partner)) {
            const int count = children + (others > 0 ? 1 : 0);
            if (!withheld) {
                gst = estimateGstHstCredit(ownNet, false, 0.0, count >= 1, count - 1);
                gstComputed = true;
            }
        }
        ks->setAmount(KS::F_GSTCreditEstimate, gst);

        // Canada child benefit
        double ccb = 0.0;
        if (!ks->flag(KS::F_CCBFlag) && deps)
            ccb = estimateChildBenefit(m_province, counts.under6, counts.from6To17, counts.infirmUnder18, familyIncome);
        ks->setAmount(KS::F_CCBEstimate, ccb);

        // carbon rebate
        double cai = 0.0;
        if (t->isEligibleForCAI() && ks->flag(KS::F_CAIFlag)) {
            TaxData_Benefit_CAI rebate;
            rebate.province = t->getMainTaxProvince() > 0 ? t->getMainTaxProvince() : t->provinceOfResidence();
            rebate.withSpouse = hasSpouse && !leaveSpouseOut;
            const auto *sch5 = formAs<TaxData_Sch5>(getForm(FormType::Schedule5, 0, false), FormType::Schedule5);
            rebate.eligibleDependant = sch5 && isAmountEntered(sch5->amount(TaxData_Sch5::F_EligibleDependant));
            rebate.children = youngDependants(deps) - (rebate.eligibleDependant ? 1 : 0);
            rebate.rural = rebate.province != Province::PrinceEdwardIsland && t->flag(T1::F_RuralSupplement);
            rebate.age = t->GetAge();
            cai = rebate.Calculate01();
        }
        ks->setAmount(KS::F_CAIEstimate, cai);

        provincialBenefitEstimates(gstComputed, partner);
    }

    // moving expenses left for next year
    double moving = 0.0;
    for (const FormEntry *e : m_forms.withKey(FormType::T1_M))
        if (e->object)
            moving += std::max(e->object->amount(TaxData_T1MNew::F_Expenses) -
                                   e->object->amount(TaxData_T1MNew::F_Deduction),
                               0.0);
    ks->setAmount(KS::F_MovingCarryForward, moving);

    // the year's schedules: cleared, then filled from the forms the person holds
    for (int f = KS::F_Sch2SpouseAgeAmount; f <= KS::F_T1DDAccount; ++f)
        ks->fields().clearValue(f);
    copyFields(*ks, getForm(FormType::Schedule2, 0, false), kSch2);
    const CTaxData_Form *sch3 = getForm(FormType::Schedule3, 0, false);
    copyFields(*ks, sch3, kSch3);
    copyRowSums(*ks, sch3, kSch3Rows);
    copyFields(*ks, getForm(FormType::Schedule7, 0, false), kSch7);
    copyFields(*ks, getForm(FormType::Schedule11, 0, false), kSch11);
    if (const CTaxData_Form *t1a = getForm(FormType::T1A, 0, false)) {
        copyFields(*ks, t1a, kT1A);
        copyRowSums(*ks, t1a, kT1ARows);
        ks->setDate(KS::F_T1ADate, GetCurTime().date());
    }
    if (const CTaxData_Form *dd = getForm(FormType::T1DD, 0, false)) {
        const QString branch = dd->text(CTaxData_T1DD::F_Branch).trimmed();
        const QString institution = dd->text(CTaxData_T1DD::F_Institution).trimmed();
        ks->setText(KS::F_T1DDTransit, institution.isEmpty() ? branch : branch + QLatin1Char('-') + institution);
        ks->setText(KS::F_T1DDAccount, dd->text(CTaxData_T1DD::F_Account));
    }

    if (t)
        m_provinceManager.fillResultForm(isFirst, t, ks);
    ks->Calculate01();
}

bool IndividualTaxData::isEligibleForGstHstCredit(IndividualTaxData *partner)
{
    Q_UNUSED(partner)
    const T1 *t = t1();
    if (!t || t->IsDeceasedForEfileReporting() || t->IsEmmigrant())
        return false;
    const int age = t->GetAge();
    bool ageTest = age >= 18;
    if (age == 17)
        ageTest = t->dateOfBirth().month() <= 6;

    const bool hasSpouse = t->HasSpouse();
    int count = m_dependants ? m_dependants->GetDepChildrenNumberForLine305() : 0;
    if (!hasSpouse && m_dependants && m_dependants->GetDepOtherThanChildrenNumberForLine305() > 0)
        ++count;
    return count > 0 || hasSpouse || ageTest;
}

// The province's benefits on the summary: those paid with the GST/HST credit where that credit
// is estimated, those paid with the Canada child benefit where it is, Ontario's Trillium Benefit
// and senior homeowners' grant, and Newfoundland and Labrador's disability benefit.
void IndividualTaxData::provincialBenefitEstimates(bool gstCreditComputed, IndividualTaxData *partner)
{
    const T1 *t = t1();
    KS *ks = summaryOf(this);
    if (!t || !ks)
        return;
    if (!hasProvincialBenefitEstimate(m_province)) {
        ks->setAmount(KS::F_ProvincialBenefitEstimate, 0.0);
        return;
    }
    const BenefitFamily family = benefitFamily(*this, m_province, *t, partner);
    double total = 0.0;
    if (gstCreditComputed)
        total += provincialCreditsWithGstHst(m_province, family);
    if (!ks->flag(KS::F_CCBFlag) && m_dependants)
        total += provincialChildBenefits(m_province, family);
    if (m_province == Province::Ontario)
        total += ontarioHousingBenefits(*this, family, gstCreditComputed, partner);
    if (m_province == Province::NewfoundlandandLabrador && isAmountEntered(t->amount(T1::F_31600)))
        total += nlDisabilityBenefit(family.familyNetIncome, t->GetAge(), hasDisabilityAmount(partner));
    ks->setAmount(KS::F_ProvincialBenefitEstimate, roundToCent(total));
}
