// The T1Return filing document and the envelope variables of one person, on
// returns built from the descriptions in fixtures/. The documents must parse
// (xmllint) and equal the golden files; to rewrite those after a deliberate
// change, run:  BQ_REWRITE_GOLDEN=1 ctest -R tst_t1returndocument
// and review the diff of tests/filingdoc/golden/.
#include "bqtest.h"
#include "creturnfile.h"
#include "ctaxdata_rc71.h"
#include "filingdocservices.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "settingsseam.h"
#include "t1returndocument.h"
#include "taxdata_t183new.h"
#include "taxdata_t185.h"
#include "taxdata_t1new.h"
#include "validationmessagegroup.h"
#include "xmlchecks.h"
#include "templatefiller.h"
#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QXmlStreamReader>
#include <limits>
#include <memory>

namespace {

using T1 = TaxData_T1New;
constexpr quint8 kEfile = 1;
constexpr quint8 kNetfile = 2;

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return user.value(name); }
    QString configValue(const QString &key) const override { return config.value(key); }
    QMap<QString, QString> user;
    QMap<QString, QString> config;
};

QJsonObject readJson(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

std::unique_ptr<CReturnFile> fixture(const QString &name)
{
    const QJsonObject d = readJson(QDir(QStringLiteral(BQ_FIXTURES_DIR)).filePath(name + QStringLiteral(".json")));
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(d, &error));
    if (!file)
        qWarning() << name << error;
    else
        returnbuilder::recalculate(*file);
    return file;
}

// A single Ontario person with the given T1 values (JSON members of "t1").
std::unique_ptr<CReturnFile> person(const QString &t1Members)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                                        "\"sin\":\"046454286\",\"birthDate\":\"1980-04-12\",\"province\":9,"
                                        "\"maritalStatus\":5,\"t1\":{%1}}]}").arg(t1Members);
    std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(text.toUtf8()).object()));
    if (file)
        returnbuilder::recalculate(*file);
    return file;
}

QString document(CReturnFile &file, quint8 mode, int *status = nullptr)
{
    QString text;
    const int r = file.buildNetfileDocument(text, mode);
    if (status)
        *status = r;
    return text;
}

} // namespace

class TestT1ReturnDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void goldenDocuments_data();
    void goldenDocuments();
    void part1Values_data();
    void part1Values();
    void roundedAmounts_data();
    void roundedAmounts();
    void escapedValuesReadBack();
    void noT1GivesNoDocument();
    void unreadableTemplateGivesNoDocument();
    void netfileVars_data();
    void netfileVars();
    void efileVars();
    void efileRequestKindsAndSignatures();
    void testCaseOnlyInTestMode();
    void padAgreement_data();
    void padAgreement();

private:
    MapSettings m_settings;
};

void TestT1ReturnDocument::initTestCase()
{
    installFilingDocServices();
    m_settings.config.insert(QStringLiteral("EfileSoftwareCode"), QStringLiteral("BQ24"));
    m_settings.config.insert(QStringLiteral("EfileSoftwareDate"), QStringLiteral("2026-05-25"));
    m_settings.config.insert(QStringLiteral("NetfileSoftwareCode"), QStringLiteral("BN24"));
    m_settings.config.insert(QStringLiteral("NetfileSoftwareDate"), QStringLiteral("2026-05-20"));
    setSettingsSource(&m_settings);
}

void TestT1ReturnDocument::cleanupTestCase()
{
    setSettingsSource(nullptr);
}

void TestT1ReturnDocument::goldenDocuments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<int>("mode");
    const char *names[] = {"single-employee", "coupled-spouse", "deceased-bankrupt", "netfile-foreign",
                           "yukon-first-nation", "returning-no-first-name"};
    for (const char *n : names) {
        const bool spouse = QByteArray(n) == "coupled-spouse";
        QTest::addRow("%s efile", n) << QString::fromLatin1(n) << spouse << int(kEfile);
        QTest::addRow("%s netfile", n) << QString::fromLatin1(n) << spouse << int(kNetfile);
    }
}

