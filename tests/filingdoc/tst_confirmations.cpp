// The questions asked before a person's return is filed, answered from a script.
#include "bqtest.h"
#include "creturnfile.h"
#include "dependantinfostruct.h"
#include "filingdocservices.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "returnbuilder.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1new.h"
#include "taxdata_t778new.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <memory>

namespace {

constexpr int kEFile = 1;
constexpr int kNetfile = 2;
const QString kTitle = QStringLiteral("Brackenquill Warning Message");

// The steps' texts; a composed question shows its lines joined by newlines.
const char *const kT4Cpp = "A T4 slip shows CPP contributions in box 16 but no pensionable earnings in box 26: the "
                           "employment income of box 14 is used as the pensionable earnings. Please confirm box 26 of "
                           "the T4 slip.";
const char *const kT4Ei = "A T4 slip shows EI premiums in box 18 but no insurable earnings in box 24: the employment "
                          "income of box 14, up to the maximum insurable earnings, is used. Please confirm box 24 of "
                          "the T4 slip.";
const char *const kResidency = "Please confirm tax residency of the tax payer. You can use this online filing if you "
                               "were, in the tax year, a resident, immigrant, or some type of emigrant of Canada. If "
                               "you were a factual resident, please specify it in form T1248 Schedule D and do the "
                               "online filing.";
const char *const kResidencyEFile = "For EFile purpose, emigrant of Canda in the tax year would be allowed for online "
                                    "filing.";
const char *const kResidencyNetfile = "Non-resident, deemed resident return should be prepared by another software, "
                                      "Brackenquill Special Version.";
const char *const kEmigrant = "Does the tax payer's tax situation require submission of any of the following forms: "
                              "T1243, T1244, and/or T1161? Please select Yes or No. \n\nIf 'Yes' is selected, a paper "
                              "return must be filed.";
const char *const kIdentity = "According to the answer to question 4 on page 1 of T1, tax payer's name, address, phone "
                              "number or direct deposit information have changed.";
const char *const kIdentityEFile = "Please make sure that tax payer's new address, and/or direct deposit information "
                                   "are updated in form T183 and T1DD.";
const char *const kIdentityNetfile =
    "You cannot change your name or direct deposit information using NETFILE. Your name or direct deposit information "
    "will not be transmitted with your return. Please visit the CRA Web site or contact CRA by phone at 1-800-959-8281 "
    "prior to using NETFILE.\n\nYou cannot change your address or phone number using NETFILE. Your address will not be "
    "transmitted with your return. To change your address and phone number, please visit the CRA Web site or contact "
    "CRA by phone at 1-800-714-7257 prior to using NETFILE.";
const char *const kAccessCode =
    "NetFile Access Code\nYour unique Access code can be found on your Notice of Assessment (NOA) for a previous tax "
    "year. This eight-character Access code is made up of numbers and letters.\nAre you sure you want to file your tax "
    "return without entering your Access code? If you do not enter your Access code, you will not be able to use "
    "information from your 2024 tax return when confirming your identity with the CRA.\nYou can enter NetFile Access "
    "Code on page 1 of T1, under tax payer's name.";
const char *const kForeignProperty =
    "Brackenquill Warning Message\nYou answered 'Yes' to the question 'Did you own or hold specified foreign property "
    "where the total cost amount of all such property, at any time in the year, was more than CAN$100,000?' Therefore, "
    "you are required to file form T1135, Foreign Income Verification Statement, if you have not already done so.\n"
    "There are substantial penalties for not completing and filing Form T1135 by the due date. If you have provided "
    "incomplete information, omitted information, or have not filed form T1135 in prior years, the Canada Revenue "
    "Agency (CRA) encourages you to come forward and correct your tax affairs through the Voluntary Disclosures Program "
    "(VDP).\nFor more information, see Form T1135.";
const char *const kMyAccount =
    "https://www.canada.ca/en/revenue-agency/services/e-services/digital-services-individuals/account-individuals.html";
const char *const kEmail =
    "Brackenquill Warning Message\nBy providing your email address, you will stop receiving paper mail from the CRA and "
    "will instead receive an email notification when mail is available in My Account. You will need to register for "
    "My Account to access your Notice of Assessment or Reassessment, and any other CRA mail that is available online. "
    "To register for My Account, go to: \nMy Account for Individuals <%1>";
const char *const kScheduleD = "Please make sure to select the correct Residency Type for the tax payer in form T1248 "
                               "Schedule D.";
const char *const kUccbNone = "Press 'OK' button to confirm you and your spouse (if applicable), didn't receive "
                              "Universal Child Care Benefit (UCCB) in the tax year.";
const char *const kUccbRepayment = "Press 'OK' button to confirm you and your spouse(if applicable), didn't have any "
                                   "repayment for Universal Child Care Benefit (UCCB) in the tax year.";
const char *const kPartnershipLoss = "You reported an amount at field 12200/12600 in T1. If you have any limited "
                                     "partnership loss carry forward amount as supporting field 5354, please enter it "
                                     "in box 31 of T5013 slip; or supporting fields in form T776 or form T5013.";
const char *const kFarmLoss = "Please confirm you don't want to claim restricted farm loss (section 31) on page 2 of "
                              "form T1.";
const char *const kFarmLossNoDifference = "You made a claim of restricted farm loss (section 31) on page 2 of form T1. "
                                          "However it doesn't make difference if you don't claim it.";
const char *const kNoIncome = "Please confirm that you reported no income in tax return.";
const char *const kSpouseTaxable = "Please confirm spouse's taxable income is zero. Click spouse's income field on page "
                                   "1 of T1, there are both spouse's net income and taxable income fields.";
const char *const kSpouseAmount = "You have a spouse, however not claiming spouse amount at field 30300, maybe you "
                                  "choose to claim the \nequivalent-to-spouse amount at field 30400, or your spouse "
                                  "already claimed this amount for you.";
const char *const kRpp = "Please confirm you have claimed RPP deduction at field 20700 of T1, however there is no "
                         "pension adjustment amount at field 206. It comes from box 52 of T4 slip.";
const char *const kPensionSplit = "Please confirm Old Age Security Pension from T4A(OAS) slip and CPP/QPP benefits from "
                                  "T4A(P) slip are not included for pension split purpose, e.g. in field 11500, 12900 "
                                  "of T1 and Field 68020 of T1032.";
const char *const kCapitalLoss = "You might be able to claim capital loss at line 25300 on page 3 of T1, since you have "
                                 "accumulated capital loss in form T936, and you have capital gain in this year.";
const char *const kRc210 = "If you or your spouse receive an RC210 slip with an amount in Box 10, the person, who is "
                           "claiming the basic CWB, must report the spouse's Box 10 amount in Schedule 6. if neither "
                           "spouse is claiming the basic CWB, they can choose who reports the amounts of Box 10 of "
                           "RC210 slip.";
const char *const kSchedule2 = "You don't have Schedule 2 Amounts Transferred From Your Spouse in tax return. You might "
                               "want to include it to optimize your tax return result.";
const char *const kSchedule12 = "Please confirm that spouse is eligible for disability amount, so that Schedule 12 "
                                "multigenerational home renovation tax credit can be claimed.";
const char *const kFhsa = "If the taxpayer opened first FHSA in 2024, or became a successor holder in 2024 and did not "
                          "open another own FHSA in 2023 or 2024, please tick the box at field 68930 of Schedule 15.";
const char *const kT778 = "Child care expenses are entered in form T778, but no eligible child is listed in the "
                          "dependants, so no deduction is allowed. Please confirm the children's dates of birth.";
const char *const kCwb = "According to your work income, you may qualify CWB (Canada Workers Benefit) by adding "
                         "schedule 6 into return; otherwise confirm schedule 6 is not needed.";
const char *const kOnBenWithoutCosts = "The energy and property tax credit is applied for on form ON-BEN without rent, "
                                       "property tax or long-term care costs for 2024. Please confirm the costs of the "
                                       "principal residence.";
const char *const kHbp = "Please confirm that there is no requirement for HBP or LLP repayment. If you withdrew RRSP "
                         "for HBP or LLP in prior year, you need to check and verify.";
const char *const kMinimumTax = "Alternative minimum tax may apply since supporting field 67820, 67830, 67840 and 67860 "
                                "are being claimed in the tax return. Please add form T691 to calculate minimum tax.";
const char *const kCpt20 = "Please remove form CPT20 if you don't elect any income to make CPP contribution at line 16 "
                           "or 17 of the form.";
const char *const kBox85 = "Please confirm that medical expense is claimed for box 85 of T4 slip.";
const char *const kBox135 = "Please confirm that medical expense is claimed for box 135 of T4A slip.";
const char *const kT1204 = "Can you confirm that T2125 is completed properly to report government contract income from "
                           "T1204 tax slip?";

QString joined(const char *a, const char *b)
{
    return QString::fromUtf8(a) + QLatin1Char('\n') + QString::fromUtf8(b);
}

// One person in Ontario; members are added to the person's object.
QJsonObject person(const QString &members, const char *birth = "1980-04-12", int marital = 0, int province = 9)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\",\"sin\":"
                                        "\"130692544\",\"birthDate\":\"%1\",\"province\":%4,\"maritalStatus\":%2%3}]}")
                             .arg(QLatin1String(birth))
                             .arg(marital)
                             .arg(members.isEmpty() ? QString() : QStringLiteral(",") + members)
                             .arg(province);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (doc.isNull())
        qWarning("%s", qPrintable(error.errorString()));
    return doc.object();
}

