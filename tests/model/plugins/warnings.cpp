// A plug-in whose manager reports three warnings and records the calls it gets.
#include "cprovincialtaxmanager.h"
#include <QStringList>

namespace {
class WarningManager : public CProvincialTaxManager
{
public:
    WarningManager() : CProvincialTaxManager(2) {}
    void collectWarnings(TaxData_T1New *, CTaxData_Form *, QStringList &texts) override
    {
        texts << QStringLiteral("First warning") << QStringLiteral("Second warning") << QStringLiteral("Third warning");
    }
    int checkNetfileEligibility() override { return 42; }
    bool getProvincialValue(int code, double &amount) override
    {
        amount = code * 2.0;
        return true;
    }
    void checkCoupledReturns(QStringList &messages, CProvincialTaxManager *) override { messages << QStringLiteral("couple"); }
    int calculateStagePart4(const ProvStageForms &) override { return 5; }
    bool releaseWizardData() override { return true; }
    int prerequisiteForm(int type) override { return type + 1; }
    void getIncomeThresholds(QList<double> &amounts) override { amounts << 1000.0; }
};
} // namespace

extern "C" __attribute__((visibility("default"))) CProvincialTaxManager *GetTaxManager()
{
    return new WarningManager;
}
