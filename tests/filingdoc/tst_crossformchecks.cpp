// The checks across forms of one person, rows after the CPP forms: each case sets
// the values the rows read (no recalculation) and gives the exact messages in order.
#include "bqtest.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

constexpr int kCrossForm = 4;
constexpr int kNetfile = 2;

// The person of every case, with a whole mailing address; the case's members
// replace or add keys, its T1 values those of the address.
QJsonObject personReturn(const QString &members)
{
    QJsonObject person = QJsonDocument::fromJson(
                             "{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\",\"sin\":\"130692544\","
                             "\"birthDate\":\"1980-04-12\",\"province\":9,\"maritalStatus\":5,"
                             "\"t1\":{\"Street\":\"12 Birch Ave\",\"City\":\"Ottawa\",\"MailProvince\":\"ON\","
                             "\"Postcode\":\"K1A 0B1\"}}")
                             .object();
    const QJsonObject extra = QJsonDocument::fromJson(("{" + members + "}").toUtf8()).object();
    for (auto it = extra.begin(); it != extra.end(); ++it) {
        if (it.key() == QLatin1String("t1")) {
            QJsonObject t1 = person.value(it.key()).toObject();
            const QJsonObject given = it.value().toObject();
            for (auto f = given.begin(); f != given.end(); ++f)
                t1.insert(f.key(), f.value());
            person.insert(it.key(), t1);
        } else {
            person.insert(it.key(), it.value());
        }
    }
    QJsonObject file;
    file.insert(QStringLiteral("persons"), QJsonArray{person});
    return file;
}

QStringList crossFormMessages(const QList<ValidationMessageGroup *> &groups)
{
    QStringList list;
    for (const ValidationMessageGroup *g : groups)
        if (g->kind == kCrossForm)
            for (const CString &m : g->messages)
                list << m;
    return list;
}

QStringList texts(std::initializer_list<const char *> messages)
{
    QStringList list;
    for (const char *m : messages)
        list << QString::fromUtf8(m);
    return list;
}

// Messages by row.
const char *const kRow15 = "Spouse amount can be claimed if the marital status changed during the tax year. Marital "
                           "status change is claimed on page 1 of form T1.";
const char *const kRow16 = "Tax payer was married or living with common-law partner, to claim eligible dependant "
                           "amount on line 30400 on Schedule 5, either (1)Tax payer's marital status changed during "
                           "the tax year. Claim marital status change on page 1 of T1; or (2) Read the checkbox "
                           "condition on top of Schedule 5.";
const char *const kRow17 =
    "S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's or the spouse's S.I.N.";
const char *const kRow18 = "According to dependant information, you entered more children for field 30500.";
const char *const kRow19 = "Field 31400 of T1 is too much according to other entries in tax return.";
const char *const kRow20 = "Please remove Schedule 2 because tax payer is not married or living with common-law "
                           "partner or widowed in tax year. You may need to claim a marital status change on page 1 "
                           "of T1.";
const char *const kRow21 = "Field 36100 of Schedule 2 exceeds maximum amount allowed.";
const char *const kRow22 = "Remove field 50372 or 50374 in schedule 8 since there is no CPP/QPP retirement benefit "
                           "reported in T4A(P) slip.";
const char *const kRow23 =
    "Field 31217 requires an amount in Field 54493, or 54494 of Schedule 13 or a self-employment income.";
const char *const kRow24 = "Field 54493 of Schedule 13 cannot be greater than field 10100 of T1.";
const char *const kRow25 = "Field 54494 of Schedule 13 cannot be greater than field 10000 of form T90.";
const char *const kRow26 = "Field 53550 in Schedule 13 requires at least one self-employment form and a T4 tax slip "
                           "showing EI insurable earning.";
const char *const kRow27 = "PPIP amount in box 55 of T4 slip requires an amount in field 54493 of Schedule 13.";
const char *const kRow28 =
    "Line 438 on page 4 of T1 cannot exceed 45 percent of the income tax deducted on Non-Quebec T4 slips.";
const char *const kRow29 =
    "Canada training credit (Field 45350) cannot be claimed if tax payer's age is not between 26 and 65.";
const char *const kRow30 = "Canada training credit (Field 45350) cannot be claimed by a new immigrant tax payer.";
const char *const kRow31 = "Schedule 12 cannot be claimed if tax payer and spouse are both younger than 18.";
const char *const kRow32 =
    "Schedule 12 cannot be claimed if tax payer's age is younger than 18 and doesn't have a spouse.";
const char *const kRow33 = "Schedule 12 cannot be claimed by a new immigrant tax payer.";
const char *const kRow34 = "The checkbox selection for who has higher net income in form T778 is wrongfully selected.";
const char *const kRow35 = "Please add form federal Schedule 3 to your tax return when you have form T1170 in tax "
                           "return already.";
const char *const kRow36 =
    "You entered an amount in line 33700 of Schedule 9, please enter the related entry in schedule 3.";
const char *const kRow37 =
    "You entered an amount in line 33900 of Schedule 9, please enter the related fields in schedule 3.";
const char *const kRow13 = "Please add schedule 8 into tax return to calculate CPP contribution.";
const char *const kRow38 = "Schedule 8 should be included in the tax return if field 122, 135, 137, 139, 141 or 143 "
                           "of T1 is claimed.";
const char *const kRow40 = "Field 65210 in form T1212 requires an entry at field 13200 of Schedule 3.";
const char *const kRow42 = "Field 68080, in form T936 or reported as supporting field, requires an entry at field "
                           "14100, 14300 or 23200 of form T1.";
const char *const kRow43 = "Field 68100 in form T936 requires an entry of field 11400, 11500, 13000, 14100, 14300 or "
                           "25100 of form T1.";
const char *const kRow46 = "The supporting field 68080 is claimed for field 23200 of T1, or in form T5013, T1163, and "
                           "T2042. Please also enter the full amount of field 68080 in form T936.";
