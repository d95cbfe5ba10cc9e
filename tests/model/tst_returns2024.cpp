// Whole 2024 returns built from the descriptions in returns2024/, against the
// lines worked out by hand in each description; and single calculators where
// their arithmetic has edges of its own.
#include "bqtest.h"
#include "dependantinfostruct.h"
#include "filingdocservices.h"
#include "formtables.h"
#include "creturnfile.h"
#include "individualtaxdata.h"
#include "returnbuilder.h"
#include "taxdata_instalmentcalc.h"
#include "taxdata_rc383.h"
#include "taxdata_sch6.h"
#include "taxdata_sch7.h"
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

// The amounts of person p's T1 summary (form 93) by field key.
QJsonObject summaryValues(const CReturnFile &file, int p)
{
    QJsonObject out;
    const IndividualTaxData *person = p == 0 ? file.self() : file.spouse();
    if (!person || person->forms().withKey(93).isEmpty())
        return out;
    const CTaxData_Form *ks = person->forms().withKey(93).first()->object;
    if (!ks)
        return out;
    for (int i = 0; i < ks->fieldTable().count(); ++i)
        if (ks->fieldTable().spec(i).kind == FieldKind::Amount)
            out.insert(QLatin1String(ks->fieldTable().spec(i).key), ks->amount(i));
    return out;
}

// The amounts of person p's provincial form 428: a line by its code ("58330"), an
// uncoded line by its field key.
QJsonObject provincialFormValues(const CReturnFile &file, int p)
{
    QJsonObject out;
    const IndividualTaxData *person = p == 0 ? file.self() : file.spouse();
    if (!person)
        return out;
    for (const FormEntry *e : person->forms()) {
        const QByteArray name = e->object ? QByteArray(Global_Forms_Info[e->object->formType()].name) : QByteArray();
        if (!name.endsWith("428"))
            continue;
        const FieldTable &table = e->object->fieldTable();
        for (int i = 0; i < table.count(); ++i) {
            const FieldSpec &spec = table.spec(i);
            if (FieldTable::isNumeric(spec.kind))
                out.insert(spec.code ? QString::number(spec.code) : QLatin1String(spec.key), e->object->amount(i));
        }
    }
    return out;
}

// The return of a description, its dependants ("dependants") in the household record.
CReturnFile *buildDescribed(const QJsonObject &description, QString *error = nullptr)
{
    return returnbuilder::build(description, error);
}

QJsonObject describedReturn(const QString &name)
{
    return readDescription(QDir(QStringLiteral(BQ_RETURNS2024_DIR)).filePath(name));
}

// The description with the given boxes removed from every T4 of the first person.
QJsonObject withoutT4Boxes(QJsonObject description, const QStringList &boxes)
{
    QJsonArray persons = description.value(QStringLiteral("persons")).toArray();
    QJsonObject person = persons.at(0).toObject();
    QJsonArray slips = person.value(QStringLiteral("slips")).toArray();
    for (int i = 0; i < slips.size(); ++i) {
        QJsonObject slip = slips.at(i).toObject();
        if (slip.value(QStringLiteral("type")).toInt() != 1)
            continue;
        QJsonObject fields = slip.value(QStringLiteral("fields")).toObject();
        for (const QString &box : boxes)
            fields.remove(box);
        slip.insert(QStringLiteral("fields"), fields);
        slips.replace(i, slip);
    }
    person.insert(QStringLiteral("slips"), slips);
    persons.replace(0, person);
    description.insert(QStringLiteral("persons"), persons);
    return description;
}

// A single Ontario person of 1980 with the given slips (type, fields).
QJsonObject oneOntarian(const QJsonArray &slips)
{
    QJsonObject person{{QStringLiteral("firstName"), QStringLiteral("Sam")},
                       {QStringLiteral("lastName"), QStringLiteral("Reyes")},
                       {QStringLiteral("sin"), QStringLiteral("046454286")},
                       {QStringLiteral("birthDate"), QStringLiteral("1980-05-17")},
                       {QStringLiteral("province"), 9},
                       {QStringLiteral("maritalStatus"), 5},
                       {QStringLiteral("slips"), slips}};
    return QJsonObject{{QStringLiteral("persons"), QJsonArray{person}}};
}

