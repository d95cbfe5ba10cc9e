// The T1013 and T1135 documents and the forms' own checks. The documents must
// parse (xmllint) alone and inside their request envelopes, and equal the golden
// files; to rewrite those after a deliberate change, run:
//   BQ_REWRITE_GOLDEN=1 ctest -R tst_formdocuments
// and review the diff of tests/filingdoc/golden/.
#include "bqtest.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "formdocuments.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "settingsseam.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t1new.h"
#include "templatefiller.h"
#include "utils.h"
#include "validationmessagegroup.h"
#include "xmlchecks.h"
#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <memory>

namespace {

constexpr int kFormT1013 = 117;
constexpr int kFormT1135 = 101;
constexpr quint8 kEfile = 1;

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
    QMap<QString, QString> user;
    QMap<QString, QString> config;
};

// An Ontario person with one form of the type, its fields and rows given as JSON members.
std::unique_ptr<CReturnFile> personWithForm(int type, const QString &fields, const QString &rows = QString())
{
    const QString text = QStringLiteral(
        "{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\",\"sin\":\"046454286\","
        "\"birthDate\":\"1980-04-12\",\"province\":9,\"maritalStatus\":5,"
        "\"t1\":{\"PriorFiler\":1,\"Street\":\"12 Birch Ave\",\"City\":\"Toronto\",\"MailProvince\":\"ON\","
        "\"Postcode\":\"m4b 1b3\",\"Phone\":\"(416) 555-0123\"},"
        "\"forms\":[{\"type\":%1,\"fields\":{%2},\"rows\":[%3]}]}]}")
                             .arg(type).arg(fields, rows);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(text.toUtf8()).object(), &error));
    if (!file)
        qWarning() << error;
    else
        returnbuilder::recalculate(*file);
    return file;
}

const char kSoundT1013[] = "\"RepId\":\"A1B2C3D\",\"RepFirstName\":\"Jo\",\"RepLastName\":\"Tremblay\","
                           "\"Level\":2,\"SignDate\":\"2025-03-01\",\"Expiry\":\"2027-12-31\"";
const char kSimplifiedT1135[] = "\"Method\":0,\"HasFunds\":1,\"HasShares\":1,\"Countries\":\"usa, gbr\","
                                "\"SimpleIncome\":1234.5,\"SimpleGain\":-200.4,\"CertDate\":\"2025-03-10\"";
const char kDetailedT1135[] = "\"Method\":1,\"SelfEmployed\":1,\"CertDate\":\"2025-03-10\"";
const char kDetailedRows[] =
    "{\"Category\":4,\"Description\":\"Lakeview Trust\",\"Country\":\"USA\",\"MaxCost\":90000,\"YearEndCost\":85000,"
    "\"Income\":1200,\"CapitalReceived\":300,\"Gain\":0},"
    "{\"Category\":1,\"Description\":\"Harbour Bank\",\"Country\":\"gbr\",\"MaxCost\":150000.5,"
    "\"YearEndCost\":120000,\"Income\":850.49,\"Gain\":0},"
    "{\"Category\":2,\"Description\":\"Fjord Holdings ASA\",\"Country\":\"NOR\",\"MaxCost\":40000,\"YearEndCost\":0,"
    "\"Income\":0,\"Gain\":-2500}";

// The document between the head and the end of its request envelope.
QString inEnvelope(const QString &document, const char *head, const char *end, const TemplateVars &vars)
{
    QString text;
    if (processTemplatePart(text, QString::fromLatin1(head), vars, TemplateUtf8) != TemplateFilled)
        return QString();
    text += document;
    if (processTemplatePart(text, QString::fromLatin1(end), vars, TemplateUtf8) != TemplateFilled)
        return QString();
    return text;
}

QString t1013Envelope(const QString &document)
{
    TemplateVars vars;
    vars.insert("efilerid", CString(QStringLiteral("X1234")));
    vars.insert("password", CString(QStringLiteral("pw&<1")));
    vars.insert("taxyear", CString(QStringLiteral("2024")));
    return inEnvelope(document, ":/net/net/t1013wspart1.xmt", ":/net/net/t1013wspartend.xmt", vars);
}