// A return that brings most of the questions.
const char *const kMostSteps =
    "\"t1\":{\"InfoChanged\":1,\"ForeignPropertyOver100K\":1,\"Email\":\"avery@example.ca\","
    "\"DepartureDate\":\"2024-06-01\",\"12200\":-500,\"FarmingLoss\":-3000,\"SpouseNetIncome\":20000,"
    "\"20700\":1000,\"21000\":500,\"Line67820\":100},"
    "\"slips\":[{\"type\":1,\"fields\":{\"14\":50000,\"16\":1000,\"18\":500,\"85\":300}},"
    "{\"type\":2,\"fields\":{\"135\":200}},{\"type\":23}],"
    "\"forms\":[{\"type\":6,\"fields\":{\"SpouseFlag\":0}},{\"type\":207},"
    "{\"type\":32,\"fields\":{\"AccumulatedCapitalLoss\":100}},"
    "{\"type\":13,\"fields\":{\"Expenses\":1000}},{\"type\":7},{\"type\":57}]";

} // namespace

class TestConfirmations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFilingDocServices();
        setMessageHandler(&m_msgs);
    }
    void init() { m_msgs.clear(); m_msgs.setRefuseByDefault(false); }

    void stepsInOrder();
    void editions_data();
    void editions();
    void youngChildUccb_data();
    void youngChildUccb();
    void farmingLoss_data();
    void farmingLoss();
    void schedule12_data();
    void schedule12();
    void slipAndFormWarnings_data();
    void slipAndFormWarnings();
    void provincialWarnings_data();
    void provincialWarnings();
    void typedProvincialAmounts_data();
    void typedProvincialAmounts();
    void nlAdoptionMaximum_data();
    void nlAdoptionMaximum();
    void declinedSlipWarning();
    void withoutT1();

