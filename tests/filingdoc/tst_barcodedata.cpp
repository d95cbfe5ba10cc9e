// The barcode data of each person of a saved return: the T1 record, the SFD
// records, their line entries, and files that reload whatever the return holds.
#include "barcodedata.h"
#include "barcodedecoder.h"
#include "barcodereader.h"
#include "bqtest.h"
#include "cmemoryblock.h"
#include "creturnfile.h"
#include "filingdocservices.h"
#include "fixedbarcodeitem.h"
#include "individualtaxdata.h"
#include "linecoderecords.h"
#include "list_fixedbarcodeitem.h"
#include "mydatastream.h"
#include "returnbuilder.h"
#include "sfdbarcodefixeddata.h"
#include "t1returnbarcodefixeddata.h"
#include "taxdata_t1new.h"
#include "ctaxdata_t5013.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t776new.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <limits>
#include <memory>

namespace {

const QString kValidSin = QStringLiteral("130692544");

// A single person with a valid SIN; members are JSON members of the person.
QJsonObject personReturn(const QString &members, int province = 9)
{
    const QString text = QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\","
                                        "\"sin\":\"%1\",\"birthDate\":\"1980-04-12\",\"province\":%2%3}]}")
                             .arg(kValidSin)
                             .arg(province)
                             .arg(members.isEmpty() ? QString() : QStringLiteral(",") + members);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(text.toUtf8(), &error).object();
    if (error.error != QJsonParseError::NoError)
        qWarning() << "bad description" << error.errorString() << text;
    return o;
}

// The person's barcode block as written, read back.
struct Written
{
    qint32 t1Length = -1;
    QByteArray t1;
    qint32 sfdCount = -1;
    QList<QByteArray> sfd;
    bool whole = false;   // every byte read, nothing left

    explicit Written(IndividualTaxData &person)
    {
        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            writeBarcodeData(person, out);
        }
        MyDataStream in(&bytes, false);
        in >> t1Length;
        if (t1Length > 0) {
            t1.resize(t1Length);
            in.readRawData(t1.data(), t1Length);
            in >> sfdCount;
            for (int i = 0; i < sfdCount; ++i) {
                qint32 k = 0;
                in >> k;
                QByteArray b(k, '\0');
                in.readRawData(b.data(), k);
                sfd.append(b);
            }
        }
        whole = in.ok() && in.device()->atEnd();
    }
};

std::unique_ptr<CReturnFile> built(const QString &members, int province = 9, bool recalc = true)
{
    QString error;
    std::unique_ptr<CReturnFile> file(returnbuilder::build(personReturn(members, province), &error));
    if (!file)
        qWarning() << error;
    else if (recalc)
        returnbuilder::recalculate(*file);
    return file;
}

// "block number + form code" of each SFD block, joined by ",".
QString sfdCodes(const QList<QByteArray> &blocks)
{
    QStringList codes;
    for (const QByteArray &b : blocks)
        codes << QString::fromLatin1(b.mid(2, 4));
    return codes.join(QLatin1Char(','));
}

// The selected financial data of the person's EFILE document: its record count
// ("" when none is filed) and the form codes of its records, in filing order.
struct FiledSfd
{
    QString count;
    QStringList records;   // the codes of each record, joined by "+"

    explicit FiledSfd(IndividualTaxData &person)
    {
        CString text;
        int counter = 0;
        QMap<int, NetfileWrittenCode> codes;
        NetfileGenObjParamStru c;
        c.mode = 1;
        c.outputKind = 0;
        c.recordText = &text;
        c.counter = &counter;
        c.writtenCodes = &codes;
        writeSelectedFinancialData(person, 1, c);
        writeT2091FinancialData(person, 1, c);
        const QRegularExpression countTag(QStringLiteral("<t1:SelectedFinancialDataRecordCount>(\\d+)<"));
        count = countTag.match(text).captured(1);
        const QRegularExpression record(QStringLiteral("<sfd:SelectedFinancialData>(.*?)</sfd:SelectedFinancialData>"));
        for (auto it = record.globalMatch(text); it.hasNext();) {
            QStringList lines;
            const QRegularExpression line(QStringLiteral("<[a-z0-9]+:Line(\\d+)>"));
            for (auto l = line.globalMatch(it.next().captured(1)); l.hasNext();)
                lines << l.next().captured(1);
            records << lines.join(QLatin1Char('+'));
        }
    }
};

} // namespace

