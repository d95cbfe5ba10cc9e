// Filing eligibility and the Re-File rules of one person, on returns built from
// descriptions with the real plug-ins.
#include "bqtest.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "filingeligibility.h"
#include "individualtaxdata.h"
#include "personfixture.h"
#include "returnbuilder.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

using T1 = TaxData_T1New;
using KS = TaxData_T1KSNew;

constexpr quint8 kEFile = 1;
constexpr quint8 kNetFile = 2;
constexpr int kOntario = 9;

const char *const kCannotCreate = "Brackenquill cannot create NETFILE/EFILE for this return file.";
const char *const kSinNetfile = "Tax return which has SIN number starting with 09 or 08 is not eligible for Netfile.";
const char *const kSinEfile = "Tax return which has SIN number starting with '0' is not eligible for EFILE.";
const char *const kDeceased = "This tax return is not eligible for NETFILE/EFILE, because the tax payer is deceased.";
const char *const kBankrupt = "This tax return is not eligible for NetFile/EFile, because the tax payer is in bankruptcy.";
const char *const kRevoke = "This tax return is not eligible for EFILE because you chose to revoke the previously filed "
                            "election to keep a fiscal period that does not end on a Dec. 31 fiscal period.";
const char *const kForeignPlans =
    "This return is not eligible for Netfile, because there are combination of RC267/RC268/RC269 in tax return.";
const char *const kResidency = "NetFile/EFile doesn't allow the residency type specified in form T1248 Schedule D.";
const char *const kBusinessProvince = "The tax return is not eligible to use Netfile/Efile, because the self-employment "
                                      "province is not the same as the tax province.";
const char *const kLine440 = "This tax return is not eligible for NETFILE/EFILE, because tax payer is not a Quebec "
                             "resident, and indicated on line 440 of T1 that multiple jurisdiction applies.";
const char *const kAccount =
    "Netfile can not be created because the direct deposit account number is more than 12 digits.";
const char *const kT2209 =
    "This return is not eligible for Netfile or Efile, because it contains more than 3 T2209 forms.";
const char *const kSelfEmployment = "The tax return is not eligible for NETFILE/EFILE, because tax return has more than "
                                    "12 self-business and/or work expenses forms.";
const char *const kT1273 = "Brackenquill doesn't support NETFILE or EFILE for tax return with CAIS form T1273.";
const char *const kFarmstead = "This tax return is not eligible for NETFILE, since the province of main farmstead in "
                               "form T1163 is not same as the province of residence on Dec. 31.";
const char *const kProvinceRefuses =
    "This tax return is not eligible for NETFILE/EFILE according to the rules of its province.";
const char *const kRefileBankrupt = "Re-File cannot change a return with regard to bankruptcy.";
const char *const kRefileBroken = "Re-File data return file doesn't function properly, please send return file to "
                                  "brackenquill support for help.";
const char *const kRefileChanged = "Re-File cannot change pension-split amount (Field 11600/21000), or non-capital "
                                   "loss/capital loss (Field 25200/25300) amount.";

// A single person of the province with the SIN and the given T1 values and forms
// (JSON text of a person's members).
QJsonObject personReturn(const QString &sin, const QString &members, int province = kOntario)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                                        "\"sin\":\"%1\",\"birthDate\":\"1980-04-12\",\"province\":%2,"
                                        "\"maritalStatus\":5%3}]}")
                             .arg(sin)
                             .arg(province)
                             .arg(members.isEmpty() ? QString() : QStringLiteral(",") + members);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(text.toUtf8(), &error).object();
    if (error.error != QJsonParseError::NoError)
        qWarning() << "bad description" << error.errorString() << text;
    return o;
}

// n forms of the type, each with the given fields (JSON text).
QString forms(int type, int n, const QString &fields = QStringLiteral("{}"))
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("{\"type\":%1,\"new\":true,\"fields\":%2}").arg(type).arg(fields);
    return QStringLiteral("\"forms\":[%1]").arg(list.join(QLatin1Char(',')));
}