private:
    std::unique_ptr<CReturnFile> build(const QJsonObject &description)
    {
        QString error;
        std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
        if (!file)
            qWarning("%s", qPrintable(error));
        return file;
    }
    bool confirm(CReturnFile &file, int edition) { return file.self()->confirmPersonBeforeFiling(edition, true); }
    // An EFILE confirmation of a person of the province with the forms given (calculated first or not).
    bool confirmProvincial(int province, const QString &forms, bool calculated)
    {
        std::unique_ptr<CReturnFile> file = build(
            person(QStringLiteral("\"t1\":{\"15000\":100},\"forms\":[%1]").arg(forms), "1980-04-12", 5, province));
        if (!file)
            return false;
        if (calculated)
            returnbuilder::recalculate(*file);
        return confirm(*file, kEFile);
    }
    // Texts shown, with the kind for composed and Yes/No questions of their own title.
    QStringList shown() const
    {
        QStringList list;
        for (const ScriptedMessages::Shown &s : m_msgs.shown())
            list << (s.title == kTitle ? QString() : s.title + QStringLiteral(": ")) + s.text;
        return list;
    }

    ScriptedMessages m_msgs;
};

// Every question answered with going on: each asked once, in order, and the return unchanged.
void TestConfirmations::stepsInOrder()
{
    std::unique_ptr<CReturnFile> file = build(person(QString::fromLatin1(kMostSteps)));
    QVERIFY(file);
    CReturnFile before;
    before.assign(*file);
    QVERIFY(confirm(*file, kNetfile));
    const QStringList expected{
        kT4Cpp, kT4Ei, joined(kResidency, kResidencyNetfile), QStringLiteral("Emigrant Return Note: ") + kEmigrant,
        joined(kIdentity, kIdentityNetfile), kAccessCode, kForeignProperty, QString::fromUtf8(kEmail).arg(kMyAccount),
        kScheduleD, kPartnershipLoss, kFarmLoss, kNoIncome, kSpouseTaxable, kSpouseAmount, kRpp, kPensionSplit,
        kCapitalLoss, kRc210, kSchedule2, kFhsa, kT778, kCwb, kHbp, kMinimumTax, kCpt20, kBox85, kBox135, kT1204};
    QCOMPARE(shown(), expected);
    QCOMPARE(m_msgs.shown().at(7).kind, QStringLiteral("composed"));
    QCOMPARE(m_msgs.shown().at(7).link, QString::fromLatin1(kMyAccount));
    QCOMPARE(m_msgs.shown().at(3).kind, QStringLiteral("question"));
    QVERIFY(!file->differsFrom(before));
}

