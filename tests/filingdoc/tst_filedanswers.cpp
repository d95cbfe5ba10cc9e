// Every T1 question that is filed, in each of its states: what the EFILE document
// sends and what the 2D barcode of the same return says, both against the meaning
// of the answer typed ("1" yes and "2" no unless the row says otherwise).
#include "barcodedata.h"
#include "barcodedecoder.h"
#include "bqtest.h"
#include "cmemoryblock.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "returnbuilder.h"
#include "settingsseam.h"
#include "xmlchecks.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

enum Province { Alberta = 1, BritishColumbia = 2, NewfoundlandLabrador = 5, NorthwestTerritories = 6,
                Ontario = 9, Yukon = 13 };
enum Marital { Married = 0, Single = 5 };

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &) const override { return QString(); }
    QString configValue(const QString &key) const override { return config.value(key); }
    QMap<QString, QString> config;
};

// A single person with a valid SIN, the T1 members given.
std::unique_ptr<CReturnFile> person(int province, int marital, const QString &t1)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                                        "\"sin\":\"130692544\",\"birthDate\":\"1980-04-12\",\"province\":%1,"
                                        "\"maritalStatus\":%2,\"t1\":{%3}}]}")
                             .arg(province)
                             .arg(marital)
                             .arg(t1);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(text.toUtf8()).object(), &error));
    if (!file)
        qWarning() << error << text;
    else
        returnbuilder::recalculate(*file);
    return file;
}

barcodedecoder::Block t1Barcode(IndividualTaxData &p)
{
    CMemoryBlock block;
    writeT1BarcodeBlock(p, block);
    return barcodedecoder::decode(block.bytes());
}

// The line entry of a code ("26600" and its value), or "<none>".
QByteArray lineEntry(const barcodedecoder::Block &b, const QByteArray &code)
{
    for (const QByteArray &e : b.entries)
        if (e.startsWith(code) || e.startsWith(code + '&'))
            return e;
    return QByteArrayLiteral("<none>");
}

} // namespace

class TestFiledAnswers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void documentAndBarcodeAgree_data();
    void documentAndBarcodeAgree();

private:
    MapSettings m_settings;
};

void TestFiledAnswers::initTestCase()
{
    installFilingDocServices();
    m_settings.config.insert(QStringLiteral("EfileSoftwareCode"), QStringLiteral("BQ2"));
    m_settings.config.insert(QStringLiteral("EfileSoftwareDate"), QStringLiteral("2026-05-25"));
    setSettingsSource(&m_settings);
}

void TestFiledAnswers::cleanupTestCase()
{
    setSettingsSource(nullptr);
}

