#include "ctaxdata_form.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "sliptotals.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxfactory.h"

namespace {

// Provincial tuition schedule by province, in the order of the province codes; 0 where the province has none.
constexpr int kTuitionForms[kProvinceCount] = {
    0, FormType::AB_S11, FormType::BC_S11, FormType::MB_S11, FormType::NB_S11, FormType::NL_S11, FormType::NT_S11,
    FormType::NS_S11, FormType::NU_S11, FormType::ON_S11, FormType::PE_S11, 0, FormType::SK_S11, FormType::YT_S11};
// Provincial schedule of amounts transferred from the spouse.
constexpr int kSpouseTransferForms[kProvinceCount] = {
    0, FormType::AB_S2, FormType::BC_S2, FormType::MB_S2, FormType::NB_S2, FormType::NL_S2, FormType::NT_S2,
    FormType::NS_S2, FormType::NU_S2, FormType::ON_S2, FormType::PE_S2, 0, FormType::SK_S2, FormType::YT_S2};
static_assert(kTuitionForms[Province::Alberta] == FormType::AB_S11 && kTuitionForms[Province::Quebec] == 0
                  && kTuitionForms[Province::Yukon] == FormType::YT_S11,
              "kTuitionForms follows the province codes");
static_assert(kSpouseTransferForms[Province::Alberta] == FormType::AB_S2 && kSpouseTransferForms[Province::Quebec] == 0
                  && kSpouseTransferForms[Province::Yukon] == FormType::YT_S2,
              "kSpouseTransferForms follows the province codes");

int provincialForm(const int (&table)[kProvinceCount], int province)
{
    return province >= Province::None && province < kProvinceCount ? table[province] : 0;
}

} // namespace

void IndividualTaxData::initNewReturn(int province, const QString &firstName, const QString &lastName,
                                      const QString &sin, const QDate &dateOfBirth, int maritalStatus,
                                      const QString &spouseFirstName, const QString &spouseLastName,
                                      const QString &spouseSin, const QDate &spouseDateOfBirth, bool coupled)
{
    m_fileVersion = kCurrentFileVersion;
    m_coupled = coupled;
    m_province = province;
    m_provinceManager.setCurrentProvince(province);
    m_provinceManager.getManager(province, true);

    addMandatoryForms(1, province);

    if (TaxData_T1New *t = t1()) {
        t->setDateOfBirth(dateOfBirth);
        t->setLastName(lastName);
        t->setFirstName(firstName);
        t->setProvinceName(provinceName(province));
        t->setSin(sin);
        t->setMaritalStatus(maritalStatus);
        if (maritalStatus == 0 || maritalStatus == 1) {
            t->setSpouseSin(spouseSin);
            t->setSpouseFirstName(spouseFirstName);
            t->setSpouseLastName(spouseLastName);
            t->setSpouseDateOfBirth(spouseDateOfBirth);
        }
    }

    for (int row = 1; row <= 6; ++row)
        findWizardData(Global_TaxWizard_Info[row].type, Global_TaxWizard_Info[row].makeAtOnce);

    setSpouseAmountFlags();
    m_provinceManager.setUpNewReturn(t1(), getForm(FormType::Schedule5, 0, false));
}

void IndividualTaxData::addMandatoryForms(int flags, int province)
{
    CTaxData_Form *summary = getForm(FormType::T1Summary, 0, true);
    getForm(FormType::T1, 0, true);

    TaxData_T1New *t = t1();
    if (t && t->isReFile()) {
        bool haveCopy = false;
        for (const FormEntry *e : m_forms.withKey(FormType::T1SummaryReFile))
            haveCopy = haveCopy || e->object;
        if (!haveCopy) {
            auto *target = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1SummaryReFile, 0, true));
            auto *source = dynamic_cast<TaxData_T1KSNew *>(summary);
            if (target && source)
                *target = *source;
        }
    }

    if (flags & 1)
        getForm(FormType::T183, 0, true);

    RequiredFormSet slipForms;
    bool slipFormsKnown = false;
    for (int i = 0; i < Federal_Forms_Num; ++i) {
        const int type = Federal_Forms_Info[i].type;
        if (isFormNeeded(type, slipForms, slipFormsKnown))
            findFormEntry(type, 0, true);
    }
    if (province < Province::None || province > Province::Yukon)
        return;
    const ProvinceForms &rows = Province_Forms_Info[province];
    for (int i = 0; i < rows.count; ++i) {
        const int type = rows.rows[i].type;
        if (isFormNeeded(type, slipForms, slipFormsKnown))
            findFormEntry(type, 0, true);
    }
}

bool IndividualTaxData::isFormNeeded(int type)
{
    RequiredFormSet slipForms;
    bool slipFormsKnown = false;
    return isFormNeeded(type, slipForms, slipFormsKnown);
}

bool IndividualTaxData::isFormNeeded(int type, RequiredFormSet &slipForms, bool &slipFormsKnown)
{
    const TaxData_T1New *t = t1();
    if (IsFormMandatory(1, m_province, type) || (type == FormType::T1SummaryReFile && t && t->isReFile()))
        return true;

    if (!slipFormsKnown) {
        SlipTotals totals;
        accumulateSlipTotals(totals, slipForms);
        slipFormsKnown = true;
    }
    if (slipForms.contains(type))
        return type != FormType::T2209 || countForms(FormType::T2209) < 2;

    // the dividend worksheet, while the T1 holds taxable dividends
    if (type == FormType::Worksheet5000D1 && t)
        return isAmountEntered(t->amount(TaxData_T1New::F_12000)) || isAmountEntered(t->amount(TaxData_T1New::F_12010));
    return false;
}

void IndividualTaxData::completeAfterRead(int flags)
{
    const FormEntry *t1Entry = m_forms.firstWithKey(FormType::T1);
    if (!t1Entry || !t1Entry->object)
        return;
    addMandatoryForms(flags, m_province);
    for (int row = 1; row <= 6; ++row)
        findWizardData(Global_TaxWizard_Info[row].type, Global_TaxWizard_Info[row].makeAtOnce);
}

void IndividualTaxData::addTuitionForms()
{
    findFormEntry(FormType::Schedule11, 0, true);
    if (const int type = provincialForm(kTuitionForms, m_province))
        findFormEntry(type, 0, true);
}

void IndividualTaxData::addSpouseTransferForms()
{
    findFormEntry(FormType::Schedule2, 0, true);
    if (const int type = provincialForm(kSpouseTransferForms, m_province))
        findFormEntry(type, 0, true);
}

void IndividualTaxData::addAllForms()
{
    // The plug-ins go into the person's own manager, one slot per province, without
    // unloading the others: each provincial form is then released through the plug-in
    // that made it when the person is cleared or destroyed, and the plug-ins unloaded.
    QList<CProvincialTaxManager *> managers;
    for (int province = Province::Alberta; province <= Province::Yukon; ++province)
        if (IsProvinceSupported(province))
            if (CProvincialTaxManager *m = m_provinceManager.getManager(province, false))
                managers.append(m);

    for (int type = 1; type < kFormTableSize; ++type) {
        if (IsFormExpired(type, 0))
            continue;
        CTaxData_Form *object = nullptr;
        for (CProvincialTaxManager *m : qAsConst(managers))
            if ((object = m->createProvincialForm(type, true)))
                break;
        if (!object)
            object = createForm(unsigned(type));
        if (!object)
            continue;
        if (FormUsesDependants(type))
            object->setDependants(m_dependants);
        object->fillForTestPrint();
        auto *entry = new FormEntry;
        entry->type = type;
        entry->id = 0;
        entry->object = object;
        m_forms.append(entry);
    }
}
