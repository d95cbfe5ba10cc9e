#include "cwizdata_dependant.h"
#include "cwizdata_medexp.h"
#include "dependantinfostruct.h"
#include "individualtaxdata.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_rrspcontrib.h"
#include "taxdata_sch11.h"
#include "taxdata_sch7.h"
#include "taxdata_sch9.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1new.h"
#include "taxdata_wizard_general.h"
#include "utils.h"
#include <vector>

namespace {

using T1 = TaxData_T1New;
using G = TaxData_Wizard_General;
using L = TaxData_LastYearAmounts;
using D = CWizData_Dependant;
using M = CWizData_MedExp;
using R = TaxData_RRSPContrib;

// Text fields of the shared dependants record hold 80 bytes: at most 79 of UTF-8.
constexpr int kNameBytes = 79;

QString cutName(const QString &name)
{
    return QString::fromUtf8(truncateUtf8(name.toUtf8(), kNameBytes));
}

// The general answers that the T1 holds itself (flags).
struct FlagPair
{
    int record;
    int t1;
};
constexpr FlagPair kGeneralFlags[] = {
    {G::F_ElectionsCanada, T1::F_ElectionsCanada},
    {G::F_ForeignPropertyOver100K, T1::F_ForeignPropertyOver100K},
    {G::F_OrganDonor, T1::F_OrganDonor},
    {G::F_RuralSupplement, T1::F_RuralSupplement},
    {G::F_SelfEmployedJune15, T1::F_SelfEmployedJune15},
};

} // namespace

// Puts the answers of the person's wizard record of a type into the return;
// nothing happens when the person holds no record of the type. The result is
// the T1 for the dependants record, else the object touched last.
CTaxData_Form *IndividualTaxData::applyWizardRecord(int type)
{
    CTaxData_Form *record = findWizardData(type, false);
    if (!record)
        return nullptr;
    switch (type) {
    case WizardRecord::General: return applyGeneralRecord(record);
    case WizardRecord::LastYearAmounts: return applyLastYearRecord(record);
    case WizardRecord::Dependants: return applyDependantRecord(record);
    case WizardRecord::MedicalExpenses: return applyMedicalRecord(record);
    case WizardRecord::RrspContributions: return applyRrspRecord(record);
    case WizardRecord::Provincial:
        m_provinceManager.applyWizardData();
        return record;
    default:
        return nullptr;
    }
}

CTaxData_Form *IndividualTaxData::applyGeneralRecord(CTaxData_Form *record)
{
    T1 *t = t1();
    if (!t)
        return nullptr;
    for (const FlagPair &p : kGeneralFlags)
        t->setFlag(p.t1, record->flag(p.record));
    CTaxData_Form *touched = t;
    const double donations = record->amount(G::F_Donations);
    const double ecological = record->amount(G::F_EcologicalGifts);
    // Schedule 9 is made only for an amount to put on it
    if (hasForm(FormType::Schedule9) || isAmountEntered(donations) || isAmountEntered(ecological)) {
        if (CTaxData_Form *sch9 = getForm(FormType::Schedule9, 0, true)) {
            sch9->setAmount(TaxData_Sch9::F_Donations, donations);
            sch9->setAmount(TaxData_Sch9::F_EcologicalGifts, ecological);
            touched = sch9;
        }
    }
    t->setAmount(T1::F_47600, record->amount(G::F_Instalments));
    t->setAmount(T1::F_13000, record->amount(G::F_OtherIncome));
    return touched;
}

