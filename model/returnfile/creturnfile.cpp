#include "creturnfile.h"
#include "ctaxdata_form.h"
#include "datanewreturnbasic.h"
#include "formtables.h"
#include "importprioryearoptions.h"
#include "individualtaxdata.h"
#include "taxdata_t1new.h"

CReturnFile::PersonCombo::~PersonCombo() = default;

CReturnFile::CReturnFile(int mode) : m_mode(mode)
{
    m_persons[0] = new IndividualTaxData(mode, &m_dependants);
    m_persons[1] = new IndividualTaxData(mode, &m_dependants);
}

CReturnFile::~CReturnFile()
{
    clear();
    for (IndividualTaxData *&p : m_persons) {
        delete p;
        p = nullptr;
    }
}

void CReturnFile::clear()
{
    m_dependants.FreeData();
    self()->clear();
    spouse()->clear();
    m_current = kSelf;
}

void CReturnFile::assign(const CReturnFile &other)
{
    if (&other == this)
        return;
    self()->copyFrom(*other.self());
    spouse()->copyFrom(*other.spouse());
    m_current = other.m_current;
    m_dependants.copyFrom(other.m_dependants);
}

bool CReturnFile::matches(const CReturnFile &other)
{
    const bool selfMatched = self()->copyHeaderAndCompare(*other.self());
    const bool spouseMatched = spouse()->copyHeaderAndCompare(*other.spouse());
    m_current = other.m_current;
    return selfMatched && spouseMatched;
}

bool CReturnFile::differsFrom(const CReturnFile &other) const
{
    // the dependants count too: an edited dependant must be offered for saving
    return self()->differs(*other.self()) || spouse()->differs(*other.spouse())
        || m_dependants != other.m_dependants;
}

// ---- persons

int CReturnFile::setCurrentPerson(int index)
{
    if (index >= kSelf && index <= kPersonSlots - 3)
        m_current = index;
    return m_current;
}

IndividualTaxData *CReturnFile::person(int index) const
{
    const int slot = index + 2;
    if (slot < 0 || slot >= kPersonSlots)
        return nullptr;
    return m_persons[size_t(slot)];
}

IndividualTaxData *CReturnFile::otherPerson() const
{
    if (m_current == kSelf)
        return spouse();
    if (m_current == kSpouse)
        return self();
    return nullptr;
}

bool CReturnFile::isCoupled() const
{
    if (!spouse())
        return false;
    if (self()->hasForm(FormType::T1))
        return spouse()->hasForm(FormType::T1);
    return spouse()->hasForm(FormType::ProvincialCredits);
}

int CReturnFile::coupleWith(const CReturnFile &other)
{
    spouse()->clear();
    spouse()->copyFrom(*other.self());
    self()->setCoupled(true);
    spouse()->setCoupled(true);

    const int mine = self()->maritalStatus();
    const int theirs = spouse()->maritalStatus();
    auto withSpouse = [](int status) { return status == 0 || status == 1; };
    if (withSpouse(mine)) {
        spouse()->setMaritalStatus(mine);
    } else if (withSpouse(theirs)) {
        self()->setMaritalStatus(theirs);
    } else {
        self()->setMaritalStatus(0);
        spouse()->setMaritalStatus(0);
    }
    return 1;
}

int CReturnFile::setProvince(int newProvince, bool both)
{
    if (!CMultiProvsTaxMgr::canLoadProvince(newProvince))
        return -1;
    QList<IndividualTaxData *> movers;
    if (both && isCoupled())
        movers << self() << spouse();
    else if (IndividualTaxData *p = currentPerson())
        movers << p;
    int moved = 0;
    for (IndividualTaxData *p : qAsConst(movers)) {
        if (p->province() == newProvince)
            continue;
        p->setProvince(p->province(), newProvince);
        ++moved;
    }
    return moved;
}

void CReturnFile::keepSpouseAsSelf()
{
    IndividualTaxData *previous = m_persons[0];
    m_persons[0] = m_persons[1];
    m_persons[1] = new IndividualTaxData(m_mode, &m_dependants);
    previous->clear();
    delete previous;
    self()->setCoupled(false);
    m_current = kSelf;
}

void CReturnFile::keepSelfOnly()
{
    spouse()->clear();
    self()->setCoupled(false);
    m_current = kSelf;
}

void CReturnFile::listLoadedProvinces(QList<int> &list) const
{
    const IndividualTaxData *p = m_current == kSpouse ? spouse() : self();
    p->provinceManager().listLoadedProvinces(list);
}

