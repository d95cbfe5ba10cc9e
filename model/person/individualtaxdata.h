#pragma once
#include "cmultiprovstaxmgr.h"
#include "creservedarea.h"
#include "cstring.h"
#include "formcast.h"
#include "formentry.h"
#include "formtypes.h"
#include "individualtaxdata_entrylist.h"
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <memory>
#include <vector>

class SlipTotals;

class CTaxData_Form;
class TaxData_T1New;
class TaxData_TaxNote;
class DependantInfoStruct;
struct DependantInfo;
class FieldRecord;
class MyDataStream;
class CEnumTaxFormObj;
class CEnumTaxSlipObj;
class CEnumTaxNoteObj;
class CEnumTaxWizardObj;
class ValidationMessageGroup;
struct NetfileGenObjParamStru;

// The return of one person: the T1 and every form, slip, tax note and
// tax-wizard record, each an entry of one of four ordered lists, with the
// person's province, file version and password.
class IndividualTaxData
{
public:
    static constexpr int kCurrentFileVersion = 66098;
    static constexpr int kTaxYear = 2024;
    // The fixed marker text kept in reserved slot 2 and handed to every object's serialise.
    static const char *const kMarkerText;

    IndividualTaxData(int mode, DependantInfoStruct *dependants);
    virtual ~IndividualTaxData();
    IndividualTaxData(const IndividualTaxData &) = delete;
    IndividualTaxData &operator=(const IndividualTaxData &) = delete;

    // ---- whole return
    void clear();
    IndividualTaxData &copyFrom(const IndividualTaxData &other);
    bool copyHeaderAndCompare(const IndividualTaxData &other);
    bool equals(const IndividualTaxData &other) const;
    bool differs(const IndividualTaxData &other) const { return !equals(other); }
    void setProvince(int oldProvince, int newProvince);
    void setCoupled(bool coupled);
    // Hands out the next entry id.
    int nextEntryId() { return m_nextEntryId++; }

    // ---- fields
    double movingAmountCarried() const { return m_movingAmountCarried; }
    void setMovingAmountCarried(double v) { m_movingAmountCarried = v; }
    CMultiProvsTaxMgr &provinceManager() { return m_provinceManager; }
    const CMultiProvsTaxMgr &provinceManager() const { return m_provinceManager; }
    int province() const { return m_province; }
    int fileVersion() const { return m_fileVersion; }
    void setFileVersion(int v) { m_fileVersion = v; }
    int taxYear() const { return m_taxYear; }
    void setTaxYear(int y) { m_taxYear = y; }
    int reservedWord() const { return m_reservedWord; }
    void setReservedWord(int w) { m_reservedWord = w; }
    // The counter itself, for the file; nextEntryId() hands ids out.
    int entryIdCounter() const { return m_nextEntryId; }
    void setEntryIdCounter(int next) { m_nextEntryId = next; }
    const EntryList<FormEntry> &forms() const { return m_forms; }
    const EntryList<FormEntry> &slips() const { return m_slips; }
    const EntryList<NoteEntry> &notes() const { return m_notes; }
    const EntryList<WizardEntry> &wizardData() const { return m_wizardData; }
    CReservedArea &reservedStrings() { return m_reservedStrings; }
    const CReservedArea &reservedStrings() const { return m_reservedStrings; }
    const CString &password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    DependantInfoStruct *dependants() const { return m_dependants; }
    bool isCoupled() const { return m_coupled; }