// onlyEmpty (a form just made): the record fills only the amounts still empty,
// and the forms take the T1's amounts, so what the preparer typed stays.
CTaxData_Form *IndividualTaxData::applyLastYearRecord(CTaxData_Form *record, bool onlyEmpty)
{
    T1 *t = t1();
    if (!t)
        return nullptr;
    auto put = [onlyEmpty](CTaxData_Form *form, int field, double value) {
        if (!onlyEmpty || !isAmountEntered(form->amount(field)))
            form->setAmount(field, value);
    };
    CTaxData_Form *touched = t;
    put(t, T1::F_LYFedTuition, record->amount(L::F_FedUnusedTuition));
    put(t, T1::F_LYProvTuition, record->amount(L::F_ProvUnusedTuition));
    put(t, T1::F_LYRRSPLimit, record->amount(L::F_RRSPDeductionLimit));
    put(t, T1::F_LYUnusedRRSP, record->amount(L::F_UnusedRRSPContrib));
    put(t, T1::F_HBPRepayment, record->amount(L::F_HBPRepayment));
    put(t, T1::F_LLPRepayment, record->amount(L::F_LLPRepayment));
    put(t, T1::F_LYT1212Balance, record->amount(L::F_T1212Balance));
    put(t, T1::F_LYNetCapitalLosses, record->amount(L::F_NetCapitalLosses));
    if (CTaxData_Form *sch7 = singleForm(FormType::Schedule7)) {
        put(sch7, TaxData_Sch7::F_DeductionLimit, t->amount(T1::F_LYRRSPLimit));
        put(sch7, TaxData_Sch7::F_UnusedContributions, t->amount(T1::F_LYUnusedRRSP));
        touched = sch7;
    }
    if (CTaxData_Form *sch11 = singleForm(FormType::Schedule11)) {
        put(sch11, TaxData_Sch11::F_CarriedForward, t->amount(T1::F_LYFedTuition));
        touched = sch11;
    }
    constexpr int code = CProvincialTaxManager::kUnusedTuitionCode;
    double provincial = 0.0;
    if (!onlyEmpty || !m_provinceManager.getProvincialValue(code, provincial))
        m_provinceManager.setProvincialAmount(code, t->amount(T1::F_LYProvTuition));
    if (CTaxData_Form *t1212 = singleForm(FormType::T1212)) {
        put(t1212, TaxData_T1212New::F_BalanceLastYear, t->amount(T1::F_LYT1212Balance));
        touched = t1212;
    }
    return touched;
}

CTaxData_Form *IndividualTaxData::applyDependantRecord(CTaxData_Form *record)
{
    auto *deps = dynamic_cast<D *>(record);
    if (deps && m_dependants) {
        if (m_dependants->count() < D::kSlots)
            m_dependants->AllocData(D::kSlots);
        // the rows are the slots; a slot without a row is emptied
        std::vector<DependantInfo> next(size_t(D::kSlots));
        for (int i = 0; i < D::kSlots && i < deps->rows().count(); ++i)
            next[size_t(i)] = dependantOf(deps->slot(i));
        followDependantRemovals();
        const int removed = removedSlot(next);
        for (int i = 0; i < D::kSlots; ++i)
            m_dependants->at(i) = next[size_t(i)];
        // a removed dependant's medical expenses go with it, for both spouses
        if (removed >= 0) {
            m_dependants->noteRemoved(removed);
            followDependantRemovals();
        }
    }
    return t1();
}

void IndividualTaxData::followDependantRemovals()
{
    if (!m_dependants)
        return;
    const int count = m_dependants->removalCount();
    // a record replaced whole (a scratch copy accepted) starts a journal of its own
    if (m_removalsFollowed > count)
        m_removalsFollowed = count;
    for (; m_removalsFollowed < count; ++m_removalsFollowed)
        removeMedicalRow(m_dependants->removedSlotAt(m_removalsFollowed));
}

void IndividualTaxData::removeMedicalRow(int slot)
{
    auto *med = dynamic_cast<M *>(findWizardData(WizardRecord::MedicalExpenses, false));
    if (!med || slot < 0 || slot >= med->rows().count())
        return;
    med->rows().removeAt(slot);
    med->rows().append();
    applyMedicalRecord(med);
}

DependantInfo IndividualTaxData::dependantOf(const FieldRecord &r)
{
    DependantInfo d;
    d.firstName = cutName(r.text(D::C_FirstName));
    d.lastName = cutName(r.text(D::C_LastName));
    d.relation = int(r.number(D::C_Relation));
    d.infirm = r.number(D::C_Infirm) != 0.0;
    d.birthDate = r.date(D::C_BirthDate);
    d.netIncome = r.number(D::C_NetIncome);
    d.sin = r.text(D::C_SIN);
    return d;
}

