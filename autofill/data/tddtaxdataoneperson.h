#pragma once
#include <QSqlDatabase>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class CString;
class TaxSlip;
class TiXmlElement;

// The downloaded Auto-fill data of one person: the amounts stay the texts of the
// reply, the slips are owned by the record. Every list keeps at most its limit
// of entries; what a full list did not keep is counted in cuts.
class TDDTaxDataOnePerson
{
public:
    static constexpr int kMaxSlips = 2048;
    static constexpr int kMaxSummaryUnfiledYears = 100;
    static constexpr int kMaxRrspHistory = 100;
    static constexpr int kMaxRequiredRepayments = 10;
    static constexpr int kMaxSetoffs = 40;
    static constexpr int kMaxReassessments = 20;
    static constexpr int kMaxReassessmentYears = 20;
    static constexpr int kMaxClientUnfiledYears = 20;
    static constexpr int kMaxLossEntries = 100;
    static constexpr int kMaxTuitionEntries = 20;
    static constexpr int kMaxInvestmentLosses = 20;

    struct RrspHistoryRecord
    {
        std::string taxYear;                          // "TaxYear"
        std::string undeductedContributions;          // "UndeductedContributionsAmount"
        std::string currentYearContributions;         // "CurrentYearContributionsAmount"
        std::string totalAvailableContributions;      // "TotalAvailableContributionsAmount"
        std::string repaymentToHbpOrLlp;              // "RepaymentToHBPorLLPAmount"
        std::string contributionsDeducted;            // "ContributionsDeductedAmount"
        std::string totalUnclaimedContributions;      // "TotalUnclaimedRRSPContributionsAmount"
    };
    struct RequiredRepayment
    {
        std::string year;
        std::string amount;
    };
    // Home Buyers' Plan or Lifelong Learning Plan.
    struct RepaymentPlan
    {
        std::vector<RequiredRepayment> requiredRepayments;   // at most 10
        std::string repayableBalance;
        std::string requiredRepaymentRemaining;
        std::string repaymentToDate;
        std::string updateDate;
    };
    struct TddSummary
    {
        std::string disabilityCode;            // "DisabilityEligibilities/DisabilityAmountEligibilityCode"
        std::string postalCodeOnFile;          // "PostalCodeOnFile"
        std::string instalmentAmount;          // "InstalmentAmount"
        std::string trainingCreditLimit;       // "CanadaTrainingCreditLimitAmount"
        std::string eiElection;                // "EmploymentInsuranceElectionForSelfEmploymentIndicator"
        std::vector<std::string> unfiledYears;             // at most 100
        std::vector<RrspHistoryRecord> rrspHistory;        // at most 100
        bool hasFhsaPlan = false;
        std::array<std::string, 7> fhsa;       // the FHSAPlan amounts, in the order of kFhsaElements
        RepaymentPlan hbp;
        RepaymentPlan llp;
        std::string rrspUpdateDate;            // attribute "updateDate"
        std::string rrspDeductionLimit;        // "DeductionLimitAmount"
        std::string rrspUnusedContribution;    // "UnusedContributionAmount"
        bool uncashedCheque = false;
        bool gstHstReturn = false;
        bool manageOnlineMail = false;
        bool returnedMail = false;
        bool foreignPropertyDeclared = false;
        std::string electronicCorrespondence;
    };
    struct RefundSetoff
    {
        std::string programCode;
        std::string programId;
        std::string amount;
        std::string telephone;   // from the program table; empty when the code is unknown
    };
    struct Reassessment
    {
        std::string taxYear;
        std::string date;
    };
    struct TddClientInfo
    {
        bool nonResidentSourceDeduction = false;
        bool bankrupt = false;
        bool canadaWorkersBenefit = false;
        bool refundExamination = false;
        bool onlineServiceRegistered = false;
        bool currentYearReturnFiled = false;
        bool cebDebtOwing = false;
        std::string onlineServiceCode;
        std::string emigrationDate;
        std::string immigrationDate;
        std::string disabilityCode;
        std::string refundSetoffCode;
        std::vector<RefundSetoff> setoffs;              // at most 40
        std::vector<Reassessment> reassessments;        // at most 20
        bool reassessmentInProgress = false;
        std::vector<std::string> reassessmentYears;     // at most 20
        std::vector<std::string> unfiledYears;          // at most 20
    };
    struct NonCapitalLoss
    {
        std::string taxYear, currentYearLoss, priorYearLoss, subsequentYearLoss;
    };
    struct CapitalGainLoss
    {
        std::string taxYear, inclusionRate, taxableCapitalGain, unappliedNetLoss, priorYearNetLoss,
            subsequentYearNetLoss;
    };
    struct CapitalGainDeduction
    {
        std::string taxYear, deduction, netCapitalGainLoss, netFarmPropertyDisposition,
            netSmallBusinessShareDisposition;
    };
    struct TuitionCarryForward
    {
        std::string taxYear;
        std::string carryForwardAvailableAmount;
    };
    struct BusinessInvestmentLoss
    {
        std::string year;     // attribute "year"; empty when absent
        std::string amount;
    };
    struct TddCarryOver
    {
        std::vector<NonCapitalLoss> nonCapitalLosses;                 // at most 100
        std::vector<CapitalGainLoss> capitalGainLosses;               // at most 100
        std::vector<CapitalGainDeduction> capitalGainDeductions;      // at most 100
        std::vector<TuitionCarryForward> federalTuition;              // at most 20
        std::vector<TuitionCarryForward> provincialTuition;           // at most 20
        std::vector<BusinessInvestmentLoss> businessInvestmentLosses; // at most 20
    };
    // A list that was full: its name as the report page shows it and how many
    // entries of the reply it did not keep.
    struct Cut
    {
        std::string list;
        int notKept;
    };

