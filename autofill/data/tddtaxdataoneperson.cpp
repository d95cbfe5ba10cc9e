#include "tddtaxdataoneperson.h"
#include "codedescriptions.h"
#include "mytixmlhandle.h"
#include "taxslip.h"
#include "taxslipmbrentalassistslip.h"
#include "taxslipprpp.h"
#include "taxsliprc210.h"
#include "taxsliprc62.h"
#include "taxsliprrspreceipt.h"
#include "taxslipt1204.h"
#include "taxslipt2202.h"
#include "taxslipt3.h"
#include "taxslipt4.h"
#include "taxslipt4a.h"
#include "taxslipt4aoas.h"
#include "taxslipt4ap.h"
#include "taxslipt4e.h"
#include "taxslipt4fhsa.h"
#include "taxslipt4rif.h"
#include "taxslipt4rsp.h"
#include "taxslipt5.h"
#include "taxslipt5007.h"
#include "taxslipt5008.h"
#include "taxslipt5013.h"
#include "tddstorage.h"
#include "textandtime.h"
#include "utils.h"
#include <QDebug>
#include <cctype>
#include <charconv>
#include <strings.h>
#include <tinyxml.h>

namespace {

template <class Kind>
TaxSlip *make()
{
    return new Kind;
}

// Element local names and the kinds they make, in the order of comparison.
struct SlipKindRow
{
    const char *element;
    TaxSlip *(*create)();
};
const SlipKindRow kSlipKinds[] = {
    {"T4Slip", make<TaxSlipT4>},
    {"T4ASlip", make<TaxSlipT4A>},
    {"T4ESlip", make<TaxSlipT4E>},
    {"RC62Slip", make<TaxSlipRC62>},
    {"T5Slip", make<TaxSlipT5>},
    {"T3Slip", make<TaxSlipT3>},
    {"T4AOASSlip", make<TaxSlipT4AOAS>},
    {"T4RSPSlip", make<TaxSlipT4RSP>},
    {"T4APSlip", make<TaxSlipT4AP>},
    {"T2202Slip", make<TaxSlipT2202>},
    {"T5007Slip", make<TaxSlipT5007>},
    {"T5008Slip", make<TaxSlipT5008>},
    {"T5013Slip", make<TaxSlipT5013>},
    {"T4RIFSlip", make<TaxSlipT4RIF>},
    {"RC210Slip", make<TaxSlipRC210>},
    {"RRSPContributionReceiptSlip", make<TaxSlipRRSPReceipt>},
    {"ManitobaRentAssistSlip", make<TaxSlipMBRentalAssistSlip>},
    {"PRPPSlip", make<TaxSlipPRPP>},
    {"T1204Slip", make<TaxSlipT1204>},
    {"T4FHSASlip", make<TaxSlipT4FHSA>},
};

std::optional<double> repaymentForYear(const TDDTaxDataOnePerson::RepaymentPlan &plan, const char *year)
{
    for (const auto &r : plan.requiredRepayments)
        if (r.year == year)
            return TDDTaxDataOnePerson::heldAmount(r.amount);
    return std::nullopt;
}

std::optional<double> tuitionForYear(const std::vector<TDDTaxDataOnePerson::TuitionCarryForward> &list,
                                     const char *year)
{
    for (const auto &t : list)
        if (t.taxYear == year)
            return TDDTaxDataOnePerson::heldAmount(t.carryForwardAvailableAmount);
    return std::nullopt;
}

} // namespace

TDDTaxDataOnePerson::~TDDTaxDataOnePerson()
{
    for (TaxSlip *s : slips)
        delete s;
}

bool TDDTaxDataOnePerson::addSlip(TaxSlip *slip)
{
    if (slipCount() >= kMaxSlips) {
        delete slip;
        ++slipsNotKept;
        return false;
    }
    slips.push_back(slip);
    return true;
}

TaxSlip *TDDTaxDataOnePerson::createSlipForElement(const std::string &elementName)
{
    const size_t colon = elementName.find(':');
    const std::string local = colon == std::string::npos ? elementName : elementName.substr(colon + 1);
    for (const SlipKindRow &row : kSlipKinds)
        if (strcasecmp(local.c_str(), row.element) == 0)
            return row.create();
    return nullptr;
}

int TDDTaxDataOnePerson::parseSlips(const TiXmlElement *slipsElement)
{
    if (!slipsElement)
        return slipCount();
    if (const char *remark = slipsElement->Attribute("remark"))
        slipRemark = remark;
    const int cutBefore = slipsNotKept;
    for (const TiXmlElement *c = slipsElement->FirstChildElement(); c; c = c->NextSiblingElement()) {
        TaxSlip *s = createSlipForElement(c->ValueStr());
        if (!s)
            continue;
        if (slipCount() >= kMaxSlips) {
            delete s;
            ++slipsNotKept;   // counted, not read
            continue;
        }
        s->parseCommon(c);
        s->parseSpecialFields(c);
        addSlip(s);
    }
    if (slipsNotKept > cutBefore)
        qWarning("Auto-fill data: %d slips beyond the first %d were not kept", slipsNotKept - cutBefore, kMaxSlips);
    return slipCount();
}

