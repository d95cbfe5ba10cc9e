// The line-code records of a person and the selected financial data of the
// business forms, on returns built from descriptions with the real plug-ins.
#include "bqtest.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "individualtaxdata.h"
#include "linecoderecords.h"
#include "mydatastream.h"
#include "personfixture.h"
#include "returnbuilder.h"
#include "taxdata_slip_t4.h"
#include "taxdata_t1new.h"
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

using T1 = TaxData_T1New;
using Codes = QMap<int, NetfileWrittenCode>;
constexpr double kNotWritten = -1e9;

QJsonObject readJson(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

// A single person of Ontario with the given T1 values and forms (JSON text of a person's members).
QJsonObject personReturn(const QString &members)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                                        "\"sin\":\"046454286\",\"birthDate\":\"1980-04-12\",\"province\":9%1}]}")
                             .arg(members.isEmpty() ? QString() : QStringLiteral(",") + members);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(text.toUtf8(), &error).object();
    if (error.error != QJsonParseError::NoError)
        qWarning() << "bad description" << error.errorString() << text;
    return o;
}

// The records of one person collected as the barcode does, or written as filing text.
struct Records
{
    CString text;
    int counter = 0;
    Codes codes;
    int sfd = 0;
    int t2091 = 0;

    Records(IndividualTaxData &person, int mode, quint8 kind, bool withSfd = true)
    {
        NetfileGenObjParamStru c;
        c.mode = quint8(mode);
        c.outputKind = kind;
        c.recordText = &text;
        c.counter = &counter;
        c.writtenCodes = &codes;
        person.addNetfileFieldRecords(mode, c);
        if (withSfd) {
            sfd = person.writeSelectedFinancialData(mode, c);
            t2091 = person.writeT2091FinancialData(mode, c);
        }
    }
    double amount(int code) const { return codes.value(code).amount; }
};

QByteArray savedBytes(CReturnFile &file)
{
    QByteArray bytes;
    {
        MyDataStream ar(&bytes, true);
        file.serialize(1, ar);
    }
    return bytes;
}

} // namespace

class TestLineCodeRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ontarioEmployee();
    void edgeCases_data();
    void edgeCases();
    void selectedFinancialData_data();
    void selectedFinancialData();
    void t1273Counted();
    void reFileSnapshotNotFiled();
    void hasAnyFieldCode_data();
    void hasAnyFieldCode();
    void buildingLeavesReturnUnchanged_data();
    void buildingLeavesReturnUnchanged();
    void newT1FieldsReadBack();

private:
    PersonFixture m_fx;
};

void TestLineCodeRecords::initTestCase()
{
    installFilingDocServices();
}

void TestLineCodeRecords::ontarioEmployee()
{
    const QJsonObject description = readJson(QDir(QStringLiteral(BQ_RETURNS2024_DIR)).filePath(QStringLiteral("01-ontario-employee.json")));
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    IndividualTaxData &self = *file->self();

    const Records efile(self, 1, 2);
    QCOMPARE(efile.amount(10100), 60000.0);
    QCOMPARE(efile.amount(15000), 60000.0);
    QCOMPARE(efile.amount(23600), 59435.0);
    QCOMPARE(efile.amount(26000), 59435.0);
    QVERIFY(qAbs(efile.amount(43500) - 9083.21) < 0.005);
    QCOMPARE(efile.codes.value(49000).number, 1);
    QCOMPARE(efile.codes.value(49000).entryType, 3);
    QVERIFY(!efile.codes.contains(9915));
    QCOMPARE(efile.sfd, 0);

    const Records netfile(self, 2, 0);
    QVERIFY(!netfile.codes.contains(49000));
    QVERIFY(netfile.text.contains(QLatin1String("<t1:Line10100>60000.00</t1:Line10100>")));
    QVERIFY(!netfile.text.contains(QLatin1String("SelectedFinancialData")));
    // the same records in both kinds
    QCOMPARE(Records(self, 2, 2).codes.keys(), netfile.codes.keys());
}