// The slot taken out when the new slots are the shared ones with one dependant
// removed and the later ones moved up; -1 for any other change.
int IndividualTaxData::removedSlot(const std::vector<DependantInfo> &next) const
{
    const int n = qMin(m_dependants->count(), int(next.size()));
    int k = 0;
    while (k < n && m_dependants->at(k) == next[size_t(k)])
        ++k;
    if (k >= n || !m_dependants->at(k).isUsed())
        return -1;
    for (int i = k; i < n; ++i) {
        const DependantInfo moved = i + 1 < m_dependants->count() ? m_dependants->at(i + 1) : DependantInfo();
        if (moved != next[size_t(i)])
            return -1;
    }
    return k;
}

// The T1's medical table: its first row holds the person, the spouse and the
// children under 18 (line 33099); each other dependant has a row of its own
// after it, with its net income for the threshold (line 33199). A dependant of
// the medical record is the dependant of the same slot.
CTaxData_Form *IndividualTaxData::applyMedicalRecord(CTaxData_Form *record)
{
    T1 *t = t1();
    auto *med = dynamic_cast<M *>(record);
    if (!t || !med)
        return nullptr;
    t->setAmount(T1::F_33099, med->amount(M::F_SelfExpenses));
    t->setAmount(T1::F_21500, med->amount(M::F_DisabilitySupports));
    if (!m_dependants)
        return t;
    for (int r = 0; r < T1::kMedicalRows; ++r)
        for (int c = 0; c < T1::M_ColumnCount; ++c)
            t->setMedicalAmount(r, c, 0.0);
    double familyPaid = med->amount(M::F_SelfExpenses);
    double familyReimbursed = med->amount(M::F_SelfReimbursed);
    int next = 1;
    for (int i = 0; i < med->rows().count() && i < m_dependants->count(); ++i) {
        const DependantInfo &d = m_dependants->at(i);
        if (!d.isUsed())
            continue;
        const double paid = med->dependantAmount(i, M::C_Expenses);
        const double reimbursed = med->dependantAmount(i, M::C_Reimbursed);
        if (isFamilyChild(d)) {
            familyPaid += paid;
            familyReimbursed += reimbursed;
        } else if (next < T1::kMedicalRows) {
            t->setMedicalAmount(next, T1::M_Expenses, paid);
            t->setMedicalAmount(next, T1::M_Reimbursed, reimbursed);
            t->setMedicalAmount(next, T1::M_Other1, d.netIncome);
            t->setMedicalAmount(next, T1::M_Other2, med->dependantAmount(i, M::C_Other2));
            ++next;
        }
    }
    t->setMedicalAmount(0, T1::M_Expenses, familyPaid);
    t->setMedicalAmount(0, T1::M_Reimbursed, familyReimbursed);
    return t;
}

bool IndividualTaxData::isFamilyChild(const DependantInfo &d)
{
    const int age = d.ageAtYearEnd();
    return d.relation == DependantInfo::Child && age >= 0 && age < 18;
}

CTaxData_Form *IndividualTaxData::applyRrspRecord(CTaxData_Form *record)
{
    T1 *t = t1();
    auto *rrsp = dynamic_cast<R *>(record);
    if (!t || !rrsp)
        return nullptr;
    if (!rrsp->hasContributions() && !hasForm(FormType::Schedule7)) {
        t->setAmount(T1::F_RRSPContribRest, rrsp->amount(R::F_ContribRestOfYear));
        return t;
    }
    CTaxData_Form *sch7 = getForm(FormType::Schedule7, 0, true);
    if (sch7) {
        sch7->setAmount(TaxData_Sch7::F_UnusedContributions, rrsp->amount(R::F_UnusedContributions));
        sch7->setAmount(TaxData_Sch7::F_HBPRepayment, rrsp->amount(R::F_HBPRepayment));
        sch7->setAmount(TaxData_Sch7::F_LLPRepayment, rrsp->amount(R::F_LLPRepayment));
        sch7->setAmount(TaxData_Sch7::F_SpousalCurrent, rrsp->amount(R::F_SpousalContrib));
        sch7->setAmount(TaxData_Sch7::F_ContribFirst60Days, rrsp->amount(R::F_ContribFirst60Days));
        sch7->setAmount(TaxData_Sch7::F_ContribRestOfYear, rrsp->amount(R::F_ContribRestOfYear));
    }
    t->setAmount(T1::F_RRSPContribFirst60, rrsp->amount(R::F_ContribFirst60Days));
    t->setAmount(T1::F_RRSPContribRest, rrsp->amount(R::F_ContribRestOfYear));
    return sch7 ? sch7 : t;
}

