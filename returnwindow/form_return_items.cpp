// The return window's item commands: going to, adding, removing and sharing
// forms, slips and notes.
#include "form_return.h"
#include "waitcursor.h"
#include "addtaxformdlg.h"
#include "dlgchangeformorder.h"
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "folderview.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "tabwndapp.h"
#include "taxdata_taxnote.h"
#include "ui_form_return.h"

namespace {
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
    FormEntry *entry = m_return->findFormEntry(formType, 0, true);
    if (!entry)
        return;
    const int id = entry->id;
    // the new forms show calculated values and the result lines follow them
    onSignalCalc(nullptr, -1);
    refreshTree(true, false);
    int category = 0;
    ui->treeFolderView->selectItem(category, id);
}

void Form_Return::addSlip(int slipType)
{
    if (!m_return)
        return;
    FormEntry *entry = m_return->addSlip(slipType, 0, 0);
    ui->treeFolderView->refreshSlips();
    if (entry) {
        int category = 1;
        ui->treeFolderView->selectItem(category, entry->id);
    }
    modifiedChanged();
}

void Form_Return::addTaxNote()
{
    if (!m_return)
        return;
    NoteEntry *entry = m_return->addNote(0);
    ui->treeFolderView->refreshNotes();
    if (entry) {
        int category = 3;
        ui->treeFolderView->selectItem(category, entry->id);
    }
    modifiedChanged();
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
    addFormOfType(dlg.selectedFormType());
}

// A recalculation may have dropped the shown form: show the selection instead.
void Form_Return::afterCommandRecalc()
{
    if (dropVanishedForm())
        openSelection(0);
    modifiedChanged();
}

// Adds a form the user chose and opens it, or says why not.
void Form_Return::addFormOfType(int type)
{
    if (type == 0 || !m_return)
        return;
    if (!IsMultipleForm(type) && m_return->hasForm(type)) {
        gMsgInformation(tr("This tax form already exists in the tax return."), this);
        return;
    }
    // inserted into the person's list (an entry made without it belongs to nobody)
    FormEntry *entry = m_return->addForm(type, 0, true, 0, true);
    if (!entry) {
        gMsgInformation(tr("Add form failed!"), this);
        return;
    }
    const int id = entry->id;
    onSignalCalc(nullptr, -1);
    refreshTree(true, false);
    int category = 0;
    ui->treeFolderView->selectItem(category, id);
}

int Form_Return::changeFormOrder()
{
    IndividualTaxData *person = m_return ? m_return->currentPerson() : nullptr;
    if (!person)
        return 0;
    DlgChangeFormOrder dlg(person, this);
    if (dlg.exec() == QDialog::Accepted) {
        refreshTree(true, false);
        modifiedChanged();
    }
    return 0;
}

void Form_Return::removeSelected()
{
    if (!m_return)
        return;
    int category = -1, type = 0, id = 0;
    void *selected = ui->treeFolderView->getSelection(category, type, id);
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
        if (ui->treeFolderView->removeSelectedItem()) {
            clearFormTabs();
            m_currentForm = nullptr;
            m_return->removeSlip(slip);
        }
    } else if (category == 3) {
        TaxData_TaxNote *note = static_cast<NoteEntry *>(selected)->note;
        if (ui->treeFolderView->removeSelectedItem()) {
            clearFormTabs();
            m_currentForm = nullptr;
            m_return->removeNote(note);
        }
    } else if (category == 0) {
        CTaxData_Form *form = static_cast<FormEntry *>(selected)->object;
        IndividualTaxData *person = m_return->currentPerson();
        const bool needed = type == 1 || IsFormMandatory(appEdition, person ? person->province() : 0, type)
            || (person && person->isFormNeeded(type));
        if (needed) {
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
        if (ui->treeFolderView->removeSelectedItem()) {
            clearFormTabs();
            m_currentForm = nullptr;
            m_return->removeForm(form, true);
        }
    }
    const int changed = m_return->recalculate(-1, nullptr);
    const bool vanished = dropVanishedForm();
    refreshTree(changed != 0 || category == 0, category == 1);
    // the pages of whatever the tree now shows
    if (vanished || !m_currentForm)
        openSelection(0);
    QString summary;
    updateSummary(summary);
    modifiedChanged();
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
    auto *entry = static_cast<FormEntry *>(ui->treeFolderView->getSelection(category, type, id));
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
    afterCommandRecalc();
    gMsgInformation(tr(kShared), this);
    return 0;
}

int Form_Return::unshareForm()
{
    if (!m_return || !m_return->isCoupled())
        return 0;
    int category = -1, type = 0, id = 0;
    auto *entry = static_cast<FormEntry *>(ui->treeFolderView->getSelection(category, type, id));
    if (category != 0 || !entry || !m_return->isFormShared(entry->object))
        return 0;
    m_return->unshareForm(entry->object);
    m_return->recalculate(0, entry->object);
    refreshTree(false, false);
    afterCommandRecalc();
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
    auto *entry = static_cast<FormEntry *>(ui->treeFolderView->getSelection(category, type, id));
    if (category != 1 || !entry)
        return 0;
    if (!IsSlipSharable(type) || entry->linkedId > 0) {
        gMsgInformation(tr("This tax slip cannot be shared."));
        return 0;
    }
    m_return->shareSlipWithSpouse(entry->object, 0);
    const int changed = m_return->recalculate(1, entry->object);
    refreshTree(changed != 0, true);
    afterCommandRecalc();
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
    auto *entry = static_cast<FormEntry *>(ui->treeFolderView->getSelection(category, type, id));
    if (category != 1 || !entry || !m_return->isSlipShared(entry->object))
        return 0;
    m_return->unshareSlip(entry->object);
    m_return->recalculate(1, entry->object);
    refreshTree(false, true);
    afterCommandRecalc();
    gMsgInformation(tr("Tax slip is unshared from spouse's return."));
    return 0;
}
