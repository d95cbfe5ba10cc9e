#include "confirmations.h"
#include "dependantinfostruct.h"
#include "formcast.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "sliptotals.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_sch15.h"
#include "taxdata_sch5.h"
#include "taxdata_sch7.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1new.h"
#include "taxdata_t936new.h"
#include <utility>

namespace {

using T1 = TaxData_T1New;

enum FormType {
    Schedule2 = 3, Schedule5 = 6, Schedule7 = 7, Schedule11 = 11, T691 = 31, T936 = 32, CPT20 = 57,
    Schedule6 = 119, Schedule12Multigenerational = 133, Schedule15 = 205, T1248ScheduleD = 207,
};
enum SlipType { SlipT4 = 1 };
enum SlipTotalSlot { T4ABox135 = 209, T1204Slips = 308 };
constexpr int kEFile = 1;      // edition bit of EFILE
constexpr int kNetfile = 2;    // edition bit of NETFILE
constexpr int kAdultAge = 18;
constexpr int kSeniorAge = 65;
constexpr int kYoungestChildAge = 0;
constexpr int kOldestUccbChildAge = 6;
constexpr double kRestrictedFarmLossFloor = -2500.0;
constexpr double kTolerance = 0.009;
constexpr int kGoOn = 1;

const char *const kTitle = "Brackenquill Warning Message";
// The CRA's sign-in page of My Account for individuals, and that page's title.
const char *const kMyAccountAddress =
    "https://www.canada.ca/en/revenue-agency/services/e-services/digital-services-individuals/account-individuals.html";
const char *const kMyAccountLabel = "My Account for Individuals";

bool zero(double v) { return !isAmountEntered(v); }
bool nonZero(double v) { return isAmountEntered(v); }

CTaxData_Form *singleForm(const IndividualTaxData &person, int type)
{
    const auto &entries = person.forms().withKey(type);
    return entries.size() == 1 ? entries.first()->object : nullptr;
}

// A simple question; true to go on.
bool ask(const QString &text)
{
    return CYesNoContinueDlg::warnYesNoMsg(nullptr, QString::fromLatin1(kTitle), text);
}

bool ask(const char *text) { return ask(QString::fromUtf8(text)); }

bool askEach(const QList<CString> &texts)
{
    for (const CString &text : texts)
        if (!ask(text))
            return false;
    return true;
}

// Lines by number; width 0 keeps the dialog's own size.
bool askComposed(std::initializer_list<std::pair<int, QString>> lines, int width = 0, int height = 0,
                 int linkLine = 0)
{
    CYesNoContinueDlg dlg(QString::fromLatin1(kTitle), nullptr);
    for (const auto &line : lines)
        dlg.setMsg(line.first, line.second, false);
    if (linkLine > 0)
        dlg.setLinkMsg(linkLine, QString::fromLatin1(kMyAccountAddress), QString::fromLatin1(kMyAccountLabel));
    if (width > 0)
        dlg.resize(width, height);
    return dlg.exec() == kGoOn;
}

// What the questions read besides the forms.
struct Context
{
    IndividualTaxData &person;
    T1 &t1;
    int edition;
    double t4Box85 = 0.0;
    double t4aBox135 = 0.0;
    int t1204Slips = 0;

