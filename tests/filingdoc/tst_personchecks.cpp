// The checks of one person before filing: the frame, the first checks across forms,
// and that checking changes nothing in the return.
#include "bqtest.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "settingsseam.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

constexpr int kCrossForm = 4;

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &) const override { return QString(); }
    QMap<QString, QString> user;
};

const char *const kT183 = "Add form T183 - Information Return of Electronic Filing, to the tax return.";
const char *const kEFilerId = "EFILER ID is missing or invalid in preference settings by menu Start | Preference.";
const char *const kEFilerPassword =
    "EFILER password is missing or invalid in preference settings by menu Start | Preference.";
const char *const kDcn = "Enter the document control number (DCN) of this return in form T183.";
const QString kMailingProvince =
    QStringLiteral("The province or territory of the mailing address on page 1 of T1 is \"%1\": enter its two-letter "
                   "code (AB, BC, MB, NB, NL, NS, NT, NU, ON, PE, QC, SK or YT).");
const QString kMailingMissing =
    QStringLiteral("The mailing address on page 1 of T1 has no %1: enter the whole address before filing.");
const QString kForeignMissing =
    QStringLiteral("The foreign mailing address on page 1 of T1 has no %1: enter the whole address before filing.");
const char *const kT3Share = "There is a T3 slip which has sharing percentage set to 0. Please correct the sharing "
                             "percentage or remove the T3 slip.";
const char *const kT5013Ids = "Please complete partnership ID and/or tax shelter ID in T5013 slip.";
const char *const kBeneficiaryT3 = "Tax beneficiary for deceased person requires a T3 slip in the return.";
const char *const kBeneficiaryAmount = "Tax beneficiary amount (Field 52080) must be more than $1.";
const char *const kCannotCreate = "Brackenquill cannot create NETFILE/EFILE for this return file.";

// A single person of Ontario with a whole Canadian mailing address; the T1 values
// among the members replace those of the address.
QJsonObject personReturn(const QString &members)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                                        "\"sin\":\"130692544\",\"birthDate\":\"1980-04-12\",\"province\":9,"
                                        "\"maritalStatus\":5%1}]}")
                             .arg(members.isEmpty() ? QString() : QStringLiteral(",") + members);
    QJsonObject file = QJsonDocument::fromJson(text.toUtf8()).object();
    QJsonArray persons = file.value(QStringLiteral("persons")).toArray();
    QJsonObject person = persons.first().toObject();
    QJsonObject t1{{QStringLiteral("Street"), QStringLiteral("12 Birch Ave")},
                   {QStringLiteral("City"), QStringLiteral("Ottawa")},
                   {QStringLiteral("MailProvince"), QStringLiteral("ON")},
                   {QStringLiteral("Postcode"), QStringLiteral("K1A 0B1")}};
    const QJsonObject given = person.value(QStringLiteral("t1")).toObject();
    for (auto it = given.begin(); it != given.end(); ++it)
        t1.insert(it.key(), it.value());
    person.insert(QStringLiteral("t1"), t1);
    persons.replace(0, person);
    file.insert(QStringLiteral("persons"), persons);
    return file;
}

QJsonObject readJson(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

QStringList texts(std::initializer_list<const char *> messages)
{
    QStringList list;
    for (const char *m : messages)
        list << QString::fromUtf8(m);
    return list;
}

// The messages of the cross-form group; empty without one.
QStringList crossFormMessages(const QList<ValidationMessageGroup *> &groups)
{
    QStringList list;
    for (const ValidationMessageGroup *g : groups)
        if (g->kind == kCrossForm)
            for (const CString &m : g->messages)
                list << m;
    return list;
}

} // namespace

class TestPersonChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFilingDocServices(); }
    void init() { setSettingsSource(&m_settings); }
    void cleanup()
    {
        setSettingsSource(nullptr);
        m_settings.user.clear();
    }
    void crossForm_data();
    void crossForm();
    void withoutT1();
    void checkingChangesNothing_data();
    void checkingChangesNothing();

private:
    MapSettings m_settings;
};