std::optional<double> TDDTaxDataOnePerson::heldAmount(const std::string &text)
{
    bool number = false;
    const double value = myStringToDouble(text, &number);
    return number ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> TDDTaxDataOnePerson::hbpRepaymentForYear(const char *year) const
{
    return repaymentForYear(summary.hbp, year);
}

std::optional<double> TDDTaxDataOnePerson::llpRepaymentForYear(const char *year) const
{
    return repaymentForYear(summary.llp, year);
}

std::optional<double> TDDTaxDataOnePerson::federalTuitionCarryForwardForYear(const char *year) const
{
    return tuitionForYear(carryOver.federalTuition, year);
}

std::optional<double> TDDTaxDataOnePerson::provincialTuitionCarryForwardForYear(const char *year) const
{
    return tuitionForYear(carryOver.provincialTuition, year);
}

void TDDTaxDataOnePerson::htmlSlips(CString &out) const
{
    if (!slips.empty()) {
        out += QStringLiteral("<h3>Tax Slips, number of slips = %1</h3><br>\n").arg(slipCount());
        int index = 0;
        for (TaxSlip *s : slips) {
            ++index;
            s->htmlTitle(out, index);
            s->htmlHeader(out, index);
            s->htmlBoxList(out);
            toHtmlNewLine(out);
        }
    }
    if (slipsNotKept > 0)
        out += QStringLiteral("<b>Tax slips: %1 entries not kept</b><br>\n").arg(slipsNotKept);
    if (!slipRemark.empty())
        out += QStringLiteral("<h3>Tax Slips, remarked as %1</h3><br>\n")
                   .arg(QString::fromUtf8(slipRemark.c_str()).toHtmlEscaped());
}

// ---- reading one item ----

const char *const kFhsaElements[7] = {
    "FHSAVariableBAmountPriorYearAmount",
    "FHSATotalTransfersFromRRSPPriorYearAmount",
    "FHSATotalDesignatedTransfersToRRSPOrRRIFPriorYearAmount",
    "FHSAAnnualLimitPriorYearAmount",
    "FHSADeductionPriorYearAmount",
    "FHSAUnusedContributionsAmount",
    "FHSACarryforwardAmount",
};

namespace {

// Element names match with or without a namespace prefix ("ns2:Summary").
const char kPrefix[] = "ns";

const TiXmlElement *child(const TiXmlElement *parent, const char *name)
{
    return parent ? MyTiXmlHandle::findChild(parent, name, kPrefix) : nullptr;
}

const TiXmlElement *child(const TiXmlElement *parent, const char *name, const char *inner)
{
    return child(child(parent, name), inner);
}

std::string text(const TiXmlElement *parent, const char *name)
{
    return getElementSubEleStringText(parent, name, kPrefix).toStdStringUTF8();
}

bool flag(const TiXmlElement *parent, const char *name)
{
    return getElementSubEleStringAsBool(parent, name, false, kPrefix);
}

std::string ownText(const TiXmlElement *e)
{
    const char *t = e ? e->GetText() : nullptr;
    return t ? std::string(t) : std::string();
}

std::string attribute(const TiXmlElement *e, const char *name)
{
    const char *a = e ? e->Attribute(name) : nullptr;
    return a ? std::string(a) : std::string();
}

// Reads first and each following sibling element, whatever its name, into
// list until it holds limit entries; answers how many elements were not kept.
template <class Entry, class Read>
int readList(const TiXmlElement *first, std::vector<Entry> &list, int limit, Read read)
{
    int notKept = 0;
    for (const TiXmlElement *e = first; e; e = e->NextSiblingElement()) {
        if (int(list.size()) >= limit)
            ++notKept;
        else
            list.push_back(read(e));
    }
    return notKept;
}

// The number at the start of the text (blanks before it skipped), 0 when there
// is none; the same in every locale.
double leadingNumber(const std::string &text)
{
    const char *p = text.c_str();
    const char *end = p + text.size();
    while (p < end && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (p < end && *p == '+')
        ++p;
    double value = 0.0;
    if (std::from_chars(p, end, value).ec != std::errc())
        return 0.0;
    return value;
}

const TiXmlElement *firstChildElement(const TiXmlElement *parent)
{
    return parent ? parent->FirstChildElement() : nullptr;
}

} // namespace

void TDDTaxDataOnePerson::noteCut(const char *list, int notKept)
{
    if (notKept <= 0)
        return;
    listCuts.push_back({list, notKept});
    qWarning("Auto-fill data: %s: %d entries beyond the first kept were not kept", list, notKept);
}

int TDDTaxDataOnePerson::parse(const TiXmlElement *item)
{
    const TiXmlElement *identifier = child(item, "IndividualTaxpayerIdentifier");
    if (!identifier)
        return -1;
    taxpayerId = ownText(identifier);
    if (const TiXmlElement *s = child(item, "Summary"))
        parseSummary(s);
    if (const TiXmlElement *c = child(item, "Client"))
        parseClient(c);
    if (const TiXmlElement *c = child(item, "CarryOver"))
        parseCarryOver(c);
    if (const TiXmlElement *s = child(item, "Slips"))
        parseSlips(s);
    return 0;
}

namespace {

TDDTaxDataOnePerson::RrspHistoryRecord readRrspHistory(const TiXmlElement *e)
{
    return {text(e, "TaxYear"),
            text(e, "UndeductedContributionsAmount"),
            text(e, "CurrentYearContributionsAmount"),
            text(e, "TotalAvailableContributionsAmount"),
            text(e, "RepaymentToHBPorLLPAmount"),
            text(e, "ContributionsDeductedAmount"),
            text(e, "TotalUnclaimedRRSPContributionsAmount")};
}

TDDTaxDataOnePerson::RequiredRepayment readRepayment(const TiXmlElement *e)
{
    return {attribute(e, "year"), ownText(e)};
}

std::string readYear(const TiXmlElement *e)
{
    return ownText(e);
}

// The element names of one repayment plan.
struct PlanElements
{
    const char *plan;
    const char *requiredContainer;
    const char *repayableBalance;
    const char *requiredRemaining;
    const char *repaymentToDate;
};
const PlanElements kHbpElements = {"HomeBuyerPlan", "HomeBuyerPlanRequiredRepaymentAmount",
                                   "HomeBuyerPlanRepayableBalanceAmount",
                                   "HomeBuyerPlanRequiredRepaymentRemainingAmount",
                                   "HomeBuyerPlanRepaymentToDateAmount"};
const PlanElements kLlpElements = {"LifeLongLearningPlan", "LifeLongLearningPlanRequiredRepaymentAmount",
                                   "LifeLongLearningPlanRepayableBalanceAmount",
                                   "LifeLongLearningPlanRequiredRepaymentRemainingAmount",
                                   "LifeLongLearningPlanRepaymentToDateAmount"};

// Reads the plan; answers how many required repayments were not kept.
int readPlan(const TiXmlElement *summary, const PlanElements &names, TDDTaxDataOnePerson::RepaymentPlan &plan)
{
    const TiXmlElement *p = child(summary, names.plan);
    plan.updateDate = text(p, "updateDate");
    plan.repayableBalance = text(p, names.repayableBalance);
    plan.requiredRepaymentRemaining = text(p, names.requiredRemaining);
    plan.repaymentToDate = text(p, names.repaymentToDate);
    plan.requiredRepayments.clear();
    return readList(child(p, names.requiredContainer, "RequiredRepayment"), plan.requiredRepayments,
                    TDDTaxDataOnePerson::kMaxRequiredRepayments, readRepayment);
}

} // namespace

void TDDTaxDataOnePerson::parseSummary(const TiXmlElement *s)
{
    if (const TiXmlElement *d = child(s, "DisabilityEligibilities"))
        summary.disabilityCode = text(d, "DisabilityAmountEligibilityCode");
    summary.postalCodeOnFile = text(s, "PostalCodeOnFile");
    summary.instalmentAmount = text(s, "InstalmentAmount");
    summary.trainingCreditLimit = text(s, "CanadaTrainingCreditLimitAmount");
    summary.eiElection = text(s, "EmploymentInsuranceElectionForSelfEmploymentIndicator");

    summary.unfiledYears.clear();
    noteCut("Unfiled returns (Summary)", readList(child(s, "UnfiledReturn", "TaxYear"), summary.unfiledYears,
                                                  kMaxSummaryUnfiledYears, readYear));
    summary.rrspHistory.clear();
    noteCut("RRSP history", readList(child(s, "RRSPContributionHistory", "RRSPContribution"),
                                     summary.rrspHistory, kMaxRrspHistory, readRrspHistory));

    summary.hasFhsaPlan = false;
    if (const TiXmlElement *f = child(s, "FHSAPlan")) {
        summary.hasFhsaPlan = true;
        for (size_t i = 0; i < summary.fhsa.size(); ++i)
            summary.fhsa[i] = text(f, kFhsaElements[i]);
    }

    summary.uncashedCheque = flag(s, "UncashedChequeIndicator");
    summary.gstHstReturn = flag(s, "GSTHSTReturnIndicator");
    summary.manageOnlineMail = flag(s, "ManageOnlineMailIndicator");
    summary.returnedMail = flag(s, "ReturnedMailIndicator");
    summary.foreignPropertyDeclared = flag(s, "ForeignPropertyDeclaredIndicator");
    summary.electronicCorrespondence = text(s, "ElectronicCorrespondenceIndicator");

    noteCut("HBP required repayments", readPlan(s, kHbpElements, summary.hbp));
    noteCut("LLP required repayments", readPlan(s, kLlpElements, summary.llp));

    if (const TiXmlElement *r = child(s, "RegisteredRetirementSavingsPlan")) {
        summary.rrspUpdateDate = attribute(r, "updateDate");
        summary.rrspDeductionLimit = text(r, "DeductionLimitAmount");
        summary.rrspUnusedContribution = text(r, "UnusedContributionAmount");
    }
}

void TDDTaxDataOnePerson::parseClient(const TiXmlElement *c)
{
    client.nonResidentSourceDeduction = flag(c, "NonResidentSourceDeductionIndicator");
    client.bankrupt = flag(c, "BankruptIndicator");
    client.canadaWorkersBenefit = flag(c, "CanadaWorkersBenefitIndicator");
    client.refundExamination = flag(c, "RefundExaminationIndicator");
    client.onlineServiceRegistered = flag(c, "CRAOnlineServiceRegistrationIndicator");
    client.currentYearReturnFiled = flag(c, "CurrentYearReturnIndicator");
    client.cebDebtOwing = flag(c, "CEBDebtOwingIndicator");
    client.onlineServiceCode = text(c, "CRAOnlineServiceRegistrationCode");
    client.emigrationDate = text(c, "EmigrationDate");
    client.immigrationDate = text(c, "ImmigrationDate");
    if (const TiXmlElement *d = child(c, "DisabilityEligibilities"))
        client.disabilityCode = text(d, "DisabilityAmountEligibilityCode");

    noteCut("Re-assessments", readList(firstChildElement(child(c, "Reassessments")), client.reassessments,
                                       kMaxReassessments, [](const TiXmlElement *e) {
                                           return Reassessment{text(e, "TaxYear"), text(e, "ReassessmentDate")};
                                       }));
    client.refundSetoffCode = text(c, "RefundSetoffCode");
    noteCut("Refund set-offs",
            readList(child(c, "RefundSetOffs", "RefundSetoff"), client.setoffs, kMaxSetoffs,
                     [](const TiXmlElement *e) {
                         RefundSetoff s{text(e, "RefundSetoffProgramCode"), text(e, "RefundSetoffProgramID"),
                                        text(e, "RefundSetoffProgramAmount"), std::string()};
                         s.telephone = codeDescription(s.programCode);
                         return s;
                     }));
    const TiXmlElement *inProgress = child(c, "ReassessmentInProgress");
    if (inProgress)
        client.reassessmentInProgress = flag(inProgress, "ReassessmentInProgressIndicator");
    noteCut("Re-assessments in progress", readList(child(inProgress, "ReassessmentTaxYear"),
                                                   client.reassessmentYears, kMaxReassessmentYears, readYear));
    noteCut("Unfiled returns (Client)", readList(child(c, "UnfiledReturn", "TaxYear"), client.unfiledYears,
                                                 kMaxClientUnfiledYears, readYear));
}

void TDDTaxDataOnePerson::parseCarryOver(const TiXmlElement *c)
{
    auto entries = [c](const char *container) { return firstChildElement(child(c, container)); };
    noteCut("Non-capital losses",
            readList(entries("NonCapitalLosses"), carryOver.nonCapitalLosses, kMaxLossEntries,
                     [](const TiXmlElement *e) {
                         return NonCapitalLoss{text(e, "TaxYear"), text(e, "CurrentYearNonCapitalLossAmount"),
                                               text(e, "PriorYearNonCapitalLossAmount"),
                                               text(e, "SubsequentYearNonCapitalLossAmount")};
                     }));
    noteCut("Capital gain losses",
            readList(entries("CapitalGainLosses"), carryOver.capitalGainLosses, kMaxLossEntries,
                     [](const TiXmlElement *e) {
                         return CapitalGainLoss{text(e, "TaxYear"), text(e, "InclusionRate"),
                                                text(e, "TaxableCapitalGainAmount"),
                                                text(e, "UnappliedNetLossAmount"),
                                                text(e, "PriorYearNetLossAmount"),
                                                text(e, "SubsequentYearNetLossAmount")};
                     }));
    noteCut("Capital gain deductions",
            readList(entries("CapitalGainDeductions"), carryOver.capitalGainDeductions, kMaxLossEntries,
                     [](const TiXmlElement *e) {
                         return CapitalGainDeduction{text(e, "TaxYear"), text(e, "CapitalGainDeductionAmount"),
                                                     text(e, "NetCapitalGainLossAmount"),
                                                     text(e, "NetFarmPropertyDispositionAmount"),
                                                     text(e, "NetSmallBusinessShareDispositionAmount")};
                     }));
    auto readTuition = [](const TiXmlElement *e) {
        return TuitionCarryForward{text(e, "TaxYear"), text(e, "CarryForwardAvailableAmount")};
    };
    noteCut("Federal tuition amounts", readList(entries("FederalTuitionEducationTextBookAmounts"),
                                                carryOver.federalTuition, kMaxTuitionEntries, readTuition));
    noteCut("Provincial tuition amounts", readList(entries("ProvincialTuitionEducationTextBookAmounts"),
                                                   carryOver.provincialTuition, kMaxTuitionEntries, readTuition));
    noteCut("Business investment losses",
            readList(child(c, "BusinessInvestmentLossAmounts", "BusinessInvestmentLossAmount"),
                     carryOver.businessInvestmentLosses, kMaxInvestmentLosses, [](const TiXmlElement *e) {
                         return BusinessInvestmentLoss{attribute(e, "year"), ownText(e)};
                     }));
}

bool TDDTaxDataOnePerson::allZero(const RrspHistoryRecord &r)
{
    for (const std::string *amount : {&r.undeductedContributions, &r.currentYearContributions,
                                      &r.totalAvailableContributions, &r.repaymentToHbpOrLlp,
                                      &r.contributionsDeducted, &r.totalUnclaimedContributions})
        if (leadingNumber(*amount) != 0.0)
            return false;
    return true;
}

// ---- the report page ----

namespace {

const char kGstHstFilingAddress[] =
    "https://www.canada.ca/en/revenue-agency/services/e-services/digital-services-businesses/gst-hst-netfile.html";

QString utf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), int(s.size()));
}

