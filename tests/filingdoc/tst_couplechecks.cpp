// The checks between the spouses of a coupled return, and the spouse-return group
// that the return file adds to the checks of one person.
#include "bqtest.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

constexpr int kSpouseReturn = 5;
constexpr int kNetfile = 2;   // no EFILE prerequisites on these bare returns

const char *const kWidowed = "If you are widowed in the tax year, please check the box under marital status to "
                             "indicate marital status changed in the tax year, so spouse related amount can be filed.";
const char *const kUccbToSpouse = "UCCB must be claimed by your spouse because your spouse has lower net income.";
const char *const kUccbToYou = "UCCB must be claimed by you because you have lower net income.";
const char *const kSpouseAmount = "Both spouses claimed spouse amount in schedule 5, only one should claim it.";
const char *const kCaregiver = "You and your spouse can NOT claim the amount at field 30500 at the same time.";
const char *const kAdoptionChild2 = "The total of field 31300 (adoption) for child 2 in both returns is more than "
                                    "$19066.00.";
const char *const kAdoptionChild6 = "The total of field 31300 (adoption) for child 6 in both returns is more than "
                                    "$19066.00.";
const char *const kHomeBuyers = "The total of Home Buyer's Amount in field 31270 in both returns is more than $10,000.";
const char *const kTuition = "To claim an amount in field 36000 of Schedule 2, there has to be an even larger amount "
                             "in field 32700 of spouse Schedule 11.";
const char *const kBasicCwb = "Only one person between Married or Common-law couple can claim basic CWB benefit in "
                              "schedule 6.";
const char *const kChildCare = "One tax return should claim it has higher net income in form T778 for child care "
                               "expenses.";
const char *const kOnBenTwice = "Only one of you and your spouse can apply for the energy and property tax credit on "
                                "form ON-BEN.";
const char *const kT1032 = "Please make sure form T1032 (Election to Split Pension) is presented in both coupled "
                           "returns.";

// A married couple in Ontario; each side's extra members ("t1", "forms", "maritalStatus").
QJsonObject couple(const QString &self, const QString &spouse)
{
    auto person = [](const char *first, const char *sin, const char *birth, const QString &extra) {
        return QStringLiteral("{\"firstName\":\"%1\",\"lastName\":\"Lindqvist\",\"sin\":\"%2\",\"birthDate\":\"%3\","
                              "\"province\":9%4}")
            .arg(QLatin1String(first), QLatin1String(sin), QLatin1String(birth),
                 extra.isEmpty() ? QString() : QStringLiteral(",") + extra);
    };
    const QString maritalSelf = self.contains(QLatin1String("maritalStatus")) ? QString() : QStringLiteral("\"maritalStatus\":0,");
    const QString maritalSpouse =
        spouse.contains(QLatin1String("maritalStatus")) ? QString() : QStringLiteral("\"maritalStatus\":0,");
    QString text = QStringLiteral("{\"persons\":[%1,%2]}")
                             .arg(person("Avery", "130692544", "1980-04-12", maritalSelf + self),
                                  person("Jordan", "046454286", "1982-09-30", maritalSpouse + spouse));
    const QJsonDocument doc = QJsonDocument::fromJson(text.replace(QLatin1String(",}"), QLatin1String("}")).toUtf8());
    return doc.object();
}

QStringList texts(const QList<CString> &messages)
{
    QStringList list;
    for (const CString &m : messages)
        list << m;
    return list;
}

std::unique_ptr<CReturnFile> buildFile(const QJsonObject &description)
{
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
    if (!file)
        qWarning("%s", qPrintable(error));
    return file;
}

} // namespace

class TestCoupleChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFilingDocServices(); }

    void rows_data();
    void rows();
    void eitherSide_data();
    void eitherSide();
    void singleReturn();
    void coupledGroup_data();
    void coupledGroup();
    void spouseWithoutT1();
};

