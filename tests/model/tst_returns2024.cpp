// Whole 2024 returns built from the descriptions in returns2024/, against the
// lines worked out by hand in each description; and single calculators where
// their arithmetic has edges of its own.
#include "bqtest.h"
#include "creturnfile.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_sch8_14.h"
#include "taxdata_sch9.h"
#include "taxdata_t1new.h"
#include "taxdata_t2204_new.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <memory>

namespace {

QJsonObject readDescription(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(f.readAll()).object();
}

// The expected lines of person i: one object for a single return, an array for a couple.
QJsonObject expectedOf(const QJsonValue &v, int person)
{
    if (v.isArray())
        return v.toArray().at(person).toObject();
    return person == 0 ? v.toObject() : QJsonObject();
}

// "line: got x, expected y" for each line off by a cent or more.
QStringList differences(const QJsonObject &actual, const QJsonObject &expected, const QString &who)
{
    QStringList out;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const double got = actual.value(it.key()).toDouble();
        if (!actual.contains(it.key()) || qAbs(got - it.value().toDouble()) >= 0.005)
            out << QStringLiteral("%1 %2: got %3, expected %4")
                       .arg(who, it.key(), QString::number(got, 'f', 2), QString::number(it.value().toDouble(), 'f', 2));
    }
    return out;
}

} // namespace

class TestReturns2024 : public QObject
{
    Q_OBJECT

private slots:
    void returns_data();
    void returns();
    void savedReturnReadsBack();

    void basicPersonalAmount_data();
    void basicPersonalAmount();
    void quebecAbatementOnlyForQuebec();
    void dividendCredit();
    void cppOverpayment();
    void eiOverpayment_data();
    void eiOverpayment();
    void donationTopRate();
};