    // ---- forms
    FormEntry *addForm(int type, int id, bool insert, int linkedId, bool prefill);
    FormEntry *findFormEntry(int type, int id, bool create);
    CTaxData_Form *getForm(int type, int id, bool create);
    // The person's T1; null when there is none.
    TaxData_T1New *t1() const;
    bool hasForm(int type) const { return m_forms.countKey(type) > 0; }
    int countForms(int type) const { return m_forms.countKey(type); }
    int formCount(int type) const { return type == 0 ? m_forms.count() : countForms(type); }
    void collectForms(int type, QList<FormEntry *> &list) const;
    int collectForeignTaxCreditForms(QList<CTaxData_Form *> &list) const;
    void removeForm(CTaxData_Form *object, bool unlink, bool withPartner);
    // Puts the form entries in the given order; false, and nothing changes,
    // unless order holds exactly the person's entries.
    bool reorderForms(const QList<FormEntry *> &order);
    int prerequisiteForm(int type);
    CTaxData_Form *partnerForm(CTaxData_Form *object);
    bool setFormLinkedId(CTaxData_Form *object, int linkedId);
    int formEntryId(const CTaxData_Form *object) const;
    int formLinkedId(const CTaxData_Form *object) const;
    // The entry that holds a form object; null for none.
    FormEntry *formEntryOf(const CTaxData_Form *object) const { return m_forms.holding(object); }
    void formDisplayName(bool sharedPrefix, const FormEntry *entry, CString &text) const;
    void moveT1KSFirst();
    bool isObsoleteForm(int type) const;

    // ---- slips
    FormEntry *addSlip(int type, int id, int linkedId);
    CTaxData_Form *findSlip(int type, int id, bool create);
    void removeSlip(CTaxData_Form *object);
    bool setSlipLinkedId(CTaxData_Form *object, int linkedId);
    int slipEntryId(const CTaxData_Form *object) const;
    int slipLinkedId(const CTaxData_Form *object) const;
    FormEntry *slipEntryOf(const CTaxData_Form *object) const { return m_slips.holding(object); }
    bool hasSharedSlip() const;

    // ---- notes and wizard data
    NoteEntry *addNote(int id);
    TaxData_TaxNote *findNote(int id, bool create);
    void removeNote(TaxData_TaxNote *note);
    WizardEntry *addWizardData(int type);
    CTaxData_Form *findWizardData(int type, bool create);

    // ---- walks (the visitors decide what each entry means)
    bool forEachForm(CEnumTaxFormObj *visitor, void *param);
    bool forEachSlip(CEnumTaxSlipObj *visitor, void *tree);
    bool forEachNote(CEnumTaxNoteObj *visitor, void *tree);
    bool forEachWizardData(CEnumTaxWizardObj *visitor, void *tree);

    // ---- rules of the return file (the byte layout belongs to the file's serialiser)
    // State of one person block while it is read.
    struct ReadContext
    {
        int version = 0;         // the block's file version
        CString marker;          // reserved slot 2 as read
        bool provinceReady = false;
        bool summarySeen = false; // a T1 Summary has been read
    };
    // Before the person block is written: the summary first, version, year and the reserved slots.
    void prepareForWrite();
    // Stores the province read from the block in the person and its manager.
    void storeReadProvince(int province);
    // Loads the province's plug-in, unloading the others; true when it is ready.
    bool loadProvincePlugin();
    // One form record whose header (type, id, linked id) has just been read; the
    // object's data follows in the stream. 0, 253 when the form cannot be made,
    // -1 when the object's data is damaged.
    int readFormRecord(ReadContext &ctx, int type, int id, int linkedId, MyDataStream &ar);
    // 0, 252 when the slip cannot be made, -1 on damaged data.
    int readSlipRecord(const ReadContext &ctx, int type, int id, int linkedId, MyDataStream &ar);
    // 0, 251 when the note cannot be made, -1 on damaged data.
    int readNoteRecord(const ReadContext &ctx, int id, MyDataStream &ar);
    // The next-entry id read from a block can hand out ids (1 up to a ceiling far
    // beyond any return); a negative, zero or near-overflowing one is damage.
    static bool isUsableEntryIdCounter(qint64 counter);
    // Once the entries are read: a counter at or below the highest id read is
    // raised past it. False when that leaves no usable counter (damage).
    bool settleEntryIdCounter();

