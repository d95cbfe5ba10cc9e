// Whole 2024 returns built from the descriptions in returns2024/, against the
// lines worked out by hand in each description; and single calculators where
// their arithmetic has edges of its own.
#include "bqtest.h"
#include "creturnfile.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_instalmentcalc.h"
#include "taxdata_sch8_14.h"
#include "taxdata_sch9.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1new.h"
#include "taxdata_t2204_new.h"
#include "taxdata_t778new.h"
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
    void savedReturnReadsBack_data();
    void savedReturnReadsBack();

    void basicPersonalAmount_data();
    void basicPersonalAmount();
    void quebecAbatementOnlyForQuebec();
    void dividendCredit();
    void cppOverpayment();
    void eiOverpayment_data();
    void eiOverpayment();
    void donationTopRate();
    void donationTopRateInReturn();
    void t1Lines_data();
    void t1Lines();
    void instalments_data();
    void instalments();
    void childCare_data();
    void childCare();
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

void TestReturns2024::savedReturnReadsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("couple") << QStringLiteral("08-ontario-couple.json");
    // the fields the pension split, Schedule 10 and the minimum tax carry
    QTest::newRow("pension split") << QStringLiteral("12-ontario-pension-split.json");
    QTest::newRow("Schedule 10") << QStringLiteral("13-quebec-ppip-selfemployed.json");
    QTest::newRow("minimum tax") << QStringLiteral("14-ontario-minimum-tax.json");
}

// What the developer tool writes reads back and recalculates to the same lines.
void TestReturns2024::savedReturnReadsBack()
{
    QFETCH(QString, name);
    const QJsonObject description = readDescription(QDir(QStringLiteral(BQ_RETURNS2024_DIR)).filePath(name));
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("return.r24"));
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

// The stages give Schedule 9 the taxable income: the high earner of the table at
// 300,000 of employment income gives 10,200 of gifts. Taxable income 299,162
// (300,000 + OAS 8,500 - 838 - the whole OAS back) is 52,410 over 246,752, more
// than the 10,000 over 200: 200 x 15 % = 30.00 + 10,000 x 33 % = 3,300.00.
void TestReturns2024::donationTopRateInReturn()
{
    QJsonObject description =
        readDescription(QDir(QStringLiteral(BQ_RETURNS2024_DIR)).filePath(QStringLiteral("07-ontario-high-earner.json")));
    QJsonArray persons = description.value(QStringLiteral("persons")).toArray();
    QJsonObject person = persons.at(0).toObject();
    QJsonArray slips = person.value(QStringLiteral("slips")).toArray();
    QJsonObject t4 = slips.at(0).toObject();
    QJsonObject boxes = t4.value(QStringLiteral("fields")).toObject();
    boxes.insert(QStringLiteral("Box14"), 300000);
    boxes.insert(QStringLiteral("Box26"), 300000);
    t4.insert(QStringLiteral("fields"), boxes);
    slips.replace(0, t4);
    person.insert(QStringLiteral("slips"), slips);
    const QJsonObject gift{{QStringLiteral("Charity"), QStringLiteral("Food bank")},
                           {QStringLiteral("ReceiptNumber"), QStringLiteral("A-1")},
                           {QStringLiteral("Amount"), 10200}};
    const QJsonObject sch9{{QStringLiteral("type"), 9}, {QStringLiteral("rows"), QJsonArray{gift}}};
    person.insert(QStringLiteral("forms"), QJsonArray{sch9});
    persons.replace(0, person);
    description.insert(QStringLiteral("persons"), persons);

    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
    QVERIFY2(file, qPrintable(error));
    returnbuilder::recalculate(*file);
    const QJsonObject self = returnbuilder::calculatedLines(*file).value(QStringLiteral("self")).toObject();
    QCOMPARE(self.value(QStringLiteral("26000")).toDouble(), 299162.0);
    QCOMPARE(self.value(QStringLiteral("34900")).toDouble(), 3330.0);
}

// Lines that count in the totals of the T1 on their own.
void TestReturns2024::t1Lines_data()
{
    QTest::addColumn<int>("entered");
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("total");
    QTest::addColumn<double>("expected");
    QTest::newRow("support payments received in total income") << int(TaxData_T1New::F_12800) << 10000.0
                                                                 << int(TaxData_T1New::F_15000) << 10000.0;
    // 15,705 + 400 = 16,105
    QTest::newRow("PPIP premiums in Schedule 1") << int(TaxData_T1New::F_31205) << 400.0
                                                 << int(TaxData_T1New::F_33500) << 16105.0;
}

void TestReturns2024::t1Lines()
{
    QFETCH(int, entered);
    QFETCH(double, amount);
    QFETCH(int, total);
    QFETCH(double, expected);
    TaxData_T1New t1;
    t1.setAmount(entered, amount);
    t1.Calculate01();
    QCOMPARE(t1.amount(total), expected);
}

