#pragma once
#include "cprovincialtaxmanager.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class DependantInfoStruct;

// Loads the provincial plug-ins of one person and fans requests out to them.
// Managers are the person's own; the plug-in libraries are shared by the process.
class CMultiProvsTaxMgr
{
public:
    static constexpr int kSlots = 14;

    CMultiProvsTaxMgr(int mode, DependantInfoStruct *dependants);
    virtual ~CMultiProvsTaxMgr();
    CMultiProvsTaxMgr(const CMultiProvsTaxMgr &) = delete;
    CMultiProvsTaxMgr &operator=(const CMultiProvsTaxMgr &) = delete;

    void unloadAll();
    void reset() { unloadAll(); }
    void setCurrentProvince(int province) { m_currentProvince = province; }
    int currentProvince() const { return m_currentProvince; }
    int mode() const { return m_mode; }
    void setDependants(DependantInfoStruct *dependants);
    bool getProvinceLibraryName(int province, QString &name) const;
    // The manager of a province, loading its plug-in when needed; null when the
    // province is not supported or its plug-in cannot be loaded. unloadOthers
    // releases every other province first (the province itself stays loaded).
    CProvincialTaxManager *getManager(int province, bool unloadOthers);
    CProvincialTaxManager *loadedManager(int province) const;
    void listLoadedProvinces(QList<int> &list) const;
    void setTaxFormInfo(TaxData_T1New *t1, CTaxData_Form *sch5);

    // Fan-out operations.
    void setUpNewReturn(TaxData_T1New *t1, CTaxData_Form *sch5);
    CTaxData_Form *createProvincialForm(int formType, bool insert);
    bool releaseForm(CTaxData_Form *form, bool flag);
    int prerequisiteForm(int formType);
    CTaxData_Form *createWizardData();
    bool releaseWizardData();
    void applyWizardData();
    void fillWizardData();
    void calculateStagePart1(TaxData_T1New *t1);
    void calculateStagePart2(TaxData_T1New *t1, int value, CTaxData_Form *sch5, QStringList *messages);
    void calculateStagePart3(bool flag, int value, TaxData_T1New *t1);
    int calculateStagePart4(const ProvStageForms &forms);
    void calculateStagePart5(TaxData_T1New *t1, const ProvStageForms &forms);
    void calculateStagePart6(int code, CTaxData_Form *form);
    void calculateStagePart7(int code, CTaxData_Form *form);
    void fillResultForm(bool flag, TaxData_T1New *t1, CTaxData_Form *t1ks);
    void exchangeStage2(CMultiProvsTaxMgr &partner);
    void exchangeStage4(CMultiProvsTaxMgr &partner);
    void exchangeStage5(CMultiProvsTaxMgr &partner);
    int checkNetfileEligibility();
    bool getProvincialValue(int code, double &amount);
    void setProvincialAmount(int code, double amount);
    void checkForFiling(QStringList &messages, CTaxData_Form *form, const ProvStageForms &forms);
    void checkCoupledReturns(QStringList &messages, CMultiProvsTaxMgr &partner);
    void collectWarnings(TaxData_T1New *t1, CTaxData_Form *sch11, QStringList &texts);
    void getIncomeThresholds(QList<double> &amounts);
    bool isNonRefundableCreditAllUsed();
    // Shows each warning of every loaded plug-in; false at the first one declined.
    // sch11: the person's Schedule 11, null when absent.
    bool confirmWarnings(TaxData_T1New *t1, CTaxData_Form *sch11);

    // True when the province is supported and its plug-in loads from the library
    // folder and offers its entry point; shows nothing and keeps nothing loaded.
    static bool canLoadProvince(int province);

    // The folder plug-ins are loaded from: the application's own folder unless set.
    static QString libraryFolder();
    static void setLibraryFolder(const QString &folder);
    // Library loads tried since the process started (diagnostics and tests). A
    // plug-in, once loaded, stays loaded for the whole process and is not tried again.
    static int loadAttempts();

private:
    void releaseSlot(int province);
    CProvincialTaxManager *firstLoaded() const;
    CProvincialTaxManager *currentManager() const;
    // Both first loaded managers for a couple operation, or false.
    bool couplePair(CMultiProvsTaxMgr &partner, CProvincialTaxManager *&mine, CProvincialTaxManager *&theirs) const;

    std::array<CProvincialTaxManager *, kSlots> m_managers{};
    int m_mode;
    int m_currentProvince = 0;
    DependantInfoStruct *m_dependants;
};