void TestLineCodeRecords::edgeCases_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("value");   // kNotWritten: the code is not written
    QTest::addColumn<bool>("recalculate");

    const QString farm = QStringLiteral("\"maritalStatus\":5,\"t1\":{\"FarmingLossReported\":1},"
                                        "\"forms\":[{\"type\":21,\"fields\":{\"GrossIncome\":1000,\"Expenses\":2234.56}}]");
    QTest::newRow("farming loss") << farm << 1 << 54950 << 1234.0 << true;
    QTest::newRow("farming loss net line") << farm << 1 << 14100 << -1234.56 << true;
    QTest::newRow("farming gross line") << farm << 1 << 14099 << 1000.0 << true;
    QTest::newRow("farming loss not reported")
        << QStringLiteral("\"maritalStatus\":5,\"forms\":[{\"type\":21,\"fields\":{\"GrossIncome\":1000,\"Expenses\":2234.56}}]")
        << 1 << 54950 << kNotWritten << true;
    QTest::newRow("single with 30300") << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"30300\":2000,\"10100\":100}")
                                       << 1 << 55220 << 1.0 << false;
    QTest::newRow("married with 30300") << QStringLiteral("\"maritalStatus\":0,\"t1\":{\"30300\":2000,\"10100\":100}")
                                        << 1 << 55220 << kNotWritten << false;
    QTest::newRow("single, June 15 deadline") << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"SelfEmployedJune15\":1}")
                                              << 1 << 55220 << 1.0 << false;
    QTest::newRow("married, spouse amount") << QStringLiteral("\"maritalStatus\":0,\"t1\":{\"30400\":500}")
                                            << 1 << 55290 << 1.0 << false;
    QTest::newRow("RC71") << QStringLiteral("\"maritalStatus\":5,\"forms\":[{\"type\":53}]") << 1 << 49000 << 3.0 << false;
    QTest::newRow("RC71, NETFILE") << QStringLiteral("\"maritalStatus\":5,\"forms\":[{\"type\":53}]") << 2 << 49000
                                   << kNotWritten << false;
    QTest::newRow("no fee charged") << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"NoFeeCharged\":1}") << 1 << 49000
                                    << 2.0 << false;
    QTest::newRow("no income") << QStringLiteral("\"maritalStatus\":5") << 1 << 9915 << 1.0 << false;
    QTest::newRow("income") << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"10100\":1,\"15000\":1}") << 1 << 9915
                            << kNotWritten << false;
    QTest::newRow("rental without amounts: zero as one")
        << QStringLiteral("\"maritalStatus\":5,\"forms\":[{\"type\":12}]") << 1 << 12599 << 1.0 << true;
    QTest::newRow("supporting T936 amount") << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"Line68100\":75.5}") << 1 << 68100
                                            << 75.5 << false;
    QTest::newRow("67910 from its two parts")
        << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"Line67910Part1\":10,\"Line67910Part2\":5.25}") << 1 << 67910 << 15.25
        << false;
    QTest::newRow("67840 zero as one with a tax shelter")
        << QStringLiteral("\"maritalStatus\":5,\"t1\":{\"TaxShelterCount\":1}") << 1 << 67840 << 1.0 << false;
}

void TestLineCodeRecords::edgeCases()
{
    QFETCH(QString, members);
    QFETCH(int, mode);
    QFETCH(int, code);
    QFETCH(double, value);
    QFETCH(bool, recalculate);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members), &error));
    QVERIFY2(file, qPrintable(error));
    if (recalculate)
        returnbuilder::recalculate(*file);
    for (quint8 kind : {quint8(0), quint8(2)}) {
        const Records r(*file->self(), mode, kind);
        if (value == kNotWritten) {
            QVERIFY2(!r.codes.contains(code), qPrintable(QString::number(r.amount(code))));
            continue;
        }
        QVERIFY(r.codes.contains(code));
        QVERIFY2(qAbs(r.amount(code) - value) < 0.005, qPrintable(QString::number(r.amount(code))));
    }
}