void TestT1ReturnDocument::goldenDocuments()
{
    QFETCH(QString, name);
    QFETCH(bool, spouse);
    QFETCH(int, mode);
    std::unique_ptr<CReturnFile> file = fixture(name);
    QVERIFY(file);
    if (spouse)
        file->setCurrentPerson(-1);
    int status = -1;
    const QString doc = document(*file, quint8(mode), &status);
    QCOMPARE(status, 0);
    QString messages;
    QVERIFY2(xmllintAccepts(doc, &messages), qPrintable(messages + doc));

    const QString path = QDir(QStringLiteral(BQ_GOLDEN_DIR))
                             .filePath(name + (mode == kEfile ? QStringLiteral("-efile.xml") : QStringLiteral("-netfile.xml")));
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

void TestT1ReturnDocument::part1Values_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("expected");   // null: the element is absent

    const QString named = QStringLiteral("\"PriorFiler\":1,\"FirstName\":\"Avery\",\"LastName\":\"Lindqvist\"");
    QTest::newRow("netfile given name empty") << named << int(kNetfile) << "comm:GivenName" << "";
    QTest::newRow("netfile family name empty") << named << int(kNetfile) << "comm:FamilyName" << "";
    QTest::newRow("returning filer given name") << named << int(kEfile) << "comm:GivenName" << "Avery";
    QTest::newRow("first-time filer given name empty") << QString() << int(kEfile) << "comm:GivenName" << "";
    QTest::newRow("first-time filer family name empty") << QString() << int(kEfile) << "comm:FamilyName" << "";
    QTest::newRow("returning filer without first name")
        << QStringLiteral("\"PriorFiler\":1,\"FirstName\":\"\"") << int(kEfile) << "comm:GivenName" << "X";
    QTest::newRow("last name changed") << named + QStringLiteral(",\"SurnameChange\":0") << int(kEfile)
                                       << "tp:SurnameChangeIndicator" << "1";
    QTest::newRow("last name not changed") << named + QStringLiteral(",\"SurnameChange\":1") << int(kEfile)
                                           << "tp:SurnameChangeIndicator" << "2";
    QTest::newRow("last name change unanswered") << named << int(kEfile) << "tp:SurnameChangeIndicator" << QString();
    QTest::newRow("re-file efile") << QStringLiteral("\"ReFile\":1") << int(kEfile) << "comm:SoftwareID" << "BQ24R";
    QTest::newRow("re-file amended") << QStringLiteral("\"ReFile\":1") << int(kEfile) << "t1:AmendedTaxReturnIndicator"
                                     << "1";
    QTest::newRow("re-file netfile") << QStringLiteral("\"ReFile\":1") << int(kNetfile) << "comm:SoftwareID" << "BN24S";
    QTest::newRow("first filing efile") << QString() << int(kEfile) << "comm:SoftwareID" << "BQ24F";
    QTest::newRow("first filing not amended") << QString() << int(kEfile) << "t1:AmendedTaxReturnIndicator" << QString();
    QTest::newRow("move in 2023") << QStringLiteral("\"DateOfMove\":\"2023-12-31\"") << int(kEfile)
                                  << "tp:ProvinceOfResidenceEffectiveDate" << QString();
    QTest::newRow("move in 2024") << QStringLiteral("\"DateOfMove\":\"2024-02-29\"") << int(kEfile)
                                  << "tp:ProvinceOfResidenceEffectiveDate" << "2024-02-29";
    QTest::newRow("tlicho outside the territories") << QStringLiteral("\"Tlicho\":0,\"Deline\":0") << int(kEfile)
                                                    << "tp:TlichoLandResidenceIndicator" << QString();
    QTest::newRow("deline outside the territories") << QStringLiteral("\"Tlicho\":0,\"Deline\":0") << int(kEfile)
                                                    << "tp:DelineLandResidenceIndicator" << QString();
    QTest::newRow("phone of ten digits area") << QStringLiteral("\"Phone\":\"1 (416) 555-0123\"") << int(kEfile)
                                              << "comm:TelephoneAreaCode" << "416";
    QTest::newRow("phone of ten digits number") << QStringLiteral("\"Phone\":\"416 555 0123\"") << int(kEfile)
                                                << "comm:TelephoneLocalNumber" << "5550123";
    QTest::newRow("phone of seven digits") << QStringLiteral("\"Phone\":\"555-0123\"") << int(kEfile)
                                           << "comm:TelephoneLocalNumber" << QString();
    QTest::newRow("phone of twelve digits") << QStringLiteral("\"Phone\":\"416-555-0123 45\"") << int(kEfile)
                                            << "comm:TelephoneAreaCode" << QString();
    QTest::newRow("spouse net income 0") << QStringLiteral("\"MaritalStatus\":0,\"SpouseSIN\":\"130692544\"")
                                         << int(kEfile) << "tp:SpouseNetIncomeAmount" << QString();
    QTest::newRow("spouse net income 0.4")
        << QStringLiteral("\"MaritalStatus\":0,\"SpouseSIN\":\"130692544\",\"SpouseNetIncome\":0.4") << int(kEfile)
        << "tp:SpouseNetIncomeAmount" << QString();
    QTest::newRow("spouse net income 0.5")
        << QStringLiteral("\"MaritalStatus\":0,\"SpouseSIN\":\"130692544\",\"SpouseNetIncome\":0.5") << int(kEfile)
        << "tp:SpouseNetIncomeAmount" << "1";
    // past the range of a 32-bit int, written whole
    QTest::newRow("spouse net income 3,000,000,000")
        << QStringLiteral("\"MaritalStatus\":0,\"SpouseSIN\":\"130692544\",\"SpouseNetIncome\":3000000000.4")
        << int(kEfile) << "tp:SpouseNetIncomeAmount" << "3000000000";
    QTest::newRow("spouse UCCB repayment 3,000,000,000")
        << QStringLiteral("\"MaritalStatus\":0,\"SpouseSIN\":\"130692544\",\"SpouseUCCBRepayment\":3000000000.9")
        << int(kEfile) << "tp:SpouseUniversalChildCareRepaymentAmount" << "3000000000";
    QTest::newRow("long care-of line cut") << QStringLiteral("\"CareOf\":\"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123\"")
                                           << int(kEfile) << "comm:AddressCareOfLineText"
                                           << "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
}