// A data value as it goes into a formatted line.
QString esc(const std::string &s)
{
    return utf8(s).toHtmlEscaped();
}

void item(CString &out, const std::string &value, const char *label, const char *skip = "")
{
    toHtmlOneLineItem(out, utf8(value), QString::fromLatin1(label), QString::fromLatin1(skip));
}

void append(CString &out, const QString &text)
{
    out += text;
}

const char *yesNo(bool on)
{
    return on ? "Yes" : "No";
}

// "(year) " for each year.
QString yearsInParentheses(const std::vector<std::string> &years)
{
    QString text;
    for (const std::string &y : years)
        text += QStringLiteral("(%1) ").arg(esc(y));
    return text;
}

} // namespace

void TDDTaxDataOnePerson::htmlCut(CString &out, const char *list) const
{
    for (const Cut &cut : listCuts)
        if (cut.list == list)
            append(out, QStringLiteral("<b>%1: %2 entries not kept</b><br>\n")
                            .arg(QString::fromLatin1(list))
                            .arg(cut.notKept));
}

int TDDTaxDataOnePerson::toHtml(CString &out, const std::string &sin, const std::string &updateTime) const
{
    out = QStringLiteral("<body>\n");
    append(out, QStringLiteral("<h3>SIN: %1, update time: %2</h3>").arg(esc(sin), esc(updateTime)));
    toHtmlNewLine(out);
    htmlSummary(out);
    htmlRrspHistoryAndFhsa(out);
    htmlPlansAndRrsp(out);
    htmlAccountNotes(out);
    htmlClient(out);
    htmlSetoffs(out);
    toHtmlNewLine(out);
    htmlReassessmentsAndUnfiled(out);
    htmlCarryOver(out);
    append(out, QStringLiteral("<br>"));
    toHtmlNewLine(out);
    htmlSlips(out);
    append(out, QStringLiteral("</body>\n"));
    return 0;
}