// The count filed is the number of the records that follow it (each statement
// form one, a T5013 each statement row, a T777 or TL2 when line 22900 claims it),
// which the barcode's item 31 gives too; the T2091 records are not counted.
void TestLineCodeRecords::selectedFinancialData_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("count");    // 0: no count filed
    QTest::addColumn<int>("sfd");      // SFD records of the business forms
    QTest::addColumn<int>("t2091");    // T2091 records

    const QString t777 = QStringLiteral("{\"type\":59,\"fields\":{\"TotalExpenses\":300,\"Deduction\":300}}");
    QTest::newRow("T777 without its T1 amount")
        << QStringLiteral("\"forms\":[{\"type\":59,\"fields\":{\"TotalExpenses\":300}}]") << 0 << 0 << 0;
    QTest::newRow("T777 alone, with its T1 amount")
        << QStringLiteral("\"t1\":{\"22900\":300},\"forms\":[%1]").arg(t777) << 1 << 1 << 0;
    QTest::newRow("TL2 alone, with the T1 amount")
        << QStringLiteral("\"t1\":{\"22900\":80},\"forms\":[{\"type\":92,\"fields\":{\"Meals\":80,\"Deduction\":80}}]")
        << 1 << 1 << 0;
    QTest::newRow("T2125 and a T777 with its T1 amount")
        << QStringLiteral("\"t1\":{\"22900\":300},\"forms\":[{\"type\":125,\"fields\":{\"GrossIncome\":9000}},%1]")
               .arg(t777)
        << 2 << 2 << 0;
    // business, farming, fishing and rental rows: four statements, four counted
    QTest::newRow("T5013 with four statement rows of each kind")
        << QStringLiteral("\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":0,\"IsSFD\":1,\"NetIncome\":100},"
                          "{\"Kind\":3,\"IsSFD\":1,\"NetIncome\":200},{\"Kind\":4,\"IsSFD\":1,\"NetIncome\":300},"
                          "{\"Kind\":5,\"IsSFD\":1,\"NetIncome\":400}]}]")
        << 4 << 4 << 0;
    QTest::newRow("T5013 farming row alone")
        << QStringLiteral("\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":3,\"IsSFD\":1,\"NetIncome\":200}]}]")
        << 1 << 1 << 0;
    QTest::newRow("T5013 with two statement rows")
        << QStringLiteral("\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":0,\"IsSFD\":1,\"NetIncome\":5000,\"Share\":50},"
                          "{\"Kind\":1,\"IsSFD\":1,\"NetIncome\":-200,\"Share\":25},{\"Kind\":5,\"IsSFD\":0,\"NetIncome\":10}]}]")
        << 2 << 2 << 0;
    QTest::newRow("T2091") << QStringLiteral("\"forms\":[{\"type\":160,\"fields\":{\"Proceeds\":500000}}]") << 0 << 0 << 1;
    QTest::newRow("T2125, T776 and a T2091")
        << QStringLiteral("\"forms\":[{\"type\":125,\"fields\":{\"GrossIncome\":9000}},{\"type\":12,\"fields\":{\"GrossRents\":1200}},"
                          "{\"type\":147}]")
        << 2 << 2 << 1;
}