    // ---- barcode block and filing checks (filled in by the filing documents)
    void writeBarcodeData(int flag, MyDataStream &ar);
    void skipBarcodeData(MyDataStream &ar);
    bool confirmPersonBeforeFiling(int edition, bool dcnConfirmed);
    int checkForFiling(int edition, QList<ValidationMessageGroup *> &messages);
    // The checks between the person and the partner of a coupled return: appends its
    // messages and gives the list's size.
    int checkCoupledReturns(int edition, QList<CString> &messages, IndividualTaxData &partner);
    // Request kind 1 is the return's filing.
    void fillEfileHeaderVars(QMap<QString, QString> &vars, int requestKind);
    // edition: the agreement value; flag: the test case number (0 none).
    void fillNetfileRequestVars(QMap<QString, QString> &vars, int edition, QString *text, double *amount, int flag);
    // Appends the T1Return filing document (mode bit 0: EFILE); 0, or the failure
    // of the first part that failed, with nothing appended. Without services, -1.
    int buildNetfileDocument(QString &text, quint8 mode);
    // The T185 PAD agreement: its own checks, its document, the withdrawal sentence.
    int validatePad(quint8 edition, QList<ValidationMessageGroup *> &groups);
    int getT185PadXml(CString &document, CString &summary);
    int confirmPadWithdrawal(CString &text);
    // The T1013 and T1135 documents and the forms' own checks (a group of kind 2 when
    // they find anything; 0 without the form). The documents give -100 without the form.
    int collectT1013Messages(quint8 edition, QList<ValidationMessageGroup *> &groups);
    int collectT1135Messages(quint8 edition, QList<ValidationMessageGroup *> &groups);
    int buildT1013Xml(CString &document);
    // Appends the T1135 document; 0, or the first failure with nothing appended.
    int buildT1135Xml(QString &document);

    // ---- line-code records (filled in by the filing documents; nothing without them)
    // Writes every line-code record of the person into the context.
    void addNetfileFieldRecords(int mode, NetfileGenObjParamStru &context);
    // Writes the record count and the selected financial data of the business forms;
    // gives the number of records written.
    int writeSelectedFinancialData(int mode, NetfileGenObjParamStru &context);
    // Writes one selected-financial-data record per T2091; gives their number.
    int writeT2091FinancialData(int mode, NetfileGenObjParamStru &context);

    // ---- filing eligibility and Re-File rules (filled in by the filing documents)
    // Each appends its messages to the caller's list and gives the list's size.
    // edition: 1 EFILE, 2 NETFILE.
    int checkNetfileEligibility(quint8 edition, QList<CString> &messages);
    int checkRefileBankruptcy(quint8 edition, QList<CString> &messages);
    int checkRefileChanges(QList<CString> &messages);
    // Starts a Re-File: 0, or -1 when the T1 or the result form is missing.
    int takeReFileSnapshot();
    // Ends a Re-File: 0.
    int clearReFileMark();

