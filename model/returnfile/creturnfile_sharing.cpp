// Forms and slips that both spouses claim: one entry in each return, the two
// pointing at each other through their linked ids.
#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "taxdata_slipbase.h"
#include "taxdata_t1new.h"
#include "taxfactory.h"
#include <memory>

namespace {

// The partner's entry of the type whose id the current entry links to; null for none.
FormEntry *linkedPartnerEntry(const EntryList<FormEntry> &partnerList, const FormEntry *entry)
{
    if (entry->linkedId <= 0)
        return nullptr;
    for (FormEntry *e : partnerList.withKey(entry->type))
        if (e->id == entry->linkedId)
            return e;
    return nullptr;
}

// True when the slip holds nothing but what a new slip of its type holds, its
// share aside: the copy that sharing made of a blank slip and nobody filled in.
bool isBlankSlip(const CTaxData_Form &slip)
{
    std::unique_ptr<CTaxData_Form> blank(createSlip(slip.formType()));
    if (!blank)
        return false;
    blank->setFlags(slip.flags());
    auto *blankSlip = dynamic_cast<TaxData_SlipBase *>(blank.get());
    if (const auto *own = dynamic_cast<const TaxData_SlipBase *>(&slip); own && blankSlip)
        blankSlip->setSharePercent(own->sharePercent());
    blank->calculateData();
    return !slip.differs(*blank);
}

} // namespace

bool CReturnFile::isFormShared(const CTaxData_Form *form) const
{
    const IndividualTaxData *p = currentPerson();
    if (!isCoupled() || !p)
        return false;
    const FormEntry *e = p->formEntryOf(form);
    return e && e->linkedId > 0;
}

void CReturnFile::shareFormWithSpouse(CTaxData_Form *form, int linkedId)
{
    IndividualTaxData *p = currentPerson();
    IndividualTaxData *partner = otherPerson();
    if (!isCoupled() || !p || !partner || !form)
        return;
    FormEntry *entry = p->formEntryOf(form);
    if (!entry || entry->id <= 0 || !IsFormSharable(entry->type))
        return;
    if (!IsSFDForm(entry->type) || linkedId > 0) {
        FormEntry *other = partner->findFormEntry(entry->type, IsSFDForm(entry->type) ? linkedId : 0, true);
        if (!other)
            return;
        other->linkedId = entry->id;
        entry->linkedId = other->id;
        return;
    }
    // a supplementary form of its own: the partner gets a new copy of the shared part
    FormEntry *copy = partner->addForm(entry->type, partner->nextEntryId(), true, entry->id, false);
    if (!copy || !copy->object)
        return;
    copy->object->copySharedPart(*form);
    entry->linkedId = copy->id;
}

void CReturnFile::unshareForm(CTaxData_Form *form)
{
    IndividualTaxData *p = currentPerson();
    IndividualTaxData *partner = otherPerson();
    if (!isCoupled() || !p || !partner)
        return;
    FormEntry *entry = p->formEntryOf(form);
    if (!entry)
        return;
    // the partner's copy is the one the entry links to; nothing is ever made here
    if (FormEntry *other = linkedPartnerEntry(partner->forms(), entry))
        other->linkedId = 0;
    entry->linkedId = 0;
}

bool CReturnFile::isSlipShared(const CTaxData_Form *slip) const
{
    const IndividualTaxData *p = currentPerson();
    if (!isCoupled() || !p)
        return false;
    const FormEntry *e = p->slipEntryOf(slip);
    return e && e->linkedId > 0;
}

void CReturnFile::shareSlipWithSpouse(CTaxData_Form *slip, int linkedId)
{
    IndividualTaxData *p = currentPerson();
    IndividualTaxData *partner = otherPerson();
    if (!isCoupled() || !p || !partner || !slip)
        return;
    FormEntry *entry = p->slipEntryOf(slip);
    if (!entry || entry->id <= 0 || !IsSlipSharable(entry->type))
        return;
    if (linkedId > 0) {
        CTaxData_Form *other = partner->findSlip(entry->type, linkedId, false);
        FormEntry *otherEntry = other ? partner->slipEntryOf(other) : nullptr;
        if (!otherEntry)
            return;
        otherEntry->linkedId = entry->id;
        entry->linkedId = otherEntry->id;
        return;
    }
    FormEntry *copy = partner->addSlip(entry->type, partner->nextEntryId(), entry->id);
    if (!copy || !copy->object)
        return;
    copy->object->copySharedPart(*slip);
    // the partner claims the rest: the two shares never count the slip twice
    auto *copied = dynamic_cast<TaxData_SlipBase *>(copy->object);
    if (const auto *original = dynamic_cast<const TaxData_SlipBase *>(slip); copied && original)
        copied->setSharePercent(100.0 - original->sharePercent());
    entry->linkedId = copy->id;
}

void CReturnFile::unshareSlip(CTaxData_Form *slip)
{
    IndividualTaxData *p = currentPerson();
    IndividualTaxData *partner = otherPerson();
    if (!isCoupled() || !p || !partner)
        return;
    FormEntry *entry = p->slipEntryOf(slip);
    if (!entry)
        return;
    // the partner's copy goes when it is still blank; with values of its own it stays, unlinked
    if (FormEntry *other = linkedPartnerEntry(partner->slips(), entry)) {
        other->linkedId = 0;
        if (other->object && isBlankSlip(*other->object))
            partner->removeSlip(other->object);
    }
    entry->linkedId = 0;
}

int CReturnFile::syncSpouseMailingAddress()
{
    IndividualTaxData *p = currentPerson();
    IndividualTaxData *partner = otherPerson();
    if (!isCoupled() || !p || !partner)
        return 0;
    TaxData_T1New *mine = p->t1();
    TaxData_T1New *theirs = partner->t1();
    if (!mine || !theirs)
        return 0;
    theirs->SyncWithSpouseMailingAddr(*mine);
    return 1;
}

int CReturnFile::fillPreparerInfo()
{
    if (IndividualTaxData *p = currentPerson())
        p->fillPreparerInfo();
    if (IndividualTaxData *partner = otherPerson())
        partner->fillPreparerInfo();
    return 0;
}
