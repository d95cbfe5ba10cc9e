#include "cmultiprovstaxmgr.h"
#include "formtables.h"
#include "formtypes.h"
#include "messages.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <atomic>
#include <mutex>

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
std::atomic<int> g_loadAttempts{0};

bool tryLoad(QLibrary *lib)
{
    ++g_loadAttempts;
    return lib->load();
}

// The plug-ins loaded by every manager of the process. A plug-in stays loaded from
// its first load to the end of the process: managers of several persons, and of
// files calculated in parallel, share it, and no library is ever closed under a
// manager running its code. Failed loads are not kept: the next request tries again.
class PluginRegistry
{
public:
    static PluginRegistry &instance()
    {
        static PluginRegistry registry;
        return registry;
    }

    // The entry point of the plug-in fileName of the library folder, loading it on
    // first use; null when it cannot be loaded (libraryMissing) or has no entry point.
    GetTaxManagerFn entry(const QString &fileName, QString &path, bool &libraryMissing)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // the folder is read under the lock: its first reading fills a cache of Qt's
        path = QStringLiteral("%1/%2").arg(CMultiProvsTaxMgr::libraryFolder(), fileName);
        libraryMissing = false;
        if (GetTaxManagerFn known = m_entries.value(path))
            return known;
        QLibrary *lib = loadLibrary(path);
        if (!lib) {
            libraryMissing = true;
            return nullptr;
        }
        auto found = reinterpret_cast<GetTaxManagerFn>(lib->resolve("GetTaxManager"));
        if (!found) {
            lib->unload();
            delete lib;
            return nullptr;
        }
        m_entries.insert(path, found);   // lib is never unloaded
        return found;
    }

private:
    // Two tries, as a file being copied in may fail the first one.
    static QLibrary *loadLibrary(const QString &path)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            auto *lib = new QLibrary(path);
            if (tryLoad(lib))
                return lib;
            delete lib;
        }
        return nullptr;
    }

    std::mutex m_mutex;   // a standard mutex: a ThreadSanitizer build follows it
    QHash<QString, GetTaxManagerFn> m_entries;
};
} // namespace

CMultiProvsTaxMgr::CMultiProvsTaxMgr(int mode, DependantInfoStruct *dependants)
    : m_mode(mode), m_dependants(dependants)
{
}

CMultiProvsTaxMgr::~CMultiProvsTaxMgr()
{
    unloadAll();
}

QString CMultiProvsTaxMgr::libraryFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

void CMultiProvsTaxMgr::setLibraryFolder(const QString &folder)
{
    folderOverride() = folder;
}

int CMultiProvsTaxMgr::loadAttempts()
{
    return g_loadAttempts.load();
}

void CMultiProvsTaxMgr::setDependants(DependantInfoStruct *dependants)
{
    m_dependants = dependants;
    for (CProvincialTaxManager *m : m_managers)
        if (m)
            m->setDepInfo(dependants);
}

void CMultiProvsTaxMgr::releaseSlot(int p)
{
    // the plug-in itself stays loaded in the registry
    delete m_managers[size_t(p)];
    m_managers[size_t(p)] = nullptr;
}

void CMultiProvsTaxMgr::unloadAll()
{
    for (int p = 0; p < kSlots; ++p)
        releaseSlot(p);
}

bool CMultiProvsTaxMgr::getProvinceLibraryName(int province, QString &name) const
{
    if (province < Province::None || province >= kProvinceCount)
        return false;
    const char *base = Global_Provs_Info[province].word[3];
    if (!base || !*base)
        return false;
    name = getOSLibFilename(QString::fromUtf8(base));
    return true;
}

CProvincialTaxManager *CMultiProvsTaxMgr::loadedManager(int province) const
{
    if (province < Province::None || province >= kSlots)
        return nullptr;
    return m_managers[size_t(province)];
}

bool CMultiProvsTaxMgr::canLoadProvince(int province)
{
    if (!IsProvinceSupported(province) || province >= kSlots)
        return false;
    CMultiProvsTaxMgr probe(0, nullptr);
    QString fileName;
    if (!probe.getProvinceLibraryName(province, fileName))
        return false;
    QLibrary lib(QStringLiteral("%1/%2").arg(libraryFolder(), fileName));
    if (!tryLoad(&lib))
        return false;
    const bool ok = lib.resolve("GetTaxManager") != nullptr;
    lib.unload();
    return ok;
}