void TDDTaxDataOnePerson::htmlSummary(CString &out) const
{
    append(out, QStringLiteral("<h3>Summary</h3>"));
    item(out, summary.disabilityCode, "Client may be able to claim disability tax credit");
    item(out, summary.instalmentAmount, "Instalment", "0.0");
    item(out, summary.trainingCreditLimit, "Canada Training Credit Limit");
    item(out, summary.eiElection, "EI Election on self-employment");
    if (summary.unfiledYears.empty())
        return;
    toHtmlNewLine(out);
    append(out, QStringLiteral("<font>Unfiled Return(s) for the Following Tax Year(s):</font><br>\n"));
    append(out, QStringLiteral("<font>"));
    for (const std::string &y : summary.unfiledYears)
        append(out, esc(y) + QLatin1Char(' '));
    append(out, QStringLiteral("</font>"));
    toHtmlNewLine(out);
    htmlCut(out, "Unfiled returns (Summary)");
}

void TDDTaxDataOnePerson::htmlRrspHistoryAndFhsa(CString &out) const
{
    if (!summary.rrspHistory.empty()) {
        toHtmlNewLine(out);
        append(out, QStringLiteral("<h4>RRSP History, RRSP Limit, HBP/LLP:</h4>\n"));
        for (const RrspHistoryRecord &r : summary.rrspHistory) {
            if (allZero(r))
                continue;
            item(out, r.taxYear, "Tax Year");
            item(out, r.undeductedContributions, "Undeducted Contribution Amount");
            item(out, r.currentYearContributions, "Current Year Contribution Amount");
            item(out, r.totalAvailableContributions, "Total Contribution Amount");
            item(out, r.repaymentToHbpOrLlp, "Repayment to HBP/LLP Amount");
            item(out, r.contributionsDeducted, "Contribution Deducted Amount");
            item(out, r.totalUnclaimedContributions, "Total Unclaimed Contribution Amount");
            toHtmlNewLine(out);
        }
        toHtmlNewLine(out);
        htmlCut(out, "RRSP history");
    }
    if (summary.hasFhsaPlan) {
        static const char *const labels[7] = {
            "FHSA Variable B Prior Year Amount",       "FHSA Prior Year Transfer from RRSP Amount",
            "FHSA Prior Year Designated to RRSP/RRIF Amount", "FHSA Annual Limit Amount",
            "FHSA Prior Year Deduction Amount",        "FHSA Unused Contribution Amount",
            "FHSA Carry Forward Amount",
        };
        toHtmlNewLine(out);
        append(out, QStringLiteral("<h4>FHSA Plan:</h4>\n"));
        for (size_t i = 0; i < summary.fhsa.size(); ++i)
            item(out, summary.fhsa[i], labels[i]);
        toHtmlNewLine(out);
    }
}

