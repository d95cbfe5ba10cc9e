#include "individualtaxdata.h"
#include "ctaxdata_form.h"
#include "cwizdata_dependant.h"
#include "cwizdata_medexp.h"
#include "formcast.h"
#include "formtables.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_rrspcontrib.h"
#include "taxdata_t1new.h"
#include "taxdata_taxnote.h"
#include "taxdata_wizard_general.h"
#include "taxfactory.h"

// ---- forms

FormEntry *IndividualTaxData::addForm(int type, int id, bool insert, int linkedId, bool prefill)
{
    if (type == FormType::Retired177 || type == FormType::Retired178)
        return nullptr;
    CTaxData_Form *object = type >= 0 ? createForm(unsigned(type)) : nullptr;
    if (!object)
        object = m_provinceManager.createProvincialForm(type, insert);
    if (!object)
        return nullptr;
    object->setCoupledReturn(m_coupled);
    if (FormUsesDependants(type))
        object->setDependants(m_dependants);

    auto *entry = new FormEntry;
    entry->type = type;
    entry->id = id < 1 ? nextEntryId() : id;
    entry->linkedId = linkedId;
    entry->object = object;
    if (insert)
        m_forms.append(entry);
    if (prefill)
        prefillForm(object);
    return entry;
}

FormEntry *IndividualTaxData::findFormEntry(int type, int id, bool create)
{
    const QVector<FormEntry *> &ofType = m_forms.withKey(type);
    if (id > 0)
        for (FormEntry *e : ofType)
            if (e->id == id)
                return e;
    if (ofType.size() == 1)
        return ofType.first();
    if (ofType.size() > 1)
        return nullptr;   // the caller must name the id
    if (create)
        return addForm(type, nextEntryId(), true, 0, true);
    return nullptr;
}

CTaxData_Form *IndividualTaxData::getForm(int type, int id, bool create)
{
    FormEntry *e = findFormEntry(type, id, create);
    return e ? e->object : nullptr;
}

TaxData_T1New *IndividualTaxData::t1() const
{
    const QVector<FormEntry *> &ofType = m_forms.withKey(FormType::T1);
    if (ofType.size() != 1)
        return nullptr;
    return formAs<TaxData_T1New>(ofType.first()->object, FormType::T1);
}

void IndividualTaxData::collectForms(int type, QList<FormEntry *> &list) const
{
    for (FormEntry *e : m_forms.withKey(type))
        list.append(e);
}

int IndividualTaxData::collectForeignTaxCreditForms(QList<CTaxData_Form *> &list) const
{
    for (FormEntry *e : m_forms.withKey(FormType::T2209))
        if (e->object)
            list.append(e->object);
    return 0;
}

void IndividualTaxData::removeForm(CTaxData_Form *object, bool unlink, bool withPartner)
{
    if (!object)
        return;
    if (!unlink) {
        deleteFormObject(object);
        return;
    }
    CTaxData_Form *partner = withPartner ? partnerForm(object) : nullptr;
    for (CTaxData_Form *o : {object, partner}) {
        if (!o)
            continue;
        if (FormEntry *e = m_forms.holding(o))
            unlinkAndDeleteForm(e);
    }
}

int IndividualTaxData::prerequisiteForm(int type)
{
    return m_provinceManager.prerequisiteForm(type);
}

CTaxData_Form *IndividualTaxData::partnerForm(CTaxData_Form *object)
{
    if (!object)
        return nullptr;
    const FormEntry *e = m_forms.holding(object);
    const int partnerType = m_provinceManager.prerequisiteForm(e ? e->type : object->formType());
    if (partnerType == 0)
        return nullptr;
    return getForm(partnerType, 0, false);
}

bool IndividualTaxData::setFormLinkedId(CTaxData_Form *object, int linkedId)
{
    FormEntry *e = m_forms.holding(object);
    if (!e)
        return false;
    e->linkedId = linkedId;
    return true;
}

int IndividualTaxData::formEntryId(const CTaxData_Form *object) const
{
    const FormEntry *e = m_forms.holding(object);
    return e ? e->id : 0;
}

int IndividualTaxData::formLinkedId(const CTaxData_Form *object) const
{
    const FormEntry *e = m_forms.holding(object);
    return e ? e->linkedId : 0;
}

void IndividualTaxData::formDisplayName(bool sharedPrefix, const FormEntry *entry, CString &text) const
{
    if (!entry)
        return;
    if (sharedPrefix && entry->linkedId > 0)
        text = QStringLiteral("S-");
    const QString name = formName(entry->type);
    if (IsMultipleForm(entry->type)) {
        CString description;
        if (entry->object)
            entry->object->getDescription(description);
        if (description.isEmpty())
            text += name;
        else
            text += QStringLiteral("%1 - %2 (%3)").arg(name, description, QString::number(entry->id));
        return;
    }
    text += name;
}

