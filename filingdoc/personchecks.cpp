#include "personchecks.h"
#include "cpostcodeinfo.h"
#include "dependantinfostruct.h"
#include "filingformat.h"
#include "filingeligibility.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "personchecks_p.h"
#include "settingsseam.h"
#include "sliptotals.h"
#include "t1answers.h"
#include "taxdata_sch13.h"
#include "taxdata_sch2.h"
#include "taxdata_sch5.h"
#include "taxdata_sch8_14.h"
#include "taxdata_slip_t3.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t5.h"
#include "taxdata_slip_t5013.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1248schd.h"
#include "taxdata_t183new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2204_new.h"
#include "taxdata_t778new.h"
#include "taxdata_t90.h"
#include "validationmessagegroup.h"
#include <QStringList>

namespace personchecks {

CTaxData_Form *singleForm(const IndividualTaxData &person, int type)
{
    const auto &entries = person.forms().withKey(type);
    return entries.size() == 1 ? entries.first()->object : nullptr;
}

double line(const Context &c, int field)
{
    return c.t1.amount(field);
}

void appendOnce(const Context &c, const char *message)
{
    const CString text(message);
    if (!c.messages.contains(text))
        appendMessage(c.messages, message);
}

} // namespace personchecks

using namespace personchecks;

namespace {

constexpr int kEFileBit = 1;
constexpr int kEFilerIdLength = 5;
constexpr int kEFilerPasswordMinLength = 7;
constexpr int kPartnershipIdMinLength = 9;
constexpr int kTaxShelterIdMinLength = 6;
constexpr int kSpouseAmountFlag = 303;                  // the Schedule 5 spouse amount is claimed
constexpr double kSchedule2Maximum36100 = 57552.0;
constexpr double kQuebecTaxTransferShare = 0.45;        // of the tax deducted on non-Quebec T4 slips
constexpr int kTrainingCreditMinAge = 26;
constexpr int kTrainingCreditMaxAge = 65;
constexpr int kAdultAge = 18;
constexpr int kEmploymentCodePlacementAgency = 11;
constexpr int kEmploymentCodeFisher = 17;
constexpr int kSlotT4Box55 = 63;
constexpr int kSlotT1204Slips = 308;

const char *const kCannotCreate = "Brackenquill cannot create NETFILE/EFILE for this return file.";

// ---- the frame

void addOwnGroups(const EntryList<FormEntry> &entries, int kind, int edition, bool skipSfd,
                  QList<ValidationMessageGroup *> &groups)
{
    for (const FormEntry *e : entries) {
        if (!e->object)
            continue;
        if (skipSfd && IsFilingSFDForm(e->type) && e->type != T2091Designation && e->type != T2091)
            continue;
        auto *group = new ValidationMessageGroup(kind, e->type);
        if (e->object->validate(edition, group->messages) != 0)
            groups.append(group);
        else
            delete group;
    }
}

SlipSums sumSlips(const IndividualTaxData &person)
{
    SlipTotals totals;
    person.addSlipsToTotals(totals);
    SlipSums sums;
    sums.ppipPremiums = totals.amount(kSlotT4Box55);
    sums.t1204Slips = totals.counter(kSlotT1204Slips);
    using S = TaxData_Slip_T4;
    for (const FormEntry *e : person.slips().withKey(SlipT4)) {
        if (!e->object)
            continue;
        sums.anyT4 = true;
        const CTaxData_Form &slip = *e->object;
        if (slip.intValue(S::F_Province) != prov::Quebec)
            sums.nonQuebecT4Tax += slip.amount(S::F_Box22);
        const int code = slip.intValue(S::F_EmploymentCode);
        if (code == kEmploymentCodePlacementAgency)
            sums.placementAgencyIncome += slip.amount(S::F_Box14);
        else if (code == kEmploymentCodeFisher)
            sums.fishingT4Tax += slip.amount(S::F_Box22);
    }
    return sums;
}

// ---- the slips

void checkSharedSlips(const Context &c)
{
    bool t3Reported = false, t5Reported = false;
    for (const FormEntry *e : c.person.slips()) {
        if (!e->object)
            continue;
        if (e->type == SlipT3 && !t3Reported && zero(e->object->amount(TaxData_Slip_T3::F_SharePercent))) {
            t3Reported = true;
            appendMessage(c.messages, "There is a T3 slip which has sharing percentage set to 0. Please correct the "
                                      "sharing percentage or remove the T3 slip.");
        } else if (e->type == SlipT5 && !t5Reported && zero(e->object->amount(TaxData_Slip_T5::F_SharePercent))) {
            t5Reported = true;
            appendMessage(c.messages, "There is a T5 slip which has sharing percentage set to 0. Please correct the "
                                      "sharing percentage or remove the T5 slip.");
        } else if (e->type == SlipT5013
                   && e->object->text(TaxData_Slip_T5013::F_PartnershipId).size() < kPartnershipIdMinLength
                   && e->object->text(TaxData_Slip_T5013::F_TaxShelterId).size() < kTaxShelterIdMinLength) {
            appendMessage(c.messages, "Please complete partnership ID and/or tax shelter ID in T5013 slip.");
        }
    }
}

// ---- the prerequisites of EFILE

void checkEFilePrerequisites(const Context &c)
{
    if (!(c.edition & kEFileBit))
        return;
    const CTaxData_Form *t183 = singleForm(c.person, T183);
    if (!t183)
        appendMessage(c.messages, "Add form T183 - Information Return of Electronic Filing, to the tax return.");
    else if (t183->text(TaxData_T183New::F_DCN).trimmed().isEmpty())
        appendMessage(c.messages, "Enter the document control number (DCN) of this return in form T183.");
    const SettingsSource *settings = settingsSource();
    if (settings->userSetting(QStringLiteral("BusinessEFileNum")).trimmed().size() != kEFilerIdLength)
        appendMessage(c.messages, "EFILER ID is missing or invalid in preference settings by menu Start | Preference.");
    if (settings->userSetting(QStringLiteral("BusinessEFilePassword")).trimmed().size() < kEFilerPasswordMinLength)
        appendMessage(c.messages,
                      "EFILER password is missing or invalid in preference settings by menu Start | Preference.");
}

// ---- identity, residence and the deceased person

void checkResidence(const Context &c)
{
    using T = TaxData_T1New;
    if (const auto *schD = single<TaxData_T1248SchD>(c.person, T1248ScheduleD)) {
        CString text;
        if (schD->ValidateWithT1(c.edition, text, c.t1.flag(T::F_ForeignMailing), c.t1.flag(T::F_FactualResident),
                                 c.t1.IsImmigrant(), c.t1.IsEmmigrant())
            > 0)
            c.messages.append(text);
    }
    if (c.t1.flag(T::F_TaxBeneficiaryElection)) {
        const bool hasT3 = !c.person.slips().withKey(SlipT3).isEmpty();
        if (c.person.slips().isEmpty() || !hasT3 || !c.t1.IsDeceased())
            appendMessage(c.messages, "Tax beneficiary for deceased person requires a T3 slip in the return.");
        // more than $1 by the amount tolerance
        if (!exceeds(c.t1.amount(T::F_52080), 1.0))
            appendMessage(c.messages, "Tax beneficiary amount (Field 52080) must be more than $1.");
    }
    if (c.person.hasSelfEmploymentForms() && c.t1.intValue(T::F_ProvinceOfBusiness) == 0)
        appendMessage(c.messages, "Self-employment activity is claimed, please enter the province for self-employment "
                                  "on page 1 of form T1.");
    // only a province's two-letter code is filed
    const QString mailing = c.t1.text(T::F_MailProvince).trimmed();
    if (!c.t1.flag(T::F_ForeignMailing) && !mailing.isEmpty() && t1answers::mailingProvince(c.t1) == 0)
        appendFormattedMessage(c.messages,
                               "The province or territory of the mailing address on page 1 of T1 is \"%s\": enter "
                               "its two-letter code (AB, BC, MB, NB, NL, NS, NT, NU, ON, PE, QC, SK or YT).",
                               mailing.toUtf8().constData());
}

// "a", "a and b", "a, b and c"
QString spokenList(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" and ")
        + parts.last();
}