QString t1135Envelope(const QString &document)
{
    TemplateVars vars;
    const char *keys[] = {"efilerID", "efpasd", "dcn", "ENOAFlag", "precntctcode", "postcntctcode", "firsttime",
                          "origip"};
    for (const char *k : keys)
        vars.insert(k, CString(QStringLiteral("1")));
    return inEnvelope(document, ":/net/net/ewspart1.xmt", ":/net/net/ewspartend.xmt", vars);
}

void compareWithGolden(const QString &doc, const QString &name)
{
    const QString path = QDir(QStringLiteral(BQ_GOLDEN_DIR)).filePath(name + QStringLiteral(".xml"));
    if (qEnvironmentVariableIsSet("BQ_REWRITE_GOLDEN")) {
        QSaveFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(doc.toUtf8());
        QVERIFY(out.flush() && out.error() == QFileDevice::NoError);
        QVERIFY(out.commit());
    }
    QFile golden(path);
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(doc, QString::fromUtf8(golden.readAll()));
}

} // namespace

class TestFormDocuments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void goldenDocuments_data();
    void goldenDocuments();
    void t1013Header();
    void t1135Header();
    void t1013Checks_data();
    void t1013Checks();
    void t1135Checks_data();
    void t1135Checks();
    void escapedValuesReadBack();
    void failuresAddNothing();
    void withoutServices();
    void returnEnvelopes_data();
    void returnEnvelopes();

private:
    MapSettings m_settings;
};

void TestFormDocuments::initTestCase()
{
    installFilingDocServices();
    m_settings.config.insert(QStringLiteral("EfileSoftwareCode"), QStringLiteral("BQ24"));
    m_settings.config.insert(QStringLiteral("EfileSoftwareDate"), QStringLiteral("2025-01-15"));
    m_settings.user.insert(QStringLiteral("BusinessEFileNum"), QStringLiteral("X1234"));
    m_settings.user.insert(QStringLiteral("BusinessEFileNumDbg"), QStringLiteral("T9999"));
    m_settings.user.insert(QStringLiteral("BusinessName"), QStringLiteral("Birch & Co Tax"));
    m_settings.user.insert(QStringLiteral("BusinessAddr"), QStringLiteral("1 Front St W"));
    m_settings.user.insert(QStringLiteral("BusinessPostcode"), QStringLiteral("m5j 2x5"));
    m_settings.user.insert(QStringLiteral("BusinessPhone"), QStringLiteral("416-555-0199"));
    setSettingsSource(&m_settings);
    setCurTimeSource([] { return QDateTime(QDate(2025, 3, 15), QTime(10, 0)); });
}

void TestFormDocuments::cleanupTestCase()
{
    setCurTimeSource(nullptr);
    setSettingsSource(nullptr);
}

void TestFormDocuments::goldenDocuments_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("rows");
    QTest::newRow("t1013") << kFormT1013 << QString::fromLatin1(kSoundT1013) << QString();
    QTest::newRow("t1013-group") << kFormT1013
                                 << QStringLiteral("\"GroupId\":\"gab12c3\",\"GroupName\":\"Birch Group\",\"Level\":1,"
                                                   "\"SignDate\":\"2025-01-20\"")
                                 << QString();
    QTest::newRow("t1135-simplified") << kFormT1135 << QString::fromLatin1(kSimplifiedT1135) << QString();
    QTest::newRow("t1135-detailed") << kFormT1135 << QString::fromLatin1(kDetailedT1135)
                                    << QString::fromLatin1(kDetailedRows);
}

void TestFormDocuments::goldenDocuments()
{
    QFETCH(int, type);
    QFETCH(QString, fields);
    QFETCH(QString, rows);
    std::unique_ptr<CReturnFile> file = personWithForm(type, fields, rows);
    QVERIFY(file);
    QString doc, envelope, messages;
    if (type == kFormT1013) {
        CString text;
        QCOMPARE(file->buildT1013Xml(text), 0);
        doc = text;
        envelope = t1013Envelope(doc);
    } else {
        QCOMPARE(file->buildT1135Xml(doc), 0);
        envelope = t1135Envelope(doc);
    }
    QVERIFY2(xmllintAccepts(doc, &messages), qPrintable(messages + doc));
    QVERIFY(!envelope.isEmpty());
    QVERIFY2(xmllintAccepts(envelope, &messages), qPrintable(messages + envelope));
    compareWithGolden(doc, QString::fromLatin1(QTest::currentDataTag()));
}

