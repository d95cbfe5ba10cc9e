// The return window's item commands: going to, adding, removing and sharing
// forms, slips and notes.
#include "form_return.h"
#include "addtaxformdlg.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "folderview.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "tabwndapp.h"
#include "taxdata_taxnote.h"

namespace {
struct WaitCursor
{
    WaitCursor() { beginWaitCursor(); }
    ~WaitCursor() { endWaitCursor(); }
};

const char kCoupledOnlyForm[] = "Sharing tax form/slip can only be processed in a coupled return file.";
const char kCoupledOnlySlip[] = "Sharing tax form/slip can only be done in a coupled return file.";
const char kShared[] = "Tax form/slip is shared to spouse's return, make sure shared tax forms are claimed properly.";
} // namespace

void Form_Return::goToForm(int formType)
{
    if (formType == 0 || !m_return)
        return;
    WaitCursor wait;
    const int pre = m_return->prerequisiteForm(formType);
    if (pre != 0 && !m_return->findFormEntry(pre, 0, true))
        return;
    if (FormEntry *entry = m_return->findFormEntry(formType, 0, true)) {
        refreshTree(true, false);
        int category = 0;
        m_tree->selectItem(category, entry->id);
    }
}

void Form_Return::addSlip(int slipType)
{
    if (!m_return)
        return;
    FormEntry *entry = m_return->addSlip(slipType, 0, 0);
    m_tree->refreshSlips();
    if (entry) {
        int category = 1;
        m_tree->selectItem(category, entry->id);
    }
}

void Form_Return::addTaxNote()
{
    if (!m_return)
        return;
    NoteEntry *entry = m_return->addNote(0);
    m_tree->refreshNotes();
    if (entry) {
        int category = 3;
        m_tree->selectItem(category, entry->id);
    }
}

void Form_Return::addForm()
{
    if (!m_return)
        return;
    QList<int> provinces, types;
    m_return->listLoadedProvinces(provinces);
    listAvailableForms(provinces, types);
    AddTaxFormDlg dlg(types, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const int type = dlg.selectedType();
    if (type == 0)
        return;
    if (!IsMultipleForm(type) && m_return->hasForm(type)) {
        gMsgInformation(tr("This tax form already exists in the tax return."), this);
        return;
    }
    if (m_return->addForm(type, 0, false, 0, true)) {
        onSignalCalc(nullptr, -1);
        refreshTree(true, false);
    } else {
        gMsgInformation(tr("Add form failed!"), this);
    }
}

int Form_Return::changeFormOrder()
{
    notAvailable();
    return 0;
}

void Form_Return::removeSelected()
{
    if (!m_return)
        return;
    int category = -1, type = 0, id = 0;
    void *selected = m_tree->getSelection(category, type, id);
    if (!selected || category == -1)
        return;
    if (category == 1) {
        CTaxData_Form *slip = static_cast<FormEntry *>(selected)->object;
        if (m_return->isSlipShared(slip)) {
            if (!gMsgYesNo(tr("The tax slip is shared with spouse's tax return. Do you want to un-share it and "
                              "continue removing the tax slip?")))
                return;
            m_return->unshareSlip(slip);
        }
        if (m_tree->removeSelectedItem()) {
            clearFormTabs();
            m_currentForm = nullptr;
            m_return->removeSlip(slip);
        }
    } else if (category == 3) {
        TaxData_TaxNote *note = static_cast<NoteEntry *>(selected)->note;
        if (m_tree->removeSelectedItem()) {
            clearFormTabs();
            m_currentForm = nullptr;
            m_return->removeNote(note);
        }
    } else if (category == 0) {
        CTaxData_Form *form = static_cast<FormEntry *>(selected)->object;
        IndividualTaxData *person = m_return->currentPerson();
        if (IsFormMandatory(appEdition, person ? person->province() : 0, type) || type == 1) {
            gMsgInformation(tr("This tax form can NOT be removed, because it's mandatory or necessary for other "
                               "tax slips/forms."),
                            this);
            return;
        }
        if (m_return->isFormShared(form)) {
            if (!gMsgYesNo(tr("The tax form is shared with spouse's tax return. Do you want to un-share it and "
                              "continue removing the tax form?"),
                           this))
                return;
            m_return->unshareForm(form);
        }
        if (m_tree->removeSelectedItem()) {
            clearFormTabs();
            m_currentForm = nullptr;
            m_return->removeForm(form, true);
        }
    }
    const int changed = m_return->recalculate(-1, nullptr);
    refreshTree(changed != 0 || category == 0, category == 1);
    QString summary;
    updateSummary(summary);
}

int Form_Return::shareForm()
{
    if (!m_return)
        return 0;
    if (!m_return->isCoupled()) {
        gMsgInformation(tr(kCoupledOnlyForm));
        return 0;
    }
    int category = -1, type = 0, id = 0;
    auto *entry = static_cast<FormEntry *>(m_tree->getSelection(category, type, id));
    if (category != 0 || !entry)
        return 0;
    if (!IsFormSharable(type)) {
        gMsgInformation(tr("This tax form cannot be shared."));
        return 0;
    }
    if (entry->linkedId != 0) {
        gMsgInformation(tr("This tax form is already shared."));
        return 0;
    }
    m_return->shareFormWithSpouse(entry->object, 0);
    m_return->recalculate(0, entry->object);
    refreshTree(true, false);
    gMsgInformation(tr(kShared), this);
    return 0;
}

int Form_Return::unshareForm()
{
    if (!m_return || !m_return->isCoupled())
        return 0;
    int category = -1, type = 0, id = 0;
    auto *entry = static_cast<FormEntry *>(m_tree->getSelection(category, type, id));
    if (category != 0 || !entry || !m_return->isFormShared(entry->object))
        return 0;
    m_return->unshareForm(entry->object);
    m_return->recalculate(0, entry->object);
    refreshTree(false, false);
    gMsgInformation(tr("Tax form is unshared from spouse's return."));
    return 0;
}

int Form_Return::shareSlip()
{
    if (!m_return)
        return 0;
    if (!m_return->isCoupled()) {
        gMsgInformation(tr(kCoupledOnlySlip));
        return 0;
    }
    int category = -1, type = 0, id = 0;
    auto *entry = static_cast<FormEntry *>(m_tree->getSelection(category, type, id));
    if (category != 1 || !entry)
        return 0;
    if (!IsSlipSharable(type) || entry->linkedId > 0) {
        gMsgInformation(tr("This tax slip cannot be shared."));
        return 0;
    }
    m_return->shareSlipWithSpouse(entry->object, 0);
    const int changed = m_return->recalculate(1, entry->object);
    refreshTree(changed != 0, true);
    gMsgInformation(tr(kShared));
    return 0;
}

int Form_Return::unshareSlip()
{
    if (!m_return)
        return 0;
    if (!m_return->isCoupled()) {
        gMsgInformation(tr(kCoupledOnlySlip));
        return 0;
    }
    int category = -1, type = 0, id = 0;
    auto *entry = static_cast<FormEntry *>(m_tree->getSelection(category, type, id));
    if (category != 1 || !entry || !m_return->isSlipShared(entry->object))
        return 0;
    m_return->unshareSlip(entry->object);
    m_return->recalculate(1, entry->object);
    refreshTree(false, true);
    gMsgInformation(tr("Tax slip is unshared from spouse's return."));
    return 0;
}