QStringList texts(const QList<CString> &messages)
{
    QStringList list;
    for (const CString &m : messages)
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

std::unique_ptr<CReturnFile> builtReturn(const QJsonObject &description)
{
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
    if (!file)
        qWarning() << error;
    else
        returnbuilder::recalculate(*file);
    return file;
}

} // namespace

class TestFilingEligibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eligibility_data();
    void eligibility();
    void messagesBeforeAreCounted();
    void selfEmploymentProvince();
    void appendFormatted();
    void formsMadeByPlugins();
    void provinceRefuses();
    void withoutT1();
    void refileBankruptcy_data();
    void refileBankruptcy();
    void resultFormKeepsLossLines();
    void refileSnapshot();
    void refileWithoutForms();
};

void TestFilingEligibility::initTestCase()
{
    installFilingDocServices();
}

void TestFilingEligibility::eligibility_data()
{
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("edition");
    QTest::addColumn<QStringList>("expected");

    const QString sin = QStringLiteral("130692544");
    const QString nothing;
    const QString deceasedBankrupt =
        QStringLiteral("\"t1\":{\"DeceasedDate\":\"2024-05-01\",\"BankruptDate\":\"2024-03-01\"}");
    QTest::newRow("eligible, EFILE") << sin << nothing << int(kEFile) << QStringList();
    QTest::newRow("eligible, NETFILE") << sin << nothing << int(kNetFile) << QStringList();
    QTest::newRow("08 SIN, deceased, bankrupt: NETFILE")
        << QStringLiteral("080000000") << deceasedBankrupt << int(kNetFile) << texts({kSinNetfile, kDeceased, kBankrupt});
    QTest::newRow("08 SIN, deceased, bankrupt: EFILE")
        << QStringLiteral("080000000") << deceasedBankrupt << int(kEFile) << texts({kSinEfile});
    QTest::newRow("09 SIN, NETFILE") << QStringLiteral("090000000") << nothing << int(kNetFile) << texts({kSinNetfile});
    QTest::newRow("04 SIN, NETFILE") << QStringLiteral("046454286") << nothing << int(kNetFile) << QStringList();
    QTest::newRow("04 SIN, EFILE") << QStringLiteral("046454286") << nothing << int(kEFile) << texts({kSinEfile});
    QTest::newRow("other mode: only the tests of both")
        << QStringLiteral("080000000") << deceasedBankrupt << 3 << QStringList();
    const QString revoke = QStringLiteral("\"t1\":{\"BankruptDate\":\"2024-03-01\",\"RevokeFiscalPeriod\":1}");
    QTest::newRow("bankrupt, revoking: EFILE") << sin << revoke << int(kEFile) << texts({kRevoke});
    QTest::newRow("bankrupt, revoking: NETFILE") << sin << revoke << int(kNetFile) << texts({kBankrupt});
    const QString post = QStringLiteral("\"t1\":{\"BankruptDate\":\"2024-03-01\",\"PostBankrupt\":1}");
    QTest::newRow("post-bankrupt: EFILE") << sin << post << int(kEFile) << texts({kBankrupt});
    QTest::newRow("post-bankrupt: NETFILE") << sin << post << int(kNetFile) << texts({kBankrupt});
    QTest::newRow("bankrupt, not revoking: EFILE")
        << sin << QStringLiteral("\"t1\":{\"BankruptDate\":\"2024-03-01\"}") << int(kEFile) << QStringList();
    QTest::newRow("RC267 and RC269: NETFILE")
        << sin
        << QStringLiteral("\"forms\":[{\"type\":136,\"fields\":{\"Contributions\":500,\"RRSPRoom\":900}},"
                          "{\"type\":138}],"
                          "\"slips\":[{\"type\":1,\"fields\":{\"Box14\":60000,\"Box20\":300}}]")
        << int(kNetFile) << texts({kForeignPlans});
    QTest::newRow("RC267 alone: NETFILE") << sin << QStringLiteral("\"forms\":[{\"type\":136,\"fields\":{\"Contributions\":500,\"RRSPRoom\":900}}]")
                                          << int(kNetFile) << QStringList();
    QTest::newRow("T1248 Schedule D, non-resident")
        << sin << QStringLiteral("\"forms\":[{\"type\":207,\"fields\":{\"ResidencyType\":9}}]") << int(kEFile)
        << texts({kResidency});
    QTest::newRow("line 440 outside Quebec") << sin << QStringLiteral("\"t1\":{\"MultiJurisdiction440\":1}") << int(kNetFile)
                                             << texts({kLine440});
    QTest::newRow("account of 12 digits") << sin << forms(52, 1, QStringLiteral("{\"Account\":\"123456789012\"}"))
                                          << int(kEFile) << QStringList();
    QTest::newRow("account of 13 digits") << sin << forms(52, 1, QStringLiteral("{\"Account\":\"1234567890123\"}"))
                                          << int(kEFile) << texts({kAccount});
    QTest::newRow("three T2209") << sin << forms(35, 3) << int(kEFile) << QStringList();
    QTest::newRow("four T2209") << sin << forms(35, 4) << int(kEFile) << texts({kT2209});
    QTest::newRow("twelve T776") << sin << forms(12, 12) << int(kEFile) << QStringList();
    QTest::newRow("thirteen T776") << sin << forms(12, 13) << int(kNetFile) << texts({kSelfEmployment});
    QTest::newRow("T1163 farmstead in the province")
        << sin << forms(15, 1, QStringLiteral("{\"MainFarmProvince\":9}")) << int(kEFile) << QStringList();
    QTest::newRow("two T1163 farmsteads elsewhere")
        << sin << forms(15, 2, QStringLiteral("{\"MainFarmProvince\":2}")) << int(kEFile) << texts({kFarmstead, kFarmstead});
}