class TestBarcodeData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fixedItemsKeepTheirWidth_data();
    void fixedItemsKeepTheirWidth();
    void t1Items_data();
    void t1Items();
    void bankruptAmountsPastTheRange_data();
    void bankruptAmountsPastTheRange();
    void spouseAmountNotANumber();
    void sfdBlocks_data();
    void sfdBlocks();
    void sfdItems_data();
    void sfdItems();
    void sfdAsFiled_data();
    void sfdAsFiled();
    void entriesWithoutTheirObject();
    void lineEntries_data();
    void lineEntries();
    void fixturesRoundTrip();
    void hostileReturnsReload_data();
    void hostileReturnsReload();
    void ineligiblePersons_data();
    void ineligiblePersons();

private:
    QTemporaryDir m_dir;
};

void TestBarcodeData::initTestCase()
{
    installFilingDocServices();
    QVERIFY(m_dir.isValid());
}

void TestBarcodeData::fixedItemsKeepTheirWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("leftZero");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("short, right blank") << 4 << "Al" << false << QByteArray("Al  ");
    QTest::newRow("long name cut") << 4 << "Alexandra" << false << QByteArray("Alex");
    QTest::newRow("number left 0") << 8 << "1234" << true << QByteArray("00001234");
    QTest::newRow("accent not split") << 4 << QString::fromUtf8("Bél") << false << QByteArray("B\xc3\xa9l");
    QTest::newRow("accent at the cut") << 2 << QString::fromUtf8("Bé") << false << QByteArray("B ");
    QTest::newRow("empty") << 3 << "" << true << QByteArray("000");
}

void TestBarcodeData::fixedItemsKeepTheirWidth()
{
    QFETCH(int, width);
    QFETCH(QString, value);
    QFETCH(bool, leftZero);
    QFETCH(QByteArray, expected);
    struct Record : List_FixedBarcodeItem
    {
        explicit Record(int w) : item(*this, w) {}
        FixedBarcodeItem item;
    } record(width);
    if (leftZero)
        record.item.SetValueLeftPadding(value, '0');
    else
        record.item.SetValueRightPadding(value, ' ');
    CMemoryBlock block;
    record.OutputToMemoryBlock(block);
    QCOMPARE(block.bytes(), expected);
    QCOMPARE(block.GetSize(), width);

    T1ReturnBarcodeFixedData t1("ABC");
    QCOMPARE(t1.itemCount(), 49);
    QCOMPARE(t1.recordWidth(), T1ReturnBarcodeFixedData::kWidth);
    SFDBarcodeFixedData sfd;
    QCOMPARE(sfd.itemCount(), 33);
    QCOMPARE(sfd.recordWidth(), SFDBarcodeFixedData::kWidth);
}

void TestBarcodeData::t1Items_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("position");   // 1-based
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no RC71") << "\"maritalStatus\":5" << 9 << 7 << QByteArray("00000000");
    QTest::newRow("RC71 number") << "\"maritalStatus\":5,\"forms\":[{\"type\":53,\"fields\":{\"DiscounterCode\":\"1234\"}}]"
                                 << 9 << 7 << QByteArray("00001234");
    QTest::newRow("bankrupt, 0.00") << "\"maritalStatus\":5,\"t1\":{\"BankruptDate\":\"2024-06-30\"}" << 9 << 385
                                    << QByteArray("1000000001");
    QTest::newRow("bankrupt, 1234.50")
        << "\"maritalStatus\":5,\"t1\":{\"BankruptDate\":\"2024-06-30\",\"PostBankruptNetIncome\":1234.5}" << 9 << 386
        << QByteArray("000001235");
    QTest::newRow("bankrupt, -10.60")
        << "\"maritalStatus\":5,\"t1\":{\"BankruptDate\":\"2024-06-30\",\"PostBankruptNetIncome\":-10.6}" << 9 << 386
        << QByteArray("-00000011");
    QTest::newRow("street with rural route")
        << "\"maritalStatus\":5,\"t1\":{\"Street\":\"12 Main St   \",\"RuralRoute\":\"4\"}" << 9 << 136
        << QByteArray("12 Main St RR 4").leftJustified(60, ' ');
    // the street line as the filing document forms it ("5-12 Birch Ave"), then the
    // second address field and the rural route
    QTest::newRow("apartment, PO box and rural route")
        << "\"maritalStatus\":5,\"t1\":{\"AptNo\":\"5\",\"Street\":\"12 Birch Ave\",\"POBox\":\"77\",\"RuralRoute\":\"4\"}"
        << 9 << 136 << QByteArray("5-12 Birch Ave 77 RR 4").leftJustified(60, ' ');
    QTest::newRow("mailing province") << "\"maritalStatus\":5,\"t1\":{\"MailProvince\":\"ON\"}" << 9 << 246 << QByteArray("ON");
    QTest::newRow("foreign address") << "\"maritalStatus\":5,\"t1\":{\"MailProvince\":\"ON\",\"ForeignMailing\":1}" << 9
                                     << 246 << QByteArray("  ");
    QTest::newRow("no telephone") << "\"maritalStatus\":5" << 9 << 338 << QByteArray("0000000000");
    QTest::newRow("long telephone cut") << "\"maritalStatus\":5,\"t1\":{\"Phone\":\"613 555 0199 ext 42\"}" << 9 << 338
                                        << QByteArray("6135550199");
    QTest::newRow("long spouse name") << "\"maritalStatus\":0,\"t1\":{\"SpouseFirstName\":\"Bartholomew-Jean-Christophe-Alexandre\"}"
                                      << 9 << 46 << QByteArray("Bart");
    QTest::newRow("huge spouse income") << "\"maritalStatus\":0,\"t1\":{\"SpouseNetIncome\":2e9}" << 9 << 349
                                        << QByteArray("999999999");
    QTest::newRow("Tlicho, Northwest Territories") << "\"maritalStatus\":5,\"t1\":{\"Tlicho\":0}" << 6 << 459
                                                   << QByteArray("010");
    QTest::newRow("Tlicho, Nova Scotia") << "\"maritalStatus\":5,\"t1\":{\"Tlicho\":0}" << 7 << 459 << QByteArray("000");
    QTest::newRow("fixed tail") << "\"maritalStatus\":5" << 9 << 404 << QByteArray("00");
    QTest::newRow("defaults") << "\"maritalStatus\":5" << 9 << 447 << QByteArray("20260525");
}

