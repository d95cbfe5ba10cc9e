#include "bqtest.h"
#include "cmemoryblock.h"
#include "cryptocoding.h"
#include "formtables.h"
#include "mydatastream.h"
#include "mytixmlhandle.h"
#include "textandtime.h"
#include "utils.h"

#include <QBuffer>

namespace {
constexpr int kFormT1013 = 117;
constexpr int kFormT1 = 1;

QByteArray repeated(char c, int n) { return QByteArray(n, c); }

TiXmlDocument parsed(const char *xml)
{
    TiXmlDocument doc;
    doc.Parse(xml, nullptr, TIXML_ENCODING_UTF8);
    return doc;
}
} // namespace

class TestServiceHelpers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setCurTimeSource({}); }

    // ---- digests and codings ----
    void sha1Fips180_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("a9993e364706816aba3e25717850c26c9cd0d89d");
        QTest::newRow("two blocks") << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
                                    << QByteArray("84983e441c3bd26ebaae4aa1f95129e5e54670f1");
        QTest::newRow("million a") << repeated('a', 1000000) << QByteArray("34aa973cd4c4daa4f61eeb2bdbad27316534016f");
    }
    void sha1Fips180()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, hex);
        QCOMPARE(SHA1(message, true), hex);
        QCOMPARE(SHA1(message), QByteArray::fromHex(hex));
    }

    void sha256Fips180_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("empty") << QByteArray()
                               << QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
        QTest::newRow("abc") << QByteArray("abc")
                             << QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
        QTest::newRow("two blocks") << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
                                    << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
        QTest::newRow("million a") << repeated('a', 1000000)
                                   << QByteArray("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    }
    void sha256Fips180()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, hex);
        const QByteArray digits = SHA256(message, true);
        QCOMPARE(digits, hex);
        QCOMPARE(digits.size(), 64);
        QCOMPARE(SHA256(message).size(), 32);
        QCOMPARE(SHA256(message), QByteArray::fromHex(hex));
    }

    void hmacSha256Rfc4231_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("hex");
        QByteArray key4;
        for (int i = 1; i <= 25; ++i)
            key4 += char(i);
        QTest::newRow("1") << repeated('\x0b', 20) << QByteArray("Hi There")
                           << QByteArray("b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
        QTest::newRow("2 short key") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                                     << QByteArray("5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
        QTest::newRow("3") << repeated('\xaa', 20) << repeated('\xdd', 50)
                           << QByteArray("773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe");
        QTest::newRow("4") << key4 << repeated('\xcd', 50)
                           << QByteArray("82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b");
        QTest::newRow("6 long key") << repeated('\xaa', 131)
                                    << QByteArray("Test Using Larger Than Block-Size Key - Hash Key First")
                                    << QByteArray("60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
        QTest::newRow("7 long key and data")
            << repeated('\xaa', 131)
            << QByteArray("This is a test using a larger than block-size key and a larger than block-size data. The key "
                          "needs to be hashed before being used by the HMAC algorithm.")
            << QByteArray("9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2");
    }
    void hmacSha256Rfc4231()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, hex);
        unsigned char out[32];
        hmacSha256(reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()),
                   reinterpret_cast<const unsigned char *>(key.constData()), size_t(key.size()), out);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(out), 32).toHex(), hex);
        QCOMPARE(hmacSha256(data, key).toHex(), hex);
    }

    void base64Rfc4648_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
        QTest::newRow("fo") << QByteArray("fo") << QByteArray("Zm8=");
        QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
        QTest::newRow("foob") << QByteArray("foob") << QByteArray("Zm9vYg==");
        QTest::newRow("fooba") << QByteArray("fooba") << QByteArray("Zm9vYmE=");
        QTest::newRow("foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
        QTest::newRow("standard alphabet") << QByteArray("\xfb\xff\xbf") << QByteArray("+/+/");
    }
    void base64Rfc4648()
    {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, text);
        QCOMPARE(Base64encode(data), text);
    }

    void urlCoding_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("coded");
        QTest::newRow("plus equals percent") << QStringLiteral("a+b=c%d") << QByteArray("a%2Bb%3Dc%25d");
        QTest::newRow("accents") << QStringLiteral("Émile Côté") << QByteArray("%C3%89mile%20C%C3%B4t%C3%A9");
        QTest::newRow("unreserved kept") << QStringLiteral("Az09-._~") << QByteArray("Az09-._~");
        QTest::newRow("path") << QStringLiteral("/gol-ged/awsc/tdd/ws") << QByteArray("%2Fgol-ged%2Fawsc%2Ftdd%2Fws");
        QTest::newRow("base64 token") << QStringLiteral("ab+/cd==") << QByteArray("ab%2B%2Fcd%3D%3D");
    }
    void urlCoding()
    {
        QFETCH(QString, plain);
        QFETCH(QByteArray, coded);
        QCOMPARE(urlEncode(plain), coded);
        QCOMPARE(QString::fromUtf8(urlDecode(coded)), plain);
        QCOMPARE(urlDecodeToString(QString::fromLatin1(coded)), plain);
    }

    void urlDecodeKeepsWhatIsNotAnEscape()
    {
        QCOMPARE(urlDecode("a+b"), QByteArray("a+b"));
        QCOMPARE(urlDecode("100%"), QByteArray("100%"));
        QCOMPARE(urlDecode("%zz%4"), QByteArray("%zz%4"));
        QCOMPARE(urlDecode("%41%6a"), QByteArray("Aj"));
    }

    // ---- memory block ----
    void memoryBlockAppendsAndArchives()
    {
        CMemoryBlock block;
        block.Append("T1");
        block.Append("0123456789", 4);
        block.Append(nullptr);
        block.Append("x", 0);
        QCOMPARE(QByteArray(block.GetContent()), QByteArray("T10123"));
        QCOMPARE(block.GetSize(), 6);

        QByteArray archive;
        {
            MyDataStream out(&archive, true);
            QVERIFY(block.WriteToT1BarcodeArchive(out));
        }
        MyDataStream in(&archive, false);
        qint32 count = 0;
        in >> count;
        QCOMPARE(count, 6);
        QCOMPARE(archive.mid(4), QByteArray("T10123"));

        block.Init();
        QVERIFY(block.IsEmpty());
        QCOMPARE(QByteArray(block.GetContent()), QByteArray());
    }

    // ---- XML ----
    void handleFollowsExactNames()
    {
        const TiXmlDocument doc = parsed(
            "<soapenv:Envelope xmlns:soapenv='x'><soapenv:Body><t1ersp:EfileReturnResponse>"
            "<ResultCode>2139</ResultCode><Inner><TransmissionNumber>9</TransmissionNumber></Inner>"
            "<TransmissionNumber>24</TransmissionNumber><Flag>Y</Flag><Box boxNumber='14'>1.00</Box>"
            "</t1ersp:EfileReturnResponse></soapenv:Body></soapenv:Envelope>");
        QVERIFY(!doc.Error());
        const MyTiXmlHandle root(doc.FirstChildElement());
        const TiXmlElement *response =
            root.FirstChildElement("soapenv:Body").FirstChildElement("t1ersp:EfileReturnResponse").ToElement();
        QVERIFY(response);
        QVERIFY(!root.FirstChildElement("Body").exists());
        QVERIFY(!root.FirstChildElement("soapenv:Body").FirstChildElement("EfileReturnResponse").exists());
        QVERIFY(!root.FirstChildElement("missing").FirstChildElement("soapenv:Body").exists());
        QCOMPARE(QString(getElementSubEleStringText(response, "ResultCode")), QStringLiteral("2139"));
        QCOMPARE(QString(getElementSubEleStringText(response, "TransmissionNumber")), QStringLiteral("24"));
        QCOMPARE(getElementSubEleStringAsInt(response, "TransmissionNumber"), 24);
        QCOMPARE(getElementSubEleStringAsInt(response, "Flag", -7), -7);
        QVERIFY(getElementSubEleStringAsBool(response, "Flag"));
        QVERIFY(!getElementSubEleStringAsBool(response, "Missing"));
        QCOMPARE(QString(getElementSubEleStringAttribute(response, "Box", "boxNumber")), QStringLiteral("14"));
        QVERIFY(getElementSubEleStringAttribute(response, "Box", "other").isEmpty());
        QVERIFY(getElementSubEleStringText(nullptr, "ResultCode").isEmpty());
        QVERIFY(getElementSubEleStringText(response, "Inner").isEmpty());
    }

    void handlePrefixTolerance_data()
    {
        QTest::addColumn<QString>("elementName");
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("found");
        QTest::newRow("plain") << "GetNOAResponse" << "GetNOAResponse" << "ns" << true;
        QTest::newRow("ns") << "ns:GetNOAResponse" << "GetNOAResponse" << "ns" << true;
        QTest::newRow("ns2") << "ns2:GetNOAResponse" << "GetNOAResponse" << "ns" << true;
        QTest::newRow("other prefix") << "xs:GetNOAResponse" << "GetNOAResponse" << "ns" << false;
        QTest::newRow("longer word") << "nsx:GetNOAResponse" << "GetNOAResponse" << "ns" << false;
        QTest::newRow("no prefix argument") << "ns2:GetNOAResponse" << "GetNOAResponse" << "" << false;
        QTest::newRow("suffix only") << "ns2:XGetNOAResponse" << "GetNOAResponse" << "ns" << false;
        QTest::newRow("prefixed lookup exact") << "ns2:GetNOAResponse" << "ns:GetNOAResponse" << "ns" << false;
    }
    void handlePrefixTolerance()
    {
        QFETCH(QString, elementName);
        QFETCH(QString, lookup);
        QFETCH(QString, prefix);
        QFETCH(bool, found);
        const QByteArray xml = "<r><" + elementName.toUtf8() + "><Code>1</Code></" + elementName.toUtf8() + "></r>";
        const TiXmlDocument doc = parsed(xml.constData());
        const QByteArray p = prefix.toUtf8();
        const MyTiXmlHandle root(doc.FirstChildElement(), p.isEmpty() ? nullptr : p.constData());
        const MyTiXmlHandle hit = root.FirstChildElement(lookup.toUtf8().constData());
        QCOMPARE(hit.exists(), found);
        QCOMPARE(getElementSubEleStringText(doc.FirstChildElement(), lookup.toUtf8().constData(),
                                            p.isEmpty() ? nullptr : p.constData())
                     .isNull(),
                 true); // the element itself has no text
    }

    void printsElementAndDocument()
    {
        const TiXmlDocument doc = parsed("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a><item n=\"1\">Côté &amp; fils</item>"
                                         "<b/></a>");
        const std::string element = printElementToString(doc.FirstChildElement()->FirstChildElement("item"));
        QCOMPARE(QString::fromStdString(element), QStringLiteral("<item n=\"1\">Côté &amp; fils</item>"));
        const std::string whole = printDocumentToString(doc);
        QVERIFY(QString::fromStdString(whole).startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>")));
        TiXmlDocument again;
        again.Parse(whole.c_str(), nullptr, TIXML_ENCODING_UTF8);
        QVERIFY(!again.Error());
        QCOMPARE(QString(getElementSubEleStringText(again.FirstChildElement(), "item")), QStringLiteral("Côté & fils"));
        QVERIFY(printElementToString(nullptr).empty());
    }

    // ---- time texts ----
    void timeTextsFollowTheClock()
    {
        const QDateTime fixed(QDate(2025, 3, 1), QTime(12, 4, 5), Qt::OffsetFromUTC, -5 * 3600);
        setCurTimeSource([fixed] { return fixed; });
        const QDateTime local = fixed.toLocalTime();
        QCOMPARE(QString(GetCurTime(0)), local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        QCOMPARE(QString(getXMLDateTimeString(true)), QStringLiteral("2025-03-01T17:04:05Z"));
        const QString withOffset = getXMLDateTimeString(false);
        QVERIFY(withOffset.startsWith(local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))));
        QCOMPARE(QDateTime::fromString(withOffset, Qt::ISODate), fixed);
    }

    // ---- files and CSV ----
    void loadFileToStringReadsWholeOrNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("reply.xml"));
        QByteArray bytes;
        for (int i = 0; i < 5000; ++i)
            bytes += "line " + QByteArray::number(i) + "\0\n";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        const std::string read = loadFileToString(path, 1, 64);
        QCOMPARE(QByteArray(read.data(), int(read.size())), bytes);
        QVERIFY(loadFileToString(dir.filePath(QStringLiteral("missing"))).empty());
        QByteArray big(1024 * 1024 + 1, 'x');
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(big) == big.size());
        f.close();
        QVERIFY(loadFileToString(path, 64, 1).empty());
    }

    void parseCsv_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("plain") << QByteArray("a,b,c\n1,2,3\n")
                               << QList<QStringList>{{"a", "b", "c"}, {"1", "2", "3"}};
        QTest::newRow("crlf and blanks kept") << QByteArray("a, b ,\r\n,x\r\n")
                                              << QList<QStringList>{{"a", " b ", ""}, {"", "x"}};
        QTest::newRow("quoted comma, quote, break")
            << QByteArray("\"Canada Child Benefit, CCB\",\"say \"\"hi\"\"\",\"two\nlines\"\n")
            << QList<QStringList>{{"Canada Child Benefit, CCB", "say \"hi\"", "two\nlines"}};
        QTest::newRow("latin-1") << QByteArray("Qu\xe9""bec,1-800\n") << QList<QStringList>{{"Québec", "1-800"}};
        QTest::newRow("no final break, empty lines") << QByteArray("a\n\nb,c")
                                                     << QList<QStringList>{{"a"}, {"b", "c"}};
        QTest::newRow("quoted empty") << QByteArray("\"\"\n") << QList<QStringList>{{""}};
        QTest::newRow("unterminated quote") << QByteArray("\"abc,d\n") << QList<QStringList>{{"abc,d\n"}};
    }
    void parseCsv()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QStringList>, rows);
        QCOMPARE(ParseCSV(text.toStdString()), rows);
    }

    // ---- small text helpers ----
    void suffixTest()
    {
        QVERIFY(stringEndwith(std::string("tp:TaxYear"), std::string("TaxYear")));
        QVERIFY(!stringEndwith(std::string("tp:Taxyear"), std::string("TaxYear")));
        QVERIFY(stringEndwith(std::string("tp:Taxyear"), std::string("TaxYear"), true));
        QVERIFY(!stringEndwith(std::string("Year"), std::string("TaxYear")));
        QVERIFY(stringEndwith(QStringLiteral("abc"), QString()));
    }

    void htmlLines_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("skip");
        QTest::addColumn<QString>("html");
        QTest::newRow("written") << " 1234.50 " << "" << "Amount: 1234.50<br>\n";
        QTest::newRow("escaped") << "<b>A & B</b>" << "" << "Amount: &lt;b&gt;A &amp; B&lt;/b&gt;<br>\n";
        QTest::newRow("empty skipped") << "  " << "" << "";
        QTest::newRow("skip text") << "0.0" << "0.0" << "";
        QTest::newRow("skip ignores case") << "NONE" << "none" << "";
        QTest::newRow("other than skip") << "0.01" << "0.0" << "Amount: 0.01<br>\n";
    }
    void htmlLines()
    {
        QFETCH(QString, value);
        QFETCH(QString, skip);
        QFETCH(QString, html);
        CString out("<body>\n");
        QCOMPARE(toHtmlOneLineItem(out, value, QStringLiteral("Amount"), skip), !html.isEmpty());
        QCOMPARE(QString(out), QStringLiteral("<body>\n") + html);
        toHtmlNewLine(out);
        QVERIFY(out.endsWith(QStringLiteral("<br>\n")));
    }

    void formCodeColumn()
    {
        QCOMPARE(formCode(kFormT1013), QStringLiteral("E-Auth"));
        QCOMPARE(formName(kFormT1013), QStringLiteral("T1013"));
        QCOMPARE(formCode(kFormT1), formName(kFormT1));
        QVERIFY(formCode(-1).isEmpty());
    }
};

BQ_TEST_MAIN_CORE(TestServiceHelpers)
#include "tst_servicehelpers.moc"