// Every value of every form and slip of both persons ("who type/id key=value").
QStringList allValues(const CReturnFile &file)
{
    QStringList out;
    const char *who[] = {"self", "spouse"};
    for (int p = 0; p < 2; ++p) {
        const IndividualTaxData *person = p == 0 ? file.self() : file.spouse();
        if (!person)
            continue;
        for (const EntryList<FormEntry> *list : {&person->forms(), &person->slips()}) {
            for (const FormEntry *e : *list) {
                if (!e->object)
                    continue;
                const QString where =
                    QStringLiteral("%1 %2/%3 ").arg(QLatin1String(who[p])).arg(e->object->formType()).arg(e->id);
                const FieldRecord &r = e->object->fields();
                for (int i = 0; i < r.table().count(); ++i)
                    out << where + QLatin1String(r.table().spec(i).key) + QLatin1Char('=') + r.valueText(i);
                for (int l = 0; l < e->object->rowListCount(); ++l) {
                    const FieldRowList &rows = e->object->rows(l);
                    for (int n = 0; n < rows.count(); ++n)
                        for (int i = 0; i < rows.row(n).table().count(); ++i)
                            out << where + QStringLiteral("row %1.%2 ").arg(l).arg(n) +
                                       QLatin1String(rows.row(n).table().spec(i).key) + QLatin1Char('=') +
                                       rows.row(n).valueText(i);
                }
            }
        }
    }
    return out;
}

QJsonObject slip(int type, const QJsonObject &fields)
{
    return QJsonObject{{QStringLiteral("type"), type}, {QStringLiteral("fields"), fields}};
}

} // namespace

class TestReturns2024 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFilingDocServices(); }

    // A description's dependants that cannot be kept are refused with the reason.
    void dependantsRefused_data()
    {
        QTest::addColumn<QJsonArray>("dependants");
        QTest::addColumn<QString>("reason");
        const QJsonObject child{{QStringLiteral("firstName"), QStringLiteral("Zoe")},
                                {QStringLiteral("birthDate"), QStringLiteral("2014-09-09")}};
        QJsonObject cousin = child;
        cousin.insert(QStringLiteral("relation"), QStringLiteral("cousin"));
        QJsonObject undated = child;
        undated.insert(QStringLiteral("birthDate"), QStringLiteral("09/09/2014"));
        QJsonArray thirteen;
        for (int i = 0; i < 13; ++i)
            thirteen.append(child);
        QTest::newRow("unknown relation") << QJsonArray{cousin} << "relation";
        QTest::newRow("date not ISO") << QJsonArray{undated} << "birthDate";
        QTest::newRow("more than 12") << thirteen << "at most 12";
    }
    void dependantsRefused()
    {
        QFETCH(QJsonArray, dependants);
        QFETCH(QString, reason);
        QJsonObject description = oneOntarian(QJsonArray());
        description.insert(QStringLiteral("dependants"), dependants);
        QString error;
        std::unique_ptr<CReturnFile> file(returnbuilder::build(description, &error));
        QVERIFY(!file);
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
    void returns_data();
    void returns();
    void savedReturnReadsBack_data();
    void savedReturnReadsBack();
    void recalculationSettles_data() { returns_data(); }
    void recalculationSettles();

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

    void blankEarningsBoxes_data();
    void blankEarningsBoxes();
    void cppOverpaymentOnT1_data();
    void cppOverpaymentOnT1();
    void eiRepaymentFollowsT4E_data();
    void eiRepaymentFollowsT4E();
    void rrspLimitTypedOnSchedule7();
    void rrspLimitTypedOnT1First();
    void workersBenefit_data();
    void workersBenefit();
    void coupleWorkersBenefit();
    void provincialWorkersBenefit_data();
    void provincialWorkersBenefit();
    void workersBenefitDependants();
    void prppExemptIncomeForm();

    void provincialCreditCases_data();
    void provincialCreditCases();
};