namespace {

struct PlanLabels
{
    const char *updateTime;
    const char *repayableBalance;
    const char *repayableBalanceSkip;
    const char *repaymentToDate;
    const char *remaining;
    const char *required;
};

void htmlPlan(CString &out, const TDDTaxDataOnePerson::RepaymentPlan &plan, const PlanLabels &labels)
{
    const bool dated = !plan.updateDate.empty();
    if (dated)
        toHtmlNewLine(out);
    item(out, plan.updateDate, labels.updateTime);
    item(out, plan.repayableBalance, labels.repayableBalance, labels.repayableBalanceSkip);
    item(out, plan.repaymentToDate, labels.repaymentToDate, "0.0");
    item(out, plan.requiredRepaymentRemaining, labels.remaining, "0.0");
    for (const TDDTaxDataOnePerson::RequiredRepayment &r : plan.requiredRepayments)
        toHtmlOneLineItem(out, QStringLiteral("tax year: %1, required amount: %2").arg(utf8(r.year), utf8(r.amount)),
                          QString::fromLatin1(labels.required), QString());
    if (dated)
        toHtmlNewLine(out);
}

} // namespace

void TDDTaxDataOnePerson::htmlPlansAndRrsp(CString &out) const
{
    htmlPlan(out, summary.hbp,
             {"HBP Update Time", "HBP Repayable Balance", "", "HBP Repayment up-to-date",
              "HBP Required Repayment Remaining", "HBP Required Repayment"});
    htmlCut(out, "HBP required repayments");
    htmlPlan(out, summary.llp,
             {"LLP Update Time", "LLP Outstanding Balance", "0.0", "LLP Repayment up-to-date",
              "LLP Remaining Balance", "LLP Required Repayment"});
    htmlCut(out, "LLP required repayments");

    const bool dated = !summary.rrspUpdateDate.empty();
    if (dated)
        toHtmlNewLine(out);
    item(out, summary.rrspUpdateDate, "RRSP Update Time");
    item(out, summary.rrspDeductionLimit, "RRSP Deduction Limit");
    item(out, summary.rrspUnusedContribution, "RRSP Unused Amount");
    if (dated) {
        toHtmlNewLine(out);
        toHtmlNewLine(out);
    }
}