const char *const kRow51 = "Please include form T936 in the tax return since supporting field 68100/68110 is claimed "
                           "for line 13000 of T1.";
const char *const kRow53 =
    "There should be only one form T2091 in tax return according to Field 17900 of Schedule 3.";
const char *const kRow55 = "Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.";
const char *const kRow56 =
    "Answer to field 17905 of Schedule 3 requires a form T2125 to report property-flipping activities.";
const char *const kRow60 = "Please add form [T90] into return to report tax-exempted income.";
const char *const kRow66 = "Working Income Tax Benefit cannot be claimed because tax payer died before July 1st in the "
                           "tax year. Remove form Schedule 6.";
const char *const kRow67 =
    "Field 24640 in Schedule 7 cannot be greater than the total of fields 11500, 12900 and 13000 of T1.";
const char *const kRow68 = "Tax payer who aged over 71 in the tax year can NOT have a RRSP contribution.";
const char *const kRow70 = "Spouse who aged over 71 in the tax year can NOT have a RRSP contribution.";
const char *const kRow71 =
    "RRSP HBP repayment doesn't meet the minimum requirement according to last year assessment.";
const char *const kRow82 = "Pre-bankrupt tax return cannot claim HBP repayment or LLP repayment amount at field 12900 "
                           "on page 2 of T1.";
const char *const kRow85 = "Please remove T1032 of Split Pension Income, or confirm a separation with spouse for less "
                           "than 90 days in the tax year on page 1 of T1.";
const char *const kRow86 = "Please enter spouse social insurance number on page 1 of T1 as required by form T1032.";
const char *const kRow89 = "Field 68330 in form T1206 can NOT be greater than field 12000 of T1.";
const char *const kRow97 = "Supporting field 67820 for field 22100 or 23200 of T1 is entered, however the full amount "
                           "of field 67820 is NOT entered in Alternative Minimum Tax form T691.";
const char *const kRow100 = "Supporting field 67860 for field 22100, 22400 or 23200 is entered in T1 return, however "
                            "the full amount of field 6786 is NOT entered in Alternative Minimum Tax form T691.";
const char *const kRow101 = "Claiming supporting field 67820 requires an amount at field 22100 or 23200 of form T1.";
const char *const kRow107 = "Please lower CCA claim amount (Field 9936) in Rental form T776, CCA claim cannot "
                            "create/increase a rental loss.";
const char *const kRow109 = "You added fishing related T4 slip in tax return, you also need to add form T2121 to "
                            "report the details of fishing activity.";
const char *const kRow110 = "Form T929 can be included in the tax return only when disability amount is claimed on "
                            "field 316 of Schedule 1.";
const char *const kRow111 = "Please remove form T777/T777S or TL2 from the tax return, because there is no work expense "
                            "claimed on line 22900 of T1.";
const char *const kRow113 = "Postcode in form T1163 indicates you are NOT doing business in the tax province. Please "
                            "correct the postcode or the tax return is NOT eligible for NETFILE/EFILE service.";
const char *const kRow114 = "Postcode in form T2042 indicates you are NOT doing business in the tax province. Please "
                            "correct the postcode or the tax return is NOT eligible for NETFILE/EFILE service.";
const char *const kRow116 = "Postcode in Commission form indicates you are NOT doing business in the tax province. "
                            "Please correct the postcode or the tax return is NOT eligible for NETFILE/EFILE service.";
const char *const kRow117 = "There is no [T4] tax slip in the return.";
const char *const kRow118 = "You claimed placement agency income in T4 slip; however, you didn't report the income in "
                            "any self-employment business form.";
const char *const kRow119 = "Remove form T1163 since it's not allowed in this tax province.";
const QString kFifthStatement =
    QStringLiteral("Partnership row %1 of the T5013 Schedule files its own statement, but only the statements of the "
                   "first four rows can be filed electronically: move it into the first four rows, clear \"Files its "
                   "own statement\" on it, or file the return on paper.");
const char *const kRow121 = "Tax form T2125 is needed because tax slip T1204 is entered into tax return.";

const char *const kRow44 =
    "Field 68110 in form T936 can be claimed only when there is an amount at field 13000 of T1.";
const char *const kRow45 = "Field 68150 in Chart A of form T936 can only be claimed if there is an entry at field "
                           "17599/17600 of Schedule 3.";
const char *const kRow47 = "The supporting field 68100 is claimed for line 13000, 25100 of form T1, or for box 26 of "
                           "T3 tax slip, or box 24, 28 of T4A tax slip, or in form T5013, T1163, and T2042. Please "
                           "also enter the full amount of field 68100 in form T936.";
const char *const kRow48 = "The supporting field 68110 is claimed for line 13000 of form T1, or for box 28 of T4A "
                           "slip. Please also enter the full amount of field 68110 in form T936.";
const char *const kRow49 = "Field 68140 of form T936 needs an amount in field 17600 of Schedule 3.";
const char *const kRow50 = "The supporting field 68150 is claimed for box 21 of T3 tax slip. Please also enter the "
                           "full amount of field 68150 in form T936.";
const char *const kRow52 = "Field 17599/17600 of Schedule 3 requires a greater amount in field 68140 of Form T936.";
const char *const kRow54 =
    "There should be two or more form T2091 in tax return according to Field 17900 of Schedule 3.";
const char *const kRow61 = "Schedule 6 can not be claimed because you were under age 19 in the tax year.";
const char *const kRow62 = "Please remove Schedule 6 for CWB because the tax payer is an immigrant in tax year.";
const char *const kRow63 = "Please remove Schedule 6 for CWB because the tax payer is an emigrant in tax year.";
const char *const kRow64 = "Please answer, in field 38105 of Schedule 6, whether you want to include tax-exempt "
                           "income into calculation.";
