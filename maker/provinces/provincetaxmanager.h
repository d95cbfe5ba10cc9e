#pragma once
#include "cprovincialtaxmanager.h"
#include <QSet>

// The manager that every provincial plug-in hands out, set up for its province.
// It makes its province's forms, the forms every province makes (109, 156, 161)
// and its tax-wizard record, and deletes them again: objects whose code lives in
// the plug-in must be deleted by it.
class ProvinceTaxManager : public CProvincialTaxManager
{
public:
    // Value code of the provincial unused tuition carried from last year.
    static constexpr int kUnusedTuitionCode = 11001;

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

    // True when this manager makes formType.
    bool makesForm(int formType) const;
    int ownedFormCount() const { return m_forms.size(); }

private:
    CTaxData_Form *makeForm(int formType) const;

    QSet<CTaxData_Form *> m_forms;
    CTaxData_Form *m_wizard = nullptr;
    double m_unusedTuition = 0.0;
    bool m_hasUnusedTuition = false;
};