void TestT1ReturnDocument::part1Values()
{
    QFETCH(QString, t1);
    QFETCH(int, mode);
    QFETCH(QString, element);
    QFETCH(QString, expected);
    std::unique_ptr<CReturnFile> file = person(t1);
    QVERIFY(file);
    int status = -1;
    const QString doc = document(*file, quint8(mode), &status);
    QCOMPARE(status, 0);
    QCOMPARE(elementText(doc, element), expected.isNull() ? QStringLiteral("<absent>") : expected);
}

void TestT1ReturnDocument::roundedAmounts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<qint64>("bankrupt");
    QTest::newRow("0") << 0.0 << qint64(1);
    QTest::newRow("-0.505") << -0.505 << qint64(1);
    QTest::newRow("-0.6") << -0.6 << qint64(-1);
    QTest::newRow("0.99") << 0.99 << qint64(1);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("-1234.5") << -1234.5 << qint64(-1235);
    QTest::newRow("-3,000,000,000.5") << -3000000000.5 << qint64(-3000000001);
    QTest::newRow("past 64 bits") << 1e300 << std::numeric_limits<qint64>::max();
}

void TestT1ReturnDocument::roundedAmounts()
{
    QFETCH(double, amount);
    QTEST(wholeBankruptAmount(amount), "bankrupt");
}

// A bankrupt person's document: the bankrupt part, records and no SFD count.
void TestT1ReturnDocument::escapedValuesReadBack()
{
    std::unique_ptr<CReturnFile> file = person(QStringLiteral(
        "\"PriorFiler\":1,\"FirstName\":\"Pat & <Lee>\",\"LastName\":\"O'Brien & <Sons>\","
        "\"Email\":\"a&b@example.ca\",\"Street\":\"1 <Main> & Co\",\"City\":\"St. John's & <x>\","
        "\"CareOf\":\"c/o \\\"R & D\\\"\",\"Postcode\":\"m4b 1b3\""));
    QVERIFY(file);
    const QString doc = document(*file, kEfile);
    QString messages;
    QVERIFY2(xmllintAccepts(doc, &messages), qPrintable(messages));
    QCOMPARE(elementText(doc, QStringLiteral("comm:GivenName")), QStringLiteral("Pat & <Lee>"));
    QCOMPARE(elementText(doc, QStringLiteral("comm:FamilyName")), QStringLiteral("O'Brien & <Sons>"));
    QCOMPARE(elementText(doc, QStringLiteral("tp:TaxpayerEmailAddress")), QStringLiteral("a&b@example.ca"));
    QCOMPARE(elementText(doc, QStringLiteral("comm:AddressStreetText")), QStringLiteral("1 <Main> & Co"));
    QCOMPARE(elementText(doc, QStringLiteral("comm:AddressMunicipalityName")), QStringLiteral("St. John's & <x>"));
    QCOMPARE(elementText(doc, QStringLiteral("comm:AddressCareOfLineText")), QStringLiteral("c/o \"R & D\""));
    QCOMPARE(elementText(doc, QStringLiteral("comm:AddressPostalCode")), QStringLiteral("M4B1B3"));

    // a bankrupt person: the bankrupt part and no record count
    std::unique_ptr<CReturnFile> bankrupt = person(QStringLiteral(
        "\"BankruptDate\":\"2024-04-01\",\"PostBankruptNetIncome\":-0.505,\"10100\":1000"));
    QVERIFY(bankrupt);
    const QString b = document(*bankrupt, kEfile);
    QVERIFY2(xmllintAccepts(b, &messages), qPrintable(messages));
    QCOMPARE(elementText(b, QStringLiteral("t1:PostBankruptcyNetIncomeAmount")), QStringLiteral("1"));
    QVERIFY(!b.contains(QLatin1String("SelectedFinancialDataRecordCount")));
    QVERIFY(!document(*bankrupt, kNetfile).contains(QLatin1String("BankruptcyData")));
}

