#pragma once
#include "cpersonalsettings.h"
#include "cstring.h"
#include "dependantinfostruct.h"
#include "filestamp.h"
#include <QList>
#include <QMap>
#include <QString>
#include <array>

class IndividualTaxData;
class CTaxData_Form;
class MyDataStream;
class QTextStream;
class ValidationMessageGroup;
class DataNewReturnBasic;
class DataShareAmtDlg;
struct FormEntry;
struct NoteEntry;
struct ImportPriorYearOptions;
class TaxData_TaxNote;

// One open return file: the return of its owner (self), the spouse's return
// (empty for a single return), the dependants record both share, the view
// settings and the person being worked on. Reads and writes the .r24 file.
class CReturnFile
{
public:
    // Person indexes: -2 self, -1 the spouse, 0 to 11 the further slots.
    static constexpr int kSelf = -2;
    static constexpr int kSpouse = -1;
    static constexpr int kPersonSlots = 14;

    // What fillPersonCombo fills: the return window adapts its combo box.
    class PersonCombo
    {
    public:
        virtual ~PersonCombo();
        virtual void clear() = 0;
        virtual void addItem(const QString &text, int data) = 0;
        virtual void setCurrentIndex(int index) = 0;
    };

    explicit CReturnFile(int mode = 0);
    virtual ~CReturnFile();
    CReturnFile(const CReturnFile &) = delete;
    CReturnFile &operator=(const CReturnFile &) = delete;

    // ---- life cycle
    void clear();
    // Deep copy of both persons, the current index and the dependants record.
    void assign(const CReturnFile &other);
    // Refreshes this copy in place from other; true when both persons had the same shape.
    bool matches(const CReturnFile &other);
    // True when a person or the dependants record differs from other's.
    bool differsFrom(const CReturnFile &other) const;

    // ---- persons
    int setCurrentPerson(int index);
    int currentPersonIndex() const { return m_current; }
    IndividualTaxData *currentPerson() const { return person(m_current); }
    // The person of an index; null for an empty slot or an index out of range.
    IndividualTaxData *person(int index) const;
    IndividualTaxData *self() const { return m_persons[0]; }
    IndividualTaxData *spouse() const { return m_persons[1]; }
    // The spouse when self is current, self when the spouse is current; else null.
    IndividualTaxData *otherPerson() const;
    DependantInfoStruct &dependants() { return m_dependants; }
    const DependantInfoStruct &dependants() const { return m_dependants; }
    CPersonalSettings &settings() { return m_settings; }
    const CPersonalSettings &settings() const { return m_settings; }
    int mode() const { return m_mode; }

    bool isCoupled() const;
    // Makes other's self this file's spouse and reconciles the marital status; returns 1.
    int coupleWith(const CReturnFile &other);
    // Moves the current person, or both persons of a coupled return, to the new
    // province, each leaving its own old province's forms behind. Returns the
    // number of persons moved (0 when nobody lives elsewhere), or -1 when the
    // province's calculator cannot be loaded: then nothing changes.
    int setProvince(int newProvince, bool both);
    // The older form: each person leaves its own old province, whatever oldProvince says.
    int setProvince(int oldProvince, int newProvince, bool both)
    {
        Q_UNUSED(oldProvince)
        return setProvince(newProvince, both);
    }
    void listLoadedProvinces(QList<int> &list) const;
    // De-coupling: the spouse's record becomes self's (the old self is released and
    // a new empty spouse record shares the file's mode and dependants record), or
    // the spouse's record is emptied. Either way self is single and current.
    void keepSpouseAsSelf();
    void keepSelfOnly();
    // Applies the prior-year import options to a file just read from last year's file.
    void importPriorYear(const ImportPriorYearOptions &options, int edition = 1);
    // Sets up the return from the new-return wizard's record; the recalculation's result.
    int applyNewReturnData(const DataNewReturnBasic &data);
    // The test print return: every form in self's return.
    void addAllForms();

    // ---- sharing between spouses (nothing happens in a single return)
    bool isFormShared(const CTaxData_Form *form) const;
    void shareFormWithSpouse(CTaxData_Form *form, int linkedId = 0);
    void unshareForm(CTaxData_Form *form);
    bool isSlipShared(const CTaxData_Form *slip) const;
    void shareSlipWithSpouse(CTaxData_Form *slip, int linkedId = 0);
    void unshareSlip(CTaxData_Form *slip);
    int syncSpouseMailingAddress();
    int fillPreparerInfo();

    // ---- texts and amounts
    void getFullNames(QString &selfName, QString &spouseName) const;
    void balanceSummaries(QString &selfText, QString &spouseText, QString &familyText) const;
    void getBalances(double &selfBalance, double &spouseBalance, double &familyBalance) const;
    void titleText(QString &out) const;
    QString statusText() const;
    int fillPersonCombo(PersonCombo &combo, bool spouseSelected);
    QString fileBaseName() const;
    bool hasPassword() const;

