#include "ctaxdata_form.h"
#include "ctaxdata_rc71.h"
#include "individualtaxdata.h"
#include "taxdata_sch5.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t183new.h"
#include "taxdata_t185.h"
#include "taxdata_t1new.h"

// Flags and texts by code, and the record of a filing's outcome.

bool IndividualTaxData::getFlagValue(int code, int &value) const
{
    switch (code) {
    case 2:
    case 4:
    case 10: {
        const TaxData_T1New *t = t1();
        if (!t)
            return false;
        if (code == 2)
            value = t->isReFile() ? 1 : 0;
        else if (code == 4)
            value = t->IsPostBankrupt() ? 1 : 0;
        else
            value = t->emailAddress().isEmpty() ? 0 : 1;
        return true;
    }
    case 303:
        if (const FormEntry *sch5 = m_forms.firstWithKey(FormType::Schedule5))
            if (sch5->object)
                value = int(sch5->object->valueByCode(303));
        return true;
    case 10003:
        if (auto *t183 = formAs<TaxData_T183New>(singleForm(FormType::T183), FormType::T183)) {
            value = t183->hasSignDate() ? 1 : 0;
            return true;
        }
        return false;
    case 10004:
        if (auto *t1013 = formAs<TaxData_T1013New>(singleForm(FormType::T1013), FormType::T1013)) {
            value = t1013->hasSignDate() ? 1 : 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool IndividualTaxData::setValue(int code, bool flag, double amount)
{
    switch (code) {
    case 3:
        if (TaxData_T1New *t = t1()) {
            t->setMultipleYearFiling(flag);
            return true;
        }
        return false;
    case 10322:
        if (auto *t1032 = formAs<TaxData_T1032_New>(singleForm(FormType::T1032), FormType::T1032)) {
            t1032->setFlag(TaxData_T1032_New::F_Elected, flag);
            return true;
        }
        return false;
    case 10321:
        if (auto *t1032 = formAs<TaxData_T1032_New>(singleForm(FormType::T1032), FormType::T1032)) {
            t1032->setAmount(TaxData_T1032_New::F_SplitAmount, amount);
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool IndividualTaxData::setText(int code, const QString &text)
{
    if (code == 10002) {
        if (auto *t183 = formAs<TaxData_T183New>(singleForm(FormType::T183), FormType::T183)) {
            t183->CTaxData_Form::setText(TaxData_T183New::F_Text, text);
            return true;
        }
    } else if (code == 10005) {
        if (auto *rc71 = formAs<CTaxData_RC71>(singleForm(FormType::RC71), FormType::RC71)) {
            rc71->CTaxData_Form::setText(CTaxData_RC71::F_Text, text);
            return true;
        }
    }
    return false;
}

CTaxData_Form *IndividualTaxData::singleForm(int type) const
{
    const QVector<FormEntry *> &ofType = m_forms.withKey(type);
    return ofType.size() == 1 ? ofType.first()->object : nullptr;
}

void IndividualTaxData::markT1013FilingStatus(int status, const QString &text, const QString &time)
{
    auto *f = formAs<TaxData_T1013New>(singleForm(FormType::T1013), FormType::T1013);
    if (!f)
        return;
    if (f->intValue(TaxData_T1013New::F_FilingStatus) == 1) {
        // already accepted: only a new acceptance renews it
        if (status == 1) {
            f->CTaxData_Form::setText(TaxData_T1013New::F_FilingTime, time);
            f->CTaxData_Form::setText(TaxData_T1013New::F_Confirmation, text);
            f->CTaxData_Form::setText(TaxData_T1013New::F_Error, QString());
        }
        return;
    }
    f->setIntValue(TaxData_T1013New::F_FilingStatus, status);
    f->CTaxData_Form::setText(TaxData_T1013New::F_FilingTime, time);
    if (status == 1) {
        f->CTaxData_Form::setText(TaxData_T1013New::F_Confirmation, text);
        f->CTaxData_Form::setText(TaxData_T1013New::F_Error, QString());
    } else {
        f->CTaxData_Form::setText(TaxData_T1013New::F_Error, text);
    }
}

void IndividualTaxData::markT1135FilingStatus(int status, const QString &text, const QString &time)
{
    auto *f = formAs<TaxData_T1135New>(singleForm(FormType::T1135), FormType::T1135);
    if (!f)
        return;
    f->setIntValue(TaxData_T1135New::F_FilingStatus, status);
    f->CTaxData_Form::setText(TaxData_T1135New::F_FilingTime, time);
    if (status == 1)
        f->CTaxData_Form::setText(TaxData_T1135New::F_Confirmation, text);
    if (f->flag(TaxData_T1135New::F_Amended))
        f->setIntValue(TaxData_T1135New::F_FilingStatus, status == 1 ? 3 : 2);
}

void IndividualTaxData::markT185FilingStatus(int status, const QString &text, const QString &time)
{
    auto *f = formAs<TaxData_T185>(singleForm(FormType::T185), FormType::T185);
    if (!f || status != 1)
        return;
    f->CTaxData_Form::setText(TaxData_T185::F_Confirmation, text);
    f->CTaxData_Form::setText(TaxData_T185::F_PadDate, time);
    f->CTaxData_Form::setText(TaxData_T185::F_Message,
                              QStringLiteral("You sent a PAD at %1, confirmation number [%2].").arg(time, text));
}

bool IndividualTaxData::hasSpouseInformation() const
{
    const TaxData_T1New *t = t1();
    if (t && t->HasSpouse())
        return true;
    for (const FormEntry *e : m_forms.withKey(FormType::T1032))
        if (e->object)
            return true;
    if (!t || !t->CanClaimSpouse())
        return false;
    const FormEntry *sch5 = m_forms.firstWithKey(FormType::Schedule5);
    return sch5 && sch5->object && sch5->object->flag(TaxData_Sch5::F_SpouseFlag);
}

void IndividualTaxData::setSpouseAmountFlags()
{
    TaxData_T1New *t = t1();
    if (!t)
        return;
    if (t->CanClaimSpouse()) {
        // ticked by default: in a couple the return of the spouse who can use it keeps it
        if (auto *sch5 = formAs<TaxData_Sch5>(getForm(FormType::Schedule5, 0, true), FormType::Schedule5))
            sch5->setDefaultClaim(true);
    } else {
        t->setSpouseAmountClaim(0);
    }
}