void TestFiledAnswers::documentAndBarcodeAgree_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("marital");
    QTest::addColumn<QString>("t1");          // the answers typed
    QTest::addColumn<QString>("element");     // of the EFILE document
    QTest::addColumn<QString>("filed");       // null: the element is absent
    QTest::addColumn<int>("item");            // barcode record position (1-based); 0 a line entry
    QTest::addColumn<QByteArray>("barcode");  // the item's text, or the line entry

    const QString absent;
    auto row = [](const char *name, int province, int marital, const char *t1, const char *element,
                  const QString &filed, int item, const char *barcode) {
        QTest::newRow(name) << province << marital << QString::fromLatin1(t1) << QString::fromLatin1(element)
                            << filed << item << QByteArray(barcode);
    };
    const char *elections = "t1:ElectionsCanadaAuthorizationIndicator";
    row("Elections Canada ticked", Ontario, Single, "\"Citizenship\":0,\"ElectionsCanada\":1", elections, "01", 457, "01");
    row("Elections Canada not ticked", Ontario, Single, "\"Citizenship\":0,\"ElectionsCanada\":0", elections, "02", 457,
        "02");
    row("Elections Canada, not a citizen", Ontario, Single, "\"Citizenship\":1,\"ElectionsCanada\":1", elections, absent,
        457, "00");
    row("Elections Canada, citizenship unanswered", Ontario, Single, "\"ElectionsCanada\":1", elections, absent, 457, "00");

    const char *citizen = "t1:CanadianCitizenshipIndicator";
    row("citizen", Ontario, Single, "\"Citizenship\":0", citizen, "1", 456, "1");
    row("not a citizen", Ontario, Single, "\"Citizenship\":1", citizen, "2", 456, "2");
    row("citizenship unanswered", Ontario, Single, "", citizen, "0", 456, "0");

    const char *donor = "t1:DonorConsentIndicator";
    row("organ donor ticked", Ontario, Single, "\"OrganDonor\":1", donor, "1", 484, "1");
    row("organ donor not ticked", Ontario, Single, "\"OrganDonor\":0", donor, "2", 484, "2");
    row("organ donor outside Ontario", Alberta, Single, "\"OrganDonor\":1", donor, absent, 484, "0");

    const char *rural = "tp:CCRRuralSupplementIndicator";
    row("carbon rebate rural ticked", Ontario, Single, "\"RuralSupplement\":1", rural, "1", 479, "1");
    row("carbon rebate rural not ticked", Ontario, Single, "\"RuralSupplement\":0", rural, "2", 479, "2");
    row("carbon rebate outside its provinces", BritishColumbia, Single, "\"RuralSupplement\":1", rural, absent, 479, "0");

    row("foreign property over $100,000", Ontario, Single, "\"ForeignPropertyOver100K\":1", "t1:Line26600", "1", 0,
        "266001");
    row("no foreign property over $100,000", Ontario, Single, "\"ForeignPropertyOver100K\":0", "t1:Line26600", "2", 0,
        "266002");

    const char *home = "tp:HomeAddressSameAsMailingAddressIndicator";
    row("home address same", Ontario, Single, "\"HomeAddressSame\":0", home, "1", 337, "1");
    row("home address different", Ontario, Single, "\"HomeAddressSame\":1", home, "2", 337, "2");
    row("home address unanswered", Ontario, Single, "", home, absent, 337, "0");

    const char *spouseSelf = "tp:SelfEmployedSpouseDeadlineIndicator";
    row("spouse self-employed", Ontario, Married, "\"SpouseSelfEmployed\":1", spouseSelf, "1", 455, "1");
    row("spouse not self-employed", Ontario, Married, "\"SpouseSelfEmployed\":0", spouseSelf, "0", 455, "0");
    row("self-employed spouse of a single person", Ontario, Single, "\"SpouseSelfEmployed\":1", spouseSelf, "0", 455, "0");

    const char *language = "tp:CorrespondenceLanguageCode";
    row("English", Ontario, Single, "\"Language\":0", language, "1", 348, "1");
    row("French", Ontario, Single, "\"Language\":1", language, "2", 348, "2");
    row("married", Ontario, Married, "", "tp:TaxpayerMaritalStatusCode", "1", 36, "1");
    row("single", Ontario, Single, "", "tp:TaxpayerMaritalStatusCode", "6", 36, "6");

    // the mailing province is filed as its two-letter code; anything else is not a province
    const char *mailing = "comm:AddressProvinceCode";
    row("mailing province code", Ontario, Single, "\"MailProvince\":\"ON\"", mailing, "ON", 246, "ON");
    row("mailing province code in lower case", Ontario, Single, "\"MailProvince\":\" qc \"", mailing, "QC", 246, "QC");
    row("mailing province name", Ontario, Single, "\"MailProvince\":\"Ontario\"", mailing, "", 246, "  ");
    row("mailing province abbreviation", Ontario, Single, "\"MailProvince\":\"Ont.\"", mailing, "", 246, "  ");
    row("mailing province name with an accent", Ontario, Single, "\"MailProvince\":\"Qu\\u00e9bec\"", mailing, "",
        246, "  ");
    row("foreign mailing address", Ontario, Single, "\"MailProvince\":\"ON\",\"ForeignMailing\":1", mailing, absent,
        246, "  ");

    const char *moved = "tp:ProvinceOfResidenceEffectiveDate";
    row("moved in 2024", Ontario, Single, "\"DateOfMove\":\"2024-06-01\"", moved, "2024-06-01", 329, "20240601");
    row("moved in 2023", Ontario, Single, "\"DateOfMove\":\"2023-06-01\"", moved, absent, 329, "00000000");

    // Yukon: settlement land, the First Nation's code and its citizenship
    const char *land = "tp:AboriginalLandResidenceIndicator";
    const char *nation = "tp:YukonFirstNationsSettlementNumber";
    const char *nationId = "tp:FirstNationIdentificationIndicator";
    const char *citizenOf3 = "\"YukonFirstNation\":3,\"SettlementLand\":0,\"FirstNationIdentification\":0";
    row("Yukon settlement land", Yukon, Single, citizenOf3, land, "1", 459, "1");
    row("Yukon First Nation code", Yukon, Single, citizenOf3, nation, "3", 462, "00003");
    row("Yukon First Nation citizen", Yukon, Single, citizenOf3, nationId, "1", 467, "1");
    row("Yukon First Nation, not a citizen", Yukon, Single, "\"YukonFirstNation\":3,\"FirstNationIdentification\":1",
        nationId, "2", 467, "2");
    row("Yukon off settlement land", Yukon, Single, "\"SettlementLand\":1", land, "2", 459, "2");
    row("Yukon, no First Nation named", Yukon, Single, "\"SettlementLand\":1,\"FirstNationIdentification\":0", nationId,
        absent, 467, "0");
    row("Yukon, no First Nation code", Yukon, Single, "\"SettlementLand\":1", nation, absent, 462, "00000");
    row("Yukon settlement number typed", Yukon, Single, "\"YukonSettlementNumber\":\" 11001 \"", nation, "11001", 462,
        "11001");
    row("Yukon settlement number not a number", Yukon, Single, "\"YukonSettlementNumber\":\"KDFN\"", nation, absent, 462,
        "00000");
    row("Yukon unanswered", Yukon, Single, "", land, absent, 459, "0");

    // Northwest Territories: Tlicho lands, Deline and the Deline First Nation
    const char *tlicho = "tp:TlichoLandResidenceIndicator";
    const char *deline = "tp:DelineLandResidenceIndicator";
    row("Tlicho lands", NorthwestTerritories, Single, "\"Tlicho\":0", tlicho, "1", 460, "1");
    row("not on Tlicho lands", NorthwestTerritories, Single, "\"Tlicho\":1", tlicho, "2", 460, "2");
    row("Tlicho unanswered", NorthwestTerritories, Single, "", tlicho, absent, 460, "0");
    row("Deline", NorthwestTerritories, Single, "\"Deline\":0", deline, "1", 461, "1");
    row("not in Deline", NorthwestTerritories, Single, "\"Deline\":1", deline, "2", 461, "2");
    row("Deline First Nation citizen", NorthwestTerritories, Single,
        "\"Deline\":0,\"DelineFirstNation\":0,\"FirstNationIdentification\":1", nationId, "1", 467, "1");
    row("Deline, not a First Nation citizen", NorthwestTerritories, Single,
        "\"Deline\":0,\"DelineFirstNation\":1,\"FirstNationIdentification\":0", nationId, "2", 467, "2");
    row("Deline, First Nation unanswered", NorthwestTerritories, Single, "\"Deline\":0,\"FirstNationIdentification\":0",
        nationId, absent, 467, "0");
    row("Deline First Nation outside Deline", NorthwestTerritories, Single, "\"Deline\":1,\"DelineFirstNation\":0",
        nationId, absent, 467, "0");
    row("Yukon answers in the territories", NorthwestTerritories, Single, "\"SettlementLand\":0,\"YukonFirstNation\":3",
        land, absent, 459, "0");

    // Newfoundland and Labrador: the Labrador Inuit Settlement Area
    row("Labrador Inuit area", NewfoundlandLabrador, Single, "\"LabradorInuit\":0", land, "1", 459, "1");
    row("outside the Labrador Inuit area", NewfoundlandLabrador, Single, "\"LabradorInuit\":1", land, "2", 459, "2");
    row("Yukon settlement answer in Labrador", NewfoundlandLabrador, Single, "\"SettlementLand\":0", land, absent, 459,
        "0");
}

void TestFiledAnswers::documentAndBarcodeAgree()
{
    QFETCH(int, province);
    QFETCH(int, marital);
    QFETCH(QString, t1);
    QFETCH(QString, element);
    QFETCH(QString, filed);
    QFETCH(int, item);
    QFETCH(QByteArray, barcode);
    std::unique_ptr<CReturnFile> file = person(province, marital, t1);
    QVERIFY(file);
    QString doc;
    QCOMPARE(file->buildNetfileDocument(doc, 1), 0);
    QCOMPARE(elementText(doc, element), filed.isNull() ? QStringLiteral("<absent>") : filed);

    const barcodedecoder::Block b = t1Barcode(*file->self());
    QVERIFY(b.valid && b.terminated);
    if (item > 0)
        QCOMPARE(b.record.mid(item - 1, barcode.size()), barcode);
    else
        QCOMPARE(lineEntry(b, barcode.left(5)), barcode);
}

BQ_TEST_MAIN_CORE(TestFiledAnswers)
#include "tst_filedanswers.moc"