// The returns of the reference's provincial credit cases: a T4 of 50,000 (or the couples
// and singles named), with one federal line typed. Each row: the case, the case it is
// compared with (empty: none), the person, the line and the expected amount (with a case to
// compare, the expected change of the line). A 50,000 T4 puts every case in the province's
// first bracket, so a new credit amount comes off 42800 at the lowest rate.
void TestReturns2024::provincialCreditCases_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("person");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expected");
    // line 31220 claimed: the province's volunteer amount at its lowest rate
    QTest::newRow("BC volunteer firefighter") << "bc-50k-vfa" << "bc-50k" << 0 << "42800" << -151.80; // 3,000 x 5.06 %
    QTest::newRow("NB volunteer firefighter") << "nb-50k-vfa" << "nb-50k" << 0 << "42800" << -470.00; // 5,000 x 9.4 %
    QTest::newRow("SK volunteer firefighter") << "sk-50k-vfa" << "sk-50k" << 0 << "42800" << -315.00; // 3,000 x 10.5 %
    QTest::newRow("NL volunteer firefighter") << "nl-50k-vfa" << "nl-50k" << 0 << "42800" << -261.00; // 3,000 x 8.7 %
    // Nunavut's volunteer firefighters' tax credit (703) off the tax
    QTest::newRow("NU volunteer firefighter") << "nu-50k-vfa" << "nu-50k" << 0 << "42800" << -703.00;
    // Nova Scotia's refundable credit (62400) on line 47900, the tax unchanged
    QTest::newRow("NS volunteer firefighter credit") << "ns-50k-vfa" << "ns-50k" << 0 << "47900" << 500.00;
    QTest::newRow("NS volunteer firefighter tax") << "ns-50k-vfa" << "ns-50k" << 0 << "42800" << 0.0;
    // line 31300 for one child, 12,000 of expenses: the province's amount up to its maximum
    QTest::newRow("BC adoption") << "bc-50k-adopt" << "bc-50k" << 0 << "42800" << -607.20;   // 12,000 x 5.06 %
    QTest::newRow("MB adoption") << "mb-50k-adopt" << "mb-50k" << 0 << "42800" << -1080.00;  // 10,000 x 10.8 %
    QTest::newRow("ON adoption") << "on-50k-adopt" << "on-50k" << 0 << "42800" << -606.00;   // 12,000 x 5.05 %
    QTest::newRow("AB adoption") << "ab-50k-adopt" << "ab-50k" << 0 << "42800" << -1200.00;  // 12,000 x 10 %
    QTest::newRow("YT adoption") << "yt-50k-adopt" << "yt-50k" << 0 << "42800" << -768.00;   // 12,000 x 6.4 %
    // NL428 line 58330: 8,000 x 8.7 %; 12,000 is held at 11,878 (the 2024 maximum is not known,
    // 11,878 is within it): 58800 13,949.75 (10,818 + CPP 2,301.75 + EI 830) x 8.7 % = 1,213.63
    // rises to 25,827.75 x 8.7 % = 2,247.01, by 1,033.38; typed on the NL428, 12,000 x 8.7 %
    QTest::newRow("NL adoption") << "nl-50k-adopt8000" << "nl-50k" << 0 << "42800" << -696.00;
    QTest::newRow("NL adoption over 11,878") << "nl-50k-adopt" << "nl-50k" << 0 << "42800" << -1033.38;
    QTest::newRow("NL adoption line typed") << "nl-50k-adopt-typed" << "nl-50k" << 0 << "42800" << -1044.00;
    // Yukon children's arts fees of 400 for a child of 9, typed on the YT428 and on the YT479:
    // claimed once, on 58326 (400 x 6.4 %), not as a refundable credit on line 47900 too
    QTest::newRow("YT arts on the 428") << "yt-50k-arts" << "yt-50k" << 0 << "42800" << -25.60;
    QTest::newRow("YT arts not on the 479") << "yt-50k-arts" << "yt-50k" << 0 << "47900" << 0.0;
    // MB428-A on the spouse's own net income 18,845 (19,000 less the enhanced CPP 155):
    // 2,065 - 9 % x 18,845 (1,696.05) = 368.95 x 10.8 % = 39.85, as a single person's
    QTest::newRow("MB family tax benefit of the spouse") << "mb-couple-30k-19k" << "" << 1 << "42800" << 174.24;
    QTest::newRow("MB family tax benefit single") << "mb-single-19k" << "" << 0 << "42800" << 174.24;
    // NS spouse amount (Worksheet NS428), supplement 3,000 - 6 % x (49,535 - 25,000) = 1,527.90:
    // spouse's income 5,000: 9,329 - 5,000 = 4,329 and no supplement; 500: 8,481 + 1,027.90;
    // nil: 8,481 + 1,527.90
    QTest::newRow("NS spouse with 5,000") << "ns-couple-spouse5000" << "" << 0 << "42800" << 4047.16;
    QTest::newRow("NS spouse with 500") << "ns-couple-spouse500" << "" << 0 << "42800" << 3591.84;
    QTest::newRow("NS spouse with nil") << "ns-couple-spouse0" << "" << 0 << "42800" << 3547.89;
    // PE single, 27,000, eligible for the disability amount: tax after credits 459.68; the
    // low-income reduction 350 - 5 % x (26,737.50 - 21,500) = 88.125 -> 86.75 (no disability part)
    QTest::newRow("PE disabled single") << "pe-single-27k-disabled" << "" << 0 << "42800" << 372.93;
}