void TDDTaxDataOnePerson::htmlAccountNotes(CString &out) const
{
    append(out, QStringLiteral("<ul>"));
    auto note = [&out](bool on, const QString &text) {
        if (!on)
            return;
        append(out, text);
        toHtmlNewLine(out);
    };
    note(summary.uncashedCheque, QStringLiteral("<li>- has uncashed cheque(s)"));
    note(summary.gstHstReturn,
         QStringLiteral("<li>- All future refunds will be held until all outstanding returns have been filed."
                        "This may include, but is not limited to, any outstanding GST/HST returns. For information "
                        "on how to file your business GST/HST returns, visit %1.")
             .arg(QString::fromLatin1(kGstHstFilingAddress)));
    note(summary.manageOnlineMail, QStringLiteral("<li>- Manage Online Mail Elected"));
    note(summary.returnedMail, QStringLiteral("<li>- Return Mail Elected"));
    note(summary.foreignPropertyDeclared, QStringLiteral("<li>- Foreign Property Declared"));
    note(!summary.electronicCorrespondence.empty(),
         QStringLiteral("<li>- Electronic Correspondence Preference Indicator = ")
             + esc(summary.electronicCorrespondence));
    append(out, QStringLiteral("</ul>"));
    append(out, QStringLiteral("</h3>"));
    toHtmlNewLine(out);
}

void TDDTaxDataOnePerson::htmlClient(CString &out) const
{
    append(out, QStringLiteral("<h3>Client Information</h3><br>"));
    append(out, QStringLiteral("<h4>"));
    if (client.nonResidentSourceDeduction)
        append(out, QStringLiteral("- Part XIII Non-Resident account is linked to this client.<br>"));
    if (client.bankrupt)
        append(out, QStringLiteral("- Maybe bankrupt.<br>"));
    if (client.currentYearReturnFiled)
        append(out, QStringLiteral("- Current year return filed.<br>"));
    if (client.onlineServiceRegistered)
        append(out, QStringLiteral("- Client has full My Account access.<br>"));
    if (!client.onlineServiceCode.empty())
        append(out, QStringLiteral("- My Account access level = ") + esc(client.onlineServiceCode) + QStringLiteral("<br>"));
    if (client.cebDebtOwing)
        append(out, QStringLiteral("- Client has Canada Emergency Benefits (CEB) debt owing.<br>"));
    append(out, QStringLiteral("- Receive WITB benefit: %1<br>").arg(QLatin1String(yesNo(client.canadaWorkersBenefit))));
    append(out, QStringLiteral("- CRA may review tax return: %1<br>").arg(QLatin1String(yesNo(client.refundExamination))));
    item(out, client.emigrationDate, "Emigrate date");
    item(out, client.immigrationDate, "Immigrate date");
    item(out, client.disabilityCode, "Disability Eligible code");
    toHtmlNewLine(out);
    append(out, QStringLiteral("</h4>"));
}