// EFILE shows the EFILE texts and never the access code; NETFILE asks for a missing code.
void TestConfirmations::editions_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("accessCode");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("EFILE") << kEFile << QString()
                           << QStringList{joined(kResidency, kResidencyEFile), joined(kIdentity, kIdentityEFile),
                                          kNoIncome, kRc210, kFhsa};
    QTest::newRow("NETFILE without a code")
        << kNetfile << QString()
        << QStringList{joined(kResidency, kResidencyNetfile), joined(kIdentity, kIdentityNetfile), kAccessCode,
                       kNoIncome, kRc210, kFhsa};
    QTest::newRow("NETFILE with a blank code")
        << kNetfile << QStringLiteral("   ")
        << QStringList{joined(kResidency, kResidencyNetfile), joined(kIdentity, kIdentityNetfile), kAccessCode,
                       kNoIncome, kRc210, kFhsa};
    QTest::newRow("NETFILE with a code")
        << kNetfile << QStringLiteral("AB12CD34")
        << QStringList{joined(kResidency, kResidencyNetfile), joined(kIdentity, kIdentityNetfile), kNoIncome, kRc210,
                       kFhsa};
}

void TestConfirmations::editions()
{
    QFETCH(int, edition);
    QFETCH(QString, accessCode);
    QFETCH(QStringList, expected);
    std::unique_ptr<CReturnFile> file =
        build(person(QStringLiteral("\"t1\":{\"InfoChanged\":1,\"NetfileAccessCode\":\"%1\"}").arg(accessCode),
                     "1980-04-12", 5));
    QVERIFY(file);
    QVERIFY(confirm(*file, edition));
    QCOMPARE(shown(), expected);
}

// A child of 6 or younger brings the UCCB questions when no UCCB amount is entered.
void TestConfirmations::youngChildUccb_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QString>("childBirth");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing entered") << "" << "2018-03-01" << QStringList{kUccbNone, kUccbRepayment};
    QTest::newRow("UCCB received") << "\"11700\":100" << "2020-03-01" << QStringList{kUccbRepayment};
    QTest::newRow("UCCB designated to the child") << "\"UCCBDesignated\":100" << "2020-03-01"
                                                  << QStringList{kUccbRepayment};
    QTest::newRow("spouse's UCCB repaid") << "\"SpouseUCCBRepayment\":50" << "2020-03-01"
                                          << QStringList{kUccbNone};
    QTest::newRow("child of 7") << "" << "2017-03-01" << QStringList();
}