void TestReturns2024::provincialCreditCases()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QFETCH(int, person);
    QFETCH(QString, line);
    QFETCH(double, expected);
    const QDir dir(QStringLiteral(BQ_PROVINCIAL_CREDITS_DIR));
    auto lineOf = [&](const QString &caseName, double &value) {
        QString error;
        std::unique_ptr<CReturnFile> file(buildDescribed(readDescription(dir.filePath(caseName + ".json")), &error));
        QVERIFY2(file, qPrintable(caseName + ": " + error));
        returnbuilder::recalculate(*file);
        const QJsonObject lines = returnbuilder::calculatedLines(*file);
        value = lines.value(QLatin1String(person == 0 ? "self" : "spouse")).toObject().value(line).toDouble();
    };
    double got = 0.0, before = 0.0;
    lineOf(name, got);
    if (!base.isEmpty())
        lineOf(base, before);
    QVERIFY2(qAbs(got - before - expected) < 0.005,
             qPrintable(QStringLiteral("%1: got %2, expected %3").arg(line).arg(got - before, 0, 'f', 2).arg(expected, 0, 'f', 2)));
}

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
    std::unique_ptr<CReturnFile> file(buildDescribed(description, &error));
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
        wrong << differences(provincialFormValues(*file, p),
                             expectedOf(description.value(QStringLiteral("expected428")), p),
                             QLatin1String(who[p]) + QLatin1String(" 428"));
        wrong << differences(summaryValues(*file, p),
                             expectedOf(description.value(QStringLiteral("expectedSummary")), p),
                             QLatin1String(who[p]) + QLatin1String(" summary"));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

// A recalculation run again on a calculated return changes no value of any form.
void TestReturns2024::recalculationSettles()
{
    QFETCH(QString, path);
    std::unique_ptr<CReturnFile> file(buildDescribed(readDescription(path)));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    const QStringList before = allValues(*file);
    returnbuilder::recalculate(*file);
    const QStringList after = allValues(*file);
    QCOMPARE(after.size(), before.size());
    QStringList moved;
    for (int i = 0; i < before.size(); ++i)
        if (before.at(i) != after.at(i))
            moved << before.at(i) + QStringLiteral(" -> ") + after.at(i).section(QLatin1Char('='), -1);
    QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QLatin1String("; "))));
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

void TestReturns2024::blankEarningsBoxes_data()
{
    QTest::addColumn<QString>("name");
    // box 16 of 3,361.75 on 60,000 (CPP), and box 17 of 3,302.40 on 55,100 (QPP); both under the maximums
    QTest::newRow("CPP") << QStringLiteral("01-ontario-employee.json");
    QTest::newRow("QPP") << QStringLiteral("06-quebec-employee.json");
}

// A T4 with boxes 24 and 26 left blank gives the return of the same T4 with both
// boxes equal to box 14.
void TestReturns2024::blankEarningsBoxes()
{
    QFETCH(QString, name);
    const QJsonObject full = describedReturn(name);
    std::unique_ptr<CReturnFile> filled(returnbuilder::build(full));
    std::unique_ptr<CReturnFile> blank(returnbuilder::build(withoutT4Boxes(full, {QStringLiteral("Box24"), QStringLiteral("Box26")})));
    QVERIFY(filled && blank);
    returnbuilder::recalculate(*filled);
    returnbuilder::recalculate(*blank);
    const QJsonObject want = returnbuilder::calculatedLines(*filled).value(QStringLiteral("self")).toObject();
    const QJsonObject got = returnbuilder::calculatedLines(*blank).value(QStringLiteral("self")).toObject();
    const QStringList wrong = differences(got, want, QStringLiteral("blank"));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
    QVERIFY(got.value(QStringLiteral("30800")).toDouble() > 0.0);
    QVERIFY(got.value(QStringLiteral("31200")).toDouble() > 0.0);
}

void TestReturns2024::cppOverpaymentOnT1_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("earnings");
    QTest::addColumn<double>("deducted");
    QTest::addColumn<bool>("box26");
    QTest::addColumn<double>("overpaid");
    // earnings under the 3,500 basic exemption: nothing was required
    QTest::newRow("under the exemption") << 9 << 3000.0 << 60.0 << true << 60.0;
    QTest::newRow("under the exemption, box 26 blank") << 9 << 3000.0 << 60.0 << false << 60.0;
    // 40,000: (40,000 - 3,500) x 5.95 % = 2,171.75 required; 2,500 deducted
    QTest::newRow("more than required") << 9 << 40000.0 << 2500.0 << true << 328.25;
    QTest::newRow("as required") << 9 << 40000.0 << 2171.75 << true << 0.0;
}