void TestBarcodeData::t1Items()
{
    QFETCH(QString, members);
    QFETCH(int, province);
    QFETCH(int, position);
    QFETCH(QByteArray, expected);
    std::unique_ptr<CReturnFile> file = built(members, province, false);
    QVERIFY(file);
    const Written w(*file->self());
    QVERIFY(w.whole);
    QVERIFY(w.t1Length > T1ReturnBarcodeFixedData::kWidth);
    QCOMPARE(w.t1.mid(position - 1, expected.size()), expected);
    QCOMPARE(barcodedecoder::decode(w.t1).record.size(), T1ReturnBarcodeFixedData::kWidth);
    QVERIFY(w.t1.endsWith("-EOD"));
    QCOMPARE(w.t1.left(6), QByteArray("012024"));
}

void TestBarcodeData::bankruptAmountsPastTheRange_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QByteArray>("expected");   // nine characters, held at their ends
    QTest::newRow("huge income") << 1e30 << QByteArray("999999999");
    QTest::newRow("infinite income") << std::numeric_limits<double>::infinity() << QByteArray("999999999");
    QTest::newRow("huge loss") << -1e30 << QByteArray("-99999999");
    // not a number: no income past a dollar, so the one dollar the rule files
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QByteArray("000000001");
}

// The post-bankruptcy net income and the Manitoba amount of a bankrupt's record.
void TestBarcodeData::bankruptAmountsPastTheRange()
{
    QFETCH(double, amount);
    QFETCH(QByteArray, expected);
    std::unique_ptr<CReturnFile> file =
        built(QStringLiteral("\"maritalStatus\":5,\"t1\":{\"BankruptDate\":\"2024-06-30\"}"), Province::Manitoba, false);
    QVERIFY(file);
    TaxData_T1New *t1 = file->self()->t1();
    QVERIFY(t1);
    t1->setAmount(TaxData_T1New::F_PostBankruptNetIncome, amount);
    t1->setAmount(TaxData_T1New::F_ManitobaBankruptAmount, amount);
    const Written w(*file->self());
    QVERIFY(w.whole);
    QCOMPARE(w.t1.mid(384, 1), QByteArray("1"));   // bankrupt
    QCOMPARE(w.t1.mid(385, 9), expected);           // post-bankruptcy net income
    QCOMPARE(w.t1.mid(394, 9), expected);           // Manitoba amount
}

// A damaged amount is no figure: the spouse's net income is filed as nil.
void TestBarcodeData::spouseAmountNotANumber()
{
    std::unique_ptr<CReturnFile> file = built(QStringLiteral("\"maritalStatus\":0"), Province::Ontario, false);
    QVERIFY(file);
    TaxData_T1New *t1 = file->self()->t1();
    QVERIFY(t1);
    t1->setAmount(TaxData_T1New::F_SpouseNetIncome, std::numeric_limits<double>::quiet_NaN());
    const Written w(*file->self());
    QVERIFY(w.whole);
    QCOMPARE(w.t1.mid(348, 9), QByteArray("000000000"));   // spouse's net income
}