const char *const kRow65 = "Field 38105 in schedule 6 requires at least an amount in field 10105/10000/10026/38107/38109.";
const char *const kRow69 = "You entered spouse RRSP amount, however, your marital status is not married or common-law.";
const char *const kRow72 =
    "RRSP LLP repayment doesn't meet the minimum requirement according to last year assessment.";
const char *const kRow73 = "Please remove form CPT20.";
const char *const kRow75 = "The total of Field 58750 and 58810 from RC383 cannot be greater than the field 10000 of "
                           "form T90.";
const char *const kRow76 = "There should be an amount in field 10686 of schedule 3 since field 66844 is greater than "
                           "field 66843.";
const char *const kRow77 = "There should be an amount in field 10684 of schedule 3 since field 66850 is greater than "
                           "field 66883 in form T2017.";
const char *const kRow78 = "There should be an amount in field 66905 of form T2017.";
const char *const kRow79 = "Form T2043 needs farming income in the return, otherwise, remove form T2043.";
const char *const kRow80 =
    "Number of months in form Schedule 11 can NOT be more than the pre-bankrupt months in the tax year.";
const char *const kRow81 = "Number of days in form T2222 can NOT be greater than the pre-bankrupt days in the tax year.";
const char *const kRow83 =
    "Pre-bankrupt tax return cannot claim Working Income Tax Benefit. Please remove tax form Schedule 6.";
const char *const kRow84 = "Pre-bankrupt tax return cannot claim HBP repayment at field 24600 or LLP repayment at "
                           "field 24620 in Schedule 7.";
const char *const kRow87 = "Field 68026 of form T1032 cannot be greater than field 13000 of T1.";
const char *const kRow88 = "Field 43700 of T1 cannot be less than Field 68040 minus Field 68050 of form T1032.";
const char *const kRow90 = "Field 68340 in form T1206 can NOT be greater than field 12010 of T1.";
const char *const kRow91 = "Field 68360 of form T1206 cannot be greater than field 23200 of T1.";
const char *const kRow92 = "Field 67820 of form T691 requires an entry at field 22100 or 23200 of T1.";
const char *const kRow93 = "You cannot enter an amount at line 6783 in T691 while there is no amount claimed at line "
                           "12600 in T1.";
const char *const kRow94 = "You cannot enter an amount at line 6784 in T691 while there is no amount claimed at field "
                           "12200, 22100 or 23200 in T1.";
const char *const kRow95 = "You cannot enter an amount at line 6786 in T691 while there is no amount claimed at line "
                           "22100, 22400 or 23200 in T1.";
const char *const kRow96 = "Field 67922 of form T691 cannot be greater than field 25300 of T1 return.";
const char *const kRow98 = "Supporting field 67830 for field 12600 of T1 is entered, however the full amount of field "
                           "6783 is NOT entered in Alternative Minimum Tax form T691.";
const char *const kRow99 = "Supporting field 67840 for field 12200, 22100 or 23200 of T1 is entered, however the full "
                           "amount of field 6784 is NOT entered in Alternative Minimum Tax form T691.";
const char *const kRow102 = "Claiming supporting field 67830 requires an amount at line 12600 of T1.";
const char *const kRow103 = "Claiming supporting field 67840 requires an amount at line 12200, 22100 or 23200 of T1.";
const char *const kRow104 = "Claiming supporting field 67860 requires an amount at line 22100, 22400 or 23200 of T1.";
const char *const kRow105 = "Field 68270 and field 68280 in form T1172 cannot be greater than field 13000 of T1.";
const char *const kRow106 = "The supporting field 67650 is claimed for box 11 of T5003 slip, or for field 22400, 23200 "
                            "of form T1, or in form T5013, T776, T1163, T2042, T2124, T2121. Please also enter the "
                            "full amount of field 6765 in form T5004.";
const char *const kRow108 = "You reported income tax deducted in T4F tax slip, however, you didn't enter box 14 of the "
                            "T4F slip as supporting field 5345 income with tax withheld at the bottom on page 1 of "
                            "form T2121.";
const char *const kRow112 = "The province of main farmstead is not same as residence province on Dec. 31.";
const char *const kRow115 = "Postcode in form T2125 indicates you are NOT doing business in the tax province. Please "
                            "correct the postcode or the tax return is NOT eligible for NETFILE/EFILE service.";
const char *const kRow120 = "Remove form T1273 since it's not allowed in this tax province.";

} // namespace

class TestCrossFormChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFilingDocServices(); }
    void rows_data();
    void rows();
    void ownChecks_data();
    void ownChecks();
    void wrongSinReportedOnce();
    void calculatedIndicators_data();
    void calculatedIndicators();
};