void TestLineCodeRecords::selectedFinancialData()
{
    QFETCH(QString, members);
    QFETCH(int, count);
    QFETCH(int, sfd);
    QFETCH(int, t2091);
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members), &error));
    QVERIFY2(file, qPrintable(error));
    const Records r(*file->self(), 1, 0);
    QCOMPARE(r.sfd, sfd);
    QCOMPARE(r.t2091, t2091);
    // every record once: the walk writes none of the forms written as selected financial data
    QCOMPARE(int(r.text.count(QLatin1String("<sfd:SelectedFinancialData>"))), sfd + t2091);
    QCOMPARE(int(r.text.count(QLatin1String("</sfd:SelectedFinancialData>"))), sfd + t2091);
    QCOMPARE(int(r.text.count(QLatin1String("SelectedFinancialDataRecordCount>"))), count > 0 ? 2 : 0);
    if (count > 0) {
        const QString filed =
            QStringLiteral("<t1:SelectedFinancialDataRecordCount>%1</t1:SelectedFinancialDataRecordCount>")
                .arg(count, 2, 10, QLatin1Char('0'));
        QVERIFY2(r.text.contains(filed), qPrintable(r.text));
    }
    // the T777's record, filed when line 22900 claims it
    const bool t777Filed = members.contains(QLatin1String("\"22900\":300"));
    QCOMPARE(int(r.text.count(QLatin1String("<t1:Line9368>"))), t777Filed ? 1 : 0);
    // the statements' codes stay in their records, out of the person's line codes
    for (int statementCode : {8141, 8299, 9368, 9369, 9970})
        QVERIFY(!r.codes.contains(statementCode));
}

// A T1273 counts twice among the self-employment forms (the limit of the
// eligibility rules), but its statement is not among the records written, so the
// record count leaves it out.
void TestLineCodeRecords::t1273Counted()
{
    QVERIFY(m_fx.setUp());
    {
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        QVERIFY(p.getForm(1, 0, true));
        QVERIFY(p.addForm(109, 0, true, 0, false));
        QVERIFY(p.addForm(125, 0, true, 0, false));
        const Records r(p, 1, 0);
        QCOMPARE(p.countSelfEmploymentForms(), 3);
        QCOMPARE(r.sfd, 1);
        QVERIFY(r.text.contains(QLatin1String("<t1:SelectedFinancialDataRecordCount>01</t1:SelectedFinancialDataRecordCount>")));
        QCOMPARE(int(r.text.count(QLatin1String("<sfd:SelectedFinancialData>"))), 1);
    }
    m_fx.tearDown();   // the other tests use the program's plug-ins
}

// The Re-File snapshot keeps the result as first filed, for the Re-File change
// rules only: the amended return files the current result and nothing of it.
void TestLineCodeRecords::reFileSnapshotNotFiled()
{
    const QJsonObject description = readJson(QDir(QStringLiteral(BQ_RETURNS2024_DIR)).filePath(QStringLiteral("01-ontario-employee.json")));
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    IndividualTaxData &self = *file->self();
    // filed with a balance owing of 83.21 (tax 9083.21, deducted 9000.00)
    QVERIFY(qAbs(Records(self, 1, 2).amount(48500) - 83.21) < 0.005);
    QCOMPARE(self.takeReFileSnapshot(), 0);
    // more tax deducted typed: 9500.00 - 9083.21 = 416.79 refund, nothing owing
    QCOMPARE(self.slips().count(), 1);
    self.slips().at(0)->object->setAmount(TaxData_Slip_T4::F_Box22, 9500.0);
    returnbuilder::recalculate(*file);

    const Records filed(self, 1, 0);
    QVERIFY2(filed.text.contains(QLatin1String("<t1:Line48400>416.79</t1:Line48400>")), qPrintable(filed.text));
    QVERIFY2(!filed.text.contains(QLatin1String("Line48500")), qPrintable(filed.text));
    const Records barcode(self, 1, 2);
    QVERIFY(qAbs(barcode.amount(48400) - 416.79) < 0.005);
    QVERIFY(!barcode.codes.contains(48500));
}

void TestLineCodeRecords::hasAnyFieldCode_data()
{
    QTest::addColumn<QList<int>>("written");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("expected");
    QTest::newRow("found") << QList<int>{30300, 10100} << 3 << true;
    QTest::newRow("beyond the count") << QList<int>{58120} << 2 << false;
    QTest::newRow("count 0") << QList<int>{30300} << 0 << false;
    QTest::newRow("negative count") << QList<int>{30300} << -1 << false;
    QTest::newRow("nothing written") << QList<int>() << 3 << false;
}

