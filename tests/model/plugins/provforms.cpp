// A provincial plug-in for the person tests: it makes any form type the federal
// factory leaves to it (also types the return refuses), names 25 as the partner
// of 24, keeps track of what it deletes, and makes a provincial wizard record.
#include "cprovincialtaxmanager.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include <QSet>

namespace {
int g_released = 0;
int g_netfileCalls = 0;

class ProvForm : public CTaxData_Form
{
public:
    explicit ProvForm(int type) : CTaxData_Form(table(), KindForm, type) {}
    static const FieldTable &table()
    {
        static const FieldTable t({{"Description", FieldKind::Text}, {"Amount", FieldKind::Amount, 100}});
        return t;
    }
    void getDescription(CString &out) const override { out = text(0); }
    int ConvertToNetfile(int, NetfileGenObjParamStru &) override
    {
        ++g_netfileCalls;
        return 0;
    }
};

class ProvManager : public CProvincialTaxManager
{
public:
    ProvManager() : CProvincialTaxManager(9) {}
    ~ProvManager() override
    {
        for (CTaxData_Form *f : qAsConst(m_made))
            delete f;
        delete m_wizard;
    }
    CTaxData_Form *createProvincialForm(int formType, bool) override
    {
        auto *f = new ProvForm(formType);
        m_made.insert(f);
        return f;
    }
    bool releaseForm(CTaxData_Form *form, bool) override
    {
        if (!m_made.remove(form))
            return false;
        delete form;
        ++g_released;
        return true;
    }
    int prerequisiteForm(int formType) override { return formType == 24 ? 25 : 0; }
    CTaxData_Form *createWizardData() override
    {
        if (!m_wizard)
            m_wizard = new ProvForm(0);
        return m_wizard;
    }
    bool releaseWizardData() override
    {
        delete m_wizard;
        m_wizard = nullptr;
        return true;
    }

private:
    QSet<CTaxData_Form *> m_made;
    CTaxData_Form *m_wizard = nullptr;
};
} // namespace

extern "C" Q_DECL_EXPORT CProvincialTaxManager *GetTaxManager() { return new ProvManager; }
extern "C" Q_DECL_EXPORT int tstReleasedCount() { return g_released; }
extern "C" Q_DECL_EXPORT int tstNetfileCalls() { return g_netfileCalls; }
