// A provincial plug-in for the shared-calculation, paired-form and wizard-record
// tests: it makes any form the federal factory leaves to it, pairs
// 3 -> 24, 11 -> 25, 13 -> 26, 148 -> 27 and 150 -> 28, keeps the provincial
// unused tuition (code 11001), adds one income threshold and counts the
// wizard-data calls.
#include "cprovincialtaxmanager.h"
#include "ctaxdata_form.h"
#include <QSet>

namespace {
int g_applied = 0;
int g_filled = 0;
bool g_hasTuition = false;
double g_tuition = 0.0;
bool g_allUsed = true;

class PairForm : public CTaxData_Form
{
public:
    explicit PairForm(int type) : CTaxData_Form(table(), KindForm, type) {}
    static const FieldTable &table()
    {
        static const FieldTable t({{"Amount", FieldKind::Amount, 100}});
        return t;
    }
};

class PairManager : public CProvincialTaxManager
{
public:
    PairManager() : CProvincialTaxManager(9) {}
    ~PairManager() override
    {
        for (CTaxData_Form *f : qAsConst(m_made))
            delete f;
        delete m_wizard;
    }
    CTaxData_Form *createProvincialForm(int formType, bool) override
    {
        auto *f = new PairForm(formType);
        m_made.insert(f);
        return f;
    }
    bool releaseForm(CTaxData_Form *form, bool) override
    {
        if (!m_made.remove(form))
            return false;
        delete form;
        return true;
    }
    int prerequisiteForm(int formType) override
    {
        switch (formType) {
        case 3: return 24;
        case 11: return 25;
        case 13: return 26;
        case 148: return 27;
        case 150: return 28;
        default: return 0;
        }
    }
    CTaxData_Form *createWizardData() override
    {
        if (!m_wizard)
            m_wizard = new PairForm(0);
        return m_wizard;
    }
    bool releaseWizardData() override
    {
        delete m_wizard;
        m_wizard = nullptr;
        return true;
    }
    void applyWizardData() override { ++g_applied; }
    void fillWizardData() override { ++g_filled; }
    bool getProvincialValue(int code, double &amount) override
    {
        if (code != 11001 || !g_hasTuition)
            return false;
        amount = g_tuition;
        return true;
    }
    void setProvincialAmount(int code, double amount) override
    {
        if (code != 11001)
            return;
        g_tuition = amount;
        g_hasTuition = true;
    }
    void getIncomeThresholds(QList<double> &amounts) override { amounts.append(99999.0); }
    bool isNonRefundableCreditAllUsed() override { return g_allUsed; }

private:
    QSet<CTaxData_Form *> m_made;
    CTaxData_Form *m_wizard = nullptr;
};
} // namespace

extern "C" Q_DECL_EXPORT CProvincialTaxManager *GetTaxManager() { return new PairManager; }
extern "C" Q_DECL_EXPORT int tstApplied() { return g_applied; }
extern "C" Q_DECL_EXPORT int tstFilled() { return g_filled; }
// Forgets the provincial tuition and answers "all used" again.
extern "C" Q_DECL_EXPORT int tstReset()
{
    g_hasTuition = false;
    g_tuition = 0.0;
    g_allUsed = true;
    return 0;
}
// The provincial tuition in cents, -1 when the plug-in holds none.
extern "C" Q_DECL_EXPORT int tstTuitionCents() { return g_hasTuition ? int(g_tuition * 100.0 + 0.5) : -1; }
extern "C" Q_DECL_EXPORT int tstNotAllUsed()
{
    g_allUsed = false;
    return 0;
}