bool blank(const TaxData_T1New &t1, int field)
{
    return t1.text(field).trimmed().isEmpty();
}

// What the filed mailing address lacks: the street line (or a PO box or rural
// route), the city, and the province and postal code of a Canadian address or
// the country (and a US state and ZIP code) of a foreign one.
void checkMailingAddress(const Context &c)
{
    using T = TaxData_T1New;
    QStringList missing;
    if (blank(c.t1, T::F_Street) && blank(c.t1, T::F_POBox) && blank(c.t1, T::F_RuralRoute))
        missing << QStringLiteral("street");
    if (blank(c.t1, T::F_City))
        missing << QStringLiteral("city");
    const bool foreign = c.t1.flag(T::F_ForeignMailing);
    if (!foreign) {
        // a province typed but not a code is named by its own message above
        if (blank(c.t1, T::F_MailProvince))
            missing << QStringLiteral("province");
        if (GetRawPostcode(c.t1.text(T::F_Postcode)).isEmpty())
            missing << QStringLiteral("postal code");
    } else {
        const QString country = c.t1.text(T::F_ForeignCountry).trimmed();
        if (country.isEmpty())
            missing << QStringLiteral("country");
        if (country.compare(QLatin1String("USA"), Qt::CaseInsensitive) == 0) {
            if (blank(c.t1, T::F_ForeignState))
                missing << QStringLiteral("state");
            if (blank(c.t1, T::F_Postcode))
                missing << QStringLiteral("ZIP code");
        }
    }
    if (missing.isEmpty())
        return;
    appendFormattedMessage(c.messages,
                           foreign ? "The foreign mailing address on page 1 of T1 has no %s: enter the whole address "
                                     "before filing."
                                   : "The mailing address on page 1 of T1 has no %s: enter the whole address before "
                                     "filing.",
                           spokenList(missing).toUtf8().constData());
}