    // What the filing documents provide to the person. The model keeps a
    // well-formed default (an empty barcode block, no checks) until one is installed.
    class FilingServices
    {
    public:
        virtual ~FilingServices();
        // Writes the barcode block of the person; skipBarcodeData must pass over it exactly.
        virtual void writeBarcodeData(IndividualTaxData &person, int flag, MyDataStream &ar) = 0;
        virtual bool confirmPersonBeforeFiling(IndividualTaxData &person, int edition, bool dcnConfirmed) = 0;
        virtual int checkForFiling(IndividualTaxData &person, int edition, QList<ValidationMessageGroup *> &messages) = 0;
        virtual int checkCoupledReturns(IndividualTaxData &person, int edition, QList<CString> &messages,
                                        IndividualTaxData &partner) = 0;
        virtual void fillEfileHeaderVars(IndividualTaxData &person, QMap<QString, QString> &vars, int requestKind) = 0;
        virtual void fillNetfileRequestVars(IndividualTaxData &person, QMap<QString, QString> &vars, int edition,
                                            QString *text, double *amount, int flag) = 0;
        // Each operation of the filing documents on a person has a service virtual of
        // its name here and a forwarding member of that name in IndividualTaxData
        // (individualtaxdata_filingservices.cpp).
        // ---- line-code records
        virtual void addNetfileFieldRecords(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) = 0;
        virtual int writeSelectedFinancialData(IndividualTaxData &person, int mode,
                                               NetfileGenObjParamStru &context) = 0;
        virtual int writeT2091FinancialData(IndividualTaxData &person, int mode, NetfileGenObjParamStru &context) = 0;
        // ---- filing documents (default: no document, -1)
        virtual int buildNetfileDocument(IndividualTaxData &person, QString &text, quint8 mode);
        // ---- the T185 PAD agreement (default: no checks, no document -100, no sentence)
        virtual int validatePad(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups);
        virtual int getT185PadXml(IndividualTaxData &person, CString &document, CString &summary);
        virtual int confirmPadWithdrawal(IndividualTaxData &person, CString &text);
        // ---- the T1013 and T1135 documents (default: no checks, no document -100)
        virtual int collectT1013Messages(IndividualTaxData &person, quint8 edition,
                                         QList<ValidationMessageGroup *> &groups);
        virtual int collectT1135Messages(IndividualTaxData &person, quint8 edition,
                                         QList<ValidationMessageGroup *> &groups);
        virtual int buildT1013Xml(IndividualTaxData &person, CString &document);
        virtual int buildT1135Xml(IndividualTaxData &person, QString &document);
        // ---- filing eligibility and Re-File rules
        virtual int checkNetfileEligibility(IndividualTaxData &person, quint8 edition, QList<CString> &messages) = 0;
        virtual int checkRefileBankruptcy(IndividualTaxData &person, quint8 edition, QList<CString> &messages) = 0;
        virtual int checkRefileChanges(IndividualTaxData &person, QList<CString> &messages) = 0;
        virtual int takeReFileSnapshot(IndividualTaxData &person) = 0;
        virtual int clearReFileMark(IndividualTaxData &person) = 0;
    };
    // Installs the services (not owned); null restores the default.
    static void setFilingServices(FilingServices *services);
    static FilingServices *filingServices();

    // ---- person queries, values by code, prefill
    bool getTaxpayerText(int kind, QString &text) const;
    bool getAmount(int code, double &amount) const;
    bool getFlagValue(int code, int &value) const;
    bool getIntValue(int code, int &value) const;
    bool setValue(int code, bool flag, double amount);
    bool setText(int code, const QString &text);
    // Records a filing's outcome, stamped with time ("yyyy-MM-dd hh:mm:ss"; empty: now).
    void markFilingStatus(int formType, int status, const QString &text, const QString &time = QString());
    CString returnFileName() const;
    CString resultSummaryLine() const;
    void getFilingIdentity(QString &sin, QString &firstName, QString &middleName, QString &lastName,
                           QString &furtherName, QDate &dateOfBirth, double &netBalance) const;
    void splitFullName(QString &firstPart, CString &lastPart) const;
    QString lastName() const;
    QString firstName() const;
    QString sin() const;
    QDate dateOfBirth() const;
    QString spouseSin() const;
    QString spouseFirstName() const;
    QString spouseLastName() const;
    QDate spouseDateOfBirth() const;
    int maritalStatus() const;
    void setMaritalStatus(int status);
    bool hasSpouseInformation() const;
    bool isRrspContributionAge() const;
    void fillPreparerInfo();
    void prefillForm(CTaxData_Form *object);
    // Puts the answers of the person's wizard record of the type into the return.
    CTaxData_Form *applyWizardRecord(int type);
    // Dependants the other spouse removed from the shared record take this
    // person's medical expenses for them along.
    void followDependantRemovals();
    void setSpouseAmountFlags();

    // ---- income sources
    bool hasRentalIncome() const;
    bool hasBusinessIncome() const;
    bool hasFishingIncome() const;
    bool hasFarmingIncome() const;
    bool hasCommissionIncome() const;
    bool hasProfessionalIncome() const;
    bool hasSelfEmploymentForms() const;
    int countSelfEmploymentForms() const;
    double totalSelfEmploymentIncome() const;
    // The T1's values that the checks before filing read: the T2121 count, the
    // fishing-T4 indicator and whether self-employment lines are subject to CPP.
    void fillCheckIndicators(TaxData_T1New &t) const;