void TestT1ReturnDocument::noT1GivesNoDocument()
{
    IndividualTaxData nobody(0, nullptr);
    QString text;
    QVERIFY(nobody.buildNetfileDocument(text, kEfile) != 0);
    QVERIFY(text.isEmpty());
    CReturnFile empty;
    QVERIFY(empty.buildNetfileDocument(text, kEfile) != 0);
    QVERIFY(text.isEmpty());
}

void TestT1ReturnDocument::unreadableTemplateGivesNoDocument()
{
    QString text = QStringLiteral("kept");
    QCOMPARE(processTemplatePart(text, QStringLiteral(":/net/net/missing.xmt"), TemplateVars(), TemplateUtf8),
             int(TemplateUnreadable));
    QCOMPARE(text, QStringLiteral("kept"));

    // a required variable the map lacks fails the part; the document then adds nothing
    std::unique_ptr<CReturnFile> file = person(QString());
    QVERIFY(file);
    m_settings.config.insert(QStringLiteral("EfileSoftwareCode"), QString());
    QString doc = QStringLiteral("before");
    const int status = file->buildNetfileDocument(doc, kEfile);
    m_settings.config.insert(QStringLiteral("EfileSoftwareCode"), QStringLiteral("BQ24"));
    QCOMPARE(status, 0);   // an empty code is still a value
    QVERIFY(doc.startsWith(QLatin1String("before<t1:T1Return")));
}

void TestT1ReturnDocument::netfileVars_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");   // null: absent
    QTest::newRow("first-time filer") << QString() << "firsttime" << "1";
    QTest::newRow("first-time second name X") << QString() << "secondname" << "X";
    QTest::newRow("first-time given name") << QString() << "givenname" << "Avery";
    QTest::newRow("returning filer") << QStringLiteral("\"PriorFiler\":1") << "firsttime" << "0";
    QTest::newRow("returning filer has no names") << QStringLiteral("\"PriorFiler\":1") << "givenname" << QString();
    QTest::newRow("access code") << QStringLiteral("\"PriorFiler\":1,\"NetfileAccessCode\":\" A&1 \"") << "accesscode"
                                 << "A&1";
    QTest::newRow("blank access code") << QStringLiteral("\"PriorFiler\":1,\"NetfileAccessCode\":\"  \"")
                                       << "accesscode" << QString();
    QTest::newRow("birth date") << QString() << "bod" << "1980-04-12";
}

void TestT1ReturnDocument::netfileVars()
{
    QFETCH(QString, t1);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    std::unique_ptr<CReturnFile> file = person(t1);
    QVERIFY(file);
    QMap<QString, QString> vars;
    double balance = 1.0;
    QString text;
    file->fillNetfileRequestVars(vars, 1, &text, &balance, 0);
    QCOMPARE(vars.value(key), expected);
    QCOMPARE(vars.contains(key), !expected.isNull());
    QCOMPARE(vars.value(QStringLiteral("agreement")), QStringLiteral("1"));
    QVERIFY(!vars.contains(QStringLiteral("testcaseID")));
    QMap<QString, QString> test;
    file->fillNetfileRequestVars(test, 1, nullptr, nullptr, 7);
    QCOMPARE(test.value(QStringLiteral("testcaseID")), QStringLiteral("7"));
}