void listAvailableForms(const QList<int> &provinces, QList<int> &types)
{
    // a form of several tables (the T2125 is federal and self-employment) is listed once
    const auto add = [&types](int type) {
        if (!types.contains(type))
            types.append(type);
    };
    for (int province : provinces) {
        if (province < Province::None || province >= kProvinceCount)
            continue;
        const ProvinceForms &rows = Province_Forms_Info[province];
        for (int i = 0; i < rows.count; ++i)
            if (rows.rows[i].mustHave == 0)
                add(rows.rows[i].type);
    }
    for (int i = 0; i < Federal_Forms_Num; ++i) {
        const FederalFormRow &row = Federal_Forms_Info[i];
        if (!(row.flag1 & 1) || row.flag2 != 0 || IsFormExpired(row.type, 0))
            continue;
        if (row.type == FormType::T1Summary || row.type == FormType::T1 || row.type == FormType::Schedule10)
            continue;
        add(row.type);
    }
    for (int i = 0; i < SFD_Forms_Num; ++i)
        add(SFD_Forms_Info[i]);
}

void CReturnFile::importPriorYear(const ImportPriorYearOptions &options, int edition)
{
    const bool coupled = isCoupled();
    self()->carryForwardPriorYear(options, edition);
    if (coupled) {
        spouse()->carryForwardPriorYear(options, edition);
        return;
    }
    if (!options.makeCoupled)
        return;
    IndividualTaxData *me = self();
    me->setMaritalStatus(0);
    me->setCoupled(true);
    spouse()->initNewReturn(me->province(), me->spouseFirstName(), me->spouseLastName(), me->spouseSin(),
                            me->spouseDateOfBirth(), me->maritalStatus(), me->firstName(), me->lastName(),
                            me->sin(), me->dateOfBirth(), true);
}

int CReturnFile::applyNewReturnData(const DataNewReturnBasic &data)
{
    const int status = data.fld_MaritalStatus.value();
    const bool withSpouse = data.hasSpouse();
    const bool spouseReturn = withSpouse && data.fld_Coupled.value();

    IndividualTaxData *me = self();
    me->initNewReturn(data.fld_TaxPronv.value(), data.fld_FirstName.value(), data.fld_LastName.value(),
                      data.fld_sin.value(), data.fld_dob.value(), status, data.fld_FirstNameSpouse.value(),
                      data.fld_LastNameSpouse.value(), data.fld_sinSpouse.value(), data.fld_dobSpouse.value(),
                      spouseReturn);
    auto add = [](IndividualTaxData *p, bool wanted, int type) {
        if (wanted)
            p->getForm(type, 0, true);
    };
    add(me, data.fld_bSch3.value(), FormType::Schedule3);
    add(me, data.fld_bSch4.value(), FormType::Worksheet5000D1);
    add(me, data.fld_bSch6.value(), FormType::Schedule6);
    add(me, data.fld_bSch7.value(), FormType::Schedule7);
    add(me, data.fld_bSch9.value(), FormType::Schedule9);
    if (data.fld_bSch11.value())
        me->addTuitionForms();
    add(me, data.fld_bSch15.value(), FormType::Schedule15);
    add(me, data.fld_bT776.value(), FormType::T776);
    add(me, data.fld_bT2125.value(), FormType::T2125);
    add(me, data.fld_bT1DD.value(), FormType::T1DD);
    if (withSpouse)
        me->addSpouseTransferForms();

    if (spouseReturn) {
        IndividualTaxData *sp = spouse();
        sp->initNewReturn(data.fld_TaxPronvSpouse.value(), data.fld_FirstNameSpouse.value(),
                          data.fld_LastNameSpouse.value(), data.fld_sinSpouse.value(), data.fld_dobSpouse.value(),
                          status, data.fld_FirstName.value(), data.fld_LastName.value(), data.fld_sin.value(),
                          data.fld_dob.value(), true);
        add(sp, data.fld_bSch7.value(), FormType::Schedule7);
        add(sp, data.fld_bT776.value(), FormType::T776);
        if (data.fld_bSch11.value())
            sp->addTuitionForms();
        sp->addSpouseTransferForms();
        add(sp, data.fld_bSch6.value(), FormType::Schedule6);
    }
    m_dependants.AllocData(DependantInfoStruct::kSlots);
    return recalculate(-1, nullptr);
}

void CReturnFile::addAllForms()
{
    self()->addAllForms();
}