void TestConfirmations::youngChildUccb()
{
    QFETCH(QString, t1);
    QFETCH(QString, childBirth);
    QFETCH(QStringList, expected);
    const QString members = QStringLiteral("\"t1\":{\"15000\":100%1}").arg(t1.isEmpty() ? t1 : QStringLiteral(",") + t1);
    std::unique_ptr<CReturnFile> file = build(person(members, "1980-04-12", 5));
    QVERIFY(file);
    DependantInfoStruct *deps = file->self()->dependants();
    QVERIFY(deps);
    deps->AllocData(1);
    deps->at(0).relation = DependantInfo::Child;
    deps->at(0).birthDate = QDate::fromString(childBirth, Qt::ISODate);
    QVERIFY(confirm(*file, kEFile));
    QCOMPARE(shown().mid(1), expected + QStringList({kRc210, kFhsa}));
}

void TestConfirmations::farmingLoss_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("-2500.00 not claimed") << "\"FarmingLoss\":-2500" << QStringList{kNoIncome, kRc210, kFhsa};
    QTest::newRow("-2500.01 not claimed") << "\"FarmingLoss\":-2500.01"
                                          << QStringList{kFarmLoss, kNoIncome, kRc210, kFhsa};
    QTest::newRow("claimed, no difference")
        << "\"FarmingLoss\":-2000,\"14100\":-2000,\"15000\":-2000,\"RestrictedFarmLoss\":1"
        << QStringList{kFarmLossNoDifference, kRc210, kFhsa};
    QTest::newRow("claimed and limited")
        << "\"FarmingLoss\":-20000,\"14100\":-11250,\"15000\":-11250,\"RestrictedFarmLoss\":1"
        << QStringList{kRc210, kFhsa};
}

void TestConfirmations::farmingLoss()
{
    QFETCH(QString, t1);
    QFETCH(QStringList, expected);
    std::unique_ptr<CReturnFile> file = build(person(QStringLiteral("\"t1\":{%1}").arg(t1), "1980-04-12", 5));
    QVERIFY(file);
    QVERIFY(confirm(*file, kEFile));
    QCOMPARE(shown().mid(1), expected);   // after the residency question
}

// A Schedule 12 claimed by a person under 18 with a spouse under 65.
void TestConfirmations::schedule12_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("spouseBirth");
    QTest::addColumn<bool>("asked");
    QTest::newRow("17, spouse 64") << "2007-06-01" << "1960-06-01" << true;
    QTest::newRow("18, spouse 64") << "2006-06-01" << "1960-06-01" << false;
    QTest::newRow("17, spouse 65") << "2007-06-01" << "1959-06-01" << false;
}

void TestConfirmations::schedule12()
{
    QFETCH(QString, birth);
    QFETCH(QString, spouseBirth);
    QFETCH(bool, asked);
    std::unique_ptr<CReturnFile> file = build(person(
        QStringLiteral("\"t1\":{\"15000\":100,\"SpouseNetIncome\":100,\"SpouseTaxableIncome\":100,"
                       "\"SpouseDateOfBirth\":\"%1\"},\"forms\":[{\"type\":3},{\"type\":6,\"fields\":{\"SpouseFlag\":1}},"
                       "{\"type\":133},{\"type\":205,\"fields\":{\"FirstFhsa68930\":1}}]")
            .arg(spouseBirth),
        birth.toLatin1().constData(), 0));
    QVERIFY(file);
    QVERIFY(confirm(*file, kEFile));
    QStringList expected{kRc210};
    if (asked)
        expected << kSchedule12;
    QCOMPARE(shown().mid(1), expected);   // after the residency question
}