// Refills every wizard record from the return.
void IndividualTaxData::refreshWizardRecords(bool)
{
    if (CTaxData_Form *r = findWizardData(WizardRecord::Dependants, false))
        refreshDependantRecord(r);
    if (CTaxData_Form *r = findWizardData(WizardRecord::MedicalExpenses, false))
        refreshMedicalRecord(r);
    m_provinceManager.fillWizardData();
    if (CTaxData_Form *r = findWizardData(WizardRecord::General, false))
        refreshGeneralRecord(r);
    if (CTaxData_Form *r = findWizardData(WizardRecord::LastYearAmounts, false))
        refreshLastYearRecord(r);
    if (CTaxData_Form *r = findWizardData(WizardRecord::RrspContributions, false))
        refreshRrspRecord(r);
}

void IndividualTaxData::refreshDependantRecord(CTaxData_Form *record)
{
    auto *deps = dynamic_cast<D *>(record);
    if (!deps || !m_dependants)
        return;
    const int slots = qMin(m_dependants->count(), deps->rows().count());
    for (int i = 0; i < slots; ++i) {
        const DependantInfo &d = m_dependants->at(i);
        FieldRecord &r = deps->slot(i);
        r.setText(D::C_FirstName, d.firstName);
        r.setText(D::C_LastName, d.lastName);
        r.setNumber(D::C_Relation, d.relation);
        r.setNumber(D::C_Infirm, d.infirm ? 1 : 0);
        r.setDate(D::C_BirthDate, d.birthDate);
        r.setNumber(D::C_NetIncome, d.netIncome);
        r.setText(D::C_SIN, d.sin);
    }
}

void IndividualTaxData::refreshMedicalRecord(CTaxData_Form *record)
{
    auto *med = dynamic_cast<M *>(record);
    if (!med || !m_dependants)
        return;
    med->setText(M::F_FirstName, firstName());
    med->setText(M::F_LastName, lastName());
    med->setText(M::F_SIN, sin());
    med->setDate(M::F_DateOfBirth, dateOfBirth());
    const T1 *t = t1();
    if (!t)
        return;
    // each row is named by the dependant of its slot; an other dependant's
    // amounts come from its row of the T1, a child's stay as typed
    int next = 1;
    for (int i = 0; i < med->rows().count(); ++i) {
        FieldRecord &row = med->rows().row(i);
        const DependantInfo *d = i < m_dependants->count() ? &m_dependants->at(i) : nullptr;
        const bool used = d && d->isUsed();
        row.setText(M::C_Name, used ? (d->firstName + QLatin1Char(' ') + d->lastName).trimmed() : QString());
        row.setNumber(M::C_Other1, used ? d->netIncome : 0.0);
        if (used && !isFamilyChild(*d) && next < T1::kMedicalRows) {
            for (int c : {M::C_Expenses, M::C_Reimbursed, M::C_Other2, M::C_Allowable})
                row.setNumber(c, t->medicalAmount(next, c));
            ++next;
        } else {
            row.setNumber(M::C_Allowable, used ? qMax(0.0, row.number(M::C_Expenses) - row.number(M::C_Reimbursed)) : 0.0);
        }
    }
}