namespace {

// The telephone without its " Ext" words (the blanks stay).
QString withoutExt(const std::string &telephone)
{
    return utf8(telephone).remove(QStringLiteral(" Ext"));
}

} // namespace

void TDDTaxDataOnePerson::htmlSetoffs(CString &out) const
{
    if (client.setoffs.empty() && client.refundSetoffCode.empty())
        return;
    append(out, QStringLiteral("<b>Client may have an outstanding debt with another federal, provincial,"
                               "             or territorial government program. For more information about "
                               "this debt, see Refund set-off</b><br>\n"));
    item(out, client.refundSetoffCode, "Refund Set-off");
    if (client.setoffs.empty())
        return;
    append(out, QStringLiteral("<h3>Total records: %1 - Refund Set-off Codes</h3><br>\n").arg(client.setoffs.size()));
    for (const RefundSetoff &s : client.setoffs) {
        if (!s.programId.empty())
            append(out, QStringLiteral("Refund Setoff Program :(%1)<br>").arg(esc(s.programId)));
        if (!s.telephone.empty())
            append(out, QStringLiteral("Code:(%1)  Amount:($%2) Phone:(%3)<br><br>")
                            .arg(esc(s.programCode), esc(s.amount), withoutExt(s.telephone).toHtmlEscaped()));
        else
            append(out, QStringLiteral("Code:(%1)  Amount:($%2)<br><br>").arg(esc(s.programCode), esc(s.amount)));
    }
    htmlCut(out, "Refund set-offs");
    toHtmlNewLine(out);
}

void TDDTaxDataOnePerson::htmlReassessmentsAndUnfiled(CString &out) const
{
    append(out, QStringLiteral("<h3>Re-Assessment</h3>\n"));
    item(out, yesNo(client.reassessmentInProgress), "Re-assessment in progress");
    if (!client.reassessmentYears.empty()) {
        append(out, QStringLiteral("Total records: %1 - Re-Assessment In Progress<br>\n")
                        .arg(client.reassessmentYears.size()));
        append(out, QStringLiteral("<h4>Tax Year: ") + yearsInParentheses(client.reassessmentYears)
                        + QStringLiteral("</h4>"));
        toHtmlNewLine(out);
        htmlCut(out, "Re-assessments in progress");
    }
    if (!client.reassessments.empty()) {
        toHtmlNewLine(out);
        append(out, QStringLiteral("Total records: %1 - Re-Assessment<br>\n").arg(client.reassessments.size()));
        for (const Reassessment &r : client.reassessments) {
            item(out, r.taxYear, "Tax Year");
            item(out, r.date, "ReAssessment Date");
            toHtmlNewLine(out);
        }
        append(out, QStringLiteral("<br>"));
        htmlCut(out, "Re-assessments");
    }
    if (!client.unfiledYears.empty()) {
        toHtmlNewLine(out);
        append(out, QStringLiteral("<h3>Total records: %1 - Unfiled Returns</h3><br>\n").arg(client.unfiledYears.size()));
        append(out, QStringLiteral("<h4>Tax Year: ") + yearsInParentheses(client.unfiledYears) + QStringLiteral("</h4>"));
        toHtmlNewLine(out);
        htmlCut(out, "Unfiled returns (Client)");
    }
}

namespace {

// One carry-over list: heading with the count, the tags around the entries,
// each entry's items and a line break.
template <class Entry, class Items>
void htmlCarryOverList(CString &out, const std::vector<Entry> &list, const char *heading, const char *open,
                       const char *close, Items items)
{
    if (list.empty())
        return;
    toHtmlNewLine(out);
    append(out, QString::fromLatin1(heading).arg(list.size()));
    append(out, QString::fromLatin1(open));
    for (const Entry &e : list) {
        items(e);
        toHtmlNewLine(out);
    }
    append(out, QString::fromLatin1(close));
}

} // namespace