void TestFilingEligibility::eligibility()
{
    QFETCH(QString, sin);
    QFETCH(QString, members);
    QFETCH(int, edition);
    QFETCH(QStringList, expected);
    std::unique_ptr<CReturnFile> file = builtReturn(personReturn(sin, members));
    QVERIFY(file);
    QList<CString> messages;
    QCOMPARE(file->checkNetfileEligibility(quint8(edition), messages), expected.size());
    QCOMPARE(texts(messages), expected);
}

void TestFilingEligibility::messagesBeforeAreCounted()
{
    std::unique_ptr<CReturnFile> file = builtReturn(personReturn(QStringLiteral("130692544"), QString()));
    QVERIFY(file);
    QList<CString> messages{CString("first"), CString("second")};
    QCOMPARE(file->checkNetfileEligibility(kEFile, messages), 2);
    QCOMPARE(file->checkRefileBankruptcy(kEFile, messages), 2);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(file->checkNetfileEligibility(kEFile, messages = {CString("a"), CString("b")}), 2);
}

// The calculation sets the self-employment province; a stored one may differ.
void TestFilingEligibility::selfEmploymentProvince()
{
    std::unique_ptr<CReturnFile> file = builtReturn(personReturn(QStringLiteral("130692544"), forms(125, 1)));
    QVERIFY(file);
    T1 *t = file->self()->t1();
    QList<CString> messages;
    QCOMPARE(t->intValue(T1::F_ProvinceOfBusiness), kOntario);
    QCOMPARE(file->checkNetfileEligibility(kEFile, messages), 0);
    t->setIntValue(T1::F_ProvinceOfBusiness, 2);
    QCOMPARE(file->checkNetfileEligibility(kEFile, messages), 1);
    QCOMPARE(texts(messages), texts({kBusinessProvince}));
}

void TestFilingEligibility::appendFormatted()
{
    QList<CString> messages;
    appendMessage(messages, "one");
    appendFormattedMessage(messages, "Form %s is missing.", "T2125");
    QCOMPARE(texts(messages), QStringList({QStringLiteral("one"), QStringLiteral("Form T2125 is missing.")}));
}