    // ---- operations on the current person
    int formCount(int type) const;
    bool hasForm(int type) const;
    CTaxData_Form *getForm(int type, int id, bool create);
    FormEntry *findFormEntry(int type, int id, bool create);
    FormEntry *addForm(int type, int id, bool insert, int linkedId, bool prefill);
    FormEntry *addSlip(int type, int id, int linkedId);
    NoteEntry *addNote(int id);
    void removeNote(TaxData_TaxNote *note);
    void removeSlip(CTaxData_Form *slip);
    void removeForm(CTaxData_Form *form, bool alsoPartner);
    int prerequisiteForm(int type) const;
    CString resultSummaryLine(int kind = 0) const;
    bool getTaxpayerText(int kind, QString &text) const;
    bool getAmount(int code, double &amount) const;
    bool getIntValue(int code, int &value) const;
    bool setValue(int code, bool flag, double amount);
    bool setText(int code, const QString &text);
    CString returnFileName() const;
    void fillEfileHeaderVars(QMap<QString, QString> &vars, int requestKind);
    void fillNetfileRequestVars(QMap<QString, QString> &vars, int edition, QString *text, double *amount, int flag);
    // The current person's filing document (its mode's low 8 bits); 0, or the
    // failure of the first part that failed. -1 without a current person.
    int buildNetfileDocument(QString &text, int mode);
    // The current person's T185 PAD agreement (0, -100 and 0 without a current person).
    int validatePad(int edition, QList<ValidationMessageGroup *> &groups);
    int getT185PadXml(CString &document, CString &summary);
    int confirmPadWithdrawal(CString &text);
    // The current person's T1013 and T1135 checks and documents (0, -100 and -100
    // without a current person).
    int collectT1013Messages(int edition, QList<ValidationMessageGroup *> &groups);
    int collectT1135Messages(int edition, QList<ValidationMessageGroup *> &groups);
    int buildT1013Xml(CString &document);
    int buildT1135Xml(QString &document);
    // The current person's filing outcome, stamped with time (empty: now).
    void markFilingStatus(int formType, int status, const QString &text, const QString &time = QString());
    int writeSlipSummaryHtml(QTextStream &out);

    // ---- checks and confirmations before filing
    int checkForFiling(int edition, QList<ValidationMessageGroup *> &messages, QString &names, bool spouseSide,
                       bool withCouple);
    // The couple checks of self against the spouse, or of the spouse against self on the
    // spouse side; 0 when the file is not coupled, else the list's size.
    int checkCoupledReturns(int edition, QList<CString> &messages, bool spouseSide);
    bool confirmBeforeFiling(int edition, bool dcnConfirmed);
    bool suggestsSchedule6() const;
    // The eligibility and Re-File rules of the current person (list size; see IndividualTaxData).
    int checkNetfileEligibility(quint8 edition, QList<CString> &messages);
    int checkRefileBankruptcy(quint8 edition, QList<CString> &messages);
    int checkRefileChanges(QList<CString> &messages);
    int takeReFileSnapshot();
    int clearReFileMark();

    // ---- recalculation
    int recalculate(int kind, void *editedItem);
    // Puts the downloaded Auto-fill data chosen in options into the current person,
    // then recalculates the file; returns 0. imported, when given, receives a line
    // per slip and amount that came in.
    int importAutoFill(const class TDDTaxDataOnePerson &data, const class DataAFR &options,
                       class QStringList *imported = nullptr);
    void exchangeBetweenSpouses(int stage);

    // ---- couple optimisation, on a scratch copy (nothing happens unless both persons have a T1)
    // Shares interest, capital gains, pension and donations for the lowest family total.
    void optimize(const DataShareAmtDlg &shares);
    // Grid searches over whole cents in [0, maximum] and [low, high], the upper end
    // included; split and adjustment hold the start value in and the best value out.
    void searchPensionSplit(double maximum, double &split);
    void searchDonationSplit(double low, double high, double joint, double &adjustment);

    // ---- the .r24 file
    // Reads the file at path into a new return file (the caller owns it); null when
    // the file cannot be opened (107 also for a folder, a FIFO or a device: they
    // are never opened). code: 0, or 107, 111, 112, 119, 251, 252, 253, 255.
    // With failure given, the read shows no box of its own: failure receives why
    // the file was not opened (empty when code is 0), for the caller's one message.
    static CReturnFile *load(const QString &path, int &code, int edition = 1, QString *failure = nullptr);
    // Writes the file through a temporary file that replaces the old one only when
    // the whole return was written. 0 on success; otherwise the old file is intact
    // and error (when given) says why.
    // written (when given) receives the stamp of the file written.
    int save(const QString &path, int edition, QString *error = nullptr, FileStamp *written = nullptr);
    // The stamp of the file as load() read it (unknown for a return not loaded).
    const FileStamp &readStamp() const { return m_readStamp; }
    // Reads or writes a whole return file on an open stream; the result code.
    int serialize(int edition, MyDataStream &ar);
    // The settings header and the view settings; 0, or 255 when what was read is not a settings block.
    int serializeSettings(int edition, MyDataStream &ar);

private:
    bool askPassword() const;
    int refuseDamaged(MyDataStream &ar) const;

    int m_mode;
    CPersonalSettings m_settings;
    std::array<IndividualTaxData *, kPersonSlots> m_persons{};
    DependantInfoStruct m_dependants;
    int m_current = kSelf;
    FileStamp m_readStamp;
};

// Appends the form types that the user may add to a return of these provinces, each once.
void listAvailableForms(const QList<int> &provinces, QList<int> &types);