void TDDTaxDataOnePerson::htmlCarryOver(CString &out) const
{
    toHtmlNewLine(out);
    append(out, QStringLiteral("<h3>CarryOver Amounts</h3><br>"));
    const char *black = "<font color=\"#000000\">";
    htmlCarryOverList(out, carryOver.nonCapitalLosses, "<h4>Total records: %1 - Non-Capital Loss</h4>\n", "<p>",
                      "</p>", [&out](const NonCapitalLoss &e) {
                          item(out, e.taxYear, "Tax Year");
                          item(out, e.currentYearLoss, "Current Year Non-Capital Loss Amount");
                          item(out, e.priorYearLoss, "Prior Year Non-Capital Loss Amount");
                          item(out, e.subsequentYearLoss, "Subsequent Year Non-Capital Loss Amount");
                      });
    htmlCut(out, "Non-capital losses");
    htmlCarryOverList(out, carryOver.capitalGainLosses, "<h4>Total records: %1 - Capital Gain Loss</h4>\n", "<p>",
                      "</p>", [&out](const CapitalGainLoss &e) {
                          item(out, e.taxYear, "Tax Year");
                          item(out, e.inclusionRate, " Inclusion Rate %");
                          item(out, e.taxableCapitalGain, " Taxable Capital Gain Amount (12700)");
                          item(out, e.unappliedNetLoss, "Unapplied Net Loss Amount");
                          item(out, e.priorYearNetLoss, "Prior Year Net Loss Amount");
                          item(out, e.subsequentYearNetLoss, "Subsequent Year Net Loss Amount");
                      });
    htmlCut(out, "Capital gain losses");
    htmlCarryOverList(out, carryOver.capitalGainDeductions, "<h4>Total records: %1 - Capital Gain Deduction</h4>\n",
                      "<p>", "</p>", [&out](const CapitalGainDeduction &e) {
                          item(out, e.taxYear, "Tax Year");
                          item(out, e.deduction, "Capital Gain Deduction (25400)");
                          item(out, e.netCapitalGainLoss, "Net Capital Gain Loss (10700)");
                          item(out, e.netFarmPropertyDisposition, "Net Farm Property Disposition");
                          item(out, e.netSmallBusinessShareDisposition, "Net Small Business Share Disposition (10699)");
                      });
    htmlCut(out, "Capital gain deductions");
    auto tuitionItems = [&out](const TuitionCarryForward &e) {
        item(out, e.taxYear, "Tax Year");
        item(out, e.carryForwardAvailableAmount, "Carryforward Available Amount");
    };
    htmlCarryOverList(out, carryOver.federalTuition,
                      "<h4>Total records: %1 - Federal Tuition Education Textbook Amounts</h4>\n", "<font>", "</font>",
                      tuitionItems);
    htmlCut(out, "Federal tuition amounts");
    htmlCarryOverList(out, carryOver.provincialTuition,
                      "<h4>Total records: %1 - Provincial Tuition Education Textbook Amounts</h4>\n", black, "</font>",
                      tuitionItems);
    htmlCut(out, "Provincial tuition amounts");
    htmlCarryOverList(out, carryOver.businessInvestmentLosses,
                      "<h4>Total records: %1 - Business Investment Loss Amounts</h4>\n", black, "</font>",
                      [&out](const BusinessInvestmentLoss &e) {
                          item(out, e.year, "Tax Year");
                          item(out, e.amount, "Loss Amount");
                      });
    htmlCut(out, "Business investment losses");
}

// ---- saving ----

namespace {

void logLine(FILE *log, const char *format, int value)
{
    if (!log)
        return;
    std::fprintf(log, format, value);
    std::fflush(log);
}

} // namespace

int TDDTaxDataOnePerson::saveToDatabase(QSqlDatabase db, FILE *log, const char *sin, const char *itemXml) const
{
    try {
        const std::string time = getXMLDateTimeString(false).toStdStringUTF8();
        const std::string sinText = sin ? sin : "";
        CString page;
        toHtml(page, sinText, time);
        if (log) {
            for (const Cut &cut : listCuts)
                std::fprintf(log, "not kept: %d entries of %s\n", cut.notKept, cut.list.c_str());
            if (slipsNotKept > 0)
                std::fprintf(log, "not kept: %d entries of Tax slips\n", slipsNotKept);
        }
        // the taxpayer and the row in one transaction: nothing half-stored
        if (!db.transaction()) {
            logLine(log, "save into db=%d\n", 0);
            return 2;
        }
        CString name;
        int id = findTaxpayerBySin(db, sinText, name);
        if (id == 0) {
            logLine(log, "cannot locate id=%d\n", 0);
            id = insertTaxpayer(db, sinText);
        }
        if (id <= 0) {
            db.rollback();
            logLine(log, "no taxpayer for the S.I.N., nothing saved (id=%d)\n", id);
            return 1;
        }
        logLine(log, "save into id=%d\n", id);
        const bool stored = replaceTaxDataRows(db, id, time, itemXml ? itemXml : "", page.toStdStringUTF8(),
                                               dataTaxYear)
            && db.commit();
        if (!stored)
            db.rollback();   // the earlier download stays
        logLine(log, "save into db=%d\n", stored ? 2 : 0);
        return stored ? 0 : 2;
    } catch (...) {
        if (db.isOpen())
            db.rollback();
        if (log) {
            std::fputs("failed to save into db\n", log);
            std::fflush(log);
        }
        return -1;
    }
}
