#include "ctaxdata_form.h"
#include "formtables.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "taxdata_sch11.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8_14.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxdata_taxnote.h"
#include <iterator>

namespace {

// Forms that never continue into the new year.
bool isDroppedAtImport(int type)
{
    switch (type) {
    case FormType::Schedule8Old:
    case FormType::ON_BEN:
    case FormType::Retired58:
    case FormType::Obsolete100:
    case FormType::Obsolete114:
    case FormType::Obsolete120:
    case FormType::Obsolete134:
    case FormType::Obsolete141:
    case FormType::T1SummaryReFile:
        return true;
    default:
        return false;
    }
}

constexpr double kMovingAmountLimit = 20000.0;

// An amount carried from last year that the T1 keeps beside the form that opens with it.
struct CarriedOnT1
{
    int t1Field;
    int formType;
    int formField;
};
constexpr CarriedOnT1 kCarriedOnT1[] = {
    {TaxData_T1New::F_LYFedTuition, FormType::Schedule11, TaxData_Sch11::F_CarriedForward},
    {TaxData_T1New::F_LYUnusedRRSP, FormType::Schedule7, TaxData_Sch7::F_UnusedContributions},
    {TaxData_T1New::F_LYT1212Balance, FormType::T1212, TaxData_T1212New::F_BalanceLastYear},
};

// The schedule that holds the provincial unused tuition (its value code).
bool hasProvincialTuitionForm(const IndividualTaxData &p)
{
    for (const FormEntry *e : p.forms())
        if (e->object && e->object->kind() == CTaxData_Form::KindForm &&
            e->object->hasCode(CProvincialTaxManager::kUnusedTuitionCode))
            return true;
    return false;
}

// Last year's carried amounts as its T1 kept them, and whether last year had the form
// that opens with each, seen before the forms are carried forward.
struct LastYearOnT1
{
    double amounts[std::size(kCarriedOnT1)] = {};
    bool hadForm[std::size(kCarriedOnT1)] = {};
    double provincialTuition = 0.0;
    bool hadProvincialForm = false;
};

LastYearOnT1 carriedOnT1(const IndividualTaxData &p)
{
    LastYearOnT1 kept;
    const TaxData_T1New *t = p.t1();
    for (size_t i = 0; i < std::size(kCarriedOnT1); ++i) {
        kept.amounts[i] = t ? t->amount(kCarriedOnT1[i].t1Field) : 0.0;
        kept.hadForm[i] = p.hasForm(kCarriedOnT1[i].formType);
    }
    kept.provincialTuition = t ? t->amount(TaxData_T1New::F_LYProvTuition) : 0.0;
    kept.hadProvincialForm = hasProvincialTuitionForm(p);
    return kept;
}

// The T1 keeps what the forms carried: each form's opening amount (none when the form,
// having nothing to carry, did not continue) or, where last year had no such form, the
// amount the T1 kept itself, which nothing claimed last year.
void keepCarriedOnT1(IndividualTaxData &p, const LastYearOnT1 &lastYear)
{
    TaxData_T1New *t = p.t1();
    if (!t)
        return;
    for (size_t i = 0; i < std::size(kCarriedOnT1); ++i) {
        const CarriedOnT1 &c = kCarriedOnT1[i];
        const CTaxData_Form *form = p.getForm(c.formType, 0, false);
        t->setAmount(c.t1Field, form ? form->amount(c.formField) : lastYear.hadForm[i] ? 0.0 : lastYear.amounts[i]);
    }
    constexpr int code = CProvincialTaxManager::kUnusedTuitionCode;
    double provincial = 0.0;
    if (!lastYear.hadProvincialForm) {
        provincial = lastYear.provincialTuition;
        if (isAmountEntered(provincial))
            p.provinceManager().setProvincialAmount(code, provincial);
    } else if (!hasProvincialTuitionForm(p) || !p.provinceManager().getProvincialValue(code, provincial)) {
        provincial = 0.0;
    }
    t->setAmount(TaxData_T1New::F_LYProvTuition, provincial);
}

} // namespace

void IndividualTaxData::carryForwardPriorYear(const ImportPriorYearOptions &options, int edition)
{
    if (!hasForm(FormType::T1))
        return;
    const LastYearOnT1 lastYear = carriedOnT1(*this);

    // the prior-year summary keeps last year's summary
    auto *summary = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1Summary, 0, true));
    auto *priorSummary = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1Summary2023, 0, true));
    if (summary && priorSummary)
        *priorSummary = *summary;

    QList<CTaxData_Form *> removed;
    QList<CTaxData_Form *> added;
    for (const FormEntry *e : m_forms) {
        CTaxData_Form *object = e->object;
        if (!object)
            continue;
        // The entry's type counts too: the Re-File and prior-year summaries hold
        // objects that report the summary's own type.
        const int type = object->formType();
        const bool refused = !options.keepFormsUnchanged && !object->mayCarryForward(edition, m_province);
        if (refused || isDroppedAtImport(type) || isDroppedAtImport(e->type)) {
            removed.append(object);
        } else if (type == FormType::RC381) {
            added.append(new TaxData_Sch8_14);
            removed.append(object);
        } else if (e->type != FormType::T1Summary2023) {
            object->carryForward(options.copyAllData || (options.includeSelfBusinessData && IsSFDForm(type)));
        }
    }
    for (CTaxData_Form *object : qAsConst(removed))
        removeForm(object, true, false);
    for (CTaxData_Form *object : qAsConst(added)) {
        // a return holds one Schedule 8: one carried from last year stays
        if (hasForm(object->formType())) {
            delete object;
            continue;
        }
        object->setCoupledReturn(m_coupled);
        auto *entry = new FormEntry;
        entry->type = object->formType();
        entry->id = nextEntryId();
        entry->object = object;
        m_forms.append(entry);
    }

    keepCarriedOnT1(*this, lastYear);
    if (m_movingAmountCarried >= 0.009 && kMovingAmountLimit - m_movingAmountCarried >= 0.009)
        if (TaxData_T1New *t = t1())
            t->setLastYearMovingExpenses(m_movingAmountCarried);

    if (options.keepFormsUnchanged) {
        for (const FormEntry *e : m_slips)
            if (e->object)
                e->object->carryForward(options.copyAllData);
    } else {
        const QList<FormEntry *> slips = m_slips.items();
        for (FormEntry *e : slips) {
            m_slips.take(e);
            delete e->object;
            delete e;
        }
    }

    if (!options.keepNotes) {
        const QList<NoteEntry *> notes = m_notes.items();
        for (NoteEntry *e : notes) {
            m_notes.take(e);
            delete e->note;
            delete e;
        }
    }
}