void TestCrossFormChecks::rows_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing entered") << QString() << QStringList();
    // spouse, dependants and pension amounts
    QTest::newRow("15 spouse amount without a spouse")
        << "\"forms\":[{\"type\":6,\"fields\":{\"SpouseFlag\":1}}]" << texts({kRow15});
    QTest::newRow("16 eligible dependant beside a spouse")
        << "\"maritalStatus\":0,\"forms\":[{\"type\":6,\"fields\":{\"EligibleDependantClaims\":1}}]" << texts({kRow16});
    QTest::newRow("16 with the checkbox on top")
        << "\"maritalStatus\":0,\"forms\":[{\"type\":6,\"fields\":{\"EligibleDependantClaims\":1,"
           "\"DependantCheckbox\":1}}]"
        << QStringList();
    QTest::newRow("17 dependant with the person's SIN")
        << "\"forms\":[{\"type\":6,\"fields\":{\"DependantSIN\":\" 130692544 \"}}]" << texts({kRow17});
    QTest::newRow("17 dependant SIN of zeros") << "\"forms\":[{\"type\":6,\"fields\":{\"DependantSIN\":\"000000000\"}}]"
                                               << QStringList();
    QTest::newRow("18 children without dependants") << "\"t1\":{\"Children30500\":1}" << texts({kRow18});
    QTest::newRow("19 pension amount over its base") << "\"t1\":{\"31400\":2000,\"11500\":1000}" << texts({kRow19});
    QTest::newRow("19 pension amount within its base") << "\"t1\":{\"31400\":2000,\"11500\":2000}" << QStringList();
    QTest::newRow("20, 21 Schedule 2 of a single person")
        << "\"forms\":[{\"type\":3,\"fields\":{\"Line36100\":60000}}]" << texts({kRow20, kRow21});
    QTest::newRow("22 Schedule 8 election without a CPP pension")
        << "\"t1\":{\"CppFormSelector\":1},\"forms\":[{\"type\":150,\"fields\":{\"Line50372\":100}}]"
        << texts({kRow22});
    // Schedule 13 and PPIP
    QTest::newRow("23 enhanced contributions without their base") << "\"t1\":{\"31217\":100}" << texts({kRow23});
    QTest::newRow("24 to 26 Schedule 13 amounts without their base")
        << "\"forms\":[{\"type\":139,\"fields\":{\"Line54493\":500,\"Line54494\":100,\"Line53550\":100}}]"
        << texts({kRow24, kRow25, kRow26});
    QTest::newRow("27 PPIP on a T4 without Schedule 13")
        << "\"slips\":[{\"type\":1,\"fields\":{\"Box14\":30000,\"Box55\":100}}]" << texts({kRow27});
    // credits with age and residence conditions
    const QString quebec = QStringLiteral("\"province\":11,\"t1\":{\"43800\":%1},"
                                          "\"slips\":[{\"type\":1,\"fields\":{\"Province\":9,\"Box14\":9000,"
                                          "\"Box22\":1000}}]");
    QTest::newRow("28 Quebec transfer over 45 percent") << quebec.arg(460) << texts({kRow28});
    QTest::newRow("28 Quebec transfer within 45 percent") << quebec.arg(440) << QStringList();
    const QString training = QStringLiteral("\"birthDate\":\"%1\",\"t1\":{\"45350\":100}");
    QTest::newRow("29 age 25") << training.arg("1999-06-01") << texts({kRow29});
    QTest::newRow("29 age 26") << training.arg("1998-06-01") << QStringList();
    QTest::newRow("29 age 65") << training.arg("1959-06-01") << QStringList();
    QTest::newRow("29 age 66") << training.arg("1958-06-01") << texts({kRow29});
    QTest::newRow("30 new immigrant") << "\"t1\":{\"45350\":100,\"EntryDate\":\"2024-03-01\"}" << texts({kRow30});
    QTest::newRow("30 entry on January 1") << "\"t1\":{\"45350\":100,\"EntryDate\":\"2024-01-01\"}" << QStringList();
    QTest::newRow("31 both under 18")
        << "\"birthDate\":\"2008-01-01\",\"maritalStatus\":0,\"t1\":{\"45355\":100,"
           "\"SpouseDateOfBirth\":\"2008-02-01\"}"
        << texts({kRow31});
    QTest::newRow("32 under 18 without a spouse") << "\"birthDate\":\"2008-01-01\",\"t1\":{\"45355\":100}"
                                                  << texts({kRow32});
    QTest::newRow("33 new immigrant") << "\"t1\":{\"45355\":100,\"EntryDate\":\"2024-03-01\"}" << texts({kRow33});
    QTest::newRow("34 T778 of the higher income")
        << "\"maritalStatus\":0,\"t1\":{\"23600\":50000,\"SpouseNetIncome\":10000},\"forms\":[{\"type\":13}]"
        << texts({kRow34});
    QTest::newRow("34 T778 of the lower income")
        << "\"maritalStatus\":0,\"t1\":{\"23600\":10000,\"SpouseNetIncome\":50000},\"forms\":[{\"type\":13}]"
        << QStringList();
    // Schedule 3 prerequisites and self-employment contributions
    QTest::newRow("35 T1170 without Schedule 3") << "\"forms\":[{\"type\":113}]" << texts({kRow35});
    QTest::newRow("36, 37 Schedule 9 gifts without dispositions")
        << "\"forms\":[{\"type\":9,\"fields\":{\"33700\":100,\"Line33900\":100}}]" << texts({kRow36, kRow37});
    QTest::newRow("36 Schedule 9 gifts with a disposition")
        << "\"forms\":[{\"type\":9,\"fields\":{\"33700\":100}},{\"type\":4,\"fields\":{\"15300\":100}}]"
        << QStringList();
    QTest::newRow("38 business income without Schedule 8")
        << "\"t1\":{\"13500\":1000,\"ContributionIndicator\":1,\"CppFormSelector\":1}" << texts({kRow13, kRow38});
    QTest::newRow("40 T1212 without shares") << "\"forms\":[{\"type\":18,\"fields\":{\"Deferred\":100}}]"
                                             << texts({kRow40});
    // T936
    QTest::newRow("42 once for T936 68080 without its base")
        << "\"forms\":[{\"type\":32,\"fields\":{\"Line68080\":100}}]" << texts({kRow42});
    QTest::newRow("46 supporting 68080 over the T936")
        << "\"t1\":{\"Line68080\":100,\"23200\":100},\"forms\":[{\"type\":32,\"fields\":{\"Line68080\":50}}]"
        << texts({kRow46});
    QTest::newRow("51 supporting 68100 without T936") << "\"t1\":{\"Line68100\":100}" << texts({kRow51, kRow43});
    QTest::newRow("without T936, 68080 with line 23200 gives nothing")
        << "\"t1\":{\"Line68080\":100,\"23200\":100}" << QStringList();
    // Schedule 3 and principal residence
    QTest::newRow("53 answer 0 without T2091") << "\"forms\":[{\"type\":4,\"fields\":{\"DesignationAnswer\":0}}]"
                                               << texts({kRow53});
    QTest::newRow("55 answer 3 with one T2091")
        << "\"forms\":[{\"type\":4,\"fields\":{\"DesignationAnswer\":3}},{\"type\":160}]" << texts({kRow55});
    QTest::newRow("55 T2091 without Schedule 3") << "\"forms\":[{\"type\":160}]" << texts({kRow55});
    QTest::newRow("56 flipping without T2125") << "\"forms\":[{\"type\":4,\"fields\":{\"FlippingAnswer\":0}}]"
                                               << texts({kRow56});
    QTest::newRow("56 flipping with a life event")
        << "\"forms\":[{\"type\":4,\"fields\":{\"FlippingAnswer\":0,\"LifeEvent\":\"moved for work\"}}]"
        << QStringList();
    // tax-exempt income, Schedule 6 and Schedule 7
    QTest::newRow("60 tax-exempt income without T90") << "\"t1\":{\"TaxExemptIndicator\":1}" << texts({kRow60});
    QTest::newRow("66 death on June 30") << "\"t1\":{\"DeceasedDate\":\"2024-06-30\"},\"forms\":[{\"type\":119}]"
                                         << texts({kRow66});
    QTest::newRow("66 death on July 1") << "\"t1\":{\"DeceasedDate\":\"2024-07-01\"},\"forms\":[{\"type\":119}]"
                                        << QStringList();
    const QString transfers = QStringLiteral("\"t1\":{\"11500\":1000},\"forms\":[{\"type\":7,\"fields\":{\"24640\":%1}}]");
    QTest::newRow("67 transfer of the total plus 0.008") << transfers.arg("1000.008") << QStringList();
    QTest::newRow("67 transfer of the total plus 0.01") << transfers.arg("1000.01") << texts({kRow67});
    QTest::newRow("68 contribution at 72")
        << "\"birthDate\":\"1952-03-01\",\"forms\":[{\"type\":7,\"fields\":{\"ContribFirst60Days\":100}}]" << texts({kRow68});
    QTest::newRow("70 spousal contribution for a spouse of 74")
        << "\"maritalStatus\":0,\"t1\":{\"SpouseDateOfBirth\":\"1950-03-01\"},"
           "\"forms\":[{\"type\":7,\"fields\":{\"SpousalCurrent\":100}}]"
        << texts({kRow70});
    QTest::newRow("71 HBP repayment under the minimum") << "\"t1\":{\"LYHBPMinimum\":1000}" << texts({kRow71});
    QTest::newRow("71 HBP repayment at the minimum")
        << "\"t1\":{\"LYHBPMinimum\":1000,\"HBP12900\":400},\"forms\":[{\"type\":7,\"fields\":{\"HBPRepayment\":600}}]"
        << QStringList();
    QTest::newRow("82 pre-bankrupt return with HBP at 12900")
        << "\"t1\":{\"BankruptDate\":\"2024-05-01\",\"HBP12900\":100}" << texts({kRow82});
    // pension splitting, T1206 and the minimum tax
    QTest::newRow("85, 86 T1032 of a single person") << "\"forms\":[{\"type\":118}]" << texts({kRow85, kRow86});
    QTest::newRow("89 T1206 68330 over line 12000") << "\"forms\":[{\"type\":29,\"fields\":{\"Line68330\":100}}]"
                                                   << texts({kRow89});
    QTest::newRow("97 supporting 67820 over the T691")
        << "\"t1\":{\"Line67820\":100,\"22100\":100},\"forms\":[{\"type\":31}]" << texts({kRow97});
    QTest::newRow("100 supporting 67860 over the T691")
        << "\"t1\":{\"Line67860\":100,\"22400\":100},\"forms\":[{\"type\":31}]" << texts({kRow100});
    QTest::newRow("101 supporting 67820 without its base") << "\"t1\":{\"Line67820\":100}" << texts({kRow101});
    // other income forms and slips
    QTest::newRow("107 once for two T776 with a loss and CCA")
        << "\"t1\":{\"12600\":-1000},\"forms\":[{\"type\":12,\"fields\":{\"NetIncome\":-500}},"
           "{\"type\":12,\"new\":true,\"fields\":{\"NetIncome\":-500,\"CCA\":100}},"
           "{\"type\":12,\"new\":true,\"fields\":{\"NetIncome\":-500,\"CCA\":100}}]"
        << texts({kRow107});
    QTest::newRow("107 loss of 0.01 is none")
        << "\"t1\":{\"12600\":-0.01},\"forms\":[{\"type\":12,\"fields\":{\"NetIncome\":-500,\"CCA\":100}}]"
        << QStringList();
    QTest::newRow("109 fishing T4 without T2121") << "\"t1\":{\"FishingT4Indicator\":1}" << texts({kRow109});
    QTest::newRow("110 T929 without the disability amount") << "\"forms\":[{\"type\":14}]" << texts({kRow110});
    QTest::newRow("111 TL2 without work expenses") << "\"forms\":[{\"type\":92}]" << texts({kRow111});
    // farm and business forms
    QTest::newRow("113 twice and 119 once for two T1163 in Ontario")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":["
           "{\"type\":15,\"fields\":{\"MainFarmProvince\":9,\"Postcode\":\"V6B 1A1\"}},"
           "{\"type\":15,\"new\":true,\"fields\":{\"MainFarmProvince\":9,\"Postcode\":\"T5J\"}}]"
        << texts({kRow113, kRow113, kRow119});
    QTest::newRow("114 T2042 of British Columbia in Ontario")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":21,\"fields\":{\"Postcode\":\"V6B\"}}]"
        << texts({kRow114});
    QTest::newRow("116, 117 commission form of a placement agency without T4")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":131,\"fields\":{\"Postcode\":\"\","
           "\"PlacementAgency\":1}}]"
        << texts({kRow116, kRow117});
    QTest::newRow("115, 117 pass with an Ontario T2125 and a T4")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":125,\"fields\":{\"Postcode\":\"M5V 2T6\","
           "\"PlacementAgency\":1}}],\"slips\":[{\"type\":1,\"fields\":{\"EmploymentCode\":11,\"Box14\":1000}}]"
        << QStringList();
    QTest::newRow("118 placement income without a business form")
        << "\"slips\":[{\"type\":1,\"fields\":{\"EmploymentCode\":11,\"Box14\":1000}}]" << texts({kRow118});
    QTest::newRow("121 T1204 slip without T2125") << "\"slips\":[{\"type\":23}]" << texts({kRow121});
    // a T5013 files the statements of its first four rows only
    const QString statement = QStringLiteral("{\"Partnership\":\"%1\",\"Kind\":0,\"IsSFD\":%2,\"NetIncome\":1000}");
    auto partnerships = [&statement](const QList<int> &statements) {
        QStringList rows;
        for (int i = 0; i < statements.size(); ++i)
            rows << statement.arg(i == 4 ? QStringLiteral("Maple Ridge LP") : QString()).arg(statements[i]);
        return QStringLiteral("\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":38,\"rows\":[%1]}]")
            .arg(rows.join(QLatin1Char(',')));
    };
    QTest::newRow("T5013 statement on its fifth row")
        << partnerships({1, 1, 1, 1, 1}) << QStringList{kFifthStatement.arg(QStringLiteral("5 (Maple Ridge LP)"))};
    QTest::newRow("T5013 statements on its fifth and sixth rows")
        << partnerships({0, 0, 0, 0, 1, 1})
        << QStringList{kFifthStatement.arg(QStringLiteral("5 (Maple Ridge LP)")), kFifthStatement.arg(6)};
    QTest::newRow("T5013 with four statements and a fifth row without")
        << partnerships({1, 1, 1, 1, 0}) << QStringList();
    // more rows
    QTest::newRow("43 T936 68100 without its base") << "\"forms\":[{\"type\":32,\"fields\":{\"Line68100\":100}}]"
                                                    << texts({kRow43});
    QTest::newRow("44 T936 68110 without line 13000") << "\"forms\":[{\"type\":32,\"fields\":{\"Line68110\":100}}]"
                                                      << texts({kRow44});
    QTest::newRow("45 Chart A without Schedule 3") << "\"forms\":[{\"type\":32,\"fields\":{\"Line68150\":100}}]"
                                                   << texts({kRow45});
    QTest::newRow("47 supporting 68100 over the T936")
        << "\"t1\":{\"Line68100\":100,\"13000\":100},\"forms\":[{\"type\":32}]" << texts({kRow47});
    QTest::newRow("48 supporting 68110 over the T936")
        << "\"t1\":{\"Line68110\":100,\"13000\":100},\"forms\":[{\"type\":32}]" << texts({kRow48});
    QTest::newRow("49 T936 68140 without Schedule 3") << "\"forms\":[{\"type\":32,\"fields\":{\"Line68140\":100}}]"
                                                      << texts({kRow49});
    QTest::newRow("50, 52 supporting 68150 over Chart A, gains over 68140")
        << "\"t1\":{\"Line68150\":200},\"forms\":[{\"type\":32,\"fields\":{\"Line68150\":100}},"
           "{\"type\":4,\"fields\":{\"Line17599\":100}}]"
        << texts({kRow50, kRow52});
    QTest::newRow("54 answer 2 with one T2091")
        << "\"forms\":[{\"type\":4,\"fields\":{\"DesignationAnswer\":2}},{\"type\":147}]" << texts({kRow54});
    QTest::newRow("54 answer 2 with two T2091")
        << "\"forms\":[{\"type\":4,\"fields\":{\"DesignationAnswer\":2}},{\"type\":147},{\"type\":160}]"
        << QStringList();
    QTest::newRow("61 Schedule 6 at 17 with both claims")
        << "\"birthDate\":\"2007-01-01\",\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":1,\"Disabled\":1}}]"
        << texts({kRow61});
    QTest::newRow("62 Schedule 6 of a new immigrant")
        << "\"t1\":{\"EntryDate\":\"2024-03-01\"},\"forms\":[{\"type\":119,\"fields\":{\"WorkingIncome\":5000}}]"
        << texts({kRow62});
    QTest::newRow("63 Schedule 6 of an emigrant")
        << "\"t1\":{\"DepartureDate\":\"2024-09-01\"},\"forms\":[{\"type\":119,\"fields\":{\"WorkingIncome\":5000}}]"
        << texts({kRow63});
    QTest::newRow("64 tax-exempt income without the answer")
        << "\"t1\":{\"10105\":100},\"forms\":[{\"type\":119}]" << texts({kRow64});
    QTest::newRow("65 answer 0 without tax-exempt income")
        << "\"forms\":[{\"type\":119,\"fields\":{\"Line38105\":0}}]" << texts({kRow65});
    QTest::newRow("69 spousal contribution of a single person")
        << "\"forms\":[{\"type\":7,\"fields\":{\"SpousalCurrent\":100}}]" << texts({kRow69});
    QTest::newRow("72 LLP repayment under the minimum") << "\"t1\":{\"LYLLPMinimum\":500}" << texts({kRow72});
    QTest::newRow("73 CPT20 beside a Schedule 8 election of none")
        << "\"t1\":{\"CppFormSelector\":1},\"forms\":[{\"type\":57,\"fields\":{\"ElectF399\":1}},"
           "{\"type\":150,\"fields\":{\"ElectionPart\":1,\"ElectionAnswer\":0}}]"
        << texts({kRow73});
    QTest::newRow("73 CPT20 beside an election with its amount")
        << "\"t1\":{\"CppFormSelector\":1},\"forms\":[{\"type\":57,\"fields\":{\"ElectF399\":1}},"
           "{\"type\":150,\"fields\":{\"ElectionPart\":1,\"ElectionAnswer\":1,\"ElectedAmount\":500}}]"
        << QStringList();
    QTest::newRow("75 RC383 without T90") << "\"forms\":[{\"type\":149,\"fields\":{\"Line58750\":100}}]"
                                          << texts({kRow75});
    QTest::newRow("76 to 78 T2017 without Schedule 3")
        << "\"forms\":[{\"type\":37,\"fields\":{\"Line66843\":100,\"Line66844\":200,\"Line66850\":200,"
           "\"Line66883\":100}}]"
        << texts({kRow76, kRow77, kRow78});
    QTest::newRow("79 T2043 without farming income") << "\"forms\":[{\"type\":193}]" << texts({kRow79});
    QTest::newRow("80 Schedule 11 months past the bankruptcy")
        << "\"t1\":{\"BankruptDate\":\"2024-05-01\"},\"forms\":[{\"type\":11,\"fields\":{\"FullTimeMonths\":12}}]"
        << texts({kRow80});
    QTest::newRow("81 T2222 days past the bankruptcy")
        << "\"t1\":{\"BankruptDate\":\"2024-05-01\"},\"forms\":[{\"type\":49,\"fields\":{\"Days2\":300}}]"
        << texts({kRow81});
    QTest::newRow("83 pre-bankrupt return with Schedule 6")
        << "\"t1\":{\"BankruptDate\":\"2024-05-01\"},\"forms\":[{\"type\":119}]" << texts({kRow83});
    QTest::newRow("84 pre-bankrupt return with an HBP repayment")
        << "\"t1\":{\"BankruptDate\":\"2024-05-01\"},\"forms\":[{\"type\":7,\"fields\":{\"HBPRepayment\":100}}]"
        << texts({kRow84});
    const QString split = QStringLiteral("\"maritalStatus\":0,\"t1\":{\"SpouseSIN\":\"046454286\"},"
                                         "\"forms\":[{\"type\":118,\"fields\":{%1}}]");
    QTest::newRow("87 T1032 68026 over line 13000") << split.arg("\"Line68026\":100") << texts({kRow87});
    QTest::newRow("88 T1032 68040 over line 43700") << split.arg("\"Line68040\":100") << texts({kRow88});
    QTest::newRow("88 T1032 68040 less 68050 within line 43700")
        << split.arg("\"Line68040\":100,\"Line68050\":100") << QStringList();
    QTest::newRow("90, 91 T1206 over lines 12010 and 23200")
        << "\"forms\":[{\"type\":29,\"fields\":{\"Line68340\":100,\"Line68360\":100}}]" << texts({kRow90, kRow91});
    QTest::newRow("92 to 96 T691 amounts without their base")
        << "\"forms\":[{\"type\":31,\"fields\":{\"Line67820\":100,\"Line6783\":100,\"Line6784\":100,"
           "\"Line6786\":100,\"Line67922\":100}}]"
        << texts({kRow92, kRow93, kRow94, kRow95, kRow96});
    QTest::newRow("98, 99 supporting 67830 and 67840 over the T691")
        << "\"t1\":{\"Line67830\":100,\"Line67840\":100},\"forms\":[{\"type\":31}]" << texts({kRow98, kRow99});
    QTest::newRow("102 to 104 supporting fields without T691")
        << "\"t1\":{\"Line67830\":100,\"Line67840\":100,\"Line67860\":100}" << texts({kRow102, kRow103, kRow104});
    QTest::newRow("105 T1172 over line 13000") << "\"forms\":[{\"type\":17,\"fields\":{\"Line68270\":100}}]"
                                               << texts({kRow105});
    QTest::newRow("106 supporting 67650 over the T5004") << "\"t1\":{\"Line67650\":100},\"forms\":[{\"type\":55}]"
                                                         << texts({kRow106});
    QTest::newRow("108 T4F tax without T2121 field 5345")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":51}],"
           "\"slips\":[{\"type\":1,\"fields\":{\"EmploymentCode\":17,\"Box14\":1000,\"Box22\":100}}]"
        << texts({kRow108});
    QTest::newRow("108 passes with field 5345")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":51,\"fields\":{\"Line5345\":1000}}],"
           "\"slips\":[{\"type\":1,\"fields\":{\"EmploymentCode\":17,\"Box14\":1000,\"Box22\":100}}]"
        << QStringList();
    QTest::newRow("112 main farmstead in another province")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":15,\"fields\":{\"MainFarmProvince\":2,"
           "\"Postcode\":\"K1A 0B1\"}}]"
        << texts({kRow112, kRow119});
    QTest::newRow("115 T2125 of British Columbia in Ontario")
        << "\"t1\":{\"ProvinceOfBusiness\":9},\"forms\":[{\"type\":125,\"fields\":{\"Postcode\":\"V6B\"}}]"
        << texts({kRow115});
    QTest::newRow("Ontario tuition of the year")
        << "\"forms\":[{\"type\":27,\"fields\":{\"Tuition\":500}}]"
        << QStringList{QStringLiteral("Ontario allows no tuition amount for 2024: remove the tuition amount of the "
                                      "year from its Schedule 11 and claim only the unused amounts carried forward.")};
    QTest::newRow("Ontario tuition carried forward only")
        << "\"forms\":[{\"type\":27,\"fields\":{\"CarriedForward\":500}}]" << QStringList();
    QTest::newRow("British Columbia tuition of the year")
        << "\"province\":2,\"forms\":[{\"type\":44,\"fields\":{\"Tuition\":500}}]" << QStringList();
    QTest::newRow("120 T1273 in British Columbia")
        << "\"province\":2,\"t1\":{\"ProvinceOfBusiness\":2},\"forms\":[{\"type\":109}]" << texts({kRow120});
}