void TestFormDocuments::t1013Header()
{
    // the settings' release date never reaches the document; the code gets "H"
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1013, QString::fromLatin1(kSoundT1013));
    QVERIFY(file);
    CString doc;
    QCOMPARE(file->buildT1013Xml(doc), 0);
    QCOMPARE(elementText(doc, QStringLiteral("tris:FormVersion")), QStringLiteral("2024"));
    QCOMPARE(elementText(doc, QStringLiteral("tris:ReleaseDate")).simplified().remove(QLatin1Char(' ')),
             QStringLiteral("20260525"));
    QCOMPARE(elementText(doc, QStringLiteral("tris:SoftwareVendorCode")), QStringLiteral("BQ24H"));
    QCOMPARE(elementText(doc, QStringLiteral("tris:PreparerID")), QStringLiteral("X1234"));
    QCOMPARE(elementText(doc, QStringLiteral("tris:ClientID")), QStringLiteral("046454286"));

    // test mode uses the test EFILE number
    m_settings.config.insert(QStringLiteral("MODEDEBUG"), QStringLiteral("1"));
    CString test;
    QCOMPARE(file->buildT1013Xml(test), 0);
    m_settings.config.remove(QStringLiteral("MODEDEBUG"));
    QCOMPARE(elementText(test, QStringLiteral("tris:PreparerID")), QStringLiteral("T9999"));

    // without an EFILE number the required preparer is missing: no document
    m_settings.user.insert(QStringLiteral("BusinessEFileNum"), QString());
    CString none = CString(QStringLiteral("kept"));
    const int status = file->buildT1013Xml(none);
    m_settings.user.insert(QStringLiteral("BusinessEFileNum"), QStringLiteral("X1234"));
    QCOMPARE(status, int(TemplateMissingKey));
    QCOMPARE(QString(none), QStringLiteral("kept"));
}

void TestFormDocuments::t1135Header()
{
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1135, QString::fromLatin1(kSimplifiedT1135));
    QVERIFY(file);
    QString doc;
    QCOMPARE(file->buildT1135Xml(doc), 0);
    QCOMPARE(elementText(doc, QStringLiteral("t1135:SoftwareID")), QStringLiteral("BQ24K"));
    QCOMPARE(elementText(doc, QStringLiteral("t1135:SoftwareRevisionDate")), QStringLiteral("2026-05-25"));
    QCOMPARE(elementText(doc, QStringLiteral("t1135:PostalZipCode")), QStringLiteral("M4B1B3"));
    QCOMPARE(elementText(doc, QStringLiteral("t1135:GivenName")), QStringLiteral("Avery"));
    QCOMPARE(elementText(doc, QStringLiteral("t1135:GainLossAmount")), QStringLiteral("-200"));
    QCOMPARE(elementText(doc, QStringLiteral("t1135:PreparerName")), QStringLiteral("Birch & Co Tax"));
    // a whole name typed into the page's first-name field is still filed by its given name
    auto *t1135 = dynamic_cast<TaxData_T1135New *>(file->getForm(kFormT1135, 0, false));
    QVERIFY(t1135);
    QCOMPARE(t1135->text(TaxData_T1135New::F_FirstName), QStringLiteral("Avery Lindqvist"));
    const FieldTable &table = t1135->fieldTable();
    const FieldSpec &name = table.describedSpecs(CTaxData_Form::KindForm, kFormT1135)[size_t(
        table.indexOf(QStringLiteral("FirstName")))];
    QCOMPARE(QString::fromUtf8(name.caption), QStringLiteral("Full name"));
    // the last name is in the full name already: filed, not shown a second time
    const FieldSpec &last = table.describedSpecs(CTaxData_Form::KindForm, kFormT1135)[size_t(
        table.indexOf(QStringLiteral("LastName")))];
    QVERIFY(last.internal);
    QCOMPARE(elementText(doc, QStringLiteral("t1135:FamilyName")), QStringLiteral("Lindqvist"));
}