// The CPP deducted over what the earnings required is refunded on line 44800.
void TestReturns2024::cppOverpaymentOnT1()
{
    QFETCH(int, province);
    QFETCH(double, earnings);
    QFETCH(double, deducted);
    QFETCH(bool, box26);
    QFETCH(double, overpaid);
    QJsonObject fields{{QStringLiteral("Province"), province},
                       {QStringLiteral("Box14"), earnings},
                       {QStringLiteral("Box16"), deducted}};
    if (box26)
        fields.insert(QStringLiteral("Box26"), earnings);
    std::unique_ptr<CReturnFile> file(returnbuilder::build(oneOntarian({slip(1, fields)})));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    const TaxData_T1New *t1 = file->self()->t1();
    QCOMPARE(t1->amount(TaxData_T1New::F_44800), overpaid);
    // what was required and deducted is the credit and the deduction
    QCOMPARE(t1->amount(TaxData_T1New::F_30800) + t1->amount(TaxData_T1New::F_22215), deducted - overpaid);
}

void TestReturns2024::eiRepaymentFollowsT4E_data()
{
    QTest::addColumn<double>("box7");
    QTest::addColumn<double>("box15");
    QTest::addColumn<double>("repayment");
    // T4 90,000 (no deductions) and T4E box 14 10,000: line 23400 = 100,000, 21,000 over 79,000
    QTest::newRow("30 % on regular benefits") << 30.0 << 10000.0 << 3000.0;  // 30 % x 10,000
    QTest::newRow("part of the benefits in box 15") << 30.0 << 4000.0 << 1200.0; // 30 % x 4,000
    QTest::newRow("first-time claimant at 0 %") << 0.0 << 10000.0 << 0.0;
    QTest::newRow("no repayment base") << 30.0 << 0.0 << 0.0;
}

// Lines 23500 and 42200 repay only the benefits of box 15, at the rate of box 7.
void TestReturns2024::eiRepaymentFollowsT4E()
{
    QFETCH(double, box7);
    QFETCH(double, box15);
    QFETCH(double, repayment);
    const QJsonArray slips{
        slip(1, {{QStringLiteral("Province"), 9}, {QStringLiteral("Box14"), 90000}}),
        slip(5, {{QStringLiteral("Box7"), box7}, {QStringLiteral("Box14"), 10000}, {QStringLiteral("Box15"), box15}})};
    std::unique_ptr<CReturnFile> file(returnbuilder::build(oneOntarian(slips)));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    const TaxData_T1New *t1 = file->self()->t1();
    QCOMPARE(t1->amount(TaxData_T1New::F_11900), 10000.0);
    QCOMPARE(t1->amount(TaxData_T1New::F_23400), 100000.0);
    QCOMPARE(t1->amount(TaxData_T1New::F_23500), repayment);
    QCOMPARE(t1->amount(TaxData_T1New::F_42200), repayment);
    QCOMPARE(t1->amount(TaxData_T1New::F_23600), 100000.0 - repayment);
}