// The warnings of a T4 slip and of the T778.
void TestConfirmations::slipAndFormWarnings_data()
{
    QTest::addColumn<bool>("t4");
    QTest::addColumn<QList<int>>("fields");   // field, value, field, value...
    QTest::addColumn<QStringList>("expected");
    using S = TaxData_Slip_T4;
    using C = TaxData_T778New;
    QTest::newRow("T4 CPP without box 26") << true << QList<int>{S::F_Box14, 50000, S::F_Box16, 1000}
                                           << QStringList{kT4Cpp};
    QTest::newRow("T4 CPP with box 26") << true << QList<int>{S::F_Box16, 1000, S::F_Box26, 50000} << QStringList();
    QTest::newRow("T4 CPP exempt by box 28") << true << QList<int>{S::F_Box16, 1000, S::F_Switch1, 1} << QStringList();
    QTest::newRow("T4 EI without box 24") << true << QList<int>{S::F_Box18, 500} << QStringList{kT4Ei};
    QTest::newRow("T4 EI exempt") << true << QList<int>{S::F_Box18, 500, S::F_EiExempt, 1} << QStringList();
    QTest::newRow("T778 without a child") << false << QList<int>{C::F_Expenses, 1000} << QStringList{kT778};
    QTest::newRow("T778 with a child under 7") << false << QList<int>{C::F_Expenses, 1000, C::F_ChildrenUnder7, 1}
                                               << QStringList();
}

void TestConfirmations::slipAndFormWarnings()
{
    QFETCH(bool, t4);
    QFETCH(QList<int>, fields);
    QFETCH(QStringList, expected);
    std::unique_ptr<CTaxData_Form> object;
    if (t4)
        object = std::make_unique<TaxData_Slip_T4>();
    else
        object = std::make_unique<TaxData_T778New>();
    for (int i = 0; i + 1 < fields.size(); i += 2)
        object->setAmount(fields.at(i), fields.at(i + 1));
    QList<CString> warnings;
    object->collectWarnings(warnings);
    QStringList texts;
    for (const CString &w : warnings)
        texts << w;
    QCOMPARE(texts, expected);
}

// The plug-ins' warnings come after the minimum-tax question.
void TestConfirmations::provincialWarnings_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("forms");
    QTest::addColumn<QStringList>("expected");
    const QString tuition = QStringLiteral("{\"type\":11,\"fields\":{\"EligibleTuition\":5000}}");
    QTest::newRow("Ontario, 2024 federal tuition") << 9 << tuition << QStringList();
    QTest::newRow("British Columbia, 2024 tuition") << 2 << tuition << QStringList();
    QTest::newRow("ON-BEN without costs")
        << 9 << "{\"type\":34,\"fields\":{\"ApplyEnergyPropertyTax\":1}}" << QStringList{kOnBenWithoutCosts};
    QTest::newRow("ON-BEN with rent")
        << 9 << "{\"type\":34,\"fields\":{\"ApplyEnergyPropertyTax\":1,\"RentPaid\":12000}}" << QStringList();
}

// A typed 428 amount over its limit for the persons of the dependants list is confirmed
// (on a calculated return, as the program asks before filing).
void TestConfirmations::typedProvincialAmounts_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("forms");
    QTest::addColumn<QString>("expected");
    // no child in the dependants list: the limit, and the claim, is nil
    QTest::newRow("MB428 fitness fees without a child")
        << 3 << "{\"type\":86,\"fields\":{\"FitnessFees\":300}}"
        << "The fitness amount entered on form MB428 (300.00) is more than its limit for the persons in the "
           "dependants list: 0.00 is claimed. Please confirm the dependants' birth dates and disabilities.";
    QTest::newRow("PE428 teacher supplies over 500")
        << 10 << "{\"type\":78,\"fields\":{\"TeacherSupplyExpenses\":650}}"
        << "The teacher school supply amount entered on form PE428 (650.00) is more than its limit: 500.00 is "
           "claimed.";
    QTest::newRow("PE428 teacher supplies within the limit")
        << 10 << "{\"type\":78,\"fields\":{\"TeacherSupplyExpenses\":400}}" << QString();
    // an amount typed on the 479 of a file of before, where the 428 now claims it
    const QString on479 = QStringLiteral("{\"type\":%1,\"fields\":{\"%2\":%3}}");
    QTest::newRow("MB479 fitness amount")
        << int(Province::Manitoba) << on479.arg(FormType::MB479).arg(QStringLiteral("FitnessAmount")).arg(250)
        << "The fitness amount entered on form MB479 (250.00) is not counted there: enter it on line 58325 of "
           "form MB428.";
    QTest::newRow("YT479 arts amount")
        << int(Province::Yukon) << on479.arg(FormType::YT479).arg(QStringLiteral("ChildrenArts")).arg(400)
        << "The children's arts amount entered on form YT479 (400.00) is not counted there: enter it on line 58326 "
           "of form YT428.";
    QTest::newRow("YT479 fitness amount stays a credit there")
        << int(Province::Yukon) << on479.arg(FormType::YT479).arg(QStringLiteral("FitnessAmount")).arg(150)
        << QString();
}