void TestFormDocuments::t1013Checks_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("message");   // empty: no group
    const QString sound = QString::fromLatin1(kSoundT1013);
    QTest::newRow("sound") << sound << QString();
    QTest::newRow("group id") << QStringLiteral("\"GroupId\":\"G12345A\",\"SignDate\":\"2025-03-01\"") << QString();
    QTest::newRow("business number")
        << QStringLiteral("\"BusinessNumber\":\"123456789 RC 0001\",\"SignDate\":\"2025-03-01\"") << QString();
    QTest::newRow("no representative") << QStringLiteral("\"SignDate\":\"2025-03-01\"") << "RepID, GroupID";
    QTest::newRow("short RepID") << QStringLiteral("\"RepId\":\"A1B2\",\"SignDate\":\"2025-03-01\"") << "7 letters";
    QTest::newRow("group without G") << QStringLiteral("\"GroupId\":\"X123456\",\"SignDate\":\"2025-03-01\"")
                                     << "letter G";
    QTest::newRow("business number without RC")
        << QStringLiteral("\"BusinessNumber\":\"1234567890001\",\"SignDate\":\"2025-03-01\"") << "9 digits, RC";
    QTest::newRow("not signed") << QStringLiteral("\"RepId\":\"A1B2C3D\"") << "signed the form";
    QTest::newRow("signed tomorrow") << QStringLiteral("\"RepId\":\"A1B2C3D\",\"SignDate\":\"2025-03-16\"")
                                     << "future";
    QTest::newRow("signed 6 months ago") << QStringLiteral("\"RepId\":\"A1B2C3D\",\"SignDate\":\"2024-09-15\"")
                                         << QString();
    QTest::newRow("signed over 6 months ago") << QStringLiteral("\"RepId\":\"A1B2C3D\",\"SignDate\":\"2024-09-14\"")
                                              << "within 6 months";
    QTest::newRow("expiry before signature")
        << QStringLiteral("\"RepId\":\"A1B2C3D\",\"SignDate\":\"2025-03-01\",\"Expiry\":\"2025-02-01\"") << "expiry";
    QTest::newRow("filed and accepted long ago")
        << QStringLiteral("\"RepId\":\"A1B2C3D\",\"SignDate\":\"2024-01-10\",\"FilingStatus\":1") << QString();
}

void TestFormDocuments::t1013Checks()
{
    QFETCH(QString, fields);
    QFETCH(QString, message);
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1013, fields);
    QVERIFY(file);
    QList<ValidationMessageGroup *> groups;
    const int result = file->collectT1013Messages(kEfile, groups);
    QCOMPARE(groups.size(), message.isEmpty() ? 0 : 1);
    QCOMPARE(result, message.isEmpty() ? 0 : groups.first()->messages.size());
    CString doc;
    QCOMPARE(file->buildT1013Xml(doc), message.isEmpty() ? 0 : -1);
    if (!message.isEmpty()) {
        QCOMPARE(groups.first()->kind, 2);
        QCOMPARE(groups.first()->type, kFormT1013);
        QVERIFY2(groups.first()->messages.first().contains(message), qPrintable(groups.first()->messages.first()));
        QVERIFY(doc.isEmpty());
    }
    qDeleteAll(groups);
}

void TestFormDocuments::t1135Checks_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("message");   // empty: no group
    const QString simplified = QString::fromLatin1(kSimplifiedT1135);
    const QString detailed = QString::fromLatin1(kDetailedT1135);
    QTest::newRow("simplified") << simplified << QString() << QString();
    QTest::newRow("detailed") << detailed << QString::fromLatin1(kDetailedRows) << QString();
    QTest::newRow("simplified without kinds") << QStringLiteral("\"Method\":0,\"Countries\":\"USA\"") << QString()
                                              << "kind of foreign property";
    QTest::newRow("simplified without countries") << QStringLiteral("\"Method\":0,\"HasFunds\":1") << QString()
                                                  << "code of each country";
    QTest::newRow("simplified bad country") << QStringLiteral("\"Method\":0,\"HasFunds\":1,\"Countries\":\"US\"")
                                            << QString() << "\"US\" is not";
    QTest::newRow("simplified at 250000")
        << QStringLiteral("\"Method\":0,\"HasFunds\":1,\"Countries\":\"USA\"")
        << QStringLiteral("{\"Category\":1,\"Description\":\"B\",\"Country\":\"USA\",\"MaxCost\":250000}")
        << "under $250,000";
    QTest::newRow("detailed without rows") << detailed << QString() << "each specified foreign property";
    QTest::newRow("row without category")
        << detailed << QStringLiteral("{\"Description\":\"B\",\"Country\":\"USA\",\"MaxCost\":1}")
        << "property 1: choose its category";
    QTest::newRow("category 8")
        << detailed << QStringLiteral("{\"Category\":8,\"Description\":\"B\",\"Country\":\"USA\",\"MaxCost\":1}")
        << "property 1: choose its category";
    QTest::newRow("year-end cost above the highest")
        << detailed
        << QStringLiteral("{\"Category\":6,\"Description\":\"B\",\"Country\":\"USA\",\"MaxCost\":10,\"YearEndCost\":11}")
        << "cannot exceed";
    QTest::newRow("not an individual") << QStringLiteral("\"Kind\":1,") + simplified << QString() << "individual";
    QTest::newRow("foreign address without country code")
        << QStringLiteral("\"Country\":\"France\",") + simplified << QString() << "3-letter country code";
}