void TestBarcodeData::sfdBlocks_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("codes");

    const QString t776 = QStringLiteral("{\"type\":12,\"fields\":{\"GrossRents\":1000}}");
    const QString t2125 = QStringLiteral("{\"type\":125,\"fields\":{\"GrossIncome\":2000}}");
    QTest::newRow("T776 then T2125") << QStringLiteral("\"forms\":[%1,%2]").arg(t776, t2125) << 2 << "0101,0202";
    QTest::newRow("T2125 then T776") << QStringLiteral("\"forms\":[%2,%1]").arg(t776, t2125) << 2 << "0101,0202";
    QTest::newRow("T777 beside T777S")
        << "\"forms\":[{\"type\":59,\"fields\":{\"VehicleExpenses\":300}},"
           "{\"type\":179}]"
        << 1 << "0107";
    QTest::newRow("three forms: none")
        << QStringLiteral("\"forms\":[%1,%2,{\"type\":59,\"fields\":{\"VehicleExpenses\":300}}]")
               .arg(t776, t2125)
        << 0 << "";
    QTest::newRow("T5013 business and fishing")
        << "\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":0,\"IsSFD\":1},{\"Kind\":4,\"IsSFD\":1}]}]" << 2 << "0102,0204";
    QTest::newRow("T5013 rental and farming")
        << "\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":5,\"IsSFD\":1},{\"Kind\":3,\"IsSFD\":1}]}]" << 2 << "0101,0205";
    QTest::newRow("T5013 kind without code")
        << "\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":9,\"IsSFD\":1},{\"Kind\":1,\"IsSFD\":1}]}]" << 1 << "0103";
    QTest::newRow("T5013 row without statement")
        << "\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":0,\"IsSFD\":0}]}]" << 0 << "";
    QTest::newRow("T2091 forms") << "\"forms\":[{\"type\":160},{\"type\":147}]" << 2 << "0112,0211";
    QTest::newRow("TL2 only")
        << "\"forms\":[{\"type\":92,\"fields\":{\"Meals\":80,\"Deduction\":80}}]" << 1
        << "0108";
    QTest::newRow("bankrupt: none")
        << QStringLiteral("\"t1\":{\"BankruptDate\":\"2024-06-30\"},\"forms\":[%1]").arg(t776) << 0 << "";
}

void TestBarcodeData::sfdBlocks()
{
    QFETCH(QString, members);
    QFETCH(int, count);
    QFETCH(QString, codes);
    std::unique_ptr<CReturnFile> file = built(QStringLiteral("\"maritalStatus\":5,") + members);
    QVERIFY(file);
    const Written w(*file->self());
    QVERIFY(w.whole);
    QCOMPARE(w.sfdCount, count);
    QCOMPARE(sfdCodes(w.sfd), codes);
    for (const QByteArray &b : w.sfd) {
        const barcodedecoder::Block d = barcodedecoder::decode(b);
        QVERIFY(d.valid && d.terminated);
        QCOMPARE(d.record.size(), SFDBarcodeFixedData::kWidth);
    }
    const int built = getSfdBlockCount(*file->self());
    QCOMPARE(built <= 2 ? built : 0, count);
}