    CTaxData_Form *form(int type) const { return singleForm(person, type); }
    bool has(int type) const { return form(type) != nullptr; }
    double line(int field) const { return t1.amount(field); }
    bool netfile() const { return edition & kNetfile; }
    bool efile() const { return edition & kEFile; }
};

// ---- step 1: the slip totals, read only

void readSlipTotals(Context &c)
{
    SlipTotals totals;
    c.person.addSlipsToTotals(totals);
    c.t4aBox135 = totals.amount(T4ABox135);
    c.t1204Slips = totals.counter(T1204Slips);
    for (const FormEntry *e : c.person.slips().withKey(SlipT4))
        if (e->object)
            c.t4Box85 += e->object->amount(TaxData_Slip_T4::F_Box85);
}

bool confirmOwnWarnings(const EntryList<FormEntry> &entries)
{
    for (const FormEntry *e : entries) {
        if (!e->object)
            continue;
        QList<CString> warnings;
        e->object->collectWarnings(warnings);
        if (!askEach(warnings))
            return false;
    }
    return true;
}

// ---- steps 4 to 9: residency, identity, access code, foreign property, e-mail

bool confirmResidency(const Context &c)
{
    const QString line3 = c.netfile()
        ? QStringLiteral("Non-resident, deemed resident return should be prepared by another software, Brackenquill "
                         "Special Version.")
        : QStringLiteral("For EFile purpose, emigrant of Canda in the tax year would be allowed for online filing.");
    return askComposed({{2, QStringLiteral("Please confirm tax residency of the tax payer. You can use this online "
                                           "filing if you were, in the tax year, a resident, immigrant, or some type "
                                           "of emigrant of Canada. If you were a factual resident, please specify it "
                                           "in form T1248 Schedule D and do the online filing.")},
                        {3, line3}});
}

// Yes means a paper return: the filing stops.
bool confirmEmigrant(const Context &c)
{
    if (!c.t1.IsEmmigrant())
        return true;
    const QString text = QStringLiteral("Does the tax payer's tax situation require submission of any of the "
                                        "following forms: T1243, T1244, and/or T1161? Please select Yes or No. \n\n"
                                        "If 'Yes' is selected, a paper return must be filed.");
    return messageHandler()->question(nullptr, QStringLiteral("Emigrant Return Note"), text,
                                      MsgButton::Yes | MsgButton::No, MsgButton::No)
        != MsgButton::Yes;
}

bool confirmChangedIdentity(const Context &c)
{
    if (!c.t1.flag(T1::F_InfoChanged))
        return true;
    const QString line3 = c.netfile()
        ? QStringLiteral("You cannot change your name or direct deposit information using NETFILE. Your name or direct "
                         "deposit information will not be transmitted with your return. Please visit the CRA Web site "
                         "or contact CRA by phone at 1-800-959-8281 prior to using NETFILE.\n\nYou cannot change your "
                         "address or phone number using NETFILE. Your address will not be transmitted with your "
                         "return. To change your address and phone number, please visit the CRA Web site or contact "
                         "CRA by phone at 1-800-714-7257 prior to using NETFILE.")
        : QStringLiteral("Please make sure that tax payer's new address, and/or direct deposit information are updated "
                         "in form T183 and T1DD.");
    return askComposed({{2, QStringLiteral("According to the answer to question 4 on page 1 of T1, tax payer's name, "
                                           "address, phone number or direct deposit information have changed.")},
                        {3, line3}});
}

bool confirmAccessCode(const Context &c)
{
    if (c.efile() || !c.t1.text(T1::F_NetfileAccessCode).remove(QLatin1Char(' ')).isEmpty())
        return true;
    return askComposed(
        {{1, QStringLiteral("NetFile Access Code")},
         {2, QStringLiteral("Your unique Access code can be found on your Notice of Assessment (NOA) for a previous tax "
                            "year. This eight-character Access code is made up of numbers and letters.")},
         {3, QStringLiteral("Are you sure you want to file your tax return without entering your Access code? If you "
                            "do not enter your Access code, you will not be able to use information from your 2024 tax "
                            "return when confirming your identity with the CRA.")},
         {4, QStringLiteral("You can enter NetFile Access Code on page 1 of T1, under tax payer's name.")}},
        700, 400);
}

bool confirmForeignProperty(const Context &c)
{
    if (!c.t1.flag(T1::F_ForeignPropertyOver100K))
        return true;
    return askComposed(
        {{1, QString::fromLatin1(kTitle)},
         {2, QStringLiteral("You answered 'Yes' to the question 'Did you own or hold specified foreign property where "
                            "the total cost amount of all such property, at any time in the year, was more than "
                            "CAN$100,000?' Therefore, you are required to file form T1135, Foreign Income Verification "
                            "Statement, if you have not already done so.")},
         {3, QStringLiteral("There are substantial penalties for not completing and filing Form T1135 by the due date. "
                            "If you have provided incomplete information, omitted information, or have not filed form "
                            "T1135 in prior years, the Canada Revenue Agency (CRA) encourages you to come forward and "
                            "correct your tax affairs through the Voluntary Disclosures Program (VDP).")},
         {4, QStringLiteral("For more information, see Form T1135.")}},
        700, 500);
}

bool confirmEmailNotice(const Context &c)
{
    if (c.t1.emailAddress().size() <= 1)
        return true;
    return askComposed(
        {{1, QString::fromLatin1(kTitle)},
         {2, QStringLiteral("By providing your email address, you will stop receiving paper mail from the CRA and will "
                            "instead receive an email notification when mail is available in My Account. You will "
                            "need to register for My Account to access your Notice of Assessment or Reassessment, and "
                            "any other CRA mail that is available online. To register for My Account, go to: ")}},
        600, 400, 4);
}

// ---- steps 10 to 16: residency type, OAS, UCCB, losses, income

bool confirmBenefitsAndLosses(const Context &c)
{
    if (c.has(T1248ScheduleD)
        && !ask("Please make sure to select the correct Residency Type for the tax payer in form T1248 Schedule D."))
        return false;
    if (c.t1.IsAgeNotUnder65() && zero(c.line(T1::F_11300))
        && !ask("Please confirm that you did not receive the old age security (OAS) pension."))
        return false;
    const DependantInfoStruct *deps = c.person.dependants();
    const bool youngChild = deps && deps->GetDepNumberBetweenAges(kYoungestChildAge, kOldestUccbChildAge) >= 1;
    if (youngChild && zero(c.line(T1::F_11700)) && zero(c.line(T1::F_SpouseUCCB)) && zero(c.line(T1::F_UCCBDesignated))
        && !ask("Press 'OK' button to confirm you and your spouse (if applicable), didn't receive Universal Child Care "
                "Benefit (UCCB) in the tax year."))
        return false;
    if (youngChild && zero(c.line(T1::F_21300)) && zero(c.line(T1::F_SpouseUCCBRepayment))
        && !ask("Press 'OK' button to confirm you and your spouse(if applicable), didn't have any repayment for "
                "Universal Child Care Benefit (UCCB) in the tax year."))
        return false;
    const bool partnershipLoss = c.line(T1::F_12200) <= -kTolerance || c.line(T1::F_12600) <= -kTolerance;
    if (partnershipLoss && zero(c.line(T1::F_5354))
        && !ask("You reported an amount at field 12200/12600 in T1. If you have any limited partnership loss carry "
                "forward amount as supporting field 5354, please enter it in box 31 of T5013 slip; or supporting fields "
                "in form T776 or form T5013."))
        return false;
    const double farmingLoss = c.line(T1::F_FarmingLoss);
    const bool claimed = c.t1.flag(T1::F_RestrictedFarmLoss);
    if (!claimed && kRestrictedFarmLossFloor - farmingLoss >= kTolerance
        && !ask("Please confirm you don't want to claim restricted farm loss (section 31) on page 2 of form T1."))
        return false;
    if (claimed && zero(c.line(T1::F_14100) - farmingLoss)
        && !ask("You made a claim of restricted farm loss (section 31) on page 2 of form T1. However it doesn't make "
                "difference if you don't claim it."))
        return false;
    return !zero(c.line(T1::F_15000)) || ask("Please confirm that you reported no income in tax return.");
}

// ---- steps 17 to 25: the spouse, deductions, credits

bool confirmSpouse(const Context &c)
{
    if (c.person.hasSpouseInformation()) {
        const double spouseNet = c.line(T1::F_SpouseNetIncome);
        if (nonZero(spouseNet) && zero(c.line(T1::F_SpouseTaxableIncome))
            && !ask("Please confirm spouse's taxable income is zero. Click spouse's income field on page 1 of T1, "
                    "there are both spouse's net income and taxable income fields."))
            return false;
        if (zero(spouseNet)
            && !ask("Please confirm that there is no income reported from your spouse or common-law partner. Spouse "
                    "net-income should be entered on page 1 of form T1."))
            return false;
    }
    if (!c.t1.HasSpouse())
        return true;
    const auto *sch5 = formAs<TaxData_Sch5>(c.form(Schedule5), Schedule5);
    const bool claims = sch5
        && (sch5->flag(TaxData_Sch5::F_SpouseFlag) || nonZero(sch5->amount(TaxData_Sch5::F_EligibleDependant)));
    return claims
        || ask("You have a spouse, however not claiming spouse amount at field 30300, maybe you choose to claim the "
               "\nequivalent-to-spouse amount at field 30400, or your spouse already claimed this amount for you.");
}

bool confirmDeductions(const Context &c)
{
    if (nonZero(c.line(T1::F_20700)) && zero(c.line(T1::F_20600))
        && !ask("Please confirm you have claimed RPP deduction at field 20700 of T1, however there is no pension "
                "adjustment amount at field 206. It comes from box 52 of T4 slip."))
        return false;
    const bool transferForms = c.person.hasForm(Schedule2) || c.person.hasForm(Schedule5);
    if (nonZero(c.line(T1::F_21000)) && transferForms
        && !ask("Please confirm Old Age Security Pension from T4A(OAS) slip and CPP/QPP benefits from T4A(P) slip are "
                "not included for pension split purpose, e.g. in field 11500, 12900 of T1 and Field 68020 of T1032."))
        return false;
    const auto *t936 = formAs<TaxData_T936New>(c.form(T936), T936);
    if (t936 && nonZero(t936->amount(TaxData_T936New::F_AccumulatedCapitalLoss)) && zero(c.line(T1::F_25300))
        && !ask("You might be able to claim capital loss at line 25300 on page 3 of T1, since you have accumulated "
                "capital loss in form T936, and you have capital gain in this year."))
        return false;
    return ask("If you or your spouse receive an RC210 slip with an amount in Box 10, the person, who is claiming the "
               "basic CWB, must report the spouse's Box 10 amount in Schedule 6. if neither spouse is claiming the "
               "basic CWB, they can choose who reports the amounts of Box 10 of RC210 slip.");
}

bool confirmCredits(const Context &c)
{
    if (!c.has(Schedule2) && c.t1.HasSpouse()
        && !ask("You don't have Schedule 2 Amounts Transferred From Your Spouse in tax return. You might want to "
                "include it to optimize your tax return result."))
        return false;
    if (c.has(Schedule12Multigenerational) && c.t1.GetAge() < kAdultAge && c.t1.HasSpouse()
        && c.t1.GetSpouseAge() < kSeniorAge
        && !ask("Please confirm that spouse is eligible for disability amount, so that Schedule 12 multigenerational "
                "home renovation tax credit can be claimed."))
        return false;
    const auto *sch15 = formAs<TaxData_Sch15>(c.form(Schedule15), Schedule15);
    const bool firstFhsa = sch15 && sch15->flag(TaxData_Sch15::F_FirstFhsa68930);
    return firstFhsa || !c.person.isRrspContributionAge()
        || ask("If the taxpayer opened first FHSA in 2024, or became a successor holder in 2024 and did not open "
               "another own FHSA in 2023 or 2024, please tick the box at field 68930 of Schedule 15.");
}

// ---- steps 27 to 32: after the forms' own warnings

bool confirmLaterForms(const Context &c)
{
    if (!c.has(Schedule6) && c.person.mayQualifyForCwb()
        && !ask("According to your work income, you may qualify CWB (Canada Workers Benefit) by adding schedule 6 into "
                "return; otherwise confirm schedule 6 is not needed."))
        return false;
    const auto *sch7 = formAs<TaxData_Sch7>(c.form(Schedule7), Schedule7);
    if (sch7 && zero(sch7->amount(TaxData_Sch7::F_HBPRepayment)) && zero(sch7->amount(TaxData_Sch7::F_LLPRepayment))
        && zero(c.line(T1::F_HBP12900)) && zero(c.line(T1::F_LLP12900))
        && !ask("Please confirm that there is no requirement for HBP or LLP repayment. If you withdrew RRSP for HBP or "
                "LLP in prior year, you need to check and verify."))
        return false;
    const bool minimumTaxFields = nonZero(c.line(T1::F_67820)) || nonZero(c.line(T1::F_67830))
        || nonZero(c.line(T1::F_67840)) || nonZero(c.line(T1::F_67860));
    if (!c.has(T691) && minimumTaxFields
        && !ask("Alternative minimum tax may apply since supporting field 67820, 67830, 67840 and 67860 are being "
                "claimed in the tax return. Please add form T691 to calculate minimum tax."))
        return false;
    if (!c.person.provinceManager().confirmWarnings(&c.t1, c.form(Schedule11)))
        return false;
    const auto *cpt20 = formAs<TaxData_CPT20_New>(c.form(CPT20), CPT20);
    if (cpt20 && !cpt20->hadElectedIncomeToPayCPP()
        && !ask("Please remove form CPT20 if you don't elect any income to make CPP contribution at line 16 or 17 of "
                "the form."))
        return false;
    QList<CString> slipPoints;
    if (nonZero(c.t4Box85))
        slipPoints << CString("Please confirm that medical expense is claimed for box 85 of T4 slip.");
    if (nonZero(c.t4aBox135))
        slipPoints << CString("Please confirm that medical expense is claimed for box 135 of T4A slip.");
    if (c.t1204Slips >= 1)
        slipPoints << CString("Can you confirm that T2125 is completed properly to report government contract income "
                              "from T1204 tax slip?");
    return askEach(slipPoints);
}

} // namespace

// The T1 is looked for before anything is asked: a person without one gets no question.
bool confirmPersonBeforeFiling(IndividualTaxData &person, int edition)
{
    T1 *t1 = person.t1();
    if (!t1)
        return false;
    Context c{person, *t1, edition};
    readSlipTotals(c);
    return confirmOwnWarnings(person.slips()) && confirmResidency(c) && confirmEmigrant(c)
        && confirmChangedIdentity(c) && confirmAccessCode(c) && confirmForeignProperty(c) && confirmEmailNotice(c)
        && confirmBenefitsAndLosses(c) && confirmSpouse(c) && confirmDeductions(c) && confirmCredits(c)
        && confirmOwnWarnings(person.forms()) && confirmLaterForms(c);
}
