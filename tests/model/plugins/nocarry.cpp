// A provincial plug-in for the carry-forward tests: its forms refuse to be carried
// into a new year, and it records what the refusal test was given.
#include "cprovincialtaxmanager.h"
#include "ctaxdata_form.h"
#include <QSet>

namespace {
int g_lastEdition = -1;
int g_lastProvince = -1;
int g_carried = 0;

class RefusingForm : public CTaxData_Form
{
public:
    explicit RefusingForm(int type) : CTaxData_Form(table(), KindForm, type) {}
    static const FieldTable &table()
    {
        static const FieldTable t({{"Amount", FieldKind::Amount, 100}});
        return t;
    }
    bool mayCarryForward(int edition, int province) const override
    {
        g_lastEdition = edition;
        g_lastProvince = province;
        return false;
    }
    void carryForward(bool keepData) override
    {
        ++g_carried;
        CTaxData_Form::carryForward(keepData);
    }
};

class RefusingManager : public CProvincialTaxManager
{
public:
    RefusingManager() : CProvincialTaxManager(9) {}
    ~RefusingManager() override { qDeleteAll(m_made); }
    CTaxData_Form *createProvincialForm(int formType, bool) override
    {
        auto *f = new RefusingForm(formType);
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

private:
    QSet<CTaxData_Form *> m_made;
};
} // namespace

extern "C" Q_DECL_EXPORT CProvincialTaxManager *GetTaxManager() { return new RefusingManager; }
extern "C" Q_DECL_EXPORT int tstLastEdition() { return g_lastEdition; }
extern "C" Q_DECL_EXPORT int tstLastProvince() { return g_lastProvince; }
extern "C" Q_DECL_EXPORT int tstCarriedCount() { return g_carried; }