    // ==== shared calculations
    // The T1's own test, confirmed by the provincial plug-ins.
    bool isNonRefundableCreditAllUsed();
    // Months of the year that count for the CPP (0 to 12).
    int cppMonthCount(int monthsBefore) const;
    // Months that count for another pension plan; may be negative.
    int otherPlanMonthCount(int monthsBefore) const;
    // Earnings of Quebec employment (T4 province Quebec) without QPP contributions, each slip capped.
    double cppExemptEarnings(double cap) const;
    double cppPensionableEarnings() const;
    // Box 15 of the T4E slips whose box 7 shows a repayment rate.
    double eiRepaymentBase() const;
    // Employment expenses of the T777 forms of a commission employee (part of line 22900).
    double commissionEmployeeExpenses() const;
    int adjustForeignTaxCredits();
    void calculateForeignTaxCredits();
    void copyForeignTaxCreditResults();
    double selfEmploymentIncomeRemainder(double amount) const;
    double workingIncome() const;
    double getT778IncomeAdjustment() const;
    void calculatePensionSplit(CTaxData_Form *t1032);
    void calculatePensionSplitTax();
    void setDefaultAnswers();
    bool mayQualifyForCwb() const;
    bool passesCwbIncomeTest() const;
    // Family working-income threshold and net-income limit of the Canada workers
    // benefit with the disability supplement, in a province.
    static void cwbFamilyDisabilityRow(int province, double &threshold, double &limit);
    // ==== end of shared calculations

    // ==== slip totals
    // Runs every slip's calculation, adds the slips into the totals (sliptotals.h) and
    // adds the forms they require to the set and, when missing, to the return.
    void accumulateSlipTotals(SlipTotals &totals, class RequiredFormSet &requiredForms);
    // Adds the slips into the totals as they stand: no slip calculation, no form added
    // (the checks before filing read the return without changing it).
    void addSlipsToTotals(SlipTotals &totals) const;
    // The slip summary page for checking the return against the paper slips; returns 0.
    int writeSlipSummaryHtml(class QTextStream &out);
    // ==== end of slip totals

    // ==== new return set-up
    // Sets up a new person: province and its plug-in, the mandatory forms, the
    // identity in the T1 (the spouse's only for marital status 0 or 1), the wizard records.
    void initNewReturn(int province, const QString &firstName, const QString &lastName, const QString &sin,
                       const QDate &dateOfBirth, int maritalStatus, const QString &spouseFirstName,
                       const QString &spouseLastName, const QString &spouseSin, const QDate &spouseDateOfBirth,
                       bool coupled);
    // Finds or makes every form the return needs; flags bit 0 adds the T183.
    void addMandatoryForms(int flags, int province);
    // Whether the province, the Re-File state, the slips or the T1 call for the form type.
    bool isFormNeeded(int type);
    // After a file is read: the mandatory forms and the wizard records, for a person with a T1.
    void completeAfterRead(int flags);
    // Schedule 11 and the province's tuition schedule.
    void addTuitionForms();
    // Schedule 2 and the province's schedule of amounts transferred from the spouse.
    void addSpouseTransferForms();
    // The test print return: every form that is not expired, filled with sample data. The
    // provincial forms come from the plug-ins of every supported province, which the person's
    // own manager then holds, so that clear() and the destructor release them.
    void addAllForms();
    // Turns a prior-year return into this year's starting point. edition is the
    // program's edition byte handed to each form's may-carry-forward test.
    void carryForwardPriorYear(const struct ImportPriorYearOptions &options, int edition = 1);
    // ==== end of new return set-up