void TestPersonChecks::crossForm_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("efilerId");
    QTest::addColumn<QString>("efilerPassword");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("withoutT183");

    const QString id = QStringLiteral("A1B2C");
    const QString password = QStringLiteral("secret7");
    const QString t183 = QStringLiteral("\"forms\":[{\"type\":96,\"fields\":{\"DCN\":\"00417\"}}]");
    QTest::newRow("NETFILE, nothing wrong") << QString() << 2 << QString() << QString() << QStringList() << false;
    QTest::newRow("EFILE without T183 or preferences")
        << QString() << 1 << QString() << QString() << texts({kT183, kEFilerId, kEFilerPassword}) << true;
    QTest::newRow("NETFILE without T183 or preferences")
        << QString() << 2 << QString() << QString() << QStringList() << true;
    QTest::newRow("EFILE, all there") << t183 << 1 << id << password << QStringList() << false;
    QTest::newRow("EFILE, T183 without its DCN") << QString() << 1 << id << password << texts({kDcn}) << false;
    QTest::newRow("EFILE, T183 DCN of blanks") << QStringLiteral("\"forms\":[{\"type\":96,\"fields\":{\"DCN\":\"  \"}}]")
                                               << 1 << id << password << texts({kDcn}) << false;
    QTest::newRow("NETFILE, T183 without its DCN") << QString() << 2 << QString() << QString() << QStringList() << false;
    QTest::newRow("EFILER number with a blank after it") << t183 << 1 << id + QLatin1Char(' ') << password
                                                        << QStringList() << false;
    QTest::newRow("EFILER number of six") << t183 << 1 << QStringLiteral("A1B2C3") << password << texts({kEFilerId}) << false;
    QTest::newRow("password of six") << t183 << 1 << id << QStringLiteral("secret") << texts({kEFilerPassword}) << false;
    QTest::newRow("code 3 holds the EFILE bit") << t183 << 3 << id << QStringLiteral("secret")
                                                << texts({kEFilerPassword}) << false;
    QTest::newRow("two T3 with no share: one message")
        << QStringLiteral("\"slips\":[{\"type\":9,\"fields\":{\"SharePercent\":0}},{\"type\":9,\"fields\":{\"SharePercent\":0}}]")
        << 2 << QString() << QString() << texts({kT3Share}) << false;
    QTest::newRow("two T5013 without identifiers: two messages")
        << QStringLiteral("\"slips\":[{\"type\":13},{\"type\":13,\"fields\":{\"PartnershipId\":\"12345678\"}}]") << 2
        << QString() << QString() << texts({kT5013Ids, kT5013Ids}) << false;
    QTest::newRow("T5013 with a partnership identifier")
        << QStringLiteral("\"slips\":[{\"type\":13,\"fields\":{\"PartnershipId\":\"123456789\"}}]") << 2 << QString()
        << QString() << QStringList() << false;
    const QString beneficiary = QStringLiteral("\"t1\":{\"TaxBeneficiaryElection\":1,\"DeceasedDate\":\"2024-05-01\","
                                               "\"Line52080\":%1},\"slips\":[{\"type\":9,\"fields\":{\"SharePercent\":100}}]");
    QTest::newRow("tax beneficiary of 1.00") << beneficiary.arg(QStringLiteral("1.00")) << 2 << QString() << QString()
                                             << texts({kBeneficiaryAmount}) << false;
    QTest::newRow("tax beneficiary of 1.01") << beneficiary.arg(QStringLiteral("1.01")) << 2 << QString() << QString()
                                             << QStringList() << false;
    QTest::newRow("tax beneficiary of 1.20") << beneficiary.arg(QStringLiteral("1.20")) << 2 << QString() << QString()
                                             << QStringList() << false;
    QTest::newRow("tax beneficiary without T3")
        << QStringLiteral("\"t1\":{\"TaxBeneficiaryElection\":1,\"DeceasedDate\":\"2024-05-01\",\"Line52080\":50}")
        << 2 << QString() << QString() << texts({kBeneficiaryT3}) << false;
    const QString mailing = QStringLiteral("\"t1\":{\"MailProvince\":\"%1\"%2}");
    for (const QString &typed : {QStringLiteral("Ontario"), QStringLiteral("Ont."), QStringLiteral("Qu\u00e9bec")})
        QTest::newRow(qPrintable(QStringLiteral("mailing province %1").arg(typed)))
            << mailing.arg(typed, QString()) << 2 << QString() << QString()
            << QStringList{kMailingProvince.arg(typed)} << false;
    QTest::newRow("mailing province code") << mailing.arg(QStringLiteral(" on "), QString()) << 2 << QString()
                                           << QString() << QStringList() << false;
    QTest::newRow("mailing province of a foreign address")
        << mailing.arg(QStringLiteral("Ontario"), QStringLiteral(",\"ForeignMailing\":1,\"ForeignCountry\":\"FRA\""))
        << 2 << QString() << QString() << QStringList() << false;
    // what is missing of the address filed, in both editions
    const QString address = QStringLiteral("\"t1\":{%1}");
    const QString none = address.arg(QStringLiteral("\"Street\":\"\",\"City\":\" \",\"MailProvince\":\"\",\"Postcode\":\"\""));
    QTest::newRow("no mailing address, NETFILE")
        << none << 2 << QString() << QString() << QStringList{kMailingMissing.arg("street, city, province and postal code")}
        << false;
    QTest::newRow("no mailing address, EFILE")
        << none + QStringLiteral(",") + t183 << 1 << id << password
        << QStringList{kMailingMissing.arg("street, city, province and postal code")} << false;
    QTest::newRow("empty mailing province") << address.arg(QStringLiteral("\"MailProvince\":\"  \"")) << 2 << QString()
                                            << QString() << QStringList{kMailingMissing.arg("province")} << false;
    QTest::newRow("postal code of signs only") << address.arg(QStringLiteral("\"Postcode\":\" - \"")) << 2 << QString()
                                               << QString() << QStringList{kMailingMissing.arg("postal code")} << false;
    QTest::newRow("PO box and rural route for a street")
        << address.arg(QStringLiteral("\"Street\":\"\",\"POBox\":\"77\",\"RuralRoute\":\"4\"")) << 2 << QString()
        << QString() << QStringList() << false;
    QTest::newRow("foreign address without country")
        << address.arg(QStringLiteral("\"ForeignMailing\":1,\"MailProvince\":\"\",\"Postcode\":\"\"")) << 2
        << QString() << QString() << QStringList{kForeignMissing.arg("country")} << false;
    QTest::newRow("US address without state or ZIP code")
        << address.arg(QStringLiteral("\"ForeignMailing\":1,\"ForeignCountry\":\"usa\",\"City\":\"\",\"Postcode\":\"\""))
        << 1 << QString() << QString() << QStringList{kT183, kEFilerId, kEFilerPassword, kForeignMissing.arg("city, state and ZIP code")}
        << true;
    QTest::newRow("Schedule 8 and RC381 not called for")
        << QStringLiteral("\"forms\":[{\"type\":150},{\"type\":148}]") << 2 << QString() << QString()
        << texts({"Schedule 8 is not needed, please remove it.", "Please remove form RC381, it's not needed."}) << false;
}

