#include "personchecks.h"
#include "filingeligibility.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "settingsseam.h"
#include "sliptotals.h"
#include "taxdata_slip_t3.h"
#include "taxdata_slip_t5.h"
#include "taxdata_slip_t5013.h"
#include "taxdata_t1248schd.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include <QStringList>

namespace {

enum FormType {
    Schedule2 = 3, Schedule5 = 6, Schedule9 = 9, Schedule11 = 11, T1206 = 29, T691 = 31, T183 = 96,
    T2091Designation = 147, T2091 = 160, RC381 = 148, Schedule8 = 150, T1248ScheduleD = 207,
};
enum CppForm { NoCppForm = 0, CppSchedule8 = 1, CppRC381 = 2 };
enum SlipType { SlipT3 = 9, SlipT5 = 8, SlipT5013 = 13 };
constexpr int kEFileBit = 1;
constexpr int kEFilerIdLength = 5;
constexpr int kEFilerPasswordMinLength = 7;
constexpr int kPartnershipIdMinLength = 9;
constexpr int kTaxShelterIdMinLength = 6;

const char *const kCannotCreate = "Brackenquill cannot create NETFILE/EFILE for this return file.";

// What the checks across forms read.
struct Context
{
    IndividualTaxData &person;
    TaxData_T1New &t1;
    const SlipTotals &totals;
    int edition;
    QList<CString> &messages;
};

bool zero(double v) { return !isAmountEntered(v); }

// The form of the type when the person holds exactly one.
CTaxData_Form *singleForm(const IndividualTaxData &person, int type)
{
    const auto &entries = person.forms().withKey(type);
    return entries.size() == 1 ? entries.first()->object : nullptr;
}

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
    if (!singleForm(c.person, T183))
        appendMessage(c.messages, "Add form T183 - Information Return of Electronic Filing, to the tax return.");
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
    using T1 = TaxData_T1New;
    if (const auto *schD = dynamic_cast<TaxData_T1248SchD *>(singleForm(c.person, T1248ScheduleD))) {
        CString text;
        if (schD->ValidateWithT1(c.edition, text, c.t1.flag(T1::F_ForeignMailing), c.t1.flag(T1::F_FactualResident),
                                 c.t1.IsImmigrant(), c.t1.IsEmmigrant())
            > 0)
            c.messages.append(text);
    }
    if (c.t1.flag(T1::F_TaxBeneficiaryElection)) {
        const bool hasT3 = !c.person.slips().withKey(SlipT3).isEmpty();
        if (c.person.slips().isEmpty() || !hasT3 || !c.t1.IsDeceased())
            appendMessage(c.messages, "Tax beneficiary for deceased person requires a T3 slip in the return.");
        // more than $1 by the amount tolerance
        if (c.t1.amount(T1::F_52080) - 1.0 < 0.009)
            appendMessage(c.messages, "Tax beneficiary amount (Field 52080) must be more than $1.");
    }
    if (c.person.hasSelfEmploymentForms() && c.t1.intValue(T1::F_ProvinceOfBusiness) == 0)
        appendMessage(c.messages, "Self-employment activity is claimed, please enter the province for self-employment "
                                  "on page 1 of form T1.");
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
        SlipTotals totals;
        person.addSlipsToTotals(totals);
        const Context c{person, *t1, totals, edition, crossForm->messages};
        checkSharedSlips(c);
        checkEFilePrerequisites(c);
        checkResidence(c);
        checkCppForms(c);
        checkProvinces(c);
    }
    if (crossForm->messages.isEmpty())
        delete crossForm;
    else
        groups.append(crossForm);
    return groups.size();
}