void TestReturns2024::returns_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(BQ_RETURNS2024_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestReturns2024::returns()
{
    QFETCH(QString, path);
    const QJsonObject description = readDescription(path);
    QVERIFY2(!description.value(QStringLiteral("working")).toArray().isEmpty(), "the working is missing");
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
    QVERIFY2(file, qPrintable(error));
    returnbuilder::recalculate(*file);

    const QJsonObject lines = returnbuilder::calculatedLines(*file);
    QStringList wrong;
    const char *who[] = {"self", "spouse"};
    for (int p = 0; p < 2; ++p) {
        const QJsonObject actual = lines.value(QLatin1String(who[p])).toObject();
        wrong << differences(actual, expectedOf(description.value(QStringLiteral("expected")), p), QLatin1String(who[p]));
        wrong << differences(actual, expectedOf(description.value(QStringLiteral("expectedProvincial")), p),
                             QLatin1String(who[p]));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

// What the developer tool writes reads back and recalculates to the same lines.
void TestReturns2024::savedReturnReadsBack()
{
    const QJsonObject description =
        readDescription(QDir(QStringLiteral(BQ_RETURNS2024_DIR)).filePath(QStringLiteral("08-ontario-couple.json")));
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("couple.r24"));
    QString error;
    QCOMPARE(file->save(path, 1, &error), 0);
    int code = -1;
    std::unique_ptr<CReturnFile> read(CReturnFile::load(path, code));
    QVERIFY(read);
    QCOMPARE(code, 0);
    returnbuilder::recalculate(*read);
    QCOMPARE(returnbuilder::calculatedLines(*read), returnbuilder::calculatedLines(*file));
}

void TestReturns2024::basicPersonalAmount_data()
{
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("amount");
    QTest::newRow("up to the threshold") << 173205.0 << 15705.0;
    QTest::newRow("midway") << 209978.5 << 14930.50;
    QTest::newRow("at the end") << 246752.0 << 14156.0;
    QTest::newRow("above") << 400000.0 << 14156.0;
}

// Line 30000 follows net income (line 23600) on a straight line between the two thresholds.
void TestReturns2024::basicPersonalAmount()
{
    QFETCH(double, netIncome);
    QFETCH(double, amount);
    TaxData_T1New t1;
    t1.setAmount(TaxData_T1New::F_23600, netIncome);
    t1.CalculateField338AndField410_414();
    QCOMPARE(t1.amount(TaxData_T1New::F_30000), amount);
}

void TestReturns2024::quebecAbatementOnlyForQuebec()
{
    for (int province : {9, 11}) {
        TaxData_T1New t1;
        t1.setMainTaxProvince(province);
        t1.setAmount(TaxData_T1New::F_12100, 50000.0);
        t1.Calculate01();
        // interest of 50,000: 50,000 x 15 % = 7,500.00 less the credit on 15,705 (2,355.75) = 5,144.25; 16.5 % = 848.80
        QCOMPARE(t1.amount(TaxData_T1New::F_42900), 5144.25);
        QCOMPARE(t1.amount(TaxData_T1New::F_44000), province == 11 ? 848.80 : 0.0);
    }
}

// 1,380 of grossed-up eligible dividends: 207.27; 115 of other dividends: 10.38.
void TestReturns2024::dividendCredit()
{
    TaxData_T1New t1;
    t1.setAmount(TaxData_T1New::F_12000, 1495.0);
    t1.setAmount(TaxData_T1New::F_12010, 115.0);
    t1.CalculateFedTax1stStep();
    QCOMPARE(t1.amount(TaxData_T1New::F_40425), 217.65);
}

// Box 16 of 4,000 on 60,000 of pensionable earnings: 3,361.75 required, 638.25 overpaid.
void TestReturns2024::cppOverpayment()
{
    TaxData_Sch8_14 sch8;
    sch8.setIntValue(TaxData_Sch8_14::F_Months, 12);
    sch8.setAmount(TaxData_Sch8_14::F_T4CppEarnings, 60000.0);
    sch8.setAmount(TaxData_Sch8_14::F_T4CppContributions, 4000.0);
    sch8.Calculate01();
    double l22200, l22215, l31000, l42100, l30800, l44800;
    sch8.getCPPRelatedAmounts(l22200, l22215, l31000, l42100, l30800, l44800);
    QCOMPARE(l30800, 2796.75);
    QCOMPARE(l22215, 565.0);
    QCOMPARE(l44800, 638.25);
    QCOMPARE(l42100 + l22200 + l31000, 0.0);
}

void TestReturns2024::eiOverpayment_data()
{
    QTest::addColumn<bool>("quebec");
    QTest::addColumn<double>("allowed");
    QTest::addColumn<double>("overpaid");
    // 40,000 insurable: 664.00 at 1.66 %, 528.00 at the Quebec rate 1.32 %; 700 deducted
    QTest::newRow("outside Quebec") << false << 664.0 << 36.0;
    QTest::newRow("Quebec") << true << 528.0 << 172.0;
}

void TestReturns2024::eiOverpayment()
{
    QFETCH(bool, quebec);
    QFETCH(double, allowed);
    QFETCH(double, overpaid);
    TaxData_T2204_New t2204;
    t2204.setAmount(TaxData_T2204_New::F_EIPremiums, 700.0);
    t2204.setAmount(TaxData_T2204_New::F_InsurableEarnings, 40000.0);
    t2204.setFlag(TaxData_T2204_New::F_Switch2, quebec);
    t2204.Calculate01();
    QCOMPARE(t2204.amount(TaxData_T2204_New::F_AllowedPremiums), allowed);
    QCOMPARE(t2204.amount(TaxData_T2204_New::F_EIOverpayment), overpaid);
}

// Taxable income 250,000: 3,248 of the gifts over 200 earn 33 %, the rest 29 %.
void TestReturns2024::donationTopRate()
{
    TaxData_Sch9 sch9;
    sch9.setAmount(TaxData_Sch9::F_NetIncome, 250000.0);
    sch9.setAmount(TaxData_Sch9::F_TaxableIncome, 250000.0);
    sch9.rows(0).append().setNumber(TaxData_Sch9::C_Amount, 10200.0);
    sch9.Calculate01();
    // 200 x 15 % = 30.00; 3,248 x 33 % = 1,071.84; 6,752 x 29 % = 1,958.08
    QCOMPARE(sch9.amount(TaxData_Sch9::F_Credit), 3059.92);
}

BQ_TEST_MAIN_CORE(TestReturns2024)
#include "tst_returns2024.moc"
