// Figures of the federal schedules as filed: the EFILE document's line element and
// the 2D barcode's line entry of the same return, against values worked from the
// 2024 forms (the working is beside each return).
#include "barcodedata.h"
#include "barcodedecoder.h"
#include "bqtest.h"
#include "cmemoryblock.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "settingsseam.h"
#include "validationmessagegroup.h"
#include "xmlchecks.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <memory>

namespace {

class MapSettings : public SettingsSource
{
public:
    QString userSetting(const QString &) const override { return QString(); }
    QString configValue(const QString &key) const override { return config.value(key); }
    QMap<QString, QString> config;
};

// An Ontario person with a valid SIN: marital status, slips and forms given.
QString person(const char *sin, const char *birth, int marital, const QString &slips, const QString &forms)
{
    return QStringLiteral("{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\",\"sin\":\"%1\",\"birthDate\":\"%2\","
                          "\"province\":9,\"maritalStatus\":%3,\"slips\":[%4],\"forms\":[%5]}")
        .arg(QLatin1String(sin), QLatin1String(birth))
        .arg(marital)
        .arg(slips, forms);
}

QString single(int marital, const QString &slips, const QString &forms)
{
    return QStringLiteral("{\"persons\":[%1]}").arg(person("130692544", "1980-04-12", marital, slips, forms));
}

const int kMarried = 0;
const int kSingle = 5;
const char *const kT4Of80000 = "{\"type\":1,\"fields\":{\"Province\":9,\"Box14\":80000}}";

// The returns of the rows, by name.
QString description(const QString &name)
{
    if (name == QLatin1String("Schedule 2")) {
        // Self: T4 60,000 (no CPP or EI deducted), Schedule 2. Spouse, born 1955 (69 at the
        // end of 2024): pension 5,000 (T4A box 16), net and taxable income 5,000.
        // Spouse's age amount 8,790 (net income under 44,325); pension amount min(2,000, 5,000)
        // = 2,000; the spouse's own credits (15,705) absorb all of the 5,000: nothing is used,
        // 32600 = 8,790 + 2,000 = 10,790.
        // Self 33500 = 15,705 + spouse amount (15,705 - 5,000 = 10,705) + 1,433 + 10,790 = 38,633;
        // 35000 = 38,633 x 15 % = 5,794.95.
        return QStringLiteral("{\"persons\":[%1,%2]}")
            .arg(person("046454286", "1960-05-17", kMarried, "{\"type\":1,\"fields\":{\"Province\":9,\"Box14\":60000}}",
                        "{\"type\":3,\"fields\":{}}"),
                 person("130692544", "1955-03-04", kMarried, "{\"type\":2,\"fields\":{\"Box16\":5000}}", ""));
    }
    if (name == QLatin1String("CPP")) {
        // Box 26 71,234.56: base and first additional required (68,500 - 3,500) x 5.95 % =
        // 3,867.50, all in box 16; 30800 = 3,867.50 x 4.95 / 5.95 (83.1933 %) = 3,217.50;
        // 22215 = 3,867.50 - 3,217.50 = 650.00 + box 16A 0.00 = 650.00. The second additional
        // contribution (71,234.56 - 68,500) x 4 % = 109.38 was never deducted: nothing of it
        // is taken out of box 16, and nothing is overpaid.
        return single(kSingle,
                      "{\"type\":1,\"fields\":{\"Province\":9,\"Box14\":71234.56,\"Box16\":3867.50,\"Box16A\":0,"
                      "\"Box26\":71234.56}}",
                      "");
    }
    if (name == QLatin1String("PRPP")) {
        // PRPP receipt: the member's 1,500 (March 1 to December 31, 2024) and 300 (January 1
        // to March 3, 2025), the employer's 750. 24500 = 1,800; room 18,000 less the employer's
        // 750 = 17,250: 20800 = 1,800; 20810 = 750, a memo: 23600 = 80,000 - 1,800 = 78,200.
        return single(kSingle,
                      QLatin1String(kT4Of80000) + ",{\"type\":22,\"fields\":{\"Box10\":1500,\"Box11\":300,\"Box12\":750}}",
                      "{\"type\":7,\"fields\":{\"DeductionLimit\":18000}}");
    }
    if (name == QLatin1String("spousal RRSP")) {
        // 5,000 to the spouse's plan (March 1 to December 31, 2024), limit 18,000:
        // 24500 = 5,000; 20800 = 5,000.
        return single(kMarried, QLatin1String(kT4Of80000), "{\"type\":7,\"fields\":{\"DeductionLimit\":18000,\"SpousalCurrent\":5000}}");
    }
    if (name == QLatin1String("educator")) {
        // A teacher types 1,200 of school supplies; the T1 reads "Eligible educator school
        // supply expenses (maximum $1,000)": 46800 = 1,000; 46900 = 1,000 x 25 % = 250.00.
        return QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                              "\"sin\":\"130692544\",\"birthDate\":\"1980-04-12\",\"province\":9,"
                              "\"maritalStatus\":%1,\"slips\":[%2],\"t1\":{\"46800\":1200}}]}")
            .arg(kSingle)
            .arg(QLatin1String(kT4Of80000));
    }
    // T2091: gain 800,000 - 400,000 - 20,000 = 380,000; exemption 380,000 x (1 + 5) / 15 =
    // 152,000; gain 228,000 on Schedule 3 line 15800; 19900 = 228,000 x 50 % = 114,000 = 12700.
    // Line 17900: the second box (designated for some years only).
    return single(kSingle, "",
                  "{\"type\":4,\"fields\":{\"DesignationAnswer\":1}},{\"type\":147,\"fields\":{\"Proceeds\":800000,"
                  "\"Cost\":400000,\"Outlays\":20000,\"YearsOwned\":15,\"YearsDesignated\":5}}");
}