// T1273 forms are made by the plug-ins: the person tests' plug-in makes them.
void TestFilingEligibility::formsMadeByPlugins()
{
    PersonFixture fx;
    QVERIFY(fx.setUp());
    {
        IndividualTaxData p(0, &fx.deps);
        fx.inOntario(p);
        QVERIFY(p.getForm(1, 0, true));
        QVERIFY(p.addForm(109, 0, true, 0, false));
        QVERIFY(p.addForm(109, 0, true, 0, false));
        QList<CString> messages;
        QCOMPARE(checkNetfileEligibility(p, kEFile, messages), 2);
        QCOMPARE(texts(messages), texts({kT1273, kT1273}));
    }
    fx.tearDown();
}

// A province whose plug-in answers "ineligible" refuses the return.
void TestFilingEligibility::provinceRefuses()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::link(QStringLiteral(BQ_REFUSING_PLUGIN), dir.filePath(QStringLiteral("libProvBC.so"))));
    CMultiProvsTaxMgr::setLibraryFolder(dir.path());
    {
        DependantInfoStruct deps;
        IndividualTaxData p(0, &deps);
        p.storeReadProvince(2);
        QVERIFY(p.loadProvincePlugin());
        QVERIFY(p.getForm(1, 0, true));
        QList<CString> messages;
        QCOMPARE(checkNetfileEligibility(p, kEFile, messages), 1);
        QCOMPARE(texts(messages), texts({kProvinceRefuses}));
    }
    CMultiProvsTaxMgr::setLibraryFolder(QString());
}

void TestFilingEligibility::withoutT1()
{
    DependantInfoStruct deps;
    IndividualTaxData p(0, &deps);
    QList<CString> messages;
    // no province, no T1: both messages, then nothing needing the T1
    QCOMPARE(checkNetfileEligibility(p, kNetFile, messages), 2);
    QCOMPARE(texts(messages), texts({kCannotCreate, kCannotCreate}));
    messages.clear();
    QCOMPARE(checkRefileBankruptcy(p, kEFile, messages), 1);
    QCOMPARE(texts(messages), texts({kCannotCreate}));
    QCOMPARE(clearReFileMark(p), 0);
    QCOMPARE(p.formCount(0), 0);
}

void TestFilingEligibility::refileBankruptcy_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("not bankrupt") << QString() << QStringList();
    QTest::newRow("bankrupt") << QStringLiteral("\"t1\":{\"BankruptDate\":\"2024-03-01\"}") << texts({kRefileBankrupt});
    QTest::newRow("post-bankrupt") << QStringLiteral("\"t1\":{\"BankruptDate\":\"2024-03-01\",\"PostBankrupt\":1}")
                                   << texts({kRefileBankrupt});
    QTest::newRow("bankrupt in 2023") << QStringLiteral("\"t1\":{\"BankruptDate\":\"2023-03-01\"}") << QStringList();
}

void TestFilingEligibility::refileBankruptcy()
{
    QFETCH(QString, members);
    QFETCH(QStringList, expected);
    std::unique_ptr<CReturnFile> file = builtReturn(personReturn(QStringLiteral("130692544"), members));
    QVERIFY(file);
    QList<CString> messages;
    QCOMPARE(file->checkRefileBankruptcy(kNetFile, messages), expected.size());
    QCOMPARE(texts(messages), expected);
}

// The result form keeps the four lines as last calculated.
void TestFilingEligibility::resultFormKeepsLossLines()
{
    std::unique_ptr<CReturnFile> file = builtReturn(
        personReturn(QStringLiteral("130692544"), QStringLiteral("\"t1\":{\"10100\":60000,\"25200\":1500}")));
    QVERIFY(file);
    const T1 *t = file->self()->t1();
    const auto *ks = dynamic_cast<const KS *>(file->self()->getForm(93, 0, false));
    QVERIFY(t && ks);
    QVERIFY(t->amount(T1::F_25200) > 0.0);
    QCOMPARE(ks->amount(KS::F_Line25200), t->amount(T1::F_25200));
    QCOMPARE(ks->amount(KS::F_Line21000), t->amount(T1::F_21000));
}