// ---- the CPP and QPP contribution forms the T1 calls for

void checkCppForms(const Context &c)
{
    const int code = c.t1.cppFormSelector();
    if (code != NoCppForm && code != CppSchedule8 && code != CppRC381)
        return;
    const bool hasSchedule8 = singleForm(c.person, Schedule8) != nullptr;
    const bool hasRC381 = singleForm(c.person, RC381) != nullptr;
    if (code != CppSchedule8 && hasSchedule8)
        appendMessage(c.messages, "Schedule 8 is not needed, please remove it.");
    if (code == CppRC381 && !hasRC381)
        appendMessage(c.messages, "Please add form RC381 to tax return to calculate CPP/QPP contribution.");
    if (code == CppSchedule8 && !hasSchedule8)
        appendMessage(c.messages, "Please add schedule 8 into tax return to calculate CPP contribution.");
    if (code != CppRC381 && hasRC381)
        appendMessage(c.messages, "Please remove form RC381, it's not needed.");
}

// ---- spouse, dependants and pension amounts

bool sameSin(const QString &a, const QString &b)
{
    return a.compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

void checkSpouseAndDependants(const Context &c)
{
    using T = TaxData_T1New;
    int spouseClaimed = 0;
    if (c.person.getFlagValue(kSpouseAmountFlag, spouseClaimed) && spouseClaimed != 0 && !c.t1.CanClaimSpouse())
        appendMessage(c.messages, "Spouse amount can be claimed if the marital status changed during the tax year. "
                                  "Marital status change is claimed on page 1 of form T1.");
    if (const CTaxData_Form *sch5 = singleForm(c.person, Schedule5)) {
        using S = TaxData_Sch5;
        if (sch5->intValue(S::F_EligibleDependantClaims) > 0 && !sch5->flag(S::F_DependantCheckbox) && c.t1.HasSpouse()
            && !c.t1.HasMaritalChange())
            appendMessage(c.messages,
                          "Tax payer was married or living with common-law partner, to claim eligible dependant amount "
                          "on line 30400 on Schedule 5, either (1)Tax payer's marital status changed during the tax "
                          "year. Claim marital status change on page 1 of T1; or (2) Read the checkbox condition on top "
                          "of Schedule 5.");
        const QString sin = sch5->text(S::F_DependantSIN).trimmed();
        if (!sin.isEmpty() && sin != QLatin1String("000000000")
            && (sameSin(sin, c.t1.sin()) || sameSin(sin, c.t1.spouseSin())))
            appendMessage(c.messages, "S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's "
                                      "or the spouse's S.I.N.");
    }
    const DependantInfoStruct *dependants = c.person.dependants();
    const int children = dependants ? dependants->GetDepChildrenNumberBetweenAges(0, 17) : 0;
    if (c.t1.intValue(T::F_Children30500) > children)
        appendMessage(c.messages, "According to dependant information, you entered more children for field 30500.");
}

// Line 31400 against the pension income it may rest on.
void checkPensionAmount(const Context &c)
{
    using T = TaxData_T1New;
    double base = line(c, T::F_11500) + line(c, T::F_11600) + line(c, T::F_12900);
    if (const CTaxData_Form *t1032 = singleForm(c.person, T1032))
        if (t1032->intValue(TaxData_T1032_New::F_Role) == 0)
            base -= t1032->amount(TaxData_T1032_New::F_SplitAmount);
    // the further deduction: other deductions at line 23200
    base -= line(c, T::F_23200);
    base -= c.t1.amount(T::F_HBP12900) + c.t1.amount(T::F_LLP12900);
    const double claimed = line(c, T::F_31400);
    if (positive(claimed) && exceeds(claimed, base))
        appendMessage(c.messages, "Field 31400 of T1 is too much according to other entries in tax return.");
}

void checkSchedule2And8(const Context &c)
{
    if (const CTaxData_Form *sch2 = singleForm(c.person, Schedule2)) {
        if (!c.t1.canClaimSch2())
            appendMessage(c.messages, "Please remove Schedule 2 because tax payer is not married or living with "
                                      "common-law partner or widowed in tax year. You may need to claim a marital "
                                      "status change on page 1 of T1.");
        if (exceeds(sch2->amount(TaxData_Sch2::F_36100), kSchedule2Maximum36100))
            appendMessage(c.messages, "Field 36100 of Schedule 2 exceeds maximum amount allowed.");
    }
    if (const CTaxData_Form *sch8 = singleForm(c.person, Schedule8)) {
        using S = TaxData_Sch8_14;
        if ((positive(sch8->amount(S::F_50372)) || positive(sch8->amount(S::F_50374)))
            && zero(c.t1.amount(TaxData_T1New::F_CppPensionReceived)))
            appendMessage(c.messages, "Remove field 50372 or 50374 in schedule 8 since there is no CPP/QPP "
                                      "retirement benefit reported in T4A(P) slip.");
    }
}

// ---- Schedule 13 and PPIP

void checkSchedule13(const Context &c)
{
    using T = TaxData_T1New;
    using S = TaxData_Sch13;
    const CTaxData_Form *sch13 = singleForm(c.person, Schedule13);
    if (positive(line(c, T::F_31217))) {
        const bool enhanced = sch13 && (nonZero(sch13->amount(S::F_54493)) || nonZero(sch13->amount(S::F_54494)));
        if (!enhanced && !c.t1.HasSelfEmploymentIncome())
            appendMessage(c.messages, "Field 31217 requires an amount in Field 54493, or 54494 of Schedule 13 or a "
                                      "self-employment income.");
    }
    if (sch13) {
        if (exceeds(sch13->amount(S::F_54493), line(c, T::F_10100)))
            appendMessage(c.messages, "Field 54493 of Schedule 13 cannot be greater than field 10100 of T1.");
        const CTaxData_Form *t90 = singleForm(c.person, T90);
        const double f54494 = sch13->amount(S::F_54494);
        if (nonZero(f54494) && (!t90 || exceeds(f54494, t90->amount(TaxData_T90::F_EmploymentIncome))))
            appendMessage(c.messages, "Field 54494 of Schedule 13 cannot be greater than field 10000 of form T90.");
        const CTaxData_Form *t2204 = singleForm(c.person, T2204);
        if (nonZero(sch13->amount(S::F_53550))
            && (!t2204 || exceeds(1.0, t2204->amount(TaxData_T2204_New::F_InsurableEarnings))
                || !c.t1.HasSelfEmploymentIncome2()))
            appendMessage(c.messages, "Field 53550 in Schedule 13 requires at least one self-employment form and a T4 "
                                      "tax slip showing EI insurable earning.");
    }
    if (nonZero(c.slips.ppipPremiums) && (!sch13 || zero(sch13->amount(S::F_54493))))
        appendMessage(c.messages, "PPIP amount in box 55 of T4 slip requires an amount in field 54493 of Schedule 13.");
}

// ---- credits with age and residence conditions

bool isNewImmigrant(const TaxData_T1New &t1)
{
    return t1.IsImmigrant() && t1.date(TaxData_T1New::F_EntryDate) != QDate(2024, 1, 1);
}

void checkAgeAndResidenceCredits(const Context &c)
{
    using T = TaxData_T1New;
    if (c.person.province() == prov::Quebec
        && exceeds(line(c, T::F_43800), kQuebecTaxTransferShare * c.slips.nonQuebecT4Tax))
        appendMessage(c.messages, "Line 438 on page 4 of T1 cannot exceed 45 percent of the income tax deducted on "
                                  "Non-Quebec T4 slips.");
    const int age = c.t1.GetAge();
    const bool newImmigrant = isNewImmigrant(c.t1);
    if (nonZero(line(c, T::F_45350))) {
        if (age < kTrainingCreditMinAge || age > kTrainingCreditMaxAge)
            appendMessage(c.messages, "Canada training credit (Field 45350) cannot be claimed if tax payer's age is "
                                      "not between 26 and 65.");
        if (newImmigrant)
            appendMessage(c.messages, "Canada training credit (Field 45350) cannot be claimed by a new immigrant tax "
                                      "payer.");
    }
    // the multigenerational home renovation credit that Schedule 12 gives the T1
    if (nonZero(line(c, T::F_45355))) {
        if (age < kAdultAge && c.t1.HasSpouse() && c.t1.GetSpouseAge() < kAdultAge)
            appendMessage(c.messages, "Schedule 12 cannot be claimed if tax payer and spouse are both younger than 18.");
        if (age < kAdultAge && !c.t1.HasSpouse())
            appendMessage(c.messages, "Schedule 12 cannot be claimed if tax payer's age is younger than 18 and doesn't "
                                      "have a spouse.");
        if (newImmigrant)
            appendMessage(c.messages, "Schedule 12 cannot be claimed by a new immigrant tax payer.");
    }
}

void checkChildCareSelection(const Context &c)
{
    using S = TaxData_T778New;
    const CTaxData_Form *t778 = singleForm(c.person, T778);
    if (!t778 || !c.t1.HasSpouse() || t778->flag(S::F_Exempt))
        return;
    const double own = c.t1.getNetIncForCredit();
    const double spouse = c.t1.getSpouseNetIncForSpouseCredit(false);
    const bool wrong = t778->flag(S::F_HigherIncomeSelected)
                           ? exceeds(spouse, own + t778->amount(S::F_SelectionAmount))
                           : exceeds(own, spouse);
    if (wrong)
        appendMessage(c.messages,
                      "The checkbox selection for who has higher net income in form T778 is wrongfully selected.");
}

// ---- the provinces' own checks

void checkProvinces(const Context &c)
{
    ProvStageForms forms;
    forms.t1 = &c.t1;
    forms.sch2 = singleForm(c.person, Schedule2);
    forms.sch5 = singleForm(c.person, Schedule5);
    forms.sch9 = singleForm(c.person, Schedule9);
    forms.sch11 = singleForm(c.person, Schedule11);
    forms.t691 = singleForm(c.person, T691);
    forms.t1206 = singleForm(c.person, T1206);
    QStringList texts;
    c.person.provinceManager().checkForFiling(texts, &c.t1, forms);
    for (const QString &text : qAsConst(texts))
        c.messages.append(CString(text));
}

void runCrossFormChecks(const Context &c)
{
    checkSharedSlips(c);
    checkEFilePrerequisites(c);
    checkResidence(c);
    checkMailingAddress(c);
    checkCppForms(c);
    checkSpouseAndDependants(c);
    checkPensionAmount(c);
    checkSchedule2And8(c);
    checkSchedule13(c);
    checkAgeAndResidenceCredits(c);
    checkChildCareSelection(c);
    checkProvinces(c);
    checkInvestmentForms(c);
    checkBenefitsAndPlans(c);
    checkPensionAndMinimumTax(c);
    checkBusinessForms(c);
}

} // namespace

int checkPersonForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &groups)
{
    TaxData_T1New *t1 = person.t1();
    const bool bankrupt = t1 && t1->IsBankrupt();
    addOwnGroups(person.slips(), 1, edition, false, groups);
    addOwnGroups(person.forms(), 2, edition, bankrupt, groups);

    auto *crossForm = new ValidationMessageGroup(4, 0);
    if (!t1) {
        appendMessage(crossForm->messages, kCannotCreate);
    } else {
        const SlipSums sums = sumSlips(person);
        runCrossFormChecks(Context{person, *t1, sums, edition, bankrupt, crossForm->messages});
    }
    if (crossForm->messages.isEmpty())
        delete crossForm;
    else
        groups.append(crossForm);
    return groups.size();
}