void TestCrossFormChecks::rows()
{
    QFETCH(QString, members);
    QFETCH(QStringList, expected);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members), &error));
    QVERIFY2(file, qPrintable(error));
    // the calculation gives the T1 its main tax province
    file->self()->t1()->setMainTaxProvince(file->self()->province());
    QList<ValidationMessageGroup *> groups;
    const int count = file->self()->checkForFiling(kNetfile, groups);
    QCOMPARE(count, groups.size());
    const QStringList messages = crossFormMessages(groups);
    qDeleteAll(groups);
    QCOMPARE(messages, expected);
}

void TestCrossFormChecks::ownChecks_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QStringList>("expected");   // "kind type: message" of the slip and form groups
    QTest::newRow("valid numbers and amounts")
        << "\"forms\":[{\"type\":15,\"fields\":{\"SIN\":\"130 692 544\",\"GrossIncome\":9999999999.99}}]"
        << QStringList();
    // the T1163's S.I.N. is the T1's, copied: told once, on the T1 (wrongSinReportedOnce)
    QTest::newRow("T1163 with a copied SIN the check digit refuses")
        << "\"forms\":[{\"type\":15,\"fields\":{\"SIN\":\"123456789\"}}]" << QStringList();
    QTest::newRow("Schedule 5 dependant with a SIN the check digit refuses")
        << "\"forms\":[{\"type\":6,\"fields\":{\"DependantSIN\":\"123456789\"}}]"
        << QStringList{QStringLiteral("2 6: The social insurance number in \"Eligible dependant: social insurance number\" is not valid.")};
    QTest::newRow("empty and zero numbers pass")
        << "\"forms\":[{\"type\":15,\"fields\":{\"SIN\":\"000000000\"}},{\"type\":21,\"fields\":{\"OwnerSIN\":\"\"}}]"
        << QStringList();
    QTest::newRow("amount beyond a record's width")
        << "\"forms\":[{\"type\":12,\"fields\":{\"GrossRents\":10000000000}}]"
        << QStringList{QStringLiteral("2 12: The amount in \"Gross rents\" is out of range.")};
}