// A limit typed on Schedule 7 survives recalculation, save and reopen; the
// T1's carried amount fills it only when empty or when changed on the T1.
void TestReturns2024::rrspLimitTypedOnSchedule7()
{
    std::unique_ptr<CReturnFile> file(returnbuilder::build(describedReturn(QStringLiteral("01-ontario-employee.json"))));
    QVERIFY(file);
    IndividualTaxData &person = *file->self();
    TaxData_T1New *t1 = person.t1();
    t1->setAmount(TaxData_T1New::F_LYRRSPLimit, 2000.0); // carried from last year
    FormEntry *entry = person.addForm(7, 0, true, 0, true);
    QVERIFY(entry && entry->object);
    entry->object->setAmount(TaxData_Sch7::F_DeductionLimit, 10000.0); // typed by the preparer
    entry->object->setAmount(TaxData_Sch7::F_ContribRestOfYear, 6000.0);
    file->recalculate(0, entry->object);
    QCOMPARE(t1->amount(TaxData_T1New::F_20800), 6000.0);
    QCOMPARE(t1->amount(TaxData_T1New::F_LYRRSPLimit), 10000.0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rrsp.r24"));
    QCOMPARE(file->save(path, 1, nullptr), 0);
    int code = -1;
    std::unique_ptr<CReturnFile> read(CReturnFile::load(path, code));
    QVERIFY(read);
    QCOMPARE(code, 0);
    returnbuilder::recalculate(*read);
    QCOMPARE(read->self()->t1()->amount(TaxData_T1New::F_20800), 6000.0);
    QCOMPARE(read->self()->getForm(7, 0, false)->amount(TaxData_Sch7::F_DeductionLimit), 10000.0);

    // changed on the T1 by the preparer: the new amount goes to Schedule 7
    TaxData_T1New *readT1 = read->self()->t1();
    readT1->setAmount(TaxData_T1New::F_LYRRSPLimit, 4000.0);
    read->recalculate(0, readT1);
    QCOMPARE(read->self()->getForm(7, 0, false)->amount(TaxData_Sch7::F_DeductionLimit), 4000.0);
    QCOMPARE(readT1->amount(TaxData_T1New::F_20800), 4000.0);
}

// A limit entered on the T1 before Schedule 7 is made is what the new
// schedule starts from, even with a last-year record that holds another amount.
void TestReturns2024::rrspLimitTypedOnT1First()
{
    std::unique_ptr<CReturnFile> file(returnbuilder::build(describedReturn(QStringLiteral("01-ontario-employee.json"))));
    QVERIFY(file);
    IndividualTaxData &person = *file->self();
    CTaxData_Form *record = person.findWizardData(2, true);
    QVERIFY(record);
    returnbuilder::recalculate(*file); // the record now holds the return's (empty) amounts
    TaxData_T1New *t1 = person.t1();
    t1->setAmount(TaxData_T1New::F_LYRRSPLimit, 7500.0);
    FormEntry *entry = person.addForm(7, 0, true, 0, true);
    QVERIFY(entry && entry->object);
    QCOMPARE(t1->amount(TaxData_T1New::F_LYRRSPLimit), 7500.0);
    QCOMPARE(entry->object->amount(TaxData_Sch7::F_DeductionLimit), 7500.0);
    entry->object->setAmount(TaxData_Sch7::F_ContribRestOfYear, 9000.0);
    file->recalculate(0, entry->object);
    QCOMPARE(t1->amount(TaxData_T1New::F_20800), 7500.0);
}

void TestReturns2024::workersBenefit_data()
{
    QTest::addColumn<double>("income"); // working income and adjusted net income
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<double>("supplement");
    QTest::addColumn<double>("benefit");
    // 27 % x 17,000 over the 1,590 maximum; under 26,149
    QTest::newRow("single 20,000") << 20000.0 << false << 0.0 << 1590.0;
    // and the supplement: 27 % x 18,850 over the 821 maximum; under 36,749
    QTest::newRow("disabled 20,000") << 20000.0 << true << 821.0 << 2411.0;
    // 1,590 - 15 % x 3,851 (577.65); supplement whole
    QTest::newRow("disabled 30,000") << 30000.0 << true << 821.0 << 1833.35;
    // basic nil (1,590 - 15 % x 13,851); supplement 821 - 15 % x (40,000 - 36,748) (487.80)
    QTest::newRow("disabled 40,000") << 40000.0 << true << 333.20 << 333.20;
    QTest::newRow("single 40,000") << 40000.0 << false << 0.0 << 0.0;
}

// Line 45300: the basic amount and, with the disability tax credit, the disability supplement.
void TestReturns2024::workersBenefit()
{
    QFETCH(double, income);
    QFETCH(bool, disabled);
    QFETCH(double, supplement);
    QFETCH(double, benefit);
    TaxData_Sch6 sch6;
    sch6.setAmount(TaxData_Sch6::F_WorkingIncome, income);
    sch6.setAmount(TaxData_Sch6::F_AdjustedNetIncome, income);
    sch6.setFlag(TaxData_Sch6::F_Disabled, disabled);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(TaxData_Sch6::F_DisabilitySupplement), supplement);
    QCOMPARE(sch6.amount(TaxData_Sch6::F_Benefit), benefit);
    sch6.setFlag(TaxData_Sch6::F_Excluded, true);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(TaxData_Sch6::F_Benefit), 0.0);
}

// Of a couple, the basic amount only for the spouse who takes it; both DTC-eligible: each
// supplement is reduced at 7.5 %.
void TestReturns2024::coupleWorkersBenefit()
{
    using S = TaxData_Sch6;
    TaxData_Sch6 sch6;
    sch6.setIntValue(S::F_SpouseFlag, 1);
    sch6.setAmount(S::F_WorkingIncome, 10000.0);
    sch6.setAmount(S::F_SpouseWorkingIncome, 10000.0);
    sch6.setAmount(S::F_AdjustedNetIncome, 10000.0);
    sch6.setAmount(S::F_SpouseNetIncome, 10000.0);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(S::F_Benefit), 2739.0); // 27 % x 17,000 over the family maximum
    sch6.setPartnerFacts(true, false);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(S::F_Benefit), 0.0);
    sch6.setPartnerFacts(false, false);
    sch6.setFlag(S::F_ClaimBenefit, false);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(S::F_Benefit), 0.0);

    // family adjusted net income 54,000 (the spouse earns nothing: no secondary earner
    // exemption): 821 - 15 % x 5,909 < 0; at 7.5 %: 821 - 443.18 = 377.82
    sch6.setFlag(S::F_Disabled, true);
    sch6.setAmount(S::F_WorkingIncome, 20000.0);
    sch6.setAmount(S::F_SpouseWorkingIncome, 0.0);
    sch6.setAmount(S::F_AdjustedNetIncome, 27000.0);
    sch6.setAmount(S::F_SpouseNetIncome, 27000.0);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(S::F_DisabilitySupplement), 0.0);
    sch6.setPartnerFacts(false, true);
    sch6.Calculate01();
    QCOMPARE(sch6.amount(S::F_DisabilitySupplement), 377.82);
}

