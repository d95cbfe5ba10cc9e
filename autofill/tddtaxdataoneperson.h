#pragma once
#include <string>
#include <vector>

class CString;
class TaxSlip;
class TiXmlElement;

// The downloaded Auto-fill data of one person: the amounts stay the texts of the
// reply, the slips are owned by the record.
class TDDTaxDataOnePerson
{
public:
    static constexpr int kMaxSlips = 2048;

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
        std::string instalmentAmount;          // "InstalmentAmount"
        std::string trainingCreditLimit;       // "CanadaTrainingCreditLimitAmount"
        RepaymentPlan hbp;
        RepaymentPlan llp;
        std::string rrspDeductionLimit;        // "DeductionLimitAmount"
        std::string rrspUnusedContribution;    // "UnusedContributionAmount"
    };
    struct TuitionCarryForward
    {
        std::string taxYear;
        std::string carryForwardAvailableAmount;
    };
    struct TddCarryOver
    {
        std::vector<TuitionCarryForward> federalTuition;      // at most 20
        std::vector<TuitionCarryForward> provincialTuition;   // at most 20
    };

    explicit TDDTaxDataOnePerson(int taxYear) : dataTaxYear(taxYear) {}
    TDDTaxDataOnePerson(const TDDTaxDataOnePerson &) = delete;
    TDDTaxDataOnePerson &operator=(const TDDTaxDataOnePerson &) = delete;
    virtual ~TDDTaxDataOnePerson();

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

    // The required repayment of the year; 0 when there is none.
    double hbpRepaymentForYear(const char *year) const;
    double llpRepaymentForYear(const char *year) const;
    // The carry-forward available of the tuition entry of the tax year; 0 when there is none.
    double federalTuitionCarryForwardForYear(const char *year) const;
    double provincialTuitionCarryForwardForYear(const char *year) const;

    int dataTaxYear;
    std::string taxpayerId;
    TddSummary summary;
    TddCarryOver carryOver;
    std::string slipRemark;
    int slipsNotKept = 0;

private:
    std::vector<TaxSlip *> slips;
};