void TestCoupleChecks::rows_data()
{
    QTest::addColumn<QString>("self");
    QTest::addColumn<QString>("spouse");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("nothing to compare") << "" << "" << QStringList();
    QTest::newRow("1: both widowed without the box, said once")
        << "\"maritalStatus\":2" << "\"maritalStatus\":2" << QStringList{kWidowed};
    QTest::newRow("1: widowed with the box ticked")
        << "\"maritalStatus\":2,\"t1\":{\"MaritalChangeDate\":\"2024-05-01\"}"
        << "\"maritalStatus\":2,\"t1\":{\"MaritalChangeDate\":\"2024-05-01\"}" << QStringList();
    QTest::newRow("2: lower-income spouse, excess equal to the UCCB")
        << "\"t1\":{\"23600\":30000,\"11700\":1000}" << "\"t1\":{\"23600\":28000}" << QStringList();
    QTest::newRow("2: lower-income spouse, excess a cent over")
        << "\"t1\":{\"23600\":30000,\"11700\":1000}" << "\"t1\":{\"23600\":27999.99}" << QStringList{kUccbToSpouse};
    QTest::newRow("2: the child care deduction counts")
        << "\"t1\":{\"23600\":30000,\"11700\":1000},\"forms\":[{\"type\":13,\"fields\":{\"Deduction\":500}}]"
        << "\"t1\":{\"23600\":28000}" << QStringList{kUccbToSpouse};
    QTest::newRow("3: the spouse's UCCB and a higher-income spouse")
        << "\"t1\":{\"23600\":20000,\"SpouseUCCB\":1000}" << "\"t1\":{\"23600\":40000}" << QStringList{kUccbToYou};
    QTest::newRow("4 and 5: both claim") << "\"t1\":{\"30300\":2000,\"30500\":2616}"
                                         << "\"t1\":{\"30300\":1500,\"30500\":2616}"
                                         << QStringList{kSpouseAmount, kCaregiver};
    QTest::newRow("4 and 5: one claims") << "\"t1\":{\"30300\":2000,\"30500\":2616}" << "" << QStringList();
    QTest::newRow("7: adoption of child 2 at the limit")
        << "\"t1\":{\"31300Child2\":10000}" << "\"t1\":{\"31300Child2\":9066}" << QStringList();
    QTest::newRow("7: adoption of child 2 a cent over")
        << "\"t1\":{\"31300Child2\":10000}" << "\"t1\":{\"31300Child2\":9066.01}" << QStringList{kAdoptionChild2};
    QTest::newRow("11: adoption of child 6, children apart")
        << "\"t1\":{\"31300Child5\":19066,\"31300Child6\":19066}" << "\"t1\":{\"31300Child6\":1}"
        << QStringList{kAdoptionChild6};
    QTest::newRow("12: home buyers at the couple limit")
        << "\"t1\":{\"31270\":6000}" << "\"t1\":{\"31270\":4000}" << QStringList();
    QTest::newRow("12: home buyers a cent over")
        << "\"t1\":{\"31270\":6000}" << "\"t1\":{\"31270\":4000.01}" << QStringList{kHomeBuyers};
    QTest::newRow("13: tuition transferred, spouse without Schedule 11")
        << "\"forms\":[{\"type\":3,\"fields\":{\"36000\":3000}}]" << "" << QStringList{kTuition};
    QTest::newRow("13: tuition over what the spouse transfers")
        << "\"forms\":[{\"type\":3,\"fields\":{\"36000\":3000}}]"
        << "\"forms\":[{\"type\":11,\"fields\":{\"TransferClaimed\":2000}}]" << QStringList{kTuition};
    QTest::newRow("13: tuition within what the spouse transfers")
        << "\"forms\":[{\"type\":3,\"fields\":{\"36000\":3000}}]"
        << "\"forms\":[{\"type\":11,\"fields\":{\"TransferClaimed\":3000}}]" << QStringList();
    QTest::newRow("14: both claim the basic CWB")
        << "\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":1}}]"
        << "\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":1}}]" << QStringList{kBasicCwb};
    QTest::newRow("14: both claim by default") << "\"forms\":[{\"type\":119}]" << "\"forms\":[{\"type\":119}]"
                                               << QStringList{kBasicCwb};
    QTest::newRow("14: neither claims the basic CWB")
        << "\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":0}}]"
        << "\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":0}}]" << QStringList();
    QTest::newRow("14: one claims the basic CWB")
        << "\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":1}}]"
        << "\"forms\":[{\"type\":119,\"fields\":{\"ClaimBenefit\":0}}]" << QStringList();
    QTest::newRow("15: both T778 say the same")
        << "\"forms\":[{\"type\":13,\"fields\":{\"PartnerMark\":1}}]"
        << "\"forms\":[{\"type\":13,\"fields\":{\"PartnerMark\":1}}]" << QStringList{kChildCare};
    QTest::newRow("15: the T778 differ") << "\"forms\":[{\"type\":13,\"fields\":{\"PartnerMark\":1}}]"
                                         << "\"forms\":[{\"type\":13}]" << QStringList();
    QTest::newRow("16: a T1032 on one side") << "\"forms\":[{\"type\":118}]" << "" << QStringList{kT1032};
    QTest::newRow("16: a T1032 on both sides") << "\"forms\":[{\"type\":118}]" << "\"forms\":[{\"type\":118}]"
                                               << QStringList();
    QTest::newRow("ON-BEN: both apply for the energy and property tax credit")
        << "\"forms\":[{\"type\":34,\"fields\":{\"ApplyEnergyPropertyTax\":1}}]"
        << "\"forms\":[{\"type\":34,\"fields\":{\"ApplyEnergyPropertyTax\":1}}]" << QStringList{kOnBenTwice};
    QTest::newRow("ON-BEN: one applies")
        << "\"forms\":[{\"type\":34,\"fields\":{\"ApplyEnergyPropertyTax\":1,\"ApplyNorthernEnergy\":1}}]"
        << "\"forms\":[{\"type\":34,\"fields\":{\"ApplyNorthernEnergy\":0}}]" << QStringList();
    QTest::newRow("rows in order")
        << "\"t1\":{\"30300\":2000,\"31270\":10000},\"forms\":[{\"type\":118}]"
        << "\"maritalStatus\":2,\"t1\":{\"30300\":2000,\"31270\":1}"
        << QStringList{kWidowed, kSpouseAmount, kHomeBuyers, kT1032};
}

