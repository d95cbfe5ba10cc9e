#include "individualtaxdata.h"
#include "ctaxdata_form.h"
#include "dependantinfostruct.h"
#include "formtables.h"
#include "sliptotals.h"
#include "taxdata_taxnote.h"

const char *const IndividualTaxData::kMarkerText = "BQ24R0tnFile7x2";

IndividualTaxData::IndividualTaxData(int mode, DependantInfoStruct *dependants)
    : m_provinceManager(mode, dependants), m_dependants(dependants),
      m_removalsFollowed(dependants ? dependants->removalCount() : 0)
{
}

IndividualTaxData::~IndividualTaxData()
{
    clear();
    m_password.clear();
    m_reservedStrings.clear();
}

void IndividualTaxData::deleteFormObject(CTaxData_Form *object)
{
    if (!object)
        return;
    // provincial forms are deleted by the plug-in that made them
    if (!m_provinceManager.releaseForm(object, true))
        delete object;
}

void IndividualTaxData::unlinkAndDeleteForm(FormEntry *entry)
{
    m_forms.take(entry);
    deleteFormObject(entry->object);
    delete entry;
}

void IndividualTaxData::clear()
{
    for (FormEntry *e : m_forms.takeAll()) {
        deleteFormObject(e->object);
        delete e;
    }
    for (NoteEntry *e : m_notes.takeAll()) {
        delete e->note;
        delete e;
    }
    for (FormEntry *e : m_slips.takeAll()) {
        delete e->object;
        delete e;
    }
    bool provincialRecords = false;
    for (WizardEntry *e : m_wizardData.takeAll()) {
        // the provincial record belongs to the plug-ins, which release it below
        if (e->type == WizardRecord::Provincial)
            provincialRecords = true;
        else
            delete e->object;
        delete e;
    }
    if (provincialRecords)
        m_provinceManager.releaseWizardData();
    m_provinceManager.reset();
}

IndividualTaxData &IndividualTaxData::copyFrom(const IndividualTaxData &other)
{
    if (&other == this)
        return *this;
    clear();
    m_fileVersion = other.m_fileVersion;
    m_nextEntryId = other.m_nextEntryId;
    m_province = other.m_province;
    m_provinceManager.setCurrentProvince(m_province);
    m_provinceManager.getManager(m_province, true);

    for (const FormEntry *o : other.m_forms) {
        FormEntry *e = addForm(o->type, o->id, true, o->linkedId, true);
        if (e && e->object && o->object)
            e->object->copyAll(*o->object);
    }
    for (const FormEntry *o : other.m_slips) {
        FormEntry *e = addSlip(o->type, o->id, o->linkedId);
        if (e && e->object && o->object)
            e->object->copyAll(*o->object);
    }
    for (const NoteEntry *o : other.m_notes) {
        NoteEntry *e = addNote(o->id);
        if (e && e->note && o->note)
            e->note->copyAll(*o->note);
    }
    for (const WizardEntry *o : other.m_wizardData) {
        WizardEntry *e = addWizardData(o->type);
        if (e && e->object && o->object)
            e->object->copyAll(*o->object);
    }
    return *this;
}

bool IndividualTaxData::copyHeaderAndCompare(const IndividualTaxData &other)
{
    m_fileVersion = other.m_fileVersion;
    m_nextEntryId = other.m_nextEntryId;
    if (m_province != other.m_province || m_forms.count() != other.m_forms.count()
        || m_slips.count() != other.m_slips.count() || m_notes.count() != other.m_notes.count())
        return false;

    auto copyList = [](const EntryList<FormEntry> &mine, const EntryList<FormEntry> &theirs) {
        for (int i = 0; i < mine.count(); ++i) {
            FormEntry *m = mine.at(i);
            const FormEntry *t = theirs.at(i);
            if (m->type != t->type)
                return false;
            if (m->object && t->object)
                m->object->copyAll(*t->object);
        }
        return true;
    };
    if (!copyList(m_forms, other.m_forms) || !copyList(m_slips, other.m_slips))
        return false;
    for (int i = 0; i < m_notes.count(); ++i) {
        NoteEntry *m = m_notes.at(i);
        const NoteEntry *t = other.m_notes.at(i);
        if (m->note && t->note)
            m->note->copyAll(*t->note);
    }
    return true;
}

namespace {
// Whether two objects hold the same data; the other's object compares itself.
bool sameObject(const CTaxData_Form *mine, const CTaxData_Form *theirs)
{
    if (!mine || !theirs)
        return mine == theirs;
    return !theirs->differs(*mine);
}
} // namespace

bool IndividualTaxData::equals(const IndividualTaxData &other) const
{
    if (m_forms.count() != other.m_forms.count() || m_slips.count() != other.m_slips.count()
        || m_notes.count() != other.m_notes.count())
        return false;

    for (const FormEntry *o : other.m_forms) {
        // the same quantity of every type, also of types that should occur once
        if (m_forms.countKey(o->type) != other.m_forms.countKey(o->type))
            return false;
        const FormEntry *match = nullptr;
        if (IsMultipleForm(o->type)) {
            for (const FormEntry *e : m_forms.withKey(o->type))
                if (e->id == o->id) {
                    match = e;
                    break;
                }
        } else {
            match = m_forms.firstWithKey(o->type);
        }
        if (!match || !sameObject(match->object, o->object))
            return false;
    }
    for (const FormEntry *o : other.m_slips) {
        if (m_slips.countKey(o->type) != other.m_slips.countKey(o->type))
            return false;
        const FormEntry *match = nullptr;
        for (const FormEntry *e : m_slips.withKey(o->type))
            if (e->id == o->id) {
                match = e;
                break;
            }
        if (!match || !sameObject(match->object, o->object))
            return false;
    }
    for (const NoteEntry *o : other.m_notes) {
        const NoteEntry *match = m_notes.firstWithKey(o->id);
        if (!match || !sameObject(match->note, o->note))
            return false;
    }
    return true;
}

void IndividualTaxData::setProvince(int oldProvince, int newProvince)
{
    const int previous = m_province;
    m_province = newProvince;
    // Province 0 is the federal side: leaving "no province" removes nothing.
    if (oldProvince > Province::None) {
        QList<FormEntry *> gone;
        for (FormEntry *e : m_forms)
            if (e->object && getFormProv(e->type) == oldProvince)
                gone.append(e);
        for (FormEntry *e : gone)
            unlinkAndDeleteForm(e);
    }
    m_provinceManager.setCurrentProvince(newProvince);
    // The provincial wizard record lives in its plug-in's code: it is released
    // through the plug-ins before they are unloaded, and the new province makes its own.
    bool remakeWizardRecord = false;
    WizardEntry *record = m_wizardData.firstWithKey(WizardRecord::Provincial);
    if (record && (previous != newProvince || !m_provinceManager.loadedManager(newProvince))) {
        m_wizardData.take(record);
        delete record;
        m_provinceManager.releaseWizardData();
        remakeWizardRecord = true;
    }
    m_provinceManager.getManager(newProvince, true);
    if (remakeWizardRecord)
        findWizardData(WizardRecord::Provincial, true);
    if (newProvince < Province::None || newProvince >= kProvinceCount)
        return;
    const ProvinceForms &rows = Province_Forms_Info[newProvince];
    for (int i = 0; i < rows.count; ++i)
        if (rows.rows[i].mustHave)
            findFormEntry(rows.rows[i].type, 0, true);
}

void IndividualTaxData::setCoupled(bool coupled)
{
    m_coupled = coupled;
    for (FormEntry *e : m_forms)
        if (e->object)
            e->object->setCoupledReturn(coupled);
}
