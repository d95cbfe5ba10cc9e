#pragma once
#include <QList>
#include <QStringList>

class CTaxData_Form;
class TaxData_T1New;
class DependantInfoStruct;

// The federal calculator objects that the calculation stages hand to the
// provincial managers; members the stage does not hold at that point are null.
struct ProvStageForms
{
    TaxData_T1New *t1 = nullptr;
    CTaxData_Form *t1ks = nullptr;
    CTaxData_Form *sch2 = nullptr;
    CTaxData_Form *sch3 = nullptr;
    CTaxData_Form *sch5 = nullptr;
    CTaxData_Form *sch6 = nullptr;
    CTaxData_Form *sch9 = nullptr;
    CTaxData_Form *sch11 = nullptr;
    CTaxData_Form *t1206 = nullptr;
    CTaxData_Form *t691 = nullptr;
    CTaxData_Form *wsD1 = nullptr;   // dividend worksheet (form 210)
    CTaxData_Form *t1219 = nullptr;  // provincial minimum tax (form 89)
    CTaxData_Form *t2017 = nullptr;  // reserves on dispositions (form 37)
    CTaxData_Form *form156 = nullptr; // the provincial form only the plug-ins read
    QList<CTaxData_Form *> *foreignTaxCredits = nullptr;
    QStringList *messages = nullptr;
};

// Base of every provincial or territorial calculator manager. A plug-in library
// exports GetTaxManager, which returns a new object of a subclass.
class CProvincialTaxManager
{
public:
    // Value code of the provincial unused tuition carried from last year.
    static constexpr int kUnusedTuitionCode = 11001;

    explicit CProvincialTaxManager(int provinceId = 0);
    virtual ~CProvincialTaxManager();

    virtual int provinceId() const;
    virtual void setUpNewReturn(TaxData_T1New *t1, CTaxData_Form *sch5);
    virtual void reservedSlot1();
    virtual CTaxData_Form *createProvincialForm(int formType, bool insert);
    // True when the manager deleted the object itself.
    virtual bool releaseForm(CTaxData_Form *form, bool flag);
    virtual int reservedSlot2(int formType, int a, int b);
    // The form type that must exist before formType; 0 for none.
    virtual int prerequisiteForm(int formType);
    virtual CTaxData_Form *createWizardData();
    // True when the manager released its provincial wizard record.
    virtual bool releaseWizardData();
    virtual void applyWizardData();
    virtual void fillWizardData();
    virtual void reservedSlot3();
    virtual void reservedSlot4();
    virtual void reservedSlot5();
    virtual void calculateStagePart1(TaxData_T1New *t1);
    virtual void calculateStagePart2(TaxData_T1New *t1, int value, CTaxData_Form *sch5, QStringList *messages);
    virtual void calculateStagePart3(bool flag, int value, TaxData_T1New *t1);
    virtual int calculateStagePart4(const ProvStageForms &forms);
    virtual void calculateStagePart5(TaxData_T1New *t1, const ProvStageForms &forms);
    // code 173 (T224) or 174 (T225) with that form, around its calculation
    virtual void calculateStagePart6(int code, CTaxData_Form *form);
    virtual void calculateStagePart7(int code, CTaxData_Form *form);
    virtual void fillResultForm(bool flag, TaxData_T1New *t1, CTaxData_Form *t1ks);
    virtual void exchangeStage2(CProvincialTaxManager *partner);
    virtual void exchangeStage4(CProvincialTaxManager *partner);
    virtual void exchangeStage5(CProvincialTaxManager *partner);
    // A non-zero error code stops electronic filing.
    virtual int checkNetfileEligibility();
    virtual bool getProvincialValue(int code, double &amount);
    virtual bool reservedSlot6(int code, double &amount);
    virtual bool reservedSlot7(int code, double &amount);
    virtual void setProvincialAmount(int code, double amount);
    virtual void checkForFiling(QStringList &messages, CTaxData_Form *form, const ProvStageForms &forms);
    virtual void checkCoupledReturns(QStringList &messages, CProvincialTaxManager *partner);
    // The points a preparer is asked to confirm before filing; sch11: the person's
    // Schedule 11, null when absent.
    virtual void collectWarnings(TaxData_T1New *t1, CTaxData_Form *sch11, QStringList &texts);
    // Never called (the benefit estimates are the program's own): kept for its place in the virtual table.
    virtual void estimateProvincialBenefits(double a, double b, double c, double d);
    virtual void getIncomeThresholds(QList<double> &amounts);
    virtual bool isNonRefundableCreditAllUsed();

    void setDepInfo(DependantInfoStruct *dependants) { m_dependants = dependants; }
    DependantInfoStruct *depInfo() const { return m_dependants; }
    void setTaxFormInfo(TaxData_T1New *t1, CTaxData_Form *sch5) { m_t1 = t1; m_sch5 = sch5; }
    TaxData_T1New *t1() const { return m_t1; }
    CTaxData_Form *sch5() const { return m_sch5; }

protected:
    int m_provinceId;

private:
    DependantInfoStruct *m_dependants = nullptr;
    TaxData_T1New *m_t1 = nullptr;
    CTaxData_Form *m_sch5 = nullptr;
};

// The entry point every provincial plug-in exports.
extern "C" typedef CProvincialTaxManager *(*GetTaxManagerFn)();
