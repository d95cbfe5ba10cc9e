#pragma once
#include "cprovincialtaxmanager.h"
#include "ctaxdata_form.h"
#include <QSet>
#include <type_traits>
#include <typeinfo>

class TaxData_ProvTax428;
namespace tax2024 { struct PerPersonLimit; }

// The manager that every provincial plug-in hands out, set up for its province.
// It makes its province's forms, the forms every province makes (109, 156, 161)
// and its tax-wizard record, and deletes them again: objects whose code lives in
// the plug-in must be deleted by it. It works the province's 2024 tax from the
// T1 and writes the provincial tax (line 42800) and credits (line 47900) back.
class ProvinceTaxManager : public CProvincialTaxManager
{
public:
    // Value codes of the instalment worksheet: the provincial tax on the T1 (line
    // 42800, already part of line 43500) and the provincial credits (line 47900).
    static constexpr int kInstalmentTaxCode = 63855;
    static constexpr int kInstalmentCreditsCode = 63856;
    // Value codes (outside the line codes) answering 1 when the person's benefit application (ON-BEN) applies for
    // the energy and property tax credit, or for the northern energy credit; 0 otherwise.
    static constexpr int kEnergyPropertyApplicationCode = 990001;
    static constexpr int kNorthernEnergyApplicationCode = 990002;

    explicit ProvinceTaxManager(int province);
    ~ProvinceTaxManager() override;

    CTaxData_Form *createProvincialForm(int formType, bool insert) override;
    bool releaseForm(CTaxData_Form *form, bool flag) override;
    CTaxData_Form *createWizardData() override;
    bool releaseWizardData() override;
    bool getProvincialValue(int code, double &amount) override;
    void setProvincialAmount(int code, double amount) override;
    // Schedule 2 and Schedule 11 are paired with the province's own schedules.
    int prerequisiteForm(int formType) override;

    // Calculation stages: stage 4 (part 4) and stage 5 (part 5) work the 428 and
    // 479 from the return and write lines 42800 and 47900; part 2 writes them
    // again after the stage has cleared its line.
    void calculateStagePart2(TaxData_T1New *t1, int value, CTaxData_Form *sch5, QStringList *messages) override;
    void calculateStagePart3(bool flag, int value, TaxData_T1New *t1) override;
    int calculateStagePart4(const ProvStageForms &forms) override;
    void calculateStagePart5(TaxData_T1New *t1, const ProvStageForms &forms) override;
    void fillResultForm(bool flag, TaxData_T1New *t1, CTaxData_Form *t1ks) override;
    bool isNonRefundableCreditAllUsed() override;
    // The province's own 2024 rules before filing: Alberta, Ontario and Saskatchewan give
    // no tuition amount for the year, so their Schedule 11 claims carried-forward amounts only.
    void checkForFiling(QStringList &messages, CTaxData_Form *t1, const ProvStageForms &forms) override;
    // The province's points to confirm before filing, and its checks between spouses
    // (provincetaxmanager_checks.cpp).
    void collectWarnings(TaxData_T1New *t1, CTaxData_Form *sch11, QStringList &texts) override;
    void checkCoupledReturns(QStringList &messages, CProvincialTaxManager *partner) override;
    // The provincial Schedule 2 of a person takes the partner's amounts (same province).
    void exchangeStage4(CProvincialTaxManager *partner) override;
    // The part of the partner's low-income reduction left unused (NB, NL, PE).
    void exchangeStage5(CProvincialTaxManager *partner) override;

    // The 428 the last calculation filled: the person's own, or the manager's
    // worksheet when the person holds none; null for Quebec or before a calculation.
    const TaxData_ProvTax428 *lastTaxForm() const { return m_lastForm; }

    // True when this manager makes formType.
    bool makesForm(int formType) const;
    int ownedFormCount() const { return m_forms.size(); }

private:
    CTaxData_Form *makeForm(int formType) const;
    // The benefit application this manager made, when it made one.
    const class TaxData_ProvBenefitApp *benefitApplication() const;
    template <class T> T *ownForm() const;
    bool ownsReturn(const TaxData_T1New *t1) const;
    void calculateProvince(TaxData_T1New *t1, const ProvStageForms &forms);
    void fillFacts(TaxData_ProvTax428 &form, const TaxData_T1New &t1, const ProvStageForms &forms) const;
    int familyDependants(const TaxData_ProvTax428 &form, const TaxData_T1New &t1) const;
    // The further credit lines (provincetaxmanager_lines.cpp).
    void fillCreditLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1, const ProvStageForms &forms) const;
    void caregiverLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const;
    void volunteerLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const;
    void childrenLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const;
    void typedLines(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const;
    double typedAmountCap(const tax2024::PerPersonLimit &limit, bool adults, const TaxData_T1New &t1) const;
    void federalCopies(TaxData_ProvTax428 &form, const TaxData_T1New &t1) const;
    static void typedAmountWarnings(const TaxData_ProvTax428 &form, QStringList &texts);
    void amountsOnTheWrongFormWarnings(const TaxData_ProvTax428 &form, QStringList &texts) const;
    void adoptionMaximumWarning(const TaxData_ProvTax428 &form, const TaxData_T1New &t1, QStringList &texts) const;
    void claimTuition(TaxData_ProvTax428 &form);
    void foreignTaxCredit(TaxData_ProvTax428 &form, const ProvStageForms &forms);
    double calculateCredits(const TaxData_T1New &t1);
    static bool claimsForFamily(const TaxData_T1New &t1, double &spouseNet);
    static bool claimsAsLowerIncome(const TaxData_ProvTax428 &form, const TaxData_T1New &t1, bool taxable);
    double manitobaCredit(const TaxData_T1New &t1) const;
    double bcSalesTaxCredit(const TaxData_T1New &t1, double adjustedNetIncome) const;
    double territorySupplement(const TaxData_T1New &t1, double adjustedNetIncome) const;
    void writeLines(TaxData_T1New *t1) const;

    QSet<CTaxData_Form *> m_forms;
    CTaxData_Form *m_wizard = nullptr;
    double m_unusedTuition = 0.0;
    bool m_hasUnusedTuition = false;
    TaxData_ProvTax428 *m_worksheet = nullptr; // used when the person holds no 428
    const TaxData_ProvTax428 *m_lastForm = nullptr;
    double m_provincialTax = 0.0;
    double m_provincialCredits = 0.0;
    bool m_calculated = false;
    int m_taxFormType = -1; // the province's 428, -1 until looked up
};

// The plug-in's form classes are final, so the exact class decides: a comparison of
// type identities, cheaper than a dynamic_cast across libraries.
template <class T> T *ProvinceTaxManager::ownForm() const
{
    static_assert(std::is_final<T>::value, "a provincial form class has no subclasses");
    for (CTaxData_Form *f : m_forms)
        if (f && typeid(*f) == typeid(T))
            return static_cast<T *>(f);
    return nullptr;
}