// Every form and slip checks its identifiers and amounts itself.
void TestCrossFormChecks::ownChecks()
{
    QFETCH(QString, members);
    QFETCH(QStringList, expected);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members), &error));
    QVERIFY2(file, qPrintable(error));
    QList<ValidationMessageGroup *> groups;
    file->self()->checkForFiling(kNetfile, groups);
    QStringList own;
    for (const ValidationMessageGroup *g : qAsConst(groups))
        if (g->kind != kCrossForm)
            for (const CString &m : g->messages)
                own << QStringLiteral("%1 %2: %3").arg(g->kind).arg(g->type).arg(QString(m));
    qDeleteAll(groups);
    QCOMPARE(own, expected);
}

// A wrong S.I.N. is told once, where it was typed, not again by every form
// that copies it (T183, direct deposit).
void TestCrossFormChecks::wrongSinReportedOnce()
{
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(
        personReturn("\"sin\":\"130692545\",\"forms\":[{\"type\":96},{\"type\":52}]"), &error));
    QVERIFY2(file, qPrintable(error));
    returnbuilder::recalculate(*file);
    QList<ValidationMessageGroup *> groups;
    file->self()->checkForFiling(kNetfile, groups);
    QStringList sinMessages;
    for (const ValidationMessageGroup *g : qAsConst(groups))
        for (const CString &m : g->messages)
            if (QString(m).contains(QLatin1String("social insurance number"), Qt::CaseInsensitive))
                sinMessages << QStringLiteral("%1 %2: %3").arg(g->kind).arg(g->type).arg(QString(m));
    qDeleteAll(groups);
    QVERIFY2(sinMessages.size() == 1, qPrintable(sinMessages.join(QLatin1Char('\n'))));
    QVERIFY2(sinMessages.first().startsWith(QLatin1String("2 1: ")), qPrintable(sinMessages.first()));
}

