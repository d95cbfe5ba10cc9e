#include "bqtest.h"
#include "creservedarea.h"
#include "cstring.h"
#include "ctaxdata_form.h"
#include "datafields.h"
#include "dependantinfostruct.h"
#include "formtables.h"
#include "formtypes.h"
#include "messages.h"
#include "mydatastream.h"
#include "utils.h"
#include <QBuffer>
#include <QDataStream>

namespace {
// Reads the values named by ops ("c" qint8, "C" quint8, "b" bool, "h"/"H" 16 bits,
// "i"/"I" 32 bits, "q"/"Q" 64 bits, "d" double, "f" float, "s" text, "D" date,
// "r" 5 raw bytes, "k" 5 skipped) and notes each value with the stream's status.
template<typename S>
QStringList readOps(S &s, const QString &ops)
{
    QStringList seen;
    auto note = [&](const QString &v) { seen << v + QLatin1Char('/') + QString::number(int(s.status())); };
    for (QChar op : ops) {
        switch (op.toLatin1()) {
        case 'c': { qint8 v = 7; s >> v; note(QString::number(v)); break; }
        case 'C': { quint8 v = 7; s >> v; note(QString::number(v)); break; }
        case 'b': { bool v = true; s >> v; note(QString::number(v)); break; }
        case 'h': { qint16 v = 7; s >> v; note(QString::number(v)); break; }
        case 'H': { quint16 v = 7; s >> v; note(QString::number(v)); break; }
        case 'i': { qint32 v = 7; s >> v; note(QString::number(v)); break; }
        case 'I': { quint32 v = 7; s >> v; note(QString::number(v)); break; }
        case 'q': { qint64 v = 7; s >> v; note(QString::number(v)); break; }
        case 'Q': { quint64 v = 7; s >> v; note(QString::number(v)); break; }
        case 'd': { double v = 7; s >> v; note(QString::number(v, 'g', 17)); break; }
        case 'f': { float v = 7; s >> v; note(QString::number(double(v), 'g', 9)); break; }
        case 's': { QString v = QStringLiteral("x"); s >> v; note(v.isNull() ? QStringLiteral("null") : '<' + v + '>'); break; }
        case 'D': { QDate v(2000, 1, 1); s >> v; note(QString::number(v.toJulianDay()) + QString::number(v.isValid())); break; }
        case 'r': { char b[5] = {}; const int n = s.readRawData(b, 5); note(QString::number(n) + QLatin1String(QByteArray(b, 5).toHex())); break; }
        case 'k': note(QString::number(s.skipRawData(5))); break;
        }
    }
    seen << QStringLiteral("at %1 end %2").arg(s.device()->pos()).arg(s.atEnd());
    return seen;
}

// A small calculator class with a row list, as the calculators declare theirs.
class SampleForm : public CTaxData_Form
{
public:
    enum { Amount, Count, Claimed, Born, Name };
    static const FieldTable &table()
    {
        static const FieldTable t{{"amount", FieldKind::Amount, 10100},
                                  {"count", FieldKind::Int},
                                  {"claimed", FieldKind::Flag},
                                  {"born", FieldKind::Date},
                                  {"name", FieldKind::Text}};
        return t;
    }
    static const FieldTable &rowTable()
    {
        static const FieldTable t{{"desc", FieldKind::Text}, {"value", FieldKind::Amount}};
        return t;
    }
    SampleForm() : CTaxData_Form(table(), KindForm, 9) { addRowList(rowTable()); }
};

class RecordSample : public CWSBaseData
{
public:
    RecordSample()
    {
        registerField(&province, "Province");
        registerField(&name, "Name");
        registerField(&born, "Born");
        registerField(&amount, "Amount");
        registerField(&spouse, "Spouse");
    }
    CIntField province;
    CStringField name;
    CDateField born;
    CFloatField amount;
    CBoolField spouse;
};
} // namespace

