// The filing kernel: the template filler, the XML writers, the date, postal-code
// and telephone formats, the record writers and the form base's records.
#include "bqtest.h"
#include "ctaxdata_form.h"
#include "datafields.h"
#include "filingformat.h"
#include "formtables.h"
#include "netfilerecords.h"
#include "templatefiller.h"
#include "xmlwriters.h"
#include <QTemporaryDir>

namespace {

// A form with a five-digit line, a four-digit statement code, a flag line, a text and a transient line.
class CodedForm : public CTaxData_Form
{
public:
    explicit CodedForm(int type) : CTaxData_Form(table(), KindForm, type) {}
    static const FieldTable &table()
    {
        static const FieldTable t({{"Name", FieldKind::Text},
                                   {"Line", FieldKind::Amount, 20700},
                                   {"Gross", FieldKind::Amount, 8299},
                                   {"Indicator", FieldKind::Int, 55500},
                                   {"Worked", FieldKind::Amount, 20800, 0, true},
                                   {"Short", FieldKind::Amount, 3}});
        return t;
    }
};

struct Collector
{
    CString text;
    int counter = 0;
    QMap<int, NetfileWrittenCode> codes;
    NetfileGenObjParamStru context(quint8 kind)
    {
        NetfileGenObjParamStru c;
        c.outputKind = kind;
        c.recordText = &text;
        c.counter = &counter;
        c.writtenCodes = &codes;
        return c;
    }
};

} // namespace

class TestFilingKernel : public QObject
{
    Q_OBJECT

private slots:
    void templateFiller_data();
    void templateFiller();
    void templateFileErrors();
    void xmlWriters();
    void dates_data();
    void dates();
    void postalAndPhone_data();
    void postalAndPhone();
    void emptyIfRemoveBlank();
    void recordWriters_data();
    void recordWriters();
    void recordWrittenOnce();
    void formRecords();
    void filingSfdPredicate();
};

void TestFilingKernel::templateFiller_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QStringList>("vars");   // name=value pairs
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("expected");

    const QString person = QStringLiteral("<a>\r\n  <n>$$(name)</n>\r\n  <m>$$(middle0)</m>\r\n</a>\r\n");
    QTest::newRow("required key") << QStringLiteral("<n>$$(name)</n>") << QStringList{"name=Avery"} << 0
                                  << QStringLiteral("<n>Avery</n>");
    QTest::newRow("absent optional drops its element and line")
        << person << QStringList{"name=Avery"} << 0 << QStringLiteral("<a>\r\n  <n>Avery</n>\r\n</a>\r\n");
    QTest::newRow("present optional") << person << QStringList{"name=Avery", "middle=J"} << 0
                                      << QStringLiteral("<a>\r\n  <n>Avery</n>\r\n  <m>J</m>\r\n</a>\r\n");
    QTest::newRow("optional outside an element goes alone")
        << QStringLiteral("<a>x$$(tail0)</a>") << QStringList() << 0 << QStringLiteral("<a>x</a>");
    QTest::newRow("value escaped once") << QStringLiteral("<n>$$(name)</n>") << QStringList{"name=O'Brien & <Sons>"} << 0
                                        << QStringLiteral("<n>O&apos;Brien &amp; &lt;Sons&gt;</n>");
    QTest::newRow("escaped value not escaped again")
        << QStringLiteral("<n>$$(name)</n>") << QStringList{"name=O&apos;Brien &amp; Sons"} << 0
        << QStringLiteral("<n>O&apos;Brien &amp; Sons</n>");
    QTest::newRow("block value goes in as built")
        << QStringLiteral("<s>$$(spouse_block0)</s>") << QStringList{"spouse_block=<x>1</x>"} << 0
        << QStringLiteral("<s><x>1</x></s>");
    const QString block = QStringLiteral("<a>\n$$(dec_needed0)\n<d>$$(date)</d>\n$$(dec_needed0)\n<z/>\n</a>");
    QTest::newRow("needed block on") << block << QStringList{"dec_needed=1", "date=2024-05-01"} << 0
                                     << QStringLiteral("<a>\n<d>2024-05-01</d>\n<z/>\n</a>");
    QTest::newRow("needed block off keeps out its required keys")
        << block << QStringList() << 0 << QStringLiteral("<a>\n<z/>\n</a>");
    QTest::newRow("needed block with 0 is off") << block << QStringList{"dec_needed=0"} << 0
                                                << QStringLiteral("<a>\n<z/>\n</a>");
    QTest::newRow("missing required key") << QStringLiteral("<n>$$(name)</n>") << QStringList() << 2 << QString();
    QTest::newRow("block without its end") << QStringLiteral("$$(x_needed0)<a/>") << QStringList{"x_needed=1"} << 3
                                           << QString();
}