void IndividualTaxData::moveT1KSFirst()
{
    if (FormEntry *e = m_forms.firstWithKey(FormType::T1Summary))
        m_forms.moveToFront(e);
}

bool IndividualTaxData::isObsoleteForm(int type) const
{
    switch (type) {
    case FormType::T2032Old:
    case FormType::T2124Old:
    case FormType::T2032Old2:
        return m_taxYear > 2007;
    case FormType::Obsolete100:
    case FormType::Obsolete114:
    case FormType::Obsolete115:
    case FormType::Obsolete120:
    case FormType::Obsolete134:
    case FormType::Obsolete141:
        return true;
    default:
        return IsFormExpired(type, 0);
    }
}

// ---- slips

FormEntry *IndividualTaxData::addSlip(int type, int id, int linkedId)
{
    CTaxData_Form *object = type >= 0 ? createSlip(unsigned(type)) : nullptr;
    if (!object)
        return nullptr;
    auto *entry = new FormEntry;
    entry->type = type;
    entry->id = id < 1 ? nextEntryId() : id;
    entry->linkedId = linkedId;
    entry->object = object;
    m_slips.append(entry);
    return entry;
}

CTaxData_Form *IndividualTaxData::findSlip(int type, int id, bool create)
{
    for (FormEntry *e : m_slips.withKey(type))
        if (e->id == id)
            return e->object;
    if (!create)
        return nullptr;
    FormEntry *e = addSlip(type, id, 0);
    return e ? e->object : nullptr;
}

void IndividualTaxData::removeSlip(CTaxData_Form *object)
{
    FormEntry *e = m_slips.holding(object);
    if (!e)
        return;
    m_slips.take(e);
    delete e->object;
    delete e;
}

bool IndividualTaxData::setSlipLinkedId(CTaxData_Form *object, int linkedId)
{
    FormEntry *e = m_slips.holding(object);
    if (!e)
        return false;
    e->linkedId = linkedId;
    return true;
}

int IndividualTaxData::slipEntryId(const CTaxData_Form *object) const
{
    const FormEntry *e = m_slips.holding(object);
    return e ? e->id : 0;
}

int IndividualTaxData::slipLinkedId(const CTaxData_Form *object) const
{
    const FormEntry *e = m_slips.holding(object);
    return e ? e->linkedId : 0;
}

bool IndividualTaxData::hasSharedSlip() const
{
    for (const FormEntry *e : m_slips)
        if (e->object && e->object->isShared())
            return true;
    return false;
}

// ---- notes

NoteEntry *IndividualTaxData::addNote(int id)
{
    TaxData_TaxNote *note = createTaxNote();
    if (!note)
        return nullptr;
    auto *entry = new NoteEntry;
    entry->id = id;
    entry->note = note;
    m_notes.append(entry);
    return entry;
}

TaxData_TaxNote *IndividualTaxData::findNote(int id, bool create)
{
    if (NoteEntry *e = m_notes.firstWithKey(id))
        return e->note;
    if (!create)
        return nullptr;
    NoteEntry *e = addNote(id);
    return e ? e->note : nullptr;
}

void IndividualTaxData::removeNote(TaxData_TaxNote *note)
{
    NoteEntry *e = m_notes.holding(note);
    if (!e)
        return;
    m_notes.take(e);
    delete e->note;
    delete e;
}

// ---- wizard data

WizardEntry *IndividualTaxData::addWizardData(int type)
{
    CTaxData_Form *object = nullptr;
    switch (type) {
    case WizardRecord::General: object = new TaxData_Wizard_General; break;
    case WizardRecord::LastYearAmounts: object = new TaxData_LastYearAmounts; break;
    case WizardRecord::Dependants: object = new CWizData_Dependant; break;
    case WizardRecord::MedicalExpenses: object = new CWizData_MedExp; break;
    case WizardRecord::RrspContributions: object = new TaxData_RRSPContrib; break;
    case WizardRecord::Provincial: object = m_provinceManager.createWizardData(); break;
    default: break;
    }
    if (!object)
        return nullptr;
    object->setCoupledReturn(m_coupled);
    auto *entry = new WizardEntry;
    entry->type = type;
    entry->object = object;
    m_wizardData.append(entry);
    return entry;
}

CTaxData_Form *IndividualTaxData::findWizardData(int type, bool create)
{
    if (WizardEntry *e = m_wizardData.firstWithKey(type))
        return e->object;
    if (!create)
        return nullptr;
    WizardEntry *e = addWizardData(type);
    return e ? e->object : nullptr;
}