void TestT1ReturnDocument::efileVars()
{
    m_settings.user.insert(QStringLiteral("BusinessEFileNum"), QStringLiteral("X1234"));
    m_settings.user.insert(QStringLiteral("BusinessEFilePassword"), QStringLiteral("pw"));
    std::unique_ptr<CReturnFile> file = person(QString());
    QVERIFY(file);
    const struct { const char *id; bool sent; } reps[] = {
        {"temp123", false}, {"Temp9", false}, {"TEMP", false}, {"R9876", true}, {"", false}};
    for (const auto &rep : reps) {
        m_settings.user.insert(QStringLiteral("T1013RepID"), QString::fromLatin1(rep.id));
        QMap<QString, QString> vars;
        file->fillEfileHeaderVars(vars, 1);
        QCOMPARE(vars.contains(QStringLiteral("repID")), rep.sent);
        QCOMPARE(vars.value(QStringLiteral("efilerID")), QStringLiteral("X1234"));
        QCOMPARE(vars.value(QStringLiteral("efpasd")), QStringLiteral("pw"));
        QCOMPARE(vars.value(QStringLiteral("secondname")), QStringLiteral("X"));
        QCOMPARE(vars.value(QStringLiteral("firsttime")), QStringLiteral("1"));
        QVERIFY(!vars.contains(QStringLiteral("accesscode")));
    }
    m_settings.user.remove(QStringLiteral("T1013RepID"));
}

void TestT1ReturnDocument::efileRequestKindsAndSignatures()
{
    std::unique_ptr<CReturnFile> file = person(QString());
    QVERIFY(file);
    IndividualTaxData &self = *file->self();
    auto *t183 = dynamic_cast<TaxData_T183New *>(self.getForm(96, 0, true));
    QVERIFY(t183);
    t183->setText(TaxData_T183New::F_DCN, QStringLiteral("DCN0001"));
    t183->setFlag(TaxData_T183New::F_ESigned, true);
    t183->setDate(TaxData_T183New::F_SignDate, QDate(2025, 3, 1));
    t183->setText(TaxData_T183New::F_SignTime, QStringLiteral("14:05:09"));
    t183->setFlag(TaxData_T183New::F_RepresentativeAuthorized, true);
    t183->setDate(TaxData_T183New::F_AuthorizationExpiry, QDate(2026, 4, 30));
    t183->setFlag(TaxData_T183New::F_PostAssessment, true);
    auto *rc71 = dynamic_cast<CTaxData_RC71 *>(self.getForm(53, 0, true));
    QVERIFY(rc71);
    rc71->setText(CTaxData_RC71::F_DiscounterCode, QStringLiteral("D&77"));

    QMap<QString, QString> filing;
    file->fillEfileHeaderVars(filing, 1);
    QCOMPARE(filing.value(QStringLiteral("dcn")), QStringLiteral("DCN0001"));
    QCOMPARE(filing.value(QStringLiteral("esigned_needed")), QStringLiteral(" "));
    QCOMPARE(filing.value(QStringLiteral("esigned")), QStringLiteral("1"));
    QCOMPARE(filing.value(QStringLiteral("esigndate")), QStringLiteral("2025-03-01"));
    QCOMPARE(filing.value(QStringLiteral("esigntime")), QStringLiteral("14:05:09"));
    QCOMPARE(filing.value(QStringLiteral("rc71_needed")), QStringLiteral(" "));
    QCOMPARE(filing.value(QStringLiteral("rc71signed")), QStringLiteral("0"));
    QCOMPARE(filing.value(QStringLiteral("discounterRegNum")), QStringLiteral("D&77"));
    QCOMPARE(filing.value(QStringLiteral("preparerRepresent")), QStringLiteral("1"));
    QCOMPARE(filing.value(QStringLiteral("preparerRepresentExpDate")), QStringLiteral("2026-04-30"));
    QCOMPARE(filing.value(QStringLiteral("ENOAFlag")), QStringLiteral("0"));
    QCOMPARE(filing.value(QStringLiteral("precntctcode")), QStringLiteral("2"));
    QCOMPARE(filing.value(QStringLiteral("postcntctcode")), QStringLiteral("3"));

    QMap<QString, QString> other;
    file->fillEfileHeaderVars(other, 2);
    for (const char *key : {"esigned_needed", "esigned", "esigndate", "rc71_needed", "rc71signed"})
        QVERIFY2(!other.contains(QLatin1String(key)), key);
    QCOMPARE(other.value(QStringLiteral("dcn")), QStringLiteral("DCN0001"));
}