    explicit TDDTaxDataOnePerson(int taxYear) : dataTaxYear(taxYear) {}
    TDDTaxDataOnePerson(const TDDTaxDataOnePerson &) = delete;
    TDDTaxDataOnePerson &operator=(const TDDTaxDataOnePerson &) = delete;
    virtual ~TDDTaxDataOnePerson();

    // Reads one EFileIndividualIncomeTaxDataItem; -1 (nothing read) when it has
    // no IndividualTaxpayerIdentifier, else 0. Called once per record.
    int parse(const TiXmlElement *item);

    // Takes the slip; false (the slip deleted and counted in slipsNotKept) once
    // the record holds kMaxSlips.
    bool addSlip(TaxSlip *slip);
    TaxSlip *slip(int i) const { return slips[size_t(i)]; }
    int slipCount() const { return int(slips.size()); }

    // Reads the "remark" attribute and one slip per recognised child of the
    // Slips element; answers the slip count afterwards.
    int parseSlips(const TiXmlElement *slipsElement);
    // The slips part of the report page: the count, each slip, the slips not
    // kept and the remark (data values escaped).
    void htmlSlips(CString &out) const;
    // A new slip of the kind named by the element's local name (any case); null when unknown.
    static TaxSlip *createSlipForElement(const std::string &elementName);

    // The report page (its earlier content replaced); every data value escaped. Returns 0.
    int toHtml(CString &out, const std::string &sin, const std::string &updateTime) const;

    // Stores the taxpayer and the tb_taxdata row (item XML and report page).
    // 0 when the row was stored; non-zero, with nothing stored, when the
    // S.I.N. gives no taxpayer or the row could not be written. Log lines go
    // to log when it is given.
    int saveToDatabase(QSqlDatabase db, FILE *log, const char *sin, const char *itemXml) const;

    // True when the six amounts of the record are all zero (empty counts as zero).
    static bool allZero(const RrspHistoryRecord &record);

    // The amount a downloaded text holds: only a number is one (an empty text,
    // "n/a" or any other word holds none).
    static std::optional<double> heldAmount(const std::string &text);
    // The amount of the first required repayment of the year; none without one.
    std::optional<double> hbpRepaymentForYear(const char *year) const;
    std::optional<double> llpRepaymentForYear(const char *year) const;
    // The carry-forward available of the first tuition entry of the tax year; none without one.
    std::optional<double> federalTuitionCarryForwardForYear(const char *year) const;
    std::optional<double> provincialTuitionCarryForwardForYear(const char *year) const;

    // The lists that were full, in reading order (the slips are in slipsNotKept).
    const std::vector<Cut> &cuts() const { return listCuts; }

    int dataTaxYear;
    std::string taxpayerId;
    TddSummary summary;
    TddClientInfo client;
    TddCarryOver carryOver;
    std::string slipRemark;
    int slipsNotKept = 0;

private:
    void parseSummary(const TiXmlElement *summaryElement);
    void parseClient(const TiXmlElement *clientElement);
    void parseCarryOver(const TiXmlElement *carryOverElement);
    void noteCut(const char *list, int notKept);
    void htmlCut(CString &out, const char *list) const;
    void htmlSummary(CString &out) const;
    void htmlRrspHistoryAndFhsa(CString &out) const;
    void htmlPlansAndRrsp(CString &out) const;
    void htmlAccountNotes(CString &out) const;
    void htmlClient(CString &out) const;
    void htmlSetoffs(CString &out) const;
    void htmlReassessmentsAndUnfiled(CString &out) const;
    void htmlCarryOver(CString &out) const;

    std::vector<TaxSlip *> slips;
    std::vector<Cut> listCuts;
};

// The FHSAPlan children read into TddSummary::fhsa, in order.
extern const char *const kFhsaElements[7];