CProvincialTaxManager *CMultiProvsTaxMgr::getManager(int province, bool unloadOthers)
{
    if (!IsProvinceSupported(province) || province >= kSlots)
        return nullptr;
    if (unloadOthers) {
        for (int p = 0; p < kSlots; ++p)
            if (p != province)
                releaseSlot(p);
    }
    if (CProvincialTaxManager *m = m_managers[size_t(province)])
        return m;
    QString fileName;
    if (!getProvinceLibraryName(province, fileName))
        return nullptr;
    // Load by full path in the application's folder only: a library of the same
    // name elsewhere on the search path must never run inside the program.
    QString path;
    bool libraryMissing = false;
    GetTaxManagerFn entry = PluginRegistry::instance().entry(fileName, path, libraryMissing);
    if (libraryMissing)
        gMsgInformation(QStringLiteral("file path"), path, nullptr);
    CProvincialTaxManager *manager = entry ? entry() : nullptr;
    if (!manager)
        return nullptr;
    manager->setDepInfo(m_dependants);
    m_managers[size_t(province)] = manager;
    return manager;
}

void CMultiProvsTaxMgr::listLoadedProvinces(QList<int> &list) const
{
    for (int p = 0; p < kSlots; ++p)
        if (m_managers[size_t(p)])
            list.append(p);
}

CProvincialTaxManager *CMultiProvsTaxMgr::firstLoaded() const
{
    for (CProvincialTaxManager *m : m_managers)
        if (m)
            return m;
    return nullptr;
}

CProvincialTaxManager *CMultiProvsTaxMgr::currentManager() const
{
    for (CProvincialTaxManager *m : m_managers)
        if (m && m->provinceId() == m_currentProvince)
            return m;
    return nullptr;
}

bool CMultiProvsTaxMgr::couplePair(CMultiProvsTaxMgr &partner, CProvincialTaxManager *&mine,
                                   CProvincialTaxManager *&theirs) const
{
    if (m_mode != 0)
        return false;
    mine = firstLoaded();
    theirs = partner.firstLoaded();
    return mine && theirs;
}

#define BQ_FOR_EACH_LOADED(m) \
    for (CProvincialTaxManager *m : m_managers) \
        if (m)

void CMultiProvsTaxMgr::setTaxFormInfo(TaxData_T1New *t1, CTaxData_Form *sch5)
{
    BQ_FOR_EACH_LOADED(m) m->setTaxFormInfo(t1, sch5);
}

void CMultiProvsTaxMgr::setUpNewReturn(TaxData_T1New *t1, CTaxData_Form *sch5)
{
    BQ_FOR_EACH_LOADED(m) m->setUpNewReturn(t1, sch5);
}

CTaxData_Form *CMultiProvsTaxMgr::createProvincialForm(int formType, bool insert)
{
    if (m_mode != 0) {
        CProvincialTaxManager *m = getManager(getFormProv(formType), false);
        return m ? m->createProvincialForm(formType, insert) : nullptr;
    }
    CProvincialTaxManager *m = firstLoaded();
    return m ? m->createProvincialForm(formType, insert) : nullptr;
}

bool CMultiProvsTaxMgr::releaseForm(CTaxData_Form *form, bool flag)
{
    BQ_FOR_EACH_LOADED(m) if (m->releaseForm(form, flag)) return true;
    return false;
}

int CMultiProvsTaxMgr::prerequisiteForm(int formType)
{
    CProvincialTaxManager *m = firstLoaded();
    return m ? m->prerequisiteForm(formType) : 0;
}

CTaxData_Form *CMultiProvsTaxMgr::createWizardData()
{
    CProvincialTaxManager *m = firstLoaded();
    return m ? m->createWizardData() : nullptr;
}

bool CMultiProvsTaxMgr::releaseWizardData()
{
    bool all = true;
    bool any = false;
    BQ_FOR_EACH_LOADED(m)
    {
        any = true;
        all = m->releaseWizardData() && all;
    }
    return any && all;
}

void CMultiProvsTaxMgr::applyWizardData() { BQ_FOR_EACH_LOADED(m) m->applyWizardData(); }
void CMultiProvsTaxMgr::fillWizardData() { BQ_FOR_EACH_LOADED(m) m->fillWizardData(); }
void CMultiProvsTaxMgr::calculateStagePart1(TaxData_T1New *t1) { BQ_FOR_EACH_LOADED(m) m->calculateStagePart1(t1); }

void CMultiProvsTaxMgr::calculateStagePart2(TaxData_T1New *t1, int value, CTaxData_Form *sch5, QStringList *messages)
{
    BQ_FOR_EACH_LOADED(m) m->calculateStagePart2(t1, value, sch5, messages);
}