void TestConfirmations::typedProvincialAmounts()
{
    QFETCH(int, province);
    QFETCH(QString, forms);
    QFETCH(QString, expected);
    QVERIFY(confirmProvincial(province, forms, true));
    QCOMPARE(shown().contains(expected), !expected.isEmpty());
    const QRegularExpression warning(QStringLiteral("is more than its limit|is not counted there"));
    QCOMPARE(shown().filter(warning).size(), expected.isEmpty() ? 0 : 1);
}

// NL428 line 58330: the 2024 maximum per child is not known; 11,878 is within it. More is held at
// 11,878 and confirmed before filing, unless the preparer typed the line.
void TestConfirmations::nlAdoptionMaximum_data()
{
    QTest::addColumn<double>("expenses");
    QTest::addColumn<double>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("8,000: within") << 8000.0 << 0.0 << QString();
    QTest::newRow("12,000: held at 11,878")
        << 12000.0 << 0.0
        << "The adoption expenses of line 31300 (12000.00) are more than form NL428 claims on line 58330 "
           "(11878.00): the 2024 Newfoundland and Labrador maximum per child is not known to the program, which "
           "claims at most 11878.00 a child. If the form's maximum allows more, type line 58330 on form NL428 "
           "(Amounts you enter).";
    QTest::newRow("12,000, the line typed") << 12000.0 << 12000.0 << QString();
}

void TestConfirmations::nlAdoptionMaximum()
{
    QFETCH(double, expenses);
    QFETCH(double, typed);
    QFETCH(QString, expected);
    const QString members = QStringLiteral("\"t1\":{\"15000\":30000,\"31300Child1\":%1},"
                                           "\"forms\":[{\"type\":%2,\"fields\":{\"AdoptionClaimed\":%3}}]")
                                .arg(expenses)
                                .arg(int(FormType::NL428))
                                .arg(typed);
    std::unique_ptr<CReturnFile> file = build(person(members, "1980-04-12", 5, int(Province::NewfoundlandandLabrador)));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    QVERIFY(confirm(*file, kEFile));
    const QStringList adoption = shown().filter(QStringLiteral("adoption expenses"));
    QCOMPARE(adoption, expected.isEmpty() ? QStringList() : QStringList{expected});
}

void TestConfirmations::provincialWarnings()
{
    QFETCH(int, province);
    QFETCH(QString, forms);
    QFETCH(QStringList, expected);
    QVERIFY(confirmProvincial(province, forms, false));
    QCOMPARE(shown().mid(1), QStringList({kRc210, kFhsa}) + expected);
}

// No after the first slip's second warning: nothing further is asked.
void TestConfirmations::declinedSlipWarning()
{
    std::unique_ptr<CReturnFile> file = build(person(QString::fromLatin1(kMostSteps)));
    QVERIFY(file);
    m_msgs.scriptAnswer(MsgButton::Yes);
    m_msgs.scriptAnswer(MsgButton::No);
    QVERIFY(!confirm(*file, kNetfile));
    QCOMPARE(shown(), (QStringList{kT4Cpp, kT4Ei}));
}

void TestConfirmations::withoutT1()
{
    std::unique_ptr<CReturnFile> file = build(person(QStringLiteral("\"slips\":[{\"type\":1,\"fields\":{\"16\":1000}}]")));
    QVERIFY(file);
    file->self()->removeForm(file->self()->t1(), true, false);
    QVERIFY(!file->self()->t1());
    QVERIFY(!confirm(*file, kEFile));
    QVERIFY(m_msgs.shown().isEmpty());
}

BQ_TEST_MAIN_CORE(TestConfirmations)
#include "tst_confirmations.moc"