void TestPersonChecks::crossForm()
{
    QFETCH(QString, members);
    QFETCH(int, edition);
    QFETCH(QString, efilerId);
    QFETCH(QString, efilerPassword);
    QFETCH(QStringList, expected);
    QFETCH(bool, withoutT183);
    m_settings.user.insert(QStringLiteral("BusinessEFileNum"), efilerId);
    m_settings.user.insert(QStringLiteral("BusinessEFilePassword"), efilerPassword);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members), &error));
    QVERIFY2(file, qPrintable(error));
    returnbuilder::recalculate(*file);
    if (withoutT183)
        file->self()->removeForm(file->self()->getForm(96, 0, false), true, false);
    QList<ValidationMessageGroup *> groups;
    const int count = file->self()->checkForFiling(edition, groups);
    QCOMPARE(count, groups.size());
    QCOMPARE(crossFormMessages(groups), expected);
    qDeleteAll(groups);
}

void TestPersonChecks::withoutT1()
{
    std::unique_ptr<CReturnFile> file(returnbuilder::build(
        personReturn(QStringLiteral("\"slips\":[{\"type\":9,\"fields\":{\"SharePercent\":0}}]"))));
    QVERIFY(file);
    IndividualTaxData &p = *file->self();
    p.removeForm(p.t1(), true, false);
    QList<ValidationMessageGroup *> groups;
    groups.append(new ValidationMessageGroup(1, 9));   // a group already there counts
    const int count = p.checkForFiling(1, groups);
    QCOMPARE(count, groups.size());
    QCOMPARE(crossFormMessages(groups), texts({kCannotCreate}));
    qDeleteAll(groups);
}

void TestPersonChecks::checkingChangesNothing_data()
{
    QTest::addColumn<QJsonObject>("description");
    const QDir dir(QStringLiteral(BQ_RETURNS2024_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << readJson(dir.filePath(name));
    // T4 slips with CPP contributions call for a Schedule 8 that the return lacks
    QTest::newRow("T4 without Schedule 8") << personReturn(
        QStringLiteral("\"slips\":[{\"type\":1,\"fields\":{\"Box14\":60000,\"Box16\":3500,\"Box22\":9000}}]"));
}

void TestPersonChecks::checkingChangesNothing()
{
    QFETCH(QJsonObject, description);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
    QVERIFY2(file, qPrintable(error));
    const bool fixture = QByteArray(QTest::currentDataTag()).endsWith(".json");
    if (fixture)
        returnbuilder::recalculate(*file);
    else
        QVERIFY(!file->self()->hasForm(150));
    CReturnFile before;
    before.assign(*file);
    const int selfForms = file->self()->formCount(0);
    QList<ValidationMessageGroup *> groups;
    QStringList names;
    QString nameText;
    file->checkForFiling(1, groups, nameText, false, true);
    if (file->isCoupled())
        file->checkForFiling(1, groups, nameText, true, false);
    qDeleteAll(groups);
    QCOMPARE(file->self()->formCount(0), selfForms);
    QVERIFY(!file->differsFrom(before));
    if (!fixture)
        QVERIFY(!file->self()->hasForm(150));
}

BQ_TEST_MAIN_CORE(TestPersonChecks)
#include "tst_personchecks.moc"