void IndividualTaxData::refreshGeneralRecord(CTaxData_Form *record)
{
    const T1 *t = t1();
    if (!t)
        return;
    for (const FlagPair &p : kGeneralFlags)
        record->setFlag(p.record, t->flag(p.t1));
    record->setAmount(G::F_Instalments, t->amount(T1::F_47600));
    record->setAmount(G::F_OtherIncome, t->amount(T1::F_13000));
    const CTaxData_Form *sch9 = singleForm(FormType::Schedule9);
    record->setAmount(G::F_Donations, sch9 ? sch9->amount(TaxData_Sch9::F_Donations) : 0.0);
    record->setAmount(G::F_EcologicalGifts, sch9 ? sch9->amount(TaxData_Sch9::F_EcologicalGifts) : 0.0);
}

void IndividualTaxData::refreshLastYearRecord(CTaxData_Form *record)
{
    T1 *t = t1();
    if (!t)
        return;
    record->setAmount(L::F_HBPRepayment, t->amount(T1::F_HBPRepayment));
    record->setAmount(L::F_LLPRepayment, t->amount(T1::F_LLPRepayment));
    record->setAmount(L::F_NetCapitalLosses, t->amount(T1::F_LYNetCapitalLosses));
    // a form's value wins and is kept on the T1 for when the form is gone
    if (const CTaxData_Form *sch7 = singleForm(FormType::Schedule7)) {
        t->setAmount(T1::F_LYRRSPLimit, sch7->amount(TaxData_Sch7::F_DeductionLimit));
        t->setAmount(T1::F_LYUnusedRRSP, sch7->amount(TaxData_Sch7::F_UnusedContributions));
    }
    record->setAmount(L::F_RRSPDeductionLimit, t->amount(T1::F_LYRRSPLimit));
    record->setAmount(L::F_UnusedRRSPContrib, t->amount(T1::F_LYUnusedRRSP));
    if (const CTaxData_Form *sch11 = singleForm(FormType::Schedule11))
        t->setAmount(T1::F_LYFedTuition, sch11->amount(TaxData_Sch11::F_CarriedForward));
    record->setAmount(L::F_FedUnusedTuition, t->amount(T1::F_LYFedTuition));
    double provincial = 0.0;
    if (m_provinceManager.getProvincialValue(CProvincialTaxManager::kUnusedTuitionCode, provincial))
        t->setAmount(T1::F_LYProvTuition, provincial);
    record->setAmount(L::F_ProvUnusedTuition, t->amount(T1::F_LYProvTuition));
    if (const CTaxData_Form *t1212 = singleForm(FormType::T1212))
        t->setAmount(T1::F_LYT1212Balance, t1212->amount(TaxData_T1212New::F_BalanceLastYear));
    record->setAmount(L::F_T1212Balance, t->amount(T1::F_LYT1212Balance));
}

void IndividualTaxData::refreshRrspRecord(CTaxData_Form *record)
{
    // the limit is Schedule 7's, or last year's as the T1 keeps it
    const CTaxData_Form *limitFrom = singleForm(FormType::Schedule7);
    if (limitFrom)
        record->setAmount(R::F_DeductionLimit, limitFrom->amount(TaxData_Sch7::F_DeductionLimit));
    else if (const T1 *t = t1())
        record->setAmount(R::F_DeductionLimit, t->amount(T1::F_LYRRSPLimit));
    if (const CTaxData_Form *sch7 = limitFrom) {
        record->setAmount(R::F_UnusedContributions, sch7->amount(TaxData_Sch7::F_UnusedContributions));
        record->setAmount(R::F_HBPRepayment, sch7->amount(TaxData_Sch7::F_HBPRepayment));
        record->setAmount(R::F_LLPRepayment, sch7->amount(TaxData_Sch7::F_LLPRepayment));
        record->setAmount(R::F_SpousalContrib, sch7->amount(TaxData_Sch7::F_SpousalCurrent));
        record->setAmount(R::F_ContribFirst60Days, sch7->amount(TaxData_Sch7::F_ContribFirst60Days));
        record->setAmount(R::F_ContribRestOfYear, sch7->amount(TaxData_Sch7::F_ContribRestOfYear));
        return;
    }
    if (const T1 *t = t1()) {
        record->setAmount(R::F_ContribFirst60Days, t->amount(T1::F_RRSPContribFirst60));
        record->setAmount(R::F_ContribRestOfYear, t->amount(T1::F_RRSPContribRest));
    }
}