class TestBrindlecap : public QObject
{
    Q_OBJECT
private slots:
    // Loading decodes from memory: every value, status and position as QDataStream
    // gives them, for the whole stream and for every cut of it.
    void streamReadsAsQDataStream_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<QByteArray>("bytes");
        QByteArray numbers;
        {
            QDataStream out(&numbers, QIODevice::WriteOnly);
            out.setVersion(MyDataStream::kStreamVersion);
            out.setByteOrder(QDataStream::LittleEndian);
            out << qint8(-3) << quint8(250) << qint8(2) << qint16(-300) << quint16(65000) << qint32(-70000)
                << quint32(4000000000u) << qint64(-5000000000LL) << quint64(1) << 1234.5 << -0.1 << 2.5;
        }
        QTest::newRow("numbers") << "cCbhHiIqQddf" << numbers;
        QByteArray texts;
        {
            QDataStream out(&texts, QIODevice::WriteOnly);
            out.setVersion(MyDataStream::kStreamVersion);
            out.setByteOrder(QDataStream::LittleEndian);
            out << QString() << QString(QLatin1String("")) << QStringLiteral("Roy \u00e9") << QDate(2024, 2, 29)
                << QDate() << qint64(-1000000000000000LL) << quint32(3) << quint16(1) << quint32(0x7ffffff0);
        }
        QTest::newRow("texts and dates") << "sssDDDssi" << texts;
        QTest::newRow("raw and skipped") << "rkrki" << QByteArray("abcdefghijklmnop");
    }

    void streamReadsAsQDataStream()
    {
        QFETCH(QString, ops);
        QFETCH(QByteArray, bytes);
        for (int cut = 0; cut <= bytes.size(); ++cut) {
            QByteArray part = bytes.left(cut);
            QBuffer plainDevice(&part);
            plainDevice.open(QIODevice::ReadOnly);
            QDataStream plain(&plainDevice);
            plain.setVersion(MyDataStream::kStreamVersion);
            plain.setByteOrder(QDataStream::LittleEndian);
            plain.setFloatingPointPrecision(QDataStream::DoublePrecision);
            const QStringList expected = readOps(plain, ops);

            QBuffer device(&part);
            device.open(QIODevice::ReadOnly);
            MyDataStream fromDevice(&device, false);
            QCOMPARE(readOps(fromDevice, ops), expected);
            MyDataStream fromBytes(&part, false);
            QCOMPARE(readOps(fromBytes, ops), expected);
        }
    }

    void cstringMembers()
    {
        CString s("Line 10100 and 10100");
        QVERIFY(s.Compare("Line") > 0);
        QCOMPARE(CString("abc").CompareNoCase("ABC"), 0);
        QCOMPARE(s.Find("10100"), 5);
        QCOMPARE(s.Find("10100", 6), 15);
        QCOMPARE(s.Find("none"), -1);
        QCOMPARE(s.Mid(5, 5), CString("10100"));
        QCOMPARE(s.Replace("10100", "x"), 2);
        QCOMPARE(s, CString("Line x and x"));
        CString f;
        f.sprintf2023("%s - %s (%d)", "T2125", "Caf\xc3\xa9", 104);
        QCOMPARE(f, CString(QStringLiteral("T2125 - Caf\u00e9 (104)")));
        QCOMPARE(f.toStdStringUTF8(), std::string("T2125 - Caf\xc3\xa9 (104)"));
        f.Empty();
        QVERIFY(f.IsEmpty());
        CString big;
        big.sprintf2023("%0300d", 1);
        QCOMPARE(big.length(), 300);
    }

    void checkSin_data()
    {
        QTest::addColumn<QString>("sin");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << "046454286" << true;
        QTest::newRow("valid 2") << "130692544" << true;
        QTest::newRow("wrong check digit") << "046454287" << false;
        QTest::newRow("eight digits") << "04645428" << false;
        QTest::newRow("ten digits") << "0464542860" << false;
        QTest::newRow("non-digits") << "04645428A" << false;
        QTest::newRow("spaces") << "046 454 286" << false;
        QTest::newRow("empty") << "" << false;
    }
    void checkSin()
    {
        QFETCH(QString, sin);
        QFETCH(bool, valid);
        QCOMPARE(CheckSIN(sin), valid);
    }

    void formPredicates_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("expired");
        QTest::addColumn<bool>("multiple");
        QTest::addColumn<bool>("sfd");
        QTest::addColumn<bool>("sharable");
        QTest::addColumn<int>("province");
        QTest::newRow("T1") << 1 << false << false << false << false << 0;
        QTest::newRow("T2125") << 125 << false << true << true << true << 0;
        QTest::newRow("T776") << 12 << false << true << true << true << 0;
        QTest::newRow("T2209") << 35 << false << true << false << false << 0;
        QTest::newRow("unused 2") << 2 << true << false << false << false << 0;
        QTest::newRow("obsolete 100") << 100 << true << false << false << false << 0;
        QTest::newRow("no row 16") << 16 << true << false << false << false << 0;
        QTest::newRow("above table") << 214 << true << false << false << false << 0;
        QTest::newRow("negative") << -3 << true << false << false << false << 0;
        QTest::newRow("ON428") << 24 << false << false << false << false << 9;
        QTest::newRow("AB(S2)") << 47 << false << false << false << false << 1;
        QTest::newRow("YT(S11)") << 111 << false << false << false << false << 13;
    }
    void formPredicates()
    {
        QFETCH(int, type);
        QFETCH(bool, expired);
        QFETCH(bool, multiple);
        QFETCH(bool, sfd);
        QFETCH(bool, sharable);
        QFETCH(int, province);
        QCOMPARE(IsFormExpired(type, 0), expired);
        QCOMPARE(IsMultipleForm(type), multiple);
        QCOMPARE(IsSFDForm(type), sfd);
        QCOMPARE(IsFormSharable(type), sharable);
        QCOMPARE(getFormProv(type), province);
    }

    void tablesAndProvinces()
    {
        for (int t = 0; t < kFormTableSize; ++t)
            QCOMPARE(Global_Forms_Info[t].type, t);
        for (int t = 0; t < kSlipTableSize; ++t)
            QCOMPARE(Global_Slips_Info[t].type, t);
        QCOMPARE(provinceName(1), QStringLiteral("Alberta"));
        QCOMPARE(provinceName(11), QStringLiteral("Quebec"));
        QCOMPARE(provinceName(13), QStringLiteral("Yukon"));
        QVERIFY(!IsProvinceSupported(0));
        QVERIFY(IsProvinceSupported(1));
        QVERIFY(IsProvinceSupported(13));
        QVERIFY(!IsProvinceSupported(14));
        QVERIFY(IsSlipSharable(8));
        QVERIFY(!IsSlipSharable(1));
        QVERIFY(IsFormMandatory(1, 9, 1));
        QVERIFY(IsFormMandatory(1, 9, 24));
        QVERIFY(!IsFormMandatory(1, 9, 26));
        QVERIFY(!IsFormMandatory(1, 2, 24));
        QCOMPARE(getOSLibFilename(QStringLiteral("ProvON")), QStringLiteral("libProvON.so"));
        // every provincial row belongs to its own province
        for (int p = 1; p < kProvinceCount; ++p)
            for (int i = 0; i < Province_Forms_Info[p].count; ++i)
                QCOMPARE(getFormProv(Province_Forms_Info[p].rows[i].type), p);
    }

    // The names of slip types and provinces stand for their rows (form types are
    // checked where their table is compiled).
    void namedCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("province");
        QTest::newRow("SlipType::T4") << int(SlipType::T4) << QStringLiteral("T4") << false;
        QTest::newRow("SlipType::T4A") << int(SlipType::T4A) << QStringLiteral("T4A") << false;
        QTest::newRow("SlipType::T4AP") << int(SlipType::T4AP) << QStringLiteral("T4A(P)") << false;
        QTest::newRow("SlipType::T4RSP") << int(SlipType::T4RSP) << QStringLiteral("T4RSP") << false;
        QTest::newRow("SlipType::T4E") << int(SlipType::T4E) << QStringLiteral("T4E") << false;
        QTest::newRow("SlipType::T4AOAS") << int(SlipType::T4AOAS) << QStringLiteral("T4A(OAS)") << false;
        QTest::newRow("SlipType::T4RIF") << int(SlipType::T4RIF) << QStringLiteral("T4RIF") << false;
        QTest::newRow("SlipType::T5") << int(SlipType::T5) << QStringLiteral("T5") << false;
        QTest::newRow("SlipType::T3") << int(SlipType::T3) << QStringLiteral("T3") << false;
        QTest::newRow("SlipType::T5003") << int(SlipType::T5003) << QStringLiteral("T5003") << false;
        QTest::newRow("SlipType::T5007") << int(SlipType::T5007) << QStringLiteral("T5007") << false;
        QTest::newRow("SlipType::T5013") << int(SlipType::T5013) << QStringLiteral("T5013") << false;
        QTest::newRow("SlipType::T4PS") << int(SlipType::T4PS) << QStringLiteral("T4PS") << false;
        QTest::newRow("SlipType::T4A_RCA") << int(SlipType::T4A_RCA) << QStringLiteral("T4A-RCA") << false;
        QTest::newRow("SlipType::T5006") << int(SlipType::T5006) << QStringLiteral("T5006") << false;
        QTest::newRow("SlipType::RC62") << int(SlipType::RC62) << QStringLiteral("RC62") << false;
        QTest::newRow("SlipType::RC210") << int(SlipType::RC210) << QStringLiteral("RC210") << false;
        QTest::newRow("SlipType::T5008") << int(SlipType::T5008) << QStringLiteral("T5008") << false;
        QTest::newRow("SlipType::RRSP") << int(SlipType::RRSP) << QStringLiteral("RRSP") << false;
        QTest::newRow("SlipType::MBRentAssist") << int(SlipType::MBRentAssist) << QStringLiteral("MB Rent Assist") << false;
        QTest::newRow("SlipType::PRPP") << int(SlipType::PRPP) << QStringLiteral("PRPP") << false;
        QTest::newRow("SlipType::T1204") << int(SlipType::T1204) << QStringLiteral("T1204") << false;
        QTest::newRow("SlipType::NR4") << int(SlipType::NR4) << QStringLiteral("NR4") << false;
        QTest::newRow("SlipType::T2202") << int(SlipType::T2202) << QStringLiteral("T2202") << false;
        QTest::newRow("SlipType::T4FHSA") << int(SlipType::T4FHSA) << QStringLiteral("T4FHSA") << false;
        QTest::newRow("Province::Alberta") << int(Province::Alberta) << QStringLiteral("AB") << true;
        QTest::newRow("Province::BritishColumbia") << int(Province::BritishColumbia) << QStringLiteral("BC") << true;
        QTest::newRow("Province::Manitoba") << int(Province::Manitoba) << QStringLiteral("MB") << true;
        QTest::newRow("Province::NewBrunswick") << int(Province::NewBrunswick) << QStringLiteral("NB") << true;
        QTest::newRow("Province::NewfoundlandandLabrador") << int(Province::NewfoundlandandLabrador) << QStringLiteral("NL") << true;
        QTest::newRow("Province::NorthwestTerritories") << int(Province::NorthwestTerritories) << QStringLiteral("NT") << true;
        QTest::newRow("Province::NovaScotia") << int(Province::NovaScotia) << QStringLiteral("NS") << true;
        QTest::newRow("Province::Nunavut") << int(Province::Nunavut) << QStringLiteral("NU") << true;
        QTest::newRow("Province::Ontario") << int(Province::Ontario) << QStringLiteral("ON") << true;
        QTest::newRow("Province::PrinceEdwardIsland") << int(Province::PrinceEdwardIsland) << QStringLiteral("PE") << true;
        QTest::newRow("Province::Quebec") << int(Province::Quebec) << QStringLiteral("QC") << true;
        QTest::newRow("Province::Saskatchewan") << int(Province::Saskatchewan) << QStringLiteral("SK") << true;
        QTest::newRow("Province::Yukon") << int(Province::Yukon) << QStringLiteral("YT") << true;
    }
    void namedCodes()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(bool, province);
        QCOMPARE(QString::fromUtf8(province ? Global_Provs_Info[code].word[0] : Global_Slips_Info[code].name), name);
    }

    void namedWizardRecords()
    {
        const std::pair<int, const char *> named[] = {
            {WizardRecord::General, "General Information"}, {WizardRecord::LastYearAmounts, "Last Year's Amounts"},
            {WizardRecord::Dependants, "Dependants"}, {WizardRecord::MedicalExpenses, "Medical Expenses"},
            {WizardRecord::RrspContributions, "RRSP Contributions"}, {WizardRecord::Provincial, "Provincial Information"},
        };
        for (const auto &n : named) {
            QCOMPARE(Global_TaxWizard_Info[n.first].type, n.first);
            QCOMPARE(Global_TaxWizard_Info[n.first].name, n.second);
        }
    }

    void helpers()
    {
        QCOMPARE(div(10.0, 4.0), 2.5);
        QCOMPARE(div(10.0, 0.0, -1.0), -1.0);
        QCOMPARE(GetDaysInYear(2024), 366);
        QCOMPARE(GetDaysInYear(2023), 365);
        QCOMPARE(DaysInCanadaInTaxYear(QDate(), QDate()), 366);
        QCOMPARE(DaysInCanadaInTaxYear(QDate(2024, 7, 1), QDate()), 184);
        QCOMPARE(DaysInCanadaInTaxYear(QDate(2025, 1, 1), QDate()), 0);
        QCOMPARE(GetPureDigitStr(QStringLiteral("046-454 286")), QStringLiteral("046454286"));
        QCOMPARE(myStringToDouble(std::string(" 1,234.50 ")), 1234.5);
        bool ok = true;
        QCOMPARE(myStringToDouble(QStringLiteral("abc"), &ok), 0.0);
        QVERIFY(!ok);
        QCOMPARE(myDoubleToString(-0.001), std::string("0.00"));
        QCOMPARE(myDoubleToString(-12.5), std::string("-12.50"));
        QCOMPARE(roundToCent(1.005), 1.01);
        QCOMPARE(roundToCent(-2.675), -2.68);
        QVERIFY(checkEmail(QStringLiteral("o'brien@example.ca")));
        QVERIFY(!checkEmail(QStringLiteral("no-at-sign.ca")));
        const QString t = toHtmlTableStart({QStringLiteral("Box")}) + toHtmlOneTableRow({QStringLiteral("<14>")}) + toHtmlTableEnd();
        QCOMPARE(t, QStringLiteral("<table>\n<tr><th>Box</th></tr>\n<tr><td>&lt;14&gt;</td></tr>\n</table>\n"));
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 1), QTime(9, 30)); });
        QCOMPARE(GetCurTime().date(), QDate(2025, 3, 1));
        setCurTimeSource(nullptr);
    }

    void utf8NeverCutInsideACharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << "abcdef" << 4 << "abcd";
        QTest::newRow("fits") << "abc" << 79 << "abc";
        QTest::newRow("two-byte at cut") << QStringLiteral("ab\u00e9") << 3 << "ab";
        QTest::newRow("two-byte whole") << QStringLiteral("ab\u00e9") << 4 << QStringLiteral("ab\u00e9");
        QTest::newRow("three-byte") << QStringLiteral("a\u20ac") << 3 << "a";
        QTest::newRow("four-byte") << QStringLiteral("a\U0001F600b") << 4 << "a";
    }
    void utf8NeverCutInsideACharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromUtf8(truncateUtf8(text.toUtf8(), limit)), expected);
    }

    void fieldStoreCopiesComparesAndRoundTrips()
    {
        SampleForm a;
        a.setAmount(SampleForm::Amount, 1234.56);
        a.setIntValue(SampleForm::Count, 3);
        a.setFlag(SampleForm::Claimed, true);
        a.setDate(SampleForm::Born, QDate(1980, 5, 17));
        a.setText(SampleForm::Name, QStringLiteral("Zo\u00eb"));
        a.setAutoFill(true);
        FieldRecord &r = a.rows().append();
        r.setText(0, QStringLiteral("Gift"));
        r.setNumber(1, 250);
        QCOMPARE(a.valueByCode(10100), 1234.56);
        QCOMPARE(a.valueByKey(QStringLiteral("count")), QStringLiteral("3"));

        SampleForm b;
        QVERIFY(b.differs(a));
        b.copyAll(a);
        QVERIFY(!b.differs(a));
        b.rows().row(0).setNumber(1, 251);
        QVERIFY(b.differs(a));

        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            QCOMPARE(a.serialise(66098, CString("marker"), out), 0);
        }
        SampleForm c;
        MyDataStream in(&bytes, false);
        QCOMPARE(c.serialise(66098, CString("marker"), in), 0);
        QVERIFY(!c.differs(a));
        QVERIFY(c.isAutoFill());
        QCOMPARE(c.rows().sum(1), 250.0);

        // a stream cut short is an error, never a half-read success
        for (int cut : {0, 3, bytes.size() / 2, bytes.size() - 1}) {
            QByteArray shortBytes = bytes.left(cut);
            SampleForm d;
            MyDataStream s(&shortBytes, false);
            QVERIFY2(d.serialise(66098, CString(), s) != 0 || !s.ok(), qPrintable(QString::number(cut)));
        }
    }

    void transientFieldNeverSavedNorCompared()
    {
        static const FieldTable t{{"name", FieldKind::Text}, {"secret", FieldKind::Text, 0, 0.0, true}};
        FieldRecord a(t), b(t);
        a.setText(0, QStringLiteral("Roy"));
        a.setText(1, QStringLiteral("hunter2"));
        b.setText(0, QStringLiteral("Roy"));
        QVERIFY(a.sameValues(b));
        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            QVERIFY(a.serialise(out));
        }
        QVERIFY(!bytes.contains("hunter2") && !bytes.contains(QString("hunter2").toUtf8()));
        QVERIFY(!bytes.contains(QByteArray::fromRawData(reinterpret_cast<const char *>(u"hunter2"), 14)));
        FieldRecord c(t);
        MyDataStream in(&bytes, false);
        QVERIFY(c.serialise(in));
        QCOMPARE(c.text(0), QStringLiteral("Roy"));
        QVERIFY(c.text(1).isEmpty());
    }

    void hugeRowCountRefused()
    {
        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            out << quint32(0) << qint32(1);
            FieldRecord rec(SampleForm::table());
            rec.serialise(out);
            out << qint32(0x7fffffff);   // rows claimed
        }
        SampleForm f;
        MyDataStream in(&bytes, false);
        QVERIFY(f.serialise(66098, CString(), in) != 0);
        QCOMPARE(f.rows().count(), 0);
    }

    // A class that gained a row list reads a file written before it, which holds no list;
    // a file with more lists than the class has is damaged.
    void rowListAddedLater()
    {
        QByteArray before;
        {
            MyDataStream out(&before, true);
            out << quint32(0) << qint32(0);
            FieldRecord rec(SampleForm::table());
            rec.setNumber(SampleForm::Amount, 12.5);
            rec.serialise(out);
        }
        SampleForm f;
        f.rows().append();
        MyDataStream in(&before, false);
        QCOMPARE(f.serialise(66098, CString(), in), 0);
        QCOMPARE(f.amount(SampleForm::Amount), 12.5);
        QCOMPARE(f.rows().count(), 0);

        QByteArray more;
        {
            MyDataStream out(&more, true);
            out << quint32(0) << qint32(2);
            FieldRecord rec(SampleForm::table());
            rec.serialise(out);
            out << qint32(0) << qint32(0);
        }
        SampleForm g;
        MyDataStream in2(&more, false);
        QVERIFY(g.serialise(66098, CString(), in2) != 0);
    }

    void dependantsRecord()
    {
        DependantInfoStruct d;
        d.AllocData(12);
        QCOMPARE(d.count(), 12);
        d.at(0) = {QStringLiteral("Ava"), QStringLiteral("Roy"), QString(), QDate(2015, 3, 1), DependantInfo::Child, false, 0};
        d.at(1) = {QStringLiteral("Ben"), QStringLiteral("Roy"), QString(), QDate(2006, 8, 1), DependantInfo::Child, true, 0};
        d.at(2) = {QStringLiteral("Rose"), QStringLiteral("Roy"), QString(), QDate(1940, 1, 1), DependantInfo::Other, true, 9000};
        QCOMPARE(d.GetDepChildrenNumberForLine305(), 1);
        QCOMPARE(d.GetDepOtherThanChildrenNumberForLine305(), 1);
        QCOMPARE(d.GetDepChildrenNumberBetweenAges(0, 18), 2);
        QCOMPARE(d.GetDepChildrenNumberBetweenAges_Infirm(0, 17, true), 0);
        QCOMPARE(d.GetDepChildrenNumberBetweenAges_Infirm(0, 18, true), 1);
        QCOMPARE(d.GetInfirmDependantsNumberNotUnderAge(18), 2);
        QCOMPARE(d.GetInfirmDependantsNumberNotUnderAge(-1), 2);
        QCOMPARE(d.GetInfirmDependentNumberUnderAge18(), 0);

        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            QVERIFY(d.serilize(66098, out));
        }
        DependantInfoStruct e;
        MyDataStream in(&bytes, false);
        QVERIFY(e.serilize(66098, in));
        QVERIFY(e == d);
        e.at(2).netIncome = 9001;
        QVERIFY(e != d);

        QByteArray bad;
        {
            MyDataStream out(&bad, true);
            out << qint32(-5);
        }
        DependantInfoStruct f;
        MyDataStream badIn(&bad, false);
        QVERIFY(!f.serilize(66098, badIn));
    }

    void reservedAreaAndRecords()
    {
        CReservedArea area;
        area.set(1, QStringLiteral("secret"));
        area.set(2, QStringLiteral("BQX2024MARKER01"));
        QByteArray bytes;
        {
            MyDataStream out(&bytes, true);
            QVERIFY(area.serialise(out));
        }
        CReservedArea back;
        MyDataStream in(&bytes, false);
        QVERIFY(back.serialise(in));
        QVERIFY(back == area);
        QCOMPARE(back.get(2), CString("BQX2024MARKER01"));

        RecordSample rec;
        rec.readFromStringMap({{QStringLiteral("Province"), QStringLiteral("9")},
                               {QStringLiteral("Name"), QStringLiteral("O'Brien")},
                               {QStringLiteral("Born"), QStringLiteral("1980-01-01")},
                               {QStringLiteral("Amount"), QStringLiteral("1,250.5")},
                               {QStringLiteral("Spouse"), QStringLiteral("yes")}});
        QCOMPARE(rec.province.value(), 9);
        QCOMPARE(QString(rec.name.value()), QStringLiteral("O'Brien"));
        QCOMPARE(rec.amount.value(), 1250.5);
        QVERIFY(rec.spouse.value());
        QByteArray recBytes;
        {
            MyDataStream out(&recBytes, true);
            QVERIFY(rec.Serialize(out));
        }
        RecordSample copy;
        MyDataStream recIn(&recBytes, false);
        QVERIFY(copy.Serialize(recIn));
        QVERIFY(copy.equals(rec));
        QCOMPARE(copy.writeToStringMap().value(QStringLiteral("Born")), QStringLiteral("1980-01-01"));
    }

    void scriptedMessagesNeverWait()
    {
        ScriptedMessages msgs;
        setMessageHandler(&msgs);
        gMsgInformation(QStringLiteral("Saved."));
        QVERIFY(gMsgYesNo(QStringLiteral("Go on?")));    // default Yes
        msgs.scriptAnswer(MsgButton::No);
        QVERIFY(!gMsgYesNo(QStringLiteral("Go on?")));
        msgs.setRefuseByDefault(true);
        QCOMPARE(gMsgQuestion(QStringLiteral("Save?"), MsgButton::Yes | MsgButton::No | MsgButton::Cancel, MsgButton::Yes),
                 int(MsgButton::Cancel));
        QString pw;
        QVERIFY(!gMsgInputText(QStringLiteral("Password"), QStringLiteral("Enter"), pw, true));
        QCOMPARE(msgs.shown().size(), 5);
        QCOMPARE(msgs.shown().first().title, QStringLiteral("Brackenquill 2024"));
        setMessageHandler(nullptr);
    }
};

BQ_TEST_MAIN_CORE(TestBrindlecap)
#include "tst_brindlecap.moc"