    // ==== paired forms and tax-wizard records
    // Adds the missing one of a form and its provincial partner; 1 when a form was made.
    int resolveProvincialForm(int type);
    // Schedule 2, Schedule 11 and the T778's partner; the number of forms made.
    int resolveProvincialForms();
    // Makes Schedule 8 (selector 1) or the RC381 (selector 2) when missing; 1 when made.
    int ensureForm148or150(int selector);
    // Drops the CPP form that the T1's selector does not ask for; 1 when removed.
    int removeForm148or150();
    void syncSch5DateToT1(bool editedIsOther, int editedType);
    void getIncomeThresholds(QList<double> &amounts);
    // Refills every tax-wizard record from the return (applyWizardRecord puts one into it).
    void refreshWizardRecords(bool flag);
    // ==== end of paired forms and tax-wizard records

    // ==== person block of the return file
    // Reads or writes one person block of the return file. Gives the block's file
    // version on success; else 111 (version outside the window or too new),
    // 119 (province out of range), 251/252/253 (a note, slip or form not made, or
    // forms whose province has no plug-in), 255 (a damaged or cut-short block).
    int serialize(int edition, MyDataStream &ar);
    // What every person block this program writes begins with: the file version,
    // the tax year and the constant 1.
    static QByteArray writtenBlockStart();
    // ==== end of person block of the return file

    // ==== calculation stages
    // What the dispatch looks up and works out before every stage and hands to the stage.
    struct StageValues
    {
        bool editedIsOther = false; // the edited item is a note or a tax-wizard record
        int editedType = 0;         // its form or tax-wizard record type, else 0
        bool isSpouse = false;      // this person is the spouse of the return file
        TaxData_T1New *t1 = nullptr;            // never null inside a stage
        class TaxData_Sch5 *sch5 = nullptr;     // form 6
        class TaxData_T183New *t183 = nullptr;  // form 96
        class TaxData_T1013New *t1013 = nullptr; // form 117
        int daysInYear = 366;
        int bankruptDays = 366;  // days before bankruptcy in the year
        int residenceDays = 366; // days of residence in Canada in the year
    };
    // Runs one stage (0 to 6) for the person and gives the stage's result; a larger
    // stage number, or a person without a T1, does nothing and gives 0.
    int calculateStage(bool editedIsOther, int editedType, unsigned int stage, bool isSpouse);
    // The stages after set-up; each is called with the T1 present. Stage 0 clears the
    // T1's F_SpousalTransfer, F_13000 and F_11500, which the T2205 step of stage 1 sets and adds to.
    int calculateStage1(const StageValues &v);
    int calculateStage2(const StageValues &v);
    int calculateStage3(const StageValues &v);
    int calculateStage4(const StageValues &v);
    int calculateStage5(const StageValues &v);
    int calculateStage6(const StageValues &v);
    // Fills the T1 summary at the end of a recalculation round; partner is null on a single return.
    void estimateBenefits(bool isFirst, IndividualTaxData *partner);
    // ==== end of calculation stages

    // ==== results and Auto-fill
    // Whether the person may receive the GST/HST credit (deceased, emigrant, age and dependants).
    bool isEligibleForGstHstCredit(IndividualTaxData *partner);
    // The summary's estimate of the province's benefits (the plug-ins are told of it too).
    void provincialBenefitEstimates(bool gstCreditComputed, IndividualTaxData *partner);
    // Copies the chosen downloaded data into the return, replacing what an earlier run
    // brought in; returns 0. When imported is given, one line per slip and amount
    // that came in is appended to it.
    int applyAutoFillData(const class TDDTaxDataOnePerson &data, const class DataAFR &options,
                          class QStringList *imported = nullptr);
    // ==== end of results and Auto-fill

private:
    // Each stage's named steps (individualtaxdata_stage*.cpp) work on the person's forms.
    friend class Stage0Steps;
    friend class Stage1Steps;
    friend class Stage2Steps;
    friend class Stage3Steps;
    friend class Stage4Steps;
    friend class Stage5Steps;
    friend class Stage6Steps;

