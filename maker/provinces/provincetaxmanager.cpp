#include "provincetaxmanager.h"
#include "formtables.h"
#include "provincetaxmanager_checks.h"
#include "taxdata_provbenefitapp.h"
#include "taxdata_provcredits479.h"
#include "taxdata_provcreditsinfo.h"
#include "taxdata_provsch11.h"
#include "taxdata_provsch2.h"
#include "taxdata_provtax428.h"
#include "taxdata_provwizard.h"
#include "taxdata_provworksheet.h"
#include "taxdata_t1273.h"
#include <cstring>

namespace {

// Forms that every provincial manager makes.
constexpr int kCommonForms[] = {109, 156, 161};

bool endsWith(const char *text, const char *suffix)
{
    const size_t n = std::strlen(text), m = std::strlen(suffix);
    return n >= m && std::strcmp(text + n - m, suffix) == 0;
}

} // namespace

ProvinceTaxManager::ProvinceTaxManager(int province) : CProvincialTaxManager(province) {}

ProvinceTaxManager::~ProvinceTaxManager()
{
    // Whatever is still out cannot outlive the plug-in's code.
    qDeleteAll(m_forms);
    delete m_wizard;
    delete m_worksheet;
}

bool ProvinceTaxManager::makesForm(int formType) const
{
    for (int t : kCommonForms)
        if (t == formType)
            return true;
    if (m_provinceId < 0 || m_provinceId >= kProvinceCount)
        return false;
    const ProvinceForms &p = Province_Forms_Info[m_provinceId];
    for (int i = 0; i < p.count; ++i)
        if (p.rows[i].type == formType)
            return true;
    return false;
}

// The class follows the form's kind, read from the short name in the form table.
CTaxData_Form *ProvinceTaxManager::makeForm(int formType) const
{
    switch (formType) {
    case 109: return new TaxData_T1273(m_provinceId, formType);
    case 156: return new TaxData_ProvWorksheet(m_provinceId, formType);
    case 161: return new TaxData_ProvCreditsInfo(m_provinceId, formType);
    default: break;
    }
    const char *name = Global_Forms_Info[formType].name;
    if (endsWith(name, "428"))
        return new TaxData_ProvTax428(m_provinceId, formType);
    if (endsWith(name, "479"))
        return new TaxData_ProvCredits479(m_provinceId, formType);
    if (endsWith(name, "(S2)"))
        return new TaxData_ProvSch2(m_provinceId, formType);
    if (endsWith(name, "(S11)"))
        return new TaxData_ProvSch11(m_provinceId, formType);
    if (endsWith(name, "-BEN"))
        return new TaxData_ProvBenefitApp(m_provinceId, formType);
    return nullptr;
}

CTaxData_Form *ProvinceTaxManager::createProvincialForm(int formType, bool)
{
    if (!makesForm(formType))
        return nullptr;
    CTaxData_Form *form = makeForm(formType);
    if (!form)
        return nullptr;
    if (auto *s11 = dynamic_cast<TaxData_ProvSch11 *>(form))
        s11->setAmount(TaxData_ProvSch11::F_CarriedForward, m_unusedTuition);
    m_forms.insert(form);
    return form;
}

bool ProvinceTaxManager::releaseForm(CTaxData_Form *form, bool)
{
    if (!form || !m_forms.remove(form))
        return false;
    if (form == m_lastForm)
        m_lastForm = nullptr;
    delete form;
    return true;
}

CTaxData_Form *ProvinceTaxManager::createWizardData()
{
    if (!m_wizard) {
        m_wizard = new TaxData_ProvWizard(m_provinceId);
        m_wizard->setAmount(TaxData_ProvWizard::F_ProvUnusedTuition, m_unusedTuition);
    }
    return m_wizard;
}

bool ProvinceTaxManager::releaseWizardData()
{
    if (!m_wizard)
        return false;
    delete m_wizard;
    m_wizard = nullptr;
    return true;
}

// Answers the instalment amounts of the last calculation (0 before one), and the
// unused tuition only once the plug-in knows it: from a tuition schedule it made
// or from a value it was given.
bool ProvinceTaxManager::getProvincialValue(int code, double &amount)
{
    if (code == kEnergyPropertyApplicationCode || code == kNorthernEnergyApplicationCode) {
        amount = appliesFor(benefitApplication(), code) ? 1.0 : 0.0;
        return true;
    }
    if (code == kInstalmentTaxCode || code == kInstalmentCreditsCode) {
        amount = code == kInstalmentTaxCode ? m_provincialTax : m_provincialCredits;
        return true;
    }
    if (code != kUnusedTuitionCode)
        return false;
    for (CTaxData_Form *f : qAsConst(m_forms)) {
        if (auto *s11 = dynamic_cast<TaxData_ProvSch11 *>(f)) {
            amount = s11->amount(TaxData_ProvSch11::F_CarriedForward);
            return true;
        }
    }
    if (!m_hasUnusedTuition)
        return false;
    amount = m_unusedTuition;
    return true;
}

// The unused tuition goes to the tuition schedules and the wizard record made so far.
void ProvinceTaxManager::setProvincialAmount(int code, double amount)
{
    if (code != kUnusedTuitionCode)
        return;
    m_unusedTuition = amount;
    m_hasUnusedTuition = true;
    for (CTaxData_Form *f : qAsConst(m_forms))
        if (auto *s11 = dynamic_cast<TaxData_ProvSch11 *>(f))
            s11->setAmount(TaxData_ProvSch11::F_CarriedForward, amount);
    if (m_wizard)
        m_wizard->setValueByCode(kUnusedTuitionCode, amount);
}

namespace {
// Provincial spouse-transfer and tuition schedules, by province number (0 none; Quebec has neither).
constexpr int kSpouseTransfer[14] = {0, 47, 43, 90, 94, 64, 72, 68, 76, 26, 79, 0, 82, 110};
constexpr int kTuition[14] = {0, 48, 44, 91, 95, 65, 73, 69, 77, 27, 80, 0, 83, 111};
} // namespace

int ProvinceTaxManager::prerequisiteForm(int formType)
{
    if (m_provinceId < 1 || m_provinceId > 13)
        return 0;
    if (formType == 3)
        return kSpouseTransfer[m_provinceId];
    if (formType == 11) {
        // where the tuition amount ended, the schedule comes only with an amount carried to it
        double carried = 0.0;
        if (endedTuitionCredit(m_provinceId)
            && !(getProvincialValue(kUnusedTuitionCode, carried) && isAmountEntered(carried)))
            return 0;
        return kTuition[m_provinceId];
    }
    return 0;
}