void TestFilingEligibility::refileSnapshot()
{
    std::unique_ptr<CReturnFile> file =
        builtReturn(personReturn(QStringLiteral("130692544"), QStringLiteral("\"t1\":{\"10100\":60000}")));
    QVERIFY(file);
    IndividualTaxData &p = *file->self();
    T1 *t = p.t1();
    auto *result = dynamic_cast<KS *>(p.getForm(93, 0, false));
    QVERIFY(t && result);
    result->setAmount(KS::F_Line21000, 800.0);

    QCOMPARE(file->takeReFileSnapshot(), 0);
    QVERIFY(t->isReFile());
    QCOMPARE(t->filingStatus(), 2);
    auto *snapshot = dynamic_cast<KS *>(p.getForm(159, 0, false));
    QVERIFY(snapshot);
    QCOMPARE(snapshot->amount(KS::F_Line21000), 800.0);
    QList<CString> messages;
    QCOMPARE(file->checkRefileChanges(messages), 0);

    // an amount changed within the tolerance is no change
    result->setAmount(KS::F_Line21000, 800.008);
    QCOMPARE(file->checkRefileChanges(messages), 0);

    // a change between two starts of the same Re-File is still seen
    result->setAmount(KS::F_Line21000, 1200.0);
    QCOMPARE(file->takeReFileSnapshot(), 0);
    QCOMPARE(snapshot->amount(KS::F_Line21000), 800.0);
    QCOMPARE(p.countForms(159), 1);
    QCOMPARE(file->checkRefileChanges(messages), 1);
    QCOMPARE(texts(messages), texts({kRefileChanged}));

    // each line counts; one message for several
    result->setAmount(KS::F_Line21000, 800.0);
    result->setAmount(KS::F_Line11600, 5.0);
    result->setAmount(KS::F_Line25300, 5.0);
    messages.clear();
    QCOMPARE(file->checkRefileChanges(messages), 1);

    QCOMPARE(file->clearReFileMark(), 0);
    QVERIFY(!t->isReFile());
    // a new start after the end takes a new snapshot
    QCOMPARE(file->takeReFileSnapshot(), 0);
    QCOMPARE(snapshot->amount(KS::F_Line11600), 5.0);
}

void TestFilingEligibility::refileWithoutForms()
{
    std::unique_ptr<CReturnFile> file = builtReturn(personReturn(QStringLiteral("130692544"), QString()));
    QVERIFY(file);
    IndividualTaxData &p = *file->self();
    // no snapshot: one message, nothing compared
    QList<CString> messages;
    QCOMPARE(file->checkRefileChanges(messages), 1);
    QCOMPARE(texts(messages), texts({kRefileBroken}));

    // no result form: -1, and neither the T1 nor the forms change
    p.removeForm(p.getForm(93, 0, false), true, false);
    const int formsBefore = p.formCount(0);
    QCOMPARE(file->takeReFileSnapshot(), -1);
    QVERIFY(!p.t1()->isReFile());
    QCOMPARE(p.t1()->filingStatus(), 0);
    QCOMPARE(p.formCount(0), formsBefore);
    QVERIFY(!p.hasForm(159));

    // no T1: -1 and the return unchanged
    std::unique_ptr<CReturnFile> other = builtReturn(personReturn(QStringLiteral("130692544"), QString()));
    QVERIFY(other);
    IndividualTaxData &q = *other->self();
    q.removeForm(q.t1(), true, false);
    QVERIFY(!q.t1());
    const int before = q.formCount(0);
    QCOMPARE(other->takeReFileSnapshot(), -1);
    QCOMPARE(q.formCount(0), before);
    QVERIFY(!q.hasForm(159));
    QCOMPARE(other->clearReFileMark(), 0);
}

BQ_TEST_MAIN_CORE(TestFilingEligibility)
#include "tst_filingeligibility.moc"