// The line entry of a code ("30800" and its value), or "<none>".
QByteArray lineEntry(const barcodedecoder::Block &b, const QByteArray &code)
{
    for (const QByteArray &e : b.entries)
        if (e.startsWith(code))
            return e;
    return QByteArrayLiteral("<none>");
}

} // namespace

class TestFiledFigures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void documentAndBarcode_data();
    void documentAndBarcode();
    void prppReceiptPassesScheduleSevenChecks();

private:
    CReturnFile *returnOf(const QString &name);

    MapSettings m_settings;
    std::map<QString, std::unique_ptr<CReturnFile>> m_returns;
};

void TestFiledFigures::initTestCase()
{
    installFilingDocServices();
    m_settings.config.insert(QStringLiteral("EfileSoftwareCode"), QStringLiteral("BQ2"));
    m_settings.config.insert(QStringLiteral("EfileSoftwareDate"), QStringLiteral("2026-05-25"));
    setSettingsSource(&m_settings);
}

void TestFiledFigures::cleanupTestCase()
{
    m_returns.clear();
    setSettingsSource(nullptr);
}

CReturnFile *TestFiledFigures::returnOf(const QString &name)
{
    std::unique_ptr<CReturnFile> &file = m_returns[name];
    if (!file) {
        QString error;
        file.reset(returnbuilder::build(QJsonDocument::fromJson(description(name).toUtf8()).object(), &error));
        if (!file) {
            qWarning() << name << error;
            return nullptr;
        }
        returnbuilder::recalculate(*file);
    }
    return file.get();
}