void TestCoupleChecks::rows()
{
    QFETCH(QString, self);
    QFETCH(QString, spouse);
    QFETCH(QStringList, messages);
    std::unique_ptr<CReturnFile> file = buildFile(couple(self, spouse));
    QVERIFY(file);
    QList<CString> found;
    found << CString("kept");
    const int count = file->self()->checkCoupledReturns(kNetfile, found, *file->spouse());
    QCOMPARE(count, found.size());
    QCOMPARE(texts(found), QStringList{"kept"} + messages);
}

// The file checks from the side asked for: the UCCB rows change with the viewpoint.
void TestCoupleChecks::eitherSide_data()
{
    QTest::addColumn<bool>("spouseSide");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("self") << false << QStringList{kUccbToSpouse};
    QTest::newRow("spouse") << true << QStringList();
}

void TestCoupleChecks::eitherSide()
{
    QFETCH(bool, spouseSide);
    QFETCH(QStringList, messages);
    std::unique_ptr<CReturnFile> file =
        buildFile(couple("\"t1\":{\"23600\":50000,\"11700\":1000}", "\"t1\":{\"23600\":20000}"));
    QVERIFY(file);
    QList<CString> found;
    QCOMPARE(file->checkCoupledReturns(kNetfile, found, spouseSide), messages.size());
    QCOMPARE(texts(found), messages);
}