void TestCrossFormChecks::calculatedIndicators_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<bool>("fishingT4");
    QTest::addColumn<int>("t2121Count");
    QTest::addColumn<int>("contributions");
    const QString fisher = QStringLiteral("\"slips\":[{\"type\":1,\"fields\":{\"EmploymentCode\":17,\"Box14\":20000}}]");
    QTest::newRow("fisher's T4 without T2121") << fisher << true << 0 << 1;
    QTest::newRow("fisher's T4 with T2121") << fisher + ",\"forms\":[{\"type\":51}]" << true << 1 << 1;
    QTest::newRow("other T4 at 71") << "\"birthDate\":\"1953-02-01\",\"slips\":[{\"type\":1,\"fields\":{\"Box14\":20000}}]"
                                    << false << 0 << 0;
}

// The calculation gives the T1 the values that the rows on fishing and contributions read.
void TestCrossFormChecks::calculatedIndicators()
{
    QFETCH(QString, members);
    QFETCH(bool, fishingT4);
    QFETCH(int, t2121Count);
    QFETCH(int, contributions);
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members)));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    const TaxData_T1New *t1 = file->self()->t1();
    QCOMPARE(t1->flag(TaxData_T1New::F_FishingT4Indicator), fishingT4);
    QCOMPARE(t1->intValue(TaxData_T1New::F_T2121Count), t2121Count);
    QCOMPARE(t1->intValue(TaxData_T1New::F_ContributionIndicator), contributions);
    QList<ValidationMessageGroup *> groups;
    file->self()->checkForFiling(kNetfile, groups);
    const QStringList messages = crossFormMessages(groups);
    qDeleteAll(groups);
    QCOMPARE(messages.contains(QString::fromUtf8(kRow109)), fishingT4 && t2121Count == 0);
}

BQ_TEST_MAIN_CORE(TestCrossFormChecks)
#include "tst_crossformchecks.moc"