void TestFilingKernel::templateFiller()
{
    QFETCH(QString, templ);
    QFETCH(QStringList, vars);
    QFETCH(int, result);
    QFETCH(QString, expected);
    TemplateVars map;
    for (const QString &pair : vars) {
        const int eq = pair.indexOf(QLatin1Char('='));
        map.insert(pair.left(eq).toLatin1(), CString(pair.mid(eq + 1)));
    }
    QString out = QStringLiteral("before|");
    QCOMPARE(fillTemplateText(out, templ, map), result);
    QCOMPARE(out, QStringLiteral("before|") + expected);   // nothing appended on failure
}

void TestFilingKernel::templateFileErrors()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("part.xmt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("<n>$$(name)</n>\u00e9").toUtf8());
    f.close();
    TemplateVars vars;
    vars.insert("name", CString("Zo\u00eb"));

    QByteArray bytes;
    QCOMPARE(processTemplatePartInString(bytes, path, vars, TemplateUtf8), 0);
    QCOMPARE(QString::fromUtf8(bytes), QStringLiteral("<n>Zo\u00eb</n>\u00e9"));
    QString text;
    QCOMPARE(processTemplatePart(text, path, vars, TemplateUtf8), 0);
    QCOMPARE(text, QStringLiteral("<n>Zo\u00eb</n>\u00e9"));

    QString unread = QStringLiteral("kept");
    QVERIFY(processTemplatePart(unread, dir.filePath(QStringLiteral("none.xmt")), vars, TemplateUtf8) != 0);
    QCOMPARE(unread, QStringLiteral("kept"));
    QByteArray missing;
    QVERIFY(processTemplatePartInString(missing, path, TemplateVars(), TemplateUtf8) != 0);
    QVERIFY(missing.isEmpty());
    QString loaded = QStringLiteral("x");
    QVERIFY(!loadFileToQString(dir.filePath(QStringLiteral("none.xmt")), loaded, TemplateUtf8));
    QVERIFY(loaded.isEmpty());
}

void TestFilingKernel::xmlWriters()
{
    QString out;
    writeXMLOpenTagString(out, QStringLiteral("comm:A"));
    writeXMLString(out, QStringLiteral("comm:B"), QStringLiteral("12 <Main> & Sons"), 0);
    // the limit cuts the text before it is escaped: no entity cut in half
    writeXMLString(out, QStringLiteral("comm:C"), QStringLiteral("AB&CD"), 3);
    writeXMLCloseTagString(out, QStringLiteral("comm:A"));
    QCOMPARE(out, QStringLiteral("<comm:A><comm:B>12 &lt;Main&gt; &amp; Sons</comm:B><comm:C>AB&amp;</comm:C></comm:A>"));
    QCOMPARE(QString(convertToXMLString(QStringLiteral("\"a\" 'b' &amp;"))),
             QStringLiteral("&quot;a&quot; &apos;b&apos; &amp;amp;"));
}

void TestFilingKernel::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("style1");
    QTest::addColumn<QString>("style2");
    QTest::addColumn<QString>("style7");
    QTest::addColumn<QString>("style18");
    QTest::newRow("date") << QDate(2024, 3, 9) << "20240309" << "2024-03-09" << "0309" << "2024-03-09";
    QTest::newRow("invalid") << QDate() << "" << "" << "" << "";
}

void TestFilingKernel::dates()
{
    QFETCH(QDate, date);
    QFETCH(QString, style1);
    QFETCH(QString, style2);
    QFETCH(QString, style7);
    QFETCH(QString, style18);
    QCOMPARE(QString(GetDateStr(date, 1)), style1);
    QCOMPARE(QString(GetDateStr(date, 2)), style2);
    QCOMPARE(QString(FormatQDate(date, 7)), style7);
    QCOMPARE(QString(FormatQDate(date, 18)), style18);
    QVERIFY(GetDateStr(date, 5).isEmpty());
}

void TestFilingKernel::postalAndPhone_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("postcode");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<bool>("hasSomething");
    QTest::newRow("postal code") << "k1a 0b1" << "K1A0B1" << "101" << true;
    QTest::newRow("phone with country code") << "+1 (613) 555-0199" << "16135550199" << "6135550199" << true;
    QTest::newRow("phone ten digits") << "613.555.0199" << "6135550199" << "6135550199" << true;
    QTest::newRow("eleven digits not starting with 1") << "2613555019 9" << "26135550199" << "26135550199" << true;
    QTest::newRow("blank") << "  - " << "" << "" << false;
}

void TestFilingKernel::postalAndPhone()
{
    QFETCH(QString, input);
    QFETCH(QString, postcode);
    QFETCH(QString, phone);
    QFETCH(bool, hasSomething);
    QCOMPARE(QString(GetRawPostcode(input)), postcode);
    QCOMPARE(QString(GetRawPhoneStr(input, true)), phone);
    QCOMPARE(ChkPhoneStrHasSomething(input), hasSomething);
}

void TestFilingKernel::emptyIfRemoveBlank()
{
    QVERIFY(CStringField::IsEmptyIfRemoveBlank(QString()));
    QVERIFY(CStringField::IsEmptyIfRemoveBlank(QStringLiteral(" \t \r\n")));
    QVERIFY(!CStringField::IsEmptyIfRemoveBlank(QStringLiteral("  a ")));
    CStringField field(CString("   "));
    QVERIFY(field.IsEmptyIfRemoveBlank());
}