void TestFormDocuments::t1135Checks()
{
    QFETCH(QString, fields);
    QFETCH(QString, rows);
    QFETCH(QString, message);
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1135, fields, rows);
    QVERIFY(file);
    QList<ValidationMessageGroup *> groups;
    const int result = file->collectT1135Messages(kEfile, groups);
    QCOMPARE(groups.size(), message.isEmpty() ? 0 : 1);
    QCOMPARE(result, message.isEmpty() ? 0 : groups.first()->messages.size());
    QString doc = QStringLiteral("kept");
    QCOMPARE(file->buildT1135Xml(doc), message.isEmpty() ? 0 : -1);
    if (!message.isEmpty()) {
        QCOMPARE(groups.first()->kind, 2);
        QCOMPARE(groups.first()->type, kFormT1135);
        QVERIFY2(groups.first()->messages.first().contains(message), qPrintable(groups.first()->messages.first()));
        QCOMPARE(doc, QStringLiteral("kept"));
    }
    qDeleteAll(groups);
}

void TestFormDocuments::escapedValuesReadBack()
{
    const QString hostile = QStringLiteral("O'Brien & <Sons>");
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1135, QString::fromLatin1(kDetailedT1135),
                                                       QStringLiteral("{\"Category\":5,\"Description\":\"Villa & <pool>\","
                                                                      "\"Country\":\"FRA\",\"MaxCost\":5}"));
    QVERIFY(file);
    file->self()->t1()->setLastName(hostile);
    returnbuilder::recalculate(*file);
    QString doc, messages;
    QCOMPARE(file->buildT1135Xml(doc), 0);
    QVERIFY2(xmllintAccepts(doc, &messages), qPrintable(messages + doc));
    QCOMPARE(elementText(doc, QStringLiteral("t1135:FamilyName")), hostile);
    QCOMPARE(elementText(doc, QStringLiteral("t1135:DescriptionText")), QStringLiteral("Villa & <pool>"));

    std::unique_ptr<CReturnFile> t1013 = personWithForm(kFormT1013, QString::fromLatin1(kSoundT1013));
    QVERIFY(t1013);
    t1013->self()->t1()->setLastName(hostile);
    returnbuilder::recalculate(*t1013);
    CString text;
    QCOMPARE(t1013->buildT1013Xml(text), 0);
    QVERIFY2(xmllintAccepts(text, &messages), qPrintable(messages + text));
    QCOMPARE(elementText(text, QStringLiteral("tris:Surname")), hostile);
}

void TestFormDocuments::failuresAddNothing()
{
    // no form
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1135, QString::fromLatin1(kSimplifiedT1135));
    QVERIFY(file);
    CString t1013Doc = CString(QStringLiteral("kept"));
    QList<ValidationMessageGroup *> groups;
    QCOMPARE(file->collectT1013Messages(kEfile, groups), 0);
    QVERIFY(groups.isEmpty());
    QCOMPARE(file->buildT1013Xml(t1013Doc), int(FormDocumentNoForm));
    QCOMPARE(QString(t1013Doc), QStringLiteral("kept"));

    // a template the producer lacks, or one with a variable nobody fills
    auto *t1135 = dynamic_cast<TaxData_T1135New *>(file->self()->getForm(kFormT1135, 0, false));
    QVERIFY(t1135);
    TemplateVars vars;
    vars.insert("t1135part2", CString(QStringLiteral("<a>$$(firstname)</a>")));
    CString body = CString(QStringLiteral("kept"));
    QCOMPARE(t1135->getT1135XMLContent(body, vars), int(TemplateUnreadable));
    vars.insert("t1135part3", CString(QStringLiteral("<b>$$(nobody)</b>")));
    QCOMPARE(t1135->getT1135XMLContent(body, vars), int(TemplateMissingKey));
    QCOMPARE(QString(body), QStringLiteral("kept"));

}