// Line 45300 of Alberta, Quebec and Nunavut residents, with their own 2024 parameters; the rest
// of Canada for comparison. Working and adjusted net incomes of the person and the spouse.
void TestReturns2024::provincialWorkersBenefit_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("household"); // single, single parent, couple, couple with dependants
    QTest::addColumn<double>("working");
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("spouseWorking");
    QTest::addColumn<double>("spouseNet");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<double>("benefit");
    const int AB = Province::Alberta, QC = Province::Quebec, NU = Province::Nunavut, ON = Province::Ontario;
    // single, working and net income 12,000: the phase-in below each maximum, no reduction
    QTest::newRow("ON single") << ON << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << false
                               << 1590.00;                                   // 27 % x 9,000 = 2,430 -> 1,590
    QTest::newRow("AB single") << AB << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << false
                               << 1704.00;                                   // 21 % x 9,240 = 1,940.40 -> 1,704
    QTest::newRow("NU single") << NU << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << false
                               << 840.00;                                    // 14 % x 6,000
    QTest::newRow("QC single") << QC << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << false
                               << 3580.80;                                   // 37.3 % x 9,600
    QTest::newRow("QC single parent 12,000") << QC << "single parent" << 12000.0 << 12000.0 << 0.0 << 0.0 << false
                                             << 1920.00;                     // 20 % x 9,600, under 1,977.15
    // a family earning 25,000 (one earner) with adjusted family net income 35,000
    QTest::newRow("ON family") << ON << "couple" << 25000.0 << 35000.0 << 0.0 << 0.0 << false
                               << 1963.95;                                   // 2,739 - 15 % x 5,167
    QTest::newRow("AB family") << AB << "couple" << 25000.0 << 35000.0 << 0.0 << 0.0 << false
                               << 2087.65;                                   // 2,551 - 15 % x 3,089 (463.35)
    QTest::newRow("NU family") << NU << "couple" << 25000.0 << 35000.0 << 0.0 << 0.0 << false
                               << 2371.00;                                   // 14 % x 19,000 over 2,371; under 35,957
    QTest::newRow("QC couple") << QC << "couple" << 25000.0 << 35000.0 << 0.0 << 0.0 << false
                               << 3030.01;                                   // 5,755.64 - 20 % x 13,628.16 (2,725.63)
    QTest::newRow("QC couple with dependants") << QC << "couple with dependants" << 25000.0 << 35000.0 << 0.0 << 0.0
                                               << false << 993.94;           // 3,687.93 - 20 % x 13,469.93 (2,693.99)
    QTest::newRow("QC single parent") << QC << "single parent" << 25000.0 << 35000.0 << 0.0 << 0.0 << false
                                      << 0.0;                                // 1,977.15 - 20 % x 20,969.92 < 0
    // the same 25,000 earned 15,000 / 10,000: the lower earner's 10,000 (under 15,955) is left
    // out, adjusted family net income 25,000
    QTest::newRow("ON two earners") << ON << "couple" << 15000.0 << 20000.0 << 10000.0 << 15000.0 << false << 2739.00;
    QTest::newRow("AB two earners") << AB << "couple" << 15000.0 << 20000.0 << 10000.0 << 15000.0 << false << 2551.00;
    QTest::newRow("NU two earners") << NU << "couple" << 15000.0 << 20000.0 << 10000.0 << 15000.0 << false << 2371.00;
    QTest::newRow("QC two earners") << QC << "couple" << 15000.0 << 20000.0 << 10000.0 << 15000.0 << false
                                    << 5030.01;                              // 5,755.64 - 20 % x 3,628.16 (725.63)
    QTest::newRow("QC two earners with dependants") << QC << "couple with dependants" << 15000.0 << 20000.0 << 10000.0
                                                    << 15000.0 << false << 2993.94; // 3,687.93 - 693.99
    // the disability supplement, single at 12,000: Quebec 40 % x 10,800 over 827.72; Nunavut
    // 26 % x 7,200 over 912; Alberta 27 % x 11,090 over 821
    QTest::newRow("QC single disabled") << QC << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << true
                                        << 3580.80 + 827.72;
    QTest::newRow("NU single disabled") << NU << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << true
                                        << 840.00 + 912.00;
    QTest::newRow("AB single disabled") << AB << "single" << 12000.0 << 12000.0 << 0.0 << 0.0 << true
                                        << 1704.00 + 821.00;
    // Nunavut's slow phase-out: single at 40,000, 1,578 - 4 % x 13,873 (554.92); the supplement
    // whole (under 65,577)
    QTest::newRow("NU single 40,000") << NU << "single" << 40000.0 << 40000.0 << 0.0 << 0.0 << true
                                      << 1023.08 + 912.00;
}