void TestReturns2024::instalments_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("provincialTax");
    QTest::addColumn<double>("provincialCredits");
    QTest::addColumn<double>("netTaxOwing");
    QTest::addColumn<double>("quarter");
    // 43500 9,083.21 holds the Ontario tax 3,111.33 once; 500 deducted, CWB 200
    QTest::newRow("Ontario") << 9 << 3111.33 << 0.0 << 8383.21 << 2095.80;
    // the provincial credits of 47900 count once, from the plug-in
    QTest::newRow("Ontario with provincial credits") << 9 << 3111.33 << 400.0 << 7983.21 << 1995.80;
    // Quebec: federal tax only; owing over 1,800 but under 3,000 still calls for instalments
    QTest::newRow("Quebec over 1,800") << 11 << 0.0 << 0.0 << 2471.88 << 617.97;
    QTest::newRow("Ontario under 3,000") << 9 << 0.0 << 0.0 << 2471.88 << 0.0;
}

void TestReturns2024::instalments()
{
    QFETCH(int, province);
    QFETCH(double, provincialTax);
    QFETCH(double, provincialCredits);
    QFETCH(double, netTaxOwing);
    QFETCH(double, quarter);
    TaxData_T1New t1;
    t1.setMainTaxProvince(province);
    t1.setAmount(TaxData_T1New::F_42000, 3171.88);
    t1.setAmount(TaxData_T1New::F_42800, provincialTax);
    t1.setAmount(TaxData_T1New::F_43500, 3171.88 + provincialTax + (provincialTax > 0 ? 2800.0 : 0.0));
    t1.setAmount(TaxData_T1New::F_43700, 500.0);
    t1.setAmount(TaxData_T1New::F_45300, 200.0);
    t1.setAmount(TaxData_T1New::F_47600, 1000.0);
    t1.setAmount(TaxData_T1New::F_47900, provincialCredits);
    TaxData_InstalmentCalc sheet;
    sheet.setAmount(TaxData_InstalmentCalc::F_ProvincialValue1, provincialTax);
    sheet.setAmount(TaxData_InstalmentCalc::F_ProvincialValue2, provincialCredits);
    TaxData_T1KSNew summary;
    sheet.Calculate(&t1, &summary);
    QCOMPARE(sheet.amount(TaxData_InstalmentCalc::F_NetTaxOwing), netTaxOwing);
    QCOMPARE(sheet.amount(TaxData_InstalmentCalc::F_Quarter), quarter);
    QCOMPARE(summary.amount(TaxData_T1KSNew::F_Instalment4), quarter);
}

void TestReturns2024::childCare_data()
{
    QTest::addColumn<int>("under7");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<double>("expenses");
    QTest::addColumn<double>("earned");
    QTest::addColumn<double>("partnerNet");
    QTest::addColumn<double>("deduction");
    QTest::newRow("two under 7: 2 x 8,000") << 2 << 0 << 20000.0 << 60000.0 << 0.0 << 16000.0;
    QTest::newRow("child eligible for the disability amount: 11,000") << 0 << 1 << 15000.0 << 60000.0 << 0.0
                                                                      << 11000.0;
    QTest::newRow("two thirds of earned income") << 1 << 0 << 8000.0 << 9000.0 << 0.0 << 6000.0;
    QTest::newRow("lower-income spouse claims") << 1 << 0 << 8000.0 << 60000.0 << 70000.0 << 8000.0;
    QTest::newRow("higher-income spouse claims nothing") << 1 << 0 << 8000.0 << 60000.0 << 30000.0 << 0.0;
}

void TestReturns2024::childCare()
{
    QFETCH(int, under7);
    QFETCH(int, disabled);
    QFETCH(double, expenses);
    QFETCH(double, earned);
    QFETCH(double, partnerNet);
    QFETCH(double, deduction);
    TaxData_T778New t778;
    t778.setIntValue(TaxData_T778New::F_ChildrenUnder7, under7);
    t778.setIntValue(TaxData_T778New::F_ChildrenDisabled, disabled);
    t778.setAmount(TaxData_T778New::F_Expenses, expenses);
    t778.setAmount(TaxData_T778New::F_EarnedIncome, earned);
    t778.setAmount(TaxData_T778New::F_NetIncome, 60000.0);
    t778.setAmount(TaxData_T778New::F_PartnerNetIncome, partnerNet);
    t778.Calculate01();
    QCOMPARE(t778.amount(TaxData_T778New::F_Deduction), deduction);
}

BQ_TEST_MAIN_CORE(TestReturns2024)
#include "tst_returns2024.moc"