void TestFiledFigures::documentAndBarcode_data()
{
    QTest::addColumn<QString>("name");     // the return
    QTest::addColumn<QString>("line");     // its five-digit code
    QTest::addColumn<QString>("filed");    // the document's value; null: the element is absent
    QTest::addColumn<QByteArray>("entry"); // the barcode's line entry

    const QString absent;
    const QByteArray none("<none>");
    auto row = [](const char *title, const char *name, const char *line, const QString &filed, const QByteArray &entry) {
        QTest::newRow(title) << QString::fromLatin1(name) << QString::fromLatin1(line) << filed << entry;
    };
    row("Schedule 2: spouse's age amount", "Schedule 2", "35200", "8790.00", "35200879000");
    row("Schedule 2: spouse's pension amount", "Schedule 2", "35500", "2000.00", "35500200000");
    row("Schedule 2: the spouse's net income has no code", "Schedule 2", "35300", absent, none);
    row("Schedule 2: the T1's federal credits", "Schedule 2", "35000", "5794.95", "35000579495");
    row("Schedule 2: amounts transferred", "Schedule 2", "32600", "10790.00", "326001079000");
    row("CPP: base contributions", "CPP", "30800", "3217.50", "30800321750");
    row("CPP: enhanced contributions", "CPP", "22215", "650.00", "2221565000");
    row("CPP: no overpayment", "CPP", "44800", absent, none);
    row("PRPP: contributions of the year", "PRPP", "24500", "1800.00", "24500180000");
    row("PRPP: deduction", "PRPP", "20800", "1800.00", "20800180000");
    row("PRPP: employer contributions", "PRPP", "20810", "750.00", "2081075000");
    row("PRPP: no transfers", "PRPP", "24640", absent, none);
    row("PRPP: employer contributions not deducted", "PRPP", "23600", "78200.00", "236007820000");
    row("spousal RRSP: contributions of the year", "spousal RRSP", "24500", "5000.00", "24500500000");
    row("spousal RRSP: deduction", "spousal RRSP", "20800", "5000.00", "20800500000");
    row("educator: supplies held to 1,000", "educator", "46800", "1000.00", "46800100000");
    row("educator: credit 25 % of 1,000", "educator", "46900", "250.00", "4690025000");
    row("T2091: gain on Schedule 3", "T2091", "15800", "228000.00", "1580022800000");
    row("T2091: taxable capital gain", "T2091", "12700", "114000.00", "1270011400000");
    row("T2091: designation box", "T2091", "17900", "2", "179002");
    row("T2091: no flipping answer filed", "T2091", "17905", absent, none);
}

void TestFiledFigures::documentAndBarcode()
{
    QFETCH(QString, name);
    QFETCH(QString, line);
    QFETCH(QString, filed);
    QFETCH(QByteArray, entry);
    CReturnFile *file = returnOf(name);
    QVERIFY(file);
    QString doc;
    QCOMPARE(file->buildNetfileDocument(doc, 1), 0);
    QCOMPARE(elementText(doc, QStringLiteral("t1:Line") + line), filed.isNull() ? QStringLiteral("<absent>") : filed);

    CMemoryBlock block;
    writeT1BarcodeBlock(*file->self(), block);
    const barcodedecoder::Block b = barcodedecoder::decode(block.bytes());
    QVERIFY(b.valid && b.terminated);
    QCOMPARE(lineEntry(b, line.toLatin1()), entry);
}

// A PRPP receipt is neither a transfer (24640) nor a contribution to a spouse's plan.
void TestFiledFigures::prppReceiptPassesScheduleSevenChecks()
{
    CReturnFile *file = returnOf(QStringLiteral("PRPP"));
    QVERIFY(file);
    QList<ValidationMessageGroup *> groups;
    file->self()->checkForFiling(1, groups);
    QStringList messages;
    for (const ValidationMessageGroup *g : qAsConst(groups))
        for (const CString &m : g->messages)
            messages << QString(m);
    qDeleteAll(groups);
    for (const QString &m : qAsConst(messages)) {
        QVERIFY2(!m.contains(QLatin1String("24640")), qPrintable(m));
        QVERIFY2(!m.contains(QLatin1String("spouse RRSP")), qPrintable(m));
    }
}

BQ_TEST_MAIN_CORE(TestFiledFigures)
#include "tst_filedfigures.moc"