void TestReturns2024::provincialWorkersBenefit()
{
    using S = TaxData_Sch6;
    QFETCH(int, province);
    QFETCH(QString, household);
    QFETCH(double, working);
    QFETCH(double, net);
    QFETCH(double, spouseWorking);
    QFETCH(double, spouseNet);
    QFETCH(bool, disabled);
    QFETCH(double, benefit);
    const bool couple = household.startsWith(QLatin1String("couple"));
    TaxData_Sch6 sch6;
    sch6.setMainTaxProvince(province);
    sch6.setIntValue(S::F_SpouseFlag, couple ? 1 : 0);
    sch6.setFlag(S::F_EligibleDependant, household == QLatin1String("single parent"));
    sch6.setIntValue(S::F_Dependants, household.endsWith(QLatin1String("dependants")) ? 2 : 0);
    sch6.setFlag(S::F_Disabled, disabled);
    sch6.setAmount(S::F_WorkingIncome, working);
    sch6.setAmount(S::F_AdjustedNetIncome, net);
    sch6.setAmount(S::F_SpouseWorkingIncome, spouseWorking);
    sch6.setAmount(S::F_SpouseNetIncome, spouseNet);
    sch6.Calculate01();
    QVERIFY2(qAbs(sch6.amount(S::F_Benefit) - benefit) < 0.005,
             qPrintable(QStringLiteral("45300: got %1").arg(sch6.amount(S::F_Benefit), 0, 'f', 2)));
}

// Schedule 6 counts the household's children under 19 at the end of 2024 (Quebec's couples
// with dependants): born 2010 and 2006 count, 2005 (19) does not.
void TestReturns2024::workersBenefitDependants()
{
    QJsonObject description = oneOntarian({slip(1, QJsonObject{{QStringLiteral("Province"), 9},
                                                                {QStringLiteral("Box14"), 20000}})});
    QJsonArray persons = description.value(QStringLiteral("persons")).toArray();
    QJsonObject person = persons.at(0).toObject();
    person.insert(QStringLiteral("forms"), QJsonArray{QJsonObject{{QStringLiteral("type"), 119}}});
    persons.replace(0, person);
    description.insert(QStringLiteral("persons"), persons);
    QJsonArray children;
    for (const char *birth : {"2010-03-03", "2006-12-31", "2005-06-06"})
        children.append(QJsonObject{{QStringLiteral("firstName"), QStringLiteral("Kim")},
                                    {QStringLiteral("birthDate"), QLatin1String(birth)},
                                    {QStringLiteral("relation"), 1}});
    description.insert(QStringLiteral("dependants"), children);
    QString error;
    std::unique_ptr<CReturnFile> file(buildDescribed(description, &error));
    QVERIFY2(file, qPrintable(error));
    returnbuilder::recalculate(*file);
    const CTaxData_Form *sch6 = file->self()->getForm(119, 0, false);
    QVERIFY(sch6);
    QCOMPARE(sch6->intValue(TaxData_Sch6::F_Dependants), 2);
}

// RC383 is the PRPP form of tax-exempt earned income: with T4 box 71 earnings of 30,000 and
// PRPP contributions of 1,000 + 500 on the slip, 58820 holds the 1,500; it files no CPP line.
void TestReturns2024::prppExemptIncomeForm()
{
    const QJsonObject t4{{QStringLiteral("Province"), 9}, {QStringLiteral("Box71"), 30000}};
    const QJsonObject prpp{{QStringLiteral("Box13"), 1000}, {QStringLiteral("Box14"), 500}};
    std::unique_ptr<CReturnFile> file(returnbuilder::build(oneOntarian({slip(1, t4), slip(22, prpp)})));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    const QVector<FormEntry *> &forms = file->self()->forms().withKey(149);
    QCOMPARE(forms.size(), 1);
    const CTaxData_Form *rc383 = forms.first()->object;
    QCOMPARE(rc383->amount(TaxData_RC383::F_ExemptIncome), 30000.0);
    QCOMPARE(rc383->amount(TaxData_RC383::F_58820), 1500.0);
    QCOMPARE(rc383->fieldTable().indexOfCode(22215), -1);
    QCOMPARE(file->self()->t1()->amount(TaxData_T1New::F_22215), 0.0);
}

BQ_TEST_MAIN_CORE(TestReturns2024)
#include "tst_returns2024.moc"