void TestBarcodeData::sfdItems_data()
{
    QTest::addColumn<QString>("form");   // one form entry
    QTest::addColumn<int>("position");   // of the item in the record, from 1
    QTest::addColumn<QByteArray>("expected");

    const QString t2125 = QStringLiteral("{\"type\":125,\"fields\":{%1}}");
    const QString t5013 = QStringLiteral("{\"type\":38,\"rows\":[{\"Kind\":0,\"IsSFD\":1,%1}]}");
    QTest::newRow("industry code") << t2125.arg("\"IndustryCode\":\"541211\"") << 10 << QByteArray("541211");
    QTest::newRow("short industry code padded with 0") << t2125.arg("\"IndustryCode\":\"5412\"") << 10
                                                       << QByteArray("541200");
    QTest::newRow("T776 code unpadded") << "{\"type\":12,\"fields\":{\"IndustryCode\":\"5311\"}}" << 10
                                        << QByteArray("5311  ");
    QTest::newRow("T776 postal code") << "{\"type\":12,\"fields\":{\"Postcode\":\"k1a 0b1\"}}" << 85
                                      << QByteArray("K1A0B1");
    QTest::newRow("business number") << t2125.arg("\"BusinessNumber\":\"123 456 789\"") << 107
                                     << QByteArray("123456789");
    QTest::newRow("short business number") << t2125.arg("\"BusinessNumber\":\"12345\"") << 107
                                           << QByteArray("123450000");
    QTest::newRow("tax shelter") << t2125.arg("\"TaxShelterId\":\"ts123456\"") << 120 << QByteArray("TS123456");
    QTest::newRow("partnership business number") << t2125.arg("\"PartnershipBN\":\"123456789RZ0001\"") << 129
                                                 << QByteArray("123456789RZ0001");
    QTest::newRow("last year") << t2125.arg("\"LastYear\":1") << 128 << QByteArray("1");
    QTest::newRow("not last year") << t2125.arg("\"LastYear\":0") << 128 << QByteArray("2");
    QTest::newRow("T2125 first indicator") << t2125.arg("\"Partnership\":0") << 9 << QByteArray("1");
    QTest::newRow("T2042 partnership") << "{\"type\":21,\"fields\":{\"Partnership\":1}}" << 9 << QByteArray("1");
    QTest::newRow("T2121 no partnership") << "{\"type\":51}" << 9 << QByteArray("2");
    QTest::newRow("T2042 address") << "{\"type\":21,\"fields\":{\"Address\":\"RR 2 Ayr\"}}" << 55
                                   << QByteArray("RR 2 Ayr").leftJustified(30, ' ');
    QTest::newRow("T2121 no address") << "{\"type\":51}" << 55 << QByteArray(30, ' ');
    QTest::newRow("percentage 100") << t2125.arg("\"Percentage\":100") << 116 << QByteArray("0000");
    QTest::newRow("percentage 50.25") << t2125.arg("\"Percentage\":50.25") << 116 << QByteArray("5025");
    QTest::newRow("partner share 100") << t2125.arg("\"Partner1Share\":100") << 411 << QByteArray("000000");
    QTest::newRow("partner share 12.5") << t2125.arg("\"Partner1Share\":12.5") << 411 << QByteArray("125000");
    QTest::newRow("second partner") << t2125.arg("\"Partner2Name\":\"Lee\",\"Partner2Share\":40")
                                    << 417 << QByteArray("Lee").leftJustified(30, ' ');
    QTest::newRow("third partner share") << t2125.arg("\"Partner3Share\":5") << 559 << QByteArray("050000");
    QTest::newRow("partner name of the older field") << t2125.arg("\"PartnerName\":\"Ames\"") << 343
                                                     << QByteArray("Ames").leftJustified(30, ' ');
    QTest::newRow("no websites") << t2125.arg("\"WebsiteCount\":0") << 144 << QByteArray("    ");
    QTest::newRow("website count 3") << t2125.arg("\"WebsiteCount\":3") << 144 << QByteArray("3   ");
    QTest::newRow("main product") << t2125.arg("\"Description\":\"Bookkeeping\"") << 148
                                  << QByteArray("Bookkeeping").leftJustified(96, ' ');
    QTest::newRow("websites") << t2125.arg("\"Websites\":\"birch.example\"") << 244
                              << QByteArray("birch.example").leftJustified(96, ' ');
    QTest::newRow("Internet income part") << t2125.arg("\"InternetIncomePercent\":45.9") << 340 << QByteArray(" 45");
    QTest::newRow("T5013 industry code") << t5013.arg("\"IndustryCode\":\"5418\"") << 10 << QByteArray("541800");
    QTest::newRow("T5013 postal code") << t5013.arg("\"Postcode\":\"m5v 2t6\"") << 85 << QByteArray("M5V2T6");
    QTest::newRow("T5013 fiscal end") << t5013.arg("\"FiscalEnd\":\"2024-12-31\"") << 99 << QByteArray("20241231");
    QTest::newRow("T5013 limited partner") << t5013.arg("\"LimitedPartner\":1") << 9 << QByteArray("1");
    QTest::newRow("T5013 business number") << t5013.arg("\"BusinessNumber\":\"987654321\"") << 107
                                           << QByteArray("987654321");
    QTest::newRow("T5013 tax shelter") << t5013.arg("\"TaxShelterId\":\"TS000042\"") << 120
                                       << QByteArray("TS000042");
    QTest::newRow("T5013 partners blank") << t5013.arg("\"Share\":50") << 343 << QByteArray(30, ' ');
}

void TestBarcodeData::sfdItems()
{
    QFETCH(QString, form);
    QFETCH(int, position);
    QFETCH(QByteArray, expected);
    std::unique_ptr<CReturnFile> file = built(QStringLiteral("\"maritalStatus\":5,\"forms\":[%1]").arg(form));
    QVERIFY(file);
    const Written w(*file->self());
    QVERIFY(w.whole);
    QCOMPARE(w.sfdCount, 1);
    const QByteArray record = barcodedecoder::decode(w.sfd.first()).record;
    QCOMPARE(record.size(), SFDBarcodeFixedData::kWidth);
    QCOMPARE(record.mid(position - 1, expected.size()), expected);
}

