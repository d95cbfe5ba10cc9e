#include "ctaxdata_form.h"
#include "formtables.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "taxdata_sch8_14.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxdata_taxnote.h"

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

} // namespace

void IndividualTaxData::carryForwardPriorYear(const ImportPriorYearOptions &options, int edition)
{
    if (!hasForm(FormType::T1))
        return;

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