void CMultiProvsTaxMgr::calculateStagePart3(bool flag, int value, TaxData_T1New *t1)
{
    BQ_FOR_EACH_LOADED(m) m->calculateStagePart3(flag, value, t1);
}

int CMultiProvsTaxMgr::calculateStagePart4(const ProvStageForms &forms)
{
    int answer = 0;
    BQ_FOR_EACH_LOADED(m) answer = m->calculateStagePart4(forms);
    return answer;
}

void CMultiProvsTaxMgr::calculateStagePart5(TaxData_T1New *t1, const ProvStageForms &forms)
{
    BQ_FOR_EACH_LOADED(m) m->calculateStagePart5(t1, forms);
}

void CMultiProvsTaxMgr::calculateStagePart6(int code, CTaxData_Form *form)
{
    BQ_FOR_EACH_LOADED(m) m->calculateStagePart6(code, form);
}

void CMultiProvsTaxMgr::calculateStagePart7(int code, CTaxData_Form *form)
{
    BQ_FOR_EACH_LOADED(m) m->calculateStagePart7(code, form);
}

void CMultiProvsTaxMgr::fillResultForm(bool flag, TaxData_T1New *t1, CTaxData_Form *t1ks)
{
    BQ_FOR_EACH_LOADED(m) m->fillResultForm(flag, t1, t1ks);
}

void CMultiProvsTaxMgr::exchangeStage2(CMultiProvsTaxMgr &partner)
{
    CProvincialTaxManager *mine, *theirs;
    if (couplePair(partner, mine, theirs))
        mine->exchangeStage2(theirs);
}

void CMultiProvsTaxMgr::exchangeStage4(CMultiProvsTaxMgr &partner)
{
    CProvincialTaxManager *mine, *theirs;
    if (couplePair(partner, mine, theirs))
        mine->exchangeStage4(theirs);
}

void CMultiProvsTaxMgr::exchangeStage5(CMultiProvsTaxMgr &partner)
{
    CProvincialTaxManager *mine, *theirs;
    if (couplePair(partner, mine, theirs))
        mine->exchangeStage5(theirs);
}

int CMultiProvsTaxMgr::checkNetfileEligibility()
{
    BQ_FOR_EACH_LOADED(m) if (int code = m->checkNetfileEligibility()) return code;
    return 0;
}

bool CMultiProvsTaxMgr::getProvincialValue(int code, double &amount)
{
    CProvincialTaxManager *m = currentManager();
    return m && m->getProvincialValue(code, amount);
}

void CMultiProvsTaxMgr::setProvincialAmount(int code, double amount)
{
    if (CProvincialTaxManager *m = currentManager())
        m->setProvincialAmount(code, amount);
}

void CMultiProvsTaxMgr::checkForFiling(QStringList &messages, CTaxData_Form *form, const ProvStageForms &forms)
{
    BQ_FOR_EACH_LOADED(m) m->checkForFiling(messages, form, forms);
}

void CMultiProvsTaxMgr::checkCoupledReturns(QStringList &messages, CMultiProvsTaxMgr &partner)
{
    CProvincialTaxManager *mine, *theirs;
    if (couplePair(partner, mine, theirs))
        mine->checkCoupledReturns(messages, theirs);
}

void CMultiProvsTaxMgr::collectWarnings(TaxData_T1New *t1, CTaxData_Form *sch11, QStringList &texts)
{
    BQ_FOR_EACH_LOADED(m) m->collectWarnings(t1, sch11, texts);
}

void CMultiProvsTaxMgr::getIncomeThresholds(QList<double> &amounts)
{
    if (CProvincialTaxManager *m = firstLoaded())
        m->getIncomeThresholds(amounts);
}

bool CMultiProvsTaxMgr::isNonRefundableCreditAllUsed()
{
    CProvincialTaxManager *m = firstLoaded();
    return m ? m->isNonRefundableCreditAllUsed() : false;
}

bool CMultiProvsTaxMgr::confirmWarnings(TaxData_T1New *t1, CTaxData_Form *sch11)
{
    BQ_FOR_EACH_LOADED(m)
    {
        QStringList texts;
        m->collectWarnings(t1, sch11, texts);
        for (const QString &text : texts)
            if (!CYesNoContinueDlg::warnYesNoMsg(nullptr, QStringLiteral("Brackenquill Warning Message"), text))
                return false;
    }
    return true;
}