void TestCoupleChecks::singleReturn()
{
    const QJsonObject description = QJsonDocument::fromJson(
        "{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\",\"sin\":\"130692544\","
        "\"birthDate\":\"1980-04-12\",\"province\":9,\"maritalStatus\":0,\"t1\":{\"30300\":2000,"
        "\"Street\":\"12 Birch Ave\",\"City\":\"Ottawa\",\"MailProvince\":\"ON\",\"Postcode\":\"K1A 0B1\"}}]}").object();
    std::unique_ptr<CReturnFile> file = buildFile(description);
    QVERIFY(file);
    QList<ValidationMessageGroup *> groups;
    QString name;
    QCOMPARE(file->checkForFiling(kNetfile, groups, name, false, true), 0);
    QVERIFY(groups.isEmpty());
    QList<CString> messages;
    QCOMPARE(file->checkCoupledReturns(kNetfile, messages, false), 0);
    QVERIFY(messages.isEmpty());
    const int before = groups.size();
    QCOMPARE(file->checkForFiling(kNetfile, groups, name, true, true), 0);
    QCOMPARE(groups.size(), before);
    qDeleteAll(groups);
}

// The spouse-return group closes the list, empty or not; the count adds its messages
// to the person's groups. Checking changes neither return.
void TestCoupleChecks::coupledGroup_data()
{
    QTest::addColumn<QString>("self");
    QTest::addColumn<bool>("withCouple");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no couple message") << "" << true << QStringList();
    QTest::newRow("couple messages") << "\"t1\":{\"30300\":2000,\"30500\":2616}" << true
                                     << QStringList{kSpouseAmount, kCaregiver};
    QTest::newRow("couple checks not asked") << "\"t1\":{\"30300\":2000}" << false << QStringList();
}

void TestCoupleChecks::coupledGroup()
{
    QFETCH(QString, self);
    QFETCH(bool, withCouple);
    QFETCH(QStringList, messages);
    std::unique_ptr<CReturnFile> file = buildFile(couple(self, "\"t1\":{\"30300\":1000,\"30500\":2616}"));
    QVERIFY(file);
    CReturnFile before;
    before.assign(*file);
    QList<ValidationMessageGroup *> personOnly;
    file->self()->checkForFiling(kNetfile, personOnly);
    const int personGroups = personOnly.size();
    qDeleteAll(personOnly);

    QList<ValidationMessageGroup *> groups;
    QString name = QStringLiteral("stale");
    const int count = file->checkForFiling(kNetfile, groups, name, false, withCouple);
    QCOMPARE(name, QStringLiteral("Avery Lindqvist"));
    QCOMPARE(count, personGroups + messages.size());
    if (withCouple) {
        QCOMPARE(groups.size(), personGroups + 1);
        QCOMPARE(groups.last()->kind, kSpouseReturn);
        QCOMPARE(groups.last()->type, 0);
        QCOMPARE(texts(groups.last()->messages), messages);
    } else {
        QCOMPARE(groups.size(), personGroups);
    }
    qDeleteAll(groups);
    QVERIFY(!file->differsFrom(before));
}

// A coupled file whose self holds no T1 (only form 161 on both sides) runs the rows
// of forms only, from either side.
void TestCoupleChecks::spouseWithoutT1()
{
    std::unique_ptr<CReturnFile> file =
        buildFile(couple("\"t1\":{\"30300\":2000,\"31270\":20000},\"forms\":[{\"type\":118}]",
                         "\"t1\":{\"30300\":2000}"));
    QVERIFY(file);
    for (IndividualTaxData *p : {file->self(), file->spouse()})
        QVERIFY(p->findFormEntry(161, 0, true));
    file->self()->removeForm(file->self()->t1(), true, false);
    QVERIFY(!file->self()->t1());
    QVERIFY(file->isCoupled());
    for (bool spouseSide : {false, true}) {
        QList<ValidationMessageGroup *> groups;
        QString name;
        file->checkForFiling(kNetfile, groups, name, spouseSide, true);
        QVERIFY(!groups.isEmpty());
        QCOMPARE(groups.last()->kind, kSpouseReturn);
        QCOMPARE(texts(groups.last()->messages), QStringList{kT1032});
        qDeleteAll(groups);
    }
}

BQ_TEST_MAIN_CORE(TestCoupleChecks)
#include "tst_couplechecks.moc"