    void markT1FilingStatus(int status, const QString &text, const QString &time);
    void markT1013FilingStatus(int status, const QString &text, const QString &time);
    void markT1135FilingStatus(int status, const QString &text, const QString &time);
    void markT185FilingStatus(int status, const QString &text, const QString &time);
    // The object of the only form of the type; null for none or several.
    CTaxData_Form *singleForm(int type) const;
    // The only form of the type as its class (formcast.h); null for none or several.
    template <class F>
    F *singleFormAs(FormType::Type type) const { return formAs<F>(singleForm(type), type); }
    void deleteFormObject(CTaxData_Form *object);
    void unlinkAndDeleteForm(FormEntry *entry);

    double m_movingAmountCarried = 0.0;
    CMultiProvsTaxMgr m_provinceManager;
    int m_province = 0;
    int m_fileVersion = kCurrentFileVersion;
    int m_taxYear = 0;
    int m_reservedWord = -100;
    int m_nextEntryId = 100;
    // removals of the shared dependants record this person's records follow
    int m_removalsFollowed = 0;
    EntryList<FormEntry> m_forms;
    EntryList<FormEntry> m_slips;
    EntryList<NoteEntry> m_notes;
    EntryList<WizardEntry> m_wizardData;
    CReservedArea m_reservedStrings;
    CString m_password;
    DependantInfoStruct *m_dependants;
    bool m_coupled = false;

    // ==== members: shared calculations
    double adjustedNetIncome(const TaxData_T1New &t) const;
    bool hasDependentChildren() const;
    // ==== end of members: shared calculations
    // ==== members: slip totals
    // The slip totals of stage 1, taken by stage 2 of the same round (nothing between
    // them changes a slip); held only from stage 1 to the next stage.
    std::unique_ptr<SlipTotals> m_stage1Totals;
    bool m_stage1TotalsHeld = false;
    // ==== end of members: slip totals
    // ==== members: new return set-up
    // isFormNeeded with the forms the slips require worked out at most once per caller:
    // slipForms is filled on first use, and slipFormsKnown is then set.
    bool isFormNeeded(int type, class RequiredFormSet &slipForms, bool &slipFormsKnown);
    // ==== end of members: new return set-up
    // ==== members: paired forms and tax-wizard records
    CTaxData_Form *applyGeneralRecord(CTaxData_Form *record);
    CTaxData_Form *applyLastYearRecord(CTaxData_Form *record, bool onlyEmpty = false);
    CTaxData_Form *applyDependantRecord(CTaxData_Form *record);
    CTaxData_Form *applyMedicalRecord(CTaxData_Form *record);
    // A child under 18 at the end of the year: its medical expenses go with the person's.
    static bool isFamilyChild(const DependantInfo &d);
    // A row of the dependants record as the shared record keeps it.
    static DependantInfo dependantOf(const FieldRecord &row);
    int removedSlot(const std::vector<DependantInfo> &next) const;
    // A dependant's medical row taken out, the later ones moved up.
    void removeMedicalRow(int slot);
    CTaxData_Form *applyRrspRecord(CTaxData_Form *record);
    void refreshDependantRecord(CTaxData_Form *record);
    void refreshMedicalRecord(CTaxData_Form *record);
    void refreshGeneralRecord(CTaxData_Form *record);
    void refreshLastYearRecord(CTaxData_Form *record);
    void refreshRrspRecord(CTaxData_Form *record);
    // ==== end of members: paired forms and tax-wizard records
    // ==== members: person block of the return file
    int writePersonBlock(MyDataStream &ar);
    int readPersonBlock(int edition, MyDataStream &ar);
    // ==== end of members: person block of the return file
    // ==== members: calculation stages
    int calculateStage0(const StageValues &v);
    // ==== end of members: calculation stages
};

// True when any of the first count codes is in the set (any container with contains(int)).
template <class Set>
bool containsAnyCode(const Set &set, const int *codes, int count)
{
    for (int i = 0; i < count; ++i)
        if (set.contains(codes[i]))
            return true;
    return false;
}
