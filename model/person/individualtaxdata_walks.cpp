#include "cenumtaxformobj.h"
#include "cenumtaxnoteobj.h"
#include "cenumtaxslipobj.h"
#include "cenumtaxwizardobj.h"
#include "individualtaxdata.h"
#include <algorithm>

// The walks always call the visitor's operations: a visitor that keeps a
// default gets exactly what the walk itself would do for it (the default item
// counts and goes on; the default begin and end do nothing), so no visitor has
// to declare which operations it overrides.
//
// The walks run over a copy of the list, so that a visitor may remove the entry
// it is shown.

bool IndividualTaxData::forEachForm(CEnumTaxFormObj *visitor, void *param)
{
    if (!visitor)
        return false;
    visitor->OnEnumBegin(param);
    bool answer = true;
    const QList<FormEntry *> entries = m_forms.items();
    for (FormEntry *e : entries)
        if (!(answer = visitor->OnEnumItem(e, param)))
            break;
    visitor->OnEnumEnd(param);
    return answer;
}

bool IndividualTaxData::forEachSlip(CEnumTaxSlipObj *visitor, void *tree)
{
    if (!visitor)
        return false;
    visitor->OnEnumBegin(tree);
    bool answer = true;
    const QList<FormEntry *> entries = m_slips.items();
    for (FormEntry *e : entries)
        if (!(answer = visitor->OnEnumItem(e, tree)))
            break;
    visitor->OnEnumEnd(tree);
    return answer;
}

bool IndividualTaxData::forEachNote(CEnumTaxNoteObj *visitor, void *tree)
{
    if (!visitor)
        return false;
    bool answer = true;
    const QList<NoteEntry *> entries = m_notes.items();
    for (NoteEntry *e : entries)
        if (!(answer = visitor->OnEnumItem(e, tree)))
            break;
    return answer;
}

bool IndividualTaxData::forEachWizardData(CEnumTaxWizardObj *visitor, void *tree)
{
    if (!visitor)
        return false;
    bool answer = true;
    const QList<WizardEntry *> entries = m_wizardData.items();
    for (WizardEntry *e : entries)
        answer = visitor->OnEnumItem(e, tree);
    return answer;
}

bool IndividualTaxData::reorderForms(const QList<FormEntry *> &order)
{
    QList<FormEntry *> sorted = order;
    QList<FormEntry *> current = m_forms.items();
    std::sort(sorted.begin(), sorted.end());
    std::sort(current.begin(), current.end());
    if (sorted != current)
        return false;
    m_forms.takeAll();
    for (FormEntry *e : order)
        m_forms.append(e);
    return true;
}