// The count filed (the document's and item 31), the document's records and the
// barcode's blocks are the same records: every statement the document files, and
// where there are at most two, the blocks of exactly those.
void TestBarcodeData::sfdAsFiled_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("count");       // the document's, "" when none is filed
    QTest::addColumn<int>("records");         // sfd:SelectedFinancialData records
    QTest::addColumn<QByteArray>("item31");
    QTest::addColumn<QString>("blocks");      // block number + form code of each block
    QTest::addColumn<int>("selfEmployment");  // the eligibility's count: each statement, every T5013 row

    const QString row = QStringLiteral("{\"Kind\":%1,\"IsSFD\":1,\"NetIncome\":1000,\"Share\":50}");
    const QString rows = QStringLiteral("\"forms\":[{\"type\":38,\"rows\":[%1]}]");
    // four rows, each its own statement: business, farming, fishing, rental
    QTest::newRow("T5013, four statement rows")
        << rows.arg(QStringList{row.arg(0), row.arg(3), row.arg(4), row.arg(5)}.join(QLatin1Char(','))) << "04" << 4
        << QByteArray("04") << "" << 4;
    QTest::newRow("T5013, farming row alone") << rows.arg(row.arg(3)) << "01" << 1 << QByteArray("01") << "0105" << 1;
    // a fifth statement row is not filed (the checks before filing name it)
    QTest::newRow("T5013, five statement rows")
        << rows.arg(QStringList{row.arg(0), row.arg(0), row.arg(0), row.arg(0), row.arg(2)}.join(QLatin1Char(',')))
        << "04" << 4 << QByteArray("04") << "" << 5;
    const QString t777 = QStringLiteral("{\"type\":59,\"fields\":{\"VehicleExpenses\":300}}");
    QTest::newRow("T2125 and a T777 claimed on line 22900")
        << QStringLiteral("\"forms\":[{\"type\":125,\"fields\":{\"GrossIncome\":9000}},%1]")
               .arg(t777)
        << "02" << 2 << QByteArray("02") << "0102,0207" << 1;
    QTest::newRow("T777 alone, claimed") << QStringLiteral("\"forms\":[%1]").arg(t777)
                                         << "01" << 1 << QByteArray("01") << "0107" << 0;
    QTest::newRow("T777 not claimed") << "\"forms\":[{\"type\":59}]" << "" << 0 << QByteArray("00") << "" << 0;
    // the T1163's statement has no barcode block: the barcode holds none rather than another set
    QTest::newRow("T1163 and a T776")
        << "\"forms\":[{\"type\":15},{\"type\":12,\"fields\":{\"GrossRents\":1000}}]" << "02" << 2
        << QByteArray("02") << "" << 2;
    // bankrupt: no statements, no count; the T2091 is filed and so is its block
    QTest::newRow("bankrupt, T776 and T2091")
        << "\"t1\":{\"BankruptDate\":\"2024-06-30\"},\"forms\":[{\"type\":12,\"fields\":{\"GrossRents\":1000}},"
           "{\"type\":160}]"
        << "" << 1 << QByteArray("00") << "0112" << 1;
}

void TestBarcodeData::sfdAsFiled()
{
    QFETCH(QString, members);
    QFETCH(QString, count);
    QFETCH(int, records);
    QFETCH(QByteArray, item31);
    QFETCH(QString, blocks);
    QFETCH(int, selfEmployment);
    std::unique_ptr<CReturnFile> file = built(QStringLiteral("\"maritalStatus\":5,") + members);
    QVERIFY(file);
    IndividualTaxData &person = *file->self();
    const FiledSfd filed(person);
    QCOMPARE(filed.count, count);
    QCOMPARE(filed.records.size(), records);
    const Written w(person);
    QVERIFY(w.whole);
    QCOMPARE(w.t1.mid(403, 2), item31);
    QCOMPARE(sfdCodes(w.sfd), blocks);
    QCOMPARE(w.sfdCount, int(w.sfd.size()));
    QCOMPARE(person.countSelfEmploymentForms(), selfEmployment);
}