void TestFilingKernel::recordWriters_data()
{
    QTest::addColumn<int>("writer");   // 0 dollar, 1 numeric, 2 dollar zero as one, 3 field zero as one
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text"); // the record; empty when none is written
    QTest::addColumn<int>("entryType");
    QTest::newRow("dollar") << 0 << 52310.75 << "<t1:Line15000>52310.75</t1:Line15000>" << 2;
    QTest::newRow("dollar loss") << 0 << -12.5 << "<t1:Line15000>-12.50</t1:Line15000>" << 2;
    QTest::newRow("dollar below 0.009") << 0 << 0.0089 << "" << 0;
    QTest::newRow("dollar small loss") << 0 << -0.005 << "" << 0;
    QTest::newRow("numeric") << 1 << 3.0 << "<t1:Line15000>3</t1:Line15000>" << 3;
    QTest::newRow("numeric zero") << 1 << 0.0 << "" << 0;
    QTest::newRow("zero as one") << 2 << 0.0 << "<t1:Line15000>1.00</t1:Line15000>" << 2;
    QTest::newRow("zero as one keeps an amount") << 2 << 7.25 << "<t1:Line15000>7.25</t1:Line15000>" << 2;
    QTest::newRow("field zero as one") << 3 << 0.004 << "<t1:Line15000>1.00</t1:Line15000>" << 2;
}

void TestFilingKernel::recordWriters()
{
    QFETCH(int, writer);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(int, entryType);
    for (quint8 kind : {quint8(0), quint8(2)}) {
        Collector col;
        NetfileGenObjParamStru c = col.context(kind);
        int written = 0;
        switch (writer) {
        case 0: written = NETFILE_DOLLAR_VALUE_Func(15000, value, c); break;
        case 1: written = NETFILE_NUMERIC_VALUE_Func(15000, value, c); break;
        case 2: written = NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(15000, value, c); break;
        default: written = NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(15000, CFloatField(value), c); break;
        }
        QCOMPARE(written, text.isEmpty() ? 0 : 1);
        QCOMPARE(QString(col.text), kind == 0 ? text : QString());
        QCOMPARE(col.codes.contains(15000), !text.isEmpty());
        QCOMPARE(col.codes.value(15000).entryType, entryType);
        QCOMPARE(col.counter, 0);   // the counter is the caller's
    }
}

void TestFilingKernel::recordWrittenOnce()
{
    Collector col;
    NetfileGenObjParamStru c = col.context(0);
    QCOMPARE(NETFILE_DOLLAR_VALUE_Func(10100, 100, c), 1);
    QCOMPARE(NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(10100, 0, c), 0);
    QCOMPARE(NETFILE_STRING_VALUE_Func(48900, 5, CString("A1B2C3"), c), 1);
    QCOMPARE(QString(col.text), QStringLiteral("<t1:Line10100>100.00</t1:Line10100><t1:Line48900>A1B2C</t1:Line48900>"));
    QCOMPARE(col.codes.value(10100).amount, 100.0);
    QCOMPARE(col.codes.value(48900).entryType, 4);
    QCOMPARE(QString(col.codes.value(48900).text), QStringLiteral("A1B2C"));
}

void TestFilingKernel::formRecords()
{
    for (int type : {140, 125}) {   // an ordinary form, then a statement written as selected financial data
        CodedForm form(type);
        form.setText(0, QStringLiteral("Name"));
        form.setAmount(1, 250.5);
        form.setAmount(2, 9000);
        form.setIntValue(3, 2);
        form.setAmount(4, 77);   // transient: never written
        form.setAmount(5, 5);    // no line code
        Collector col;
        NetfileGenObjParamStru c = col.context(0);
        const bool sfd = IsFilingSFDForm(type);
        QCOMPARE(form.ConvertToNetfile(1, c), sfd ? 3 : 2);
        QCOMPARE(QString(col.text), QStringLiteral("<t1:Line20700>250.50</t1:Line20700>")
                                        + (sfd ? QStringLiteral("<t1:Line8299>9000.00</t1:Line8299>") : QString())
                                        + QStringLiteral("<t1:Line55500>2</t1:Line55500>"));
        QList<CString> messages{CString("kept")};
        QCOMPARE(form.validate(1, messages), 0);
        QCOMPARE(messages.size(), 1);
    }
}

void TestFilingKernel::filingSfdPredicate()
{
    const QList<int> filing{12, 15, 21, 51, 59, 92, 109, 125, 131, 147, 160, 179};
    for (int type = 0; type < kFormTableSize; ++type)
        QCOMPARE(IsFilingSFDForm(type), filing.contains(type));
    // the narrower table stays for the add-form list and the carry-forward
    for (int type : {59, 92, 147, 160, 179})
        QVERIFY(!IsSFDForm(type));
}

BQ_TEST_MAIN_CORE(TestFilingKernel)
#include "tst_filingkernel.moc"