void TestFormDocuments::withoutServices()
{
    std::unique_ptr<CReturnFile> file = personWithForm(kFormT1135, QString::fromLatin1(kSimplifiedT1135));
    QVERIFY(file);
    IndividualTaxData::setFilingServices(nullptr);
    QString doc;
    const int status = file->buildT1135Xml(doc);
    installFilingDocServices();
    QCOMPARE(status, -100);
    QVERIFY(doc.isEmpty());
}

void TestFormDocuments::returnEnvelopes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QString>("forms");
    const QString signedT183 = QStringLiteral("{\"type\":96,\"fields\":{\"ESigned\":1,\"SignDate\":\"2025-03-01\","
                                              "\"SignTime\":\"10:15:00\",\"RepresentativeAuthorized\":1,"
                                              "\"AuthorizationExpiry\":\"2026-03-01\"}},"
                                              "{\"type\":53,\"fields\":{\"DiscounterCode\":\"12&4\",\"ESigned\":1,"
                                              "\"ESignTime\":\"2025-03-02T09:00:00\"}}");
    QTest::newRow("efile, returning filer") << 1 << QStringLiteral("\"PriorFiler\":1")
                                            << QStringLiteral("{\"type\":96}");
    QTest::newRow("efile, first filing, signed T183 and RC71") << 1 << QString() << signedT183;
    QTest::newRow("netfile, first filing") << 2 << QString() << QString();
    QTest::newRow("netfile, access code") << 2 << QStringLiteral("\"PriorFiler\":1,\"NetfileAccessCode\":\"A&<1\"")
                                          << QString();
}

// The T1Return document inside the envelope filled from the person's variables
// (as the senders fill it, with the originating address) parses.
void TestFormDocuments::returnEnvelopes()
{
    QFETCH(int, mode);
    QFETCH(QString, t1);
    QFETCH(QString, forms);
    const QString text = QStringLiteral(
        "{\"persons\":[{\"firstName\":\"Avery & Jo\",\"lastName\":\"O'Brien <Sons>\",\"sin\":\"046454286\","
        "\"birthDate\":\"1980-04-12\",\"province\":9,\"maritalStatus\":5,\"t1\":{%1},"
        "\"forms\":[%2]}]}").arg(t1, forms);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(text.toUtf8()).object(), &error));
    QVERIFY2(file, qPrintable(error));
    returnbuilder::recalculate(*file);
    m_settings.user.insert(QStringLiteral("BusinessEFilePassword"), QStringLiteral("p&ss<1>"));
    QString document;
    QCOMPARE(file->buildNetfileDocument(document, mode), 0);
    QMap<QString, QString> map;
    if (mode == 1)
        file->fillEfileHeaderVars(map, 1);
    else
        file->fillNetfileRequestVars(map, 1, nullptr, nullptr, 0);
    TemplateVars vars;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        vars.insert(it.key().toLatin1(), CString(it.value()));
    vars.insert("origip", CString(QStringLiteral("0.0.0.0")));
    const QString envelope = mode == 1
        ? inEnvelope(document, ":/net/net/ewspart1.xmt", ":/net/net/ewspartend.xmt", vars)
        : inEnvelope(document, ":/net/net/nwspart1.xmt", ":/net/net/nwspartend.xmt", vars);
    QVERIFY(!envelope.isEmpty());
    QString messages;
    QVERIFY2(xmllintAccepts(envelope, &messages), qPrintable(messages + envelope));
    if (forms.contains(QLatin1String("ESigned")))
        QCOMPARE(elementText(envelope, QStringLiteral("ef:RC71ElectronicSignatureIndicator")), QStringLiteral("1"));
}

BQ_TEST_MAIN_CORE(TestFormDocuments)
#include "tst_formdocuments.moc"