void TestBarcodeData::entriesWithoutTheirObject()
{
    // the classes' field enums stay in step with their tables
    QCOMPARE(TaxData_T2125_New(125).fieldTable().count(), int(TaxData_T2125_New::F_Count));
    QCOMPARE(TaxData_T776New().fieldTable().count(), int(TaxData_T776New::F_Count));
    QCOMPARE(TaxData_T2042New().fieldTable().count(), int(TaxData_T2042New::F_Count));
    QCOMPARE(TaxData_T2121New().fieldTable().count(), int(TaxData_T2121New::F_Count));
    QCOMPARE(CTaxData_T5013().rows(0).table().count(), int(CTaxData_T5013::C_ColumnCount));

    // an entry without an object and one holding another class give no block
    std::unique_ptr<CReturnFile> file = built(QStringLiteral("\"maritalStatus\":5,\"forms\":[{\"type\":12}]"));
    QVERIFY(file);
    IndividualTaxData &person = *file->self();
    auto &forms = const_cast<EntryList<FormEntry> &>(person.forms());
    TaxData_T776New stranger;
    FormEntry empty{125, 9001, 0, nullptr};
    FormEntry mistyped{51, 9002, 0, &stranger};
    // the entries are the test's: taken back out before the person goes, whatever happens
    struct TakeBack
    {
        EntryList<FormEntry> &list;
        FormEntry *a, *b;
        ~TakeBack() { list.take(a), list.take(b); }
    } takeBack{forms, &empty, &mistyped};
    forms.append(&empty);
    const QString path = m_dir.filePath(QStringLiteral("without-object.r24"));
    const int saved = file->save(path, 1);
    forms.append(&mistyped);
    const Written w(person);
    const int count = getSfdBlockCount(person);
    QVERIFY(forms.take(&empty));
    QVERIFY(forms.take(&mistyped));
    QVERIFY(w.whole);
    QCOMPARE(w.sfdCount, 1);
    QCOMPARE(count, 1);
    QCOMPARE(sfdCodes(w.sfd), QStringLiteral("0101"));

    // the file saved with the empty entry reloads whole, without it
    QCOMPARE(saved, 0);
    int code = -1;
    std::unique_ptr<CReturnFile> back(CReturnFile::load(path, code, 1));
    QCOMPARE(code, 0);
    QVERIFY(back);
    QVERIFY(!back->differsFrom(*file));
}

void TestBarcodeData::lineEntries_data()
{
    QTest::addColumn<int>("entryType");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("dollars") << 1 << 52310.75 << QByteArray("1500052310");
    QTest::newRow("cents") << 2 << 52310.75 << QByteArray("150005231075");
    QTest::newRow("negative dollars") << 1 << -12.5 << QByteArray("15000&12");
    QTest::newRow("negative cents") << 2 << -12.5 << QByteArray("15000&1250");
    QTest::newRow("integer") << 3 << 3.0 << QByteArray("150003");
    // cents of the amount as written, never a cent lost to its binary form
    QTest::newRow("0.29") << 2 << 0.29 << QByteArray("1500029");
    QTest::newRow("1.15") << 2 << 1.15 << QByteArray("15000115");
    QTest::newRow("4.35") << 2 << 4.35 << QByteArray("15000435");
    QTest::newRow("8.70") << 2 << 8.70 << QByteArray("15000870");
    QTest::newRow("99,999.99") << 2 << 99999.99 << QByteArray("150009999999");
    QTest::newRow("-4.35") << 2 << -4.35 << QByteArray("15000&435");
    QTest::newRow("0.1 + 0.2") << 2 << 0.1 + 0.2 << QByteArray("1500030");
    QTest::newRow("1.1 + 2.2") << 2 << 1.1 + 2.2 << QByteArray("15000330");
    QTest::newRow("half a cent truncated") << 2 << 4.355 << QByteArray("15000435");
    QTest::newRow("largest amount") << 2 << 9999999999.99 << QByteArray("15000999999999999");
    QTest::newRow("dollars of 0.29 * 100") << 1 << 0.29 * 100 << QByteArray("1500029");
    QTest::newRow("dollars of 999.999") << 1 << 999.999 << QByteArray("15000999");
    QTest::newRow("empty map") << 0 << 0.0 << QByteArray();
}

void TestBarcodeData::lineEntries()
{
    QFETCH(int, entryType);
    QFETCH(double, amount);
    QFETCH(QByteArray, expected);
    QMap<int, NetfileWrittenCode> written;
    if (entryType > 0) {
        NetfileWrittenCode w;
        w.entryType = entryType;
        w.amount = amount;
        w.number = int(amount);
        written.insert(15000, w);
        NetfileWrittenCode text;
        text.entryType = 4;
        text.text = QStringLiteral("AB12C");
        written.insert(48900, text);
        written.insert(10100, w);   // ascending order whatever the insertion order
    }
    CMemoryBlock block;
    appendLineAmounts(written, block);
    if (entryType == 0) {
        QCOMPARE(block.bytes(), QByteArray());
        return;
    }
    QByteArray first = expected;
    first.replace(0, 5, "10100");
    QCOMPARE(block.bytes(), first + "-" + expected + "-48900AB12C");
}