void TestLineCodeRecords::hasAnyFieldCode()
{
    QFETCH(QList<int>, written);
    QFETCH(int, count);
    QFETCH(bool, expected);
    Codes codes;
    for (int code : written)
        codes.insert(code, NetfileWrittenCode());
    const int asked[] = {52300, 30300, 58120};
    QCOMPARE(::hasAnyFieldCode(codes, asked, count), expected);
}

void TestLineCodeRecords::buildingLeavesReturnUnchanged_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(BQ_RETURNS2024_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    QTest::newRow("self-employed without a CPP form") << QString();
}

void TestLineCodeRecords::buildingLeavesReturnUnchanged()
{
    QFETCH(QString, path);
    const QJsonObject description = path.isEmpty()
        ? personReturn(QStringLiteral("\"t1\":{\"13500\":20000,\"CppElectionFirstPair\":1}"))
        : readJson(path);
    std::unique_ptr<CReturnFile> file(returnbuilder::build(description));
    QVERIFY(file);
    returnbuilder::recalculate(*file);
    if (path.isEmpty()) {
        for (int cppForm : {150, 148})
            if (CTaxData_Form *f = file->self()->getForm(cppForm, 0, false))
                file->self()->removeForm(f, false, false);
        file->self()->t1()->setAmount(T1::F_13500, 20000);
    }
    CReturnFile before(0);
    before.assign(*file);
    const QByteArray bytes = savedBytes(*file);
    for (IndividualTaxData *person : {file->self(), file->spouse()}) {
        if (!person || !person->t1())
            continue;
        for (int mode : {1, 2})
            for (quint8 kind : {quint8(0), quint8(2)}) {
                const Records r(*person, mode, kind);
                if (path.isEmpty())
                    QCOMPARE(r.amount(50329), 1.0);
            }
    }
    if (path.isEmpty())
        QCOMPARE(file->self()->t1()->specialRecordMarker(), 8);
    QVERIFY(!file->differsFrom(before));
    QCOMPARE(savedBytes(*file), bytes);
}

void TestLineCodeRecords::newT1FieldsReadBack()
{
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(QStringLiteral("\"maritalStatus\":5"))));
    QVERIFY(file);
    T1 *t = file->self()->t1();
    t->setText(T1::F_NetfileAccessCode, QStringLiteral("AB12CD34"));
    t->setDate(T1::F_DateOfMove, QDate(2024, 7, 1));
    t->setIntValue(T1::F_Tlicho, 1);
    t->setAmount(T1::F_13499, 4321.5);
    t->setAmount(T1::F_ContributionIndicator, 2);
    t->setSpecialRecordMarker(8);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fields.r24"));
    QString error;
    QCOMPARE(file->save(path, 1, &error), 0);
    int code = -1;
    std::unique_ptr<CReturnFile> read(CReturnFile::load(path, code));
    QVERIFY(read);
    QCOMPARE(code, 0);
    const T1 *r = read->self()->t1();
    QCOMPARE(r->text(T1::F_NetfileAccessCode), QStringLiteral("AB12CD34"));
    QCOMPARE(r->date(T1::F_DateOfMove), QDate(2024, 7, 1));
    QCOMPARE(r->intValue(T1::F_Tlicho), 1);
    QCOMPARE(r->amount(T1::F_13499), 4321.5);
    QCOMPARE(r->intValue(T1::F_ContributionIndicator), 2);
    QCOMPARE(r->intValue(T1::F_YukonFirstNation), -1);   // not answered
    QCOMPARE(r->specialRecordMarker(), 0);                // never saved
    QCOMPARE(t->fieldTable().count(), int(T1::F_Count));
}

BQ_TEST_MAIN_CORE(TestLineCodeRecords)
#include "tst_linecoderecords.moc"