void TestT1ReturnDocument::testCaseOnlyInTestMode()
{
    std::unique_ptr<CReturnFile> file = person(QString());
    QVERIFY(file);
    QMap<QString, QString> vars{{QStringLiteral("testid"), QStringLiteral("12")}};
    file->fillEfileHeaderVars(vars, 1);
    QVERIFY(!vars.contains(QStringLiteral("testcaseID")));

    m_settings.config.insert(QStringLiteral("MODEDEBUG"), QStringLiteral("1"));
    m_settings.user.insert(QStringLiteral("BusinessEFileNumDbg"), QStringLiteral("T0001"));
    QMap<QString, QString> test{{QStringLiteral("testid"), QStringLiteral("12")}};
    file->fillEfileHeaderVars(test, 1);
    QMap<QString, QString> zero{{QStringLiteral("testid"), QStringLiteral("0")}};
    file->fillEfileHeaderVars(zero, 1);
    m_settings.config.remove(QStringLiteral("MODEDEBUG"));
    QCOMPARE(test.value(QStringLiteral("testcaseID")), QStringLiteral("12"));
    QCOMPARE(test.value(QStringLiteral("efilerID")), QStringLiteral("T0001"));
    QVERIFY(!zero.contains(QStringLiteral("testcaseID")));
}

void TestT1ReturnDocument::padAgreement_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("faults");
    QTest::addColumn<bool>("sentence");
    QTest::newRow("sound") << "1234567" << 250.5 << 0 << true;
    QTest::newRow("short account") << "1234" << 250.5 << 1 << true;
    QTest::newRow("amount 0") << "1234567" << 0.0 << 1 << false;
    QTest::newRow("amount 0.009") << "1234567" << 0.009 << 0 << true;
    QTest::newRow("amount 0.008") << "1234567" << 0.008 << 1 << false;
}

void TestT1ReturnDocument::padAgreement()
{
    QFETCH(QString, account);
    QFETCH(double, amount);
    QFETCH(int, faults);
    QFETCH(bool, sentence);
    std::unique_ptr<CReturnFile> file = person(QString());
    QVERIFY(file);
    CString doc, summary, text;
    QList<ValidationMessageGroup *> groups;
    QCOMPARE(file->validatePad(1, groups), 0);
    QCOMPARE(file->getT185PadXml(doc, summary), -100);
    QCOMPARE(file->confirmPadWithdrawal(text), 0);

    auto *t185 = dynamic_cast<TaxData_T185 *>(file->self()->getForm(181, 0, true));
    QVERIFY(t185);
    t185->setText(TaxData_T185::F_Institution, QStringLiteral("004"));
    t185->setText(TaxData_T185::F_Branch, QStringLiteral("12345"));
    t185->setText(TaxData_T185::F_Account, account);
    t185->setAmount(TaxData_T185::F_Amount, amount);
    t185->setDate(TaxData_T185::F_DebitDate, QDate(2025, 4, 30));
    t185->setText(TaxData_T185::F_LastName, QStringLiteral("O'Brien & <Sons>"));

    QCOMPARE(file->validatePad(1, groups), faults);
    QCOMPARE(groups.size(), faults > 0 ? 1 : 0);   // no group when the check adds nothing
    if (!groups.isEmpty()) {
        QCOMPARE(groups.first()->kind, 2);
        QCOMPARE(groups.first()->type, 181);
    }
    qDeleteAll(groups);
    const int made = file->getT185PadXml(doc, summary);
    QCOMPARE(made, faults > 0 ? -1 : 0);
    if (made == 0) {
        QString messages;
        QVERIFY2(xmllintAccepts(doc, &messages), qPrintable(messages));
        QCOMPARE(elementText(doc, QStringLiteral("FamilyName")), QStringLiteral("O'Brien & <Sons>"));
        QCOMPARE(elementText(doc, QStringLiteral("PaymentDate")), QStringLiteral("2025-04-30"));
        QVERIFY(!summary.contains(account));
    }
    QCOMPARE(file->confirmPadWithdrawal(text), sentence ? 1 : 0);
    if (sentence)
        QVERIFY(text.contains(QLatin1String("on 2025-04-30")));
}

BQ_TEST_MAIN_CORE(TestT1ReturnDocument)
#include "tst_t1returndocument.moc"