// Every fixture return, saved and reloaded, reads back whole and unchanged.
void TestBarcodeData::fixturesRoundTrip()
{
    const QDir dir(QStringLiteral(BQ_RETURNS2024_DIR));
    const QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        std::unique_ptr<CReturnFile> file(returnbuilder::build(QJsonDocument::fromJson(f.readAll()).object()));
        QVERIFY2(file, qPrintable(name));
        returnbuilder::recalculate(*file);
        const QString path = m_dir.filePath(name + QStringLiteral(".r24"));
        QCOMPARE(file->save(path, 1), 0);
        int code = -1;
        std::unique_ptr<CReturnFile> back(CReturnFile::load(path, code, 1));
        QVERIFY2(back && code == 0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(code)));
        QVERIFY2(!back->differsFrom(*file), qPrintable(name));

        QList<barcodereader::PersonBarcodes> persons;
        QString error;
        QVERIFY2(barcodereader::read(path, persons, &error), qPrintable(error));
        const QList<IndividualTaxData *> people{file->self(), file->spouse()};
        for (int i = 0; i < persons.size(); ++i) {
            IndividualTaxData *person = people.value(i);
            QVERIFY(person);
            QCOMPARE(persons.at(i).hasData, isBarcodeEligible(*person));
            if (!persons.at(i).hasData)
                continue;
            const barcodedecoder::Block t1 = barcodedecoder::decode(persons.at(i).texts.value(0));
            QVERIFY2(t1.valid && t1.terminated, qPrintable(name));
            QCOMPARE(t1.record.size(), T1ReturnBarcodeFixedData::kWidth);
        }
    }
}

void TestBarcodeData::hostileReturnsReload_data()
{
    QTest::addColumn<QString>("members");
    QTest::newRow("T777 only") << "\"forms\":[{\"type\":59}]";
    QTest::newRow("TL2 only") << "\"forms\":[{\"type\":92}]";
    QTest::newRow("T2091 147 and 160") << "\"forms\":[{\"type\":147},{\"type\":160}]";
    QTest::newRow("T5013 farming row") << "\"forms\":[{\"type\":38,\"rows\":[{\"Kind\":3,\"IsSFD\":1}]}]";
    QTest::newRow("huge amount") << "\"t1\":{\"SpouseNetIncome\":2e9,\"10100\":2e9}";
    QTest::newRow("long spouse name") << "\"maritalStatus\":0,\"t1\":{\"SpouseFirstName\":\"ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ\"}";
    QString many;
    for (int i = 0; i < 150; ++i)
        many += QStringLiteral("%1{\"type\":125}").arg(i ? QStringLiteral(",") : QString());
    QTest::newRow("150 forms") << QStringLiteral("\"forms\":[%1]").arg(many);
}

void TestBarcodeData::hostileReturnsReload()
{
    QFETCH(QString, members);
    std::unique_ptr<CReturnFile> file = built(QStringLiteral("\"maritalStatus\":5,") + members);
    QVERIFY(file);
    const Written w(*file->self());
    QVERIFY(w.whole);
    QCOMPARE(w.t1.left(T1ReturnBarcodeFixedData::kWidth).size(), T1ReturnBarcodeFixedData::kWidth);
    QCOMPARE(barcodedecoder::decode(w.t1).record.mid(404 - 1, 2).size(), 2);
    const QString path = m_dir.filePath(QStringLiteral("hostile.r24"));
    QCOMPARE(file->save(path, 1), 0);
    int code = -1;
    std::unique_ptr<CReturnFile> back(CReturnFile::load(path, code, 1));
    QCOMPARE(code, 0);
    QVERIFY(back);
    QVERIFY(!back->differsFrom(*file));
}

void TestBarcodeData::ineligiblePersons_data()
{
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("t1");
    QTest::newRow("starts with 0") << "046454286" << "";
    QTest::newRow("blank") << "   " << "";
    QTest::newRow("zeros") << "000000000" << "";
    QTest::newRow("invalid") << "123456789" << "";
    QTest::newRow("immigrant") << "130692544" << ",\"t1\":{\"EntryDate\":\"2024-03-01\"}";
    QTest::newRow("emigrant") << "130692544" << ",\"t1\":{\"DepartureDate\":\"2024-03-01\"}";
}

void TestBarcodeData::ineligiblePersons()
{
    QFETCH(QString, sin);
    QFETCH(QString, t1);
    QJsonObject d = personReturn(QStringLiteral("\"maritalStatus\":5") + t1);
    QJsonObject p = d.value(QStringLiteral("persons")).toArray().at(0).toObject();
    p.insert(QStringLiteral("sin"), sin);
    d.insert(QStringLiteral("persons"), QJsonArray{p});
    std::unique_ptr<CReturnFile> file(returnbuilder::build(d));
    QVERIFY(file);
    const Written w(*file->self());
    QVERIFY(w.whole);
    QCOMPARE(w.t1Length, 0);
}

BQ_TEST_MAIN_CORE(TestBarcodeData)
#include "tst_barcodedata.moc"
